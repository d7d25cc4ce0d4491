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

class QCloseEvent;

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
    // Hides the dialog, ends its modal run and forgets the instance; the
    // widget itself is deleted once control is back in the event loop. The
    // drawing areas of the window under it are painted again.
    void Unload();
    bool IsUnloaded() const { return unloaded_; }

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
