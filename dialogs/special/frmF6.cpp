#include "dialogs/special/frmF6.h"

#include "core/FileDialogService.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "graph/Cls9.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

const char* const RecommendedCount = "Recommended Value: 30 - 60";

// The captions of one coordinate system, kind and form (plain mode): the
// expression labels (Label3, Label4 only for parametric forms) and the u and
// v rows (the v row only for surfaces).
struct Captions {
    const char* expressions[3];
    const char* uRow[3];
    const char* vRow[3];
};
constexpr const char* URow[3] = {"最小 u", "最大 u", "段数 u"};
constexpr const char* VRow[3] = {"最小 v", "最大 v", "段数 v"};

// [kind][form][coordinate system]
constexpr Captions CaptionTable[2][2][3] = {
    {   // curves
        {   // explicit: one function of the variable in brackets
            {{"z(x,y)"}, {"最小 x[y]", "最大 x[y]", "段数 x[y]"}, {}},
            {{"z(a,r)"}, {"最小 a[r]", "最大 a[r]", "段数 a[r]"}, {}},
            {{"r(a,b)"}, {"最小 a[b]", "最大 a[b]", "段数 a[b]"}, {}},
        },
        {   // parametric
            {{"x(u)", "y(u)", "z(u)"}, {URow[0], URow[1], URow[2]}, {}},
            {{"a(u)", "r(u)", "z(u)"}, {URow[0], URow[1], URow[2]}, {}},
            {{"a(u)", "b(u)", "r(u)"}, {URow[0], URow[1], URow[2]}, {}},
        },
    },
    {   // surfaces
        {   // explicit
            {{"z(x,y)"}, {"最小 x", "最大 x", "段数 x"}, {"最小 y", "最大 y", "段数 y"}},
            {{"z(a,r)"}, {"最小 a", "最大 a", "段数 a"}, {"最小 r", "最大 r", "段数 r"}},
            {{"r(a,b)"}, {"最小 a", "最大 a", "段数 a"}, {"最小 b", "最大 b", "段数 b"}},
        },
        {   // parametric
            {{"x(u,v)", "y(u,v)", "z(u,v)"}, {URow[0], URow[1], URow[2]}, {VRow[0], VRow[1], VRow[2]}},
            {{"a(u,v)", "r(u,v)", "z(u,v)"}, {URow[0], URow[1], URow[2]}, {VRow[0], VRow[1], VRow[2]}},
            {{"a(u,v)", "b(u,v)", "r(u,v)"}, {URow[0], URow[1], URow[2]}, {VRow[0], VRow[1], VRow[2]}},
        },
    },
};

// The form list: [coordinate system][kind][animation mode] explicit, parametric.
constexpr const char* FormTable[3][2][2][2] = {
    {
        {{"z=f(x) or z=f(y)", "x=f1(u),y=f2(u),z=f3(u)"},
         {"z=f(x,t) or z=f(y,t)", "x=f1(u,t),y=f2(u,t),z=f3(u,t)"}},
        {{"z=f(x,y)", "x=f1(u,v),y=f2(u,v),z=f3(u,v)"},
         {"z=f(x,y,t)", "x=f1(u,v,t),y=f2(u,v,t),z=f3(u,v,t)"}},
    },
    {
        {{"z=f(a) or z=f(r)", "a=f1(u),r=f2(u),z=f3(u)"},
         {"z=f(a,t) or z=f(r,t)", "a=f1(u,t),r=f2(u,t),z=f3(u,t)"}},
        {{"z=f(a,r)", "a=f1(u,v),r=f2(u,v),z=f3(u,v)"},
         {"z=f(a,r,t)", "a=f1(u,v,t),r=f2(u,v,t),z=f3(u,v,t)"}},
    },
    {
        {{"r=f(a) or r=f(b)", "a=f1(u),b=f2(u),r=f3(u)"},
         {"r=f(a,t) or r=f(b,t)", "a=f1(u,t),b=f2(u,t),r=f3(u,t)"}},
        {{"r=f(a,b)", "a=f1(u,v),b=f2(u,v),r=f3(u,v)"},
         {"r=f(a,b,t)", "a=f1(u,v,t),b=f2(u,v,t),r=f3(u,v,t)"}},
    },
};

