// Differential equations, limits and series sampled as their dialogs build
// them: the numeric anchors of each kind, and the series work cap.
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "graph/SeriesWork.h"
#include "tests/support/DialogGraphs.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

using OdeLimitSeries = ProgramStateTest;

TEST_F(OdeLimitSeries, EulerStepsOfOneSolutionAndOfAFamily) {
    // y' = y from (0, 1) on [0, 2] in 20 steps: y_k = 1.1^k.
    auto growth = OdeThroughPoint("y", 0, 2, 20, 0, 1);
    ASSERT_TRUE(growth->GetPoints());
    for (int k = 0; k <= 20; ++k) {
        const double expected = std::pow(1.1, k);
        EXPECT_NEAR(growth->VertODE(k, 0).y, expected, 1e-5 * expected) << k;
        EXPECT_NEAR(growth->VertODE(k, 0).x, 0.1 * k, 1e-6) << k;
    }
    EXPECT_NEAR(growth->VertODE(20, 0).y, 6.7275, 1e-4);

    // y' = x - y as a family on [0, 2], y in [-3, 3] with 6 segments: the
    // solution from -1 (j = 2) is y = x - 1, which Euler steps follow exactly.
    auto family = OdeFamily("x-y", 0, 2, 20, -3, 3, 6);
    ASSERT_TRUE(family->GetPoints());
    EXPECT_EQ(family->VertODE(0, 2).y, -1.0f);
    for (int k = 0; k <= 20; ++k) EXPECT_NEAR(family->VertODE(k, 2).y, family->VertODE(k, 2).x - 1, 1e-5) << k;
}

TEST_F(OdeLimitSeries, LimitSamplesAroundX0) {
    // sin(x)/x from both sides of 0: 51 samples over -4..4.
    auto g = LimitGraph("sin(x)/x", 0);
    ASSERT_TRUE(g->GetPoints());
    ASSERT_EQ(g->Vert3D.Upper(1), 50);
    EXPECT_NEAR(g->Vert3D(0, 24).y, 0.9957388, 1e-6);
    EXPECT_NEAR(g->Vert3D(0, 26).y, 0.9957388, 1e-6);
    // The middle sample lies at x0 (-4 + 25 * 0.16f is -8.940697e-08, below
    // the evaluator's smallest divisor): f cannot be evaluated there.
    EXPECT_NEAR(g->Vert3D(0, 25).x, 0, 1e-7);
    EXPECT_EQ(g->Vert3D(0, 25).y, UndefinedValue);
}

TEST_F(OdeLimitSeries, PartialSumsOfTwoSeries) {
    // 1 + x + ... + x^10 on [-1, 1] with 4 segments: at x = 0.5 (j = 3).
    auto geometric = SeriesGraph("x^n", 1, 1, 10, -1, 1, 4);
    ASSERT_TRUE(geometric->GetPoints());
    EXPECT_EQ(geometric->Vert3D(0, 3).x, 0.5f);
    EXPECT_NEAR(geometric->Vert3D(0, 3).y, 1.9990234, 1e-6);

    // The alternating series of ln(1 + x) to n = 12, at x = 0.5.
    auto logarithm = SeriesGraph("(-1)^(n+1)*x^n/n", 0, 1, 12, -1, 1, 4);
    ASSERT_TRUE(logarithm->GetPoints());
    EXPECT_NEAR(logarithm->Vert3D(0, 3).y, std::log(1.5), 9.4e-6);
}

TEST_F(OdeLimitSeries, SeriesWorkIsWeighedBeforeAnyArrayIsMade) {
    constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    // The count alone: terms times samples, an empty sum counting none.
    struct Count {
        std::int32_t n1, n2, stepV;
        std::int64_t evaluations;
    };
    for (const Count c : {Count{1, 1'000'000, 49, 50'000'000}, Count{1, 1'000'000, 50, 51'000'000},
                          Count{5, 4, Max, 0}, Count{Max, Min, 300, 0}, Count{3, 3, 0, 2},
                          Count{Min, Max, 1, 2 * (std::int64_t{Max} - Min + 1)},
                          Count{Min, Max, Max, std::numeric_limits<std::int64_t>::max()}}) {
        EXPECT_EQ(SeriesEvaluations(c.n1, c.n2, c.stepV), c.evaluations) << c.n1 << ".." << c.n2 << " / " << c.stepV;
    }
    EXPECT_LE(SeriesEvaluations(1, 1'000'000, 49), MaxSeriesEvaluations); // exactly the cap passes

    // Sampling refuses too much work with its message and leaves the graph.
    struct Case {
        const char* what;
        std::int32_t n1, n2, segments;
    };
    const Case refused[] = {
        {"n = 1..10^6 on 50 segments", 1, 1'000'000, 50},
        {"n = 1..10^9", 1, 1'000'000'000, 300},
        {"the whole 32-bit range", Min, Max, 300},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.what);
        auto g = SeriesGraph("x^n", 0, 1, 2, 0, 1, 2);
        ASSERT_TRUE(g->GetPoints());
        g->Vert3D(0, 1).y = 42; // a mark the refused call must leave
        g->SeriesN1 = c.n1;
        g->SeriesN2 = c.n2;
        g->StepV = c.segments;
        RecordingMessageBox box;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(g->GetPoints());
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        ASSERT_EQ(box.Count(), 1u);
        EXPECT_EQ(box.Last().text, "级数的项数太多。");
        EXPECT_EQ(box.Last().title, "出错");
        EXPECT_EQ(box.Last().icon, MsgIcon::Critical);
        EXPECT_EQ(g->Vert3D.Count(), 2 * 3);
        EXPECT_EQ(g->Vert3D(0, 1).y, 42.0f);
    }

    // An empty sum with indices far apart is no work: every sample is a0.
    RecordingMessageBox box;
    auto empty = SeriesGraph("x^n", 2.5f, Max, Min, 0, 1, 300);
    ASSERT_TRUE(empty->GetPoints());
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_EQ(empty->Vert3D(0, 300).y, 2.5f);
}

} // namespace
