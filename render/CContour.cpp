// Contour lines: the levels, the nudge of nodes lying on a level, the crossing
// tables of each level and the tracing of lines from crossing to crossing.
//
// Invariants of one call:
// - heights_ holds the grid (rows 1..m, columns 1..n) with every hole (an
//   undefined or non-finite height) as NaN, so no comparison with a level
//   holds and no edge touching a hole is crossed;
// - a crossing table entry is a fraction > 0 while its crossing is free, and
//   NoCrossing (-2) when the edge is not crossed or its crossing was used;
// - every step of a line takes a free crossing and uses it up (only a closed
//   line's return onto its own start takes a crossing that is still marked
//   free), so tracing always ends.
#include "render/CContour.h"

#include "core/Errors.h"
#include "core/Globals.h"
#include "render/GraphDrawing.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <limits>

ContourGrid::ContourGrid(std::int32_t rows, std::int32_t columns) {
    if (rows < 1 || columns < 1) return;
    values_.assign(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns), 0.0f);
    rows_ = rows;
    columns_ = columns;
}

std::size_t ContourGrid::Index(std::int32_t i, std::int32_t j) const {
    if (i < 1 || i > rows_ || j < 1 || j > columns_) RaiseSubscriptError();
    return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(j - 1);
}

float& ContourGrid::operator()(std::int32_t i, std::int32_t j) { return values_[Index(i, j)]; }

float ContourGrid::operator()(std::int32_t i, std::int32_t j) const { return values_[Index(i, j)]; }

namespace {

constexpr float NoCrossing = -2.0f;

// An i-edge joins node (i, j) to (i + 1, j); a j-edge joins (i, j) to (i, j + 1).
enum class EdgeKind : std::uint8_t { I, J };

// The direction a line travels from its current crossing: towards higher rows
// (from a j-edge), higher columns (from an i-edge), lower rows, lower columns.
enum class Travel : std::uint8_t { Down, Right, Up, Left };

// A crossing, named by the row and column of its edge's lower-index node.
struct Crossing {
    std::int32_t row = 0;
    std::int32_t col = 0;
    EdgeKind kind = EdgeKind::J;
    bool operator==(const Crossing&) const = default;
};

struct Point {
    double x = 0;
    double y = 0;
};

// Whether a level lies strictly between the two ends of an edge.
inline bool Crosses(float a, float b, float level) { return (a < level && level < b) || (a > level && level > b); }

// The crossing table entries of `count` edges with ends a[j] and b[j]: the
// fraction (L - a) / (b - a) where the level lies strictly between the ends,
// else NoCrossing. Free of branches, so that the compiler vectorises it.
void FillEdges(const float* a, const float* b, float* out, std::int32_t count, float L) {
    for (std::int32_t j = 0; j < count; ++j) {
        const float x = a[j], y = b[j];
        const bool crossed = ((x < L) & (L < y)) | ((x > L) & (L > y));
        float r = (L - x) / (y - x);
        // A fraction too small for a float is still a crossing.
        r = r > 0 ? r : std::numeric_limits<float>::denorm_min();
        out[j] = crossed ? r : NoCrossing;
    }
}

// Calls visit(j) for each j in from..to-1 whose entry is free when its turn
// comes; most entries are not, so they are skipped eight at a time.
template <class Visit>
void ForEachFree(const float* entries, std::int32_t from, std::int32_t to, Visit&& visit) {
    std::int32_t j = from;
    for (; j + 8 <= to; j += 8) {
        bool any = false;
        for (int k = 0; k < 8; ++k) any |= entries[j + k] > 0;
        if (!any) continue;
        for (int k = 0; k < 8; ++k)
            if (entries[j + k] > 0) visit(j + k);
    }
    for (; j < to; ++j)
        if (entries[j] > 0) visit(j);
}

class Tracer {
public:
    Tracer(std::int32_t m, std::int32_t n, double dx, double dy, std::vector<float>&& heights)
        : m_(m), n_(n), dx_(dx), dy_(dy), heights_(std::move(heights)),
          crossI_(static_cast<std::size_t>(m - 1) * static_cast<std::size_t>(n)),
          crossJ_(static_cast<std::size_t>(m) * static_cast<std::size_t>(n - 1)) {}

