#include "core/Errors.h"
#include "core/GbkCodec.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/Utf8.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// The raisers of core: each error reaches its catcher with its number and
// text, and an error nobody catches names its text.
TEST(Errors, CoreRaisersGiveTheirNumberAndText) {
    const struct { void (*raise)(); std::int64_t number; const char* text; } cases[] = {
        {RaiseSubscriptError, 9, "下标越界"},
        {RaiseOverflowError, 6, "溢出"},
    };
    for (const auto& c : cases) {
        try {
            c.raise();
            ADD_FAILURE() << c.text << ": nothing raised";
        } catch (const RaisedError& e) {
            EXPECT_EQ(e.Number(), c.number) << c.text;
            EXPECT_EQ(e.Text(), c.text);
            EXPECT_STREQ(e.what(), c.text);
        }
    }
}

TEST(Errors, MathFaultsAreDistinctFromRaisedErrors) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct { double value; bool faults; MathFault::Kind kind; } cases[] = {
        {1.5, false, {}}, {inf, true, MathFault::Kind::Overflow}, {-inf, true, MathFault::Kind::Overflow},
        {std::nan(""), true, MathFault::Kind::Invalid}, {1e39, true, MathFault::Kind::Overflow},
        {-1e300, true, MathFault::Kind::Overflow}, {3.4e38, false, {}},
    };
    for (const auto& c : cases) {
        try {
            const float f = ToSingle(c.value);
            EXPECT_FALSE(c.faults) << c.value;
            EXPECT_EQ(f, static_cast<float>(c.value));
        } catch (const MathFault& e) {
            EXPECT_TRUE(c.faults) << c.value;
            EXPECT_EQ(e.GetKind(), c.kind) << c.value;
        }
    }
    static_assert(!std::is_base_of_v<RaisedError, MathFault>);
}

TEST(GbkCodec, RoundTripAndInvalidInput) {
    const std::string bytes = "\xB6\xFE\xCE\xAC";
    ASSERT_EQ(Utf8ToGbk("二维"), bytes);
    ASSERT_EQ(GbkToUtf8(bytes), std::string("二维"));
    EXPECT_EQ(GbkToUtf8("abc 1.5"), std::string("abc 1.5"));
    EXPECT_EQ(Utf8ToGbk("是否保存当前图形？").value().size(), 18u);
    EXPECT_EQ(GbkToUtf8(*Utf8ToGbk("是否保存当前图形？")), std::string("是否保存当前图形？"));
    // A lead byte without its trail, and a trail byte that is not valid.
    for (const std::string& bad : {std::string("\xB6"), std::string("a\xB6\x20"), std::string("\xFF\xFF")})
        EXPECT_FALSE(GbkToUtf8(bad).has_value());
    EXPECT_FALSE(Utf8ToGbk("\xC3").has_value());
    EXPECT_EQ(GbkToUtf8(""), std::string());
    // Characters of GBK outside GB2312 (a trail byte below 0xA1, a lead byte
    // below 0xA1), both ways.
    ASSERT_EQ(Utf8ToGbk("镕們"), std::string("\xE9\x46\x82\x83"));
    EXPECT_EQ(GbkToUtf8("\xE9\x46\x82\x83"), std::string("镕們"));
}

TEST(Utf8, CodePointsAndIllFormedParts) {
    const struct { std::string text; std::u32string points; } cases[] = {
        {"", U""}, {"a1 ", U"a1 "}, {"二维", U"二维"}, {"\xC3\xA9", U"\u00E9"}, {"\xF0\x9F\x98\x80", U"\U0001F600"},
        // A truncated sequence is one replacement; a stray continuation byte,
        // an overlong form and an encoded surrogate are one per maximal part.
        {"\xE4\xBA", U"\uFFFD"}, {"a\xE4\xBA" "b", U"a\uFFFDb"}, {"\x80\x80", U"\uFFFD\uFFFD"},
        {"\xC0\xAF", U"\uFFFD\uFFFD"}, {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"}, {"\xF5", U"\uFFFD"},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8ToCodePoints(c.text), c.points) << c.text;
    for (char32_t c : {U'a', U'\u00E9', U'二', U'\U0001F600', U'\u007F', U'\u0800', U'\U0010FFFF'})
        EXPECT_EQ(Utf8ToCodePoints(CodePointToUtf8(c)), std::u32string(1, c)) << std::uint32_t(c);
    EXPECT_EQ(CodePointToUtf8(0xD800), "\xEF\xBF\xBD");
    EXPECT_EQ(CodePointToUtf8(0x110000), "\xEF\xBF\xBD");
}

TEST(MessageService, RecordingDoubleRecordsAndAnswersFromScript) {
    RecordingMessageBox box;
    box.Answer(MsgAnswer::No);
    EXPECT_EQ(MsgBox("是否保存当前图形？", MsgIcon::Question, NoticeTitle, MsgButtons::YesNo), MsgAnswer::No);
    EXPECT_EQ(MsgBox("除数为零。", MsgIcon::Critical, ErrorTitle), MsgAnswer::OK);
    EXPECT_EQ(MsgBox("ChoosePixelFormat failed", MsgIcon::Critical), MsgAnswer::OK);
    ASSERT_EQ(box.Count(), 3u);
    EXPECT_EQ(box.requests[0].title, "注意");
    EXPECT_EQ(box.requests[0].icon, MsgIcon::Question);
    EXPECT_EQ(box.requests[1].title, "出错");
    EXPECT_EQ(box.requests[1].text, "除数为零。");
    EXPECT_EQ(box.requests[1].icon, MsgIcon::Critical);
    EXPECT_EQ(box.requests[2].title, AppTitle);
}

TEST(Globals, StartingValues) {
    ResetProgramState();
    EXPECT_EQ(UndefinedValue, 0.12345f);
    EXPECT_FALSE(ShowMathErrors);
    EXPECT_EQ(DocumentKind, 0);
    EXPECT_EQ(FrameCount, 10);
    EXPECT_EQ(FramesPerSecond, 10);
    for (float v : {ViewMinX, ViewMinY, ViewMinZ}) EXPECT_EQ(v, -500.0f);
    for (float v : {ViewMaxX, ViewMaxY, ViewMaxZ}) EXPECT_EQ(v, 500.0f);
    EXPECT_EQ(CrLf, "\r\n");
    EXPECT_EQ(TabChar, "\t");
    EXPECT_EQ(ErrorTitle, "出错");
    EXPECT_EQ(NoticeTitle, "注意");
}

} // namespace
