#include "dialogs/special/frmF24.h"

#include "core/Globals.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "graph/Cls9.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

#include <string>

namespace {
const char* const RecommendedCount = "Recommended Value: 30 - 60";
} // namespace

DialogVariables& frmF24::Values() { return WindowVariables<frmF24>(); }

frmF24::frmF24() : SurfaceLook(Values()) {
    setObjectName(QStringLiteral("frmF24"));
    setWindowTitle(ToQString("旋转曲面"));
    SizeTwips(this, 7215, 5640);

    SSTab1 = Placed(NewTabs(this, "SSTab1", {"函数", "颜色", "材质", "外观", "纹理", "透明性"}), 120, 120, 6975, 4815);
    QWidget* page[6];
    for (int i = 0; i < 6; ++i) page[i] = SSTab1->widget(i);

    // "函数"
    QWidget* p = page[0];
    Label8 = Placed(NewLabel(p, "Label8", "名称"), 240, 300, 855, 255);
    Text1 = Placed(NewText(p, "Text1", "Untitled"), 1200, 240, 2295, 315);
    Frame3 = Placed(NewFrame(p, "Frame3", "函数"), 240, 720, 6375, 855);
    Label9 = Placed(NewLabel(Frame3, "Label9", "y(x)"), 240, 360, 1095, 255);
    Text2 = Placed(NewText(Frame3, "Text2"), 1440, 300, 4695, 315);
    Frame4 = Placed(NewFrame(p, "Frame4", "变量取值"), 240, 1680, 6375, 855);
    Label10 = Placed(NewLabel(Frame4, "Label10", "最小 x"), 180, 360, 915, 255);
    Text5 = Placed(NewText(Frame4, "Text5"), 1140, 300, 975, 315);
    Label11 = Placed(NewLabel(Frame4, "Label11", "最大 x"), 2280, 360, 915, 255);
    Text6 = Placed(NewText(Frame4, "Text6"), 3240, 300, 975, 315);
    Label12 = Placed(NewLabel(Frame4, "Label12", "段数 x"), 4380, 360, 915, 255);
    Text7 = Placed(NewText(Frame4, "Text7", "40"), 5340, 300, 975, 315);
    Text7->setToolTip(QString::fromLatin1(RecommendedCount));
    Label12->setToolTip(QString::fromLatin1(RecommendedCount));
    Frame5 = Placed(NewFrame(p, "Frame5", "旋转方向"), 240, 2640, 6375, 855);
    Option11 = Placed(NewOption(Frame5, "Option11", "绕X轴旋转"), 240, 360, 2415, 300);
    Option12 = Placed(NewOption(Frame5, "Option12", "绕Y轴旋转"), 3240, 360, 2415, 300);
    Option11->setChecked(true);

    BuildSurfaceLook(this, page[1], page[2], page[3], "平滑程度");

    texture_ = BuildTexturePage(page[4], {"Check5", "Text3", "Frame6", "Option14", "Option13"});
    Check5 = texture_.tick;
    Text3 = texture_.path;
    Command3 = texture_.browse;
    Frame6 = texture_.frame;
    Option14 = texture_.replace;
    Option13 = texture_.blend;
    transparency_ = BuildTransparencyPage(page[5], "Check6");
    Check6 = transparency_.tick;
    Slider1 = transparency_.slider;

    Command1 = Placed(NewButton(this, "Command1", "确定"), 4440, 5100, 1215, 375);
    Command2 = Placed(NewButton(this, "Command2", "取消"), 5880, 5100, 1215, 375);
    Command1->setDefault(true);

    connect(Command3, &QPushButton::clicked, this, Guarded([this] { Command3_Click(); }));
    connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    Form_Load();
}

frmF24::~frmF24() = default;

void frmF24::Form_Load() { LoadSurfaceLook(); }

void frmF24::Command3_Click() { BrowseTexture(Text3); }

void frmF24::Command1_Click() {
    if (!EmptyStep({Text2, Text7, Text5, Text6})) return;
    if (!FilterStep({{Text2, BoxFilter::Expression, &IllegalExpressionMessage},
                     {Text5},
                     {Text6},
                     {Text7, BoxFilter::Number}}))
        return;
    // The sampling needs at least one segment that fits its arrays.
    const auto segments = CountStep(TextOf(Text7), CountFloor::One, "段数x必须大于1。");
    if (!segments) return;
    const std::int32_t kind = Option12->isChecked() && !Option11->isChecked() ? GraphType::RevolutionY
                                                                             : GraphType::RevolutionX;
    DocumentKind = 3;

    DialogVariables& values = Values();
    const std::int32_t fillStyle = SettleFill();
    const std::string name = TextOf(Text1);
    BoundEvaluation bounds;
    const auto minX = bounds.Evaluate(TextOf(Text5));
    if (!minX) return;
    const auto maxX = bounds.Evaluate(TextOf(Text6));
    if (!maxX) return;

    // An edit starts from the edited graph, so that what the dialog does not
    // show stays as it was; a new graph starts from a fresh one.
    auto graph = std::make_shared<Cls9>();
    const Cls9* edited = IsEditing ? edited_.get() : nullptr;
    if (edited) graph->EqualTo(*edited);
    graph->ID = GraphIDCounter;
    graph->Equal(name, kind, CoordType::PlaneCartesian, "0", "x", TextOf(Text2), 0, *segments, 0, 0, *minX, *maxX,
                 fillStyle, values.FirstColor, values.SecondColor, edited ? edited->LineColor : 0,
                 edited ? edited->LineWidth : 0, values.Material, ShowValue(), SmoothnessValue(),
                 edited && edited->ShowContour, edited && edited->ShowVector, edited && edited->ShowColormap,
                 edited ? edited->ContourLevel : 0, FunForm::Explicit);
    ReadTextureAndTransparency(texture_, transparency_, *graph);

    if (!CommitGraph(graph, LabelSource::frmF24)) return;
    CloseGraphDialog(*this);
}

void frmF24::Command2_Click() { CancelGraphDialog(*this); }

void frmF24::FillForEdit(const Cls9& graph) {
    SetText(Text1, graph.NameS);
    SetText(Text2, graph.ExpressZ);
    SetText(Text5, ShortestSinglePlainText(graph.MinV));
    SetText(Text6, ShortestSinglePlainText(graph.MaxV));
    SetText(Text7, LongText(graph.StepV));
    SelectOptionValue({Option11, Option12}, graph.GraphType == GraphType::RevolutionY ? 2 : 1);
    FillSurfaceLook(graph);
    FillTextureAndTransparency(graph, texture_, transparency_);
    edited_ = std::make_unique<Cls9>();
    edited_->EqualTo(graph);
}
