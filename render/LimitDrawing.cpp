// Limit graphs: f near the point x0 that is approached.
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "render/DrawingState.h"
#include "render/OdeLimitDrawing.h"
#include "render/PlaneDrawing.h"

#include <GL/gl.h>

#include <algorithm>

void DrawLimitGraph(const Cls9& g) {
    PlanePolygonState();
    BeginLineState();
    // Samples 0..last of row 0; x is a sample position, only y is tested.
    const std::int64_t last = g.Vert3D.Upper(0) >= 0 ? std::min<std::int64_t>(g.StepV, g.Vert3D.Upper(1)) : -1;
    const auto defined = [](const SamplePoint* p) { return p != nullptr && p->y != UndefinedValue; };

    if (g.LimitShowL) {
        for (std::int64_t j = 0; j < last; ++j) {
            const SamplePoint* a = g.Vert3D.Find(0, j);
            const SamplePoint* b = g.Vert3D.Find(0, j + 1);
            if (!defined(a) || !defined(b)) continue;
            SetLineWidth(1);
            glColor3d(0, 0, 1);
            DrawPlaneSegment(a->x, a->y, 0, b->x, b->y, 0);
        }
    }
    if (g.LimitShowP) {
        Cls2 marker;
        for (std::int64_t j = 0; j <= last; ++j) {
            const SamplePoint* p = g.Vert3D.Find(0, j);
            if (defined(p)) DrawPlaneMarker(p->x, p->y, 255, 0.3f, Symbol::FilledCircle, marker);
        }
    }
    // x0 over the whole height of the graph's box, over the curve and markers.
    const Cls1 box = g.BoxFields();
    SetLineWidth(1);
    glColor3d(0, 1, 0);
    DrawPlaneSegment(g.LimitX0, box.MaxY, 0, g.LimitX0, box.MinY, 0);
    EndLineState();
}
