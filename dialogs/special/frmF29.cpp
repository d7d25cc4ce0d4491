#include "dialogs/special/frmF29.h"

#include "core/ColorService.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "graph/Cls9.h"

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
const std::string StepsXMessage = "段数x必须大于1。";
const std::string StepsYMessage = "段数y必须大于1。";
} // namespace

frmF29::frmF29() {
    setObjectName(QStringLiteral("frmF29"));
    setWindowTitle(ToQString("常微分方程定义的图形"));
    SizeTwips(this, 5415, 5655);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    PlaceTwips(SSTab1, 120, 120, 5175, 4815);
    auto* equationTab = new QWidget;
    auto* propertyTab = new QWidget;
    SSTab1->addTab(equationTab, ToQString("方程"));
    SSTab1->addTab(propertyTab, ToQString("属性"));

    Label1 = Placed(NewLabel(equationTab, "Label1", "名称"), 240, 300, 735, 255);
    Text1 = Placed(NewText(equationTab, "Text1"), 1080, 240, 3855, 315);

    Frame1 = Placed(NewFrame(equationTab, "Frame1", "定义"), 240, 660, 4695, 735);
    Label2 = Placed(NewLabel(Frame1, "Label2", "dy/dx"), 240, 330, 615, 255);
    Text2 = Placed(NewText(Frame1, "Text2"), 960, 270, 3495, 315);

    Frame3 = Placed(NewFrame(equationTab, "Frame3", "初值"), 240, 1500, 4695, 1335);
    Option1 = Placed(NewOption(Frame3, "Option1", "给定1个初值"), 240, 300, 2415, 255);
    Label14 = Placed(NewLabel(Frame3, "Label14", "x0"), 480, 660, 375, 255);
    Text9 = Placed(NewText(Frame3, "Text9"), 900, 600, 1335, 315);
    Label15 = Placed(NewLabel(Frame3, "Label15", "y0"), 2580, 660, 375, 255);
    Text10 = Placed(NewText(Frame3, "Text10"), 3000, 600, 1335, 315);
    Option2 = Placed(NewOption(Frame3, "Option2", "没有初值"), 240, 990, 2415, 255);

    Frame2 = Placed(NewFrame(equationTab, "Frame2", "变量取值"), 240, 2940, 4695, 1215);
    Label3 = Placed(NewLabel(Frame2, "Label3", "最小x"), 120, 360, 555, 255);
    Text3 = Placed(NewText(Frame2, "Text3"), 675, 300, 795, 315);
    Label4 = Placed(NewLabel(Frame2, "Label4", "最大x"), 1590, 360, 555, 255);
    Text4 = Placed(NewText(Frame2, "Text4"), 2145, 300, 795, 315);
    Label5 = Placed(NewLabel(Frame2, "Label5", "段数x"), 3060, 360, 555, 255);
    Text5 = Placed(NewText(Frame2, "Text5", "50"), 3615, 300, 915, 315);
    Label6 = Placed(NewLabel(Frame2, "Label6", "最小y"), 120, 780, 555, 255);
    Text6 = Placed(NewText(Frame2, "Text6"), 675, 720, 795, 315);
    Label7 = Placed(NewLabel(Frame2, "Label7", "最大y"), 1590, 780, 555, 255);
    Text7 = Placed(NewText(Frame2, "Text7"), 2145, 720, 795, 315);
    Label8 = Placed(NewLabel(Frame2, "Label8", "段数y"), 3060, 780, 555, 255);
    Text8 = Placed(NewText(Frame2, "Text8", "10"), 3615, 720, 915, 315);
    for (QWidget* w : {static_cast<QWidget*>(Label5), static_cast<QWidget*>(Text5)})
        w->setToolTip(QStringLiteral("Recommended Value: 30 - 80"));
    for (QWidget* w : {static_cast<QWidget*>(Label8), static_cast<QWidget*>(Text8)})
        w->setToolTip(QStringLiteral("Recommended Value: 5 - 20"));

    Label12 = Placed(NewLabel(propertyTab, "Label12", "颜色"), 240, 360, 615, 255);
    Picture1 = Placed(NewColorBox(propertyTab, "Picture1", 0), 1080, 300, 1215, 375);
    Label13 = Placed(NewLabel(propertyTab, "Label13", "线宽"), 240, 900, 615, 255);
    Combo1 = Placed(NewList(propertyTab, "Combo1", true), 1080, 840, 1215, 315);

    Command1 = Placed(NewButton(this, "Command1", "确定"), 2640, 5100, 1215, 375);
    Command2 = Placed(NewButton(this, "Command2", "取消"), 4080, 5100, 1215, 375);
    Command1->setDefault(true);

    Option2->setChecked(true);
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) RunGuarded([this] { Option1_Click(); });
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) RunGuarded([this] { Option2_Click(); });
    });
    connect(Text9, &QLineEdit::textChanged, this, Guarded([this] { Text9_Change(); }));
    connect(Picture1, &ColorBox::clicked, this, Guarded([this] { Picture1_Click(); }));
    connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    Form_Load();
}

