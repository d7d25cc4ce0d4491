// Sampling of space curves, surfaces with their partial-derivative surfaces,
// points and animations: the axis mapping (X text to drawing z, Y to x, Z to
// y), the coordinate systems, the clipping of each kind and the frames.
#include "core/Globals.h"
#include "core/MessageService.h"
#include "graph/Cls9.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using SpaceSampling = ProgramStateTest;

struct GraphSpec {
    std::int32_t kind = GraphType::Surface3D;
    std::int32_t form = FunForm::Parametric;
    std::int32_t coord = CoordType::Cartesian;
    const char* x = "0";
    const char* y = "0";
    const char* z = "0";
    float minU = 0, maxU = 1;
    std::int32_t stepU = 1;
    float minV = 0, maxV = 1;
    std::int32_t stepV = 1;
    float minT = 0, maxT = 1;
};

void Apply(Cls9& g, const GraphSpec& s) {
    g.GraphType = s.kind;
    g.FunForm = s.form;
    g.CoordType = s.coord;
    g.ExpressX = s.x;
    g.ExpressY = s.y;
    g.ExpressZ = s.z;
    g.MinU = s.minU;
    g.MaxU = s.maxU;
    g.StepU = s.stepU;
    g.MinV = s.minV;
    g.MaxV = s.maxV;
    g.StepV = s.stepV;
    g.MinT = s.minT;
    g.MaxT = s.maxT;
    g.Animation = s.kind >= GraphType::PointAnimation && s.kind <= GraphType::Surface3DAnimation;
}

// Drawing coordinates in the order x, y, z.
struct P {
    double x, y, z;
};

constexpr float U = UndefinedValue;
constexpr double Pi = M_PI;

float F(double v) { return static_cast<float>(v); }

// The parameter value as the sampling forms it: min + k*step from the
// 32-bit step, rounded once.
float Pos(float min, float max, int steps, int k) {
    const float step = F((double(max) - min) / steps);
    return F(double(min) + double(k) * step);
}

void ExpectPoint(const Cls2& p, const P& e, const std::string& what) {
    // UndefinedValue must be met exactly; numbers to float rounding.
    const auto check = [&](float actual, double expected, const char* axis) {
        if (F(expected) == U) EXPECT_EQ(actual, U) << what << " " << axis;
        else EXPECT_NEAR(actual, expected, 2e-6 * (1 + std::fabs(expected))) << what << " " << axis;
    };
    check(p.x, e.x, "x");
    check(p.y, e.y, "y");
    check(p.z, e.z, "z");
}

} // namespace

