#include "dialogs/special/frmF30.h"

#include "core/Globals.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "graph/Cls9.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>
#include <string>

namespace {
// The samples lie this far from x0 on the chosen side (Single arithmetic).
constexpr float SideWidth = 4.0f;
} // namespace

frmF30::frmF30() {
    setObjectName(QStringLiteral("frmF30"));
    setWindowTitle(ToQString("极限图形属性"));
    SizeTwips(this, 4680, 3195);

    Label1 = Placed(NewLabel(this, "Label1", "名称"), 240, 300, 735, 255);
    Text3 = Placed(NewText(this, "Text3"), 1080, 240, 3375, 315);
    Image1 = Placed(NewLabel(this, "Image1", "lim"), 240, 720, 735, 375);
    QFont big = Image1->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setItalic(true);
    Image1->setFont(big);
    Text1 = Placed(NewText(this, "Text1"), 1080, 750, 3375, 315);
    Image2 = Placed(NewLabel(this, "Image2", "x→"), 240, 1230, 495, 255);
    Image2->setFont(big);
    Combo1 = Placed(NewList(this, "Combo1", true), 780, 1200, 915, 315);
    Text2 = Placed(NewText(this, "Text2"), 1800, 1200, 1335, 315);
    Check1 = Placed(NewCheck(this, "Check1", "显示数据点"), 240, 1680, 2415, 255);
    Check2 = Placed(NewCheck(this, "Check2", "显示曲线"), 240, 2040, 2415, 255);
    SetTicked(Check1, true);
    SetTicked(Check2, true);

    Command1 = Placed(NewButton(this, "Command1", "确定"), 1800, 2640, 1215, 375);
    Command2 = Placed(NewButton(this, "Command2", "取消"), 3240, 2640, 1215, 375);
    Command1->setDefault(true);

    connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    Form_Load();
}

void frmF30::Form_Load() {
    AddListItems(Combo1, {"两侧", "-", "+"});
    SelectListIndex(Combo1, 0);
}

void frmF30::Command1_Click() {
    if (!FilterStep({{Text1, BoxFilter::Expression, &IllegalExpressionMessage}, {Text2}})) return;
    DocumentKind = 1;
    const std::string name = TextOf(Text3);

    BoundEvaluation bounds;
    const std::optional<float> x0 = bounds.Evaluate(TextOf(Text2));
    if (!x0) return;

    // The x range of the side; a side typed over (no entry) samples x = 0.
    const int side = ListIndex(Combo1);
    float minX = 0;
    float maxX = 0;
    if (side == 0) minX = *x0 - SideWidth, maxX = *x0 + SideWidth;
    if (side == 1) minX = *x0 - SideWidth, maxX = *x0;
    if (side == 2) minX = *x0, maxX = *x0 + SideWidth;

    const auto graph = Cls9::Init(GraphIDCounter, name, GraphType::Limit, CoordType::PlaneCartesian, "0", "x",
                                  TextOf(Text1), 1, 50, 0, 1, minX, maxX, FillStyle::OneColor, 0xFF0000, 0xFF0000,
                                  255, 1, Material::Metal, Show::Wireframe, Smoothness::Smoother);
    graph->FunForm = FunForm::Explicit;
    if (side >= 0) graph->LimitDir = side + 1;
    graph->LimitX0 = *x0;
    graph->LimitShowP = Ticked(Check1);
    graph->LimitShowL = Ticked(Check2);

    // The function is compiled by the sampling: a syntax error shows there.
    if (!CommitGraph(graph, LabelSource::frmF30)) return;
    CloseGraphDialog(*this);
}

void frmF30::Command2_Click() { CancelGraphDialog(*this); }

void frmF30::FillForEdit(const Cls9& graph) {
    SetText(Text3, graph.NameS);
    SetText(Text1, graph.ExpressZ);
    SelectListValueOrNone(Combo1, graph.LimitDir);
    SetText(Text2, ShortestSinglePlainText(graph.LimitX0));
    SetTicked(Check1, graph.LimitShowP);
    SetTicked(Check2, graph.LimitShowL);
}
