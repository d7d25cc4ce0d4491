// A text evaluated over a grid computes the parts a row or a column shares
// once and the rest a row at a time, keeping failures aside until their node is
// asked for. These tests ask every node of grids of awkward values, in both
// angle modes and both ShowMathErrors states, and compare everything a caller
// can see (result, return value, messages, raised faults) with the same node
// evaluated alone.
#include "core/Errors.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "math/Cls6.h"
#include "math/Module1.h"
#include "DerivativeTextSupport.h"
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

// Columns and rows at the edges of the guards: zeros of both signs, tiny,
// huge, negative, the degree turning points.
const std::vector<float> kColumns = {0.0f, -0.0f, 1.0f, -1.0f, 0.5f, -2.5f, 3.14159f, 90.0f,
                                     1e-7f, 1e-30f, 1e10f, -3e38f, 709.0f, -745.0f, 1.5f};
const std::vector<float> kRows = {0.0f, -0.0f, 2.0f, -1.0f, 0.99999f, 1e-6f, 45.0f, 3e38f, -1e10f,
                                  1.5f, kInf, 710.0f};

struct Observed {
    int how = 0; // 0 returned, 1 MathFault, 2 RaisedError
    bool returned = false;
    std::uint32_t bits = 0;
    int kind = -1;
    std::vector<MessageRequest> messages;

    bool operator==(const Observed& o) const {
        if (how != o.how || returned != o.returned || bits != o.bits || kind != o.kind ||
            messages.size() != o.messages.size())
            return false;
        for (std::size_t k = 0; k < messages.size(); ++k)
            if (messages[k].title != o.messages[k].title || messages[k].text != o.messages[k].text ||
                messages[k].icon != o.messages[k].icon)
                return false;
        return true;
    }
};

std::string Describe(const Observed& o) {
    std::string s = o.how == 0 ? (o.returned ? "True" : "False") : (o.how == 1 ? "fault" : "error");
    s += " bits " + std::to_string(o.bits) + " kind " + std::to_string(o.kind);
    for (const auto& m : o.messages) s += " [" + m.text + "]";
    return s;
}

template <class Evaluation>
Observed Observe(Evaluation evaluate) {
    RecordingMessageBox box;
    Observed o;
    float result = -777.25f; // stays as it is when the result is False
    try {
        o.returned = evaluate(result);
    } catch (const MathFault& e) {
        o.how = 1;
        o.kind = static_cast<int>(e.GetKind());
    } catch (const RaisedError& e) {
        o.how = 2;
        o.kind = static_cast<int>(e.Number());
    }
    o.bits = std::bit_cast<std::uint32_t>(result);
    o.messages = box.requests;
    return o;
}

std::optional<std::string> Compile(const std::string& infix) {
    Cls6 compiler;
    std::string postfix;
    if (compiler.InfixToPostfix(InsertMulSigns(infix), postfix) != 0) return std::nullopt;
    return postfix;
}

class GridTest : public ::testing::Test {
protected:
    void TearDown() override { ShowMathErrors = false; }

    // Every node of a grid over x (rows) and y (columns), with t and n fixed
    // per pass, in both modes and message states, in the given column order.
    void Compare(const std::string& postfix, const std::string& label, bool reversed = false) {
        const Cls6::Compiled text = Cls6::Prepare(postfix);
        Cls6Grid grid(text, 1u << 2, 3, kColumns);
        EXPECT_TRUE(grid.ByRows()) << label;
        Cls6 engine;
        Cls6 alone;
        for (bool show : {false, true}) {
            for (bool degree : {false, true}) {
                for (float t : {0.0f, 1.5f}) {
                    ShowMathErrors = show;
                    for (float x : kRows) {
                        for (std::size_t k = 0; k < kColumns.size(); ++k) {
                            const std::size_t c = reversed ? kColumns.size() - 1 - k : k;
                            Cls6Variables v;
                            v.x = x;
                            v.y = kColumns[c];
                            v.t = t;
                            v.n = t == 0 ? 3 : -2;
                            const Observed expected =
                                Observe([&](float& r) { return alone.Evaluate(text, degree, r, v); });
                            const Observed actual = Observe(
                                [&](float& r) { return grid.Evaluate(engine, static_cast<std::int64_t>(c), degree, r, v); });
                            ++comparisons_;
                            EXPECT_TRUE(expected == actual)
                                << label << " [" << postfix << "] x=" << x << " y=" << v.y << " t=" << t
                                << " degree=" << degree << " show=" << show << "\n  alone: " << Describe(expected)
                                << "\n  grid:  " << Describe(actual);
                            if (!(expected == actual)) return;
                        }
                    }
                }
            }
        }
    }

    std::size_t comparisons_ = 0;
};

