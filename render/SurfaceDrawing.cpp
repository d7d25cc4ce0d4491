// The surface kinds: set-up and grid, normals, and the quads with their
// shading, colours, texture and transparency.
#include "render/SurfaceDrawing.h"

#include "core/Globals.h"
#include "graph/Cls9.h"
#include "math/Der.h"
#include "math/InfixToPolish.h"
#include "math/Module1.h"
#include "math/PolishToInfix.h"
#include "scene/TextureCache.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {

float Single(double v) { return static_cast<float>(v); }

GridPoint Sum(std::initializer_list<GridPoint> terms) {
    double x = 0, y = 0, z = 0;
    for (const GridPoint& t : terms) {
        x += t.x;
        y += t.y;
        z += t.z;
    }
    return {Single(x), Single(y), Single(z)};
}

float Length(const GridPoint& v) {
    return Single(std::sqrt(double(v.x) * v.x + double(v.y) * v.y + double(v.z) * v.z));
}

GridPoint Divided(const GridPoint& v, float len) { return {v.x / len, v.y / len, v.z / len}; }

// Whether |a - b| < tolerance on every axis, for both pairs of points.
bool Meet(const GridPoint& a, const GridPoint& b, const GridPoint& c, const GridPoint& d, const GridPoint& tol) {
    const auto close = [](float p, float q, float t) { return Single(std::fabs(double(p) - q)) < t; };
    return close(a.x, b.x, tol.x) && close(a.y, b.y, tol.y) && close(a.z, b.z, tol.z) && close(c.x, d.x, tol.x) &&
           close(c.y, d.y, tol.y) && close(c.z, d.z, tol.z);
}

// The texts of the tangent planes and normal lines: the partial derivatives
// by x and by y and the surface itself, compiled. False when the expression
// cannot be differentiated or a text does not compile (the engine has shown
// its message).
bool PrepareTangentTexts(SurfaceWork& w) {
    const std::string& expression = w.Common.ExpressZ;
    std::string message;
    bool success = true;
    std::string partial[2];
    const char* variables[2] = {"x", "y"};
    for (int k = 0; k < 2; ++k) {
        const auto list = InfixToPolish(expression, message, success);
        if (!success || !list) return false;
        const auto derived = PartialDerive(*list, variables[k]);
        if (!derived) return false;
        partial[k] = MergeSigns(PolishToInfix(*derived));
    }
    Cls6& compiler = w.Common.Evaluator;
    if (compiler.InfixToPostfix(partial[0], w.PartialXPostfix) != 0) return false;
    if (compiler.InfixToPostfix(partial[1], w.PartialYPostfix) != 0) return false;
    return compiler.InfixToPostfix(expression, w.SurfacePostfix) == 0;
}

// How each vertex's colour is given.
enum class ColourCall { Rgb, RgbAlpha, White };

