// Strips, strip animations and strip tables: the edges, the normals and the
// coloured quads.
#include "render/StripDrawing.h"

#include "core/Globals.h"
#include "graph/Cls9.h"

#include <GL/gl.h>

#include <cmath>

namespace {

float Single(double v) { return static_cast<float>(v); }

bool Defined(const GridPoint& p) {
    return p.x != UndefinedValue && p.y != UndefinedValue && p.z != UndefinedValue;
}

bool QuadDefined(const SurfaceGrid& e, std::int64_t j) {
    return Defined(e(0, j)) && Defined(e(1, j)) && Defined(e(1, j + 1)) && Defined(e(0, j + 1));
}

GridPoint Plus(const GridPoint& a, const GridPoint& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

// Whether the points lie within 0.001 of each other on every axis.
bool Meet(const GridPoint& a, const GridPoint& b) {
    const auto close = [](float p, float q) { return Single(std::fabs(double(p) - q)) < 0.001f; };
    return close(a.x, b.x) && close(a.y, b.y) && close(a.z, b.z);
}

// The colour of a corner: the second colour S at the box's low end, the first
// colour F at its high end, along the axis of the fill style (not clamped).
struct CornerColours {
    std::int32_t style = FillStyle::OneColor;
    Cls1 box;
    float dx = 1, dy = 1, dz = 1;
    ColorTriple S, F;

    ColorTriple operator()(const GridPoint& p) const {
        double offset = 0, range = 1;
        switch (style) {
        case FillStyle::LeftToRight: offset = double(p.x) - box.MinX, range = dx; break;
        case FillStyle::FrontToBack: offset = double(p.z) - box.MinZ, range = dz; break;
        case FillStyle::TopToBottom: offset = double(p.y) - box.MinY, range = dy; break;
        default: return S; // single colour, also for a style no dialog stores
        }
        return {S.red + offset * (F.red - S.red) / range, S.green + offset * (F.green - S.green) / range,
                S.blue + offset * (F.blue - S.blue) / range};
    }
};

void DrawQuads(const SurfaceGrid& e, const SurfaceNormals& n, std::int32_t smoothness,
               const CornerColours& colour) {
    if (smoothness < Smoothness::Faceted || smoothness > Smoothness::Smooth) return;
    const bool perVertex = smoothness == Smoothness::Smooth;
    const auto corner = [&](std::int64_t r, std::int64_t j) {
        if (perVertex) {
            const GridPoint& v = n.V(r, j);
            glNormal3d(v.x, v.y, v.z);
        }
        const ColorTriple c = colour(e(r, j));
        glColor3d(c.red, c.green, c.blue);
        const GridPoint& p = e(r, j);
        glVertex3d(p.x, p.y, p.z);
    };
    // One primitive for all quads: separate quads draw the same as one
    // begin/end pair each, and compile faster.
    glBegin(GL_QUADS);
    for (std::int64_t j = 0; j < e.StepV(); ++j) {
        if (!QuadDefined(e, j)) continue;
        if (!perVertex) {
            const GridPoint& f = n.F(0, j);
            glNormal3d(f.x, f.y, f.z);
        }
        corner(0, j);
        corner(1, j);
        corner(1, j + 1);
        corner(0, j + 1);
    }
    glEnd();
}

} // namespace

bool ChooseStripEdges(Cls9& g, std::int32_t lngAnimStep, SurfaceGrid& edges) {
    const std::int64_t sv = g.StepV;
    const auto none = [](std::int64_t, std::int64_t) -> const Cls2* { return nullptr; };
    if (sv < 1) return edges.Fill(-1, -1, none);
    switch (g.GraphType) {
    case GraphType::Strip25DAnimation:
        return edges.Fill(1, sv, [&](std::int64_t r, std::int64_t j) { return g.Anim25D.Find(r, j, lngAnimStep); });
    case GraphType::Table25D:
        if (!PointTable::InRange(1, sv)) return edges.Fill(-1, -1, none);
        return edges.Fill(1, sv, [&](std::int64_t r, std::int64_t j) { return &g.VertTab3D(r, j); });
    default: return edges.Fill(1, sv, [&](std::int64_t r, std::int64_t j) { return g.Vert3D.Find(r, j); });
    }
}

void ComputeStripNormals(const SurfaceGrid& e, SurfaceNormals& n) {
    const std::int64_t sv = e.StepV();
    ComputeFaceNormals(e, false, 0, n);
    for (std::int64_t j = 0; j < sv; ++j)
        if (!QuadDefined(e, j)) n.F(0, j) = GridPoint{};

    GridPoint first = n.F(0, 0), last = n.F(0, sv - 1);
    if (Meet(e(0, 0), e(0, sv)) && Meet(e(1, 0), e(1, sv))) first = last = Plus(n.F(0, 0), n.F(0, sv - 1));
    for (std::int64_t r = 0; r <= 1; ++r) {
        n.V(r, 0) = first;
        n.V(r, sv) = last;
        for (std::int64_t j = 1; j < sv; ++j) n.V(r, j) = Plus(n.F(0, j), n.F(0, j - 1));
    }
    NormalizeVertexNormals(e, n);
}

void DrawStrip(Cls9& g, GraphDrawing& work, std::int32_t lngAnimStep) {
    SurfaceGrid edges;
    if (!ChooseStripEdges(g, lngAnimStep, edges)) return;

    glDisable(GL_TEXTURE_2D);
    glLineWidth(1);
    switch (g.Show) {
    case Show::Vertices: glPolygonMode(GL_FRONT_AND_BACK, GL_POINT); break;
    case Show::Wireframe: glPolygonMode(GL_FRONT_AND_BACK, GL_LINE); break;
    case Show::FilledSurface: glPolygonMode(GL_FRONT_AND_BACK, GL_FILL); break;
    default: break;
    }

    SurfaceNormals normals;
    ComputeStripNormals(edges, normals);

    if (g.Smoothness == Smoothness::Faceted)
        glShadeModel(GL_FLAT);
    else if (g.Smoothness == Smoothness::Smoother || g.Smoothness == Smoothness::Smooth)
        glShadeModel(GL_SMOOTH);

    CornerColours colour;
    colour.style = g.FillStyle;
    colour.box = g.BoxFields();
    const auto range = [](float lo, float hi) {
        const float d = Single(double(hi) - lo);
        return d == 0 ? 1e-9f : d;
    };
    colour.dx = range(colour.box.MinX, colour.box.MaxX);
    colour.dy = range(colour.box.MinY, colour.box.MaxY);
    colour.dz = range(colour.box.MinZ, colour.box.MaxZ);
    colour.S = work.SecondRGB;
    colour.F = work.FirstRGB;
    DrawQuads(edges, normals, g.Smoothness, colour);

    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glShadeModel(GL_SMOOTH);
}
