#pragma once
// The differential-equation dialog "常微分方程定义的图形": the solution curves
// of dy/dx = f(x, y) (GraphType 36), either one solution through a given
// initial point or a family starting at the ends of the segments of a y
// range, each taking explicit Euler steps over the x range; with the colour
// and width of the curves. Opened by the ODE command (new) and by the edit
// command (filled from the selected graph).
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

class frmF29 : public DialogForm<frmF29> {
    Q_OBJECT
public:
    frmF29();

    QTabWidget* SSTab1;    // pages "方程" and "属性"
    // Page "方程"
    QLabel* Label1;        // "名称"
    QLineEdit* Text1;      // the name
    QGroupBox* Frame1;     // "定义"
    QLabel* Label2;        // "dy/dx"
    QLineEdit* Text2;      // the slope f(x, y)
    QGroupBox* Frame3;     // "初值"
    QRadioButton* Option1; // "给定1个初值"
    QLabel* Label14;       // "x0"
    QLineEdit* Text9;
    QLabel* Label15;       // "y0"
    QLineEdit* Text10;
    QRadioButton* Option2; // "没有初值" (the family)
    QGroupBox* Frame2;     // "变量取值"
    QLabel* Label3;        // "最小x"
    QLineEdit* Text3;
    QLabel* Label4;        // "最大x"
    QLineEdit* Text4;
    QLabel* Label5;        // "段数x"
    QLineEdit* Text5;
    QLabel* Label6;        // "最小y"
    QLineEdit* Text6;
    QLabel* Label7;        // "最大y"
    QLineEdit* Text7;
    QLabel* Label8;        // "段数y"
    QLineEdit* Text8;
    // Page "属性"
    QLabel* Label12;       // "颜色"
    ColorBox* Picture1;    // the curves' colour (blue)
    QLabel* Label13;       // "线宽"
    QComboBox* Combo1;     // widths "1".."8", read as position + 1
    QPushButton* Command1; // "确定"
    QPushButton* Command2; // "取消"

    void Form_Load();
    // One solution through (x0, y0): the y range hidden, x0 and y0 enabled.
    void Option1_Click();
    // The family: the y range shown, x0 and y0 disabled.
    void Option2_Click();
    // Every change of x0 is copied into min x, so the x range begins at x0.
    void Text9_Change();
    void Picture1_Click();
    void Command1_Click();
    void Command2_Click();

    // The edit command's filling from the selected graph.
    void FillForEdit(const Cls9& graph);
};
