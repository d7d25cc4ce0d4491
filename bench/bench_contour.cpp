// Contour lines of a 200 x 200 grid with 20 level steps (21 levels), beside a
// plain marching-squares pass over the same grid and levels (the limit: every
// cell looked at once per level, no tracing). Both are compiled into a display
// list as the drawing does, and both are also run without GL (the contour
// lines in a document kind that draws nothing, marching squares summing its
// segments). Needs a display (xvfb-run).
#include "bench/BenchGlContext.h"
#include "core/Globals.h"
#include "render/CContour.h"

#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <cmath>
#include <vector>

namespace {

constexpr int Side = 200;
constexpr int LevelSteps = 20;

// Hills, hollows and saddles.
float Height(int i, int j) { return float(std::sin(i / 15.0) * std::cos(j / 20.0) + 0.3 * std::sin((i + j) / 30.0)); }

ContourGrid MakeGrid() {
    ContourGrid g(Side, Side);
    for (int i = 1; i <= Side; ++i)
        for (int j = 1; j <= Side; ++j) g(i, j) = Height(i, j);
    return g;
}

void DrawContour(const ContourGrid& grid) {
    CContour().Contour(Side, Side, 0.05f, 0.05f, grid, -5, -5, 0, LevelSteps, 1, 0xFF, 0xFF0000, 1);
}

// Marching squares: per level and cell, the corners above the level pick the
// crossed edges, interpolated and drawn as GL_LINES pairs (or summed).
template <class Segment>
void MarchingSquares(const std::vector<float>& h, Segment&& segment, bool gl) {
    float zmin = h[0], zmax = h[0];
    for (float v : h) {
        zmin = std::min(zmin, v);
        zmax = std::max(zmax, v);
    }
    const double dz = (double(zmax) - zmin) / LevelSteps;
    const double dx = 0.05, dy = 0.05, x0 = -5, y0 = -5;
    // Edges of a cell: 0 top (a-b), 1 right (b-d), 2 bottom (c-d), 3 left (a-c).
    static const int pairs[16][4] = {{-1, -1, -1, -1}, {3, 0, -1, -1}, {0, 1, -1, -1}, {3, 1, -1, -1},
                                     {1, 2, -1, -1},   {3, 0, 1, 2},   {0, 2, -1, -1},  {3, 2, -1, -1},
                                     {2, 3, -1, -1},   {2, 0, -1, -1}, {0, 1, 2, 3},    {2, 1, -1, -1},
                                     {1, 3, -1, -1},   {1, 0, -1, -1}, {0, 3, -1, -1},  {-1, -1, -1, -1}};
    for (int k = 0; k <= LevelSteps; ++k) {
        const float L = float(zmin + k * dz);
        if (gl) {
            const double t = (double(L) - zmin) / (double(zmax) - zmin);
            glColor3d(t, 0, 1 - t);
            glBegin(GL_LINES);
        }
        for (int i = 0; i + 1 < Side; ++i) {
            const float* top = &h[std::size_t(i) * Side];
            const float* bottom = top + Side;
            for (int j = 0; j + 1 < Side; ++j) {
                const float a = top[j], b = top[j + 1], c = bottom[j], d = bottom[j + 1];
                const int index = (a > L) | (b > L) << 1 | (d > L) << 2 | (c > L) << 3;
                if (index == 0 || index == 15) continue;
                auto point = [&](int edge, double& x, double& y) {
                    switch (edge) {
                    case 0: x = j + (L - a) / double(b - a), y = i; break;
                    case 1: x = j + 1, y = i + (L - b) / double(d - b); break;
                    case 2: x = j + (L - c) / double(d - c), y = i + 1; break;
                    default: x = j, y = i + (L - a) / double(c - a); break;
                    }
                    x = x0 + (x + 1) * dx;
                    y = y0 + (y + 1) * dy;
                };
                const int* p = pairs[index];
                for (int s = 0; s < 4 && p[s] >= 0; s += 2) {
                    double xa, ya, xb, yb;
                    point(p[s], xa, ya);
                    point(p[s + 1], xb, yb);
                    segment(xa, ya, xb, yb);
                }
            }
        }
        if (gl) glEnd();
    }
}

std::vector<float> Flat(const ContourGrid& g) {
    std::vector<float> h;
    for (int i = 1; i <= Side; ++i)
        for (int j = 1; j <= Side; ++j) h.push_back(g(i, j));
    return h;
}

void BM_ContourLinesIntoList(benchmark::State& state) {
    const ContourGrid grid = MakeGrid();
    DocumentKind = 7;
    for (auto _ : state) {
        glNewList(1, GL_COMPILE);
        DrawContour(grid);
        glEndList();
    }
    glDeleteLists(1, 1);
}
BENCHMARK(BM_ContourLinesIntoList)->Unit(benchmark::kMicrosecond);

void BM_MarchingSquaresIntoList(benchmark::State& state) {
    const std::vector<float> h = Flat(MakeGrid());
    for (auto _ : state) {
        glNewList(1, GL_COMPILE);
        MarchingSquares(
            h,
            [](double xa, double ya, double xb, double yb) {
                glVertex3d(xa, ya, 0);
                glVertex3d(xb, yb, 0);
            },
            true);
        glEndList();
    }
    glDeleteLists(1, 1);
}
BENCHMARK(BM_MarchingSquaresIntoList)->Unit(benchmark::kMicrosecond);

void BM_ContourLinesNoGl(benchmark::State& state) {
    const ContourGrid grid = MakeGrid();
    DocumentKind = 1; // traced, not drawn
    for (auto _ : state) DrawContour(grid);
}
BENCHMARK(BM_ContourLinesNoGl)->Unit(benchmark::kMicrosecond);

void BM_MarchingSquaresNoGl(benchmark::State& state) {
    const std::vector<float> h = Flat(MakeGrid());
    for (auto _ : state) {
        double sum = 0;
        MarchingSquares(h, [&](double xa, double ya, double xb, double yb) { sum += xa + ya + xb + yb; }, false);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_MarchingSquaresNoGl)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunBenchmarksWithGlContext(argc, argv); }
