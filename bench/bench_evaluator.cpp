// The evaluator on a 200x200 grid, five expressions, each beside the same
// expression in muParser (an interpreted evaluator in double precision) and in
// plain C++ (the limit): ratios of these figures are what counts, since the
// machine is shared. Arg(k) selects expression k.
#include "math/Cls6.h"
#include "math/SafeEvaluate.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr int kGrid = 200;

float GridValue(int i) { return -3.0f + 6.0f * static_cast<float>(i) / kGrid; }

// The same computation in plain C++: 64-bit arithmetic, a 32-bit result,
// called once per point as a sampler calls (not inlined, so that nothing is
// hoisted out of the row).
[[gnu::noinline]] float Plain0(double x, double y) {
    return static_cast<float>(std::sin(x) * std::cos(y) + x * x);
}
[[gnu::noinline]] float Plain1(double x, double y) { return static_cast<float>(std::sqrt(x * x + y * y)); }
[[gnu::noinline]] float Plain2(double x, double y) {
    return static_cast<float>(std::exp(-(x * x + y * y) / 4) * std::cos(3 * x));
}
[[gnu::noinline]] float Plain3(double x, double y) { return static_cast<float>(x * x * x - 3 * x * y * y); }
[[gnu::noinline]] float Plain4(double x, double y) {
    return static_cast<float>(std::log(1 + x * x) * std::atan(y));
}

struct Expression {
    const char* text;     // the expression language
    const char* muparser; // muParser's spelling of the same
    float (*plain)(double, double);
};

const Expression kExpressions[] = {
    {"sin(x)*cos(y)+x^2", "sin(x)*cos(y)+x^2", Plain0},
    {"sqr(x^2+y^2)", "sqrt(x^2+y^2)", Plain1},
    {"exp(-(x^2+y^2)/4)*cos(3*x)", "exp(-(x^2+y^2)/4)*cos(3*x)", Plain2},
    {"x^3-3*x*y^2", "x^3-3*x*y^2", Plain3},
    {"log(1+x^2)*atan(y)", "ln(1+x^2)*atan(y)", Plain4},
};

const Expression& Selected(const benchmark::State& state) { return kExpressions[state.range(0)]; }

std::string Compile(const char* infix) {
    Cls6 engine;
    std::string postfix;
    engine.InfixToPostfix(infix, postfix);
    return postfix;
}

void Finish(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * kGrid * kGrid);
    state.SetLabel(Selected(state).text);
}

// The postfix text evaluated at every point through the text API, as the
// samplers call it (mathematical faults caught).
void BM_TextApi(benchmark::State& state) {
    const std::string postfix = Compile(Selected(state).text);
    Cls6 engine;
    for (auto _ : state) {
        float sum = 0;
        for (int i = 0; i < kGrid; ++i)
            for (int j = 0; j < kGrid; ++j) {
                float value = 0;
                SafeEvaluate(engine, postfix, false, value, 0, 0, GridValue(i), GridValue(j), 0, 0, 0, 0, 0);
                sum += value;
            }
        benchmark::DoNotOptimize(sum);
    }
    Finish(state);
}

// Evaluates at every grid point with `evaluate(value, column, variables)`.
template <class Evaluation>
void GridLoop(benchmark::State& state, Evaluation evaluate) {
    Cls6Variables v;
    for (auto _ : state) {
        float sum = 0;
        for (int i = 0; i < kGrid; ++i)
            for (int j = 0; j < kGrid; ++j) {
                v.x = GridValue(i);
                v.y = GridValue(j);
                float value = 0;
                evaluate(value, j, v);
                sum += value;
            }
        benchmark::DoNotOptimize(sum);
    }
    Finish(state);
}

// A prepared text: no text looked up per point.
void BM_Prepared(benchmark::State& state) {
    const Cls6::Compiled text = Cls6::Prepare(Compile(Selected(state).text));
    Cls6 engine;
    GridLoop(state, [&](float& value, int, const Cls6Variables& v) { SafeEvaluate(engine, text, false, value, v); });
}

// A prepared text over the grid, as the surface sampler evaluates it: the
// parts that read only x computed once per row, those that read only y once
// per column, the rest a row at a time.
void BM_Grid(benchmark::State& state) {
    const Cls6::Compiled text = Cls6::Prepare(Compile(Selected(state).text));
    Cls6 engine;
    std::vector<float> columns;
    for (int j = 0; j < kGrid; ++j) columns.push_back(GridValue(j));
    Cls6Grid grid(text, 1u << 2, 3, columns);
    GridLoop(state, [&](float& value, int column, const Cls6Variables& v) {
        SafeEvaluate(engine, grid, column, false, value, v);
    });
}

void BM_MuParser(benchmark::State& state) {
    mu::Parser parser;
    double x = 0, y = 0;
    parser.DefineVar("x", &x);
    parser.DefineVar("y", &y);
    parser.SetExpr(Selected(state).muparser);
    for (auto _ : state) {
        float sum = 0;
        for (int i = 0; i < kGrid; ++i)
            for (int j = 0; j < kGrid; ++j) {
                x = GridValue(i);
                y = GridValue(j);
                sum += static_cast<float>(parser.Eval());
            }
        benchmark::DoNotOptimize(sum);
    }
    Finish(state);
}

void BM_PlainCpp(benchmark::State& state) {
    float (*plain)(double, double) = Selected(state).plain;
    for (auto _ : state) {
        float sum = 0;
        for (int i = 0; i < kGrid; ++i)
            for (int j = 0; j < kGrid; ++j) sum += plain(GridValue(i), GridValue(j));
        benchmark::DoNotOptimize(sum);
    }
    Finish(state);
}

BENCHMARK(BM_TextApi)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Prepared)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Grid)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MuParser)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainCpp)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
