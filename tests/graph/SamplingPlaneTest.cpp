// Sampling of plane graphs: the frame (steps, arrays, compiling, the point
// cap), the plane loop, intersections, revolutions, series, differential
// equations, and the derivative and f(-x) samples.
#include "core/Globals.h"
#include "core/MessageService.h"
#include "graph/Cls9.h"
#include "tests/graph/Cls9TestAccess.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using Sampling = ProgramStateTest;

// A plane graph sampled over MinV..MaxV with StepV segments.
Cls9& Plane(Cls9& g, std::int32_t form, std::int32_t coord, const std::string& x,
            const std::string& y, const std::string& z, float minV, float maxV,
            std::int32_t stepV, std::int32_t kind = GraphType::Function2D) {
    g.GraphType = kind;
    g.FunForm = form;
    g.CoordType = coord;
    g.ExpressX = x;
    g.ExpressY = y;
    g.ExpressZ = z;
    g.MinV = minV;
    g.MaxV = maxV;
    g.StepV = stepV;
    return g;
}

struct P {
    float x, y, z;
};

void ExpectRow(const PointGrid& grid, const std::vector<P>& expected, const std::string& what) {
    ASSERT_EQ(grid.Upper(1) + 1, static_cast<std::int64_t>(expected.size())) << what;
    for (std::size_t j = 0; j < expected.size(); ++j) {
        const Cls2& p = grid(0, static_cast<std::int64_t>(j));
        EXPECT_FLOAT_EQ(p.x, expected[j].x) << what << " sample " << j << " x";
        EXPECT_FLOAT_EQ(p.y, expected[j].y) << what << " sample " << j << " y";
        EXPECT_FLOAT_EQ(p.z, expected[j].z) << what << " sample " << j << " z";
    }
}

constexpr float U = UndefinedValue;

float F(double v) { return static_cast<float>(v); }

} // namespace

TEST_F(Sampling, PlaneLoopMapsEachFormAndCoordinateSystem) {
    const float pi = static_cast<float>(M_PI);
    struct Case {
        const char* what;
        std::int32_t form, coord;
        const char* x;
        const char* y;
        const char* z;
        float minV, maxV;
        std::int32_t stepV;
        std::vector<P> row;
    };
    const Case cases[] = {
        {"explicit x^2 over -1..1", FunForm::Explicit, CoordType::PlaneCartesian, "0", "x", "x^2",
         -1, 1, 4, {{-1, 1, 0}, {-0.5f, 0.25f, 0}, {0, 0, 0}, {0.5f, 0.25f, 0}, {1, 1, 0}}},
        {"explicit polar r = 2", FunForm::Explicit, CoordType::Polar, "0", "a", "2", 0, pi, 2,
         {{2, 0, 0},
          {F(2 * std::cos(double(pi / 2))), 2, 0},
          {-2, F(2 * std::sin(double(pi))), 0}}},
        {"parametric (X depth, Y across, Z up)", FunForm::Parametric, CoordType::PlaneCartesian,
         "5", "u", "2u", 0, 1, 2, {{0, 0, 5}, {0.5f, 1, 5}, {1, 2, 5}}},
        {"parametric polar a = u, r = 2, depth 3", FunForm::Parametric, CoordType::Polar, "3", "u",
         "2", 0, pi, 1, {{2, 0, 3}, {-2, F(2 * std::sin(double(pi))), 3}}},
        {"implicit keeps the origin", FunForm::Implicit, CoordType::PlaneCartesian, "0", "x",
         "x^2+y^2-1", -1, 1, 2, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},
    };
    for (const Case& c : cases) {
        Cls9 g;
        Plane(g, c.form, c.coord, c.x, c.y, c.z, c.minV, c.maxV, c.stepV);
        ASSERT_TRUE(g.GetPoints()) << c.what;
        ExpectRow(g.Vert3D, c.row, c.what);
    }
}

