#include "app/frmF1.h"

#include "app/GlFont.h"
#include "core/BusyWork.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "platform/GlDrawingArea.h"
#include "platform/GlOutlineFont.h"
#include "render/CurveView.h"
#include "render/GlText.h"
#include "render/ScreenText.h"
#include "render/GraphDrawing.h"
#include "scene/Cls10.h"
#include "scene/Cls3.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"
#include "scene/TextureCache.h"

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <exception>
#include <optional>
#include <string>

std::int32_t CurrentFrame = 1;
Cls1 SceneBox;

namespace {

// Back to the starting values between tests (see ResetProgramState).
[[maybe_unused]] const bool resetRegistered = AddProgramStateReset([] {
    CurrentFrame = 1;
    SceneBox = Cls1();
});

// The plane background and grid, behind the graphs.
void DrawPlaneBackgroundAndGrid(const Cls1& box) {
    Axes.DrawBackground(box.MinX, box.MaxX, box.MinY, box.MaxY, box.MinZ, box.MaxZ);
    Axes.Draw2DGrid(box.MinX, box.MaxX, box.MinY, box.MaxY, box.MinZ, box.MaxZ);
}
// The coordinate system of the document kind, over the graphs.
void DrawCoordinateSystem(const Cls1& box) { Axes.Draw(2, box.MinX, box.MaxX, box.MinY, box.MaxY, box.MinZ, box.MaxZ); }

// Runs `body` with the drawing area's context current; the context is
// released also when the body raises, and the error goes on.
template <class Body>
void WithContext(GlDrawingArea& area, Body&& body) {
    area.makeCurrent();
    try {
        body();
    } catch (...) {
        area.doneCurrent();
        throw;
    }
    area.doneCurrent();
}

// The seconds since it was made.
class Stopwatch {
public:
    double Seconds() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count(); }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// Compiles `body` into list `list`; the list is ended also when the body
// raises, and the error goes on.
template <class Body>
void CompileList(GLuint list, Body&& body) {
    ClearScreenTexts(list);
    glNewList(list, GL_COMPILE);
    try {
        body();
    } catch (...) {
        glEndList();
        throw;
    }
    glEndList();
}

// An empty list under `list`: the name stays taken and shows nothing.
void EmptyList(GLuint list) { CompileList(list, [] {}); }

} // namespace

bool frmF1::Initialize() {
    if (!picDraw_->HasContext() || !contextUsable_) {
        MsgBox("ChoosePixelFormat failed", MsgIcon::Critical);
        return false;
    }
    return true;
}

void frmF1::SetUpContext() {
    frameListCount_ = 0;
    GLint red = 0, green = 0, blue = 0, depth = 0;
    glGetIntegerv(GL_RED_BITS, &red);
    glGetIntegerv(GL_GREEN_BITS, &green);
    glGetIntegerv(GL_BLUE_BITS, &blue);
    glGetIntegerv(GL_DEPTH_BITS, &depth);
    contextUsable_ = red >= 8 && green >= 8 && blue >= 8 && depth >= 16;
    if (!contextUsable_) return;

    // Messages wait until the context is fully set up.
    MessageHoldBack hold;
    glClearColor(1, 1, 1, 1);
    glEnable(GL_DITHER);
    glDepthFunc(GL_LEQUAL);
    glClearDepth(1);
    glEnable(GL_DEPTH_TEST);
    // The fixed list names are taken before glGenLists hands out any.
    EmptyList(SceneList);
    for (GLuint list = FirstFrameList; list <= LastFrameList; ++list) EmptyList(list);
    CreateGLFont(LabelFontBase, "Arial", -6, 400, false, 0);
    CreateGLFont(TitleFontBase, "Arial", -8, 700, false, 0);
    // A new context holds no lists: compile the scene into it again. An
    // error of a graph's drawing already reached the build that first
    // compiled it; here it must not reach Qt (the list is ended regardless).
    try {
        CompileLists();
    } catch (const std::exception&) {
    }
    hold.Release();
}

