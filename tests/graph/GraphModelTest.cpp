// The graph object: defaults, accessor rules, sample arrays and table points,
// the factory and the copy operations.
#include "core/Errors.h"
#include "core/Globals.h"
#include "graph/Cls9.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

void ExpectSubscriptError(const std::function<void()>& action, const std::string& what) {
    try {
        action();
        ADD_FAILURE() << what << ": no error raised";
    } catch (const RaisedError& e) {
        EXPECT_EQ(e.Number(), ErrNo::Subscript) << what;
    }
}

} // namespace

TEST(Cls9Defaults, NewGraphHoldsTheClassDefaults) {
    Cls9 g;
    struct Case {
        const char* field;
        double actual;
        double expected;
    };
#define F(field, value) Case{#field, static_cast<double>(g.field), static_cast<double>(value)}
    const Case cases[] = {
        // the values that are not 0 / False
        F(Show, 3), F(Smoothness, 3), F(StepU, 1), F(StepV, 1), F(PointColor, 255), F(PointSize, 1),
        F(Show2DLine, true), F(Show2DScatter, true), F(ShowSmoothCurve, true), F(ScatterSize, 2),
        F(SmoothCurveColor, 65280), F(SmoothCurveWidth, 1), F(Symbol, 1),
        // core
        F(MinU, 0), F(MaxU, 0), F(MinV, 0), F(MaxV, 0), F(ID, 0), F(FirstColor, 0), F(SecondColor, 0),
        F(CoordType, 0), F(FillStyle, 0), F(GraphType, 0), F(Material, 0), F(LineWidth, 0),
        F(LineColor, 0), F(PointHollow, false), F(FunForm, 0),
        // plane analysis
        F(Show2DCurve, false), F(ShowInverse, false), F(InvColor, 0), F(InvWidth, 0), F(ShowDev, false),
        F(DevColor, 0), F(DevWidth, 0), F(ShowInt, false), F(IntColor, 0), F(IntFrom, 0), F(IntTo, 0),
        F(ShowMax, false), F(MaxColor, 0), F(MaxSize, 0), F(MaxSymbol, 0), F(ShowMin, false),
        F(MinColor, 0), F(MinSize, 0), F(MinSymbol, 0), F(ShowGuai, false), F(GuaiColor, 0),
        F(GuaiSize, 0), F(GuaiSymbol, 0), F(ShowJO, false), F(JOColor, 0), F(JOWidth, 0),
        F(ShowRoot, false), F(RootColor, 0), F(RootSize, 0), F(RootSymbol, 0), F(ShowCurv, false),
        F(CurvColor, 0), F(CurvWidth, 0), F(CurvNum, 0), F(ShowLen, false), F(LenFrom, 0), F(LenTo, 0),
        F(ShowQie, false), F(QieColor, 0), F(QieWidth, 0), F(QieNum, 0), F(ShowNml, false),
        F(NmlColor, 0), F(NmlWidth, 0), F(NmlNum, 0),
        // step and stem, intersection
        F(ShowStep, false), F(StepColor, 0), F(StepWidth, 0), F(ShowStem, false), F(StemHeadColor, 0),
        F(StemHeadSize, 0), F(StemHeadSymbol, 0), F(StemBodyColor, 0), F(StemBodyWidth, 0),
        F(Color2, 0), F(Width2, 0), F(ShowInter, false), F(InterColor, 0), F(InterSize, 0),
        F(InterSymbol, 0), F(ShowArea, false), F(AreaColor, 0),
        // animation, surface views, table display
        F(Animation, false), F(MaxT, 0), F(MinT, 0), F(ShowContour, false), F(ShowVector, false),
        F(ShowColormap, false), F(ContourLevel, 0), F(ScatterColor, 0),
        // space overlays, vectors
        F(ShowSurface, false), F(ShowSurPX, false), F(ShowSurPY, false), F(ShowTangent, false),
        F(TangentNum, 0), F(ShowNormal, false), F(NormalNum, 0), F(VecBeginX, 0), F(VecBeginY, 0),
        F(VecBeginZ, 0), F(VecEndX, 0), F(VecEndY, 0), F(VecEndZ, 0), F(ShowVecBegin, false),
        F(ShowVecEnd, false), F(VecColor, 0), F(VecWidth, 0), F(ShowVecPrj, false), F(ShowVecB, false),
        F(VecOperation, 0), F(VecConstant, 0), F(VecDX, 0), F(VecDY, 0), F(VecDZ, 0), F(VecDX2, 0),
        F(VecDY2, 0), F(VecDZ2, 0),
        // differential equation, limit, series, texture
        F(ODEInitial, false), F(ODEInitX, 0), F(ODEInitY, 0), F(ODEColor, 0), F(ODEWidth, 0),
        F(LimitX0, 0), F(LimitDir, 0), F(LimitShowP, false), F(LimitShowL, false), F(SeriesN1, 0),
        F(SeriesN2, 0), F(SeriesColor, 0), F(SeriesWidth, 0), F(SeriesA0, 0), F(ShowTex, false),
        F(TexMode, 0), F(ShowTrans, false), F(TransAlpha, 0),
    };
#undef F
    for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected) << c.field;

    for (const std::string* text : {&g.ExpressX, &g.ExpressY, &g.ExpressZ, &g.NameS, &g.Exp2, &g.TexName})
        EXPECT_EQ(*text, "");
    for (const PositionList* list : {&g.CurvX, &g.QieX, &g.NmlX, &g.TangentX, &g.TangentY, &g.NormalX, &g.NormalY})
        for (int i = 0; i <= 50; ++i) EXPECT_EQ((*list)(i), 0.0f);

    // No sample array exists and the table is empty.
    EXPECT_FALSE(g.Vert3D.Exists() || g.VertPX.Exists() || g.VertPY.Exists() || g.VertInter.Exists() ||
                 g.VertCurve3D.Exists() || g.VertDev.Exists() || g.VertDev2.Exists() ||
                 g.VertRev.Exists() || g.VertJO.Exists() || g.VertODE.Exists() || g.Anim1D.Exists() ||
                 g.Anim2D.Exists() || g.Anim3D.Exists() || g.AnimCurve3D.Exists() || g.Anim25D.Exists());
    EXPECT_EQ(g.VertTab3D.Find(0, 0), nullptr);
    EXPECT_EQ(g.VertTab3D.Find(200, 200), nullptr);
}

