#pragma once
// The expression calculator "表达式计算器": evaluates one expression in degrees
// (u = v = 1, the other variables 0) and shows its value. It is the one place
// where the engine shows mathematical failures in message boxes.
#include "dialogs/DialogForm.h"

#include <array>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmFunCal : public DialogForm<frmFunCal> {
    Q_OBJECT
public:
    frmFunCal();

    QLabel* Label1;      // "表达式"
    QLineEdit* Text1;    // the expression
    QLabel* Label2;      // "函数"
    QListWidget* List1;  // the function templates
    QLabel* Label3;      // "结果"
    QLineEdit* Text2;    // the result
    // Command1..Command24 (index 0 unused): the keypad, 1..16 and 22..24;
    // 17 "插入", 18 "计算", 19 "重置", 20 "取消", 21 "后退删除".
    std::array<QPushButton*, 25> Command{};

    void Form_Load();
    void Command17_Click();
    void Command18_Click();
    void Command19_Click();
    void Command20_Click();
    void Command21_Click();
    // A keypad button (1..16, 22..24) inserts its text.
    void Keypad_Click(int index);

private:
    // Inserts `s` at the caret of Text1 (the start of a selection, which stays
    // in the text after `s`, unselected); Text1 gets the focus, the caret
    // stands after `s`.
    void InsertText(const std::string& s);
    // The caret position of Text1: the start of its selection, if any.
    int CaretPosition() const;
};
