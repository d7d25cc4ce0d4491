#pragma once
// The point animation dialog "点动画": a point graph (GraphType 8) whose
// coordinates are expressions in t, one position per frame between a first
// and a last t, in plane (Cartesian, polar) or space (Cartesian, cylindrical,
// spherical) coordinates, with the point dialog's colour, size and, in plane
// documents, solid or hollow marker. The t count box only shows FrameCount.
// Opened by the point animation command (new) and by the edit command.
#include "dialogs/DialogForm.h"

class Cls9;
class ColorBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

class frmF17 : public DialogForm<frmF17> {
    Q_OBJECT
public:
    frmF17();

    QTabWidget* SSTab1;    // tabs "点" and "属性"
    // Tab "点"
    QLabel* Label1;        // "名称"
    QLineEdit* Text1;      // the name, "Untitled"
    QLabel* Label2;        // "坐标系类型"
    QComboBox* Combo1;     // coordinate systems
    QGroupBox* Frame1;     // "坐标表达式"
    QLabel* Label3;        // "X(t)"
    QLineEdit* Text2;
    QLabel* Label4;        // "Y(t)"
    QLineEdit* Text3;
    QLabel* Label5;        // "Z(t)": shown, the OK reads three expressions
    QLineEdit* Text4;
    QGroupBox* Frame2;     // "t 的取值"
    QLabel* Label6;        // "最小t"
    QLineEdit* Text5;
    QLabel* Label7;        // "最大t"
    QLineEdit* Text6;
    QLabel* Label8;        // "段数t"
    QLineEdit* Text7;      // FrameCount, disabled by the openers
    // Tab "属性"
    QLabel* Label9;        // "颜色"
    ColorBox* Picture1;    // the point's colour (design: the menu-text system colour)
    QLabel* Label10;       // "大小"
    QComboBox* Combo2;     // sizes "1".."9"
    QGroupBox* Frame3;     // "是否空心" (plane documents)
    QRadioButton* Option1; // "实心"
    QRadioButton* Option2; // "空心"
    QPushButton* Command1; // "确定"
    QPushButton* Command2; // "取消"

    void Form_Load();
    // Relabels the coordinate boxes for the selected coordinate system.
    void Combo1_Click();
    void Picture1_Click();
    void Command1_Click();
    void Command2_Click();

    // The point animation command's preparation of a new graph for DocumentKind.
    void PrepareNewAnimation();
    // The edit command's filling from the selected point animation: plane
    // and special (document kinds 1, 7: two expressions), strip (2) or space
    // (3).
    void FillForEdit(const Cls9& graph);

private:
    // Whether the third expression and the marker choice are shown.
    void ShowVariant(bool thirdCoordinate, bool markerChoice);
    // Text7 disabled, showing FrameCount.
    void ShowFrameCount();
};
