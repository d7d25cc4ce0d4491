// The View menu: dragging modes, fitting, preset views and the view settings;
// and the mouse on the drawing area, which zooms, turns and pans the view.
#include "app/frmF1.h"
#include "core/BusyWork.h"
#include "core/Globals.h"
#include "dialogs/DialogForm.h"
#include "dialogs/frmF14.h"
#include "graph/Cls1.h"
#include "platform/GlDrawingArea.h"
#include "render/AxesReach.h"
#include "render/ScreenText.h"
#include "scene/Cls3.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"

#include <QMenu>
#include <QPoint>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {
float F(double v) { return static_cast<float>(v); }
} // namespace

// The drawing area hands presses and moves over in device pixels, as the
// resize hands its size to the camera. Errors of a press are ignored.
void frmF1::HookDrawingAreaMouse() {
    picDraw_->onMouseDown = [this](int button, int shift, double x, double y) {
        const double ratio = picDraw_->devicePixelRatioF();
        RunGuarded([&] { picDraw_MouseDown(button, shift, F(x * ratio), F(y * ratio)); });
    };
    picDraw_->onMouseMove = [this](int buttons, int shift, double x, double y) {
        const double ratio = picDraw_->devicePixelRatioF();
        RunGuarded([&] { picDraw_MouseMove(buttons, shift, F(x * ratio), F(y * ratio)); });
    };
}

// ---- Dragging modes: exactly one of the three flags is on ----

namespace {
void SetDragFlags(frmF1& w, bool rotate, bool zoom, bool pan) {
    w.RotateDrag = rotate;
    w.ZoomDrag = zoom;
    w.PanDrag = pan;
}
// A left drag turns the model about the mode's axis (1 free).
void ChooseRotation(frmF1& w, std::int32_t mode) {
    RotationMode = mode;
    SetDragFlags(w, true, false, false);
}
} // namespace

void frmF1::mnuViewMove_Click() { SetDragFlags(*this, false, false, true); }

void frmF1::mnuViewZoom_Click() { SetDragFlags(*this, false, true, false); }

// About the screen's z axis (the menu names the mathematical X axis, which
// space documents draw along z).
void frmF1::mnuViewRotX_Click() { ChooseRotation(*this, 2); }

// About the drawing x axis.
void frmF1::mnuViewRotY_Click() { ChooseRotation(*this, 3); }

// About the drawing y axis.
void frmF1::mnuViewRotZ_Click() { ChooseRotation(*this, 4); }

// Freely (trackball).
void frmF1::mnuViewRotate_Click() { ChooseRotation(*this, 1); }

// ---- Fit ----

namespace {

// How much of the drawing area an opened sample's picture takes: its width
// or its height, whichever meets the area's side first, spans this share of
// that side. A plane picture takes in everything its axes draw; the other
// kinds leave room for the labels their axes draw outside the box (how much
// room the texts take in pixels is then settled by FitAxisTexts).
constexpr double PlaneShare = 0.95;
constexpr double OtherShare = 0.8;

using Vec3 = std::array<double, 3>;
double Dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Vec3 Unit(const Vec3& v) {
    const double length = std::sqrt(Dot(v, v));
    return length > 0 ? Vec3{v[0] / length, v[1] / length, v[2] / length} : v;
}

// Something the fitted picture must hold, in window pixels (y up): a point
// of the scene where the view shows it (`at`), with the box a text beside it
// covers, as edges relative to that point (0 for a bare point). Zooming the
// view by k about the middle of the area moves the point and carries the box
// along at its size in pixels.
struct Reach {
    double atX, atY;
    double left, right, bottom, top;
};
// The edges of what the reaches cover, after a zoom by k about (cx, cy).
struct Extent {
    double left, right, bottom, top;
};
Extent ExtentAt(const std::vector<Reach>& reaches, double k, double cx, double cy) {
    Extent e{HUGE_VAL, -HUGE_VAL, HUGE_VAL, -HUGE_VAL};
    for (const Reach& r : reaches) {
        const double x = cx + k * (r.atX - cx), y = cy + k * (r.atY - cy);
        e.left = std::min(e.left, x + r.left), e.right = std::max(e.right, x + r.right);
        e.bottom = std::min(e.bottom, y + r.bottom), e.top = std::max(e.top, y + r.top);
    }
    return e;
}
// The largest zoom k in (0, 1] for which `fits` holds, found by halving (the
// zooms that fit are an interval reaching down to the least one tried); 0 when
// even that one does not fit.
template <class Fits>
double LargestFittingZoom(Fits&& fits) {
    if (fits(1.0)) return 1;
    double low = 1.0 / 64, high = 1;
    if (!fits(low)) return 0;
    for (int i = 0; i < 40; ++i) {
        const double k = (low + high) / 2;
        (fits(k) ? low : high) = k;
    }
    return low;
}

} // namespace