TEST_F(Sampling, StepsAndFrameCountAreRaisedToOne) {
    struct Case {
        std::int32_t stepU, stepV, frames;
    };
    for (const Case c : {Case{0, 0, 0}, Case{-5, -1, -3}, Case{3, 0, 7}}) {
        Cls9 g;
        Plane(g, FunForm::Explicit, CoordType::PlaneCartesian, "0", "x", "x", 0, 1, c.stepV);
        g.StepU = c.stepU;
        FrameCount = c.frames;
        ASSERT_TRUE(g.GetPoints());
        const std::int32_t u = c.stepU < 1 ? 1 : c.stepU;
        EXPECT_EQ(g.StepU, u);
        EXPECT_EQ(g.StepV, 1);
        EXPECT_EQ(FrameCount, c.frames < 1 ? 1 : c.frames);
        EXPECT_EQ(g.Vert3D.Upper(0), u);
        EXPECT_EQ(g.Vert3D.Upper(1), 1);
        EXPECT_EQ(g.VertDev.Upper(1), 1);
        ExpectRow(g.Vert3D, {{0, 0, 0}, {1, 1, 0}}, "StepV 1");
    }
}

TEST_F(Sampling, EveryTextCompilesAndKindsWithoutSamplerOnlyGetFreshArrays) {
    {
        RecordingMessageBox box;
        Cls9 g;
        Plane(g, FunForm::Explicit, CoordType::PlaneCartesian, "0", "x+*", "x", 0, 1, 2);
        EXPECT_FALSE(g.GetPoints());
        ASSERT_EQ(box.Count(), 1u);
        EXPECT_EQ(box.Last().title, "语法错误");
        // Nothing to draw or analyse: no point is left at the origin.
        ASSERT_TRUE(g.Vert3D.Exists());
        for (std::int64_t i = 0; i <= g.Vert3D.Upper(0); ++i)
            EXPECT_EQ(g.Vert3D(i, 0).y, UndefinedValue) << i;
    }
    {
        RecordingMessageBox box;
        Cls9 g;
        Plane(g, FunForm::Explicit, CoordType::PlaneCartesian, "0", "x", "x", 0, 1, 2,
              GraphType::Intersection);
        g.Exp2 = "sin(";
        EXPECT_FALSE(g.GetPoints());
        EXPECT_EQ(box.Count(), 1u);
    }
    for (std::int32_t kind : {4, 5, 6, 31, 32, 99, -1}) {
        RecordingMessageBox box;
        Cls9 g;
        Plane(g, FunForm::Explicit, CoordType::PlaneCartesian, "1", "2", "3", 0, 1, 2, kind);
        ASSERT_TRUE(g.GetPoints()) << kind;
        EXPECT_TRUE(g.Vert3D.Exists() && g.VertDev.Exists() && g.VertDev2.Exists()) << kind;
        EXPECT_FALSE(g.VertJO.Exists() || g.VertRev.Exists() || g.VertODE.Exists()) << kind;
        ExpectRow(g.Vert3D, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, "no sampler");
        EXPECT_EQ(box.Count(), 0u);
    }
}

TEST_F(Sampling, ArraysByKindIncludingAnimationsWithoutTheAnimationFlag) {
    struct Case {
        std::int32_t kind;
        std::int64_t points; // points of the kind's own array
    };
    FrameCount = 4;
    for (const Case c : {Case{GraphType::Curve3D, 3}, Case{GraphType::PointAnimation, 5},
                         Case{GraphType::Function2DAnimation, 3 * 5},
                         Case{GraphType::Strip25DAnimation, 2 * 3 * 5},
                         Case{GraphType::Curve3DAnimation, 3 * 5},
                         Case{GraphType::Surface3DAnimation, 3 * 3 * 5},
                         Case{GraphType::RevolutionY, 41 * 3}, Case{GraphType::Intersection, 9},
                         Case{GraphType::ODE, 9}}) {
        Cls9 g;
        Plane(g, FunForm::Explicit, CoordType::PlaneCartesian, "0", "x", "x", 0, 1, 2, c.kind);
        g.StepU = 2;
        g.Exp2 = "x";
        g.Animation = false;
        ASSERT_TRUE(g.GetPoints()) << c.kind;
        std::int64_t own = 0;
        switch (c.kind) {
        case GraphType::Curve3D: own = g.VertCurve3D.Count(); break;
        case GraphType::PointAnimation: own = g.Anim1D.Count(); break;
        case GraphType::Function2DAnimation: own = g.Anim2D.Count(); break;
        case GraphType::Strip25DAnimation: own = g.Anim25D.Count(); break;
        case GraphType::Curve3DAnimation: own = g.AnimCurve3D.Count(); break;
        case GraphType::Surface3DAnimation: own = g.Anim3D.Count(); break;
        case GraphType::RevolutionY: own = g.VertRev.Count(); break;
        case GraphType::Intersection: own = g.VertInter.Count(); break;
        case GraphType::ODE: own = g.VertODE.Count(); break;
        }
        EXPECT_EQ(own, c.points) << c.kind;
        EXPECT_EQ(g.Vert3D.Count(), 9) << c.kind;
        EXPECT_FALSE(g.VertPX.Exists() || g.VertPY.Exists() || g.VertJO.Exists()) << c.kind;
    }
}

