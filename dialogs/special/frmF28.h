#pragma once
// The vector operation dialog "矢量运算": two vectors from the origin given by
// their mathematical dx, dy, dz (or vector 1 and a constant) and one of five
// operations on them (GraphType 32); the drawing computes and reports the
// result. Opened by the vector operation command (new) and by the edit
// command (filled from the selected graph).
#include "dialogs/DialogForm.h"

class Cls9;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmF28 : public DialogForm<frmF28> {
    Q_OBJECT
public:
    frmF28();

    QLabel* Label1;        // "运算类型"
    QComboBox* Combo1;     // the operations, VecOperation = position + 1; takes no typed text
    QGroupBox* Frame1;     // "矢量1"
    QLabel* Label3;        // "dx"
    QLineEdit* Text2;      // -> VecDZ
    QLabel* Label4;        // "dy"
    QLineEdit* Text3;      // -> VecDX
    QLabel* Label5;        // "dz"
    QLineEdit* Text4;      // -> VecDY
    QGroupBox* Frame2;     // "矢量2" (not for the multiple)
    QLabel* Label6;        // "dx"
    QLineEdit* Text5;      // -> VecDZ2
    QLabel* Label7;        // "dy"
    QLineEdit* Text6;      // -> VecDX2
    QLabel* Label8;        // "dz"
    QLineEdit* Text7;      // -> VecDY2
    QLabel* Label2;        // "Constant" (the multiple only, in the place of "矢量2")
    QLineEdit* Text1;      // -> VecConstant
    QPushButton* Command1; // "确定"
    QPushButton* Command2; // "取消"

    void Form_Load();
    // Shows vector 2 or, for "乘以常数", the constant.
    void Combo1_Click();
    void Command1_Click();
    void Command2_Click();

    // The edit command's filling from the selected graph.
    void FillForEdit(const Cls9& graph);
};
