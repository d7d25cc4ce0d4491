// The step and stem dialog frmF26: its defaults and the graph of an OK, the
// typed texts that are refused (in their order, with their messages) or read,
// the plot each command ticks, and editing: fill -> OK unchanged giving the
// same graph, the edit labels of the plots.
#include "core/ColorParts.h"
#include "core/Globals.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/special/frmF26.h"
#include "tests/dialogs_special/SpecialDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>

#include <string>

namespace {

class StepStemDialog : public SpecialDialogTest {
protected:
    frmF26& OpenFor(bool stem) {
        IsEditing = false;
        frmF26& f = frmF26::Get();
        f.PrepareNewGraph(stem);
        f.show();
        return f;
    }
    static std::vector<std::string> Items(const QComboBox* list) {
        std::vector<std::string> items;
        for (int i = 0; i < list->count(); ++i) items.push_back(ToStdString(list->itemText(i)));
        return items;
    }
};

TEST_F(StepStemDialog, DefaultsAndTheGraphOfAnOk) {
    DocumentKind = 3;
    frmF26& f = OpenNew<frmF26>();
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("特殊图形属性"));
    ASSERT_EQ(f.SSTab1->count(), 3);
    EXPECT_EQ(f.SSTab1->tabText(0), QString::fromUtf8("函数"));
    EXPECT_EQ(f.SSTab1->tabText(1), QString::fromUtf8("阶梯图"));
    EXPECT_EQ(f.SSTab1->tabText(2), QString::fromUtf8("火柴杆图"));
    EXPECT_EQ(Shown(&f, "Text1"), "Untitled");
    EXPECT_EQ(Shown(&f, "Text6"), "20");
    EXPECT_EQ(f.Text6->toolTip(), "Recommended Value: 10 - 30");
    EXPECT_EQ(f.Label5->toolTip(), "Recommended Value: 10 - 30");
    EXPECT_FALSE(f.Check1->isChecked());
    EXPECT_FALSE(f.Check2->isChecked());
    EXPECT_EQ(f.Picture1->Color(), SystemColorCode(2));
    EXPECT_EQ(f.Picture2->Color(), 0xC0);
    EXPECT_EQ(f.Picture3->Color(), 0xC00000);
    EXPECT_EQ(Items(f.Combo1), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(f.Combo1->currentIndex(), 1);
    EXPECT_EQ(Items(f.Combo2).size(), 8u);
    EXPECT_EQ(f.Combo2->currentText(), "2");
    EXPECT_EQ(Items(f.Combo4).size(), 8u);
    EXPECT_EQ(f.Combo4->currentText(), "2");
    EXPECT_EQ(Items(f.Combo3),
              (std::vector<std::string>{"实心圆", "空心圆", "实心方形", "实心三角形", "实心菱形", "十字丝形"}));
    EXPECT_EQ(f.Combo3->currentIndex(), 0);

    Type(&f, {{"Text2", "sin(x)"}, {"Text4", "0"}, {"Text5", "2*pi"}});
    Click(&f, "Command1");
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_FALSE(frmF26::Loaded());
    EXPECT_EQ(DocumentKind, 1);
    const auto g = OnlyGraph();
    ASSERT_NE(g, nullptr);
    auto expected = Cls9::Init(1, "Untitled", GraphType::StepStem, CoordType::PlaneCartesian, "0", "x", "sin(x)", 1,
                               20, 0, 1, 0, 6.2831852f, FillStyle::OneColor, 0xFF0000, 0xFF0000, SystemColorCode(2),
                               2, Material::Metal, Show::Wireframe, Smoothness::Smoother);
    expected->FunForm = FunForm::Explicit;
    expected->StepColor = SystemColorCode(2);
    expected->StepWidth = 2;
    expected->StemHeadColor = 0xC0;
    expected->StemHeadSize = 2;
    expected->StemHeadSymbol = 1;
    expected->StemBodyColor = 0xC00000;
    expected->StemBodyWidth = 2;
    EXPECT_EQ(g->Save(), expected->Save());
    // The system-colour code is stored as it is; no curve, no plot ticked.
    EXPECT_EQ(g->LineColor, static_cast<std::int32_t>(0x80000002u));
    EXPECT_FALSE(g->Show2DCurve);
    EXPECT_FALSE(g->ShowStep);
    EXPECT_FALSE(g->ShowStem);
    EXPECT_TRUE(window.rows.empty());
}

TEST_F(StepStemDialog, TypedTextsAreRefusedInTheirOrderOrRead) {
    struct Case {
        Typed typed;
        const char* message; // "title|text" (its beginning), or "" for an accepted graph
        std::int32_t kindAfter = 1;
        std::int32_t segments = 20;
        float minX = 0, maxX = 1;
    };
    const Case cases[] = {
        {{}, ""},
        {{{"Text6", "20.5"}}, "", 1, 20},
        {{{"Text6", "21.5"}}, "", 1, 22},
        // No range check.
        {{{"Text4", "5"}, {"Text5", "-pi"}}, "", 1, 20, 5, -3.1415926f},
        {{{"Text2", ""}}, "注意|请输入所有参数。", 3},
        {{{"Text4", ""}, {"Text2", "#"}}, "注意|请输入所有参数。", 3},
        {{{"Text5", ""}}, "注意|请输入所有参数。", 3},
        {{{"Text6", ""}}, "注意|请输入所有参数。", 3},
        // The filters in their order: y(x), the maximum, the segments, the minimum.
        {{{"Text2", "x#"}, {"Text6", "a"}}, "出错|存在非法表达式。", 3},
        {{{"Text5", "#"}, {"Text4", "#"}}, "出错|存在非法数据。", 3},
        {{{"Text6", "a"}}, "出错|存在非法数据。", 3},
        {{{"Text4", "$"}}, "出错|存在非法数据。", 3},
        // The segment count, before the document changes.
        {{{"Text6", "0"}}, "注意|段数u必须大于1。", 3},
        {{{"Text6", "-2"}}, "注意|段数u必须大于1。", 3},
        {{{"Text6", "3e9"}}, "注意|段数u必须大于1。", 3},
        {{{"Text4", "1+"}}, "语法错误|", 1},
        {{{"Text2", "sin(x"}}, "语法错误|", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Trace(c.typed));
        ProgramStateGuard fresh;
        box.Clear();
        DocumentKind = 3;
        frmF26& f = OpenNew<frmF26>();
        Type(&f, {{"Text2", "x"}, {"Text4", "0"}, {"Text5", "1"}});
        Type(&f, c.typed);
        Click(&f, "Command1");
        const auto g = OkOutcome<frmF26>(c.message);
        EXPECT_EQ(DocumentKind, c.kindAfter);
        if (g) {
            EXPECT_EQ(g->StepV, c.segments);
            EXPECT_EQ(g->MinV, c.minX);
            EXPECT_EQ(g->MaxV, c.maxX);
        }
        Settle();
    }
}

TEST_F(StepStemDialog, PlotSettingsAsTyped) {
    struct Case {
        const char* what;
        const char* stepWidth;
        const char* headSize;
        const char* marker; // typed over the marker list, or nullptr: entry 4 chosen
        const char* bodyWidth;
        const char* message = "";
        std::int32_t step = 0, size = 0, symbol = 0, body = 0;
    };
    const Case cases[] = {
        {"list entries", "8", "9", nullptr, "1", "", 8, 9, 5, 1},
        {"typed beyond the lists", "12", "10", nullptr, "0", "", 12, 10, 5, 0},
        {"rounded", "2.5", "3.5", nullptr, "4.4", "", 2, 4, 5, 4},
        {"a marker that names no entry: no head", "2", "2", "星形", "2", "", 2, 2, 0, 2},
        {"a width beyond 32 bits", "1e10", "2", nullptr, "2", "出错|存在非法数据。"},
        {"a size beyond 32 bits", "2", "-3e9", nullptr, "2", "出错|存在非法数据。"},
        {"a stem width beyond 32 bits", "2", "2", nullptr, "5e9", "出错|存在非法数据。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProgramStateGuard fresh;
        box.Clear();
        frmF26& f = OpenFor(true);
        Type(&f, {{"Text2", "x"}, {"Text4", "0"}, {"Text5", "1"}});
        f.Combo2->setEditText(QString::fromUtf8(c.stepWidth));
        f.Combo1->setEditText(QString::fromUtf8(c.headSize));
        if (c.marker) f.Combo3->setEditText(QString::fromUtf8(c.marker));
        else SelectListIndex(f.Combo3, 4);
        f.Combo4->setEditText(QString::fromUtf8(c.bodyWidth));
        Click(&f, "Command1");
        if (const auto g = OkOutcome<frmF26>(c.message)) {
            EXPECT_EQ(g->StepWidth, c.step);
            EXPECT_EQ(g->LineWidth, c.step);
            EXPECT_EQ(g->StemHeadSize, c.size);
            EXPECT_EQ(g->StemHeadSymbol, c.symbol);
            EXPECT_EQ(g->StemBodyWidth, c.body);
        }
        Settle();
    }
}

TEST_F(StepStemDialog, EachCommandTicksItsPlotAndTheColoursAreReadFromTheBoxes) {
    frmF26& step = OpenFor(false);
    EXPECT_TRUE(step.Check2->isChecked());
    EXPECT_FALSE(step.Check1->isChecked());
    Settle();
    frmF26& f = OpenFor(true);
    EXPECT_FALSE(f.Check2->isChecked());
    EXPECT_TRUE(f.Check1->isChecked());
    Type(&f, {{"Text2", "x^2"}, {"Text4", "-1"}, {"Text5", "1"}});
    f.Check2->setChecked(true);
    colors.Choose(RGB(1, 2, 3));
    f.SSTab1->setCurrentIndex(1);
    QTest::mouseClick(f.Picture1, Qt::LeftButton);
    f.SSTab1->setCurrentIndex(2);
    colors.Cancel();
    QTest::mouseClick(f.Picture2, Qt::LeftButton);
    colors.Choose(RGB(7, 8, 9));
    QTest::mouseClick(f.Picture3, Qt::LeftButton);
    Click(&f, "Command1");
    const auto g = OnlyGraph();
    ASSERT_NE(g, nullptr);
    EXPECT_TRUE(g->ShowStep);
    EXPECT_TRUE(g->ShowStem);
    EXPECT_EQ(g->StepColor, RGB(1, 2, 3));
    EXPECT_EQ(g->LineColor, RGB(1, 2, 3));
    EXPECT_EQ(g->StemHeadColor, 0xC0);
    EXPECT_EQ(g->StemBodyColor, RGB(7, 8, 9));
    EXPECT_EQ(colors.requests, 3);
}

TEST_F(StepStemDialog, FillThenOkUnchangedGivesTheSameGraphAndTheEditLabels) {
    struct Case {
        const char* what;
        bool step, stem;
        const char* label;
    };
    const Case cases[] = {
        {"both plots", true, true, "阶梯图  y=x/3"},
        {"the step plot", true, false, "阶梯图  y=x/3"},
        {"the stem plot", false, true, "火柴杆图  y=x/3"},
        // No edit label names it: the row its document gives it, never blank.
        {"neither plot", false, false, "Step & Stem  0, x, x/3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProgramStateGuard fresh;
        box.Clear();
        window.rows = {"first"};
        window.rebuilds = 0;
        frmF26& first = OpenNew<frmF26>();
        Type(&first, {{"Text2", "x"}, {"Text4", "0"}, {"Text5", "1"}});
        Click(&first, "Command1");
        frmF26& f = OpenNew<frmF26>();
        Type(&f, {{"Text1", "s"}, {"Text2", "x/3"}, {"Text4", "-1/3"}, {"Text5", "2*pi"}, {"Text6", "17"}});
        f.Check2->setChecked(c.step);
        f.Check1->setChecked(c.stem);
        f.Combo2->setEditText("12");
        f.Combo1->setEditText("0");
        f.Combo3->setEditText("?");
        SelectListIndex(f.Combo4, 6);
        colors.Choose(RGB(10, 20, 30));
        QTest::mouseClick(f.Picture2, Qt::LeftButton);
        Click(&f, "Command1");
        ASSERT_EQ(box.Count(), 0u);
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 2);
        window.rows.push_back("old");
        const std::shared_ptr<Cls9> g = DocumentScene.FunSurfs.Item(2);
        const std::string before = g->Save();

        frmF26& e = OpenEdit<frmF26>(1);
        EXPECT_EQ(e.Check2->isChecked(), c.step);
        EXPECT_EQ(e.Check1->isChecked(), c.stem);
        EXPECT_EQ(e.Combo2->currentText(), "12");
        EXPECT_EQ(e.Combo3->currentIndex(), -1);
        EXPECT_EQ(Shown(&e, "Text4"), "-0.33333334");
        Click(&e, "Command1");
        EXPECT_FALSE(frmF26::Loaded());
        ExpectEqualAfterEdit(g, before, c.label);
        Settle();
    }
}

} // namespace
