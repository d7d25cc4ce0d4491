#pragma once
// What GetPoints hands to the sampler of each graph kind: the one evaluator of
// the call, the compiled texts, the steps and the parameter values, and the
// rules every sampler shares (stored coordinates, products of polar,
// cylindrical and spherical coordinates, clipping). Internal to graph/.
#include "core/Globals.h"
#include "graph/Cls2.h"
#include "math/Cls6.h"
#include "math/SafeEvaluate.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The variables of one evaluation; a sampler sets those its kind binds and
// leaves the others at 0.
using Bindings = Cls6Variables;

// The variable slots of the evaluator, for the grids of the samplers.
namespace Slot {
inline constexpr int U = 0, V = 1, X = 2, Y = 3, A = 4, R = 5, B = 6, T = 7;
inline constexpr unsigned Bit(int slot) { return 1u << slot; }
} // namespace Slot

// A compiled text of the call: its postfix text, its prepared steps and, while
// a sampler's loop has arranged one, the grid of that loop (made when the
// text is first evaluated in it).
struct SampledText {
    std::string Postfix;
    Cls6::Compiled Text;
    Cls6Grid Grid;
    bool HasGrid = false;
    bool GridMade = false;
    unsigned GridRows = 0;
    int GridInner = -1;
    std::shared_ptr<const Cls6Grid::Columns> GridColumns;

    // Prepares the postfix text (after InfixToPostfix wrote it).
    void Prepare() {
        Text = Cls6::Prepare(Postfix);
        Grid = Cls6Grid();
        HasGrid = GridMade = false;
    }
};

inline bool IsUndefined(float value) { return value == UndefinedValue; }

// A coordinate formed in double precision, rounded once to the stored float.
// A value the arithmetic made infinite or NaN, or one beyond the float range,
// is stored as UndefinedValue.
inline float StoredCoord(double value) {
    const float f = static_cast<float>(value);
    return std::isfinite(f) ? f : UndefinedValue;
}

// The parameter value min + k*step, formed in double precision from the
// 32-bit minimum and step and rounded to a 32-bit float (sample positions,
// the t of frame k). Not checked: a non-finite position reaches the
// evaluator, which answers UndefinedValue, and StoredCoord where it is stored.
inline float SamplePosition(float min, std::int64_t k, float step) {
    return static_cast<float>(static_cast<double>(min) +
                              static_cast<double>(k) * static_cast<double>(step));
}

// The products of polar, cylindrical and spherical coordinates, formed in
// double precision from the 32-bit inputs and rounded once per coordinate.
// `undefined` makes every coordinate UndefinedValue: callers set it when an
// evaluated input carried UndefinedValue. A sample position is always a
// number, even one that happens to equal 0.12345, so it is never tested.

// Polar (a, r) in the drawing plane: x = r cos a, y = r sin a.
inline void PolarPoint(float a, float r, bool undefined, float& x, float& y) {
    if (undefined) {
        x = y = UndefinedValue;
        return;
    }
    const double ad = a;
    const double rd = r;
    x = StoredCoord(rd * std::cos(ad));
    y = StoredCoord(rd * std::sin(ad));
}

// Cylindrical (a, r) around the vertical drawing y axis, a measured from the
// drawing z axis towards x: z = r cos a, x = r sin a.
inline void CylindricalPoint(float a, float r, bool undefined, float& z, float& x) {
    if (undefined) {
        z = x = UndefinedValue;
        return;
    }
    const double ad = a;
    const double rd = r;
    z = StoredCoord(rd * std::cos(ad));
    x = StoredCoord(rd * std::sin(ad));
}

// Spherical (a, b, R), b measured from the vertical drawing y axis:
// z = R sin b cos a, x = R sin b sin a, y = R cos b.
inline void SphericalPoint(float a, float b, float R, bool undefined, float& z, float& x,
                           float& y) {
    if (undefined) {
        z = x = y = UndefinedValue;
        return;
    }
    const double ad = a;
    const double bd = b;
    const double Rd = R;
    z = StoredCoord(Rd * std::sin(bd) * std::cos(ad));
    x = StoredCoord(Rd * std::sin(bd) * std::sin(ad));
    y = StoredCoord(Rd * std::cos(bd));
}

// The same products of evaluated inputs only: any undefined input makes the
// whole point undefined.
inline void PolarProduct(float a, float r, float& x, float& y) {
    PolarPoint(a, r, IsUndefined(a) || IsUndefined(r), x, y);
}
inline void CylindricalProduct(float a, float r, float& z, float& x) {
    CylindricalPoint(a, r, IsUndefined(a) || IsUndefined(r), z, x);
}
inline void SphericalProduct(float a, float b, float R, float& z, float& x, float& y) {
    SphericalPoint(a, b, R, IsUndefined(a) || IsUndefined(b) || IsUndefined(R), z, x, y);
}

