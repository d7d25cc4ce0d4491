#pragma once
// The vector dialog "三维矢量": a space vector (GraphType 31) from a start to
// an end point given in mathematical x, y, z, with its colour and width and
// the marks of its points, its projections and its component vectors.
// Opened by the vector command (new) and by the edit command (filled from
// the selected vector).
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

class frmF27 : public DialogForm<frmF27> {
    Q_OBJECT
public:
    frmF27();

    QTabWidget* SSTab1;    // tabs "定义", "属性", "投影", "分矢量"
    // Tab "定义"
    QGroupBox* Frame1;     // "起点"
    QLabel* Label1;        // "x"
    QLineEdit* Text1;      // start x -> VecBeginZ
    QLabel* Label2;        // "y"
    QLineEdit* Text2;      // start y -> VecBeginX
    QLabel* Label3;        // "z"
    QLineEdit* Text3;      // start z -> VecBeginY
    QGroupBox* Frame2;     // "终点"
    QLabel* Label4;        // "x"
    QLineEdit* Text4;      // end x -> VecEndZ
    QLabel* Label5;        // "y"
    QLineEdit* Text5;      // end y -> VecEndX
    QLabel* Label6;        // "z"
    QLineEdit* Text6;      // end z -> VecEndY
    // Tab "属性"
    QCheckBox* Check1;     // "显示起点"
    QCheckBox* Check2;     // "显示终点"
    QGroupBox* Frame3;     // "属性"
    QLabel* Label7;        // "颜色"
    ColorBox* Picture3;    // the vector's colour (red)
    QLabel* Label8;        // "宽度"
    QComboBox* Combo3;     // widths "1".."8", read as position + 1; takes no typed text
    // Tab "投影"
    QCheckBox* Check4;     // "显示投影"
    // Tab "分矢量"
    QCheckBox* Check3;     // "显示分矢量"
    QPushButton* Command1; // "确定"
    QPushButton* Command2; // "取消"

    void Form_Load();
    void Picture3_Click();
    void Command1_Click();
    void Command2_Click();

    // The edit command's filling from the selected vector.
    void FillForEdit(const Cls9& graph);
};
