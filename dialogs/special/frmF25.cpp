#include "dialogs/special/frmF25.h"

#include "core/Globals.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "graph/Cls9.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <string>

frmF25::frmF25() {
    setObjectName(QStringLiteral("frmF25"));
    setWindowTitle(ToQString("相交"));
    SizeTwips(this, 5520, 5040);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    PlaceTwips(SSTab1, 120, 120, 5280, 4275);
    auto* functionPage = new QWidget;
    auto* curvePage = new QWidget;
    auto* intersectionPage = new QWidget;
    SSTab1->addTab(functionPage, ToQString("函数"));
    SSTab1->addTab(curvePage, ToQString("曲线属性"));
    SSTab1->addTab(intersectionPage, ToQString("相交"));

    // "函数"
    QWidget* p = functionPage;
    Label1 = Placed(NewLabel(p, "Label1", "名称"), 240, 300, 735, 255);
    Text1 = Placed(NewText(p, "Text1", "Untitled"), 1080, 240, 3855, 315);
    Frame1 = Placed(NewFrame(p, "Frame1", "函数"), 240, 720, 4695, 1155);
    Label2 = Placed(NewLabel(Frame1, "Label2", "y1(x)"), 240, 360, 735, 255);
    Text2 = Placed(NewText(Frame1, "Text2"), 1080, 300, 3375, 315);
    Label3 = Placed(NewLabel(Frame1, "Label3", "y2(x)"), 240, 780, 735, 255);
    Text3 = Placed(NewText(Frame1, "Text3"), 1080, 720, 3375, 315);
    Frame2 = Placed(NewFrame(p, "Frame2", "变量取值"), 240, 2040, 4695, 1575);
    Label4 = Placed(NewLabel(Frame2, "Label4", "最小 x"), 240, 360, 735, 255);
    Text4 = Placed(NewText(Frame2, "Text4"), 1080, 300, 3375, 315);
    Label5 = Placed(NewLabel(Frame2, "Label5", "最大 x"), 240, 780, 735, 255);
    Text5 = Placed(NewText(Frame2, "Text5"), 1080, 720, 3375, 315);
    Label6 = Placed(NewLabel(Frame2, "Label6", "段数 x"), 240, 1200, 735, 255);
    Text6 = Placed(NewText(Frame2, "Text6", "300"), 1080, 1140, 3375, 315);
    Text6->setToolTip(QStringLiteral("Recommended Value: 100 - 500"));
    Label6->setToolTip(QStringLiteral("Recommended Value: 30 - 100"));

    // "曲线属性"
    p = curvePage;
    Frame3 = Placed(NewFrame(p, "Frame3", "函数1图形的属性"), 240, 300, 4695, 1335);
    Label7 = Placed(NewLabel(Frame3, "Label7", "颜色"), 240, 420, 615, 255);
    Picture1 = Placed(NewColorBox(Frame3, "Picture1", 255), 960, 360, 1215, 375);
    Label8 = Placed(NewLabel(Frame3, "Label8", "线宽"), 240, 900, 615, 255);
    Combo1 = Placed(NewList(Frame3, "Combo1", true), 960, 840, 1215, 315);
    Frame4 = Placed(NewFrame(p, "Frame4", "函数2图形的属性"), 240, 1860, 4695, 1335);
    Label9 = Placed(NewLabel(Frame4, "Label9", "颜色"), 240, 420, 615, 255);
    Picture2 = Placed(NewColorBox(Frame4, "Picture2", 0xFF0000), 960, 360, 1215, 375);
    Label10 = Placed(NewLabel(Frame4, "Label10", "线宽"), 240, 900, 615, 255);
    Combo2 = Placed(NewList(Frame4, "Combo2", true), 960, 840, 1215, 315);

    // "相交"
    p = intersectionPage;
    Check1 = Placed(NewCheck(p, "Check1", "显示交点"), 240, 240, 2415, 300);
    Frame5 = Placed(NewFrame(p, "Frame5", "交点的属性"), 240, 600, 4695, 1755);
    Label11 = Placed(NewLabel(Frame5, "Label11", "颜色"), 240, 420, 615, 255);
    Picture3 = Placed(NewColorBox(Frame5, "Picture3", 0x404040), 960, 360, 1215, 375);
    Label12 = Placed(NewLabel(Frame5, "Label12", "大小"), 240, 900, 615, 255);
    Combo3 = Placed(NewList(Frame5, "Combo3", true), 960, 840, 1215, 315);
    Label13 = Placed(NewLabel(Frame5, "Label13", "标记"), 240, 1320, 615, 255);
    Combo4 = Placed(NewList(Frame5, "Combo4", true), 960, 1260, 1935, 315);
    Check2 = Placed(NewCheck(p, "Check2", "计算相交区域的面积"), 240, 2520, 3015, 300);
    Frame6 = Placed(NewFrame(p, "Frame6", "相交区域的属性"), 240, 2880, 4695, 855);
    Label14 = Placed(NewLabel(Frame6, "Label14", "颜色"), 240, 420, 615, 255);
    Picture4 = Placed(NewColorBox(Frame6, "Picture4", 0x80FF80), 960, 360, 1215, 375);
    SetTicked(Check1, true);
    SetTicked(Check2, true);

    Command1 = Placed(NewButton(this, "Command1", "确定"), 2760, 4545, 1215, 375);
    Command2 = Placed(NewButton(this, "Command2", "取消"), 4185, 4545, 1215, 375);
    Command1->setDefault(true);

    connect(Picture1, &ColorBox::clicked, this, Guarded([this] { Picture1_Click(); }));
    connect(Picture2, &ColorBox::clicked, this, Guarded([this] { Picture2_Click(); }));
    connect(Picture3, &ColorBox::clicked, this, Guarded([this] { Picture3_Click(); }));
    connect(Picture4, &ColorBox::clicked, this, Guarded([this] { Picture4_Click(); }));
    connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    // A choice or a typed text in the marker list replaces a held marker.
    const auto release = [this] { heldMarker_.reset(); };
    connect(Combo4, &QComboBox::currentIndexChanged, this, release);
    connect(Combo4, &QComboBox::editTextChanged, this, release);
    Form_Load();
}

