#include "dialogs/functions/frmF5.h"

#include "core/ColorService.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "dialogs/MainWindowLink.h"
#include "dialogs/functions/CurveForms.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "graph/Cls9.h"
#include "scene/Cls8.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>
#include <string>

namespace {

// FunForm of each Combo3 entry, and the entry of a FunForm (-1: none).
constexpr std::int32_t EntryForms[] = {FunForm::Explicit, FunForm::Parametric, FunForm::Implicit,
                                       FunForm::Inequality};
int FormEntry(std::int32_t funForm) {
    for (int i = 0; i < 4; ++i)
        if (EntryForms[i] == funForm) return i;
    return -1;
}

// The labels and shown boxes of a form in a coordinate system: the captions
// of Label3, Label4 (nullptr: hidden), Label5..Label7; whether Label7 and
// Text6 are shown; the y range captions (nullptr: unchanged) and whether its
// row is shown.
struct FormLayout {
    CurveCaptions captions;
    bool segments;
    const char* yRange[2];
    bool second;
};
// [form][0 Cartesian, 1 polar]; the implicit and inequality forms alike.
constexpr FormLayout Layouts[3][2] = {
    {{CurveFormCaptions[0][0], true, {nullptr, nullptr}, false},
     {CurveFormCaptions[0][1], true, {nullptr, nullptr}, false}},
    {{CurveFormCaptions[1][0], true, {nullptr, nullptr}, false},
     {CurveFormCaptions[1][1], true, {nullptr, nullptr}, false}},
    {{{"f(x,y)", "f(x,y,t)", nullptr, nullptr, {"最小 x", "最大 x", "段数 x"}}, false, {"最小 y", "最大 y"}, true},
     {{"f(a,r)", "f(a,r,t)", nullptr, nullptr, {"最小 a", "最大 a", "段数 a"}}, false, {"最小 r", "最大 r"}, true}},
};

void SetCaption(QLabel* label, const char* caption) { label->setText(ToQString(caption)); }

// A width list: entries "1".."8", the text "1", no entry selected.
QComboBox* NewWidthList(QWidget* parent, const char* name) {
    QComboBox* list = NewList(parent, name, true);
    FillWidthListText(list);
    return list;
}
QComboBox* NewSizeList(QWidget* parent, const char* name) {
    QComboBox* list = NewList(parent, name, true);
    FillSizeList(list);
    return list;
}
QComboBox* NewSymbolList(QWidget* parent, const char* name) {
    QComboBox* list = NewList(parent, name, true);
    FillSymbolList(list);
    return list;
}

// The number text of a stored Single: the shortest that reads back as the
// same value, never in exponent form (the bound boxes compile it).
std::string BoundText(float value) { return ShortestSinglePlainText(value); }

// A whole value of a list's text (widths, sizes); beyond 32 bits the OK is
// refused with "存在非法数据。".
std::optional<std::int32_t> ReadWhole(const QComboBox* list) {
    return WholeValueStep(ToStdString(list->currentText()));
}

// A position list's entries as positions 1..n (the last entry stays
// selected), each read as a bound is, its cleaned text written back; false
// after the refusal of an entry, which stays selected.
bool ReadPositions(BoundEvaluation& bounds, QListWidget* list, std::int32_t& count, PositionList& positions) {
    const std::int32_t entries = std::min<std::int32_t>(list->count(), PositionList::Upper);
    for (std::int32_t i = 1; i <= entries; ++i) {
        list->setCurrentRow(i - 1);
        QListWidgetItem* entry = list->item(i - 1);
        std::string cleaned;
        const auto value = bounds.Position(ToStdString(entry->text()), cleaned);
        if (!value) return false;
        entry->setText(ToQString(cleaned));
        positions(i) = *value;
    }
    count = entries;
    return true;
}

// Positions 1..count of a graph as entries of a position list.
void FillPositions(QListWidget* list, std::int32_t count, const PositionList& positions) {
    const std::int32_t last = std::min(count, PositionList::Upper);
    for (std::int32_t i = 1; i <= last; ++i) list->addItem(ToQString(BoundText(positions(i))));
}

} // namespace

