// The steps of the plane sequence that are not drawn yet: each draws and
// writes nothing and lets the drawing go on. A step that gets its drawing
// moves to a file of its own and leaves this list.
#include "render/PlaneDrawing.h"

// Implicit and inequality forms.
void DrawImplicitPlaneGraph(Cls9&, GraphDrawing&, std::int32_t) {}

// Integral and area under the curve.
bool DrawIntegralOverlay(Cls9&, GraphDrawing&) { return true; }

// Intersections of two curves: no search yet, so no point is found.
bool SearchIntersections(Cls9&, GraphDrawing& work) {
    work.IntersectionCount = 0;
    return true;
}

// Area between two curves.
bool DrawAreaBetweenCurves(Cls9&, GraphDrawing&) { return true; }
