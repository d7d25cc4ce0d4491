// The vector dialog frmF27 and the vector operation dialog frmF28: typed
// coordinates to the drawing's Z, X, Y or to a message, the boxes that the
// operation hides, and editing through the same dialogs.
#include "core/ColorService.h"
#include "core/Globals.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/special/frmF27.h"
#include "dialogs/special/frmF28.h"
#include "tests/dialogs_special/SpecialDialogFixture.h"
#include "tests/support/DialogGraphs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

#include <string>

namespace {

class VectorDialogs : public SpecialDialogTest {
protected:
    // Begin Z, X, Y and end Z, X, Y of a vector: its mathematical x, y, z.
    static std::vector<float> Points(const Cls9& g) {
        return {g.VecBeginZ, g.VecBeginX, g.VecBeginY, g.VecEndZ, g.VecEndX, g.VecEndY};
    }
};

TEST_F(VectorDialogs, VectorBoxesGoToZXYOrGiveTheirMessage) {
    struct Case {
        Typed typed;
        const char* message; // "title|text", or "" for an accepted vector
        std::vector<float> points = {};
    };
    const Case cases[] = {
        // Untouched: the origin to the origin.
        {{}, "", {0, 0, 0, 0, 0, 0}},
        {{{"Text1", "1"}, {"Text2", "2"}, {"Text3", "3"}, {"Text4", "-4"}, {"Text5", "1,5"}, {"Text6", " 1e2 "}},
         "", {1, 2, 3, -4, 1.5f, 100}},
        // Read by the numeric value: a value too small for a Single is 0.
        {{{"Text1", "1-2"}, {"Text6", "1E-50"}}, "", {1, 0, 0, 0, 0, 0}},
        {{{"Text3", "a"}}, "出错|存在非法数据。"},
        {{{"Text1", "1E40"}}, "出错|溢出"},
        {{{"Text6", "-1e39"}}, "出错|溢出"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Trace(c.typed));
        ProgramStateGuard fresh;
        box.Clear();
        DocumentKind = 3;
        frmF27& f = OpenNew<frmF27>();
        Type(&f, c.typed);
        Click(&f, "Command1");
        EXPECT_EQ(Message(), c.message);
        EXPECT_EQ(DocumentKind, 3);
        if (std::string(c.message).empty()) {
            const auto g = OnlyGraph();
            ASSERT_NE(g, nullptr);
            EXPECT_EQ(g->GraphType, GraphType::Vector);
            EXPECT_EQ(Points(*g), c.points);
            EXPECT_FALSE(frmF27::Loaded());
        } else {
            EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
            EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
            EXPECT_TRUE(frmF27::Loaded());
        }
        Settle();
    }
}

TEST_F(VectorDialogs, TheVectorOfTheOkIsAFreshGraph) {
    DocumentKind = 3;
    frmF27& f = OpenNew<frmF27>();
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("三维矢量"));
    ASSERT_EQ(f.SSTab1->count(), 4);
    EXPECT_EQ(f.SSTab1->tabText(3), QString::fromUtf8("分矢量"));
    EXPECT_EQ(f.Picture3->Color(), 255);
    EXPECT_FALSE(f.Combo3->isEditable());
    EXPECT_EQ(f.Combo3->currentText(), "1");
    Type(&f, {{"Text1", "1"}, {"Text2", "2"}, {"Text3", "3"}, {"Text4", "4"}, {"Text5", "5"}, {"Text6", "6"}});
    colors.Choose(RGB(0, 128, 0));
    f.SSTab1->setCurrentIndex(1);
    QTest::mouseClick(f.Picture3, Qt::LeftButton);
    SelectListIndex(f.Combo3, 2);
    SetTicked(f.Check1, true);
    SetTicked(f.Check3, true);
    Click(&f, "Command1");
    const auto g = OnlyGraph();
    ASSERT_NE(g, nullptr);
    auto expected = SpaceVector({1, 2, 3}, {4, 5, 6}, RGB(0, 128, 0), 3);
    expected->ShowVecBegin = true;
    expected->ShowVecB = true;
    expected->ID = g->ID;
    EXPECT_EQ(g->Save(), expected->Save());
    // No Init: the class defaults stay.
    EXPECT_EQ(g->NameS, "");
    EXPECT_EQ(g->StepU, 1);
    EXPECT_EQ(g->Show, Show::FilledSurface);
    EXPECT_EQ(g->ID, 1);
    EXPECT_TRUE(window.rows.empty());
}