// Every entry 0..50 of every position list of a graph is a value of its own:
// no list shares storage with another or maps two indexes to one entry, and
// a refused index changes nothing.
TEST(Cls9Accessors, PositionListsKeepEachEntry) {
    Cls9 g;
    PositionList* const lists[] = {&g.CurvX, &g.QieX, &g.NmlX, &g.TangentX, &g.TangentY, &g.NormalX, &g.NormalY};
    const auto value = [](std::size_t list, std::int64_t i) { return float(100 * list + i) + 0.5f; };
    for (std::size_t l = 0; l < std::size(lists); ++l)
        for (std::int64_t i = 0; i <= PositionList::Upper; ++i) (*lists[l])(i) = value(l, i);
    ExpectSubscriptError([&] { g.NmlX(51) = -1; }, "set NmlX(51)");
    ExpectSubscriptError([&] { g.CurvX(-1) = -1; }, "set CurvX(-1)");
    for (std::size_t l = 0; l < std::size(lists); ++l)
        for (std::int64_t i = 0; i <= PositionList::Upper; ++i) EXPECT_EQ((*lists[l])(i), value(l, i)) << l << " " << i;
}

TEST(Cls9Accessors, IndexesOutsideTheBoundsRaiseErrorNine) {
    Cls9 g;
    const std::vector<std::pair<std::string, std::function<void()>>> cases = {
        {"CurvX(51)", [&] { (void)g.CurvX(51); }},
        {"CurvX(-1)", [&] { (void)g.CurvX(-1); }},
        {"set NmlX(51)", [&] { g.NmlX(51) = 1; }},
        {"QieX(51)", [&] { (void)g.QieX(51); }},
        {"TangentX(-1)", [&] { (void)g.TangentX(-1); }},
        {"TangentY(51)", [&] { (void)g.TangentY(51); }},
        {"NormalX(51)", [&] { (void)g.NormalX(51); }},
        {"NormalY(-1)", [&] { (void)g.NormalY(-1); }},
        {"VertTab3D(201, 0)", [&] { (void)g.VertTab3D(201, 0); }},
        {"VertTab3D(0, 201)", [&] { (void)g.VertTab3D(0, 201); }},
        {"VertTab3D(-1, 0)", [&] { (void)g.VertTab3D(-1, 0); }},
        {"VertTab3D set (0, 201)", [&] { g.VertTab3D.Set(0, 201, std::make_shared<Cls2>()); }},
        {"Vert3D(0, 0) before sampling", [&] { (void)g.Vert3D(0, 0); }},
        {"Anim1D(0) before sampling", [&] { (void)g.Anim1D(0); }},
        {"Anim2D(0, 0) before sampling", [&] { (void)g.Anim2D(0, 0); }},
        {"Anim3D(0, 0, 0) before sampling", [&] { (void)g.Anim3D(0, 0, 0); }},
        {"set Vert3D(0, 0) before sampling", [&] { g.Vert3D.Set(0, 0, SamplePoint{}); }},
        {"set Anim1D(0) before sampling", [&] { g.Anim1D.Set(0, SamplePoint{}); }},
        {"set Anim2D(0, 0) before sampling", [&] { g.Anim2D.Set(0, 0, SamplePoint{}); }},
        {"set Anim3D(0, 0, 0) before sampling", [&] { g.Anim3D.Set(0, 0, 0, SamplePoint{}); }},
    };
    for (const auto& [what, action] : cases) ExpectSubscriptError(action, what);

    // After the array exists, an index outside its bounds still raises.
    ASSERT_TRUE(g.Vert3D.Create(1, 4));
    ExpectSubscriptError([&] { (void)g.Vert3D(2, 0); }, "Vert3D(2, 0) of (0..1, 0..4)");
    ExpectSubscriptError([&] { (void)g.Vert3D(0, 5); }, "Vert3D(0, 5) of (0..1, 0..4)");
    ExpectSubscriptError([&] { (void)g.Vert3D(0, -1); }, "Vert3D(0, -1)");
    ExpectSubscriptError([&] { g.Vert3D.Set(2, 0, SamplePoint{}); }, "set Vert3D(2, 0) of (0..1, 0..4)");
    ExpectSubscriptError([&] { g.Vert3D.Set(0, 5, SamplePoint{}); }, "set Vert3D(0, 5) of (0..1, 0..4)");
    ExpectSubscriptError([&] { g.Vert3D.Set(-1, 0, SamplePoint{}); }, "set Vert3D(-1, 0)");
}

