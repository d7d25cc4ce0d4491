#pragma once
// The enumerations a graph carries. They are stored as plain 32-bit integers:
// assignments are never validated, the operations that read a value decide
// what it means.
#include <cstdint>

namespace GraphType {
inline constexpr std::int32_t Function2D = 0;
inline constexpr std::int32_t Curve3D = 1;
inline constexpr std::int32_t Surface3D = 2;
inline constexpr std::int32_t Strip25D = 3;
inline constexpr std::int32_t Table2D = 4;
inline constexpr std::int32_t Table25D = 5;
inline constexpr std::int32_t Table3D = 6;
inline constexpr std::int32_t Point = 7;
inline constexpr std::int32_t PointAnimation = 8;
inline constexpr std::int32_t Function2DAnimation = 9;
inline constexpr std::int32_t Strip25DAnimation = 10;
inline constexpr std::int32_t Curve3DAnimation = 11;
inline constexpr std::int32_t Surface3DAnimation = 12;
inline constexpr std::int32_t ColorMap = 13;
inline constexpr std::int32_t Contour = 14;
inline constexpr std::int32_t VectorField = 15;
inline constexpr std::int32_t Intersection = 20;
inline constexpr std::int32_t RevolutionX = 21;
inline constexpr std::int32_t RevolutionY = 22;
inline constexpr std::int32_t StepStem = 23;
inline constexpr std::int32_t Vector = 31;
inline constexpr std::int32_t VectorOperation = 32;
inline constexpr std::int32_t ODE = 36;
inline constexpr std::int32_t Limit = 37;
inline constexpr std::int32_t Series = 38;
} // namespace GraphType

namespace CoordType {
inline constexpr std::int32_t PlaneCartesian = 1; // x, y
inline constexpr std::int32_t Polar = 2;          // angle a, radius r
inline constexpr std::int32_t Cartesian = 3;      // x, y, z
inline constexpr std::int32_t Cylindrical = 4;    // a, r, z
inline constexpr std::int32_t Spherical = 5;      // a, b, r
} // namespace CoordType

// The coordinate system a point graph (GraphType 7, 8) is placed in. A point
// of a special-graph document (DocumentKind 7) lies in the plane of its frame
// and is placed where its row says: polar (a = ExpressY, r = ExpressZ) or
// else Cartesian (x = ExpressY, y = ExpressZ), also when its document stored
// a space coordinate system for it. Elsewhere its own.
inline std::int32_t PointCoordType(std::int32_t documentKind, std::int32_t coordType) {
    if (documentKind != 7 || coordType == CoordType::Polar) return coordType;
    return CoordType::PlaneCartesian;
}

namespace FunForm {
inline constexpr std::int32_t Implicit = 1;   // f(x, y) = 0
inline constexpr std::int32_t Explicit = 2;
inline constexpr std::int32_t Parametric = 3;
inline constexpr std::int32_t Inequality = 4; // f(x, y) <= 0
} // namespace FunForm

namespace FillStyle {
inline constexpr std::int32_t LeftToRight = 1;
inline constexpr std::int32_t FrontToBack = 2;
inline constexpr std::int32_t TopToBottom = 3;
inline constexpr std::int32_t OneColor = 4;
} // namespace FillStyle

// Polygon model of surfaces.
namespace Show {
inline constexpr std::int32_t Vertices = 1;
inline constexpr std::int32_t Wireframe = 2;
inline constexpr std::int32_t FilledSurface = 3;
} // namespace Show

namespace Smoothness {
inline constexpr std::int32_t Faceted = 1;
inline constexpr std::int32_t Smoother = 2;
inline constexpr std::int32_t Smooth = 3;
} // namespace Smoothness

namespace Material {
inline constexpr std::int32_t Artdeco = 1;
inline constexpr std::int32_t Autumn = 2;
inline constexpr std::int32_t Glass = 3;
inline constexpr std::int32_t Metal = 4;
inline constexpr std::int32_t Neon = 5;
inline constexpr std::int32_t Recoco = 6;
inline constexpr std::int32_t Santefe = 7;
inline constexpr std::int32_t Sheen = 8;
inline constexpr std::int32_t Silky = 9;
inline constexpr std::int32_t Spring = 10;
inline constexpr std::int32_t Summer = 11;
inline constexpr std::int32_t Tropical = 12;
inline constexpr std::int32_t Winter = 13;
} // namespace Material

// Marker shapes in plane documents; any other value draws nothing there.
namespace Symbol {
inline constexpr std::int32_t FilledCircle = 1;
inline constexpr std::int32_t HollowCircle = 2;
inline constexpr std::int32_t FilledSquare = 3;
inline constexpr std::int32_t FilledTriangle = 4;
inline constexpr std::int32_t FilledDiamond = 5;
inline constexpr std::int32_t Crosshair = 6;
} // namespace Symbol

namespace TexMode {
inline constexpr std::int32_t Replace = 1; // the texture alone, on white
inline constexpr std::int32_t Blend = 2;   // modulated by the surface colour with TransAlpha
} // namespace TexMode

namespace VecOperation {
inline constexpr std::int32_t Sum = 1;        // vector 1 + vector 2
inline constexpr std::int32_t Difference = 2; // vector 1 - vector 2
inline constexpr std::int32_t Multiple = 3;   // vector 1 * VecConstant
inline constexpr std::int32_t DotProduct = 4;
inline constexpr std::int32_t CrossProduct = 5;
} // namespace VecOperation

namespace LimitDir {
inline constexpr std::int32_t BothSides = 1;
inline constexpr std::int32_t Left = 2;
inline constexpr std::int32_t Right = 3;
} // namespace LimitDir