TEST_F(GridTest, EveryNodeIsWhatItsTextGivesAlone) {
    const std::vector<std::string> infix = {
        "sin(x)*cos(y)+x^2", "sqr(x^2+y^2)", "exp(-(x^2+y^2)/4)*cos(3*x)", "x^3-3*x*y^2",
        "log(1+x^2)*atan(y)", "x", "y", "5", "x*y", "log(x)*y", "log(y)+x", "1/y+x", "1/x+y",
        "sqr(x-y)", "x^y", "y^x", "(0-x)^y", "asin(y)+acos(x)", "atanh(x*y)", "exp(x*y)",
        "exp(x)*exp(y)", "sin(x)*sin(y)*0+t", "tan(x)+ctan(y)", "sec(x)*csec(y)", "atan(x)+atan(y)",
        "asinh(y)-acosh(x)", "asech(y)+acsech(x)", "ctanh(y)+csech(x)", "int(x)+abs(y)",
        "n*x+t*y", "x*t+exp(t)", "log(t)+y", "1/0+y", "log(0)*x", "sqr(x)+sqr(y)+sqr(x*y)",
        "(x+1)*(x+1)/(x+1)+y", "sin(cos(x))+cos(sin(y))+sin(cos(x))", "x^2^y", "y^2^x",
        "(sin(x)+y)*(sin(x)+2)", "exp(1000)*x+y", "10^400*y",
        // The guards at their bounds, in parts that read both variables (z is
        // a zero the rewrite cannot drop).
        "log(exp(x*y)*0+0.00001)", "log(exp(x*y)*0+0.0000101)", "sqr(exp(x*y)*0+0.0000001)",
        "sqr(exp(x*y)*0+0.000000099)", "1/(exp(x*y)*0+0.000001)", "1/(exp(x*y)*0+0.00000099)",
        "x^(exp(x*y)*0+0.000001)", "x^(exp(x*y)*0+0.00000099)", "asin(exp(x*y)*0+1)",
        "acos(exp(x*y)*0-1)", "(exp(x*y)*0-8)^(exp(x*y)*0+1/3)", "(exp(x*y)*0-8)^(exp(x*y)*0+3)",
        "(x*y-8)^2", "exp(exp(x*y)*0+709)*(x-y)", "sec(exp(x*y)*0+90)", "ctan(exp(x*y)*0)",
        "atanh(exp(x*y)*0+1)",
    };
    for (const std::string& text : infix) {
        const std::optional<std::string> postfix = Compile(text);
        ASSERT_TRUE(postfix) << text;
        Compare(*postfix, text);
        if (HasFailure()) return;
    }
    // The partial derivative texts of surfaces and the derivative texts of
    // curves, as the chain prints them.
    for (const char* base : {"sin(x)*cos(y)+x^2", "x^3-3*x*y^2", "log(1+x^2)*atan(y)", "x/y+y^x"}) {
        RecordingMessageBox quiet;
        for (const char* by : {"x", "y"}) {
            const std::optional<std::string> d = PartialDerivativeText(InsertMulSigns(base), by, base);
            ASSERT_TRUE(d) << base;
            Compare(*Compile(*d), std::string(base) + " by " + by);
            if (HasFailure()) return;
        }
    }
    EXPECT_GT(comparisons_, 70000u);
}

TEST_F(GridTest, NodesAskedInAnyOrderOrOffTheGridAreWhatTheyAreAlone) {
    for (const char* text : {"log(x)*sqr(y)", "sin(x)*cos(y)+x^2", "x/y"}) {
        Compare(*Compile(text), text, true);
        if (HasFailure()) return;
    }
    // A node whose inner variable is not its column's, or whose variables are
    // not finite, is evaluated alone.
    const Cls6::Compiled text = Cls6::Prepare(*Compile("log(x)*y+1/y"));
    Cls6Grid grid(text, 1u << 2, 3, {1.0f, 2.0f, 3.0f});
    Cls6 engine, alone;
    for (float y : {1.0f, 5.0f, 0.0f, kInf}) {
        for (float x : {2.0f, -kInf, 3.0f}) {
            Cls6Variables v;
            v.x = x;
            v.y = y;
            const Observed expected = Observe([&](float& r) { return alone.Evaluate(text, false, r, v); });
            const Observed actual = Observe([&](float& r) { return grid.Evaluate(engine, 0, false, r, v); });
            EXPECT_TRUE(expected == actual) << x << " " << y << ": " << Describe(expected) << " / " << Describe(actual);
        }
    }
    // A grid whose columns are not finite evaluates every node alone.
    Cls6Grid open(text, 1u << 2, 3, {1.0f, kInf});
    EXPECT_FALSE(open.ByRows());
    for (float y : {1.0f, kInf}) {
        Cls6Variables v;
        v.x = 2;
        v.y = y;
        const Observed expected = Observe([&](float& r) { return alone.Evaluate(text, false, r, v); });
        const Observed actual = Observe([&](float& r) { return open.Evaluate(engine, y == 1 ? 0 : 1, false, r, v); });
        EXPECT_TRUE(expected == actual) << y;
    }
}

