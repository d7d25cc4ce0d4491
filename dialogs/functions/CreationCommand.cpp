#include "dialogs/functions/CreationCommand.h"

#include "core/Globals.h"
#include "dialogs/MainWindowLink.h"
#include "graph/Cls9.h"
#include "scene/Cls8.h"

ViewRotation PointViewRotation(std::int32_t documentKind) {
    return documentKind == 3 || documentKind == 6 ? TurnedViewRotation : FlatViewRotation;
}

void RunCreationRoad(LabelSource command, ViewRotation rotation, const std::function<FormBase&()>& prepare) {
    IsEditing = false;
    const std::int64_t before = DocumentScene.FunSurfs.Count();
    prepare().ShowModal();
    const std::int64_t after = DocumentScene.FunSurfs.Count();
    if (after <= before) return;

    VisibleScene.RotRoll = rotation.roll;
    VisibleScene.RotPitch = rotation.pitch;
    VisibleScene.RotYaw = rotation.yaw;
    // The dialog appended the new graph to both scenes: it is the last of each.
    const Cls8& labelled = VisibleScene.FunSurfs.Count() > 0 ? VisibleScene : DocumentScene;
    const Cls9& added = *labelled.FunSurfs.Item(labelled.FunSurfs.Count());
    MainWindow().AddTickedRow(CreationLabel(command, DocumentKind, added));
}
