#pragma once
// The light dialog "光照属性": edits the program's Light.
#include "dialogs/DialogForm.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

class frmF8 : public DialogForm<frmF8> {
    Q_OBJECT
public:
    frmF8();

    QCheckBox* Check1;   // "使用光照"
    QCheckBox* Check2;   // "双面光照"
    QCheckBox* Check3;   // "全局环境光"
    // Text1..Text16; Text1, Text2, Text3, Text16 are the position x, y, z, w.
    std::array<QLineEdit*, 17> Text{};
    QPushButton* Command1;   // "确定"
    QPushButton* Command2;   // "取消"

public:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
};
