#include "core/Errors.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "Cls6Reference.h"
#include "math/Cls6.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

enum class Expect { Value, Reported, Silent };

// An infix text evaluated with x and y (every other variable 0) in radians or
// degrees: its value, or a reported failure with its message, or a silent one.
struct EvalCase {
    const char* infix;
    bool degree;
    float x;
    Expect expect;
    double value;         // for Value
    const char* message;  // for Reported
};

constexpr Expect V = Expect::Value;
constexpr Expect R = Expect::Reported;
constexpr Expect S = Expect::Silent;
constexpr const char* kDiv = "除数为零。";
constexpr const char* kPow = "A^B, 如果A为负数，B必须为整数。";
constexpr const char* kLog = "LOG函数的参数必须大于0。";
constexpr const char* kSqr = "SQR函数的参数必须大于等于0。";
constexpr const char* kIll = "表达式非法。";

const EvalCase kEvalCases[] = {
    // Variables, numbers and operators.
    {"x", false, 2.5f, V, 2.5, nullptr},
    {"1,5", false, 0, V, 1, nullptr},
    {".5+5.", false, 0, V, 5.5, nullptr},
    {"pi", false, 0, V, 3.1415926, nullptr},
    {"2^3^2", false, 0, V, 64, nullptr},
    {"-x^2", false, 3, V, -9, nullptr},
    {"x^2", false, -3, V, 9, nullptr},
    {"(-2)^3", false, 0, V, -8, nullptr},
    {"x^0.0000005", false, 0, V, 1, nullptr},
    {"x^0.0000005", false, -3, V, 1, nullptr},
    {"2^-2", false, 0, V, 0.25, nullptr},
    {"7-2*3/4", false, 0, V, 5.5, nullptr},
    {"(-8)^(1/3)", false, 0, R, 0, kPow},
    {"1/0.0000005", false, 0, R, 0, kDiv},
    {"1/x", false, 0, R, 0, kDiv},
    // Every function, radians.
    {"sin(1)", false, 0, V, 0.841470985, nullptr},
    {"cos(1)", false, 0, V, 0.540302306, nullptr},
    {"tan(1)", false, 0, V, 1.557407725, nullptr},
    {"sec(1)", false, 0, V, 1.850815718, nullptr},
    {"csec(1)", false, 0, V, 1.188395106, nullptr},
    {"ctan(1)", false, 0, V, 0.642092616, nullptr},
    {"atan(1)", false, 0, V, 0.785398163, nullptr},
    {"log(2)", false, 0, V, 0.693147181, nullptr},
    {"exp(1)", false, 0, V, 2.718281828, nullptr},
    {"abs(-2)", false, 0, V, 2, nullptr},
    {"int(2.7)", false, 0, V, 2, nullptr},
    {"int(-2.5)", false, 0, V, -3, nullptr},
    {"sqr(4)", false, 0, V, 2, nullptr},
    {"asin(0.5)", false, 0, V, 0.523598776, nullptr},
    {"acos(0.5)", false, 0, V, 1.047197551, nullptr},
    {"asin(1)", false, 0, V, 1.5708, nullptr},
    {"asin(-1)", false, 0, V, -1.5708, nullptr},
    {"acos(-1)", false, 0, V, 3.1416, nullptr},
    {"acos(1)", false, 0, V, 0, nullptr},
    {"asin(0.99999999)", false, 0, V, 1.5708, nullptr},
    {"asin(-0.99999999)", false, 0, V, -1.5708, nullptr},
    {"acos(-0.99999999)", false, 0, V, 3.1416, nullptr},
    {"asec(2)", false, 0, V, 2.4278683, nullptr},
    {"asec(-2)", false, 0, V, -2.4278683, nullptr},
    {"acsec(2)", false, 0, V, 0.8570719, nullptr},
    {"acsec(-2)", false, 0, V, -3.9986646, nullptr},
    {"actan(1)", false, 0, V, 2.3561945, nullptr},
    {"sinh(1)", false, 0, V, 1.175201194, nullptr},
    {"cosh(1)", false, 0, V, 1.543080635, nullptr},
    {"tanh(1)", false, 0, V, 0.761594156, nullptr},
    {"ctanh(1)", false, 0, V, 1.313035285, nullptr},
    {"sech(1)", false, 0, V, 0.648054274, nullptr},
    {"csech(1)", false, 0, V, 0.850918128, nullptr},
    {"asinh(1)", false, 0, V, 0.881373587, nullptr},
    {"acosh(2)", false, 0, V, 1.316957897, nullptr},
    {"atanh(0.5)", false, 0, V, 0.549306144, nullptr},
    {"asech(0.5)", false, 0, V, 1.316957897, nullptr},
    {"acsech(1)", false, 0, V, 0.881373587, nullptr},
    {"acsech(-1)", false, 0, V, -0.881373587, nullptr},
    {"actanh(2)", false, 0, V, 0.549306144, nullptr},
    // Degrees: the argument of SIN, COS, TAN, SEC, CSEC and CTAN is converted
    // by 3.1416/180; the inverse functions, ATAN too, take and answer in radians.
    {"cos(90)", true, 0, V, -3.6732e-06, nullptr},
    {"sin(90)", true, 0, V, 1, nullptr},
    {"sin(30)", true, 0, V, 0.50000106, nullptr},
    {"tan(45)", true, 0, V, 1.0000037, nullptr},
    {"sec(60)", true, 0, V, 2.0000085, nullptr},
    {"csec(30)", true, 0, V, 1.9999958, nullptr},
    {"ctan(45)", true, 0, V, 0.9999963, nullptr},
    {"atan(1)", true, 0, V, 0.785398163, nullptr},
    {"atan(-1)", true, 0, V, -0.785398163, nullptr},
    {"atan(exp(709))", true, 0, V, 1.570796327, nullptr},
    {"asin(0.5)", true, 0, V, 0.523598776, nullptr},
    {"actan(1)", true, 0, V, 2.3561945, nullptr},
    {"sec(90)", true, 0, V, -272241.8, nullptr},
    // Reported failures.
    {"sqr(0)", false, 0, R, 0, kSqr},
    {"sqr(-1)", false, 0, R, 0, kSqr},
    {"log(0)", false, 0, R, 0, kLog},
    {"log(0.00001)", false, 0, R, 0, kLog},
    {"sec(pi/2)", false, 0, R, 0, kDiv},
    {"csec(0)", false, 0, R, 0, kDiv},
    {"csec(180)", true, 0, V, -136120.9, nullptr},
    {"ctan(0)", false, 0, R, 0, kDiv},
    {"ctan(0)", true, 0, R, 0, kDiv},
    {"asin(1.001)", false, 0, R, 0, kIll},
    {"acos(-1.001)", false, 0, R, 0, kIll},
    {"asec(1)", false, 0, R, 0, kIll},
    {"asec(0.5)", false, 0, R, 0, kIll},
    {"acsec(-1)", false, 0, R, 0, kIll},
    // The silent failures of CTANH, CSECH and the inverse hyperbolic functions.
    {"ctanh(0)", false, 0, S, 0, nullptr},
    {"csech(0)", false, 0, S, 0, nullptr},
    {"asinh(-60000)", false, 0, S, 0, nullptr},
    {"acosh(0.5)", false, 0, S, 0, nullptr},
    {"acosh(-1)", false, 0, S, 0, nullptr},
    {"atanh(1)", false, 0, S, 0, nullptr},
    {"atanh(-1)", false, 0, S, 0, nullptr},
    {"asech(0)", false, 0, S, 0, nullptr},
    {"asech(2)", false, 0, S, 0, nullptr},
    {"asech(-0.5)", false, 0, S, 0, nullptr},
    {"acsech(0)", false, 0, S, 0, nullptr},
    {"actanh(1)", false, 0, S, 0, nullptr},
    {"actanh(0.5)", false, 0, S, 0, nullptr},
    // A failure ends the evaluation: nothing after it is read.
    {"1/0.0000001+sqr(-1)", false, 0, R, 0, kDiv},
    {"atanh(1)+1/0.0000001", false, 0, S, 0, nullptr},
    // CTANH and CSECH at their threshold: |e^x - e^-x| is 9.8e-8 (silent) for
    // |x| = 4.9e-8 and 1.02e-7 (a value) for |x| = 5.1e-8, in both signs.
    {"ctanh(x)", false, 4.9e-8f, S, 0, nullptr},
    {"ctanh(x)", false, -4.9e-8f, S, 0, nullptr},
    {"csech(x)", false, 4.9e-8f, S, 0, nullptr},
    {"csech(x)", false, -4.9e-8f, S, 0, nullptr},
    {"ctanh(x)", false, 5.1e-8f, V, 19607842.88, nullptr},
    {"ctanh(x)", false, -5.1e-8f, V, -19607842.88, nullptr},
    {"csech(x)", false, 5.1e-8f, V, 19607842.88, nullptr},
    {"csech(x)", false, -5.1e-8f, V, -19607842.88, nullptr},
};

