// Contour plots, vector fields and colour maps, and the tangent planes,
// normal lines and views of surfaces, built with Init and GetPoints, drawn in
// a real GL context and read back through GL feedback or pixels.
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "render/FieldDrawing.h"

#include "tests/render/MappedPoints.h"
#include "tests/render/OrthoViewFixture.h"
#include "tests/support/GlFeedback.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t Red = 255;
constexpr std::int32_t Blue = 16711680;
constexpr std::int32_t Teal = 128 * 256 + 160 * 65536; // (0, 128, 160)

// The GL z of a feedback vertex of CaptureFeedback (depth -100..100).
float GlZ(const FeedbackVertex& v) { return 100 * (1 - 2 * v.z); }

float Length(const FeedbackLine& l) { return std::hypot(l.to.x - l.from.x, l.to.y - l.from.y); }

class SpecialGraphDrawingTest : public OrthoViewFixture {
protected:
    void SetUp() override {
        OrthoViewFixture::SetUp();
        DocumentKind = 7;
    }

    // A graph of the field dialogs: X, Y, Z of u and v, sampled.
    static std::shared_ptr<Cls9> Field(std::int32_t type, const std::string& x, const std::string& y,
                                       const std::string& z, std::int32_t su, std::int32_t sv, float minU,
                                       float maxU, float minV, float maxV, std::int32_t levels = 0,
                                       std::int32_t fill = FillStyle::TopToBottom, std::int32_t width = 0) {
        std::shared_ptr<Cls9> g = Cls9::Init(1, "", type, CoordType::Cartesian, x, y, z, su, sv, minU, maxU, minV,
                                             maxV, fill, Red, Blue, 0, width, 0, Show::FilledSurface,
                                             Smoothness::Smooth, false, false, false, levels);
        g->FunForm = FunForm::Parametric;
        EXPECT_TRUE(g->GetPoints());
        return g;
    }

    // An explicit surface z = f(x, y), sampled, in a space document.
    static std::shared_ptr<Cls9> Surface(const std::string& z, std::int32_t steps, float min, float max) {
        DocumentKind = 3;
        std::shared_ptr<Cls9> g =
            Cls9::Init(1, "", GraphType::Surface3D, CoordType::Cartesian, "x", "y", z, steps, steps, min, max, min,
                       max, FillStyle::OneColor, Red, Red, 0, 1, 0, Show::FilledSurface, Smoothness::Smooth);
        g->FunForm = FunForm::Explicit;
        EXPECT_TRUE(g->GetPoints());
        return g;
    }

    static Feedback Capture(const std::shared_ptr<Cls9>& g) {
        return CaptureFeedback(Side, 10, [&] { g->Draw(); });
    }
    // Seen from above: screen x is GL x, screen y is -GL z, depth GL y.
    static Feedback CaptureFromAbove(const std::shared_ptr<Cls9>& g) {
        return CaptureFeedback(Side, 10, [&] {
            glRotatef(90, 1, 0, 0);
            g->Draw();
        });
    }
};

// ---------------------------------------------------------------------------
// Vector fields

TEST_F(SpecialGraphDrawingTest, FieldArrowsFollowTheCentralDifferencesPerGridStep) {
    struct Case {
        const char *x, *y, *z;
        float tipX, tipY; // the arrow of node (1, 1), at picture (1, 1)
    };
    const Case cases[] = {
        // Heights 4, 9, 16 along u at the node: gu = 6, along the picture's x
        // (the X text's axis).
        {"u", "v", "(u+2)^2", 7, 1},
        // And 3 per step along v, the picture's y.
        {"u", "v", "(u+2)^2+3*v", 7, 4},
        // u runs along the picture's y when the Y text follows it.
        {"v", "u", "(u+2)^2", 1, 7},
        // u runs towards lower x: the arrow still points up the slope.
        {"-u+2", "v", "(u+2)^2", -5, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.x) + ", " + c.y + ", " + c.z);
        auto g = Field(GraphType::VectorField, c.x, c.y, c.z, 2, 2, 0, 2, 0, 2);
        g->SecondColor = Teal;
        const Feedback fb = Capture(g);
        ASSERT_EQ(fb.lines.size(), 1u);
        const FeedbackLine& l = fb.lines[0];
        EXPECT_NEAR(l.from.x, 1, 1e-3);
        EXPECT_NEAR(l.from.y, 1, 1e-3);
        EXPECT_NEAR(l.to.x, c.tipX, 1e-3);
        EXPECT_NEAR(l.to.y, c.tipY, 1e-3);
        EXPECT_TRUE(Feedback::HasColour(l.from, 0, 128, 160));
        // Drawn at depth BoxMinY, the lowest height (4).
        EXPECT_NEAR(GlZ(l.from), 4, 1e-3);
        // The dot: 20 triangles about the tip, radius 0.04.
        ASSERT_EQ(fb.polygons.size(), 20u);
        for (const auto& p : fb.polygons) {
            ASSERT_EQ(p.size(), 3u);
            EXPECT_TRUE(Feedback::HasColour(p[0], 0, 128, 160));
            for (const FeedbackVertex& v : p) EXPECT_LE(std::hypot(v.x - c.tipX, v.y - c.tipY), 0.0401);
        }
    }
}