// The overlays of the analysis pages, one row each, in the order the OK reads
// them and the edit fills them: the check box and its property, then those
// of the row's colour box, width or size list (read by text), marker list,
// range boxes (from, to) and position list. A null member: the row has none.
namespace {
using A = PlaneAnalysisSettings;
struct OverlayRow {
    QCheckBox* frmF5::*check;
    bool A::*shown;
    ColorBox* frmF5::*colourBox = nullptr;
    std::int32_t A::*colour = nullptr;
    QComboBox* frmF5::*number = nullptr;
    std::int32_t A::*numberValue = nullptr;
    QComboBox* frmF5::*marker = nullptr;
    std::int32_t A::*markerValue = nullptr;
    QLineEdit* frmF5::*from = nullptr;
    float A::*fromValue = nullptr;
    QLineEdit* frmF5::*to = nullptr;
    float A::*toValue = nullptr;
    QListWidget* frmF5::*positions = nullptr;
    std::int32_t A::*count = nullptr;
    PositionList A::*list = nullptr;
};
using F = frmF5;
const OverlayRow OverlayRows[] = {
    {&F::Check1, &A::ShowInverse, &F::Picture2, &A::InvColor, &F::Combo4, &A::InvWidth},
    {&F::Check2, &A::ShowDev, &F::Picture3, &A::DevColor, &F::Combo5, &A::DevWidth},
    {&F::Check4, &A::ShowInt, &F::Picture4, &A::IntColor, nullptr, nullptr, nullptr, nullptr, &F::Text13, &A::IntFrom,
     &F::Text14, &A::IntTo},
    {&F::Check5, &A::ShowMax, &F::Picture5, &A::MaxColor, &F::Combo7, &A::MaxSize, &F::Combo6, &A::MaxSymbol},
    {&F::Check6, &A::ShowMin, &F::Picture6, &A::MinColor, &F::Combo9, &A::MinSize, &F::Combo8, &A::MinSymbol},
    {&F::Check8, &A::ShowGuai, &F::Picture8, &A::GuaiColor, &F::Combo11, &A::GuaiSize, &F::Combo17, &A::GuaiSymbol},
    {&F::Check7, &A::ShowJO, &F::Picture7, &A::JOColor, &F::Combo10, &A::JOWidth},
    {&F::Check9, &A::ShowRoot, &F::Picture9, &A::RootColor, &F::Combo12, &A::RootSize, &F::Combo13, &A::RootSymbol},
    {&F::Check10, &A::ShowCurv, &F::Picture10, &A::CurvColor, &F::Combo14, &A::CurvWidth, nullptr, nullptr, nullptr,
     nullptr, nullptr, nullptr, &F::List1, &A::CurvNum, &A::CurvX},
    {&F::Check13, &A::ShowLen, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &F::Text17, &A::LenFrom,
     &F::Text18, &A::LenTo},
    {&F::Check14, &A::ShowQie, &F::Picture11, &A::QieColor, &F::Combo15, &A::QieWidth, nullptr, nullptr, nullptr,
     nullptr, nullptr, nullptr, &F::List2, &A::QieNum, &A::QieX},
    {&F::Check15, &A::ShowNml, &F::Picture12, &A::NmlColor, &F::Combo16, &A::NmlWidth, nullptr, nullptr, nullptr,
     nullptr, nullptr, nullptr, &F::List3, &A::NmlNum, &A::NmlX},
};
} // namespace

