#pragma once
// The limit dialog "极限图形属性": y = f(x) near a point x0 (GraphType 37),
// sampled 4 units to both sides, to the left or to the right of x0, shown as
// points, as a curve or both, with the line at x0. Opened by the limit
// command (new) and by the edit command (filled from the selected graph).
#include "dialogs/DialogForm.h"

class Cls9;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmF30 : public DialogForm<frmF30> {
    Q_OBJECT
public:
    frmF30();

    QLabel* Label1;        // "名称"
    QLineEdit* Text3;      // the name
    QLabel* Image1;        // the word "lim"
    QLineEdit* Text1;      // f(x)
    QLabel* Image2;        // "x" and an arrow
    QComboBox* Combo1;     // the side: "两侧", "-", "+"
    QLineEdit* Text2;      // x0
    QCheckBox* Check1;     // "显示数据点"
    QCheckBox* Check2;     // "显示曲线"
    QPushButton* Command1; // "确定"
    QPushButton* Command2; // "取消"

    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    // The edit command's filling from the selected graph.
    void FillForEdit(const Cls9& graph);
};