class Cls6Evaluator : public ProgramStateTest {
protected:
    static std::string Compile(const std::string& infix) {
        Cls6 engine;
        std::string postfix;
        EXPECT_EQ(engine.InfixToPostfix(infix, postfix), 0) << infix;
        return postfix;
    }
};

TEST_F(Cls6Evaluator, FunctionsGuardsAndFailuresInBothMessageStates) {
    for (bool show : {false, true}) {
        ShowMathErrors = show;
        for (const EvalCase& c : kEvalCases) {
            RecordingMessageBox box;
            Cls6 engine;
            const std::string postfix = Compile(c.infix);
            float result = 99.0f;
            const bool ok = engine.DoEvaluate(postfix, c.degree, result, 0, 0, c.x, 0, 0, 0, 0, 0, 0);
            const std::string what = std::string(c.infix) + (c.degree ? " (degrees)" : "") +
                                     (show ? " showing errors" : "");
            EXPECT_EQ(engine.LastEvaluationSilent(), c.expect == Expect::Silent) << what;
            switch (c.expect) {
            case Expect::Value:
                EXPECT_TRUE(ok) << what;
                EXPECT_NEAR(result, c.value, 2e-6 * std::max(1.0, std::fabs(c.value))) << what;
                EXPECT_EQ(box.Count(), 0u) << what;
                break;
            case Expect::Silent:
                EXPECT_TRUE(ok) << what;
                EXPECT_EQ(result, UndefinedValue) << what;
                EXPECT_EQ(box.Count(), 0u) << what;
                break;
            case Expect::Reported:
                if (show) {
                    EXPECT_FALSE(ok) << what;
                    EXPECT_EQ(result, 99.0f) << what;
                    ASSERT_EQ(box.Count(), 1u) << what;
                    EXPECT_EQ(box.Last().text, c.message) << what;
                    EXPECT_EQ(box.Last().title, "出错") << what;
                    EXPECT_EQ(box.Last().icon, MsgIcon::Critical) << what;
                } else {
                    EXPECT_TRUE(ok) << what;
                    EXPECT_EQ(result, UndefinedValue) << what;
                    EXPECT_EQ(box.Count(), 0u) << what;
                }
                break;
            }
        }
    }
}