TEST_F(SpecialGraphDrawingTest, FieldWithoutInteriorNodesOrSlopesAndItsState) {
    // StepU 1: no interior node, no arrow; smoothing and blending end off,
    // lighting on.
    auto flat = Field(GraphType::VectorField, "u", "v", "u*v", 1, 6, 0, 4, 0, 4);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    const Feedback none = Capture(flat);
    EXPECT_TRUE(none.lines.empty());
    EXPECT_TRUE(none.polygons.empty());
    EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));

    // A constant function: every interior node shows only its dot.
    auto constant = Field(GraphType::VectorField, "u", "v", "5", 4, 4, -4, 4, -4, 4);
    const Feedback dots = Capture(constant);
    for (const FeedbackLine& l : dots.lines) EXPECT_EQ(Length(l), 0.0f);
    EXPECT_EQ(dots.polygons.size(), 9u * 20);
    std::set<std::pair<float, float>> tips;
    for (const auto& p : dots.polygons) tips.insert({std::round(p[2].x), std::round(p[2].y)});
    EXPECT_EQ(tips.size(), 9u);

    // The heights at u = 1 are undefined: the nodes at u = 0, 1 and 2 draw no
    // arrow, those at u = 3 and 4 do.
    auto holed = Field(GraphType::VectorField, "u", "v", "u/(u-1)+v*0", 6, 4, -1, 5, 0, 4);
    const Feedback some = Capture(holed);
    EXPECT_EQ(some.lines.size(), 2u * 3);
    for (const FeedbackLine& l : some.lines) EXPECT_GE(l.from.x, 3 - 1e-3);
}

TEST_F(SpecialGraphDrawingTest, FieldLinesAfterAWideGraphHaveWidthOne) {
    // A contour plot of width 8 compiled before the field into one list.
    auto wide = Field(GraphType::Contour, "u", "v", "u", 4, 4, -9, -5, -9, -5, 4, FillStyle::OneColor, 8);
    auto field = Field(GraphType::VectorField, "u", "v", "(u+2)^2", 2, 2, 0, 2, 0, 2);
    field->SecondColor = 0;
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    wide->Draw();
    field->Draw();
    glEndList();
    glCallList(list);
    glDeleteLists(list, 1);
    // The arrow from (1, 1) to (7, 1): across it at x = 4, the pixels it
    // darkens (10 pixels a unit).
    int covered = 0;
    for (float y = 0; y <= 2; y += 0.1f)
        if (At(4, y).r < 250) ++covered;
    EXPECT_GE(covered, 1);
    EXPECT_LE(covered, 3);
    // The wide graph's lines (of constant u, upright) are wide.
    int wideCovered = 0;
    for (float x = -9; x <= -5; x += 0.1f)
        if (At(x, -7).r < 250) ++wideCovered;
    EXPECT_GE(wideCovered, 20);
}

// ---------------------------------------------------------------------------
// Contour plots

TEST_F(SpecialGraphDrawingTest, ContourPlotLiesOverTheBoxWhicheverIndexRunsAlongX) {
    struct Case {
        const char *x, *y;
        std::int32_t su, sv, fill;
        bool levelsAlongY; // the level lines run at constant picture y
    };
    // Z = u on u 0..8 and v -8..8: four level steps give the lines u = 2, 4,
    // 6 and just below 8 (the top nodes are nudged above the last level).
    // The X text runs along the picture's x, the Y text along its y.
    const Case cases[] = {
        {"u", "v", 4, 16, FillStyle::TopToBottom, false},
        {"u", "v", 16, 4, FillStyle::OneColor, false},
        {"v", "u", 4, 16, FillStyle::TopToBottom, true},
        {"v", "u", 16, 5, FillStyle::TopToBottom, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.x) + c.y + " " + std::to_string(c.su) + "x" + std::to_string(c.sv));
        auto g = Field(GraphType::Contour, c.x, c.y, "u", c.su, c.sv, 0, 8, -8, 8, 4, c.fill, 1);
        const Feedback fb = Capture(g);
        ASSERT_FALSE(fb.lines.empty());
        std::map<int, float> spanOfLevel; // level (rounded) -> total length
        for (const FeedbackLine& l : fb.lines) {
            const float across = c.levelsAlongY ? l.from.y : l.from.x;
            const float acrossEnd = c.levelsAlongY ? l.to.y : l.to.x;
            const float along[2] = {c.levelsAlongY ? l.from.x : l.from.y, c.levelsAlongY ? l.to.x : l.to.y};
            EXPECT_NEAR(across, acrossEnd, 1e-3);
            for (float a : along) {
                EXPECT_GE(a, -8 - 1e-3);
                EXPECT_LE(a, 8 + 1e-3);
            }
            const int level = int(std::lround(across));
            EXPECT_NEAR(across, float(level), 1e-3);
            spanOfLevel[level] += Length(l);
            EXPECT_NEAR(GlZ(l.from), 0, 1e-3); // depth BoxMinY
            // Colours from the second (blue) at 0 to the first (red) at 8.
            const float t = c.fill == FillStyle::OneColor ? 0 : float(level) / 8;
            EXPECT_NEAR(l.from.r, t, 2e-3);
            EXPECT_NEAR(l.from.b, 1 - t, 2e-3);
        }
        ASSERT_EQ(spanOfLevel.size(), 4u);
        for (const auto& [level, span] : spanOfLevel) {
            EXPECT_TRUE(level == 2 || level == 4 || level == 6 || level == 8) << level;
            EXPECT_NEAR(span, 16, 1e-2) << level;
        }
    }
}

