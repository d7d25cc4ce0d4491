#include "core/Errors.h"
#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

struct PrefixCase { std::string text; double value; };

// `head`, then `zeros` zeros, then `tail`.
std::string WithZeros(const char* head, std::size_t zeros, const char* tail) {
    std::string text(head);
    text.append(zeros, '0');
    text.append(tail);
    return text;
}
// "0." and `zeros` zeros before a 1: far below the smallest double.
std::string Tiny(std::size_t zeros) { return WithZeros("0.", zeros, "1"); }

const PrefixCase kPrefixCases[] = {
    {"1,5", 1}, {".5", 0.5}, {"12abc", 12}, {"-1.5E+08", -1.5e8}, {"+2", 2}, {"1e", 1},
    {"abc", 0}, {"", 0}, {"-", 0}, {".", 0}, {"5.", 5}, {"-.25x", -0.25}, {"1.2.3", 1.2},
    {"2e-3", 0.002}, {"7E+", 7}, {" 5", 0}, {"1e999", HUGE_VAL}, {"1e-999", 0},
    // A magnitude below the smallest double reads as 0, one above the largest
    // as infinity, whatever form the text has.
    {Tiny(400), 0}, {WithZeros("-0.", 400, "1"), 0}, {WithZeros("0.", 330, "1x"), 0},
    {"0.001e-400", 0}, {"-0.000001e-320", 0}, {"0.001e+400", HUGE_VAL}, {"1000e-321", 1e-318},
    {WithZeros("1", 400, ""), HUGE_VAL}, {"-0.0001e+400", -HUGE_VAL}, {WithZeros("0.0", 400, ""), 0},
};

struct SingleCase { float value; const char* text; const char* plain; };

const SingleCase kSingleCases[] = {
    {2.0f, "2", "2"},
    {-3.25f, "-3.25", "-3.25"},
    {0.5f, "0.5", "0.5"},
    {12345678.0f, "1.234568E+07", "12345680"},
    {1e-5f, "1E-05", "0.00001"},
    {0.0001f, "0.0001", "0.0001"},
    {1234567.0f, "1234567", "1234567"},
    {0.1f, "0.1", "0.1"},
    {0.0f, "0", "0"},
    {-0.0f, "0", "0"},
    {1.5e8f, "1.5E+08", "150000000"},
    {-3.6732e-06f, "-3.6732E-06", "-0.0000036732"},
    {3.1415926f, "3.141593", "3.141593"},
    {1e20f, "1E+20", "100000000000000000000"},
    // Exponents of two digits from 10 on.
    {1e10f, "1E+10", "10000000000"},
    {-2.5e-10f, "-2.5E-10", "-0.00000000025"},
    {9.999999e9f, "9.999999E+09", "9999999000"},
};

struct DoubleCase { double value; const char* text; };

const DoubleCase kDoubleCases[] = {
    {2.0, "2"}, {0.1, "0.1"}, {1.0 / 3.0, "0.333333333333333"}, {1e15, "1E+15"},
    {123456789012345.0, "123456789012345"}, {-2.5e-7, "-2.5E-07"},
    {1e-10, "1E-10"}, {-3.5e-10, "-3.5E-10"},
};

struct GroupedCase { double value; int decimals; const char* text; };

// Tick labels of space and strip axes: one decimal, "," between thousands.
const GroupedCase kGroupedCases[] = {
    {1250, 1, "1,250.0"}, {-5, 1, "-5.0"}, {0, 1, "0.0"}, {-0.0, 1, "0.0"}, {-0.04, 1, "0.0"},
    {2.5, 1, "2.5"}, {0.25, 1, "0.2"}, {0.35, 1, "0.3"}, {-10, 1, "-10.0"}, {999.96, 1, "1,000.0"},
    {-1234567.25, 1, "-1,234,567.2"}, {100, 1, "100.0"}, {123456, 0, "123,456"}, {0.5, 3, "0.500"},
    {1e20, 1, "100,000,000,000,000,000,000.0"}, {NAN, 1, "NaN"}, {-HUGE_VAL, 1, "-Inf"},
};

class NumberText : public ::testing::Test {};

// The same texts whatever locale the process runs in.
void CheckAllTables() {
    for (const auto& c : kPrefixCases)
        EXPECT_DOUBLE_EQ(ParseNumericPrefix(c.text), c.value) << '"' << c.text << '"';
    for (const auto& c : kSingleCases) {
        EXPECT_EQ(SingleText(c.value), c.text) << c.value;
        EXPECT_EQ(SinglePlainText(c.value), c.plain) << c.value;
    }
    for (const auto& c : kDoubleCases) EXPECT_EQ(DoubleText(c.value), c.text) << c.value;
    for (const auto& c : kGroupedCases) EXPECT_EQ(GroupedFixedText(c.value, c.decimals), c.text) << c.value;
}

TEST_F(NumberText, TablesInTheProcessLocale) { CheckAllTables(); }

TEST_F(NumberText, TablesUnderAGermanLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "locale de_DE.UTF-8 is not installed";
    CheckAllTables();
    std::setlocale(LC_ALL, saved.c_str());
}

TEST_F(NumberText, WholeNumbersRoundHalfToEven) {
    const struct { const char* text; std::int32_t value; } cases[] = {
        {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"-3.5", -4}, {"2.4999", 2}, {"0.5", 0},
        {"1.5", 2}, {"7", 7}, {"abc", 0}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseLong(c.text), c.value) << c.text;
    EXPECT_EQ(LongText(-42), "-42");
    EXPECT_EQ(LongText(0), "0");
}

TEST_F(NumberText, OutOfRangeRaisesOverflow) {
    for (const char* t : {"2147483648", "-2147483649", "1e40"}) {
        try {
            if (std::string(t) == "1e40") ParseSingle(t); else ParseLong(t);
            ADD_FAILURE() << t << " did not raise";
        } catch (const RaisedError& e) {
            EXPECT_EQ(e.Number(), ErrNo::Overflow) << t;
        }
    }
    EXPECT_FLOAT_EQ(ParseSingle("3.4e38"), 3.4e38f);
    // Too small for a double is no overflow: it reads as 0.
    EXPECT_EQ(ParseSingle(Tiny(400)), 0.0f);
    EXPECT_EQ(ParseSingle(WithZeros("-0.", 400, "1")), 0.0f);
}

} // namespace