TEST(Cls9Accessors, TableElementIsCreatedOnFirstReadAndKept) {
    Cls9 g;
    Cls2& first = g.VertTab3D(5, 7);
    EXPECT_EQ(first.x, 0.0f);
    EXPECT_EQ(first.y, 0.0f);
    EXPECT_EQ(first.z, 0.0f);
    EXPECT_EQ(first.Size, 0.15f);
    first.x = 4;
    Cls2& second = g.VertTab3D(5, 7);
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(second.x, 4.0f);
    EXPECT_EQ(g.VertTab3D.Find(5, 7), &first);
    EXPECT_EQ(g.VertTab3D.Find(7, 5), nullptr);

    // A set stores the reference: the point is then shared.
    auto shared = std::make_shared<Cls2>(Cls2::Init(1, 2, 3));
    g.VertTab3D.Set(200, 200, shared);
    shared->y = 9;
    EXPECT_EQ(g.VertTab3D(200, 200).y, 9.0f);
}

TEST(Cls9Accessors, StepTFollowsTheFrameCount) {
    ResetProgramState();
    Cls9 g;
    EXPECT_EQ(g.StepT(), 10);
    FrameCount = 20;
    EXPECT_EQ(g.StepT(), 20);
    ResetProgramState();
}

TEST(Cls9Accessors, GraphKeyIsTheDecimalId) {
    Cls9 g;
    g.ID = 12;
    EXPECT_EQ(GraphKey(g), "12");
    EXPECT_EQ(GraphKey(-5), "-5");
    EXPECT_EQ(GraphKey(0), "0");
}

TEST(SampleArrays, CreatedWithFreshPointsThatReadsShare) {
    Cls9 g;
    ASSERT_TRUE(g.Vert3D.Create(2, 3));
    EXPECT_EQ(g.Vert3D.Upper(0), 2);
    EXPECT_EQ(g.Vert3D.Upper(1), 3);
    EXPECT_EQ(g.Vert3D.Count(), 12);
    for (int u = 0; u <= 2; ++u)
        for (int v = 0; v <= 3; ++v) {
            const Cls2& p = g.Vert3D(u, v);
            EXPECT_EQ(p.x, 0.0f);
            EXPECT_EQ(p.y, 0.0f);
            EXPECT_EQ(p.z, 0.0f);
            EXPECT_EQ(p.Size, 0.15f);
        }
    // A read returns the stored point itself: a change through it is seen.
    g.Vert3D(1, 2).y = 7;
    EXPECT_EQ(&g.Vert3D(1, 2), &g.Vert3D(1, 2));
    EXPECT_EQ(g.Vert3D(1, 2).y, 7.0f);
    // Rows are contiguous.
    EXPECT_EQ(&g.Vert3D(1, 0) - &g.Vert3D(0, 0), 4);
    EXPECT_EQ(&g.Vert3D(1, 2), g.Vert3D.Data() + 1 * g.Vert3D.Stride(0) + 2 * g.Vert3D.Stride(1));

    // Creating again refills every point.
    ASSERT_TRUE(g.Vert3D.Create(2, 3));
    EXPECT_EQ(g.Vert3D(1, 2).y, 0.0f);
}

TEST(SampleArrays, SharedPointKeepsItsValuesAcrossResampling) {
    Cls9 g;
    ASSERT_TRUE(g.Vert3D.Create(1, 1));
    g.Vert3D(0, 1).x = 5;
    Cls2Ptr kept = g.Vert3D.Share(0, 1);
    ASSERT_TRUE(g.Vert3D.Create(1, 1));
    EXPECT_EQ(kept->x, 5.0f);
    EXPECT_NE(kept.get(), &g.Vert3D(0, 1));
    EXPECT_EQ(g.Vert3D(0, 1).x, 0.0f);
    g.Vert3D.Clear();
    EXPECT_EQ(kept->x, 5.0f); // still alive after the array is gone
}

