#pragma once
// The surface of revolution dialog "旋转曲面": the plane curve y = f(x) over an
// x range turned once about the X axis (GraphType 21) or the Y axis (22),
// with the surface pages of the space function dialog (SurfaceLook: fill and
// colours, material, model and smoothness; texture and transparency). Its OK
// makes the document a space one (DocumentKind 3) before the bounds are
// evaluated. Opened by the Draw command "旋转曲面" (as loaded) and by the edit
// command (FillForEdit).
#include "dialogs/DialogForm.h"
#include "dialogs/special/SurfaceLook.h"

#include <memory>

class Cls9;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;

class frmF24 : public DialogForm<frmF24>, public SurfaceLook {
    Q_OBJECT
public:
    frmF24();
    ~frmF24() override;

    // The window-level colours and material: FirstColorValue,
    // SecondColorValue, MaterialValue (set at every loading).
    static DialogVariables& Values();

    QTabWidget* SSTab1;     // "函数" "颜色" "材质" "外观" "纹理" "透明性"
    // Tab "函数"
    QLabel* Label8;         // "名称"
    QLineEdit* Text1;       // the name ("Untitled")
    QGroupBox* Frame3;      // "函数"
    QLabel* Label9;         // "y(x)"
    QLineEdit* Text2;       // f(x)
    QGroupBox* Frame4;      // "变量取值"
    QLabel* Label10;        // "最小 x"
    QLineEdit* Text5;
    QLabel* Label11;        // "最大 x"
    QLineEdit* Text6;
    QLabel* Label12;        // "段数 x"
    QLineEdit* Text7;       // "40"
    QGroupBox* Frame5;      // "旋转方向"
    QRadioButton* Option11; // "绕X轴旋转" (GraphType 21, selected)
    QRadioButton* Option12; // "绕Y轴旋转" (22)
    // Tabs "颜色", "材质", "外观": the SurfaceLook base ("平滑程度")
    // Tab "纹理"
    QCheckBox* Check5;      // "添加纹理"
    QLineEdit* Text3;       // the picture file
    QPushButton* Command3;  // "..." browses for it
    QGroupBox* Frame6;      // "方式"
    QRadioButton* Option14; // "覆盖" (TexMode 1, selected)
    QRadioButton* Option13; // "混色" (2)
    // Tab "透明性"
    QCheckBox* Check6;      // "设置透明性"
    QSlider* Slider1;       // 0..10: TransAlpha tenths
    QPushButton* Command1;  // "确定"
    QPushButton* Command2;  // "取消"

    void Form_Load();
    void Command3_Click();
    void Command1_Click();
    void Command2_Click();

    // The edit command's filling: every control the OK reads set from the graph.
    void FillForEdit(const Cls9& graph);

private:
    TexturePage texture_;
    TransparencyPage transparency_;
    // The settings of the edited graph, which an edit keeps where the dialog
    // shows nothing of them (line colour and width, contour and field
    // switches, a texture name or transparency behind an unticked box).
    std::unique_ptr<Cls9> edited_;
};