// The two variables an explicit form's graph stores as ExpressX, ExpressY.
constexpr const char* ExplicitVariables[3][2] = {{"x", "y"}, {"a", "r"}, {"a", "b"}};

// The kind named by Combo2's text; 0 for any other text.
std::int32_t KindOfText(const std::string& text) {
    if (text == "曲线") return GraphType::Curve3D;
    if (text == "曲面") return GraphType::Surface3D;
    if (text == "曲线动画") return GraphType::Curve3DAnimation;
    if (text == "曲面动画") return GraphType::Surface3DAnimation;
    return 0;
}

// An expression caption of animation mode: ",t" before its closing parenthesis.
std::string WithT(const std::string& caption) {
    const std::size_t close = caption.rfind(')');
    if (close == std::string::npos) return caption;
    return caption.substr(0, close) + ",t" + caption.substr(close);
}

// A bound or position as the filling writes it: the shortest text that the OK
// evaluates back to the same Single.
std::string BoundText(float value) { return ShortestSinglePlainText(value); }

} // namespace

frmF6::Variables& frmF6::Values() { return WindowVariables<frmF6, Variables>(); }

frmF6::frmF6() : SurfaceLook(Values()) {
    setObjectName(QStringLiteral("frmF6"));
    setWindowTitle(ToQString("三维函数图形属性"));
    SizeTwips(this, 7215, 6240);

    SSTab1 = Placed(NewTabs(this, "SSTab1",
                            {"函数", "颜色", "材质", "外观", "特殊图形", "偏导函数", "切向", "法向", "纹理", "透明性"}),
                    120, 120, 6975, 5415);
    QWidget* page[10];
    for (int i = 0; i < 10; ++i) page[i] = SSTab1->widget(i);

    // "函数"
    QWidget* p = page[0];
    Label12 = Placed(NewLabel(p, "Label12", "名称"), 240, 300, 855, 255);
    Text1 = Placed(NewText(p, "Text1", "Untitled"), 1200, 240, 2295, 315);
    Label13 = Placed(NewLabel(p, "Label13", "坐标系"), 3720, 300, 855, 255);
    Combo1 = Placed(NewList(p, "Combo1", false), 4680, 240, 1935, 315);
    Label6 = Placed(NewLabel(p, "Label6", "图形类型"), 240, 720, 855, 255);
    Combo2 = Placed(NewList(p, "Combo2", false), 1200, 660, 2295, 315);
    Label11 = Placed(NewLabel(p, "Label11", "形式"), 240, 1140, 855, 255);
    Combo3 = Placed(NewList(p, "Combo3", true), 1200, 1080, 5415, 315);
    // Until the opener selects an entry the two lists show their names.
    Combo1->setPlaceholderText(QStringLiteral("Combo1"));
    Combo2->setPlaceholderText(QStringLiteral("Combo2"));

    Frame3 = Placed(NewFrame(p, "Frame3", "函数"), 240, 1560, 6375, 1575);
    Label2 = Placed(NewLabel(Frame3, "Label2", "x(u,v)"), 240, 360, 1095, 255);
    Text2 = Placed(NewText(Frame3, "Text2"), 1440, 300, 4695, 315);
    Label3 = Placed(NewLabel(Frame3, "Label3", "y(u,v)"), 240, 780, 1095, 255);
    Text3 = Placed(NewText(Frame3, "Text3"), 1440, 720, 4695, 315);
    Label4 = Placed(NewLabel(Frame3, "Label4", "z(u,v)"), 240, 1200, 1095, 255);
    Text4 = Placed(NewText(Frame3, "Text4"), 1440, 1140, 4695, 315);

    Frame4 = Placed(NewFrame(p, "Frame4", "变量取值"), 240, 3240, 6375, 1695);
    const auto rowOf = [&](int top, const char* names[6], const char* captions[3], const char* count,
                           QLabel** labels[3], QLineEdit** boxes[3]) {
        for (int i = 0; i < 3; ++i) {
            *labels[i] = Placed(NewLabel(Frame4, names[2 * i], captions[i]), 180 + 2100 * i, top + 60, 915, 255);
            *boxes[i] = Placed(NewText(Frame4, names[2 * i + 1], i == 2 ? count : ""), 1140 + 2100 * i, top,
                               975, 315);
        }
    };
    {
        const char* uNames[6] = {"Label17", "Text5", "Label18", "Text6", "Label19", "Text7"};
        const char* uCaptions[3] = {"最小 u", "最大 u", "段数 u"};
        QLabel** uLabels[3] = {&Label17, &Label18, &Label19};
        QLineEdit** uBoxes[3] = {&Text5, &Text6, &Text7};
        rowOf(300, uNames, uCaptions, "40", uLabels, uBoxes);
        const char* vNames[6] = {"Label20", "Text8", "Label21", "Text9", "Label22", "Text10"};
        const char* vCaptions[3] = {"最小 v", "最大 v", "段数 v"};
        QLabel** vLabels[3] = {&Label20, &Label21, &Label22};
        QLineEdit** vBoxes[3] = {&Text8, &Text9, &Text10};
        rowOf(780, vNames, vCaptions, "40", vLabels, vBoxes);
        const char* tNames[6] = {"Label8", "Text11", "Label9", "Text12", "Label10", "Text13"};
        const char* tCaptions[3] = {"最小 t", "最大 t", "段数 t"};
        QLabel** tLabels[3] = {&Label8, &Label9, &Label10};
        QLineEdit** tBoxes[3] = {&Text11, &Text12, &Text13};
        rowOf(1260, tNames, tCaptions, "", tLabels, tBoxes);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{Text7, Text10, Label19, Label22})
        w->setToolTip(QString::fromLatin1(RecommendedCount));

    BuildSurfaceLook(this, page[1], page[2], page[3], "平滑性");

    // "特殊图形"
    p = page[4];
    Check1 = Placed(NewCheck(p, "Check1", "添加色谱图"), 480, 480, 3015, 300);
    Check2 = Placed(NewCheck(p, "Check2", "添加等值线图"), 480, 960, 3015, 300);
    Check3 = Placed(NewCheck(p, "Check3", "添加矢量图"), 480, 1440, 3015, 300);

    // "偏导函数"
    p = page[5];
    Frame5 = Placed(NewFrame(p, "Frame5", "显示曲面"), 240, 300, 6255, 1695);
    Option11 = Placed(NewOption(Frame5, "Option11", "显示原函数的曲面"), 240, 360, 5775, 300);
    Option12 = Placed(NewOption(Frame5, "Option12", "显示原函数相对于X的导函数的曲面"), 240, 780, 5775, 300);
    Option13 = Placed(NewOption(Frame5, "Option13", "显示原函数相对于Y的导函数的曲面"), 240, 1200, 5775, 300);
    Option11->setChecked(true);

    // "切向" and "法向"
    p = page[6];
    Check4 = Placed(NewCheck(p, "Check4", "显示切平面"), 480, 360, 3015, 300);
    Frame6 = Placed(NewFrame(p, "Frame6", "位置"), 240, 840, 4215, 1335);
    Label14 = Placed(NewLabel(Frame6, "Label14", "x"), 240, 420, 375, 255);
    Text14 = Placed(NewText(Frame6, "Text14"), 720, 360, 3255, 315);
    Label15 = Placed(NewLabel(Frame6, "Label15", "y"), 240, 840, 375, 255);
    Text16 = Placed(NewText(Frame6, "Text16"), 720, 780, 3255, 315);
    p = page[7];
    Check5 = Placed(NewCheck(p, "Check5", "显示法线"), 480, 360, 3015, 300);
    Frame7 = Placed(NewFrame(p, "Frame7", "位置"), 240, 840, 4215, 1335);
    Label23 = Placed(NewLabel(Frame7, "Label23", "x"), 240, 420, 375, 255);
    Text15 = Placed(NewText(Frame7, "Text15"), 720, 360, 3255, 315);
    Label16 = Placed(NewLabel(Frame7, "Label16", "y"), 240, 840, 375, 255);
    Text17 = Placed(NewText(Frame7, "Text17"), 720, 780, 3255, 315);

    texture_ = BuildTexturePage(page[8], {"Check6", "Text18", "Frame8", "Option15", "Option14"});
    Check6 = texture_.tick;
    Text18 = texture_.path;
    Command3 = texture_.browse;
    Frame8 = texture_.frame;
    Option15 = texture_.replace;
    Option14 = texture_.blend;
    transparency_ = BuildTransparencyPage(page[9], "Check7");
    Check7 = transparency_.tick;
    Slider1 = transparency_.slider;

    Command1 = Placed(NewButton(this, "Command1", "确定"), 4440, 5700, 1215, 375);
    Command2 = Placed(NewButton(this, "Command2", "取消"), 5880, 5700, 1215, 375);
    Command1->setDefault(true);

    connect(Combo1, &QComboBox::currentIndexChanged, this, Guarded([this] { Combo1_Click(); }));
    connect(Combo2, &QComboBox::currentIndexChanged, this, Guarded([this] { Combo2_Click(); }));
    connect(Combo3, &QComboBox::currentIndexChanged, this, Guarded([this] { Combo3_Click(); }));
    connect(Command3, &QPushButton::clicked, this, Guarded([this] { Command3_Click(); }));
    connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    Form_Load();
}

