// The Draw menu: the creation commands of every graph kind, the axes and the light.
#include "app/frmF1.h"
#include "core/Globals.h"
#include "dialogs/functions/CreationCommand.h"
#include "dialogs/frmF20.h"
#include "dialogs/frmF3.h"
#include "dialogs/frmF8.h"
#include "dialogs/functions/frmF10.h"
#include "dialogs/functions/frmF11.h"
#include "dialogs/functions/frmF12.h"
#include "dialogs/functions/frmF16.h"
#include "dialogs/functions/frmF4.h"
#include "dialogs/functions/frmF5.h"
#include "dialogs/special/frmF18.h"
#include "dialogs/special/frmF21.h"
#include "dialogs/special/frmF22.h"
#include "dialogs/special/frmF25.h"
#include "dialogs/special/frmF27.h"
#include "dialogs/special/frmF28.h"
#include "dialogs/special/frmF29.h"
#include "dialogs/special/frmF30.h"
#include "dialogs/special/frmF31.h"
#include "dialogs/special/frmF24.h"
#include "dialogs/special/frmF26.h"
#include "dialogs/special/frmF6.h"

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
void frmF1::mnuDraw3DCart_Click() {
    RunCreationCommand<frmF6>(LabelSource::frmF6, TurnedViewRotation, [](frmF6& f) { f.PrepareNewGraph(0, false); });
}

// A new space curve or surface in cylindrical coordinates.
void frmF1::mnuDraw3DCyl_Click() {
    RunCreationCommand<frmF6>(LabelSource::frmF6, TurnedViewRotation, [](frmF6& f) { f.PrepareNewGraph(1, false); });
}

// A new space curve or surface in spherical coordinates.
void frmF1::mnuDraw3DSph_Click() {
    RunCreationCommand<frmF6>(LabelSource::frmF6, TurnedViewRotation, [](frmF6& f) { f.PrepareNewGraph(2, false); });
}

// A new plane table, labelled as the document reader labels it.
void frmF1::mnuDrawTab2D_Click() {
    RunCreationCommand<frmF11>(LabelSource::Document, FlatViewRotation, [](frmF11&) {});
}

// A new strip table, labelled as the document reader labels it.
void frmF1::mnuDrawTab25D_Click() {
    RunCreationCommand<frmF10>(LabelSource::Document, TurnedViewRotation, [](frmF10&) {});
}

// A new surface table, labelled as the document reader labels it.
void frmF1::mnuDrawTab3D_Click() {
    RunCreationCommand<frmF12>(LabelSource::Document, TurnedViewRotation, [](frmF12&) {});
}

// A new step plot: the step plot ticked; the row named as documents name it.
void frmF1::mnuDrawStep_Click() {
    RunCreationCommand<frmF26>(LabelSource::Document, FlatViewRotation, [](frmF26& f) { f.PrepareNewGraph(false); });
}

// A new stem plot: the stem plot ticked.
void frmF1::mnuDrawHcg_Click() {
    RunCreationCommand<frmF26>(LabelSource::Document, FlatViewRotation, [](frmF26& f) { f.PrepareNewGraph(true); });
}

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
void frmF1::mnuDrawRV_Click() { RunCreationCommand<frmF24>(LabelSource::frmF24, TurnedViewRotation, [](frmF24&) {}); }

// A new space vector, labelled and turned as the other space graphs.
void frmF1::mnuDrawVecGraph_Click() {
    RunCreationCommand<frmF27>(LabelSource::Document, TurnedViewRotation, [](frmF27&) {});
}

// A new vector operation, labelled and turned as the other space graphs.
void frmF1::mnuDrawVecOp_Click() {
    RunCreationCommand<frmF28>(LabelSource::Document, TurnedViewRotation, [](frmF28&) {});
}

// A new limit graph, with its document label.
void frmF1::mnuDrawLimit_Click() {
    RunCreationCommand<frmF30>(LabelSource::Document, FlatViewRotation, [](frmF30&) {});
}

// A new series graph, with its document label.
void frmF1::mnuDrawSeries_Click() {
    RunCreationCommand<frmF31>(LabelSource::Document, FlatViewRotation, [](frmF31&) {});
}

// A new differential-equation graph, with its document label.
void frmF1::mnuDrawODE_Click() {
    RunCreationCommand<frmF29>(LabelSource::Document, FlatViewRotation, [](frmF29&) {});
}

// The coordinate-system dialog of the document kind; after an OK the view is
// rebuilt and shown.
void frmF1::mnuDrawAxis_Click() {
    if (DocumentKind == 1 || DocumentKind == 4)
        frmF20::Get().ShowModal();
    else
        frmF3::Get().ShowModal();
    if (AxesChanged) {
        BuildDisplayLists();
        Display(CurrentFrame);
        AxesChanged = false;
    }
}

// The light dialog; its closing repaints the view with the new light, which
// is not part of the display lists: nothing is rebuilt.
void frmF1::mnuDrawLight_Click() { frmF8::Get().ShowModal(); }
