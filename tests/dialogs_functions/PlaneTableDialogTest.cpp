// The plane table dialog frmF11: its controls and defaults, the OK's counts,
// cells and messages, the graph it builds, the editor still open at the OK,
// and the edit filling (fill, OK unchanged, an equal table).
#include "core/ColorService.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/TableGrid.h"
#include "dialogs/functions/frmF11.h"
#include "tests/dialogs_functions/GraphDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include <string>
#include <vector>

namespace {

class PlaneTableDialog : public GraphDialogTest {
protected:
    // The points of a table graph, x and y of row 0.
    static std::vector<std::pair<float, float>> Points(Cls9& g) {
        std::vector<std::pair<float, float>> points;
        for (int j = 0; j <= g.StepV; ++j) points.emplace_back(g.VertTab3D(0, j).x, g.VertTab3D(0, j).y);
        return points;
    }
};

TEST_F(PlaneTableDialog, ControlsAndDefaults) {
    frmF11& f = OpenNew<frmF11>();
    EXPECT_EQ(ToStdString(f.windowTitle()), "二维表数据图形属性");
    std::vector<std::string> pages;
    for (int i = 0; i < f.SSTab1->count(); ++i) pages.push_back(ToStdString(f.SSTab1->tabText(i)));
    EXPECT_EQ(pages, (std::vector<std::string>{"数据", "线形图", "散点图", "曲线拟合"}));
    EXPECT_EQ(TextOf(f.Text1), "Untitled");
    EXPECT_EQ(TextOf(f.Text2), "5");
    EXPECT_EQ(ToStdString(f.Command5->text()), "重置");
    EXPECT_EQ(ToStdString(f.Command1->text()), "导入...");
    EXPECT_EQ(ToStdString(f.Command2->text()), "导出...");
    EXPECT_EQ(ToStdString(f.Command3->text()), "确定");
    EXPECT_EQ(ToStdString(f.Command4->text()), "取消");
    EXPECT_TRUE(f.Check1->isChecked());
    EXPECT_FALSE(f.Check2->isChecked());
    EXPECT_FALSE(f.Check3->isChecked());
    EXPECT_EQ(f.Picture1->Color(), RGB(0, 128, 0));
    EXPECT_EQ(f.Picture2->Color(), RGB(0, 0, 64));
    EXPECT_EQ(f.Picture4->Color(), RGB(255, 0, 0));
    EXPECT_EQ(Items(f.Combo1), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(ToStdString(f.Combo1->currentText()), "1");
    EXPECT_EQ(Items(f.Combo2).size(), 9u);
    EXPECT_EQ(f.Combo2->currentIndex(), 1);
    EXPECT_EQ(Items(f.Combo3).size(), 8u);
    EXPECT_EQ(f.Combo3->currentIndex(), 0);
    EXPECT_EQ(Items(f.Combo4), (std::vector<std::string>{"实心圆", "空心圆", "实心方形", "实心三角形", "实心菱形", "十字丝形"}));
    EXPECT_EQ(f.Combo4->currentIndex(), 0);
    EXPECT_EQ(f.fgdGrid->DataRows(), 5);
}

TEST_F(PlaneTableDialog, UntouchedOkGivesFivePointsAtTheOrigin) {
    frmF11& f = OpenNew<frmF11>();
    Click(&f, "Command3");
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_FALSE(frmF11::Loaded());
    EXPECT_FALSE(IsEditing);
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    Cls9& g = *DocumentScene.FunSurfs.Item(1);
    EXPECT_EQ(VisibleScene.FunSurfs.Item(1).get(), &g);
    EXPECT_EQ(g.ID, 1);
    EXPECT_EQ(g.GraphType, GraphType::Table2D);
    EXPECT_EQ(g.CoordType, CoordType::PlaneCartesian);
    EXPECT_EQ(g.FunForm, FunForm::Explicit);
    EXPECT_EQ(g.NameS, "Untitled");
    EXPECT_EQ(g.StepU, 1);
    EXPECT_EQ(g.StepV, 4);
    EXPECT_EQ(Points(g), (std::vector<std::pair<float, float>>(5, {0.0f, 0.0f})));
    EXPECT_EQ(g.VertTab3D(0, 2).z, 0);
    EXPECT_TRUE(g.Show2DLine);
    EXPECT_FALSE(g.Show2DScatter);
    EXPECT_FALSE(g.ShowSmoothCurve);
    EXPECT_EQ(g.LineColor, RGB(0, 128, 0));
    EXPECT_EQ(g.LineWidth, 1);
    EXPECT_EQ(g.ScatterColor, RGB(0, 0, 64));
    EXPECT_EQ(g.ScatterSize, 2);
    EXPECT_EQ(g.SmoothCurveColor, RGB(255, 0, 0));
    EXPECT_EQ(g.SmoothCurveWidth, 1);
    EXPECT_EQ(g.Symbol, 1);
    EXPECT_EQ(g.FillStyle, FillStyle::OneColor);
    EXPECT_EQ(g.FirstColor, 0xFF0000);
    EXPECT_EQ(g.SecondColor, 0xFF0000);
    EXPECT_EQ(g.Material, Material::Metal);
    EXPECT_EQ(g.Show, Show::Wireframe);
    EXPECT_EQ(g.Smoothness, Smoothness::Faceted);
    // Not sampled; the row is the opener's.
    EXPECT_FALSE(g.Vert3D.Exists());
    EXPECT_TRUE(window.rows.empty());
}

TEST_F(PlaneTableDialog, CountsAndCellsToMessagesOrPoints) {
    struct Case {
        const char* what;
        const char* reset; // count for 重置 first ("" none)
        const char* count;
        std::vector<std::pair<const char*, const char*>> cells; // rows 1..
        const char* title;   // "" accepted
        const char* message;
        std::vector<std::pair<float, float>> points; // accepted
        std::vector<std::string> after;              // X cells afterwards
    };
    const Case cases[] = {
        {"5.5 after 重置 gives 6", "5.5", "5.5", {}, "", "", std::vector<std::pair<float, float>>(6, {0.f, 0.f}), {}},
        {"4.5 gives 4", "", "4.5", {}, "", "", std::vector<std::pair<float, float>>(4, {0.f, 0.f}), {}},
        {"3 of 10 rows takes rows 1 to 3", "10", "3", {{"1", "2"}, {"3", "4"}, {"5", "6"}, {"#", "#"}}, "", "",
         {{1, 2}, {3, 4}, {5, 6}}, {"1", "3", "5", "#"}},
        {"cells cleaned and read by their leading number", "3", "3", {{"1e3", " 2 "}, {"1-2", ""}, {"1,5", "-.5"}},
         "", "", {{1000, 2}, {1, 0}, {1.5f, -0.5f}}, {"1e3", "1-2", "1.5"}},
        {"empty count", "", "", {}, "Vexilon", "请输入所有参数。", {}, {}},
        {"0", "", "0", {}, "Vexilon", "数据个数必须在1到201之间。", {}, {}},
        {"0.4", "", "0.4", {}, "Vexilon", "数据个数必须在1到201之间。", {}, {}},
        {"202", "", "202", {}, "Vexilon", "数据个数必须在1到201之间。", {}, {}},
        {"-3", "", "-3", {}, "Vexilon", "数据个数必须在1到201之间。", {}, {}},
        {"beyond 32 bits", "", "1E20", {}, "Vexilon", "数据个数必须在1到201之间。", {}, {}},
        {"8 without 重置", "", "8", {}, "Vexilon", "数据个数与表格行数不一致，请先按“重置”。", {}, {}},
        {"a bad cell; the cells before it cleaned", "2", "2", {{" 1 ", "2,5"}, {"x", "1"}}, "出错",
         "存在非法数据。", {}, {"1", "x"}},
        {"a bad Y cell after a cleaned X", "1", "1", {{" 7", "$"}}, "出错", "存在非法数据。", {}, {"7"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProgramStateGuard fresh;
        box.Clear();
        frmF11& f = OpenNew<frmF11>();
        if (*c.reset != '\0') {
            SetText(f.Text2, c.reset);
            Click(&f, "Command5");
        }
        SetText(f.Text2, c.count);
        for (std::size_t r = 0; r < c.cells.size(); ++r) {
            f.fgdGrid->SetCellText(int(r) + 1, 1, c.cells[r].first);
            f.fgdGrid->SetCellText(int(r) + 1, 2, c.cells[r].second);
        }
        Click(&f, "Command3");
        if (*c.title == '\0') {
            EXPECT_EQ(box.Count(), 0u);
            ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
            Cls9& g = *DocumentScene.FunSurfs.Item(1);
            EXPECT_EQ(g.StepV + 1, int(c.points.size()));
            EXPECT_EQ(Points(g), c.points);
        } else {
            ASSERT_EQ(box.Count(), 1u);
            EXPECT_EQ(box.Last().title, c.title);
            EXPECT_EQ(box.Last().text, c.message);
            EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
            EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
            EXPECT_TRUE(frmF11::Loaded());
            f.Unload();
        }
        for (std::size_t r = 0; r < c.after.size(); ++r) EXPECT_EQ(f.fgdGrid->CellText(int(r) + 1, 1), c.after[r]);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(PlaneTableDialog, WidthsAndSizesAreWholeNumbersOfTheirTexts) {
    frmF11& f = OpenNew<frmF11>();
    f.Combo1->setEditText(QStringLiteral("2.5"));
    f.Combo2->setEditText(QStringLiteral(" 12x"));
    f.Combo3->setCurrentIndex(7);
    f.Combo4->setCurrentIndex(5);
    Click(&f, "Command3");
    const Cls9& g = *DocumentScene.FunSurfs.Item(1);
    EXPECT_EQ(g.LineWidth, 2);
    EXPECT_EQ(g.ScatterSize, 12);
    EXPECT_EQ(g.SmoothCurveWidth, 8);
    EXPECT_EQ(g.Symbol, 6);
    // Beyond 32 bits: refused as illegal data.
    frmF11& h = OpenNew<frmF11>();
    h.Combo2->setEditText(QStringLiteral("1E20"));
    Click(&h, "Command3");
    EXPECT_EQ(box.Last().text, "存在非法数据。");
    EXPECT_EQ(box.Last().title, "出错");
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 1);
}

TEST_F(PlaneTableDialog, OkWithTheEditorOpenTakesWhatWasTyped) {
    frmF11& f = OpenNew<frmF11>();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    f.fgdGrid->SetCurrentCell(2, 2);
    f.fgdGrid->setFocus();
    QTest::keyClick(f.fgdGrid, '4');
    QTest::keyClicks(f.txtRep, "25");
    ASSERT_TRUE(f.txtRep->isVisible());
    Click(&f, "Command3");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    EXPECT_EQ(DocumentScene.FunSurfs.Item(1)->VertTab3D(0, 1).y, 425);
}

TEST_F(PlaneTableDialog, ColourBoxesAndCancel) {
    frmF11& f = OpenNew<frmF11>();
    colors.Choose(RGB(1, 2, 3));
    colors.Choose(RGB(4, 5, 6));
    colors.Cancel();
    QTest::mouseClick(f.Picture1, Qt::LeftButton);
    QTest::mouseClick(f.Picture2, Qt::LeftButton);
    QTest::mouseClick(f.Picture4, Qt::LeftButton);
    EXPECT_EQ(colors.requests, 3);
    EXPECT_EQ(f.Picture4->Color(), RGB(255, 0, 0));
    Click(&f, "Command3");
    const Cls9& g = *DocumentScene.FunSurfs.Item(1);
    EXPECT_EQ(g.LineColor, RGB(1, 2, 3));
    EXPECT_EQ(g.ScatterColor, RGB(4, 5, 6));
    EXPECT_EQ(g.SmoothCurveColor, RGB(255, 0, 0));

    IsEditing = true;
    frmF11& c = frmF11::Get();
    Click(&c, "Command4");
    EXPECT_FALSE(frmF11::Loaded());
    EXPECT_TRUE(IsEditing);
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 1);
}

TEST_F(PlaneTableDialog, FillThenOkUnchangedGivesAnEqualTable) {
    DocumentKind = 1;
    // A table as a document holds it, its row beside another graph's.
    auto other = std::make_shared<Cls9>();
    other->ID = ++GraphIDCounter;
    DocumentScene.FunSurfs.Add(other, GraphKey(*other));
    VisibleScene.FunSurfs.Add(other, GraphKey(*other));
    window.rows.push_back("other");
    auto t = std::make_shared<Cls9>();
    t->ID = ++GraphIDCounter;
    t->GraphType = GraphType::Table2D;
    t->CoordType = CoordType::PlaneCartesian;
    t->FunForm = FunForm::Explicit;
    t->NameS = "a";
    t->StepU = 1;
    t->StepV = 3;
    const std::pair<float, float> values[] = {{1.5f, -2}, {0.1f, 3.1415927f}, {12345678, 1e-7f}, {-0.0f, 7}};
    for (int j = 0; j < 4; ++j) t->VertTab3D(0, j) = Cls2::Init(values[j].first, values[j].second, 0);
    t->LineColor = RGB(9, 8, 7);
    t->LineWidth = 12;
    t->Show2DLine = false;
    t->Show2DScatter = true;
    t->ShowSmoothCurve = true;
    t->ScatterColor = RGB(1, 1, 1);
    t->ScatterSize = 4;
    t->SmoothCurveColor = RGB(2, 2, 2);
    t->SmoothCurveWidth = 5;
    t->Symbol = 3;
    t->FillStyle = FillStyle::OneColor;
    t->FirstColor = t->SecondColor = 0xFF0000;
    t->Material = Material::Metal;
    t->Show = Show::Wireframe;
    t->Smoothness = Smoothness::Faceted;
    DocumentScene.FunSurfs.Add(t, GraphKey(*t));
    VisibleScene.FunSurfs.Add(t, GraphKey(*t));
    window.rows.push_back("二维表数据图形: a");

    IsEditing = true;
    window.currentRow = 1;
    frmF11& f = frmF11::Get();
    f.FillForEdit(*t);
    f.show();
    EXPECT_EQ(TextOf(f.Text1), "a");
    EXPECT_EQ(TextOf(f.Text2), "4");
    ASSERT_EQ(f.fgdGrid->DataRows(), 4);
    EXPECT_EQ(f.fgdGrid->NumberingText(4), "0,3");
    EXPECT_EQ(f.fgdGrid->CellText(1, 1), "1.5");
    EXPECT_EQ(f.fgdGrid->CellText(1, 2), "-2");
    EXPECT_EQ(f.fgdGrid->CellText(2, 2), "3.1415927");
    EXPECT_EQ(f.fgdGrid->CellText(3, 1), "12345678");
    EXPECT_EQ(f.fgdGrid->CellText(3, 2), "0.0000001");
    EXPECT_EQ(ToStdString(f.Combo1->currentText()), "12");
    EXPECT_EQ(ToStdString(f.Combo2->currentText()), "4");
    EXPECT_EQ(f.Combo3->currentIndex(), 4);
    EXPECT_EQ(f.Combo4->currentIndex(), 2);
    Click(&f, "Command3");

    EXPECT_EQ(box.Count(), 0u);
    EXPECT_FALSE(IsEditing);
    EXPECT_FALSE(frmF11::Loaded());
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 2);
    EXPECT_EQ(DocumentScene.FunSurfs.Item(2), t);
    EXPECT_EQ(t->ID, 2);
    EXPECT_EQ(t->NameS, "a");
    EXPECT_EQ(t->StepV, 3);
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(t->VertTab3D(0, j).x, values[j].first) << j;
        EXPECT_EQ(t->VertTab3D(0, j).y, values[j].second) << j;
    }
    EXPECT_EQ(t->LineColor, RGB(9, 8, 7));
    EXPECT_EQ(t->LineWidth, 12);
    EXPECT_FALSE(t->Show2DLine);
    EXPECT_TRUE(t->Show2DScatter);
    EXPECT_TRUE(t->ShowSmoothCurve);
    EXPECT_EQ(t->ScatterColor, RGB(1, 1, 1));
    EXPECT_EQ(t->ScatterSize, 4);
    EXPECT_EQ(t->SmoothCurveColor, RGB(2, 2, 2));
    EXPECT_EQ(t->SmoothCurveWidth, 5);
    EXPECT_EQ(t->Symbol, 3);
    EXPECT_EQ(window.rows, (std::vector<std::string>{"other", "二维表数据图形  a"}));
    EXPECT_EQ(window.rebuilds, 1);
}

} // namespace
