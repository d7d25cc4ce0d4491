// The bounding box of every graph kind, with its side effects. The sample
// arrays are filled here directly, the way the sampling leaves them.
#include "graph/Cls9.h"
#include "graph/SharedBoxes.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace {

using P = std::array<float, 3>;
constexpr float Big = 9999999.0f;

void Put(SamplePoint& point, const P& p) {
    point.x = p[0];
    point.y = p[1];
    point.z = p[2];
}

// A plane graph's row 0 of `array` as the sampling makes it: bounds
// (0..StepU, 0..StepV) with StepV + 1 samples.
void Row0(Cls9& g, PointGrid& array, const std::vector<P>& pts) {
    g.StepV = static_cast<std::int32_t>(pts.size()) - 1;
    ASSERT_TRUE(array.Create(g.StepU, g.StepV));
    for (std::size_t j = 0; j < pts.size(); ++j) Put(array(0, j), pts[j]);
}

void PlaneFunction(Cls9& g, const std::vector<P>& pts) {
    g.GraphType = GraphType::Function2D;
    g.CoordType = CoordType::PlaneCartesian;
    g.FunForm = FunForm::Explicit;
    Row0(g, g.Vert3D, pts);
}

// A surface grid (0..1, 0..1) of Vert3D.
void Grid(Cls9& g, std::int32_t kind, const std::vector<P>& four) {
    g.GraphType = kind;
    g.StepU = g.StepV = 1;
    ASSERT_TRUE(g.Vert3D.Create(1, 1));
    for (int k = 0; k < 4; ++k) Put(g.Vert3D(k / 2, k % 2), four[k]);
}

// A point graph sampled at p.
void SampledPoint(Cls9& g, const P& p) {
    g.GraphType = GraphType::Point;
    ASSERT_TRUE(g.Vert3D.Create(1, 1));
    Put(g.Vert3D(0, 0), p);
}

// Two solution curves of two Euler steps each.
void TwoSolutions(Cls9& g) {
    g.GraphType = GraphType::ODE;
    g.StepU = 1;
    g.StepV = 1;
    ASSERT_TRUE(g.VertODE.Create(1, 1));
    Put(g.VertODE(0, 0), {1, 2, 0});
    Put(g.VertODE(1, 0), {3, 4, 0});
    Put(g.VertODE(1, 1), {9, 9, 9});
}

// A vector operation as its dialog makes it, components in drawing axes.
void VectorOp(Cls9& g, std::int32_t operation, const P& v1, const P& v2) {
    g.GraphType = GraphType::VectorOperation;
    g.VecOperation = operation;
    g.VecDX = v1[0], g.VecDY = v1[1], g.VecDZ = v1[2];
    g.VecDX2 = v2[0], g.VecDY2 = v2[1], g.VecDZ2 = v2[2];
}

Cls1 Box(float minX, float maxX, float minY, float maxY, float minZ, float maxZ) {
    return Cls1{minX, maxX, minY, maxY, minZ, maxZ};
}

const std::vector<P> LowSurface = {{1, 5, 2}, {-2, 4, 3}, {0, 6, -1}, {3, 9, 0}};

