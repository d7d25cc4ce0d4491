#pragma once
// The pattern every dialog follows. A dialog is one instance, loaded on first
// access (`frmF8::Get()`), so a caller may set its controls before showing it;
// OK after success, Cancel, Escape and the close box unload it, so the next
// access builds a fresh one with its defaults. A refused OK simply does not
// call Unload and the dialog stays open.
//
//   class frmF8 : public DialogForm<frmF8> { ... };   // constructor builds the
//   frmF8::Get().ShowModal();                          // controls, then Form_Load
#include <QDialog>

#include <exception>
#include <string>
#include <utility>
#include <vector>

class QCloseEvent;

// The guard of every handler that Qt calls (menu items, toolbar buttons, list,
// splitters, timer, dialog buttons): an error the handler raises ends the
// command and is shown with the title "出错" and the critical icon: a
// RaisedError's own text, a MathFault as "溢出", "除数为零。" or "表达式非法。".
// Nothing reaches Qt's event loop.
template <class Handler>
void RunGuarded(Handler&& handler) noexcept;
// The text the guard shows for an error.
std::string HandlerErrorText(const std::exception_ptr& error);
// Shows an error as the guard does (never raises).
void ShowHandlerError(const std::exception_ptr& error) noexcept;

// A callable for QObject::connect that runs `handler` through the guard.
template <class Handler>
auto Guarded(Handler handler) {
    return [h = std::move(handler)]() mutable { RunGuarded(h); };
}

template <class Handler>
void RunGuarded(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        ShowHandlerError(std::current_exception());
    }
}

// The window that owns every dialog (the main window); dialogs created while
// none is set are top-level windows of their own.
void SetDialogOwner(QWidget* owner);
QWidget* DialogOwner();

class FormBase : public QDialog {
    Q_OBJECT
public:
    ~FormBase() override;

    // Shows the dialog modally; returns when it is unloaded or hidden.
    void ShowModal();
    // Shows the dialog without waiting for it: the windows under it stay
    // usable. A dialog already shown comes to the front.
    void ShowModeless();
    // Hides the dialog, ends its modal run and forgets the instance; the
    // widget itself is deleted once control is back in the event loop. The
    // drawing areas of the window under it are painted again.
    void Unload();
    bool IsUnloaded() const { return unloaded_; }

    // The loaded forms, in the order they were loaded.
    static std::vector<FormBase*> LoadedForms();
    // Unloads every loaded form, the one loaded last first (the main window's
    // shutdown).
    static void UnloadAll();

protected:
    using ForgetFn = void (*)(FormBase*);
    explicit FormBase(ForgetFn forget);
    // The close box unloads, as Cancel does.
    void closeEvent(QCloseEvent* event) override;
    // Escape unloads, as the close box does.
    void reject() override;

private:
    ForgetFn forget_;
    bool unloaded_ = false;
};

template <class Form>
class DialogForm : public FormBase {
public:
    // The loaded instance, created on first access.
    static Form& Get() {
        if (!instance_) instance_ = new Form();
        return *instance_;
    }
    static bool Loaded() { return instance_ != nullptr; }

protected:
    DialogForm() : FormBase(&Forget) {}

private:
    static void Forget(FormBase* form) {
        if (instance_ == form) instance_ = nullptr;
    }
    static inline Form* instance_ = nullptr;
};
