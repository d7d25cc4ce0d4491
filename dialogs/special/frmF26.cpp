#include "dialogs/special/frmF26.h"

#include "core/ColorParts.h"
#include "core/ColorService.h"
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

#include <optional>
#include <string>

namespace {

const char* const RecommendedCount = "Recommended Value: 10 - 30";
// The step plot's colour box starts with the active title bar's system colour.
constexpr std::int32_t ActiveTitleBarColor = SystemColorCode(2);

// A width list "1".."8" showing the text "2" (read by its text).
void FillWidthTwo(QComboBox* list) {
    FillWidthListText(list);
    list->setEditText(QStringLiteral("2"));
}

} // namespace

frmF26::frmF26() {
    setObjectName(QStringLiteral("frmF26"));
    setWindowTitle(ToQString("特殊图形属性"));
    SizeTwips(this, 6000, 4800);

    SSTab1 = Placed(NewTabs(this, "SSTab1", {"函数", "阶梯图", "火柴杆图"}), 120, 120, 5760, 3960);
    QWidget* page[3];
    for (int i = 0; i < 3; ++i) page[i] = SSTab1->widget(i);

    // "函数"
    QWidget* p = page[0];
    Label1 = Placed(NewLabel(p, "Label1", "名称"), 240, 300, 735, 255);
    Text1 = Placed(NewText(p, "Text1", "Untitled"), 1080, 240, 2295, 315);
    Frame1 = Placed(NewFrame(p, "Frame1", "函数"), 240, 720, 5175, 855);
    Label2 = Placed(NewLabel(Frame1, "Label2", "y(x)"), 240, 360, 735, 255);
    Text2 = Placed(NewText(Frame1, "Text2"), 1080, 300, 3855, 315);
    Frame2 = Placed(NewFrame(p, "Frame2", "变量取值"), 240, 1680, 5175, 1335);
    Label3 = Placed(NewLabel(Frame2, "Label3", "最小 u"), 240, 360, 735, 255);
    Text4 = Placed(NewText(Frame2, "Text4"), 1080, 300, 1335, 315);
    Label4 = Placed(NewLabel(Frame2, "Label4", "最大 u"), 2640, 360, 735, 255);
    Text5 = Placed(NewText(Frame2, "Text5"), 3480, 300, 1335, 315);
    Label5 = Placed(NewLabel(Frame2, "Label5", "段数 u"), 240, 840, 735, 255);
    Text6 = Placed(NewText(Frame2, "Text6", "20"), 1080, 780, 1335, 315);
    Text6->setToolTip(QString::fromLatin1(RecommendedCount));
    Label5->setToolTip(QString::fromLatin1(RecommendedCount));

    // "阶梯图"
    p = page[1];
    Check2 = Placed(NewCheck(p, "Check2", "显示阶梯图"), 480, 360, 2415, 300);
    Label6 = Placed(NewLabel(p, "Label6", "颜色"), 480, 960, 735, 255);
    Picture1 = Placed(NewColorBox(p, "Picture1", ActiveTitleBarColor), 1320, 900, 1215, 375);
    Label7 = Placed(NewLabel(p, "Label7", "线宽"), 480, 1500, 735, 255);
    Combo2 = Placed(NewList(p, "Combo2", true), 1320, 1440, 1215, 315);

    // "火柴杆图"
    p = page[2];
    Check1 = Placed(NewCheck(p, "Check1", "显示火柴杆图"), 480, 240, 2415, 300);
    Frame3 = Placed(NewFrame(p, "Frame3", "头部的属性"), 240, 720, 5175, 1575);
    Label8 = Placed(NewLabel(Frame3, "Label8", "颜色"), 240, 420, 735, 255);
    Picture2 = Placed(NewColorBox(Frame3, "Picture2", RGB(192, 0, 0)), 1080, 360, 1215, 375);
    Label9 = Placed(NewLabel(Frame3, "Label9", "大小"), 2640, 420, 735, 255);
    Combo1 = Placed(NewList(Frame3, "Combo1", true), 3480, 360, 1215, 315);
    Label10 = Placed(NewLabel(Frame3, "Label10", "标记"), 240, 960, 735, 255);
    Combo3 = Placed(NewList(Frame3, "Combo3", true), 1080, 900, 1935, 315);
    Frame4 = Placed(NewFrame(p, "Frame4", "杆"), 240, 2400, 5175, 975);
    Label11 = Placed(NewLabel(Frame4, "Label11", "颜色"), 240, 420, 735, 255);
    Picture3 = Placed(NewColorBox(Frame4, "Picture3", RGB(0, 0, 192)), 1080, 360, 1215, 375);
    Label12 = Placed(NewLabel(Frame4, "Label12", "线宽"), 2640, 420, 735, 255);
    Combo4 = Placed(NewList(Frame4, "Combo4", true), 3480, 360, 1215, 315);

    Command1 = Placed(NewButton(this, "Command1", "确定"), 3240, 4260, 1215, 375);
    Command2 = Placed(NewButton(this, "Command2", "取消"), 4665, 4260, 1215, 375);
    Command1->setDefault(true);

    connect(Picture1, &ColorBox::clicked, this, Guarded([this] { Picture1_Click(); }));
    connect(Picture2, &ColorBox::clicked, this, Guarded([this] { Picture2_Click(); }));
    connect(Picture3, &ColorBox::clicked, this, Guarded([this] { Picture3_Click(); }));
    connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    Form_Load();
}