std::uint32_t frmF1::ShownList() const {
    if (!VisibleScene.Animation()) return SceneList;
    // Frame 0 shows step 0, also when the paint comes after the player has
    // moved on from it; a frame beyond the last list (a repeating play between
    // ticks, a reverse play before its first) shows the last step.
    const std::int64_t frame = std::min<std::int64_t>(shownFrame_, std::max<std::int64_t>(frameListCount_, 1));
    return CurrentFrame == 0 || frame <= 0 ? FirstFrameList : std::uint32_t(1000 + frame);
}

// The axes' texts keep their size in pixels, so a view fitted to the picture
// box alone can leave them (the labels and titles beyond the box's edges)
// outside the drawing area. This lays them out as the next frame would,
// wherever they fall, and zooms out about the middle of the area (the box's
// middle stays there) until every text, every anchor and the box's corners
// lie inside the area with the texts' margin. A zoom scales either
// projection exactly about the middle of the area, but the layout can differ
// at the new size (labels crowding each other out move their title), so it
// is laid out again and checked, a few rounds at most. Nothing changes
// without compiled lists or texts, nor when the texts alone do not fit the
// area.
void frmF1::FitAxisTexts(const Cls1& b) {
    if (!contextUsable_ || !listsCompiled_) return;
    const std::uint32_t list = ShownList();
    if (ScreenTextsOf(list).empty()) return;
    const int W = int(Camera.ScreenWidth), H = int(Camera.ScreenHeight);
    const double cx = W / 2.0, cy = H / 2.0;
    // One pixel more than the layout keeps, for its rounding of positions.
    const double margin = ScreenTextMargin + 1;
    const auto inside = [&](const Extent& e, double slack) {
        return e.left >= margin - slack && e.right <= W - margin + slack && e.bottom >= margin - slack &&
               e.top <= H - margin + slack;
    };
    for (int round = 0; round < 4; ++round) {
        picDraw_->makeCurrent();
        Camera.Projection();
        ApplyModelRotation();
        ScreenView view = CurrentScreenView();
        picDraw_->doneCurrent();
        view.viewport = {0, 0, W, H};
        std::vector<Reach> reaches;
        const GLint viewport[4] = {0, 0, W, H};
        for (const double x : {b.MinX, b.MaxX})
            for (const double y : {b.MinY, b.MaxY})
                for (const double z : {b.MinZ, b.MaxZ}) {
                    GLdouble wx = 0, wy = 0, wz = 0;
                    if (gluProject(x, y, z, view.modelView.data(), view.projection.data(), viewport, &wx, &wy,
                                   &wz) == GL_TRUE && std::isfinite(wx) && std::isfinite(wy))
                        reaches.push_back({wx, wy, 0, 0, 0, 0});
                }
        for (const PlacedText& p : LayOutScreenTexts(list, view, ViewEdges::Ignore).placed)
            reaches.push_back({p.anchorX, p.anchorY, std::min(0.0, p.left - p.anchorX),
                               std::max(0.0, p.left + p.width - p.anchorX), std::min(0.0, p.bottom - p.anchorY),
                               std::max(0.0, p.bottom + p.height - p.anchorY)});
        if (reaches.empty() || inside(ExtentAt(reaches, 1, cx, cy), 1)) return;
        const double k = LargestFittingZoom([&](double z) { return inside(ExtentAt(reaches, z, cx, cy), 0); });
        if (!(k > 0)) return;
        Camera.Zoom(F(1 / k));
    }
}

