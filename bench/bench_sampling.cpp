// Sampling of plane graphs beside the same arrays filled by plain C++ code
// computing the same expressions (the limit).
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "graph/SamplingContext.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

// y = sin(x)*x^2 over -5..5 in 2000 segments with its first and second derivatives.
constexpr int kSegments = 2000;
constexpr float kMin = -5;
constexpr float kMax = 5;

void BM_ExplicitCurveWithDerivatives(benchmark::State& state) {
    ResetProgramState();
    const auto graph = Cls9::Init(1, "f", GraphType::Function2D, CoordType::PlaneCartesian, "0",
                                  "x", "sin(x)*x^2", 1, kSegments, 0, 0, kMin, kMax, 4, 0, 0, 0,
                                  1, 1, 3, 3);
    Cls9& g = *graph;
    g.FunForm = FunForm::Explicit;
    g.ShowDev = true;
    g.ShowCurv = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(g.GetPoints());
        benchmark::DoNotOptimize(g.VertDev2(0, kSegments).y);
    }
    state.SetItemsProcessed(state.iterations() * (kSegments + 1));
}
BENCHMARK(BM_ExplicitCurveWithDerivatives)->Unit(benchmark::kMicrosecond);

void BM_ExplicitCurveWithDerivativesPlainCpp(benchmark::State& state) {
    ResetProgramState();
    PointGrid curve, dev, dev2;
    const ClipRange view = ClipRange::View();
    for (auto _ : state) {
        curve.Create(1, kSegments);
        dev.Create(1, kSegments);
        dev2.Create(1, kSegments);
        const float step = static_cast<float>((double(kMax) - kMin) / kSegments);
        for (int j = 0; j <= kSegments; ++j) {
            const float p = SamplePosition(kMin, j, step);
            const double x = p;
            const double s = std::sin(x), c = std::cos(x);
            SamplePoint& a = curve(0, j);
            a.x = p;
            a.y = static_cast<float>(s * x * x);
            a.z = 0;
            view.Apply(a);
            SamplePoint& b = dev(0, j);
            b.x = p;
            b.y = static_cast<float>(c * x * x + 2 * x * s);
            b.z = 0;
            view.Apply(b);
            SamplePoint& d = dev2(0, j);
            d.x = p;
            d.y = static_cast<float>(-s * x * x + 4 * x * c + 2 * s);
            d.z = 0;
            view.Apply(d);
        }
        benchmark::DoNotOptimize(dev2(0, kSegments).y);
    }
    state.SetItemsProcessed(state.iterations() * (kSegments + 1));
}
BENCHMARK(BM_ExplicitCurveWithDerivativesPlainCpp)->Unit(benchmark::kMicrosecond);

