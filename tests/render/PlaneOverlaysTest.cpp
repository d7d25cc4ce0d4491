// Implicit and inequality plane graphs, the integral overlay, the intersection
// search and the area between two curves, drawn in a real GL context:
// geometry through GL feedback, result lines through a recording pane.
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "graph/SharedBoxes.h"
#include "render/ImplicitPlaneDrawing.h"
#include "scene/Cls8.h"

#include "tests/render/PlaneDrawingFixture.h"
#include "tests/support/GlFeedback.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace plane_test;

constexpr std::int32_t IntColour = 100 + 256 * 50;         // the integral fill
constexpr std::int32_t AreaColour = 30 + 65536 * 90;       // the area between the curves
constexpr std::int32_t InterColour = 200 + 256 * 100 + 65536 * 10; // intersection markers

std::vector<std::vector<FeedbackVertex>> PolygonsOf(const Feedback& f, std::int32_t colour) {
    const Rgb c = Split(colour);
    return f.PolygonsOf(c.r, c.g, c.b);
}

std::vector<FeedbackVertex> PointsOf(const Feedback& f, std::int32_t colour) {
    const Rgb c = Split(colour);
    return f.PointsOf(c.r, c.g, c.b);
}

// The x and y of a result line "<head>x=<x>,y=<y>".
std::pair<double, double> PointOfLine(const std::string& line, const std::string& head) {
    EXPECT_EQ(line.substr(0, head.size()), head) << line;
    const std::size_t comma = line.find(",y=");
    EXPECT_NE(comma, std::string::npos) << line;
    return {ParseNumericPrefix(line.substr(head.size() + 2)), ParseNumericPrefix(line.substr(comma + 3))};
}

// The number after `head` in a result line.
double ValueOfLine(const std::string& line, const std::string& head) {
    EXPECT_EQ(line.substr(0, head.size()), head) << line;
    return ParseNumericPrefix(line.substr(head.size()));
}

// A strip fill as GL hands it back (quads may come as pairs of triangles):
// its x extent, its area, and whether every vertex lies on one of the two
// edge curves.
struct StripExtent {
    double left = 1e30, right = -1e30, area = 0;
};
template <class Top, class Bottom>
StripExtent ExtentOf(const std::vector<std::vector<FeedbackVertex>>& polygons, Top&& top, Bottom&& bottom) {
    StripExtent e;
    for (const auto& p : polygons) {
        double twice = 0;
        for (std::size_t k = 0; k < p.size(); ++k) {
            const FeedbackVertex& a = p[k];
            const FeedbackVertex& b = p[(k + 1) % p.size()];
            twice += double(a.x) * b.y - double(b.x) * a.y;
            e.left = std::min(e.left, double(a.x));
            e.right = std::max(e.right, double(a.x));
            const double onTop = std::fabs(a.y - top(a.x)), onBottom = std::fabs(a.y - bottom(a.x));
            EXPECT_LT(std::min(onTop, onBottom), 1e-3) << a.x << ", " << a.y;
        }
        e.area += std::fabs(twice) / 2;
    }
    return e;
}

class PlaneOverlaysTest : public PlaneDrawingTest {
protected:
    // An implicit or inequality graph of f over x (or a) in minU..maxU and y
    // (or r) in minV..maxV, sampled.
    static std::shared_ptr<Cls9> Implicit(const std::string& f, std::int32_t form, float minU, float maxU, float minV,
                                          float maxV, std::int32_t coord = CoordType::PlaneCartesian,
                                          std::int32_t type = GraphType::Function2D) {
        std::shared_ptr<Cls9> g = Cls9::Init(1, "f", type, coord, "x", "y", f, 1, 1, minU, maxU, minV, maxV,
                                             FillStyle::OneColor, 0, 0, CurveColour, 1, 1, Show::FilledSurface,
                                             Smoothness::Smooth);
        g->FunForm = form;
        if (type == GraphType::Function2DAnimation) g->Animation = true;
        EXPECT_TRUE(g->GetPoints());
        return g;
    }

