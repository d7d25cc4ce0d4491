#include "dialogs/special/FieldDialog.h"

#include "core/Globals.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "dialogs/special/frmF18.h"
#include "dialogs/special/frmF21.h"
#include "dialogs/special/frmF22.h"
#include "graph/Cls9.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <initializer_list>
#include <optional>
#include <string>

namespace {
constexpr const char* RecommendedCount = "Recommended Value: 30 - 60";
} // namespace

template <class Form>
FieldDialog<Form>::FieldDialog(const FieldKind& kind) : kind_(kind) {
    this->setWindowTitle(ToQString(kind.caption));
    SizeTwips(this, 6000, 5100);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    PlaceTwips(SSTab1, 120, 120, 5760, 4335);
    auto* functionPage = new QWidget;
    auto* secondPage = new QWidget;
    SSTab1->addTab(functionPage, ToQString("函数"));
    SSTab1->addTab(secondPage, ToQString(kind.secondPage));

    // "函数"
    QWidget* p = functionPage;
    Label1 = Placed(NewLabel(p, "Label1", "名称"), 240, 300, 855, 255);
    Text1 = Placed(NewText(p, "Text1"), 1200, 240, 4215, 315);
    Frame1 = Placed(NewFrame(p, "Frame1", "函数"), 240, 720, 5175, 1575);
    Label2 = Placed(NewLabel(Frame1, "Label2", "X(u,v)"), 240, 360, 855, 255);
    Text2 = Placed(NewText(Frame1, "Text2"), 1200, 300, 3735, 315);
    Label3 = Placed(NewLabel(Frame1, "Label3", "Y(u,v)"), 240, 780, 855, 255);
    Text3 = Placed(NewText(Frame1, "Text3"), 1200, 720, 3735, 315);
    Label4 = Placed(NewLabel(Frame1, "Label4", "Z(u,v)"), 240, 1200, 855, 255);
    Text4 = Placed(NewText(Frame1, "Text4"), 1200, 1140, 3735, 315);
    Frame2 = Placed(NewFrame(p, "Frame2", kind.rangeFrame), 240, 2400, 5175, 1335);
    Label5 = Placed(NewLabel(Frame2, "Label5", "最小u"), 180, 360, 615, 255);
    Text5 = Placed(NewText(Frame2, "Text5"), 840, 300, 975, 315);
    Label6 = Placed(NewLabel(Frame2, "Label6", "最大u"), 1920, 360, 615, 255);
    Text6 = Placed(NewText(Frame2, "Text6"), 2580, 300, 975, 315);
    Label7 = Placed(NewLabel(Frame2, "Label7", "段数u"), 3660, 360, 615, 255);
    Text7 = Placed(NewText(Frame2, "Text7", kind.defaultSteps), 4320, 300, 675, 315);
    Label8 = Placed(NewLabel(Frame2, "Label8", "最小v"), 180, 840, 615, 255);
    Text8 = Placed(NewText(Frame2, "Text8"), 840, 780, 975, 315);
    Label9 = Placed(NewLabel(Frame2, "Label9", "最大v"), 1920, 840, 615, 255);
    Text9 = Placed(NewText(Frame2, "Text9"), 2580, 780, 975, 315);
    Label10 = Placed(NewLabel(Frame2, "Label10", "段数v"), 3660, 840, 615, 255);
    Text10 = Placed(NewText(Frame2, "Text10", kind.defaultSteps), 4320, 780, 675, 315);
    const QString tip = QString::fromLatin1(RecommendedCount);
    for (QWidget* w : std::initializer_list<QWidget*>{Label7, Text7, Label10, Text10}) w->setToolTip(tip);
    // The contour dialog's u box has always carried one blank more.
    if (IsContour()) Text7->setToolTip(tip + QLatin1Char(' '));

    // The second page.
    p = secondPage;
    if (IsContour()) {
        Label11 = Placed(NewLabel(p, "Label11", "阶数"), 240, 360, 735, 255);
        Text11 = Placed(NewText(p, "Text11", "10"), 1080, 300, 1215, 315);
        Label12 = Placed(NewLabel(p, "Label12", "线宽"), 2760, 360, 735, 255);
        Combo2 = Placed(NewList(p, "Combo2", true), 3600, 300, 1215, 315);
        Frame3 = Placed(NewFrame(p, "Frame3", "颜色"), 240, 900, 5175, 1935);
        Option1 = Placed(NewOption(Frame3, "Option1", "单色"), 240, 390, 1215, 300);
        Picture1 = Placed(NewColorBox(Frame3, "Picture1", 0), 1560, 360, 1215, 375);
        Option2 = Placed(NewOption(Frame3, "Option2", "渐变色"), 240, 1170, 1215, 300);
        Label14 = Placed(NewLabel(Frame3, "Label14", "颜色1"), 1560, 960, 615, 255);
        Picture2 = Placed(NewColorBox(Frame3, "Picture2", 255), 2280, 900, 1215, 375);
        Label15 = Placed(NewLabel(Frame3, "Label15", "颜色2"), 1560, 1440, 615, 255);
        Picture3 = Placed(NewColorBox(Frame3, "Picture3", 0xFF0000), 2280, 1380, 1215, 375);
        Option2->setChecked(true);
    } else if (kind.graphType == GraphType::VectorField) {
        Label13 = Placed(NewLabel(p, "Label13", "颜色"), 240, 360, 735, 255);
        Picture1 = Placed(NewColorBox(p, "Picture1", 0), 1080, 300, 1215, 375);
    } else {
        Frame3 = Placed(NewFrame(p, "Frame3", "颜色"), 240, 300, 5175, 1335);
        Label14 = Placed(NewLabel(Frame3, "Label14", "颜色1"), 240, 420, 615, 255);
        Picture2 = Placed(NewColorBox(Frame3, "Picture2", 255), 960, 360, 1215, 375);
        Label15 = Placed(NewLabel(Frame3, "Label15", "颜色2"), 240, 900, 615, 255);
        Picture3 = Placed(NewColorBox(Frame3, "Picture3", 0xFF0000), 960, 840, 1215, 375);
    }

    Command1 = Placed(NewButton(this, "Command1", "确定"), 3240, 4605, 1215, 375);
    Command2 = Placed(NewButton(this, "Command2", "取消"), 4665, 4605, 1215, 375);
    Command1->setDefault(true);

    if (Picture1) QObject::connect(Picture1, &ColorBox::clicked, this, Guarded([this] { Picture1_Click(); }));
    if (Picture2) QObject::connect(Picture2, &ColorBox::clicked, this, Guarded([this] { Picture2_Click(); }));
    if (Picture3) QObject::connect(Picture3, &ColorBox::clicked, this, Guarded([this] { Picture3_Click(); }));
    QObject::connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    QObject::connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    Form_Load();
}