    // Where segments go: into GL in the plane of a space (3) or special-graph
    // (7) document, or nowhere (the lines are still traced).
    void SetPlane(std::int32_t documentKind, double x0, double y0, double z) {
        kind_ = documentKind;
        x0_ = x0;
        y0_ = y0;
        z_ = z;
    }

    // Fills both tables for one level and traces its lines: first those that
    // begin on the border, then those inside.
    void TraceLevel(float level);

private:
    float& EntryI(std::int32_t i, std::int32_t j) {
        return crossI_[static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(n_) + static_cast<std::size_t>(j - 1)];
    }
    float& EntryJ(std::int32_t i, std::int32_t j) {
        return crossJ_[static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(n_ - 1) + static_cast<std::size_t>(j - 1)];
    }
    float& Entry(const Crossing& c) { return c.kind == EdgeKind::I ? EntryI(c.row, c.col) : EntryJ(c.row, c.col); }
    float Height(std::int32_t i, std::int32_t j) const {
        return heights_[static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(n_) + static_cast<std::size_t>(j - 1)];
    }

    void FillTables();
    Point PointOf(const Crossing& c);
    Point EdgeCrossing(const Crossing& c);
    bool ContourStep(Crossing& c, Travel& travel);
    bool Follow(const Crossing& start, Travel travel);
    void TraceContour(const Crossing& start, Travel travel, bool inner);
    bool OnBorder(const Crossing& c) const {
        return c.kind == EdgeKind::I ? (c.col == 1 || c.col == n_) : (c.row == 1 || c.row == m_);
    }
    void Segment(const Point& a, const Point& b);

