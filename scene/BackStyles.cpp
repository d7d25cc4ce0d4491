#include "scene/BackStyles.h"

#include <cmath>

namespace {

constexpr const char* Corners[BackStyleCount + 1] = {
    nullptr, "PPPPP", "PPQQM", "QQPPM", nullptr, nullptr, "QPQPM", "PQPQM", nullptr, nullptr,
    "MPQMM", "MQPMM", "PQQPP", "QPPQQ", "PMMQM", "QMMPM", "QPPQP", "PQQPQ", "PPPPQ", "QQQQP"};

double Share(char colour) { return colour == 'P' ? 0.0 : colour == 'Q' ? 1.0 : 0.5; }

struct Corner {
    double x, y, share;
};

// The linear interpolation over the triangle a, b, c at (u, v).
double OverTriangle(const Corner& a, const Corner& b, const Corner& c, double u, double v) {
    const double area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
    const double wb = ((u - a.x) * (c.y - a.y) - (c.x - a.x) * (v - a.y)) / area;
    const double wc = ((b.x - a.x) * (v - a.y) - (u - a.x) * (b.y - a.y)) / area;
    return (1 - wb - wc) * a.share + wb * b.share + wc * c.share;
}

} // namespace

const char* BackStyleCorners(std::int32_t style) {
    return style >= 1 && style <= BackStyleCount ? Corners[style] : nullptr;
}

bool BackStyleBands(std::int32_t style) { return style == 4 || style == 5 || style == 8 || style == 9; }

double BackStyleMix(std::int32_t style, double u, double v) {
    if (BackStyleBands(style)) {
        // The second colour's share grows from the middle line outward (4, 8)
        // or from the outer edges inward (5, 9).
        const double across = style == 4 || style == 5 ? v : u;
        const double fromMiddle = std::fabs(2 * across - 1);
        return style == 4 || style == 8 ? fromMiddle : 1 - fromMiddle;
    }
    const char* c = BackStyleCorners(style);
    if (c == nullptr) return 0;
    const Corner bl{0, 0, Share(c[0])}, br{1, 0, Share(c[1])}, tl{0, 1, Share(c[2])}, tr{1, 1, Share(c[3])};
    const Corner centre{0.5, 0.5, Share(c[4])};
    if (v <= u && v <= 1 - u) return OverTriangle(bl, br, centre, u, v);
    if (v >= u && v >= 1 - u) return OverTriangle(tl, tr, centre, u, v);
    if (u <= v && u <= 1 - v) return OverTriangle(bl, tl, centre, u, v);
    return OverTriangle(br, tr, centre, u, v);
}
