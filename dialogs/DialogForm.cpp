#include "dialogs/DialogForm.h"

#include "core/Errors.h"
#include "core/Globals.h"
#include "core/MessageService.h"

#include <QCloseEvent>
#include <QOpenGLWidget>
#include <QPointer>

#include <algorithm>

namespace {
QPointer<QWidget> owner;
// The loaded forms in load order.
std::vector<FormBase*> loaded;

void Forget(FormBase* form) {
    loaded.erase(std::remove(loaded.begin(), loaded.end(), form), loaded.end());
}
} // namespace

std::string HandlerErrorText(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const RaisedError& e) {
        return e.Text();
    } catch (const MathFault& e) {
        switch (e.GetKind()) {
        case MathFault::Kind::Overflow: return "溢出";
        case MathFault::Kind::DivisionByZero: return "除数为零。";
        case MathFault::Kind::Invalid: return "表达式非法。";
        }
        return "表达式非法。";
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "未知错误。";
    }
}

void ShowHandlerError(const std::exception_ptr& error) noexcept {
    try {
        MsgBox(HandlerErrorText(error), MsgIcon::Critical, ErrorTitle);
    } catch (...) {
        // The message itself failed: nothing more can be said.
    }
}

void SetDialogOwner(QWidget* w) { owner = w; }
QWidget* DialogOwner() { return owner.data(); }

FormBase::FormBase(ForgetFn forget) : QDialog(DialogOwner()), forget_(forget) {
    setModal(true);
    loaded.push_back(this);
}

// A dialog deleted with its owner must not be handed out again.
FormBase::~FormBase() {
    forget_(this);
    Forget(this);
}

std::vector<FormBase*> FormBase::LoadedForms() { return loaded; }

void FormBase::UnloadAll() {
    while (!loaded.empty()) loaded.back()->Unload();
}

void FormBase::ShowModal() {
    if (!unloaded_) exec();
}

void FormBase::ShowModeless() {
    if (unloaded_) return;
    setModal(false);
    show();
    raise();
    activateWindow();
}

void FormBase::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    forget_(this);
    Forget(this);
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
