// The Draw menu: the creation commands of every graph kind, the axes and the light.
// A command that is not built yet is an empty slot: choosing it does nothing.
#include "app/frmF1.h"
#include "core/Globals.h"
#include "dialogs/functions/CreationCommand.h"
#include "dialogs/functions/frmF16.h"
#include "dialogs/functions/frmF4.h"
#include "dialogs/functions/frmF5.h"

// A new point.
void frmF1::mnuDrawPoint_Click() {
    RunCreationCommand<frmF16>(LabelSource::mnuDrawPoint, PointViewRotation(DocumentKind),
                               [](frmF16& f) { f.PrepareNewPoint(); });
}

// A new plane function in Cartesian coordinates.
void frmF1::mnuDraw2DCart_Click() {
    RunCreationCommand<frmF5>(LabelSource::mnuDraw2DCart, FlatViewRotation,
                              [](frmF5& f) { f.PrepareNewGraph(false, false); });
}

// A new plane function in polar coordinates.
void frmF1::mnuDraw2DPolar_Click() {
    RunCreationCommand<frmF5>(LabelSource::mnuDraw2DPolar, FlatViewRotation,
                              [](frmF5& f) { f.PrepareNewGraph(true, false); });
}

// A new strip in Cartesian coordinates.
void frmF1::mnuDraw25DCart_Click() {
    RunCreationCommand<frmF4>(LabelSource::mnuDraw25DCart, TurnedViewRotation,
                              [](frmF4& f) { f.PrepareNewStrip(false, false); });
}

// A new strip in polar coordinates.
void frmF1::mnuDraw25DPolar_Click() {
    RunCreationCommand<frmF4>(LabelSource::mnuDraw25DPolar, TurnedViewRotation,
                              [](frmF4& f) { f.PrepareNewStrip(true, false); });
}

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

// A new colour map.
void frmF1::mnuDrawColor_Click() {}

// A new contour plot.
void frmF1::mnuDrawCon_Click() {}

// A new vector field.
void frmF1::mnuDrawVector_Click() {}

// A new intersection of two plane curves.
void frmF1::mnuDrawIP_Click() {}

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