TEST_F(Cls6Evaluator, DegreeResultsAsTheyAreShown) {
    const struct { const char* infix; const char* shown; } cases[] = {
        {"cos(90)", "-3.673205E-06"}, {"sin(90)", "1"}, {"asin(0.5)", "0.5235988"},
    };
    for (const auto& c : cases) {
        Cls6 engine;
        float result = 0;
        ASSERT_TRUE(engine.DoEvaluate(Compile(c.infix), true, result, 0, 0, 0, 0, 0, 0, 0, 0, 0));
        EXPECT_EQ(SingleText(result), c.shown) << c.infix;
    }
}

TEST_F(Cls6Evaluator, PostfixTextsWrittenByHand) {
    // Every variable bound to its own parameter; text after the last blank is
    // ignored; the top value is the result; an empty text gives False.
    const struct { const char* postfix; bool ok; float value; } cases[] = {
        {"UU ", true, 1}, {"VV ", true, 2}, {"XX ", true, 3}, {"YY ", true, 4}, {"AA ", true, 5},
        {"RR ", true, 6}, {"BB ", true, 7}, {"TT ", true, 8}, {"NN ", true, -9},
        {"XX 2", true, 3}, {"XX 2 +", true, 2}, {"1 2 ", true, 2}, {"1e3 ", true, 1000},
        {"", false, 0}, {"XX", false, 0},
    };
    for (bool show : {false, true}) {
        ShowMathErrors = show;
        for (const auto& c : cases) {
            RecordingMessageBox box;
            Cls6 engine;
            float result = 42.0f;
            EXPECT_EQ(engine.DoEvaluate(c.postfix, false, result, 1, 2, 3, 4, 5, 6, 7, 8, -9), c.ok)
                << c.postfix;
            EXPECT_EQ(result, c.ok ? c.value : 42.0f) << '"' << c.postfix << '"';
            EXPECT_EQ(box.Count(), 0u);
        }
    }
}