TEST_F(VectorDialogs, OperationBoxesFollowTheOperation) {
    DocumentKind = 3;
    frmF28& f = OpenNew<frmF28>();
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("矢量运算"));
    EXPECT_FALSE(f.Combo1->isEditable());
    ASSERT_EQ(f.Combo1->count(), 5);
    EXPECT_EQ(f.Combo1->currentText(), QString::fromUtf8("相加"));
    EXPECT_TRUE(f.Frame2->isVisible());
    EXPECT_FALSE(f.Text1->isVisible());

    // "乘以常数": vector 2 hidden with what it holds, neither filtered nor read.
    SelectListIndex(f.Combo1, 2);
    for (QWidget* w : {static_cast<QWidget*>(f.Frame2), static_cast<QWidget*>(f.Label6),
                       static_cast<QWidget*>(f.Text5), static_cast<QWidget*>(f.Text7)})
        EXPECT_TRUE(w->isHidden()) << ToStdString(w->objectName());
    EXPECT_TRUE(f.Text1->isVisible());
    EXPECT_TRUE(f.Label2->isVisible());
    Type(&f, {{"Text2", "1"}, {"Text3", "2"}, {"Text4", "3"}, {"Text1", "1,5"}, {"Text5", "#"}, {"Text6", "7"}});
    Click(&f, "Command1");
    EXPECT_EQ(box.Count(), 0u);
    const auto g = OnlyGraph();
    ASSERT_NE(g, nullptr);
    auto expected = VectorOperationGraph(VecOperation::Multiple, {1, 2, 3}, {}, 1.5f);
    expected->ID = g->ID;
    EXPECT_EQ(g->Save(), expected->Save());
    EXPECT_EQ(g->VecDX2, 0);

    // Back to "相加": vector 2 again with its contents; the constant ignored.
    frmF28& h = OpenNew<frmF28>();
    Type(&h, {{"Text5", "4"}, {"Text1", "#"}});
    SelectListIndex(h.Combo1, 2);
    SelectListIndex(h.Combo1, 0);
    EXPECT_TRUE(h.Text5->isVisible());
    EXPECT_EQ(Shown(&h, "Text5"), "4");
    Click(&h, "Command1");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 2);
    const auto sum = DocumentScene.FunSurfs.Item(2);
    EXPECT_EQ(sum->VecOperation, VecOperation::Sum);
    EXPECT_EQ(sum->VecDZ2, 4);
    EXPECT_EQ(sum->VecConstant, 0);
    // The six shown boxes read "0", the constant keeps its text.
    EXPECT_EQ(Shown(&h, "Text2"), "0");
    EXPECT_EQ(Shown(&h, "Text7"), "0");
    EXPECT_EQ(Shown(&h, "Text1"), "#");
}

TEST_F(VectorDialogs, OperationMessagesAndTheFiveOperations) {
    struct Case {
        int operation; // list position
        Typed typed;
        const char* message;
    };
    const Case cases[] = {
        {0, {{"Text2", "x"}}, "出错|存在非法数据。"},
        {4, {{"Text7", "#"}}, "出错|存在非法数据。"},
        {2, {{"Text1", "1E40"}}, "出错|溢出"},
        {3, {{"Text5", "1E40"}}, "出错|溢出"},
        {2, {{"Text5", "1E40"}}, ""},
        {1, {{"Text2", "3"}, {"Text6", "1"}}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operation);
        ProgramStateGuard fresh;
        box.Clear();
        DocumentKind = 3;
        frmF28& f = OpenNew<frmF28>();
        SelectListIndex(f.Combo1, c.operation);
        Type(&f, c.typed);
        Click(&f, "Command1");
        EXPECT_EQ(Message(), c.message);
        EXPECT_EQ(DocumentScene.FunSurfs.Count(), std::string(c.message).empty() ? 1 : 0);
        if (DocumentScene.FunSurfs.Count() == 1) {
            EXPECT_EQ(DocumentScene.FunSurfs.Item(1)->VecOperation, c.operation + 1);
        }
        Settle();
    }
}

