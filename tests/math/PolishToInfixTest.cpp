#include "core/Errors.h"
#include "math/PolishToInfix.h"
#include "PolishTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(PolishToInfix, PrintsWithTheBracketsTheRanksRequire) {
    const struct { const char* list; const char* text; } cases[] = {
        {"1 2 * x 1 ^ *", "1*2*x^1"},
        {"1 min x sin *", "-(1)*sin(x)"},
        {"1 y * x 1 * + y 0 ^ /", "(1*y+x*1)/y^0"},
        {"1 x 1 + * x 1 0 + * - x 1 + 2 ^ /", "(1*(x+1)-x*(1+0))/(x+1)^2"},
        {"1 2 Log * 0 x * 2 / + 2 x ^ *", "(1*Log(2)+0*x/2)*2^x"},
        {"1 1 2 / x sqr / *", "1*(1/2/sqr(x))"},
        {"1 -1 x 2 ^ + 0.5 ^ /", "1/(-1+x^2)^0.5"},
        {"1 x cos * 1 min x sin * +", "1*cos(x)+-(1)*sin(x)"},
        {"1 x cos * 1 min x sin * -", "1*cos(x)--(1)*sin(x)"},
        {"0", "0"},
        {"x", "x"},
        {"1 0.5 * x -0.5 ^ *", "1*0.5*x^-0.5"},
        {"x cos sin", "sin(cos(x))"},
        {"x min min", "-(-(x))"},
        {"a b c - -", "a-(b-c)"},
        {"a b - c -", "a-b-c"},
        {"a b c * /", "a/(b*c)"},
        {"a b c ^ ^", "a^(b^c)"},
        {"a b ^ c ^", "a^b^c"},
        // The "-" of a leading minus sign reads as a difference in the text.
        {"x 0 y -:2 -", "x-(0-y)"},
        {"0 x -:2 y *", "(0-x)*y"},
        {"x 0 y -:2 +", "x+(0-y)"},
        {"2 0 x -:2 ^", "2^(0-x)"},
        // A minus at the head of a base, or a negative exponent under a further
        // power, is bracketed: the compiler's unary minus takes in a "^" after it.
        {"x -2 ^ 3 ^", "(x^-2)^3"},
        {"x y min ^ 2 ^", "(x^-(y))^2"},
        {"x min 2 ^", "(-(x))^2"},
        {"-2 x ^", "(-2)^x"},
        {"x -2 ^ 3 *", "x^-2*3"},
        {"3 x -2 ^ *", "3*x^-2"},
    };
    for (const auto& c : cases) EXPECT_EQ(PolishToInfix(MakeList(c.list)), c.text) << c.list;
}

TEST(PolishToInfix, EmptyListPrintsZeroAndMalformedListRaisesError9) {
    EXPECT_EQ(PolishToInfix(clsPolish()), "0");
    for (const char* bad : {"x +", "sin", "*"}) {
        try {
            (void)PolishToInfix(MakeList(bad));
            ADD_FAILURE() << bad;
        } catch (const RaisedError& e) {
            EXPECT_EQ(e.Number(), 9) << bad;
        }
    }
}

} // namespace