    // An intersection graph of y1 = f1 and y2 = f2, sampled, with markers and
    // the area switched on.
    static std::shared_ptr<Cls9> TwoCurves(const std::string& f1, const std::string& f2, float minV, float maxV,
                                           std::int32_t segments) {
        std::shared_ptr<Cls9> g = Graph("x", f1, minV, maxV, segments, GraphType::Intersection, FunForm::Explicit,
                                        CoordType::PlaneCartesian, false);
        g->Exp2 = f2;
        g->ShowInter = true;
        g->InterColor = InterColour;
        g->InterSize = 1;
        g->InterSymbol = Symbol::FilledTriangle;
        g->ShowArea = true;
        g->AreaColor = AreaColour;
        EXPECT_TRUE(g->GetPoints());
        return g;
    }

    // Draws and reads back the point size the drawing left.
    static Feedback DrawWithPointSize(Cls9& g, float& pointSize, std::int32_t frame = 0) {
        return CaptureFeedback(Side, Range, [&] {
            g.Draw(frame);
            glGetFloatv(GL_POINT_SIZE, &pointSize);
        });
    }
};

TEST_F(PlaneOverlaysTest, ImplicitCircleIsDrawnExactlyAtTheNodesNearZero) {
    Scale2D = 0.5f;
    RecordingResultPane pane;
    auto g = Implicit("x^2+y^2-1", FunForm::Implicit, -2, 2, -2, 2);
    float size = 0;
    const Feedback f = DrawWithPointSize(*g, size);
    EXPECT_EQ(pane.Text(), "");
    EXPECT_EQ(size, 2.0f);
    EXPECT_TRUE(f.lines.empty() && f.polygons.empty());

    // Nodes every 1/40, -80..80 on each axis.
    const std::vector<FeedbackVertex> points = PointsOf(f, CurveColour);
    ASSERT_EQ(points.size(), f.points.size());
    std::set<std::pair<int, int>> drawn;
    for (const FeedbackVertex& p : points) {
        const double x = p.x * 0.5, y = p.y * 0.5;
        EXPECT_NEAR(std::hypot(x, y), 1, 0.05);
        const int i = int(std::lround(x * 40)), j = int(std::lround(y * 40));
        EXPECT_NEAR(x, i / 40.0, 1e-4);
        EXPECT_NEAR(y, j / 40.0, 1e-4);
        drawn.insert({i, j});
    }
    EXPECT_EQ(drawn.size(), points.size());
    int certain = 0;
    for (int i = -80; i <= 80; ++i)
        for (int j = -80; j <= 80; ++j) {
            const double u = float(i / 40.0), v = float(j / 40.0), value = u * u + v * v - 1;
            if (std::fabs(value) < 0.024) {
                ++certain;
                EXPECT_TRUE(drawn.count({i, j})) << i << ", " << j;
            } else if (std::fabs(value) > 0.026) {
                EXPECT_FALSE(drawn.count({i, j})) << i << ", " << j;
            }
        }
    EXPECT_GT(certain, 100);
}

TEST_F(PlaneOverlaysTest, InequalityFillsTheDiscWithoutItsBorder) {
    auto g = Implicit("x^2+y^2-1", FunForm::Inequality, -2, 2, -2, 2);
    float size = 0;
    const Feedback f = DrawWithPointSize(*g, size);
    EXPECT_EQ(size, 3.0f);
    std::set<std::pair<int, int>> drawn;
    for (const FeedbackVertex& p : PointsOf(f, CurveColour)) {
        const int i = int(std::lround(p.x * 30)), j = int(std::lround(p.y * 30));
        EXPECT_NEAR(p.x, i / 30.0, 1e-4);
        drawn.insert({i, j});
    }
    for (int i = -60; i <= 60; ++i)
        for (int j = -60; j <= 60; ++j) {
            const double u = float(i / 30.0), v = float(j / 30.0), value = u * u + v * v - 1;
            if (value < -1e-4) {
                EXPECT_TRUE(drawn.count({i, j})) << i << ", " << j;
            } else if (value > 1e-4) {
                EXPECT_FALSE(drawn.count({i, j})) << i << ", " << j;
            }
        }
    // f = 0 exactly on the axes' nodes of the circle: not below zero.
    for (const auto& node : {std::pair{30, 0}, std::pair{-30, 0}, std::pair{0, 30}, std::pair{0, -30}})
        EXPECT_FALSE(drawn.count(node));
    EXPECT_GT(drawn.size(), 2500u);
}

