// Steps of the surface drawing that draw nothing yet: the colour maps, the
// tangent planes and normal lines, and the contour and vector views.
#include "render/SurfaceDrawing.h"

void DrawColorMapGraph(SurfaceWork&) {}
void DrawTangentPlanesAndNormalLines(SurfaceWork&) {}
void DrawSurfaceColorMapView(SurfaceWork&) {}
void DrawSurfaceContourAndVectorViews(SurfaceWork&) {}