frmF6::~frmF6() = default;

void frmF6::Form_Load() {
    AddListItems(Combo1, {"直角坐标", "柱面坐标", "球面坐标"});
    LoadSurfaceLook();
    // The Cartesian surface's forms until the first rebuild, none selected.
    AddListItems(Combo3, {FormTable[0][1][0][0], FormTable[0][1][0][1]});
    Combo3->setEditText(ToQString(FormTable[0][1][0][0]));
}

bool frmF6::AnimationMode() const { return IsShown(Label8); }

void frmF6::EnableAnalysis() {
    const int c = ListIndex(Combo1);
    const int k = ListIndex(Combo2);
    const int f = ListIndex(Combo3);
    // Every analysis applies to the explicit Cartesian surface; none to the
    // parametric forms but the Cartesian curve's; the rest place a tangent or
    // normal by one value, but the explicit cylindrical and spherical
    // surfaces, whose points need both variables (a and r, a and b).
    const bool all = c == 0 && k == 1 && f == 0;
    const bool none = !all && (k != 0 || c != 0) && f != 0;
    const bool twoValues = all || (k == 1 && f == 0 && (c == 1 || c == 2));
    for (QWidget* w : std::initializer_list<QWidget*>{Check1, Check2, Check3, Option11, Option12, Option13})
        w->setEnabled(all);
    for (QWidget* w : std::initializer_list<QWidget*>{Text16, Text17}) w->setEnabled(twoValues);
    for (QWidget* w : std::initializer_list<QWidget*>{Check4, Check5, Text14, Text15}) w->setEnabled(!none);
}