void frmF1::ReleaseContext() {
    if (contextUsable_) {
        if (LabelFontBase != 0) glDeleteLists(GLuint(LabelFontBase), OutlineFontGlyphCount);
        if (TitleFontBase != 0) glDeleteLists(GLuint(TitleFontBase), OutlineFontGlyphCount);
        ReleaseScreenFonts();
        glDeleteLists(SceneList, 1);
        glDeleteLists(FirstFrameList, GLsizei(LastFrameList - FirstFrameList + 1));
        ReleaseTextures();
        Cls2::ReleaseSpheres();
    }
    ForgetTextures();
    ForgetScreenFonts();
    Cls2::ForgetSpheres();
    listsCompiled_ = false;
    LabelFontBase = 0;
    TitleFontBase = 0;
    frameListCount_ = 0;
    contextUsable_ = false;
}

void frmF1::Display(std::int32_t lngAnimStep) {
    shownFrame_ = lngAnimStep;
    picDraw_->update();
}

void frmF1::PaintFrame() {
    if (!contextUsable_) {
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        return;
    }
    // A long paint shows the wait cursor from its start until GL has
    // finished it; so does one that compiles the lists again for the view.
    const bool forView = ListsLeftByView();
    std::optional<BusyWork> busy;
    if (forView || paintSeconds_ >= LongPaintSeconds) busy.emplace(BusyWorkKind::Painting);
    if (forView) CompileForView();
    const Stopwatch watch;
    glShadeModel(GL_SMOOTH);
    Camera.Projection();
    // The light is placed in the frame's own camera view, so that no frame
    // is lit by whatever matrices an earlier command left current.
    Light.SetLight();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    ApplyModelRotation();
    const GLuint list = ShownList();
    glCallList(list);
    // The axes' texts, upright in pixels where the list's anchors fall now.
    DrawScreenTexts(list);
    glPopMatrix();
    glFinish();
    paintSeconds_ = watch.Seconds();
}

void frmF1::BuildDisplayLists(bool bolOnlyTurning) {
    if (!contextUsable_) return;
    // Turning the scene the lists hold: the frames apply the new rotation.
    if (bolOnlyTurning && listsCompiled_ && listsAnimated_ == VisibleScene.Animation() &&
        (!listsAnimated_ || listsFrames_ == FrameCount)) {
        TakeModelRotation();
        return;
    }
    // Messages the drawing raises wait until every list is finished and the
    // context is released (also when an error ends the build).
    MessageHoldBack hold(bolOnlyTurning);
    WithContext(*picDraw_, [this] { CompileLists(); });
    hold.Release();
}

// With the context current: compiles the visible scene into the lists.
void frmF1::CompileLists() {
    BusyWork busy(BusyWorkKind::Drawing);
    const Stopwatch watch;
    listsCompiled_ = false;
    // The plane curves are drawn for the view as it is now.
    SetCurveView(CameraMagnification(Camera));
    TakeModelRotation();
    // Textures are uploaded here, once per picture, and the points' spheres
    // compiled once per size; the lists only bind and call them.
    UploadSceneTextures(VisibleScene);
    PrepareMarkerSpheres(VisibleScene);
    // Sets Scale2D before anything is drawn.
    VisibleScene.GetBox(0);
    listsAnimated_ = VisibleScene.Animation();
    listsFrames_ = FrameCount;
    if (listsAnimated_)
        CompileFrameLists();
    else
        CompileSceneList();
    listsCompiled_ = true;
    listsView_ = CurveViewRange();
    paintSeconds_ = watch.Seconds();
}

// The lists again, for a view whose magnification lies outside the range
// their curves were drawn for (a zoom, a fit, a resize). The scene is the
// one compiled: its messages, errors and result lines were had by the build
// that compiled it, so the drawing writes into a pane of its own and says
// nothing.
void frmF1::CompileForView() {
    MemoryPane scratch;
    ResultPane& pane = ::Result();
    SetResultPane(&scratch);
    MessageSilence quiet;
    try {
        CompileLists();
    } catch (const std::exception&) {
    }
    SetResultPane(&pane);
}

bool frmF1::ListsLeftByView() const { return listsCompiled_ && !listsView_.Holds(CameraMagnification(Camera)); }

