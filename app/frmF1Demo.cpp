// The 演示 menu: every entry under mnuDemo from one table (app/SampleMenu.h);
// each command opens its sample document as File > Open opens a file, save
// question first, and shows its picture filling the drawing area.
#include "app/SampleMenu.h"
#include "app/frmF1.h"
#include "core/BusyWork.h"
#include "dialogs/DialogForm.h"
#include "dialogs/FormControls.h"

#include <QAction>
#include <QMenu>

#include <string>
#include <vector>

void frmF1::CreateSampleMenu(QMenu* demo) {
    std::vector<QMenu*> open{demo}; // the menu of each level being filled
    for (const SampleMenuRow& row : SampleMenuTable()) {
        open.resize(static_cast<std::size_t>(row.level));
        QMenu* parent = open.back();
        switch (row.kind) {
        case MenuKind::Submenu: {
            QMenu* m = parent->addMenu(ToQString(row.caption));
            m->setObjectName(QString::fromLatin1(row.name));
            m->menuAction()->setObjectName(QString::fromLatin1(row.name));
            menuItems_[row.name] = m->menuAction();
            open.push_back(m);
            break;
        }
        case MenuKind::Separator: parent->addSeparator()->setObjectName(QString::fromLatin1(row.name)); break;
        case MenuKind::Item: {
            QAction* a = parent->addAction(ToQString(row.caption));
            a->setObjectName(QString::fromLatin1(row.name));
            const std::string literal = row.path;
            connect(a, &QAction::triggered, this, [this, literal] { RunGuarded([&] { OpenSample(literal); }); });
            menuItems_[row.name] = a;
            break;
        }
        default: break;
        }
    }
}

// A sample replaces the document as a file opened by File > Open does: with
// graphs in view the save question comes first, and a save that did not
// happen opens nothing. A sample that cannot be read leaves the document as
// it was, the reader having said why. An opened sample is shown fitted to the
// drawing area, whatever the view was before (a document keeps no view).
void frmF1::OpenSample(std::string_view pathLiteral) {
    if (!SaveQuestionBeforeOpening()) return;
    // One stretch of work, reading to fitting: the wait cursor stays on.
    BusyWork busy(BusyWorkKind::Opening);
    if (OpenDocument(SampleDocumentPath(pathLiteral))) FitView(FitSize::FillArea);
}