TEST_F(SpecialGraphDrawingTest, ContourPlotAndViewDrawNoRingAroundAHole) {
    // Z = u except in the disc of radius 2, where it is undefined: the level
    // lines are straight lines of constant u, cut by the hole.
    const auto check = [](const std::vector<FeedbackLine>& lines, bool alongX) {
        ASSERT_FALSE(lines.empty());
        bool cut = false;
        for (const FeedbackLine& l : lines) {
            if (alongX)
                EXPECT_NEAR(l.from.y, l.to.y, 1e-3) << l.from.x << " " << l.from.y;
            else
                EXPECT_NEAR(l.from.x, l.to.x, 1e-3) << l.from.x << " " << l.from.y;
            for (const FeedbackVertex& v : {l.from, l.to}) {
                EXPECT_GT(std::hypot(v.x, v.y), 1.5) << v.x << " " << v.y;
                if (std::hypot(v.x, v.y) < 2.6) cut = true;
            }
        }
        EXPECT_TRUE(cut); // the lines through the hole stop at its rim
    };
    auto plot = Field(GraphType::Contour, "u", "v", "u+0*sqr(u*u+v*v-4)", 24, 30, -6, 6, -6, 6, 6);
    int undefined = 0;
    for (int i = 0; i <= 24; ++i)
        for (int j = 0; j <= 30; ++j) undefined += plot->Vert3D(i, j).y == UndefinedValue;
    ASSERT_GT(undefined, 10);
    check(Capture(plot).lines, false); // u is the X text: upright lines

    // The view beneath a surface, black, in the plane 3 below the surface
    // (and 0.1 above that); GL z is the function's x.
    auto surface = Surface("x+0*sqr(x*x+y*y-4)", 24, -6, 6);
    surface->ShowContour = true;
    surface->ContourLevel = 6;
    const Feedback fb = CaptureFromAbove(surface);
    const std::vector<FeedbackLine> black = fb.LinesOf(0, 0, 0);
    check(black, true);
    for (const FeedbackLine& l : black) EXPECT_NEAR(GlZ(l.from), -6 - 3 + 0.1, 1e-3);
}

// ---------------------------------------------------------------------------
// Colour maps

TEST_F(SpecialGraphDrawingTest, ColourMapIsFlatUnlitAndLeavesUndefinedCellsEmpty) {
    // A constant function: every pixel of the map has the second colour,
    // also with the light on.
    auto constant = Field(GraphType::ColorMap, "u", "v", "3", 8, 8, -8, 8, -8, 8);
    constant->SecondColor = Teal;
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    constant->Draw();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    for (float x : {-7.5f, -3.f, 0.5f, 4.f, 7.5f})
        for (float y : {-7.5f, -1.f, 2.f, 7.5f}) EXPECT_EQ(At(x, y), (Colour{0, 128, 160})) << x << " " << y;
    EXPECT_EQ(At(9, 9), (Colour{255, 255, 255}));
    glDisable(GL_LIGHT0);

    // The square root sqr(u) is undefined for u <= 0: the cells reaching
    // there (the picture left of x = 2, u being the X text) stay empty; the
    // rest runs from bluish to red across the picture.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    auto holed = Field(GraphType::ColorMap, "u", "v", "u+0*sqr(u)", 8, 8, -8, 8, -8, 8);
    holed->Draw();
    for (float y : {-7.5f, 0.5f, 7.5f}) {
        for (float x : {-7.5f, -1.f, 1.8f}) EXPECT_EQ(At(x, y), (Colour{255, 255, 255})) << x << " " << y;
        const Colour low = At(2.2f, y), high = At(7.8f, y);
        EXPECT_GT(low.b, low.r + 60);
        EXPECT_GT(high.r, 200);
        EXPECT_LT(high.b, 60);
    }
    glDisable(GL_LIGHTING);

    // Through feedback: quads in the plane z = BoxMinY (here the undefined
    // value itself, which the box takes as a height).
    const Feedback fb = Capture(holed);
    const float depth = holed->BoxFields().MinY;
    EXPECT_EQ(depth, UndefinedValue);
    ASSERT_EQ(fb.polygons.size(), 3u * 8 * 2); // two triangles a cell
    for (const auto& p : fb.polygons)
        for (const FeedbackVertex& v : p) {
            EXPECT_GE(v.x, 2 - 1e-3);
            EXPECT_NEAR(GlZ(v), depth, 1e-3);
        }
}

