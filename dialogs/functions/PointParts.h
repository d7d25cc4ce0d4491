#pragma once
// What the point dialog frmF16 and the point animation dialog frmF17 share:
// the coordinate systems of the document kind and the relabelling of the
// coordinate boxes, the fixed settings of a point graph, and its marker
// (colour, size, solid or hollow) read into a graph and filled from one.
#include <cstdint>
#include <memory>
#include <string>

class Cls9;
class ColorBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QWidget;

// Plane, strip and special-graph documents offer the plane coordinate
// systems ("直角坐标", "极坐标"), space documents the space ones ("直角坐标",
// "柱面坐标", "球面坐标"). A point of a special-graph document lies in the
// plane of its frame: two coordinates, as its row shows them.
bool PlanePointCoordinates();
// The list emptied and filled with the coordinate systems of the document kind
// (no handler runs, nothing selected).
void FillPointCoordinateSystems(QComboBox* list);
// The CoordType of the selected entry (the first entry's with none).
std::int32_t SelectedPointCoordType(const QComboBox* list);
// Selects the entry of `coordType` (running the relabelling); a coordinate
// system the list does not offer selects no entry. In a special-graph
// document every coordinate system but polar selects "直角坐标", where the
// point is drawn (PointCoordType).
void SelectPointCoordType(QComboBox* list, std::int32_t coordType);
// The three coordinate labels for the selected entry: "x", "y" (and "z"),
// "a", "r" ..., each followed by `suffix` ("(t)" in the animation dialog). In
// plane and strip documents the third label keeps its text.
void RelabelPointBoxes(const QComboBox* list, QLabel* first, QLabel* second, QLabel* third,
                       const char* suffix = "");

// A point graph (GraphType 7) or point animation (8) with the settings both
// dialogs give every point: one segment, one colour, FunForm 3.
std::shared_ptr<Cls9> NewPointGraph(const std::string& name, std::int32_t graphType, std::int32_t coordType,
                                    const std::string& x, const std::string& y, const std::string& z);

// The "属性" tab of a point dialog, laid out on `tab`: the colour box (its
// design colour given) with its label "颜色", the size list with its label
// "大小" (filled by Form_Load), and the frame "是否空心" with "实心" (Option1,
// selected) and "空心" (Option2). The labels and the frame take the names the
// dialog numbers them by.
struct PointPropertyTab {
    QLabel* colorLabel;
    ColorBox* color;
    QLabel* sizeLabel;
    QComboBox* size;
    QGroupBox* frame;
    QRadioButton* solid;
    QRadioButton* hollow;
};
PointPropertyTab NewPointPropertyTab(QWidget* tab, const char* colorLabel, const char* sizeLabel,
                                     const char* frame, std::int32_t designColor);

// The marker controls of a point dialog's "属性" tab.
struct PointMarkerControls {
    ColorBox* color;     // Picture1
    QComboBox* size;     // Combo2, "1".."9"
    QRadioButton* solid; // Option1 "实心"
    QRadioButton* hollow; // Option2 "空心"
};
// PointColor from the colour box, PointSize the numeric value of the size
// text (beyond the Single range raises "溢出"), PointHollow from the option
// selected (with neither, the graph's stays).
void ReadPointMarker(const PointMarkerControls& controls, Cls9& graph);
// The colour box and size list from the graph (a size that is not a whole
// 1..9 leaves the list as it is); with `hollowOption` also the option of
// PointHollow.
void FillPointMarker(const PointMarkerControls& controls, const Cls9& graph, bool hollowOption);
