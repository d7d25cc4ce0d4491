#pragma once
// The special-graph dialogs driven as a user drives them: boxes typed by
// their numbered names, OK and Cancel clicked, the message shown or the graph
// made compared; graphs with their rows as a document holds them, for edits.
#include "dialogs/FormControls.h"
#include "tests/dialogs_functions/GraphDialogFixture.h"

#include <QLineEdit>

#include <memory>
#include <string>
#include <utility>
#include <vector>

class SpecialDialogTest : public GraphDialogTest {
protected:
    // Boxes by name and the text typed into each.
    using Typed = std::vector<std::pair<const char*, const char*>>;

    // The box of this name; a missing one fails the test and gives a hidden
    // stand-in, so the steps that follow fail instead of crashing.
    static QLineEdit* Box(QWidget* form, const char* name) {
        auto* box = form->findChild<QLineEdit*>(QString::fromLatin1(name));
        if (box) return box;
        ADD_FAILURE() << "no box " << name;
        box = new QLineEdit(form);
        box->hide();
        return box;
    }
    static void Type(QWidget* form, const Typed& typed) {
        for (const auto& [name, text] : typed) SetText(Box(form, name), text);
    }
    // The typed boxes as a trace line.
    static std::string Trace(const Typed& typed) {
        std::string trace;
        for (const auto& [name, text] : typed) trace += std::string(" ") + name + "=[" + text + "]";
        return trace;
    }
    static std::string Shown(QWidget* form, const char* name) { return TextOf(Box(form, name)); }

    // The message the last OK showed as "title|text", or "" when none.
    std::string Message() const {
        return box.Count() == 0 ? std::string() : box.Last().title + "|" + box.Last().text;
    }

    // ExpectOkOutcome of an OK in an empty document, the message written
    // "title|text" ("" accepted; "语法错误|" the compiler's own): the graph
    // made, or nullptr after a refusal.
    template <class Form>
    std::shared_ptr<Cls9> OkOutcome(const std::string& message) {
        const std::size_t bar = message.find('|');
        const std::string title = message.substr(0, bar);
        const std::string text = bar == std::string::npos ? std::string() : message.substr(bar + 1);
        return ExpectOkOutcome<Form>(0, title, text) ? OnlyGraph() : nullptr;
    }

    // The dialog filled for editing row `row`,
    // shown without blocking.
    template <class Form>
    Form& OpenEdit(std::int32_t row) {
        IsEditing = true;
        window.currentRow = row;
        Form& f = Form::Get();
        f.FillForEdit(*DocumentScene.FunSurfs.Item(row + 1));
        f.show();
        return f;
    }

    // A sampled graph in both scenes with its row, made current.
    std::shared_ptr<Cls9> AddGraph(const std::shared_ptr<Cls9>& g, const std::string& row) {
        g->ID = ++GraphIDCounter;
        EXPECT_TRUE(g->GetPoints());
        DocumentScene.FunSurfs.Add(g, GraphKey(*g));
        VisibleScene.FunSurfs.Add(g, GraphKey(*g));
        window.rows.push_back(row);
        window.currentRow = static_cast<std::int32_t>(window.rows.size()) - 1;
        return g;
    }

    // The only graph of the document (nullptr when there is none or more).
    static std::shared_ptr<Cls9> OnlyGraph() {
        return DocumentScene.FunSurfs.Count() == 1 ? DocumentScene.FunSurfs.Item(1) : nullptr;
    }

    // A refused OK: one message titled `title` (with the text `text` and the
    // exclamation icon when `text` is given), the dialog still open, no graph.
    template <class Form>
    void ExpectRefused(const char* title, const char* text) {
        ASSERT_EQ(box.Count(), 1u);
        EXPECT_EQ(box.Last().title, title);
        if (text) {
            EXPECT_EQ(box.Last().text, text);
            EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
        }
        EXPECT_TRUE(Form::Loaded());
        EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
    }

    // An edit of the second of two rows confirmed unchanged: no message, the
    // same graph object and ID with the record `before`, the row relabelled
    // `label`, the first row untouched, one list rebuild.
    void ExpectEqualAfterEdit(const std::shared_ptr<Cls9>& g, const std::string& before, const std::string& label) {
        EXPECT_EQ(box.Count(), 0u) << (box.Count() ? box.Last().text : "");
        EXPECT_FALSE(IsEditing);
        EXPECT_EQ(DocumentScene.FunSurfs.Item(2), g);
        EXPECT_EQ(g->ID, 2);
        EXPECT_EQ(g->Save(), before);
        EXPECT_EQ(window.rows[1], label);
        EXPECT_EQ(window.rows[0], "first");
        EXPECT_EQ(window.rebuilds, 1);
    }

    // Unloads what a case left open and lets Qt delete it.
    static void Settle() {
        for (FormBase* f : FormBase::LoadedForms()) f->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};