frmF5::frmF5() {
    setObjectName(QStringLiteral("frmF5"));
    setWindowTitle(ToQString("二维函数图形属性"));
    SizeTwips(this, 10200, 6060);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    PlaceTwips(SSTab1, 120, 120, 9960, 5280);
    const auto page = [this](const char* caption) {
        auto* w = new QWidget;
        SSTab1->addTab(w, ToQString(caption));
        return w;
    };
    QWidget* functionPage = page("函数");
    QWidget* propertyPage = page("属性");
    QWidget* inversePage = page("反函数");
    QWidget* derivativePage = page("导函数");
    QWidget* integralPage = page("积分");
    QWidget* extremaPage = page("极值");
    QWidget* mirrorPage = page("奇偶性");
    QWidget* rootPage = page("根");
    QWidget* curvaturePage = page("曲率");
    QWidget* lengthPage = page("弧长");
    QWidget* tangentPage = page("切线");
    QWidget* normalPage = page("法线");

    // Page "函数".
    Label1 = Placed(NewLabel(functionPage, "Label1", "名称"), 240, 300, 900, 255);
    Text1 = Placed(NewText(functionPage, "Text1", "Untitled"), 1200, 240, 3600, 315);
    Label2 = Placed(NewLabel(functionPage, "Label2", "坐标系"), 5280, 300, 900, 255);
    Combo1 = Placed(NewList(functionPage, "Combo1", true), 6240, 240, 3240, 315);
    Label13 = Placed(NewLabel(functionPage, "Label13", "形式"), 240, 780, 900, 255);
    Combo3 = Placed(NewList(functionPage, "Combo3", true), 1200, 720, 3600, 315);
    Frame1 = Placed(NewFrame(functionPage, "Frame1", "函数"), 240, 1200, 9240, 1320);
    Label3 = Placed(NewLabel(Frame1, "Label3", "x(u)"), 240, 420, 1080, 255);
    Text2 = Placed(NewText(Frame1, "Text2"), 1440, 360, 7560, 315);
    Label4 = Placed(NewLabel(Frame1, "Label4", "y(u)"), 240, 900, 1080, 255);
    Text3 = Placed(NewText(Frame1, "Text3"), 1440, 840, 7560, 315);
    Frame2 = Placed(NewFrame(functionPage, "Frame2", "变量取值"), 240, 2640, 9240, 1860);
    Label5 = Placed(NewLabel(Frame2, "Label5", "最小 u"), 240, 420, 900, 255);
    Text4 = Placed(NewText(Frame2, "Text4"), 1200, 360, 1800, 315);
    Label6 = Placed(NewLabel(Frame2, "Label6", "最大 u"), 3240, 420, 900, 255);
    Text5 = Placed(NewText(Frame2, "Text5"), 4200, 360, 1800, 315);
    Label7 = Placed(NewLabel(Frame2, "Label7", "段数 u"), 6240, 420, 900, 255);
    Text6 = Placed(NewText(Frame2, "Text6", "300"), 7200, 360, 1800, 315);
    Label14 = Placed(NewLabel(Frame2, "Label14", "最小 y"), 240, 900, 900, 255);
    Text10 = Placed(NewText(Frame2, "Text10"), 1200, 840, 1800, 315);
    Label15 = Placed(NewLabel(Frame2, "Label15", "最大 y"), 3240, 900, 900, 255);
    Text11 = Placed(NewText(Frame2, "Text11"), 4200, 840, 1800, 315);
    Label10 = Placed(NewLabel(Frame2, "Label10", "最小 t"), 240, 1380, 900, 255);
    Text7 = Placed(NewText(Frame2, "Text7"), 1200, 1320, 1800, 315);
    Label11 = Placed(NewLabel(Frame2, "Label11", "最大 t"), 3240, 1380, 900, 255);
    Text8 = Placed(NewText(Frame2, "Text8"), 4200, 1320, 1800, 315);
    Label12 = Placed(NewLabel(Frame2, "Label12", "段数 t"), 6240, 1380, 900, 255);
    Text9 = Placed(NewText(Frame2, "Text9"), 7200, 1320, 1800, 315);
    Text6->setToolTip(QStringLiteral("Recommended Value: 100 - 300"));
    Label7->setToolTip(QStringLiteral("Recommended Value: 30 - 100"));

    // Page "属性".
    Label8 = Placed(NewLabel(propertyPage, "Label8", "颜色"), 480, 420, 720, 255);
    Picture1 = Placed(NewColorBox(propertyPage, "Picture1", RGB(0, 0, 255)), 1320, 360, 1215, 375);
    Label9 = Placed(NewLabel(propertyPage, "Label9", "线宽"), 480, 1020, 720, 255);
    Combo2 = Placed(NewList(propertyPage, "Combo2", true), 1320, 960, 1215, 315);
    Check3 = Placed(NewCheck(propertyPage, "Check3", "显示原函数的图形"), 480, 1560, 4000, 315);
    Check3->setChecked(true);

    // A check box with a colour box and a width list beneath it, in `parent`.
    const auto styled = [](QWidget* parent, const char* check, const char* caption, const char* colourLabel,
                           const char* picture, std::int32_t colour, const char* widthLabel, const char* width,
                           int top, QCheckBox*& checkBox, ColorBox*& colourBox, QComboBox*& widthList) {
        checkBox = Placed(NewCheck(parent, check, caption), 480, top, 6000, 315);
        Placed(NewLabel(parent, colourLabel, "颜色"), 720, top + 600, 720, 255);
        colourBox = Placed(NewColorBox(parent, picture, colour), 1560, top + 540, 1215, 375);
        Placed(NewLabel(parent, widthLabel, "线宽"), 720, top + 1140, 720, 255);
        widthList = Placed(NewWidthList(parent, width), 1560, top + 1080, 1215, 315);
    };

    // Pages "反函数" and "导函数".
    styled(inversePage, "Check1", "显示反函数的图形", "Label16", "Picture2", RGB(255, 0, 0), "Label17", "Combo4",
           360, Check1, Picture2, Combo4);
    Label17 = inversePage->findChild<QLabel*>(QStringLiteral("Label17"));
    styled(derivativePage, "Check2", "显示导函数的图形", "Label18", "Picture3", RGB(255, 0, 255), "Label19",
           "Combo5", 360, Check2, Picture3, Combo5);

    // Page "积分".
    Check4 = Placed(NewCheck(integralPage, "Check4", "进行积分并计算积分区域的面积"), 480, 360, 6000, 315);
    Placed(NewLabel(integralPage, "Label20", "颜色"), 720, 960, 720, 255);
    Picture4 = Placed(NewColorBox(integralPage, "Picture4", RGB(255, 128, 0)), 1560, 900, 1215, 375);
    Label38 = Placed(NewLabel(integralPage, "Label38", "范围"), 720, 1560, 720, 255);
    Label39 = Placed(NewLabel(integralPage, "Label39", "从"), 1560, 1560, 360, 255);
    Text13 = Placed(NewText(integralPage, "Text13"), 1980, 1500, 2160, 315);
    Label40 = Placed(NewLabel(integralPage, "Label40", "到"), 4380, 1560, 360, 255);
    Text14 = Placed(NewText(integralPage, "Text14"), 4800, 1500, 2160, 315);

    // Page "极值": three frames of a check box, colour, marker and size.
    const auto marked = [extremaPage](const char* check, const char* caption, const char* frame,
                                      const char* frameCaption, const char* labels[3], const char* picture,
                                      std::int32_t colour, const char* symbol, const char* size, int top,
                                      QCheckBox*& checkBox, ColorBox*& colourBox, QComboBox*& symbolList,
                                      QComboBox*& sizeList) {
        checkBox = Placed(NewCheck(extremaPage, check, caption), 480, top, 3000, 315);
        QGroupBox* f = Placed(NewFrame(extremaPage, frame, frameCaption), 3600, top - 120, 5880, 1380);
        Placed(NewLabel(f, labels[0], "颜色"), 240, 420, 600, 255);
        colourBox = Placed(NewColorBox(f, picture, colour), 900, 360, 975, 375);
        Placed(NewLabel(f, labels[1], "标记"), 2100, 420, 600, 255);
        symbolList = Placed(NewSymbolList(f, symbol), 2760, 360, 2880, 315);
        Placed(NewLabel(f, labels[2], "大小"), 2100, 900, 600, 255);
        sizeList = Placed(NewSizeList(f, size), 2760, 840, 1215, 315);
    };
    const char* maxLabels[3] = {"Label21", "Label22", "Label23"};
    const char* minLabels[3] = {"Label24", "Label25", "Label26"};
    const char* guaiLabels[3] = {"Label27", "Label28", "Label29"};
    marked("Check5", "显示极大值点", "Frame3", "极大值点属性", maxLabels, "Picture5", RGB(0, 64, 0), "Combo6",
           "Combo7", 360, Check5, Picture5, Combo6, Combo7);
    marked("Check6", "显示极小值点", "Frame4", "极小值点属性", minLabels, "Picture6", RGB(128, 64, 64), "Combo8",
           "Combo9", 1920, Check6, Picture6, Combo8, Combo9);
    marked("Check8", "显示拐点", "Frame5", "拐点属性", guaiLabels, "Picture8", RGB(128, 0, 128), "Combo17",
           "Combo11", 3480, Check8, Picture8, Combo17, Combo11);

    // Page "奇偶性".
    Check7 = Placed(NewCheck(mirrorPage, "Check7", "将表达式中的x置换为-x，并绘图"), 480, 360, 6000, 315);
    auto* mirrorFrame = Placed(NewFrame(mirrorPage, "Frame6", "属性"), 480, 900, 4800, 1500);
    Placed(NewLabel(mirrorFrame, "Label30", "颜色"), 240, 420, 720, 255);
    Picture7 = Placed(NewColorBox(mirrorFrame, "Picture7", RGB(0, 192, 192)), 1080, 360, 1215, 375);
    Placed(NewLabel(mirrorFrame, "Label31", "线宽"), 240, 960, 720, 255);
    Combo10 = Placed(NewWidthList(mirrorFrame, "Combo10"), 1080, 900, 1215, 315);

    // Page "根".
    Check9 = Placed(NewCheck(rootPage, "Check9", "求根并用点显示"), 480, 360, 6000, 315);
    Placed(NewLabel(rootPage, "Label32", "颜色"), 720, 960, 720, 255);
    Picture9 = Placed(NewColorBox(rootPage, "Picture9", RGB(64, 0, 64)), 1560, 900, 1215, 375);
    Placed(NewLabel(rootPage, "Label33", "大小"), 720, 1500, 720, 255);
    Combo12 = Placed(NewSizeList(rootPage, "Combo12"), 1560, 1440, 1215, 315);
    Placed(NewLabel(rootPage, "Label34", "标记"), 720, 2040, 720, 255);
    Combo13 = Placed(NewSymbolList(rootPage, "Combo13"), 1560, 1980, 2880, 315);

    // Pages "曲率", "切线", "法线": a check box, a frame with colour and width,
    // and a frame of positions with its input box, list and buttons.
    struct PositionControls {
        QLabel*& inputLabel;
        QLineEdit*& input;
        QPushButton*& add;
        QLabel*& listLabel;
        QListWidget*& list;
        QPushButton*& remove;
        QPushButton*& reset;
    };
    const auto positioned = [](QWidget* parent, const char* check, const char* caption, const char* styleFrame,
                               const char* styleCaption, const char* styleLabels[2], const char* picture,
                               std::int32_t colour, const char* width, const char* positionFrame,
                               const char* names[7], const char* inputCaption, QCheckBox*& checkBox,
                               ColorBox*& colourBox, QComboBox*& widthList, PositionControls c) {
        checkBox = Placed(NewCheck(parent, check, caption), 480, 240, 6000, 315);
        QGroupBox* s = Placed(NewFrame(parent, styleFrame, styleCaption), 480, 720, 3360, 1620);
        Placed(NewLabel(s, styleLabels[0], "颜色"), 240, 480, 720, 255);
        colourBox = Placed(NewColorBox(s, picture, colour), 1080, 420, 1215, 375);
        Placed(NewLabel(s, styleLabels[1], "线宽"), 240, 1080, 720, 255);
        widthList = Placed(NewWidthList(s, width), 1080, 1020, 1215, 315);
        QGroupBox* p = Placed(NewFrame(parent, positionFrame, "位置"), 4080, 720, 5400, 3960);
        c.inputLabel = Placed(NewLabel(p, names[0], inputCaption), 240, 420, 2400, 255);
        c.input = Placed(NewText(p, names[1]), 240, 780, 2400, 315);
        c.add = Placed(NewButton(p, names[2], "添加"), 2880, 750, 1095, 375);
        c.listLabel = Placed(NewLabel(p, names[3], "选定的值"), 240, 1320, 2400, 255);
        c.list = Placed(new QListWidget(p), 240, 1680, 2400, 2040);
        c.list->setObjectName(QString::fromLatin1(names[4]));
        c.remove = Placed(NewButton(p, names[5], "删除"), 2880, 1680, 1095, 375);
        c.reset = Placed(NewButton(p, names[6], "重置"), 2880, 2220, 1095, 375);
    };
    const char* curvStyle[2] = {"Label35", "Label43"};
    const char* curvNames[7] = {"Label36", "Text12", "Command3", "Label37", "List1", "Command4", "Command5"};
    positioned(curvaturePage, "Check10", "显示曲率圆", "Frame7", "曲率圆的属性", curvStyle, "Picture10",
               RGB(0, 128, 0), "Combo14", "Frame8", curvNames, "输入1个x或a值", Check10, Picture10, Combo14,
               {Label36, Text12, Command3, Label37, List1, Command4, Command5});

    // Page "弧长".
    Check13 = Placed(NewCheck(lengthPage, "Check13", "计算曲线的弧长"), 480, 360, 6000, 315);
    Label50 = Placed(NewLabel(lengthPage, "Label50", "范围"), 720, 960, 720, 255);
    Label51 = Placed(NewLabel(lengthPage, "Label51", "从"), 1560, 960, 360, 255);
    Text17 = Placed(NewText(lengthPage, "Text17"), 1980, 900, 2160, 315);
    Label52 = Placed(NewLabel(lengthPage, "Label52", "到"), 4380, 960, 360, 255);
    Text18 = Placed(NewText(lengthPage, "Text18"), 4800, 900, 2160, 315);

    const char* qieStyle[2] = {"Label44", "Label47"};
    const char* qieNames[7] = {"Label41", "Text15", "Command6", "Label42", "List2", "Command7", "Command8"};
    positioned(tangentPage, "Check14", "显示切线", "Frame9", "切线的属性", qieStyle, "Picture11", RGB(128, 0, 0),
               "Combo15", "Frame10", qieNames, "输入1个x或a值", Check14, Picture11, Combo15,
               {Label41, Text15, Command6, Label42, List2, Command7, Command8});
    const char* nmlStyle[2] = {"Label48", "Label49"};
    const char* nmlNames[7] = {"Label46", "Text16", "Command11", "Label45", "List3", "Command10", "Command9"};
    positioned(normalPage, "Check15", "显示法线", "Frame11", "法线的属性", nmlStyle, "Picture12", RGB(64, 64, 0),
               "Combo16", "Frame12", nmlNames, "输入一个x或a值", Check15, Picture12, Combo16,
               {Label46, Text16, Command11, Label45, List3, Command10, Command9});

    Command1 = Placed(NewButton(this, "Command1", "确定"), 7440, 5550, 1215, 375);
    Command2 = Placed(NewButton(this, "Command2", "取消"), 8820, 5550, 1215, 375);
    Command1->setDefault(true);

    connect(Combo1, &QComboBox::currentIndexChanged, this, Guarded([this] { Combo1_Click(); }));
    connect(Combo3, &QComboBox::currentIndexChanged, this, Guarded([this] { Combo3_Click(); }));
    for (ColorBox* box : {Picture1, Picture2, Picture3, Picture4, Picture5, Picture6, Picture7, Picture8, Picture9,
                          Picture10, Picture11, Picture12})
        connect(box, &ColorBox::clicked, this, Guarded([box] { PickBoxColor(box); }));
    connect(Command3, &QPushButton::clicked, this, Guarded([this] { AddPosition(List1, Text12); }));
    connect(Command4, &QPushButton::clicked, this, Guarded([this] { DeletePosition(List1); }));
    connect(Command5, &QPushButton::clicked, this, Guarded([this] { ResetPositions(List1, Text12); }));
    connect(Command6, &QPushButton::clicked, this, Guarded([this] { AddPosition(List2, Text15); }));
    connect(Command7, &QPushButton::clicked, this, Guarded([this] { DeletePosition(List2); }));
    connect(Command8, &QPushButton::clicked, this, Guarded([this] { ResetPositions(List2, Text15); }));
    connect(Command11, &QPushButton::clicked, this, Guarded([this] { AddPosition(List3, Text16); }));
    connect(Command10, &QPushButton::clicked, this, Guarded([this] { DeletePosition(List3); }));
    connect(Command9, &QPushButton::clicked, this, Guarded([this] { ResetPositions(List3, Text16); }));
    connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    Form_Load();
}

