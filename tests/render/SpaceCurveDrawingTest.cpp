// Space curves with their tangent lines and normal planes, drawn in a real GL
// context and caught through GL feedback (depth read back as drawing z).
#include "core/Globals.h"
#include "graph/Cls9.h"

#include "tests/support/GlFeedback.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Side = 400;
constexpr float Range = 20;

using Point3 = std::array<double, 3>;

Point3 Drawing(const FeedbackVertex& v) { return {v.x, v.y, DrawingZ(v.z)}; }

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
    ExpectPoint(Drawing(curve.front().from), {0, 0, 1});
    ExpectPoint(Drawing(curve.back().to), {0, 6.2832, 1}, 1e-2);

    // The tangent: the derivative (0, 1, 1) laid through (1, 0, 0) both ways,
    // in drawing axes (y, z, x).
    const auto tangent = f.LinesOf(0, 255, 0);
    ASSERT_EQ(tangent.size(), 1u);
    ExpectPoint(Drawing(tangent[0].from), {-1, -1, 1});
    ExpectPoint(Drawing(tangent[0].to), {1, 1, 1});

    // The normal plane: the unit square about the point lifted onto the plane
    // perpendicular to the derivative (GL may hand a quad on as triangles).
    const auto planes = f.PolygonsOf(0, 0, 255);
    ASSERT_FALSE(planes.empty());
    const Point3 corners[4] = {{-0.5, 0.5, 0.5}, {0.5, -0.5, 0.5}, {0.5, -0.5, 1.5}, {-0.5, 0.5, 1.5}};
    std::array<bool, 4> seen{};
    for (const auto& polygon : planes)
        for (const FeedbackVertex& v : polygon) {
            const Point3 p = Drawing(v);
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

TEST_F(SpaceCurveDrawingTest, OverlaysDrawOnlyForParametricCartesianCurves) {
    // The overlays read the three texts as Cartesian functions of u alone. An
    // explicit curve ("x", "y", f(x)) or a cylindrical or spherical one keeps
    // its ticks and draws no line or plane beside the curve, and no message
    // comes even for a text that cannot be differentiated.
    RecordingMessageBox box;
    struct Case {
        std::int32_t coordType, funForm;
        const char *x, *y, *z;
    };
    const Case cases[] = {
        {CoordType::Cartesian, FunForm::Explicit, "x", "y", "x^2+t"},
        {CoordType::Cylindrical, FunForm::Explicit, "a", "r", "a"},
        {CoordType::Spherical, FunForm::Explicit, "a", "b", "2"},
        {CoordType::Cylindrical, FunForm::Parametric, "u", "2", "u"},
        {CoordType::Spherical, FunForm::Parametric, "u", "1", "3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.x) + ", " + c.y + ", " + c.z);
        auto g = Cls9::Init(1, "C", GraphType::Curve3D, c.coordType, c.x, c.y, c.z, 20, 1, 0.5f, 2, 0, 0,
                            FillStyle::OneColor, 0, 255, 0, 1, Material::Metal, Show::FilledSurface,
                            Smoothness::Smooth);
        g->FunForm = c.funForm;
        ASSERT_TRUE(g->GetPoints());
        Overlays(*g, 1, 1);
        const Feedback f = Draw(*g);
        EXPECT_FALSE(f.LinesOf(255, 0, 0).empty()); // the curve itself
        EXPECT_TRUE(f.LinesOf(0, 255, 0).empty());
        EXPECT_TRUE(f.polygons.empty());
        EXPECT_TRUE(g->ShowTangent);
        EXPECT_TRUE(g->ShowNormal);
        ExpectEndState();
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
    ExpectPoint(Drawing(lines[0].from), {0, 5, 0});
    ExpectPoint(Drawing(lines[1].to), {2, 5, 0});
}

} // namespace
