#include "core/Errors.h"
#include "math/Cls13.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Cls13, GrowsInStepsOfTenAndNeverShrinks) {
    Cls13 stack;
    EXPECT_EQ(stack.StackSize(), 0);
    EXPECT_EQ(stack.Capacity(), 0);
    for (int i = 1; i <= 11; ++i) stack.Push(static_cast<double>(i));
    EXPECT_EQ(stack.StackSize(), 11);
    EXPECT_EQ(stack.Capacity(), 20);
    for (int i = 11; i >= 1; --i) EXPECT_EQ(std::get<double>(stack.Pop()), i);
    EXPECT_EQ(stack.StackSize(), 0);
    EXPECT_EQ(stack.Capacity(), 20);
}

TEST(Cls13, LastInFirstOutWithCopies) {
    Cls13 stack;
    std::string text = "a";
    stack.Push(text);
    text = "changed";
    stack.Push(std::string("b"));
    EXPECT_EQ(std::get<std::string>(stack.Pop()), "b");
    EXPECT_EQ(std::get<std::string>(stack.Pop()), "a");

    stack.Push(5.0);
    EXPECT_EQ(std::get<double>(stack.GetPopValue()), 5.0);
    EXPECT_EQ(std::get<double>(stack.GetPopValue()), 5.0);
    EXPECT_EQ(stack.StackSize(), 1);
}

TEST(Cls13, EmptyStackErrors) {
    Cls13 stack;
    const struct { bool pop; std::int64_t number; const char* text; } cases[] = {
        {true, 0x800403F3, "在空栈上调用Pop方法。"},
        {false, 0x800403F4, "在空栈上调用GetPopValue方法。"},
    };
    for (const auto& c : cases) {
        try {
            if (c.pop) stack.Pop(); else stack.GetPopValue();
            ADD_FAILURE() << c.text;
        } catch (const RaisedError& e) {
            EXPECT_EQ(e.Number(), c.number);
            EXPECT_EQ(e.Text(), c.text);
        }
        EXPECT_EQ(stack.StackSize(), 0);
    }
    // Emptied again after use: the same errors, and the stack still works.
    stack.Push(1.0);
    stack.Pop();
    EXPECT_THROW(stack.Pop(), RaisedError);
    EXPECT_EQ(stack.StackSize(), 0);
    stack.Push(2.0);
    EXPECT_EQ(std::get<double>(stack.Pop()), 2.0);
}

} // namespace
