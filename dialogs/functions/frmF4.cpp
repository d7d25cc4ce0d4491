#include "dialogs/functions/frmF4.h"

#include "core/Globals.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/CurveForms.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "graph/Cls9.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>
#include <initializer_list>
#include <string>

namespace {

void SetCaption(QLabel* label, const char* caption) { label->setText(ToQString(caption)); }

// A stored Single as the shortest text that reads back as the same value,
// never in exponent form (the bound boxes compile it).
std::string BoundText(float value) { return ShortestSinglePlainText(value); }

// The band reaches across from 0 to 3 in one segment.
constexpr float BandStart = 0;
constexpr float BandEnd = 3.0f;

} // namespace

frmF4::frmF4() {
    setObjectName(QStringLiteral("frmF4"));
    setWindowTitle(ToQString("二维半函数图形属性"));
    SizeTwips(this, 7320, 5640);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    PlaceTwips(SSTab1, 120, 120, 7080, 4860);
    auto* functionPage = new QWidget;
    SSTab1->addTab(functionPage, ToQString("函数"));

    // Page "函数".
    Label12 = Placed(NewLabel(functionPage, "Label12", "名称"), 240, 300, 720, 255);
    Text1 = Placed(NewText(functionPage, "Text1", "Untitled"), 1080, 240, 2280, 315);
    Label13 = Placed(NewLabel(functionPage, "Label13", "坐标系"), 3600, 300, 720, 255);
    Combo1 = Placed(NewList(functionPage, "Combo1", false), 4440, 240, 2280, 315);
    Label9 = Placed(NewLabel(functionPage, "Label9", "形式"), 240, 780, 720, 255);
    Combo2 = Placed(NewList(functionPage, "Combo2", true), 1080, 720, 2280, 315);
    Frame3 = Placed(NewFrame(functionPage, "Frame3", "函数"), 240, 1200, 6480, 1320);
    Label2 = Placed(NewLabel(Frame3, "Label2", "X(u)"), 240, 420, 960, 255);
    Text2 = Placed(NewText(Frame3, "Text2"), 1320, 360, 4920, 315);
    Label3 = Placed(NewLabel(Frame3, "Label3", "Y(u)"), 240, 900, 960, 255);
    Text3 = Placed(NewText(Frame3, "Text3"), 1320, 840, 4920, 315);
    Frame4 = Placed(NewFrame(functionPage, "Frame4", "变量取值"), 240, 2640, 6480, 1440);
    Label17 = Placed(NewLabel(Frame4, "Label17", "最小 u"), 240, 420, 720, 255);
    Text5 = Placed(NewText(Frame4, "Text5"), 1020, 360, 1080, 315);
    Label18 = Placed(NewLabel(Frame4, "Label18", "最大 u"), 2280, 420, 720, 255);
    Text6 = Placed(NewText(Frame4, "Text6"), 3060, 360, 1080, 315);
    Label19 = Placed(NewLabel(Frame4, "Label19", "段数 u"), 4320, 420, 720, 255);
    Text7 = Placed(NewText(Frame4, "Text7", "40"), 5100, 360, 1080, 315);
    Label4 = Placed(NewLabel(Frame4, "Label4", "最小 t"), 240, 900, 720, 255);
    Text4 = Placed(NewText(Frame4, "Text4"), 1020, 840, 1080, 315);
    Label6 = Placed(NewLabel(Frame4, "Label6", "最大 t"), 2280, 900, 720, 255);
    Text8 = Placed(NewText(Frame4, "Text8"), 3060, 840, 1080, 315);
    Label8 = Placed(NewLabel(Frame4, "Label8", "段数 t"), 4320, 900, 720, 255);
    Text9 = Placed(NewText(Frame4, "Text9"), 5100, 840, 1080, 315);
    Text7->setToolTip(QStringLiteral("Recommended Value: 30 - 60"));
    Label19->setToolTip(QStringLiteral("Recommended Value: 30 - 60"));

    // Pages "颜色", "材质", "外观".
    BuildLookPages(SSTab1, "平滑性");

    Command1 = Placed(NewButton(this, "Command1", "确定"), 4560, 5130, 1215, 375);
    Command2 = Placed(NewButton(this, "Command2", "取消"), 5940, 5130, 1215, 375);
    Command1->setDefault(true);

    connect(Combo1, &QComboBox::currentIndexChanged, this, Guarded([this] { Combo1_Click(); }));
    connect(Combo2, &QComboBox::currentIndexChanged, this, Guarded([this] { Combo2_Click(); }));
    connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    Form_Load();
}

