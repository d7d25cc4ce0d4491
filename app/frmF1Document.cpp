// A document read and checked by the document library becomes the current
// one: applied in the order LoadedDocument.h gives, after which row k-1 of
// the list, graph k of DocumentScene and graph k of VisibleScene are the same
// graph, every row ticked.
#include "app/frmF1.h"
#include "core/Globals.h"
#include "dialogs/DialogForm.h"
#include "dialogs/frmF19.h"
#include "document/LoadedDocument.h"
#include "graph/Cls9.h"
#include "platform/CheckListBox.h"
#include "scene/Cls3.h"
#include "scene/Cls8.h"

#include <utility>

void frmF1::ApplyDocument(LoadedDocument document) {
    mnuGraphDelAll_Click();
    DocumentKind = document.DocumentKind;
    VisibleScene.RotRoll = document.RotRoll;
    VisibleScene.RotPitch = document.RotPitch;
    VisibleScene.RotYaw = document.RotYaw;
    TrackballActive = false;
    switch (document.DocumentKind) {
    case 2: EnableCommands25D(); break;
    case 3: EnableCommands3D(); break;
    case 7: EnableCommandsSpecial(); break;
    default: EnableCommands2D(); break;
    }
    if (document.Animation) {
        FrameCount = document.Animation->FrameCount;
        FramesPerSecond = document.Animation->FramesPerSecond;
    }
    // The animation options' boxes (the dialog loaded, not shown).
    if (document.FillsAnimationBoxes) frmF19::ShowSettings(FrameCount, FramesPerSecond);
    GraphIDCounter = document.GraphIDCounter;
    for (DocumentRow& row : document.Rows) {
        const std::string key = GraphKey(*row.Graph);
        DocumentScene.FunSurfs.Add(std::move(row.Graph), key);
        List1->AddItem(row.Label);
    }
    Axes = std::move(document.Axes);

    // Each tick puts its graph into the visible scene and samples it; the
    // lists are built once, after the last row.
    if (!document.Rows.empty()) {
        ticksHeld_ = true;
        for (int k = 0; k < List1->ListCount(); ++k) List1->SetTicked(k, true);
        ticksHeld_ = false;
        RunGuarded([this] {
            BuildDisplayLists();
            Display(CurrentFrame);
        });
    }
    if (VisibleScene.Animation()) {
        EnablePlayback();
        CurrentFrame = 1;
        Display(1);
    }
}