// The quads of the grid, coloured by FillStyle, with texture coordinates and
// face (Smoothness 1, 2) or vertex (3) normals. A quad with an undefined
// corner coordinate is left out.
void DrawQuads(SurfaceWork& w) {
    const Cls9& g = w.Graph;
    const SurfaceGrid& grid = w.Grid;
    const std::int64_t su = grid.StepU();
    const std::int64_t sv = grid.StepV();
    if (w.ExtentX == 0) w.ExtentX = 0.000001f;
    if (w.ExtentY == 0) w.ExtentY = 0.000001f;
    if (w.ExtentZ == 0) w.ExtentZ = 0.000001f;
    if (g.Smoothness < 1 || g.Smoothness > 3) return;

    // The colour of every grid point: the gradient from the second colour at
    // the box's low end to the first colour at its high end (not clamped).
    const ColorTriple& S = w.Common.SecondRGB;
    const ColorTriple& F = w.Common.FirstRGB;
    std::vector<ColorTriple> colours(std::size_t((su + 1) * (sv + 1)));
    for (std::int64_t i = 0; i <= su; ++i)
        for (std::int64_t j = 0; j <= sv; ++j) {
            const GridPoint& p = grid(i, j);
            double fraction = 0;
            switch (g.FillStyle) {
            case FillStyle::LeftToRight: fraction = (double(p.x) - w.Box.MinX) / w.ExtentX; break;
            case FillStyle::FrontToBack: fraction = (double(p.z) - w.Box.MinZ) / w.ExtentZ; break;
            case FillStyle::TopToBottom: fraction = (double(p.y) - w.Box.MinY) / w.ExtentY; break;
            case FillStyle::OneColor: break;
            default: colours[std::size_t(i * (sv + 1) + j)] = ColorTriple{}; continue;
            }
            colours[std::size_t(i * (sv + 1) + j)] = {S.red + fraction * (F.red - S.red),
                                                      S.green + fraction * (F.green - S.green),
                                                      S.blue + fraction * (F.blue - S.blue)};
        }

    ColourCall call = ColourCall::Rgb;
    if (g.ShowTex)
        call = g.TexMode == TexMode::Blend ? ColourCall::RgbAlpha : ColourCall::White;
    else if (g.ShowTrans)
        call = ColourCall::RgbAlpha;
    const double alpha = g.TransAlpha;
    const bool faceted = g.Smoothness != Smoothness::Smooth;

    // The image's corner (1, 1) lies at P(0, 0), its corner (0, 0) at
    // P(StepU, StepV).
    const auto vertex = [&](std::int64_t i, std::int64_t j) {
        glTexCoord2d(double(su - i) / double(su), double(sv - j) / double(sv));
        if (!faceted) {
            const GridPoint& n = w.Normals.V(i, j);
            glNormal3d(n.x, n.y, n.z);
        }
        const ColorTriple& c = colours[std::size_t(i * (sv + 1) + j)];
        switch (call) {
        case ColourCall::Rgb: glColor3d(c.red, c.green, c.blue); break;
        case ColourCall::RgbAlpha: glColor4d(c.red, c.green, c.blue, alpha); break;
        case ColourCall::White: glColor3d(1, 1, 1); break;
        }
        const GridPoint& p = grid(i, j);
        glVertex3d(p.x, p.y, p.z);
    };
    const auto defined = [](const GridPoint& p) {
        return p.x != UndefinedValue && p.y != UndefinedValue && p.z != UndefinedValue;
    };

    // One primitive for all quads: separate quads draw the same as one
    // begin/end pair each, and compile much faster.
    glBegin(GL_QUADS);
    for (std::int64_t i = 0; i < su; ++i)
        for (std::int64_t j = 0; j < sv; ++j) {
            if (!defined(grid(i, j)) || !defined(grid(i + 1, j)) || !defined(grid(i + 1, j + 1)) ||
                !defined(grid(i, j + 1)))
                continue;
            if (faceted) {
                const GridPoint& n = w.Normals.F(i, j);
                glNormal3d(n.x, n.y, n.z);
            }
            vertex(i, j);
            vertex(i + 1, j);
            vertex(i + 1, j + 1);
            vertex(i, j + 1);
        }
    glEnd();
}

} // namespace

void SurfaceNormals::Reset(std::int64_t stepU, std::int64_t stepV) {
    stepV_ = stepV;
    face_.assign(std::size_t(stepU * stepV), GridPoint{});
    vertex_.assign(std::size_t((stepU + 1) * (stepV + 1)), GridPoint{});
}

void ComputeFaceNormals(const SurfaceGrid& grid, bool flattened, float flatY, SurfaceNormals& n) {
    const std::int64_t su = grid.StepU();
    const std::int64_t sv = grid.StepV();
    n.Reset(su, sv);
    for (std::int64_t i = 0; i < su; ++i)
        for (std::int64_t j = 0; j < sv; ++j) {
            GridPoint p1 = grid(i, j), p2 = grid(i + 1, j), p3 = grid(i + 1, j + 1), p4 = grid(i, j + 1);
            if (flattened) p1.y = p2.y = p3.y = p4.y = flatY;
            const GridPoint a{p1.x - p3.x, p1.y - p3.y, p1.z - p3.z};
            const GridPoint b{p2.x - p4.x, p2.y - p4.y, p2.z - p4.z};
            const GridPoint c{Single(double(a.y) * b.z - double(a.z) * b.y),
                              Single(double(a.z) * b.x - double(a.x) * b.z),
                              Single(double(a.x) * b.y - double(a.y) * b.x)};
            float len = Length(c);
            if (len == 0) len = 0.0001f;
            n.F(i, j) = Divided(c, len);
        }
}

