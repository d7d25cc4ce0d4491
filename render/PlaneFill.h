#pragma once
// Filled regions of plane overlays: the region under a curve (the integral)
// and the region between two curves (the area between intersections), as
// quads over the sample segments, cut at the region's limits.
#include <cstdint>

// One edge of the filled strip: at x, from `top` down (or up) to `bottom`, in
// the plane z. `defined` is false when a value it stands for is undefined;
// `placed` is false when even its x is (a sample whose x is undefined).
struct FillColumn {
    double x = 0;
    double top = 0;
    double bottom = 0;
    double z = 0;
    bool defined = false;
    bool placed = true;
};

// Fills the strip between `top` and `bottom` over x from lo.x to hi.x
// (lo.x <= hi.x) in the current colour: for each sample segment j
// (0..segments - 1, between column(j) and column(j + 1), in either order of
// x) the part inside the limits, as one quad from its left edge to its right
// edge; a segment with an end not placed is left out. An end of a segment beyond a limit is replaced by the limit's column,
// so the fill never reaches past the limits nor past the samples; a quad with
// an undefined edge, or a coordinate not finite once divided by Scale2D, is
// left out.
template <class ColumnAt>
void FillStrip(std::int64_t segments, ColumnAt&& column, const FillColumn& lo, const FillColumn& hi);

// One GL_QUADS quad or GL_TRIANGLES triangle (`count` 4 or 3) through
// vertices given in graph coordinates, each divided by Scale2D; nothing when
// a scaled coordinate is not finite.
void DrawPlanePolygon(const double (*vertices)[3], int count);

// The quad of the strip between two edges, left edge first.
void DrawStripQuad(const FillColumn& left, const FillColumn& right);

template <class ColumnAt>
void FillStrip(std::int64_t segments, ColumnAt&& column, const FillColumn& lo, const FillColumn& hi) {
    for (std::int64_t j = 0; j < segments; ++j) {
        const FillColumn a = column(j);
        const FillColumn b = column(j + 1);
        if (!a.placed || !b.placed) continue;
        const bool ascending = a.x <= b.x;
        const FillColumn& left = ascending ? a : b;
        const FillColumn& right = ascending ? b : a;
        // The part of the segment inside lo.x..hi.x, when it has a width.
        const FillColumn& from = left.x >= lo.x ? left : lo;
        const FillColumn& to = right.x <= hi.x ? right : hi;
        if (!(from.x < to.x) || !from.defined || !to.defined) continue;
        DrawStripQuad(from, to);
    }
}