// The same arrays with the derivative texts exactly as the derivative chain
// prints them (nothing is simplified), written out as C++.
void BM_ExplicitCurveWithDerivativesPlainCppLiteral(benchmark::State& state) {
    ResetProgramState();
    PointGrid curve, dev, dev2;
    const ClipRange view = ClipRange::View();
    using std::cos, std::pow, std::sin;
    for (auto _ : state) {
        curve.Create(1, kSegments);
        dev.Create(1, kSegments);
        dev2.Create(1, kSegments);
        const float step = static_cast<float>((double(kMax) - kMin) / kSegments);
        for (int j = 0; j <= kSegments; ++j) {
            const float p = SamplePosition(kMin, j, step);
            const double x = p;
            SamplePoint& a = curve(0, j);
            a.x = p;
            a.y = static_cast<float>(sin(x) * pow(x, 2));
            a.z = 0;
            view.Apply(a);
            SamplePoint& b = dev(0, j);
            b.x = p;
            // (1*cos(x)*x^2+sin(x)*(1*2*x^1))/x^2^0
            b.y = static_cast<float>((1 * cos(x) * pow(x, 2) + sin(x) * (1 * 2 * pow(x, 1))) /
                                     pow(pow(x, 2), 0));
            b.z = 0;
            view.Apply(b);
            SamplePoint& d = dev2(0, j);
            d.x = p;
            d.y = static_cast<float>(
                ((((0 * cos(x) + 1 * (-(1) * sin(x))) / pow(cos(x), 0) * pow(x, 2) +
                   1 * cos(x) * (1 * 2 * pow(x, 1))) /
                      pow(pow(x, 2), 0) +
                  (1 * cos(x) * (1 * 2 * pow(x, 1)) +
                   sin(x) *
                       (((0 * 2 + 1 * 0) / pow(2, 0) * pow(x, 1) + 1 * 2 * (1 * 1 * pow(x, 0))) /
                        pow(pow(x, 1), 0))) /
                      pow(1 * 2 * pow(x, 1), 0)) *
                     pow(pow(x, 2), 0) -
                 (1 * cos(x) * pow(x, 2) + sin(x) * (1 * 2 * pow(x, 1))) * 0) /
                pow(pow(pow(x, 2), 0), 2));
            d.z = 0;
            view.Apply(d);
        }
        benchmark::DoNotOptimize(dev2(0, kSegments).y);
    }
    state.SetItemsProcessed(state.iterations() * (kSegments + 1));
}
BENCHMARK(BM_ExplicitCurveWithDerivativesPlainCppLiteral)->Unit(benchmark::kMicrosecond);

// dy/dx = sin(x)-y/2: 11 solutions of 1000 Euler steps over x 0..10, starts over y -2..2.
constexpr int kSteps = 1000;
constexpr int kCurves = 10; // StepV: solutions 0..10

void BM_OdeFamily(benchmark::State& state) {
    ResetProgramState();
    const auto graph = Cls9::Init(1, "ode", GraphType::ODE, 0, "0", "0", "sin(x)-y/2", kSteps,
                                  kCurves, 0, 10, -2, 2, 4, 0, 0, 0, 1, 1, 3, 3);
    Cls9& g = *graph;
    for (auto _ : state) {
        benchmark::DoNotOptimize(g.GetPoints());
        benchmark::DoNotOptimize(g.VertODE(kSteps, kCurves).y);
    }
    state.SetItemsProcessed(state.iterations() * kSteps * (kCurves + 1));
}
BENCHMARK(BM_OdeFamily)->Unit(benchmark::kMicrosecond);

void BM_OdeFamilyPlainCpp(benchmark::State& state) {
    ResetProgramState();
    PointGrid main, dev, dev2, ode;
    for (auto _ : state) {
        main.Create(kSteps, kCurves);
        dev.Create(kSteps, kCurves);
        dev2.Create(kSteps, kCurves);
        ode.Create(kSteps, kCurves);
        const float dU = static_cast<float>(10.0 / kSteps);
        const float upper = 4, lower = -4;
        for (int j = 0; j <= kCurves; ++j) {
            SamplePoint& start = ode(0, j);
            start.x = 0;
            start.y = static_cast<float>(-2.0 + j * (4.0 / kCurves));
        }
        for (int k = 1; k <= kSteps; ++k) {
            const float x = SamplePosition(0, k, dU);
            for (int j = 0; j <= kCurves; ++j) {
                const SamplePoint& prev = ode(k - 1, j);
                const float s = static_cast<float>(std::sin(double(prev.x)) - double(prev.y) / 2);
                float y = static_cast<float>(double(prev.y) + double(s) * dU);
                if (y > upper || y < lower) y = UndefinedValue;
                SamplePoint& p = ode(k, j);
                p.x = x;
                p.y = y;
                p.z = 0;
            }
        }
        benchmark::DoNotOptimize(ode(kSteps, kCurves).y);
    }
    state.SetItemsProcessed(state.iterations() * kSteps * (kCurves + 1));
}
BENCHMARK(BM_OdeFamilyPlainCpp)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