void frmF5::Form_Load() {
    AddListItems(Combo1, {"直角坐标", "极坐标"});
    Combo1->setEditText(ToQString("直角坐标"));
    FillWidthListText(Combo2);
    FillForms(false, false);
    Combo3->setEditText(ToQString(PlaneFormNames(false, false)[0]));
    // The analysis lists and colour boxes took their defaults when made.
    Picture1->SetColor(RGB(0, 0, 255));
    if (AnimationMode()) EnableAnalysis(false);
}

bool frmF5::AnimationMode() const { return IsShown(Label10); }

std::array<QWidget*, frmF5::AnalysisControlCount> frmF5::AnalysisControls() const {
    return {Check1,   Picture2,  Combo4,   Check2,    Picture3, Combo5,   Check4,   Picture4,  Text13,
            Text14,   Check5,    Picture5, Combo6,    Combo7,   Check6,   Picture6, Combo8,    Combo9,
            Check8,   Picture8,  Combo17,  Combo11,   Check7,   Picture7, Combo10,  Check9,    Picture9,
            Combo12,  Combo13,   Check10,  Picture10, Combo14,  List1,    Check13,  Check14,   Picture11,
            Combo15,  List2,     Check15,  Picture12, Combo16,  List3,    Text12,   Text15,    Text16,
            Command3, Command4,  Command5, Command6,  Command7, Command8, Command9, Command10, Command11};
}

