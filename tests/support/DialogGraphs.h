#pragma once
// Graphs of the differential-equation, limit, series, vector and
// vector-operation kinds built the way their dialogs' OKs build them (the
// fields each OK sets, in its order), for the tests of sampling, boxes and
// drawing. Values are what the dialog's boxes would give after filtering and
// evaluation; nothing is sampled here.
#include "graph/Cls9.h"

#include <memory>
#include <string>

// A differential equation dy/dx = slope as frmF29's OK builds it.
inline std::shared_ptr<Cls9> OdeGraph(const std::string& slope, float minX, float maxX, std::int32_t stepsX,
                                      std::int32_t stepsY, float minY, float maxY, std::int32_t colour,
                                      std::int32_t width, bool initial) {
    auto g = Cls9::Init(0, "", GraphType::ODE, CoordType::PlaneCartesian, "0", "x", slope, stepsX, stepsY, minX,
                        maxX, minY, maxY, FillStyle::OneColor, 0, 0, 1, 1, Material::Metal, Show::FilledSurface,
                        Smoothness::Smooth);
    g->FunForm = FunForm::Explicit;
    g->ODEColor = colour;
    g->ODEWidth = width;
    g->ODEInitial = initial;
    return g;
}

// One solution through (x0, y0) on MinU..MaxU (StepV, MinV, MaxV 0).
inline std::shared_ptr<Cls9> OdeThroughPoint(const std::string& slope, float minX, float maxX, std::int32_t stepsX,
                                             float x0, float y0, std::int32_t colour = 16711680,
                                             std::int32_t width = 1) {
    auto g = OdeGraph(slope, minX, maxX, stepsX, 0, 0, 0, colour, width, true);
    g->ODEInitX = x0;
    g->ODEInitY = y0;
    return g;
}

// A family of StepV + 1 solutions starting at x = MinU, y = MinV..MaxV.
inline std::shared_ptr<Cls9> OdeFamily(const std::string& slope, float minX, float maxX, std::int32_t stepsX,
                                       float minY, float maxY, std::int32_t stepsY, std::int32_t colour = 16711680,
                                       std::int32_t width = 1) {
    return OdeGraph(slope, minX, maxX, stepsX, stepsY, minY, maxY, colour, width, false);
}

// f near x0 from the side (LimitDir 1 both, 2 left, 3 right): 4 units on
// that side, 50 segments.
inline std::shared_ptr<Cls9> LimitGraph(const std::string& f, float x0, std::int32_t side = LimitDir::BothSides,
                                        bool points = true, bool line = true) {
    float minV = 0, maxV = 0;
    if (side == LimitDir::BothSides) minV = x0 - 4.0f, maxV = x0 + 4.0f;
    if (side == LimitDir::Left) minV = x0 - 4.0f, maxV = x0;
    if (side == LimitDir::Right) minV = x0, maxV = x0 + 4.0f;
    auto g = Cls9::Init(0, "", GraphType::Limit, CoordType::PlaneCartesian, "0", "x", f, 1, 50, 0, 1, minV, maxV,
                        FillStyle::OneColor, 0xFF0000, 0xFF0000, 255, 1, Material::Metal, Show::Wireframe,
                        Smoothness::Smoother);
    g->FunForm = FunForm::Explicit;
    g->LimitDir = side;
    g->LimitX0 = x0;
    g->LimitShowP = points;
    g->LimitShowL = line;
    return g;
}

// a0 + the sum over n = n1..n2 of the term, over MinV..MaxV in StepV segments.
inline std::shared_ptr<Cls9> SeriesGraph(const std::string& term, float a0, std::int32_t n1, std::int32_t n2,
                                         float minX, float maxX, std::int32_t segments,
                                         std::int32_t colour = 255 + 65536 * 255, std::int32_t width = 1) {
    auto g = Cls9::Init(0, "", GraphType::Series, CoordType::PlaneCartesian, "0", "x", term, 1, segments, 0, 1, minX,
                        maxX, FillStyle::OneColor, 0xFF0000, 0xFF0000, 255, 1, Material::Metal, Show::Wireframe,
                        Smoothness::Smoother);
    g->Show2DCurve = true;
    g->FunForm = FunForm::Explicit;
    g->SeriesA0 = a0;
    g->SeriesColor = colour;
    g->SeriesN1 = n1;
    g->SeriesN2 = n2;
    g->SeriesWidth = width;
    return g;
}

// A point in the dialogs' mathematical axes (x, y, z).
struct MathPoint {
    float x = 0, y = 0, z = 0;
};

// A fresh graph (no Init): the start and end points' x, y, z go to Z, X, Y.
inline std::shared_ptr<Cls9> SpaceVector(MathPoint begin, MathPoint end, std::int32_t colour = 255,
                                         std::int32_t width = 1) {
    auto g = std::make_shared<Cls9>();
    g->GraphType = GraphType::Vector;
    g->VecBeginX = begin.y;
    g->VecBeginY = begin.z;
    g->VecBeginZ = begin.x;
    g->VecEndX = end.y;
    g->VecEndY = end.z;
    g->VecEndZ = end.x;
    g->VecColor = colour;
    g->VecWidth = width;
    return g;
}

// A fresh graph (no Init): each vector's dx, dy, dz go to Z, X, Y; vector 2
// only for operations other than the multiple, the constant only for it.
inline std::shared_ptr<Cls9> VectorOperationGraph(std::int32_t operation, MathPoint v1, MathPoint v2,
                                                  float constant = 0) {
    auto g = std::make_shared<Cls9>();
    g->GraphType = GraphType::VectorOperation;
    g->VecOperation = operation;
    g->VecDX = v1.y;
    g->VecDY = v1.z;
    g->VecDZ = v1.x;
    if (operation == VecOperation::Multiple) {
        g->VecConstant = constant;
    } else {
        g->VecDX2 = v2.y;
        g->VecDY2 = v2.z;
        g->VecDZ2 = v2.x;
    }
    return g;
}
