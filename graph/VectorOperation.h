#pragma once
// The arithmetic of a vector-operation graph (GraphType 32), shared by its
// drawing and its bounding box. Components are drawing axes: X is the
// mathematical y, Y the mathematical z, Z the mathematical x.
#include "graph/GraphSettings.h"

struct VectorComponents {
    float X = 0;
    float Y = 0;
    float Z = 0;
};

// The operands and the vector an operation yields, each component a 32-bit
// float formed in double precision.
struct VectorOperationResult {
    VectorComponents V1; // (VecDX, VecDY, VecDZ)
    VectorComponents V2; // (VecDX2, VecDY2, VecDZ2)
    // Every operation but the multiple (3) shows vector 2, also one outside 1..5.
    bool ShowsV2 = true;
    // Sum V1 + V2 (1), difference V1 - V2 (2), multiple k V1 (3), cross
    // product V1 x V2 (5); none for the scalar product (4) and operations
    // outside 1..5.
    bool HasResult = false;
    VectorComponents Result;
};

VectorOperationResult ComputeVectorOperation(const VectorSettings& s);

// The length of a vector: the squares summed in double precision, the root
// kept as a 32-bit float.
float VectorLength(const VectorComponents& v);
