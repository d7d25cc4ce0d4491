// The evaluator is the inner loop of every graph: one compiled expression
// evaluated over a 200x200 grid, against the same expression as plain C++.
#include "math/Cls6.h"
#include "math/SafeEvaluate.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

constexpr int kGrid = 200;

float GridValue(int i) { return -3.0f + 6.0f * static_cast<float>(i) / kGrid; }

std::string Compile(const char* infix) {
    Cls6 engine;
    std::string postfix;
    engine.InfixToPostfix(infix, postfix);
    return postfix;
}

void BM_DoEvaluateGrid(benchmark::State& state) {
    const std::string postfix = Compile("sin(x)*cos(y)+x^2");
    Cls6 engine;
    for (auto _ : state) {
        float sum = 0;
        for (int i = 0; i < kGrid; ++i) {
            for (int j = 0; j < kGrid; ++j) {
                float value = 0;
                engine.DoEvaluate(postfix, false, value, 0, 0, GridValue(i), GridValue(j), 0, 0, 0, 0, 0);
                sum += value;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kGrid * kGrid);
}
BENCHMARK(BM_DoEvaluateGrid)->Unit(benchmark::kMillisecond);

// The way sampling calls it: through the fault-catching helper, alternating the
// X, Y and Z texts of one graph at every point.
void BM_SafeEvaluateThreeTextsGrid(benchmark::State& state) {
    const std::string texts[3] = {Compile("x"), Compile("y"), Compile("sin(x)*cos(y)+x^2")};
    Cls6 engine;
    for (auto _ : state) {
        float sum = 0;
        for (int i = 0; i < kGrid; ++i) {
            for (int j = 0; j < kGrid; ++j) {
                for (const std::string& text : texts) {
                    float value = 0;
                    SafeEvaluate(engine, text, false, value, 0, 0, GridValue(i), GridValue(j), 0, 0, 0, 0, 0);
                    sum += value;
                }
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kGrid * kGrid);
}
BENCHMARK(BM_SafeEvaluateThreeTextsGrid)->Unit(benchmark::kMillisecond);

// The limit: the same expression compiled by the C++ compiler, in the same
// precision (64-bit arithmetic, 32-bit result).
void BM_PlainCppGrid(benchmark::State& state) {
    for (auto _ : state) {
        float sum = 0;
        for (int i = 0; i < kGrid; ++i) {
            for (int j = 0; j < kGrid; ++j) {
                double x = GridValue(i), y = GridValue(j);
                benchmark::DoNotOptimize(x);
                benchmark::DoNotOptimize(y);
                const float value = static_cast<float>(std::sin(x) * std::cos(y) + std::pow(x, 2));
                sum += value;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kGrid * kGrid);
}
BENCHMARK(BM_PlainCppGrid)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