template <class Form>
bool FieldDialog<Form>::IsContour() const {
    return kind_.graphType == GraphType::Contour;
}

template <class Form>
void FieldDialog<Form>::Form_Load() {
    if (!IsContour()) return;
    AddListItems(Combo2, {"1", "2", "3", "4"});
    SelectListIndex(Combo2, 0);
}

template <class Form>
void FieldDialog<Form>::Picture1_Click() {
    if (const auto colour = PickBoxColor(Picture1)) Values().SecondColor = *colour;
}

template <class Form>
void FieldDialog<Form>::Picture2_Click() {
    if (const auto colour = PickBoxColor(Picture2)) Values().FirstColor = *colour;
}

template <class Form>
void FieldDialog<Form>::Picture3_Click() {
    if (const auto colour = PickBoxColor(Picture3)) Values().SecondColor = *colour;
}

template <class Form>
void FieldDialog<Form>::Command1_Click() {
    // 1. Filter: the texts and the bounds (the counts, the name and the
    // second page are read as they stand).
    if (!FilterStep({{Text2}, {Text3}, {Text4}, {Text5}, {Text6}, {Text8}, {Text9}})) return;
    // The filter reads an empty box (or one blank) as "0" but leaves "" of a
    // box of blanks, which no graph can be sampled from: it reads "0" too.
    for (QLineEdit* box : {Text2, Text3, Text4, Text5, Text6, Text8, Text9})
        if (TextOf(box).empty()) SetText(box, "0");
    // 2. Counts: only the u message when both are wrong.
    const std::optional<std::int32_t> stepU = CountStep(TextOf(Text7), CountFloor::One, "段数u必须大于1。");
    if (!stepU) return;
    const std::optional<std::int32_t> stepV = CountStep(TextOf(Text10), CountFloor::One, "段数v必须大于1。");
    if (!stepV) return;
    // 3. The special-graph document, whatever follows.
    DocumentKind = 7;

    // 4. Fill and colours, into the window's values.
    FieldVariables& values = Values();
    std::int32_t fill = FillStyle::TopToBottom;
    if (kind_.graphType == GraphType::VectorField) {
        values.FirstColor = Picture1->Color();
        values.SecondColor = Picture1->Color();
    } else if (IsContour() && Option1->isChecked()) {
        // One colour: the first colour is handed on as it was left.
        fill = FillStyle::OneColor;
        values.SecondColor = Picture1->Color();
    } else {
        values.FirstColor = Picture2->Color();
        values.SecondColor = Picture3->Color();
    }

    // 6. Bounds, one compiler, in the order u, v.
    BoundEvaluation bounds;
    const std::optional<float> minU = bounds.Evaluate(TextOf(Text5));
    if (!minU) return;
    const std::optional<float> maxU = bounds.Evaluate(TextOf(Text6));
    if (!maxU) return;
    const std::optional<float> minV = bounds.Evaluate(TextOf(Text8));
    if (!minV) return;
    const std::optional<float> maxV = bounds.Evaluate(TextOf(Text9));
    if (!maxV) return;
    // 7. Ranges (equal ends pass).
    if (!RangeStep(*minU, *maxU, "最小u必须小于最大u。")) return;
    if (!RangeStep(*minV, *maxV, "最小v必须小于最大v。")) return;

    // 8. The contour dialog's whole numbers: any level count passes, but
    // neither it nor the width may lie beyond 32 bits. The other members hand
    // on a width of 0, which nothing of theirs changes.
    std::int32_t levels = 0;
    if (IsContour()) {
        const std::optional<std::int32_t> typedLevels = WholeValueStep(TextOf(Text11));
        if (!typedLevels) return;
        const std::optional<std::int32_t> width = WholeValueStep(ToStdString(Combo2->currentText()));
        if (!width) return;
        levels = *typedLevels;
        values.LineWidth = *width;
    }

    // 9. Construction: a parametric surface's grid.
    const auto graph = Cls9::Init(GraphIDCounter, TextOf(Text1), kind_.graphType, CoordType::Cartesian,
                                  TextOf(Text2), TextOf(Text3), TextOf(Text4), *stepU, *stepV, *minU, *maxU, *minV,
                                  *maxV, fill, values.FirstColor, values.SecondColor, values.LineColor,
                                  values.LineWidth, values.Material, Show::FilledSurface, Smoothness::Smooth, false,
                                  false, false, levels);
    graph->FunForm = FunForm::Parametric;

    // 10, 11. New or edited graph; 12. closing.
    if (!CommitGraph(graph, kind_.dialog)) return;
    CloseGraphDialog(*this);
}

