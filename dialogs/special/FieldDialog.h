#pragma once
// The dialogs of the graphs over a parametric surface X(u,v), Y(u,v), Z(u,v)
// on a rectangle of u and v, one family: the contour plot frmF18
// (GraphType 14), the vector field frmF21 (15) and the colour map frmF22 (13).
// The page "函数" (name, the three texts, the u and v ranges and counts), the
// OK and Cancel are the same in all three; a FieldKind says what differs:
// caption, second page, range frame caption, count defaults, fill and colours.
//
// Colour boxes by member: the contour dialog has "单色" Picture1 and the
// gradient's "颜色1" Picture2 and "颜色2" Picture3; the vector field only
// Picture1; the colour map Picture2 and Picture3. A control a member lacks is
// nullptr. A click on Picture2 writes the window's first colour, one on
// Picture1 or Picture3 its second colour.
//
// Opened by the creation commands (nothing to prepare) and by the edit
// command (FillForEdit). Graphs of the special-graph document: the OK sets
// DocumentKind 7 once the counts have passed, even when a later step refuses.
#include "dialogs/DialogForm.h"
#include "dialogs/functions/GraphControls.h"
#include "document/GraphLabels.h"

#include <cstdint>

class Cls9;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// What one member of the family is.
struct FieldKind {
    std::int32_t graphType;   // 14, 15 or 13
    const char* caption;      // "函数的等值线", ...
    const char* secondPage;   // "等值线", "矢量", "颜色"
    const char* rangeFrame;   // "变量取值" or "变量取值范围"
    const char* defaultSteps; // the u and v counts of a fresh dialog
    LabelSource dialog;       // the edit label's source
};

// The five window-level values the OK hands to Cls9::Init. They outlive the
// dialog (0 at start): under "单色" the contour OK hands on the first colour
// left by the last click on "颜色1", gradient OK or edit filling. Nothing
// writes the line colour and the material.
struct FieldVariables {
    std::int32_t FirstColor = 0;
    std::int32_t SecondColor = 0;
    std::int32_t LineColor = 0;
    std::int32_t Material = 0;
    std::int32_t LineWidth = 0;
};

template <class Form>
class FieldDialog : public DialogForm<Form> {
public:
    // The window-level values of this member.
    static FieldVariables& Values() { return WindowVariables<Form, FieldVariables>(); }

    QTabWidget* SSTab1 = nullptr; // "函数" and the member's second page
    // Page "函数"
    QLabel* Label1 = nullptr;     // "名称"
    QLineEdit* Text1 = nullptr;   // the name (not filtered)
    QGroupBox* Frame1 = nullptr;  // "函数"
    QLabel* Label2 = nullptr;     // "X(u,v)"
    QLineEdit* Text2 = nullptr;
    QLabel* Label3 = nullptr;     // "Y(u,v)"
    QLineEdit* Text3 = nullptr;
    QLabel* Label4 = nullptr;     // "Z(u,v)"
    QLineEdit* Text4 = nullptr;
    QGroupBox* Frame2 = nullptr;  // "变量取值" / "变量取值范围"
    QLabel* Label5 = nullptr;     // "最小u"
    QLineEdit* Text5 = nullptr;
    QLabel* Label6 = nullptr;     // "最大u"
    QLineEdit* Text6 = nullptr;
    QLabel* Label7 = nullptr;     // "段数u"
    QLineEdit* Text7 = nullptr;
    QLabel* Label8 = nullptr;     // "最小v"
    QLineEdit* Text8 = nullptr;
    QLabel* Label9 = nullptr;     // "最大v"
    QLineEdit* Text9 = nullptr;
    QLabel* Label10 = nullptr;    // "段数v"
    QLineEdit* Text10 = nullptr;
    // Second page (contour plot: all; vector field: Label13, Picture1;
    // colour map: Frame3, Label14, Picture2, Label15, Picture3)
    QLabel* Label11 = nullptr;       // "阶数"
    QLineEdit* Text11 = nullptr;     // the level count
    QLabel* Label12 = nullptr;       // "线宽"
    QComboBox* Combo2 = nullptr;     // widths "1".."4" (takes typed text)
    QGroupBox* Frame3 = nullptr;     // "颜色"
    QRadioButton* Option1 = nullptr; // "单色"
    QLabel* Label13 = nullptr;       // "颜色" (vector field)
    ColorBox* Picture1 = nullptr;    // the single colour (black)
    QRadioButton* Option2 = nullptr; // "渐变色"
    QLabel* Label14 = nullptr;       // "颜色1"
    ColorBox* Picture2 = nullptr;    // the highest values' colour (red)
    QLabel* Label15 = nullptr;       // "颜色2"
    ColorBox* Picture3 = nullptr;    // the lowest values' colour (blue)
    QPushButton* Command1 = nullptr; // "确定"
    QPushButton* Command2 = nullptr; // "取消"

    // Contour dialog: Combo2 gets "1".."4", the first selected.
    void Form_Load();
    void Picture1_Click();
    void Picture2_Click();
    void Picture3_Click();
    void Command1_Click();
    void Command2_Click();

    // The edit command's filling: the boxes, lists, options and colour boxes
    // the OK reads, and the window's first colour, from the graph, so that OK
    // unchanged builds an equal graph.
    void FillForEdit(const Cls9& graph);

protected:
    explicit FieldDialog(const FieldKind& kind);

private:
    bool IsContour() const;
    const FieldKind& kind_;
};