void frmF26::Form_Load() {
    FillSizeList(Combo1);
    FillWidthTwo(Combo2);
    FillWidthTwo(Combo4);
    FillSymbolList(Combo3);
}

void frmF26::Picture1_Click() { PickBoxColor(Picture1); }
void frmF26::Picture2_Click() { PickBoxColor(Picture2); }
void frmF26::Picture3_Click() { PickBoxColor(Picture3); }

void frmF26::Command1_Click() {
    if (!EmptyStep({Text2, Text4, Text5, Text6})) return;
    if (!FilterStep({{Text2, BoxFilter::Expression, &IllegalExpressionMessage},
                     {Text5},
                     {Text6, BoxFilter::Number},
                     {Text4}}))
        return;
    // The sampling needs at least one segment that fits its arrays.
    const auto segments = CountStep(TextOf(Text6), CountFloor::One, "段数u必须大于1。");
    if (!segments) return;
    DocumentKind = 1;
    const std::string name = TextOf(Text1);

    BoundEvaluation bounds;
    const auto minX = bounds.Evaluate(TextOf(Text4));
    if (!minX) return;
    const auto maxX = bounds.Evaluate(TextOf(Text5));
    if (!maxX) return;

    // The widths and the head size as whole numbers of their texts.
    const auto stepWidth = WholeValueStep(ToStdString(Combo2->currentText()));
    if (!stepWidth) return;
    const auto headSize = WholeValueStep(ToStdString(Combo1->currentText()));
    if (!headSize) return;
    const auto bodyWidth = WholeValueStep(ToStdString(Combo4->currentText()));
    if (!bodyWidth) return;

    const auto graph = Cls9::Init(GraphIDCounter, name, GraphType::StepStem, CoordType::PlaneCartesian, "0", "x",
                                  TextOf(Text2), 1, *segments, 0, 1.0f, *minX, *maxX, FillStyle::OneColor,
                                  0xFF0000, 0xFF0000, Picture1->Color(), *stepWidth, Material::Metal,
                                  Show::Wireframe, Smoothness::Smoother);
    Cls9& g = *graph;
    g.FunForm = FunForm::Explicit;
    g.ShowStep = Ticked(Check2);
    g.StepColor = Picture1->Color();
    g.StepWidth = *stepWidth;
    g.ShowStem = Ticked(Check1);
    g.StemHeadColor = Picture2->Color();
    g.StemHeadSize = *headSize;
    // A marker typed over the list names no entry: 0, no head.
    g.StemHeadSymbol = ListPositionValue(Combo3);
    g.StemBodyColor = Picture3->Color();
    g.StemBodyWidth = *bodyWidth;

    if (!CommitGraph(graph, LabelSource::frmF26)) return;
    CloseGraphDialog(*this);
}

void frmF26::Command2_Click() { CancelGraphDialog(*this); }

void frmF26::PrepareNewGraph(bool stem) { SetTicked(stem ? Check1 : Check2, true); }

void frmF26::FillForEdit(const Cls9& graph) {
    SetText(Text1, graph.NameS);
    SetText(Text2, graph.ExpressZ);
    SetText(Text4, ShortestSinglePlainText(graph.MinV));
    SetText(Text5, ShortestSinglePlainText(graph.MaxV));
    SetText(Text6, LongText(graph.StepV));
    SetTicked(Check2, graph.ShowStep);
    Picture1->SetColor(graph.StepColor);
    SelectListValueOrText(Combo2, graph.StepWidth);
    SetTicked(Check1, graph.ShowStem);
    Picture2->SetColor(graph.StemHeadColor);
    SelectListValueOrText(Combo1, graph.StemHeadSize);
    SelectListValueOrNone(Combo3, graph.StemHeadSymbol);
    Picture3->SetColor(graph.StemBodyColor);
    SelectListValueOrText(Combo4, graph.StemBodyWidth);
}