std::array<QWidget*, 24> frmF5::PolarSubset() const {
    return {Check5,  Picture5, Combo6,    Combo7,  Check6, Picture6, Combo8,   Combo9,
            Check8,  Picture8, Combo17,   Combo11, Check9, Picture9, Combo12,  Combo13,
            Check10, Picture10, Combo14,  List1,   Text12, Command3, Command4, Command5};
}

void frmF5::EnableAnalysis(bool enabled) {
    for (QWidget* control : AnalysisControls()) control->setEnabled(enabled);
}

void frmF5::FillForms(bool polar, bool animated) {
    const auto& forms = PlaneFormNames(polar, animated);
    ClearList(Combo3);
    AddListItems(Combo3, {forms[0], forms[1], forms[2], forms[3]});
}

void frmF5::ShowTimeRow(bool shown) {
    for (QWidget* control : std::initializer_list<QWidget*>{Label10, Label11, Label12, Text7, Text8, Text9})
        control->setVisible(shown);
}

void frmF5::ApplyFormLayout(int form, bool polar, bool animationCaptions) {
    const FormLayout& l = Layouts[std::min(form, 2)][polar ? 1 : 0];
    const CurveCaptions& c = l.captions;
    SetCaption(Label3, animationCaptions ? c.firstTime : c.first);
    const bool second = c.second != nullptr;
    if (second) SetCaption(Label4, animationCaptions ? c.secondTime : c.second);
    Label4->setVisible(second);
    Text3->setVisible(second);
    SetCaption(Label5, c.range[0]);
    SetCaption(Label6, c.range[1]);
    SetCaption(Label7, c.range[2]);
    Label7->setVisible(l.segments);
    Text6->setVisible(l.segments);
    if (l.yRange[0] != nullptr) {
        SetCaption(Label14, l.yRange[0]);
        SetCaption(Label15, l.yRange[1]);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{Label14, Label15, Text10, Text11})
        control->setVisible(l.second);
}

