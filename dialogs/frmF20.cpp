#include "dialogs/frmF20.h"

#include "core/Globals.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphControls.h"
#include "scene/BackStyles.h"
#include "scene/Cls3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>

#include <cmath>
#include <string>

namespace {

// The colours the style pictures are painted with: the background's initial
// first and second colours.
const QColor PictureFirst(0, 255, 0);
const QColor PictureSecond(255, 255, 255);

// The pictures: seven a row.
constexpr int PicturesPerRow = 7;
constexpr int PictureLeft = 240, PictureTop = 360, PictureWidth = 600, PictureHeight = 450;
constexpr int PictureStepX = 720, PictureStepY = 570;

int Channel(int first, int second, double share) {
    return int(std::lround(first + (second - first) * share));
}

} // namespace

BackStylePicture::BackStylePicture(QWidget* parent, std::int32_t style) : QAbstractButton(parent), style_(style) {
    setObjectName(QStringLiteral("Image1(%1)").arg(style - 1));
    setCursor(Qt::PointingHandCursor);
}

void BackStylePicture::paintEvent(QPaintEvent*) {
    // Each pixel takes the colour the background drawing gives the same place
    // of its rectangle.
    const int w = width(), h = height();
    QImage picture(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double share = BackStyleMix(style_, (x + 0.5) / w, 1 - (y + 0.5) / h);
            picture.setPixel(x, y,
                             qRgb(Channel(PictureFirst.red(), PictureSecond.red(), share),
                                  Channel(PictureFirst.green(), PictureSecond.green(), share),
                                  Channel(PictureFirst.blue(), PictureSecond.blue(), share)));
        }
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
    painter.setPen(hasFocus() ? palette().color(QPalette::Highlight) : QColor(0, 0, 0));
    painter.drawRect(0, 0, w - 1, h - 1);
}

