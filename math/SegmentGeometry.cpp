#include "math/SegmentGeometry.h"

#include <cmath>
#include <utility>

namespace {
constexpr float kVerticalSlope = 10000.0f;
} // namespace

void LineCoef(float x1, float y1, float x2, float y2, float& k, float& b) {
    k = x1 != x2 ? (y2 - y1) / (x2 - x1) : kVerticalSlope;
    b = y1 - x1 * k;
}

float MinOf(float p, float q) { return p < q ? p : q; }
float MaxOf(float p, float q) { return p > q ? p : q; }

double Hypot(float a, float b) {
    const double da = a, db = b;
    return std::sqrt(da * da + db * db);
}

std::int16_t SegmentIntersect(float x1, float y1, float x2, float y2, float x3, float y3,
                              float x4, float y4, float& px, float& py, float& qx, float& qy) {
    // Each segment ordered by x; equal x keep the given order.
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    if (x3 > x4) {
        std::swap(x3, x4);
        std::swap(y3, y4);
    }
    float k1, b1, k2, b2;
    LineCoef(x1, y1, x2, y2, k1, b1);
    LineCoef(x3, y3, x4, y4, k2, b2);
    if (!std::isfinite(k1) || !std::isfinite(b1) || !std::isfinite(k2) || !std::isfinite(b2))
        return 0;

    if (k1 != k2) {
        const float x = (b1 - b2) / (k2 - k1);
        const float y = x * k1 + b1;
        if (!std::isfinite(x) || !std::isfinite(y)) return 0;
        px = x;
        py = y;
        return (x1 <= x && x <= x2 && x3 <= x && x <= x4) ? 1 : 0;
    }

    if (x3 > x2 || x4 < x1) return 0;
    const float interceptC = y3 - x3 * k1;
    const float interceptA = y1 - x1 * k2;
    if (!std::isfinite(interceptC) || !std::isfinite(interceptA)) return 0;
    if (interceptC != interceptA) return 0;
    const float start = MaxOf(x1, x3);
    const float end = MinOf(x2, x4);
    const float startY = (start - x3) * k1 + y3;
    const float endY = (end - x3) * k1 + y3;
    if (!std::isfinite(startY) || !std::isfinite(endY)) return 0;
    px = start;
    py = startY;
    qx = end;
    qy = endY;
    return 2;
}
