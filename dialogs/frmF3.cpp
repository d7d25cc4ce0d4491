#include "dialogs/frmF3.h"

#include "core/Globals.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphControls.h"
#include "scene/Cls3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <optional>
#include <string>

namespace {

// An interval count as typed: its whole number (halves to even), 0 for a text
// without a number or a number beyond the 32-bit range (the drawing takes a
// count below 1 as 1).
std::int32_t IntervalCount(const QLineEdit* box) { return WholeCount(TextOf(box)).value_or(0); }

// A material list filled with the 13 presets, showing `material` (none when
// it lies outside 1..13).
void ShowMaterial(QComboBox* list, std::int32_t material) {
    ClearList(list);
    for (const char* name : MaterialNames) AddListItems(list, {name});
    SelectListIndex(list, material >= 1 && material <= static_cast<std::int32_t>(MaterialNames.size())
                              ? material - 1
                              : -1);
}

} // namespace

frmF3::frmF3() {
    setObjectName(QStringLiteral("frmF3"));
    setWindowTitle(ToQString("坐标系属性"));
    SizeTwips(this, 6000, 4680);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    PlaceTwips(SSTab1, 120, 120, 5760, 3900);
    auto* systemTab = new QWidget;
    auto* panelTab = new QWidget;
    auto* gridTab = new QWidget;
    auto* intervalTab = new QWidget;
    SSTab1->addTab(systemTab, ToQString("坐标系"));
    SSTab1->addTab(panelTab, ToQString("面板"));
    SSTab1->addTab(gridTab, ToQString("网格"));
    SSTab1->addTab(intervalTab, ToQString("间隔"));

    Check1 = Placed(NewCheck(systemTab, "Check1", "显示坐标系"), 360, 360, 2400, 300);
    Frame1 = Placed(NewFrame(systemTab, "Frame1", "风格"), 240, 900, 5160, 975);
    Option1 = Placed(NewOption(Frame1, "Option1", "面板"), 360, 420, 1455, 300);
    Option2 = Placed(NewOption(Frame1, "Option2", "三线"), 2400, 420, 1455, 300);

    // The three panels, one frame each.
    const char* panelFrames[3] = {"XY 面板", "XZ 面板", "YZ面板"};
    QCheckBox** panelChecks[3] = {&Check2, &Check3, &Check4};
    ColorBox** panelPictures[3] = {&Picture1, &Picture2, &Picture3};
    QComboBox** panelLists[3] = {&Combo1, &Combo2, &Combo3};
    for (int p = 0; p < 3; ++p) {
        const std::string frameName = "Frame" + std::to_string(2 + p);
        const std::string check = "Check" + std::to_string(2 + p);
        const std::string picture = "Picture" + std::to_string(1 + p);
        const std::string list = "Combo" + std::to_string(1 + p);
        const std::string colourLabel = "Label" + std::to_string(2 * p + 1);
        const std::string materialLabel = "Label" + std::to_string(2 * p + 2);
        QGroupBox* frame = Placed(NewFrame(panelTab, frameName.c_str(), panelFrames[p]), 240, 180 + 1140 * p, 5160, 975);
        *panelChecks[p] = Placed(NewCheck(frame, check.c_str(), "显示"), 240, 420, 855, 300);
        Label[std::size_t(2 * p + 1)] = Placed(NewLabel(frame, colourLabel.c_str(), "颜色"), 1200, 450, 495, 255);
        *panelPictures[p] = Placed(NewColorBox(frame, picture.c_str(), 0), 1740, 390, 855, 375);
        Label[std::size_t(2 * p + 2)] = Placed(NewLabel(frame, materialLabel.c_str(), "材质"), 2760, 450, 495, 255);
        *panelLists[p] = Placed(NewList(frame, list.c_str(), false), 3300, 390, 1695, 315);
        // Unticked at design: the panel's controls start disabled.
        EnablePanel(p, false);
    }

    // The grids of the three panels.
    struct GridFrame {
        const char* caption;
        const char* first;
        const char* second;
    };
    const GridFrame gridFrames[3] = {{"XY", "X 方向", "Y 方向"}, {"XZ", "X 方向", "Z 方向"}, {"YZ", "Y 方向", "Z 方向"}};
    QCheckBox** gridChecks[6] = {&Check5, &Check6, &Check7, &Check8, &Check9, &Check10};
    ColorBox** gridPictures[3] = {&Picture5, &Picture7, &Picture9};
    for (int g = 0; g < 3; ++g) {
        const std::string frameName = "Frame" + std::to_string(5 + g);
        const std::string first = "Check" + std::to_string(5 + 2 * g);
        const std::string second = "Check" + std::to_string(6 + 2 * g);
        const std::string picture = "Picture" + std::to_string(5 + 2 * g);
        const std::string label = "Label" + std::to_string(7 + g);
        QGroupBox* frame = Placed(NewFrame(gridTab, frameName.c_str(), gridFrames[g].caption), 240, 180 + 1140 * g, 5160, 975);
        *gridChecks[2 * g] = Placed(NewCheck(frame, first.c_str(), gridFrames[g].first), 240, 420, 1335, 300);
        *gridChecks[2 * g + 1] = Placed(NewCheck(frame, second.c_str(), gridFrames[g].second), 1680, 420, 1335, 300);
        Label[std::size_t(7 + g)] = Placed(NewLabel(frame, label.c_str(), "颜色"), 3120, 450, 495, 255);
        *gridPictures[g] = Placed(NewColorBox(frame, picture.c_str(), 0), 3660, 390, 855, 375);
    }

    // The interval counts.
    const char* intervalLabels[3] = {"X 坐标轴上的间隔数", "Y 坐标轴上的间隔数", "Z 坐标轴上的间隔数"};
    QLineEdit** intervalBoxes[3] = {&Text1, &Text2, &Text3};
    for (int i = 0; i < 3; ++i) {
        const std::string label = "Label" + std::to_string(10 + i);
        const std::string box = "Text" + std::to_string(1 + i);
        Label[std::size_t(10 + i)] = Placed(NewLabel(intervalTab, label.c_str(), intervalLabels[i]), 360, 480 + 720 * i, 2535, 255);
        *intervalBoxes[i] = Placed(NewText(intervalTab, box.c_str(), "2"), 3000, 420 + 720 * i, 1215, 315);
    }

    Command1 = Placed(NewButton(this, "Command1", "确定"), 3120, 4170, 1215, 375);
    Command2 = Placed(NewButton(this, "Command2", "取消"), 4560, 4170, 1215, 375);
    Command1->setDefault(true);

    // The boxes react to every change of their state (toggled), so that the
    // load's setting runs them as a click would.
    connect(Check1, &QCheckBox::toggled, this, Guarded([this] { Check1_Click(); }));
    connect(Check2, &QCheckBox::toggled, this, Guarded([this] { Check2_Click(); }));
    connect(Check3, &QCheckBox::toggled, this, Guarded([this] { Check3_Click(); }));
    connect(Check4, &QCheckBox::toggled, this, Guarded([this] { Check4_Click(); }));
    const auto picture = [this](ColorBox* box, std::int32_t& colour) {
        std::int32_t* bound = &colour;
        connect(box, &ColorBox::clicked, this, Guarded([this, box, bound] { PictureClick(box, *bound); }));
    };
    picture(Picture1, Axes.XYPanelColor);
    picture(Picture2, Axes.XZPanelColor);
    picture(Picture3, Axes.YZPanelColor);
    picture(Picture5, Axes.XYGridColor);
    picture(Picture7, Axes.XZGridColor);
    picture(Picture9, Axes.YZGridColor);
    connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    Form_Load();
}

