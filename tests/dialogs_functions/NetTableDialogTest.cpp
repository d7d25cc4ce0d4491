// The strip table dialog frmF10 and the surface table dialog frmF12: their
// pages and defaults, the OK's counts, points and colours (the held first
// colour with 单色), and the edit fillings (fill, OK unchanged, an equal
// table with its edit row).
#include "core/ColorService.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/TableGrid.h"
#include "dialogs/functions/frmF10.h"
#include "dialogs/functions/frmF12.h"
#include "tests/dialogs_functions/GraphDialogFixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

#include <string>
#include <vector>

namespace {

class NetTableDialog : public GraphDialogTest {
protected:
    static std::string Caption(const QWidget* w) {
        if (const auto* o = qobject_cast<const QRadioButton*>(w)) return ToStdString(o->text());
        if (const auto* l = qobject_cast<const QLabel*>(w)) return ToStdString(l->text());
        if (const auto* g = qobject_cast<const QGroupBox*>(w)) return ToStdString(g->title());
        return "";
    }
    template <class Form>
    static std::string Named(const Form& f, const char* name) {
        const auto* w = f.template findChild<QWidget*>(QString::fromLatin1(name));
        return w != nullptr ? Caption(w) : "(none)";
    }
    // The dialog shown and active, as its opener leaves it.
    template <class Form>
    Form& OpenActive() {
        Form& f = OpenNew<Form>();
        f.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        return f;
    }
    // A box cleared and typed into as the user does: click, select all, type.
    static void TypeInto(QLineEdit* box, const char* text) {
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, QString::fromUtf8(text));
    }
    // Data cell `row`, `column` (both from 1) clicked in the grid, which takes the focus.
    static void ClickCell(TableGrid* grid, int row, int column) {
        const QRect cell = grid->visualRect(grid->model()->index(row - 1, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }
    // Keys to whichever widget has the focus (the grid or its editor txtRep):
    // "\t" TAB, "\b" Shift+TAB, "\n" Enter, "v" Down; other characters typed.
    static void Keys(const std::string& keys) {
        for (char c : keys) {
            QWidget* target = QApplication::focusWidget();
            ASSERT_NE(target, nullptr);
            if (c == '\t')
                QTest::keyClick(target, Qt::Key_Tab);
            else if (c == '\b')
                QTest::keyClick(target, Qt::Key_Backtab, Qt::ShiftModifier);
            else if (c == '\n')
                QTest::keyClick(target, Qt::Key_Return);
            else if (c == 'v')
                QTest::keyClick(target, Qt::Key_Down);
            else
                QTest::keyClick(target, c);
        }
    }
    static std::vector<std::string> Column(const TableGrid& g, int column) {
        std::vector<std::string> cells;
        for (int r = 1; r <= g.DataRows(); ++r) cells.push_back(g.CellText(r, column));
        return cells;
    }
    // A table graph in both scenes with its row, as a document holds it.
    std::shared_ptr<Cls9> AddTable(std::int32_t type, std::int32_t rows, std::int32_t columns, const char* name) {
        auto t = std::make_shared<Cls9>();
        t->ID = ++GraphIDCounter;
        t->GraphType = type;
        t->NameS = name;
        t->StepU = type == GraphType::Table3D ? rows - 1 : 1;
        t->StepV = columns - 1;
        if (type == GraphType::Table25D) t->CoordType = CoordType::PlaneCartesian;
        DocumentScene.FunSurfs.Add(t, GraphKey(*t));
        VisibleScene.FunSurfs.Add(t, GraphKey(*t));
        window.rows.push_back(std::string("old ") + name);
        return t;
    }
};

TEST_F(NetTableDialog, PagesCaptionsAndDefaults) {
    struct Control {
        const char* name;
        const char* strip;   // caption in frmF10
        const char* surface; // caption in frmF12
    };
    const Control controls[] = {
        {"Label1", "名称", "名称"},
        {"Label2", "数据点个数", "行数"},
        {"Label3", "(none)", "列数"},
        {"Option1", "从左到右渐变", "从左到右渐变"},
        {"Option2", "从上到下渐变", "从上到下渐变"},
        {"Option3", "从前到后渐变", "从前到后渐变"},
        {"Option4", "单色", "单色"},
        {"Label4", "颜色1", "颜色1"},
        {"Label5", "颜色2", "颜色2"},
        {"Label6", "选择一种材质", "选择一种材质类型"},
        {"Frame1", "模型", "模型"},
        {"Frame2", "平滑程度", "Smooth"},
        {"Option5", "顶点模型", "顶点模型"},
        {"Option6", "线框模型", "线框模型"},
        {"Option7", "曲面模型", "曲面模型"},
        {"Option8", "刻面", "刻面"},
        {"Option9", "较平滑", "较平滑"},
        {"Option10", "平滑", "平滑"},
    };
    frmF10& s = OpenNew<frmF10>();
    frmF12& t = OpenNew<frmF12>();
    for (const Control& c : controls) {
        EXPECT_EQ(Named(s, c.name), c.strip) << c.name;
        EXPECT_EQ(Named(t, c.name), c.surface) << c.name;
    }
    EXPECT_EQ(ToStdString(s.windowTitle()), "二维半表数据图形属性");
    EXPECT_EQ(ToStdString(t.windowTitle()), "三维表数据图形属性");
    for (QTabWidget* tabs : {s.SSTab1, t.SSTab1}) {
        std::vector<std::string> pages;
        for (int i = 0; i < tabs->count(); ++i) pages.push_back(ToStdString(tabs->tabText(i)));
        EXPECT_EQ(pages, (std::vector<std::string>{"数据", "颜色", "材质", "外观"}));
    }
    EXPECT_EQ(s.Text3, nullptr);
    EXPECT_EQ(TextOf(t.Text3), "5");
    EXPECT_EQ(s.fgdGrid->DataRows(), 5);
    EXPECT_EQ(t.fgdGrid->DataRows(), 25);
    EXPECT_TRUE(s.Option2->isChecked());
    EXPECT_TRUE(s.Option7->isChecked());
    EXPECT_TRUE(s.Option10->isChecked());
    EXPECT_EQ(s.List1->count(), 13);
    EXPECT_EQ(s.List1->currentRow(), 3);
    EXPECT_EQ(s.Picture2->Color(), RGB(255, 0, 0));
    EXPECT_EQ(s.Picture3->Color(), RGB(0, 0, 255));
    EXPECT_EQ(s.Picture4->Color(), RGB(255, 0, 0));
}

TEST_F(NetTableDialog, UntouchedOkGivesTheDefaultTables) {
    frmF10& s = OpenNew<frmF10>();
    Click(&s, "Command3");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    Cls9& strip = *DocumentScene.FunSurfs.Item(1);
    EXPECT_EQ(strip.GraphType, GraphType::Table25D);
    EXPECT_EQ(strip.CoordType, CoordType::PlaneCartesian);
    EXPECT_EQ(strip.NameS, "Untitled");
    EXPECT_EQ(strip.StepU, 1);
    EXPECT_EQ(strip.StepV, 4);
    for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(strip.VertTab3D(0, j).x, 0);
        EXPECT_EQ(strip.VertTab3D(0, j).y, 0);
    }
    EXPECT_EQ(strip.FillStyle, FillStyle::TopToBottom);
    EXPECT_EQ(strip.FirstColor, RGB(255, 0, 0));
    EXPECT_EQ(strip.SecondColor, RGB(0, 0, 255));
    EXPECT_EQ(strip.Material, Material::Metal);
    EXPECT_EQ(strip.Show, Show::FilledSurface);
    EXPECT_EQ(strip.Smoothness, Smoothness::Smooth);
    EXPECT_FALSE(strip.Vert3D.Exists());
    EXPECT_TRUE(window.rows.empty());

    frmF12& t = OpenNew<frmF12>();
    Click(&t, "Command3");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 2);
    Cls9& net = *DocumentScene.FunSurfs.Item(2);
    EXPECT_EQ(net.GraphType, GraphType::Table3D);
    EXPECT_EQ(net.ID, 2);
    EXPECT_EQ(net.StepU, 4);
    EXPECT_EQ(net.StepV, 4);
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j) {
            const Cls2& p = net.VertTab3D(i, j);
            EXPECT_TRUE(p.x == 0 && p.y == 0 && p.z == 0) << i << "," << j;
        }
    EXPECT_EQ(net.FillStyle, FillStyle::TopToBottom);
    EXPECT_EQ(net.Material, Material::Metal);
    EXPECT_FALSE(IsEditing);
}

