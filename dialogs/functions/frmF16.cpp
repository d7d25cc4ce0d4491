#include "dialogs/functions/frmF16.h"

#include "core/ColorParts.h"
#include "core/Globals.h"
#include "dialogs/FormControls.h"
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

frmF16::frmF16() {
    setObjectName(QStringLiteral("frmF16"));
    setWindowTitle(ToQString("点属性"));
    SizeTwips(this, 5040, 4200);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    PlaceTwips(SSTab1, 120, 120, 4800, 3300);
    auto* pointTab = new QWidget;
    auto* propertyTab = new QWidget;
    SSTab1->addTab(pointTab, ToQString("点"));
    SSTab1->addTab(propertyTab, ToQString("属性"));

    Label1 = Placed(NewLabel(pointTab, "Label1", "名称"), 240, 300, 735, 255);
    Text1 = Placed(NewText(pointTab, "Text1"), 1320, 240, 3015, 315);
    Label2 = Placed(NewLabel(pointTab, "Label2", "坐标系类型"), 240, 780, 1035, 255);
    Combo1 = Placed(NewList(pointTab, "Combo1", false), 1320, 720, 3015, 315);
    Frame1 = Placed(NewFrame(pointTab, "Frame1", "坐标"), 240, 1200, 4095, 1575);
    Label3 = Placed(NewLabel(Frame1, "Label3", "X"), 240, 360, 375, 255);
    Text2 = Placed(NewText(Frame1, "Text2"), 720, 300, 3135, 315);
    Label4 = Placed(NewLabel(Frame1, "Label4", "Y"), 240, 780, 375, 255);
    Text3 = Placed(NewText(Frame1, "Text3"), 720, 720, 3135, 315);
    Label5 = Placed(NewLabel(Frame1, "Label5", "Z"), 240, 1200, 375, 255);
    Text4 = Placed(NewText(Frame1, "Text4"), 720, 1140, 3135, 315);

    const PointPropertyTab properties = NewPointPropertyTab(propertyTab, "Label6", "Label7", "Frame2", WindowFrameColor);
    Label6 = properties.colorLabel;
    Picture1 = properties.color;
    Label7 = properties.sizeLabel;
    Combo2 = properties.size;
    Frame2 = properties.frame;
    Option1 = properties.solid;
    Option2 = properties.hollow;

    Command1 = Placed(NewButton(this, "Command1", "确定"), 2160, 3645, 1215, 375);
    Command2 = Placed(NewButton(this, "Command2", "取消"), 3600, 3645, 1215, 375);
    Command1->setDefault(true);

    connect(Combo1, &QComboBox::currentIndexChanged, this, Guarded([this] { Combo1_Click(); }));
    connect(Picture1, &ColorBox::clicked, this, Guarded([this] { Picture1_Click(); }));
    connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    Form_Load();
}

void frmF16::Form_Load() {
    // The openers replace these entries.
    AddListItems(Combo1, {"直角坐标", "极坐标"});
    FillSizeList(Combo2);
}

void frmF16::Combo1_Click() { RelabelPointBoxes(Combo1, Label3, Label4, Label5); }

void frmF16::Picture1_Click() { PickBoxColor(Picture1); }

namespace {

// Only a point of a space document has a third coordinate: the others store
// two (x stays "0"), so their dialog neither shows nor asks for a third.
bool ThreeCoordinates() { return DocumentKind == 3; }

} // namespace

void frmF16::Command1_Click() {
    const bool space = ThreeCoordinates();
    if (!FilterStep({{Text3}, {Text2}, {Text4}})) return;
    if (space ? !EmptyStep({Text2, Text3, Text4}) : !EmptyStep({Text2, Text3})) return;

    const std::string x = space ? TextOf(Text2) : "0";
    const std::string y = space ? TextOf(Text3) : TextOf(Text2);
    const std::string z = space ? TextOf(Text4) : TextOf(Text3);
    const auto point = NewPointGraph(TextOf(Text1), GraphType::Point, SelectedPointCoordType(Combo1), x, y, z);
    ReadPointMarker({Picture1, Combo2, Option1, Option2}, *point);

    if (!CommitGraph(point, LabelSource::frmF16)) return;
    CloseGraphDialog(*this);
}

void frmF16::Command2_Click() { CancelGraphDialog(*this); }

void frmF16::ShowVariant(bool thirdCoordinate, bool markerChoice) {
    Label5->setVisible(thirdCoordinate);
    Text4->setVisible(thirdCoordinate);
    Frame2->setVisible(markerChoice);
}

void frmF16::PrepareNewPoint() {
    if (DocumentKind == 1) {
        ShowVariant(false, true);
    } else {
        ShowVariant(ThreeCoordinates(), false);
        Picture1->SetColor(255);
    }
    FillPointCoordinateSystems(Combo1);
    SelectListIndex(Combo1, 0);
}

void frmF16::FillForEdit(const Cls9& point) {
    FillPointCoordinateSystems(Combo1);
    SelectPointCoordType(Combo1, point.CoordType);
    SetText(Text1, point.NameS);
    if (ThreeCoordinates()) {
        SetText(Text2, point.ExpressX);
        SetText(Text3, point.ExpressY);
        SetText(Text4, point.ExpressZ);
    } else {
        SetText(Text2, point.ExpressY);
        SetText(Text3, point.ExpressZ);
    }
    FillPointMarker({Picture1, Combo2, Option1, Option2}, point, DocumentKind == 1);
    ShowVariant(ThreeCoordinates(), DocumentKind == 1);
}
