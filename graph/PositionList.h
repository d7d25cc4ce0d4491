#pragma once
// A fixed list of 51 positions (indexes 0..50) of an analysis overlay. An index
// outside 0..50 raises the subscript error (9) and changes nothing.
#include "core/Errors.h"

#include <algorithm>
#include <array>
#include <cstdint>

class PositionList {
public:
    static constexpr std::int32_t Upper = 50;

    float& operator()(std::int64_t i) {
        if (i < 0 || i > Upper) RaiseSubscriptError();
        return values_[static_cast<std::size_t>(i)];
    }
    float operator()(std::int64_t i) const {
        if (i < 0 || i > Upper) RaiseSubscriptError();
        return values_[static_cast<std::size_t>(i)];
    }

    // Copies entries 1..count of `from`, as far as the list reaches (a count
    // above 50 copies 1..50, a count below 1 nothing). Entry 0 and the entries
    // above the count keep their values.
    void CopyEntries(const PositionList& from, std::int32_t count) {
        const std::int32_t last = std::min(count, Upper);
        for (std::int32_t i = 1; i <= last; ++i) values_[i] = from.values_[i];
    }

private:
    std::array<float, Upper + 1> values_{};
};
