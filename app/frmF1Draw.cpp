// The Draw menu: the creation commands of every graph kind, the axes and the light.
// A command that is not built yet is an empty slot: choosing it does nothing.
#include "app/frmF1.h"
#include "core/Globals.h"
#include "dialogs/functions/CreationCommand.h"
#include "dialogs/functions/frmF16.h"
#include "dialogs/special/frmF18.h"
#include "dialogs/special/frmF21.h"
#include "dialogs/special/frmF22.h"
#include "dialogs/special/frmF25.h"

// A new point.
void frmF1::mnuDrawPoint_Click() {
    RunCreationCommand<frmF16>(LabelSource::mnuDrawPoint, PointViewRotation(DocumentKind),
                               [](frmF16& f) { f.PrepareNewPoint(); });
}

// A new plane function in Cartesian coordinates.
void frmF1::mnuDraw2DCart_Click() {}

// A new plane function in polar coordinates.
void frmF1::mnuDraw2DPolar_Click() {}

// A new strip in Cartesian coordinates.
void frmF1::mnuDraw25DCart_Click() {}

// A new strip in polar coordinates.
void frmF1::mnuDraw25DPolar_Click() {}

// A new space curve or surface in Cartesian coordinates.
void frmF1::mnuDraw3DCart_Click() {}

// A new space curve or surface in cylindrical coordinates.
void frmF1::mnuDraw3DCyl_Click() {}

// A new space curve or surface in spherical coordinates.
void frmF1::mnuDraw3DSph_Click() {}

// A new plane table.
void frmF1::mnuDrawTab2D_Click() {}

// A new strip table.
void frmF1::mnuDrawTab25D_Click() {}

// A new surface table.
void frmF1::mnuDrawTab3D_Click() {}

// A new step plot.
void frmF1::mnuDrawStep_Click() {}

// A new stem plot.
void frmF1::mnuDrawHcg_Click() {}

// A new colour map; its row takes the document label.
void frmF1::mnuDrawColor_Click() {
    RunCreationCommand<frmF22>(LabelSource::Document, FlatViewRotation, [](frmF22&) {});
}

// A new contour plot; its row takes the document label.
void frmF1::mnuDrawCon_Click() {
    RunCreationCommand<frmF18>(LabelSource::Document, FlatViewRotation, [](frmF18&) {});
}

// A new vector field; its row takes the document label.
void frmF1::mnuDrawVector_Click() {
    RunCreationCommand<frmF21>(LabelSource::Document, FlatViewRotation, [](frmF21&) {});
}

// A new intersection of two plane curves.
void frmF1::mnuDrawIP_Click() {
    RunCreationCommand<frmF25>(LabelSource::mnuDrawIP, FlatViewRotation,
                               [](frmF25& f) { f.PrepareNewIntersection(); });
}

// A new surface of revolution.
void frmF1::mnuDrawRV_Click() {}

// A new space vector.
void frmF1::mnuDrawVecGraph_Click() {}

// A new vector operation.
void frmF1::mnuDrawVecOp_Click() {}

// A new limit graph.
void frmF1::mnuDrawLimit_Click() {}

// A new series graph.
void frmF1::mnuDrawSeries_Click() {}

// A new differential-equation graph.
void frmF1::mnuDrawODE_Click() {}

// The coordinate-system dialog.
void frmF1::mnuDrawAxis_Click() {}

// The light dialog.
void frmF1::mnuDrawLight_Click() {}