    std::int32_t m_, n_;
    double dx_, dy_;
    std::vector<float> heights_;
    std::vector<float> crossI_; // rows 1..m-1, columns 1..n
    std::vector<float> crossJ_; // rows 1..m, columns 1..n-1
    float level_ = 0;
    std::int32_t kind_ = 0;
    double x0_ = 0, y0_ = 0, z_ = 0;
    bool begun_ = false;
};

void Tracer::FillTables() {
    for (std::int32_t i = 1; i <= m_; ++i) {
        const float* row = &heights_[static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(n_)];
        FillEdges(row, row + 1, &EntryJ(i, 1), n_ - 1, level_);
        if (i < m_) FillEdges(row, row + n_, &EntryI(i, 1), n_, level_);
    }
}

Point Tracer::PointOf(const Crossing& c) {
    if (c.kind == EdgeKind::J) return {(c.col + static_cast<double>(EntryJ(c.row, c.col))) * dx_, c.row * dy_};
    return {c.col * dx_, (c.row + static_cast<double>(EntryI(c.row, c.col))) * dy_};
}

// Takes crossing c: its point, and the crossing is used up.
Point Tracer::EdgeCrossing(const Crossing& c) {
    const Point p = PointOf(c);
    Entry(c) = NoCrossing;
    return p;
}

// One step from crossing c, travelling `travel`, through the cell ahead: the
// first free side edge in the fixed order, else the second, else the opposite
// edge. In a saddle cell (all four edges crossed) the centre value decides
// which corners the line cuts off. False when the cell offers no free
// crossing; the line ends there.
bool Tracer::ContourStep(Crossing& c, Travel& travel) {
    struct Side {
        Crossing edge;
        Travel next;
    };
    std::int32_t r = 0, k = 0; // the cell: rows r..r+1, columns k..k+1
    const std::int32_t ci = c.row, cj = c.col;
    Side first, second, opposite;
    int corner1 = 0; // the entry edge's corner next to the first side: P Q R S = 0 1 2 3
    switch (travel) {
    case Travel::Down: // entry: top edge
        r = ci, k = cj;
        first = {{r, k, EdgeKind::I}, Travel::Left};
        second = {{r, k + 1, EdgeKind::I}, Travel::Right};
        opposite = {{r + 1, k, EdgeKind::J}, Travel::Down};
        corner1 = 0;
        break;
    case Travel::Right: // entry: left edge
        r = ci, k = cj;
        first = {{r, k, EdgeKind::J}, Travel::Up};
        second = {{r + 1, k, EdgeKind::J}, Travel::Down};
        opposite = {{r, k + 1, EdgeKind::I}, Travel::Right};
        corner1 = 0;
        break;
    case Travel::Up: // entry: bottom edge
        r = ci - 1, k = cj;
        first = {{r, k + 1, EdgeKind::I}, Travel::Right};
        second = {{r, k, EdgeKind::I}, Travel::Left};
        opposite = {{r, k, EdgeKind::J}, Travel::Up};
        corner1 = 3;
        break;
    case Travel::Left: // entry: right edge
        r = ci, k = cj - 1;
        first = {{r + 1, k, EdgeKind::J}, Travel::Down};
        second = {{r, k, EdgeKind::J}, Travel::Up};
        opposite = {{r, k, EdgeKind::I}, Travel::Left};
        corner1 = 3;
        break;
    }
    if (r < 1 || r >= m_ || k < 1 || k >= n_) return false;

    const float L = level_;
    const float corners[4] = {Height(r, k), Height(r, k + 1), Height(r + 1, k), Height(r + 1, k + 1)};
    const bool saddle = Crosses(corners[0], corners[1], L) && Crosses(corners[0], corners[2], L) &&
                        Crosses(corners[1], corners[3], L) && Crosses(corners[2], corners[3], L);
    const Side* chosen = nullptr;
    const double centre = saddle ? (static_cast<double>(corners[0]) + corners[1] + corners[2] + corners[3]) / 4 : 0;
    if (saddle && centre != L) {
        // Cut off the entry corner that lies on the other side of the level
        // than the centre: the corners on the centre's side stay joined.
        const bool cutFirst = (corners[corner1] > L) != (centre > L);
        chosen = cutFirst ? &first : &second;
        if (!(Entry(chosen->edge) > 0)) return false;
    } else if (Entry(first.edge) > 0) {
        chosen = &first;
    } else if (Entry(second.edge) > 0) {
        chosen = &second;
    } else if (Entry(opposite.edge) > 0) {
        chosen = &opposite;
    } else {
        return false;
    }
    c = chosen->edge;
    travel = chosen->next;
    return true;
}

void Tracer::Segment(const Point& a, const Point& b) {
    if (kind_ == 7) {
        if (!begun_) glBegin(GL_LINES);
        begun_ = true;
        glVertex3d(x0_ + a.x, y0_ + a.y, z_);
        glVertex3d(x0_ + b.x, y0_ + b.y, z_);
    } else if (kind_ == 3) {
        if (!begun_) glBegin(GL_LINES);
        begun_ = true;
        glVertex3d(x0_ + a.x, z_ + 0.1, y0_ + a.y);
        glVertex3d(x0_ + b.x, z_ + 0.1, y0_ + b.y);
    }
}

// Follows a line from `start` until it returns to it (true), reaches the
// border or finds no free crossing ahead (false). Every step is drawn.
bool Tracer::Follow(const Crossing& start, Travel travel) {
    Point current = PointOf(start);
    Crossing c = start;
    for (;;) {
        if (!ContourStep(c, travel)) return false;
        const Point next = EdgeCrossing(c);
        Segment(current, next);
        current = next;
        if (c == start) return true;
        if (OnBorder(c)) return false;
    }
}

// One line from a start crossing. The start stays free while its own line is
// traced, so a closed line can step back onto it. A line started inside that
// turns out open (it ends at a hole) is traced the other way from its start too.
void Tracer::TraceContour(const Crossing& start, Travel travel, bool inner) {
    const bool closed = Follow(start, travel);
    if (inner && !closed) Follow(start, start.kind == EdgeKind::J ? Travel::Up : Travel::Left);
    Entry(start) = NoCrossing;
}

void Tracer::TraceLevel(float level) {
    level_ = level;
    FillTables();
    begun_ = false;
    for (std::int32_t j = 1; j < n_; ++j)
        if (EntryJ(1, j) > 0) TraceContour({1, j, EdgeKind::J}, Travel::Down, false);
    for (std::int32_t i = 1; i < m_; ++i)
        if (EntryI(i, 1) > 0) TraceContour({i, 1, EdgeKind::I}, Travel::Right, false);
    for (std::int32_t j = 1; j < n_; ++j)
        if (EntryJ(m_, j) > 0) TraceContour({m_, j, EdgeKind::J}, Travel::Up, false);
    for (std::int32_t i = 1; i < m_; ++i)
        if (EntryI(i, n_) > 0) TraceContour({i, n_, EdgeKind::I}, Travel::Left, false);
    // Closed lines cross some j-edge; a line between two holes may cross only
    // i-edges, so those are tried last.
    for (std::int32_t i = 2; i < m_; ++i)
        ForEachFree(&EntryJ(i, 1), 0, n_ - 1,
                    [&](std::int32_t j) { TraceContour({i, j + 1, EdgeKind::J}, Travel::Down, true); });
    for (std::int32_t i = 1; i < m_; ++i)
        ForEachFree(&EntryI(i, 1), 1, n_ - 1,
                    [&](std::int32_t j) { TraceContour({i, j + 1, EdgeKind::I}, Travel::Right, true); });
    if (begun_) glEnd();
}

bool IsHole(float v) { return v == UndefinedValue || !std::isfinite(v); }

// The levels: from zmin in steps of dz while they do not pass zmax. The float
// sum can stop growing when dz is tiny next to the heights; the levels end there.
std::vector<float> Levels(float zmin, float zmax, float dz) {
    std::vector<float> levels;
    float L = zmin;
    while (L <= zmax) {
        levels.push_back(L);
        const float next = static_cast<float>(static_cast<double>(L) + dz);
        if (!(next > L)) break;
        L = next;
    }
    return levels;
}

// A node within 0.0001 of a level is raised by 0.00001, level by level in
// order, so that no crossing falls on a node. Nodes are independent, so each
// node visits only the levels near it.
void Nudge(std::vector<float>& heights, const std::vector<float>& levels) {
    constexpr double Near = 0.0001;
    for (float& v : heights) {
        if (std::isnan(v)) continue;
        auto it = std::lower_bound(levels.begin(), levels.end(), static_cast<float>(v - 2 * Near));
        for (; it != levels.end() && *it <= v + 2 * Near; ++it) {
            if (static_cast<float>(std::fabs(static_cast<double>(v) - *it)) <= Near)
                v = static_cast<float>(static_cast<double>(v) + 0.00001);
        }
    }
}

} // namespace

