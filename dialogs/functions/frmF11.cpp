#include "dialogs/functions/frmF11.h"

#include "core/ColorService.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "dialogs/functions/TableGrid.h"
#include "graph/Cls9.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>
#include <optional>

frmF11::frmF11() {
    setObjectName(QStringLiteral("frmF11"));
    const TableDialogFrame frame =
        BuildTableDialogFrame(this, "二维表数据图形属性", {"数据", "线形图", "散点图", "曲线拟合"}, 4165);
    SSTab1 = frame.SSTab1;
    Command3 = frame.Command3;
    Command4 = frame.Command4;

    data_ = std::make_unique<TableDataPage>(frame.Page(0), TableFormat::D2);
    Text1 = data_->Text1;
    Text2 = data_->Text2;
    fgdGrid = data_->fgdGrid;
    txtRep = fgdGrid->txtRep;
    Command5 = data_->Command5;
    Command2 = data_->Command2;
    Command1 = data_->Command1;

    QWidget* line = frame.Page(1);
    Check1 = Placed(NewCheck(line, "Check1", "显示线形图"), 240, 360, 2400, 300);
    Label7 = Placed(NewLabel(line, "Label7", "颜色"), 240, 960, 615, 255);
    Picture1 = Placed(NewColorBox(line, "Picture1", RGB(0, 128, 0)), 1080, 900, 1215, 375);
    Label8 = Placed(NewLabel(line, "Label8", "宽度"), 240, 1500, 615, 255);
    Combo1 = Placed(NewList(line, "Combo1", true), 1080, 1440, 1215, 315);
    Check1->setChecked(true);

    QWidget* scatter = frame.Page(2);
    Check2 = Placed(NewCheck(scatter, "Check2", "显示散点图"), 240, 360, 2400, 300);
    Label9 = Placed(NewLabel(scatter, "Label9", "大小"), 240, 960, 615, 255);
    Combo2 = Placed(NewList(scatter, "Combo2", true), 1080, 900, 1215, 315);
    Label10 = Placed(NewLabel(scatter, "Label10", "颜色"), 240, 1500, 615, 255);
    Picture2 = Placed(NewColorBox(scatter, "Picture2", RGB(0, 0, 64)), 1080, 1440, 1215, 375);
    Label11 = Placed(NewLabel(scatter, "Label11", "标记"), 240, 2040, 615, 255);
    Combo4 = Placed(NewList(scatter, "Combo4", false), 1080, 1980, 1815, 315);

    QWidget* curve = frame.Page(3);
    Check3 = Placed(NewCheck(curve, "Check3", "显示拟合曲线"), 240, 360, 2400, 300);
    Label12 = Placed(NewLabel(curve, "Label12", "颜色"), 240, 960, 615, 255);
    Picture4 = Placed(NewColorBox(curve, "Picture4", RGB(255, 0, 0)), 1080, 900, 1215, 375);
    Label13 = Placed(NewLabel(curve, "Label13", "宽度"), 240, 1500, 615, 255);
    Combo3 = Placed(NewList(curve, "Combo3", false), 1080, 1440, 1215, 315);

    connect(Picture1, &ColorBox::clicked, this, Guarded([this] { Picture1_Click(); }));
    connect(Picture2, &ColorBox::clicked, this, Guarded([this] { Picture2_Click(); }));
    connect(Picture4, &ColorBox::clicked, this, Guarded([this] { Picture4_Click(); }));
    connect(Command3, &QPushButton::clicked, this, Guarded([this] { Command3_Click(); }));
    connect(Command4, &QPushButton::clicked, this, Guarded([this] { Command4_Click(); }));
    Form_Load();
}

void frmF11::Form_Load() {
    FillWidthList(Combo1);
    Combo1->setEditText(QStringLiteral("1"));
    FillSizeList(Combo2);
    FillWidthList(Combo3);
    FillSymbolList(Combo4);
    graph_ = std::make_shared<Cls9>();
    data_->Command5_Click();
}

void frmF11::Command3_Click() {
    const std::optional<TableSize> size = data_->CheckCounts();
    if (!size) return;
    const std::int32_t n = size->columns;
    graph_->StepV = n - 1;
    graph_->StepU = 1;
    // Widths and sizes are whole numbers of their texts.
    const std::optional<std::int32_t> width = WholeCount(ToStdString(Combo1->currentText()));
    const std::optional<std::int32_t> scatterSize = WholeCount(ToStdString(Combo2->currentText()));
    if (!width || !scatterSize) {
        RefuseOk(IllegalDataMessage, ErrorTitle);
        return;
    }
    if (!StoreTablePoints(TableFormat::D2, *fgdGrid, *size, *graph_)) return;

    Cls9& g = *graph_;
    g.CoordType = CoordType::PlaneCartesian;
    g.NameS = TextOf(Text1);
    g.GraphType = GraphType::Table2D;
    g.FillStyle = FillStyle::OneColor;
    g.FirstColor = 0xFF0000;
    g.SecondColor = 0xFF0000;
    g.LineColor = Picture1->Color();
    g.LineWidth = *width;
    g.Material = Material::Metal;
    g.Show = Show::Wireframe;
    g.Smoothness = Smoothness::Faceted;
    g.FunForm = FunForm::Explicit;
    g.Show2DLine = Ticked(Check1);
    g.Show2DScatter = Ticked(Check2);
    g.ShowSmoothCurve = Ticked(Check3);
    g.ScatterColor = Picture2->Color();
    g.ScatterSize = *scatterSize;
    g.SmoothCurveColor = Picture4->Color();
    g.SmoothCurveWidth = ListPositionValue(Combo3);
    g.Symbol = ListPositionValue(Combo4);

    if (!CommitGraph(graph_, LabelSource::frmF11, GraphSampling::Table)) return;
    CloseGraphDialog(*this);
}

void frmF11::Command4_Click() { CancelGraphDialog(*this); }

void frmF11::Picture1_Click() { PickBoxColor(Picture1); }
void frmF11::Picture2_Click() { PickBoxColor(Picture2); }
void frmF11::Picture4_Click() { PickBoxColor(Picture4); }

void frmF11::FillForEdit(const Cls9& table) {
    SetText(Text1, table.NameS);
    const std::int64_t count = std::int64_t(table.StepV) + 1;
    data_->FillCounts(1, count);
    FillTableCells(TableFormat::D2, table, *fgdGrid);
    SetTicked(Check1, table.Show2DLine);
    SetTicked(Check2, table.Show2DScatter);
    SetTicked(Check3, table.ShowSmoothCurve);
    Picture1->SetColor(table.LineColor);
    Picture2->SetColor(table.ScatterColor);
    Picture4->SetColor(table.SmoothCurveColor);
    // Lists read by their text show any whole value; position lists only their own.
    if (!SelectListValue(Combo1, table.LineWidth)) Combo1->setEditText(ToQString(LongText(table.LineWidth)));
    if (!SelectListValue(Combo2, table.ScatterSize)) Combo2->setEditText(ToQString(LongText(table.ScatterSize)));
    SelectListValue(Combo3, table.SmoothCurveWidth);
    SelectListValue(Combo4, table.Symbol);
}
