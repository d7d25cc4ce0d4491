#pragma once
// Plane segment geometry on 32-bit floats.
#include <cstdint>

// The common point of the segments (x1,y1)-(x2,y2) and (x3,y3)-(x4,y4):
// 0 none (when the lines are not parallel, (px,py) still receives the crossing
// point of the lines), 1 one crossing point (px,py), 2 the segments lie on one
// line and overlap from (px,py) to (qx,qy). End points belong to the segments.
// A vertical segment gets the slope 10000. A floating overflow gives 0.
std::int16_t SegmentIntersect(float x1, float y1, float x2, float y2, float x3, float y3,
                              float x4, float y4, float& px, float& py, float& qx, float& qy);

// Slope k and intercept b of the line through (x1,y1) and (x2,y2); a vertical
// line (x1 = x2) gets k = 10000 and b taken through the first point.
void LineCoef(float x1, float y1, float x2, float y2, float& k, float& b);

// p when p < q, else q.
float MinOf(float p, float q);
// p when p > q, else q.
float MaxOf(float p, float q);

// sqrt(a^2 + b^2).
double Hypot(float a, float b);
