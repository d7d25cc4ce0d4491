// Contour lines drawn in a real GL context and read back through GL feedback:
// the segments in drawing coordinates with their colours, chained into lines
// in the order they were drawn.
#include "core/Globals.h"
#include "render/CContour.h"

#include "tests/support/GlTestContext.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int Side = 1000;

struct Vertex {
    double x, y, z;
    bool operator==(const Vertex&) const = default;
};

struct Segment {
    Vertex a, b;
    double red, green, blue;
};

// Consecutive segments that join end to start: one traced line.
struct Line {
    std::vector<Segment> segments;
    const Vertex& First() const { return segments.front().a; }
    const Vertex& Last() const { return segments.back().b; }
    bool Closed() const { return First() == Last(); }
};

std::vector<Line> Chain(const std::vector<Segment>& segments) {
    std::vector<Line> lines;
    for (const Segment& s : segments) {
        if (lines.empty() || !(lines.back().Last() == s.a)) lines.emplace_back();
        lines.back().segments.push_back(s);
    }
    return lines;
}

// What the contour call of each test passes.
struct Call {
    std::int32_t m = 0, n = 0;
    float DX = 1, DY = 1;
    float x0 = 0, y0 = 0, z = 0;
    std::int32_t levels = 10;
    std::int32_t fill = 1;
    std::int32_t first = 0xFFFFFF; // white at the top level
    std::int32_t second = 0;       // black at the bottom one
    std::int32_t width = 1;
};

class ContourGl : public ::testing::Test {
protected:
    void SetUp() override {
        gl_ = std::make_unique<GlTestContext>(Side);
        ASSERT_TRUE(gl_->Ok());
        savedKind_ = DocumentKind;
        DocumentKind = 7;
    }
    void TearDown() override {
        DocumentKind = savedKind_;
        gl_.reset();
    }

    // The segments a contour call draws, seen in the cube -a..a on every axis.
    std::vector<Segment> Draw(const ContourGrid& grid, const Call& c, double a = 50) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-a, a, -a, a, -a, a);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        std::vector<GLfloat> buffer(4'000'000);
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
        glRenderMode(GL_FEEDBACK);
        CContour().Contour(c.m, c.n, c.DX, c.DY, grid, c.x0, c.y0, c.z, c.levels, c.fill, c.first, c.second,
                           c.width);
        const GLint count = glRenderMode(GL_RENDER);
        EXPECT_GE(count, 0) << "feedback buffer too small";
        std::vector<Segment> result;
        auto vertex = [&](GLint& i, double& r, double& g, double& b) {
            const Vertex v{buffer[i] * 2 * a / Side - a, buffer[i + 1] * 2 * a / Side - a, a * (1 - 2 * buffer[i + 2])};
            r = buffer[i + 3];
            g = buffer[i + 4];
            b = buffer[i + 5];
            i += 7;
            return v;
        };
        for (GLint i = 0; i < count;) {
            const GLfloat token = buffer[i++];
            if (token != GL_LINE_TOKEN && token != GL_LINE_RESET_TOKEN) {
                ADD_FAILURE() << "unexpected feedback token " << token;
                break;
            }
            Segment s{};
            s.a = vertex(i, s.red, s.green, s.blue);
            s.b = vertex(i, s.red, s.green, s.blue);
            result.push_back(s);
        }
        return result;
    }

    // Segments grouped by level, told apart by their grey (black at zmin,
    // white at zmax): the level's number k counts steps from zmin.
    static std::map<long, std::vector<Segment>> ByLevel(const std::vector<Segment>& segments, double zmin,
                                                        double zmax, double step) {
        std::map<long, std::vector<Segment>> levels;
        for (const Segment& s : segments) levels[std::lround(s.red * (zmax - zmin) / step)].push_back(s);
        return levels;
    }

private:
    std::unique_ptr<GlTestContext> gl_;
    std::int32_t savedKind_ = 0;
};

ContourGrid Grid(std::int32_t m, std::int32_t n, const std::function<float(int, int)>& f) {
    ContourGrid g(m, n);
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= n; ++j) g(i, j) = f(i, j);
    return g;
}