template <class Form>
void FieldDialog<Form>::Command2_Click() {
    CancelGraphDialog(*this);
}

template <class Form>
void FieldDialog<Form>::FillForEdit(const Cls9& graph) {
    SetText(Text1, graph.NameS);
    SetText(Text2, graph.ExpressX);
    SetText(Text3, graph.ExpressY);
    SetText(Text4, graph.ExpressZ);
    SetText(Text5, ShortestSinglePlainText(graph.MinU));
    SetText(Text6, ShortestSinglePlainText(graph.MaxU));
    SetText(Text7, LongText(graph.StepU));
    SetText(Text8, ShortestSinglePlainText(graph.MinV));
    SetText(Text9, ShortestSinglePlainText(graph.MaxV));
    SetText(Text10, LongText(graph.StepV));
    // The first colour an OK under "单色" hands on is the graph's.
    Values().FirstColor = graph.FirstColor;
    if (kind_.graphType == GraphType::VectorField) {
        Picture1->SetColor(graph.SecondColor);
        return;
    }
    Picture2->SetColor(graph.FirstColor);
    if (!IsContour()) {
        Picture3->SetColor(graph.SecondColor);
        return;
    }
    SetText(Text11, LongText(graph.ContourLevel));
    SelectListValueOrText(Combo2, graph.LineWidth);
    const bool single = graph.FillStyle == FillStyle::OneColor;
    (single ? Option1 : Option2)->setChecked(true);
    (single ? Picture1 : Picture3)->SetColor(graph.SecondColor);
}

template class FieldDialog<frmF18>;
template class FieldDialog<frmF21>;
template class FieldDialog<frmF22>;