TEST_F(SpaceSampling, SpaceCurvesInEveryFormAndCoordinateSystem) {
    struct Case {
        const char* what;
        GraphSpec spec;
        std::vector<P> points; // VertCurve3D(0..StepU)
    };
    const float h = F(Pi / 2);
    const Case cases[] = {
        {"parametric Cartesian",
         {.kind = GraphType::Curve3D, .x = "u", .y = "2u", .z = "3u", .minU = 0, .maxU = 1, .stepU = 2},
         {{0, 0, 0}, {1, 1.5, 0.5}, {2, 3, 1}}},
        {"parametric cylindrical a = u, r = 2, h = u",
         {.kind = GraphType::Curve3D, .coord = CoordType::Cylindrical, .x = "u", .y = "2", .z = "u",
          .minU = 0, .maxU = h, .stepU = 1},
         {{0, 0, 2}, {2 * std::sin(double(h)), h, 2 * std::cos(double(h))}}},
        {"parametric spherical a = 0, b = u, R = 2",
         {.kind = GraphType::Curve3D, .coord = CoordType::Spherical, .x = "0", .y = "u", .z = "2",
          .minU = 0, .maxU = h, .stepU = 1},
         {{0, 2, 0}, {0, 2 * std::cos(double(h)), 2 * std::sin(double(h))}}},
        {"explicit x*x lies in the plane x = 0",
         {.kind = GraphType::Curve3D, .form = FunForm::Explicit, .z = "x*x", .minU = -1, .maxU = 1, .stepU = 2},
         {{0, 1, -1}, {0, 0, 0}, {0, 1, 1}}},
        {"explicit x+y follows y, the last token",
         {.kind = GraphType::Curve3D, .form = FunForm::Explicit, .z = "x+y+1", .minU = -1, .maxU = 1, .stepU = 2},
         {{-1, 0, 0}, {0, 1, 0}, {1, 2, 0}}},
        {"explicit y+x follows x",
         {.kind = GraphType::Curve3D, .form = FunForm::Explicit, .z = "y+x", .minU = -1, .maxU = 1, .stepU = 1},
         {{0, -1, -1}, {0, 1, 1}}},
        {"explicit 5 stays at the origin",
         {.kind = GraphType::Curve3D, .form = FunForm::Explicit, .z = "5", .minU = -1, .maxU = 1, .stepU = 1},
         {{0, 0, 0}, {0, 0, 0}}},
        {"explicit sin(t) stays at the origin",
         {.kind = GraphType::Curve3D, .form = FunForm::Explicit, .z = "sin(t)+1", .minU = -1, .maxU = 1, .stepU = 1},
         {{0, 0, 0}, {0, 0, 0}}},
        {"explicit cylindrical in a alone: the vertical axis",
         {.kind = GraphType::Curve3D, .form = FunForm::Explicit, .coord = CoordType::Cylindrical,
          .z = "a+1", .minU = 0, .maxU = 2, .stepU = 1},
         {{0, 1, 0}, {0, 3, 0}}},
        {"explicit cylindrical in r alone",
         {.kind = GraphType::Curve3D, .form = FunForm::Explicit, .coord = CoordType::Cylindrical,
          .z = "2r", .minU = 0, .maxU = 2, .stepU = 1},
         {{0, 0, 0}, {0, 4, 2}}},
        {"explicit cylindrical a*r follows r",
         {.kind = GraphType::Curve3D, .form = FunForm::Explicit, .coord = CoordType::Cylindrical,
          .z = "a*r+1", .minU = 0, .maxU = 2, .stepU = 1},
         {{0, 1, 0}, {0, 1, 2}}},
        {"explicit spherical in a alone: (0, R, 0)",
         {.kind = GraphType::Curve3D, .form = FunForm::Explicit, .coord = CoordType::Spherical,
          .z = "a+1", .minU = 0, .maxU = 2, .stepU = 1},
         {{0, 1, 0}, {0, 3, 0}}},
        {"explicit spherical in b alone",
         {.kind = GraphType::Curve3D, .form = FunForm::Explicit, .coord = CoordType::Spherical,
          .z = "b*0+2", .minU = 0, .maxU = h, .stepU = 1},
         {{0, 2, 0}, {0, 2 * std::cos(double(h)), 2 * std::sin(double(h))}}},
        {"a plane coordinate system writes nothing",
         {.kind = GraphType::Curve3D, .form = FunForm::Explicit, .coord = CoordType::PlaneCartesian,
          .z = "x+1", .minU = 0, .maxU = 2, .stepU = 1},
         {{0, 0, 0}, {0, 0, 0}}},
        {"an implicit form writes nothing",
         {.kind = GraphType::Curve3D, .form = FunForm::Implicit, .x = "u", .y = "u", .z = "x+1",
          .minU = 0, .maxU = 2, .stepU = 1},
         {{0, 0, 0}, {0, 0, 0}}},
    };
    for (const Case& c : cases) {
        Cls9 g;
        Apply(g, c.spec);
        ASSERT_TRUE(g.GetPoints()) << c.what;
        ASSERT_EQ(g.VertCurve3D.Count(), static_cast<std::int64_t>(c.points.size())) << c.what;
        for (std::size_t j = 0; j < c.points.size(); ++j)
            ExpectPoint(g.VertCurve3D(static_cast<std::int64_t>(j)), c.points[j],
                        std::string(c.what) + " point " + std::to_string(j));
    }
}

