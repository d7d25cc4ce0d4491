// The Animation menu: the new animations, the player and its options, and its timer.
//
// The player moves CurrentFrame (c) over the frames 1..N + 1 of the compiled
// lists (N = FrameCount) and shows it with Display. In modes 1 and 2 a tick
// moves first and then shows, so c is the frame on the screen; in modes 3 and
// 4 it shows first and then moves, so between ticks c is one step further in
// the direction of play than the picture. The stepping commands set mode 0,
// whose ticks change nothing, and leave a running timer running.
#include "app/frmF1.h"
#include "app/frmF23.h"
#include "core/BusyWork.h"
#include "core/Globals.h"
#include "dialogs/frmF19.h"
#include "dialogs/functions/CreationCommand.h"
#include "dialogs/functions/frmF17.h"
#include "dialogs/functions/frmF4.h"
#include "dialogs/functions/frmF5.h"
#include "dialogs/special/frmF6.h"
#include "graph/Cls9.h"
#include "scene/Cls10.h"
#include "scene/Cls3.h"
#include "scene/Cls8.h"

#include <QTimer>

static void TakeAnimationSettings();

// A new point animation: the dialog prepared for the document kind, the view
// turned in space documents.
void frmF1::mnuAniPoint_Click() {
    TakeAnimationSettings();
    RunCreationCommand<frmF17>(LabelSource::mnuAniPoint, PointViewRotation(DocumentKind),
                               [](frmF17& f) { f.PrepareNewAnimation(); });
}

// The settings every animation command starts with: no edit, plain axis
// texts, and the frame count and speed of the animation options' boxes.
static void TakeAnimationSettings() {
    IsEditing = false;
    Axes.BetterFonts = false;
    FrameCount = frmF19::FrameCountInBox();
    FramesPerSecond = frmF19::SpeedInBox();
    ApplyPlaySpeed(FramesPerSecond);
}

// A new plane-function animation in Cartesian coordinates.
void frmF1::mnuAniCur2DCart_Click() {
    TakeAnimationSettings();
    RunCreationCommand<frmF5>(LabelSource::mnuAniCur2DCart, FlatViewRotation,
                              [](frmF5& f) { f.PrepareNewGraph(false, true); });
}

// A new plane-function animation in polar coordinates.
void frmF1::mnuAniCur2DPol_Click() {
    TakeAnimationSettings();
    RunCreationCommand<frmF5>(LabelSource::mnuAniCur2DPol, FlatViewRotation,
                              [](frmF5& f) { f.PrepareNewGraph(true, true); });
}

// A new strip or space animation: one-sided light, plain axis texts, the
// frame count and speed of the animation options' boxes (the timer takes the
// speed), then the dialog prepared in animation mode and the turned view.
// These settings stay also when the dialog is cancelled.
template <class Form, class Prepare>
static void NewTurnedAnimation(LabelSource label, Prepare prepare) {
    Light.TwoSides(0) = 0;
    TakeAnimationSettings();
    RunCreationCommand<Form>(label, TurnedViewRotation, prepare);
}

// A new strip animation in Cartesian coordinates.
void frmF1::mnuAni25DCurCart_Click() {
    NewTurnedAnimation<frmF4>(LabelSource::mnuAni25DCurCart, [](frmF4& f) { f.PrepareNewStrip(false, true); });
}

// A new strip animation in polar coordinates.
void frmF1::mnuAni25DCurPol_Click() {
    NewTurnedAnimation<frmF4>(LabelSource::mnuAni25DCurPol, [](frmF4& f) { f.PrepareNewStrip(true, true); });
}

// A new space animation in the coordinate system `coordinate` (0 Cartesian,
// 1 cylindrical, 2 spherical).
static void NewSpaceAnimation(int coordinate) {
    NewTurnedAnimation<frmF6>(LabelSource::frmF6, [coordinate](frmF6& f) { f.PrepareNewGraph(coordinate, true); });
}

// A new space animation in Cartesian coordinates.
void frmF1::mnuAniSurCart_Click() { NewSpaceAnimation(0); }

// A new space animation in cylindrical coordinates.
void frmF1::mnuAniSurCyl_Click() { NewSpaceAnimation(1); }

// A new space animation in spherical coordinates.
void frmF1::mnuAniSurSph_Click() { NewSpaceAnimation(2); }

// Starts playing: mode 2 resting on frame 1 starts over at the last frame.
void frmF1::mnuAniStartb_Click() {
    if (CurrentFrame == 1 && PlayMode == ::PlayMode::Rev) CurrentFrame = FrameCount + 2;
    // A running timer goes on as it was.
    if (!Timer1->isActive()) Timer1->start();
}

