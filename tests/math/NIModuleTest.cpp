#include "core/Globals.h"
#include "core/MessageService.h"
#include "math/NIModule.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using NIModuleTest = ProgramStateTest;

TEST_F(NIModuleTest, EvalFunctionAtBindsXOrA) {
    const struct { const char* text; float value; int mode; float result; } cases[] = {
        {"x^2+1", 3, 1, 10},
        {"x+a", 3, 2, 3},
        {"a*2", 1.5f, 2, 3},
        {"a+y+t+n", 2, 1, 0},
        {"x", 2, 3, 0},
        {"x", 2, 0, 0},
        {"sqr(x)", 0, 1, UndefinedValue}, // a mathematical failure while plotting
        {"exp(x)", 100, 1, UndefinedValue}, // beyond the float range
        {"", 1, 1, 0},                   // no value at all
        {"sin(x)", 90, 1, std::sin(90.0f)},
    };
    for (const auto& c : cases) {
        RecordingMessageBox box;
        EXPECT_FLOAT_EQ(EvalFunctionAt(c.text, c.value, c.mode), c.result) << c.text;
        EXPECT_EQ(box.Count(), 0u) << c.text;
    }
    RecordingMessageBox box;
    EXPECT_EQ(EvalFunctionAt("x+", 1, 1), 0.0f);
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().title, "语法错误");
}

TEST_F(NIModuleTest, IntegratesByHalvingUntilTwoResultsAgree) {
    RecordingMessageBox box;
    // Exact for a straight line after one pass.
    EXPECT_EQ(Integrate(0, 100, 0.001f, "x", 1), 5000.0f);
    // One pass can also end by coincidence: the exact value is 499500.
    EXPECT_EQ(Integrate(0, 1000, 0.001f, "int(x)", 1), 500000.0f);
    // x^2 on 0..3: pass k gives 9 + 4.5/4^k and differs from pass k-1 by
    // 13.5/4^k, which first falls below 0.001 at k = 7.
    const float v = Integrate(0, 3, 0.001f, "x^2", 1);
    EXPECT_NEAR(v, 9.0f, 0.001f);
    EXPECT_NEAR(v, 9.0 + 4.5 / 16384.0, 2e-6);
    EXPECT_NEAR(Integrate(3, 0, 0.001f, "x^2", 1), -v, 2e-6);
    EXPECT_EQ(Integrate(2, 2, 0.001f, "x^2", 1), 0.0f);
    // Polar mode integrates over a: the area of a circle of radius 2.
    EXPECT_NEAR(Integrate(0, 2 * 3.14159265f, 0.001f, "0.5*(2)^2", 2), 4 * 3.14159265, 1e-5);
    EXPECT_NEAR(Integrate(0, 2, 0.001f, "a", 2), 2.0f, 1e-6);
    EXPECT_EQ(Integrate(0, 2, 0.001f, "a", 1), 0.0f);
    EXPECT_EQ(Integrate(0, 2, 0.001f, "x", 5), 0.0f);
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(NIModuleTest, UndefinedPointsCountWithTheirMarkerValue) {
    // sqr is undefined at 0 only: the end value there counts as 0.12345.
    const float v = Integrate(0, 1, 0.001f, "sqr(x)", 1);
    const float w = Integrate(0, 1, 0.001f, "sqr(x+0.0000001)", 1);
    EXPECT_GT(v, w);
    EXPECT_NEAR(v, 2.0 / 3.0, 0.01);
}

TEST_F(NIModuleTest, StopsAfterTheFifteenthPass) {
    // Every evaluation of the text fails with a message while messages are on,
    // so the messages count the evaluations: 2^15 + 1 after 15 passes.
    ShowMathErrors = true;
    RecordingMessageBox box;
    EXPECT_EQ(Integrate(0, 1, 0, "1/(x-x)", 1), 0.0f);
    EXPECT_EQ(box.Count(), 32769u);
    box.Clear();
    EXPECT_EQ(Integrate(0, 1, 0.001f, "1/(x-x)", 1), 0.0f);
    EXPECT_EQ(box.Count(), 3u);
    ShowMathErrors = false;
    box.Clear();
    // A tolerance that is never met returns the 15th pass's value.
    EXPECT_NEAR(Integrate(0, 3, -1, "x^2", 1), 9.0f, 1e-5);
}

TEST_F(NIModuleTest, TextThatDoesNotCompileShowsOneMessageAndIntegratesAsZero) {
    RecordingMessageBox box;
    EXPECT_EQ(Integrate(0, 1, 0.001f, "x+", 1), 0.0f);
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().title, "语法错误");
    box.Clear();
    EXPECT_EQ(Integrate(0, 1, 0, "(x", 1), 0.0f);
    EXPECT_EQ(box.Count(), 1u);
}

} // namespace
