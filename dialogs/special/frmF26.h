#pragma once
// The step and stem dialog "特殊图形属性": one explicit plane function y(x)
// (GraphType 23) sampled at segment count + 1 values of x and drawn as a step
// plot, a stem plot, or both, never as a curve (Show2DCurve stays False). Its
// OK makes the document a plane one (DocumentKind 1) before the bounds are
// evaluated. Opened by the Draw commands "阶梯图" and "火柴杆图"
// (PrepareNewGraph ticks the command's plot) and by the edit command
// (FillForEdit).
#include "dialogs/DialogForm.h"

class Cls9;
class ColorBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

class frmF26 : public DialogForm<frmF26> {
    Q_OBJECT
public:
    frmF26();

    QTabWidget* SSTab1;    // "函数" "阶梯图" "火柴杆图"
    // Tab "函数"
    QLabel* Label1;        // "名称"
    QLineEdit* Text1;      // the name ("Untitled")
    QGroupBox* Frame1;     // "函数"
    QLabel* Label2;        // "y(x)"
    QLineEdit* Text2;      // y(x)
    QGroupBox* Frame2;     // "变量取值"
    QLabel* Label3;        // "最小 u"
    QLineEdit* Text4;      // the x range's minimum
    QLabel* Label4;        // "最大 u"
    QLineEdit* Text5;      // its maximum
    QLabel* Label5;        // "段数 u"
    QLineEdit* Text6;      // segments ("20")
    // Tab "阶梯图"
    QCheckBox* Check2;     // "显示阶梯图"
    QLabel* Label6;        // "颜色"
    ColorBox* Picture1;    // the active title bar's system-colour code, passed on unchanged
    QLabel* Label7;        // "线宽"
    QComboBox* Combo2;     // "1".."8", text "2"
    // Tab "火柴杆图"
    QCheckBox* Check1;     // "显示火柴杆图"
    QGroupBox* Frame3;     // "头部的属性"
    QLabel* Label8;        // "颜色"
    ColorBox* Picture2;    // dark red
    QLabel* Label9;        // "大小"
    QComboBox* Combo1;     // "1".."9", "2"
    QLabel* Label10;       // "标记"
    QComboBox* Combo3;     // the six markers, "实心圆"
    QGroupBox* Frame4;     // "杆"
    QLabel* Label11;       // "颜色"
    ColorBox* Picture3;    // dark blue
    QLabel* Label12;       // "线宽"
    QComboBox* Combo4;     // "1".."8", text "2"
    QPushButton* Command1; // "确定"
    QPushButton* Command2; // "取消"

    void Form_Load();
    void Picture1_Click();
    void Picture2_Click();
    void Picture3_Click();
    void Command1_Click();
    void Command2_Click();

    // The creation commands' preparation: the step plot ("阶梯图") or the stem
    // plot ("火柴杆图") ticked.
    void PrepareNewGraph(bool stem);
    // The edit command's filling: every control the OK reads set from the graph.
    void FillForEdit(const Cls9& graph);
};