TEST_F(Cls6Evaluator, RaisedErrorsAreReachedInTokenOrder) {
    // An unknown token raises 0x800403EA when evaluation reaches it, not before a
    // failure that ends the evaluation; a missing operand raises the empty-stack
    // error of the value stack.
    const struct { const char* postfix; std::int64_t number; const char* text; } raised[] = {
        {"FOO ", ErrNo::IllegalSymbol, "符号非法: FOO"},
        {"XX 1 + xx * ", ErrNo::IllegalSymbol, "符号非法: xx"},
        {"XX  ", ErrNo::IllegalSymbol, "符号非法: "},
        {"   ", ErrNo::IllegalSymbol, "符号非法: "},
        {"-5 ", ErrNo::IllegalSymbol, "符号非法: -5"},
        {"XX SQR FOO ", ErrNo::IllegalSymbol, "符号非法: FOO"},
        {"+ ", ErrNo::PopOnEmptyStack, "在空栈上调用Pop方法。"},
        {"XX * ", ErrNo::PopOnEmptyStack, "在空栈上调用Pop方法。"},
        {"2 ^ ", ErrNo::PopOnEmptyStack, "在空栈上调用Pop方法。"},
        {"SIN ", ErrNo::PopOnEmptyStack, "在空栈上调用Pop方法。"},
    };
    for (bool show : {false, true}) {
        ShowMathErrors = show;
        for (const auto& c : raised) {
            RecordingMessageBox box;
            Cls6 engine;
            float result = 42.0f;
            try {
                engine.DoEvaluate(c.postfix, false, result, 0, 0, 1, 0, 0, 0, 0, 0, 0);
                ADD_FAILURE() << "no error raised for " << c.postfix;
            } catch (const RaisedError& e) {
                EXPECT_EQ(e.Number(), c.number) << c.postfix;
                EXPECT_EQ(e.Text(), c.text) << c.postfix;
            }
            EXPECT_EQ(result, 42.0f);
            EXPECT_EQ(box.Count(), 0u);
        }
    }
    // A failure before the unknown token ends the evaluation first.
    ShowMathErrors = false;
    RecordingMessageBox box;
    Cls6 engine;
    float result = 42.0f;
    EXPECT_TRUE(engine.DoEvaluate("1 0 / FOO ", false, result, 0, 0, 0, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(result, UndefinedValue);
    ShowMathErrors = true;
    EXPECT_FALSE(engine.DoEvaluate("1 0 / FOO ", false, result, 0, 0, 0, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(box.Count(), 1u);
    EXPECT_TRUE(engine.DoEvaluate("XX ATANH FOO ", false, result, 0, 0, 1, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(result, UndefinedValue);
}

TEST_F(Cls6Evaluator, UncaughtOverflowsRaiseMathFaults) {
    const struct {
        const char* infix;
        MathFault::Kind kind;
        bool degree = false;
    } faults[] = {
        {"exp(100)", MathFault::Kind::Overflow},       // at the conversion to a 32-bit float
        {"exp(1000)", MathFault::Kind::Overflow},      // in the 64-bit computation
        {"exp(1000)*0", MathFault::Kind::Overflow},    // even where a later step would hide it
        {"0^(-1)", MathFault::Kind::DivisionByZero},
        {"10^200^2", MathFault::Kind::Overflow},
        {"10^400", MathFault::Kind::Overflow},
        {"sinh(800)", MathFault::Kind::Overflow},
        {"tanh(-800)", MathFault::Kind::Overflow},
        {"-sqr(-exp(1000))", MathFault::Kind::Overflow}, // before the guard of SQR
        {"exp(300)*exp(300)*exp(300)", MathFault::Kind::Overflow},
        // In degrees the conversion x·3.1416 overflows before the function.
        {"sin(exp(709))^0.0000001", MathFault::Kind::Overflow, true},
        {"sin(exp(709))", MathFault::Kind::Overflow, true},
        {"cos(-exp(709))", MathFault::Kind::Overflow, true},
        {"tan(exp(709))*0", MathFault::Kind::Overflow, true},
        {"sec(exp(709))", MathFault::Kind::Overflow, true},
    };
    for (bool show : {false, true}) {
        ShowMathErrors = show;
        for (const auto& c : faults) {
            RecordingMessageBox box;
            Cls6 engine;
            float result = 42.0f;
            try {
                engine.DoEvaluate(Compile(c.infix), c.degree, result, 0, 0, 0, 0, 0, 0, 0, 0, 0);
                ADD_FAILURE() << "no fault raised for " << c.infix;
            } catch (const MathFault& e) {
                EXPECT_EQ(e.GetKind(), c.kind) << c.infix;
            }
            EXPECT_EQ(result, 42.0f) << c.infix;
            EXPECT_EQ(box.Count(), 0u) << c.infix;
        }
    }
}

TEST_F(Cls6Evaluator, NumbersBelowTheSmallestDoubleAreZero) {
    std::string tiny = "0.";
    tiny.append(400, '0');
    tiny += '1';
    const struct { std::string text; bool infix; float value; } cases[] = {
        {tiny + " ", false, 0},
        {"XX " + tiny + " + ", false, 2},
        {"x+" + tiny, true, 2},
        {"1-" + tiny, true, 1},
    };
    for (const auto& c : cases) {
        Cls6 engine;
        float result = 42;
        const std::string postfix = c.infix ? Compile(c.text) : c.text;
        ASSERT_TRUE(engine.DoEvaluate(postfix, false, result, 0, 0, 2, 0, 0, 0, 0, 0, 0));
        EXPECT_EQ(result, c.value);
    }
}

TEST_F(Cls6Evaluator, RandomValuesIgnoreTheirOperand) {
    Cls6 engine;
    const std::string postfix = Compile("rnd(7)");
    const std::string state = Cls6Reference::RandomState();
    float first = -1, second = -1;
    ASSERT_TRUE(engine.DoEvaluate(postfix, false, first, 0, 0, 0, 0, 0, 0, 0, 0, 0));
    ASSERT_TRUE(engine.DoEvaluate(postfix, false, second, 0, 0, 0, 0, 0, 0, 0, 0, 0));
    for (float v : {first, second}) {
        EXPECT_GE(v, 0.0f);
        EXPECT_LT(v, 1.0f);
    }
    EXPECT_NE(first, second);

    // The same stretch of the sequence drawn with other operands (0, a
    // negative one, a variable) gives the same values.
    for (const char* text : {"rnd(0)", "rnd(-3)", "rnd(x)"}) {
        Cls6Reference::SetRandomState(state);
        Cls6 other;
        const std::string otherPostfix = Compile(text);
        float a = -1, b = -1;
        ASSERT_TRUE(other.DoEvaluate(otherPostfix, false, a, 0, 0, -2.5f, 0, 0, 0, 0, 0, 0)) << text;
        ASSERT_TRUE(other.DoEvaluate(otherPostfix, false, b, 0, 0, 0.5f, 0, 0, 0, 0, 0, 0)) << text;
        EXPECT_EQ(a, first) << text;
        EXPECT_EQ(b, second) << text;
    }
}

TEST_F(Cls6Evaluator, OneObjectEvaluatesManyTextsAsFreshObjectsDo) {
    // Sampling alternates the texts of one graph through one object; the results
    // must not depend on which texts the object has seen before.
    const char* texts[] = {"sin(x)*cos(y)+x^2", "x-y", "x/y", "sqr(x)", "log(y-x)", "x^y",
                           "asin(x)", "2x+1", "y", "atanh(x)", "acosh(y)", "tan(x)",
                           "x*x*x", "int(y)", "abs(x-y)", "exp(x)", "ctan(x)", "sec(y)",
                           "-x", "n+t"};
    std::vector<std::string> postfix;
    for (const char* t : texts) postfix.push_back(Compile(t));
    Cls6 shared;
    for (int round = 0; round < 3; ++round) {
        for (float x = -1.5f; x <= 1.5f; x += 0.75f) {
            for (std::size_t k = 0; k < postfix.size(); ++k) {
                const float y = 0.5f + x * 0.3f + static_cast<float>(k);
                Cls6 fresh;
                float expected = -7, actual = -7;
                const bool ok1 = fresh.DoEvaluate(postfix[k], round == 1, expected, 0, 0, x, y, 0, 0, 0, 2, 3);
                const bool ok2 = shared.DoEvaluate(postfix[k], round == 1, actual, 0, 0, x, y, 0, 0, 0, 2, 3);
                EXPECT_EQ(ok1, ok2) << texts[k];
                EXPECT_EQ(expected, actual) << texts[k] << " x=" << x;
            }
        }
    }
    // A text changed in place is a new text.
    std::string text = "XX 1 + ";
    float result = 0;
    ASSERT_TRUE(shared.DoEvaluate(text, false, result, 0, 0, 2, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(result, 3.0f);
    text[3] = '5';
    ASSERT_TRUE(shared.DoEvaluate(text, false, result, 0, 0, 2, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(result, 7.0f);
}

} // namespace

TEST_F(Cls6Evaluator, LastEvaluationSilentTellsOnlyTheLastCallsSilentFailure) {
    const struct { const char* infix; bool silent; } rows[] = {
        {"atanh(1)", true}, {"sin(0)", false}, {"atanh(1)", true}, {"1/0", false},
    };
    for (bool show : {false, true}) {
        ShowMathErrors = show;
        RecordingMessageBox box;
        Cls6 engine; // one object: each call starts the answer afresh
        EXPECT_FALSE(engine.LastEvaluationSilent());
        for (const auto& r : rows) {
            float result = 0;
            engine.DoEvaluate(Compile(r.infix), false, result, 0, 0, 0, 0, 0, 0, 0, 0, 0);
            EXPECT_EQ(engine.LastEvaluationSilent(), r.silent) << r.infix << (show ? " showing errors" : "");
        }
    }
}
