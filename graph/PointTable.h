#pragma once
// The points of a table graph: a fixed grid (0..200, 0..200) of shared point
// references, every element empty at first. Reading an empty element creates
// a point with the Cls2 defaults there, so a read never yields an empty
// reference. Indexes outside 0..200 raise the subscript error (9).
#include "graph/Cls2.h"

#include <cstdint>
#include <memory>

class PointTable {
public:
    static constexpr std::int32_t Upper = 200;

    PointTable() = default;
    PointTable(const PointTable&) = delete;
    PointTable& operator=(const PointTable&) = delete;

    // The stored point, created when the element is empty.
    Cls2& operator()(std::int64_t u, std::int64_t v) { return *Get(u, v); }
    // The stored reference, created when the element is empty.
    const Cls2Ptr& Get(std::int64_t u, std::int64_t v);
    // Stores the given reference (an empty one empties the element).
    void Set(std::int64_t u, std::int64_t v, Cls2Ptr point);
    // The stored point or nullptr, creating nothing; nullptr also for an index
    // outside 0..200.
    Cls2* Find(std::int64_t u, std::int64_t v) const noexcept;

    static bool InRange(std::int64_t u, std::int64_t v) noexcept {
        return u >= 0 && u <= Upper && v >= 0 && v <= Upper;
    }

private:
    static constexpr std::int64_t Side = Upper + 1;
    Cls2Ptr& Cell(std::int64_t u, std::int64_t v);

    // Row u of the grid (its elements at v = 0..200), each allocated on its
    // first use, as is the index of the rows: most graphs never hold a table,
    // and a small table takes its rows only, not the whole grid.
    std::unique_ptr<std::unique_ptr<Cls2Ptr[]>[]> rows_;
};
