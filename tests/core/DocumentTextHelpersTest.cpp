// The number, quoted-text and GBK helpers that document records are written with.
#include "core/GbkCodec.h"
#include "core/NumberText.h"
#include "core/QuotedText.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace {

struct ShortestCase { float value; const char* text; const char* plain; };

const ShortestCase kShortestCases[] = {
    {0.1f, "0.1", "0.1"},
    {3.14159265f, "3.1415927", "3.1415927"},
    {2.0f, "2", "2"},
    {-3.25f, "-3.25", "-3.25"},
    {0.0f, "0", "0"},
    {12345678.0f, "1.2345678E+07", "12345678"},
    {16777216.0f, "1.6777216E+07", "16777216"},
    {1234567.0f, "1234567", "1234567"},
    {1.5e8f, "1.5E+08", "150000000"},
    {1e-5f, "1E-05", "0.00001"},
    {1.5e-5f, "1.5E-05", "0.000015"},
    {0.0001f, "0.0001", "0.0001"},
    {0.35f, "0.35", "0.35"},
    {-0.1f, "-0.1", "-0.1"},
    {1.0f / 3.0f, "0.33333334", "0.33333334"},
    {std::bit_cast<float>(0x15ae43fdu), "7.038531E-26", "0.00000000000000000000000007038531"},
    {std::numeric_limits<float>::max(), "3.4028235E+38", "340282350000000000000000000000000000000"},
    {std::numeric_limits<float>::denorm_min(), "1E-45", "0.000000000000000000000000000000000000000000001"},
};

TEST(ShortestSingleText, FewestDigitsInSingleTextForm) {
    for (const auto& c : kShortestCases) {
        EXPECT_EQ(ShortestSingleText(c.value), c.text) << c.text;
        EXPECT_EQ(ShortestSinglePlainText(c.value), c.plain) << c.text;
    }
    // A value that seven digits show is written as SingleText writes it.
    for (float v : {0.5f, 2.5f, 1e20f, -3.6732e-06f, 100.25f, 65280.0f})
        EXPECT_EQ(ShortestSingleText(v), SingleText(v));
}

TEST(ShortestSingleText, EveryTextReadsBackAsTheSameSingle) {
    // Read through a double this text would round to the float after this one.
    EXPECT_EQ(std::bit_cast<std::uint32_t>(ParseSingle("7.038531E-26")), 0x15ae43fdu);
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::uint32_t> bits;
    int checked = 0;
    while (checked < 200000) {
        const float v = std::bit_cast<float>(bits(random));
        if (!std::isfinite(v)) continue;
        ++checked;
        const std::string text = ShortestSingleText(v);
        ASSERT_EQ(ParseSingle(text), v) << text;
        ASSERT_EQ(ParseSingle(ShortestSinglePlainText(v)), v) << text;
        // Significant digits: those of the mantissa from its first non-zero digit.
        std::string mantissa;
        for (char c : text.substr(0, text.find('E')))
            if ((c >= '1' && c <= '9') || (c == '0' && !mantissa.empty())) mantissa += c;
        const std::size_t digits = mantissa.size();
        ASSERT_LE(digits, 9u) << text;
    }
}

TEST(QuotedText, MarksAroundAndAnAtBeforeABlankWrittenFullWidth) {
    struct Case { const char* text; const char* written; };
    const Case cases[] = {
        {"Untitled", "@Untitled@"}, {"", "@@"}, {" ", "@ @"}, {"a  b", "@a  b@"}, {" x", "@ x@"},
        {"a@", "@a@@"}, {"@", "@@@"}, {"@a", "@@a@"}, {"a@ b", "@a＠ b@"}, {"@ @", "@＠ @@"},
        {"抛物线", "@抛物线@"},
    };
    for (const auto& c : cases) EXPECT_EQ(QuotedText(c.text), c.written) << c.text;
}

TEST(GbkLenient, UnmappableCharactersAndBadBytesBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToGbkLenient("抛物线 x"), "\xC5\xD7\xCE\xEF\xCF\xDF x");
    EXPECT_EQ(GbkToUtf8Lenient("\xC5\xD7\xCE\xEF\xCF\xDF x"), "抛物线 x");
    // An emoji and a broken UTF-8 byte have no GBK form.
    EXPECT_EQ(Utf8ToGbkLenient("a😀b\xFF" "c"), "a?b?c");
    // A lead byte without its trail byte, and a byte that begins no character:
    // the blank and "@" after them stay.
    EXPECT_EQ(GbkToUtf8Lenient("\xC5 @\xFF" "a"), "? @?a");
    EXPECT_EQ(GbkToUtf8Lenient("x\xC5"), "x?");
    EXPECT_EQ(GbkToUtf8Lenient(""), "");
}

} // namespace
