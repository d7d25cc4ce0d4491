#pragma once
// The space function dialog "三维函数图形属性": space curves (GraphType 1),
// surfaces (2) and their animations over t (11, 12), in Cartesian,
// cylindrical or spherical coordinates (CoordType 3, 4, 5), explicit or
// parametric (FunForm 2, 3). Three lists choose the coordinate system
// (Combo1), the kind (Combo2) and the form (Combo3); the dialog relabels,
// shows and hides its boxes and enables the analysis controls that apply.
//
// The mode is the opener's: the t row (Label8 "最小 t" and its boxes) is shown
// in animation mode and hidden in plain mode, and Combo2 holds "曲线动画",
// "曲面动画" or "曲线", "曲面". Opened by the 3D creation and animation
// commands (PrepareNewGraph) and by the edit command (FillForEdit).
#include "dialogs/DialogForm.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/special/SurfaceLook.h"

#include <cstdint>
#include <memory>

class Cls9;
class ColorBox;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;

class frmF6 : public DialogForm<frmF6>, public SurfaceLook {
    Q_OBJECT
public:
    frmF6();
    ~frmF6() override;

    // The window-level values that outlive the dialog: the two colours and the
    // material (set at every loading), and a line colour and width that the
    // dialog never sets and passes on (0).
    struct Variables : DialogVariables {
        std::int32_t LineColor = 0;
        std::int32_t LineWidth = 0;
    };
    static Variables& Values();

    QTabWidget* SSTab1; // "函数" "颜色" "材质" "外观" "特殊图形" "偏导函数" "切向" "法向" "纹理" "透明性"
    // Tab "函数"
    QLabel* Label12;    // "名称"
    QLineEdit* Text1;   // the name ("Untitled")
    QLabel* Label6;     // "图形类型"
    QComboBox* Combo2;  // kinds, filled by the opener
    QLabel* Label11;    // "形式"
    QComboBox* Combo3;  // forms: 0 explicit, 1 parametric (takes typed text)
    QLabel* Label13;    // "坐标系"
    QComboBox* Combo1;  // "直角坐标", "柱面坐标", "球面坐标"
    QGroupBox* Frame3;  // "函数"
    QLabel* Label2;
    QLineEdit* Text2;
    QLabel* Label3;
    QLineEdit* Text3;
    QLabel* Label4;
    QLineEdit* Text4;
    QGroupBox* Frame4;  // "变量取值"
    QLabel* Label17;    // u row: minimum, maximum, segments
    QLineEdit* Text5;
    QLabel* Label18;
    QLineEdit* Text6;
    QLabel* Label19;
    QLineEdit* Text7;   // "40"
    QLabel* Label20;    // v row
    QLineEdit* Text8;
    QLabel* Label21;
    QLineEdit* Text9;
    QLabel* Label22;
    QLineEdit* Text10;  // "40"
    QLabel* Label8;     // t row ("最小 t": shown in animation mode)
    QLineEdit* Text11;
    QLabel* Label9;
    QLineEdit* Text12;
    QLabel* Label10;
    QLineEdit* Text13;  // the frame count in animation mode (disabled)
    // Tabs "颜色", "材质", "外观": the SurfaceLook base ("平滑性")
    // Tab "特殊图形"
    QCheckBox* Check1;     // "添加色谱图"
    QCheckBox* Check2;     // "添加等值线图"
    QCheckBox* Check3;     // "添加矢量图"
    // Tab "偏导函数"
    QGroupBox* Frame5;      // "显示曲面"
    QRadioButton* Option11; // the function's surface (selected)
    QRadioButton* Option12; // df/dx
    QRadioButton* Option13; // df/dy
    // Tab "切向"
    QCheckBox* Check4;     // "显示切平面" / "显示切线"
    QGroupBox* Frame6;     // "位置"
    QLabel* Label14;       // "x"
    QLineEdit* Text14;
    QLabel* Label15;       // "y"
    QLineEdit* Text16;
    // Tab "法向"
    QCheckBox* Check5;     // "显示法线" / "显示法平面"
    QGroupBox* Frame7;     // "位置"
    QLabel* Label23;       // "x"
    QLineEdit* Text15;
    QLabel* Label16;       // "y"
    QLineEdit* Text17;
    // Tab "纹理"
    QCheckBox* Check6;     // "添加纹理"
    QLineEdit* Text18;     // the picture file
    QPushButton* Command3; // "..." browses for it
    QGroupBox* Frame8;     // "方式"
    QRadioButton* Option15; // "覆盖" (TexMode 1, selected)
    QRadioButton* Option14; // "混色" (2)
    // Tab "透明性"
    QCheckBox* Check7;     // "设置透明性"
    QSlider* Slider1;      // 0..10: TransAlpha tenths
    QPushButton* Command1; // "确定"
    QPushButton* Command2; // "取消"

    void Form_Load();
    // Coordinate system chosen: enabling, form list rebuilt (keeping the
    // explicit or parametric choice), then Combo3_Click.
    void Combo1_Click();
    // Kind chosen: enabling, the tangent and normal captions, then Combo1_Click.
    void Combo2_Click();
    // Form chosen: enabling, then the captions and boxes of the combination.
    void Combo3_Click();
    void Command3_Click();
    void Command1_Click();
    void Command2_Click();

    // Whether the dialog runs in animation mode (the t row is shown).
    bool AnimationMode() const;

    // The creation commands' preparation: the mode (`animation`), the kind
    // list with the surface selected, the coordinate system (0 Cartesian, 1
    // cylindrical, 2 spherical); in animation mode the caption
    // "三维函数图形动画属性" and FrameCount in the disabled t count.
    void PrepareNewGraph(int coordinate, bool animation);
    // The edit command's filling: prepared as for a new graph of the kind and
    // coordinate system, then every control the OK reads set from the graph.
    void FillForEdit(const Cls9& graph);

private:
    // The enabling of the twelve analysis controls for the three choices.
    void EnableAnalysis();
    // The settings of the edited graph, which an edit keeps where the dialog
    // shows nothing of them.
    std::unique_ptr<Cls9> edited_;
    TexturePage texture_;
    TransparencyPage transparency_;
};
