// The evaluator rewrites each text it tokenizes into fewer steps (constant parts
// folded, steps that cannot change the value dropped, repeated parts computed
// once). These tests evaluate derivative texts from the real derivative chain
// and hand-written texts at many points, in both angle modes and both
// ShowMathErrors states, and compare everything a caller can see (result,
// return value, messages, raised errors, RND draws) with the same texts run
// through their steps exactly as written.
#include "core/Errors.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "math/Cls6.h"
#include "math/Module1.h"
#include "Cls6Reference.h"
#include "DerivativeTextSupport.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

// Values met in sampling and at the edges of every guard: zeros of both signs,
// tiny, huge, the degree turning points, overflow bounds and non-finite values.
const std::vector<float> kPoints = {
    0.0f,  -0.0f,  1.0f,   -1.0f,  0.5f,   -0.5f,  2.0f,   -2.5f,  3.14159f, 90.0f,
    -180.0f, 1e-7f, -1e-7f, 1e-6f, 1e-30f, 1.4e-45f, 1e10f, -1e10f, 3e38f,  -3e38f,
    709.0f, -745.0f, 1e5f,  0.99999f, 1.5f, 45.0f,  kInf,   -kInf,  kNaN,
};

struct Observed {
    int how = 0; // 0 returned, 1 RaisedError, 2 MathFault
    bool returned = false;
    std::uint32_t resultBits = 0;
    std::int64_t errorNumber = 0;
    std::string errorText;
    int faultKind = -1;
    std::vector<MessageRequest> messages;
    std::string randomAfter;
};

bool SameMessages(const std::vector<MessageRequest>& a, const std::vector<MessageRequest>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (a[k].title != b[k].title || a[k].text != b[k].text || a[k].icon != b[k].icon ||
            a[k].buttons != b[k].buttons)
            return false;
    return true;
}

std::string Describe(const Observed& o) {
    std::string s = o.how == 0 ? (o.returned ? "True" : "False") : (o.how == 1 ? "error " + o.errorText : "fault");
    s += " bits " + std::to_string(o.resultBits) + " kind " + std::to_string(o.faultKind) + " messages ";
    for (const auto& m : o.messages) s += "[" + m.title + "|" + m.text + "]";
    return s;
}

struct Point {
    float u, v, x, y, a, r, b, t;
    std::int32_t n;
};

Observed Observe(Cls6& engine, const std::string& postfix, bool degree, const Point& p, bool random) {
    RecordingMessageBox box;
    Observed o;
    float result = -777.25f; // must stay as it is when the result is False
    try {
        o.returned = engine.DoEvaluate(postfix, degree, result, p.u, p.v, p.x, p.y, p.a, p.r, p.b, p.t, p.n);
    } catch (const RaisedError& e) {
        o.how = 1;
        o.errorNumber = e.Number();
        o.errorText = e.Text();
    } catch (const MathFault& e) {
        o.how = 2;
        o.faultKind = static_cast<int>(e.GetKind());
    }
    o.resultBits = std::bit_cast<std::uint32_t>(result);
    o.messages = box.requests;
    if (random) o.randomAfter = Cls6Reference::RandomState();
    return o;
}

class FoldingComparison {
public:
    FoldingComparison() { Cls6Reference::WriteStepsOnly(reference_); }

