// Solution curves of a differential equation dy/dx = f(x, y).
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "render/DrawingState.h"
#include "render/OdeLimitDrawing.h"
#include "render/PlaneDrawing.h"

#include <algorithm>

void DrawODESolutions(const Cls9& g) {
    PlanePolygonState();
    BeginLineState();
    const ColorTriple rgb = ColorToRGB(g.ODEColor);
    // The solutions the sampling made; a graph sampled with other counts
    // draws only what its array holds.
    const std::int64_t lastSolution = std::min<std::int64_t>(g.ODEInitial ? 0 : g.StepV, g.VertODE.Upper(1));
    const std::int64_t steps = std::min<std::int64_t>(g.StepU, g.VertODE.Upper(0));
    for (std::int64_t c = 0; c <= lastSolution; ++c) {
        SetColor(rgb);
        SetLineWidth(g.ODEWidth);
        for (std::int64_t k = 1; k <= steps; ++k) {
            // x is a step position, never an evaluated value: only y is tested.
            const SamplePoint* a = g.VertODE.Find(k - 1, c);
            const SamplePoint* b = g.VertODE.Find(k, c);
            if (a == nullptr || b == nullptr || a->y == UndefinedValue || b->y == UndefinedValue) continue;
            DrawPlaneSegment(a->x, a->y, 0, b->x, b->y, 0);
        }
    }
    EndLineState();
}
