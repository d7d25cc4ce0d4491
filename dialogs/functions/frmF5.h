#pragma once
// The plane function dialog "二维函数图形属性": one plane graph (GraphType 0,
// or 9 animated over t) in the explicit, parametric, implicit or inequality
// form, in Cartesian or polar coordinates, with the analysis overlays of its
// last ten pages. Opened by the plane commands (new still or animated graph)
// and by the edit command (filled from the selected graph).
//
// The dialog is in animation mode exactly while its t row (Label10 "最小 t")
// is shown; the opener decides this before showing it. The form list Combo3
// and the coordinate list Combo1 run their handlers when an entry is selected,
// by the user or by code (SelectListIndex); typed text selects nothing.
#include "dialogs/DialogForm.h"

#include <array>
#include <cstdint>
#include <optional>

class BoundEvaluation;
class Cls9;
class ColorBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

class frmF5 : public DialogForm<frmF5> {
    Q_OBJECT
public:
    frmF5();

    QTabWidget* SSTab1;    // twelve pages: "函数", "属性", then the analysis pages
    // Page "函数"
    QLabel* Label1;        // "名称"
    QLineEdit* Text1;      // the name ("Untitled")
    QLabel* Label2;        // "坐标系"
    QComboBox* Combo1;     // "直角坐标", "极坐标"
    QLabel* Label13;       // "形式"
    QComboBox* Combo3;     // the four forms of the coordinate system and mode
    QGroupBox* Frame1;     // "函数"
    QLabel* Label3;
    QLineEdit* Text2;      // the function, x(u) or F(x,y)
    QLabel* Label4;
    QLineEdit* Text3;      // y(u) (parametric form)
    QGroupBox* Frame2;     // "变量取值"
    QLabel* Label5;
    QLineEdit* Text4;      // smallest x, a or u
    QLabel* Label6;
    QLineEdit* Text5;      // largest x, a or u
    QLabel* Label7;
    QLineEdit* Text6;      // segments ("300")
    QLabel* Label14;
    QLineEdit* Text10;     // smallest y or r (implicit, inequality)
    QLabel* Label15;
    QLineEdit* Text11;     // largest y or r
    QLabel* Label10;       // "最小 t": shown exactly in animation mode
    QLineEdit* Text7;
    QLabel* Label11;       // "最大 t"
    QLineEdit* Text8;
    QLabel* Label12;       // "段数 t"
    QLineEdit* Text9;      // the frame count (read-only in animation mode)
    // Page "属性"
    QLabel* Label8;        // "颜色"
    ColorBox* Picture1;    // the curve's colour
    QLabel* Label9;        // "线宽"
    QComboBox* Combo2;     // the curve's width
    QCheckBox* Check3;     // "显示原函数的图形"
    // Page "反函数"
    QCheckBox* Check1;
    ColorBox* Picture2;
    QLabel* Label17;       // "线宽"
    QComboBox* Combo4;
    // Page "导函数"
    QCheckBox* Check2;
    ColorBox* Picture3;
    QComboBox* Combo5;
    // Page "积分"
    QCheckBox* Check4;
    ColorBox* Picture4;
    QLabel* Label38;       // "范围"
    QLabel* Label39;       // "从"
    QLineEdit* Text13;
    QLabel* Label40;       // "到"
    QLineEdit* Text14;
    // Page "极值"
    QCheckBox* Check5;     // maxima
    ColorBox* Picture5;
    QComboBox* Combo6;     // marker
    QComboBox* Combo7;     // size
    QCheckBox* Check6;     // minima
    ColorBox* Picture6;
    QComboBox* Combo8;
    QComboBox* Combo9;
    QCheckBox* Check8;     // inflection points
    ColorBox* Picture8;
    QComboBox* Combo17;
    QComboBox* Combo11;
    // Page "奇偶性"
    QCheckBox* Check7;
    ColorBox* Picture7;
    QComboBox* Combo10;
    // Page "根"
    QCheckBox* Check9;
    ColorBox* Picture9;
    QComboBox* Combo12;    // size
    QComboBox* Combo13;    // marker
    // Page "曲率"
    QCheckBox* Check10;
    ColorBox* Picture10;
    QComboBox* Combo14;
    QLabel* Label36;
    QLineEdit* Text12;
    QPushButton* Command3; // "添加"
    QLabel* Label37;
    QListWidget* List1;
    QPushButton* Command4; // "删除"
    QPushButton* Command5; // "重置"
    // Page "弧长"
    QCheckBox* Check13;
    QLabel* Label50;       // "范围"
    QLabel* Label51;       // "从"
    QLineEdit* Text17;
    QLabel* Label52;       // "到"
    QLineEdit* Text18;
    // Page "切线"
    QCheckBox* Check14;
    ColorBox* Picture11;
    QComboBox* Combo15;
    QLabel* Label41;
    QLineEdit* Text15;
    QPushButton* Command6; // "添加"
    QLabel* Label42;
    QListWidget* List2;
    QPushButton* Command7; // "删除"
    QPushButton* Command8; // "重置"
    // Page "法线"
    QCheckBox* Check15;
    ColorBox* Picture12;
    QComboBox* Combo16;
    QLabel* Label46;
    QLineEdit* Text16;
    QPushButton* Command11; // "添加"
    QLabel* Label45;
    QListWidget* List3;
    QPushButton* Command10; // "删除"
    QPushButton* Command9;  // "重置"

    QPushButton* Command1; // "确定"
    QPushButton* Command2; // "取消"

    void Form_Load();
    // The coordinate handler: the form list refilled for the system and the
    // mode, the chosen form selected again, the form handler run once more.
    void Combo1_Click();
    // The form handler: boxes and labels of the form, then the analysis rule.
    void Combo3_Click();
    // The enabled state of the 54 analysis controls; values are kept.
    void EnableAnalysis(bool enabled);
    void Command1_Click();
    void Command2_Click();

    // The plane commands' preparation: a new still or animated graph in
    // Cartesian or polar coordinates.
    void PrepareNewGraph(bool polar, bool animated);
    // The edit command's filling from a plane function graph (GraphType 0 in
    // plain mode, 9 in animation mode).
    void FillForEdit(const Cls9& graph);

    // Whether the t row is shown.
    bool AnimationMode() const;
    // The 54 analysis controls in EnableAnalysis's order, and the polar subset.
    static constexpr std::size_t AnalysisControlCount = 54;
    std::array<QWidget*, AnalysisControlCount> AnalysisControls() const;
    std::array<QWidget*, 24> PolarSubset() const;

private:
    // Labels, shown boxes of a form (0..3) in a coordinate system.
    void ApplyFormLayout(int form, bool polar, bool animationCaptions);
    // The four forms of the coordinate system and the mode.
    void FillForms(bool polar, bool animated);
    void ShowTimeRow(bool shown);
    // Add, Delete and Reset of a position list.
    void AddPosition(QListWidget* list, QLineEdit* input);
    static void DeletePosition(QListWidget* list);
    static void ResetPositions(QListWidget* list, QLineEdit* input);
    // The analysis page from the graph (the explicit form in plain mode), and
    // the page read into a graph (false after a refusal).
    void FillAnalysis(const Cls9& graph);
    bool ReadOverlays(BoundEvaluation& bounds, Cls9& graph);

    // The form index the coordinate handler keeps across its refill.
    std::int16_t rememberedForm_ = 0;
    // An edit whose analysis page was not filled from the graph: the OK keeps
    // the graph's analysis settings unless the page is in use.
    bool keepAnalysis_ = false;
};