// A box that sample coordinates are clipped against: each coordinate outside
// its bounds (x, then y, then z) becomes UndefinedValue, one equal to a bound
// stays, the others are left as they are.
struct ClipRange {
    float MinX, MaxX, MinY, MaxY, MinZ, MaxZ;

    // The view range in force now.
    static ClipRange View() {
        return ClipRange{ViewMinX, ViewMaxX, ViewMinY, ViewMaxY, ViewMinZ, ViewMaxZ};
    }
    // -limit..limit on each axis.
    static constexpr ClipRange Fixed(float limit) {
        return ClipRange{-limit, limit, -limit, limit, -limit, limit};
    }

    void Apply(SamplePoint& p) const {
        if (p.x > MaxX || p.x < MinX) p.x = UndefinedValue;
        if (p.y > MaxY || p.y < MinY) p.y = UndefinedValue;
        if (p.z > MaxZ || p.z < MinZ) p.z = UndefinedValue;
    }
};

// The fixed range of the surface grids (kinds 2, 13, 14, 15).
inline constexpr ClipRange SurfaceClip = ClipRange::Fixed(90);

// The state of one GetPoints call, built by the frame before it dispatches.
// By then StepU, StepV and FrameCount are at least 1, every array of the
// graph's kind exists with fresh points at the origin (the frame arrays of
// kinds 8..12 whatever Animation says), and every text has compiled. Each
// sampler writes only its own arrays and clips them itself (View, or
// SurfaceClip for the surface grids).
class SamplingContext {
public:
    // The one evaluator of the call; every text below was compiled by it.
    Cls6 Evaluator;

    // The prepared (InsertMulSigns) X, Y and Z texts, and Exp2 for an
    // intersection.
    SampledText X, Y, Z, Exp2;

    // The texts of dZ/dx and dZ/dy. HasPX / HasPY are True when the partial
    // was asked for (ShowSurPX / ShowSurPY) and could be built; when it was
    // asked for and refused, the frame has already filled VertPX / VertPY with
    // undefined points and the sampler must leave them alone.
    SampledText PX, PY;
    bool HasPX = false;
    bool HasPY = false;

    // Steps of the call (32-bit floats), and the minimums they start from.
    // dT is set for the animation kinds 8..12 and whenever Animation is True.
    float dU = 0;
    float dV = 0;
    float dT = 0;
    float MinU = 0;
    float MinV = 0;
    float MinT = 0;
    // FrameCount after the frame raised it (at least 1): frames 0..Frames.
    std::int32_t Frames = 1;

    // The view range at the time of the call.
    ClipRange View = ClipRange::View();

    // u of sample j, v of sample i, s of sample j of kinds 9 and 10 (MinV + j dV),
    // t of frame k.
    float U(std::int64_t j) const { return SamplePosition(MinU, j, dU); }
    float V(std::int64_t i) const { return SamplePosition(MinV, i, dV); }
    float T(std::int64_t k) const { return SamplePosition(MinT, k, dT); }

    // The column of the grids that the next evaluations belong to (see Arrange).
    std::int64_t Column = -1;

    // Sets up the grid of a sampler's loop for `text`: along a row the
    // variable slot `inner` runs through `positions` (column c at
    // positions[c]; the sampler sets Column to c), the slots of `rowVariables`
    // change from row to row. Evaluations give what they give without it; the
    // parts a row or a column shares are only computed once.
    static void Arrange(SampledText& text, unsigned rowVariables, int inner,
                        std::shared_ptr<const Cls6Grid::Columns> positions) {
        text.Grid = Cls6Grid();
        text.HasGrid = true;
        text.GridMade = false;
        text.GridRows = rowVariables;
        text.GridInner = inner;
        text.GridColumns = std::move(positions);
    }
    // The positions of a loop, shared by the grids of its texts.
    static std::shared_ptr<const Cls6Grid::Columns> Positions(const std::vector<float>& positions) {
        return Cls6Grid::MakeColumns(positions);
    }

    // Evaluates a compiled text with the bindings, angles in radians. A
    // mathematical fault gives UndefinedValue and True. False (the text left
    // nothing to evaluate, or a reported failure while ShowMathErrors is True)
    // ends the sampling: GetPoints returns False.
    bool Evaluate(SampledText& text, const Bindings& b, float& result) {
        if (!text.HasGrid) return SafeEvaluate(Evaluator, text.Text, false, result, b);
        if (!text.GridMade) [[unlikely]] {
            text.Grid = Cls6Grid(text.Text, text.GridRows, text.GridInner, text.GridColumns);
            text.GridMade = true;
        }
        return SafeEvaluate(Evaluator, text.Grid, Column, false, result, b);
    }
    // Compiles an infix text into `text` and prepares it; the compiler's error
    // position, 0 on success.
    std::int32_t Compile(const std::string& infix, SampledText& text) {
        const std::int32_t position = Evaluator.InfixToPostfix(infix, text.Postfix);
        text.Prepare();
        return position;
    }
};
