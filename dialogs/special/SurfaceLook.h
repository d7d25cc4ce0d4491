#pragma once
// The pages a surface dialog shares with the space function dialog frmF6:
// fill and colours ("颜色"), material ("材质"), model and smoothness ("外观"),
// texture ("纹理") and transparency ("透明性"). Built once here: the controls
// and their layout, the load step's defaults, the colour boxes' clicks, what
// the OK reads from them and the edit filling that writes them back.
//
// The colour, material and appearance controls have the same numbered names
// in every such dialog, so a dialog takes them as a base (`SurfaceLook`); the
// texture and transparency controls are numbered differently in each, so a
// dialog names them itself from the structs the builders return.
#include "dialogs/functions/GraphControls.h"

#include <cstdint>

class Cls9;
class FormBase;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;

class SurfaceLook {
public:
    // Tab "颜色"
    QRadioButton* Option1 = nullptr; // "从左到右渐变" (FillStyle 1)
    QRadioButton* Option3 = nullptr; // "从前到后渐变" (2)
    QRadioButton* Option2 = nullptr; // "从上到下渐变" (3, selected)
    QRadioButton* Option4 = nullptr; // "单色" (4)
    QLabel* Label1 = nullptr;        // "颜色1"
    ColorBox* Picture2 = nullptr;    // red
    QLabel* Label5 = nullptr;        // "颜色2"
    ColorBox* Picture3 = nullptr;    // blue
    ColorBox* Picture4 = nullptr;    // the single colour, red
    QFrame* Line1 = nullptr;         // Line1..Line7 join the options to the boxes
    QFrame* Line2 = nullptr;
    QFrame* Line3 = nullptr;
    QFrame* Line4 = nullptr;
    QFrame* Line5 = nullptr;
    QFrame* Line6 = nullptr;
    QFrame* Line7 = nullptr;
    // Tab "材质"
    QLabel* Label7 = nullptr;        // "选择一种材质"
    QListWidget* List1 = nullptr;    // the 13 materials, "Metal" selected
    // Tab "外观"
    QGroupBox* Frame1 = nullptr;     // "模型"
    QRadioButton* Option5 = nullptr; // "顶点模型"
    QRadioButton* Option6 = nullptr; // "线框模型"
    QRadioButton* Option7 = nullptr; // "曲面模型" (selected)
    QGroupBox* Frame2 = nullptr;     // the smoothness frame
    QRadioButton* Option8 = nullptr; // "刻面"
    QRadioButton* Option9 = nullptr; // "较平滑"
    QRadioButton* Option10 = nullptr; // "平滑" (selected)

    // The colour boxes: the colour dialog; a chosen colour also becomes the
    // window's first colour (Picture2) or second colour (Picture3, Picture4).
    void Picture2_Click();
    void Picture3_Click();
    void Picture4_Click();

protected:
    // `values` are the dialog's window-level variables (they outlive it).
    explicit SurfaceLook(DialogVariables& values) : values_(values) {}
    ~SurfaceLook() = default;

    // Builds the three pages on `form`'s tab pages (the smoothness frame
    // captioned `smoothnessCaption`) and connects the colour boxes.
    void BuildSurfaceLook(FormBase* form, QWidget* colourPage, QWidget* materialPage, QWidget* appearancePage,
                          const char* smoothnessCaption);
    // The load step's part: gradient top to bottom, the window's colours red
    // and blue, the material list filled with "Metal" chosen (material 4).
    void LoadSurfaceLook();
    // The OK's fill step: the fill style chosen (0 with none); a gradient sets
    // the window's colours from the boxes "颜色1" and "颜色2", one colour the
    // second from the single-colour box and keeps the first.
    std::int32_t SettleFill();
    // The model and smoothness chosen (0 with none).
    std::int32_t ShowValue() const;
    std::int32_t SmoothnessValue() const;
    // The edit filling: fill option, the three boxes and the window's colours,
    // the material (no row for one outside the list), model and smoothness.
    void FillSurfaceLook(const Cls9& graph);

private:
    DialogVariables& values_;
};

// ---- Texture and transparency ----
struct TexturePage {
    QCheckBox* tick = nullptr;       // "添加纹理"
    QLineEdit* path = nullptr;       // the picture file
    QPushButton* browse = nullptr;   // "..." (Command3)
    QGroupBox* frame = nullptr;      // "方式"
    QRadioButton* replace = nullptr; // "覆盖" (TexMode 1, selected)
    QRadioButton* blend = nullptr;   // "混色" (2)
};
struct TexturePageNames {
    const char* tick;
    const char* path;
    const char* frame;
    const char* replace;
    const char* blend;
};
TexturePage BuildTexturePage(QWidget* page, const TexturePageNames& names);
// The browse button: the open dialog "打开" for BMP, JPG and GIF pictures; the
// chosen file's path goes into the box, a cancelled browse keeps the path.
void BrowseTexture(QLineEdit* path);

struct TransparencyPage {
    QCheckBox* tick = nullptr;  // "设置透明性"
    QSlider* slider = nullptr;  // 0..10: TransAlpha tenths (Slider1)
};
TransparencyPage BuildTransparencyPage(QWidget* page, const char* tickName);

// What the OK reads: ShowTex, and TexName only when ticked (the path, or one
// blank for an empty box); ShowTrans, and TransAlpha only when ticked (the
// slider / 10); TexMode by the option chosen (none: unchanged).
void ReadTextureAndTransparency(const TexturePage& texture, const TransparencyPage& transparency, Cls9& graph);
// The edit filling: ticks, path, mode and the slider at TransAlpha x 10.
void FillTextureAndTransparency(const Cls9& graph, const TexturePage& texture,
                                const TransparencyPage& transparency);