void frmF4::Form_Load() {
    AddListItems(Combo1, {"直角坐标", "极坐标"});
    StripColor1 = RGB(255, 0, 0);
    StripColor2 = RGB(0, 0, 255);
    const auto& forms = PlaneFormNames(false, false);
    AddListItems(Combo2, {forms[0], forms[1]});
    Combo2->setEditText(ToQString(forms[0]));
    // The material list selected "Metal" when it was made (StripMaterial 4).
    // No coordinate system is chosen yet: this changes nothing.
    Combo1_Click();
}

bool frmF4::AnimationMode() const { return IsShown(Label4); }

void frmF4::ShowTimeRow(bool shown) {
    for (QWidget* control : std::initializer_list<QWidget*>{Label4, Label6, Label8, Text4, Text8, Text9})
        control->setVisible(shown);
}

void frmF4::ApplyFormCaptions(int form, bool polar, bool animationCaptions) {
    const CurveCaptions& c = CurveFormCaptions[form][polar ? 1 : 0];
    SetCaption(Label2, animationCaptions ? c.firstTime : c.first);
    const bool parametric = c.second != nullptr;
    if (parametric) SetCaption(Label3, animationCaptions ? c.secondTime : c.second);
    Label3->setVisible(parametric);
    Text3->setVisible(parametric);
    SetCaption(Label17, c.range[0]);
    SetCaption(Label18, c.range[1]);
    SetCaption(Label19, c.range[2]);
}

void frmF4::Combo1_Click() {
    KeptFormRow = static_cast<std::int16_t>(std::max(ListIndex(Combo2), 0));
    const int coordinates = ListIndex(Combo1);
    if (coordinates == 0 || coordinates == 1) {
        const auto& forms = PlaneFormNames(coordinates == 1, AnimationMode());
        ClearList(Combo2);
        AddListItems(Combo2, {forms[0], forms[1]});
        SelectListIndex(Combo2, KeptFormRow);
    }
    Combo2_Click();
}

void frmF4::Combo2_Click() {
    const int coordinates = ListIndex(Combo1);
    const int form = ListIndex(Combo2);
    if ((coordinates == 0 || coordinates == 1) && (form == 0 || form == 1))
        ApplyFormCaptions(form, coordinates == 1, AnimationMode());
}

