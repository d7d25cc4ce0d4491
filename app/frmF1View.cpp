// The View menu: dragging modes, fitting, preset views and the view settings.
// A command that is not built yet is an empty slot: choosing it does nothing.
#include "app/frmF1.h"

// A left drag in the drawing area pans.
void frmF1::mnuViewMove_Click() {}

// A left drag in the drawing area zooms.
void frmF1::mnuViewZoom_Click() {}

// Fits the camera to the visible graphs.
void frmF1::mnuViewFit_Click() {}

// A left drag rotates about the screen's z axis.
void frmF1::mnuViewRotX_Click() {}

// A left drag rotates about x.
void frmF1::mnuViewRotY_Click() {}

// A left drag rotates about y.
void frmF1::mnuViewRotZ_Click() {}

// A left drag rotates freely (trackball).
void frmF1::mnuViewRotate_Click() {}

// Preset view from the front.
void frmF1::mnuViewFront_Click() {}

// Preset view from the right.
void frmF1::mnuViewRight_Click() {}

// Preset view from the top.
void frmF1::mnuViewTop_Click() {}

// Preset isometric view.
void frmF1::mnuViewISO_Click() {}

// The view-settings dialog.
void frmF1::mnuViewSet_Click() {}
