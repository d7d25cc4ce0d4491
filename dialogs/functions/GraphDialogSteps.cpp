#include "dialogs/functions/GraphDialogSteps.h"

#include "core/BusyWork.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "dialogs/DialogForm.h"
#include "dialogs/FormControls.h"
#include "dialogs/MainWindowLink.h"
#include "graph/Cls9.h"
#include "math/Module1.h"
#include "scene/Cls8.h"

#include <QLineEdit>
#include <QWidget>

void RefuseOk(const std::string& message, const std::string& title) {
    MsgBox(message, MsgIcon::Exclamation, title);
}

bool IsShown(const QWidget* control) {
    // Before its window is first shown a control is hidden without having
    // been hidden itself.
    return !(control->isHidden() && control->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

bool FilterStep(std::initializer_list<FilteredBox> boxes) {
    for (const FilteredBox& b : boxes) {
        const bool active = b.when == FilterWhen::Enabled ? b.box->isEnabled() : IsShown(b.box);
        if (!active) continue;
        std::string cleaned;
        const std::string text = TextOf(b.box);
        const bool passed =
            b.filter == BoxFilter::Number ? CheckNumber(text, cleaned) : CheckExpression(text, cleaned);
        if (!passed) {
            RefuseOk(*b.message, ErrorTitle);
            return false;
        }
        SetText(b.box, cleaned);
    }
    return true;
}

bool EmptyStep(std::initializer_list<const QLineEdit*> boxes, const std::string& title) {
    for (const QLineEdit* box : boxes) {
        if (box->text().isEmpty()) {
            RefuseOk(MissingInputMessage, title);
            return false;
        }
    }
    return true;
}

std::optional<std::int32_t> CountStep(std::string_view text, CountFloor floor, const std::string& message) {
    const double value = NumericValue(text);
    const bool below = floor == CountFloor::One ? !(value >= 1) : !(value > 0);
    const std::optional<std::int32_t> count = below ? std::nullopt : WholeCount(text);
    if (!count) RefuseOk(message, NoticeTitle);
    return count;
}

std::optional<std::int32_t> WholeValueStep(std::string_view text) {
    const std::optional<std::int32_t> value = WholeCount(text);
    if (!value) RefuseOk(IllegalDataMessage, ErrorTitle);
    return value;
}

std::optional<float> BoundEvaluation::Evaluate(const std::string& text, float start) {
    std::string postfix;
    if (engine_.InfixToPostfix(text, postfix) != 0) return std::nullopt;
    float value = start;
    if (!engine_.DoEvaluate(postfix, false, value, 0, 0, 0, 0, 0, 0, 0, 0, 0)) value = start;
    return value;
}

std::optional<float> BoundEvaluation::Position(const std::string& text, std::string& cleaned) {
    cleaned.clear();
    std::optional<float> value;
    if (CheckExpression(text, cleaned)) {
        MessageSilence quiet;
        value = PositionValue(engine_, cleaned);
    }
    if (!value) RefuseOk(IllegalDataMessage, ErrorTitle);
    return value;
}

bool RangeStep(float minimum, float maximum, const std::string& message) {
    if (minimum > maximum) {
        RefuseOk(message, NoticeTitle);
        return false;
    }
    return true;
}

std::optional<std::pair<float, float>> EvaluatedRange(BoundEvaluation& bounds, const QLineEdit* minimum,
                                                      const QLineEdit* maximum, const std::string& message) {
    const auto low = bounds.Evaluate(TextOf(minimum));
    if (!low) return std::nullopt;
    const auto high = bounds.Evaluate(TextOf(maximum));
    if (!high) return std::nullopt;
    if (!RangeStep(*low, *high, message)) return std::nullopt;
    return std::pair{*low, *high};
}

bool TimeCountStep(const QLineEdit* count) {
    if (NumericValue(TextOf(count)) >= 1) return true;
    RefuseOk("段数t必须大于1。", NoticeTitle);
    return false;
}

bool AnimationStep(BoundEvaluation& bounds, const QLineEdit* minimumT, const QLineEdit* maximumT,
                   std::int32_t animatedType, Cls9& graph) {
    MainWindow().EnablePlayback();
    const auto t = EvaluatedRange(bounds, minimumT, maximumT, "最小t必须小于最大t。");
    if (!t) return false;
    graph.Animation = true;
    graph.GraphType = animatedType;
    graph.MinT = t->first;
    graph.MaxT = t->second;
    return true;
}

namespace {

// The visible graph with this ID (nullptr when the graph is not ticked).
std::shared_ptr<Cls9> VisibleTwin(std::int32_t id) {
    for (const auto& e : VisibleScene.FunSurfs)
        if (e.graph->ID == id) return e.graph;
    return nullptr;
}

} // namespace

bool AddNewGraph(const std::shared_ptr<Cls9>& graph, GraphSampling sampling) {
    ++GraphIDCounter;
    graph->ID = GraphIDCounter;
    const std::string key = GraphKey(*graph);
    bool inDocument = false;
    bool inVisible = false;
    const auto takeOut = [&] {
        if (inDocument) DocumentScene.FunSurfs.Remove(key);
        if (inVisible) VisibleScene.FunSurfs.Remove(key);
    };
    bool sampled = false;
    try {
        DocumentScene.FunSurfs.Add(graph, key);
        inDocument = true;
        VisibleScene.FunSurfs.Add(graph, key);
        inVisible = true;
        sampled = sampling == GraphSampling::Table || graph->GetPoints();
    } catch (...) {
        // A graph in the scenes without its list row would break the rows'
        // order: whatever stopped the path takes the graph out again.
        takeOut();
        throw;
    }
    if (!sampled) takeOut();
    return sampled;
}

bool ReplaceEditedGraph(Cls9& built, LabelSource dialog, GraphSampling sampling) {
    const std::int32_t row = MainWindow().CurrentRow();
    const std::shared_ptr<Cls9> edited = DocumentScene.FunSurfs.Item(std::int64_t(row) + 1);
    const std::shared_ptr<Cls9> twin = VisibleTwin(edited->ID);
    // The graph that is shown (normally the same object as the document's).
    Cls9& shown = twin ? *twin : *edited;

    if (sampling == GraphSampling::Table) {
        edited->TabEqualTo(built);
        if (twin && twin != edited) twin->TabEqualTo(built);
    } else {
        // The copy holds what the graph would hold after the edit, and is
        // sampled first.
        Cls9 copy;
        copy.EqualTo(shown);
        copy.EqualTo(built);
        if (!copy.GetPoints()) return false;
        // The sampling may have raised a count of 0 to 1: the settings are
        // taken from the sampled copy.
        edited->EqualTo(copy);
        if (twin && twin != edited) twin->EqualTo(copy);
        shown.TakeSamples(copy);
    }
    // A graph the dialog's edit labels do not name (a step and stem plot with
    // neither plot) gets the row its document would give it: no row is blank.
    std::string label = EditLabel(dialog, DocumentKind, shown);
    if (label.empty()) label = DocumentRowLabel(DocumentKind, shown);
    MainWindow().SetRowText(row, label);
    MainWindow().Rebuild();
    return true;
}

bool CommitGraph(const std::shared_ptr<Cls9>& graph, LabelSource dialog, GraphSampling sampling) {
    // Sampling and, for an edit, the view compiled again: under the wait cursor.
    BusyWork busy(BusyWorkKind::Committing);
    return IsEditing ? ReplaceEditedGraph(*graph, dialog, sampling) : AddNewGraph(graph, sampling);
}

void CloseGraphDialog(FormBase& dialog) {
    IsEditing = false;
    dialog.Unload();
}

void CancelGraphDialog(FormBase& dialog) { dialog.Unload(); }