TEST_F(NetTableDialog, SurfaceCellsGoToTheDrawingAxes) {
    frmF12& f = OpenNew<frmF12>();
    SetText(f.Text2, "2");
    SetText(f.Text3, "3");
    Click(&f, "Command5");
    f.fgdGrid->SetCellText(5, 1, "1");
    f.fgdGrid->SetCellText(5, 2, "2");
    f.fgdGrid->SetCellText(5, 3, "3");
    f.fgdGrid->SetCellText(3, 1, "1,5");
    Click(&f, "Command3");
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    Cls9& g = *DocumentScene.FunSurfs.Item(1);
    EXPECT_EQ(g.StepU, 1);
    EXPECT_EQ(g.StepV, 2);
    const Cls2& p = g.VertTab3D(1, 1);
    EXPECT_EQ(p.x, 2);
    EXPECT_EQ(p.y, 3);
    EXPECT_EQ(p.z, 1);
    EXPECT_EQ(g.VertTab3D(0, 2).z, 1.5f);
}

TEST_F(NetTableDialog, CountRefusals) {
    struct Case {
        const char* what;
        bool surface;
        const char* reset2;
        const char* reset3;
        const char* text2;
        const char* text3;
        const char* title;
        const char* message;
    };
    const Case cases[] = {
        {"strip, empty", false, "", "", "", "", "Vexilon", "请输入所有参数。"},
        {"strip, 0", false, "", "", "0", "", "Vexilon", "数据个数必须在1到201之间。"},
        {"strip, 202", false, "", "", "202", "", "Vexilon", "数据个数必须在1到201之间。"},
        {"strip, 6 of 5 rows", false, "", "", "6", "", "Vexilon", "数据个数与表格行数不一致，请先按“重置”。"},
        {"strip, a bad cell", false, "", "", "5", "", "出错", "存在非法数据。"},
        {"surface, empty columns", true, "", "", "5", "", "Vexilon", "请输入所有参数。"},
        {"surface, 0 rows", true, "", "", "0", "5", "Vexilon", "行数和列数必须在1到201之间。"},
        {"surface, 202 columns", true, "", "", "1", "202", "Vexilon", "行数和列数必须在1到201之间。"},
        {"surface, 3 × 3 after 重置 at 2 × 2", true, "2", "2", "3", "3", "Vexilon",
         "数据个数与表格行数不一致，请先按“重置”。"},
        {"surface, a bad cell", true, "", "", "5", "5", "出错", "存在非法数据。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        box.Clear();
        FormBase* form = nullptr;
        if (c.surface) {
            frmF12& f = OpenNew<frmF12>();
            if (*c.reset2 != '\0') {
                SetText(f.Text2, c.reset2);
                SetText(f.Text3, c.reset3);
                Click(&f, "Command5");
            }
            SetText(f.Text2, c.text2);
            SetText(f.Text3, c.text3);
            f.fgdGrid->SetCellText(1, 3, "z");
            form = &f;
        } else {
            frmF10& f = OpenNew<frmF10>();
            SetText(f.Text2, c.text2);
            f.fgdGrid->SetCellText(2, 2, "?");
            form = &f;
        }
        Click(form, "Command3");
        if (c.surface)
            ExpectOkOutcome<frmF12>(0, c.title, c.message);
        else
            ExpectOkOutcome<frmF10>(0, c.title, c.message);
        form->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(NetTableDialog, SingleColourTakesTheHeldFirstColour) {
    frmF10& f = OpenNew<frmF10>();
    // 颜色2 and the single-colour box both set the held second colour; the
    // OK reads the boxes.
    colors.Choose(RGB(0, 255, 0));
    colors.Choose(RGB(7, 7, 7));
    QTest::mouseClick(f.Picture3, Qt::LeftButton);
    QTest::mouseClick(f.Picture4, Qt::LeftButton);
    f.Option4->setChecked(true);
    Click(&f, "Command3");
    const Cls9& g = *DocumentScene.FunSurfs.Item(1);
    EXPECT_EQ(g.FillStyle, FillStyle::OneColor);
    EXPECT_EQ(g.FirstColor, RGB(255, 0, 0));
    EXPECT_EQ(g.SecondColor, RGB(7, 7, 7));

    // A colour picked for 颜色1 is the held first colour.
    frmF12& t = OpenNew<frmF12>();
    colors.Choose(RGB(1, 2, 3));
    QTest::mouseClick(t.Picture2, Qt::LeftButton);
    t.Option4->setChecked(true);
    t.Option5->setChecked(true);
    t.Option8->setChecked(true);
    t.List1->setCurrentRow(12);
    Click(&t, "Command3");
    const Cls9& h = *DocumentScene.FunSurfs.Item(2);
    EXPECT_EQ(h.FirstColor, RGB(1, 2, 3));
    EXPECT_EQ(h.SecondColor, RGB(255, 0, 0));
    EXPECT_EQ(h.Show, Show::Vertices);
    EXPECT_EQ(h.Smoothness, Smoothness::Faceted);
    EXPECT_EQ(h.Material, Material::Winter);
    // The fill options in value order: 1 left to right, 2 front to back, 3 top to bottom.
    for (auto [option, style] : {std::pair{"Option1", 1}, {"Option3", 2}, {"Option2", 3}}) {
        frmF10& u = OpenNew<frmF10>();
        u.findChild<QRadioButton*>(QString::fromLatin1(option))->setChecked(true);
        Click(&u, "Command3");
        EXPECT_EQ(DocumentScene.FunSurfs.Item(DocumentScene.FunSurfs.Count())->FillStyle, style) << option;
    }
}

TEST_F(NetTableDialog, StripFillThenOkUnchangedGivesAnEqualTable) {
    DocumentKind = 2;
    AddTable(GraphType::Table25D, 1, 2, "x");
    const auto t = AddTable(GraphType::Table25D, 1, 3, "b");
    const std::pair<float, float> values[] = {{12345678, -1.5f}, {0.1f, 1e10f}, {-2, 3.1415927f}};
    for (int j = 0; j < 3; ++j) t->VertTab3D(0, j) = Cls2::Init(values[j].first, values[j].second, 0);
    t->FillStyle = FillStyle::OneColor;
    t->FirstColor = RGB(0, 200, 0);
    t->SecondColor = RGB(10, 20, 30);
    t->Material = Material::Glass;
    t->Show = Show::Wireframe;
    t->Smoothness = Smoothness::Smoother;

    IsEditing = true;
    window.currentRow = 1;
    frmF10& f = frmF10::Get();
    f.FillForEdit(*t);
    f.show();
    EXPECT_EQ(TextOf(f.Text1), "b");
    EXPECT_EQ(TextOf(f.Text2), "3");
    ASSERT_EQ(f.fgdGrid->DataRows(), 3);
    EXPECT_EQ(f.fgdGrid->NumberingText(3), "0,2");
    EXPECT_EQ(f.fgdGrid->CellText(1, 1), "12345678");
    EXPECT_EQ(f.fgdGrid->CellText(2, 2), "10000000000");
    EXPECT_TRUE(f.Option4->isChecked());
    EXPECT_EQ(f.Picture2->Color(), RGB(0, 200, 0));
    EXPECT_EQ(f.Picture3->Color(), RGB(10, 20, 30));
    EXPECT_EQ(f.Picture4->Color(), RGB(10, 20, 30));
    EXPECT_EQ(f.List1->currentRow(), 2);
    EXPECT_TRUE(f.Option6->isChecked());
    EXPECT_TRUE(f.Option9->isChecked());
    Click(&f, "Command3");

    EXPECT_EQ(box.Count(), 0u);
    EXPECT_FALSE(IsEditing);
    ASSERT_EQ(DocumentScene.FunSurfs.Item(2), t);
    EXPECT_EQ(t->ID, 2);
    EXPECT_EQ(t->StepV, 2);
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(t->VertTab3D(0, j).x, values[j].first) << j;
        EXPECT_EQ(t->VertTab3D(0, j).y, values[j].second) << j;
    }
    EXPECT_EQ(t->FillStyle, FillStyle::OneColor);
    EXPECT_EQ(t->FirstColor, RGB(0, 200, 0));
    EXPECT_EQ(t->SecondColor, RGB(10, 20, 30));
    EXPECT_EQ(t->Material, Material::Glass);
    EXPECT_EQ(t->Show, Show::Wireframe);
    EXPECT_EQ(t->Smoothness, Smoothness::Smoother);
    EXPECT_EQ(window.rows, (std::vector<std::string>{"old x", "二维半表数据图形  b"}));
    EXPECT_EQ(window.rebuilds, 1);
}

TEST_F(NetTableDialog, SurfaceFillThenOkUnchangedGivesAnEqualTable) {
    DocumentKind = 3;
    const auto t = AddTable(GraphType::Table3D, 2, 3, "c");
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j) t->VertTab3D(i, j) = Cls2::Init(float(i) + 0.1f, float(j) * 1.5f, -float(i * 3 + j));
    t->FillStyle = FillStyle::FrontToBack;
    t->FirstColor = RGB(5, 5, 5);
    t->SecondColor = RGB(6, 6, 6);
    t->Material = Material::Winter;
    t->Show = Show::Vertices;
    t->Smoothness = Smoothness::Faceted;

    IsEditing = true;
    window.currentRow = 0;
    frmF12& f = frmF12::Get();
    f.FillForEdit(*t);
    f.show();
    EXPECT_EQ(TextOf(f.Text2), "2");
    EXPECT_EQ(TextOf(f.Text3), "3");
    ASSERT_EQ(f.fgdGrid->DataRows(), 6);
    // Grid row 5 is table point (1, 1): X = z, Y = x, Z = y.
    EXPECT_EQ(f.fgdGrid->NumberingText(5), "1,1");
    EXPECT_EQ(f.fgdGrid->CellText(5, 1), "-4");
    EXPECT_EQ(f.fgdGrid->CellText(5, 2), "1.1");
    EXPECT_EQ(f.fgdGrid->CellText(5, 3), "1.5");
    EXPECT_TRUE(f.Option3->isChecked());
    Click(&f, "Command3");

    EXPECT_EQ(box.Count(), 0u);
    EXPECT_EQ(t->StepU, 1);
    EXPECT_EQ(t->StepV, 2);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j) {
            const Cls2& p = t->VertTab3D(i, j);
            EXPECT_EQ(p.x, float(i) + 0.1f);
            EXPECT_EQ(p.y, float(j) * 1.5f);
            EXPECT_EQ(p.z, -float(i * 3 + j));
        }
    EXPECT_EQ(t->FillStyle, FillStyle::FrontToBack);
    EXPECT_EQ(t->FirstColor, RGB(5, 5, 5));
    EXPECT_EQ(t->SecondColor, RGB(6, 6, 6));
    EXPECT_EQ(t->Material, Material::Winter);
    EXPECT_EQ(t->Show, Show::Vertices);
    EXPECT_EQ(t->Smoothness, Smoothness::Faceted);
    EXPECT_EQ(window.rows, (std::vector<std::string>{"三维表数据图形  c"}));
}

