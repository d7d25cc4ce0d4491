// The limit dialog frmF30: box snapshots to messages or graphs, the side and
// its x range, and editing through the same dialog.
#include "core/Globals.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/special/frmF30.h"
#include "tests/dialogs_special/SpecialDialogFixture.h"
#include "tests/support/DialogGraphs.h"

#include <QCheckBox>
#include <QComboBox>

#include <string>

namespace {

using LimitDialog = SpecialDialogTest;

TEST_F(LimitDialog, BoxSnapshotsGiveTheMessageOrTheGraph) {
    struct Case {
        Typed typed;
        int side;          // the entry chosen, or -1: "x" typed over the list
        const char* message; // "title|text", or "" for an accepted graph
        std::int32_t kindAfter;
        const char* f = "";
        float x0 = 0, minV = 0, maxV = 0;
        std::int32_t dir = 0;
    };
    const Case cases[] = {
        {{}, 0, "", 1, "0", 0, -4, 4, 1},
        {{{"Text1", " sin(x) / x "}, {"Text2", "1"}}, 1, "", 1, "sin(x)/x", 1, -3, 1, 2},
        {{{"Text2", "1"}}, 2, "", 1, "0", 1, 1, 5, 3},
        {{{"Text2", "2*pi"}}, 0, "", 1, "0", 6.2831852f, 6.2831852f - 4, 6.2831852f + 4, 1},
        {{{"Text2", "1/0"}}, 0, "", 1, "0", UndefinedValue, UndefinedValue - 4, UndefinedValue + 4, 1},
        // A side typed over the list: no range, LimitDir 0.
        {{{"Text2", "3"}}, -1, "", 1, "0", 3, 0, 0, 0},
        // The function box has its own message; DocumentKind is set after the filter.
        {{{"Text1", "#"}, {"Text2", "#"}}, 0, "出错|存在非法表达式。", 3},
        {{{"Text2", "#"}}, 0, "出错|存在非法数据。", 3},
        {{{"Text2", "sin("}}, 0, "语法错误|", 1},
        // The function is compiled by the sampling.
        {{{"Text1", "sin("}}, 0, "语法错误|", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("side " + std::to_string(c.side) + Trace(c.typed));
        ProgramStateGuard fresh;
        box.Clear();
        DocumentKind = 3;
        frmF30& f = OpenNew<frmF30>();
        if (c.side >= 0) SelectListIndex(f.Combo1, c.side);
        else f.Combo1->setEditText("x");
        Type(&f, c.typed);
        Click(&f, "Command1");
        EXPECT_EQ(Message().substr(0, std::string(c.message).size()), c.message);
        EXPECT_EQ(DocumentKind, c.kindAfter);
        if (std::string(c.message).empty()) {
            EXPECT_EQ(box.Count(), 0u);
            const auto g = OnlyGraph();
            ASSERT_NE(g, nullptr);
            EXPECT_EQ(g->ExpressZ, c.f);
            EXPECT_EQ(g->LimitX0, c.x0);
            EXPECT_EQ(g->MinV, c.minV);
            EXPECT_EQ(g->MaxV, c.maxV);
            EXPECT_EQ(g->LimitDir, c.dir);
            EXPECT_EQ(g->StepV, 50);
            EXPECT_FALSE(frmF30::Loaded());
        } else {
            EXPECT_EQ(box.Count(), 1u);
            EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
            EXPECT_TRUE(frmF30::Loaded());
        }
        Settle();
    }
}

TEST_F(LimitDialog, TheGraphOfTheOkAndItsSamplesAroundX0) {
    frmF30& f = OpenNew<frmF30>();
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("极限图形属性"));
    EXPECT_EQ(f.Combo1->currentText(), QString::fromUtf8("两侧"));
    EXPECT_EQ(f.Combo1->count(), 3);
    EXPECT_TRUE(f.Check1->isChecked());
    EXPECT_TRUE(f.Check2->isChecked());
    Type(&f, {{"Text3", "L"}, {"Text1", "sin(x)/x"}, {"Text2", "0"}});
    Click(&f, "Command1");
    const auto g = OnlyGraph();
    ASSERT_NE(g, nullptr);
    const auto expected = LimitGraph("sin(x)/x", 0);
    expected->NameS = "L";
    expected->ID = g->ID;
    EXPECT_EQ(g->Save(), expected->Save());
    // x0 itself is undefined; its neighbours lie 0.16 away.
    EXPECT_EQ(g->Vert3D(0, 25).y, UndefinedValue);
    EXPECT_NEAR(g->Vert3D(0, 24).y, 0.9957388, 1e-6);
    EXPECT_NEAR(g->Vert3D(0, 26).y, 0.9957388, 1e-6);

    // Both checks cleared: created and sampled all the same.
    frmF30& h = OpenNew<frmF30>();
    SetTicked(h.Check1, false);
    SetTicked(h.Check2, false);
    Type(&h, {{"Text1", "x"}});
    Click(&h, "Command1");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 2);
    const auto bare = DocumentScene.FunSurfs.Item(2);
    EXPECT_FALSE(bare->LimitShowP);
    EXPECT_FALSE(bare->LimitShowL);
    EXPECT_TRUE(bare->Vert3D.Exists());
}

TEST_F(LimitDialog, FillThenOkUnchangedGivesAnEqualGraph) {
    // A side outside the list (LimitDir 0) has no range.
    auto none = LimitGraph("x^2", 3, 0);
    const std::shared_ptr<Cls9> graphs[] = {
        LimitGraph("sin(x)/x", 0),
        LimitGraph("1/x", 0.1f, LimitDir::Left, false, true),
        LimitGraph("sqr(x)", 1.0f / 3, LimitDir::Right, true, false),
        none, // LimitDir 0, no range
    };
    for (const auto& graph : graphs) {
        SCOPED_TRACE(graph->ExpressZ + " side " + std::to_string(graph->LimitDir));
        ProgramStateGuard fresh;
        window.rows.clear();
        DocumentKind = 1;
        graph->NameS = "N";
        const auto g = AddGraph(graph, "极限 " + graph->ExpressZ);
        const std::string before = g->Save();
        frmF30& f = OpenEdit<frmF30>(0);
        EXPECT_EQ(f.Combo1->currentIndex(), graph->LimitDir - 1);
        Click(&f, "Command1");
        EXPECT_EQ(box.Count(), 0u);
        EXPECT_FALSE(frmF30::Loaded());
        EXPECT_EQ(g->Save(), before);
        EXPECT_EQ(window.rows[0], "极限  y=" + g->ExpressZ);
        Settle();
    }
}

TEST_F(LimitDialog, ARefusedEditKeepsTheGraphAndItsRow) {
    DocumentKind = 1;
    const auto g = AddGraph(LimitGraph("sin(x)/x", 0), "极限 sin(x)/x");
    const std::string before = g->Save();
    frmF30& f = OpenEdit<frmF30>(0);
    Type(&f, {{"Text1", "cos("}, {"Text2", "5"}});
    Click(&f, "Command1");
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().title, "语法错误");
    EXPECT_TRUE(frmF30::Loaded());
    EXPECT_EQ(g->Save(), before);
    EXPECT_EQ(g->Vert3D(0, 24).y, g->Vert3D(0, 26).y);
    EXPECT_EQ(window.rows[0], "极限 sin(x)/x");
    Click(&f, "Command2");
    EXPECT_EQ(g->Save(), before);
}

} // namespace
