#pragma once
// The steps of a graph dialog's OK, built once; each dialog's Command1_Click
// runs the steps it needs in its own order and returns at the first one that
// refuses (the dialog then stays open with what was typed, filtered boxes
// showing their cleaned text):
//
//   if (!FilterStep({{Text3}, {Text2}})) return;          // 1 filter
//   if (!EmptyStep({Text2, Text3})) return;                // 2 empty boxes
//   const auto steps = CountStep(TextOf(Text5), CountFloor::One, "段数x必须大于1。");
//   if (!steps) return;                                    // 3 counts
//   BoundEvaluation bounds;                                // 4 bounds, one compiler
//   const auto minX = bounds.Evaluate(TextOf(Text6));
//   const auto maxX = bounds.Evaluate(TextOf(Text7));
//   if (!minX || !maxX) return;
//   if (!RangeStep(*minX, *maxX, "最小x必须小于最大x。")) return; // 5 ranges
//   auto graph = Cls9::Init(GraphIDCounter, ...);           // 6 construction
//   if (!CommitGraph(graph, LabelSource::frmF16)) return;   // 8 new / 9 edit path
//   CloseGraphDialog(*this);                               // 10 closing
//
// Ranges are always compared on the evaluated bounds, so a range test comes
// after the evaluation of its two bounds (also in the plane function and
// strip dialogs).
#include "core/Globals.h"
#include "document/GraphLabels.h"
#include "math/Cls6.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class Cls9;
class FormBase;
class QLineEdit;
class QWidget;

// The protocol's messages.
inline const std::string IllegalDataMessage = "存在非法数据。";
inline const std::string IllegalExpressionMessage = "存在非法表达式。";
inline const std::string MissingInputMessage = "请输入所有参数。";

// Refuses the OK: the message in a box with the exclamation icon.
void RefuseOk(const std::string& message, const std::string& title);

// Whether a control is shown by its own setting (hide/setVisible), whatever
// its window, frame or tab page: what the filter and empty lists test.
bool IsShown(const QWidget* control);

// ---- 1. Filter step ----
enum class BoxFilter { Expression, Number }; // CheckExpression, CheckNumber
enum class FilterWhen { Shown, Enabled };    // analysis-page boxes: while enabled
struct FilteredBox {
    QLineEdit* box;
    BoxFilter filter = BoxFilter::Expression;
    const std::string* message = &IllegalDataMessage;
    FilterWhen when = FilterWhen::Shown;
};
// Filters the boxes in the order given, each only while shown (or enabled),
// writing its cleaned text back before the next is read. A refused text shows
// the box's message titled "出错" and ends the step (false); the boxes before
// it keep their cleaned texts.
bool FilterStep(std::initializer_list<FilteredBox> boxes);

// ---- 2. Empty check ----
// False after "请输入所有参数。" (titled `title`; the table dialogs pass "", the
// application's title) when a box holds the empty text.
bool EmptyStep(std::initializer_list<const QLineEdit*> boxes, const std::string& title = NoticeTitle);

// ---- 3. Count check ----
// The bound of a count: below 1 refused (segment counts), or 0 and below
// refused (the point animation's t count).
enum class CountFloor { One, AboveZero };
// The whole count a text reads as (NumericValue, tested against the floor
// before rounding, then rounded half to even), or nothing after the count's
// message titled "注意": below the floor, or beyond the 32-bit range.
std::optional<std::int32_t> CountStep(std::string_view text, CountFloor floor, const std::string& message);

// A whole value that is not a count (a level count, a width or size read
// from a list's text): NumericValue rounded half to even, any sign; nothing
// after "存在非法数据。" titled "出错" beyond the 32-bit range.
std::optional<std::int32_t> WholeValueStep(std::string_view text);

// ---- 4. Bound evaluation ----
// One compiler for every bound of one OK. A bound's text is compiled as it
// stands (no implied multiplication signs) and evaluated in radians with every
// variable 0.
class BoundEvaluation {
public:
    // The bound's value: the evaluated result (UndefinedValue after a
    // mathematical failure), or `start` when the text yields no value; nothing
    // when the text does not compile (the compiler has shown its message).
    std::optional<float> Evaluate(const std::string& text, float start = 0);

    // A position list's entry read as a bound is read: filtered as an
    // expression (its cleaned text left in `cleaned`), compiled as it stands
    // and evaluated in radians with every variable 0; a plain number, in
    // exponent form too, is read as that number. Nothing after
    // "存在非法数据。" titled "出错" (the compiler's own message not shown) when
    // the filter refuses the text, a number lies beyond a float's range, it
    // does not compile, it yields no value or its evaluation fails
    // (UndefinedValue from anything but a plain number): a position is never
    // another value than the text it is listed as.
    std::optional<float> Position(const std::string& text, std::string& cleaned);

private:
    Cls6 engine_;
};

// ---- 5. Range check ----
// False after the pair's message titled "注意" when the minimum is above the
// maximum (equal bounds pass).
bool RangeStep(float minimum, float maximum, const std::string& message);

// The evaluated bounds of a pair of range boxes, minimum first, each from its
// own text: nothing when one does not compile or after the pair's refusal.
std::optional<std::pair<float, float>> EvaluatedRange(BoundEvaluation& bounds, const QLineEdit* minimum,
                                                      const QLineEdit* maximum, const std::string& message);

// ---- Animation mode ----
// False after "段数t必须大于1。" titled "注意" when the t count box reads below 1
// (it is tested, not stored: every animation has FrameCount steps).
bool TimeCountStep(const QLineEdit* count);
// The playback commands turned on (they stay on whatever follows), the t
// range evaluated and checked ("最小t必须小于最大t。"), then the graph made the
// animated kind over it. False: a bound did not compile or was refused.
bool AnimationStep(BoundEvaluation& bounds, const QLineEdit* minimumT, const QLineEdit* maximumT,
                   std::int32_t animatedType, Cls9& graph);

// ---- 8, 9. New path or edit path, by IsEditing ----
// Table graphs are copied with TabEqualTo and not sampled.
enum class GraphSampling { Sampled, Table };

// The new path: the next ID (used up even when sampling fails), the graph in
// both scenes under its key, sampled; when sampling fails (or raises) it
// leaves both scenes again and the answer is false.
bool AddNewGraph(const std::shared_ptr<Cls9>& graph, GraphSampling sampling = GraphSampling::Sampled);

// The edit path, on a copy: the graph of the list's current row is sampled
// with the new settings as a copy first; only when that succeeds does the
// graph (and its visible twin) take the settings and the samples, its row the
// dialog's edit label (the document row label where it has none), and the
// view a rebuild. A failed edit changes nothing: graph, samples and label stay
// as they were (false).
bool ReplaceEditedGraph(Cls9& built, LabelSource dialog, GraphSampling sampling = GraphSampling::Sampled);

// The new or edit path by IsEditing.
bool CommitGraph(const std::shared_ptr<Cls9>& graph, LabelSource dialog,
                 GraphSampling sampling = GraphSampling::Sampled);

// ---- 10. Closing, and Cancel ----
// IsEditing cleared, the dialog unloaded (which repaints the main window).
void CloseGraphDialog(FormBase& dialog);
// Unloads the dialog (repainting the main window); nothing else changes.
void CancelGraphDialog(FormBase& dialog);
