// The whole derivative chain: filtered text -> token list -> derivative ->
// infix text -> merged signs -> compiled and evaluated, against central
// differences of the evaluated expression itself.
#include "core/MessageService.h"
#include "math/Cls6.h"
#include "math/Module1.h"
#include "DerivativeTextSupport.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

class Compiled {
public:
    explicit Compiled(const std::string& text) {
        ok_ = engine_.InfixToPostfix(InsertMulSigns(text), postfix_) == 0;
    }
    bool ok() const { return ok_; }
    double operator()(float x) {
        float r = 0;
        EXPECT_TRUE(engine_.DoEvaluate(postfix_, false, r, 0, 0, x, 0, 0, 0, 0, 0, 0));
        return r;
    }

private:
    Cls6 engine_;
    std::string postfix_;
    bool ok_ = false;
};

TEST(DerivativeChain, PrintsTheDerivativeTexts) {
    const struct { const char* text; const char* first; } cases[] = {
        {"X^2", "1*2*x^1"},
        {"cos(x)", "-(1)*sin(x)"},
        {"sin(x)+cos(x)", "1*cos(x)-(1)*sin(x)"},
        {"sin(x)-cos(x)", "1*cos(x)+(1)*sin(x)"},
        {"2x", "(0*x+2*1)/x^0"},
        {"x^0.5", "1*0.5*x^-0.5"},
        {"1*0.5*x^-0.5", "((0*0.5+1*0)/0.5^0*x^-0.5+1*0.5*(1*-0.5*x^-1.5))/(x^-0.5)^0"},
        {"-x/(x+2)", "((0-1)*(x+2)-(0-x)*(1+0))/(x+2)^2"},
        {"(x^-2)^3", "1*-2*x^-3*3*(x^-2)^2"},
    };
    RecordingMessageBox box;
    for (const auto& c : cases) {
        auto d = DerivativeText(c.text);
        ASSERT_TRUE(d) << c.text;
        EXPECT_EQ(*d, c.first) << c.text;
    }
    EXPECT_EQ(box.Count(), 0u);
}

TEST(DerivativeChain, FirstAndSecondDerivativesMatchCentralDifferences) {
    const struct { const char* text; std::vector<float> at; } cases[] = {
        {"3x^3-2x^2+x-5", {-1.5f, 0.3f, 2}},
        {"(x+1)(x-2)^2", {-1, 0.5f, 3}},
        {"(x^2+1)/(x-3)", {-1, 0.5f, 2}},
        {"x^0.5", {0.5f, 2, 7}},
        {"x^-1", {-2, -0.5f, 1.5f}},
        {"x^-3+x^1.5", {0.4f, 1.7f}},
        {"2^x+x^x", {0.5f, 1.3f}},
        {"sqr(x^2+1)*exp(-x^2)", {-0.7f, 0.2f, 1.1f}},
        {"log(x^2+1)", {-2, 0.4f}},
        {"sin(2x)cos(x)", {-1, 0.3f, 2}},
        {"tan(x/2)+ctan(x)", {0.7f, 1.2f, 2}},
        {"sec(x)+csec(x)", {0.4f, 1.1f, -2}},
        {"asin(x/2)+acos(x/3)", {-1, 0.5f, 1.5f}},
        {"atan(x)+actan(2x)", {-1.5f, 0.2f, 1}},
        {"sinh(x)+cosh(x/2)", {-1, 0.6f, 2}},
        {"tanh(x)+ctanh(x)", {-1.5f, 0.8f}},
        {"asinh(x)+acosh(x)", {1.5f, 2.5f}},
        {"atanh(x/2)", {-1, 0.3f, 1.2f}},
        {"actanh(x)", {-2, 1.5f, 3}},
        {"sin(cos(x))^2+exp(sin(x))/x", {-1.3f, 0.9f, 2}},
        {"1/(1+x^2)^0.5-x*exp(x)", {-1, 0.5f}},
        {"-x/(x+2)", {-1, 0.5f, 3}},
        {"(-x^2)^3+(x^-2)^3", {-1.2f, 0.6f, 1.4f}},
        // A minus after "*", "/", "^" or a function name, grouped as the
        // compiler groups it.
        {"2*-x^2", {-1, 0.5f}},
        {"sin-x^2", {-1, 0.5f, 1.3f}},
        {"x^-2^2", {0.7f, 1.6f}},
        {"x^-2^3+3/-x", {0.8f, 1.3f}},
        {"+x*sin(+x)", {0.5f, 2}},
        // Constant exponents and denominators in any form: defined wherever f is.
        {"x^(-2)", {-1.5f, -0.5f, 0.7f}},
        {"x^-(1)", {-2, -0.5f, 1.5f}},
        {"(x-3)^(1+1)", {-1, 0.5f, 2}},
        {"x^(2*1)", {-1.5f, 0.5f}},
        {"x/0.03", {-1, 0.5f}},
        {"3/10^-2*7^1.5*x", {-1, 0.5f}},
    };
    for (const auto& c : cases) {
        RecordingMessageBox box;
        const auto d1 = DerivativeText(c.text);
        ASSERT_TRUE(d1) << c.text;
        const auto d2 = DerivativeText(*d1);
        ASSERT_TRUE(d2) << *d1;
        Compiled f(c.text), f1(*d1), f2(*d2);
        ASSERT_TRUE(f.ok() && f1.ok() && f2.ok()) << c.text;
        for (float x : c.at) {
            const float xp = x + 1e-3f, xm = x - 1e-3f;
            const double fd = (f(xp) - f(xm)) / (static_cast<double>(xp) - xm);
            const double fx = f(x);
            EXPECT_NEAR(f1(x), fd, 1e-3 * (1 + std::fabs(fd)) + 1e-4 * std::fabs(fx))
                << c.text << " at " << x << ": " << *d1;
            const float yp = x + 1e-2f, ym = x - 1e-2f;
            const double sd = 2 * ((f(yp) - fx) / (static_cast<double>(yp) - x) -
                                   (fx - f(ym)) / (static_cast<double>(x) - ym)) /
                              (static_cast<double>(yp) - ym);
            EXPECT_NEAR(f2(x), sd, 1e-2 * (1 + std::fabs(sd)) + 3e-3 * std::fabs(fx))
                << c.text << " at " << x << ": " << *d2;
        }
        EXPECT_EQ(box.Count(), 0u) << c.text;
    }
}