TEST_F(GridTest, RandomNumbersAreDrawnWhenTheirNodeIsAsked) {
    const Cls6::Compiled text = Cls6::Prepare(*Compile("rnd(1)+x*0"));
    Cls6Grid grid(text, 1u << 2, 3, {1.0f, 2.0f});
    EXPECT_FALSE(grid.ByRows());
    Cls6 engine;
    Cls6Variables v;
    v.y = 1;
    float first = -1, second = -1;
    ASSERT_TRUE(grid.Evaluate(engine, 0, false, first, v));
    ASSERT_TRUE(grid.Evaluate(engine, 0, false, second, v));
    EXPECT_NE(first, second);
    EXPECT_GE(first, 0.0f);
    EXPECT_LT(second, 1.0f);
}

TEST_F(GridTest, ACurveIsOneRowOfColumns) {
    // No outer variable: the parts of the fixed variables are computed once.
    std::vector<float> xs;
    for (int k = 0; k <= 40; ++k) xs.push_back(-5.0f + 0.25f * static_cast<float>(k));
    const Cls6::Compiled text = Cls6::Prepare(*Compile("sin(x)*x^2+exp(t)*log(x)"));
    Cls6Grid grid(text, 0, 2, xs);
    Cls6 engine, alone;
    for (float t : {0.0f, 2.0f}) {
        for (std::size_t c = 0; c < xs.size(); ++c) {
            Cls6Variables v;
            v.x = xs[c];
            v.t = t;
            const Observed expected = Observe([&](float& r) { return alone.Evaluate(text, false, r, v); });
            const Observed actual =
                Observe([&](float& r) { return grid.Evaluate(engine, static_cast<std::int64_t>(c), false, r, v); });
            EXPECT_TRUE(expected == actual) << xs[c] << ": " << Describe(expected) << " / " << Describe(actual);
        }
    }
}

TEST_F(GridTest, FramesOfASurfaceAreRowsOfTimes) {
    // Rows change x and y, columns are the times t: the parts of t alone are
    // computed once per column for every row.
    const std::vector<float> times = {0.0f, 0.5f, 1.0f, 1.5f, 2.0f};
    for (const char* infix : {"sin(x+t)*cos(y)+x^2", "exp(t)*log(x*y)", "sqr(t-1)/y"}) {
        const Cls6::Compiled text = Cls6::Prepare(*Compile(infix));
        Cls6Grid grid(text, (1u << 2) | (1u << 3), 7, times);
        EXPECT_TRUE(grid.ByRows());
        Cls6 engine, alone;
        for (float x : {-1.0f, 0.0f, 2.0f}) {
            for (float y : {0.5f, -0.0f, 3.0f}) {
                for (std::size_t c = 0; c < times.size(); ++c) {
                    Cls6Variables v;
                    v.x = x;
                    v.y = y;
                    v.t = times[c];
                    const Observed expected = Observe([&](float& r) { return alone.Evaluate(text, false, r, v); });
                    const Observed actual = Observe(
                        [&](float& r) { return grid.Evaluate(engine, static_cast<std::int64_t>(c), false, r, v); });
                    EXPECT_TRUE(expected == actual) << infix << " " << x << " " << y << " " << v.t << ": "
                                                    << Describe(expected) << " / " << Describe(actual);
                }
            }
        }
    }
}

TEST(Cls6Prepared, APreparedTextIsItsText) {
    // An empty handle is an empty text; a handle shares its steps with every
    // evaluator.
    Cls6 engine;
    float result = 4;
    EXPECT_FALSE(engine.Evaluate(Cls6::Compiled{}, false, result, Cls6Variables{}));
    EXPECT_FALSE(engine.Evaluate(Cls6::Prepare(""), false, result, Cls6Variables{}));
    EXPECT_EQ(result, 4.0f);
    Cls6Variables v;
    v.x = 2.5f;
    EXPECT_TRUE(engine.Evaluate(Cls6::Prepare("XX "), false, result, v));
    EXPECT_EQ(result, 2.5f);
    v.x = kInf;
    EXPECT_THROW(engine.Evaluate(Cls6::Prepare("XX "), false, result, v), MathFault);
    EXPECT_THROW(engine.Evaluate(Cls6::Prepare("FOO "), false, result, v), RaisedError);
}

} // namespace
