#pragma once
// The common road of every creation command of the main window (Draw and
// Animation menus): IsEditing cleared, the document's graph count noted, the
// dialog prepared and shown modally; when the dialog has added a graph, the
// view rotation of the kind, the new graph's row (the command's label rule)
// appended and ticked, which rebuilds and redraws the view. A cancelled or
// refused dialog leaves scenes, rotation, list and view as they were.
//
//   void frmF1::mnuDrawPoint_Click() {
//       RunCreationCommand<frmF16>(LabelSource::mnuDrawPoint, PointViewRotation(DocumentKind),
//                                  [](frmF16& f) { f.PrepareNewPoint(); });
//   }
#include "dialogs/DialogForm.h"
#include "document/GraphLabels.h"

#include <cstdint>
#include <functional>

// The view rotation a creation command sets (degrees).
struct ViewRotation {
    float roll = 0;
    float pitch = 0;
    float yaw = 0;
};
// Plane kinds and intersections; strips and space graphs.
inline constexpr ViewRotation FlatViewRotation{0, 0, 0};
inline constexpr ViewRotation TurnedViewRotation{0, -15, 45};
// Points and point animations: turned in space documents (3, 6), flat in the others.
ViewRotation PointViewRotation(std::int32_t documentKind);

// The road itself; `prepare` loads the dialog, prepares it and returns it.
void RunCreationRoad(LabelSource command, ViewRotation rotation, const std::function<FormBase&()>& prepare);

// The road with the dialog `Form`: `prepare(form)` runs on the loaded dialog
// before it is shown.
template <class Form, class Prepare>
void RunCreationCommand(LabelSource command, ViewRotation rotation, Prepare&& prepare) {
    RunCreationRoad(command, rotation, [&]() -> FormBase& {
        Form& form = Form::Get();
        prepare(form);
        return form;
    });
}
