#include "core/Errors.h"
#include "core/MessageService.h"
#include "math/Der.h"
#include "math/InfixToPolish.h"
#include "PolishTestSupport.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

namespace {

clsPolish Parse(const std::string& text) {
    std::string message;
    bool ok = false;
    auto list = InfixToPolish(text, message, ok);
    EXPECT_TRUE(list && ok) << text << ": " << message;
    return list ? *list : clsPolish();
}

TEST(Der, DeriveAppliesOneRulePerOperatorAndFunction) {
    const struct { const char* text; const char* derivative; } cases[] = {
        {"X^2", "1 2 * x 1 ^ *"},
        {"SIN(X)", "1 x cos *"},
        {"COS(X)", "1 min x sin *"},
        {"X*Y", "1 y * x 1 * + y 0 ^ /"},
        {"2^X", "1 2 Log * 0 x * 2 / + 2 x ^ *"},
        {"X^X", "1 x Log * 1 x * x / + x x ^ *"},
        {"X^0.5", "1 0.5 * x -0.5 ^ *"},
        {"-X^2", "0 1 2 * x 1 ^ * -"},
        {"3", "0"},
        {"X", "1"},
        {"A", "1"},
        {"X^0", "0"},
        {"x/y", "1 y * x 1 * - y 2 ^ /"},
        {"x+3", "1 0 +"},
        {"x-3", "1 0 -"},
        {"sqr(x)", "1 1 2 / x sqr / *"},
        {"exp(x)", "1 x exp *"},
        {"log(x)", "1 x /"},
        {"tan(x)", "1 x sec 2 ^ *"},
        {"ctan(x)", "1 min x csec 2 ^ *"},
        {"sec(x)", "1 x tan * x sec *"},
        {"csec(x)", "1 min x ctan * x csec *"},
        {"asin(x)", "1 1 x 2 ^ - 0.5 ^ /"},
        {"acos(x)", "1 min 1 x 2 ^ - 0.5 ^ /"},
        {"atan(x)", "1 1 x 2 ^ + /"},
        // The evaluator's ACTAN grows with x: its derivative is that of ATAN.
        {"actan(x)", "1 1 x 2 ^ + /"},
        {"sinh(x)", "1 x cosh *"},
        {"cosh(x)", "1 x sinh *"},
        {"tanh(x)", "1 x cosh 2 ^ /"},
        {"ctanh(x)", "1 min x sinh 2 ^ /"},
        {"asinh(x)", "1 1 x 2 ^ + 0.5 ^ /"},
        {"acosh(x)", "1 -1 x 2 ^ + 0.5 ^ /"},
        {"atanh(x)", "1 1 x 2 ^ - /"},
        {"actanh(x)", "1 1 x 2 ^ - /"},
        {"sin(x^2)", "1 2 * x 1 ^ * x 2 ^ cos *"},
        // Negative exponents take the power rule like positive ones.
        {"x^-2", "1 -2 * x -3 ^ *"},
        {"x^-0.5", "1 -0.5 * x -1.5 ^ *"},
        {"2*-x", "0 x min * 2 1 min * + x min 0 ^ /"},
        {"x^0.1", "1 0.1 * x -0.9 ^ *"},
        // An exponent or a denominator without the variable is a constant,
        // whatever its form: c·u^(c−1)·u′ and u′/v.
        {"x^(-2)", "1 0 2 - * x 0 2 - 1 - ^ *"},
        {"x^-(1)", "1 1 min * x 1 min 1 - ^ *"},
        {"(x-3)^(1+1)", "1 0 - 1 1 + * x 3 - 1 1 + 1 - ^ *"},
        {"x^(2*1)", "1 2 1 * * x 2 1 * 1 - ^ *"},
        {"x^sin(2)", "1 2 sin * x 2 sin 1 - ^ *"},
        {"x/0.03", "1 0.03 /"},
        {"sin(x)/(2+3)", "1 x cos * 2 3 + /"},
        {"x^(y-1)", "1 0 - x Log * 1 y 1 - * x / + x y 1 - ^ *"},
        {"x/(y+1)", "1 y 1 + * x 1 0 + * - y 1 + 2 ^ /"},
        // r and u count as the variable too.
        {"R", "1"},
        {"U", "1"},
        {"r^3", "1 3 * r 2 ^ *"},
        {"sin(r)", "1 r cos *"},
    };
    for (const auto& c : cases) {
        RecordingMessageBox box;
        auto d = Derive(Parse(c.text));
        ASSERT_TRUE(d) << c.text;
        EXPECT_EQ(Tokens(*d), c.derivative) << c.text;
        EXPECT_EQ(box.Count(), 0u) << c.text;
    }
}

TEST(Der, AddedTokensCarryTheirFixedRanks) {
    auto d = Derive(Parse("-X^2"));
    ASSERT_TRUE(d);
    EXPECT_EQ(Ranks(*d), "555255321");
    auto p = Derive(Parse("2^X"));
    ASSERT_TRUE(p);
    EXPECT_EQ(Ranks(*p), "55425525215532");
    EXPECT_EQ(Tokens(*Derive(clsPolish())), "0");
}

TEST(Der, PartialDeriveTreatsTheOtherVariableAsAConstant) {
    const struct { const char* text; const char* by; const char* derivative; } cases[] = {
        {"X*Y", "x", "1 y * x 0 * + y 0 ^ /"},
        {"X*Y", "y", "0 y * x 1 * + y 0 ^ /"},
        {"A*X", "x", "1 x * a 1 * + x 0 ^ /"},
        {"sin(x)+y^2", "x", "1 x cos * 0 2 * y 1 ^ * +"},
        {"sin(x)+y^2", "y", "0 x cos * 1 2 * y 1 ^ * +"},
        {"u*r", "y", "1 r * u 1 * + r 0 ^ /"},
        // The other variable is a constant in an exponent or a denominator too.
        {"x^y", "x", "1 y * x y 1 - ^ *"},
        {"x^y", "y", "1 x Log * 0 y * x / + x y ^ *"},
        {"x/y", "x", "1 y /"},
        {"x/(y^2)", "x", "1 y 2 ^ /"},
        {"x/(a+y)", "x", "1 a y + * x 1 0 + * - a y + 2 ^ /"},
    };
    for (const auto& c : cases) {
        RecordingMessageBox box;
        auto d = PartialDerive(Parse(c.text), c.by);
        ASSERT_TRUE(d) << c.text << " by " << c.by;
        EXPECT_EQ(Tokens(*d), c.derivative) << c.text << " by " << c.by;
        EXPECT_EQ(box.Count(), 0u);
    }
}

TEST(Der, FunctionsWithoutARuleAreRefusedWithTheirMessage) {
    for (const char* name : {"sech", "csech", "asech", "acsech"}) {
        const clsPolish list = Parse(std::string(name) + "(x)");
        {
            RecordingMessageBox box;
            EXPECT_FALSE(Derive(list)) << name;
            ASSERT_EQ(box.Count(), 1u);
            EXPECT_EQ(box.Last().text, std::string("不能计算") + name + "的导数。");
            EXPECT_EQ(box.Last().title, "出错");
            EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
        }
        {
            RecordingMessageBox box;
            EXPECT_FALSE(PartialDerive(list, "x")) << name;
            ASSERT_EQ(box.Count(), 1u);
            EXPECT_EQ(box.Last().text, "表达式非法。");
            EXPECT_EQ(box.Last().title, "出错");
        }
    }
    // A refusal deep inside makes the whole derivative a refusal; each refused
    // token shows its own message.
    RecordingMessageBox box;
    EXPECT_FALSE(Derive(Parse("1+x*sin(sech(x))")));
    EXPECT_EQ(box.Count(), 1u);
    box.Clear();
    EXPECT_FALSE(Derive(Parse("sech(x)*csech(x)")));
    ASSERT_EQ(box.Count(), 2u);
    EXPECT_EQ(box.requests[0].text, "不能计算sech的导数。");
    EXPECT_EQ(box.requests[1].text, "不能计算csech的导数。");
    // By "x", a name other than the variables is no constant.
    box.Clear();
    EXPECT_FALSE(PartialDerive(MakeList("t 2 ^"), "x"));
    EXPECT_EQ(box.Count(), 1u);
}

TEST(Der, OperandHelpersCutAndGlueLists) {
    const clsPolish l = MakeList("x 2 ^ x sin *");
    EXPECT_EQ(Tokens(GetOperand(l, 5, 1)), "x sin");
    EXPECT_EQ(Tokens(GetOperand(l, 5, 2)), "x 2 ^");
    EXPECT_EQ(Tokens(GetOperand(l, 2, 1)), "2");
    EXPECT_EQ(Tokens(GetOperand(l, 2, 2)), "x");
    EXPECT_EQ(Tokens(SubList(l, 3, 4)), "x sin");
    EXPECT_EQ(SubList(l, 4, 3).ElementCount(), 0);
    const clsPolish a = MakeList("x"), b = MakeList("1 +");
    const clsPolish j = JoinLists({a, b, a});
    EXPECT_EQ(Tokens(j), "x 1 + x");
    EXPECT_EQ(Ranks(j), "5515");
    try {
        (void)GetOperand(MakeList("x +"), 1, 2);
        ADD_FAILURE() << "no error";
    } catch (const RaisedError& e) {
        EXPECT_EQ(e.Number(), 9);
    }
    // An operand missing from a malformed list counts as an empty one.
    auto d = Derive(MakeList("x +"));
    ASSERT_TRUE(d);
    EXPECT_EQ(Tokens(*d), "0 1 +");
}

} // namespace
