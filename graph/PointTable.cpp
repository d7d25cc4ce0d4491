#include "graph/PointTable.h"

#include "core/Errors.h"

Cls2Ptr& PointTable::Cell(std::int64_t u, std::int64_t v) {
    if (!InRange(u, v)) RaiseSubscriptError();
    if (!cells_) cells_ = std::make_unique<Cls2Ptr[]>(Side * Side);
    return cells_[u * Side + v];
}

const Cls2Ptr& PointTable::Get(std::int64_t u, std::int64_t v) {
    Cls2Ptr& cell = Cell(u, v);
    if (!cell) cell = std::make_shared<Cls2>();
    return cell;
}

void PointTable::Set(std::int64_t u, std::int64_t v, Cls2Ptr point) { Cell(u, v) = std::move(point); }

Cls2* PointTable::Find(std::int64_t u, std::int64_t v) const noexcept {
    if (!cells_ || !InRange(u, v)) return nullptr;
    return cells_[u * Side + v].get();
}
