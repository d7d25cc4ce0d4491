// Plane tables drawn in a real GL context: the polyline, the fitted curve and
// the markers through GL feedback, their stacking through pixels, and the
// table left as typed.
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "scene/Cls8.h"

#include "tests/render/OrthoViewFixture.h"
#include "tests/render/TableGraph.h"
#include "tests/support/GlFeedback.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr std::int32_t LineColour = 255;         // red
constexpr std::int32_t CurveColour = 65280;      // green
constexpr std::int32_t MarkerColour = 16711680;  // blue

using Points = TablePoints;

// A plane table as the table dialog's OK makes it, every view on.
std::shared_ptr<Cls9> Table(const Points& points) {
    auto g = TableGraph(GraphType::Table2D, points);
    g->FillStyle = FillStyle::OneColor;
    g->FirstColor = g->SecondColor = 16711680;
    g->LineColor = LineColour;
    g->LineWidth = 2;
    g->Material = Material::Metal;
    g->Show = Show::Wireframe;
    g->Smoothness = Smoothness::Faceted;
    g->Show2DLine = g->Show2DScatter = g->ShowSmoothCurve = true;
    g->ScatterColor = MarkerColour;
    g->ScatterSize = 2;
    g->SmoothCurveColor = CurveColour;
    g->SmoothCurveWidth = 1;
    g->Symbol = Symbol::FilledTriangle;
    return g;
}

class PlaneTableDrawingTest : public OrthoViewFixture {
protected:
    static constexpr float Range = 10;

    void SetUp() override {
        OrthoViewFixture::SetUp();
        DocumentKind = 1;
        Scale2D = 2; // a value v is drawn at v / 2
    }
    static Feedback Draw(Cls9& g) { return CaptureFeedback(Side, Range, [&] { g.Draw(); }); }

    // The centres of the triangle markers (symbol 4) of the marker colour:
    // the triangle (x, y + t), (x - t, y - t), (x + t, y - t).
    static std::vector<std::pair<float, float>> Triangles(const Feedback& f) {
        std::vector<std::pair<float, float>> out;
        for (const auto& p : f.PolygonsOf(0, 0, 255)) {
            if (p.size() != 3) continue;
            const float t = (p[0].y - p[1].y) / 2;
            out.emplace_back(p[0].x, p[0].y - t);
        }
        return out;
    }
    // Whether (x, y) is an end of a line of the list, within 2e-3.
    static bool Joins(const std::vector<FeedbackLine>& lines, float x, float y) {
        for (const FeedbackLine& l : lines)
            if ((std::fabs(l.from.x - x) < 2e-3f && std::fabs(l.from.y - y) < 2e-3f) ||
                (std::fabs(l.to.x - x) < 2e-3f && std::fabs(l.to.y - y) < 2e-3f))
                return true;
        return false;
    }
};

TEST_F(PlaneTableDrawingTest, TwoPointsGiveOneSegmentAndTwoMarkers) {
    auto g = Table({{-4, 2}, {6, -8}});
    g->ShowSmoothCurve = false;
    const Feedback f = Draw(*g);
    const auto lines = f.LinesOf(255, 0, 0);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NEAR(lines[0].from.x, -2, 2e-3);
    EXPECT_NEAR(lines[0].from.y, 1, 2e-3);
    EXPECT_NEAR(lines[0].to.x, 3, 2e-3);
    EXPECT_NEAR(lines[0].to.y, -4, 2e-3);
    const auto squares = Triangles(f);
    ASSERT_EQ(squares.size(), 2u);
    EXPECT_NEAR(squares[0].first, -2, 2e-3);
    EXPECT_NEAR(squares[0].second, 1, 2e-3);
    EXPECT_NEAR(squares[1].first, 3, 2e-3);
    EXPECT_NEAR(squares[1].second, -4, 2e-3);
    // Nothing else: no polygon of another colour, no line of another colour.
    EXPECT_EQ(f.lines.size(), 1u);
    EXPECT_EQ(f.polygons.size(), 2u);

    // The fitted curve of two points runs straight from one to the other.
    g->ShowSmoothCurve = true;
    const auto curve = Draw(*g).LinesOf(0, 255, 0);
    ASSERT_FALSE(curve.empty());
    EXPECT_NEAR(curve.front().from.x, -2, 2e-3);
    EXPECT_NEAR(curve.back().to.y, -4, 2e-3);
    for (const FeedbackLine& l : curve) EXPECT_NEAR(l.from.y, 1 - (l.from.x + 2), 2e-3); // on y = -x - 1

    // A stored count beyond the table's 201 points draws those 201.
    auto wide = Table({{0, 0}, {1, 1}});
    wide->StepV = 300;
    wide->ShowSmoothCurve = wide->Show2DScatter = false;
    EXPECT_EQ(Draw(*wide).lines.size(), 200u);
}

