#pragma once
// The colour, material and appearance pages of a strip's dialogs: the fill
// options with the colour boxes "颜色1", "颜色2" and the single colour, the
// material list, the model and smoothness options. A dialog derives from
// StripLookPages beside DialogForm, builds the pages as its last three tabs,
// fills them from a graph for editing and reads them in its OK.
//
// The dialog holds two colours and a material besides the controls:
// StripColor1 (set by a click on "颜色1"), StripColor2 (by a click on "颜色2"
// or on the single-colour box) and StripMaterial (by a click in the list).
// A single-colour fill takes its first colour from StripColor1.
#include "core/ColorService.h"
#include "dialogs/functions/GraphControls.h"
#include "graph/GraphEnums.h"

#include <cstdint>

class Cls9;
class QGroupBox;
class QListWidget;
class QRadioButton;
class QTabWidget;
class QWidget;

class StripLookPages {
public:
    // Page "颜色": the fill options, value order 1 Option1, 2 Option3, 3 Option2, 4 Option4.
    QRadioButton* Option1 = nullptr; // "从左到右渐变"
    QRadioButton* Option2 = nullptr; // "从上到下渐变" (selected at load)
    QRadioButton* Option3 = nullptr; // "从前到后渐变"
    QRadioButton* Option4 = nullptr; // "单色"
    ColorBox* Picture2 = nullptr;    // "颜色1" (red)
    ColorBox* Picture3 = nullptr;    // "颜色2" (blue)
    ColorBox* Picture4 = nullptr;    // the single colour (red)
    // Page "材质"
    QListWidget* List1 = nullptr;    // the 13 materials, "Metal" selected
    // Page "外观"
    QGroupBox* Frame1 = nullptr;     // "模型"
    QRadioButton* Option5 = nullptr; // "顶点模型"
    QRadioButton* Option6 = nullptr; // "线框模型"
    QRadioButton* Option7 = nullptr; // "曲面模型" (selected)
    QGroupBox* Frame2 = nullptr;     // smoothness
    QRadioButton* Option8 = nullptr; // "刻面"
    QRadioButton* Option9 = nullptr; // "较平滑"
    QRadioButton* Option10 = nullptr; // "平滑" (selected)

    std::int32_t StripColor1 = RGB(255, 0, 0);
    std::int32_t StripColor2 = RGB(0, 0, 255);
    std::int32_t StripMaterial = Material::Metal;

    // What the pages give a graph.
    struct Look {
        FillColors fill;
        std::int32_t material = 0;
        std::int32_t show = 0;
        std::int32_t smoothness = 0;
    };

protected:
    // Adds the pages "颜色", "材质", "外观" to `tabs` with the load defaults;
    // the smoothness frame has the caption given. Colour clicks and material
    // choices run through the handler guard.
    void BuildLookPages(QTabWidget* tabs, const char* smoothnessCaption);
    // The edit filling: fill option, the three colour boxes and the held
    // colours, material (list and held value), model and smoothness. A value
    // without an option leaves its group at the load default; a material
    // outside the list selects none and is held as it is.
    void FillLook(const Cls9& graph);
    // The pages read for the OK: the fill and its colours (which become the
    // held colours), the held material, model and smoothness.
    Look ReadLook();
};
