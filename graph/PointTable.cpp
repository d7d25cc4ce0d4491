#include "graph/PointTable.h"

#include "core/Errors.h"

Cls2Ptr& PointTable::Cell(std::int64_t u, std::int64_t v) {
    if (!InRange(u, v)) RaiseSubscriptError();
    if (!rows_) rows_ = std::make_unique<std::unique_ptr<Cls2Ptr[]>[]>(Side);
    std::unique_ptr<Cls2Ptr[]>& row = rows_[u];
    if (!row) row = std::make_unique<Cls2Ptr[]>(Side);
    return row[v];
}

const Cls2Ptr& PointTable::Get(std::int64_t u, std::int64_t v) {
    Cls2Ptr& cell = Cell(u, v);
    if (!cell) cell = std::make_shared<Cls2>();
    return cell;
}

void PointTable::Set(std::int64_t u, std::int64_t v, Cls2Ptr point) { Cell(u, v) = std::move(point); }

Cls2* PointTable::Find(std::int64_t u, std::int64_t v) const noexcept {
    if (!rows_ || !InRange(u, v) || !rows_[u]) return nullptr;
    return rows_[u][v].get();
}