// The box the picture is drawn in, in GL axes before the model rotation: the
// visible graphs' box as the lists take it (an animation's over all its
// frames, widened by 0.1), in the units the picture is drawn in. A plane one
// is in drawing units (values divided by Scale2D, as the lists left it) and
// reaches as far as its axes with their arrowheads and titles; a strip one
// is as deep as its axes; a special one is flat, in the plane of its frame.
// An empty box (inside out) is returned as it is.
Cls1 frmF1::PictureBox() const {
    Cls1 box = VisibleScene.GetBox(0);
    if (VisibleScene.Animation()) {
        box = UnionStart;
        for (std::int32_t f = 0; f <= FrameCount; ++f) box.Widen(VisibleScene.GetBox(f));
        box = {F(box.MinX - 0.1), F(box.MaxX + 0.1), F(box.MinY - 0.1),
               F(box.MaxY + 0.1), F(box.MinZ - 0.1), F(box.MaxZ + 0.1)};
    }
    // Graphs with nothing to show leave the box inside out; it stays so.
    if (box.MinX > box.MaxX || box.MinY > box.MaxY || box.MinZ > box.MaxZ) return box;
    switch (DocumentKind) {
    case 1:
    case 4: {
        const double s = Scale2D, step = PlaneTickStep(Scale2D), xstep = Axes.ShowPI ? PlanePiStep : step;
        return {F(PlaneOutermostTick(box.MinX, xstep, true) / s - PlaneAxisLineReach),
                F(PlaneOutermostTick(box.MaxX, xstep, false) / s + PlaneArrowReach),
                F(PlaneOutermostTick(box.MinY, step, true) / s - PlaneAxisLineReach),
                F(PlaneOutermostTick(box.MaxY, step, false) / s + PlaneArrowReach), 0, 0};
    }
    case 2:
    case 5: box.MinZ = 0; box.MaxZ = 3; return box;
    case 7: {
        // The frame's ticks reach below it and left of it, their labels and
        // the titles beyond them.
        Cls1 shown = ShownBox(box);
        shown.MinX = F(shown.MinX - SpecialTickLength);
        shown.MinY = F(shown.MinY - SpecialTickLength);
        shown.MaxZ = shown.MinZ;
        return shown;
    }
    default: return box;
    }
}

// Fits the camera to the picture: the reference point moves to the middle of
// the picture box as the model rotation turns it, the eye keeping its offset,
// and the view volume is twice the box's largest extent high, or as large as
// lets the turned box fill its share of the drawing area; then the view
// makes room for the axes' texts (FitAxisTexts). Nothing happens
// with no graph in view, nor when the box is empty (graphs with nothing to
// show leave it inside out) or not finite, which would put the view far away.
// Only the camera changes; the lists are compiled again only where their
// curves were drawn for another view (CompileListsForNewView).
void frmF1::FitView(FitSize size) {
    if (VisibleScene.FunSurfs.Count() < 1) return;
    // The boxes of every frame are measured: long for large animations.
    BusyWork busy(BusyWorkKind::Fitting);
    const Cls1 b = PictureBox();
    const double dx = double(b.MaxX) - b.MinX, dy = double(b.MaxY) - b.MinY, dz = double(b.MaxZ) - b.MinZ;
    const double largest = std::max({dx, dy, dz});
    if (!(largest > 0) || !std::isfinite(largest) || dx < 0 || dy < 0 || dz < 0) return;

    TakeModelRotation();
    const Mat16& m = modelRotation_;
    const auto turned = [&m](double x, double y, double z) {
        return Vec3{m[0] * x + m[4] * y + m[8] * z, m[1] * x + m[5] * y + m[9] * z, m[2] * x + m[6] * y + m[10] * z};
    };
    const Vec3 eye{Camera.EyePos.x, Camera.EyePos.y, Camera.EyePos.z};
    const Vec3 ref{Camera.RefPos.x, Camera.RefPos.y, Camera.RefPos.z};
    const Vec3 middle = turned((double(b.MinX) + b.MaxX) / 2, (double(b.MinY) + b.MaxY) / 2,
                               (double(b.MinZ) + b.MaxZ) / 2);

    if (size == FitSize::TwiceLargestExtent) {
        Camera.SetViewRect(F(largest), F(largest));
        Camera.Zoom(2);
    } else {
        // The turned box's extent across and up the screen; a box with
        // extent neither across nor up leaves the view as it was.
        const Vec3 ahead = Unit({ref[0] - eye[0], ref[1] - eye[1], ref[2] - eye[2]});
        const Vec3 right = Unit(Cross(ahead, {Camera.VecUp(0), Camera.VecUp(1), Camera.VecUp(2)}));
        const Vec3 up = Cross(right, ahead);
        double width = 0, height = 0;
        for (const double x : {b.MinX, b.MaxX})
            for (const double y : {b.MinY, b.MaxY})
                for (const double z : {b.MinZ, b.MaxZ}) {
                    const Vec3 p = turned(x, y, z);
                    const Vec3 fromMiddle{p[0] - middle[0], p[1] - middle[1], p[2] - middle[2]};
                    width = std::max(width, 2 * std::fabs(Dot(fromMiddle, right)));
                    height = std::max(height, 2 * std::fabs(Dot(fromMiddle, up)));
                }
        const double aspect = double(Camera.ScreenWidth) / Camera.ScreenHeight;
        const double share = DocumentKind == 1 || DocumentKind == 4 ? PlaneShare : OtherShare;
        const double volume = std::max(height, width / aspect) / share;
        if (!(volume > 0) || !std::isfinite(volume * aspect)) return;
        Camera.SetViewRect(F(volume * aspect), F(volume));
    }
    Camera.SetRef(F(middle[0]), F(middle[1]), F(middle[2]));
    Camera.SetEye(F(middle[0] + eye[0] - ref[0]), F(middle[1] + eye[1] - ref[1]), F(middle[2] + eye[2] - ref[2]));
    FitAxisTexts(b);
    CompileListsForNewView();
    Display(CurrentFrame);
}