struct Case {
    std::string name;
    std::function<void(Cls9&)> setup;
    std::int32_t step;
    Cls1 expected;
    std::function<void(Cls9&)> check; // side effects and box fields
};

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        // Plane family: samples, then the origin pulled in.
        {"implicit plane graph: its ranges with the origin",
         [](Cls9& g) {
             g.FunForm = FunForm::Implicit;
             g.CoordType = CoordType::PlaneCartesian;
             g.MinU = 1, g.MaxU = 5, g.MinV = 2, g.MaxV = 4;
         },
         0, Box(0, 5, 0, 4, 0, 0), nullptr},
        {"inequality plane graph: ranges already around the origin",
         [](Cls9& g) {
             g.FunForm = FunForm::Inequality;
             g.CoordType = CoordType::PlaneCartesian;
             g.MinU = -3, g.MaxU = -1, g.MinV = -2, g.MaxV = 6;
         },
         0, Box(-3, 0, -2, 6, 0, 0), nullptr},
        {"explicit plane graph with the origin pulled in",
         [](Cls9& g) { PlaneFunction(g, {{-5, 2, 0}, {-3, 7, 0}, {-1, 4, 0}}); },
         0, Box(-5, 0, 0, 7, 0, 0), nullptr},
        {"undefined samples are ordinary values",
         [](Cls9& g) { PlaneFunction(g, {{-5, 2, 0}, {UndefinedValue, 7, 0}, {-1, UndefinedValue, 0}}); },
         0, Box(-5, UndefinedValue, 0, 7, 0, 0), nullptr},
        {"a form never set measures the origin only",
         [](Cls9& g) {
             PlaneFunction(g, {{4, 4, 0}});
             g.FunForm = 0;
         },
         0, Box(0, 0, 0, 0, Big, -Big), nullptr},
        {"overlays in their order: inverse, then f(-x), then the derivative (x and y only)",
         [](Cls9& g) {
             PlaneFunction(g, {{0, -1, 0}, {1, 3, 0}, {2, 8, 0}});
             g.ShowInverse = true;
             g.ShowJO = true;
             Row0(g, g.VertJO, {{0, 12, 0}, {-1, 2, 0}, {-2, 0, 0}});
             g.ShowDev = true;
             Row0(g, g.VertDev, {{0, 1, 50}, {1, 2, -50}, {2, 3, 0}});
         },
         0, Box(-2, 8, -1, 12, 0, 0), nullptr},
        {"the inverse alone gives x and y one range",
         [](Cls9& g) {
             PlaneFunction(g, {{0, -1, 0}, {2, 8, 0}});
             g.ShowInverse = true;
         },
         0, Box(-1, 8, -1, 8, 0, 0), nullptr},
        {"the inverse takes both bounds from x when x reaches further",
         [](Cls9& g) {
             PlaneFunction(g, {{-3, 1, 0}, {9, 2, 0}});
             g.ShowInverse = true;
         },
         0, Box(-3, 9, -3, 9, 0, 0), nullptr},
        {"a derivative flag without samples adds nothing",
         [](Cls9& g) {
             PlaneFunction(g, {{1, 1, 0}, {2, 2, 0}});
             g.ShowDev = true;
             g.ShowJO = true;
         },
         0, Box(0, 2, 0, 2, 0, 0), nullptr},
        {"overlays count for plane functions only (step/stem plot)",
         [](Cls9& g) {
             PlaneFunction(g, {{1, 1, 0}, {2, 2, 0}});
             g.GraphType = GraphType::StepStem;
             g.ShowInverse = g.ShowJO = g.ShowDev = true;
             Row0(g, g.VertJO, {{-9, -9, 0}, {-9, -9, 0}});
             Row0(g, g.VertDev, {{9, 9, 0}, {9, 9, 0}});
         },
         0, Box(0, 2, 0, 2, 0, 0), nullptr},
        {"intersection covers both curves",
         [](Cls9& g) {
             PlaneFunction(g, {{1, 1, 0}, {2, 2, 0}});
             g.GraphType = GraphType::Intersection;
             Row0(g, g.VertInter, {{1, -4, 0}, {2, 5, 0}});
         },
         0, Box(0, 2, -4, 5, 0, 0), nullptr},
        {"plane table: row 0 of the table, empty elements at the origin",
         [](Cls9& g) {
             g.GraphType = GraphType::Table2D;
             g.StepU = 1;
             g.StepV = 2;
             Put(g.VertTab3D(0, 0), {3, 4, 0});
             Put(g.VertTab3D(0, 1), {5, 2, 0});
             Put(g.VertTab3D(1, 0), {-50, -50, 0}); // not read
         },
         0, Box(0, 5, 0, 4, 0, 0),
         [](Cls9& g) {
             ASSERT_NE(g.VertTab3D.Find(0, 2), nullptr);
             EXPECT_EQ(g.VertTab3D.Find(0, 2)->x, 0.0f);
         }},
        {"plane table beyond 201 points: the table's points only",
         [](Cls9& g) {
             g.GraphType = GraphType::Table2D;
             g.StepV = 300;
             Put(g.VertTab3D(0, 200), {-2, -3, 0});
         },
         0, Box(-2, 0, -3, 0, 0, 0), nullptr},
        {"plane animation: frame k only, with the origin",
         [](Cls9& g) {
             g.GraphType = GraphType::Function2DAnimation;
             g.FunForm = FunForm::Explicit;
             g.CoordType = CoordType::PlaneCartesian;
             g.StepV = 1;
             ASSERT_TRUE(g.Anim2D.Create(1, 3));
             for (int k = 0; k <= 3; ++k) {
                 Put(g.Anim2D(0, k), {static_cast<float>(k), static_cast<float>(10 * k), 0});
                 Put(g.Anim2D(1, k), {static_cast<float>(k + 1), static_cast<float>(10 * k + 1), 0});
             }
         },
         2, Box(0, 3, 0, 21, 0, 0), nullptr},
        {"plane animation at a frame outside the sampled ones: origin only",
         [](Cls9& g) {
             g.GraphType = GraphType::Function2DAnimation;
             g.FunForm = FunForm::Explicit;
             ASSERT_TRUE(g.Anim2D.Create(1, 3));
         },
         7, Box(0, 0, 0, 0, Big, -Big), nullptr},

        // Strips: row 1 is row 0 lifted by 3 along z; no origin.
        {"strip: row 1 at z + 3",
         [](Cls9& g) {
             g.GraphType = GraphType::Strip25D;
             g.FunForm = FunForm::Explicit;
             Row0(g, g.Vert3D, {{1, 4, 0}, {1.5f, 6, 0}, {2, 5, 0}});
         },
         0, Box(1, 2, 4, 6, 0, 3),
         [](Cls9& g) {
             EXPECT_EQ(g.Vert3D(1, 1).x, 1.5f);
             EXPECT_EQ(g.Vert3D(1, 1).y, 6.0f);
             EXPECT_EQ(g.Vert3D(1, 1).z, 3.0f);
             // The rebuild depends on row 0 alone: a second call gives the same.
             const Cls1 again = g.GetBox();
             EXPECT_EQ(again.MaxZ, 3.0f);
             EXPECT_EQ(g.Vert3D(1, 2).z, 3.0f);
         }},
        {"strip sampled with StepU 0 has no row 1: row 0 only",
         [](Cls9& g) {
             g.GraphType = GraphType::Strip25D;
             g.StepU = 0;
             Row0(g, g.Vert3D, {{1, 4, 0}, {2, 5, 1}});
         },
         0, Box(1, 2, 4, 5, 0, 1), nullptr},
        {"strip table: empty elements made, row 1 lifted",
         [](Cls9& g) {
             g.GraphType = GraphType::Table25D;
             g.StepU = 1;
             g.StepV = 1;
             Put(g.VertTab3D(0, 1), {2, 1, 0});
         },
         0, Box(0, 2, 0, 1, 0, 3),
         [](Cls9& g) {
             const Cls2* first = g.VertTab3D.Find(0, 0);
             const Cls2* second = g.VertTab3D.Find(1, 0);
             ASSERT_TRUE(first && second);
             EXPECT_EQ(first->z, 0.0f);
             EXPECT_EQ(second->x, 0.0f);
             EXPECT_EQ(second->z, 3.0f);
             EXPECT_EQ(g.VertTab3D(1, 1).x, 2.0f);
         }},
        {"strip animation: frame k's edges",
         [](Cls9& g) {
             g.GraphType = GraphType::Strip25DAnimation;
             g.StepV = 1;
             ASSERT_TRUE(g.Anim25D.Create(1, 1, 2));
             for (int k = 0; k <= 2; ++k) {
                 Put(g.Anim25D(0, 0, k), {static_cast<float>(k), 1, -1});
                 Put(g.Anim25D(0, 1, k), {static_cast<float>(k) + 1, 2, 0});
             }
         },
         1, Box(1, 2, 1, 2, -1, 3),
         [](Cls9& g) {
             EXPECT_EQ(g.Anim25D(1, 0, 1).z, 2.0f);
             EXPECT_EQ(g.Anim25D(1, 0, 0).z, 0.0f); // other frames untouched
         }},

        // Differential equation.
        {"ODE with an initial value: solution 0 only",
         [](Cls9& g) {
             TwoSolutions(g);
             g.ODEInitial = true;
         },
         0, Box(1, 3, 2, 4, 0, 0), nullptr},
        {"ODE family: solutions 0..StepV", TwoSolutions,
         0, Box(0, 9, 0, 9, 0, 9), nullptr},

        // Vectors.
        {"space vector: +-(m + 3) in the result, +-m in the fields",
         [](Cls9& g) {
             g.GraphType = GraphType::Vector;
             g.VecBeginX = 1, g.VecBeginY = 2, g.VecBeginZ = 0;
             g.VecEndX = 4, g.VecEndY = -6, g.VecEndZ = 3;
         },
         0, Box(-7, 7, -9, 9, -6, 6),
         [](Cls9& g) {
             const Cls1 f = g.BoxFields();
             EXPECT_EQ(f.MinX, -4.0f);
             EXPECT_EQ(f.MaxX, 4.0f);
             EXPECT_EQ(f.MinY, -6.0f);
             EXPECT_EQ(f.MaxY, 6.0f);
             EXPECT_EQ(f.MinZ, -3.0f);
             EXPECT_EQ(f.MaxZ, 3.0f);
         }},

        // Vector operations: V1, V2 (not for the multiple), then the result;
        // each axis -(m + 3)..m + 3. Components are drawing axes (X = math y,
        // Y = math z, Z = math x).
        {"sum of (x 1) and (y 1)",
         [](Cls9& g) { VectorOp(g, VecOperation::Sum, {0, 0, 1}, {1, 0, 0}); },
         0, Box(-4, 4, -3, 3, -4, 4), nullptr},
        {"difference V1 - V2 of (x 3) and (y 1)",
         [](Cls9& g) { VectorOp(g, VecOperation::Difference, {0, 0, 3}, {1, 0, 0}); },
         0, Box(-4, 4, -3, 3, -6, 6), nullptr},
        {"multiple by 2: vector 2 outside the box plays no part",
         [](Cls9& g) {
             VectorOp(g, VecOperation::Multiple, {1, 2, -1}, {50, 50, 50});
             g.VecConstant = 2;
         },
         0, Box(-5, 5, -7, 7, -5, 5), nullptr},
        {"scalar product: V1 widened by V2",
         [](Cls9& g) { VectorOp(g, VecOperation::DotProduct, {1, 0, 0}, {0, -6, 2}); },
         0, Box(-4, 4, -9, 9, -5, 5), nullptr},
        {"cross product: widened by C",
         [](Cls9& g) { VectorOp(g, VecOperation::CrossProduct, {0, 0, 2}, {3, 0, 0}); },
         0, Box(-6, 6, -9, 9, -5, 5), nullptr},
        {"operation 0: V1 and V2 alone, negative bounds mirrored",
         [](Cls9& g) { VectorOp(g, 0, {-5, -1, 0}, {0, 0, -7}); },
         0, Box(-8, 8, -4, 4, -10, 10), nullptr},

        // Space kinds.
        {"space curve",
         [](Cls9& g) {
             g.GraphType = GraphType::Curve3D;
             g.StepU = 2;
             ASSERT_TRUE(g.VertCurve3D.Create(2));
             Put(g.VertCurve3D(0), {1, 2, 3});
             Put(g.VertCurve3D(1), {-1, 5, 4});
             Put(g.VertCurve3D(2), {2, 3, 6});
         },
         0, Box(-1, 2, 2, 5, 3, 6), nullptr},
        {"space curve with every x above 9999999 keeps the minimum's start value",
         [](Cls9& g) {
             g.GraphType = GraphType::Curve3D;
             g.StepU = 1;
             ASSERT_TRUE(g.VertCurve3D.Create(1));
             Put(g.VertCurve3D(0), {2e7f, 0, 0});
             Put(g.VertCurve3D(1), {3e7f, 0, 0});
         },
         0, Box(Big, 3e7f, 0, 0, 0, 0), nullptr},
        {"surface without a view",
         [](Cls9& g) { Grid(g, GraphType::Surface3D, LowSurface); }, 0, Box(-2, 3, 4, 9, -1, 3), nullptr},
        {"surface with a contour view: minimum y lowered by 3",
         [](Cls9& g) {
             Grid(g, GraphType::Surface3D, LowSurface);
             g.ShowContour = true;
         },
         0, Box(-2, 3, 1, 9, -1, 3),
         [](Cls9& g) { EXPECT_EQ(g.BoxFields().MinY, 1.0f); }},
        {"surface with a vector view: lowered",
         [](Cls9& g) {
             Grid(g, GraphType::Surface3D, LowSurface);
             g.ShowVector = true;
         },
         0, Box(-2, 3, 1, 9, -1, 3), nullptr},
        {"surface with a colour-map view: lowered",
         [](Cls9& g) {
             Grid(g, GraphType::Surface3D, LowSurface);
             g.ShowColormap = true;
         },
         0, Box(-2, 3, 1, 9, -1, 3), nullptr},
        {"contour plot with ShowContour set is not lowered",
         [](Cls9& g) {
             Grid(g, GraphType::Contour, LowSurface);
             g.ShowContour = true;
         },
         0, Box(-2, 3, 4, 9, -1, 3), nullptr},
        {"colour map and vector field are not lowered",
         [](Cls9& g) {
             Grid(g, GraphType::ColorMap, LowSurface);
             g.ShowColormap = g.ShowVector = true;
         },
         0, Box(-2, 3, 4, 9, -1, 3), nullptr},
        {"vector field",
         [](Cls9& g) {
             Grid(g, GraphType::VectorField, LowSurface);
             g.ShowVector = true;
         },
         0, Box(-2, 3, 4, 9, -1, 3), nullptr},
        {"surface of df/dx: the function's own samples count",
         [](Cls9& g) {
             Grid(g, GraphType::Surface3D, LowSurface);
             g.ShowSurPX = true;
             ASSERT_TRUE(g.VertPX.Create(1, 1));
             Put(g.VertPX(0, 0), {100, 100, 100});
         },
         0, Box(-2, 3, 4, 9, -1, 3), nullptr},
        {"surface with one undefined sample",
         [](Cls9& g) { Grid(g, GraphType::Surface3D, {{0, 2, 0}, {0, UndefinedValue, 0}, {0, 3, 0}, {0, 4, 0}}); },
         0, Box(0, 0, UndefinedValue, 4, 0, 0), nullptr},
        {"surface table: an unset element is created at the origin",
         [](Cls9& g) {
             g.GraphType = GraphType::Table3D;
             g.StepU = 1;
             g.StepV = 1;
             Put(g.VertTab3D(0, 0), {1, 2, 3});
             Put(g.VertTab3D(0, 1), {2, 3, 4});
             Put(g.VertTab3D(1, 0), {3, 4, 5});
         },
         0, Box(0, 3, 0, 4, 0, 5),
         [](Cls9& g) {
             ASSERT_NE(g.VertTab3D.Find(1, 1), nullptr);
             EXPECT_EQ(g.VertTab3D.Find(1, 1)->y, 0.0f);
         }},
        {"space-curve animation: frame k only",
         [](Cls9& g) {
             g.GraphType = GraphType::Curve3DAnimation;
             g.StepU = 1;
             ASSERT_TRUE(g.AnimCurve3D.Create(1, 2));
             for (int k = 0; k <= 2; ++k) {
                 Put(g.AnimCurve3D(0, k), {static_cast<float>(k), 0, 1});
                 Put(g.AnimCurve3D(1, k), {static_cast<float>(k), 5, 2});
             }
         },
         2, Box(2, 2, 0, 5, 1, 2), nullptr},
        {"surface animation: frame k only",
         [](Cls9& g) {
             g.GraphType = GraphType::Surface3DAnimation;
             g.StepU = 1;
             g.StepV = 0;
             ASSERT_TRUE(g.Anim3D.Create(1, 0, 1));
             Put(g.Anim3D(0, 0, 0), {-8, -8, -8});
             Put(g.Anim3D(0, 0, 1), {1, 2, 3});
             Put(g.Anim3D(1, 0, 1), {4, 5, 6});
         },
         1, Box(1, 4, 2, 5, 3, 6), nullptr},
        {"surfaces of revolution: the 41 x (StepV + 1) grid only",
         [](Cls9& g) {
             g.GraphType = GraphType::RevolutionX;
             g.FunForm = FunForm::Explicit;
             Row0(g, g.Vert3D, {{50, 50, 50}, {60, 60, 60}});
             ASSERT_TRUE(g.VertRev.Create(40, 1));
             Put(g.VertRev(0, 0), {1, -2, 0});
             Put(g.VertRev(40, 1), {2, 2, -3});
         },
         0, Box(0, 2, -2, 2, -3, 0), nullptr},

        // Points: from the origin to the point.
        {"point at the origin: -1..1",
         [](Cls9& g) {
             g.GraphType = GraphType::Point;
             ASSERT_TRUE(g.Vert3D.Create(1, 1));
         },
         0, Box(-1, 1, -1, 1, -1, 1), nullptr},
        {"point (2, -3, 0)",
         [](Cls9& g) { SampledPoint(g, {2, -3, 0}); },
         0, Box(0, 2, -3, 0, 0, 0), nullptr},
        {"point with an undefined y",
         [](Cls9& g) { SampledPoint(g, {-1, UndefinedValue, 0}); },
         0, Box(-1, 0, 0, UndefinedValue, 0, 0), nullptr},
        // A point on an axis: 0..0 on the two axes where it is 0.
        {"point (0, 0, 5) on the z axis",
         [](Cls9& g) { SampledPoint(g, {0, 0, 5}); },
         0, Box(0, 0, 0, 0, 0, 5), nullptr},
        {"point (0, 3, 0) on the y axis",
         [](Cls9& g) { SampledPoint(g, {0, 3, 0}); },
         0, Box(0, 0, 0, 3, 0, 0), nullptr},
        {"point (-4, 0, 0) on the x axis",
         [](Cls9& g) { SampledPoint(g, {-4, 0, 0}); },
         0, Box(-4, 0, 0, 0, 0, 0), nullptr},
        {"point animation at frame k",
         [](Cls9& g) {
             g.GraphType = GraphType::PointAnimation;
             ASSERT_TRUE(g.Anim1D.Create(3));
             Put(g.Anim1D(0), {9, 9, 9});
             Put(g.Anim1D(2), {-4, 1, 2});
         },
         2, Box(-4, 0, 0, 1, 0, 2), nullptr},

        // Never sampled, or a kind that is not measured: no error, start values.
        {"unsampled plane function: origin only",
         [](Cls9& g) { g.FunForm = FunForm::Explicit; }, 0, Box(0, 0, 0, 0, Big, -Big), nullptr},
        {"unsampled strip", [](Cls9& g) { g.GraphType = GraphType::Strip25D; }, 0,
         Box(Big, -Big, Big, -Big, Big, -Big), nullptr},
        {"unsampled surface", [](Cls9& g) { g.GraphType = GraphType::Surface3D; }, 0,
         Box(Big, -Big, Big, -Big, Big, -Big), nullptr},
        {"unsampled surface animation", [](Cls9& g) { g.GraphType = GraphType::Surface3DAnimation; }, 3,
         Box(Big, -Big, Big, -Big, Big, -Big), nullptr},
        {"unsampled point", [](Cls9& g) { g.GraphType = GraphType::Point; }, 0,
         Box(Big, -Big, Big, -Big, Big, -Big), nullptr},
        {"unsampled ODE", [](Cls9& g) { g.GraphType = GraphType::ODE; }, 0,
         Box(Big, -Big, Big, -Big, Big, -Big), nullptr},
        {"unsampled revolution", [](Cls9& g) { g.GraphType = GraphType::RevolutionY; }, 0,
         Box(Big, -Big, Big, -Big, Big, -Big), nullptr},
        {"a kind that is not measured (16)", [](Cls9& g) { g.GraphType = 16; }, 0,
         Box(Big, -Big, Big, -Big, Big, -Big), nullptr},
        {"huge counts on small arrays scan what exists",
         [](Cls9& g) {
             Grid(g, GraphType::Surface3D, LowSurface);
             g.StepU = g.StepV = 2147483647;
         },
         0, Box(-2, 3, 4, 9, -1, 3), nullptr},
    };
    return cases;
}

