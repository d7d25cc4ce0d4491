#pragma once
// Small pieces the special-graph dialogs share beyond the graph dialog parts
// of dialogs/functions/: the filling of a list of values 1, 2, 3 ... that
// shows no entry for a value it does not hold (so that OK gives back 0, the
// value a list without a selection stands for), and the reading of number
// boxes into Singles.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

class QComboBox;
class QLineEdit;

// Selects position value - 1 for a whole value 1..count (running the list's
// selection handler, as a user's choice does); any other value selects no
// entry (the handler runs for that too).
void SelectListValueOrNone(QComboBox* list, double value);

// The numeric values of the boxes as Singles, in the order given; nothing,
// after "溢出" titled "出错" (exclamation icon), when one lies beyond the
// Single range. A value too small for a Single reads as 0.
std::optional<std::vector<float>> ReadSingles(std::initializer_list<const QLineEdit*> boxes);
