// Samplers of space curves, surfaces (with their partial-derivative
// surfaces) and points. The X text gives the drawing z, the Y text x and the
// Z text y (the height), directly or through cylindrical (a, r, h) and
// spherical (a, b, R) coordinates.
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "graph/SamplingSpace.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// ---------------------------------------------------------------------------
// Helpers shared with the animation samplers.

bool ThreeTextPoint(SamplingContext& ctx, std::int32_t coordType, const Bindings& b, SamplePoint& p) {
    float first = 0;
    float second = 0;
    float third = 0;
    switch (coordType) {
    case CoordType::Cartesian:
        if (!ctx.Evaluate(ctx.X, b, first)) return false;
        p.z = first;
        if (!ctx.Evaluate(ctx.Y, b, second)) return false;
        p.x = second;
        if (!ctx.Evaluate(ctx.Z, b, third)) return false;
        p.y = third;
        return true;
    case CoordType::Cylindrical:
        if (!ctx.Evaluate(ctx.X, b, first)) return false;
        if (!ctx.Evaluate(ctx.Y, b, second)) return false;
        CylindricalProduct(first, second, p.z, p.x);
        if (!ctx.Evaluate(ctx.Z, b, third)) return false;
        p.y = third;
        return true;
    case CoordType::Spherical:
        if (!ctx.Evaluate(ctx.X, b, first)) return false;
        if (!ctx.Evaluate(ctx.Y, b, second)) return false;
        if (!ctx.Evaluate(ctx.Z, b, third)) return false;
        SphericalProduct(first, second, third, p.z, p.x, p.y);
        return true;
    default: return true;
    }
}

int CurveAxisSlot(std::int32_t coordType, CurveAxis axis) {
    if (axis == CurveAxis::None) return -1;
    const bool first = axis == CurveAxis::First;
    switch (coordType) {
    case CoordType::Cartesian: return first ? Slot::X : Slot::Y;
    case CoordType::Cylindrical: return first ? Slot::A : Slot::R;
    case CoordType::Spherical: return first ? Slot::A : Slot::B;
    default: return -1;
    }
}

CurveAxis ExplicitCurveAxis(const std::string& postfixZ, std::int32_t coordType) {
    const char* first = nullptr;
    const char* second = nullptr;
    switch (coordType) {
    case CoordType::Cartesian: first = "XX", second = "YY"; break;
    case CoordType::Cylindrical: first = "AA", second = "RR"; break;
    case CoordType::Spherical: first = "AA", second = "BB"; break;
    default: return CurveAxis::None;
    }
    // Every token of a postfix text ends with a blank; a rest without one is
    // not a token.
    CurveAxis axis = CurveAxis::None;
    std::string::size_type pos = 0;
    for (;;) {
        const std::string::size_type blank = postfixZ.find(' ', pos);
        if (blank == std::string::npos) break;
        const std::string_view token(postfixZ.data() + pos, blank - pos);
        if (token == first) axis = CurveAxis::First;
        else if (token == second) axis = CurveAxis::Second;
        pos = blank + 1;
    }
    return axis;
}

bool ExplicitCurvePoint(SamplingContext& ctx, std::int32_t coordType, CurveAxis axis, float u,
                        float t, SamplePoint& p) {
    if (axis == CurveAxis::None) return true;
    Bindings b;
    b.t = t;
    const bool first = axis == CurveAxis::First;
    float value = 0;
    switch (coordType) {
    case CoordType::Cartesian:
        if (first) {
            b.x = u;
            p.z = StoredCoord(u);
            p.x = 0;
        } else {
            b.y = u;
            p.z = 0;
            p.x = StoredCoord(u);
        }
        if (!ctx.Evaluate(ctx.Z, b, value)) return false;
        p.y = value;
        return true;
    case CoordType::Cylindrical:
        // a runs with r = 0 (the vertical axis), or r runs with a = 0.
        if (first) {
            b.a = u;
            CylindricalPoint(u, 0, false, p.z, p.x);
        } else {
            b.r = u;
            CylindricalPoint(0, u, false, p.z, p.x);
        }
        if (!ctx.Evaluate(ctx.Z, b, value)) return false;
        p.y = value;
        return true;
    case CoordType::Spherical:
        if (first) b.a = u;
        else b.b = u;
        if (!ctx.Evaluate(ctx.Z, b, value)) return false;
        SphericalPoint(b.a, b.b, value, IsUndefined(value), p.z, p.x, p.y);
        return true;
    default: return true;
    }
}

// ---------------------------------------------------------------------------

