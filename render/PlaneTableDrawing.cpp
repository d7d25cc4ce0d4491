// Plane tables: polyline, fitted curve and markers of the typed points.
#include "render/PlaneTableDrawing.h"

#include "graph/Cls9.h"
#include "math/CubicSpline.h"
#include "math/SegmentGeometry.h"
#include "render/DrawingState.h"
#include "render/PlaneDrawing.h"
#include "scene/Cls8.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

bool Finite(float v) { return std::isfinite(v); }

// The fitted curve through points 0..last in drawing units, as GL_LINES
// between consecutive curve points at z = 0.
void DrawFittedCurve(Cls9& g, std::int64_t last) {
    std::vector<float> xs, ys;
    xs.reserve(std::size_t(last + 1));
    ys.reserve(std::size_t(last + 1));
    double length = 0;
    for (std::int64_t j = 0; j <= last; ++j) {
        const Cls2& p = g.VertTab3D(0, j);
        xs.push_back(float(p.x / Scale2D));
        ys.push_back(float(p.y / Scale2D));
        if (!Finite(xs.back()) || !Finite(ys.back())) return;
        if (j > 0) length += Hypot(xs.back() - xs[xs.size() - 2], ys.back() - ys[ys.size() - 2]);
    }
    // The spline takes a point every 0.2 of chord length and each interval's
    // end: beyond the limit only a scale far from the table's own (a table
    // drawn in a scene it does not belong to) could have led.
    if (length / 0.2 + 2.0 * double(last + 1) > double(MaxFittedCurvePoints)) return;

    std::vector<float> curveX, curveY;
    std::int32_t count = 0;
    CubicSpline(std::int32_t(last), 1, 0, 0, 0, 0, xs, ys, curveX, curveY, count);
    glBegin(GL_LINES);
    for (std::int32_t k = 0; k + 1 < count; ++k) {
        const std::size_t a = std::size_t(k), b = a + 1;
        if (!Finite(curveX[a]) || !Finite(curveY[a]) || !Finite(curveX[b]) || !Finite(curveY[b])) continue;
        glVertex3f(curveX[a], curveY[a], 0);
        glVertex3f(curveX[b], curveY[b], 0);
    }
    glEnd();
}

} // namespace

void DrawPlaneTable(Cls9& g, const GraphDrawing& work) {
    PlanePolygonState();
    BeginLineState();
    SetLineWidth(g.LineWidth);
    // The table holds at most 201 points, whatever StepV a document says.
    const std::int64_t last = std::min<std::int64_t>(g.StepV, PointTable::Upper);

    if (g.Show2DLine) {
        SetColor(work.LineRGB);
        for (std::int64_t j = 0; j < last; ++j) {
            const Cls2& p = g.VertTab3D(0, j);
            const Cls2& q = g.VertTab3D(0, j + 1);
            DrawPlaneSegment(p.x, p.y, p.z, q.x, q.y, q.z);
        }
    }
    if (g.ShowSmoothCurve && last >= 0) {
        SetColor(g.SmoothCurveColor);
        SetLineWidth(g.SmoothCurveWidth);
        DrawFittedCurve(g, last);
    }
    if (g.Show2DScatter) {
        for (std::int64_t j = 0; j <= last; ++j) {
            // A copy carries the marker: the table keeps the typed values.
            const Cls2& p = g.VertTab3D(0, j);
            Cls2 marker = Cls2::Init(float(p.x / Scale2D), float(p.y / Scale2D), float(p.z / Scale2D));
            if (!Finite(marker.x) || !Finite(marker.y) || !Finite(marker.z)) continue;
            marker.Color = g.ScatterColor;
            marker.Size = float(g.ScatterSize);
            marker.Symbol = g.Symbol;
            marker.Draw();
        }
    }
    EndLineState();
}
