#pragma once
// Element access to the fixed arrays behind indexed properties: an index
// outside the array raises the subscript error (9) and touches nothing.
#include "core/Errors.h"

#include <array>
#include <cstddef>

template <class T, std::size_t N>
T& CheckedAt(std::array<T, N>& a, long long index) {
    if (index < 0 || index >= static_cast<long long>(N)) RaiseSubscriptError();
    return a[static_cast<std::size_t>(index)];
}

template <class T, std::size_t N>
const T& CheckedAt(const std::array<T, N>& a, long long index) {
    if (index < 0 || index >= static_cast<long long>(N)) RaiseSubscriptError();
    return a[static_cast<std::size_t>(index)];
}
