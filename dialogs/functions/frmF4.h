#pragma once
// The strip dialog "二维半函数图形属性": one strip (GraphType 3, or 10 animated
// over t), a plane curve given explicitly or parametrically in Cartesian or
// polar coordinates and drawn as a band, with its fill, colours, material,
// model and smoothness. Opened by the strip commands (new still or animated
// strip) and by the edit command (filled from the selected strip).
//
// The dialog is in animation mode exactly while its t row (Label4 "最小 t")
// is shown; the opener decides this before showing it. Selecting an entry of
// the coordinate list Combo1 or the form list Combo2, by the user or by code
// (SelectListIndex), runs its handler; typed form text selects nothing.
#include "dialogs/DialogForm.h"
#include "dialogs/functions/StripLook.h"

#include <cstdint>

class Cls9;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

class frmF4 : public DialogForm<frmF4>, public StripLookPages {
    Q_OBJECT
public:
    frmF4();

    QTabWidget* SSTab1;   // "函数", "颜色", "材质", "外观"
    // Page "函数"
    QLabel* Label12;      // "名称"
    QLineEdit* Text1;     // the name ("Untitled")
    QLabel* Label13;      // "坐标系"
    QComboBox* Combo1;    // "直角坐标", "极坐标" (a choice only)
    QLabel* Label9;       // "形式"
    QComboBox* Combo2;    // the explicit and parametric forms of the system and mode
    QGroupBox* Frame3;    // "函数"
    QLabel* Label2;
    QLineEdit* Text2;     // y(x), or x(u) in the parametric form
    QLabel* Label3;
    QLineEdit* Text3;     // y(u) (parametric form)
    QGroupBox* Frame4;    // "变量取值"
    QLabel* Label17;
    QLineEdit* Text5;     // smallest x, a or u
    QLabel* Label18;
    QLineEdit* Text6;     // largest x, a or u
    QLabel* Label19;
    QLineEdit* Text7;     // segments ("40")
    QLabel* Label4;       // "最小 t": shown exactly in animation mode
    QLineEdit* Text4;
    QLabel* Label6;       // "最大 t"
    QLineEdit* Text8;
    QLabel* Label8;       // "段数 t"
    QLineEdit* Text9;     // the frame count (read-only in animation mode)

    QPushButton* Command1; // "确定"
    QPushButton* Command2; // "取消"

    void Form_Load();
    // The coordinate handler: the form list refilled for the system and the
    // mode, the chosen form selected again (which relabels).
    void Combo1_Click();
    // The form handler: labels and the second expression box of the form.
    void Combo2_Click();
    void Command1_Click();
    void Command2_Click();

    // The strip commands' preparation: a new still or animated strip in
    // Cartesian or polar coordinates.
    void PrepareNewStrip(bool polar, bool animated);
    // The edit command's filling from a strip (GraphType 3 in plain mode, 10
    // in animation mode), with the still captions in both modes.
    void FillForEdit(const Cls9& graph);

    // Whether the t row is shown.
    bool AnimationMode() const;

private:
    void ShowTimeRow(bool shown);
    // The captions of a form (0 explicit, 1 parametric) in a coordinate
    // system, still or animated, and the second box shown with the
    // parametric form.
    void ApplyFormCaptions(int form, bool polar, bool animationCaptions);

    // The form row the coordinate handler keeps across its refill.
    std::int16_t KeptFormRow = 0;
};
