// The differential-equation dialog frmF29 as the ODE command and the edit
// command open it: box snapshots to messages or graphs, the initial-value
// switch, the mirroring of x0, and editing through the same dialog.
#include "core/ColorService.h"
#include "core/Globals.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/special/frmF29.h"
#include "tests/dialogs_special/SpecialDialogFixture.h"
#include "tests/support/DialogGraphs.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

#include <cmath>
#include <string>

namespace {

class OdeDialog : public SpecialDialogTest {
protected:
    // A click on an option's circle.
    static void Choose(QRadioButton* option) {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }
};

TEST_F(OdeDialog, BoxSnapshotsGiveTheMessagesInOrderOrTheGraph) {
    struct Case {
        bool initial; // "给定1个初值"
        Typed typed;
        // "title|text" of the one message, or "" for an accepted graph.
        const char* message;
        // Accepted: what the graph holds.
        const char* slope = "";
        float minU = 0, maxU = 0, minV = 0, maxV = 0, x0 = 0, y0 = 0;
        std::int32_t stepsU = 0, stepsV = 0;
    };
    const char* illegal = "出错|存在非法数据。";
    const char* stepsX = "注意|段数x必须大于1。";
    const char* stepsY = "注意|段数y必须大于1。";
    const char* syntax = "语法错误|";
    const Case cases[] = {
        // Empty boxes read "0"; the counts keep their defaults.
        {false, {}, "", "0", 0, 0, 0, 0, 0, 0, 50, 10},
        {false, {{"Text2", " x - y "}, {"Text3", "2*pi"}, {"Text4", "1,5"}, {"Text6", "-3"}, {"Text7", "3"}},
         "", "x-y", 6.2831852f, 1.5f, -3, 3, 0, 0, 50, 10},
        // A bound that fails mathematically is the undefined value; any order passes.
        {false, {{"Text3", "1/0"}, {"Text4", "-2"}}, "", "0", UndefinedValue, -2, 0, 0, 0, 0, 50, 10},
        // Counts by their numeric value, halves to even; 1 passes.
        {false, {{"Text5", "2.5"}, {"Text8", "3.5"}}, "", "0", 0, 0, 0, 0, 0, 0, 2, 4},
        {false, {{"Text5", "1e2"}, {"Text8", "1"}}, "", "0", 0, 0, 0, 0, 0, 0, 100, 1},
        {false, {{"Text5", "1"}}, "", "0", 0, 0, 0, 0, 0, 0, 1, 10},
        {false, {{"Text5", "0"}}, stepsX},
        {false, {{"Text5", "-"}}, stepsX},
        {false, {{"Text5", "0.4"}}, stepsX},
        {false, {{"Text5", "1E10"}}, stepsX},
        {false, {{"Text8", "0"}}, stepsY},
        {false, {{"Text8", "1E10"}}, stepsY},
        {false, {{"Text5", "0"}, {"Text8", "0"}}, stepsX},
        // The bounds are evaluated before the counts are checked.
        {false, {{"Text5", "0"}, {"Text7", "sin("}}, syntax},
        // The filter: in its order, one message, "存在非法数据。" for the slope too.
        {false, {{"Text2", "#"}, {"Text5", "0"}}, illegal},
        {false, {{"Text5", "1x"}}, illegal},
        {false, {{"Text8", "#"}, {"Text9", "#"}}, illegal},
        // x0 and y0 are neither filtered nor read for the family.
        // (x0 typed is mirrored into min x, typed afterwards.)
        {false, {{"Text9", "#"}, {"Text10", "sin("}, {"Text3", "-1"}}, "", "0", -1, 0, 0, 0, 0, 0, 50, 10},
        // One solution: the hidden y range is neither filtered nor read.
        {true, {{"Text2", "y"}, {"Text6", "#"}, {"Text7", "sin("}, {"Text8", "0"}, {"Text9", "1"}, {"Text10", "2"},
                {"Text4", "3"}},
         "", "y", 1, 3, 0, 0, 1, 2, 50, 1},
        {true, {{"Text9", "#"}}, illegal},
        {true, {{"Text10", "sin("}}, syntax},
        {true, {{"Text9", "1/0"}, {"Text10", " "}}, "", "0", UndefinedValue, 0, 0, 0, UndefinedValue, 0, 50, 1},
        // The slope is compiled by the sampling.
        {false, {{"Text2", "x-"}}, syntax},
        // No empty check: two blanks leave an empty slope, whose steps are flat.
        {false, {{"Text2", "  "}}, "", "", 0, 0, 0, 0, 0, 0, 50, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.initial ? "initial" : "family") + Trace(c.typed));
        ProgramStateGuard fresh;
        box.Clear();
        DocumentKind = 1;
        frmF29& f = OpenNew<frmF29>();
        if (c.initial) f.Option1->setChecked(true);
        Type(&f, c.typed);
        Click(&f, "Command1");
        const std::string message = Message();
        EXPECT_EQ(message.substr(0, std::string(c.message).size()), c.message);
        if (std::string(c.message).empty()) {
            EXPECT_EQ(box.Count(), 0u);
            const auto g = OnlyGraph();
            ASSERT_NE(g, nullptr);
            EXPECT_EQ(g->GraphType, GraphType::ODE);
            EXPECT_EQ(g->ExpressZ, c.slope);
            EXPECT_EQ(g->MinU, c.minU);
            EXPECT_EQ(g->MaxU, c.maxU);
            EXPECT_EQ(g->MinV, c.minV);
            EXPECT_EQ(g->MaxV, c.maxV);
            EXPECT_EQ(g->StepU, c.stepsU);
            // One solution is built with StepV 0, which the sampling makes 1.
            EXPECT_EQ(g->StepV, c.stepsV);
            EXPECT_EQ(g->ODEInitial, c.initial);
            EXPECT_EQ(g->ODEInitX, c.x0);
            EXPECT_EQ(g->ODEInitY, c.y0);
            EXPECT_FALSE(frmF29::Loaded());
        } else {
            EXPECT_EQ(box.Count(), 1u);
            EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
            EXPECT_EQ(VisibleScene.FunSurfs.Count(), 0);
            EXPECT_TRUE(frmF29::Loaded());
        }
        Settle();
    }
}