TEST_F(NetTableDialog, FillingValuesWithoutAnOptionOrEntry) {
    DocumentKind = 2;
    const auto t = AddTable(GraphType::Table25D, 1, 1, "d");
    t->FillStyle = 7;
    t->Material = 14;
    t->Show = 0;
    t->Smoothness = 9;
    IsEditing = true;
    window.currentRow = 0;
    frmF10& f = frmF10::Get();
    f.FillForEdit(*t);
    EXPECT_EQ(f.fgdGrid->DataRows(), 1);
    EXPECT_TRUE(f.Option2->isChecked());
    // A material without an entry selects none and is held as it is.
    EXPECT_EQ(f.List1->currentRow(), -1);
    EXPECT_TRUE(f.Option7->isChecked());
    EXPECT_TRUE(f.Option10->isChecked());
    // An empty table point reads as the origin.
    EXPECT_EQ(f.fgdGrid->CellText(1, 1), "0");
    f.show();
    Click(&f, "Command3");
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_EQ(t->Material, 14);
    EXPECT_EQ(t->FillStyle, FillStyle::TopToBottom);
}

TEST_F(NetTableDialog, StripTableTypedByTheUser) {
    frmF10& f = OpenActive<frmF10>();
    TypeInto(f.Text1, "band 1");
    TypeInto(f.Text2, "3");
    QTest::mouseClick(f.Command5, Qt::LeftButton);
    ASSERT_EQ(f.fgdGrid->DataRows(), 3);
    ClickCell(f.fgdGrid, 1, 1);
    // Per row: X, TAB, Y, Down, Shift+TAB to the next row's X. A TAB in the
    // last column stays there; a comma becomes a point at the OK.
    Keys("-1\t2,5\tv\b3\t-4\nv\b");
    EXPECT_FALSE(f.txtRep->isVisible());
    Keys("1e1\t\t7");
    EXPECT_TRUE(f.txtRep->isVisible());
    EXPECT_EQ(Column(*f.fgdGrid, 1), (std::vector<std::string>{"-1", "3", "1e1"}));
    EXPECT_EQ(Column(*f.fgdGrid, 2), (std::vector<std::string>{"2,5", "-4", "7"}));
    // The OK with the editor still open takes what was typed.
    QTest::mouseClick(f.Command3, Qt::LeftButton);

    EXPECT_EQ(box.Count(), 0u);
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    EXPECT_FALSE(frmF10::Loaded());
    Cls9& g = *DocumentScene.FunSurfs.Item(1);
    EXPECT_EQ(g.GraphType, GraphType::Table25D);
    EXPECT_EQ(g.NameS, "band 1");
    EXPECT_EQ(g.StepU, 1);
    EXPECT_EQ(g.StepV, 2);
    const float expected[][2] = {{-1, 2.5f}, {3, -4}, {10, 7}};
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(g.VertTab3D(0, j).x, expected[j][0]) << j;
        EXPECT_EQ(g.VertTab3D(0, j).y, expected[j][1]) << j;
        EXPECT_EQ(g.VertTab3D(0, j).z, 0) << j;
    }
    EXPECT_TRUE(VisibleScene.FunSurfs.Item(1) == DocumentScene.FunSurfs.Item(1));
}

