// Samplers of the animations: every frame k = 0..FrameCount is sampled whole
// at t = MinT + k dT and kept in the kind's frame array. Curves, strips and
// surfaces are clipped against the view range; a moving point is not.
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "graph/SamplingSpace.h"

#include <cstdint>
#include <vector>

namespace {

// The moving point at t (kind 8).
bool MovingPoint(SamplingContext& ctx, std::int32_t coordType, float t, SamplePoint& p) {
    Bindings b;
    b.t = t;
    if (coordType == CoordType::PlaneCartesian)
        return ThreeTextPoint(ctx, CoordType::Cartesian, b, p);
    if (coordType != CoordType::Polar) return ThreeTextPoint(ctx, coordType, b, p);
    float value = 0;
    float a = 0;
    if (!ctx.Evaluate(ctx.X, b, value)) return false;
    p.z = value;
    if (!ctx.Evaluate(ctx.Y, b, a)) return false;
    if (!ctx.Evaluate(ctx.Z, b, value)) return false;
    PolarProduct(a, value, p.x, p.y);
    return true;
}

// Sample s of a plane curve at t (kinds 9 and 10): explicit y = f(x, t) or
// r = f(a, t), parametric in u with t, Cartesian or polar.
bool PlaneCurvePoint(SamplingContext& ctx, std::int32_t funForm, std::int32_t coordType, float s,
                     float t, SamplePoint& p) {
    const bool cartesian = coordType == CoordType::PlaneCartesian;
    if (!cartesian && coordType != CoordType::Polar) return true;
    Bindings b;
    b.t = t;
    float value = 0;
    if (funForm == FunForm::Explicit) {
        p.z = 0;
        if (cartesian) {
            b.x = s;
            p.x = StoredCoord(s);
            if (!ctx.Evaluate(ctx.Z, b, value)) return false;
            p.y = value;
            return true;
        }
        b.a = s;
        if (!ctx.Evaluate(ctx.Z, b, value)) return false;
        PolarPoint(s, value, IsUndefined(value), p.x, p.y);
        return true;
    }
    if (funForm != FunForm::Parametric) return true;
    b.u = s;
    if (!ctx.Evaluate(ctx.X, b, value)) return false;
    p.z = value;
    if (cartesian) {
        if (!ctx.Evaluate(ctx.Y, b, value)) return false;
        p.x = value;
        if (!ctx.Evaluate(ctx.Z, b, value)) return false;
        p.y = value;
        return true;
    }
    float a = 0;
    if (!ctx.Evaluate(ctx.Y, b, a)) return false;
    if (!ctx.Evaluate(ctx.Z, b, value)) return false;
    PolarProduct(a, value, p.x, p.y);
    return true;
}

// Grid point (u, v) of a surface at t (kind 12). The explicit form binds the
// grid position itself: z = u, x = v (or their cylindrical and spherical
// images), and only Z is evaluated.
bool MovingSurfacePoint(SamplingContext& ctx, std::int32_t funForm, std::int32_t coordType,
                        float u, float v, float t, SamplePoint& p) {
    Bindings b;
    b.t = t;
    if (funForm == FunForm::Parametric) {
        b.u = u;
        b.v = v;
        return ThreeTextPoint(ctx, coordType, b, p);
    }
    if (funForm != FunForm::Explicit) return true;
    float value = 0;
    switch (coordType) {
    case CoordType::Cartesian:
        b.x = u;
        b.y = v;
        p.z = StoredCoord(u);
        p.x = StoredCoord(v);
        if (!ctx.Evaluate(ctx.Z, b, value)) return false;
        p.y = value;
        return true;
    case CoordType::Cylindrical:
        b.a = u;
        b.r = v;
        CylindricalPoint(u, v, false, p.z, p.x);
        if (!ctx.Evaluate(ctx.Z, b, value)) return false;
        p.y = value;
        return true;
    case CoordType::Spherical:
        b.a = u;
        b.b = v;
        if (!ctx.Evaluate(ctx.Z, b, value)) return false;
        SphericalPoint(u, v, value, IsUndefined(value), p.z, p.x, p.y);
        return true;
    default: return true;
    }
}

} // namespace