void frmF3::Form_Load() {
    if (DocumentKind == 2) Frame1->setVisible(false);
    SetTicked(Check1, Axes.Show);
    SelectOptionValue({Option1, Option2}, Axes.AxisStyle);

    SetTicked(Check2, Axes.ShowXYPanel);
    SetTicked(Check3, Axes.ShowXZPanel);
    SetTicked(Check4, Axes.ShowYZPanel);
    SetTicked(Check5, Axes.ShowXYXGrid);
    SetTicked(Check6, Axes.ShowXYYGrid);
    SetTicked(Check7, Axes.ShowXZXGrid);
    SetTicked(Check8, Axes.ShowXZZGrid);
    SetTicked(Check9, Axes.ShowYZYGrid);
    SetTicked(Check10, Axes.ShowYZZGrid);
    Picture1->SetColor(Axes.XYPanelColor);
    Picture2->SetColor(Axes.XZPanelColor);
    Picture3->SetColor(Axes.YZPanelColor);
    Picture5->SetColor(Axes.XYGridColor);
    Picture7->SetColor(Axes.XZGridColor);
    Picture9->SetColor(Axes.YZGridColor);
    SetText(Text1, LongText(Axes.LabelNumX));
    SetText(Text2, LongText(Axes.LabelNumY));
    SetText(Text3, LongText(Axes.LabelNumZ));

    loadedMaterial_ = {Axes.XYPanelMaterial, Axes.XZPanelMaterial, Axes.YZPanelMaterial};
    ShowMaterial(Combo1, Axes.XYPanelMaterial);
    ShowMaterial(Combo2, Axes.XZPanelMaterial);
    ShowMaterial(Combo3, Axes.YZPanelMaterial);
}

