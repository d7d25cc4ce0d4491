#pragma once
// The coordinate-system dialog "坐标系属性" of strip, space and special-graph
// documents: whether the system is shown, its style, the three panels with
// their colours and materials, the panel grids and the interval counts of the
// axes. The show box and the colour pictures write into Axes at once (Cancel
// keeps what they wrote); OK writes the rest and sets AxesChanged, after which
// the axes command rebuilds the view.
#include "dialogs/DialogForm.h"

#include <array>
#include <cstdint>

class ColorBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

class frmF3 : public DialogForm<frmF3> {
    Q_OBJECT
public:
    frmF3();

    QTabWidget* SSTab1;      // tabs "坐标系", "面板", "网格", "间隔"
    // Tab "坐标系"
    QCheckBox* Check1;       // "显示坐标系"
    QGroupBox* Frame1;       // "风格" (hidden in strip documents)
    QRadioButton* Option1;   // "面板"
    QRadioButton* Option2;   // "三线"
    // Tab "面板": frames "XY 面板", "XZ 面板", "YZ面板"; each panel p (0 XY,
    // 1 XZ, 2 YZ) has its box "显示", colour label "颜色" Label(2p + 1),
    // colour picture, material label "材质" Label(2p + 2) and material list.
    QCheckBox* Check2;       // XY "显示"
    QCheckBox* Check3;       // XZ "显示"
    QCheckBox* Check4;       // YZ "显示"
    ColorBox* Picture1;      // XY panel colour
    ColorBox* Picture2;      // XZ panel colour
    ColorBox* Picture3;      // YZ panel colour
    QComboBox* Combo1;       // XY material
    QComboBox* Combo2;       // XZ material
    QComboBox* Combo3;       // YZ material
    std::array<QLabel*, 13> Label{}; // Label1..Label12 (index = number)
    // Tab "网格": frames "XY", "XZ", "YZ"
    QCheckBox* Check5;       // XY "X 方向"
    QCheckBox* Check6;       // XY "Y 方向"
    ColorBox* Picture5;      // XY grid colour
    QCheckBox* Check7;       // XZ "X 方向"
    QCheckBox* Check8;       // XZ "Z 方向"
    ColorBox* Picture7;      // XZ grid colour
    QCheckBox* Check9;       // YZ "Y 方向"
    QCheckBox* Check10;      // YZ "Z 方向"
    ColorBox* Picture9;      // YZ grid colour
    // Tab "间隔"
    QLineEdit* Text1;        // "X 坐标轴上的间隔数"
    QLineEdit* Text2;        // "Y 坐标轴上的间隔数"
    QLineEdit* Text3;        // "Z 坐标轴上的间隔数"
    QPushButton* Command1;   // "确定"
    QPushButton* Command2;   // "取消"

    void Form_Load();
    // Show follows the box at once.
    void Check1_Click();
    // A panel's box enables or disables its colour and material controls.
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    // A colour picture's click: the chosen colour (the picture's own when the
    // colour dialog is cancelled) goes into Axes at once.
    void PictureClick(ColorBox* picture, std::int32_t& colour);
    void Command1_Click();
    void Command2_Click();

private:
    void EnablePanel(int panel, bool enabled);
    // The materials loaded: stored back by an OK whose list shows none.
    std::array<std::int32_t, 3> loadedMaterial_{};
};