void NormalizeVertexNormals(const SurfaceGrid& grid, SurfaceNormals& n) {
    for (std::int64_t i = 0; i <= grid.StepU(); ++i)
        for (std::int64_t j = 0; j <= grid.StepV(); ++j) {
            float len = Length(n.V(i, j));
            if (len == 0) len = 1;
            n.V(i, j) = Divided(n.V(i, j), len);
        }
}

void ComputeSurfaceNormals(const SurfaceGrid& grid, bool flattened, float flatY, float gridStepX,
                           float gridStepY, float gridStepZ, SurfaceNormals& n) {
    const std::int64_t su = grid.StepU();
    const std::int64_t sv = grid.StepV();
    ComputeFaceNormals(grid, flattened, flatY, n);

    // Vertex normals: corners, open edges, the seams when closed, the
    // interior; later steps overwrite earlier ones.
    n.V(0, 0) = n.F(0, 0);
    n.V(0, sv) = n.F(0, sv - 1);
    n.V(su, 0) = n.F(su - 1, 0);
    n.V(su, sv) = n.F(su - 1, sv - 1);
    for (std::int64_t j = 1; j < sv; ++j) n.V(0, j) = Sum({n.F(0, j), n.F(0, j - 1)});
    for (std::int64_t j = 1; j < sv; ++j) n.V(su, j) = Sum({n.F(su - 1, j - 1), n.F(su - 1, j)});
    for (std::int64_t i = 1; i < su; ++i) n.V(i, 0) = Sum({n.F(i, 0), n.F(i - 1, 0)});
    for (std::int64_t i = 1; i < su; ++i) n.V(i, sv) = Sum({n.F(i, sv - 1), n.F(i - 1, sv - 1)});

    const GridPoint tol{Single(double(gridStepX) * 8 / 10), Single(double(gridStepY) * 8 / 10),
                        Single(double(gridStepZ) * 8 / 10)};
    if (Meet(grid(0, 0), grid(0, sv), grid(su, 0), grid(su, sv), tol)) {
        n.V(0, 0) = Sum({n.F(0, sv - 1), n.F(0, 0)});
        n.V(0, sv) = n.V(0, 0);
        n.V(su, 0) = Sum({n.F(su - 1, sv - 1), n.F(su - 1, 0)});
        n.V(su, sv) = n.V(su, 0);
        for (std::int64_t i = 1; i < su; ++i) {
            n.V(i, 0) = Sum({n.F(i - 1, 0), n.F(i - 1, sv - 1), n.F(i, sv - 1), n.F(i, 0)});
            n.V(i, sv) = n.V(i, 0);
        }
    }
    if (Meet(grid(0, 0), grid(su, 0), grid(0, sv), grid(su, sv), tol)) {
        n.V(0, 0) = Sum({n.F(su - 1, 0), n.F(0, 0)});
        n.V(su, 0) = n.V(0, 0);
        n.V(0, sv) = Sum({n.F(su - 1, sv - 1), n.F(0, sv - 1)});
        n.V(su, sv) = n.V(0, sv);
        for (std::int64_t j = 1; j < sv; ++j) {
            n.V(0, j) = Sum({n.F(0, j - 1), n.F(su - 1, j - 1), n.F(su - 1, j), n.F(0, j)});
            n.V(su, j) = n.V(0, j);
        }
    }
    for (std::int64_t i = 1; i < su; ++i)
        for (std::int64_t j = 1; j < sv; ++j)
            n.V(i, j) = Sum({n.F(i - 1, j), n.F(i - 1, j - 1), n.F(i, j - 1), n.F(i, j)});
    NormalizeVertexNormals(grid, n);
}