void frmF3::Check1_Click() { Axes.Show = FullyTicked(Check1); }

void frmF3::Check2_Click() { EnablePanel(0, FullyTicked(Check2)); }
void frmF3::Check3_Click() { EnablePanel(1, FullyTicked(Check3)); }
void frmF3::Check4_Click() { EnablePanel(2, FullyTicked(Check4)); }

void frmF3::EnablePanel(int panel, bool enabled) {
    ColorBox* pictures[3] = {Picture1, Picture2, Picture3};
    QComboBox* lists[3] = {Combo1, Combo2, Combo3};
    Label[std::size_t(2 * panel + 1)]->setEnabled(enabled);
    pictures[panel]->setEnabled(enabled);
    Label[std::size_t(2 * panel + 2)]->setEnabled(enabled);
    lists[panel]->setEnabled(enabled);
}

void frmF3::PictureClick(ColorBox* picture, std::int32_t& colour) {
    PickBoxColor(picture);
    colour = picture->Color();
}

void frmF3::Command1_Click() {
    AxesChanged = true;
    if (Option1->isChecked())
        Axes.AxisStyle = static_cast<std::int32_t>(AxisStyle::Panels);
    else if (Option2->isChecked())
        Axes.AxisStyle = static_cast<std::int32_t>(AxisStyle::ThreeLines);

    // A strip document draws panels whatever the style says (its style frame
    // is hidden), so its panels, grids and intervals are applied too.
    const bool panels = Axes.AxisStyle == static_cast<std::int32_t>(AxisStyle::Panels) || DocumentKind == 2;
    if (panels && Axes.Show) {
        // A list showing no material (one the dialog cannot show) keeps the
        // loaded one.
        const auto material = [this](const QComboBox* list, int panel) {
            return ListIndex(list) >= 0 ? ListPositionValue(list) : loadedMaterial_[std::size_t(panel)];
        };
        Axes.ShowXYPanel = FullyTicked(Check2);
        if (Axes.ShowXYPanel) Axes.XYPanelColor = Picture1->Color();
        Axes.ShowXZPanel = FullyTicked(Check3);
        if (Axes.ShowXZPanel) Axes.XZPanelColor = Picture2->Color();
        Axes.ShowYZPanel = FullyTicked(Check4);
        if (Axes.ShowYZPanel) Axes.YZPanelColor = Picture3->Color();
        Axes.XYPanelMaterial = material(Combo1, 0);
        Axes.XZPanelMaterial = material(Combo2, 1);
        Axes.YZPanelMaterial = material(Combo3, 2);

        Axes.ShowXYXGrid = FullyTicked(Check5);
        Axes.ShowXYYGrid = FullyTicked(Check6);
        Axes.XYGridColor = Picture5->Color();
        Axes.ShowXZXGrid = FullyTicked(Check7);
        Axes.ShowXZZGrid = FullyTicked(Check8);
        Axes.XZGridColor = Picture7->Color();
        Axes.ShowYZYGrid = FullyTicked(Check9);
        Axes.ShowYZZGrid = FullyTicked(Check10);
        Axes.YZGridColor = Picture9->Color();

        Axes.LabelNumX = IntervalCount(Text1);
        Axes.LabelNumY = IntervalCount(Text2);
        Axes.LabelNumZ = IntervalCount(Text3);
    }
    Unload();
}

void frmF3::Command2_Click() {
    AxesChanged = false;
    Unload();
}
