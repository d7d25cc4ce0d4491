// The numeric value of typed box texts, and whole counts read from it.
#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();

struct ValueCase {
    const char* text;
    double value;
};

const ValueCase kValueCases[] = {
    // Blanks, tabs and line feeds are skipped anywhere.
    {" 1 2 ", 12}, {"\t3\n4", 34}, {" - 5", -5}, {"1 . 5", 1.5}, {"1 E 2", 100}, {"& H 1F", 31},
    // A carriage return is not a blank: it ends the number.
    {"\r7", 0}, {"7\r8", 7},
    // Sign, digits with one point, exponent with E or D in either case.
    {"12abc", 12}, {"1,5", 1}, {"1.2.3", 1.2}, {".5", 0.5}, {"5.", 5}, {"+2", 2}, {"-0.25x", -0.25},
    {"1D2", 100}, {"1d2", 100}, {"1e2", 100}, {"2.5E-1", 0.25}, {"1E", 1}, {"1E+", 1}, {"1Dx", 1},
    {"1E2.5", 100}, {"0012", 12}, {"-0", 0},
    // Hexadecimal and octal whole numbers, never negative.
    {"&H1F", 31}, {"&h1f", 31}, {"&O17", 15}, {"&o17", 15}, {"&H", 0}, {"&HG", 0}, {"&O8", 0}, {"&O78", 7},
    {"&HFFFF", 65535}, {"&HFFFFFFFF", 4294967295.0}, {"&X1", 0}, {"&", 0}, {"-&H1F", 0},
    // No number.
    {"abc", 0}, {"", 0}, {"   ", 0}, {"-", 0}, {".", 0}, {"+.", 0}, {"--1", 0}, {"E5", 0},
    // Beyond the double range: an infinity of the value's sign; too small: 0.
    {"1E400", Inf}, {"-1D400", -Inf}, {"1E-400", 0}, {"0.0000000001E-320", 0}, {"100000E-310", 1e-305},
    {"0.001E309", 1e306},
};

} // namespace

TEST(NumericValue, TableOfTexts) {
    for (const ValueCase& c : kValueCases) {
        const double v = NumericValue(c.text);
        if (std::isinf(c.value))
            EXPECT_EQ(v, c.value) << '"' << c.text << '"';
        else
            EXPECT_DOUBLE_EQ(v, c.value) << '"' << c.text << '"';
    }
    // A long run of digits and a long exponent.
    EXPECT_DOUBLE_EQ(NumericValue(std::string(400, '0') + "7"), 7);
    EXPECT_DOUBLE_EQ(NumericValue("0." + std::string(400, '0') + "1E405"), 10000);
    EXPECT_EQ(NumericValue("1E" + std::string(30, '9')), Inf);
    EXPECT_EQ(NumericValue("1E-" + std::string(30, '9')), 0);
    EXPECT_DOUBLE_EQ(NumericValue("0." + std::string(200000, '0') + "1E200005"), 10000);
}

TEST(NumericValue, WholeCountsRoundHalfToEvenAndTellWhenOutOfRange) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> count;
    };
    const Case cases[] = {
        {"12abc", 12}, {"1.5", 2}, {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"0.7", 1}, {"0.4", 0}, {"abc", 0},
        {" 1 0 0 0 ", 1000}, {"&H1F", 31}, {"1E3", 1000},
        {"2147483647", 2147483647}, {"2147483647.4", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"2147483647.5", std::nullopt}, {"2147483648", std::nullopt}, {"-2147483649", std::nullopt},
        {"1E10", std::nullopt}, {"1E400", std::nullopt}, {"-1E400", std::nullopt}, {"&HFFFFFFFF", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(WholeCount(c.text), c.count) << '"' << c.text << '"';
}
