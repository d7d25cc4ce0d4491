// The graph list's "编辑..." in the shown main window: the notice without a
// ticked current row, the right-clicked row edited, the
// dialog of each graph kind from the dispatch table, and the kinds that open
// nothing.
#include "app/EditDispatch.h"
#include "dialogs/functions/frmF16.h"
#include "platform/CheckListBox.h"
#include "tests/app/MainWindowFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QTimer>
#include <QtTest/QTest>

#include <functional>
#include <set>
#include <utility>

namespace {

class EditCommand : public MainWindowFixture {
protected:
    // Chooses "编辑..." of the graph list's popup; `act` runs on the dialog
    // that is open then (nullptr when none is).
    void Edit(const std::function<void(FormBase*)>& act = nullptr) {
        bool acted = false;
        QTimer::singleShot(0, [&] {
            acted = true;
            const auto loaded = FormBase::LoadedForms();
            FormBase* open = loaded.empty() ? nullptr : loaded.back();
            if (act) act(open);
            if (open && !open->IsUnloaded()) open->Unload();
        });
        W().MenuItem("mnuFunEdit")->trigger();
        // A command that opened nothing has returned before the timer ran.
        QTest::qWait(1);
        EXPECT_TRUE(acted);
    }
    // A right press on a row of the graph list.
    void RightClick(int row) {
        const QRect r = W().List1->visualItemRect(W().List1->item(row));
        QTest::mousePress(W().List1->viewport(), Qt::RightButton, {}, r.center());
        QTest::mouseRelease(W().List1->viewport(), Qt::RightButton, {}, r.center());
        W().FunEdit->hide();
    }
    // A plane point graph of the point dialog, with its ticked row.
    std::shared_ptr<Cls9> PlanePoint(const std::string& y, const std::string& z) {
        auto g = Cls9::Init(0, "P", GraphType::Point, CoordType::PlaneCartesian, "0", y, z, 1, 1, 0, 1, 0, 0,
                            FillStyle::OneColor, 0xFF0000, 0xFF0000, 0, 1, Material::Metal, Show::Wireframe,
                            Smoothness::Smoother);
        g->FunForm = FunForm::Parametric;
        g->ID = ++GraphIDCounter;
        EXPECT_TRUE(g->GetPoints());
        Add(DocumentScene, g);
        Add(VisibleScene, g);
        W().AddTickedRow("点  x=" + y + ", y=" + z);
        return g;
    }
};

TEST_F(EditCommand, WithoutATickedCurrentRowTheNoticeAndNothingElse) {
    Start();
    // An empty list, right-clicked.
    Send(W().List1->viewport(), QEvent::MouseButtonPress, QPoint(20, 20), Qt::RightButton, Qt::RightButton);
    W().FunEdit->hide();
    // A row that is not current, then an unticked current row.
    PlanePoint("1", "2");
    for (int step = 0; step < 3; ++step) {
        if (step == 1) {
            W().List1->SetListIndex(0);
            W().List1->SetTicked(0, false);
        }
        if (step == 2) W().List1->SetListIndex(-1);
        box.Clear();
        IsEditing = false;
        Edit([](FormBase* open) { EXPECT_EQ(open, nullptr); });
        ASSERT_EQ(box.Count(), 1u) << step;
        EXPECT_EQ(box.Last().text, "请首先选定一个函数项。");
        EXPECT_EQ(box.Last().title, "注意");
        EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
        EXPECT_EQ(box.Last().buttons, MsgButtons::OK);
        EXPECT_FALSE(IsEditing);
    }
}

// The popup's 编辑... edits the row right-clicked, also when no row or
// another row was current before.
TEST_F(EditCommand, TheRightClickedRowIsEdited) {
    Start();
    PlanePoint("1", "2");
    PlanePoint("3", "4");
    ASSERT_EQ(W().List1->ListIndex(), -1);
    RightClick(0);
    ASSERT_EQ(W().List1->ListIndex(), 0);
    Edit([&](FormBase* open) {
        ASSERT_NE(open, nullptr);
        EXPECT_TRUE(IsEditing);
        auto& f = frmF16::Get();
        EXPECT_EQ(open, &f);
        EXPECT_EQ(f.Text2->text(), "1");
        EXPECT_EQ(f.Text3->text(), "2");
        f.Text2->setText("5");
        QTest::mouseClick(f.Command1, Qt::LeftButton);
    });
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_FALSE(IsEditing);
    EXPECT_EQ(DocumentScene.FunSurfs.Item(1)->ExpressY, "5");
    EXPECT_EQ(DocumentScene.FunSurfs.Item(2)->ExpressY, "3");
    EXPECT_EQ(W().List1->ItemText(0), "点  x=5, y=2");
    EXPECT_EQ(W().List1->ItemText(1), "点  x=3, y=4");

    // Another row current: the right-clicked one is edited.
    RightClick(1);
    ASSERT_EQ(W().List1->ListIndex(), 1);
    Edit([&](FormBase* open) {
        ASSERT_NE(open, nullptr);
        auto& f = frmF16::Get();
        EXPECT_EQ(f.Text2->text(), "3");
        EXPECT_EQ(f.Text3->text(), "4");
        f.Text3->setText("6");
        QTest::mouseClick(f.Command1, Qt::LeftButton);
    });
    EXPECT_EQ(W().List1->ItemText(0), "点  x=5, y=2");
    EXPECT_EQ(W().List1->ItemText(1), "点  x=3, y=6");

    // Cancel leaves IsEditing set, the graph and its row unchanged.
    Edit([](FormBase* open) {
        ASSERT_NE(open, nullptr);
        QTest::mouseClick(frmF16::Get().Command2, Qt::LeftButton);
    });
    EXPECT_TRUE(IsEditing);
    EXPECT_EQ(W().List1->ItemText(1), "点  x=3, y=6");
}

TEST_F(EditCommand, AKindWithoutADialogOpensNothingAndLeavesIsEditingSet) {
    Start();
    // Every row without a dialog yet, and graphs no row lists: a space curve
    // in a plane document, a plane function of no form.
    std::vector<std::pair<std::int32_t, std::int32_t>> kinds = {{1, GraphType::Curve3D}, {1, -1}};
    std::size_t count = 0;
    const EditRow* rows = EditRows(count);
    std::set<std::pair<std::int32_t, std::int32_t>> listed;
    for (std::size_t i = 0; i < count; ++i) {
        EXPECT_TRUE(listed.insert({rows[i].documentKind, rows[i].graphType}).second) << "listed twice";
        if (rows[i].open == nullptr) kinds.push_back({rows[i].documentKind, rows[i].graphType});
    }
    for (auto [documentKind, type] : kinds) {
        W().DeleteAllGraphs();
        DocumentKind = documentKind;
        auto g = PlanePoint("1", "2");
        g->GraphType = type == -1 ? GraphType::Function2D : type;
        g->FunForm = type == -1 ? 0 : FunForm::Explicit;
        W().List1->SetListIndex(0);
        IsEditing = false;
        box.Clear();
        Edit([&](FormBase* open) { EXPECT_EQ(open, nullptr) << documentKind << " " << type; });
        EXPECT_TRUE(IsEditing);
        EXPECT_EQ(box.Count(), 0u);
    }
}

TEST_F(EditCommand, TheFormsOfAFunctionKindDecide) {
    Cls9 g;
    for (std::int32_t form = 0; form <= 5; ++form) {
        g.FunForm = form;
        const bool strip = form == FunForm::Explicit || form == FunForm::Parametric;
        std::size_t count = 0;
        const EditRow* rows = EditRows(count);
        for (std::size_t i = 0; i < count; ++i) {
            if (rows[i].open == nullptr || rows[i].forms == EditForms::Any) continue;
            g.GraphType = rows[i].graphType;
            const bool plane = form >= 1 && form <= 4;
            EXPECT_EQ(EditDialogFor(rows[i].documentKind, g) != nullptr,
                      rows[i].forms == EditForms::Plane ? plane : strip)
                << rows[i].graphType << " " << form;
        }
    }
}

} // namespace
