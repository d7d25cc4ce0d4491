#pragma once
// The view settings dialog "视图设置": the camera's projection type and the
// range of coordinates that sampling keeps (ViewMinX .. ViewMaxZ).
#include "dialogs/DialogForm.h"

#include <array>

class QLineEdit;
class QPushButton;
class QRadioButton;

class frmF14 : public DialogForm<frmF14> {
    Q_OBJECT
public:
    frmF14();

    QRadioButton* Option1;   // "正交投影"
    QRadioButton* Option2;   // "透视投影"
    // Text1..Text6: minimum and maximum of x, y and z (index 0 unused).
    std::array<QLineEdit*, 7> Text{};
    QPushButton* Command1;   // "确定"
    QPushButton* Command2;   // "取消"

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
};