// ---------------------------------------------------------------------------
// All three kinds along their own axes

TEST_F(SpecialGraphDrawingTest, AnAsymmetricFunctionOnAnOblongGridLiesAlongItsOwnAxes) {
    // Z = X + 2Y with X = u over 0..6 (12 steps of 0.5) and Y = v over -2..2
    // (8 steps): the picture at (x, y) must show x + 2y, whichever kind.
    const auto value = [](double x, double y) { return x + 2 * y; }; // -4..10
    const std::int32_t kinds[] = {GraphType::ColorMap, GraphType::Contour, GraphType::VectorField};
    for (std::int32_t kind : kinds) {
        SCOPED_TRACE(kind);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        auto g = Field(kind, "u", "v", "u+2*v", 12, 8, 0, 6, -2, 2, 7);
        if (kind == GraphType::ColorMap) {
            // Blue at the lowest value, red at the highest, in between by the
            // value.
            g->Draw();
            for (float x : {0.3f, 1.7f, 3.1f, 4.6f, 5.8f})
                for (float y : {-1.8f, -0.6f, 0.4f, 1.7f}) {
                    const double t = (value(x, y) + 4) / 14;
                    const Colour c = At(x, y);
                    EXPECT_NEAR(c.r, 255 * t, 12) << x << " " << y;
                    EXPECT_NEAR(c.b, 255 * (1 - t), 12) << x << " " << y;
                }
            EXPECT_EQ(At(6.4f, 0), (Colour{255, 255, 255}));
            EXPECT_EQ(At(3, 2.4f), (Colour{255, 255, 255}));
            continue;
        }
        const Feedback fb = Capture(g);
        ASSERT_FALSE(fb.lines.empty());
        if (kind == GraphType::Contour) {
            // Every piece of a level line runs along x + 2y = level, inside
            // the picture; the seven levels step by 2 above -4 (the last one
            // just below the top corner, nudged above it).
            std::set<long> levels;
            for (const FeedbackLine& l : fb.lines) {
                EXPECT_NEAR(value(l.from.x, l.from.y), value(l.to.x, l.to.y), 2e-3);
                for (const FeedbackVertex& v : {l.from, l.to}) {
                    EXPECT_GE(v.x, -1e-3);
                    EXPECT_LE(v.x, 6 + 1e-3);
                    EXPECT_GE(v.y, -2 - 1e-3);
                    EXPECT_LE(v.y, 2 + 1e-3);
                }
                levels.insert(std::lround(value(l.from.x, l.from.y)));
            }
            EXPECT_EQ(levels, (std::set<long>{-2, 0, 2, 4, 6, 8, 10}));
            continue;
        }
        // One arrow at every interior node (u, v), rising 0.5 per step of u
        // across and 1 per step of v up.
        ASSERT_EQ(fb.lines.size(), 11u * 7);
        std::set<std::pair<long, long>> nodes;
        for (const FeedbackLine& l : fb.lines) {
            EXPECT_NEAR(l.to.x - l.from.x, 0.5, 1e-3);
            EXPECT_NEAR(l.to.y - l.from.y, 1, 1e-3);
            nodes.insert({std::lround(l.from.x * 2), std::lround(l.from.y * 2)});
        }
        std::set<std::pair<long, long>> interior;
        for (long i = 1; i < 12; ++i)
            for (long j = 1; j < 8; ++j) interior.insert({i, j - 4});
        EXPECT_EQ(nodes, interior);
    }
}

// ---------------------------------------------------------------------------
// Tangent planes, normal lines and the views of surfaces