TEST_F(PlaneOverlaysTest, PolarScanRecordsTheExtentItDrew) {
    struct Case {
        const char* name;
        const char* f;
        float minA, maxA;
        Cls1 box; // expected, within 0.03
        bool drawsPoints;
    };
    const Case cases[] = {
        {"unit circle", "r-1", 0, 6.3f, {-1, 1, -1, 1, 0, 0}, true},
        // Every point at positive x: the box still holds the origin.
        {"right arc", "r-1", -1, 1, {0, 1, -0.85f, 0.85f, 0, 0}, true},
        {"nothing plotted", "r+5", 0, 6.3f, {0, 0, 0, 0, 0, 0}, false},
        {"downward range", "r-1", 6.3f, 0, {0, 0, 0, 0, 0, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PolarImplicitBox() = Cls1{-7, 7, -7, 7, 7, 7};
        auto g = Implicit(c.f, FunForm::Implicit, c.minA, c.maxA, 0, 2, CoordType::Polar);
        float size = 0;
        const Feedback f = DrawWithPointSize(*g, size);
        const std::vector<FeedbackVertex> points = PointsOf(f, CurveColour);
        EXPECT_EQ(!points.empty(), c.drawsPoints);
        // Polar points take the form's size too.
        if (c.drawsPoints) {
            EXPECT_EQ(size, 2.0f);
        }
        for (const FeedbackVertex& p : points) EXPECT_NEAR(std::hypot(p.x, p.y), 1, 0.05);
        const Cls1 box = PolarImplicitBox();
        EXPECT_NEAR(box.MinX, c.box.MinX, 0.03);
        EXPECT_NEAR(box.MaxX, c.box.MaxX, 0.03);
        EXPECT_NEAR(box.MinY, c.box.MinY, 0.03);
        EXPECT_NEAR(box.MaxY, c.box.MaxY, 0.03);
        EXPECT_EQ(box.MinZ, 0.0f);
        EXPECT_EQ(box.MaxZ, 0.0f);
        // The graph's box is the extent drawn.
        EXPECT_EQ(g->GetBox().MaxX, box.MaxX);
    }
    // A Cartesian scan leaves the polar box alone.
    PolarImplicitBox() = Cls1{-7, 7, -7, 7, 0, 0};
    auto cartesian = Implicit("x^2+y^2-1", FunForm::Implicit, -2, 2, -2, 2);
    Draw(*cartesian);
    EXPECT_EQ(PolarImplicitBox().MinX, -7.0f);
}

TEST_F(PlaneOverlaysTest, AnimatedImplicitGraphTakesTheFramesParameter) {
    FrameCount = 3;
    auto g = Implicit("x^2+y^2-t", FunForm::Implicit, -3, 3, -3, 3, CoordType::PlaneCartesian,
                      GraphType::Function2DAnimation);
    g->MinT = 1;
    g->MaxT = 4;
    // t = 1 + frame: radius 1 at frame 0, 2 at frame 3.
    for (const auto& [frame, radius] : {std::pair{0, 1.0}, std::pair{3, 2.0}}) {
        SCOPED_TRACE(frame);
        const std::vector<FeedbackVertex> points = PointsOf(Draw(*g, frame), CurveColour);
        ASSERT_FALSE(points.empty());
        for (const FeedbackVertex& p : points) EXPECT_NEAR(std::hypot(p.x, p.y), radius, 0.02);
    }
    // A plane function is evaluated with t = 0: x^2+y^2 near 0 only about the
    // origin.
    auto still = Implicit("x^2+y^2-t", FunForm::Implicit, -3, 3, -3, 3);
    still->MinT = 1;
    const std::vector<FeedbackVertex> origin = PointsOf(Draw(*still), CurveColour);
    ASSERT_FALSE(origin.empty());
    for (const FeedbackVertex& p : origin) EXPECT_LT(std::hypot(p.x, p.y), 0.16);
}

TEST_F(PlaneOverlaysTest, HugeRangeScansAtMostTheNodeLimitAndEnds) {
    // A grid that fits keeps its density: -5..5 has 401 x 401 nodes.
    const ImplicitGrid fits = ChooseImplicitGrid(-5, 5, -5, 5, 40);
    EXPECT_EQ(fits.D, 40);
    EXPECT_EQ(fits.CountU, 401);
    EXPECT_EQ(fits.CountV, 401);
    EXPECT_EQ(fits.I0, -200.0f);

    const ImplicitGrid huge = ChooseImplicitGrid(0, 1e6f, 0, 1, 40);
    EXPECT_LE(huge.CountU * huge.CountV, MaxImplicitNodes);
    EXPECT_GT(huge.CountU * huge.CountV, MaxImplicitNodes / 2);
    EXPECT_LT(huge.D, 40);
    // The nodes still reach over both ranges.
    EXPECT_NEAR((huge.I0 + double(huge.CountU - 1)) / huge.D, 1e6, 1 / huge.D + 1e-6);
    EXPECT_NEAR((huge.J0 + double(huge.CountV - 1)) / huge.D, 1, 1 / huge.D + 1e-6);

    // Drawn: f = y + int(x/10) is near 0 only at y = 0 for x < 10, one node
    // every 1/D.
    auto g = Implicit("y+int(x/10)", FunForm::Implicit, 0, 1e6f, 0, 1);
    const std::vector<FeedbackVertex> points = PointsOf(Draw(*g), CurveColour);
    std::int64_t expected = 0;
    while (float(double(expected) / huge.D) < 10) ++expected;
    ASSERT_EQ(std::int64_t(points.size()), expected);
    for (std::size_t k = 0; k < points.size(); ++k) {
        EXPECT_NEAR(points[k].x, k / huge.D, 1e-4);
        EXPECT_NEAR(points[k].y, 0, 1e-6);
    }

    // The same across: a column of a million and a half nodes.
    auto across = Implicit("x+int(y/10)", FunForm::Implicit, 0, 1, 0, 1e6f);
    const std::vector<FeedbackVertex> column = PointsOf(Draw(*across), CurveColour);
    ASSERT_EQ(std::int64_t(column.size()), expected);
    for (std::size_t k = 0; k < column.size(); ++k) {
        EXPECT_NEAR(column[k].x, 0, 1e-6);
        EXPECT_NEAR(column[k].y, k / huge.D, 1e-4);
    }

    // Ranges that are not finite scan nothing.
    EXPECT_EQ(ChooseImplicitGrid(0, INFINITY, 0, 1, 40).CountU, 0);
    const ImplicitGrid undefined = ChooseImplicitGrid(0, NAN, 0, 1, 40);
    EXPECT_EQ(undefined.CountU * undefined.CountV, 0);
}

TEST_F(PlaneOverlaysTest, ImplicitTextThatDoesNotCompileDrawsNothingAndLeavesTheState) {
    RecordingMessageBox box;
    auto g = Implicit("x+y", FunForm::Implicit, -1, 1, -1, 1);
    // A text no sampling has checked (the sampling refuses it).
    g->ExpressZ = "x+*y";
    glDisable(GL_LIGHTING);
    glEnable(GL_POINT_SMOOTH);
    const Feedback f = Draw(*g);
    EXPECT_TRUE(f.points.empty());
    EXPECT_EQ(box.Count(), 1u); // the compiler's own message
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_POINT_SMOOTH));
    glDisable(GL_POINT_SMOOTH);
}

