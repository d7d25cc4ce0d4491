#pragma once
// Two plane branches of Cls9::Draw that write no result line.
//
// DrawODESolutions (GraphType 36): the Euler solutions of VertODE as plane
// polylines in ODEColor at ODEWidth: solution 0 alone with an initial value,
// else solutions 0..StepV, each of StepU segments.
//
// DrawLimitGraph (GraphType 37): over the samples of row 0 of Vert3D, the
// curve in blue at width 1 (LimitShowL), red filled-circle markers of size
// 0.3 (LimitShowP), then always a green line at LimitX0 over the height of
// the graph's box.
//
// Both follow the plane rules: filled polygons, no texture, the line state;
// each vertex divided by Scale2D; a segment or marker whose sample y is
// undefined (or missing from its array, or not finite once scaled) is left
// out; a width GL refuses draws as 1. They end with EndLineState.
class Cls9;

void DrawODESolutions(const Cls9& graph);
void DrawLimitGraph(const Cls9& graph);