TEST_F(NetTableDialog, SurfaceTableTypedByTheUser) {
    frmF12& f = OpenActive<frmF12>();
    TypeInto(f.Text2, "2");
    TypeInto(f.Text3, "2");
    QTest::mouseClick(f.Command5, Qt::LeftButton);
    ASSERT_EQ(f.fgdGrid->DataRows(), 4);
    EXPECT_EQ(f.fgdGrid->NumberingText(3), "1,0");
    ClickCell(f.fgdGrid, 1, 1);
    // X, Y, Z of the table points (0,0), (0,1), (1,0), (1,1) in turn.
    Keys("1\t2\t3\tv\b\b4\t5\t6v\b\b7\t8\t9v\b\b0\t-1\t-2\n");
    EXPECT_EQ(Column(*f.fgdGrid, 3), (std::vector<std::string>{"3", "6", "9", "-2"}));
    // A bad cell typed over is refused at the OK with the cells before it cleaned.
    ClickCell(f.fgdGrid, 2, 2);
    Keys("5 \t");
    ClickCell(f.fgdGrid, 3, 2);
    Keys("x\n");
    QTest::mouseClick(f.Command3, Qt::LeftButton);
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "存在非法数据。");
    EXPECT_EQ(box.Last().title, "出错");
    EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(f.fgdGrid->CellText(2, 2), "5");
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
    ClickCell(f.fgdGrid, 3, 2);
    Keys("8\n");
    QTest::mouseClick(f.Command3, Qt::LeftButton);

    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    Cls9& g = *DocumentScene.FunSurfs.Item(1);
    EXPECT_EQ(g.GraphType, GraphType::Table3D);
    EXPECT_EQ(g.StepU, 1);
    EXPECT_EQ(g.StepV, 1);
    // The X, Y, Z cells become z, x, y.
    const float cells[2][2][3] = {{{1, 2, 3}, {4, 5, 6}}, {{7, 8, 9}, {0, -1, -2}}};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            const Cls2& p = g.VertTab3D(i, j);
            EXPECT_EQ(p.z, cells[i][j][0]) << i << "," << j;
            EXPECT_EQ(p.x, cells[i][j][1]) << i << "," << j;
            EXPECT_EQ(p.y, cells[i][j][2]) << i << "," << j;
        }
}