// View > Fit: the picture at twice its box's largest extent.
void frmF1::mnuViewFit_Click() { FitView(FitSize::TwiceLargestExtent); }

// ---- Preset views: the scene's angles govern the view again ----

void frmF1::SetPresetView(float roll, float pitch, float yaw) {
    VisibleScene.RotRoll = roll;
    VisibleScene.RotPitch = pitch;
    VisibleScene.RotYaw = yaw;
    TrackballActive = false;
    // Only the rotation changed: messages already shown are not repeated.
    BuildDisplayLists(true);
    Display(CurrentFrame);
}

void frmF1::mnuViewFront_Click() { SetPresetView(0, 0, 0); }

void frmF1::mnuViewRight_Click() { SetPresetView(0, 0, 90); }

void frmF1::mnuViewTop_Click() { SetPresetView(0, -90, 0); }

void frmF1::mnuViewISO_Click() { SetPresetView(0, -15, 45); }

// ---- View settings: nothing is resampled or redrawn afterwards ----

void frmF1::mnuViewSet_Click() { frmF14::Get().ShowModal(); }

// ---- The mouse on the drawing area ----

void frmF1::picDraw_MouseDown(int Button, int, float X, float Y) {
    // A press never reports an error.
    try {
        if (Button == 1) {
            lastX_ = X;
            lastY_ = Y;
        } else if (Button == 2) {
            const double ratio = picDraw_->devicePixelRatioF();
            const QPoint at(int(std::lround(X / ratio)), int(std::lround(Y / ratio)));
            GraphEdit->popup(picDraw_->mapToGlobal(at));
        }
    } catch (...) {
    }
}

void frmF1::picDraw_MouseMove(int Button, int, float X, float Y) {
    const double ratio = picDraw_->devicePixelRatioF();
    const double W = double(std::lround(picDraw_->width() * ratio));
    const double H = double(std::lround(picDraw_->height() * ratio));
    // The left button alone drags; an area without a pixel to measure by
    // does nothing.
    if (Button != 1 || W < 1 || H < 1) return;
    if (ZoomDrag) {
        // Upwards shrinks the volume (the picture grows); a step of the whole
        // height or more gives a factor Zoom ignores.
        ZoomFactor = F(1 - (double(lastY_) - Y) / H);
        lastX_ = X;
        lastY_ = Y;
        Camera.Zoom(ZoomFactor);
        Display(CurrentFrame);
    }
    if (RotateDrag) {
        // Window positions normalised to -1..1, y up.
        DragToQuat(DragQuat, F((2.0 * lastX_ - W) / W), F((H - 2.0 * lastY_) / H), F((2.0 * X - W) / W),
                   F((H - 2.0 * Y) / H));
        TrackballActive = true;
        ApplyTrackball();
        lastX_ = X;
        lastY_ = Y;
    }
    if (PanDrag) {
        // The picture follows the mouse.
        Camera.MoveView(F((double(X) - lastX_) / W), F((double(lastY_) - Y) / H));
        lastX_ = X;
        lastY_ = Y;
        Display(CurrentFrame);
    }
}

void frmF1::ApplyTrackball() {
    ComposeQuats(DragQuat, ViewQuat, ViewQuat);
    BuildDisplayLists(true);
    Display(CurrentFrame);
}
