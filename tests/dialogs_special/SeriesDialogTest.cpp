// The series dialog frmF31: box snapshots to messages or graphs, the indices,
// the series too long to sum, and editing through the same dialog.
#include "core/ColorService.h"
#include "core/Globals.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/special/frmF31.h"
#include "tests/dialogs_special/SpecialDialogFixture.h"
#include "tests/support/DialogGraphs.h"

#include <QComboBox>

#include <cmath>
#include <string>

namespace {

using SeriesDialog = SpecialDialogTest;

TEST_F(SeriesDialog, BoxSnapshotsGiveTheMessagesInOrderOrTheGraph) {
    struct Case {
        Typed typed;
        const char* message; // "title|text", or "" for an accepted graph
        std::int32_t kindAfter;
        const char* term = "";
        float a0 = 0, minV = 0, maxV = 0;
        std::int32_t n1 = 0, n2 = 0, segments = 0;
    };
    const char* illegal = "出错|存在非法数据。";
    const char* tooLong = "出错|级数的项数太多。";
    const Case cases[] = {
        // Empty boxes read "0": every sample at x = 0.
        {{}, "", 1, "0", 0, 0, 0, 0, 0, 300},
        {{{"Text3", " x ^ n "}, {"Text4", "1,5"}, {"Text1", "1"}, {"Text2", "10"}, {"Text6", "-pi"}, {"Text7", "1"}},
         "", 1, "x^n", 1.5f, -3.1415926f, 1, 1, 10, 300},
        // Indices are evaluated and rounded half to even; an undefined one is 0.
        {{{"Text1", "2.5"}, {"Text2", "3.5"}}, "", 1, "0", 0, 0, 0, 2, 4, 300},
        {{{"Text1", "1/0"}, {"Text2", "-7"}}, "", 1, "0", 0, 0, 0, 0, -7, 300},
        // Segments by their numeric value; 1 passes.
        {{{"Text8", "1e2"}}, "", 1, "0", 0, 0, 0, 0, 0, 100},
        {{{"Text8", "1"}}, "", 1, "0", 0, 0, 0, 0, 0, 1},
        {{{"Text8", "0"}}, "注意|段数x必须大于1。", 1},
        {{{"Text8", "-"}}, "注意|段数x必须大于1。", 1},
        {{{"Text8", "1E10"}}, "注意|段数x必须大于1。", 1},
        // Indices beyond 32 bits.
        {{{"Text1", "10000000000"}}, tooLong, 1},
        {{{"Text1", "1"}, {"Text2", "-3000000000"}}, tooLong, 1},
        // The filter in its order; the term has its own message. DocumentKind
        // is set after the filter, before the boxes are evaluated.
        {{{"Text3", "#"}, {"Text1", "#"}}, "出错|存在非法表达式。", 3},
        {{{"Text1", "#"}, {"Text8", "x"}}, illegal, 3},
        {{{"Text8", "x"}}, illegal, 3},
        {{{"Text6", "sin("}, {"Text8", "0"}}, "语法错误|", 1},
        {{{"Text4", "sin("}}, "语法错误|", 1},
        {{{"Text2", "1+"}}, "语法错误|", 1},
        // The term is compiled by the sampling.
        {{{"Text3", "x^"}}, "语法错误|", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Trace(c.typed));
        ProgramStateGuard fresh;
        box.Clear();
        DocumentKind = 3;
        frmF31& f = OpenNew<frmF31>();
        Type(&f, c.typed);
        Click(&f, "Command1");
        EXPECT_EQ(Message().substr(0, std::string(c.message).size()), c.message);
        EXPECT_EQ(DocumentKind, c.kindAfter);
        if (std::string(c.message).empty()) {
            EXPECT_EQ(box.Count(), 0u);
            const auto g = OnlyGraph();
            ASSERT_NE(g, nullptr);
            EXPECT_EQ(g->ExpressZ, c.term);
            EXPECT_EQ(g->SeriesA0, c.a0);
            EXPECT_EQ(g->MinV, c.minV);
            EXPECT_EQ(g->MaxV, c.maxV);
            EXPECT_EQ(g->SeriesN1, c.n1);
            EXPECT_EQ(g->SeriesN2, c.n2);
            EXPECT_EQ(g->StepV, c.segments);
            EXPECT_FALSE(frmF31::Loaded());
        } else {
            EXPECT_EQ(box.Count(), 1u);
            if (std::string(c.message) == tooLong) {
                EXPECT_EQ(box.Last().icon, MsgIcon::Critical);
            }
            EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
            EXPECT_TRUE(frmF31::Loaded());
        }
        Settle();
    }
}

TEST_F(SeriesDialog, TheGraphOfTheOkAndItsSums) {
    frmF31& f = OpenNew<frmF31>();
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("级数图形的属性"));
    EXPECT_EQ(f.Text8->text(), "300");
    EXPECT_EQ(f.Text8->toolTip(), "Recommended Value: 100 - 500");
    EXPECT_EQ(f.Picture1->Color(), RGB(255, 0, 255));
    EXPECT_EQ(f.Combo1->currentText(), "1");
    colors.Choose(RGB(4, 5, 6));
    QTest::mouseClick(f.Picture1, Qt::LeftButton);
    SelectListIndex(f.Combo1, 1);
    Type(&f, {{"Text5", "S"}, {"Text4", "1"}, {"Text1", "1"}, {"Text2", "10"}, {"Text3", "x^n"}, {"Text6", "-1"},
              {"Text7", "1"}, {"Text8", "4"}});
    Click(&f, "Command1");
    const auto g = OnlyGraph();
    ASSERT_NE(g, nullptr);
    const auto expected = SeriesGraph("x^n", 1, 1, 10, -1, 1, 4, RGB(4, 5, 6), 2);
    expected->NameS = "S";
    expected->ID = g->ID;
    EXPECT_EQ(g->Save(), expected->Save());
    EXPECT_NEAR(g->Vert3D(0, 3).y, 1.9990234, 1e-6);

