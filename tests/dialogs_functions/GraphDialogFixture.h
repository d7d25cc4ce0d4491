#pragma once
// Graph dialogs driven as a user drives them: scripted messages and colours,
// the main window as the dialogs see it, and the program state reset around
// each case. Helpers make graphs with their rows as the document would.
#include "core/Globals.h"
#include "dialogs/DialogForm.h"
#include "graph/Cls9.h"
#include "scene/Cls8.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingMainWindow.h"
#include "tests/support/RecordingServices.h"

#include "dialogs/FormControls.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class GraphDialogTest : public ProgramStateTest {
protected:
    void TearDown() override {
        for (FormBase* f : FormBase::LoadedForms()) f->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static void Click(QWidget* form, const char* name) {
        auto* b = form->findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // Typed as a user types: the box's text selected and replaced key by key
    // (Backspace for an empty text; a character without a key inserted).
    static void TypeKeys(QLineEdit* box, const char* text) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        for (const QChar c : QString::fromUtf8(text)) {
            if (c.unicode() < 128)
                QTest::keyClick(box, char(c.unicode()));
            else
                box->insert(QString(c));
        }
    }
    static std::string Caption(const QLabel* l) { return ToStdString(l->text()); }
    static std::vector<std::string> Items(const QComboBox* list) {
        std::vector<std::string> items;
        for (int i = 0; i < list->count(); ++i) items.push_back(ToStdString(list->itemText(i)));
        return items;
    }
    // The graph the last OK added (nullptr when none).
    static std::shared_ptr<Cls9> Added() {
        const auto n = DocumentScene.FunSurfs.Count();
        return n > 0 ? DocumentScene.FunSurfs.Item(n) : nullptr;
    }

    // The outcome of an OK of the dialog `Form` that began with `before`
    // graphs. `title` empty: accepted (no message, one graph more, the dialog
    // unloaded); else refused with one message of this title (the text
    // `message` with the exclamation icon, or with `message` empty the
    // compiler's own critical message), nothing added, the dialog open.
    // True when the OK added a graph and was to add one: the caller may then
    // read Added().
    template <class Form>
    bool ExpectOkOutcome(std::int32_t before, const std::string& title, const std::string& message) {
        if (title.empty()) {
            EXPECT_EQ(box.Count(), 0u) << (box.Count() ? box.Last().text : "");
            EXPECT_EQ(DocumentScene.FunSurfs.Count(), before + 1);
            EXPECT_FALSE(Form::Loaded());
            return DocumentScene.FunSurfs.Count() == before + 1;
        }
        EXPECT_EQ(box.Count(), 1u);
        if (box.Count() == 0) return false;
        EXPECT_EQ(box.Last().title, title);
        if (message.empty()) {
            EXPECT_EQ(box.Last().icon, MsgIcon::Critical);
        } else {
            EXPECT_EQ(box.Last().text, message);
            EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
        }
        EXPECT_TRUE(Form::Loaded());
        EXPECT_EQ(DocumentScene.FunSurfs.Count(), before);
        EXPECT_EQ(VisibleScene.FunSurfs.Count(), before);
        return false;
    }

    // A sampled point graph in both scenes with its row, as a document holds it.
    std::shared_ptr<Cls9> AddPoint(const std::string& x, const std::string& y, const std::string& z,
                                   std::int32_t coordType, const std::string& row) {
        auto g = Cls9::Init(++GraphIDCounter, "P", GraphType::Point, coordType, x, y, z, 1, 1, 0, 1, 0, 0,
                            FillStyle::OneColor, 0xFF0000, 0xFF0000, 0, 1, Material::Metal, Show::Wireframe,
                            Smoothness::Smoother);
        g->FunForm = FunForm::Parametric;
        EXPECT_TRUE(g->GetPoints());
        DocumentScene.FunSurfs.Add(g, GraphKey(*g));
        VisibleScene.FunSurfs.Add(g, GraphKey(*g));
        window.rows.push_back(row);
        return g;
    }

    // The dialog `Form` as its creation command opens it (IsEditing cleared),
    // shown without blocking.
    template <class Form>
    Form& OpenNew() {
        IsEditing = false;
        Form& f = Form::Get();
        f.show();
        return f;
    }

    // The dialog `Form` filled for editing row `row` (IsEditing set, the row
    // current), shown without blocking.
    template <class Form>
    Form& OpenForEdit(std::int32_t row) {
        IsEditing = true;
        window.currentRow = row;
        Form& f = Form::Get();
        f.FillForEdit(*DocumentScene.FunSurfs.Item(row + 1));
        f.show();
        return f;
    }

    RecordingMessageBox box;
    RecordingColorPicker colors;
    RecordingMainWindow window;
};
