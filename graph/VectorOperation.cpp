#include "graph/VectorOperation.h"

#include "graph/GraphEnums.h"

#include <cmath>

namespace {

float F(double v) { return static_cast<float>(v); }

} // namespace

VectorOperationResult ComputeVectorOperation(const VectorSettings& s) {
    VectorOperationResult r;
    r.V1 = {s.VecDX, s.VecDY, s.VecDZ};
    r.V2 = {s.VecDX2, s.VecDY2, s.VecDZ2};
    const VectorComponents& a = r.V1;
    const VectorComponents& b = r.V2;
    VectorComponents& c = r.Result;
    switch (s.VecOperation) {
    case VecOperation::Sum:
        c = {F(double(a.X) + b.X), F(double(a.Y) + b.Y), F(double(a.Z) + b.Z)};
        r.HasResult = true;
        break;
    case VecOperation::Difference:
        c = {F(double(a.X) - b.X), F(double(a.Y) - b.Y), F(double(a.Z) - b.Z)};
        r.HasResult = true;
        break;
    case VecOperation::Multiple: {
        const double k = s.VecConstant;
        c = {F(k * a.X), F(k * a.Y), F(k * a.Z)};
        r.HasResult = true;
        r.ShowsV2 = false;
        break;
    }
    case VecOperation::CrossProduct:
        // Right-handed in the drawing axes as in the mathematical ones.
        c = {F(double(a.Y) * b.Z - double(b.Y) * a.Z), F(double(a.Z) * b.X - double(b.Z) * a.X),
             F(double(b.Y) * a.X - double(a.Y) * b.X)};
        r.HasResult = true;
        break;
    default:
        break; // the scalar product and unknown operations yield no vector
    }
    return r;
}

float VectorLength(const VectorComponents& v) {
    return F(std::sqrt(double(v.X) * v.X + double(v.Y) * v.Y + double(v.Z) * v.Z));
}