// y = x^2 on -2..2 (300 segments): the region under the curve between the
// limits, cut to the samples, and the integral of the limits as typed.
TEST_F(PlaneOverlaysTest, IntegralFillsBetweenTheLimitsAndWritesItsValue) {
    struct Case {
        const char* name;
        float from, to;
        double left, right; // the filled stretch
        double value;
    };
    const Case cases[] = {
        {"0 to 1", 0, 1, 0, 1, 1.0 / 3},
        // The limits beyond the samples: the fill stops at the samples.
        {"-5 to 5", -5, 5, -2, 2, 250.0 / 3},
        // Downwards: the same region, the negative value.
        {"1 to 0", 1, 0, 0, 1, -1.0 / 3},
        // Both limits inside one segment: one piece between them.
        {"0.1 to 0.105", 0.1f, 0.105f, 0.1, 0.105, (0.105 * 0.105 * 0.105 - 0.001) / 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingResultPane pane;
        auto g = Graph("x", "x^2", -2, 2, 300);
        g->ShowInt = true;
        g->IntColor = IntColour;
        g->IntFrom = c.from;
        g->IntTo = c.to;
        const Feedback f = Draw(*g);
        const std::vector<std::string> lines = PaneLines(pane.Text());
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[0], "函数 y=x^2");
        EXPECT_EQ(lines[1], "    积分  从 " + SingleText(c.from) + " 到 " + SingleText(c.to));
        EXPECT_NEAR(ValueOfLine(lines[2], "    面积为 "), c.value, std::max(0.001, std::fabs(c.value) * 1e-4));
        EXPECT_EQ(lines[3], "");

        // Between the chords of the curve and the axis; no piece over another.
        const StripExtent e = ExtentOf(
            PolygonsOf(f, IntColour), [](double x) { return x * x; }, [](double) { return 0.0; });
        EXPECT_NEAR(e.left, c.left, 1e-4);
        EXPECT_NEAR(e.right, c.right, 1e-4);
        const double exact = (std::pow(c.right, 3) - std::pow(c.left, 3)) / 3;
        EXPECT_NEAR(e.area, exact, 1e-3 * exact + 1e-7);
        // The curve lies over the fill.
        EXPECT_EQ(LinesOf(f, CurveColour).size(), 300u);
    }
}

