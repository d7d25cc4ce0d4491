// The Edit menu and the two popup menus over the graph list and the drawing area.
#include "app/frmF1.h"
#include "core/BusyWork.h"
#include "core/ClipboardService.h"
#include "core/Globals.h"
#include "core/ViewCapture.h"
#include "document/ClipboardExchange.h"
#include "document/RecordFormat.h"
#include "graph/Cls9.h"
#include "platform/CheckListBox.h"
#include "platform/GlDrawingArea.h"
#include "scene/Cls8.h"

namespace {

// Copy: puts the current row's graph on the clipboard as the clipboard's
// graph text; true when that text holds the graph's record. Nothing without a
// visible graph or without a current row.
bool CopyCurrentGraph(frmF1& w) {
    if (VisibleScene.FunSurfs.Count() == 0) return false;
    const int row = w.List1->ListIndex();
    if (row < 0 || row >= DocumentScene.FunSurfs.Count()) return false;
    Cls9& graph = *DocumentScene.FunSurfs.Item(row + 1);
    Clipboard().SetText(ClipboardGraphText(DocumentKind, graph));
    w.ClipboardGraphCount = 1;
    return RecordKindOf(graph.GraphType) != RecordKind::None;
}

} // namespace

// Cut: copy the current row's graph, then delete it; a graph whose record
// did not reach the clipboard stays.
void frmF1::mnuEditCut_Click() {
    if (CopyCurrentGraph(*this)) mnuEditDelete_Click();
}

// Copy: the current row's graph onto the clipboard as a record.
void frmF1::mnuEditCopy_Click() { CopyCurrentGraph(*this); }

// Copy as bitmap: the drawing area's picture onto the clipboard, in place of
// what it held (no text, so a later Paste adds nothing). Nothing without a
// graph in view; once the frame is shown again, any failure (no picture to
// take, an error) ends it silently. Pending events do not run: the capture
// draws the frame into its own framebuffer, whatever covers the area.
void frmF1::mnuEditCopyAs_Click() {
    if (VisibleScene.FunSurfs.Count() == 0) return;
    Display(CurrentFrame);
    try {
        picDraw_->setFocus();
        const std::optional<PictureRows> view = ViewCapture().CaptureView();
        if (view) Clipboard().SetPicture(*view);
    } catch (...) {
    }
}

// Paste: the graph records of the clipboard's text, when the document's kind
// takes them, become new graphs with new IDs at the end of both scenes, each
// with its row. The new row is ticked when the current row is (or when there
// is none); else it stays unticked and the tick handling takes the graph out
// of view again. Only the tick handling rebuilds and redraws.
void frmF1::mnuEditPaste_Click() {
    if (ClipboardGraphCount < 1) return;
    // Sampling each graph and the tick handling's drawing: one stretch of work.
    BusyWork busy(BusyWorkKind::Pasting);
    for (DocumentRow& row : ReadClipboardGraphText(Clipboard().GetText(), DocumentKind, ClipboardGraphCount)) {
        Cls9& graph = *row.Graph;
        graph.ID = ++GraphIDCounter;
        DocumentScene.FunSurfs.Add(row.Graph, GraphKey(graph.ID));
        VisibleScene.FunSurfs.Add(row.Graph, GraphKey(graph.ID));
        // A failed sampling keeps the graph, with its row.
        if (RecordKindOf(graph.GraphType) == RecordKind::Graph && graph.GraphType != GraphType::Vector &&
            graph.GraphType != GraphType::VectorOperation)
            graph.GetPoints();
        List1->AddItem(row.Label);
        const int current = List1->ListIndex();
        const int added = List1->ListCount() - 1;
        if (current < 0 || List1->Ticked(current))
            List1->SetTicked(added, true);
        else
            List1_ItemCheck(added);
    }
}

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