void ExpectBox(const Cls1& actual, const Cls1& expected) {
    EXPECT_EQ(actual.MinX, expected.MinX);
    EXPECT_EQ(actual.MaxX, expected.MaxX);
    EXPECT_EQ(actual.MinY, expected.MinY);
    EXPECT_EQ(actual.MaxY, expected.MaxY);
    EXPECT_EQ(actual.MinZ, expected.MinZ);
    EXPECT_EQ(actual.MaxZ, expected.MaxZ);
}

} // namespace

TEST(GetBox, EveryKindAndItsEdgeCases) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        Cls9 g;
        c.setup(g);
        Cls1 box;
        ASSERT_NO_THROW(box = g.GetBox(c.step));
        ExpectBox(box, c.expected);
        // Apart from the space vector, the box fields hold the returned box.
        if (g.GraphType != GraphType::Vector) ExpectBox(g.BoxFields(), c.expected);
        if (c.check) c.check(g);
    }
}

TEST(GetBox, SharedBoxOfPolarImplicitGraphs) {
    PolarImplicitBox() = Cls1{};
    Cls9 a, b;
    a.GraphType = GraphType::Function2D;
    a.CoordType = CoordType::Polar;
    a.FunForm = FunForm::Implicit;
    a.MinU = -5;
    a.MaxU = 5;
    b.GraphType = GraphType::Function2DAnimation;
    b.CoordType = CoordType::Polar;
    b.FunForm = FunForm::Inequality;

    // Before any drawing: a box of zeros, and the box fields untouched.
    ExpectBox(a.GetBox(), Cls1{});
    ExpectBox(a.BoxFields(), Cls1{});

    // What the drawing wrote is what both graphs get.
    PolarImplicitBox() = Cls1{-2, 3, -1, 4, 0, 0};
    ExpectBox(a.GetBox(), Cls1{-2, 3, -1, 4, 0, 0});
    ExpectBox(b.GetBox(5), Cls1{-2, 3, -1, 4, 0, 0});

    // A Cartesian implicit graph measures its ranges instead.
    a.CoordType = CoordType::PlaneCartesian;
    ExpectBox(a.GetBox(), Cls1{-5, 5, 0, 0, 0, 0});

    PolarImplicitBox() = Cls1{};
}

// Each vector operation measures its own vectors, before any drawing.
TEST(GetBox, VectorOperationsHaveBoxesOfTheirOwn) {
    Cls9 sum, cross;
    sum.GraphType = cross.GraphType = GraphType::VectorOperation;
    sum.VecOperation = VecOperation::Sum;
    cross.VecOperation = VecOperation::CrossProduct;
    sum.VecDZ = cross.VecDZ = 5;
    sum.VecDX2 = cross.VecDX2 = 1;
    ExpectBox(sum.GetBox(), Box(-4, 4, -3, 3, -8, 8));
    ExpectBox(cross.GetBox(), Box(-4, 4, -8, 8, -8, 8)); // C = (0, 5, 0)
    ExpectBox(sum.GetBox(), Box(-4, 4, -3, 3, -8, 8));
}