bool Cls9::SampleAnimation(SamplingContext& ctx) {
    const std::int64_t frames = ctx.Frames;
    // Every loop runs through the frames innermost: the texts' grids have the
    // times as columns and the loop's other variables as rows.
    std::vector<float> times;
    for (std::int64_t k = 0; k <= frames; ++k) times.push_back(ctx.T(k));
    const auto columns = SamplingContext::Positions(times);
    const auto arrange = [&ctx, &columns](unsigned rowVariables) {
        for (SampledText* text : {&ctx.X, &ctx.Y, &ctx.Z})
            SamplingContext::Arrange(*text, rowVariables, Slot::T, columns);
    };
    switch (GraphType) {
    case GraphType::PointAnimation: {
        SamplePoint* points = Anim1D.Data();
        const std::int32_t coordType = PointCoordType(DocumentKind, CoordType);
        arrange(0);
        for (std::int64_t k = 0; k <= frames; ++k) {
            ctx.Column = k;
            if (!MovingPoint(ctx, coordType, times[static_cast<std::size_t>(k)], points[k])) return false;
        }
        return true;
    }
    case GraphType::Function2DAnimation:
    case GraphType::Strip25DAnimation: {
        // The strip's curve is its row 0; row 1 is made by the bounding box.
        const bool strip = GraphType == GraphType::Strip25DAnimation;
        SamplePoint* base = strip ? Anim25D.Data() : Anim2D.Data();
        const std::int64_t sampleStride = strip ? Anim25D.Stride(1) : Anim2D.Stride(0);
        const std::int64_t frameStride = strip ? Anim25D.Stride(2) : Anim2D.Stride(1);
        arrange(Slot::Bit(Slot::X) | Slot::Bit(Slot::A) | Slot::Bit(Slot::U));
        for (std::int64_t j = 0; j <= StepV; ++j) {
            const float s = ctx.V(j);
            for (std::int64_t k = 0; k <= frames; ++k) {
                SamplePoint& p = base[j * sampleStride + k * frameStride];
                ctx.Column = k;
                if (!PlaneCurvePoint(ctx, FunForm, CoordType, s, times[static_cast<std::size_t>(k)], p))
                    return false;
                ctx.View.Apply(p);
            }
        }
        return true;
    }
    case GraphType::Curve3DAnimation: {
        SamplePoint* base = AnimCurve3D.Data();
        const std::int64_t sampleStride = AnimCurve3D.Stride(0);
        const std::int64_t frameStride = AnimCurve3D.Stride(1);
        const CurveAxis axis = FunForm == FunForm::Explicit ? ExplicitCurveAxis(ctx.Z.Postfix, CoordType)
                                                            : CurveAxis::None;
        arrange(Slot::Bit(Slot::U) | Slot::Bit(Slot::X) | Slot::Bit(Slot::Y) | Slot::Bit(Slot::A) |
                Slot::Bit(Slot::R) | Slot::Bit(Slot::B));
        Bindings b;
        for (std::int64_t j = 0; j <= StepU; ++j) {
            const float u = ctx.U(j);
            for (std::int64_t k = 0; k <= frames; ++k) {
                SamplePoint& p = base[j * sampleStride + k * frameStride];
                const float t = times[static_cast<std::size_t>(k)];
                ctx.Column = k;
                bool sampled = true;
                if (FunForm == FunForm::Parametric) {
                    b.u = u;
                    b.t = t;
                    sampled = ThreeTextPoint(ctx, CoordType, b, p);
                } else if (FunForm == FunForm::Explicit) {
                    sampled = ExplicitCurvePoint(ctx, CoordType, axis, u, t, p);
                }
                if (!sampled) return false;
                ctx.View.Apply(p);
            }
        }
        return true;
    }
    case GraphType::Surface3DAnimation: {
        SamplePoint* base = Anim3D.Data();
        const std::int64_t uStride = Anim3D.Stride(0);
        const std::int64_t vStride = Anim3D.Stride(1);
        const std::int64_t frameStride = Anim3D.Stride(2);
        arrange(0x7Fu); // every variable but t
        for (std::int64_t j = 0; j <= StepU; ++j) {
            const float u = ctx.U(j);
            for (std::int64_t i = 0; i <= StepV; ++i) {
                const float v = ctx.V(i);
                SamplePoint* point = base + j * uStride + i * vStride;
                for (std::int64_t k = 0; k <= frames; ++k) {
                    SamplePoint& p = point[k * frameStride];
                    ctx.Column = k;
                    if (!MovingSurfacePoint(ctx, FunForm, CoordType, u, v, times[static_cast<std::size_t>(k)], p))
                        return false;
                    ctx.View.Apply(p);
                }
            }
        }
        return true;
    }
    default: return true;
    }
}
