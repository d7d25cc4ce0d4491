#include "math/CubicSpline.h"

#include "core/Errors.h"
#include "math/SegmentGeometry.h"

#include <cstddef>

namespace {

// One coordinate's slopes m_i at the points, given the shared matrix.
struct Axis {
    std::vector<float> p;     // the coordinate at each point
    std::vector<float> delta; // delta[i] = p[i] - p[i-1], i >= 1
    std::vector<float> rhs, g, m;
};

} // namespace

void CubicSpline(std::int32_t n, std::int16_t endCondition, float xStartSlope,
                 float xEndSlope, float yStartSlope, float yEndSlope, std::span<const float> x,
                 std::span<const float> y, std::vector<float>& curveX,
                 std::vector<float>& curveY, std::int32_t& count) {
    count = 0;
    curveX.clear();
    curveY.clear();
    if (n < 0) return;
    const std::size_t given = static_cast<std::size_t>(n) + 1;
    if (x.size() < given || y.size() < given) RaiseSubscriptError();

    // The points without repetitions, with the chord lengths between them.
    Axis ax, ay;
    std::vector<float> h{0.0f};
    ax.p.push_back(x[0]);
    ay.p.push_back(y[0]);
    ax.delta.push_back(0.0f);
    ay.delta.push_back(0.0f);
    for (std::size_t i = 1; i < given; ++i) {
        const float dx = x[i] - ax.p.back();
        const float dy = y[i] - ay.p.back();
        const float chord = ToSingle(Hypot(dx, dy));
        if (chord == 0.0f) continue;
        ax.p.push_back(x[i]);
        ay.p.push_back(y[i]);
        ax.delta.push_back(dx);
        ay.delta.push_back(dy);
        h.push_back(chord);
    }
    const std::size_t last = h.size() - 1; // the number of intervals left
    if (last == 0) {
        curveX.push_back(ax.p[0]);
        curveY.push_back(ay.p[0]);
        count = 1;
        return;
    }

    int condition = endCondition >= 0 && endCondition <= 3 ? endCondition : 2;
    if (last == 1 && condition == 3) condition = 2; // the end parabola needs three points

    // The matrix rows: a left of the diagonal, b on it, c right of it.
    std::vector<float> a(last + 1, 0.0f), b(last + 1, 0.0f), c(last + 1, 0.0f);
    for (Axis* axis : {&ax, &ay}) {
        axis->rhs.assign(last + 1, 0.0f);
        axis->g.assign(last + 1, 0.0f);
        axis->m.assign(last + 1, 0.0f);
    }
    auto d = [&](const Axis& axis, std::size_t i) { return static_cast<double>(axis.delta[i]) / h[i]; };

    for (std::size_t i = 1; i < last; ++i) {
        a[i] = h[i + 1];
        b[i] = ToSingle(2.0 * (static_cast<double>(h[i]) + h[i + 1]));
        c[i] = h[i];
        for (Axis* axis : {&ax, &ay})
            axis->rhs[i] = ToSingle(3.0 * (static_cast<double>(axis->delta[i]) * h[i + 1] / h[i] +
                                           static_cast<double>(axis->delta[i + 1]) * h[i] / h[i + 1]));
    }

    // End rows: conditions 0 and 1 fix the end slopes, 2 and 3 the end second
    // derivatives.
    const std::size_t e = last;
    const bool slopeGiven = condition <= 1;
    b[0] = slopeGiven ? 1.0f : 2.0f;
    c[0] = slopeGiven ? 0.0f : 1.0f;
    a[e] = slopeGiven ? 0.0f : 1.0f;
    b[e] = slopeGiven ? 1.0f : 2.0f;
    for (Axis* axis : {&ax, &ay}) {
        const std::vector<float>& D = axis->delta;
        double start, end;
        switch (condition) {
        case 0:
            if (last == 1) {
                // Two points: the end parabola is the straight segment.
                start = end = d(*axis, 1);
            } else {
                start = d(*axis, 1) - h[1] * (d(*axis, 2) - d(*axis, 1)) /
                                          (static_cast<double>(h[1]) + h[2]);
                end = d(*axis, e) + h[e] * (d(*axis, e) - d(*axis, e - 1)) /
                                        (static_cast<double>(h[e - 1]) + h[e]);
            }
            break;
        case 1:
            start = axis == &ax ? xStartSlope : yStartSlope;
            end = axis == &ax ? xEndSlope : yEndSlope;
            break;
        case 2:
            start = 3.0 * d(*axis, 1);
            end = 3.0 * d(*axis, e);
            break;
        default: // 3
            start = 3.0 * d(*axis, 1) - (static_cast<double>(D[2]) * h[1] / h[2] - D[1]) /
                                            (static_cast<double>(h[1]) + h[2]);
            end = 3.0 * d(*axis, e) + (D[e] - static_cast<double>(D[e - 1]) * h[e] / h[e - 1]) /
                                          (static_cast<double>(h[e - 1]) + h[e]);
            break;
        }
        axis->rhs[0] = ToSingle(start);
        axis->rhs[e] = ToSingle(end);
    }

    // Tridiagonal elimination without pivoting, shared by x and y.
    c[0] = ToSingle(static_cast<double>(c[0]) / b[0]);
    for (std::size_t i = 1; i < last; ++i) {
        b[i] = ToSingle(b[i] - static_cast<double>(a[i]) * c[i - 1]);
        c[i] = ToSingle(static_cast<double>(c[i]) / b[i]);
    }
    b[e] = ToSingle(b[e] - static_cast<double>(a[e]) * c[e - 1]);
    for (Axis* axis : {&ax, &ay}) {
        axis->g[0] = ToSingle(static_cast<double>(axis->rhs[0]) / b[0]);
        for (std::size_t i = 1; i <= last; ++i)
            axis->g[i] = ToSingle((axis->rhs[i] - static_cast<double>(axis->g[i - 1]) * a[i]) / b[i]);
        axis->m[e] = axis->g[e];
        for (std::size_t i = last; i-- > 0;)
            axis->m[i] = ToSingle(axis->g[i] - static_cast<double>(axis->m[i + 1]) * c[i]);
    }

    // Samples every 0.2 of chord length, then the interval's end point.
    for (std::size_t k = 0; k < last; ++k) {
        const double hk = h[k + 1];
        float c2[2], c3[2];
        const Axis* axes[2] = {&ax, &ay};
        for (int j = 0; j < 2; ++j) {
            const Axis& A = *axes[j];
            const double slope = A.delta[k + 1] / hk;
            c2[j] = ToSingle((3.0 * slope - 2.0 * A.m[k] - A.m[k + 1]) / hk);
            c3[j] = ToSingle((static_cast<double>(A.m[k]) + A.m[k + 1] - 2.0 * slope) / hk / hk);
        }
        for (float s = 0.0f; s <= h[k + 1];) {
            const double sd = s;
            curveX.push_back(ToSingle(((c3[0] * sd + c2[0]) * sd + ax.m[k]) * sd + ax.p[k]));
            curveY.push_back(ToSingle(((c3[1] * sd + c2[1]) * sd + ay.m[k]) * sd + ay.p[k]));
            // From 2^22 on, adding 0.2 no longer moves a 32-bit s: the interval
            // ends there rather than never.
            const float next = ToSingle(sd + 0.2);
            if (next == s) break;
            s = next;
        }
        curveX.push_back(ax.p[k + 1]);
        curveY.push_back(ay.p[k + 1]);
    }
    count = static_cast<std::int32_t>(curveX.size());
}
