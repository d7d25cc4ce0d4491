// The File menu: new documents, open, save, print, the video export, exit.
#include "app/CommandAvailability.h"
#include "app/DocumentCommands.h"
#include "app/frmF1.h"
#include "app/frmF23.h"
#include "core/BmpFile.h"
#include "core/FileDialogService.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/PrinterService.h"
#include "core/ResultPane.h"
#include "core/ViewCapture.h"
#include "dialogs/FormControls.h"
#include "document/DocumentFile.h"
#include "platform/GlDrawingArea.h"
#include "scene/Cls10.h"
#include "scene/Cls3.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"
#include "scene/Trackball.h"

#include <QCoreApplication>

// What a new document of each kind sets besides its view (the rotation
// here, the trackball and camera reset); everything else (view range,
// animation state) stays.
struct NewDocumentSettings {
    std::int32_t kind;
    float roll, pitch, yaw;
    bool moveLight; // the light's x and y
    float lightX, lightY;
    bool axesDefaults; // Axes.SetDefault, which turns BetterFonts on again
    int commandSet;
};

namespace {

const NewDocumentSettings* Settings(int set) {
    using S = NewDocumentSettings;
    static const S settings[4] = {
        {1, 0, 0, 0, false, 0, 0, false, Set2D},
        {2, 0, -15, 45, true, 100, 100, true, Set25D},
        {3, 0, -15, 45, true, 100, 100, true, Set3D},
        {7, 0, 0, 0, true, 0, 0, false, SetSpecial},
    };
    return &settings[set];
}

MsgAnswer AskToSave() {
    return MsgBox("是否保存当前图形？", MsgIcon::Exclamation, NoticeTitle, MsgButtons::YesNoCancel);
}

} // namespace

// The graphs and the result pane emptied.
void frmF1::ClearDocument() {
    DeleteAllGraphs();
    ::Result().SetText("");
}

// Applies a kind's settings in their order, clearing the document at the
// given step: light, view, drag modes, kind and BetterFonts, axes defaults,
// command set.
void frmF1::StartNewDocument(const NewDocumentSettings& s, ClearAt clear) {
    if (clear == ClearAt::Before) ClearDocument();
    if (s.moveLight) {
        Light.Position(0) = s.lightX;
        Light.Position(1) = s.lightY;
    }
    // The kind's own view, as at start-up: its rotation, the trackball
    // cleared, the camera without zoom or pan. Nothing of the last document's
    // view carries over (a plane drawn turned could not be turned back).
    VisibleScene.RotRoll = s.roll;
    VisibleScene.RotPitch = s.pitch;
    VisibleScene.RotYaw = s.yaw;
    TrackballActive = false;
    ViewQuat = DragQuat = Vec4{0, 0, 0, 1};
    RotationMode = 0;
    ZoomFactor = 1;
    Camera.ResetView();
    RotateDrag = false;
    ZoomDrag = false;
    PanDrag = false;
    if (clear == ClearAt::AfterRotation) ClearDocument();
    DocumentKind = s.kind;
    Axes.BetterFonts = false;
    if (clear == ClearAt::AfterKind) ClearDocument();
    if (s.axesDefaults) Axes.SetDefault();
    ApplyCommandSet(s.commandSet);
}

// The new-document commands: an empty document takes the settings at once;
// otherwise the save question comes first, and nothing changes unless the
// answer is No or the save wrote the document.
void frmF1::NewDocument(const NewDocumentSettings& s) {
    if (DocumentScene.FunSurfs.Count() == 0) {
        StartNewDocument(s, ClearAt::Never);
        return;
    }
    switch (AskToSave()) {
    case MsgAnswer::Yes:
        mnuFileSave_Click();
        if (!SaveSucceeded) return;
        StartNewDocument(s, ClearAt::Before);
        if (s.kind != 7) SaveSucceeded = false;
        return;
    case MsgAnswer::No:
        StartNewDocument(s, s.kind == 1 ? ClearAt::AfterRotation : ClearAt::AfterKind);
        return;
    default: return;
    }
}