    // The alternating series of ln(1 + x), twelve terms.
    frmF31& h = OpenNew<frmF31>();
    Type(&h, {{"Text1", "1"}, {"Text2", "12"}, {"Text3", "(-1)^(n+1)*x^n/n"}, {"Text6", "-1"}, {"Text7", "1"},
              {"Text8", "4"}});
    h.Combo1->setEditText("abc");
    Click(&h, "Command1");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 2);
    const auto ln = DocumentScene.FunSurfs.Item(2);
    EXPECT_NEAR(ln->Vert3D(0, 3).y, std::log(1.5), 9.4e-6);
    // A width typed over the list stands for no entry: 0.
    EXPECT_EQ(ln->SeriesWidth, 0);
}

TEST_F(SeriesDialog, ASeriesTooLongToSumAddsNothingAndKeepsAnEditedGraph) {
    DocumentKind = 1;
    frmF31& f = OpenNew<frmF31>();
    Type(&f, {{"Text1", "1"}, {"Text2", "1000000"}, {"Text3", "x^n/n^2"}, {"Text6", "-1"}, {"Text7", "1"},
              {"Text8", "50"}});
    Click(&f, "Command1");
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "级数的项数太多。");
    EXPECT_EQ(box.Last().title, "出错");
    EXPECT_EQ(box.Last().icon, MsgIcon::Critical);
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
    EXPECT_EQ(VisibleScene.FunSurfs.Count(), 0);
    EXPECT_TRUE(frmF31::Loaded());
    Settle();

    // As an edit: the old graph, its samples and its row stay.
    box.Clear();
    const auto g = AddGraph(SeriesGraph("x^n", 1, 1, 10, -1, 1, 4), "级数 x^n");
    const std::string before = g->Save();
    frmF31& e = OpenEdit<frmF31>(0);
    Type(&e, {{"Text2", "1000000"}, {"Text8", "50"}});
    Click(&e, "Command1");
    EXPECT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "级数的项数太多。");
    EXPECT_TRUE(frmF31::Loaded());
    EXPECT_EQ(g->Save(), before);
    EXPECT_NEAR(g->Vert3D(0, 3).y, 1.9990234, 1e-6);
    EXPECT_EQ(g->Vert3D.Upper(1), 4);
    EXPECT_EQ(window.rows[0], "级数 x^n");
    EXPECT_EQ(window.rebuilds, 0);
}

TEST_F(SeriesDialog, FillThenOkUnchangedGivesAnEqualGraph) {
    const std::shared_ptr<Cls9> graphs[] = {
        SeriesGraph("x^n", 1, 1, 10, -1, 1, 4),
        SeriesGraph("sin(n*x)/n", 0.1f, -3, 40, -3.1415926f, 2 * 3.1415926f, 300, RGB(1, 2, 3), 8),
        SeriesGraph("n", 1.0f / 3, 5, 2, 0, 0, 1, 0, 0), // an empty sum, width 0
    };
    for (const auto& graph : graphs) {
        SCOPED_TRACE(graph->ExpressZ);
        ProgramStateGuard fresh;
        window.rows.clear();
        DocumentKind = 1;
        graph->NameS = "N";
        const auto g = AddGraph(graph, "级数 " + graph->ExpressZ);
        const std::string before = g->Save();
        frmF31& f = OpenEdit<frmF31>(0);
        Click(&f, "Command1");
        EXPECT_EQ(box.Count(), 0u);
        EXPECT_FALSE(frmF31::Loaded());
        EXPECT_EQ(g->Save(), before);
        EXPECT_EQ(window.rows[0], "级数 " + g->ExpressZ);
        Settle();
    }
}

} // namespace
