#include "core/MessageService.h"
#include "math/Cls6.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// An infix text and either its postfix text or the message it is refused with
// ("字符 " + position + ":  " + fault) and the result returned.
struct CompileCase {
    const char* infix;
    const char* postfix;  // nullptr when refused
    const char* message;  // nullptr when compiled
    int result;
};

const CompileCase kCompileCases[] = {
    // Operators, ranks and associativity.
    {"1+2*3", "1 2 3 * + ", nullptr, 0},
    {"1*2+3", "1 2 * 3 + ", nullptr, 0},
    {"1-2-3", "1 2 - 3 - ", nullptr, 0},
    {"8/4/2", "8 4 / 2 / ", nullptr, 0},
    {"2^3^2", "2 3 ^ 2 ^ ", nullptr, 0},
    {"2*(x-1)/y", "2 XX 1 - * YY / ", nullptr, 0},
    {"3*x+1", "3 XX * 1 + ", nullptr, 0},
    {"-x^2", "XX 2 ^ (-) ", nullptr, 0},
    {"-x*y", "XX (-) YY * ", nullptr, 0},
    {"-sin(x)", "XX SIN (-) ", nullptr, 0},
    {"sin x^2", "XX SIN 2 ^ ", nullptr, 0},
    {"sin x*2", "XX SIN 2 * ", nullptr, 0},
    {"sin cos(x)", "XX COS SIN ", nullptr, 0},
    {"asech(x)+1", "XX ASECH 1 + ", nullptr, 0},
    {"asin(x)+1", "XX ASIN 1 + ", nullptr, 0},
    {"u+v+x+y+a+r+b+t+n", "UU VV + XX + YY + AA + RR + BB + TT + NN + ", nullptr, 0},
    // Signs.
    {"2*-3", "2 3 (-) * ", nullptr, 0},
    {"2/-3", "2 3 (-) / ", nullptr, 0},
    {"2^-3", "2 3 (-) ^ ", nullptr, 0},
    {"-x", "XX (-) ", nullptr, 0},
    {"+x", "XX ", nullptr, 0},
    {"(-3)", "3 (-) ", nullptr, 0},
    {"sin -2", "2 (-) SIN ", nullptr, 0},
    {"2+-3", nullptr, "字符 2:  缺少运算符。", 2},
    {"--3", nullptr, "字符 1:  缺少运算符。", 1},
    {"-+3", nullptr, "字符 1:  缺少运算符。", 1},
    {"2 - -3", nullptr, "字符 3:  缺少运算符。", 3},
    // Implied multiplication, with the rank of "*".
    {"2(x+1)", "2 XX 1 + * ", nullptr, 0},
    {"(x)(y)", "XX YY * ", nullptr, 0},
    {"2x", "2 XX * ", nullptr, 0},
    {"x y", "XX YY * ", nullptr, 0},
    {"2pi", "2 3.1415926 * ", nullptr, 0},
    {"2sin(x)", "2 XX SIN * ", nullptr, 0},
    {"1/2x", "1 2 / XX * ", nullptr, 0},
    {"2^3x", "2 3 ^ XX * ", nullptr, 0},
    {"x2", nullptr, "字符 0:  Operator expected", 1},
    {"(x)2", nullptr, "字符 3:  Operator expected", 3},
    {"2 3", nullptr, "字符 0:  Operator expected", 1},
    // Functions, names, constants.
    {"sin x", "XX SIN ", nullptr, 0},
    {"Sin(X)", "XX SIN ", nullptr, 0},
    {"sin 2", nullptr, "字符 4:  缺少括号。", 4},
    {"sin", nullptr, "字符 3:  缺少运算符。", 3},
    {"sin(", nullptr, "字符 4:  缺少运算符。", 4},
    {"sinx", nullptr, "字符 0:  未定义的字符 : 'sinx'", 1},
    {"z+1", nullptr, "字符 0:  未定义的字符 : 'z'", 1},
    {"1+Zeta", nullptr, "字符 2:  未定义的字符 : 'Zeta'", 2},
    {"x_1", nullptr, "字符 0:  未定义的字符 : 'x_'", 1},
    {"abc", nullptr, "字符 0:  未定义的字符 : 'abc'", 1},
    {"PI", "3.1415926 ", nullptr, 0},
    {"Pi", "3.1415926 ", nullptr, 0},
    {"pi", "3.1415926 ", nullptr, 0},
    {"x#2", nullptr, "字符 0:  字符未定义： ", 1},
    {"1+x#", nullptr, "字符 2:  字符未定义： ", 2},
    {"x+中", nullptr, "字符 2:  字符未定义： ", 2},
    // Numbers.
    {"1,5", "1,5 ", nullptr, 0},
    {".5", ".5 ", nullptr, 0},
    {"5.", "5. ", nullptr, 0},
    {"12.25*x", "12.25 XX * ", nullptr, 0},
    {"1.5.2", nullptr, "字符 1:  有多个小数点。", 1},
    {"1,5.2", nullptr, "字符 1:  有多个小数点。", 1},
    {"x+1.5.2", nullptr, "字符 2:  有多个小数点。", 2},
    {".", nullptr, "字符 0:  计算元素非法。", 1},
    {"x+,", nullptr, "字符 2:  计算元素非法。", 2},
    // Parentheses and misplaced operators.
    {"((x))", "XX ", nullptr, 0},
    {"(x", nullptr, "字符 2:  缺少闭括号。", 2},
    {"x)", nullptr, "字符 0:  括号不匹配。", 1},
    {"(x))", nullptr, "字符 3:  括号不匹配。", 3},
    {"()", nullptr, "字符 1:  缺少运算符。", 1},
    {"*x", nullptr, "字符 1:  缺少运算符。", 1},
    {"x*", nullptr, "字符 2:  缺少运算符。", 2},
    {"x+", nullptr, "字符 2:  缺少运算符。", 2},
    {"x^*2", nullptr, "字符 2:  缺少运算符。", 2},
    // Ignored characters, empty texts.
    {"x\t+\r\n1", "XX 1 + ", nullptr, 0},
    {"", "", nullptr, 0},
    {"   ", "", nullptr, 0},
};