TEST(SampleArrays, SetCopiesThePointInAndKeptPointsStayTheirHoldersCopies) {
    // Each public sample array: how to create it, set and read one element
    // (not the first), keep a copy of it, and reach the whole block.
    struct Array {
        const char* name;
        std::function<bool(Cls9&)> create;
        std::function<void(Cls9&, const Cls2&)> set;
        std::function<SamplePoint&(Cls9&)> get;
        std::function<Cls2Ptr(Cls9&)> share;
        std::function<std::vector<SamplePoint>(Cls9&)> all;
    };
    const auto block = [](auto& array) { return std::vector<SamplePoint>(array.Data(), array.Data() + array.Count()); };
    const Array arrays[] = {
        {"Vert3D", [](Cls9& g) { return g.Vert3D.Create(2, 3); },
         [](Cls9& g, const Cls2& p) { g.Vert3D.Set(2, 1, p); }, [](Cls9& g) -> SamplePoint& { return g.Vert3D(2, 1); },
         [](Cls9& g) { return g.Vert3D.Share(2, 1); }, [&](Cls9& g) { return block(g.Vert3D); }},
        {"Anim1D", [](Cls9& g) { return g.Anim1D.Create(10); }, [](Cls9& g, const Cls2& p) { g.Anim1D.Set(7, p); },
         [](Cls9& g) -> SamplePoint& { return g.Anim1D(7); }, [](Cls9& g) { return g.Anim1D.Share(7); },
         [&](Cls9& g) { return block(g.Anim1D); }},
        {"Anim2D", [](Cls9& g) { return g.Anim2D.Create(4, 10); },
         [](Cls9& g, const Cls2& p) { g.Anim2D.Set(3, 10, p); },
         [](Cls9& g) -> SamplePoint& { return g.Anim2D(3, 10); }, [](Cls9& g) { return g.Anim2D.Share(3, 10); },
         [&](Cls9& g) { return block(g.Anim2D); }},
        {"Anim3D", [](Cls9& g) { return g.Anim3D.Create(2, 4, 10); },
         [](Cls9& g, const Cls2& p) { g.Anim3D.Set(1, 4, 6, p); },
         [](Cls9& g) -> SamplePoint& { return g.Anim3D(1, 4, 6); }, [](Cls9& g) { return g.Anim3D.Share(1, 4, 6); },
         [&](Cls9& g) { return block(g.Anim3D); }},
    };
    for (const Array& a : arrays) {
        SCOPED_TRACE(a.name);
        Cls9 g;
        ASSERT_TRUE(a.create(g));
        Cls2 given = Cls2::Init(1.5f, -2, 3);
        given.Color = 255;
        a.set(g, given);
        EXPECT_EQ(a.get(g).x, 1.5f);
        EXPECT_EQ(a.get(g).y, -2.0f);
        EXPECT_EQ(a.get(g).z, 3.0f);
        // Only that element changed.
        const std::vector<SamplePoint> all = a.all(g);
        std::size_t changed = 0;
        for (const SamplePoint& p : all) changed += p.x != 0 || p.y != 0 || p.z != 0;
        EXPECT_EQ(changed, 1u);
        // The array holds a copy: the given point stays the caller's own.
        given.x = 100;
        EXPECT_EQ(a.get(g).x, 1.5f);
        // A point read out and kept is the holder's copy: a later set, or a
        // new sampling run, leaves it as it was.
        const Cls2Ptr kept = a.share(g);
        a.set(g, Cls2::Init(4, 5, 6));
        EXPECT_EQ(a.get(g).y, 5.0f);
        ASSERT_TRUE(a.create(g));
        EXPECT_EQ(a.get(g).y, 0.0f);
        EXPECT_EQ(kept->x, 1.5f);
        EXPECT_EQ(kept->y, -2.0f);
        EXPECT_EQ(kept->z, 3.0f);
    }
}

TEST(SampleArrays, FramesAreContiguous) {
    Cls9 g;
    ASSERT_TRUE(g.Anim3D.Create(3, 4, 10));  // (0..StepU, 0..StepV, 0..N)
    EXPECT_EQ(&g.Anim3D(0, 0, 1) - &g.Anim3D(0, 0, 0), 4 * 5);
    EXPECT_EQ(&g.Anim3D(1, 0, 0) - &g.Anim3D(0, 0, 0), 5);
    EXPECT_EQ(&g.Anim3D(3, 4, 10) - g.Anim3D.Data(), g.Anim3D.Count() - 1);
    ASSERT_TRUE(g.Anim2D.Create(6, 10));     // (0..StepV, 0..N)
    EXPECT_EQ(&g.Anim2D(0, 1) - &g.Anim2D(0, 0), 7);
    EXPECT_EQ(&g.Anim2D(1, 0) - &g.Anim2D(0, 0), 1);
    ASSERT_TRUE(g.Anim25D.Create(1, 6, 10)); // (0..1, 0..StepV, 0..N)
    EXPECT_EQ(&g.Anim25D(1, 0, 0) - &g.Anim25D(0, 0, 0), 7);
    EXPECT_EQ(&g.Anim25D(0, 0, 1) - &g.Anim25D(0, 0, 0), 14);
    EXPECT_EQ(g.Anim25D.Upper(2), 10);
}