TEST_F(SpecialGraphDrawingTest, TangentPlaneAndNormalLineAtAPoint) {
    auto g = Surface("x^2+y^2", 8, -2, 2);
    g->ShowTangent = g->ShowNormal = true;
    g->TangentNum = g->NormalNum = 2;
    g->TangentX(1) = g->NormalX(1) = 1;
    g->TangentY(1) = g->NormalY(1) = 0;
    g->TangentX(2) = g->NormalX(2) = 0;
    g->TangentY(2) = g->NormalY(2) = 0;
    const Feedback fb = Capture(g);

    const auto planes = fb.PolygonsOf(0, 0, 255);
    ASSERT_EQ(planes.size(), 4u); // two squares of two triangles
    // At (1, 0): the corners (0.5, -0.5), (0.5, 0.5), (1.5, 0.5), (1.5, -0.5)
    // at heights 0, 0, 2, 2, drawn at GL (y, height, x).
    std::set<std::vector<float>> corners;
    for (std::size_t k = 0; k < 2; ++k)
        for (const FeedbackVertex& v : planes[k])
            corners.insert({std::round(v.x * 10) / 10, std::round(v.y * 10) / 10, std::round(GlZ(v) * 10) / 10});
    EXPECT_EQ(corners, (std::set<std::vector<float>>{
                           {-0.5f, 0, 0.5f}, {0.5f, 0, 0.5f}, {0.5f, 2, 1.5f}, {-0.5f, 2, 1.5f}}));

    const auto normals = fb.LinesOf(0, 255, 0);
    ASSERT_EQ(normals.size(), 2u);
    const FeedbackLine& n = normals[0];
    EXPECT_NEAR(n.from.x, 0, 1e-3);
    EXPECT_NEAR(n.from.y, 0.5, 1e-3);
    EXPECT_NEAR(GlZ(n.from), 2, 1e-2);
    EXPECT_NEAR(n.to.x, 0, 1e-3);
    EXPECT_NEAR(n.to.y, 1.5, 1e-3);
    EXPECT_NEAR(GlZ(n.to), 0, 1e-2);
    // At the origin the normal is vertical.
    EXPECT_NEAR(normals[1].from.y, -0.5, 1e-3);
    EXPECT_NEAR(normals[1].to.y, 0.5, 1e-3);
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 1.0f); // the normals' width 2 stays inside the graph

    // sqr(x)+y (the square root of x, plus y) at (0, 0): df/dx is undefined there, so no plane and no line;
    // (1, 0) is drawn.
    auto root = Surface("sqr(x)+y", 8, 0, 2);
    root->ShowTangent = root->ShowNormal = true;
    root->TangentNum = root->NormalNum = 2;
    root->TangentX(2) = root->NormalX(2) = 1;
    const Feedback rootFb = Capture(root);
    EXPECT_EQ(rootFb.PolygonsOf(0, 0, 255).size(), 2u);
    ASSERT_EQ(rootFb.LinesOf(0, 255, 0).size(), 1u);
    // z0 = 1, fx = 0.5, fy = 1: from (1.25, 0.5, 0.5), drawn at GL (0.5, 0.5, 1.25).
    const FeedbackLine line = rootFb.LinesOf(0, 255, 0)[0];
    EXPECT_NEAR(line.from.x, 0.5, 1e-3);
    EXPECT_NEAR(line.from.y, 0.5, 1e-3);
    EXPECT_NEAR(GlZ(line.from), 1.25, 1e-2);
}