TEST_F(PlaneOverlaysTest, IntegralOverflowIsWrittenAsOverflowAndOtherKindsHaveNoIntegral) {
    RecordingResultPane pane;
    auto big = Graph("x", "10^38", 0, 10, 20);
    big->ShowInt = true;
    big->IntTo = 10;
    EXPECT_NO_THROW(Draw(*big));
    EXPECT_EQ(PaneLines(pane.Text()), (std::vector<std::string>{"函数 y=10^38", "    积分  从 0 到 10",
                                                                  "    面积为 溢出", ""}));

    // A tick kept from a plane function draws nothing on another kind.
    auto other = TwoCurves("x^2", "x", -1, 2, 30);
    other->ShowInter = other->ShowArea = false;
    other->ShowInt = true;
    other->IntColor = IntColour;
    other->IntTo = 1;
    const Feedback f = Draw(*other);
    EXPECT_TRUE(PolygonsOf(f, IntColour).empty());
    EXPECT_EQ(pane.Text(), "函数 y=x^2\r\n");
}

TEST_F(PlaneOverlaysTest, PolarIntegralIsAFanFromTheOrigin) {
    struct Case {
        const char* name;
        float from, to;
        double value;
        std::size_t fewest, most; // triangles
    };
    const Case cases[] = {
        {"upper half", 0, 3.1416f, 1.5708, 50, 51},
        // Limits beyond the samples: the fan covers the samples.
        {"beyond", -1, 10, 5.5, 100, 100},
        {"downwards", 3.1416f, 0, -1.5708, 50, 51},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingResultPane pane;
        auto g = Graph("a", "1", 0, 6.2832f, 100, GraphType::Function2D, FunForm::Explicit, CoordType::Polar);
        g->ShowInt = true;
        g->IntColor = IntColour;
        g->IntFrom = c.from;
        g->IntTo = c.to;
        const Feedback f = Draw(*g);
        const auto triangles = PolygonsOf(f, IntColour);
        EXPECT_GE(triangles.size(), c.fewest);
        EXPECT_LE(triangles.size(), c.most);
        for (const auto& t : triangles) {
            ASSERT_EQ(t.size(), 3u);
            EXPECT_NEAR(std::hypot(t[0].x, t[0].y), 1, 1e-4);
            EXPECT_NEAR(std::hypot(t[1].x, t[1].y), 1, 1e-4);
            EXPECT_NEAR(std::hypot(t[2].x, t[2].y), 0, 1e-6);
            if (c.most < 100) {
                EXPECT_GT(t[0].y, -0.07);
            }
        }
        const std::vector<std::string> lines = PaneLines(pane.Text());
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_NEAR(ValueOfLine(lines[2], "    面积为 "), c.value, 0.002);
    }
}

