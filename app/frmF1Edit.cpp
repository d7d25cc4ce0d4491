// The Edit menu and the two popup menus over the graph list and the drawing area.
// A command that is not built yet is an empty slot: choosing it does nothing.
#include "app/frmF1.h"
#include "platform/CheckListBox.h"

// Cut: copy the current row's graph, then delete it.
void frmF1::mnuEditCut_Click() {
    mnuEditCopy_Click();
    mnuEditDelete_Click();
}

// Copy: the current row's graph onto the clipboard as a record.
void frmF1::mnuEditCopy_Click() {}

// Copy as bitmap: the drawing area onto the clipboard.
void frmF1::mnuEditCopyAs_Click() {}

// Paste: a graph record from the clipboard into the document.
void frmF1::mnuEditPaste_Click() {}

// Delete: the graph of the current row (none: nothing).
void frmF1::mnuEditDelete_Click() { DeleteGraph(List1->ListIndex() + 1); }

// Delete all: every graph of the document.
void frmF1::mnuEditDelAll_Click() { DeleteAllGraphs(); }

// Graph list popup, Edit: the current row's graph in its dialog (app/EditDispatch.cpp).

// Graph list popup, Cut.
void frmF1::mnuFunCut_Click() { mnuEditCut_Click(); }

// Graph list popup, Copy.
void frmF1::mnuFunCopy_Click() { mnuEditCopy_Click(); }

// Graph list popup, Delete.
void frmF1::mnuFunDelete_Click() { mnuEditDelete_Click(); }

// Drawing area popup, Paste.
void frmF1::mnuGraphPaste_Click() { mnuEditPaste_Click(); }

// Drawing area popup, Copy as bitmap.
void frmF1::mnuGraphCopyAs_Click() { mnuEditCopyAs_Click(); }

// Drawing area popup, Delete all.
void frmF1::mnuGraphDelAll_Click() { DeleteAllGraphs(); }

// Drawing area popup, the coordinate-system dialog.
void frmF1::mnuGraphAxis_Click() { mnuDrawAxis_Click(); }

// Drawing area popup, the light dialog.
void frmF1::mnuGraphLight_Click() { mnuDrawLight_Click(); }