TEST_F(SpecialGraphDrawingTest, TangentPlanesAndNormalLinesTouchExplicitSurfacesAsDrawn) {
    // The explicit surfaces of the three coordinate systems, at a position in
    // the function's own variables (x, y; a, r; a, b), which here is a grid
    // point: the plane passes through the surface's point perpendicular to
    // the surface normal, the cross product of finite differences of the
    // mapped point worked out here from the function; it is the unit square
    // about the point in two axes, lifted along the third, the axis of the
    // normal's largest component (always z for a Cartesian surface). The
    // normal line runs along the normal, centred on the point, 1 long along
    // that axis. At a point where the derivatives of the mapping vanish (on
    // the axis of a cylindrical surface, at the pole of a spherical one) the
    // normal is that of the surface just beside it. On the parametric forms,
    // for which the dialog offers neither, nothing is drawn and the ticks
    // stay stored. No message.
    RecordingMessageBox box;
    using Vec = std::array<double, 3>;
    using Mapped = std::function<Vec(double s1, double s2, double t)>; // mathematical (x, y, z)
    struct Case {
        const char* name;
        std::int32_t type, coordType, funForm;
        const char *x, *y, *z;
        float min1, max1, min2, max2; // 8 x 8 cells
        float s1, s2;
        Mapped at;   // nullptr: nothing drawn
        int axis;    // the lift axis in GL: 0 x, 1 y (up), 2 z
        std::int32_t frame = 0;
        Vec normal{}; // in GL axes, where the mapping's own derivatives vanish
    };
    const Case cases[] = {
        {"Cartesian", GraphType::Surface3D, CoordType::Cartesian, FunForm::Explicit, "x", "y", "x^2/2+y", -2, 2,
         -2, 2, 1, 0.5f, [](double x, double y, double) { return Vec{x, y, x * x / 2 + y}; }, 1},
        {"Cartesian, steep: still lifted along z", GraphType::Surface3D, CoordType::Cartesian, FunForm::Explicit,
         "x", "y", "3*x", -2, 2, -2, 2, 1, 0.5f, [](double x, double y, double) { return Vec{x, y, 3 * x}; }, 1},
        {"cylindrical", GraphType::Surface3D, CoordType::Cylindrical, FunForm::Explicit, "a", "r", "r^2/4", 0, 2, 0,
         4, 1, 2, [](double a, double r, double) { return Cylindrical(a, r, r * r / 4); }, 1},
        {"cylindrical in both variables", GraphType::Surface3D, CoordType::Cylindrical, FunForm::Explicit, "a",
         "r", "a/2+r", 0, 2, 0, 4, 0.5f, 1, [](double a, double r, double) { return Cylindrical(a, r, a / 2 + r); }, 1},
        {"spherical, normal mostly up", GraphType::Surface3D, CoordType::Spherical, FunForm::Explicit, "a", "b",
         "2", 0, 2, 0, 2.4f, 0.5f, 0.6f, [](double a, double b, double) { return Spherical(a, b, 2); }, 1},
        {"spherical near the equator, towards x", GraphType::Surface3D, CoordType::Spherical, FunForm::Explicit,
         "a", "b", "2", 0, 2, 0, 2.4f, 0.25f, 1.5f, [](double a, double b, double) { return Spherical(a, b, 2); }, 2},
        {"spherical towards y", GraphType::Surface3D, CoordType::Spherical, FunForm::Explicit, "a", "b",
         "1.5+cos(b)/2", 0, 2, 0, 2.4f, 2, 1.2f,
         [](double a, double b, double) { return Spherical(a, b, 1.5 + std::cos(b) / 2); }, 0},
        {"spherical animation at its frame's t", GraphType::Surface3DAnimation, CoordType::Spherical,
         FunForm::Explicit, "a", "b", "2+t*b", 0, 2, 0, 2.4f, 0.5f, 0.6f,
         [](double a, double b, double t) { return Spherical(a, b, 2 + t * b); }, 1, 1},
        {"spherical at the pole", GraphType::Surface3D, CoordType::Spherical, FunForm::Explicit, "a", "b", "2", 0,
         2, 0, 2.4f, 1, 0, [](double a, double b, double) { return Spherical(a, b, 2); }, 1, 0, {0, 1, 0}},
        {"cylindrical on the axis", GraphType::Surface3D, CoordType::Cylindrical, FunForm::Explicit, "a", "r",
         "4-r^2/4", 0, 2, 0, 4, 1, 0, [](double a, double r, double) { return Cylindrical(a, r, 4 - r * r / 4); }, 1, 0,
         {0, 1, 0}},
        {"parametric Cartesian", GraphType::Surface3D, CoordType::Cartesian, FunForm::Parametric, "u", "v", "u*v",
         0, 2, 0, 2, 1, 1, nullptr, 0},
        {"parametric cylindrical", GraphType::Surface3D, CoordType::Cylindrical, FunForm::Parametric, "u", "2",
         "v", 0, 2, 0, 2, 1, 1, nullptr, 0},
    };
    FrameCount = 4; // t over 0..2: frame 1 at t = 0.5
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DocumentKind = 3;
        auto g = Cls9::Init(1, "", c.type, c.coordType, c.x, c.y, c.z, 8, 8, c.min1, c.max1, c.min2, c.max2,
                            FillStyle::OneColor, Red, Red, 0, 1, 0, Show::FilledSurface, Smoothness::Smooth);
        g->FunForm = c.funForm;
        g->MinT = 0;
        g->MaxT = 2;
        g->Animation = c.type == GraphType::Surface3DAnimation;
        ASSERT_TRUE(g->GetPoints());
        g->ShowTangent = g->ShowNormal = true;
        g->TangentNum = g->NormalNum = 1;
        g->TangentX(1) = g->NormalX(1) = c.s1;
        g->TangentY(1) = g->NormalY(1) = c.s2;
        const Feedback fb = CaptureFeedback(Side, 10, [&] { g->Draw(c.frame); });
        const auto surface = fb.PolygonsOf(255, 0, 0);
        EXPECT_FALSE(surface.empty());
        EXPECT_TRUE(g->ShowTangent && g->ShowNormal);
        if (!c.at) {
            EXPECT_TRUE(fb.PolygonsOf(0, 0, 255).empty());
            EXPECT_TRUE(fb.LinesOf(0, 255, 0).empty());
            continue;
        }
        // The point and the normal, in GL axes (y, z, x of the mathematical ones).
        const double t = 0.5 * c.frame;
        const auto gl = [&](double s1, double s2) { return GlAxes(c.at(s1, s2, t)); };
        const double h = 1e-5;
        const Vec p = gl(c.s1, c.s2);
        Vec d1, d2;
        for (std::size_t k = 0; k < 3; ++k) {
            d1[k] = (gl(c.s1 + h, c.s2)[k] - gl(c.s1 - h, c.s2)[k]) / (2 * h);
            d2[k] = (gl(c.s1, c.s2 + h)[k] - gl(c.s1, c.s2 - h)[k]) / (2 * h);
        }
        const Vec cross = {d1[1] * d2[2] - d1[2] * d2[1], d1[2] * d2[0] - d1[0] * d2[2],
                           d1[0] * d2[1] - d1[1] * d2[0]};
        const double len = std::hypot(cross[0], cross[1], cross[2]);
        const Vec n = c.normal != Vec{} ? c.normal : Vec{cross[0] / len, cross[1] / len, cross[2] / len};

        // The point is one of the surface's own grid points.
        double nearest = 1e9;
        for (const auto& polygon : surface)
            for (const FeedbackVertex& v : polygon) nearest = std::min(nearest, Distance(DrawingPoint(v), p));
        EXPECT_LT(nearest, 2e-3);

        // The plane: four corners in the tangent plane, each 0.5 from the point
        // along both axes but the lift axis, centred on the point.
        const std::vector<Vec> corners = DistinctCorners(fb.PolygonsOf(0, 0, 255));
        ASSERT_EQ(corners.size(), 4u);
        Vec centre{};
        for (const Vec& q : corners) {
            const Vec r = {q[0] - p[0], q[1] - p[1], q[2] - p[2]};
            EXPECT_NEAR(r[0] * n[0] + r[1] * n[1] + r[2] * n[2], 0, 2e-3);
            for (int k = 0; k < 3; ++k) {
                if (k != c.axis) {
                    EXPECT_NEAR(std::fabs(r[std::size_t(k)]), 0.5, 1e-3) << k;
                }
                centre[std::size_t(k)] += q[std::size_t(k)] / 4;
            }
        }
        EXPECT_LT(Distance(centre, p), 2e-3);

        // The line: along the normal, centred on the point, 1 along the lift axis.
        const auto lines = fb.LinesOf(0, 255, 0);
        ASSERT_EQ(lines.size(), 1u);
        const Vec from = DrawingPoint(lines[0].from), to = DrawingPoint(lines[0].to);
        const Vec dir = {to[0] - from[0], to[1] - from[1], to[2] - from[2]};
        EXPECT_LT(Distance({(from[0] + to[0]) / 2, (from[1] + to[1]) / 2, (from[2] + to[2]) / 2}, p), 2e-3);
        EXPECT_NEAR(std::fabs(dir[std::size_t(c.axis)]), 1, 1e-3);
        const double dirLen = std::hypot(dir[0], dir[1], dir[2]);
        EXPECT_NEAR(std::fabs(dir[0] * n[0] + dir[1] * n[1] + dir[2] * n[2]) / dirLen, 1, 1e-4);
    }
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(SpecialGraphDrawingTest, TangentPlaneAndNormalLineOfABallShowWhereTheyTouchIt) {
    // r = 4, seen from the front (GL z, the mathematical x): the plane at
    // a = 0, b = pi/2 covers the ball's nearest point; the line at a = pi/2
    // sticks out of its right edge (GL x 4 to 4.5; its inner half is hidden).
    DocumentKind = 3;
    auto g = Cls9::Init(1, "", GraphType::Surface3D, CoordType::Spherical, "a", "b", "4", 24, 24, 0, 6.2832f, 0,
                        3.1416f, FillStyle::OneColor, Red, Red, 0, 1, 0, Show::FilledSurface, Smoothness::Smooth);
    g->FunForm = FunForm::Explicit;
    ASSERT_TRUE(g->GetPoints());
    g->Draw();
    const Colour red{255, 0, 0}, white{255, 255, 255};
    EXPECT_EQ(At(0.3f, 0.3f), red);
    EXPECT_EQ(At(4.3f, 0), white);

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    g->ShowTangent = g->ShowNormal = true;
    g->TangentNum = g->NormalNum = 1;
    g->TangentX(1) = 0;
    g->TangentY(1) = 1.5708f;
    g->NormalX(1) = 1.5708f;
    g->NormalY(1) = 1.5708f;
    g->Draw();
    EXPECT_EQ(At(0.3f, 0.3f), (Colour{0, 0, 255}));
    EXPECT_EQ(At(-0.3f, -0.3f), (Colour{0, 0, 255}));
    EXPECT_EQ(At(0.7f, 0.7f), red); // beyond the unit square
    EXPECT_EQ(At(4.3f, 0), (Colour{0, 255, 0}));
    EXPECT_EQ(At(4.7f, 0), white);
}