void frmF29::Form_Load() {
    FillWidthList(Combo1);
    for (QWidget* w : {static_cast<QWidget*>(Label14), static_cast<QWidget*>(Label15),
                       static_cast<QWidget*>(Text9), static_cast<QWidget*>(Text10)})
        w->setEnabled(false);
    Picture1->SetColor(RGB(0, 0, 255));
}

namespace {
void ShowInitialValue(frmF29& f, bool initial) {
    for (QWidget* w : {static_cast<QWidget*>(f.Label6), static_cast<QWidget*>(f.Label7),
                       static_cast<QWidget*>(f.Label8), static_cast<QWidget*>(f.Text6),
                       static_cast<QWidget*>(f.Text7), static_cast<QWidget*>(f.Text8)})
        w->setVisible(!initial);
    for (QWidget* w : {static_cast<QWidget*>(f.Label14), static_cast<QWidget*>(f.Label15),
                       static_cast<QWidget*>(f.Text9), static_cast<QWidget*>(f.Text10)})
        w->setEnabled(initial);
}
} // namespace

void frmF29::Option1_Click() { ShowInitialValue(*this, true); }

void frmF29::Option2_Click() { ShowInitialValue(*this, false); }

void frmF29::Text9_Change() { Text3->setText(Text9->text()); }

void frmF29::Picture1_Click() { PickBoxColor(Picture1); }

void frmF29::Command1_Click() {
    // Hidden boxes (the y range of one solution) are skipped; x0 and y0 only
    // count for one solution.
    if (!FilterStep({{Text2}, {Text3}, {Text4}, {Text5, BoxFilter::Number}, {Text6}, {Text7},
                     {Text8, BoxFilter::Number}}))
        return;
    const bool initial = Option1->isChecked();
    if (initial && !FilterStep({{Text9}, {Text10}})) return;
    const std::string name = TextOf(Text1);

    BoundEvaluation bounds;
    const std::optional<float> minX = bounds.Evaluate(TextOf(Text3));
    if (!minX) return;
    const std::optional<float> maxX = bounds.Evaluate(TextOf(Text4));
    if (!maxX) return;
    float minY = 0;
    float maxY = 0;
    if (!initial) {
        const std::optional<float> low = bounds.Evaluate(TextOf(Text6));
        if (!low) return;
        const std::optional<float> high = bounds.Evaluate(TextOf(Text7));
        if (!high) return;
        minY = *low;
        maxY = *high;
    }
    // The sampler needs at least one step and one segment.
    const std::optional<std::int32_t> stepsX = CountStep(TextOf(Text5), CountFloor::One, StepsXMessage);
    if (!stepsX) return;
    std::int32_t stepsY = 0;
    if (!initial) {
        const std::optional<std::int32_t> segments = CountStep(TextOf(Text8), CountFloor::One, StepsYMessage);
        if (!segments) return;
        stepsY = *segments;
    }

    const auto graph = Cls9::Init(GraphIDCounter, name, GraphType::ODE, CoordType::PlaneCartesian, "0", "x",
                                  TextOf(Text2), *stepsX, stepsY, *minX, *maxX, minY, maxY, FillStyle::OneColor,
                                  0, 0, 1, 1, Material::Metal, Show::FilledSurface, Smoothness::Smooth);
    graph->FunForm = FunForm::Explicit;
    graph->ODEColor = Picture1->Color();
    graph->ODEWidth = ListPositionValue(Combo1);
    graph->ODEInitial = initial;
    if (initial) {
        const std::optional<float> x0 = bounds.Evaluate(TextOf(Text9));
        if (!x0) return;
        const std::optional<float> y0 = bounds.Evaluate(TextOf(Text10));
        if (!y0) return;
        graph->ODEInitX = *x0;
        graph->ODEInitY = *y0;
    }

    // The slope is compiled by the sampling: a syntax error shows there.
    if (!CommitGraph(graph, LabelSource::frmF29)) return;
    CloseGraphDialog(*this);
}

void frmF29::Command2_Click() { CancelGraphDialog(*this); }

void frmF29::FillForEdit(const Cls9& graph) {
    SetText(Text1, graph.NameS);
    SetText(Text2, graph.ExpressZ);
    (graph.ODEInitial ? Option1 : Option2)->setChecked(true);
    if (graph.ODEInitial) {
        // x0 first: its change rewrites min x, which is filled after it.
        SetText(Text9, ShortestSinglePlainText(graph.ODEInitX));
        SetText(Text10, ShortestSinglePlainText(graph.ODEInitY));
    } else {
        SetText(Text6, ShortestSinglePlainText(graph.MinV));
        SetText(Text7, ShortestSinglePlainText(graph.MaxV));
        SetText(Text8, LongText(graph.StepV));
    }
    SetText(Text3, ShortestSinglePlainText(graph.MinU));
    SetText(Text4, ShortestSinglePlainText(graph.MaxU));
    SetText(Text5, LongText(graph.StepU));
    Picture1->SetColor(graph.ODEColor);
    SelectListValueOrNone(Combo1, graph.ODEWidth);
}
