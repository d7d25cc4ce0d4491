#pragma once
// Space vectors (GraphType 31) and vector operations (32), drawn in drawing
// axes (X the mathematical y, Y the mathematical z, Z the mathematical x)
// with their result lines, which name and order the mathematical axes.
//
// A space vector: its line from the start to the end point in VecColor at
// VecWidth, an arrowhead cone at the end, spheres at the marked points, with
// ShowVecB its three component legs (green, each with a cone) and the nine
// yellow box edges that do not meet the start, with ShowVecPrj its
// projections on the three axes (width 2). A vector operation: vector 1
// (red), vector 2 (green, not for the multiple) and the result (blue, the
// cross product pink) as arrows from the origin with spheres at both ends,
// and for the sum and the difference the yellow lines V1 -> R -> V2.
//
// Every cone and sphere is made from its own quadric between a matrix push
// and pop, lit; lines are drawn in the line state. Nothing raises: cosines
// are clamped to -1..1 before ArcCos, and a line or solid at a position that
// is not finite is left out. Ends with EndLineState; the line width last set
// stays.
class Cls9;

void DrawVector(const Cls9& graph);