void CContour::Contour(std::int32_t m, std::int32_t n, float DX, float DY, const ContourGrid& S0, float x0, float y0,
                       float z, std::int32_t lngLevel, std::int32_t fstFillStyle, std::int32_t lngFirstColor,
                       std::int32_t lngSecondColor, std::int32_t lngLineWidth) {
    m = std::min(m, S0.Rows());
    n = std::min(n, S0.Columns());

    // The working grid and the range of its defined heights.
    std::vector<float> heights;
    float zmin = std::numeric_limits<float>::infinity();
    float zmax = -std::numeric_limits<float>::infinity();
    if (m >= 2 && n >= 2) {
        heights.reserve(static_cast<std::size_t>(m) * static_cast<std::size_t>(n));
        for (std::int32_t i = 1; i <= m; ++i)
            for (std::int32_t j = 1; j <= n; ++j) {
                const float v = S0(i, j);
                if (IsHole(v)) {
                    heights.push_back(std::numeric_limits<float>::quiet_NaN());
                    continue;
                }
                heights.push_back(v);
                zmin = std::min(zmin, v);
                zmax = std::max(zmax, v);
            }
    }
    // Nothing to trace without a cell, a level step or a height that varies.
    std::vector<float> levels;
    if (!heights.empty() && lngLevel > 0 && zmin < zmax) {
        const float dz = static_cast<float>((static_cast<double>(zmax) - zmin) / lngLevel);
        levels = Levels(zmin, zmax, dz);
        Nudge(heights, levels);
    }

    glDisable(GL_LIGHTING);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    // GL refuses widths below 1 (and keeps the current one); so does this.
    if (lngLineWidth > 0) glLineWidth(static_cast<float>(lngLineWidth));

    if (!levels.empty()) {
        const ColorTriple first = ColorToRGB(lngFirstColor);
        const ColorTriple second = ColorToRGB(lngSecondColor);
        Tracer tracer(m, n, DX, DY, std::move(heights));
        tracer.SetPlane(DocumentKind, x0, y0, z);
        const double span = static_cast<double>(zmax) - zmin;
        for (const float L : levels) {
            if (fstFillStyle == 4) {
                glColor3d(second.red, second.green, second.blue);
            } else {
                const double t = (static_cast<double>(L) - zmin) / span;
                glColor3d(second.red + t * (first.red - second.red), second.green + t * (first.green - second.green),
                          second.blue + t * (first.blue - second.blue));
            }
            tracer.TraceLevel(L);
        }
    }

    glEnable(GL_LIGHTING);
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_BLEND);
}
