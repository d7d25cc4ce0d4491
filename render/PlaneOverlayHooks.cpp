// The steps of the plane sequence that are not drawn yet: each draws and
// writes nothing and lets the drawing go on. A step that gets its drawing
// moves to a file of its own and leaves this list.
#include "render/PlaneDrawing.h"

// Derivative texts, derivative graph and extrema.
bool DrawDerivativeAnalyses(Cls9&, GraphDrawing&) { return true; }

// Arc length.
bool DrawArcLength(Cls9&, GraphDrawing&) { return true; }

// Tangents and normals at chosen positions.
bool DrawTangentsAndNormals(Cls9&, GraphDrawing&) { return true; }

// Inflection points.
bool DrawInflectionPoints(Cls9&, GraphDrawing&) { return true; }

// Circles of curvature.
bool DrawCurvatureCircles(Cls9&, GraphDrawing&) { return true; }
