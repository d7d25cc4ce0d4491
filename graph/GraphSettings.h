#pragma once
// The settings of a graph, one struct per group, each field with its starting
// value. Cls9 inherits them all, so every setting is reached by its own name
// (graph.StepU, graph.CurvX(3)). Every field is a plain stored value: nothing
// is validated on assignment. Colours are red + 256*green + 65536*blue.
#include "graph/PositionList.h"

#include <cstdint>
#include <string>

// Expressions and ranges, identity and appearance, point style and form.
struct GraphCore {
    // Expressions and ranges. ExpressZ is the function of plane and strip
    // graphs, z = f(x, y) of explicit space forms, the third coordinate of
    // parametric forms and points.
    std::string ExpressX;
    std::string ExpressY;
    std::string ExpressZ;
    std::int32_t StepU = 1; // segments in u: samples 0..StepU
    std::int32_t StepV = 1; // segments in v: samples 0..StepV
    float MinU = 0;
    float MaxU = 0;
    float MinV = 0;
    float MaxV = 0;

    // Identity and appearance.
    std::string NameS;          // label in the graph list
    std::int32_t ID = 0;        // unique number; its text is the graph's key in the scenes
    std::int32_t FirstColor = 0;  // end colour of the gradient
    std::int32_t SecondColor = 0; // start colour; the one colour of FillStyle 4
    std::int32_t CoordType = 0;
    std::int32_t FillStyle = 0;
    std::int32_t GraphType = 0;
    std::int32_t Material = 0;
    std::int32_t Show = 3;       // filled surface
    std::int32_t Smoothness = 3; // smooth
    std::int32_t LineWidth = 0;
    std::int32_t LineColor = 0;

    // Point style of point graphs.
    std::int32_t PointColor = 255; // red
    float PointSize = 1.0f;
    bool PointHollow = false;

    // Form of the function; set after Init.
    std::int32_t FunForm = 0;
};

// Analysis overlays of plane function graphs. Positions are x values, or
// angles for polar graphs; the lists are used from index 1 to their counts.
struct PlaneAnalysisSettings {
    bool Show2DCurve = false;
    bool ShowInverse = false;
    std::int32_t InvColor = 0;
    std::int32_t InvWidth = 0;
    bool ShowDev = false;
    std::int32_t DevColor = 0;
    std::int32_t DevWidth = 0;
    bool ShowInt = false;
    std::int32_t IntColor = 0;
    float IntFrom = 0;
    float IntTo = 0;
    bool ShowMax = false;
    std::int32_t MaxColor = 0;
    std::int32_t MaxSize = 0;
    std::int32_t MaxSymbol = 0;
    bool ShowMin = false;
    std::int32_t MinColor = 0;
    std::int32_t MinSize = 0;
    std::int32_t MinSymbol = 0;
    bool ShowGuai = false; // inflection points
    std::int32_t GuaiColor = 0;
    std::int32_t GuaiSize = 0;
    std::int32_t GuaiSymbol = 0;
    bool ShowJO = false; // f(-x)
    std::int32_t JOColor = 0;
    std::int32_t JOWidth = 0;
    bool ShowRoot = false;
    std::int32_t RootColor = 0;
    std::int32_t RootSize = 0;
    std::int32_t RootSymbol = 0;
    bool ShowCurv = false; // circles of curvature
    std::int32_t CurvColor = 0;
    std::int32_t CurvWidth = 0;
    std::int32_t CurvNum = 0;
    PositionList CurvX;
    bool ShowLen = false; // arc length
    float LenFrom = 0;
    float LenTo = 0;
    bool ShowQie = false; // tangent lines
    std::int32_t QieColor = 0;
    std::int32_t QieWidth = 0;
    std::int32_t QieNum = 0;
    PositionList QieX;
    bool ShowNml = false; // normal lines
    std::int32_t NmlColor = 0;
    std::int32_t NmlWidth = 0;
    std::int32_t NmlNum = 0;
    PositionList NmlX;
};