void frmF4::Command1_Click() {
    const bool animated = AnimationMode();
    if (!FilterStep({{Text2}, {Text3}, {Text5}, {Text6}, {Text4}, {Text8}})) return;
    if (animated && !TimeCountStep(Text9)) return;
    const Look look = ReadLook();
    const int coordinates = ListIndex(Combo1);
    const std::int32_t coordType = coordinates == 0   ? CoordType::PlaneCartesian
                                   : coordinates == 1 ? CoordType::Polar
                                                      : 0;
    const std::string name = TextOf(Text1);
    if (ListIndex(Combo2) < 0) SelectListIndex(Combo2, 0);
    const bool parametric = ListIndex(Combo2) == 1;

    // The boxes of both forms (the second expression is not among them), the
    // segment count, then the range on its evaluated bounds.
    if (!EmptyStep({Text2, Text5, Text6, Text7})) return;
    if (animated && !EmptyStep({Text4, Text8, Text9})) return;
    // An empty second box became "0" in the filter; one of blanks is empty
    // now, and no strip could be sampled from it: missing as well.
    if (IsShown(Text3) && !EmptyStep({Text3})) return;
    const auto segments = CountStep(TextOf(Text7), CountFloor::One, parametric ? "段数u必须大于1。" : "段数x必须大于1。");
    if (!segments) return;
    BoundEvaluation bounds;
    const auto range = EvaluatedRange(bounds, Text5, Text6, parametric ? "最小u必须小于最大u。" : "最小x必须小于最大x。");
    if (!range) return;

    const std::string variable = coordType == CoordType::PlaneCartesian ? "x" : coordType == CoordType::Polar ? "a" : "";
    const std::string expressY = parametric ? TextOf(Text2) : variable;
    const std::string expressZ = parametric ? TextOf(Text3) : TextOf(Text2);
    const auto graph = Cls9::Init(GraphIDCounter, name, GraphType::Strip25D, coordType, "0", expressY, expressZ, 1,
                                  *segments, BandStart, BandEnd, range->first, range->second, look.fill.FillStyle,
                                  look.fill.FirstColor, look.fill.SecondColor, 1, 1, look.material, look.show,
                                  look.smoothness);
    graph->FunForm = parametric ? FunForm::Parametric : FunForm::Explicit;
    if (animated && !AnimationStep(bounds, Text4, Text8, GraphType::Strip25DAnimation, *graph)) return;

    if (!CommitGraph(graph, LabelSource::frmF4)) return;
    CloseGraphDialog(*this);
}

void frmF4::Command2_Click() { CancelGraphDialog(*this); }

void frmF4::PrepareNewStrip(bool polar, bool animated) {
    setWindowTitle(ToQString(animated ? "二维半函数图形动画属性" : "二维半函数图形属性"));
    // The freshly loaded dialog still shows its t row: the coordinate handler
    // offers the forms in t, which the still strip's forms then replace.
    SelectListIndex(Combo1, polar ? 1 : 0);
    const CurveCaptions& explicitForm = CurveFormCaptions[0][polar ? 1 : 0];
    if (animated) {
        ShowTimeRow(true);
        SetCaption(Label2, explicitForm.firstTime);
        Text9->setEnabled(false);
        SetText(Text9, LongText(FrameCount));
    } else {
        const auto& forms = PlaneFormNames(polar, false);
        ClearList(Combo2);
        AddListItems(Combo2, {forms[0], forms[1]});
        Combo2->setEditText(ToQString(forms[0]));
        ShowTimeRow(false);
        SetCaption(Label2, explicitForm.first);
    }
}

void frmF4::FillForEdit(const Cls9& graph) {
    const bool animated = graph.GraphType == GraphType::Strip25DAnimation;
    const bool parametric = graph.FunForm == FunForm::Parametric;
    ShowTimeRow(animated);
    if (animated) {
        SetText(Text4, BoundText(graph.MinT));
        SetText(Text8, BoundText(graph.MaxT));
        SetText(Text9, LongText(graph.StepT()));
        Text9->setEnabled(false);
    }
    setWindowTitle(ToQString("二维半函数图形属性"));
    SetText(Text1, graph.NameS);
    const int system = graph.CoordType - CoordType::PlaneCartesian;
    SelectListIndex(Combo1, system == 0 || system == 1 ? system : -1);
    SelectListIndex(Combo2, parametric ? 1 : 0);
    if (parametric) {
        SetText(Text2, graph.ExpressY);
        SetText(Text3, graph.ExpressZ);
    } else {
        SetText(Text2, graph.ExpressZ);
    }
    SetText(Text5, BoundText(graph.MinV));
    SetText(Text6, BoundText(graph.MaxV));
    SetText(Text7, LongText(graph.StepV));
    // The still captions, also for an animated strip; every system but the
    // Cartesian one takes the polar captions.
    ApplyFormCaptions(parametric ? 1 : 0, graph.CoordType != CoordType::PlaneCartesian, false);
    FillLook(graph);
}
