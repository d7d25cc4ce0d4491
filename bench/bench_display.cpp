// Rebuilding the display lists (every change of the scene), turning the scene
// (every trackball mouse move: the new rotation and a frame) and redrawing
// them (every paint, zoom, pan and animation tick), for a scene of 200 point
// graphs in a plane (flat markers) and a space document (spheres), for a
// space document with one 200 x 200 surface, a plane sine and a helix, for a
// special-graph document with one 200 x 200 contour plot or vector field, for
// a plane line of 10,000 and of 1,666,665 segments, for a strip beside an
// empty scene, and one trackball mouse move over a
// 100 x 100 surface; and opening a plane document of n point graphs (each
// row ticked, its graph put into view, the lists built once).
// Runs in the shown main window; needs a display (xvfb-run).
#include "app/frmF1.h"
#include "core/Globals.h"
#include "core/ResultPane.h"
#include "document/DocumentFile.h"
#include "document/DocumentReader.h"
#include "graph/Cls9.h"
#include "platform/GlDrawingArea.h"
#include "platform/GlFormat.h"
#include "scene/Cls3.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

frmF1* window = nullptr;

void MakeScene(std::int32_t kind) {
    DocumentKind = kind;
    VisibleScene = Cls8();
    for (int i = 0; i < 200; ++i) {
        std::shared_ptr<Cls9> g = Cls9::Init(i, "P", GraphType::Point, CoordType::Cartesian, "x", "y", "z", 1, 1,
                                             0, 0, 0, 0, FillStyle::OneColor, 0, 0, 0, 1, 0,
                                             Show::FilledSurface, Smoothness::Smooth);
        g->Vert3D.Create(0, 0);
        g->Vert3D(0, 0) = Cls2::Init(float(i % 20 - 10), float(i / 20 - 5), float(i % 3));
        g->PointColor = 255 * (i % 2);
        g->PointSize = 3;
        VisibleScene.FunSurfs.Add(g, GraphKey(i));
    }
}

// Rebuilds the lists of the scene made, waiting for GL to finish each time.
void RebuildLoop(benchmark::State& state) {
    for (auto _ : state) {
        window->BuildDisplayLists();
        window->picDraw()->makeCurrent();
        glFinish();
        window->picDraw()->doneCurrent();
    }
}

// What one trackball mouse move does: a new rotation, the lists told that
// only the rotation changed, and the frame drawn, waited for with glFinish.
void TurnLoop(benchmark::State& state) {
    window->BuildDisplayLists();
    window->TrackballActive = true;
    GlDrawingArea* area = window->picDraw();
    float angle = 0;
    for (auto _ : state) {
        angle += 0.01f;
        window->ViewQuat = {0, std::sin(angle), 0, std::cos(angle)};
        window->BuildDisplayLists(true);
        area->makeCurrent();
        area->onPaint();
        glFinish();
        area->doneCurrent();
    }
    window->TrackballActive = false;
}

// What paintGL does for a frame (light, camera, clear, call the list), into
// the drawing area's framebuffer, waited for with glFinish.
void RedrawLoop(benchmark::State& state) {
    window->BuildDisplayLists();
    GlDrawingArea* area = window->picDraw();
    window->Display(CurrentFrame);
    for (auto _ : state) {
        area->makeCurrent();
        area->onPaint();
        glFinish();
        area->doneCurrent();
    }
}

void BM_RebuildPointScene(benchmark::State& state) {
    MakeScene(std::int32_t(state.range(0)));
    RebuildLoop(state);
    state.SetLabel(state.range(0) == 1 ? "plane markers" : "space spheres");
}
BENCHMARK(BM_RebuildPointScene)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

void BM_TurnPointScene(benchmark::State& state) {
    MakeScene(std::int32_t(state.range(0)));
    TurnLoop(state);
    state.SetLabel(state.range(0) == 1 ? "plane markers" : "space spheres");
}
BENCHMARK(BM_TurnPointScene)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