frmF20::frmF20() {
    setObjectName(QStringLiteral("frmF20"));
    setWindowTitle(ToQString("坐标系属性"));
    SizeTwips(this, 6000, 4620);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    PlaceTwips(SSTab1, 120, 120, 5760, 3840);
    auto* axisTab = new QWidget;
    auto* gridTab = new QWidget;
    auto* backTab = new QWidget;
    SSTab1->addTab(axisTab, ToQString("坐标轴"));
    SSTab1->addTab(gridTab, ToQString("网格"));
    SSTab1->addTab(backTab, ToQString("背景"));

    Check1 = Placed(NewCheck(axisTab, "Check1", "显示坐标系"), 360, 300, 2400, 300);
    Label1 = Placed(NewLabel(axisTab, "Label1", "颜色"), 360, 900, 615, 255);
    Picture1 = Placed(NewColorBox(axisTab, "Picture1", 0), 1080, 840, 855, 375);
    Label2 = Placed(NewLabel(axisTab, "Label2", "宽度"), 2400, 900, 615, 255);
    Combo1 = Placed(NewList(axisTab, "Combo1", false), 3120, 840, 1095, 315);
    Check5 = Placed(NewCheck(axisTab, "Check5", "显示次级标签"), 360, 1500, 4200, 300);
    Check6 = Placed(NewCheck(axisTab, "Check6", "横坐标以π为间隔进行标记"), 360, 1980, 4200, 300);
    Check8 = Placed(NewCheck(axisTab, "Check8", "使用更好的字体外观"), 360, 2460, 4200, 300);

    Check2 = Placed(NewCheck(gridTab, "Check2", "显示主网格"), 360, 360, 1800, 300);
    Label3 = Placed(NewLabel(gridTab, "Label3", "颜色"), 2400, 390, 615, 255);
    Picture2 = Placed(NewColorBox(gridTab, "Picture2", 0), 3120, 330, 855, 375);
    Check3 = Placed(NewCheck(gridTab, "Check3", "显示次网格"), 360, 960, 1800, 300);
    Label4 = Placed(NewLabel(gridTab, "Label4", "颜色"), 2400, 990, 615, 255);
    Picture3 = Placed(NewColorBox(gridTab, "Picture3", 0), 3120, 930, 855, 375);

    Check4 = Placed(NewCheck(backTab, "Check4", "显示背景"), 240, 240, 1800, 300);
    Check7 = Placed(NewCheck(backTab, "Check7", "显示阴影"), 2760, 240, 1800, 300);
    Label5 = Placed(NewLabel(backTab, "Label5", "颜色1/单色"), 240, 780, 1095, 255);
    Picture4 = Placed(NewColorBox(backTab, "Picture4", 0), 1380, 720, 855, 375);
    Label6 = Placed(NewLabel(backTab, "Label6", "颜色2"), 2760, 780, 615, 255);
    Picture5 = Placed(NewColorBox(backTab, "Picture5", 0), 3420, 720, 855, 375);
    Frame1 = Placed(NewFrame(backTab, "Frame1", "选择一种填充类型"), 240, 1260, 5280, 2040);
    for (int k = 0; k < BackStyleCount; ++k) {
        auto* picture = new BackStylePicture(Frame1, k + 1);
        PlaceTwips(picture, PictureLeft + PictureStepX * (k % PicturesPerRow),
                   PictureTop + PictureStepY * (k / PicturesPerRow), PictureWidth, PictureHeight);
        Image1[std::size_t(k)] = picture;
        connect(picture, &QAbstractButton::clicked, this, Guarded([this, k] { Image1_Click(k); }));
    }
    // Drawn over the pictures' edges, letting clicks through to them.
    Shape1 = new QFrame(Frame1);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setLineWidth(1);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape1->hide();

    Command1 = Placed(NewButton(this, "Command1", "确定"), 3120, 4110, 1215, 375);
    Command2 = Placed(NewButton(this, "Command2", "取消"), 4560, 4110, 1215, 375);
    Command1->setDefault(true);

    for (ColorBox* picture : {Picture1, Picture2, Picture3, Picture4, Picture5})
        connect(picture, &ColorBox::clicked, this, Guarded([this, picture] { PictureClick(picture); }));
    connect(Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    Form_Load();
}

void frmF20::Form_Load() {
    SetTicked(Check1, Axes.Show);
    // A width the list cannot show selects nothing.
    ClearList(Combo1);
    AddListItems(Combo1, {"1", "2", "3", "4", "5"});
    loadedWidth_ = Axes.AxisWidth;
    SelectListIndex(Combo1, Axes.AxisWidth >= 1 && Axes.AxisWidth <= 5 ? Axes.AxisWidth - 1 : -1);

    Picture1->SetColor(Axes.AxisColor);
    Picture2->SetColor(Axes.PriGridColor);
    Picture3->SetColor(Axes.SecGridColor);
    Picture4->SetColor(Axes.BackColor);
    Picture5->SetColor(Axes.BackColor2);
    SetTicked(Check2, Axes.ShowprimaryGrid);
    SetTicked(Check3, Axes.ShowSecondaryGrid);
    SetTicked(Check4, Axes.ShowBackground);
    SetTicked(Check5, Axes.ShowSecondaryLabel);
    SetTicked(Check6, Axes.ShowPI);
    SetTicked(Check7, Axes.ShowShadow);
    SetTicked(Check8, Axes.BetterFonts);

    // A style below 1 frames the picture of style 2 (OK stores 2); one above
    // 19 frames none and is stored back.
    const std::int32_t k = Axes.BackStyle < 1 ? 1 : Axes.BackStyle - 1;
    FramePicture(k);
    selectedStyle_ = Axes.BackStyle;
}

void frmF20::FramePicture(int k) {
    if (k < 0 || k >= BackStyleCount) {
        Shape1->hide();
        return;
    }
    const QRect r = Image1[std::size_t(k)]->geometry();
    Shape1->setGeometry(r.adjusted(-1, -1, 1, 1));
    Shape1->show();
    Shape1->raise();
}

void frmF20::PictureClick(ColorBox* picture) { PickBoxColor(picture); }

void frmF20::Image1_Click(int Index) {
    selectedStyle_ = Index + 1;
    FramePicture(Index);
}

void frmF20::Command1_Click() {
    AxesChanged = true;
    Axes.Show = FullyTicked(Check1);
    Axes.AxisColor = Picture1->Color();
    // A list showing no width (one it cannot show) keeps the loaded one.
    Axes.AxisWidth = ListIndex(Combo1) >= 0 ? ListWholeValue(Combo1) : loadedWidth_;
    Axes.ShowprimaryGrid = FullyTicked(Check2);
    Axes.ShowSecondaryGrid = FullyTicked(Check3);
    Axes.ShowBackground = FullyTicked(Check4);
    Axes.ShowSecondaryLabel = FullyTicked(Check5);
    Axes.ShowPI = FullyTicked(Check6);
    Axes.ShowShadow = FullyTicked(Check7);
    Axes.BetterFonts = FullyTicked(Check8);
    if (selectedStyle_ < 1) selectedStyle_ = 2;
    Axes.PriGridColor = Picture2->Color();
    Axes.SecGridColor = Picture3->Color();
    Axes.BackColor = Picture4->Color();
    Axes.BackColor2 = Picture5->Color();
    Axes.BackStyle = selectedStyle_;
    Unload();
}

void frmF20::Command2_Click() {
    AxesChanged = false;
    Unload();
}
