// The evaluator is the inner loop of every graph: one compiled expression
// evaluated over a 200x200 grid, against the same expression as plain C++.
#include "math/Cls6.h"
#include "math/Module1.h"
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
// precision (64-bit arithmetic, 32-bit result), called once per point as a
// sampler would call it (not inlined, so sin(x) is not hoisted out of the row).
[[gnu::noinline]] float PlainExpression(double x, double y) {
    return static_cast<float>(std::sin(x) * std::cos(y) + std::pow(x, 2));
}

void BM_PlainCppGrid(benchmark::State& state) {
    for (auto _ : state) {
        float sum = 0;
        for (int i = 0; i < kGrid; ++i) {
            for (int j = 0; j < kGrid; ++j) {
                sum += PlainExpression(GridValue(i), GridValue(j));
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kGrid * kGrid);
}
BENCHMARK(BM_PlainCppGrid)->Unit(benchmark::kMillisecond);

// The calculator's work on a long pasted text (filter, compile, one
// evaluation) for a sum of ones of Arg characters: 32 KB and 1 MB. Each
// iteration's text differs in its last term, so no compiled text is reused.
void BM_CalculatorLongSum(benchmark::State& state) {
    std::string sum = "1";
    while (sum.size() + 2 < static_cast<std::size_t>(state.range(0))) sum += "+1";
    int last = 0;
    for (auto _ : state) {
        const std::string text = sum + "+" + std::to_string(last++);
        std::string clean;
        CheckExpression(text, clean);
        Cls6 engine;
        std::string postfix;
        engine.InfixToPostfix(clean, postfix);
        float value = 0;
        engine.DoEvaluate(postfix, true, value, 1, 1, 0, 0, 0, 0, 0, 0, 0);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_CalculatorLongSum)->Arg(32 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