TEST_F(NetTableDialog, TypedCountsRefusedAtTheOk) {
    struct Case {
        const char* what;
        bool surface;
        const char* rows;    // Text2
        const char* columns; // Text3 (surface)
        const char* message;
    };
    const Case cases[] = {
        {"strip 0", false, "0", "", "数据个数必须在1到201之间。"},
        {"strip -3", false, "-3", "", "数据个数必须在1到201之间。"},
        {"strip 202", false, "202", "", "数据个数必须在1到201之间。"},
        {"strip 8 without 重置", false, "8", "", "数据个数与表格行数不一致，请先按“重置”。"},
        {"surface 0 columns", true, "5", "0", "行数和列数必须在1到201之间。"},
        {"surface 202 rows", true, "202", "1", "行数和列数必须在1到201之间。"},
        {"surface 5 × 6 without 重置", true, "5", "6", "数据个数与表格行数不一致，请先按“重置”。"},
        {"surface empty rows", true, "", "5", "请输入所有参数。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        box.Clear();
        FormBase* form = nullptr;
        if (c.surface) {
            frmF12& f = OpenActive<frmF12>();
            TypeInto(f.Text2, c.rows);
            TypeInto(f.Text3, c.columns);
            form = &f;
        } else {
            frmF10& f = OpenActive<frmF10>();
            TypeInto(f.Text2, c.rows);
            form = &f;
        }
        Click(form, "Command3");
        if (c.surface)
            ExpectOkOutcome<frmF12>(0, "Vexilon", c.message);
        else
            ExpectOkOutcome<frmF10>(0, "Vexilon", c.message);
        EXPECT_TRUE(form->isVisible());
        form->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(NetTableDialog, EditTypedOverAndCancelled) {
    DocumentKind = 2;
    const auto t = AddTable(GraphType::Table25D, 1, 2, "e");
    t->VertTab3D(0, 0) = Cls2::Init(1, 2, 0);
    t->VertTab3D(0, 1) = Cls2::Init(3, 4, 0);
    t->FirstColor = RGB(0, 0, 9);

    // Cancel: the table and its row as they were; the filling did not reach the graph.
    frmF10& f = OpenForEdit<frmF10>(0);
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    ClickCell(f.fgdGrid, 2, 2);
    Keys("9\n");
    TypeInto(f.Text1, "zz");
    QTest::mouseClick(f.Command4, Qt::LeftButton);
    EXPECT_FALSE(frmF10::Loaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(t->NameS, "e");
    EXPECT_EQ(t->VertTab3D(0, 1).y, 4);
    EXPECT_EQ(window.rows, (std::vector<std::string>{"old e"}));
    EXPECT_EQ(window.rebuilds, 0);

    // OK after typing over one cell: that point alone changes.
    frmF10& g = OpenForEdit<frmF10>(0);
    g.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&g));
    ClickCell(g.fgdGrid, 2, 2);
    Keys("9\n");
    QTest::mouseClick(g.Command3, Qt::LeftButton);
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_FALSE(IsEditing);
    EXPECT_EQ(t->VertTab3D(0, 0).x, 1);
    EXPECT_EQ(t->VertTab3D(0, 0).y, 2);
    EXPECT_EQ(t->VertTab3D(0, 1).x, 3);
    EXPECT_EQ(t->VertTab3D(0, 1).y, 9);
    EXPECT_EQ(t->FirstColor, RGB(0, 0, 9));
    EXPECT_EQ(window.rows, (std::vector<std::string>{"二维半表数据图形  e"}));
}

} // namespace