bool Cls9::SampleSpaceCurve(SamplingContext& ctx) {
    const std::int64_t last = StepU;
    SamplePoint* points = VertCurve3D.Data();
    std::vector<float> positions;
    for (std::int64_t j = 0; j <= last; ++j) positions.push_back(ctx.U(j));
    bool sampled = true;
    if (FunForm == FunForm::Parametric) {
        const auto columns = SamplingContext::Positions(positions);
        for (SampledText* text : {&ctx.X, &ctx.Y, &ctx.Z}) SamplingContext::Arrange(*text, 0, Slot::U, columns);
        Bindings b;
        for (std::int64_t j = 0; j <= last && sampled; ++j) {
            b.u = positions[static_cast<std::size_t>(j)];
            ctx.Column = j;
            sampled = ThreeTextPoint(ctx, CoordType, b, points[j]);
        }
    } else if (FunForm == FunForm::Explicit) {
        // The variable the curve runs along is the one whose token comes last
        // in the Z text: the same for every point, so found once.
        const CurveAxis axis = ExplicitCurveAxis(ctx.Z.Postfix, CoordType);
        const int slot = CurveAxisSlot(CoordType, axis);
        if (slot >= 0) SamplingContext::Arrange(ctx.Z, 0, slot, SamplingContext::Positions(positions));
        for (std::int64_t j = 0; j <= last && sampled; ++j) {
            ctx.Column = j;
            sampled = ExplicitCurvePoint(ctx, CoordType, axis, positions[static_cast<std::size_t>(j)], 0, points[j]);
        }
    }
    if (!sampled) return false;
    for (std::int64_t j = 0; j <= last; ++j) ctx.View.Apply(points[j]);
    return true;
}

bool Cls9::SampleSurface(SamplingContext& ctx) {
    const std::int64_t lastU = StepU;
    const std::int64_t lastV = StepV;
    const bool explicitForm = FunForm == FunForm::Explicit;
    const bool known = FunForm == FunForm::Parametric || explicitForm;
    // Partial-derivative surfaces belong to explicit Cartesian surfaces only.
    const bool partials = explicitForm && CoordType == CoordType::Cartesian;
    const bool withPX = partials && ctx.HasPX;
    const bool withPY = partials && ctx.HasPY;

    // Rows run along u, columns along v: the variables they bind by form and
    // coordinate system.
    int rowSlot = Slot::U;
    int columnSlot = Slot::V;
    if (explicitForm) {
        rowSlot = CoordType == CoordType::Cartesian ? Slot::X : Slot::A;
        columnSlot = CoordType == CoordType::Cartesian     ? Slot::Y
                     : CoordType == CoordType::Cylindrical ? Slot::R
                                                           : Slot::B;
    }
    std::vector<float> positions;
    for (std::int64_t i = 0; i <= lastV; ++i) positions.push_back(ctx.V(i));
    const auto columns = SamplingContext::Positions(positions);
    for (SampledText* text : {&ctx.X, &ctx.Y, &ctx.Z, &ctx.PX, &ctx.PY})
        SamplingContext::Arrange(*text, Slot::Bit(rowSlot), columnSlot, columns);

    Bindings b;
    for (std::int64_t j = 0; j <= lastU; ++j) {
        const float u = ctx.U(j);
        SamplePoint* row = Vert3D.Data() + j * Vert3D.Stride(0);
        SamplePoint* rowPX = withPX ? VertPX.Data() + j * VertPX.Stride(0) : nullptr;
        SamplePoint* rowPY = withPY ? VertPY.Data() + j * VertPY.Stride(0) : nullptr;
        for (std::int64_t i = 0; i <= lastV; ++i) {
            const float v = positions[static_cast<std::size_t>(i)];
            ctx.Column = i;
            SamplePoint& p = row[i];
            if (known) {
                if (!explicitForm) {
                    b.u = u;
                    b.v = v;
                } else if (CoordType == CoordType::Cartesian) {
                    b.x = u;
                    b.y = v;
                } else if (CoordType == CoordType::Cylindrical) {
                    b.a = u;
                    b.r = v;
                } else {
                    b.a = u;
                    b.b = v;
                }
                if (!ThreeTextPoint(ctx, CoordType, b, p)) return false;
            }
            float value = 0;
            if (withPX) {
                SamplePoint& q = rowPX[i];
                q.z = StoredCoord(u);
                q.x = StoredCoord(v);
                if (!ctx.Evaluate(ctx.PX, b, value)) return false;
                q.y = value;
            }
            if (withPY) {
                SamplePoint& q = rowPY[i];
                q.z = StoredCoord(u);
                q.x = StoredCoord(v);
                if (!ctx.Evaluate(ctx.PY, b, value)) return false;
                q.y = value;
            }
            SurfaceClip.Apply(p);
        }
    }
    return true;
}

bool Cls9::SampleSinglePoint(SamplingContext& ctx) {
    SamplePoint& p = Vert3D(0, 0);
    const Bindings none;
    float first = 0;
    float second = 0;
    const std::int32_t coordType = PointCoordType(DocumentKind, CoordType);
    switch (coordType) {
    case CoordType::PlaneCartesian: return ThreeTextPoint(ctx, CoordType::Cartesian, none, p);
    case CoordType::Polar:
        if (!ctx.Evaluate(ctx.Y, none, first)) return false;
        if (!ctx.Evaluate(ctx.Z, none, second)) return false;
        PolarProduct(first, second, p.x, p.y);
        if (!ctx.Evaluate(ctx.X, none, first)) return false;
        p.z = first;
        return true;
    default: return ThreeTextPoint(ctx, coordType, none, p);
    }
}