TEST(Cls6Compiler, InfixToPostfixTable) {
    for (const CompileCase& c : kCompileCases) {
        RecordingMessageBox box;
        Cls6 engine;
        std::string buffer;
        const int result = engine.InfixToPostfix(c.infix, buffer);
        EXPECT_EQ(result, c.result) << c.infix;
        if (c.postfix != nullptr) {
            EXPECT_EQ(buffer, c.postfix) << c.infix;
            EXPECT_EQ(box.Count(), 0u) << c.infix;
        } else {
            EXPECT_NE(result, 0) << c.infix;
            ASSERT_EQ(box.Count(), 1u) << c.infix;
            EXPECT_EQ(box.Last().text, c.message) << c.infix;
            EXPECT_EQ(box.Last().title, "语法错误");
            EXPECT_EQ(box.Last().icon, MsgIcon::Critical);
        }
    }
}

TEST(Cls6Compiler, EveryFunctionHasTheHighestRankInBothCases) {
    const char* names[] = {"sin",   "cos",   "log",   "exp",   "abs",    "atan",  "int",  "rnd",
                           "sqr",   "tan",   "sec",   "csec",  "ctan",   "asin",  "acos", "asec",
                           "acsec", "actan", "sinh",  "cosh",  "tanh",   "ctanh", "sech", "csech",
                           "asinh", "acosh", "atanh", "asech", "acsech", "actanh"};
    for (std::string name : names) {
        std::string upper = name;
        for (char& ch : upper) ch = static_cast<char>(ch - 'a' + 'A');
        for (const std::string& written : {name, upper}) {
            RecordingMessageBox box;
            Cls6 engine;
            std::string buffer;
            ASSERT_EQ(engine.InfixToPostfix(written + "(x)^2", buffer), 0) << written;
            EXPECT_EQ(buffer, "XX " + upper + " 2 ^ ") << written;
            EXPECT_EQ(box.Count(), 0u);
        }
    }
}

TEST(Cls6Compiler, AppendsToTheCallersBuffer) {
    Cls6 engine;
    std::string buffer = "1 ";
    ASSERT_EQ(engine.InfixToPostfix("x", buffer), 0);
    EXPECT_EQ(buffer, "1 XX ");
}

} // namespace