void frmF25::Form_Load() {
    for (QComboBox* list : {Combo1, Combo2, Combo3}) {
        FillWidthList(list);
        SelectListIndex(list, 1);
    }
    FillSymbolList(Combo4);
    SelectListIndex(Combo4, Symbol::HollowCircle - 1);
}

void frmF25::Picture1_Click() { PickBoxColor(Picture1); }
void frmF25::Picture2_Click() { PickBoxColor(Picture2); }
void frmF25::Picture3_Click() { PickBoxColor(Picture3); }
void frmF25::Picture4_Click() { PickBoxColor(Picture4); }

std::int32_t frmF25::MarkerValue() const {
    if (heldMarker_) return *heldMarker_;
    return Combo4->findText(Combo4->currentText(), Qt::MatchExactly) + 1;
}

void frmF25::Command1_Click() {
    // 1. Empty boxes (before the filters: blanks pass here).
    if (!EmptyStep({Text2, Text3, Text4, Text5, Text6})) return;
    // 2. Filters, each cleaned text written back before the next is read.
    if (!FilterStep({{Text2, BoxFilter::Expression, &IllegalExpressionMessage},
                     {Text3, BoxFilter::Expression, &IllegalExpressionMessage},
                     {Text5},
                     {Text6, BoxFilter::Number},
                     {Text4}}))
        return;
    // A box of blanks passed the empty check and is empty now: as missing.
    if (!EmptyStep({Text2, Text3, Text4, Text5, Text6})) return;
    // 3. A plane document, whatever follows.
    DocumentKind = 1;
    // 5. Bounds, minimum first; a minimum above the maximum is accepted.
    BoundEvaluation bounds;
    const std::optional<float> minX = bounds.Evaluate(TextOf(Text4));
    if (!minX) return;
    const std::optional<float> maxX = bounds.Evaluate(TextOf(Text5));
    if (!maxX) return;
    // 6. The segment count: sampling needs at least one.
    const std::optional<std::int32_t> steps = CountStep(TextOf(Text6), CountFloor::One, "段数x必须大于1。");
    if (!steps) return;
    // The whole numbers of the lists' texts.
    const std::optional<std::int32_t> width1 = WholeValueStep(ToStdString(Combo1->currentText()));
    if (!width1) return;
    const std::optional<std::int32_t> width2 = WholeValueStep(ToStdString(Combo2->currentText()));
    if (!width2) return;
    const std::optional<std::int32_t> size = WholeValueStep(ToStdString(Combo3->currentText()));
    if (!size) return;

    // 7. Construction: y1 over x as an explicit plane curve, y2 beside it.
    const auto graph = Cls9::Init(GraphIDCounter, TextOf(Text1), GraphType::Intersection, CoordType::PlaneCartesian,
                                  "0", "x", TextOf(Text2), 1, *steps, 0, 1.0f, *minX, *maxX, FillStyle::OneColor,
                                  0xFF0000, 0xFF0000, Picture1->Color(), *width1, Material::Metal, Show::Wireframe,
                                  Smoothness::Smoother, false, false, false, 0);
    graph->Show2DCurve = true;
    graph->FunForm = FunForm::Explicit;
    graph->Exp2 = TextOf(Text3);
    graph->Color2 = Picture2->Color();
    graph->Width2 = *width2;
    graph->ShowInter = Ticked(Check1);
    graph->InterColor = Picture3->Color();
    graph->InterSize = *size;
    graph->InterSymbol = MarkerValue();
    graph->ShowArea = Ticked(Check2);
    graph->AreaColor = Picture4->Color();

    // 8, 9. New or edited graph; 10. closing.
    if (!CommitGraph(graph, LabelSource::frmF25)) return;
    CloseGraphDialog(*this);
}

void frmF25::Command2_Click() { CancelGraphDialog(*this); }

void frmF25::PrepareNewIntersection() { setWindowTitle(ToQString("二维曲线相交")); }

void frmF25::FillForEdit(const Cls9& graph) {
    SetText(Text1, graph.NameS);
    SetText(Text2, graph.ExpressZ);
    SetText(Text3, graph.Exp2);
    SetText(Text4, ShortestSinglePlainText(graph.MinV));
    SetText(Text5, ShortestSinglePlainText(graph.MaxV));
    SetText(Text6, LongText(graph.StepV));
    Picture1->SetColor(graph.LineColor);
    SelectListValueOrText(Combo1, graph.LineWidth);
    Picture2->SetColor(graph.Color2);
    SelectListValueOrText(Combo2, graph.Width2);
    SetTicked(Check1, graph.ShowInter);
    Picture3->SetColor(graph.InterColor);
    SelectListValueOrText(Combo3, graph.InterSize);
    // A marker the list cannot show selects nothing and is kept until the
    // list is touched.
    SelectListValueOrNone(Combo4, graph.InterSymbol);
    if (ListIndex(Combo4) < 0) heldMarker_ = graph.InterSymbol;
    SetTicked(Check2, graph.ShowArea);
    Picture4->SetColor(graph.AreaColor);
}