bool ChooseSurfaceGrid(Cls9& g, std::int32_t lngAnimStep, SurfaceGrid& grid) {
    const std::int64_t su = g.StepU;
    const std::int64_t sv = g.StepV;
    switch (g.GraphType) {
    case GraphType::Surface3DAnimation:
        return grid.Fill(su, sv, [&](std::int64_t i, std::int64_t j) { return g.Anim3D.Find(i, j, lngAnimStep); });
    case GraphType::Table3D:
        // Reading an empty table entry makes a point at the origin there.
        if (!PointTable::InRange(su, sv)) return grid.Fill(-1, -1, [](std::int64_t, std::int64_t) { return nullptr; });
        return grid.Fill(su, sv, [&](std::int64_t i, std::int64_t j) { return &g.VertTab3D(i, j); });
    case GraphType::RevolutionX:
    case GraphType::RevolutionY:
        return grid.Fill(40, sv, [&](std::int64_t i, std::int64_t j) { return g.VertRev.Find(i, j); });
    default: break;
    }
    // The partial-derivative surfaces are sampled for explicit Cartesian
    // surfaces only; another graph with the option left on draws itself.
    const bool partials = (g.GraphType == GraphType::Surface3D || g.GraphType == GraphType::ColorMap) &&
                          g.FunForm == FunForm::Explicit && g.CoordType == CoordType::Cartesian;
    const PointGrid& source = partials && g.ShowSurPY ? g.VertPY : partials && g.ShowSurPX ? g.VertPX : g.Vert3D;
    return grid.Fill(su, sv, [&](std::int64_t i, std::int64_t j) { return source.Find(i, j); });
}

bool TangentPlanesApply(const Cls9& g) {
    return (g.GraphType == GraphType::Surface3D || g.GraphType == GraphType::Surface3DAnimation) &&
           g.FunForm == FunForm::Explicit &&
           (g.CoordType == CoordType::Cartesian || g.CoordType == CoordType::Cylindrical ||
            g.CoordType == CoordType::Spherical);
}

void DrawSurface(Cls9& g, GraphDrawing& common, std::int32_t lngAnimStep) {
    // Lines of a wireframe start at width 1 whatever the graph before left.
    glLineWidth(1);

    SurfaceWork w(g, common, lngAnimStep);
    w.Box = g.BoxFields();
    w.ExtentX = Single(double(w.Box.MaxX) - w.Box.MinX);
    w.ExtentY = Single(double(w.Box.MaxY) - w.Box.MinY);
    w.ExtentZ = Single(double(w.Box.MaxZ) - w.Box.MinZ);
    w.GridStepX = Single(double(w.ExtentX) / g.StepU);
    w.GridStepY = Single(double(w.ExtentY) / g.StepV);
    w.GridStepZ = Single(double(w.ExtentZ) / std::max(g.StepU, g.StepV));

    // A Cartesian surface whose tangent texts cannot be made is not drawn at
    // all; the others take no derivative texts.
    const bool tangents = (g.ShowTangent || g.ShowNormal) && TangentPlanesApply(g);
    if (tangents && g.CoordType == CoordType::Cartesian && !PrepareTangentTexts(w)) return;
    if (!ChooseSurfaceGrid(g, lngAnimStep, w.Grid) || !w.Grid.HasCells()) return;

    switch (g.Show) {
    case Show::Vertices: glPolygonMode(GL_FRONT_AND_BACK, GL_POINT); break;
    case Show::Wireframe: glPolygonMode(GL_FRONT_AND_BACK, GL_LINE); break;
    case Show::FilledSurface: glPolygonMode(GL_FRONT_AND_BACK, GL_FILL); break;
    default: break;
    }
    const bool colourMap = g.GraphType == GraphType::ColorMap;
    // A colour map carries no texture coordinates: it is never textured.
    if (g.ShowTex && !colourMap) {
        w.TextureLoaded = BindCachedTexture(g.TexName);
        if (w.TextureLoaded) glEnable(GL_TEXTURE_2D);
    }
    if (g.ShowTrans) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_BLEND);
    }

    ComputeSurfaceNormals(w.Grid, colourMap, w.Box.MinY, w.GridStepX, w.GridStepY, w.GridStepZ, w.Normals);

    if (g.Smoothness == Smoothness::Faceted)
        glShadeModel(GL_FLAT);
    else if (g.Smoothness == Smoothness::Smoother || g.Smoothness == Smoothness::Smooth)
        glShadeModel(GL_SMOOTH);

    if (colourMap) {
        DrawColorMapGraph(w);
        if (g.ShowTrans) glDisable(GL_BLEND);
    } else {
        DrawQuads(w);
        if (w.TextureLoaded) glDisable(GL_TEXTURE_2D);
        if (g.ShowTrans) glDisable(GL_BLEND);
        if (tangents) DrawTangentPlanesAndNormalLines(w);
        if (g.ShowColormap) DrawSurfaceColorMapView(w);
        DrawSurfaceContourAndVectorViews(w);
    }
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glShadeModel(GL_SMOOTH);
    glLineWidth(1);
}