// y1 = x^2 and y2 = x on -1..2 meet at (0, 0) and (1, 1); the lens between
// them has the area 1/6.
TEST_F(PlaneOverlaysTest, TwoCurvesMeetTwiceAndTheLensBetweenIsFilled) {
    struct Case {
        const char* name;
        float minV, maxV;
        std::int32_t segments;
        double pointTolerance;
    };
    const Case cases[] = {
        {"299 segments, no sample on a crossing", -1, 2, 299, 2e-4},
        // Samples at -1, 0, 1, 2: both crossings on samples, each found by
        // two segments.
        {"3 segments, crossings on samples", -1, 2, 3, 1e-6},
        // The dialog's 300 segments: x = 1 falls on a sample that rounding
        // moves off it, and each of its segments places the crossing of the
        // lines just outside itself.
        {"300 segments, a crossing on a rounded sample", -1, 2, 300, 2e-4},
        // The range given downwards: the same points, last to first.
        {"range 2..-1", 2, -1, 299, 2e-4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingResultPane pane;
        auto g = TwoCurves("x^2", "x", c.minV, c.maxV, c.segments);
        const Feedback f = Draw(*g);
        const std::vector<std::string> lines = PaneLines(pane.Text());
        ASSERT_EQ(lines.size(), 6u);
        EXPECT_EQ(lines[0], "函数 y=x^2");
        EXPECT_EQ(lines[1], "函数2 y=x");
        std::vector<std::pair<double, double>> points{PointOfLine(lines[2], "    交点: "),
                                                      PointOfLine(lines[3], "    交点: ")};
        if (c.minV > c.maxV) std::swap(points[0], points[1]);
        EXPECT_NEAR(points[0].first, 0, c.pointTolerance);
        EXPECT_NEAR(points[0].second, 0, c.pointTolerance);
        EXPECT_NEAR(points[1].first, 1, c.pointTolerance);
        EXPECT_NEAR(points[1].second, 1, c.pointTolerance);
        EXPECT_NEAR(ValueOfLine(lines[4], "    相交区域的面积 "), 1.0 / 6, 0.002);
        EXPECT_EQ(lines[5], "");

        // One marker a point.
        const auto markers = TriangleMarkers(f, InterColour);
        ASSERT_EQ(markers.size(), 2u);
        // The fill: from the first point to the last, between the chords of
        // the curves (with three segments the chords of 0..1 coincide).
        const StripExtent e = ExtentOf(
            PolygonsOf(f, AreaColour), [](double x) { return x * x; }, [](double x) { return x; });
        if (c.segments > 3) {
            EXPECT_NEAR(e.left, 0, 2e-4);
            EXPECT_NEAR(e.right, 1, 2e-4);
            EXPECT_NEAR(e.area, 1.0 / 6, 1e-3);
        } else {
            EXPECT_NEAR(e.area, 0, 1e-6);
        }
        // Both curves are drawn over it.
        EXPECT_EQ(LinesOf(f, CurveColour).size(), std::size_t(c.segments));
        EXPECT_EQ(LinesOf(f, SecondColour).size(), std::size_t(c.segments));
    }
}

TEST_F(PlaneOverlaysTest, MoreThanFiftyPointsShowTheMessageAndDrawNothingMore) {
    RecordingMessageBox box;
    RecordingResultPane pane;
    auto many = TwoCurves("sin(20*x)", "0", -10, 10, 2000);
    box.Clear();
    const Feedback f = Draw(*many);
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "交点个数大于50。");
    EXPECT_EQ(box.Last().title, "注意");
    EXPECT_EQ(box.Last().icon, MsgIcon::None);
    EXPECT_EQ(box.Last().buttons, MsgButtons::OK);
    EXPECT_EQ(pane.Text(), "函数 y=sin(20*x)\r\n");
    EXPECT_TRUE(f.lines.empty());
    EXPECT_TRUE(f.polygons.empty());

    // Exactly 50: sin(x) crosses 0 at k*pi, k = 1..50, on 3..158 (drawn at a
    // tenth, inside the view).
    box.Clear();
    Scale2D = 10;
    auto fifty = TwoCurves("sin(x)", "0", 3, 158, 1000);
    fifty->ShowArea = false;
    const Feedback all = Draw(*fifty);
    EXPECT_EQ(box.Count(), 0u);
    const std::vector<std::string> lines = PaneLines(pane.Text());
    ASSERT_EQ(lines.size(), 52u);
    EXPECT_EQ(lines[1], "函数2 y=0");
    for (int k = 1; k <= 50; ++k) {
        const auto [x, y] = PointOfLine(lines[std::size_t(k) + 1], "    交点: ");
        EXPECT_NEAR(x, k * std::acos(-1.0), 1e-2);
        EXPECT_EQ(y, 0);
    }
    EXPECT_EQ(TriangleMarkers(all, InterColour).size(), 50u);
}