void BM_RedrawPointScene(benchmark::State& state) {
    MakeScene(std::int32_t(state.range(0)));
    RedrawLoop(state);
    state.SetLabel(state.range(0) == 1 ? "plane markers" : "space spheres");
}
BENCHMARK(BM_RedrawPointScene)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

// One explicit surface of steps x steps quads, every option off, smooth shading.
void MakeSurfaceScene(std::int32_t steps = 200) {
    DocumentKind = 3;
    VisibleScene = Cls8();
    std::shared_ptr<Cls9> g = Cls9::Init(1, "S", GraphType::Surface3D, CoordType::Cartesian, "x", "y",
                                         "sin(x)*cos(y)", steps, steps, -6, 6, -6, 6, FillStyle::TopToBottom, 255,
                                         16711680, 0, 1, Material::Silky, Show::FilledSurface, Smoothness::Smooth);
    g->FunForm = FunForm::Explicit;
    if (!g->GetPoints()) std::fprintf(stderr, "surface not sampled\n");
    VisibleScene.FunSurfs.Add(g, GraphKey(1));
    VisibleScene.RotPitch = -15;
    VisibleScene.RotYaw = 45;
}

void BM_RebuildSurfaceScene(benchmark::State& state) {
    MakeSurfaceScene();
    RebuildLoop(state);
    state.SetLabel("200x200 surface");
}
BENCHMARK(BM_RebuildSurfaceScene)->Unit(benchmark::kMillisecond);

void BM_TurnSurfaceScene(benchmark::State& state) {
    MakeSurfaceScene();
    TurnLoop(state);
    state.SetLabel("200x200 surface");
}
BENCHMARK(BM_TurnSurfaceScene)->Unit(benchmark::kMillisecond);

void BM_RedrawSurfaceScene(benchmark::State& state) {
    MakeSurfaceScene();
    RedrawLoop(state);
    state.SetLabel("200x200 surface");
}
BENCHMARK(BM_RedrawSurfaceScene)->Unit(benchmark::kMillisecond);

// A special-graph document with one 200 x 200 contour plot of sin(u)*cos(v)
// in 10 level steps (GraphType 14) or vector field of it (15).
void MakeSpecialScene(std::int32_t type) {
    DocumentKind = 7;
    VisibleScene = Cls8();
    std::shared_ptr<Cls9> g = Cls9::Init(1, "F", type, CoordType::Cartesian, "u", "v", "sin(u)*cos(v)", 200, 200,
                                         -6, 6, -6, 6, FillStyle::TopToBottom, 255, 16711680, 0,
                                         type == GraphType::Contour ? 1 : 0, 0, Show::FilledSurface,
                                         Smoothness::Smooth, false, false, false, type == GraphType::Contour ? 10 : 0);
    g->FunForm = FunForm::Parametric;
    if (!g->GetPoints()) std::fprintf(stderr, "field not sampled\n");
    VisibleScene.FunSurfs.Add(g, GraphKey(1));
}

void BM_RebuildSpecialScene(benchmark::State& state) {
    MakeSpecialScene(std::int32_t(state.range(0)));
    RebuildLoop(state);
    state.SetLabel(state.range(0) == GraphType::Contour ? "200x200 contour plot, 10 levels" : "200x200 vector field");
}
BENCHMARK(BM_RebuildSpecialScene)->Arg(GraphType::Contour)->Arg(GraphType::VectorField)->Unit(benchmark::kMillisecond);

void BM_RedrawSpecialScene(benchmark::State& state) {
    MakeSpecialScene(std::int32_t(state.range(0)));
    RedrawLoop(state);
    state.SetLabel(state.range(0) == GraphType::Contour ? "200x200 contour plot, 10 levels" : "200x200 vector field");
}
BENCHMARK(BM_RedrawSpecialScene)->Arg(GraphType::Contour)->Arg(GraphType::VectorField)->Unit(benchmark::kMillisecond);

