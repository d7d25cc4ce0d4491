#include "core/MessageService.h"
#include "math/InfixToPolish.h"
#include "PolishTestSupport.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

namespace {

TEST(InfixToPolish, ParsesIntoRankedPostfixLists) {
    const struct { const char* text; const char* tokens; const char* ranks; } cases[] = {
        {"2*X^2+1", "2 x 2 ^ * 1 +", "5553251"},
        {"SIN(X)^2", "x sin 2 ^", "5453"},
        {"-X^2", "0 x 2 ^ -", "55532"},
        {"X+-Y", "x 0 y - +", "55521"},
        {"2^3^2", "2 3 ^ 2 ^", "55353"},
        {"sin(x)", "x sin", "54"},
        {"SIN(X)", "x sin", "54"},
        {"SECH(X)", "x sech", "54"},
        {"(x+1)*(x-1)/y", "x 1 + x 1 - * y /", "551551252"},
        {"a-r-u*x", "a r - u x * -", "5515521"},
        {"actanh(cos(exp(x)))", "x exp cos actanh", "5444"},
        {"x", "x", "5"},
        // Numbers are written back in their shortest form.
        {"2.50*x", "2.5 x *", "552"},
        {".5", "0.5", "5"},
        {"1,5", "1", "5"},
        {"1 2", "12", "5"},
        {",5", ",5", "5"},
        {"2X", "2", "5"},
        {"0.00001", "0.00001", "5"},
        // A minus sign after "*", "/", "^" or a function negates what follows
        // together with its powers, as the compiler groups it.
        {"x^-0.5", "x -0.5 ^", "553"},
        {"x^-2*3", "x -2 ^ 3 *", "55352"},
        {"(x^-2)^3", "x -2 ^ 3 ^", "55353"},
        {"x^-2^2", "x 2 2 ^ min ^", "555343"},
        {"2*-x^2", "2 x 2 ^ min *", "555342"},
        {"2*-x*3", "2 x min * 3 *", "554252"},
        {"2/-sin(x)", "2 x sin min /", "55442"},
        {"sin-x^2", "x 2 ^ min sin", "55344"},
        {"sin-x*2", "x min sin 2 *", "54452"},
        {"2^-x", "2 x min ^", "5543"},
        {"x^-(1+x)", "x 1 x + min ^", "555143"},
        {"1*-(1)*sin(x)", "1 1 min * x sin *", "5542542"},
        // A plus sign where an operand is expected is skipped.
        {"+x", "x", "5"},
        {"sin(+x)", "x sin", "54"},
        {"SIN+X", "x sin", "54"},
        {"x*+2", "x 2 *", "552"},
    };
    for (const auto& c : cases) {
        std::string message = "keep";
        bool ok = false;
        RecordingMessageBox box;
        auto list = InfixToPolish(c.text, message, ok);
        ASSERT_TRUE(list) << c.text;
        EXPECT_TRUE(ok) << c.text;
        EXPECT_EQ(Tokens(*list), c.tokens) << c.text;
        EXPECT_EQ(Ranks(*list), c.ranks) << c.text;
        EXPECT_EQ(message, "keep") << c.text;
        EXPECT_EQ(box.Count(), 0u) << c.text;
    }
}

TEST(InfixToPolish, RefusesFaultyTextsWithoutAMessageBox) {
    const struct { const char* text; const char* message; } cases[] = {
        {"", "表达式非法。"},
        {"X+", "表达式非法。"},
        {"2*-", "表达式非法。"},
        {"sin", "表达式非法。"},
        {"*X", "Lack of parameter at 1"},
        {"x+*2", "Lack of parameter at 3"},
        {"()", "Lack of parameter at 2"},
        {"x++1", "Lack of parameter at 3"},
        {"x-+1", "Lack of parameter at 3"},
        {"+-x", "Lack of parameter at 2"},
        {"X(1)", "非法字符  2"},
        {"(x)y", "非法字符  4"},
        {"(X", "括号不匹配。"},
        {"x)", "括号不匹配。"},
        {"x)+(x", "括号不匹配。"},
        {"X--1", "存在两个 -- exist."},
        {"--x", "存在两个 -- exist."},
    };
    for (const auto& c : cases) {
        std::string message;
        bool ok = true;
        RecordingMessageBox box;
        auto list = InfixToPolish(c.text, message, ok);
        EXPECT_FALSE(list) << c.text;
        EXPECT_FALSE(ok) << c.text;
        EXPECT_EQ(message, c.message) << c.text;
        EXPECT_EQ(box.Count(), 0u) << c.text;
    }
}

TEST(InfixToPolish, NamesItCannotDifferentiateAreReportedInAMessageBox) {
    const struct { const char* text; const char* name; } cases[] = {
        {"PI*X", "PI"},     {"T^2", "T"},       {"abs(x)", "ABS"},   {"int(x)", "INT"},
        {"rnd(x)", "RND"},  {"asec(x)", "ASEC"}, {"acsec(x)", "ACSEC"}, {"x+v", "V"},
        {"b*n", "B"},       {"SIN (X)", "SIN "}, {"sinx", "SINX"},   {"x^2+z", "Z"},
    };
    for (const auto& c : cases) {
        std::string message = "keep";
        bool ok = true;
        RecordingMessageBox box;
        auto list = InfixToPolish(c.text, message, ok);
        EXPECT_FALSE(list) << c.text;
        EXPECT_FALSE(ok) << c.text;
        EXPECT_EQ(message, "keep") << c.text;
        ASSERT_EQ(box.Count(), 1u) << c.text;
        EXPECT_EQ(box.Last().text, std::string("不能计算") + c.name + "的导数。");
        EXPECT_EQ(box.Last().title, "出错");
        EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
    }
}

} // namespace
