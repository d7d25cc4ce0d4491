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

#include <QCoreApplication>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>

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