void frmF5::Combo1_Click() {
    rememberedForm_ = static_cast<std::int16_t>(std::max(ListIndex(Combo3), 0));
    const int coordinates = ListIndex(Combo1);
    if (coordinates == 0 || coordinates == 1) {
        FillForms(coordinates == 1, AnimationMode());
        SelectListIndex(Combo3, rememberedForm_);
    }
    Combo3_Click();
}

void frmF5::Combo3_Click() {
    const int coordinates = ListIndex(Combo1);
    const int form = ListIndex(Combo3);
    const bool system = coordinates == 0 || coordinates == 1;
    if (system && form >= 0 && form <= 3) ApplyFormLayout(form, coordinates == 1, AnimationMode());
    // The analysis rule: only the explicit form (or none chosen) has analyses;
    // in polar coordinates not the extrema, inflection points, roots and
    // circles of curvature.
    if (form > 0) {
        EnableAnalysis(false);
    } else if (system) {
        EnableAnalysis(true);
        if (coordinates == 1)
            for (QWidget* control : PolarSubset()) control->setEnabled(false);
    }
}

void frmF5::AddPosition(QListWidget* list, QLineEdit* input) {
    if (list->count() >= PositionList::Upper) {
        RefuseOk("位置不能超过50个。", NoticeTitle);
        return;
    }
    list->addItem(input->text());
    input->clear();
}

