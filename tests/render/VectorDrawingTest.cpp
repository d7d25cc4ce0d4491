// Space vectors and vector operations drawn in a real GL context: their
// result lines through a recording pane, their lines, cones and spheres
// through GL feedback (depth read back as drawing z).
#include "core/Globals.h"
#include "graph/Cls9.h"

#include "tests/support/DialogGraphs.h"
#include "tests/support/DrawingChecks.h"
#include "tests/support/GlFeedback.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Side = 400;
constexpr float Range = 20;

using P3 = std::array<double, 3>;

P3 Sub(const P3& a, const P3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
P3 Add(const P3& a, const P3& b, double k = 1) { return {a[0] + k * b[0], a[1] + k * b[1], a[2] + k * b[2]}; }
double Dot(const P3& a, const P3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
double Length(const P3& a) { return std::sqrt(Dot(a, a)); }

void ExpectPoint(const P3& actual, const P3& expected, double tolerance = 2e-3) {
    for (std::size_t k = 0; k < 3; ++k) EXPECT_NEAR(actual[k], expected[k], tolerance) << "coordinate " << k;
}

// A line between a and b, either way round.
bool JoinsPoints(const FeedbackLine& l, const P3& a, const P3& b) {
    const P3 from = DrawingPoint(l.from), to = DrawingPoint(l.to);
    const auto near = [](const P3& p, const P3& q) { return Length(Sub(p, q)) < 2e-3; };
    return (near(from, a) && near(to, b)) || (near(from, b) && near(to, a));
}

bool HasLine(const std::vector<FeedbackLine>& lines, const P3& a, const P3& b) {
    return std::any_of(lines.begin(), lines.end(), [&](const FeedbackLine& l) { return JoinsPoints(l, a, b); });
}

std::vector<P3> Vertices(const std::vector<std::vector<FeedbackVertex>>& polygons) {
    std::vector<P3> out;
    for (const auto& p : polygons)
        for (const FeedbackVertex& v : p) out.push_back(DrawingPoint(v));
    return out;
}

// Whether v lies on the surface of the cone of base radius 0.3 whose base
// centre is `base` and whose axis runs `height` along the unit vector `axis`.
bool OnCone(const P3& v, const P3& base, const P3& axis, double height) {
    const P3 rel = Sub(v, base);
    const double t = Dot(rel, axis);
    return t > -3e-3 && t < height + 3e-3 && std::fabs(Length(Add(rel, axis, -t)) - 0.3 * (1 - t / height)) < 3e-3;
}

// Every vertex lies on the cone of base radius 0.3 and the given height whose
// base centre is `base` and whose axis runs along the unit vector `axis`; the
// vertices reach from the base to the apex.
void ExpectCone(const std::vector<P3>& vertices, const P3& base, const P3& axis, double height) {
    ASSERT_FALSE(vertices.empty());
    double lowest = 1e9, highest = -1e9;
    for (const P3& v : vertices) {
        const P3 rel = Sub(v, base);
        const double t = Dot(rel, axis);
        const double r = Length(Add(rel, axis, -t));
        EXPECT_NEAR(r, 0.3 * (1 - t / height), 3e-3) << v[0] << ", " << v[1] << ", " << v[2];
        lowest = std::min(lowest, t);
        highest = std::max(highest, t);
    }
    EXPECT_NEAR(lowest, 0, 3e-3);
    EXPECT_NEAR(highest, height, 3e-3);
}

class VectorDrawingTest : public ProgramStateTest {
protected:
    void SetUp() override {
        gl_ = std::make_unique<GlTestContext>(Side);
        ASSERT_TRUE(gl_->Ok());
        DocumentKind = 3;
    }
    void TearDown() override { gl_.reset(); }

    static Feedback Draw(Cls9& g) {
        return CaptureFeedback(Side, Range, [&] { g.Draw(); });
    }

private:
    std::unique_ptr<GlTestContext> gl_;
};

TEST_F(VectorDrawingTest, ResultLinesNameTheMathematicalAxes) {
    struct Case {
        const char* name;
        std::shared_ptr<Cls9> graph;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"vector (3, 4, 0) from the origin",
         SpaceVector({0, 0, 0}, {3, 4, 0}),
         {"向量:", "  起点: x=0, y=0, z=0", "  终点: x=3, y=4, z=0", "  向量: dx=3, dy=4, dz=0", "  模: 5",
          "  方向角: ", "    X方向: 53.12998", "    Y方向: 36.86981", "    Z方向: 89.99979"}},
        {"start and end in the order x, y, z",
         SpaceVector({1, 2, 3}, {-1, 2, 5}),
         {"向量:", "  起点: x=1, y=2, z=3", "  终点: x=-1, y=2, z=5", "  向量: dx=-2, dy=0, dz=2", "  模: 2.828427",
          "  方向角: ", "    X方向: 134.9997", "    Y方向: 89.99979", "    Z方向: 44.9999"}},
        {"zero vector",
         SpaceVector({2, 2, 2}, {2, 2, 2}),
         {"向量:", "  起点: x=2, y=2, z=2", "  终点: x=2, y=2, z=2", "  向量: dx=0, dy=0, dz=0", "  模: 0",
          "  方向角: ", "    X方向: 89.99979", "    Y方向: 89.99979", "    Z方向: 89.99979"}},
        {"sum",
         VectorOperationGraph(VecOperation::Sum, {1, 0, 0}, {0, 1, 0}),
         {"向量 1(红): dx=1, dy=0, dz=0", "向量 2(绿): dx=0, dy=1, dz=0", "向量1 + 向量2 (兰):  dx=1, dy=1, dz=0"}},
        {"difference V1 - V2",
         VectorOperationGraph(VecOperation::Difference, {3, 0, 0}, {0, 1, 0}),
         {"向量 1(红): dx=3, dy=0, dz=0", "向量 2(绿): dx=0, dy=1, dz=0", "向量1 - 向量2 (兰):  dx=3, dy=-1, dz=0"}},
        // Every component of both vectors non-zero: each is added, or subtracted.
        {"sum off the axes",
         VectorOperationGraph(VecOperation::Sum, {1, 2, 3}, {4, 6, 9}),
         {"向量 1(红): dx=1, dy=2, dz=3", "向量 2(绿): dx=4, dy=6, dz=9", "向量1 + 向量2 (兰):  dx=5, dy=8, dz=12"}},
        {"difference off the axes",
         VectorOperationGraph(VecOperation::Difference, {1, 2, 3}, {4, 6, 9}),
         {"向量 1(红): dx=1, dy=2, dz=3", "向量 2(绿): dx=4, dy=6, dz=9", "向量1 - 向量2 (兰):  dx=-3, dy=-4, dz=-6"}},
        {"multiple by 2: vector 2 listed as the dialog left it",
         VectorOperationGraph(VecOperation::Multiple, {1, 2, 3}, {7, 7, 7}, 2),
         {"向量 1(红): dx=1, dy=2, dz=3", "向量 2(绿): dx=0, dy=0, dz=0", "向量1*2(兰):  dx=2, dy=4, dz=6"}},
        {"scalar product of perpendicular vectors",
         VectorOperationGraph(VecOperation::DotProduct, {1, 0, 0}, {0, 1, 0}),
         {"向量 1(红): dx=1, dy=0, dz=0", "向量 2(绿): dx=0, dy=1, dz=0", "向量1 .* 向量2 (兰):  值=0",
          "  向量1与向量2之间的夹角: 89.99979"}},
        // The cosine rounds to 1.0000001 and is clamped: no fault, angle 0.
        {"scalar product of equal vectors",
         VectorOperationGraph(VecOperation::DotProduct, {3, 3, 0}, {3, 3, 0}),
         {"向量 1(红): dx=3, dy=3, dz=0", "向量 2(绿): dx=3, dy=3, dz=0", "向量1 .* 向量2 (兰):  值=18",
          "  向量1与向量2之间的夹角: 0"}},
        {"scalar product of opposite vectors",
         VectorOperationGraph(VecOperation::DotProduct, {0, 3, 3}, {0, -3, -3}),
         {"向量 1(红): dx=0, dy=3, dz=3", "向量 2(绿): dx=0, dy=-3, dz=-3", "向量1 .* 向量2 (兰):  值=-18",
          "  向量1与向量2之间的夹角: 179.9996"}},
        {"scalar product with a zero vector",
         VectorOperationGraph(VecOperation::DotProduct, {0, 0, 0}, {0, 1, 0}),
         {"向量 1(红): dx=0, dy=0, dz=0", "向量 2(绿): dx=0, dy=1, dz=0", "向量1 .* 向量2 (兰):  值=0",
          "  向量1与向量2之间的夹角: 89.99979"}},
        {"cross product",
         VectorOperationGraph(VecOperation::CrossProduct, {1, 0, 0}, {0, 1, 0}),
         {"向量 1(红): dx=1, dy=0, dz=0", "向量 2(绿): dx=0, dy=1, dz=0", "向量1 * 向量2 (粉红):  dx=0, dy=0  dz=1"}},
        {"an operation outside 1..5: the two vectors alone",
         VectorOperationGraph(0, {1, 0, 0}, {0, 1, 0}),
         {"向量 1(红): dx=1, dy=0, dz=0", "向量 2(绿): dx=0, dy=1, dz=0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingResultPane pane;
        pane.SetText("old line\r\n");
        ASSERT_NO_THROW(c.graph->Draw());
        EXPECT_EQ(PaneLines(pane.Text()), c.lines);
        // Operations 1 and 2 end with the yellow lines (width 1), the others with an arrow (2).
        const std::int32_t op = c.graph->VecOperation;
        ExpectLineStateEnded(c.graph->GraphType == GraphType::Vector || op == 1 || op == 2 ? 1.0f : 2.0f);
    }
}

TEST_F(VectorDrawingTest, ArrowheadSitsOnTheEndAndPointsAlongTheVector) {
    struct Case {
        const char* name;
        MathPoint begin, end;
        P3 base, axis; // in drawing axes
    };
    const double r = 1 / std::sqrt(3.0);
    const Case cases[] = {
        // Mathematical x runs along drawing z, y along x, z along y (up).
        {"+x", {0, 0, 0}, {5, 0, 0}, {0, 0, 4.2}, {0, 0, 1}},
        {"-x: a half turn", {1, 1, 1}, {-4, 1, 1}, {1, 1, -3.2}, {0, 0, -1}},
        {"+z", {0, 0, -2}, {0, 0, 3}, {0, 2.2, 0}, {0, 1, 0}},
        {"-z", {0, 0, 0}, {0, 0, -6}, {0, -5.2, 0}, {0, -1, 0}},
        {"+y", {0, 0, 0}, {0, 2, 0}, {1.2, 0, 0}, {1, 0, 0}},
        {"diagonal", {0, 0, 0}, {3, 3, 3}, {3 - 0.8 * r, 3 - 0.8 * r, 3 - 0.8 * r}, {r, r, r}},
        // A zero vector: unturned, along drawing z from the end point.
        {"zero vector", {2, -1, 3}, {2, -1, 3}, {-1, 3, 2}, {0, 0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingResultPane pane;
        auto g = SpaceVector(c.begin, c.end, 255, 3);
        const Feedback f = Draw(*g);
        // The line from the start to the end point, in the vector's colour.
        const std::vector<FeedbackLine> lines = f.LinesOf(255, 0, 0);
        ASSERT_EQ(lines.size(), 1u);
        ExpectPoint(DrawingPoint(lines[0].from), {c.begin.y, c.begin.z, c.begin.x});
        ExpectPoint(DrawingPoint(lines[0].to), {c.end.y, c.end.z, c.end.x});
        // One cone and nothing else: its apex lies 0.02 beyond the end point.
        EXPECT_EQ(f.lines.size(), 1u);
        ExpectCone(Vertices(f.polygons), c.base, c.axis, 0.82);
        ExpectLineStateEnded(3);
    }
}

TEST_F(VectorDrawingTest, MarksComponentLegsBoxEdgesAndProjections) {
    // From (x 1, y 2, z 3) to (x 4, y -2, z 5): drawing B = (2, 3, 1), E = (-2, 5, 4).
    const P3 b{2, 3, 1}, e{-2, 5, 4};

    // Without the mark boxes the cone is all there is; each mark adds a sphere
    // of radius 0.2 around its point.
    auto plain = SpaceVector({1, 2, 3}, {4, -2, 5});
    const std::size_t conePolygons = Draw(*plain).polygons.size();
    for (int marks = 1; marks <= 3; ++marks) {
        SCOPED_TRACE(marks);
        auto g = SpaceVector({1, 2, 3}, {4, -2, 5});
        g->ShowVecBegin = (marks & 1) != 0;
        g->ShowVecEnd = (marks & 2) != 0;
        const Feedback f = Draw(*g);
        // Vertices 0.2 from a point that are not on the arrowhead.
        const P3 d = Sub(e, b);
        const P3 u = Add({0, 0, 0}, d, 1 / Length(d));
        int onBegin = 0, onEnd = 0;
        for (const P3& v : Vertices(f.polygons)) {
            if (OnCone(v, Add(e, u, -0.8), u, 0.82)) continue;
            if (std::fabs(Length(Sub(v, b)) - 0.2) < 2e-3) ++onBegin;
            if (std::fabs(Length(Sub(v, e)) - 0.2) < 2e-3) ++onEnd;
        }
        EXPECT_EQ(onBegin > 0, g->ShowVecBegin);
        EXPECT_EQ(onEnd > 0, g->ShowVecEnd);
        EXPECT_GT(f.polygons.size(), conePolygons);
    }

    // Component legs (green, with cones pointing the way of each component)
    // and the nine yellow edges of the box that do not meet the start.
    auto legs = SpaceVector({1, 2, 3}, {4, -2, 5}, 255, 5);
    legs->ShowVecB = true;
    Feedback f = Draw(*legs);
    const std::vector<FeedbackLine> green = f.LinesOf(0, 255, 0);
    ASSERT_EQ(green.size(), 3u);
    EXPECT_TRUE(HasLine(green, b, {e[0], b[1], b[2]}));
    EXPECT_TRUE(HasLine(green, b, {b[0], e[1], b[2]}));
    EXPECT_TRUE(HasLine(green, b, {b[0], b[1], e[2]}));
    const std::vector<FeedbackLine> yellow = f.LinesOf(255, 255, 0);
    ASSERT_EQ(yellow.size(), 9u);
    for (const FeedbackLine& l : yellow) {
        // No edge meets the start point; each runs along one axis.
        EXPECT_GT(Length(Sub(DrawingPoint(l.from), b)), 1e-3);
        EXPECT_GT(Length(Sub(DrawingPoint(l.to), b)), 1e-3);
        const P3 d = Sub(DrawingPoint(l.to), DrawingPoint(l.from));
        EXPECT_EQ(int(std::fabs(d[0]) > 1e-3) + int(std::fabs(d[1]) > 1e-3) + int(std::fabs(d[2]) > 1e-3), 1);
    }
    EXPECT_TRUE(HasLine(yellow, e, {b[0], e[1], e[2]}));
    EXPECT_TRUE(HasLine(yellow, e, {e[0], b[1], e[2]}));
    EXPECT_TRUE(HasLine(yellow, e, {e[0], e[1], b[2]}));
    // The edges are the last lines drawn, at width 1 whatever the vector's width.
    ExpectLineStateEnded(1);

    // The leg along drawing x runs to the negative side: its cone's apex is on
    // the end value, pointing -x; the y leg's points +y.
    const std::vector<P3> all = Vertices(f.polygons);
    const auto near = [&](const P3& p) {
        return std::any_of(all.begin(), all.end(), [&](const P3& v) { return Length(Sub(v, p)) < 2e-3; });
    };
    EXPECT_TRUE(near({e[0], b[1], b[2]}));       // apex of the x leg
    EXPECT_TRUE(near({e[0] + 0.8, b[1] + 0.3, b[2]})); // a base point of its cone
    EXPECT_TRUE(near({b[0], e[1], b[2]}));       // apex of the y leg
    EXPECT_TRUE(near({b[0] + 0.3, e[1] - 0.8, b[2]}));

    // Projections on the three axes, two pixels wide, each with its cone.
    auto projections = SpaceVector({1, 2, 3}, {4, -2, 5}, 255, 5);
    projections->ShowVecPrj = true;
    f = Draw(*projections);
    const std::vector<FeedbackLine> shadow = f.LinesOf(204, 51, 51);
    ASSERT_EQ(shadow.size(), 3u);
    EXPECT_TRUE(HasLine(shadow, {b[0], 0, 0}, {e[0], 0, 0}));
    EXPECT_TRUE(HasLine(shadow, {0, b[1], 0}, {0, e[1], 0}));
    EXPECT_TRUE(HasLine(shadow, {0, 0, b[2]}, {0, 0, e[2]}));
    EXPECT_TRUE(f.LinesOf(255, 255, 0).empty());
    ExpectLineStateEnded(2);

    // A width GL refuses draws as 1 instead of the width left before.
    auto thin = SpaceVector({0, 0, 0}, {1, 1, 1}, 255, 0);
    glLineWidth(8);
    Draw(*thin);
    ExpectLineStateEnded(1);
}

TEST_F(VectorDrawingTest, OperationArrowsFromTheOriginWithTheirResult) {
    const P3 o{0, 0, 0};
    struct Case {
        const char* name;
        std::shared_ptr<Cls9> graph;
        bool drawsV2;
        P3 v1, v2, result; // drawing axes
        int r, g, b;       // the result's colour (none when r < 0)
        bool yellow;
    };
    const Case cases[] = {
        {"sum", VectorOperationGraph(VecOperation::Sum, {1, 0, 0}, {0, 2, 0}), true, {0, 0, 1}, {2, 0, 0},
         {2, 0, 1}, 0, 0, 255, true},
        {"difference V1 - V2", VectorOperationGraph(VecOperation::Difference, {3, 0, 0}, {0, 1, 0}), true,
         {0, 0, 3}, {1, 0, 0}, {-1, 0, 3}, 0, 0, 255, true},
        // (1, 2, 3) + (4, 6, 9) = (5, 8, 12) and (1, 2, 3) - (4, 6, 9) = (-3, -4, -6).
        {"sum off the axes", VectorOperationGraph(VecOperation::Sum, {1, 2, 3}, {4, 6, 9}), true, {2, 3, 1},
         {6, 9, 4}, {8, 12, 5}, 0, 0, 255, true},
        {"difference off the axes", VectorOperationGraph(VecOperation::Difference, {1, 2, 3}, {4, 6, 9}), true,
         {2, 3, 1}, {6, 9, 4}, {-4, -6, -3}, 0, 0, 255, true},
        {"multiple", VectorOperationGraph(VecOperation::Multiple, {1, 2, 3}, {}, -2), false, {2, 3, 1}, {},
         {-4, -6, -2}, 0, 0, 255, false},
        {"scalar product", VectorOperationGraph(VecOperation::DotProduct, {1, 0, 0}, {0, 1, 0}), true, {0, 0, 1},
         {1, 0, 0}, {}, -1, 0, 0, false},
        {"cross product", VectorOperationGraph(VecOperation::CrossProduct, {2, 0, 0}, {0, 3, 0}), true, {0, 0, 2},
         {3, 0, 0}, {0, 6, 0}, 255, 0, 255, false},
        // (1, 2, 3) x (4, 5, 6) = (-3, 6, -3): every component of the result.
        {"cross product off the axes", VectorOperationGraph(VecOperation::CrossProduct, {1, 2, 3}, {4, 5, 6}), true,
         {2, 3, 1}, {5, 6, 4}, {6, -3, -3}, 255, 0, 255, false},
        // (-1, 2, -1) x (2, -1, 1) = (1, -1, -3).
        {"cross product of negative components",
         VectorOperationGraph(VecOperation::CrossProduct, {-1, 2, -1}, {2, -1, 1}), true, {2, -1, -1}, {-1, 1, 2},
         {-1, -3, 1}, 255, 0, 255, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingResultPane pane;
        glLineWidth(8);
        const Feedback f = Draw(*c.graph);
        const std::vector<FeedbackLine> red = f.LinesOf(255, 0, 0);
        ASSERT_EQ(red.size(), 1u);
        EXPECT_TRUE(JoinsPoints(red[0], o, c.v1));
        const std::vector<FeedbackLine> green = f.LinesOf(0, 255, 0);
        ASSERT_EQ(green.size(), c.drawsV2 ? 1u : 0u);
        if (c.drawsV2) {
            EXPECT_TRUE(JoinsPoints(green[0], o, c.v2));
        }
        std::size_t arrows = 1 + (c.drawsV2 ? 1 : 0);
        if (c.r >= 0) {
            const std::vector<FeedbackLine> result = f.LinesOf(c.r, c.g, c.b);
            ASSERT_EQ(result.size(), 1u);
            EXPECT_TRUE(JoinsPoints(result[0], o, c.result));
            ++arrows;
        }
        const std::vector<FeedbackLine> yellow = f.LinesOf(255, 255, 0);
        ASSERT_EQ(yellow.size(), c.yellow ? 2u : 0u);
        if (c.yellow) {
            EXPECT_TRUE(JoinsPoints(yellow[0], c.v1, c.result));
            EXPECT_TRUE(JoinsPoints(yellow[1], c.result, c.v2));
        }
        EXPECT_EQ(f.lines.size(), arrows + yellow.size());
        // Spheres of radius 0.2 at the origin and at each arrow's end.
        int onOrigin = 0, onV1 = 0;
        for (const P3& v : Vertices(f.polygons)) {
            if (std::fabs(Length(v) - 0.2) < 2e-3) ++onOrigin;
            if (std::fabs(Length(Sub(v, c.v1)) - 0.2) < 2e-3) ++onV1;
        }
        EXPECT_GT(onOrigin, 0);
        EXPECT_GT(onV1, 0);
        ExpectLineStateEnded(c.yellow ? 1.0f : 2.0f);
    }
}

} // namespace
