#pragma once
// For drawing tests of table graphs: a table as the table dialogs' OK fills
// it, nothing sampled.
#include "graph/Cls9.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

using TablePoints = std::vector<std::pair<float, float>>;

// A graph of `type` (4 plane table, 5 strip table) holding the points
// (x, y, 0) in row 0 of its table: StepU 1, StepV one less than the count,
// CoordType 1, FunForm 2. The caller sets the display properties.
inline std::shared_ptr<Cls9> TableGraph(std::int32_t type, const TablePoints& points) {
    auto g = std::make_shared<Cls9>();
    g->StepV = std::int32_t(points.size()) - 1;
    g->StepU = 1;
    for (std::size_t j = 0; j < points.size(); ++j)
        g->VertTab3D(0, std::int64_t(j)) = Cls2::Init(points[j].first, points[j].second, 0);
    g->CoordType = CoordType::PlaneCartesian;
    g->GraphType = type;
    g->FunForm = FunForm::Explicit;
    return g;
}
