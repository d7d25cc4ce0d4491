#pragma once
// The series dialog "级数图形的属性": the partial sum y(x) = a0 + the sum over
// n = n1..n2 of f(x, n) (GraphType 38) over an x range, with the colour and
// width of its curve. Opened by the series command (new) and by the edit
// command (filled from the selected graph).
#include "dialogs/DialogForm.h"

class Cls9;
class ColorBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmF31 : public DialogForm<frmF31> {
    Q_OBJECT
public:
    frmF31();

    QLabel* Label3;        // "名称"
    QLineEdit* Text5;      // the name
    QLineEdit* Text4;      // a0
    QLabel* Label2;        // "+"
    QLabel* Image1;        // the summation sign
    QLineEdit* Text2;      // the last index (above the sign)
    QLabel* Label1;        // "n="
    QLineEdit* Text1;      // the first index (below the sign)
    QLineEdit* Text3;      // the general term f(x, n)
    QLabel* Label6;        // "最小X"
    QLineEdit* Text6;
    QLabel* Label7;        // "最大X"
    QLineEdit* Text7;
    QLabel* Label8;        // "段数X"
    QLineEdit* Text8;
    QLabel* Label4;        // "颜色"
    ColorBox* Picture1;    // the curve's colour (magenta)
    QLabel* Label5;        // "线宽"
    QComboBox* Combo1;     // widths "1".."8", read as position + 1
    QPushButton* Command1; // "确定"
    QPushButton* Command2; // "取消"

    void Form_Load();
    void Picture1_Click();
    void Command1_Click();
    void Command2_Click();

    // The edit command's filling from the selected graph.
    void FillForEdit(const Cls9& graph);
};
