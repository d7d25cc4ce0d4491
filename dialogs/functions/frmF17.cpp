#include "dialogs/functions/frmF17.h"

#include "core/ColorParts.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/MainWindowLink.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "dialogs/functions/PointParts.h"
#include "graph/Cls9.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <string>

frmF17::frmF17() {
    setObjectName(QStringLiteral("frmF17"));
    setWindowTitle(ToQString("点动画"));
    SizeTwips(this, 5040, 5880);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    PlaceTwips(SSTab1, 120, 120, 4800, 4980);
    auto* pointTab = new QWidget;
    auto* propertyTab = new QWidget;
    SSTab1->addTab(pointTab, ToQString("点"));
    SSTab1->addTab(propertyTab, ToQString("属性"));

    Label1 = Placed(NewLabel(pointTab, "Label1", "名称"), 240, 300, 735, 255);
    Text1 = Placed(NewText(pointTab, "Text1", "Untitled"), 1320, 240, 3015, 315);
    Label2 = Placed(NewLabel(pointTab, "Label2", "坐标系类型"), 240, 780, 1035, 255);
    Combo1 = Placed(NewList(pointTab, "Combo1", false), 1320, 720, 3015, 315);
    Frame1 = Placed(NewFrame(pointTab, "Frame1", "坐标表达式"), 240, 1200, 4095, 1575);
    Label3 = Placed(NewLabel(Frame1, "Label3", "X(t)"), 240, 360, 495, 255);
    Text2 = Placed(NewText(Frame1, "Text2"), 840, 300, 3015, 315);
    Label4 = Placed(NewLabel(Frame1, "Label4", "Y(t)"), 240, 780, 495, 255);
    Text3 = Placed(NewText(Frame1, "Text3"), 840, 720, 3015, 315);
    Label5 = Placed(NewLabel(Frame1, "Label5", "Z(t)"), 240, 1200, 495, 255);
    Text4 = Placed(NewText(Frame1, "Text4"), 840, 1140, 3015, 315);
    Frame2 = Placed(NewFrame(pointTab, "Frame2", "t 的取值"), 240, 2880, 4095, 1575);
    Label6 = Placed(NewLabel(Frame2, "Label6", "最小t"), 240, 360, 735, 255);
    Text5 = Placed(NewText(Frame2, "Text5"), 1080, 300, 2775, 315);
    Label7 = Placed(NewLabel(Frame2, "Label7", "最大t"), 240, 780, 735, 255);
    Text6 = Placed(NewText(Frame2, "Text6"), 1080, 720, 2775, 315);
    Label8 = Placed(NewLabel(Frame2, "Label8", "段数t"), 240, 1200, 735, 255);
    Text7 = Placed(NewText(Frame2, "Text7"), 1080, 1140, 2775, 315);
    Text7->setToolTip(QStringLiteral("Recommended Value: 30 - 60"));

    const PointPropertyTab properties = NewPointPropertyTab(propertyTab, "Label9", "Label10", "Frame3", MenuTextColor);
    Label9 = properties.colorLabel;
    Picture1 = properties.color;
    Label10 = properties.sizeLabel;
    Combo2 = properties.size;
    Frame3 = properties.frame;
    Option1 = properties.solid;
    Option2 = properties.hollow;

    Command1 = Placed(NewButton(this, "Command1", "确定"), 2160, 5325, 1215, 375);
    Command2 = Placed(NewButton(this, "Command2", "取消"), 3600, 5325, 1215, 375);
    Command1->setDefault(true);

    connect(Combo1, &QComboBox::currentIndexChanged, this, Guarded([this] { Combo1_Click(); }));
    connect(Picture1, &ColorBox::clicked, this, Guarded([this] { Picture1_Click(); }));
    connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    Form_Load();
}

void frmF17::Form_Load() {
    // The openers replace these entries.
    AddListItems(Combo1, {"直角坐标", "极坐标"});
    FillSizeList(Combo2);
}

void frmF17::Combo1_Click() { RelabelPointBoxes(Combo1, Label3, Label4, Label5, "(t)"); }

void frmF17::Picture1_Click() { PickBoxColor(Picture1); }

