#include "core/RegionalNumbers.h"

#include "tests/support/ProgramState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// The regional text of a value with the separators of a few desktops; the
// digits, the rounding and the sign are GroupedFixedText's.
TEST(RegionalNumbers, FixedTextWithTheRegionalSeparators) {
    ProgramStateGuard guard;
    struct Case {
        const char* decimal;
        const char* group;
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {".", ",", 1250, 1, "1,250.0"},        {".", ",", -0.5, 1, "-0.5"},
        {",", ".", 1250, 1, "1.250,0"},        {",", ".", -1234567.94, 1, "-1.234.567,9"},
        {",", ".", -0.04, 1, "0,0"},           {",", ".", 999.96, 1, "1.000,0"},
        {".", "'", 1250, 2, "1'250.00"},       {",", " ", 12345.5, 1, "12 345,5"},
        {".", "", 1250, 1, "1250.0"},          {",", ".", 7, 0, "7"},
        {",", ".", std::nan(""), 1, "NaN"},    {",", ".", -INFINITY, 1, "-Inf"},
    };
    for (const Case& c : cases) {
        SetRegionalSeparators({c.decimal, c.group});
        EXPECT_EQ(RegionalFixedText(c.value, c.decimals), c.text) << c.decimal << c.group << " " << c.value;
    }
}

TEST(RegionalNumbers, TheDefaultIsPointAndCommaAgainAfterEachTest) {
    {
        ProgramStateGuard guard;
        EXPECT_EQ(CurrentRegionalSeparators().decimal, ".");
        EXPECT_EQ(CurrentRegionalSeparators().group, ",");
        EXPECT_EQ(RegionalFixedText(1250, 1), "1,250.0");
        SetRegionalSeparators({",", "."});
    }
    EXPECT_EQ(RegionalFixedText(1250, 1), "1,250.0");
}

} // namespace