// A command that moves the camera compiles the lists for its view itself,
// under its own wait cursor, rather than leave it to the paint after it.
void frmF1::CompileListsForNewView() {
    if (!contextUsable_ || !ListsLeftByView()) return;
    WithContext(*picDraw_, [this] { CompileForView(); });
}

void frmF1::CompileFrameLists() {
    // The union of every frame's box, widened by 0.1; the last box computed
    // leaves its Scale2D for all frames.
    Cls1 united = UnionStart;
    for (std::int32_t f = 0; f <= FrameCount; ++f) united.Widen(VisibleScene.GetBox(f));
    const auto F = [](double v) { return static_cast<float>(v); };
    const Cls1 box{F(united.MinX - 0.1), F(united.MaxX + 0.1), F(united.MinY - 0.1),
                   F(united.MaxY + 0.1), F(united.MinZ - 0.1), F(united.MaxZ + 0.1)};

    const bool hasGraphs = VisibleScene.FunSurfs.Count() > 0;
    const bool plane = DocumentKind == 1 || DocumentKind == 4;
    const std::int64_t built = frameListCount_;
    for (std::int32_t f = 0; f <= FrameCount; ++f) {
        CompileList(FirstFrameList + GLuint(f), [&] {
            if (hasGraphs && plane) DrawPlaneBackgroundAndGrid(box);
            if (!graphsLeftOut_) VisibleScene.Draw(f);
            if (hasGraphs) {
                if (Axes.Show) DrawCoordinateSystem(box);
                if (!graphsLeftOut_) DrawPointGraphsAgain();
            }
        });
        if (f + 1 > frameListCount_) frameListCount_ = f + 1;
    }
    // No list of a step that no longer exists may be shown: it is emptied,
    // its name kept.
    const std::int64_t frames = std::int64_t(FrameCount) + 1;
    for (std::int64_t f = frames; f < built; ++f) EmptyList(FirstFrameList + GLuint(f));
    frameListCount_ = frames;
}

void frmF1::CompileSceneList() {
    const bool hasGraphs = VisibleScene.FunSurfs.Count() > 0;
    const bool plane = DocumentKind == 1 || DocumentKind == 4;
    CompileList(SceneList, [&] {
        if (hasGraphs && plane) {
            SceneBox = VisibleScene.GetBox(0);
            DrawPlaneBackgroundAndGrid(SceneBox);
        }
        if (!graphsLeftOut_) VisibleScene.Draw(0);
        if (hasGraphs) {
            if (Axes.Show) {
                SceneBox = VisibleScene.GetBox(0);
                DrawCoordinateSystem(SceneBox);
            }
            if (!graphsLeftOut_) DrawPointGraphsAgain();
        }
    });
}

// The model rotation, the same for every list: the trackball's, or the
// scene's angles turned about z (roll), x (pitch) and y (yaw) in that order.
// The frames apply it before calling a list, so turning compiles nothing.
void frmF1::TakeModelRotation() {
    Mat16& m = modelRotation_;
    if (TrackballActive) {
        QuatToMatrix(m, ViewQuat);
    } else {
        const double toRadians = 3.1416 / 180;
        Vec4 axis{0, 0, 1, 0};
        Vec4 q1{}, q2{}, q3{};
        AxisToQuat(axis, VisibleScene.RotRoll * toRadians, q1);
        axis = {1, 0, 0, 0};
        AxisToQuat(axis, VisibleScene.RotPitch * toRadians, q2);
        ComposeQuats(q1, q2, q2);
        axis = {0, 1, 0, 0};
        AxisToQuat(axis, VisibleScene.RotYaw * toRadians, q3);
        ComposeQuats(q2, q3, q3);
        QuatToMatrix(m, q3);
        // A following trackball drag continues from this view.
        ViewQuat = q3;
    }
}

void frmF1::ApplyModelRotation() const { glMultMatrixf(modelRotation_.data()); }

// Points once more after everything else, so that nothing drawn at their
// depth covers them.
void frmF1::DrawPointGraphsAgain() {
    for (const auto& e : VisibleScene.FunSurfs)
        if (e.graph->GraphType == GraphType::Point) e.graph->Draw();
}
