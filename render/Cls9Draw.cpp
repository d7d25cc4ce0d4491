// The entry of a graph's drawing: the set-up every kind shares, then the
// branch of the graph's kind.
#include "core/ColorParts.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "math/Module1.h"
#include "render/FieldDrawing.h"
#include "render/GraphDrawing.h"
#include "render/OdeLimitDrawing.h"
#include "render/PlaneDrawing.h"
#include "render/PlaneTableDrawing.h"
#include "render/SpaceCurveDrawing.h"
#include "render/StripDrawing.h"
#include "render/SurfaceDrawing.h"
#include "render/VectorDrawing.h"
#include "scene/Cls11.h"

#include <GL/gl.h>

#include <cmath>

void ColorToRGB(std::int32_t lngColor, double& red, double& green, double& blue) {
    const ColorBytes parts = ColorParts(lngColor);
    red = parts.red / 255.0;
    green = parts.green / 255.0;
    blue = parts.blue / 255.0;
}

ColorTriple ColorToRGB(std::int32_t lngColor) {
    ColorTriple t;
    ColorToRGB(lngColor, t.red, t.green, t.blue);
    return t;
}

void Cls9::Draw(std::int32_t lngAnimStep) {
    GraphDrawing work;
    work.ExpressX = InsertMulSigns(ExpressX);
    work.ExpressY = InsertMulSigns(ExpressY);
    work.ExpressZ = InsertMulSigns(ExpressZ);
    // Surfaces of revolution are sampled at the 41 angles 0..40.
    if (GraphType == GraphType::RevolutionX || GraphType == GraphType::RevolutionY) StepU = 40;

    if (Animation)
        GetBox(lngAnimStep);
    else
        GetBox(0);
    // Only the lines of the graph drawn last stay in the pane.
    Result().SetText("");
    // The box of a graph with surface views reaches 3 below the surface.
    if (ShowContour || ShowVector || ShowColormap) BoxMinY += 3.0f;

    // Every glColor of the graph sets its material colour (Neon glows).
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, Material == Material::Neon ? GL_EMISSION : GL_DIFFUSE);
    Cls11 material;
    material.SetMaterial(Material);

    work.SecondRGB = ColorToRGB(SecondColor);
    work.FirstRGB = ColorToRGB(FirstColor);
    work.LineRGB = ColorToRGB(LineColor);

    switch (GraphType) {
    case GraphType::Point:
    case GraphType::PointAnimation:
        DrawPointGraph(*this, lngAnimStep);
        break;
    case GraphType::Function2D:
    case GraphType::Function2DAnimation:
    case GraphType::Intersection:
    case GraphType::StepStem:
    case GraphType::Series:
        DrawPlaneGraph(*this, work, lngAnimStep);
        break;
    case GraphType::Curve3D:
    case GraphType::Curve3DAnimation:
        DrawSpaceCurve(*this, work, lngAnimStep);
        break;
    case GraphType::Surface3D:
    case GraphType::Table3D:
    case GraphType::Surface3DAnimation:
    case GraphType::ColorMap:
    case GraphType::RevolutionX:
    case GraphType::RevolutionY:
        DrawSurface(*this, work, lngAnimStep);
        break;
    case GraphType::Table2D:
        DrawPlaneTable(*this, work);
        break;
    case GraphType::Strip25D:
    case GraphType::Table25D:
    case GraphType::Strip25DAnimation:
        DrawStrip(*this, work, lngAnimStep);
        break;
    case GraphType::Contour:
        DrawContourPlot(*this);
        break;
    case GraphType::VectorField:
        DrawVectorField(*this, work);
        break;
    case GraphType::Vector:
    case GraphType::VectorOperation:
        DrawVector(*this);
        break;
    case GraphType::ODE:
        DrawODESolutions(*this);
        break;
    case GraphType::Limit:
        DrawLimitGraph(*this);
        break;
    // Other values are not graph kinds: nothing is drawn.
    default:
        break;
    }
}