TEST_F(SpecialGraphDrawingTest, ColourMapAndVectorViewsBeneathASurface) {
    // z = 2x rises by 4 per grid step along u (the function's x, GL z).
    auto g = Surface("2*x", 4, -4, 4);
    g->ShowColormap = g->ShowVector = true;
    g->FirstColor = Blue;
    const Feedback fb = CaptureFromAbove(g);

    // The colour-map view: 16 cells in the plane y = BoxMinY - 3 = -11,
    // red at the lowest height to blue at the highest.
    int view = 0;
    for (const auto& p : fb.polygons) {
        if (std::fabs(GlZ(p[0]) - -11) > 1e-3 || Feedback::HasColour(p[0], 0, 0, 0)) continue; // not the dots
        ++view;
        for (const FeedbackVertex& v : p) {
            // Screen y is -GL z = -x; the height 2x runs -8..8.
            const float t = (-v.y + 4) / 8;
            EXPECT_NEAR(v.r, 1 - t, 2e-3) << v.y;
            EXPECT_NEAR(v.b, t, 2e-3) << v.y;
        }
    }
    EXPECT_EQ(view, 16 * 2);

    // The vector view: black arrows of length 4 along GL z, at the 9 interior
    // points, in the same plane.
    const auto arrows = fb.LinesOf(0, 0, 0);
    ASSERT_EQ(arrows.size(), 9u);
    for (const FeedbackLine& l : arrows) {
        EXPECT_NEAR(l.to.x, l.from.x, 1e-3);
        EXPECT_NEAR(l.to.y - l.from.y, -4, 1e-3);
        EXPECT_NEAR(GlZ(l.from), -11, 1e-3);
    }
    EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(SpecialGraphDrawingTest, ContourViewLiesOverTheSurfacesOwnGrid) {
    // z = x over -3..3: its level lines are lines of constant x (GL z) across
    // the whole y range (GL x -3..3), each at the x of its level, 0.1 above
    // the plane of the views (BoxMinY - 3 = -6): over the same places as the
    // grid, the colour-map view and the arrows, with no shift of their own.
    auto g = Surface("x", 6, -3, 3);
    g->ShowContour = true;
    g->ContourLevel = 6;
    const Feedback fb = CaptureFromAbove(g);
    const auto lines = fb.LinesOf(0, 0, 0);
    ASSERT_FALSE(lines.empty());
    std::set<long> levels;
    float left = 1e9f, right = -1e9f;
    for (const FeedbackLine& l : lines)
        for (const FeedbackVertex& v : {l.from, l.to}) {
            const float x = -v.y; // the function's x, GL z
            EXPECT_NEAR(x, std::round(x), 1e-3);
            EXPECT_NEAR(v.y, l.from.y, 1e-3); // along GL x
            EXPECT_NEAR(GlZ(v), -5.9f, 1e-3);
            levels.insert(std::lround(x));
            left = std::min(left, v.x);
            right = std::max(right, v.x);
        }
    EXPECT_GE(levels.size(), 5u);
    EXPECT_NEAR(left, -3, 1e-3);
    EXPECT_NEAR(right, 3, 1e-3);
}

TEST_F(SpecialGraphDrawingTest, ViewsOfASurfaceAnimationShowItsStaticSamples) {
    // The frame drawn lies at x 2..6, the static samples Vert3D at x -6..-2;
    // both rise along GL z.
    DocumentKind = 3;
    auto g = std::make_shared<Cls9>();
    g->GraphType = GraphType::Surface3DAnimation;
    g->Animation = true;
    g->StepU = g->StepV = 2;
    g->FillStyle = FillStyle::OneColor;
    g->SecondColor = Red;
    g->FirstColor = Blue;
    g->Show = Show::FilledSurface;
    g->Smoothness = Smoothness::Smooth;
    g->ShowColormap = g->ShowContour = true;
    g->ContourLevel = 4;
    g->Vert3D.Create(2, 2);
    g->Anim3D.Create(2, 2, FrameCount);
    for (int i = 0; i <= 2; ++i)
        for (int j = 0; j <= 2; ++j) {
            g->Vert3D(i, j) = Cls2::Init(-6 + 2.0f * j, float(i), -2 + 2.0f * i);
            g->Anim3D(i, j, 0) = Cls2::Init(2 + 2.0f * j, float(i), -2 + 2.0f * i);
        }
    const Feedback fb = CaptureFromAbove(g);
    int frame = 0, view = 0;
    for (const auto& p : fb.polygons) {
        if (p[0].x > 1) ++frame;
        if (p[0].x < -1) ++view;
    }
    EXPECT_EQ(frame, 4 * 2);
    EXPECT_EQ(view, 4 * 2);
    const auto lines = fb.LinesOf(0, 0, 0);
    ASSERT_FALSE(lines.empty());
    for (const FeedbackLine& l : lines) {
        EXPECT_LE(l.from.x, -2 + 1e-3);
        EXPECT_GE(l.from.x, -6 - 1e-3);
    }
}

TEST_F(SpecialGraphDrawingTest, LevelCountsOfNoneOrMillionsOfLevels) {
    // Level counts 0 and -3 (which the dialog passes) draw nothing.
    for (std::int32_t levels : {0, -3}) {
        auto none = Field(GraphType::Contour, "u", "v", "u", 2, 2, 0, 1, 0, 1, levels);
        EXPECT_TRUE(Capture(none).lines.empty()) << levels;
    }
    // An absurd count draws MaxContourLevels levels, each a line across the
    // grid of two segments.
    auto g = Field(GraphType::Contour, "u", "v", "u", 2, 2, 0, 1, 0, 1, 2'000'000'000);
    const Feedback fb = Capture(g);
    EXPECT_LE(fb.lines.size(), std::size_t(MaxContourLevels + 1) * 2 * 2);
    EXPECT_GE(fb.lines.size(), std::size_t(MaxContourLevels - 1) * 2);
}

} // namespace
