#pragma once
// The work the sampling of a series graph (GraphType 38) would do, weighed
// before any array is made: the general term is evaluated once per term of
// the sum (SeriesN1..SeriesN2) at each of the StepV + 1 samples. A document
// may hold indices that would keep the sampling busy for hours.
#include <cstdint>
#include <limits>

// Most evaluations of the general term one sampling of a series makes.
inline constexpr std::int64_t MaxSeriesEvaluations = 50'000'000;

// (n2 - n1 + 1) * (stepV + 1) in 64-bit arithmetic, an empty sum (n2 < n1)
// counting no terms and a step count below 1 as 1; a product beyond the
// 64-bit range gives the largest 64-bit value.
inline std::int64_t SeriesEvaluations(std::int32_t n1, std::int32_t n2, std::int32_t stepV) {
    const std::int64_t terms = std::int64_t{n2} - n1 + 1;
    if (terms <= 0) return 0;
    const std::int64_t samples = (stepV < 1 ? std::int64_t{1} : std::int64_t{stepV}) + 1;
    if (terms > std::numeric_limits<std::int64_t>::max() / samples) return std::numeric_limits<std::int64_t>::max();
    return terms * samples;
}