TEST_F(OdeDialog, TheGraphOfTheOkAsTheOtherGraphsOfItsKind) {
    DocumentKind = 1;
    frmF29& f = OpenNew<frmF29>();
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("常微分方程定义的图形"));
    EXPECT_EQ(f.SSTab1->tabText(0), QString::fromUtf8("方程"));
    EXPECT_EQ(f.SSTab1->tabText(1), QString::fromUtf8("属性"));
    EXPECT_EQ(f.Text5->text(), "50");
    EXPECT_EQ(f.Text8->text(), "10");
    EXPECT_EQ(f.Text5->toolTip(), "Recommended Value: 30 - 80");
    EXPECT_EQ(f.Label8->toolTip(), "Recommended Value: 5 - 20");
    EXPECT_TRUE(f.Option2->isChecked());
    EXPECT_FALSE(f.Text9->isEnabled());
    EXPECT_FALSE(f.Label15->isEnabled());
    EXPECT_EQ(f.Picture1->Color(), RGB(0, 0, 255));
    EXPECT_EQ(f.Combo1->currentText(), "1");
    EXPECT_TRUE(f.Combo1->isEditable());

    colors.Choose(RGB(1, 2, 3));
    f.SSTab1->setCurrentIndex(1);
    QTest::mouseClick(f.Picture1, Qt::LeftButton);
    SelectListIndex(f.Combo1, 2);
    Type(&f, {{"Text1", " name "}, {"Text2", "x-y"}, {"Text3", "0"}, {"Text4", "2"}, {"Text6", "-3"}, {"Text7", "3"},
              {"Text8", "6"}, {"Text5", "20"}});
    Click(&f, "Command1");
    const auto g = OnlyGraph();
    ASSERT_NE(g, nullptr);
    const auto expected = OdeFamily("x-y", 0, 2, 20, -3, 3, 6, RGB(1, 2, 3), 3);
    expected->NameS = " name ";
    expected->ID = g->ID;
    EXPECT_EQ(g->Save(), expected->Save());
    EXPECT_EQ(g->ID, 1);
    EXPECT_EQ(DocumentKind, 1);
    // The family from -1 stays on y = x - 1.
    for (std::int64_t k = 0; k <= 20; ++k) EXPECT_NEAR(g->VertODE(k, 2).y, g->VertODE(k, 2).x - 1, 1e-5) << k;
    // The OK never adds the row: the command does.
    EXPECT_TRUE(window.rows.empty());

    // A width typed over the list stands for no entry: 0.
    frmF29& h = OpenNew<frmF29>();
    h.Combo1->setEditText("abc");
    Click(&h, "Command1");
    EXPECT_EQ(DocumentScene.FunSurfs.Item(2)->ODEWidth, 0);
}