// A new plane (2D) document.
void frmF1::mnuFileNew2D_Click() { NewDocument(*Settings(Set2D)); }

// A new strip (2.5D) document.
void frmF1::mnuFileNew25D_Click() { NewDocument(*Settings(Set25D)); }

// A new space (3D) document.
void frmF1::mnuFileNew3D_Click() { NewDocument(*Settings(Set3D)); }

// A new document of special graphs.
void frmF1::mnuFileSpe_Click() { NewDocument(*Settings(SetSpecial)); }

// With graphs in view, the save question; a save that did not happen stops
// the command, so the document is never replaced unsaved.
bool frmF1::SaveQuestionBeforeOpening() {
    if (VisibleScene.FunSurfs.Count() == 0) return true;
    switch (AskToSave()) {
    case MsgAnswer::Yes:
        mnuFileSave_Click();
        return SaveSucceeded;
    case MsgAnswer::No: return true;
    default: return false;
    }
}

// Opens a ".pgp" document the user picks, after the save question.
void frmF1::mnuFileOpen_Click() {
    RotateDrag = false;
    ZoomDrag = false;
    PanDrag = false;
    if (!SaveQuestionBeforeOpening()) return;
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.title = "打开";
    request.filter = "(*.pgp)|*.pgp";
    dlgSaveFilterIndex = 1;
    request.filterIndex = dlgSaveFilterIndex;
    const std::optional<std::string> path = FileDialogs().ChooseFile(request);
    if (path) OpenDocument(*path);
}

// Saves the document; SaveSucceeded tells whether it was written (False also
// when an error ends the command, so no caller goes on as if it were saved).
void frmF1::mnuFileSave_Click() {
    SaveSucceeded = false;
    SaveSucceeded = Documents().SaveDocument(*this);
}

// Saves the document, or the view as it was before the dialog opened as a
// BMP picture, under a name the user picks. A cancelled dialog ends it.
void frmF1::mnuFileSaveAs_Click() {
    const std::optional<PictureRows> view = CaptureDrawnView();
    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.title = "Save As";
    request.filter = "*.pgp|*.pgp|*.bmp|*.bmp";
    request.filterIndex = dlgSaveFilterIndex;
    request.defaultExt = "pgp";
    const std::optional<FileDialogChoice> choice = FileDialogs().ChooseFileAndType(request);
    QCoreApplication::processEvents();
    if (!choice || choice->path.empty()) return;
    dlgSaveFilterIndex = choice->filterIndex;
    if (choice->filterIndex == 1) {
        WriteDocument(choice->path);
        return;
    }
    if (!view || !WriteBmpFile(choice->path, *view))
        MsgBox(DocumentWriteFailedText + choice->path, MsgIcon::Critical, ErrorTitle);
}

// Exports the animation as an AVI video: the export dialog, modeless, when a
// ticked graph is animated.
void frmF1::mnuFileSaveAVI_Click() {
    if (VisibleScene.Animation()) frmF23::Get().ShowModeless();
}

// Prints the view on the default printer as one page, at its size on the
// screen. Without a printer nothing happens.
void frmF1::mnuFilePrint_Click() {
    const std::optional<PictureRows> view = CaptureDrawnView();
    if (!view) return;
    Printer().PrintPicture(*view, picDraw_->width() * TwipsPerPixel, picDraw_->height() * TwipsPerPixel);
}

// The view drawn again and captured, with the drawing area focused and the
// pending events run first (a repaint they hold shows in the picture).
std::optional<PictureRows> frmF1::CaptureDrawnView() {
    Display(CurrentFrame);
    picDraw_->setFocus();
    QCoreApplication::processEvents();
    return ViewCapture().CaptureView();
}

// Ends the program: the window's close asks its question.
void frmF1::mnuFileExit_Click() { close(); }
