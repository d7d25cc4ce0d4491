#pragma once
// The intersection dialog "相交" (GraphType 20): two explicit plane functions
// y1(x), y2(x) over one x range, drawn as two curves with their crossings
// marked and the area between them filled and measured. Pages "函数" (name,
// the two functions, the x range and count), "曲线属性" (each curve's colour
// and width) and "相交" (the crossings' colour, size and marker; the area and
// its colour). The creation command captions it "二维曲线相交"
// (PrepareNewIntersection); the edit command fills it (FillForEdit).
#include "dialogs/DialogForm.h"

#include <cstdint>
#include <optional>

class Cls9;
class ColorBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

class frmF25 : public DialogForm<frmF25> {
    Q_OBJECT
public:
    frmF25();

    QTabWidget* SSTab1;   // "函数", "曲线属性", "相交"
    // "函数"
    QLabel* Label1;       // "名称"
    QLineEdit* Text1;     // the name ("Untitled")
    QGroupBox* Frame1;    // "函数"
    QLabel* Label2;       // "y1(x)"
    QLineEdit* Text2;
    QLabel* Label3;       // "y2(x)"
    QLineEdit* Text3;
    QGroupBox* Frame2;    // "变量取值"
    QLabel* Label4;       // "最小 x"
    QLineEdit* Text4;
    QLabel* Label5;       // "最大 x"
    QLineEdit* Text5;
    QLabel* Label6;       // "段数 x"
    QLineEdit* Text6;     // "300"
    // "曲线属性"
    QGroupBox* Frame3;    // "函数1图形的属性"
    QLabel* Label7;       // "颜色"
    ColorBox* Picture1;   // red
    QLabel* Label8;       // "线宽"
    QComboBox* Combo1;    // "1".."8", "2" (takes typed text)
    QGroupBox* Frame4;    // "函数2图形的属性"
    QLabel* Label9;       // "颜色"
    ColorBox* Picture2;   // blue
    QLabel* Label10;      // "线宽"
    QComboBox* Combo2;    // "1".."8", "2"
    // "相交"
    QCheckBox* Check1;    // "显示交点", ticked
    QGroupBox* Frame5;    // "交点的属性"
    QLabel* Label11;      // "颜色"
    ColorBox* Picture3;   // dark grey
    QLabel* Label12;      // "大小"
    QComboBox* Combo3;    // "1".."8", "2"
    QLabel* Label13;      // "标记"
    QComboBox* Combo4;    // the six markers, "空心圆"
    QCheckBox* Check2;    // "计算相交区域的面积", ticked
    QGroupBox* Frame6;    // "相交区域的属性"
    QLabel* Label14;      // "颜色"
    ColorBox* Picture4;   // light green
    QPushButton* Command1; // "确定"
    QPushButton* Command2; // "取消"

    void Form_Load();
    void Picture1_Click();
    void Picture2_Click();
    void Picture3_Click();
    void Picture4_Click();
    void Command1_Click();
    void Command2_Click();

    // The intersection command's preparation: the caption "二维曲线相交".
    void PrepareNewIntersection();
    // The edit command's filling from the selected intersection graph (the
    // caption stays "相交").
    void FillForEdit(const Cls9& graph);

private:
    // The marker the OK stores: a stored marker the list cannot show, while
    // the list is untouched; else the entry its text names (0 for none).
    std::int32_t MarkerValue() const;
    std::optional<std::int32_t> heldMarker_;
};
