#pragma once
// Implicit (f = 0) and inequality (f < 0) plane graphs, drawn by scanning a
// regular grid of nodes over the graph's two ranges (DrawImplicitPlaneGraph,
// declared in render/PlaneDrawing.h).
#include <cstdint>

// Most nodes one scan visits: a larger grid is made coarser on both axes.
inline constexpr std::int64_t MaxImplicitNodes = 2001LL * 2001;

// The nodes of a scan: node (k, m), 0 <= k < CountU and 0 <= m < CountV, lies
// at u = (I0 + k) / D, v = (J0 + m) / D, where I0 = MinU * D and J0 = MinV * D
// as 32-bit floats. Counted with whole numbers, so that every node is reached
// whatever the size of I0 and J0.
struct ImplicitGrid {
    double D = 0;
    float I0 = 0;
    float J0 = 0;
    std::int64_t CountU = 0;
    std::int64_t CountV = 0;
};

// The grid of `nodesPerUnit` nodes a unit over minU..maxU by minV..maxV: the
// nodes I0, I0 + 1, ... up to MaxU * D, likewise for v; none on an axis whose
// range runs downwards or is not finite. When that would be more than
// MaxImplicitNodes nodes, D is lowered (the same on both axes) until it is not.
ImplicitGrid ChooseImplicitGrid(float minU, float maxU, float minV, float maxV, double nodesPerUnit);
