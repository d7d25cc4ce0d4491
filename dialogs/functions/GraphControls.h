#pragma once
// The small controls every graph dialog is built from: colour boxes, the
// size, width and symbol lists, the material list, the fill, model and
// smoothness options, the window-level variables that outlive a dialog, and
// the list helpers that make a list behave as the dialogs expect (clearing
// and adding entries run no selection handler, selecting from code does).
#include "core/Globals.h"

#include <QLabel>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>

class QComboBox;
class QListWidget;
class QMouseEvent;
class QRadioButton;
class QWidget;

// ---- Colour boxes ----
// A picture box whose background is its colour. It keeps the colour Long as
// given, a system-colour code included (shown through ColorParts).
class ColorBox : public QLabel {
    Q_OBJECT
public:
    explicit ColorBox(QWidget* parent);
    std::int32_t Color() const { return color_; }
    void SetColor(std::int32_t color);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::int32_t color_ = 0;
};
ColorBox* NewColorBox(QWidget* parent, const char* name, std::int32_t color);
// A colour box's click: the colour dialog opens with no colour preselected; a
// chosen colour becomes the box's and is returned (for the dialogs that also
// keep it in a window-level variable); a cancelled dialog keeps the box's colour.
std::optional<std::int32_t> PickBoxColor(ColorBox* box);

// ---- Window-level variables ----
// The colour and material variables of a dialog's window, which outlive its
// instance: each opening finds what the previous one left (0 at start),
// unless its load step sets them. ResetProgramState puts them back.
struct DialogVariables {
    std::int32_t FirstColor = 0;
    std::int32_t SecondColor = 0;
    std::int32_t Material = 0;
};
// The variables of the dialog `Form` (one set per dialog class).
template <class Form, class Variables = DialogVariables>
Variables& WindowVariables() {
    static Variables variables{};
    [[maybe_unused]] static const bool registered = AddProgramStateReset([] { variables = Variables{}; });
    return variables;
}

// ---- Lists ----
// A drop-down list. An editable one takes typed text, which selects no entry.
QComboBox* NewList(QWidget* parent, const char* name, bool editable);
// Empties a list / adds entries: no selection handler runs, nothing is selected.
void ClearList(QComboBox* list);
void AddListItems(QComboBox* list, std::initializer_list<const char*> items);
// Selects entry `index` (-1: none) and runs the list's selection handler (its
// currentIndexChanged), as a user's choice does, also when it was selected.
void SelectListIndex(QComboBox* list, int index);
// The selected position: -1 when none, or when typed text differs from it.
int ListIndex(const QComboBox* list);

// Size lists "1".."9", width lists "1".."largest" (8 in most dialogs), and the
// six markers of the Symbol enumeration; each selects its default (size "2",
// width "1", the first marker). Selection handlers do not run.
void FillSizeList(QComboBox* list);
void FillWidthList(QComboBox* list, int largest = 8);
// A width list "1".."largest" with the text "1" and no entry selected.
void FillWidthListText(QComboBox* list, int largest = 8);
void FillSymbolList(QComboBox* list);
inline constexpr std::array<const char*, 6> SymbolNames = {"实心圆", "空心圆", "实心方形",
                                                           "实心三角形", "实心菱形", "十字丝形"};

// What a list stands for: the numeric value of its text (sizes; beyond the
// Single range raises "溢出"), that value as a whole number (widths read by
// text; beyond 32 bits raises "溢出"), or its position + 1 (0 with none).
float ListNumericValue(const QComboBox* list);
std::int32_t ListWholeValue(const QComboBox* list);
std::int32_t ListPositionValue(const QComboBox* list);
// The filling of a list of values 1, 2, 3 ...: a whole value 1..count selects
// position value - 1 (true); any other value leaves the list as it is.
bool SelectListValue(QComboBox* list, double value);
// The filling of a list read by its text (widths, sizes): the entry of the
// value as SelectListValue selects it, or else no entry and the value's text
// (a stored 0 or 12 reads back as itself).
void SelectListValueOrText(QComboBox* list, std::int32_t value);
// The filling of a list read by its position (markers): the entry of the
// value, or else no entry (which reads back as 0).
void SelectListValueOrNone(QComboBox* list, std::int32_t value);

// ---- Material list ----
inline constexpr std::array<const char*, 13> MaterialNames = {
    "Artdeco", "Autumn", "Glass", "Metal", "Neon", "Recoco", "Santefe",
    "Sheen", "Silky", "Spring", "Summer", "Tropical", "Winter"};
// Fills the material list, makes a click store position + 1 in the window's
// material variable, and selects "Metal" (the variable becomes 4).
void FillMaterialList(QListWidget* list, std::int32_t& material);

// ---- Option groups ----
QRadioButton* NewOption(QWidget* parent, const char* name, const char* caption);
// The options of a group in value order: the value is the selected one's
// position + 1, 0 when none is selected.
std::int32_t OptionValue(std::initializer_list<const QRadioButton*> group);
// Selects the option of value `value` (1..); any other value selects none.
void SelectOptionValue(std::initializer_list<QRadioButton*> group, std::int32_t value);

// Captions of the fill (FillStyle 1..4), model (Show 1..3) and smoothness
// (Smoothness 1..3) options, in value order.
inline constexpr std::array<const char*, 4> FillOptionCaptions = {"从左到右渐变", "从前到后渐变",
                                                                  "从上到下渐变", "单色"};
inline constexpr std::array<const char*, 3> ModelOptionCaptions = {"顶点模型", "线框模型", "曲面模型"};
inline constexpr std::array<const char*, 3> SmoothnessOptionCaptions = {"刻面", "较平滑", "平滑"};

// The colours of a fill choice: a gradient (1, 2, 3) from the boxes "颜色1"
// and "颜色2"; one colour (4) from the single-colour box, FirstColor then being
// the window's first colour variable.
struct FillColors {
    std::int32_t FillStyle = 0;
    std::int32_t FirstColor = 0;
    std::int32_t SecondColor = 0;
};
FillColors ReadFill(std::int32_t fillStyle, const ColorBox* color1, const ColorBox* color2,
                    const ColorBox* singleColor, std::int32_t windowFirstColor);
