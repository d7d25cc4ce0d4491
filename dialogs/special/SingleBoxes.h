#pragma once
// What the vector dialogs share beyond the graph dialog parts of
// dialogs/functions/: number boxes read into Singles.
#include <initializer_list>
#include <optional>
#include <vector>

class QLineEdit;

// The numeric values of the boxes as Singles, in the order given; nothing,
// after "溢出" titled "出错" (exclamation icon), when one lies beyond the
// Single range. A value too small for a Single reads as 0.
std::optional<std::vector<float>> ReadSingles(std::initializer_list<const QLineEdit*> boxes);