// The cell corner a segment cuts off: one end lies on an i-edge (a whole X),
// the other on a j-edge (a whole Y); unit spacing, no offsets.
std::pair<int, int> CutCorner(const Segment& s) {
    const bool aOnIEdge = std::abs(s.a.x - std::round(s.a.x)) < 1e-4;
    const Vertex& onI = aOnIEdge ? s.a : s.b;
    const Vertex& onJ = aOnIEdge ? s.b : s.a;
    return {static_cast<int>(std::lround(onI.x)), static_cast<int>(std::lround(onJ.y))};
}

} // namespace

TEST_F(ContourGl, PyramidFrom0To10GivesOneClosedSquareLoopPerLevel) {
    // Node values 10 - (Chebyshev distance from the centre node (11, 11)).
    const ContourGrid grid = Grid(21, 21, [](int i, int j) { return 10.0f - std::max(std::abs(i - 11), std::abs(j - 11)); });
    const Call call{.m = 21, .n = 21, .levels = 10};
    const auto levels = ByLevel(Draw(grid, call), 0, 10, 1);
    // Level 0 has no node below it; levels 1..10 each ring the nodes at or above it.
    ASSERT_EQ(levels.size(), 10u);
    for (const auto& [level, segments] : levels) {
        SCOPED_TRACE(level);
        ASSERT_GE(level, 1);
        const std::vector<Line> lines = Chain(segments);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_TRUE(lines[0].Closed()) << "a closed loop ends exactly at its start";
        const int d = 10 - static_cast<int>(level); // the ring of nodes just inside the line
        EXPECT_EQ(lines[0].segments.size(), static_cast<std::size_t>(8 * d + 4));
        for (const Segment& s : segments)
            for (const Vertex& v : {s.a, s.b}) {
                const double r = std::max(std::abs(v.x - 11), std::abs(v.y - 11));
                EXPECT_NEAR(r, d + 0.0005, 0.001);
                EXPECT_NEAR(v.z, 0, 1e-4);
            }
    }
}

