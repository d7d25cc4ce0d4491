// The implicit scan of x^2+y^2-1 over -5..5 by -5..5 (401 x 401 nodes),
// compiled into a display list as the drawing does, beside plain C++
// evaluating the polynomial at the same nodes (the limit: no expression
// engine, no GL); and the intersection search of two curves of 5000
// segments, alone and as part of the whole drawing. Needs a display
// (xvfb-run).
#include "bench/BenchGlContext.h"
#include "core/Globals.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "render/PlaneDrawing.h"
#include "scene/Cls8.h"

#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <cmath>
#include <memory>

namespace {

std::shared_ptr<Cls9> Circle() {
    std::shared_ptr<Cls9> g = Cls9::Init(1, "f", GraphType::Function2D, CoordType::PlaneCartesian, "x", "y",
                                         "x^2+y^2-1", 1, 1, -5, 5, -5, 5, FillStyle::OneColor, 0, 0, 255, 1, 1,
                                         Show::FilledSurface, Smoothness::Smooth);
    g->FunForm = FunForm::Implicit;
    g->GetPoints();
    return g;
}

// Draws the graph into a display list, as a rebuild of the view does.
void DrawIntoList(benchmark::State& state, Cls9& g, float scale) {
    DocumentKind = 1;
    Scale2D = scale;
    for (auto _ : state) {
        glNewList(1, GL_COMPILE);
        g.Draw();
        glEndList();
    }
    glDeleteLists(1, 1);
}

void BM_ImplicitScanIntoList(benchmark::State& state) {
    DrawIntoList(state, *Circle(), 1);
    state.counters["nodes"] = 401.0 * 401.0;
}
BENCHMARK(BM_ImplicitScanIntoList)->Unit(benchmark::kMillisecond);

// The same nodes (i / 40 as floats) and test, the polynomial in doubles.
void BM_PlainPolynomial(benchmark::State& state) {
    for (auto _ : state) {
        int plotted = 0;
        for (int i = -200; i <= 200; ++i) {
            const double u = float(i / 40.0);
            for (int j = -200; j <= 200; ++j) {
                const double v = float(j / 40.0);
                const float f = float(u * u + v * v - 1);
                plotted += f > -0.025f && f < 0.025f;
            }
        }
        benchmark::DoNotOptimize(plotted);
    }
}
BENCHMARK(BM_PlainPolynomial)->Unit(benchmark::kMillisecond);

std::shared_ptr<Cls9> TwoCurves() {
    std::shared_ptr<Cls9> g = Cls9::Init(1, "f", GraphType::Intersection, CoordType::PlaneCartesian, "0", "x",
                                         "sin(x)", 1, 5000, 0, 0, 0, 100, FillStyle::OneColor, 0, 0, 255, 1, 1,
                                         Show::FilledSurface, Smoothness::Smooth);
    g->FunForm = FunForm::Explicit;
    g->Exp2 = "cos(x)";
    g->Show2DCurve = true;
    g->ShowInter = true;
    g->InterSize = 1;
    g->InterSymbol = Symbol::FilledCircle;
    g->ShowArea = true;
    g->GetPoints();
    return g;
}

// The search alone: 5000 pairs of segments, 32 crossings.
void BM_IntersectionSearch5000(benchmark::State& state) {
    const std::shared_ptr<Cls9> g = TwoCurves();
    GraphDrawing work;
    for (auto _ : state) {
        Result().SetText("");
        SearchIntersections(*g, work);
        benchmark::DoNotOptimize(work.IntersectionCount);
    }
    state.counters["points"] = work.IntersectionCount;
}
BENCHMARK(BM_IntersectionSearch5000)->Unit(benchmark::kMicrosecond);

// The whole graph: search, area (31 integrals), both curves and the markers.
void BM_IntersectionGraph5000IntoList(benchmark::State& state) { DrawIntoList(state, *TwoCurves(), 10); }
BENCHMARK(BM_IntersectionGraph5000IntoList)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return RunBenchmarksWithGlContext(argc, argv); }