TEST(SampleArrays, NegativeOrAbsurdBoundsAllocateNothing) {
    Cls9 g;
    ASSERT_TRUE(g.Vert3D.Create(1, 1));
    EXPECT_FALSE(g.Vert3D.Create(-1, 5));
    EXPECT_FALSE(g.Vert3D.Exists());
    EXPECT_EQ(g.Vert3D.Upper(0), -1);
    EXPECT_FALSE(g.Vert3D.Create(100000, 100000));
    EXPECT_FALSE(g.Vert3D.Exists());
    EXPECT_FALSE(g.Anim3D.Create(2147483647, 2147483647, 2147483647));
    EXPECT_FALSE(g.Anim3D.Exists());
    EXPECT_FALSE(g.Anim1D.Create(MaxSamplePoints));
    EXPECT_TRUE(g.Anim1D.Create(MaxSamplePoints - 1));
    EXPECT_EQ(g.Anim1D.Count(), MaxSamplePoints);
    ExpectSubscriptError([&] { (void)g.Vert3D(0, 0); }, "Vert3D after a refused creation");
}

TEST(Cls9Factory, InitMakesANewGraphFromItsArguments) {
    Cls9 receiver;
    receiver.NameS = "old";
    auto g = receiver.Init(4, "name", 2, 3, "u", "v", "u*v", 20, 30, -1.5f, 1.5f, -2, 2, 1, 111,
                           222, 333, 2, 5, 2, 1, true, false, true, 12);
    ASSERT_NE(g.get(), &receiver);
    EXPECT_EQ(receiver.NameS, "old");
    EXPECT_EQ(receiver.ID, 0);
    EXPECT_EQ(g->ID, 4);
    EXPECT_EQ(g->NameS, "name");
    EXPECT_EQ(g->GraphType, 2);
    EXPECT_EQ(g->CoordType, 3);
    EXPECT_EQ(g->ExpressX, "u");
    EXPECT_EQ(g->ExpressY, "v");
    EXPECT_EQ(g->ExpressZ, "u*v");
    EXPECT_EQ(g->StepU, 20);
    EXPECT_EQ(g->StepV, 30);
    EXPECT_EQ(g->MinU, -1.5f);
    EXPECT_EQ(g->MaxU, 1.5f);
    EXPECT_EQ(g->MinV, -2.0f);
    EXPECT_EQ(g->MaxV, 2.0f);
    EXPECT_EQ(g->FillStyle, 1);
    EXPECT_EQ(g->FirstColor, 111);
    EXPECT_EQ(g->SecondColor, 222);
    EXPECT_EQ(g->LineColor, 333);
    EXPECT_EQ(g->LineWidth, 2);
    EXPECT_EQ(g->Material, 5);
    EXPECT_EQ(g->Show, 2);
    EXPECT_EQ(g->Smoothness, 1);
    EXPECT_TRUE(g->ShowContour);
    EXPECT_FALSE(g->ShowVector);
    EXPECT_TRUE(g->ShowColormap);
    EXPECT_EQ(g->ContourLevel, 12);
    EXPECT_EQ(g->FunForm, 0);
    EXPECT_EQ(g->Symbol, 1);
    EXPECT_TRUE(g->Show2DLine);
    EXPECT_FALSE(g->Vert3D.Exists());

    // Omitted optional arguments count as False and 0.
    auto h = Cls9::Init(1, "", 0, 1, "", "", "x", 1, 100, 0, 0, -5, 5, 0, 0, 0, 0, 1, 0, 3, 3);
    EXPECT_FALSE(h->ShowContour || h->ShowVector || h->ShowColormap);
    EXPECT_EQ(h->ContourLevel, 0);
}

TEST(Cls9Factory, EqualAssignsTheValuesAndTheForm) {
    Cls9 g;
    g.ID = 9;
    g.ShowJO = true;
    g.ShowContour = true;
    g.Equal("n", 1, 3, "a", "b", "c", 5, 6, 1, 2, 3, 4, 2, 7, 8, 9, 3, 4, 1, 2, false, true, false, 6, 3);
    EXPECT_EQ(g.ID, 9);
    EXPECT_TRUE(g.ShowJO);
    EXPECT_EQ(g.NameS, "n");
    EXPECT_EQ(g.GraphType, 1);
    EXPECT_EQ(g.ExpressZ, "c");
    EXPECT_EQ(g.MaxV, 4.0f);
    EXPECT_EQ(g.LineWidth, 3);
    EXPECT_FALSE(g.ShowContour);
    EXPECT_TRUE(g.ShowVector);
    EXPECT_EQ(g.ContourLevel, 6);
    EXPECT_EQ(g.FunForm, 3);
    g.Equal("n", 1, 3, "a", "b", "c", 5, 6, 1, 2, 3, 4, 2, 7, 8, 9, 3, 4, 1, 2);
    EXPECT_EQ(g.FunForm, 0);
    EXPECT_FALSE(g.ShowVector);
}