TEST(DerivativeChain, ConstantExponentsInAnyFormGiveTheValuesOfABareNumber) {
    const struct { const char* written; const char* bare; } pairs[] = {
        {"x^(-2)", "x^-2"}, {"x^-(1)", "x^-1"}, {"x^(2*1)", "x^2"}, {"(x-3)^(1+1)", "(x-3)^2"},
        {"x^(3-0.5)", "x^2.5"},
    };
    for (const auto& p : pairs) {
        RecordingMessageBox box;
        const auto a1 = DerivativeText(p.written), b1 = DerivativeText(p.bare);
        ASSERT_TRUE(a1 && b1) << p.written;
        const auto a2 = DerivativeText(*a1), b2 = DerivativeText(*b1);
        ASSERT_TRUE(a2 && b2) << p.written;
        Compiled fa(*a1), fb(*b1), ga(*a2), gb(*b2);
        for (float x : {-2.5f, -1.0f, -0.25f, 0.5f, 1.0f, 3.0f}) {
            if (x < 0 && std::string(p.bare) == "x^2.5") continue;
            EXPECT_EQ(fa(x), fb(x)) << p.written << " at " << x;
            EXPECT_EQ(ga(x), gb(x)) << p.written << " at " << x;
        }
        EXPECT_EQ(box.Count(), 0u);
    }
}

TEST(DerivativeChain, ADerivativeTooLongToBuildIsRefusedWithAMessage) {
    // Six nested quotients: the first derivative is built, the second is too
    // long for a token list.
    std::string text = "x";
    for (int k = 0; k < 6; ++k) text = "(" + text + ")/(" + text + "+1)";
    RecordingMessageBox box;
    const auto first = DerivativeText(InsertMulSigns(text), text);
    ASSERT_TRUE(first);
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_FALSE(DerivativeText(*first, text));
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "不能计算" + text.substr(0, 79) + "…的导数。");
    EXPECT_EQ(box.Last().title, "出错");
    EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
    // A short text is named whole; a partial derivative is refused alike.
    box.Clear();
    EXPECT_FALSE(PartialDerivativeText(*first, "x", "f(x)"));
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "不能计算f(x)的导数。");
    // A refused token shows only its own message.
    box.Clear();
    EXPECT_FALSE(DerivativeText("x+abs(x)", "x+abs(x)"));
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "不能计算ABS的导数。");
}

TEST(DerivativeChain, RefusalsReachTheCallerWithTheirMessages) {
    for (const char* name : {"asec", "acsec", "abs", "int", "rnd"}) {
        RecordingMessageBox box;
        EXPECT_FALSE(DerivativeText(std::string("x+") + name + "(x)")) << name;
        ASSERT_EQ(box.Count(), 1u);
        std::string upper(name);
        for (char& ch : upper) ch = static_cast<char>(ch - 'a' + 'A');
        EXPECT_EQ(box.Last().text, "不能计算" + upper + "的导数。");
    }
    {
        RecordingMessageBox box;
        EXPECT_FALSE(DerivativeText("2pi*x"));
        ASSERT_EQ(box.Count(), 1u);
        EXPECT_EQ(box.Last().text, "不能计算PI的导数。");
    }
    for (const char* name : {"sech", "csech", "asech", "acsech"}) {
        RecordingMessageBox box;
        EXPECT_FALSE(DerivativeText(std::string("x^2*") + name + "(x)")) << name;
        ASSERT_EQ(box.Count(), 1u);
        EXPECT_EQ(box.Last().text, std::string("不能计算") + name + "的导数。");
    }
}

} // namespace
