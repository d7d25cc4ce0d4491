// Space curves with their tangent lines and normal planes, drawn in a real GL
// context and caught through GL feedback (depth read back as drawing z).
#include "core/Globals.h"
#include "graph/Cls9.h"

#include "tests/render/MappedPoints.h"
#include "tests/support/GlFeedback.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Side = 400;
constexpr float Range = 20;

double Length(const Point3& a) { return std::hypot(a[0], a[1], a[2]); }

void ExpectPoint(const Point3& actual, const Point3& expected, double tolerance = 2e-3) {
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(actual[std::size_t(k)], expected[std::size_t(k)], tolerance) << "coordinate " << k;
}

class SpaceCurveDrawingTest : public ProgramStateTest {
protected:
    void SetUp() override {
        gl_ = std::make_unique<GlTestContext>(Side);
        ASSERT_TRUE(gl_->Ok());
        DocumentKind = 3;
    }
    void TearDown() override { gl_.reset(); }

    // x = cos u, y = sin u, z = Z over 0..2pi in 40 segments, drawn red.
    static std::shared_ptr<Cls9> Curve(const std::string& z) {
        auto g = Cls9::Init(1, "H", GraphType::Curve3D, CoordType::Cartesian, "cos(u)", "sin(u)", z, 40, 1, 0,
                            6.2832f, 0, 0, FillStyle::OneColor, 0, 255, 0, 1, Material::Metal,
                            Show::FilledSurface, Smoothness::Smooth);
        g->FunForm = FunForm::Parametric;
        EXPECT_TRUE(g->GetPoints());
        return g;
    }
    static void Overlays(Cls9& g, float tangentAt, float normalAt) {
        g.ShowTangent = true;
        g.TangentNum = 1;
        g.TangentX(1) = tangentAt;
        g.ShowNormal = true;
        g.NormalNum = 1;
        g.NormalX(1) = normalAt;
    }
    static Feedback Draw(Cls9& g, std::int32_t frame = 0) {
        return CaptureFeedback(Side, Range, [&] { g.Draw(frame); });
    }
    // The end state of the branch: lighting on, smoothing and blending off.
    static void ExpectEndState() {
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
        EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
    }

private:
    std::unique_ptr<GlTestContext> gl_;
};

TEST_F(SpaceCurveDrawingTest, HelixSegmentsTangentAndNormalPlaneAtUZero) {
    auto g = Curve("u");
    Overlays(*g, 0, 0);
    glEnable(GL_LINE_SMOOTH); // the branch must turn it off at its end
    const Feedback f = Draw(*g);

    // The curve: 40 segments in the second colour, from (sin 0, 0, cos 0).
    const auto curve = f.LinesOf(255, 0, 0);
    ASSERT_EQ(curve.size(), 40u);
    ExpectPoint(DrawingPoint(curve.front().from), {0, 0, 1});
    ExpectPoint(DrawingPoint(curve.back().to), {0, 6.2832, 1}, 1e-2);

    // The tangent: the derivative (0, 1, 1) laid through (1, 0, 0) both ways,
    // in drawing axes (y, z, x).
    const auto tangent = f.LinesOf(0, 255, 0);
    ASSERT_EQ(tangent.size(), 1u);
    ExpectPoint(DrawingPoint(tangent[0].from), {-1, -1, 1});
    ExpectPoint(DrawingPoint(tangent[0].to), {1, 1, 1});

    // The normal plane: the unit square about the point lifted onto the plane
    // perpendicular to the derivative (GL may hand a quad on as triangles).
    const auto planes = f.PolygonsOf(0, 0, 255);
    ASSERT_FALSE(planes.empty());
    const Point3 corners[4] = {{-0.5, 0.5, 0.5}, {0.5, -0.5, 0.5}, {0.5, -0.5, 1.5}, {-0.5, 0.5, 1.5}};
    std::array<bool, 4> seen{};
    for (const auto& polygon : planes)
        for (const FeedbackVertex& v : polygon) {
            const Point3 p = DrawingPoint(v);
            bool known = false;
            for (std::size_t k = 0; k < 4; ++k)
                if (std::abs(p[0] - corners[k][0]) < 2e-3 && std::abs(p[1] - corners[k][1]) < 2e-3 &&
                    std::abs(p[2] - corners[k][2]) < 2e-3)
                    known = seen[k] = true;
            EXPECT_TRUE(known) << p[0] << " " << p[1] << " " << p[2];
        }
    EXPECT_EQ(seen, (std::array<bool, 4>{true, true, true, true}));
    ExpectEndState();
}