void frmF6::Combo1_Click() {
    EnableAnalysis();
    const int c = ListIndex(Combo1);
    const int k = ListIndex(Combo2);
    if (c >= 0 && c < 3 && k >= 0 && k < 2) {
        const int saved = std::max(ListIndex(Combo3), 0);
        const auto& forms = FormTable[c][k][AnimationMode() ? 1 : 0];
        ClearList(Combo3);
        AddListItems(Combo3, {forms[0], forms[1]});
        SelectListIndex(Combo3, saved);
    }
    Combo3_Click();
}

void frmF6::Combo2_Click() {
    EnableAnalysis();
    const int k = ListIndex(Combo2);
    if (k == 0) {
        Check4->setText(ToQString("显示切线"));
        Check5->setText(ToQString("显示法平面"));
    } else if (k == 1) {
        Check4->setText(ToQString("显示切平面"));
        Check5->setText(ToQString("显示法线"));
    }
    Combo1_Click();
}

void frmF6::Combo3_Click() {
    EnableAnalysis();
    const int c = ListIndex(Combo1);
    const int k = ListIndex(Combo2);
    const int f = ListIndex(Combo3);
    if (c < 0 || c > 2 || k < 0 || k > 1 || f < 0 || f > 1) return;
    const Captions& captions = CaptionTable[k][f][c];
    const bool animation = AnimationMode();
    const auto expression = [animation](const char* caption) {
        return ToQString(animation ? WithT(caption) : std::string(caption));
    };
    const bool parametric = f == 1;
    Label2->setText(expression(captions.expressions[0]));
    if (parametric) {
        Label3->setText(expression(captions.expressions[1]));
        Label4->setText(expression(captions.expressions[2]));
    }
    for (QWidget* w : std::initializer_list<QWidget*>{Label3, Label4, Text3, Text4}) w->setVisible(parametric);
    Label17->setText(ToQString(captions.uRow[0]));
    Label18->setText(ToQString(captions.uRow[1]));
    Label19->setText(ToQString(captions.uRow[2]));
    const bool surface = k == 1;
    if (surface) {
        Label20->setText(ToQString(captions.vRow[0]));
        Label21->setText(ToQString(captions.vRow[1]));
        Label22->setText(ToQString(captions.vRow[2]));
    }
    for (QWidget* w : std::initializer_list<QWidget*>{Label20, Label21, Label22, Text8, Text9, Text10})
        w->setVisible(surface);
}