void frmF5::DeletePosition(QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) return;
    delete list->takeItem(list->row(selected.front()));
    // As after any removal, no entry is selected.
    list->setCurrentRow(-1);
}

void frmF5::ResetPositions(QListWidget* list, QLineEdit* input) {
    list->clear();
    input->clear();
}

void frmF5::Command1_Click() {
    const bool animated = AnimationMode();
    // The function page's boxes, then the t steps.
    if (!FilterStep({{Text2}, {Text3}, {Text4}, {Text5}, {Text10}, {Text11}, {Text7}, {Text8}})) return;
    if (animated && !TimeCountStep(Text9)) return;
    // The analysis pages' boxes, while enabled.
    const auto enabled = [](QLineEdit* box, BoxFilter filter) {
        return FilteredBox{box, filter, &IllegalDataMessage, FilterWhen::Enabled};
    };
    if (!FilterStep({enabled(Text12, BoxFilter::Number), enabled(Text13, BoxFilter::Expression),
                     enabled(Text14, BoxFilter::Expression), enabled(Text15, BoxFilter::Number),
                     enabled(Text16, BoxFilter::Number), enabled(Text17, BoxFilter::Expression),
                     enabled(Text18, BoxFilter::Expression)}))
        return;

    DocumentKind = 1;
    // A coordinate list whose text was typed over counts as Cartesian.
    const std::int32_t coordType = ListIndex(Combo1) == 1 ? CoordType::Polar : CoordType::PlaneCartesian;
    if (ListIndex(Combo3) < 0) SelectListIndex(Combo3, 0);
    const int form = std::max(ListIndex(Combo3), 0);
    const bool parametric = form == 1;
    const bool curve = form <= 1; // explicit or parametric: sampled over segments

    // Boxes the form needs, the segment count, then each range on its
    // evaluated bounds.
    const bool filled = form == 0   ? EmptyStep({Text2, Text4, Text5, Text6})
                        : form == 1 ? EmptyStep({Text2, Text3, Text4, Text5, Text6})
                        : form == 2 ? EmptyStep({Text2, Text4, Text5})
                                    : EmptyStep({Text2, Text4, Text5, Text10, Text11});
    if (!filled) return;
    if (animated && !EmptyStep({Text7, Text8, Text9})) return;
    std::int32_t segments = 0;
    if (curve) {
        const auto count = CountStep(TextOf(Text6), CountFloor::One, parametric ? "段数u必须大于1。" : "段数x必须大于1。");
        if (!count) return;
        segments = *count;
    }

    BoundEvaluation bounds;
    const auto range = EvaluatedRange(bounds, Text4, Text5, parametric ? "最小u必须小于最大u。" : "最小x必须小于最大x。");
    if (!range) return;
    const auto [low, high] = *range;

    const std::string variable = coordType == CoordType::PlaneCartesian ? "x" : "a";
    const std::string expressY = parametric ? TextOf(Text2) : variable;
    const std::string expressZ = parametric ? TextOf(Text3) : TextOf(Text2);

    float lowY = 0;
    float highY = 0;
    if (!curve) {
        const auto y = EvaluatedRange(bounds, Text10, Text11, "最小y必须小于最大y。");
        if (!y) return;
        lowY = y->first;
        highY = y->second;
    }

    const auto lineWidth = ReadWhole(Combo2);
    if (!lineWidth) return;
    const auto graph = curve ? Cls9::Init(GraphIDCounter, TextOf(Text1), GraphType::Function2D, coordType, "0",
                                          expressY, expressZ, 1, segments, 0, 1.0f, low, high,
                                          FillStyle::OneColor, 16711680, 16711680, Picture1->Color(), *lineWidth,
                                          Material::Metal, Show::Wireframe, Smoothness::Smoother)
                             : Cls9::Init(GraphIDCounter, TextOf(Text1), GraphType::Function2D, coordType, "0",
                                          variable, expressZ, 0, 0, low, high, lowY, highY,
                                          FillStyle::OneColor, 16711680, 16711680, Picture1->Color(), *lineWidth,
                                          Material::Metal, Show::Wireframe, Smoothness::Smoother);
    Cls9& g = *graph;
    g.FunForm = EntryForms[form];

    // The overlays, every control whether enabled or not.
    g.Show2DCurve = Ticked(Check3);
    if (!ReadOverlays(bounds, g)) return;

    if (animated && !AnimationStep(bounds, Text7, Text8, GraphType::Function2DAnimation, g)) return;

    // An edit whose analysis page was not filled from the graph (and is not
    // in use now) keeps the graph's analysis settings.
    if (IsEditing && keepAnalysis_ && !Check1->isEnabled()) {
        const Cls9& edited = *DocumentScene.FunSurfs.Item(std::int64_t(MainWindow().CurrentRow()) + 1);
        const bool shown = g.Show2DCurve;
        static_cast<PlaneAnalysisSettings&>(g) = static_cast<const PlaneAnalysisSettings&>(edited);
        g.Show2DCurve = shown;
    }

    if (!CommitGraph(graph, LabelSource::frmF5)) return;
    CloseGraphDialog(*this);
}

