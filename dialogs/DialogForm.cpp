#include "dialogs/DialogForm.h"

#include <QCloseEvent>
#include <QOpenGLWidget>
#include <QPointer>

namespace {
QPointer<QWidget> owner;
}

void SetDialogOwner(QWidget* w) { owner = w; }
QWidget* DialogOwner() { return owner.data(); }

FormBase::FormBase(ForgetFn forget) : QDialog(DialogOwner()), forget_(forget) {
    setModal(true);
}

// A dialog deleted with its owner must not be handed out again.
FormBase::~FormBase() { forget_(this); }

void FormBase::ShowModal() {
    if (!unloaded_) exec();
}

void FormBase::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    forget_(this);
    done(QDialog::Rejected);
    deleteLater();
    // The drawing areas of the window under the dialog are painted again, as
    // an uncovered window is, so they show what the dialog changed (the light,
    // say): a GL widget keeps its last picture otherwise.
    if (QWidget* under = parentWidget())
        for (QOpenGLWidget* area : under->findChildren<QOpenGLWidget*>()) area->update();
}

void FormBase::closeEvent(QCloseEvent* event) {
    event->accept();
    Unload();
}

void FormBase::reject() { Unload(); }