// Pauses playing: frame and mode stay, so "开始" goes on from here.
void frmF1::mnuAniPause_Click() { Timer1->stop(); }

// Stops playing and shows frame 1; the mode stays.
void frmF1::mnuAniStop_Click() {
    Timer1->stop();
    CurrentFrame = 1;
    Display(CurrentFrame);
}

// Shows the first frame.
void frmF1::mnuAniFirst_Click() {
    PlayMode = ::PlayMode::Manual;
    CurrentFrame = 1;
    Display(CurrentFrame);
}

// Shows the previous frame; on frame 1 nothing happens.
void frmF1::mnuAniPre_Click() {
    PlayMode = ::PlayMode::Manual;
    if (CurrentFrame < 2) return;
    --CurrentFrame;
    Display(CurrentFrame);
}

// Shows the next frame, up to frame N (the last frame, N + 1, is the one
// "最后一帧" shows).
void frmF1::mnuAniNext_Click() {
    PlayMode = ::PlayMode::Manual;
    if (CurrentFrame >= FrameCount) return;
    ++CurrentFrame;
    Display(CurrentFrame);
}

// Shows the last frame.
void frmF1::mnuAniLast_Click() {
    PlayMode = ::PlayMode::Manual;
    CurrentFrame = FrameCount + 1;
    Display(CurrentFrame);
}

// Play mode: forwards once, from the start. The first tick shows frame 1.
void frmF1::mnuAniNormal_Click() {
    PlayMode = ::PlayMode::Normal;
    CurrentFrame = 0;
    mnuAniStartb_Click();
}

// Play mode: backwards once, from the end. The first tick shows frame N + 1.
void frmF1::mnuAniRev_Click() {
    PlayMode = ::PlayMode::Rev;
    CurrentFrame = FrameCount + 2;
    mnuAniStartb_Click();
}

// Play mode: forwards, repeated from frame 2.
void frmF1::mnuAniRepeat_Click() {
    PlayMode = ::PlayMode::Repeat;
    mnuAniStartb_Click();
}

// Play mode: back and forth.
void frmF1::mnuAniRevRepeat_Click() {
    PlayMode = ::PlayMode::RevRepeat;
    mnuAniStartb_Click();
}

// The animation options. A changed frame count samples the visible graphs
// again and compiles one list per new step; a frame beyond the new last one
// (N + 1) is brought back to it, so the view never asks for a list that no
// longer exists.
void frmF1::mnuAniOpt_Click() {
    const std::int32_t before = frmF19::FrameCountInBox();
    frmF19::Get().ShowModal();
    // The dialog is unloaded by now: this loads it again from the settings.
    const std::int32_t after = frmF19::FrameCountInBox();
    if (before == after) return;
    BusyWork busy(BusyWorkKind::Sampling);
    for (const auto& e : VisibleScene.FunSurfs) e.graph->GetPoints();
    if (CurrentFrame > FrameCount + 1) CurrentFrame = FrameCount + 1;
    BuildDisplayLists();
    Display(CurrentFrame);
}

// Each tick of the animation timer: the next frame of the play.
void frmF1::Timer1_Timer() {
    std::int32_t& c = CurrentFrame;
    const std::int32_t N = FrameCount;
    switch (PlayMode) {
    case ::PlayMode::Normal:
        // After the last frame: back to frame 1, and the play ends.
        if (c > N) {
            c = 0;
            Timer1->stop();
        }
        ++c;
        Display(c);
        RecordShownFrame();
        break;
    case ::PlayMode::Rev:
        // The tick that shows frame 1 ends the play.
        if (c < 3) Timer1->stop();
        --c;
        Display(c);
        break;
    case ::PlayMode::Repeat:
        // Frame 1 only at the start; the loop goes on at frame 2.
        if (c > N + 1) c = 2;
        Display(c);
        ++c;
        break;
    case ::PlayMode::RevRepeat:
        // Each end frame once per turn.
        if (c > N)
            PlayBackwards = true;
        else if (c < 2)
            PlayBackwards = false;
        Display(c);
        c += PlayBackwards ? -1 : 1;
        break;
    default:
        // Mode 0 (stepping by hand): the timer runs, the picture stays.
        break;
    }
}

void frmF1::SetPlayInterval(std::int32_t milliseconds) { Timer1->setInterval(milliseconds); }

// The video export's recording step (RecordingFrames, RecordedFrameCount):
// while the export records, the shown frame is captured and written as frame
// file n, until n reaches FrameCount.
void frmF1::RecordShownFrame() { frmF23::RecordFrame(); }