void frmF6::Command3_Click() { BrowseTexture(Text18); }

void frmF6::Command1_Click() {
    const std::int32_t kind = KindOfText(ToStdString(Combo2->currentText()));
    if (!FilterStep({{Text2}, {Text3}, {Text4}, {Text5}, {Text6}, {Text8}, {Text9}, {Text11}, {Text12},
                     {Text14}, {Text15}, {Text16}, {Text17}}))
        return;
    const bool animation = AnimationMode();
    // The t count is checked; the frames are FrameCount's.
    if (animation && !CountStep(TextOf(Text13), CountFloor::One, "段数t必须大于1。")) return;
    DocumentKind = 3;

    Variables& values = Values();
    const std::int32_t fillStyle = SettleFill();
    const int coordinate = ListIndex(Combo1);
    const std::string name = TextOf(Text1);
    if (ListIndex(Combo3) < 0) SelectListIndex(Combo3, 0);
    const bool parametric = ListIndex(Combo3) == 1;

    // A kind or coordinate system not chosen cannot make a graph.
    if (kind == 0 || coordinate < 0) return RefuseOk(MissingInputMessage, NoticeTitle);
    const bool curve = kind == GraphType::Curve3D || kind == GraphType::Curve3DAnimation;
    const bool animatedKind = kind == GraphType::Curve3DAnimation || kind == GraphType::Surface3DAnimation;
    if (animation == animatedKind) {
        if (!EmptyStep({Text2, Text5, Text6, Text7})) return;
        if (!curve && !EmptyStep({Text8, Text9, Text10})) return;
        if (animation && !EmptyStep({Text11, Text12, Text13})) return;
        if (parametric && !EmptyStep({Text3, Text4})) return;
    }

    const auto stepU =
        CountStep(TextOf(Text7), CountFloor::One, parametric ? "段数u必须大于1。" : "段数 x,y,a,r或b必须大于1。");
    if (!stepU) return;
    std::int32_t stepV = 1;
    if (!curve) {
        const auto count =
            CountStep(TextOf(Text10), CountFloor::One, parametric ? "段数v必须大于1。" : "段数y(或r,b)必须大于1。");
        if (!count) return;
        stepV = *count;
    }

    const std::string x = parametric ? TextOf(Text2) : ExplicitVariables[coordinate][0];
    const std::string y = parametric ? TextOf(Text3) : ExplicitVariables[coordinate][1];
    const std::string z = parametric ? TextOf(Text4) : TextOf(Text2);

    BoundEvaluation bounds;
    const auto minU = bounds.Evaluate(TextOf(Text5));
    if (!minU) return;
    const auto maxU = bounds.Evaluate(TextOf(Text6));
    if (!maxU) return;
    float minV = 0;
    float maxV = 0;
    if (!curve) {
        const auto low = bounds.Evaluate(TextOf(Text8));
        if (!low) return;
        const auto high = bounds.Evaluate(TextOf(Text9));
        if (!high) return;
        minV = *low;
        maxV = *high;
        if (!RangeStep(minV, maxV, "最小值必须小于最大值。")) return;
    }
    if (!RangeStep(*minU, *maxU, "最小值必须小于最大值。")) return;

    const std::int32_t show = ShowValue();
    const std::int32_t smoothness = SmoothnessValue();
    const std::int32_t funForm = parametric ? FunForm::Parametric : FunForm::Explicit;

    // An edit starts from the edited graph, so that what the dialog does not
    // show (line colour and width, contour levels, further positions, the
    // texture and transparency behind an unticked box) stays as it was.
    auto graph = std::make_shared<Cls9>();
    const Cls9* edited = IsEditing ? edited_.get() : nullptr;
    if (edited) graph->EqualTo(*edited);
    graph->ID = GraphIDCounter;
    graph->Equal(name, kind, CoordType::Cartesian + coordinate, x, y, z, *stepU, stepV, *minU, *maxU, minV, maxV,
                 fillStyle, values.FirstColor, values.SecondColor, edited ? edited->LineColor : values.LineColor,
                 edited ? edited->LineWidth : values.LineWidth, values.Material, show, smoothness, false, false,
                 false, edited ? edited->ContourLevel : 0, funForm);

    ReadTextureAndTransparency(texture_, transparency_, *graph);
    graph->FunForm = funForm;
    graph->ShowColormap = Ticked(Check1);
    graph->ShowContour = Ticked(Check2);
    if (graph->ShowContour && graph->ContourLevel < 1) graph->ContourLevel = 10;
    graph->ShowVector = Ticked(Check3);
    if (const std::int32_t surface = OptionValue({Option11, Option12, Option13})) {
        graph->ShowSurface = surface == 1;
        graph->ShowSurPX = surface == 2;
        graph->ShowSurPY = surface == 3;
    }
    // A position box: an empty one is 0, one that does not compile ends the OK.
    const auto position = [&bounds](const QLineEdit* box) -> std::optional<float> {
        const std::string text = TextOf(box);
        if (text.empty()) return 0.0f;
        return bounds.Evaluate(text);
    };
    graph->ShowTangent = Ticked(Check4);
    if (graph->ShowTangent) {
        const auto px = position(Text14);
        if (!px) return;
        const auto py = position(Text16);
        if (!py) return;
        graph->TangentNum = std::max(graph->TangentNum, 1);
        graph->TangentX(1) = *px;
        graph->TangentY(1) = *py;
    }
    graph->ShowNormal = Ticked(Check5);
    if (graph->ShowNormal) {
        const auto px = position(Text15);
        if (!px) return;
        const auto py = position(Text17);
        if (!py) return;
        graph->NormalNum = std::max(graph->NormalNum, 1);
        graph->NormalX(1) = *px;
        graph->NormalY(1) = *py;
    }

    // The graph already has its animated kind; the playback commands stay on
    // even when the t range is refused.
    if (animation && !AnimationStep(bounds, Text11, Text12, graph->GraphType, *graph)) return;

    if (!CommitGraph(graph, LabelSource::frmF6)) return;
    CloseGraphDialog(*this);
}