void frmF17::Command1_Click() {
    // The empty test comes first: a t box of one blank passes it and is read
    // as "0" after the filter.
    if (PlanePointCoordinates() ? !EmptyStep({Text2, Text3, Text5, Text6})
                                : !EmptyStep({Text2, Text3, Text4, Text5, Text6}))
        return;
    if (!FilterStep({{Text3}, {Text4}, {Text2}, {Text5}, {Text6}, {Text7}})) return;
    // A box of blanks passed the empty test and is empty after the filter (no
    // point can be sampled from it): missing as well.
    if (IsShown(Text4) ? !EmptyStep({Text2, Text3, Text4, Text5, Text6}) : !EmptyStep({Text2, Text3, Text5, Text6}))
        return;
    // The t count only shows FrameCount; it is checked and not used.
    if (!CountStep(TextOf(Text7), CountFloor::AboveZero, "段数 t 必须大于0。")) return;

    // Playback is on from here, whatever the rest of the OK gives.
    MainWindow().EnablePlayback();
    const std::int32_t coordType = SelectedPointCoordType(Combo1);
    BoundEvaluation bounds;
    const auto firstT = bounds.Evaluate(TextOf(Text5));
    if (!firstT) return;
    const auto lastT = bounds.Evaluate(TextOf(Text6));
    if (!lastT) return;
    if (!RangeStep(*firstT, *lastT, "最小t必须小于最大t。")) return;

    // Three expressions while the third is shown, else a plane point.
    const bool three = IsShown(Label5);
    const std::string x = three ? TextOf(Text2) : "0";
    const std::string y = three ? TextOf(Text3) : TextOf(Text2);
    const std::string z = three ? TextOf(Text4) : TextOf(Text3);
    const auto graph = NewPointGraph(TextOf(Text1), GraphType::PointAnimation, coordType, x, y, z);
    graph->MaxT = *lastT;
    graph->MinT = *firstT;
    graph->Animation = true;
    ReadPointMarker({Picture1, Combo2, Option1, Option2}, *graph);

    if (!CommitGraph(graph, LabelSource::frmF17)) return;
    CloseGraphDialog(*this);
}

void frmF17::Command2_Click() { CancelGraphDialog(*this); }

void frmF17::ShowVariant(bool thirdCoordinate, bool markerChoice) {
    Label5->setVisible(thirdCoordinate);
    Text4->setVisible(thirdCoordinate);
    Frame3->setVisible(markerChoice);
}

void frmF17::ShowFrameCount() {
    Text7->setEnabled(false);
    SetText(Text7, LongText(FrameCount));
}

namespace {

// A point of a plane or special-graph document moves in the plane of its
// frame: two expressions (x stays "0"); strip and space documents give three.
bool TwoCoordinates() { return DocumentKind == 1 || DocumentKind == 7; }

} // namespace

void frmF17::PrepareNewAnimation() {
    if (DocumentKind == 1) {
        ShowVariant(false, true);
    } else {
        ShowVariant(!TwoCoordinates(), false);
        Picture1->SetColor(255);
    }
    FillPointCoordinateSystems(Combo1);
    SelectListIndex(Combo1, 0);
    ShowFrameCount();
}

void frmF17::FillForEdit(const Cls9& graph) {
    // Plane, strip and special documents get the two plane entries, space
    // documents the three space entries, as their creation command gives them.
    FillPointCoordinateSystems(Combo1);
    SelectPointCoordType(Combo1, graph.CoordType);
    SetText(Text1, graph.NameS);
    const bool plane = DocumentKind == 1;
    const bool two = TwoCoordinates();
    if (two) {
        SetText(Text2, graph.ExpressY);
        SetText(Text3, graph.ExpressZ);
    } else {
        SetText(Text2, graph.ExpressX);
        SetText(Text3, graph.ExpressY);
        SetText(Text4, graph.ExpressZ);
    }
    // The bounds as the shortest texts that read back as the same Singles.
    SetText(Text5, ShortestSinglePlainText(graph.MinT));
    SetText(Text6, ShortestSinglePlainText(graph.MaxT));
    // A hollow point keeps its marker: the filling starts from the solid option.
    FillPointMarker({Picture1, Combo2, Option1, Option2}, graph, plane);
    ShowVariant(!two, plane);
    ShowFrameCount();
}
