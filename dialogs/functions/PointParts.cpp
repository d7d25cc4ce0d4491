#include "dialogs/functions/PointParts.h"

#include "core/Globals.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphControls.h"
#include "graph/Cls9.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>

namespace {

// The captions of the three coordinate labels for each coordinate list entry
// (nullptr: unchanged).
struct BoxLabels {
    const char* first;
    const char* second;
    const char* third;
};
constexpr BoxLabels PlaneLabels[] = {{"x", "y", nullptr}, {"a", "r", nullptr}};
constexpr BoxLabels SpaceLabels[] = {{"x", "y", "z"}, {"a", "r", "z"}, {"a", "b", "r"}};

// The CoordType of the list's first entry.
std::int32_t FirstCoordType() {
    return PlanePointCoordinates() ? CoordType::PlaneCartesian : CoordType::Cartesian;
}

} // namespace

bool PlanePointCoordinates() { return DocumentKind == 1 || DocumentKind == 2 || DocumentKind == 7; }

void FillPointCoordinateSystems(QComboBox* list) {
    ClearList(list);
    if (PlanePointCoordinates())
        AddListItems(list, {"直角坐标", "极坐标"});
    else
        AddListItems(list, {"直角坐标", "柱面坐标", "球面坐标"});
}

std::int32_t SelectedPointCoordType(const QComboBox* list) {
    return FirstCoordType() + std::max(ListIndex(list), 0);
}

void SelectPointCoordType(QComboBox* list, std::int32_t coordType) {
    const std::int32_t position = PointCoordType(DocumentKind, coordType) - FirstCoordType();
    SelectListIndex(list, position >= 0 && position < list->count() ? position : -1);
}

void RelabelPointBoxes(const QComboBox* list, QLabel* first, QLabel* second, QLabel* third, const char* suffix) {
    const int index = ListIndex(list);
    const BoxLabels* labels = nullptr;
    if (PlanePointCoordinates()) {
        if (index >= 0 && index < 2) labels = &PlaneLabels[index];
    } else if (index >= 0 && index < 3) {
        labels = &SpaceLabels[index];
    }
    if (labels == nullptr) return;
    const auto caption = [suffix](const char* text) { return ToQString(std::string(text) + suffix); };
    first->setText(caption(labels->first));
    second->setText(caption(labels->second));
    if (labels->third != nullptr) third->setText(caption(labels->third));
}

std::shared_ptr<Cls9> NewPointGraph(const std::string& name, std::int32_t graphType, std::int32_t coordType,
                                    const std::string& x, const std::string& y, const std::string& z) {
    auto point = Cls9::Init(GraphIDCounter, name, graphType, coordType, x, y, z, 1, 1, 0, 1, 0, 0,
                            FillStyle::OneColor, 0xFF0000, 0xFF0000, 0, 1, Material::Metal, Show::Wireframe,
                            Smoothness::Smoother);
    point->FunForm = FunForm::Parametric;
    return point;
}

PointPropertyTab NewPointPropertyTab(QWidget* tab, const char* colorLabel, const char* sizeLabel,
                                     const char* frame, std::int32_t designColor) {
    PointPropertyTab t{};
    t.colorLabel = Placed(NewLabel(tab, colorLabel, "颜色"), 240, 360, 615, 255);
    t.color = Placed(NewColorBox(tab, "Picture1", designColor), 1080, 300, 1215, 375);
    t.sizeLabel = Placed(NewLabel(tab, sizeLabel, "大小"), 240, 900, 615, 255);
    t.size = Placed(NewList(tab, "Combo2", true), 1080, 840, 1215, 315);
    t.frame = Placed(NewFrame(tab, frame, "是否空心"), 240, 1440, 4095, 855);
    t.solid = Placed(NewOption(t.frame, "Option1", "实心"), 360, 360, 1215, 300);
    t.hollow = Placed(NewOption(t.frame, "Option2", "空心"), 1920, 360, 1215, 300);
    t.solid->setChecked(true);
    return t;
}

void ReadPointMarker(const PointMarkerControls& controls, Cls9& graph) {
    if (controls.solid->isChecked()) graph.PointHollow = false;
    if (controls.hollow->isChecked()) graph.PointHollow = true;
    graph.PointColor = controls.color->Color();
    graph.PointSize = ListNumericValue(controls.size);
}

void FillPointMarker(const PointMarkerControls& controls, const Cls9& graph, bool hollowOption) {
    controls.color->SetColor(graph.PointColor);
    SelectListValue(controls.size, graph.PointSize);
    if (hollowOption) (graph.PointHollow ? controls.hollow : controls.solid)->setChecked(true);
}
