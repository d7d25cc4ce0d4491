// The File menu: new documents, open, save, print, the video export, exit.
// A command that is not built yet is an empty slot: choosing it does nothing.
#include "app/DocumentCommands.h"
#include "app/frmF1.h"
#include "core/Globals.h"
#include "scene/Cls3.h"
#include "scene/Cls8.h"

// A new plane (2D) document.
void frmF1::mnuFileNew2D_Click() {
    VisibleScene.RotRoll = 0;
    VisibleScene.RotPitch = 0;
    VisibleScene.RotYaw = 0;
    RotateDrag = false;
    ZoomDrag = false;
    PanDrag = false;
    DocumentKind = 1;
    Axes.BetterFonts = false;
}

// A new strip (2.5D) document.
void frmF1::mnuFileNew25D_Click() {}

// A new space (3D) document.
void frmF1::mnuFileNew3D_Click() {}

// A new document of special graphs.
void frmF1::mnuFileSpe_Click() {}

// Opens a ".pgp" document.
void frmF1::mnuFileOpen_Click() {}

// Saves the document; SaveSucceeded tells whether it was written.
void frmF1::mnuFileSave_Click() { SaveSucceeded = Documents().SaveDocument(*this); }

// Saves the document or the view as a bitmap under a new name.
void frmF1::mnuFileSaveAs_Click() {}

// Exports the animation as an AVI video.
void frmF1::mnuFileSaveAVI_Click() {}

// Prints the view.
void frmF1::mnuFilePrint_Click() {}

// Ends the program: the window's close asks its question.
void frmF1::mnuFileExit_Click() { close(); }