TEST_F(SpaceSampling, SurfaceGridsInEveryFormAndCoordinateSystem) {
    const float pi = F(Pi);
    {
        // The parametric unit sphere: the column v = 0 is its top.
        Cls9 g;
        Apply(g, {.coord = CoordType::Spherical, .x = "u", .y = "v", .z = "1", .minU = 0,
                  .maxU = 2 * pi, .stepU = 8, .minV = 0, .maxV = pi, .stepV = 4});
        ASSERT_TRUE(g.GetPoints());
        for (int j = 0; j <= 8; ++j) {
            ExpectPoint(g.Vert3D(j, 0), {0, 1, 0}, "top " + std::to_string(j));
            for (int i = 0; i <= 4; ++i) {
                const Cls2& p = g.Vert3D(j, i);
                EXPECT_NEAR(std::sqrt(double(p.x) * p.x + double(p.y) * p.y + double(p.z) * p.z), 1, 1e-6);
            }
        }
        const double b = Pos(0, pi, 4, 2), a = Pos(0, 2 * pi, 8, 2);
        ExpectPoint(g.Vert3D(2, 2), {std::sin(b) * std::sin(a), std::cos(b), std::sin(b) * std::cos(a)},
                    "a = pi/2, b = pi/2");
    }
    struct Case {
        const char* what;
        GraphSpec spec;
        // The point (j, i) = (1, 1): u = 2, v = 3 over the ranges below.
        P expected;
    };
    const Case cases[] = {
        {"parametric Cartesian", {.x = "u", .y = "v", .z = "u*v"}, {3, 6, 2}},
        {"parametric cylindrical", {.coord = CoordType::Cylindrical, .x = "u", .y = "v", .z = "u+v"},
         {3 * std::sin(2.0), 5, 3 * std::cos(2.0)}},
        {"explicit Cartesian with the dialog's texts",
         {.form = FunForm::Explicit, .x = "x", .y = "y", .z = "x*y"}, {3, 6, 2}},
        {"explicit Cartesian evaluates its X and Y texts",
         {.form = FunForm::Explicit, .x = "2x", .y = "y-1", .z = "x*y"}, {2, 6, 4}},
        {"explicit cylindrical", {.form = FunForm::Explicit, .coord = CoordType::Cylindrical,
                                  .x = "a", .y = "r", .z = "a*r"},
         {3 * std::sin(2.0), 6, 3 * std::cos(2.0)}},
        {"explicit spherical", {.form = FunForm::Explicit, .coord = CoordType::Spherical,
                                .x = "a", .y = "b", .z = "2"},
         {2 * std::sin(3.0) * std::sin(2.0), 2 * std::cos(3.0), 2 * std::sin(3.0) * std::cos(2.0)}},
        {"explicit polar has no row", {.form = FunForm::Explicit, .coord = CoordType::Polar,
                                       .x = "a", .y = "r", .z = "2"}, {0, 0, 0}},
        {"inequality has no row", {.form = FunForm::Inequality, .x = "u", .y = "v", .z = "2"}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        for (std::int32_t kind : {GraphType::Surface3D, GraphType::ColorMap, GraphType::Contour,
                                  GraphType::VectorField}) {
            GraphSpec spec = c.spec;
            spec.kind = kind;
            spec.minU = 0, spec.maxU = 4, spec.stepU = 2;
            spec.minV = 0, spec.maxV = 6, spec.stepV = 2;
            Cls9 g;
            Apply(g, spec);
            ASSERT_TRUE(g.GetPoints()) << c.what;
            ASSERT_EQ(g.Vert3D.Count(), 9) << c.what;
            ExpectPoint(g.Vert3D(1, 1), c.expected, std::string(c.what) + " kind " + std::to_string(kind));
        }
    }
}

TEST_F(SpaceSampling, SurfaceGridsClipAtNinetyWhateverTheViewRangeAndCurvesAtTheViewRange) {
    // y = 90 + u/2: 90 at u = 0, 90.5 at u = 1; z = -90 - u/2 likewise.
    for (float view : {10.0f, 1000.0f}) {
        ViewMinX = ViewMinY = ViewMinZ = -view;
        ViewMaxX = ViewMaxY = ViewMaxZ = view;
        Cls9 g;
        Apply(g, {.x = "-90-u/2", .y = "v", .z = "90+u/2"});
        ASSERT_TRUE(g.GetPoints());
        ExpectPoint(g.Vert3D(0, 1), {1, 90, -90}, "bounds stay");
        ExpectPoint(g.Vert3D(1, 1), {1, U, U}, "beyond them undefined");
    }
    ViewMaxY = 90.25f;
    ViewMinZ = -1000;
    Cls9 g;
    Apply(g, {.kind = GraphType::Curve3D, .x = "-90-u/2", .y = "1", .z = "90+u/2"});
    ASSERT_TRUE(g.GetPoints());
    ExpectPoint(g.VertCurve3D(0), {1, 90, -90}, "curve within the view");
    ExpectPoint(g.VertCurve3D(1), {1, U, -90.5}, "curve beyond ViewMaxY");
}

TEST_F(SpaceSampling, PartialDerivativeSurfacesOfAnExplicitCartesianSurface) {
    Cls9 g;
    Apply(g, {.form = FunForm::Explicit, .x = "x", .y = "y", .z = "x*y", .minU = -10, .maxU = 10,
              .stepU = 4, .minV = -10, .maxV = 10, .stepV = 4});
    g.ShowSurPX = true;
    g.ShowSurPY = true;
    ASSERT_TRUE(g.GetPoints());
    for (int j = 0; j <= 4; ++j) {
        for (int i = 0; i <= 4; ++i) {
            const double u = -10 + 5 * j, v = -10 + 5 * i;
            const std::string at = "(" + std::to_string(j) + ", " + std::to_string(i) + ")";
            // Only the surface itself is clipped at 90.
            ExpectPoint(g.Vert3D(j, i), {v, std::fabs(u * v) > 90 ? U : u * v, u}, "Vert3D " + at);
            ExpectPoint(g.VertPX(j, i), {v, v, u}, "VertPX " + at);
            ExpectPoint(g.VertPY(j, i), {v, u, u}, "VertPY " + at);
        }
    }
    {
        // A partial derivative that cannot be built: the surface is sampled,
        // its partial surfaces stay undefined.
        RecordingMessageBox box;
        Cls9 r;
        Apply(r, {.form = FunForm::Explicit, .x = "x", .y = "y", .z = "abs(x)+y"});
        r.ShowSurPX = true;
        r.ShowSurPY = true;
        EXPECT_TRUE(r.GetPoints());
        EXPECT_EQ(box.Count(), 1u);
        ExpectPoint(r.Vert3D(1, 1), {1, 2, 1}, "surface with refused partials");
        for (const PointGrid* grid : {&r.VertPX, &r.VertPY})
            for (std::int64_t n = 0; n < grid->Count(); ++n)
                ExpectPoint(grid->Data()[n], {U, U, U}, "refused partial " + std::to_string(n));
    }
    // Other forms keep the partial surfaces at the origin.
    for (const GraphSpec& spec : {GraphSpec{.form = FunForm::Explicit, .coord = CoordType::Cylindrical,
                                            .x = "a", .y = "r", .z = "x*y"},
                                  GraphSpec{.x = "u", .y = "v", .z = "x*y"}}) {
        Cls9 h;
        Apply(h, spec);
        h.ShowSurPX = true;
        h.ShowSurPY = true;
        ASSERT_TRUE(h.GetPoints());
        for (int j = 0; j <= 1; ++j)
            for (int i = 0; i <= 1; ++i) {
                ExpectPoint(h.VertPX(j, i), {0, 0, 0}, "other form PX");
                ExpectPoint(h.VertPY(j, i), {0, 0, 0}, "other form PY");
            }
    }
}

TEST_F(SpaceSampling, PointInEachCoordinateSystemIsNeverClipped) {
    const double h = F(Pi / 2);
    struct Case {
        const char* what;
        std::int32_t coord;
        const char* x;
        const char* y;
        const char* z;
        P expected;
    };
    const Case cases[] = {
        {"plane Cartesian", CoordType::PlaneCartesian, "0", "3", "4", {3, 4, 0}},
        {"polar a = pi/2, r = 2, depth 5", CoordType::Polar, "5", "pi/2", "2", {2 * std::cos(h), 2, 5}},
        {"Cartesian", CoordType::Cartesian, "1", "2", "3", {2, 3, 1}},
        {"cylindrical a = pi/2, r = 2, h = 3", CoordType::Cylindrical, "pi/2", "2", "3", {2, 3, 2 * std::cos(h)}},
        {"spherical on the vertical axis", CoordType::Spherical, "0", "0", "3", {0, 3, 0}},
        {"spherical a = 0, b = pi/2", CoordType::Spherical, "0", "pi/2", "2", {0, 2 * std::cos(h), 2}},
        {"variables are 0", CoordType::Cartesian, "x+1", "t", "u-2", {0, -2, 1}},
        {"far beyond the view range", CoordType::Cartesian, "0", "1000", "-1000000", {1000, -1e6, 0}},
        {"CoordType 0 stays at the origin", 0, "1", "2", "3", {0, 0, 0}},
        // An undefined value in a product makes the coordinates made from it undefined.
        {"polar with an undefined radius", CoordType::Polar, "1", "0", "log(-1)", {U, U, 1}},
        {"cylindrical with an undefined angle", CoordType::Cylindrical, "log(0)", "1", "2", {U, 2, U}},
        {"spherical with an undefined radius", CoordType::Spherical, "0", "0", "sqr(-1)", {U, U, U}},
        {"Cartesian keeps the defined coordinates", CoordType::Cartesian, "log(-1)", "1", "2", {1, 2, U}},
    };
    for (const Case& c : cases) {
        Cls9 g;
        Apply(g, {.kind = GraphType::Point, .form = 0, .coord = c.coord, .x = c.x, .y = c.y, .z = c.z});
        ASSERT_TRUE(g.GetPoints()) << c.what;
        ExpectPoint(g.Vert3D(0, 0), c.expected, c.what);
        for (auto [j, i] : {std::pair{0, 1}, {1, 0}, {1, 1}})
            ExpectPoint(g.Vert3D(j, i), {0, 0, 0}, std::string(c.what) + " other elements");
    }
}

TEST_F(SpaceSampling, PointAnimationsHaveOneFramePerStepAndTheLast) {
    FrameCount = 10;
    Cls9 g;
    Apply(g, {.kind = GraphType::PointAnimation, .coord = CoordType::Cartesian, .x = "t", .y = "2t",
              .z = "1000", .minT = 0, .maxT = 1});
    ASSERT_TRUE(g.GetPoints());
    ASSERT_EQ(g.Anim1D.Count(), 11);
    for (int k = 0; k <= 10; ++k) {
        const double t = Pos(0, 1, 10, k);
        ExpectPoint(g.Anim1D(k), {2 * t, 1000, t}, "frame " + std::to_string(k));
    }

    // Polar (0, t, 1) runs on the unit circle; an X text t gives the depth.
    Apply(g, {.kind = GraphType::PointAnimation, .coord = CoordType::Polar, .x = "0", .y = "t",
              .z = "1", .minT = 0, .maxT = F(2 * Pi)});
    ASSERT_TRUE(g.GetPoints());
    for (int k = 0; k <= 10; ++k) {
        const double t = Pos(0, F(2 * Pi), 10, k);
        ExpectPoint(g.Anim1D(k), {std::cos(t), std::sin(t), 0}, "circle frame " + std::to_string(k));
    }
    g.ExpressX = "t";
    ASSERT_TRUE(g.GetPoints());
    EXPECT_FLOAT_EQ(g.Anim1D(3).z, Pos(0, F(2 * Pi), 10, 3));

    struct Case {
        const char* what;
        std::int32_t coord;
        const char* x;
        const char* y;
        const char* z;
        P frame1; // t = 0.1
    };
    const Case cases[] = {
        {"plane Cartesian", CoordType::PlaneCartesian, "0", "t", "2t", {0.1, 0.2, 0}},
        {"cylindrical", CoordType::Cylindrical, "t", "2", "3", {2 * std::sin(double(F(0.1))), 3, 2 * std::cos(double(F(0.1)))}},
        {"spherical", CoordType::Spherical, "0", "t", "2", {0, 2 * std::cos(double(F(0.1))), 2 * std::sin(double(F(0.1)))}},
        {"polar with an undefined radius", CoordType::Polar, "t", "t", "log(-t)", {U, U, 0.1}},
    };
    for (const Case& c : cases) {
        Apply(g, {.kind = GraphType::PointAnimation, .coord = c.coord, .x = c.x, .y = c.y, .z = c.z,
                  .minT = 0, .maxT = 1});
        ASSERT_TRUE(g.GetPoints()) << c.what;
        ExpectPoint(g.Anim1D(1), c.frame1, c.what);
    }
}

// A point of a special-graph document lies in the plane of its frame: it is
// placed at x = ExpressY, y = ExpressZ (polar: a = ExpressY, r = ExpressZ) in
// whatever coordinate system its document stored, as its row shows it.
TEST_F(SpaceSampling, PointsOfSpecialDocumentsLieWhereTheirTwoCoordinatesSay) {
    DocumentKind = 7;
    FrameCount = 4; // t = 0.25 in frame 1
    const double h = F(Pi / 2);
    struct Case {
        const char* what;
        std::int32_t coord;
        const char *x, *y, *z;
        P still;  // the point with t = 0
        P moving; // the point animation over t in 0..1, frame 1
    };
    const Case cases[] = {
        {"plane Cartesian", CoordType::PlaneCartesian, "0", "1", "2+t", {1, 2, 0}, {1, 2.25, 0}},
        {"polar", CoordType::Polar, "0", "pi/2", "2*t+1", {2 * std::cos(h), 1, 0}, {1.5 * std::cos(h), 1.5, 0}},
        {"Cartesian", CoordType::Cartesian, "0", "1", "2", {1, 2, 0}, {1, 2, 0}},
        {"cylindrical", CoordType::Cylindrical, "0", "1", "2", {1, 2, 0}, {1, 2, 0}},
        {"spherical", CoordType::Spherical, "0", "2", "-1", {2, -1, 0}, {2, -1, 0}},
        {"cylindrical, an X text", CoordType::Cylindrical, "t", "1-t", "2", {1, 2, 0}, {0.75, 2, 0.25}},
    };
    for (const Case& c : cases) {
        Cls9 g;
        Apply(g, {.kind = GraphType::Point, .form = 0, .coord = c.coord, .x = c.x, .y = c.y, .z = c.z});
        ASSERT_TRUE(g.GetPoints()) << c.what;
        ExpectPoint(g.Vert3D(0, 0), c.still, c.what);
        Apply(g, {.kind = GraphType::PointAnimation, .coord = c.coord, .x = c.x, .y = c.y, .z = c.z, .minT = 0,
                  .maxT = 1});
        ASSERT_TRUE(g.GetPoints()) << c.what;
        ExpectPoint(g.Anim1D(1), c.moving, std::string(c.what) + " moving");
    }
    // A space document keeps the space coordinate systems.
    DocumentKind = 3;
    Cls9 g;
    Apply(g, {.kind = GraphType::Point, .form = 0, .coord = CoordType::Cylindrical, .x = "0", .y = "1", .z = "2"});
    ASSERT_TRUE(g.GetPoints());
    ExpectPoint(g.Vert3D(0, 0), {0, 2, 1}, "space cylindrical");
}

TEST_F(SpaceSampling, PlaneAndStripAnimationsRunOverTheVRangeAndClipAtTheView) {
    FrameCount = 2; // t = 0, 0.5, 1
    struct Case {
        const char* what;
        std::int32_t form, coord;
        const char* x;
        const char* y;
        const char* z;
        P sample1frame2; // s = 1 (MinV 0, MaxV 2, StepV 2), t = 1
    };
    const Case cases[] = {
        {"explicit y = f(x, t)", FunForm::Explicit, CoordType::PlaneCartesian, "7", "7", "x+t", {1, 2, 0}},
        {"explicit r = f(a, t)", FunForm::Explicit, CoordType::Polar, "7", "7", "2t",
         {2 * std::cos(1.0), 2 * std::sin(1.0), 0}},
        {"parametric Cartesian", FunForm::Parametric, CoordType::PlaneCartesian, "t", "u", "u+t", {1, 2, 1}},
        {"parametric polar", FunForm::Parametric, CoordType::Polar, "-t", "u", "3t",
         {3 * std::cos(1.0), 3 * std::sin(1.0), -1}},
        {"polar with an undefined radius", FunForm::Explicit, CoordType::Polar, "0", "0", "log(a-1)", {U, U, 0}},
        {"implicit writes nothing", FunForm::Implicit, CoordType::PlaneCartesian, "t", "u", "u", {0, 0, 0}},
        {"a space coordinate system writes nothing", FunForm::Explicit, CoordType::Cartesian, "t",
         "u", "u", {0, 0, 0}},
    };
    for (const Case& c : cases) {
        for (std::int32_t kind : {GraphType::Function2DAnimation, GraphType::Strip25DAnimation}) {
            Cls9 g;
            // MinU and MaxU play no part in these kinds.
            Apply(g, {.kind = kind, .form = c.form, .coord = c.coord, .x = c.x, .y = c.y, .z = c.z,
                      .minU = 50, .maxU = 60, .stepU = 1, .minV = 0, .maxV = 2, .stepV = 2});
            ASSERT_TRUE(g.GetPoints()) << c.what;
            const std::string what = std::string(c.what) + " kind " + std::to_string(kind);
            if (kind == GraphType::Function2DAnimation) {
                ASSERT_EQ(g.Anim2D.Count(), 3 * 3) << what;
                ExpectPoint(g.Anim2D(1, 2), c.sample1frame2, what);
            } else {
                ASSERT_EQ(g.Anim25D.Count(), 2 * 3 * 3) << what;
                ExpectPoint(g.Anim25D(0, 1, 2), c.sample1frame2, what);
                for (int j = 0; j <= 2; ++j)
                    for (int k = 0; k <= 2; ++k) ExpectPoint(g.Anim25D(1, j, k), {0, 0, 0}, what + " row 1");
            }
        }
    }
    // Outside the view range: only the coordinates outside become undefined;
    // a view that excludes z = 0 makes every z of an explicit curve undefined.
    ViewMaxY = 1.5f;
    ViewMinZ = 1;
    Cls9 g;
    Apply(g, {.kind = GraphType::Function2DAnimation, .form = FunForm::Explicit,
              .coord = CoordType::PlaneCartesian, .z = "x+t", .minV = 0, .maxV = 2, .stepV = 2});
    ASSERT_TRUE(g.GetPoints());
    ExpectPoint(g.Anim2D(1, 1), {1, 1.5, U}, "at the bound");
    ExpectPoint(g.Anim2D(1, 2), {1, U, U}, "beyond it");
}

TEST_F(SpaceSampling, SpaceCurveAnimations) {
    FrameCount = 2;
    struct Case {
        const char* what;
        std::int32_t form, coord;
        const char* x;
        const char* y;
        const char* z;
        P sample1frame2; // u = 1 (MinU 0, MaxU 2, StepU 2), t = 1
    };
    const Case cases[] = {
        {"parametric Cartesian", FunForm::Parametric, CoordType::Cartesian, "u", "t", "u+2t+v", {1, 3, 1}},
        {"parametric cylindrical", FunForm::Parametric, CoordType::Cylindrical, "u", "2t", "5",
         {2 * std::sin(1.0), 5, 2 * std::cos(1.0)}},
        {"parametric spherical", FunForm::Parametric, CoordType::Spherical, "0", "u", "t+1",
         {0, 2 * std::cos(1.0), 2 * std::sin(1.0)}},
        {"explicit x+y follows y", FunForm::Explicit, CoordType::Cartesian, "", "", "x+y+t", {1, 2, 0}},
        {"explicit in x", FunForm::Explicit, CoordType::Cartesian, "", "", "x*t+y*0+x", {0, 2, 1}},
        {"explicit sin(t) stays at the origin", FunForm::Explicit, CoordType::Cartesian, "", "", "sin(t)", {0, 0, 0}},
        {"explicit cylindrical in r", FunForm::Explicit, CoordType::Cylindrical, "", "", "r+t", {0, 2, 1}},
        {"explicit spherical in b", FunForm::Explicit, CoordType::Spherical, "", "", "b*0+t+1",
         {0, 2 * std::cos(1.0), 2 * std::sin(1.0)}},
    };
    for (const Case& c : cases) {
        Cls9 g;
        // MinV and MaxV play no part: v is 0.
        Apply(g, {.kind = GraphType::Curve3DAnimation, .form = c.form, .coord = c.coord, .x = c.x,
                  .y = c.y, .z = c.z, .minU = 0, .maxU = 2, .stepU = 2, .minV = 40, .maxV = 50});
        ASSERT_TRUE(g.GetPoints()) << c.what;
        ASSERT_EQ(g.AnimCurve3D.Count(), 3 * 3) << c.what;
        ExpectPoint(g.AnimCurve3D(1, 2), c.sample1frame2, c.what);
    }
}

TEST_F(SpaceSampling, SurfaceAnimationsBindTheGridInTheExplicitForm) {
    FrameCount = 2;
    struct Case {
        const char* what;
        std::int32_t form, coord;
        const char* x;
        const char* y;
        const char* z;
        P point11frame2; // u = 2, v = 3, t = 1
    };
    const Case cases[] = {
        // Unlike the static surface, the X and Y texts are not evaluated.
        {"explicit Cartesian: z = u, x = v", FunForm::Explicit, CoordType::Cartesian, "2x", "y-1",
         "x*y+t", {3, 7, 2}},
        {"explicit cylindrical", FunForm::Explicit, CoordType::Cylindrical, "", "", "a*r+t",
         {3 * std::sin(2.0), 7, 3 * std::cos(2.0)}},
        {"explicit spherical", FunForm::Explicit, CoordType::Spherical, "", "", "t+1",
         {2 * std::sin(3.0) * std::sin(2.0), 2 * std::cos(3.0), 2 * std::sin(3.0) * std::cos(2.0)}},
        {"explicit spherical with an undefined radius", FunForm::Explicit, CoordType::Spherical, "",
         "", "log(-t)", {U, U, U}},
        {"parametric Cartesian", FunForm::Parametric, CoordType::Cartesian, "u", "v", "u*v*t", {3, 6, 2}},
        {"parametric cylindrical", FunForm::Parametric, CoordType::Cylindrical, "u", "v", "t",
         {3 * std::sin(2.0), 1, 3 * std::cos(2.0)}},
        {"parametric spherical", FunForm::Parametric, CoordType::Spherical, "u", "v", "2t",
         {2 * std::sin(3.0) * std::sin(2.0), 2 * std::cos(3.0), 2 * std::sin(3.0) * std::cos(2.0)}},
        {"implicit writes nothing", FunForm::Implicit, CoordType::Cartesian, "u", "v", "t", {0, 0, 0}},
    };
    for (const Case& c : cases) {
        Cls9 g;
        Apply(g, {.kind = GraphType::Surface3DAnimation, .form = c.form, .coord = c.coord, .x = c.x,
                  .y = c.y, .z = c.z, .minU = 0, .maxU = 4, .stepU = 2, .minV = 0, .maxV = 6, .stepV = 2});
        ASSERT_TRUE(g.GetPoints()) << c.what;
        ASSERT_EQ(g.Anim3D.Count(), 3 * 3 * 3) << c.what;
        ExpectPoint(g.Anim3D(1, 1, 2), c.point11frame2, c.what);
    }
    // Animated surfaces clip at the view range, not at 90.
    ViewMaxY = 6.5f;
    Cls9 g;
    Apply(g, {.kind = GraphType::Surface3DAnimation, .form = FunForm::Explicit, .z = "x*y+t",
              .minU = 0, .maxU = 4, .stepU = 2, .minV = 0, .maxV = 6, .stepV = 2});
    ASSERT_TRUE(g.GetPoints());
    ExpectPoint(g.Anim3D(1, 1, 1), {3, 6.5, 2}, "at the bound");
    ExpectPoint(g.Anim3D(1, 1, 2), {3, U, 2}, "beyond it");
}

TEST_F(SpaceSampling, FramesFollowTWithoutTheAnimationFlagAndInEitherDirection) {
    FrameCount = 4;
    struct Case {
        const char* what;
        bool animation;
        float minT, maxT;
    };
    for (const Case& c : {Case{"flag set", true, 0, 2}, Case{"flag cleared", false, 0, 2},
                          Case{"falling t", true, 2, 0}, Case{"fixed t", true, 1, 1}}) {
        for (std::int32_t kind : {GraphType::PointAnimation, GraphType::Function2DAnimation,
                                  GraphType::Strip25DAnimation, GraphType::Curve3DAnimation,
                                  GraphType::Surface3DAnimation}) {
            Cls9 g;
            const bool plane = kind == GraphType::Function2DAnimation || kind == GraphType::Strip25DAnimation;
            Apply(g, {.kind = kind, .form = FunForm::Parametric,
                      .coord = plane ? CoordType::PlaneCartesian : CoordType::Cartesian, .x = "t",
                      .y = "0", .z = "0", .minT = c.minT, .maxT = c.maxT});
            g.Animation = c.animation;
            ASSERT_TRUE(g.GetPoints()) << c.what << " kind " << kind;
            for (int k = 0; k <= 4; ++k) {
                const SamplePoint* p = nullptr;
                switch (kind) {
                case GraphType::PointAnimation: p = &g.Anim1D(k); break;
                case GraphType::Function2DAnimation: p = &g.Anim2D(1, k); break;
                case GraphType::Strip25DAnimation: p = &g.Anim25D(0, 1, k); break;
                case GraphType::Curve3DAnimation: p = &g.AnimCurve3D(1, k); break;
                default: p = &g.Anim3D(1, 1, k); break;
                }
                EXPECT_FLOAT_EQ(p->z, Pos(c.minT, c.maxT, 4, k)) << c.what << " kind " << kind << " frame " << k;
            }
        }
    }
}

TEST_F(SpaceSampling, NonFiniteCoordinatesAreUndefined) {
    ViewMinX = ViewMinY = ViewMinZ = -3.4e38f;
    ViewMaxX = ViewMaxY = ViewMaxZ = 3.4e38f;
    struct Case {
        const char* what;
        GraphSpec spec;
    };
    // The step from -3e38 to 3e38 overflows the float range: u is no number.
    const Case cases[] = {
        {"explicit curve", {.kind = GraphType::Curve3D, .form = FunForm::Explicit, .minU = -3e38f,
                            .maxU = 3e38f}},
        {"explicit surface animation", {.kind = GraphType::Surface3DAnimation, .form = FunForm::Explicit,
                                        .minU = -3e38f, .maxU = 3e38f}},
    };
    for (const Case& c : cases) {
        Cls9 g;
        GraphSpec spec = c.spec;
        spec.z = spec.kind == GraphType::Curve3D ? "x^0" : "1";
        Apply(g, spec);
        ASSERT_TRUE(g.GetPoints()) << c.what;
        const Cls2& p = spec.kind == GraphType::Curve3D ? g.VertCurve3D(1) : g.Anim3D(1, 0, 0);
        EXPECT_EQ(p.z, U) << c.what;
        EXPECT_EQ(p.y, 1) << c.what;
    }
}

TEST_F(SpaceSampling, AFailedEvaluationStopsAndLeavesTheRestAtTheOrigin) {
    FrameCount = 2;
    // An empty Z text compiles but leaves nothing to evaluate.
    Cls9 g;
    Apply(g, {.x = "u+1", .y = "v+1", .z = "", .stepU = 1, .stepV = 1});
    EXPECT_FALSE(g.GetPoints());
    ExpectPoint(g.Vert3D(0, 0), {1, 0, 1}, "partly written");
    ExpectPoint(g.Vert3D(1, 1), {0, 0, 0}, "not reached");

    Apply(g, {.kind = GraphType::Surface3DAnimation, .x = "u+1", .y = "v+1", .z = ""});
    EXPECT_FALSE(g.GetPoints());
    ExpectPoint(g.Anim3D(0, 0, 0), {1, 0, 1}, "first frame partly written");
    ExpectPoint(g.Anim3D(0, 0, 1), {0, 0, 0}, "later frame not reached");

    Apply(g, {.kind = GraphType::Point, .coord = CoordType::Cartesian, .x = "4", .y = "", .z = "5"});
    EXPECT_FALSE(g.GetPoints());
    ExpectPoint(g.Vert3D(0, 0), {0, 0, 4}, "point");
}