void frmF6::Command2_Click() { CancelGraphDialog(*this); }

namespace {

// The mode's controls: the t row, the caption, the kind list and, in
// animation mode, the frame count fixed in the t count box.
void PrepareMode(frmF6& f, bool animation) {
    for (QWidget* w : std::initializer_list<QWidget*>{f.Label8, f.Label9, f.Label10, f.Text11, f.Text12, f.Text13})
        w->setVisible(animation);
    ClearList(f.Combo2);
    if (animation) {
        f.setWindowTitle(ToQString("三维函数图形动画属性"));
        f.Text13->setEnabled(false);
        SetText(f.Text13, LongText(FrameCount));
        AddListItems(f.Combo2, {"曲线动画", "曲面动画"});
    } else {
        AddListItems(f.Combo2, {"曲线", "曲面"});
    }
}

} // namespace

void frmF6::PrepareNewGraph(int coordinate, bool animation) {
    edited_.reset();
    PrepareMode(*this, animation);
    SelectListIndex(Combo1, coordinate);
    SelectListIndex(Combo2, 1);
}

void frmF6::FillForEdit(const Cls9& graph) {
    const std::int32_t type = graph.GraphType;
    const bool animation = type == GraphType::Curve3DAnimation || type == GraphType::Surface3DAnimation;
    const bool surface = type == GraphType::Surface3D || type == GraphType::Surface3DAnimation;
    PrepareMode(*this, animation);
    // The lists first, so that the boxes are relabelled before they are filled.
    const int coordinate = graph.CoordType - CoordType::Cartesian;
    SelectListIndex(Combo1, coordinate >= 0 && coordinate < 3 ? coordinate : -1);
    SelectListIndex(Combo2, surface ? 1 : 0);
    const int form = graph.FunForm - FunForm::Explicit;
    SelectListIndex(Combo3, form >= 0 && form < 2 ? form : -1);

    SetText(Text1, graph.NameS);
    if (form == 1) {
        SetText(Text2, graph.ExpressX);
        SetText(Text3, graph.ExpressY);
        SetText(Text4, graph.ExpressZ);
    } else {
        SetText(Text2, graph.ExpressZ);
    }
    SetText(Text5, BoundText(graph.MinU));
    SetText(Text6, BoundText(graph.MaxU));
    SetText(Text7, LongText(graph.StepU));
    if (surface) {
        SetText(Text8, BoundText(graph.MinV));
        SetText(Text9, BoundText(graph.MaxV));
        SetText(Text10, LongText(graph.StepV));
    }
    if (animation) {
        SetText(Text11, BoundText(graph.MinT));
        SetText(Text12, BoundText(graph.MaxT));
    }

    FillSurfaceLook(graph);

    SetTicked(Check1, graph.ShowColormap);
    SetTicked(Check2, graph.ShowContour);
    SetTicked(Check3, graph.ShowVector);
    SelectOptionValue({Option11, Option12, Option13},
                      graph.ShowSurface ? 1 : graph.ShowSurPX ? 2 : graph.ShowSurPY ? 3 : 0);
    SetTicked(Check4, graph.ShowTangent);
    SetText(Text14, BoundText(graph.TangentX(1)));
    SetText(Text16, BoundText(graph.TangentY(1)));
    SetTicked(Check5, graph.ShowNormal);
    SetText(Text15, BoundText(graph.NormalX(1)));
    SetText(Text17, BoundText(graph.NormalY(1)));
    FillTextureAndTransparency(graph, texture_, transparency_);

    edited_ = std::make_unique<Cls9>();
    edited_->EqualTo(graph);
}
