// Points and point animations: one marker at the graph's point.
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "render/GraphDrawing.h"
#include "scene/Cls8.h"

#include <GL/gl.h>

void DrawPointGraph(const Cls9& graph, std::int32_t lngAnimStep) {
    // Plane and special-graph documents draw the marker unlit and smoothed.
    const bool flat = DocumentKind == 1 || DocumentKind == 7;
    if (flat) {
        glDisable(GL_LIGHTING);
        glEnable(GL_LINE_SMOOTH);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    }

    const Cls2& source =
        graph.GraphType == GraphType::PointAnimation ? graph.Anim1D(lngAnimStep) : graph.Vert3D(0, 0);
    if (source.x != UndefinedValue && source.y != UndefinedValue && source.z != UndefinedValue) {
        Cls2 marker;
        marker.Color = graph.PointColor;
        marker.Size = graph.PointSize;
        marker.Symbol = graph.PointHollow ? 2 : 1;
        if (DocumentKind == 1) {
            marker.x = source.x / Scale2D;
            marker.y = source.y / Scale2D;
            marker.z = source.z / Scale2D;
        } else {
            marker.x = source.x;
            marker.y = source.y;
            marker.z = source.z;
        }
        marker.Draw();
    }

    if (flat) {
        glEnable(GL_LIGHTING);
        glDisable(GL_LINE_SMOOTH);
        glDisable(GL_BLEND);
    }
}
