#pragma once
// The drawing of a graph into the display list being compiled: the working
// values one call of Cls9::Draw prepares for every kind, and the branches
// that draw the kinds.
#include "graph/Cls2.h"
#include "math/Cls6.h"

#include <array>
#include <cstdint>
#include <string>

class Cls9;

// A colour Long split into red, green and blue fractions 0..1.
struct ColorTriple {
    double red = 0;
    double green = 0;
    double blue = 0;
};

// The parts of a colour (ColorParts: a system-colour code by its table) divided by 255.
void ColorToRGB(std::int32_t lngColor, double& red, double& green, double& blue);
ColorTriple ColorToRGB(std::int32_t lngColor);

// The derivative texts of one drawing of a plane function, made by the
// derivative analyses and used by the analyses after them. Infix texts of the
// first derivatives of the working copies X, Y, Z; postfix texts of every
// text the analyses evaluate, all compiled by the call's one Cls6.
struct PlaneDerivativeTexts {
    bool First = false;  // DX, DY, DZ built and compiled
    bool Second = false; // the second derivatives and DQ built and compiled
    std::string DX, DY, DZ;
    std::string PostDX, PostDY, PostDZ, PostEY, PostEZ;
    // d/dp of X', Y', Z' and of the slope Z'/Y' (dy/dx of a parametric curve).
    std::string PostDDX, PostDDY, PostDDZ, PostDQ;
};

// What one call of Cls9::Draw sets up before it hands the graph to its kind.
struct GraphDrawing {
    // ExpressX, ExpressY, ExpressZ with the implied multiplication signs
    // inserted: every expression the drawing compiles comes from these, while
    // result lines quote the graph's own texts.
    std::string ExpressX;
    std::string ExpressY;
    std::string ExpressZ;
    // The one compiler/evaluator of the call.
    Cls6 Evaluator;
    // Filled by the intersection search, drawn by the curve pass: points
    // 0..IntersectionCount - 1 (at most 50; 0 when no search ran).
    std::array<Cls2, 51> IntersectionPoints{};
    std::int32_t IntersectionCount = 0;
    ColorTriple SecondRGB;
    ColorTriple FirstRGB;
    ColorTriple LineRGB;
    PlaneDerivativeTexts Derivatives;
};

// Points (GraphType 7) and point animations (8, at frame lngAnimStep): one
// marker, flat in plane documents, a sphere elsewhere; no result line.
void DrawPointGraph(const Cls9& graph, std::int32_t lngAnimStep);

class Cls8;
// Compiles, in the current context and before the scene's lists, the sphere of
// each size the scene's points draw, so that every point of that size calls
// one shared list (see Cls2::PrepareSphere).
void PrepareMarkerSpheres(const Cls8& scene);
