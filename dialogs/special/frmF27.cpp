#include "dialogs/special/frmF27.h"

#include "core/Globals.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "dialogs/special/SingleBoxes.h"
#include "graph/Cls9.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <memory>
#include <optional>
#include <vector>

frmF27::frmF27() {
    setObjectName(QStringLiteral("frmF27"));
    setWindowTitle(ToQString("三维矢量"));
    SizeTwips(this, 4920, 3495);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    PlaceTwips(SSTab1, 120, 120, 4680, 2715);
    auto* definitionTab = new QWidget;
    auto* propertyTab = new QWidget;
    auto* projectionTab = new QWidget;
    auto* componentTab = new QWidget;
    SSTab1->addTab(definitionTab, ToQString("定义"));
    SSTab1->addTab(propertyTab, ToQString("属性"));
    SSTab1->addTab(projectionTab, ToQString("投影"));
    SSTab1->addTab(componentTab, ToQString("分矢量"));

    Frame1 = Placed(NewFrame(definitionTab, "Frame1", "起点"), 240, 180, 4155, 855);
    Label1 = Placed(NewLabel(Frame1, "Label1", "x"), 180, 390, 255, 255);
    Text1 = Placed(NewText(Frame1, "Text1"), 435, 330, 915, 315);
    Label2 = Placed(NewLabel(Frame1, "Label2", "y"), 1530, 390, 255, 255);
    Text2 = Placed(NewText(Frame1, "Text2"), 1785, 330, 915, 315);
    Label3 = Placed(NewLabel(Frame1, "Label3", "z"), 2880, 390, 255, 255);
    Text3 = Placed(NewText(Frame1, "Text3"), 3135, 330, 915, 315);
    Frame2 = Placed(NewFrame(definitionTab, "Frame2", "终点"), 240, 1200, 4155, 855);
    Label4 = Placed(NewLabel(Frame2, "Label4", "x"), 180, 390, 255, 255);
    Text4 = Placed(NewText(Frame2, "Text4"), 435, 330, 915, 315);
    Label5 = Placed(NewLabel(Frame2, "Label5", "y"), 1530, 390, 255, 255);
    Text5 = Placed(NewText(Frame2, "Text5"), 1785, 330, 915, 315);
    Label6 = Placed(NewLabel(Frame2, "Label6", "z"), 2880, 390, 255, 255);
    Text6 = Placed(NewText(Frame2, "Text6"), 3135, 330, 915, 315);

    Check1 = Placed(NewCheck(propertyTab, "Check1", "显示起点"), 240, 240, 1815, 255);
    Check2 = Placed(NewCheck(propertyTab, "Check2", "显示终点"), 2280, 240, 1815, 255);
    Frame3 = Placed(NewFrame(propertyTab, "Frame3", "属性"), 240, 660, 4155, 1335);
    Label7 = Placed(NewLabel(Frame3, "Label7", "颜色"), 240, 420, 615, 255);
    Picture3 = Placed(NewColorBox(Frame3, "Picture3", 255), 1080, 360, 1215, 375);
    Label8 = Placed(NewLabel(Frame3, "Label8", "宽度"), 240, 900, 615, 255);
    Combo3 = Placed(NewList(Frame3, "Combo3", false), 1080, 840, 1215, 315);

    Check4 = Placed(NewCheck(projectionTab, "Check4", "显示投影"), 240, 360, 2415, 255);
    Check3 = Placed(NewCheck(componentTab, "Check3", "显示分矢量"), 240, 360, 2415, 255);

    Command1 = Placed(NewButton(this, "Command1", "确定"), 2160, 2985, 1215, 375);
    Command2 = Placed(NewButton(this, "Command2", "取消"), 3585, 2985, 1215, 375);
    Command1->setDefault(true);

    connect(Picture3, &ColorBox::clicked, this, Guarded([this] { Picture3_Click(); }));
    connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    Form_Load();
}

void frmF27::Form_Load() { FillWidthList(Combo3); }

void frmF27::Picture3_Click() { PickBoxColor(Picture3); }

void frmF27::Command1_Click() {
    if (!FilterStep({{Text1, BoxFilter::Number}, {Text2, BoxFilter::Number}, {Text3, BoxFilter::Number},
                     {Text4, BoxFilter::Number}, {Text5, BoxFilter::Number}, {Text6, BoxFilter::Number}}))
        return;
    // Every box is read before anything is stored: a number beyond the
    // Single range refuses the OK.
    const std::optional<std::vector<float>> v = ReadSingles({Text1, Text2, Text3, Text4, Text5, Text6});
    if (!v) return;

    // A fresh graph with the class defaults; the dialog's x, y, z are the
    // drawing's Z, X, Y.
    const auto graph = std::make_shared<Cls9>();
    graph->GraphType = GraphType::Vector;
    graph->VecBeginX = (*v)[1];
    graph->VecBeginY = (*v)[2];
    graph->VecBeginZ = (*v)[0];
    graph->VecEndX = (*v)[4];
    graph->VecEndY = (*v)[5];
    graph->VecEndZ = (*v)[3];
    graph->VecColor = Picture3->Color();
    graph->VecWidth = ListPositionValue(Combo3);
    graph->ShowVecBegin = Ticked(Check1);
    graph->ShowVecEnd = Ticked(Check2);
    graph->ShowVecPrj = Ticked(Check4);
    graph->ShowVecB = Ticked(Check3);

    if (!CommitGraph(graph, LabelSource::frmF27)) return;
    CloseGraphDialog(*this);
}

void frmF27::Command2_Click() { CancelGraphDialog(*this); }

void frmF27::FillForEdit(const Cls9& graph) {
    SetText(Text1, ShortestSinglePlainText(graph.VecBeginZ));
    SetText(Text2, ShortestSinglePlainText(graph.VecBeginX));
    SetText(Text3, ShortestSinglePlainText(graph.VecBeginY));
    SetText(Text4, ShortestSinglePlainText(graph.VecEndZ));
    SetText(Text5, ShortestSinglePlainText(graph.VecEndX));
    SetText(Text6, ShortestSinglePlainText(graph.VecEndY));
    Picture3->SetColor(graph.VecColor);
    SelectListValueOrNone(Combo3, graph.VecWidth);
    SetTicked(Check1, graph.ShowVecBegin);
    SetTicked(Check2, graph.ShowVecEnd);
    SetTicked(Check4, graph.ShowVecPrj);
    SetTicked(Check3, graph.ShowVecB);
}
