// Sampling runs at every edit and every change of the frame count. Two space
// samplings, each beside the same arrays filled by plain C++ computing the
// same expressions (the limit): a 200x200 explicit surface with both
// partial-derivative surfaces, and a 60x60 surface animation of 30 frame
// steps (31 frames).
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "math/Cls6.h"
#include "math/SafeEvaluate.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

namespace {

constexpr int kGrid = 200;
constexpr int kAnimGrid = 60;
constexpr int kFrames = 30;


float Position(float min, float step, std::int64_t k) {
    return static_cast<float>(static_cast<double>(min) + static_cast<double>(k) * step);
}

float Clip90(double value) {
    const float f = static_cast<float>(value);
    return f > 90 || f < -90 ? UndefinedValue : f;
}

// An explicit Cartesian surface as the dialog of space graphs makes it.
std::shared_ptr<Cls9> SurfaceGraph() {
    auto g = Cls9::Init(1, "", GraphType::Surface3D, CoordType::Cartesian, "x", "y",
                        "sin(x)*cos(y)+x^2", kGrid, kGrid, -3, 3, -3, 3, 1, 0, 0, 0, 1, 1, 3, 3);
    g->FunForm = FunForm::Explicit;
    g->ShowSurPX = g->ShowSurPY = true;
    return g;
}

void BM_SurfaceWithPartials(benchmark::State& state) {
    ResetProgramState();
    const auto graph = SurfaceGraph();
    Cls9& g = *graph;
    for (auto _ : state) {
        const bool sampled = g.GetPoints();
        benchmark::DoNotOptimize(sampled);
    }
    state.SetItemsProcessed(state.iterations() * (kGrid + 1) * (kGrid + 1));
}
BENCHMARK(BM_SurfaceWithPartials)->Unit(benchmark::kMillisecond);

// The evaluations alone that the sampling above makes, with no arrays: the
// X, Y and Z texts and the two derivative texts at every grid point. What
// GetPoints takes beyond this is the sampling's own work.
void BM_SurfaceWithPartialsEvaluationsOnly(benchmark::State& state) {
    Cls6 engine;
    std::string texts[5];
    engine.InfixToPostfix("x", texts[0]);
    engine.InfixToPostfix("y", texts[1]);
    engine.InfixToPostfix("sin(x)*cos(y)+x^2", texts[2]);
    engine.InfixToPostfix("(1*cos(x)*cos(y)+sin(x)*(-(0)*sin(y)))/cos(y)^0+1*2*x^1", texts[3]);
    engine.InfixToPostfix("(0*cos(x)*cos(y)+sin(x)*(-(1)*sin(y)))/cos(y)^0+0*2*x^1", texts[4]);
    const float step = static_cast<float>(6.0 / kGrid);
    for (auto _ : state) {
        float sum = 0;
        for (int j = 0; j <= kGrid; ++j) {
            const float u = Position(-3, step, j);
            for (int i = 0; i <= kGrid; ++i) {
                const float v = Position(-3, step, i);
                for (const std::string& text : texts) {
                    float value = 0;
                    SafeEvaluate(engine, text, false, value, 0, 0, u, v, 0, 0, 0, 0, 0);
                    sum += value;
                }
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * (kGrid + 1) * (kGrid + 1));
}
BENCHMARK(BM_SurfaceWithPartialsEvaluationsOnly)->Unit(benchmark::kMillisecond);

// The limit: the three arrays filled by plain C++, each expression a function
// of its own as its text reads (the derivative texts are not simplified), so
// that the compiler shares no work between them.
[[gnu::noinline]] double Surface(double x, double y) { return std::sin(x) * std::cos(y) + x * x; }
// (1*cos(x)*cos(y)+sin(x)*(-(0)*sin(y)))/cos(y)^0+1*2*x^1
[[gnu::noinline]] double SurfaceByX(double x, double y) {
    return (1 * std::cos(x) * std::cos(y) + std::sin(x) * (-(0.0) * std::sin(y))) /
               std::pow(std::cos(y), 0) +
           1 * 2 * std::pow(x, 1);
}
// (0*cos(x)*cos(y)+sin(x)*(-(1)*sin(y)))/cos(y)^0+0*2*x^1
[[gnu::noinline]] double SurfaceByY(double x, double y) {
    return (0 * std::cos(x) * std::cos(y) + std::sin(x) * (-(1.0) * std::sin(y))) /
               std::pow(std::cos(y), 0) +
           0 * 2 * std::pow(x, 1);
}

// The same three arrays by plain C++ computing the simplified formulas of
// the surface and its two partials.
[[gnu::noinline]] double SimplifiedByX(double x, double y) { return std::cos(x) * std::cos(y) + 2 * x; }
[[gnu::noinline]] double SimplifiedByY(double x, double y) { return -(std::sin(x) * std::sin(y)); }

// Fills the three arrays by plain C++ with the given partial formulas.
void PlainSurfaceWithPartials(benchmark::State& state, double (*byX)(double, double),
                              double (*byY)(double, double)) {
    ResetProgramState();
    const auto graph = SurfaceGraph();
    Cls9& g = *graph;
    const float step = static_cast<float>(6.0 / kGrid);
    for (auto _ : state) {
        g.Vert3D.Create(kGrid, kGrid);
        g.VertPX.Create(kGrid, kGrid);
        g.VertPY.Create(kGrid, kGrid);
        for (int j = 0; j <= kGrid; ++j) {
            const float u = Position(-3, step, j);
            for (int i = 0; i <= kGrid; ++i) {
                const float v = Position(-3, step, i);
                const double x = u, y = v;
                SamplePoint& p = g.Vert3D(j, i);
                p.z = Clip90(x);
                p.x = Clip90(y);
                p.y = Clip90(static_cast<float>(Surface(x, y)));
                SamplePoint& px = g.VertPX(j, i);
                px.z = u;
                px.x = v;
                px.y = static_cast<float>(byX(x, y));
                SamplePoint& py = g.VertPY(j, i);
                py.z = u;
                py.x = v;
                py.y = static_cast<float>(byY(x, y));
            }
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * (kGrid + 1) * (kGrid + 1));
}

void BM_SurfaceWithPartialsPlainCppSimplified(benchmark::State& state) {
    PlainSurfaceWithPartials(state, SimplifiedByX, SimplifiedByY);
}
BENCHMARK(BM_SurfaceWithPartialsPlainCppSimplified)->Unit(benchmark::kMillisecond);

void BM_SurfaceWithPartialsPlainCpp(benchmark::State& state) {
    PlainSurfaceWithPartials(state, SurfaceByX, SurfaceByY);
}
BENCHMARK(BM_SurfaceWithPartialsPlainCpp)->Unit(benchmark::kMillisecond);

std::shared_ptr<Cls9> AnimationGraph() {
    auto g = Cls9::Init(1, "", GraphType::Surface3DAnimation, CoordType::Cartesian, "x", "y",
                        "sin(x+t)*cos(y)+x^2", kAnimGrid, kAnimGrid, -3, 3, -3, 3, 1, 0, 0, 0, 1,
                        1, 3, 3);
    g->FunForm = FunForm::Explicit;
    g->Animation = true;
    g->MinT = 0;
    g->MaxT = 6.2831853f;
    return g;
}

constexpr std::int64_t kAnimPoints = std::int64_t(kAnimGrid + 1) * (kAnimGrid + 1) * (kFrames + 1);

void BM_SurfaceAnimation(benchmark::State& state) {
    ResetProgramState();
    FrameCount = kFrames;
    const auto graph = AnimationGraph();
    Cls9& g = *graph;
    for (auto _ : state) {
        const bool sampled = g.GetPoints();
        benchmark::DoNotOptimize(sampled);
    }
    state.SetItemsProcessed(state.iterations() * kAnimPoints);
}
BENCHMARK(BM_SurfaceAnimation)->Unit(benchmark::kMillisecond);

[[gnu::noinline]] double Wave(double x, double y, double t) {
    return std::sin(x + t) * std::cos(y) + x * x;
}

void BM_SurfaceAnimationPlainCpp(benchmark::State& state) {
    ResetProgramState();
    FrameCount = kFrames;
    const auto graph = AnimationGraph();
    Cls9& g = *graph;
    const float step = static_cast<float>(6.0 / kAnimGrid);
    const float dT = static_cast<float>(6.2831853 / kFrames);
    const auto clip = [](float value, float min, float max) {
        return value > max || value < min ? UndefinedValue : value;
    };
    for (auto _ : state) {
        g.Anim3D.Create(kAnimGrid, kAnimGrid, kFrames);
        for (int j = 0; j <= kAnimGrid; ++j) {
            const float u = Position(-3, step, j);
            for (int i = 0; i <= kAnimGrid; ++i) {
                const float v = Position(-3, step, i);
                for (int k = 0; k <= kFrames; ++k) {
                    const float t = Position(0, dT, k);
                    SamplePoint& p = g.Anim3D(j, i, k);
                    p.z = clip(u, ViewMinZ, ViewMaxZ);
                    p.x = clip(v, ViewMinX, ViewMaxX);
                    p.y = clip(static_cast<float>(Wave(u, v, t)),
                               ViewMinY, ViewMaxY);
                }
            }
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kAnimPoints);
}
BENCHMARK(BM_SurfaceAnimationPlainCpp)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