TEST_F(VectorDialogs, FillThenOkUnchangedGivesAnEqualGraph) {
    auto marked = SpaceVector({-1.5f, 0.1f, 3}, {1e-3f, 2, 1.0f / 3}, RGB(7, 8, 9), 8);
    marked->ShowVecEnd = true;
    marked->ShowVecPrj = true;
    const std::shared_ptr<Cls9> graphs[] = {
        SpaceVector({0, 0, 0}, {3, 4, 0}),
        marked,
        VectorOperationGraph(VecOperation::Sum, {1, 0, 0}, {0, 1, 0}),
        VectorOperationGraph(VecOperation::Difference, {3, 0.2f, 0}, {0, 1, -7}),
        VectorOperationGraph(VecOperation::Multiple, {1, 2, 3}, {}, -2.5f),
        VectorOperationGraph(VecOperation::DotProduct, {3, 3, 0}, {3, 3, 0}),
        VectorOperationGraph(VecOperation::CrossProduct, {1, 0, 0}, {0, 1, 0}),
        VectorOperationGraph(0, {1, 0, 0}, {0, 1, 0}), // no operation of the list
    };
    for (const auto& graph : graphs) {
        const bool vector = graph->GraphType == GraphType::Vector;
        SCOPED_TRACE(std::string(vector ? "vector" : "operation ") + std::to_string(graph->VecOperation));
        ProgramStateGuard fresh;
        window.rows.clear();
        DocumentKind = 3;
        const auto g = AddGraph(graph, "row");
        const std::string before = g->Save();
        if (vector) {
            frmF27& f = OpenEdit<frmF27>(0);
            Click(&f, "Command1");
        } else {
            frmF28& f = OpenEdit<frmF28>(0);
            EXPECT_EQ(f.Combo1->currentIndex(), graph->VecOperation - 1);
            EXPECT_EQ(f.Text1->isVisibleTo(&f), graph->VecOperation == VecOperation::Multiple);
            Click(&f, "Command1");
        }
        EXPECT_EQ(box.Count(), 0u);
        EXPECT_FALSE(IsEditing);
        EXPECT_EQ(DocumentScene.FunSurfs.Count(), 1);
        EXPECT_EQ(g->Save(), before);
        EXPECT_EQ(window.rows[0], vector ? "矢量 " : "矢量运算 ");
        Settle();
    }
}

TEST_F(VectorDialogs, AnEditChangesTheVectorInPlaceAndARefusedOneNothing) {
    DocumentKind = 3;
    const auto g = AddGraph(SpaceVector({0, 0, 0}, {3, 4, 0}), "矢量 ");
    const std::int32_t id = g->ID;
    frmF27& f = OpenEdit<frmF27>(0);
    EXPECT_EQ(Shown(&f, "Text4"), "3");
    EXPECT_EQ(Shown(&f, "Text5"), "4");
    SetText(f.Text6, "1E40");
    Click(&f, "Command1");
    EXPECT_EQ(Message(), "出错|溢出");
    EXPECT_EQ(g->VecEndY, 0);
    SetText(f.Text6, "5");
    Click(&f, "Command1");
    EXPECT_FALSE(frmF27::Loaded());
    EXPECT_EQ(DocumentScene.FunSurfs.Item(1), g);
    EXPECT_EQ(g->ID, id);
    EXPECT_EQ(g->VecEndY, 5);
    EXPECT_EQ(window.rows, (std::vector<std::string>{"矢量 "}));
    EXPECT_EQ(window.rebuilds, 1);
}

} // namespace
