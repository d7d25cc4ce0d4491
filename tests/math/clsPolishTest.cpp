#include "core/Errors.h"
#include <functional>
#include "math/clsPolish.h"
#include "PolishTestSupport.h"

#include <gtest/gtest.h>

namespace {

std::int64_t ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RaisedError& e) {
        return e.Number();
    }
    return 0;
}

TEST(clsPolish, PushInsertsAndKillRemoves) {
    clsPolish l;
    EXPECT_EQ(l.ElementCount(), 0);
    l.Push(0, 5, "x");
    EXPECT_EQ(l.ElementCount(), 1);
    EXPECT_EQ(l.GetRank(0), 5);
    EXPECT_EQ(l.GetData(0), "x");

    clsPolish ab = MakeList("a b");
    ab.Push(1, 2, "*");
    EXPECT_EQ(Tokens(ab), "a * b");
    EXPECT_EQ(Ranks(ab), "525");

    const struct { int index, num; const char* left; } kills[] = {
        {1, 2, "a d"}, {3, 1, "a b c"}, {0, 4, ""}, {2, 0, "a b c d"},
    };
    for (const auto& k : kills) {
        clsPolish l4 = MakeList("a b c d");
        l4.Kill(k.index, k.num);
        EXPECT_EQ(Tokens(l4), k.left) << k.index << "," << k.num;
    }

    clsPolish c = MakeList("a b c");
    c.Clear();
    EXPECT_EQ(c.ElementCount(), 0);
    c.Push(0, 1, "+");
    EXPECT_EQ(Tokens(c), "+");
}

TEST(clsPolish, OutOfRangeRaisesSubscriptErrorAndChangesNothing) {
    clsPolish empty;
    EXPECT_EQ(ErrorOf([&] { (void)empty.GetData(0); }), ErrNo::Subscript);
    EXPECT_EQ(ErrorOf([&] { (void)empty.GetRank(0); }), ErrNo::Subscript);

    clsPolish l = MakeList("a b");
    EXPECT_EQ(ErrorOf([&] { (void)l.GetData(2); }), ErrNo::Subscript);
    EXPECT_EQ(ErrorOf([&] { (void)l.GetRank(-1); }), ErrNo::Subscript);
    EXPECT_EQ(ErrorOf([&] { l.Push(3, 5, "c"); }), ErrNo::Subscript);
    EXPECT_EQ(ErrorOf([&] { l.Push(-1, 5, "c"); }), ErrNo::Subscript);
    EXPECT_EQ(ErrorOf([&] { l.Kill(1, 2); }), ErrNo::Subscript);
    EXPECT_EQ(ErrorOf([&] { l.Kill(-1, 1); }), ErrNo::Subscript);
    EXPECT_EQ(ErrorOf([&] { l.Kill(0, -1); }), ErrNo::Subscript);
    EXPECT_EQ(Tokens(l), "a b");
}

TEST(clsPolish, HoldsAtMost32768Elements) {
    clsPolish l;
    for (int i = 0; i < clsPolish::MaxElements; ++i) l.Push(l.ElementCount(), 5, "x");
    EXPECT_EQ(l.ElementCount(), 32768);
    EXPECT_EQ(ErrorOf([&] { l.Push(l.ElementCount(), 5, "x"); }), ErrNo::Overflow);
    EXPECT_EQ(ErrorOf([&] { l.Push(0, 5, "x"); }), ErrNo::Overflow);
    EXPECT_EQ(l.ElementCount(), 32768);
}

} // namespace