    // Evaluates `postfix` at every point in both modes and both ShowMathErrors
    // states with both engines and expects the same observations.
    void Compare(const std::string& postfix, const std::string& label) {
        const bool random = postfix.find("RND") != std::string::npos;
        const std::size_t count = kPoints.size();
        for (std::size_t i = 0; i < count; ++i) {
            const auto at = [&](std::size_t k) { return kPoints[(i + 3 * k) % count]; };
            const Point p{at(1), at(2), kPoints[i], at(3), at(4), at(5), at(6), at(7),
                          static_cast<std::int32_t>(i % 5) - 2};
            const Point others{0.25f, -1.5f, kPoints[i], 0.75f, 2.0f, 3.0f, 0.5f, 1.25f, 3};
            for (const Point& point : {p, others}) {
                for (bool show : {false, true}) {
                    for (bool degree : {false, true}) {
                        ShowMathErrors = show;
                        const std::string before = random ? Cls6Reference::RandomState() : std::string();
                        const Observed expected = Observe(reference_, postfix, degree, point, random);
                        if (random) Cls6Reference::SetRandomState(before);
                        const Observed actual = Observe(folded_, postfix, degree, point, random);
                        ++comparisons_;
                        const bool same = expected.how == actual.how && expected.returned == actual.returned &&
                                          expected.resultBits == actual.resultBits &&
                                          expected.errorNumber == actual.errorNumber &&
                                          expected.errorText == actual.errorText &&
                                          expected.faultKind == actual.faultKind &&
                                          SameMessages(expected.messages, actual.messages) &&
                                          expected.randomAfter == actual.randomAfter;
                        EXPECT_TRUE(same) << label << " [" << postfix << "] x=" << point.x << " y=" << point.y
                                          << " degree=" << degree << " show=" << show
                                          << "\n  written:   " << Describe(expected)
                                          << "\n  rewritten: " << Describe(actual);
                        if (!same) return;
                    }
                }
            }
        }
        lastSteps_ = Cls6Reference::Steps(folded_, postfix);
        writtenSteps_ += lastSteps_.first;
        foldedSteps_ += lastSteps_.second;
    }

    // The written steps of the last text compared and those run for it.
    std::pair<std::size_t, std::size_t> lastSteps() const { return lastSteps_; }

    std::size_t comparisons() const { return comparisons_; }
    std::size_t writtenSteps() const { return writtenSteps_; }
    std::size_t foldedSteps() const { return foldedSteps_; }

private:
    Cls6 folded_;
    Cls6 reference_;
    std::size_t comparisons_ = 0;
    std::size_t writtenSteps_ = 0;
    std::size_t foldedSteps_ = 0;
    std::pair<std::size_t, std::size_t> lastSteps_;
};

std::optional<std::string> Compile(const std::string& infix) {
    Cls6 compiler;
    std::string postfix;
    if (compiler.InfixToPostfix(infix, postfix) != 0) return std::nullopt;
    return postfix;
}

using FoldingTest = ProgramStateTest;

TEST_F(FoldingTest, DerivativeTextsGiveTheSameObservationsAsTheirWrittenSteps) {
    const char* bases[] = {
        "sin(x)*x^2", "x", "5", "x^3", "3x^3-2x^2+x-5", "(x+1)(x-2)^2", "(x^2+1)/(x-3)", "x^0.5",
        "x^-1", "x^-3+x^1.5", "2^x+x^x", "sqr(x^2+1)*exp(-x^2)", "log(x^2+1)", "sin(2x)cos(x)",
        "tan(x/2)+ctan(x)", "sec(x)+csec(x)", "asin(x/2)+acos(x/3)", "atan(x)+actan(2x)",
        "sinh(x)+cosh(x/2)", "tanh(x)+ctanh(x)", "asinh(x)+acosh(x)", "atanh(x/2)", "actanh(x)",
        "asech(x)+acsech(x)", "sech(x)*csech(x)", "sin(cos(x))^2+exp(sin(x))/x",
        "1/(1+x^2)^0.5-x*exp(x)", "-x/(x+2)", "(-x^2)^3+(x^-2)^3", "2*-x^2", "sin-x^2", "x^-2^2",
        "x^-2^3+3/-x", "+x*sin(+x)", "log(x)", "sqr(x)", "exp(x)*x", "pi*x^2", "asec(x)+acsec(x)",
        "1/x", "x^x", "y*x^2+n*x", "0*x", "x-x", "exp(-x)*sin(3x)", "cos(x)^0.5",
    };
    FoldingComparison comparison;
    std::size_t texts = 0;
    for (const char* base : bases) {
        RecordingMessageBox quiet; // refusals of the chain are not under test here
        std::string text = base;
        for (int order = 0; order <= 3; ++order) {
            const std::optional<std::string> postfix = Compile(InsertMulSigns(text));
            ASSERT_TRUE(postfix) << text;
            if (postfix->size() > 20000) break;
            comparison.Compare(*postfix, std::string(base) + " order " + std::to_string(order));
            ++texts;
            if (HasFailure()) return;
            const std::optional<std::string> next = DerivativeText(text);
            if (!next) break;
            text = *next;
        }
    }
    EXPECT_GT(texts, 120u);
    EXPECT_GT(comparison.comparisons(), 35000u);
    // The derivative texts are rewritten into far fewer steps.
    EXPECT_LT(comparison.foldedSteps() * 2, comparison.writtenSteps());
}

