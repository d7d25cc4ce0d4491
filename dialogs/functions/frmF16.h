#pragma once
// The point dialog "点属性": one point graph (GraphType 7) whose coordinates
// are constant expressions, in plane (Cartesian, polar) or space (Cartesian,
// cylindrical, spherical) coordinates, with its colour, size and, in plane
// documents, a solid or hollow marker. Opened by the point command (new) and
// by the edit command (filled from the selected point).
#include "dialogs/DialogForm.h"

class Cls9;
class ColorBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

class frmF16 : public DialogForm<frmF16> {
    Q_OBJECT
public:
    frmF16();

    QTabWidget* SSTab1;   // tabs "点" and "属性"
    // Tab "点"
    QLabel* Label1;       // "名称"
    QLineEdit* Text1;     // the name
    QLabel* Label2;       // "坐标系类型"
    QComboBox* Combo1;    // coordinate systems
    QGroupBox* Frame1;    // "坐标"
    QLabel* Label3;       // "X"
    QLineEdit* Text2;
    QLabel* Label4;       // "Y"
    QLineEdit* Text3;
    QLabel* Label5;       // "Z" (space documents)
    QLineEdit* Text4;
    // Tab "属性"
    QLabel* Label6;       // "颜色"
    ColorBox* Picture1;   // the point's colour (design: the window-frame system colour)
    QLabel* Label7;       // "大小"
    QComboBox* Combo2;    // sizes "1".."9"
    QGroupBox* Frame2;    // "是否空心" (plane documents)
    QRadioButton* Option1; // "实心"
    QRadioButton* Option2; // "空心"
    QPushButton* Command1; // "确定"
    QPushButton* Command2; // "取消"

    void Form_Load();
    // Relabels the coordinate boxes for the selected coordinate system.
    void Combo1_Click();
    void Picture1_Click();
    void Command1_Click();
    void Command2_Click();

    // The point command's preparation of a new point for DocumentKind: the
    // third box only in space documents, the marker choice only in plane ones.
    void PrepareNewPoint();
    // The edit command's filling from the selected point: the plane (document
    // kind 1), strip (2) or space (3) variant.
    void FillForEdit(const Cls9& point);

private:
    // Whether the third coordinate and the marker choice are shown.
    void ShowVariant(bool thirdCoordinate, bool markerChoice);
};
