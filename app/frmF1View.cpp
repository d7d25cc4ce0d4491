// The View menu: dragging modes, fitting, preset views and the view settings;
// and the mouse on the drawing area, which zooms, turns and pans the view.
#include "app/frmF1.h"
#include "core/Globals.h"
#include "dialogs/DialogForm.h"
#include "dialogs/frmF14.h"
#include "graph/Cls1.h"
#include "platform/GlDrawingArea.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"

#include <QMenu>
#include <QPoint>

#include <algorithm>
#include <cmath>

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

// The camera looks at the centre of the visible graphs' box as the view
// shows it (ShownBox) with a volume twice its largest extent; the lists stay as they are. Nothing happens
// with no graph in view, nor when the box is empty (graphs with nothing to
// show leave it inside out), which would put the view far away.
void frmF1::mnuViewFit_Click() {
    if (VisibleScene.FunSurfs.Count() < 1) return;
    const Cls1 b = ShownBox(VisibleScene.GetBox(0));
    const double dx = double(b.MaxX) - b.MinX, dy = double(b.MaxY) - b.MinY, dz = double(b.MaxZ) - b.MinZ;
    if (!(std::max({dx, dy, dz}) > 0) || dx < 0 || dy < 0 || dz < 0) return;
    Camera.ZoomAll(b.MinX, b.MinY, b.MinZ, b.MaxX, b.MaxY, b.MaxZ);
    Camera.Zoom(2);
    Display(CurrentFrame);
}

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