TEST_F(ContourGl, SaddleCellsPairTheirCrossingsByTheCentreValue) {
    struct Case {
        const char* name;
        float p, q, r, s;            // nodes (1,1) (1,2) (2,1) (2,2): X = column, Y = row
        std::int32_t levels;         // level count
        double level;                // the level looked at
        std::set<std::pair<int, int>> cut; // corners (X, Y) its two segments cut off
    };
    const std::pair<int, int> P{1, 1}, Q{2, 1}, R{1, 2}, S{2, 2};
    const Case cases[] = {
        // Corners 1, 0, 1, 0 in turn: centre 0.5 lies above 0.4 (the 0-corners
        // are cut off, the 1-corners joined) and below 0.6.
        {"0.4 below the centre", 1, 0, 0, 1, 5, 0.4, {Q, R}},
        {"0.6 above the centre", 1, 0, 0, 1, 5, 0.6, {P, S}},
        {"transposed, 0.4", 0, 1, 1, 0, 5, 0.4, {P, S}},
        {"transposed, 0.6", 0, 1, 1, 0, 5, 0.6, {Q, R}},
        // Beyond 256 the nudge leaves the nodes as they are: a centre equal to
        // the level keeps the fixed order, which cuts off (1,1) and (2,2).
        {"centre on the level", 1000, -1000, -1000, 1000, 2, 0, {P, S}},
        {"centre on the level, transposed", -1000, 1000, 1000, -1000, 2, 0, {P, S}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ContourGrid grid(2, 2);
        grid(1, 1) = c.p;
        grid(1, 2) = c.q;
        grid(2, 1) = c.r;
        grid(2, 2) = c.s;
        const float lo = std::min({c.p, c.q, c.r, c.s}), hi = std::max({c.p, c.q, c.r, c.s});
        const auto levels = ByLevel(Draw(grid, {.m = 2, .n = 2, .levels = c.levels}, 2000), lo, hi, (hi - lo) / 1000.0);
        const long key = std::lround((c.level - lo) / ((hi - lo) / 1000.0));
        ASSERT_TRUE(levels.count(key));
        const auto& segments = levels.at(key);
        ASSERT_EQ(segments.size(), 2u);
        std::set<std::pair<int, int>> cut;
        for (const Segment& s : segments) cut.insert(CutCorner(s));
        EXPECT_EQ(cut, c.cut);
    }
}

TEST_F(ContourGl, ACrossingAHairFromColumnOrRowOneDoesNotEndItsLine) {
    // Column 1 holds 1 (nudged to 1.00001), column 2 holds -999: level 1
    // crosses every j-edge at the fraction 1e-8 from column 1, and the line
    // runs straight from row 1 to row 5. The transposed grid gives the same
    // along row 1.
    for (const bool transposed : {false, true}) {
        SCOPED_TRACE(transposed ? "along row 1" : "along column 1");
        const ContourGrid grid = transposed ? Grid(2, 5, [](int i, int) { return i == 1 ? 1.0f : -999.0f; })
                                            : Grid(5, 2, [](int, int j) { return j == 1 ? 1.0f : -999.0f; });
        const Call call{.m = transposed ? 2 : 5, .n = transposed ? 5 : 2, .levels = 1};
        const std::vector<Line> lines = Chain(Draw(grid, call));
        ASSERT_EQ(lines.size(), 1u);
        ASSERT_EQ(lines[0].segments.size(), 4u);
        for (std::size_t k = 0; k < 4; ++k) {
            const Segment& s = lines[0].segments[k];
            const double along0 = transposed ? s.a.x : s.a.y, along1 = transposed ? s.b.x : s.b.y;
            const double across = transposed ? s.a.y : s.a.x;
            EXPECT_NEAR(along0, k + 1.0, 1e-4);
            EXPECT_NEAR(along1, k + 2.0, 1e-4);
            EXPECT_NEAR(across, 1, 1e-4);
        }
    }
}

TEST_F(ContourGl, AnUndefinedHoleIsNotContoured) {
    // A ramp 1..11 along the columns with a hole at node (6, 6). Levels span
    // the defined heights (1..11), so level k lies at X = k; the lines through
    // the hole's edges (levels 6 and 7) stop next to it; nothing rings it.
    const ContourGrid grid = Grid(11, 11, [](int i, int j) { return i == 6 && j == 6 ? UndefinedValue : float(j); });
    const auto levels = ByLevel(Draw(grid, {.m = 11, .n = 11, .levels = 10}), 1, 11, 1);
    ASSERT_EQ(levels.size(), 10u); // level 1 has no node below it
    for (const auto& [k, segments] : levels) {
        const long level = k + 1;
        SCOPED_TRACE(level);
        for (const Segment& s : segments)
            for (const Vertex& v : {s.a, s.b}) EXPECT_NEAR(v.x, level, 1e-3);
        const std::vector<Line> lines = Chain(segments);
        if (level == 6 || level == 7) {
            ASSERT_EQ(lines.size(), 2u);
            EXPECT_EQ(lines[0].segments.size(), 4u);
            EXPECT_EQ(lines[1].segments.size(), 4u);
            EXPECT_NEAR(lines[0].First().y, 1, 1e-4);
            EXPECT_NEAR(lines[0].Last().y, 5, 1e-4);
            EXPECT_NEAR(lines[1].First().y, 11, 1e-4);
            EXPECT_NEAR(lines[1].Last().y, 7, 1e-4);
        } else {
            ASSERT_EQ(lines.size(), 1u);
            EXPECT_EQ(lines[0].segments.size(), 10u);
        }
        for (const Line& l : lines) EXPECT_FALSE(l.Closed());
    }
}

TEST_F(ContourGl, ALineBetweenTwoHolesAlongIEdgesIsFound) {
    // A ramp along the rows with holes at (5, 2) and (5, 8): level 5 runs
    // along X from one hole to the other, crossing only i-edges, away from the
    // border; the inner pass finds it.
    const ContourGrid grid = Grid(9, 9, [](int i, int j) {
        if (i == 5 && (j == 2 || j == 8)) return UndefinedValue;
        return float(i);
    });
    const auto levels = ByLevel(Draw(grid, {.m = 9, .n = 9, .levels = 8}), 1, 9, 1);
    ASSERT_TRUE(levels.count(4)); // level 5
    // Level 5 crosses the i-edges between rows 4 and 5 (row 5 is nudged above
    // it); the holes cut columns 2 and 8 out, leaving columns 1, 3..7 and 9:
    // column 1 and 9 alone give no segment, columns 3..7 give one line of 4.
    const std::vector<Line> lines = Chain(levels.at(4));
    std::size_t total = 0;
    for (const Line& l : lines) total += l.segments.size();
    EXPECT_EQ(total, 4u);
    for (const Segment& s : levels.at(4))
        for (const Vertex& v : {s.a, s.b}) {
            EXPECT_NEAR(v.y, 5, 1e-3);
            EXPECT_GE(v.x, 3 - 1e-6);
            EXPECT_LE(v.x, 7 + 1e-6);
        }
}

TEST_F(ContourGl, FlatGridsAndNoLevelsDrawNothingButSetTheLineState) {
    struct Case {
        const char* name;
        ContourGrid grid;
        std::int32_t levels;
    };
    const ContourGrid slope = Grid(5, 5, [](int i, int j) { return float(i + j); });
    const Case cases[] = {
        {"flat grid", Grid(5, 5, [](int, int) { return 3.0f; }), 10},
        {"level count 0", slope, 0},
        {"negative level count", slope, -3},
        {"only undefined samples", Grid(5, 5, [](int, int) { return UndefinedValue; }), 10},
        {"one defined sample", Grid(5, 5, [](int i, int j) { return i == 3 && j == 3 ? 1.0f : UndefinedValue; }), 10},
        {"a single row", Grid(1, 5, [](int, int j) { return float(j); }), 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        glDisable(GL_LIGHTING);
        glEnable(GL_BLEND);
        glEnable(GL_LINE_SMOOTH);
        EXPECT_TRUE(Draw(c.grid, {.m = c.grid.Rows(), .n = c.grid.Columns(), .levels = c.levels, .width = 3}).empty());
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
        GLfloat width = 0;
        glGetFloatv(GL_LINE_WIDTH, &width);
        EXPECT_EQ(width, 3.0f);
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

namespace {

// Independently of the tracing: how many segments each level must have, one
// per cell with two crossings and two per cell with four, after the same
// levels and nudge (every crossing traced once, none twice).
// Range of the defined heights.
std::pair<float, float> Range(const ContourGrid& g) {
    float zmin = 1e30f, zmax = -1e30f;
    for (int i = 1; i <= g.Rows(); ++i)
        for (int j = 1; j <= g.Columns(); ++j)
            if (g(i, j) != UndefinedValue) {
                zmin = std::min(zmin, g(i, j));
                zmax = std::max(zmax, g(i, j));
            }
    return {zmin, zmax};
}

std::map<int, std::size_t> CellSegments(const ContourGrid& g, std::int32_t levelCount) {
    const auto [zmin, zmax] = Range(g);
    const float dz = static_cast<float>((double(zmax) - zmin) / levelCount);
    std::vector<float> levels;
    for (float L = zmin; L <= zmax; L = float(double(L) + dz)) levels.push_back(L);
    ContourGrid h = g;
    for (int i = 1; i <= h.Rows(); ++i)
        for (int j = 1; j <= h.Columns(); ++j)
            if (h(i, j) == UndefinedValue) h(i, j) = std::nanf(""); // never crossed
    for (float L : levels)
        for (int i = 1; i <= h.Rows(); ++i)
            for (int j = 1; j <= h.Columns(); ++j)
                if (float(std::fabs(double(h(i, j)) - L)) <= 0.0001) h(i, j) = float(double(h(i, j)) + 0.00001);
    std::map<int, std::size_t> count;
    for (std::size_t k = 0; k < levels.size(); ++k) {
        const float L = levels[k];
        auto crosses = [L](float a, float b) { return (a < L && L < b) || (a > L && L > b); };
        for (int i = 1; i < h.Rows(); ++i)
            for (int j = 1; j < h.Columns(); ++j) {
                const int c = crosses(h(i, j), h(i, j + 1)) + crosses(h(i + 1, j), h(i + 1, j + 1)) +
                              crosses(h(i, j), h(i + 1, j)) + crosses(h(i, j + 1), h(i + 1, j + 1));
                if (c) count[static_cast<int>(k)] += static_cast<std::size_t>(c / 2);
            }
    }
    return count;
}

} // namespace

TEST_F(ContourGl, GridsAreTracedWholeLargeOrBrokenByHoles) {
    struct Case {
        const char* name;
        ContourGrid grid;
        std::int32_t levels;
    };
    const Case cases[] = {
        // Circles about the centre of a 201 x 201 grid, some cut by the border.
        {"201 x 201 cone",
         Grid(201, 201, [](int i, int j) { return float(std::hypot(i - 101.0, j - 101.0)); }), 10},
        // Saddles everywhere.
        {"201 x 201 waves",
         Grid(201, 201, [](int i, int j) { return float(std::sin(i / 7.0) * std::cos(j / 9.0)); }), 12},
        // Longer than 500 along either side.
        {"3 x 700", Grid(3, 700, [](int i, int j) { return float(std::sin(j / 40.0) + 0.01 * i); }), 8},
        {"700 x 3", Grid(700, 3, [](int i, int j) { return float(std::sin(i / 40.0) + 0.01 * j); }), 8},
        // Two holes on a circle leave its long arc open at both ends; the
        // inner pass meets it halfway and traces it both ways.
        {"circle broken by two holes", Grid(21, 21, [](int i, int j) {
             if (i == 15 && (j == 7 || j == 15)) return UndefinedValue;
             return float(std::hypot(i - 11.0, j - 11.0));
         }), 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::map<int, std::size_t> expected = CellSegments(c.grid, c.levels);
        const auto [zmin, zmax] = Range(c.grid);
        const double step = (double(zmax) - zmin) / c.levels;
        const auto drawn = ByLevel(Draw(c.grid, {.m = c.grid.Rows(), .n = c.grid.Columns(), .levels = c.levels}, 800),
                                   zmin, zmax, step);
        std::map<int, std::size_t> got;
        for (const auto& [k, segments] : drawn) got[static_cast<int>(k)] = segments.size();
        EXPECT_EQ(got, expected);
        // Every line is closed or runs from border to border (or hole).
        if (c.name == std::string("circle broken by two holes")) continue;
        const double maxX = c.grid.Columns(), maxY = c.grid.Rows();
        auto onBorder = [&](const Vertex& v) {
            return std::abs(v.x - 1) < 1e-3 || std::abs(v.x - maxX) < 1e-3 || std::abs(v.y - 1) < 1e-3 ||
                   std::abs(v.y - maxY) < 1e-3;
        };
        for (const auto& [level, segments] : drawn)
            for (const Line& l : Chain(segments)) {
                if (!l.Closed()) {
                    EXPECT_TRUE(onBorder(l.First()) && onBorder(l.Last())) << "level " << level;
                }
            }
    }
}

TEST_F(ContourGl, LinesLieInThePlaneOfTheDocumentKindWithGradedColours) {
    // Node (i, j) at X = x0 + 2j, Y = y0 + 3i; heights 0 and 10 across the
    // columns: level 5 crosses both rows halfway, at X = 3.
    const ContourGrid grid = Grid(2, 2, [](int, int j) { return j == 1 ? 0.0f : 10.0f; });
    Call call{.m = 2, .n = 2, .DX = 2, .DY = 3, .x0 = 0.5f, .y0 = -2, .z = 1.5f, .levels = 2};
    call.first = 0x00FF00;  // green at the top
    call.second = 0xFF0000; // blue at the bottom
    struct Case {
        std::int32_t kind;
        Vertex a, b; // the level-5 segment
    };
    const Case cases[] = {
        {7, {3.5, 1, 1.5}, {3.5, 4, 1.5}},
        {3, {3.5, 1.6, 1}, {3.5, 1.6, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        DocumentKind = c.kind;
        const std::vector<Segment> segments = Draw(grid, call, 10);
        ASSERT_EQ(segments.size(), 2u); // level 5, and level 10 beside the nudged nodes
        const Segment& s = segments[0];
        for (const auto& [got, want] : {std::pair{s.a, c.a}, {s.b, c.b}}) {
            EXPECT_NEAR(got.x, want.x, 1e-4);
            EXPECT_NEAR(got.y, want.y, 1e-4);
            EXPECT_NEAR(got.z, want.z, 1e-4);
        }
        EXPECT_NEAR(s.red, 0, 1e-6);
        EXPECT_NEAR(s.green, 0.5, 1e-6);
        EXPECT_NEAR(s.blue, 0.5, 1e-6);
        EXPECT_NEAR(segments[1].green, 1, 1e-6);
        EXPECT_NEAR(segments[1].blue, 0, 1e-6);
    }
    // One colour for every level with fill style 4: the second colour.
    call.fill = 4;
    for (const Segment& s : Draw(grid, call, 10)) {
        EXPECT_NEAR(s.blue, 1, 1e-6);
        EXPECT_NEAR(s.green, 0, 1e-6);
    }
    // Other document kinds draw nothing.
    DocumentKind = 1;
    EXPECT_TRUE(Draw(grid, call, 10).empty());
}
