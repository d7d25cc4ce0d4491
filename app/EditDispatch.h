#pragma once
// The edit command's choice of a dialog: one row per graph kind of each
// document kind (app/EditDispatch.cpp), naming the function that fills the
// kind's dialog from the graph and shows it modally. A graph that no row
// lists, or whose form its row's dialog does not edit, opens nothing.
//
// The usual function is `EditWith<frmFn>`: the dialog's
// `FillForEdit(const Cls9&)` (it reads the mode from the graph itself), then
// `ShowModal`. IsEditing is already True when it runs.
#include "graph/Cls9.h"

#include <cstdint>

// Which forms of a kind its dialog edits.
enum class EditForms {
    Any,       // every form (FunForm is not looked at)
    Plane,     // FunForm 1..4 (plane functions)
    Strip,     // FunForm 2, 3 (strips)
};

struct EditRow {
    std::int32_t documentKind;
    std::int32_t graphType;
    EditForms forms;
    // Fills the dialog from the graph and shows it modally; nullptr: no
    // dialog, nothing opens.
    void (*open)(const Cls9& graph);
};

// The dialog of a graph in a document of this kind: its row's function, or
// nullptr when no row lists the graph, its row's dialog does not edit the
// graph's form, or the row has no dialog.
using EditOpener = void (*)(const Cls9& graph);
EditOpener EditDialogFor(std::int32_t documentKind, const Cls9& graph);

// The rows, for tests.
const EditRow* EditRows(std::size_t& count);

// The usual row function: the dialog loaded, filled from the graph, shown.
template <class Form>
void EditWith(const Cls9& graph) {
    Form& form = Form::Get();
    form.FillForEdit(graph);
    form.ShowModal();
}