TEST_F(OdeDialog, OneSolutionHidesTheYRangeAndMirrorsX0IntoMinX) {
    frmF29& f = OpenNew<frmF29>();
    Choose(f.Option1);
    ASSERT_TRUE(f.Option1->isChecked());
    for (QWidget* w : {static_cast<QWidget*>(f.Label6), static_cast<QWidget*>(f.Label7),
                       static_cast<QWidget*>(f.Label8), static_cast<QWidget*>(f.Text6),
                       static_cast<QWidget*>(f.Text7), static_cast<QWidget*>(f.Text8)})
        EXPECT_FALSE(w->isVisibleTo(&f)) << ToStdString(w->objectName());
    for (QWidget* w : {static_cast<QWidget*>(f.Label14), static_cast<QWidget*>(f.Label15),
                       static_cast<QWidget*>(f.Text9), static_cast<QWidget*>(f.Text10)})
        EXPECT_TRUE(w->isEnabled()) << ToStdString(w->objectName());

    // Typing 2 into x0 makes min x 2 at once; min x typed later keeps x0.
    f.Text9->setFocus();
    QTest::keyClicks(f.Text9, "2");
    EXPECT_EQ(f.Text3->text(), "2");
    QTest::keyClicks(f.Text9, ".5");
    EXPECT_EQ(f.Text3->text(), "2.5");
    f.Text3->setText("1");
    EXPECT_EQ(f.Text9->text(), "2.5");

    Choose(f.Option2);
    EXPECT_TRUE(f.Text8->isVisibleTo(&f));
    EXPECT_FALSE(f.Text10->isEnabled());

    // y' = y from (0, 1) on [0, 2] in 20 steps: y_k = 1.1^k.
    Choose(f.Option1);
    Type(&f, {{"Text2", "y"}, {"Text9", "0"}, {"Text10", "1"}, {"Text4", "2"}, {"Text5", "20"}});
    EXPECT_EQ(f.Text3->text(), "0");
    Click(&f, "Command1");
    const auto g = OnlyGraph();
    ASSERT_NE(g, nullptr);
    for (int k = 0; k <= 20; ++k) EXPECT_NEAR(g->VertODE(k, 0).y, std::pow(1.1, k), 1e-5 * std::pow(1.1, k)) << k;
    EXPECT_NEAR(g->VertODE(20, 0).y, 6.7275, 1e-4);
}

TEST_F(OdeDialog, FillThenOkUnchangedGivesAnEqualGraph) {
    struct Case {
        const char* label;
        std::shared_ptr<Cls9> graph;
    };
    const Case cases[] = {
        {"family", OdeFamily("x-y", 0.1f, 2 * 3.1415926f, 20, -1.0f / 3, 3, 6, RGB(9, 8, 7), 8)},
        // x0 is filled before min x, which it rewrites.
        {"one solution", OdeThroughPoint("sin(x)*y", -0.7f, 5, 33, 0.25f, 1e-3f, RGB(0, 255, 0), 2)},
        {"width 0", OdeFamily("x", -1, 1, 10, -1, 1, 2, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ProgramStateGuard fresh;
        window.rows.clear();
        window.rebuilds = 0;
        DocumentKind = 1;
        c.graph->NameS = "N";
        const auto g = AddGraph(c.graph, "常微分方程 dy/dx=" + c.graph->ExpressZ);
        const std::string before = g->Save();
        const SamplePoint last = g->VertODE(g->StepU, 0);

        frmF29& f = OpenEdit<frmF29>(0);
        EXPECT_EQ(f.Option1->isChecked(), g->ODEInitial);
        EXPECT_EQ(f.Text6->isVisibleTo(&f), !g->ODEInitial);
        Click(&f, "Command1");
        EXPECT_EQ(box.Count(), 0u);
        EXPECT_FALSE(frmF29::Loaded());
        EXPECT_FALSE(IsEditing);
        EXPECT_EQ(g->Save(), before);
        EXPECT_EQ(g->VertODE(g->StepU, 0).y, last.y);
        EXPECT_EQ(window.rows[0], "常微分方程  dy/dx=" + g->ExpressZ);
        EXPECT_EQ(window.rebuilds, 1);
        Settle();
    }
}

TEST_F(OdeDialog, ARefusedEditKeepsTheGraphItsSamplesAndItsRow) {
    DocumentKind = 1;
    const auto g = AddGraph(OdeFamily("x-y", 0, 2, 20, -3, 3, 6), "常微分方程 dy/dx=x-y");
    const std::string before = g->Save();
    const float sample = g->VertODE(20, 3).y;
    frmF29& f = OpenEdit<frmF29>(0);
    for (const Typed& typed : {Typed{{"Text2", "x-"}}, Typed{{"Text2", "x"}, {"Text8", "0"}},
                              Typed{{"Text2", "x"}, {"Text4", "sin("}}}) {
        box.Clear();
        Type(&f, {{"Text8", "6"}, {"Text4", "2"}});
        Type(&f, typed);
        Click(&f, "Command1");
        EXPECT_EQ(box.Count(), 1u);
        EXPECT_TRUE(frmF29::Loaded());
        EXPECT_TRUE(IsEditing);
        EXPECT_EQ(g->Save(), before);
        EXPECT_EQ(g->VertODE(20, 3).y, sample);
        EXPECT_EQ(window.rows[0], "常微分方程 dy/dx=x-y");
        EXPECT_EQ(window.rebuilds, 0);
    }
    Click(&f, "Command2");
    EXPECT_FALSE(frmF29::Loaded());
    EXPECT_TRUE(IsEditing);
    EXPECT_EQ(g->Save(), before);
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 1);
}

} // namespace