// A plane document: y = sin(x) with the given number of segments and its
// roots, over the background, both grids and the axes (every trackball move
// of a plane view rebuilds this list).
void BM_RebuildPlaneSineScene(benchmark::State& state) {
    DocumentKind = 1;
    VisibleScene = Cls8();
    Axes.Show = true;
    Axes.ShowprimaryGrid = Axes.ShowSecondaryGrid = Axes.ShowBackground = true;
    std::shared_ptr<Cls9> g = Cls9::Init(1, "y=sin(x)", GraphType::Function2D, CoordType::PlaneCartesian, "0", "x",
                                         "sin(x)", 1, std::int32_t(state.range(0)), 0, 0, -10, 10,
                                         FillStyle::OneColor, 0, 0, 255, 2, 1, Show::FilledSurface,
                                         Smoothness::Smooth);
    g->FunForm = FunForm::Explicit;
    g->Show2DCurve = true;
    g->ShowRoot = true;
    g->RootSymbol = Symbol::FilledCircle;
    g->GetPoints();
    VisibleScene.FunSurfs.Add(g, GraphKey(1));
    RebuildLoop(state);
    Axes.ShowprimaryGrid = Axes.ShowSecondaryGrid = Axes.ShowBackground = false;
}
BENCHMARK(BM_RebuildPlaneSineScene)->Arg(200)->Arg(5000)->Unit(benchmark::kMicrosecond);

// A new plane document's view of y = x + 3 over -10..10 in the given number
// of segments, the axes shown: 10,000 segments against 1,666,665, the most a
// plane function may be sampled in. Rebuild: compiling the lists (every
// change of the scene); redraw: one paint of them (every resize, zoom, pan).
void MakePlaneLineScene(std::int32_t segments) {
    DocumentKind = 1;
    VisibleScene = Cls8();
    Camera.ResetView();
    Axes.Show = true;
    std::shared_ptr<Cls9> g = Cls9::Init(1, "y=x+3", GraphType::Function2D, CoordType::PlaneCartesian, "0", "x",
                                         "x+3", 1, segments, 0, 0, -10, 10, FillStyle::OneColor, 0, 0, 0, 1, 1,
                                         Show::FilledSurface, Smoothness::Smooth);
    g->FunForm = FunForm::Explicit;
    g->Show2DCurve = true;
    if (!g->GetPoints()) std::fprintf(stderr, "line not sampled\n");
    VisibleScene.FunSurfs.Add(g, GraphKey(1));
}

