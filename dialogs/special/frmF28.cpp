#include "dialogs/special/frmF28.h"

#include "core/Globals.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "dialogs/special/SingleBoxes.h"
#include "graph/Cls9.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>
#include <optional>
#include <vector>

frmF28::frmF28() {
    setObjectName(QStringLiteral("frmF28"));
    setWindowTitle(ToQString("矢量运算"));
    SizeTwips(this, 4680, 3495);

    Label1 = Placed(NewLabel(this, "Label1", "运算类型"), 240, 300, 975, 255);
    Combo1 = Placed(NewList(this, "Combo1", false), 1320, 240, 1815, 315);

    Frame1 = Placed(NewFrame(this, "Frame1", "矢量1"), 240, 720, 4215, 855);
    Label3 = Placed(NewLabel(Frame1, "Label3", "dx"), 180, 390, 315, 255);
    Text2 = Placed(NewText(Frame1, "Text2"), 495, 330, 855, 315);
    Label4 = Placed(NewLabel(Frame1, "Label4", "dy"), 1560, 390, 315, 255);
    Text3 = Placed(NewText(Frame1, "Text3"), 1875, 330, 855, 315);
    Label5 = Placed(NewLabel(Frame1, "Label5", "dz"), 2940, 390, 315, 255);
    Text4 = Placed(NewText(Frame1, "Text4"), 3255, 330, 855, 315);

    Frame2 = Placed(NewFrame(this, "Frame2", "矢量2"), 240, 1740, 4215, 855);
    Label6 = Placed(NewLabel(Frame2, "Label6", "dx"), 180, 390, 315, 255);
    Text5 = Placed(NewText(Frame2, "Text5"), 495, 330, 855, 315);
    Label7 = Placed(NewLabel(Frame2, "Label7", "dy"), 1560, 390, 315, 255);
    Text6 = Placed(NewText(Frame2, "Text6"), 1875, 330, 855, 315);
    Label8 = Placed(NewLabel(Frame2, "Label8", "dz"), 2940, 390, 315, 255);
    Text7 = Placed(NewText(Frame2, "Text7"), 3255, 330, 855, 315);

    Label2 = Placed(NewLabel(this, "Label2", "Constant"), 420, 2130, 855, 255);
    Text1 = Placed(NewText(this, "Text1"), 1320, 2070, 1335, 315);
    Label2->hide();
    Text1->hide();

    Command1 = Placed(NewButton(this, "Command1", "确定"), 1800, 2940, 1215, 375);
    Command2 = Placed(NewButton(this, "Command2", "取消"), 3240, 2940, 1215, 375);
    Command1->setDefault(true);

    connect(Combo1, &QComboBox::currentIndexChanged, this, Guarded([this] { Combo1_Click(); }));
    connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    Form_Load();
}

void frmF28::Form_Load() {
    AddListItems(Combo1, {"相加", "相减", "乘以常数", "数量积", "矢量积"});
    SelectListIndex(Combo1, 0);
}

void frmF28::Combo1_Click() {
    // Each control's own visibility, so the OK can ask every box.
    const bool multiple = ListIndex(Combo1) == VecOperation::Multiple - 1;
    for (QWidget* w : {static_cast<QWidget*>(Frame2), static_cast<QWidget*>(Label6), static_cast<QWidget*>(Label7),
                       static_cast<QWidget*>(Label8), static_cast<QWidget*>(Text5), static_cast<QWidget*>(Text6),
                       static_cast<QWidget*>(Text7)})
        w->setVisible(!multiple);
    Label2->setVisible(multiple);
    Text1->setVisible(multiple);
}

void frmF28::Command1_Click() {
    // Hidden boxes are neither filtered nor changed.
    if (!FilterStep({{Text1, BoxFilter::Number}, {Text2, BoxFilter::Number}, {Text3, BoxFilter::Number},
                     {Text4, BoxFilter::Number}, {Text5, BoxFilter::Number}, {Text6, BoxFilter::Number},
                     {Text7, BoxFilter::Number}}))
        return;
    const std::int32_t operation = ListPositionValue(Combo1);
    const bool multiple = operation == VecOperation::Multiple;
    // Every box the operation reads is read before anything is stored.
    const std::optional<std::vector<float>> v1 = ReadSingles({Text2, Text3, Text4});
    if (!v1) return;
    const std::optional<std::vector<float>> second =
        multiple ? ReadSingles({Text1}) : ReadSingles({Text5, Text6, Text7});
    if (!second) return;

    // A fresh graph with the class defaults; dx, dy, dz are the drawing's Z, X, Y.
    const auto graph = std::make_shared<Cls9>();
    graph->GraphType = GraphType::VectorOperation;
    graph->VecOperation = operation;
    graph->VecDX = (*v1)[1];
    graph->VecDY = (*v1)[2];
    graph->VecDZ = (*v1)[0];
    if (multiple) {
        graph->VecConstant = (*second)[0];
    } else {
        graph->VecDX2 = (*second)[1];
        graph->VecDY2 = (*second)[2];
        graph->VecDZ2 = (*second)[0];
    }

    if (!CommitGraph(graph, LabelSource::frmF28)) return;
    CloseGraphDialog(*this);
}

void frmF28::Command2_Click() { CancelGraphDialog(*this); }

void frmF28::FillForEdit(const Cls9& graph) {
    // The operation first: it decides what is shown.
    SelectListValueOrNone(Combo1, graph.VecOperation);
    SetText(Text2, ShortestSinglePlainText(graph.VecDZ));
    SetText(Text3, ShortestSinglePlainText(graph.VecDX));
    SetText(Text4, ShortestSinglePlainText(graph.VecDY));
    SetText(Text1, ShortestSinglePlainText(graph.VecConstant));
    SetText(Text5, ShortestSinglePlainText(graph.VecDZ2));
    SetText(Text6, ShortestSinglePlainText(graph.VecDX2));
    SetText(Text7, ShortestSinglePlainText(graph.VecDY2));
}