TEST_F(FoldingTest, TextsWithConstantPartsGiveTheSameObservationsAsTheirWrittenSteps) {
    const std::string big = "1" + std::string(300, '0');
    const std::string tooBig = "1" + std::string(400, '0');
    std::vector<std::string> infix = {
        // Neutral operands, and the sign of zero they must keep.
        "x*1", "1*x", "x^1", "x/1", "x-0", "x+0", "0+x", "x+(-0)", "(-0)+x", "(-0)-x", "0-x",
        "x*(-1)", "(-1)*x", "x/(-1)", "-(-x)", "-(0)", "-(0)*x", "(-(0))^3", "0*(-1)", "x*0+0",
        "0*x-0", "-(x*0)+0", "(x*0)+(y*0)", "x-0*y", "x*0-y", "x-y*0", "atan(x+0)", "1/(x+0)",
        "(x-x)+0", "0-(x-x)", "0-abs(x)", "int(x)+0", "-(x)+0", "-(abs(x))+0", "x*x+0", "0-x*x+0", "0-x*x", "n*1", "n+0", "0+n", "n*0+x", "x*y*1+0*y",
        // Powers with an exponent near 0, and the base still evaluated.
        "x^0", "x^0.0000001", "x^0.000001", "log(x)^0", "(1/x)^0", "sqr(x)^0", "exp(x)^0",
        "rnd(1)^0", "sin(exp(x))^0", "(0-8)^(1/3)^0", "x^2", "x^2*1", "(x^2)^1", "x^(1+1)",
        "(x*x)^2", "2^x", "x^x", "x^0.5", "(0-x)^0.5", "x^(0-1)",
        // Parts that are zero whatever their operand, and those that may fail.
        "0*x+2", "2+0*x", "0*log(x)+2", "sin(x)*0+y", "y+sin(x)*0", "0*exp(x)+1", "0*x^2+1",
        "0*x^9+1", "0*(x*x*x*x*x*x*x*x*x)+1", "0*tan(x)+1", "sin(exp(x))*0+1", "0*sin(x*x*x*x*x*x*x*x*x)+1",
        "1*sin(exp(x))", "log(1*sin(exp(x)))/0", "1*tan(exp(x))+0", "1*sqr(1*sin(exp(x)))",
        "0*int(x)+x", "0*abs(x)+x", "(0*x+0*y)*1",
        // A NaN (the sine of an overflowed degree conversion) must fail where
        // the written steps fail.
        "log(sin(exp(x))*1)/0", "log(sin(exp(x))/1)/0", "log(sin(exp(x))^1)/0", "log(sin(exp(x))+0)/0",
        "log(sin(exp(x))-0)/0", "log(0-sin(exp(x)))/0", "log(sin(exp(x))*(-1))/0",
        "log(0*x+sin(exp(x)))/0", "log(sin(exp(x))+0*x)/0", "log(sin(exp(x))-0*x)/0",
        "log((-0)-sin(exp(x)))/0", "log(-(-sin(exp(x))))/0", "sqr(sin(exp(x)))*1",
        // Constant parts.
        "2*3+x", "2-3", "6/4", "1/0", "1/0.0000001", "1/0.000001", "2^10", "2^0.5", "(0-8)^(1/3)",
        "(0-8)^(1/3)*0", "0^(0-1)", "0^(0-1)+x", "x+0^(0-1)", "log(0)", "log(2)*x", "sqr(0)",
        "sqr(2)*x", "exp(1000)", "exp(1000)*0", "exp(700)*exp(700)", "asin(2)", "asin(0.5)+x",
        "atanh(1)", "atanh(0.5)", "sin(30)", "cos(60)+x", "tan(45)*x", "atan(1)*x", "actan(1)",
        "int(0-2.5)", "abs(0-3)", "sinh(1)", "csech(0)", "ctanh(0)", "acsech(0)", "asech(0.5)",
        "pi*x", "(1,5)*x", big + "*" + big, big + "*x", "x*" + tooBig, tooBig + "*0",
        "sec(90)", "csec(0)*x", "ctan(0)", "acos(1)", "asec(1)", "acsec(2)",
        // Repeated parts.
        "sin(x)+sin(x)", "sin(x)*sin(x)-cos(x)*cos(x)", "log(x)+log(x)", "1/x+1/x", "rnd(x)-rnd(x)",
        "rnd(1)*0+rnd(1)", "exp(x)+exp(x)", "sqr(x)*sqr(x)+sqr(x)", "(x+1)*(x+1)/(x+1)",
        "sin(cos(x))+cos(sin(x))+sin(cos(x))", "x^y+x^y", "(0-x)^y*(0-x)^y",
    };
    const std::vector<std::string> postfix = {
        "", " ", "XX", "XX ", "XX 1 *", "XX 1 * ", "1 2 ", "XX LOG 5 ", "XX 0 / 5 ", "XX SIN XX SIN ",
        "XX 1 * FOO ", "1 0 / FOO ", "XX LOG FOO ", "FOO XX ", "1 2 + + ", "+ ", "XX 1 ^ (-) (-) ",
        "xx ", "XX 0 ^ ", "XX 1,5 * ", ".5 XX * ", tooBig + " ", "XX " + tooBig + " * ",
        "XX 0 * YY + ", "RND ", "1 RND RND + ", "XX RND 0 ^ FOO ", "XX LOG 0 ^ ", "0 XX LOG * 2 + ",
        "XX EXP 0 * 1 + ", "XX XX XX + + 0 * 1 + ", "NN 1 * ", "NN 0 + ", "0 NN + ",
        "UU VV AA RR BB TT NN + + + + + + 1 * ", "XX SIN 1 * XX SIN 1 * + ", "XX EXP XX EXP 0 ^ ",
        "XX 0 * XX LOG ", "XX 1 * XX LOG 0 * ", "1 0 / XX 1 * ", "XX SIN XX SIN 0 * - ",
    };
    // Long texts: a sum of many terms and a deep nesting, near the longest text
    // that is rewritten, and one beyond it.
    std::string sum = "x";
    std::string nested = "x";
    for (int k = 0; k < 2000; ++k) sum += "+x*1";        // 8001 steps
    for (int k = 0; k < 1300; ++k) nested = "(" + nested + "+0*y)*1"; // 7802 steps, as deep
    infix.push_back(sum);
    infix.push_back(nested);
    infix.push_back(sum + sum);
    FoldingComparison comparison;
    for (const std::string& text : infix) {
        RecordingMessageBox quiet;
        const std::optional<std::string> compiled = Compile(InsertMulSigns(text));
        ASSERT_TRUE(compiled) << text;
        comparison.Compare(*compiled, text);
        if (HasFailure()) return;
        if (text == sum || text == nested) {
            EXPECT_GT(comparison.lastSteps().first, 7800u);
            EXPECT_LT(comparison.lastSteps().second, comparison.lastSteps().first / 2);
        }
    }
    for (const std::string& text : postfix) {
        comparison.Compare(text, "postfix");
        if (HasFailure()) return;
    }
}

// The rewritten steps of one text are kept beside the others the engine has
// seen; alternating texts and modes changes nothing.
TEST_F(FoldingTest, AlternatingTextsKeepTheirOwnRewrittenSteps) {
    const std::vector<std::string> texts = {*Compile("x*1+0"), *Compile("sin(x)*x^2"),
                                            *Compile("(1*cos(x)*x^2+sin(x)*(1*2*x^1))/x^2^0"),
                                            *Compile("log(x)*1")};
    Cls6 folded;
    Cls6 reference;
    Cls6Reference::WriteStepsOnly(reference);
    for (float x : kPoints) {
        for (const std::string& text : texts) {
            const Point p{0, 0, x, 0, 0, 0, 0, 0, 0};
            for (bool degree : {true, false}) {
                const Observed expected = Observe(reference, text, degree, p, false);
                const Observed actual = Observe(folded, text, degree, p, false);
                EXPECT_EQ(Describe(expected), Describe(actual)) << text << " at " << x;
            }
        }
    }
}

} // namespace