TEST(Cls9Copy, EqualToCopiesWhatTheEditCarries) {
    struct Case {
        const char* name;
        std::function<void(Cls9& src, Cls9& dst)> setup;
        std::function<void(const Cls9& dst)> check;
    };
    const std::vector<Case> cases = {
        {"identity and table display stay the receiver's",
         [](Cls9& s, Cls9& d) {
             s.ID = 7;
             d.ID = 3;
             s.Symbol = 4;
             d.Symbol = 2;
             s.ScatterSize = 9;
             s.Show2DLine = false;
             s.Show2DScatter = false;
             s.ShowSmoothCurve = false;
             s.ScatterColor = 5;
             s.SmoothCurveColor = 6;
             s.SmoothCurveWidth = 7;
         },
         [](const Cls9& d) {
             EXPECT_EQ(d.ID, 3);
             EXPECT_EQ(d.Symbol, 2);
             EXPECT_EQ(d.ScatterSize, 2);
             EXPECT_TRUE(d.Show2DLine && d.Show2DScatter && d.ShowSmoothCurve);
             EXPECT_EQ(d.ScatterColor, 0);
             EXPECT_EQ(d.SmoothCurveColor, 65280);
             EXPECT_EQ(d.SmoothCurveWidth, 1);
         }},
        {"t range kept when the copied graph is not animated",
         [](Cls9& s, Cls9& d) {
             d.Animation = true;
             d.MinT = 1;
             d.MaxT = 2;
             s.MinT = 5;
             s.MaxT = 6;
         },
         [](const Cls9& d) {
             EXPECT_FALSE(d.Animation);
             EXPECT_EQ(d.MinT, 1.0f);
             EXPECT_EQ(d.MaxT, 2.0f);
         }},
        {"t range copied with Animation True",
         [](Cls9& s, Cls9&) {
             s.Animation = true;
             s.MinT = 5;
             s.MaxT = 6;
         },
         [](const Cls9& d) {
             EXPECT_TRUE(d.Animation);
             EXPECT_EQ(d.MinT, 5.0f);
             EXPECT_EQ(d.MaxT, 6.0f);
         }},
        {"positions 1..count copied, entry 0 and the rest kept",
         [](Cls9& s, Cls9& d) {
             s.CurvNum = 2;
             s.CurvX(0) = 8;
             s.CurvX(1) = 0.5f;
             s.CurvX(2) = 1.5f;
             s.CurvX(3) = 99;
             d.CurvX(0) = 9;
             for (int i = 1; i <= 4; ++i) d.CurvX(i) = static_cast<float>(i);
         },
         [](const Cls9& d) {
             EXPECT_EQ(d.CurvNum, 2);
             EXPECT_EQ(d.CurvX(0), 9.0f);
             EXPECT_EQ(d.CurvX(1), 0.5f);
             EXPECT_EQ(d.CurvX(2), 1.5f);
             EXPECT_EQ(d.CurvX(3), 3.0f);
             EXPECT_EQ(d.CurvX(4), 4.0f);
         }},
        {"a count above 50 is copied as stored with entries 1..50",
         [](Cls9& s, Cls9& d) {
             s.QieNum = 60;
             for (int i = 0; i <= 50; ++i) s.QieX(i) = static_cast<float>(100 + i);
             d.QieX(0) = -1;
         },
         [](const Cls9& d) {
             EXPECT_EQ(d.QieNum, 60);
             EXPECT_EQ(d.QieX(0), -1.0f);
             EXPECT_EQ(d.QieX(1), 101.0f);
             EXPECT_EQ(d.QieX(50), 150.0f);
         }},
        {"a negative count is copied and no entry",
         [](Cls9& s, Cls9& d) {
             s.NmlNum = -3;
             s.NmlX(1) = 5;
             d.NmlX(1) = 6;
             s.NormalNum = -1;
             s.NormalX(1) = 5;
             d.NormalX(1) = 6;
         },
         [](const Cls9& d) {
             EXPECT_EQ(d.NmlNum, -3);
             EXPECT_EQ(d.NmlX(1), 6.0f);
             EXPECT_EQ(d.NormalNum, -1);
             EXPECT_EQ(d.NormalX(1), 6.0f);
         }},
        {"space positions copied in pairs",
         [](Cls9& s, Cls9& d) {
             s.TangentNum = 2;
             s.TangentX(1) = 1;
             s.TangentY(1) = 2;
             s.TangentX(2) = 3;
             s.TangentY(2) = 4;
             s.TangentX(3) = 5;
             d.TangentX(3) = 6;
             s.NormalNum = 1;
             s.NormalX(1) = 7;
             s.NormalY(1) = 8;
         },
         [](const Cls9& d) {
             EXPECT_EQ(d.TangentNum, 2);
             EXPECT_EQ(d.TangentX(1), 1.0f);
             EXPECT_EQ(d.TangentY(1), 2.0f);
             EXPECT_EQ(d.TangentX(2), 3.0f);
             EXPECT_EQ(d.TangentY(2), 4.0f);
             EXPECT_EQ(d.TangentX(3), 6.0f);
             EXPECT_EQ(d.NormalX(1), 7.0f);
             EXPECT_EQ(d.NormalY(1), 8.0f);
         }},
        {"arc length interval carried together",
         [](Cls9& s, Cls9&) {
             s.ShowLen = true;
             s.LenFrom = -1;
             s.LenTo = 2.5f;
         },
         [](const Cls9& d) {
             EXPECT_TRUE(d.ShowLen);
             EXPECT_EQ(d.LenFrom, -1.0f);
             EXPECT_EQ(d.LenTo, 2.5f);
         }},
        {"every other group is copied",
         [](Cls9& s, Cls9&) {
             s.NameS = "n";
             s.GraphType = 23;
             s.CoordType = 2;
             s.ExpressZ = "sin(x)";
             s.StepV = 400;
             s.MaxU = 3;
             s.PointColor = 7;
             s.PointSize = 4;
             s.PointHollow = true;
             s.FunForm = 3;
             s.ShowContour = true;
             s.ContourLevel = 11;
             s.ShowInverse = true;
             s.RootSymbol = 5;
             s.ShowStem = true;
             s.StemBodyWidth = 3;
             s.Exp2 = "x^2";
             s.AreaColor = 12;
             s.ShowSurPY = true;
             s.ShowNormal = true;
             s.VecEndZ = -2;
             s.VecOperation = 5;
             s.VecDZ2 = 6;
             s.ODEInitial = true;
             s.ODEWidth = 2;
             s.LimitDir = 3;
             s.LimitShowL = true;
             s.SeriesN2 = 9;
             s.SeriesA0 = 0.5f;
             s.TexName = "/tmp/t.bmp";
             s.TexMode = 2;
             s.TransAlpha = 0.25f;
         },
         [](const Cls9& d) {
             EXPECT_EQ(d.NameS, "n");
             EXPECT_EQ(d.GraphType, 23);
             EXPECT_EQ(d.CoordType, 2);
             EXPECT_EQ(d.ExpressZ, "sin(x)");
             EXPECT_EQ(d.StepV, 400);
             EXPECT_EQ(d.MaxU, 3.0f);
             EXPECT_EQ(d.PointColor, 7);
             EXPECT_EQ(d.PointSize, 4.0f);
             EXPECT_TRUE(d.PointHollow);
             EXPECT_EQ(d.FunForm, 3);
             EXPECT_TRUE(d.ShowContour);
             EXPECT_EQ(d.ContourLevel, 11);
             EXPECT_TRUE(d.ShowInverse);
             EXPECT_EQ(d.RootSymbol, 5);
             EXPECT_TRUE(d.ShowStem);
             EXPECT_EQ(d.StemBodyWidth, 3);
             EXPECT_EQ(d.Exp2, "x^2");
             EXPECT_EQ(d.AreaColor, 12);
             EXPECT_TRUE(d.ShowSurPY);
             EXPECT_TRUE(d.ShowNormal);
             EXPECT_EQ(d.VecEndZ, -2.0f);
             EXPECT_EQ(d.VecOperation, 5);
             EXPECT_EQ(d.VecDZ2, 6.0f);
             EXPECT_TRUE(d.ODEInitial);
             EXPECT_EQ(d.ODEWidth, 2);
             EXPECT_EQ(d.LimitDir, 3);
             EXPECT_TRUE(d.LimitShowL);
             EXPECT_EQ(d.SeriesN2, 9);
             EXPECT_EQ(d.SeriesA0, 0.5f);
             EXPECT_EQ(d.TexName, "/tmp/t.bmp");
             EXPECT_EQ(d.TexMode, 2);
             EXPECT_EQ(d.TransAlpha, 0.25f);
         }},
        {"points and table stay the receiver's",
         [](Cls9& s, Cls9& d) {
             ASSERT_TRUE(d.Vert3D.Create(0, 3));
             d.Vert3D(0, 3).y = 4;
             ASSERT_TRUE(s.Vert3D.Create(0, 1));
             s.VertTab3D(0, 0).x = 1;
         },
         [](const Cls9& d) {
             EXPECT_EQ(d.Vert3D.Upper(1), 3);
             EXPECT_EQ(d.Vert3D(0, 3).y, 4.0f);
             EXPECT_EQ(d.VertTab3D.Find(0, 0), nullptr);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Cls9 src, dst;
        c.setup(src, dst);
        EXPECT_NO_THROW(dst.EqualTo(src));
        c.check(dst);
    }
}

TEST(Cls9Copy, EqualToOntoItselfChangesNothing) {
    Cls9 g;
    g.ID = 5;
    g.ExpressZ = "x";
    g.CurvNum = 70;
    g.CurvX(0) = 1;
    g.CurvX(50) = 2;
    g.MinT = 3;
    g.EqualTo(g);
    EXPECT_EQ(g.ID, 5);
    EXPECT_EQ(g.ExpressZ, "x");
    EXPECT_EQ(g.CurvNum, 70);
    EXPECT_EQ(g.CurvX(0), 1.0f);
    EXPECT_EQ(g.CurvX(50), 2.0f);
    EXPECT_EQ(g.MinT, 3.0f);
}

TEST(Cls9Copy, TabEqualToSharesTheTablePoints) {
    // A surface table of 5 x 3 points: all 15 copied, the same objects.
    Cls9 src, dst;
    src.GraphType = GraphType::Table3D;
    src.StepU = 4;
    src.StepV = 2;
    src.NameS = "table";
    src.Symbol = 5;
    src.ScatterSize = 7;
    src.ID = 8;
    for (int u = 0; u <= 4; ++u)
        for (int v = 0; v <= 2; ++v) src.VertTab3D(u, v) = Cls2::Init(static_cast<float>(u), static_cast<float>(v), 1);
    dst.ID = 2;
    dst.VertTab3D(0, 3).x = 42; // outside the copied columns: kept
    dst.TabEqualTo(src);
    EXPECT_EQ(dst.ID, 2);
    EXPECT_EQ(dst.NameS, "table");
    EXPECT_EQ(dst.GraphType, GraphType::Table3D);
    EXPECT_EQ(dst.StepU, 4);
    EXPECT_EQ(dst.StepV, 2);
    EXPECT_EQ(dst.Symbol, 5);
    EXPECT_EQ(dst.ScatterSize, 7);
    int copied = 0;
    for (int u = 0; u <= 4; ++u)
        for (int v = 0; v <= 2; ++v) {
            copied += dst.VertTab3D.Find(u, v) == src.VertTab3D.Find(u, v) ? 1 : 0;
        }
    EXPECT_EQ(copied, 15);
    EXPECT_EQ(dst.VertTab3D(0, 3).x, 42.0f);
    EXPECT_EQ(dst.VertTab3D.Find(5, 0), nullptr);

    // A change through the source is seen through the receiver.
    src.VertTab3D(3, 1).x = -7;
    EXPECT_EQ(dst.VertTab3D(3, 1).x, -7.0f);
}

TEST(Cls9Copy, TabEqualToRowsByTableKind) {
    // A plane table of one point: StepU 1, StepV 0 copies (0, 0) only.
    Cls9 plane, dst;
    plane.GraphType = GraphType::Table2D;
    plane.StepU = 1;
    plane.StepV = 0;
    plane.VertTab3D(0, 0).y = 3;
    plane.VertTab3D(1, 0).y = 4;
    dst.TabEqualTo(plane);
    EXPECT_EQ(dst.VertTab3D.Find(0, 0), plane.VertTab3D.Find(0, 0));
    EXPECT_EQ(dst.VertTab3D.Find(1, 0), nullptr);
    EXPECT_EQ(dst.VertTab3D.Find(0, 1), nullptr);

    // An empty source element is created on the way and shared.
    Cls9 strip, dst2;
    strip.GraphType = GraphType::Table25D;
    strip.StepU = 1;
    strip.StepV = 2;
    dst2.TabEqualTo(strip);
    ASSERT_NE(strip.VertTab3D.Find(0, 2), nullptr);
    EXPECT_EQ(dst2.VertTab3D.Find(0, 2), strip.VertTab3D.Find(0, 2));

    // A kind other than a table copies row 0; counts beyond the table's bounds
    // copy what exists and raise nothing.
    Cls9 other, dst3;
    other.GraphType = GraphType::Surface3D;
    other.StepU = 300;
    other.StepV = 250;
    EXPECT_NO_THROW(dst3.TabEqualTo(other));
    EXPECT_EQ(dst3.VertTab3D.Find(0, 200), other.VertTab3D.Find(0, 200));
    EXPECT_NE(dst3.VertTab3D.Find(0, 200), nullptr);
    EXPECT_EQ(dst3.VertTab3D.Find(1, 0), nullptr);
    EXPECT_EQ(dst3.StepV, 250);

    Cls9 big, dst4;
    big.GraphType = GraphType::Table3D;
    big.StepU = 500;
    big.StepV = -1;
    EXPECT_NO_THROW(dst4.TabEqualTo(big));
    EXPECT_EQ(dst4.VertTab3D.Find(0, 0), nullptr);
}