TEST_F(SpaceCurveDrawingTest, CurveInAPlaneOfConstantZDrawsNoNormalPlane) {
    // DZ is 0 everywhere: the plane cannot be solved for Z.
    auto g = Curve("2");
    Overlays(*g, 0.5f, 0.5f);
    g->NormalNum = 2;
    g->NormalX(2) = 3;
    const Feedback f = Draw(*g);
    EXPECT_EQ(f.LinesOf(255, 0, 0).size(), 40u);
    EXPECT_EQ(f.LinesOf(0, 255, 0).size(), 1u); // the tangent still is drawn
    EXPECT_TRUE(f.PolygonsOf(0, 0, 255).empty());
    EXPECT_TRUE(f.polygons.empty());
    ExpectEndState();
}

TEST_F(SpaceCurveDrawingTest, RefusedDerivativeEndsTheOverlaysAndStillRestoresTheLineState) {
    // t cannot be differentiated: its message, the curve, no overlay.
    RecordingMessageBox box;
    auto g = Curve("u");
    g->ExpressZ = "u+t";
    Overlays(*g, 0, 0);
    const Feedback f = Draw(*g);
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "不能计算T的导数。");
    EXPECT_EQ(f.LinesOf(255, 0, 0).size(), 40u);
    EXPECT_TRUE(f.LinesOf(0, 255, 0).empty());
    EXPECT_TRUE(f.polygons.empty());
    ExpectEndState();
}