TEST_F(Sampling, ArraysNotCreatedKeepTheirOldContents) {
    Cls9 g;
    Plane(g, FunForm::Explicit, CoordType::PlaneCartesian, "0", "x", "x", 0, 1, 1);
    g.ShowJO = true;
    ASSERT_TRUE(g.GetPoints());
    ExpectRow(g.VertJO, {{-1, 1, 0}, {0, 0, 0}}, "f(-x)");
    g.ShowJO = false;
    g.ExpressZ = "2x";
    ASSERT_TRUE(g.GetPoints());
    ExpectRow(g.VertJO, {{-1, 1, 0}, {0, 0, 0}}, "kept");
    ExpectRow(g.Vert3D, {{0, 0, 0}, {1, 2, 0}}, "resampled");
}

TEST_F(Sampling, TooManyPointsAreRefusedBeforeAnyArrayIsTouched) {
    struct Case {
        const char* what;
        std::int32_t kind, stepU, stepV, frames;
        bool refused;
    };
    // Main, first- and second-derivative arrays always; frame arrays by kind.
    const Case cases[] = {
        {"3 grids of 9,999,999 points in all", GraphType::Surface3D, 2, 1'111'110, 1, false},
        {"one column more", GraphType::Surface3D, 2, 1'111'111, 1, true},
        {"huge counts", GraphType::Surface3D, 2'000'000'000, 2'000'000'000, 1, true},
        {"animation frames", GraphType::Surface3DAnimation, 99, 99, 1000, true},
        {"strip animation at the int limits", GraphType::Strip25DAnimation, 1, 2147483647,
         2147483647, true},
        // A space curve: 3 grids of 4 x 833,333 and its 4 curve points make
        // exactly 10,000,000; 3 grids of 11 x 303,030 and 11 curve points one more.
        {"exactly 10,000,000 points", GraphType::Curve3D, 3, 833'332, 1, false},
        {"10,000,001 points", GraphType::Curve3D, 10, 303'029, 1, true},
    };
    for (const Case& c : cases) {
        RecordingMessageBox box;
        Cls9 g;
        Plane(g, FunForm::Explicit, CoordType::PlaneCartesian, "0", "x", "x", 0, 1, 1, c.kind);
        ASSERT_TRUE(g.GetPoints());
        g.Vert3D(0, 1).x = 42; // a mark that a refused call must leave
        g.StepU = c.stepU;
        g.StepV = c.stepV;
        FrameCount = c.frames;
        EXPECT_EQ(g.GetPoints(), !c.refused) << c.what;
        if (c.refused) {
            ASSERT_EQ(box.Count(), 1u) << c.what;
            EXPECT_EQ(box.Last().text, "采样点数过多。");
            EXPECT_EQ(box.Last().title, "出错");
            EXPECT_EQ(g.Vert3D.Count(), 4) << c.what;
            EXPECT_EQ(g.Vert3D(0, 1).x, 42) << c.what;
        } else {
            EXPECT_EQ(box.Count(), 0u) << c.what;
        }
    }
}

TEST_F(Sampling, ViewRangeBoundsStayAndBeyondThemIsUndefined) {
    ViewMaxX = 1;
    ViewMaxY = 0.5f;
    Cls9 g;
    Plane(g, FunForm::Explicit, CoordType::PlaneCartesian, "0", "x", "x", 0, 1, 2);
    ASSERT_TRUE(g.GetPoints());
    ExpectRow(g.Vert3D, {{0, 0, 0}, {0.5f, 0.5f, 0}, {1, U, 0}}, "y above its bound");

    ViewMaxX = std::nextafter(1.0f, 0.0f);
    ViewMinZ = 0.5f; // z = 0 lies below it
    ASSERT_TRUE(g.GetPoints());
    ExpectRow(g.Vert3D, {{0, 0, U}, {0.5f, 0.5f, U}, {U, U, U}}, "x just above, z below");

    // An implicit graph is not sampled here, and its fresh row is not clipped.
    g.FunForm = FunForm::Implicit;
    ASSERT_TRUE(g.GetPoints());
    ExpectRow(g.Vert3D, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, "implicit: origin, unclipped");
}

TEST_F(Sampling, IntersectionSamplesItsSecondCurve) {
    ViewMaxY = 3;
    Cls9 g;
    Plane(g, FunForm::Explicit, CoordType::PlaneCartesian, "0", "x", "x", 0, 2, 2,
          GraphType::Intersection);
    g.Exp2 = "2x";
    ASSERT_TRUE(g.GetPoints());
    ExpectRow(g.VertInter, {{0, 0, 0}, {1, 2, 0}, {2, U, 0}}, "second curve");

    g.CoordType = CoordType::Polar;
    ViewMinZ = 1; // fresh points are still clipped
    ASSERT_TRUE(g.GetPoints());
    ExpectRow(g.VertInter, {{0, 0, U}, {0, 0, U}, {0, 0, U}}, "polar: fresh and clipped");
}

TEST_F(Sampling, RevolutionRingsAroundEachAxis) {
    ViewMaxY = 1.5f;
    Cls9 g;
    Plane(g, FunForm::Explicit, CoordType::PlaneCartesian, "0", "x", "x", -1, 2, 3,
          GraphType::RevolutionY);
    g.StepU = 7; // plays no part
    ASSERT_TRUE(g.GetPoints());
    ASSERT_EQ(g.VertRev.Upper(0), 40);
    ASSERT_EQ(g.VertRev.Upper(1), 3);
    const float theta40 = 6.2832f;
    // Sample 0 is (-1, -1): about y the radius is |px| = 1.
    EXPECT_FLOAT_EQ(g.VertRev(0, 0).x, 1);
    EXPECT_FLOAT_EQ(g.VertRev(0, 0).y, -1);
    EXPECT_FLOAT_EQ(g.VertRev(0, 0).z, 0);
    EXPECT_EQ(g.VertRev(40, 0).x, F(std::cos(double(theta40))));
    EXPECT_EQ(g.VertRev(40, 0).z, F(std::sin(double(theta40))));
    EXPECT_EQ(g.VertRev(10, 0).z, F(std::sin(double(F(157080 / 100000.0)))));
    // Sample 3 is (2, clipped): its whole ring is undefined.
    for (int i = 0; i <= 40; ++i) {
        const Cls2& p = g.VertRev(i, 3);
        EXPECT_TRUE(p.x == U && p.y == U && p.z == U) << i;
    }

    g.GraphType = GraphType::RevolutionX;
    ASSERT_TRUE(g.GetPoints());
    // Sample 2 is (1, 1): about x the ring is (px, |py| sin, |py| cos).
    EXPECT_FLOAT_EQ(g.VertRev(0, 2).x, 1);
    EXPECT_FLOAT_EQ(g.VertRev(0, 2).y, 0);
    EXPECT_FLOAT_EQ(g.VertRev(0, 2).z, 1);
    EXPECT_EQ(g.VertRev(40, 2).y, F(std::sin(double(theta40))));
    EXPECT_EQ(g.VertRev(5, 3).x, U);
}

TEST_F(Sampling, SeriesSumsItsTerms) {
    struct Case {
        const char* what;
        const char* z;
        std::int32_t n1, n2;
        float a0;
        std::vector<P> row;
    };
    const Case cases[] = {
        {"1 + x + x^2 plus a0", "x^n", 0, 2, 1, {{0, 2, 0}, {1, 4, 0}, {2, 8, 0}}},
        {"N1 above N2 gives a0", "x^n", 3, 1, 0.5f, {{0, 0.5f, 0}, {1, 0.5f, 0}, {2, 0.5f, 0}}},
        {"an undefined term leaves y undefined", "log(x)*n", 1, 2, 0,
         {{0, U, 0}, {1, 0, 0}, {2, F(3 * F(std::log(2.0))), 0}}},
        {"a sum beyond the float range", "3*10^38+x", 1, 3, 0, {{0, U, 0}, {1, U, 0}, {2, U, 0}}},
    };
    for (const Case& c : cases) {
        Cls9 g;
        Plane(g, 0, 0, "0", "x", c.z, 0, 2, 2, GraphType::Series);
        g.SeriesN1 = c.n1;
        g.SeriesN2 = c.n2;
        g.SeriesA0 = c.a0;
        ASSERT_TRUE(g.GetPoints()) << c.what;
        ExpectRow(g.Vert3D, c.row, c.what);
    }
}

TEST_F(Sampling, DifferentialEquationByEulerSteps) {
    // dy/dx = y over x 0..1 in 4 steps, start heights over v -1..2 (m = 2, cut at +-4).
    Cls9 g;
    Plane(g, 0, 0, "0", "x", "y", -1, 2, 3, GraphType::ODE);
    g.MinU = 0;
    g.MaxU = 1;
    g.StepU = 4;
    ASSERT_TRUE(g.GetPoints());
    for (int j = 0; j <= 3; ++j) {
        float y = F(-1.0 + j * (3.0 / 3));
        EXPECT_EQ(g.VertODE(0, j).x, 0);
        EXPECT_EQ(g.VertODE(0, j).y, y);
        bool cut = false;
        for (int k = 1; k <= 4; ++k) {
            y = F(double(y) + double(y) * 0.25);
            cut = cut || y > 4 || y < -4;
            EXPECT_FLOAT_EQ(g.VertODE(k, j).x, k * 0.25f) << j << "," << k;
            EXPECT_FLOAT_EQ(g.VertODE(k, j).y, cut ? U : y) << j << "," << k;
        }
    }
    // j = 3 starts at 2: 2.5, 3.125, 3.906, 4.88 -> cut, and stays undefined.
    EXPECT_EQ(g.VertODE(4, 3).y, U);
    EXPECT_NE(g.VertODE(3, 3).y, U);

    // The start heights come from the exact quotient, not from the rounded step.
    Plane(g, 0, 0, "0", "x", "0", 0.1f, 0.7f, 3, GraphType::ODE);
    ASSERT_TRUE(g.GetPoints());
    for (int j = 0; j <= 3; ++j)
        EXPECT_EQ(g.VertODE(0, j).y, F(double(0.1f) + j * ((double(0.7f) - double(0.1f)) / 3)));

    // With an initial value: one solution, never cut by the bounds.
    Plane(g, 0, 0, "0", "x", "y", -1, 1, 2, GraphType::ODE);
    g.ODEInitial = true;
    g.ODEInitX = 0.5f;
    g.ODEInitY = 3;
    g.MinU = 0;
    g.MaxU = 2;
    g.StepU = 2;
    ASSERT_TRUE(g.GetPoints());
    EXPECT_EQ(g.VertODE(0, 0).x, 0.5f);
    EXPECT_EQ(g.VertODE(0, 0).y, 3);
    EXPECT_EQ(g.VertODE(1, 0).x, 1);
    EXPECT_EQ(g.VertODE(1, 0).y, 6);
    EXPECT_EQ(g.VertODE(2, 0).y, 12);
    for (int k = 0; k <= 2; ++k) EXPECT_EQ(g.VertODE(k, 1).y, 0) << "solution 1 not computed";

    // An undefined slope makes the rest of the solution undefined.
    g.ExpressZ = "log(y-4)";
    ASSERT_TRUE(g.GetPoints());
    EXPECT_EQ(g.VertODE(1, 0).y, U);
    EXPECT_EQ(g.VertODE(2, 0).y, U);

    // A slope whose evaluation answers False keeps the previous one (0 at first).
    g.ExpressZ = "";
    ASSERT_TRUE(g.GetPoints());
    EXPECT_EQ(g.VertODE(1, 0).y, 3);
    EXPECT_EQ(g.VertODE(2, 0).y, 3);

    // With ShowMathErrors left True the division by zero at x = 0.5 is reported
    // and answers False: that step reuses the slope -2 of the step before, and
    // the solution goes on.
    RecordingMessageBox box;
    ShowMathErrors = true;
    g.ExpressZ = "1/(x-0.5)";
    g.ODEInitX = 0;
    g.ODEInitY = 0;
    g.MinU = 0;
    g.MaxU = 1.5f;
    g.StepU = 3;
    ASSERT_TRUE(g.GetPoints());
    EXPECT_EQ(box.Count(), 1u);
    EXPECT_EQ(g.VertODE(1, 0).y, -1);
    EXPECT_EQ(g.VertODE(2, 0).y, -2);
    EXPECT_EQ(g.VertODE(3, 0).y, -1);
}

TEST_F(Sampling, PolarUndefinedRadiusIsNeverAtDistanceOfTheMarker) {
    Cls9 g;
    Plane(g, FunForm::Explicit, CoordType::Polar, "0", "a", "log(a)", -1, 1, 4);
    ASSERT_TRUE(g.GetPoints());
    for (int j = 0; j <= 2; ++j) { // a = -1, -0.5, 0
        EXPECT_EQ(g.Vert3D(0, j).x, U) << j;
        EXPECT_EQ(g.Vert3D(0, j).y, U) << j;
    }
    EXPECT_FLOAT_EQ(g.Vert3D(0, 4).x, 0); // log(1) = 0
    EXPECT_NE(g.Vert3D(0, 3).x, U);

    // Parametric polar: an undefined angle as well as an undefined radius.
    Plane(g, FunForm::Parametric, CoordType::Polar, "0", "log(u)", "1", -1, 1, 2);
    ASSERT_TRUE(g.GetPoints());
    EXPECT_EQ(g.Vert3D(0, 0).x, U);
    EXPECT_EQ(g.Vert3D(0, 0).y, U);
    EXPECT_FLOAT_EQ(g.Vert3D(0, 2).x, 1);

    // An angle that is a sample position is a number even when it equals the
    // marker: only the evaluated radius can make the point undefined.
    Plane(g, FunForm::Explicit, CoordType::Polar, "0", "a", "2", U, 1, 1);
    g.ShowJO = true;
    g.ShowDev = true;
    ASSERT_TRUE(g.GetPoints());
    EXPECT_EQ(g.Vert3D(0, 0).x, F(2 * std::cos(double(U))));
    EXPECT_EQ(g.Vert3D(0, 0).y, F(2 * std::sin(double(U))));
    EXPECT_EQ(g.VertDev(0, 0).x, 0); // r' = 0 at the angle 0.12345
    EXPECT_EQ(g.VertDev(0, 0).y, 0);
    Plane(g, FunForm::Explicit, CoordType::Polar, "0", "a", "2", -1, -U, 1);
    ASSERT_TRUE(g.GetPoints());
    EXPECT_EQ(g.VertJO(0, 0).x, F(2 * std::cos(double(U)))); // q(0) = -MaxV
}

TEST_F(Sampling, OwnArithmeticBeyondTheFloatRangeIsUndefined) {
    Cls9 g;
    Plane(g, FunForm::Explicit, CoordType::PlaneCartesian, "0", "x", "1", -3e38f, 3e38f, 1);
    ViewMinX = ViewMinY = ViewMinZ = -3.4e38f;
    ViewMaxX = ViewMaxY = ViewMaxZ = 3.4e38f;
    ASSERT_TRUE(g.GetPoints());
    // The step overflows: MinV + 0 * inf and MinV + inf are no numbers.
    EXPECT_EQ(g.Vert3D(0, 0).x, U);
    EXPECT_EQ(g.Vert3D(0, 1).x, U);
    EXPECT_EQ(g.Vert3D(0, 0).y, 1);
    EXPECT_EQ(g.Vert3D(0, 1).y, 1);
}

TEST_F(Sampling, DerivativeSamples) {
    struct Case {
        const char* what;
        std::int32_t form, coord;
        const char* x;
        const char* y;
        const char* z;
        bool second;
        std::vector<P> dev, dev2;
    };
    const Case cases[] = {
        {"x^2", FunForm::Explicit, CoordType::PlaneCartesian, "0", "x", "x^2", false,
         {{-1, -2, 0}, {0, 0, 0}, {1, 2, 0}}, {}},
        {"parametric u^3 with Y text u", FunForm::Parametric, CoordType::PlaneCartesian, "0", "u",
         "u^3", true, {{-1, 3, 0}, {0, 0, 0}, {1, 3, 0}}, {{-1, -6, 0}, {0, 0, 0}, {1, 6, 0}}},
        {"second row has z 0 and skips X''", FunForm::Parametric, CoordType::PlaneCartesian,
         "u^2", "U", "2u", true, {{-1, 2, -2}, {0, 2, 0}, {1, 2, 2}},
         {{-1, 0, 0}, {0, 0, 0}, {1, 0, 0}}},
        {"the Z text u is its own derivative", FunForm::Parametric, CoordType::PlaneCartesian,
         "0", "u", "u", false, {{-1, -1, 0}, {0, 0, 0}, {1, 1, 0}}, {}},
        {"polar r = a: r' = 1", FunForm::Explicit, CoordType::Polar, "0", "a", "a", false,
         {{F(std::cos(-1.0)), F(std::sin(-1.0)), 0}, {1, 0, 0},
          {F(std::cos(1.0)), F(std::sin(1.0)), 0}}, {}},
        {"implicit: fresh points", FunForm::Implicit, CoordType::PlaneCartesian, "0", "x", "x",
         true, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},
    };
    for (const Case& c : cases) {
        Cls9 g;
        Plane(g, c.form, c.coord, c.x, c.y, c.z, -1, 1, 2);
        if (c.second) g.ShowGuai = true;
        else g.ShowDev = true;
        ASSERT_TRUE(g.GetPoints()) << c.what;
        ExpectRow(g.VertDev, c.dev, c.what);
        if (c.second) ExpectRow(g.VertDev2, c.dev2, std::string(c.what) + " second");
    }

    // Kinds other than plane functions and strips build and compile the texts
    // but make no samples.
    Cls9 g;
    Plane(g, FunForm::Explicit, CoordType::PlaneCartesian, "0", "x", "x^2", -1, 1, 2,
          GraphType::StepStem);
    g.ShowCurv = true;
    ASSERT_TRUE(g.GetPoints());
    ExpectRow(g.VertDev, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, "step plot");
    ExpectRow(g.Vert3D, {{-1, 1, 0}, {0, 0, 0}, {1, 1, 0}}, "step plot curve");
}

TEST_F(Sampling, RefusedDerivativeLeavesOnlyItsOverlayUndefined) {
    RecordingMessageBox box;
    Cls9 g;
    Plane(g, FunForm::Explicit, CoordType::PlaneCartesian, "0", "x", "abs(x)", -1, 1, 2);
    g.ShowDev = true;
    g.ShowCurv = true;
    g.ShowJO = true;
    EXPECT_TRUE(g.GetPoints());
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "不能计算ABS的导数。");
    ExpectRow(g.Vert3D, {{-1, 1, 0}, {0, 0, 0}, {1, 1, 0}}, "curve");
    ExpectRow(g.VertDev, {{U, U, U}, {U, U, U}, {U, U, U}}, "first derivative");
    ExpectRow(g.VertDev2, {{U, U, U}, {U, U, U}, {U, U, U}}, "second derivative");
    ExpectRow(g.VertJO, {{-1, 1, 0}, {0, 0, 0}, {1, 1, 0}}, "f(-x) still sampled");

    // A second derivative too long to build: refused with a message naming
    // the graph's text, once; the first derivative is still sampled.
    {
        RecordingMessageBox tooLong;
        std::string text = "x";
        for (int k = 0; k < 6; ++k) text = "(" + text + ")/(" + text + "+1)";
        Cls9 h;
        Plane(h, FunForm::Explicit, CoordType::PlaneCartesian, "0", "x", text, 1, 2, 2);
        h.ShowDev = true;
        h.ShowCurv = true;
        EXPECT_TRUE(h.GetPoints());
        ASSERT_EQ(tooLong.Count(), 1u);
        EXPECT_EQ(tooLong.Last().text, "不能计算" + text.substr(0, 79) + "…的导数。");
        EXPECT_EQ(tooLong.Last().title, "出错");
        EXPECT_EQ(tooLong.Last().icon, MsgIcon::Exclamation);
        EXPECT_NE(h.VertDev(0, 1).y, U);
        ExpectRow(h.VertDev2, {{U, U, U}, {U, U, U}, {U, U, U}}, "too long");
    }

    // A partial derivative that cannot be built: its surface is undefined, the
    // graph is sampled, the message comes once.
    box.Clear();
    Cls9 s;
    Plane(s, FunForm::Explicit, CoordType::PlaneCartesian, "0", "x", "abs(x)", -1, 1, 2);
    s.ShowSurPX = true;
    s.ShowSurPY = true;
    EXPECT_TRUE(s.GetPoints());
    EXPECT_EQ(box.Count(), 1u);
    ExpectRow(s.Vert3D, {{-1, 1, 0}, {0, 0, 0}, {1, 1, 0}}, "curve with partials");
    for (const PointGrid* grid : {&s.VertPX, &s.VertPY})
        for (std::int64_t n = 0; n < grid->Count(); ++n) {
            const Cls2& p = grid->Data()[n];
            EXPECT_TRUE(p.x == U && p.y == U && p.z == U) << n;
        }
}

TEST_F(Sampling, MirroredFunctionSamples) {
    Cls9 g;
    Plane(g, FunForm::Explicit, CoordType::PlaneCartesian, "0", "x", "x+x^2", -2, 3, 5);
    g.ShowJO = true;
    ASSERT_TRUE(g.GetPoints());
    std::vector<P> row;
    for (int j = 0; j <= 5; ++j) {
        const float q = float(j - 3);
        row.push_back({q, -q + q * q, 0});
    }
    ExpectRow(g.VertJO, row, "x from -3 to 2");

    // Parametric: the Y text unmirrored, the Z text mirrored, z 0.
    Plane(g, FunForm::Parametric, CoordType::PlaneCartesian, "7", "u", "u^3", -1, 1, 2);
    ASSERT_TRUE(g.GetPoints());
    ExpectRow(g.VertJO, {{-1, 1, 0}, {0, 0, 0}, {1, -1, 0}}, "parametric");
}

TEST_F(Sampling, MirrorExpressionReplacesTheFreeVariable) {
    struct Case {
        std::int32_t coord, form;
        const char* text;
        const char* mirrored;
    };
    const Case cases[] = {
        {1, 2, "x", "-x"},
        {1, 2, "X", "-x"},
        {1, 2, "5", "5"},
        {1, 2, "", ""},
        {1, 2, "sin(x)", "sin((-x))"},
        {1, 2, "x^2+exp(x)", "(-x)^2+exp((-x))"},
        {1, 2, "X*2", "(-x)*2"},
        {1, 2, "x*2", "(-x)*2"},
        {2, 2, "1+cos(a)", "1+cos((-a))"},
        {2, 2, "tan(a)", "tan((-a))"},
        {2, 2, "a+atan(a)", "(-a)+atan((-a))"},
        {1, 3, "u^2+x", "(-u)^2+x"},
        {2, 3, "u", "-u"},
        {1, 1, "x^2+y^2-1", ""},
        {3, 2, "x", ""},
    };
    for (const Case& c : cases) {
        Cls9 g;
        g.CoordType = c.coord;
        g.FunForm = c.form;
        EXPECT_EQ(Cls9TestAccess::MirrorExpression(g, c.text), c.mirrored) << c.text;
    }
    for (const char* letter : {"a", "Z", "q"}) EXPECT_TRUE(Cls9TestAccess::IsLetter(letter));
    for (const char* other : {"", "1", "(", "ab", "é"})
        EXPECT_FALSE(Cls9TestAccess::IsLetter(other));
}

TEST_F(Sampling, AnEvaluationAnsweringFalseEndsTheCall) {
    // An empty text compiles but leaves nothing to evaluate.
    Cls9 g;
    Plane(g, FunForm::Explicit, CoordType::PlaneCartesian, "0", "x", "", 0, 1, 2);
    EXPECT_FALSE(g.GetPoints());
    ExpectRow(g.Vert3D, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, "fresh points");

    // With ShowMathErrors left True a mathematical failure is reported and ends
    // the call; the samples made before it stay.
    RecordingMessageBox box;
    ShowMathErrors = true;
    Plane(g, FunForm::Explicit, CoordType::PlaneCartesian, "0", "x", "1/(x-0.5)", 0, 1, 2);
    EXPECT_FALSE(g.GetPoints());
    EXPECT_EQ(box.Count(), 1u);
    ExpectRow(g.Vert3D, {{0, -2, 0}, {0, 0, 0}, {0, 0, 0}}, "stopped at x = 0.5");
}