void BM_RebuildPlaneLine(benchmark::State& state) {
    MakePlaneLineScene(std::int32_t(state.range(0)));
    RebuildLoop(state);
    state.SetLabel("y=x+3, " + std::to_string(state.range(0)) + " segments");
}
BENCHMARK(BM_RebuildPlaneLine)->Arg(10'000)->Arg(1'666'665)->Unit(benchmark::kMillisecond);

void BM_RedrawPlaneLine(benchmark::State& state) {
    MakePlaneLineScene(std::int32_t(state.range(0)));
    RedrawLoop(state);
    state.SetLabel("y=x+3, " + std::to_string(state.range(0)) + " segments");
}
BENCHMARK(BM_RedrawPlaneLine)->Arg(10'000)->Arg(1'666'665)->Unit(benchmark::kMillisecond);

// y = 0 over -10..10 in the given number of segments with its roots: one
// result line per segment written into the window's result box.
void BM_RebuildPlaneManyResultLines(benchmark::State& state) {
    DocumentKind = 1;
    VisibleScene = Cls8();
    Axes.Show = false;
    std::shared_ptr<Cls9> g = Cls9::Init(1, "y=0", GraphType::Function2D, CoordType::PlaneCartesian, "0", "x", "0",
                                         1, std::int32_t(state.range(0)), 0, 0, -10, 10, FillStyle::OneColor, 0, 0,
                                         255, 2, 1, Show::FilledSurface, Smoothness::Smooth);
    g->FunForm = FunForm::Explicit;
    g->Show2DCurve = g->ShowRoot = true;
    g->RootSymbol = Symbol::FilledCircle;
    g->GetPoints();
    VisibleScene.FunSurfs.Add(g, GraphKey(1));
    RebuildLoop(state);
    Axes.Show = true;
}
BENCHMARK(BM_RebuildPlaneManyResultLines)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

// The plane branch of y = sin(x) over -10..10 in 400 segments with every
// overlay of a plane function on (ten positions in each list), compiled
// alone (no axes): what a trackball move costs against the 33 ms frame.
// Arg 1 writes the result lines into the window's result box, arg 0 into a
// pane in memory (the drawing's own share).
void BM_RebuildPlaneAnalysesScene(benchmark::State& state) {
    DocumentKind = 1;
    VisibleScene = Cls8();
    Axes.Show = false;
    std::shared_ptr<Cls9> g = Cls9::Init(1, "y=sin(x)", GraphType::Function2D, CoordType::PlaneCartesian, "0", "x",
                                         "sin(x)", 1, 400, 0, 0, -10, 10, FillStyle::OneColor, 0, 0, 255, 2, 1,
                                         Show::FilledSurface, Smoothness::Smooth);
    g->FunForm = FunForm::Explicit;
    g->Show2DCurve = g->ShowRoot = g->ShowInverse = g->ShowJO = g->ShowInt = true;
    g->ShowDev = g->ShowMax = g->ShowMin = g->ShowGuai = g->ShowLen = true;
    g->ShowQie = g->ShowNml = g->ShowCurv = true;
    g->RootSymbol = g->MaxSymbol = g->MinSymbol = g->GuaiSymbol = Symbol::FilledCircle;
    g->IntFrom = g->LenFrom = -10;
    g->IntTo = g->LenTo = 10;
    g->QieNum = g->NmlNum = g->CurvNum = 10;
    for (int k = 1; k <= 10; ++k) g->QieX(k) = g->NmlX(k) = g->CurvX(k) = float(2 * k - 11);
    g->GetPoints();
    VisibleScene.FunSurfs.Add(g, GraphKey(1));
    ResultPane& box = Result();
    if (state.range(0) == 0) SetResultPane(nullptr);
    RebuildLoop(state);
    SetResultPane(&box);
    Axes.Show = true;
    state.SetLabel(state.range(0) == 0 ? "sin(x), 400 segments, every overlay, pane in memory"
                                       : "sin(x), 400 segments, every overlay, result box");
}
BENCHMARK(BM_RebuildPlaneAnalysesScene)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A space document: a helix of the given number of segments with a tangent
// line and a normal plane, over the panel axes with their grids and labels.
void BM_RebuildHelixScene(benchmark::State& state) {
    DocumentKind = 3;
    VisibleScene = Cls8();
    Axes.Show = true;
    std::shared_ptr<Cls9> g = Cls9::Init(1, "H", GraphType::Curve3D, CoordType::Cartesian, "4*cos(u)", "4*sin(u)",
                                         "u/2", std::int32_t(state.range(0)), 1, 0, 12.5664f, 0, 0,
                                         FillStyle::OneColor, 0, 255, 0, 1, Material::Metal, Show::FilledSurface,
                                         Smoothness::Smooth);
    g->FunForm = FunForm::Parametric;
    g->ShowTangent = g->ShowNormal = true;
    g->TangentNum = g->NormalNum = 1;
    g->TangentX(1) = 1;
    g->NormalX(1) = 2;
    g->GetPoints();
    VisibleScene.FunSurfs.Add(g, GraphKey(1));
    VisibleScene.RotPitch = -15;
    VisibleScene.RotYaw = 45;
    RebuildLoop(state);
}
BENCHMARK(BM_RebuildHelixScene)->Arg(200)->Arg(10000)->Unit(benchmark::kMicrosecond);

// One trackball mouse move over a 100 x 100 surface in a space document with
// its axes: the drawing area's move handler (DragToQuat, ApplyTrackball with
// the lists taking the new rotation) and the frame drawn, waited for with
// glFinish. Arg 1 compiles the whole scene again at each move as well, for
// comparison with a step that recompiles it.
void BM_RotateStepSurfaceScene(benchmark::State& state) {
    MakeSurfaceScene(100);
    Axes.Show = true;
    window->BuildDisplayLists();
    window->mnuViewRotate_Click();
    GlDrawingArea* area = window->picDraw();
    const float cx = float(area->width()) / 2, cy = float(area->height()) / 2;
    window->picDraw_MouseDown(1, 0, cx, cy);
    int step = 0;
    for (auto _ : state) {
        ++step;
        window->picDraw_MouseMove(1, 0, cx + float(step % 40), cy + float(step % 30));
        if (state.range(0) == 1) window->BuildDisplayLists();
        area->makeCurrent();
        area->onPaint();
        glFinish();
        area->doneCurrent();
    }
    window->TrackballActive = false;
    window->RotateDrag = false;
    state.SetLabel(state.range(0) == 1 ? "100x100 surface, space axes, scene recompiled"
                                       : "100x100 surface, space axes");
}
BENCHMARK(BM_RotateStepSurfaceScene)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A strip document: the strip of y = sin(x) with the given number of
// segments, faceted and filled, axes off, so the rebuild is the strip branch
// beside the empty scene's rebuild below.
void BM_RebuildStripScene(benchmark::State& state) {
    DocumentKind = 2;
    VisibleScene = Cls8();
    Axes.Show = false;
    std::shared_ptr<Cls9> g = Cls9::Init(1, "y=sin(x)", GraphType::Strip25D, CoordType::PlaneCartesian, "0", "x",
                                         "sin(x)", 1, std::int32_t(state.range(0)), 0, 0, -10, 10,
                                         FillStyle::LeftToRight, 16711680, 255, 0, 1, Material::Silky,
                                         Show::FilledSurface, Smoothness::Smooth);
    g->FunForm = FunForm::Explicit;
    if (!g->GetPoints()) std::fprintf(stderr, "strip not sampled\n");
    VisibleScene.FunSurfs.Add(g, GraphKey(1));
    VisibleScene.RotPitch = -15;
    VisibleScene.RotYaw = 45;
    RebuildLoop(state);
}
BENCHMARK(BM_RebuildStripScene)->Arg(2000)->Unit(benchmark::kMicrosecond);

void BM_RebuildEmptyScene(benchmark::State& state) {
    DocumentKind = 2;
    VisibleScene = Cls8();
    RebuildLoop(state);
}
BENCHMARK(BM_RebuildEmptyScene)->Unit(benchmark::kMicrosecond);

// A plane document of n point graphs, read as File > Open reads it.
LoadedDocument PointDocument(int n) {
    Cls8 scene;
    for (int i = 1; i <= n; ++i) {
        std::shared_ptr<Cls9> g = Cls9::Init(i, "P", GraphType::Point, CoordType::Cartesian, "x", "y", "z", 1, 1,
                                             0, 0, 0, 0, FillStyle::OneColor, 0, 0, 0, 1, 0,
                                             Show::FilledSurface, Smoothness::Smooth);
        g->Vert3D.Create(0, 0);
        g->Vert3D(0, 0) = Cls2::Init(float(i % 20 - 10), float(i % 11 - 5), 0);
        scene.FunSurfs.Add(g, GraphKey(i));
    }
    return ReadDocumentText(ComposeDocumentText(1, scene, Cls3{}), Cls3{});
}

void BM_OpenPointDocument(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        LoadedDocument document = PointDocument(int(state.range(0)));
        state.ResumeTiming();
        window->ApplyDocument(std::move(document));
        window->picDraw()->makeCurrent();
        glFinish();
        window->picDraw()->doneCurrent();
    }
}
BENCHMARK(BM_OpenPointDocument)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    InstallDrawingSurfaceFormat();
    QApplication app(argc, argv);
    frmF1 w;
    w.resize(800, 600);
    w.show();
    QElapsedTimer waited;
    waited.start();
    while (!w.picDraw()->HasContext() && waited.elapsed() < 5000) QApplication::processEvents();
    if (!w.picDraw()->HasContext()) {
        std::fprintf(stderr, "no GL context\n");
        return 1;
    }
    window = &w;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
