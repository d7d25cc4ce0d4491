// The graph list: ticking, the popup, deleting, and what the dialogs use of
// the list.
#include "app/frmF1.h"
#include "core/BusyWork.h"
#include "core/Globals.h"
#include "dialogs/FormControls.h"
#include "graph/Cls9.h"
#include "platform/CheckListBox.h"
#include "scene/Cls8.h"

#include <QMenu>
#include <QPoint>

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace {
// Tables and vectors carry their points as entered: ticking does not sample them.
bool SampledWhenTicked(std::int32_t type) {
    return type != GraphType::Table2D && type != GraphType::Table25D && type != GraphType::Table3D &&
           type != GraphType::Vector && type != GraphType::VectorOperation;
}
} // namespace

// Every row is compared with the visible scene (the row itself is not used),
// except while a document's rows are ticked one by one as it opens: then only
// the ticked row has changed, and comparing every row at every tick would make
// opening n graphs cost n squared list reads.
void frmF1::List1_ItemCheck(int Item) {
    // Ticked graphs are sampled and the view compiled: one stretch of work.
    BusyWork busy(BusyWorkKind::Drawing);
    const std::int64_t count = DocumentScene.FunSurfs.Count();
    const std::int64_t first = ticksHeld_ ? std::max<std::int64_t>(Item + 1, 1) : 1;
    const std::int64_t last = ticksHeld_ ? std::min<std::int64_t>(Item + 1, count) : count;
    // When every row is compared, the shown graphs are gathered once rather
    // than searched for at each row.
    std::unordered_set<std::int32_t> shownIds;
    if (!ticksHeld_)
        for (const auto& e : VisibleScene.FunSurfs) shownIds.insert(e.graph->ID);
    for (std::int64_t i = first; i <= last; ++i) {
        const std::shared_ptr<Cls9> g = DocumentScene.FunSurfs.Item(i);
        const bool ticked = List1->Ticked(int(i - 1));
        const bool shown = ticksHeld_ ? IsGraphShown(g->ID) : shownIds.count(g->ID) != 0;
        if (!ticked && shown) {
            VisibleScene.FunSurfs.Remove(GraphKey(g->ID));
            shownIds.erase(g->ID);
        } else if (ticked && !shown) {
            VisibleScene.FunSurfs.Add(g, GraphKey(g->ID));
            shownIds.insert(g->ID);
            // A failed sampling still shows what the graph holds.
            if (SampledWhenTicked(g->GraphType)) g->GetPoints();
        }
    }
    // A document's rows are ticked one by one; it rebuilds once, after the last.
    if (ticksHeld_) return;
    BuildDisplayLists();
    Display(CurrentFrame);
}

void frmF1::List1_MouseDown(int Button, float X, float Y) {
    if (Button != 2) return;
    const QPoint at(int(std::lround(X / TwipsPerPixel)), int(std::lround(Y / TwipsPerPixel)));
    FunEdit->popup(List1->viewport()->mapToGlobal(at));
}

bool frmF1::IsGraphShown(std::int32_t ID) const {
    // Every graph is held under the key of its ID.
    return VisibleScene.FunSurfs.Contains(GraphKey(ID));
}

void frmF1::DeleteGraph(std::int64_t Position) {
    if (DocumentScene.FunSurfs.Count() == 0) return;
    // No current row (position 0) or no such row: nothing to delete.
    if (Position < 1 || Position > DocumentScene.FunSurfs.Count()) return;
    const std::int32_t id = DocumentScene.FunSurfs.Item(Position)->ID;
    // An unticked graph is not in view: nothing to take out there.
    if (IsGraphShown(id)) {
        for (const auto& e : VisibleScene.FunSurfs)
            if (e.graph->ID == id) {
                const std::string key = e.key;
                VisibleScene.FunSurfs.Remove(key);
                break;
            }
    }
    DocumentScene.FunSurfs.Remove(GraphKey(id));
    List1->RemoveItem(int(Position - 1));
    BuildDisplayLists();
    Display(CurrentFrame);
}

void frmF1::DeleteAllGraphs() {
    for (std::int64_t i = VisibleScene.FunSurfs.Count(); i >= 1; --i) VisibleScene.FunSurfs.Remove(i);
    for (std::int64_t i = DocumentScene.FunSurfs.Count(); i >= 1; --i) DocumentScene.FunSurfs.Remove(i);
    List1->ClearItems();
    GraphIDCounter = 0;
    BuildDisplayLists();
    Display(CurrentFrame);
}

std::int32_t frmF1::CurrentRow() const { return List1->ListIndex(); }
std::int32_t frmF1::RowCount() const { return List1->ListCount(); }
std::string frmF1::RowText(std::int32_t row) const { return List1->ItemText(row); }
void frmF1::SetRowText(std::int32_t row, const std::string& text) { List1->SetItemText(row, text); }

void frmF1::AddTickedRow(const std::string& text) {
    List1->AddItem(text);
    List1->SetTicked(List1->ListCount() - 1, true);
}

void frmF1::Rebuild() {
    BuildDisplayLists();
    Display(CurrentFrame);
}

void frmF1::Redraw() { Display(CurrentFrame); }