TEST_F(PlaneTableDrawingTest, MarkersLieOverBothLines) {
    // A horizontal table through the middle: polyline and fitted curve lie
    // on y = 0, the markers on them.
    auto g = Table({{-12, 0}, {0, 0}, {12, 0}});
    g->Symbol = Symbol::FilledCircle;
    g->ScatterSize = 5;
    g->LineWidth = 8;
    g->SmoothCurveWidth = 8;
    g->Draw();
    for (float x : {-6.0f, 0.0f, 6.0f}) EXPECT_EQ(At(x, 0), (Colour{0, 0, 255})) << x;
    // Between markers the fitted curve, drawn after the polyline, is on top.
    EXPECT_EQ(At(-3, 0), (Colour{0, 255, 0}));

    // In the drawing order too: polyline, curve, then every marker.
    const Feedback f = Draw(*g);
    ASSERT_FALSE(f.polygons.empty());
    EXPECT_TRUE(Feedback::HasColour(f.lines.front().from, 255, 0, 0));
    EXPECT_TRUE(Feedback::HasColour(f.lines.back().from, 0, 255, 0));
    for (const auto& p : f.polygons) EXPECT_TRUE(Feedback::HasColour(p[0], 0, 0, 255));
}

TEST_F(PlaneTableDrawingTest, AllViewsOffDrawsNothingAndEndsLit) {
    auto g = Table({{-4, 2}, {0, 3}, {6, -8}});
    g->Show2DLine = g->Show2DScatter = g->ShowSmoothCurve = false;
    glDisable(GL_LIGHTING);
    const Feedback f = Draw(*g);
    EXPECT_TRUE(f.lines.empty());
    EXPECT_TRUE(f.polygons.empty());
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(PlaneTableDrawingTest, FittedCurveRunsSmoothlyThroughEveryPoint) {
    // 30 points of 4 sin(x / 4) over -15..14, the 11th repeated in the 12th,
    // one drawing unit apart.
    Scale2D = 1;
    Points points;
    for (int j = 0; j < 30; ++j) {
        const float x = -15 + float(j);
        points.emplace_back(x, float(4 * std::sin(x / 4)));
    }
    points[11] = points[10];
    auto g = Table(points);
    g->Show2DLine = g->Show2DScatter = false;
    const auto curve = CaptureFeedback(Side, 20, [&] { g->Draw(); }).LinesOf(0, 255, 0);
    ASSERT_GT(curve.size(), 100u);
    // From the first point to the last, consecutive pieces joined.
    EXPECT_NEAR(curve.front().from.x, points.front().first, 2e-3);
    EXPECT_NEAR(curve.front().from.y, points.front().second, 2e-3);
    EXPECT_NEAR(curve.back().to.x, points.back().first, 2e-3);
    EXPECT_NEAR(curve.back().to.y, points.back().second, 2e-3);
    for (std::size_t k = 1; k < curve.size(); ++k) {
        EXPECT_NEAR(curve[k].from.x, curve[k - 1].to.x, 1e-4);
        EXPECT_NEAR(curve[k].from.y, curve[k - 1].to.y, 1e-4);
    }
    // Through every point.
    for (const auto& [x, y] : points) EXPECT_TRUE(Joins(curve, x, y)) << x;

    // Smooth: the curve turns by far less from piece to piece than the
    // polyline does at the points.
    const auto turn = [](double ax, double ay, double bx, double by) {
        return std::fabs(std::atan2(ax * by - ay * bx, ax * bx + ay * by));
    };
    double polyline = 0;
    for (std::size_t j = 1; j + 1 < points.size(); ++j) {
        if (j == 10 || j == 11) continue; // beside the repeated point
        polyline = std::max(polyline, turn(points[j].first - points[j - 1].first, points[j].second - points[j - 1].second,
                                           points[j + 1].first - points[j].first,
                                           points[j + 1].second - points[j].second));
    }
    double sharpest = 0;
    const FeedbackLine* before = nullptr;
    for (const FeedbackLine& l : curve) {
        if (std::hypot(l.to.x - l.from.x, l.to.y - l.from.y) < 1e-3) continue;
        if (before != nullptr)
            sharpest = std::max(sharpest, turn(before->to.x - before->from.x, before->to.y - before->from.y,
                                               l.to.x - l.from.x, l.to.y - l.from.y));
        before = &l;
    }
    EXPECT_GT(polyline, 0.2);
    EXPECT_LT(sharpest, polyline / 3);
}

TEST_F(PlaneTableDrawingTest, DrawingTwiceDrawsTheSameAndLeavesTheTableAsTyped) {
    const Points points{{-7.5f, 3.25f}, {-2, -6}, {1.125f, 8}, {9, 0.5f}};
    auto g = Table(points);
    g->Symbol = Symbol::FilledCircle;
    const Feedback first = Draw(*g);
    const Feedback second = Draw(*g);
    ASSERT_EQ(first.lines.size(), second.lines.size());
    ASSERT_EQ(first.polygons.size(), second.polygons.size());
    for (std::size_t k = 0; k < first.lines.size(); ++k) {
        EXPECT_EQ(first.lines[k].from.x, second.lines[k].from.x);
        EXPECT_EQ(first.lines[k].to.y, second.lines[k].to.y);
    }
    for (std::size_t k = 0; k < first.polygons.size(); ++k) EXPECT_EQ(first.polygons[k][0].x, second.polygons[k][0].x);
    for (std::size_t j = 0; j < points.size(); ++j) {
        const Cls2& p = g->VertTab3D(0, std::int64_t(j));
        EXPECT_EQ(p.x, points[j].first);
        EXPECT_EQ(p.y, points[j].second);
        EXPECT_EQ(p.z, 0.0f);
        EXPECT_EQ(p.Color, 0); // the markers' settings went to copies
    }
}

} // namespace