TEST_F(SpaceCurveDrawingTest, TangentLinesAndNormalPlanesTouchTheCurveAsDrawn) {
    // Every form of space curve: the tangent line is the derivative of the
    // curve's point as drawn (after the cylindrical or spherical mapping),
    // laid through the point both ways; the normal plane passes through the
    // point perpendicular to it. Checked against the curve's own segments and
    // a finite difference of the mapped point, worked out here from the
    // function itself. The plane is the unit square about the point in two
    // axes: a parametric Cartesian curve's in x and y, solved for z; any other
    // curve's in the two axes but that of the derivative's largest component,
    // so that an upright plane (at a lowest point) is drawn and a steep one
    // stays small. A parametric cylindrical or spherical curve is touched as
    // drawn, not as if its a, r, z or a, b, R were Cartesian. No form shows a
    // message.
    RecordingMessageBox box;
    using Mapped = std::function<Point3(double s, double t)>; // mathematical (x, y, z)
    struct Case {
        const char* name;
        std::int32_t type, coordType, funForm;
        const char *x, *y, *z;
        float min, max; // 40 segments: s is a sample position
        float s;
        Mapped at;      // nullptr: no overlay drawn
        std::int32_t frame = 0;
        int lift = 2;   // the normal plane's lift axis: 0 x, 1 y, 2 z
    };
    const Case cases[] = {
        {"explicit Cartesian along x", GraphType::Curve3D, CoordType::Cartesian, FunForm::Explicit, "x", "y",
         "x^2/2+1", -2, 2, 1, [](double s, double) { return Point3{s, 0, s * s / 2 + 1}; }},
        {"explicit Cartesian along y", GraphType::Curve3D, CoordType::Cartesian, FunForm::Explicit, "x", "y",
         "sin(y)+y", -2, 2, 0.5f, [](double s, double) { return Point3{0, s, std::sin(s) + s}; }},
        {"explicit cylindrical along a", GraphType::Curve3D, CoordType::Cylindrical, FunForm::Explicit, "a", "r",
         "a/2", 0, 4, 2, [](double s, double) { return Cylindrical(s, 0, s / 2); }},
        {"explicit Cartesian at its lowest point", GraphType::Curve3D, CoordType::Cartesian, FunForm::Explicit,
         "x", "y", "x^2", -2, 2, 0, [](double s, double) { return Point3{s, 0, s * s}; }, 0, 0},
        {"explicit Cartesian, nearly level", GraphType::Curve3D, CoordType::Cartesian, FunForm::Explicit, "x",
         "y", "x^2", -2, 2, 0.1f, [](double s, double) { return Point3{s, 0, s * s}; }, 0, 0},
        {"explicit cylindrical along r", GraphType::Curve3D, CoordType::Cylindrical, FunForm::Explicit, "a", "r",
         "sin(r)", 0, 4, 1, [](double s, double) { return Cylindrical(0, s, std::sin(s)); }, 0, 0},
        {"explicit spherical along a", GraphType::Curve3D, CoordType::Spherical, FunForm::Explicit, "a", "b",
         "2+a", 0, 4, 1, [](double s, double) { return Spherical(s, 0, 2 + s); }},
        {"explicit spherical along b", GraphType::Curve3D, CoordType::Spherical, FunForm::Explicit, "a", "b",
         "2+b/4", 0, 2, 1, [](double s, double) { return Spherical(0, s, 2 + s / 4); }},
        {"explicit spherical animation at its frame's t", GraphType::Curve3DAnimation, CoordType::Spherical,
         FunForm::Explicit, "a", "b", "2+b*t", 0, 2, 1, [](double s, double t) { return Spherical(0, s, 2 + s * t); },
         1},
        {"parametric Cartesian (its texts' derivatives)", GraphType::Curve3D, CoordType::Cartesian,
         FunForm::Parametric, "cos(u)", "2*sin(u)", "u*u/4", 0, 2, 1,
         [](double s, double) { return Point3{std::cos(s), 2 * std::sin(s), s * s / 4}; }},
        {"explicit in no variable: every sample at the origin", GraphType::Curve3D, CoordType::Cartesian,
         FunForm::Explicit, "x", "y", "5", -2, 2, 1, nullptr},
        {"parametric cylindrical helix", GraphType::Curve3D, CoordType::Cylindrical, FunForm::Parametric, "u",
         "2", "u", 0, 2, 1, [](double s, double) { return Cylindrical(s, 2, s); }, 0, 0},
        {"parametric cylindrical helix of radius 2 + sin(u), in radians", GraphType::Curve3D,
         CoordType::Cylindrical, FunForm::Parametric, "u", "2+sin(u)", "u", 0, 2, 0.5f,
         [](double s, double) { return Cylindrical(s, 2 + std::sin(s), s); }, 0, 1},
        {"parametric cylindrical animation at its frame's t", GraphType::Curve3DAnimation, CoordType::Cylindrical,
         FunForm::Parametric, "u", "1+t", "u*u", 0, 2, 1,
         [](double s, double t) { return Cylindrical(s, 1 + t, s * s); }, 1},
        {"parametric spherical circle of latitude", GraphType::Curve3D, CoordType::Spherical, FunForm::Parametric,
         "u", "1", "3", 0, 2, 0.2f, [](double s, double) { return Spherical(s, 1, 3); }, 0, 1},
        {"parametric spherical animation at its frame's t", GraphType::Curve3DAnimation, CoordType::Spherical,
         FunForm::Parametric, "2", "u", "3+t", 0, 2, 1, [](double s, double t) { return Spherical(2, s, 3 + t); },
         1},
    };
    FrameCount = 4; // t over 0..2: frame 1 at t = 0.5
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto g = Cls9::Init(1, "C", c.type, c.coordType, c.x, c.y, c.z, 40, 1, c.min, c.max, 0, 0,
                            FillStyle::OneColor, 0, 255, 0, 1, Material::Metal, Show::FilledSurface,
                            Smoothness::Smooth);
        g->FunForm = c.funForm;
        g->MinT = 0;
        g->MaxT = 2;
        g->Animation = c.type == GraphType::Curve3DAnimation;
        ASSERT_TRUE(g->GetPoints());
        Overlays(*g, c.s, c.s);
        const Feedback f = Draw(*g, c.frame);
        const auto curve = f.LinesOf(255, 0, 0);
        EXPECT_EQ(curve.size(), 40u);
        ExpectEndState();
        EXPECT_TRUE(g->ShowTangent && g->ShowNormal);
        if (!c.at) {
            EXPECT_TRUE(f.LinesOf(0, 255, 0).empty());
            EXPECT_TRUE(f.polygons.empty());
            continue;
        }
        // The point and a finite difference of the mapped point, in drawing axes.
        const double t = 0.5 * c.frame;
        const Point3 point = GlAxes(c.at(c.s, t));
        const double h = 1e-5;
        const Point3 before = GlAxes(c.at(c.s - h, t)), after = GlAxes(c.at(c.s + h, t));
        Point3 d;
        for (std::size_t k = 0; k < 3; ++k) d[k] = (after[k] - before[k]) / (2 * h);

        // The point lies on the curve drawn: it is one of its samples.
        double nearest = 1e9;
        for (const FeedbackLine& l : curve) nearest = std::min(nearest, Distance(DrawingPoint(l.from), point));
        EXPECT_LT(nearest, 2e-3);

        // The tangent: from the point minus the derivative to the point plus it.
        const auto tangent = f.LinesOf(0, 255, 0);
        ASSERT_EQ(tangent.size(), 1u);
        ExpectPoint(DrawingPoint(tangent[0].from), {point[0] - d[0], point[1] - d[1], point[2] - d[2]});
        ExpectPoint(DrawingPoint(tangent[0].to), {point[0] + d[0], point[1] + d[1], point[2] + d[2]});

        // The normal plane: its corners perpendicular to the derivative from the
        // point, centred on it.
        const auto planes = f.PolygonsOf(0, 0, 255);
        ASSERT_FALSE(planes.empty());
        for (const auto& polygon : planes)
            for (const FeedbackVertex& v : polygon) {
                const Point3 p = DrawingPoint(v);
                const Point3 r = {p[0] - point[0], p[1] - point[1], p[2] - point[2]};
                EXPECT_NEAR(r[0] * d[0] + r[1] * d[1] + r[2] * d[2], 0, 2e-3 * Length(d));
            }
        const std::vector<Point3> corners = DistinctCorners(planes);
        ASSERT_EQ(corners.size(), 4u);
        for (const Point3& q : corners) {
            const Point3 r = {q[2] - point[2], q[0] - point[0], q[1] - point[1]}; // mathematical axes
            for (int k = 0; k < 3; ++k)
                if (k != c.lift) {
                    EXPECT_NEAR(std::fabs(r[std::size_t(k)]), 0.5, 1e-3) << "axis " << k;
                }
        }
        ExpectPoint({(corners[0][0] + corners[1][0] + corners[2][0] + corners[3][0]) / 4,
                     (corners[0][1] + corners[1][1] + corners[2][1] + corners[3][1]) / 4,
                     (corners[0][2] + corners[1][2] + corners[2][2] + corners[3][2]) / 4},
                    point);
    }
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(SpaceCurveDrawingTest, GapsPositionsAndAnimationFrames) {
    // An undefined sample leaves out both segments it ends; positions beyond
    // the 50 the lists hold are not read.
    auto g = Curve("u");
    g->VertCurve3D(10).y = UndefinedValue;
    g->ShowTangent = true;
    g->TangentNum = 80;
    for (int i = 1; i <= 50; ++i) g->TangentX(i) = float(i) / 10;
    Feedback f = Draw(*g);
    EXPECT_EQ(f.LinesOf(255, 0, 0).size(), 38u);
    EXPECT_EQ(f.LinesOf(0, 255, 0).size(), 50u);

    // Steps beyond the samples (a count the sampling cap refused): the
    // segments the array holds, and the walk ends with the array.
    auto few = Curve("u");
    few->StepU = 2'000'000'000;
    f = Draw(*few);
    EXPECT_EQ(f.LinesOf(255, 0, 0).size(), 40u);

    // An animation draws the segments of its frame.
    auto a = Cls9::Init(2, "A", GraphType::Curve3DAnimation, CoordType::Cartesian, "x", "y", "z", 2, 1, 0, 1, 0, 0,
                        FillStyle::OneColor, 0, 255, 0, 1, Material::Metal, Show::FilledSurface, Smoothness::Smooth);
    a->Animation = true;
    ASSERT_TRUE(a->AnimCurve3D.Create(2, 1));
    for (int i = 0; i <= 2; ++i) {
        a->AnimCurve3D(i, 0) = Cls2::Init(float(i), 0, 0);
        a->AnimCurve3D(i, 1) = Cls2::Init(float(i), 5, 0);
    }
    f = Draw(*a, 1);
    const auto lines = f.LinesOf(255, 0, 0);
    ASSERT_EQ(lines.size(), 2u);
    ExpectPoint(DrawingPoint(lines[0].from), {0, 5, 0});
    ExpectPoint(DrawingPoint(lines[1].to), {2, 5, 0});
}

} // namespace
