#pragma once
// The coordinate-system dialog "坐标系属性" of plane documents: whether the
// system is shown, the axis colour and width, the two grids, the background
// with its colours and one of the 19 fill styles, the minor ticks, ticking x
// in multiples of pi, the shadow and the smoother label fonts. Nothing reaches
// Axes before OK; OK sets AxesChanged, after which the axes command rebuilds
// the view.
#include "dialogs/DialogForm.h"

#include <QAbstractButton>

#include <array>
#include <cstdint>

class ColorBox;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

// A picture of a background fill style as a button: the style painted from
// its colour table with the initial background colours (green and white).
class BackStylePicture : public QAbstractButton {
    Q_OBJECT
public:
    BackStylePicture(QWidget* parent, std::int32_t style);
    std::int32_t Style() const { return style_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::int32_t style_;
};

class frmF20 : public DialogForm<frmF20> {
    Q_OBJECT
public:
    frmF20();

    QTabWidget* SSTab1;      // tabs "坐标轴", "网格", "背景"
    // Tab "坐标轴"
    QCheckBox* Check1;       // "显示坐标系"
    QLabel* Label1;          // "颜色"
    ColorBox* Picture1;      // AxisColor
    QLabel* Label2;          // "宽度"
    QComboBox* Combo1;       // widths "1".."5" (a drop-down list)
    QCheckBox* Check5;       // "显示次级标签"
    QCheckBox* Check6;       // "横坐标以π为间隔进行标记"
    QCheckBox* Check8;       // "使用更好的字体外观"
    // Tab "网格"
    QCheckBox* Check2;       // "显示主网格"
    QLabel* Label3;          // "颜色"
    ColorBox* Picture2;      // PriGridColor
    QCheckBox* Check3;       // "显示次网格"
    QLabel* Label4;          // "颜色"
    ColorBox* Picture3;      // SecGridColor
    // Tab "背景"
    QCheckBox* Check4;       // "显示背景"
    QLabel* Label5;          // "颜色1/单色"
    ColorBox* Picture4;      // BackColor
    QLabel* Label6;          // "颜色2"
    ColorBox* Picture5;      // BackColor2
    QCheckBox* Check7;       // "显示阴影"
    QGroupBox* Frame1;       // "选择一种填充类型"
    std::array<BackStylePicture*, 19> Image1{}; // Image1(k) shows style k + 1
    QFrame* Shape1;          // the frame around the selected picture
    QPushButton* Command1;   // "确定"
    QPushButton* Command2;   // "取消"

    void Form_Load();
    // A colour picture's click: the chosen colour (its own when the colour
    // dialog is cancelled) becomes the picture's; Axes is not touched.
    void PictureClick(ColorBox* picture);
    // Picture k chosen: style k + 1, framed.
    void Image1_Click(int Index);
    void Command1_Click();
    void Command2_Click();

    // The selected style number.
    std::int32_t SelectedStyle() const { return selectedStyle_; }

private:
    // Shape1 around picture k (hidden when k is not a picture).
    void FramePicture(int k);
    std::int32_t selectedStyle_ = 0;
    // The width loaded: stored back by an OK whose list shows none.
    std::int32_t loadedWidth_ = 0;
};