// Step and stem plot.
struct StepStemSettings {
    bool ShowStep = false;
    std::int32_t StepColor = 0;
    std::int32_t StepWidth = 0;
    bool ShowStem = false;
    std::int32_t StemHeadColor = 0;
    std::int32_t StemHeadSize = 0;
    std::int32_t StemHeadSymbol = 0;
    std::int32_t StemBodyColor = 0;
    std::int32_t StemBodyWidth = 0;
};

// Intersection of two curves: the second function and the marks.
struct IntersectionSettings {
    std::string Exp2;
    std::int32_t Color2 = 0;
    std::int32_t Width2 = 0;
    bool ShowInter = false;
    std::int32_t InterColor = 0;
    std::int32_t InterSize = 0;
    std::int32_t InterSymbol = 0;
    bool ShowArea = false;
    std::int32_t AreaColor = 0;
};

// Animation over the parameter t; frame k of N has t = MinT + k*(MaxT - MinT)/N.
struct AnimationSettings {
    bool Animation = false;
    float MaxT = 0;
    float MinT = 0;
};

// Views added to a surface.
struct SurfaceViewSettings {
    bool ShowContour = false;
    bool ShowVector = false;
    bool ShowColormap = false;
    std::int32_t ContourLevel = 0;
};

// Display of plane tables; copied only with the table points.
struct TableDisplaySettings {
    bool Show2DLine = true;
    bool Show2DScatter = true;
    bool ShowSmoothCurve = true;
    std::int32_t ScatterSize = 2;
    std::int32_t ScatterColor = 0;          // black
    std::int32_t SmoothCurveColor = 65280;  // green
    std::int32_t SmoothCurveWidth = 1;
    std::int32_t Symbol = 1;                // filled circle
};

// Overlays of space graphs: partial-derivative surfaces, tangents and normals.
struct SpaceOverlaySettings {
    bool ShowSurface = false;
    bool ShowSurPX = false;
    bool ShowSurPY = false;
    bool ShowTangent = false;
    std::int32_t TangentNum = 0;
    PositionList TangentX;
    PositionList TangentY;
    bool ShowNormal = false;
    std::int32_t NormalNum = 0;
    PositionList NormalX;
    PositionList NormalY;
};

// Space vectors and vector operations, in drawing coordinates (X is the
// mathematical y, Y the mathematical z, Z the mathematical x).
struct VectorSettings {
    float VecBeginX = 0;
    float VecBeginY = 0;
    float VecBeginZ = 0;
    float VecEndX = 0;
    float VecEndY = 0;
    float VecEndZ = 0;
    bool ShowVecBegin = false;
    bool ShowVecEnd = false;
    std::int32_t VecColor = 0;
    std::int32_t VecWidth = 0;
    bool ShowVecPrj = false;
    bool ShowVecB = false;
    std::int32_t VecOperation = 0;
    float VecConstant = 0;
    float VecDX = 0;
    float VecDY = 0;
    float VecDZ = 0;
    float VecDX2 = 0;
    float VecDY2 = 0;
    float VecDZ2 = 0;
};

// Differential equation dy/dx = f(x, y).
struct OdeSettings {
    bool ODEInitial = false; // one solution through (ODEInitX, ODEInitY), else StepV + 1
    float ODEInitX = 0;
    float ODEInitY = 0;
    std::int32_t ODEColor = 0;
    std::int32_t ODEWidth = 0;
};

// Limit of f at LimitX0.
struct LimitSettings {
    float LimitX0 = 0;
    std::int32_t LimitDir = 0; // stored only; the dialog turns it into MinV..MaxV
    bool LimitShowP = false;
    bool LimitShowL = false;
};

// Series: SeriesA0 + sum over n = SeriesN1..SeriesN2 of ExpressZ(x, n).
struct SeriesSettings {
    std::int32_t SeriesN1 = 0;
    std::int32_t SeriesN2 = 0;
    std::int32_t SeriesColor = 0;
    std::int32_t SeriesWidth = 0;
    float SeriesA0 = 0;
};

// Texture and transparency of surfaces.
struct TextureSettings {
    bool ShowTex = false;
    std::string TexName;
    std::int32_t TexMode = 0;
    bool ShowTrans = false;
    float TransAlpha = 0;
};
