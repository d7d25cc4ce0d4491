#include "dialogs/special/frmF31.h"

#include "core/ColorService.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "graph/Cls9.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>
#include <string>

namespace {

// An index is the evaluated box brought to a whole number, halves to even.
// One outside the 32-bit range is refused with the sampling's own message
// for a series too long to sum.
std::optional<std::int32_t> SeriesIndex(float value) {
    const double whole = RoundHalfEven(value);
    if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) {
        MsgBox("级数的项数太多。", MsgIcon::Critical, ErrorTitle);
        return std::nullopt;
    }
    return static_cast<std::int32_t>(whole);
}

} // namespace

frmF31::frmF31() {
    setObjectName(QStringLiteral("frmF31"));
    setWindowTitle(ToQString("级数图形的属性"));
    SizeTwips(this, 5175, 3675);

    Label3 = Placed(NewLabel(this, "Label3", "名称"), 240, 300, 735, 255);
    Text5 = Placed(NewText(this, "Text5"), 1080, 240, 3855, 315);

    Text4 = Placed(NewText(this, "Text4"), 240, 1140, 1095, 315);
    Label2 = Placed(NewLabel(this, "Label2", "+"), 1440, 1170, 255, 255);
    Text2 = Placed(NewText(this, "Text2"), 1800, 660, 855, 315);
    Image1 = Placed(NewLabel(this, "Image1", "Σ"), 1980, 975, 615, 555);
    QFont big = Image1->font();
    big.setPointSizeF(big.pointSizeF() * 2.4);
    Image1->setFont(big);
    Image1->setAlignment(Qt::AlignCenter);
    Label1 = Placed(NewLabel(this, "Label1", "n="), 1560, 1620, 300, 255);
    Text1 = Placed(NewText(this, "Text1"), 1860, 1590, 795, 315);
    Text3 = Placed(NewText(this, "Text3"), 2760, 1140, 2175, 315);

    Label6 = Placed(NewLabel(this, "Label6", "最小X"), 240, 2160, 555, 255);
    Text6 = Placed(NewText(this, "Text6"), 795, 2100, 795, 315);
    Label7 = Placed(NewLabel(this, "Label7", "最大X"), 1740, 2160, 555, 255);
    Text7 = Placed(NewText(this, "Text7"), 2295, 2100, 795, 315);
    Label8 = Placed(NewLabel(this, "Label8", "段数X"), 3240, 2160, 555, 255);
    Text8 = Placed(NewText(this, "Text8", "300"), 3795, 2100, 1140, 315);
    Text8->setToolTip(QStringLiteral("Recommended Value: 100 - 500"));

    Label4 = Placed(NewLabel(this, "Label4", "颜色"), 240, 2640, 615, 255);
    Picture1 = Placed(NewColorBox(this, "Picture1", RGB(255, 0, 255)), 1080, 2580, 1215, 375);
    Label5 = Placed(NewLabel(this, "Label5", "线宽"), 240, 3180, 615, 255);
    Combo1 = Placed(NewList(this, "Combo1", true), 1080, 3120, 1215, 315);

    Command1 = Placed(NewButton(this, "Command1", "确定"), 3720, 2580, 1215, 375);
    Command2 = Placed(NewButton(this, "Command2", "取消"), 3720, 3090, 1215, 375);
    Command1->setDefault(true);

    connect(Picture1, &ColorBox::clicked, this, Guarded([this] { Picture1_Click(); }));
    connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    Form_Load();
}

void frmF31::Form_Load() { FillWidthList(Combo1); }

void frmF31::Picture1_Click() { PickBoxColor(Picture1); }

void frmF31::Command1_Click() {
    if (!FilterStep({{Text3, BoxFilter::Expression, &IllegalExpressionMessage}, {Text1}, {Text2}, {Text4},
                     {Text6}, {Text7}, {Text8, BoxFilter::Number}}))
        return;
    DocumentKind = 1;
    const std::string name = TextOf(Text5);

    BoundEvaluation bounds;
    const std::optional<float> minX = bounds.Evaluate(TextOf(Text6));
    if (!minX) return;
    const std::optional<float> maxX = bounds.Evaluate(TextOf(Text7));
    if (!maxX) return;
    const std::optional<std::int32_t> segments = CountStep(TextOf(Text8), CountFloor::One, "段数x必须大于1。");
    if (!segments) return;

    const auto graph = Cls9::Init(GraphIDCounter, name, GraphType::Series, CoordType::PlaneCartesian, "0", "x",
                                  TextOf(Text3), 1, *segments, 0, 1, *minX, *maxX, FillStyle::OneColor, 0xFF0000,
                                  0xFF0000, 255, 1, Material::Metal, Show::Wireframe, Smoothness::Smoother);
    graph->Show2DCurve = true;
    graph->FunForm = FunForm::Explicit;
    const std::optional<float> a0 = bounds.Evaluate(TextOf(Text4));
    if (!a0) return;
    graph->SeriesA0 = *a0;
    graph->SeriesColor = Picture1->Color();
    const std::optional<float> first = bounds.Evaluate(TextOf(Text1));
    if (!first) return;
    const std::optional<std::int32_t> n1 = SeriesIndex(*first);
    if (!n1) return;
    graph->SeriesN1 = *n1;
    const std::optional<float> last = bounds.Evaluate(TextOf(Text2));
    if (!last) return;
    const std::optional<std::int32_t> n2 = SeriesIndex(*last);
    if (!n2) return;
    graph->SeriesN2 = *n2;
    graph->SeriesWidth = ListPositionValue(Combo1);

    // The general term is compiled by the sampling (a syntax error shows
    // there), which also refuses a sum of too many terms.
    if (!CommitGraph(graph, LabelSource::frmF31)) return;
    CloseGraphDialog(*this);
}

void frmF31::Command2_Click() { CancelGraphDialog(*this); }

void frmF31::FillForEdit(const Cls9& graph) {
    SetText(Text5, graph.NameS);
    SetText(Text4, ShortestSinglePlainText(graph.SeriesA0));
    SetText(Text2, LongText(graph.SeriesN2));
    SetText(Text1, LongText(graph.SeriesN1));
    SetText(Text3, graph.ExpressZ);
    SetText(Text6, ShortestSinglePlainText(graph.MinV));
    SetText(Text7, ShortestSinglePlainText(graph.MaxV));
    SetText(Text8, LongText(graph.StepV));
    Picture1->SetColor(graph.SeriesColor);
    SelectListValueOrNone(Combo1, graph.SeriesWidth);
}