void frmF5::Command2_Click() { CancelGraphDialog(*this); }

void frmF5::PrepareNewGraph(bool polar, bool animated) {
    setWindowTitle(ToQString(animated ? "二维函数图形动画属性" : "二维函数图形属性"));
    SelectListIndex(Combo1, polar ? 1 : 0);
    FillForms(polar, animated);
    Combo3->setEditText(ToQString(PlaneFormNames(polar, animated)[0]));
    ShowTimeRow(animated);
    const CurveCaptions& explicitForm = CurveFormCaptions[0][polar ? 1 : 0];
    SetCaption(Label3, animated ? explicitForm.firstTime : explicitForm.first);
    if (animated) {
        Text9->setEnabled(false);
        SetText(Text9, LongText(FrameCount));
        EnableAnalysis(false);
    } else if (!polar) {
        for (QWidget* control : std::initializer_list<QWidget*>{Label4, Text3, Label14, Label15, Text10, Text11})
            control->setVisible(false);
    }
}

void frmF5::FillForEdit(const Cls9& graph) {
    const bool animated = graph.GraphType == GraphType::Function2DAnimation;
    const bool polar = graph.CoordType == CoordType::Polar;
    const int form = FormEntry(graph.FunForm);
    SelectListIndex(Combo3, form);
    ApplyFormLayout(std::max(form, 0), polar, false);
    ShowTimeRow(animated);
    if (animated) {
        Text9->setEnabled(false);
        SetText(Text7, BoundText(graph.MinT));
        SetText(Text8, BoundText(graph.MaxT));
        SetText(Text9, LongText(graph.StepT()));
    }
    setWindowTitle(ToQString("二维函数图形属性"));
    SetText(Text1, graph.NameS);
    const int system = graph.CoordType - CoordType::PlaneCartesian;
    SelectListIndex(Combo1, system == 0 || system == 1 ? system : -1);
    if (animated) EnableAnalysis(false);

    // The form's boxes.
    if (form == 1) {
        SetText(Text2, graph.ExpressY);
        SetText(Text3, graph.ExpressZ);
    } else {
        SetText(Text2, graph.ExpressZ);
    }
    if (form <= 1) {
        SetText(Text4, BoundText(graph.MinV));
        SetText(Text5, BoundText(graph.MaxV));
        SetText(Text6, LongText(graph.StepV));
    } else {
        SetText(Text4, BoundText(graph.MinU));
        SetText(Text5, BoundText(graph.MaxU));
        SetText(Text10, BoundText(graph.MinV));
        SetText(Text11, BoundText(graph.MaxV));
    }
    Picture1->SetColor(graph.LineColor);
    SelectListValueOrText(Combo2, graph.LineWidth);
    // The curve's own tick is on the page every form shows.
    SetTicked(Check3, graph.Show2DCurve);

    // The analysis page of the explicit form in plain mode; the OK keeps the
    // others' analysis settings.
    keepAnalysis_ = form != 0 || animated;
    if (!keepAnalysis_) FillAnalysis(graph);
}

void frmF5::FillAnalysis(const Cls9& g) {
    for (const OverlayRow& r : OverlayRows) {
        SetTicked(this->*r.check, g.*r.shown);
        if (r.colourBox) (this->*r.colourBox)->SetColor(g.*r.colour);
        if (r.number) SelectListValueOrText(this->*r.number, g.*r.numberValue);
        if (r.marker) SelectListValueOrNone(this->*r.marker, g.*r.markerValue);
        if (r.from) {
            SetText(this->*r.from, BoundText(g.*r.fromValue));
            SetText(this->*r.to, BoundText(g.*r.toValue));
        }
        if (r.positions) FillPositions(this->*r.positions, g.*r.count, g.*r.list);
    }
}

bool frmF5::ReadOverlays(BoundEvaluation& bounds, Cls9& g) {
    for (const OverlayRow& r : OverlayRows) {
        g.*r.shown = Ticked(this->*r.check);
        if (r.colourBox) g.*r.colour = (this->*r.colourBox)->Color();
        if (r.number) {
            const auto value = ReadWhole(this->*r.number);
            if (!value) return false;
            g.*r.numberValue = *value;
        }
        if (r.marker) g.*r.markerValue = ListPositionValue(this->*r.marker);
        if (r.from) {
            const auto from = bounds.Evaluate(TextOf(this->*r.from));
            if (!from) return false;
            g.*r.fromValue = *from;
            const auto to = bounds.Evaluate(TextOf(this->*r.to));
            if (!to) return false;
            g.*r.toValue = *to;
        }
        if (r.positions && !ReadPositions(bounds, this->*r.positions, g.*r.count, g.*r.list)) return false;
    }
    return true;
}
