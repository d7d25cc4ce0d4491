// Points and point animations: one marker at the graph's point.
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "render/DrawingState.h"
#include "render/GraphDrawing.h"
#include "scene/Cls8.h"

#include <cmath>

void DrawPointGraph(const Cls9& graph, std::int32_t lngAnimStep) {
    // Plane and special-graph documents draw the marker unlit and smoothed.
    const bool flat = DocumentKind == 1 || DocumentKind == 7;
    if (flat) BeginLineState();

    // A point that was never sampled is left out like an undefined one.
    const SamplePoint* found =
        graph.GraphType == GraphType::PointAnimation ? graph.Anim1D.Find(lngAnimStep) : graph.Vert3D.Find(0, 0);
    if (found != nullptr && found->x != UndefinedValue && found->y != UndefinedValue &&
        found->z != UndefinedValue) {
        const SamplePoint& source = *found;
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
        if (std::isfinite(marker.x) && std::isfinite(marker.y) && std::isfinite(marker.z)) marker.Draw();
    }

    if (flat) EndLineState();
}

void PrepareMarkerSpheres(const Cls8& scene) {
    if (DocumentKind == 1) return; // plane markers are flat
    for (const auto& e : scene.FunSurfs)
        if (e.graph->GraphType == GraphType::Point || e.graph->GraphType == GraphType::PointAnimation)
            Cls2::PrepareSphere(e.graph->PointSize);
}
