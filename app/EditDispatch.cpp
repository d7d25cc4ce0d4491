// The edit command "编辑..." and its table of dialogs: a row per graph kind of
// each document kind, each with the function that opens its dialog.
#include "app/EditDispatch.h"

#include "app/frmF1.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "graph/GraphEnums.h"
#include "platform/CheckListBox.h"
#include "scene/Cls8.h"

#include <iterator>

// ---- The dialogs of the rows ----

#include "dialogs/functions/frmF5.h"

#include "dialogs/functions/frmF16.h"

#include "dialogs/functions/frmF17.h"

#include "dialogs/special/frmF25.h"

#include "dialogs/functions/frmF11.h"

#include "dialogs/special/frmF26.h"

#include "dialogs/special/frmF29.h"

#include "dialogs/special/frmF30.h"

#include "dialogs/special/frmF31.h"

#include "dialogs/functions/frmF4.h"

#include "dialogs/functions/frmF10.h"

#include "dialogs/special/frmF6.h"

#include "dialogs/functions/frmF12.h"

#include "dialogs/special/frmF24.h"

#include "dialogs/special/frmF27.h"

#include "dialogs/special/frmF28.h"

#include "dialogs/special/frmF22.h"

#include "dialogs/special/frmF18.h"

#include "dialogs/special/frmF21.h"

namespace {

// ---- The table: document kind, graph type, forms, the dialog ----
const EditRow Rows[] = {
    // ---- plane documents (1) ----
    // plane function: frmF5, plain mode
    {1, GraphType::Function2D, EditForms::Plane, EditWith<frmF5>},
    // animated plane function: frmF5, animation mode
    {1, GraphType::Function2DAnimation, EditForms::Plane, EditWith<frmF5>},
    // point: frmF16
    {1, GraphType::Point, EditForms::Any, EditWith<frmF16>},
    // point animation: frmF17
    {1, GraphType::PointAnimation, EditForms::Any, EditWith<frmF17>},
    // intersection of two curves: frmF25
    {1, GraphType::Intersection, EditForms::Any, EditWith<frmF25>},
    // plane table: frmF11
    {1, GraphType::Table2D, EditForms::Any, EditWith<frmF11>},
    // step or stem plot: frmF26
    {1, GraphType::StepStem, EditForms::Any, EditWith<frmF26>},
    // differential equation: frmF29
    {1, GraphType::ODE, EditForms::Any, EditWith<frmF29>},
    // limit: frmF30
    {1, GraphType::Limit, EditForms::Any, EditWith<frmF30>},
    // series: frmF31
    {1, GraphType::Series, EditForms::Any, EditWith<frmF31>},

    // ---- strip documents (2) ----
    // strip: frmF4, plain mode
    {2, GraphType::Strip25D, EditForms::Strip, EditWith<frmF4>},
    // animated strip: frmF4, animation mode
    {2, GraphType::Strip25DAnimation, EditForms::Strip, EditWith<frmF4>},
    // point: frmF16
    {2, GraphType::Point, EditForms::Any, EditWith<frmF16>},
    // point animation: frmF17
    {2, GraphType::PointAnimation, EditForms::Any, EditWith<frmF17>},
    // strip table: frmF10
    {2, GraphType::Table25D, EditForms::Any, EditWith<frmF10>},

    // ---- space documents (3) ----
    // point: frmF16
    {3, GraphType::Point, EditForms::Any, EditWith<frmF16>},
    // space curve: frmF6, plain mode
    {3, GraphType::Curve3D, EditForms::Any, EditWith<frmF6>},
    // surface: frmF6, plain mode
    {3, GraphType::Surface3D, EditForms::Any, EditWith<frmF6>},
    // animated space curve: frmF6, animation mode
    {3, GraphType::Curve3DAnimation, EditForms::Any, EditWith<frmF6>},
    // animated surface: frmF6, animation mode
    {3, GraphType::Surface3DAnimation, EditForms::Any, EditWith<frmF6>},
    // surface table: frmF12
    {3, GraphType::Table3D, EditForms::Any, EditWith<frmF12>},
    // surface of revolution about x: frmF24
    {3, GraphType::RevolutionX, EditForms::Any, EditWith<frmF24>},
    // surface of revolution about y: frmF24
    {3, GraphType::RevolutionY, EditForms::Any, EditWith<frmF24>},
    // space vector: frmF27
    {3, GraphType::Vector, EditForms::Any, EditWith<frmF27>},
    // vector operation: frmF28
    {3, GraphType::VectorOperation, EditForms::Any, EditWith<frmF28>},
    // point animation: frmF17
    {3, GraphType::PointAnimation, EditForms::Any, EditWith<frmF17>},

    // ---- special documents (7) ----
    // colour map: frmF22
    {7, GraphType::ColorMap, EditForms::Any, EditWith<frmF22>},
    // contour plot: frmF18
    {7, GraphType::Contour, EditForms::Any, EditWith<frmF18>},
    // vector field: frmF21
    {7, GraphType::VectorField, EditForms::Any, EditWith<frmF21>},
    // point animation: frmF17
    {7, GraphType::PointAnimation, EditForms::Any, EditWith<frmF17>},
};

bool FormEdited(EditForms forms, std::int32_t funForm) {
    switch (forms) {
    case EditForms::Any: return true;
    case EditForms::Plane: return funForm >= FunForm::Implicit && funForm <= FunForm::Inequality;
    case EditForms::Strip: return funForm == FunForm::Explicit || funForm == FunForm::Parametric;
    }
    return false;
}

} // namespace

const EditRow* EditRows(std::size_t& count) {
    count = std::size(Rows);
    return Rows;
}

EditOpener EditDialogFor(std::int32_t documentKind, const Cls9& graph) {
    for (const EditRow& row : Rows)
        if (row.documentKind == documentKind && row.graphType == graph.GraphType)
            return FormEdited(row.forms, graph.FunForm) ? row.open : nullptr;
    return nullptr;
}

// Graph list popup, Edit: the graph of the list's current row (the row a
// right click opened the popup on) in its dialog, filled from it, with IsEditing set; the
// dialog's OK replaces the graph. An unticked or missing current row gets the
// notice; a graph without a dialog opens nothing (IsEditing stays set).
void frmF1::mnuFunEdit_Click() {
    const int row = List1->ListIndex();
    if (row < 0 || row >= List1->ListCount() || !List1->Ticked(row)) {
        MsgBox("请首先选定一个函数项。", MsgIcon::Exclamation, NoticeTitle);
        return;
    }
    IsEditing = true;
    // The ticked row's graph is the same object in both scenes: the visible
    // one with its ID is the one edited.
    const std::int32_t id = DocumentScene.FunSurfs.Item(std::int64_t(row) + 1)->ID;
    std::shared_ptr<Cls9> graph;
    for (const auto& e : VisibleScene.FunSurfs)
        if (e.graph->ID == id) {
            graph = e.graph;
            break;
        }
    if (!graph) return;
    if (const EditOpener open = EditDialogFor(DocumentKind, *graph)) open(*graph);
}