TEST_F(PlaneOverlaysTest, OnePointHasNoAreaAndMarkersNeedTheCurves) {
    RecordingResultPane pane;
    // y = x and y = 2x - 1 meet at (1, 1), not on a sample.
    auto once = TwoCurves("x", "2*x-1", 0, 3, 7);
    Feedback f = Draw(*once);
    const std::vector<std::string> lines = PaneLines(pane.Text());
    ASSERT_EQ(lines.size(), 3u);
    const auto [x, y] = PointOfLine(lines[2], "    交点: ");
    EXPECT_NEAR(x, 1, 1e-5);
    EXPECT_NEAR(y, 1, 1e-5);
    EXPECT_TRUE(PolygonsOf(f, AreaColour).empty());
    EXPECT_EQ(TriangleMarkers(f, InterColour).size(), 1u);

    // Without the curves there are no markers; the point is still written.
    once->Show2DCurve = false;
    f = Draw(*once);
    EXPECT_TRUE(TriangleMarkers(f, InterColour).empty());
    EXPECT_EQ(PaneLines(pane.Text()).size(), 3u);

    // With neither option there is no search and no line of it.
    once->Show2DCurve = true;
    once->ShowInter = once->ShowArea = false;
    f = Draw(*once);
    EXPECT_EQ(pane.Text(), "函数 y=x\r\n");
    EXPECT_TRUE(TriangleMarkers(f, InterColour).empty());
}

} // namespace
