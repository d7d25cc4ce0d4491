// Strips, strip animations and strip tables: the normals of sampled and
// hand-made strips, and the drawing in a real GL context read back through GL
// feedback (corner places and colours) with the GL state it leaves.
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "render/StripDrawing.h"
#include "scene/Cls8.h"

#include "tests/render/OrthoViewFixture.h"
#include "tests/render/TableGraph.h"
#include "tests/support/GlFeedback.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t Red = 255;
constexpr std::int32_t Blue = 16711680;

// A strip y = f(x) (explicit), x = f1(u), y = f2(u) (parametric) or r = f(a)
// (polar), as the strip dialog makes it: second colour red, first blue,
// filled, faceted; sampled, and its second edge made by GetBox.
std::shared_ptr<Cls9> Strip(const std::string& y, const std::string& z, float from, float to, std::int32_t steps,
                            std::int32_t form = FunForm::Explicit, std::int32_t coord = CoordType::PlaneCartesian,
                            std::int32_t type = GraphType::Strip25D) {
    std::shared_ptr<Cls9> g = Cls9::Init(1, "s", type, coord, "0", y, z, 1, steps, 0, 0, from, to,
                                         FillStyle::LeftToRight, Blue, Red, 0, 1, Material::Silky,
                                         Show::FilledSurface, Smoothness::Faceted);
    g->FunForm = form;
    EXPECT_TRUE(g->GetPoints());
    g->GetBox(0);
    return g;
}

// A strip table as its dialog's OK makes it: filled, faceted, second colour
// red, first blue, along x.
std::shared_ptr<Cls9> StripTable(const TablePoints& points) {
    auto g = TableGraph(GraphType::Table25D, points);
    g->FillStyle = FillStyle::LeftToRight;
    g->FirstColor = Blue;
    g->SecondColor = Red;
    g->Material = Material::Silky;
    g->Show = Show::FilledSurface;
    g->Smoothness = Smoothness::Faceted;
    return g;
}

// A hand-made strip: curve point j at curve(j), the second edge 3 deeper.
SurfaceGrid Edges(int steps, const std::function<GridPoint(int)>& curve) {
    SurfaceGrid e;
    Cls2 point;
    e.Fill(1, steps, [&](std::int64_t r, std::int64_t j) {
        const GridPoint p = curve(int(j));
        point = Cls2::Init(p.x, p.y, p.z + 3.0f * float(r));
        return &point;
    });
    return e;
}

SurfaceNormals Normals(const SurfaceGrid& e) {
    SurfaceNormals n;
    ComputeStripNormals(e, n);
    return n;
}

SurfaceGrid EdgesOf(Cls9& g) {
    SurfaceGrid e;
    EXPECT_TRUE(ChooseStripEdges(g, 0, e));
    return e;
}

GridPoint Unit(GridPoint v) {
    const float len = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / len, v.y / len, v.z / len};
}
GridPoint Plus(GridPoint a, GridPoint b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

void ExpectNear(const GridPoint& actual, const GridPoint& expected, const std::string& what) {
    EXPECT_NEAR(actual.x, expected.x, 1e-5) << what;
    EXPECT_NEAR(actual.y, expected.y, 1e-5) << what;
    EXPECT_NEAR(actual.z, expected.z, 1e-5) << what;
}
bool Differ(const GridPoint& a, const GridPoint& b) {
    return std::fabs(a.x - b.x) + std::fabs(a.y - b.y) + std::fabs(a.z - b.z) > 1e-3f;
}

TEST(StripNormals, TableOfStrips) {
    ProgramStateGuard state;
    // Horizontal strips: the diagonals' cross product is (0, 6 dx, 0).
    for (const auto& [x, expected] :
         {std::pair{std::string("u"), GridPoint{0, 1, 0}}, std::pair{std::string("-u"), GridPoint{0, -1, 0}}}) {
        SCOPED_TRACE(x);
        auto g = Strip(x, "2", -3, 3, 6, FunForm::Parametric);
        const SurfaceGrid e = EdgesOf(*g);
        const SurfaceNormals n = Normals(e);
        for (int j = 0; j <= 6; ++j) {
            if (j < 6) ExpectNear(n.F(0, j), expected, "face " + std::to_string(j));
            ExpectNear(n.V(0, j), expected, "row 0, " + std::to_string(j));
            ExpectNear(n.V(1, j), expected, "row 1, " + std::to_string(j));
        }
    }

    // y = x^2 on -2..2 is open: its ends keep their own quads' normals, the
    // inner points the sum of the two quads beside them.
    {
        auto g = Strip("x", "x^2", -2, 2, 4);
        const SurfaceGrid e = EdgesOf(*g);
        const SurfaceNormals n = Normals(e);
        for (int r = 0; r <= 1; ++r) {
            ExpectNear(n.V(r, 0), n.F(0, 0), "first end");
            ExpectNear(n.V(r, 4), n.F(0, 3), "last end");
            for (int j = 1; j < 4; ++j) ExpectNear(n.V(r, j), Unit(Plus(n.F(0, j), n.F(0, j - 1))), "inner");
        }
        EXPECT_TRUE(Differ(n.F(0, 0), n.F(0, 3)));
    }

    // r = 1 over a whole turn comes back onto its first point: closed, both
    // ends get the sum of the first and last quads.
    {
        auto g = Strip("a", "1", 0, float(2 * M_PI), 12, FunForm::Explicit, CoordType::Polar);
        const SurfaceGrid e = EdgesOf(*g);
        const SurfaceNormals n = Normals(e);
        const GridPoint seam = Unit(Plus(n.F(0, 0), n.F(0, 11)));
        EXPECT_TRUE(Differ(seam, n.F(0, 0)));
        for (int r = 0; r <= 1; ++r) {
            ExpectNear(n.V(r, 0), seam, "first end");
            ExpectNear(n.V(r, 12), seam, "last end");
        }
    }

    // A square path whose last point misses its first by dx: within 0.001
    // closed, exactly 0.001 (as a Single) open.
    const auto square = [](float dx) {
        return [dx](int j) {
            const GridPoint corners[5] = {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}, {dx, 0, 0}};
            return corners[j];
        };
    };
    {
        const SurfaceNormals closed = Normals(Edges(4, square(0.0009f)));
        ExpectNear(closed.V(0, 0), Unit(Plus(closed.F(0, 0), closed.F(0, 3))), "0.0009 closed");
        ExpectNear(closed.V(1, 4), closed.V(0, 0), "0.0009 closed, other end");
        const SurfaceNormals open = Normals(Edges(4, square(0.001f)));
        ExpectNear(open.V(0, 0), open.F(0, 0), "0.001 open");
        ExpectNear(open.V(1, 4), open.F(0, 3), "0.001 open, other end");
    }

    // StepV 1: one quad, every point takes its normal.
    {
        auto g = Strip("x", "x/2", 1, 3, 1);
        const SurfaceNormals n = Normals(EdgesOf(*g));
        ExpectNear(n.F(0, 0), Unit({-0.5f, 1, 0}), "face");
        for (int r = 0; r <= 1; ++r)
            for (int j = 0; j <= 1; ++j) ExpectNear(n.V(r, j), n.F(0, 0), "vertex");
    }
}

TEST(StripNormals, UndefinedSampleTiltsNoNeighbour) {
    ProgramStateGuard state;
    // 1/x at x = 0 is undefined: quads 2 and 3 touch it.
    auto g = Strip("x", "1/x", -3, 3, 6);
    ASSERT_EQ(g->Vert3D(0, 3).y, UndefinedValue);
    const SurfaceNormals n = Normals(EdgesOf(*g));
    ExpectNear(n.F(0, 2), {0, 0, 0}, "face 2");
    ExpectNear(n.F(0, 3), {0, 0, 0}, "face 3");
    for (int r = 0; r <= 1; ++r) {
        // The edges shared with the empty quads take the neighbour's own normal.
        ExpectNear(n.V(r, 2), n.F(0, 1), "shared edge at x = -1");
        ExpectNear(n.V(r, 4), n.F(0, 4), "shared edge at x = 1");
        ExpectNear(n.V(r, 3), {0, 0, 0}, "the undefined point");
    }
    EXPECT_GT(std::fabs(n.F(0, 1).x), 0.1f); // a tilted face, not a trivial one
}

// Corner of a strip drawn: drawing coordinates and colour.
struct Corner {
    double x, y, z;
    float r, g, b;
};

class StripDrawingTest : public OrthoViewFixture {
protected:
    void SetUp() override {
        OrthoViewFixture::SetUp();
        DocumentKind = 2;
    }

    // The strip's polygons as drawn, seen from above (turned -90 degrees
    // about x so the band is not edge-on): each vertex back in drawing
    // coordinates.
    static std::vector<std::vector<Corner>> Polygons(Cls9& g, std::int32_t frame = 0) {
        const Feedback f = CaptureFeedback(Side, 10, [&] {
            glRotated(90, 1, 0, 0);
            g.Draw(frame);
        });
        std::vector<std::vector<Corner>> out;
        for (const auto& p : f.polygons) {
            std::vector<Corner> q;
            for (const FeedbackVertex& v : p) q.push_back({v.x, DrawingZ(v.z), -v.y, v.r, v.g, v.b});
            out.push_back(q);
        }
        return out;
    }
    static std::vector<Corner> Corners(Cls9& g, std::int32_t frame = 0) {
        std::vector<Corner> all;
        for (const auto& p : Polygons(g, frame)) all.insert(all.end(), p.begin(), p.end());
        return all;
    }
};

TEST_F(StripDrawingTest, FillStylesColourTheCornersAcrossTheBox) {
    // y = x^2 on -2..2: the box is x -2..2, y 0..4, z 0..3.
    auto g = Strip("x", "x^2", -2, 2, 4);
    struct Case {
        std::int32_t style;
        std::function<double(const Corner&)> fraction; // 0 at the second colour (red), 1 at the first (blue)
    };
    const Case cases[] = {
        {FillStyle::LeftToRight, [](const Corner& c) { return (c.x + 2) / 4; }},
        {FillStyle::FrontToBack, [](const Corner& c) { return c.z / 3; }}, // across the band
        {FillStyle::TopToBottom, [](const Corner& c) { return c.y / 4; }},
        {FillStyle::OneColor, [](const Corner&) { return 0.0; }},
        {0, [](const Corner&) { return 0.0; }}, // no dialog stores these: single colour
        {7, [](const Corner&) { return 0.0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        g->FillStyle = c.style;
        const std::vector<Corner> corners = Corners(*g);
        ASSERT_GE(corners.size(), 4u * 3);
        bool low = false, high = false, mean = false;
        for (const Corner& v : corners) {
            const double f = c.fraction(v);
            EXPECT_NEAR(v.r, 1 - f, 1e-4) << v.x << " " << v.y << " " << v.z;
            EXPECT_NEAR(v.g, 0, 1e-6);
            EXPECT_NEAR(v.b, f, 1e-4) << v.x << " " << v.y << " " << v.z;
            low = low || (v.r == 1.0f && v.b == 0.0f);
            high = high || (v.r == 0.0f && v.b == 1.0f);
            mean = mean || (std::fabs(v.r - 0.5f) < 1e-6f && std::fabs(v.b - 0.5f) < 1e-6f);
        }
        const bool gradient = c.style >= FillStyle::LeftToRight && c.style <= FillStyle::TopToBottom;
        EXPECT_TRUE(low);
        EXPECT_EQ(high, gradient);
        // x = 0 in the middle of -2..2; z = 1.5 and y = 2 are no corner's.
        EXPECT_EQ(mean, c.style == FillStyle::LeftToRight);
    }
    // Along x: the corners at x = -2 red, at x = 2 blue, at x = 0 the mean.
    g->FillStyle = FillStyle::LeftToRight;
    for (const Corner& v : Corners(*g)) {
        if (std::fabs(v.x + 2) < 1e-4) {
            EXPECT_EQ(v.r, 1.0f);
        }
        if (std::fabs(v.x - 2) < 1e-4) {
            EXPECT_EQ(v.b, 1.0f);
        }
        if (std::fabs(v.x) < 1e-4) {
            EXPECT_NEAR(v.r, 0.5f, 1e-6);
        }
    }

    // A horizontal strip has no height: its zero range counts as 1e-9, and
    // every corner takes the second colour.
    auto flat = Strip("x", "2", -2, 2, 4);
    flat->FillStyle = FillStyle::TopToBottom;
    for (const Corner& v : Corners(*flat)) {
        EXPECT_EQ(v.r, 1.0f);
        EXPECT_EQ(v.b, 0.0f);
    }
}

TEST_F(StripDrawingTest, QuadsJoinTheCurveAndItsCopyThreeDeeper) {
    auto g = Strip("x", "x^2", -2, 2, 4);
    const auto polygons = Polygons(*g);
    // Quads may come out as two triangles each; either way they cover the
    // band: every corner is a sample, on the curve (z 0) or 3 deeper.
    std::size_t corners = 0;
    for (const auto& p : polygons) corners += p.size();
    EXPECT_TRUE(polygons.size() == 4 || polygons.size() == 8) << polygons.size();
    EXPECT_EQ(corners, polygons.size() == 4 ? 16u : 24u);
    for (const auto& p : polygons)
        for (const Corner& v : p) {
            EXPECT_NEAR(v.x, std::round(v.x), 1e-4);
            EXPECT_NEAR(v.y, v.x * v.x, 2e-3);
            EXPECT_TRUE(std::fabs(v.z) < 1e-3 || std::fabs(v.z - 3) < 1e-3) << v.z;
        }

    // No vertex for a Smoothness outside 1..3.
    for (std::int32_t s : {0, 4}) {
        g->Smoothness = s;
        EXPECT_TRUE(Polygons(*g).empty()) << s;
    }
}

TEST_F(StripDrawingTest, UndefinedSampleLeavesItsQuadsEmpty) {
    auto g = Strip("x", "1/x", -3, 3, 6);
    const std::vector<Corner> corners = Corners(*g);
    ASSERT_FALSE(corners.empty());
    bool minusOne = false, plusOne = false;
    for (const Corner& v : corners) {
        EXPECT_GT(std::fabs(v.x), 0.5) << "a corner at the undefined sample";
        minusOne = minusOne || std::fabs(v.x + 1) < 1e-4;
        plusOne = plusOne || std::fabs(v.x - 1) < 1e-4;
    }
    // The neighbours are drawn: 4 of the 6 quads.
    EXPECT_TRUE(minusOne && plusOne);
    EXPECT_EQ(corners.size(), Polygons(*g).size() == 4 ? 16u : 24u);
}

TEST_F(StripDrawingTest, LightFallsOnTheFaceNormals) {
    // White light straight down from +y, nothing else lit: a face lit by its
    // normal's y component alone. The view turned -90 degrees about x puts
    // drawing +y on the eye's +z, where the light is placed.
    const GLfloat zero[4] = {0, 0, 0, 1}, white[4] = {1, 1, 1, 1}, above[4] = {0, 0, 1, 0};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, zero);
    glLightfv(GL_LIGHT0, GL_AMBIENT, zero);
    glLightfv(GL_LIGHT0, GL_SPECULAR, zero);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    // GL_POSITION is taken through the modelview matrix in force: identity.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_POSITION, above);

    for (std::int32_t smoothness : {Smoothness::Faceted, Smoothness::Smooth}) {
        SCOPED_TRACE(smoothness);
        // x rising: the normal points up and the strip is lit in its colour;
        // x falling: it points down, away from the light.
        for (const auto& [x, lit] : {std::pair{std::string("u"), true}, std::pair{std::string("-u"), false}}) {
            auto g = Strip(x, "2", -3, 3, 6, FunForm::Parametric);
            g->FillStyle = FillStyle::OneColor;
            g->Material = 0;
            g->Smoothness = smoothness;
            const std::vector<Corner> corners = Corners(*g);
            ASSERT_FALSE(corners.empty());
            for (const Corner& v : corners) {
                EXPECT_NEAR(v.r, lit ? 1.0 : 0.0, 0.02) << x;
                EXPECT_NEAR(v.b, 0.0, 0.02) << x;
            }
        }
    }
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
}

TEST_F(StripDrawingTest, EndsWithFilledPolygonsAndSmoothShading) {
    auto g = Strip("x", "sin(x)", -3, 3, 12);
    struct Case {
        std::int32_t show;
        std::int32_t smoothness;
        GLenum token; // what the feedback holds
    };
    for (const Case& c : {Case{Show::Wireframe, Smoothness::Faceted, GL_LINE_TOKEN},
                          Case{Show::Vertices, Smoothness::Smoother, GL_POINT_TOKEN},
                          Case{Show::FilledSurface, Smoothness::Faceted, GL_POLYGON_TOKEN}}) {
        SCOPED_TRACE(c.show);
        g->Show = c.show;
        g->Smoothness = c.smoothness;
        glLineWidth(7);
        glEnable(GL_TEXTURE_2D);
        const Feedback f = CaptureFeedback(Side, 10, [&] {
            glRotated(90, 1, 0, 0);
            g->Draw();
        });
        if (c.token == GL_LINE_TOKEN) {
            EXPECT_FALSE(f.lines.empty());
            EXPECT_TRUE(f.polygons.empty());
        } else if (c.token == GL_POLYGON_TOKEN) {
            EXPECT_FALSE(f.polygons.empty());
        } else {
            EXPECT_TRUE(f.lines.empty());
            EXPECT_TRUE(f.polygons.empty());
        }
        GLint mode[2] = {0, 0}, shade = 0;
        GLfloat width = 0;
        glGetIntegerv(GL_POLYGON_MODE, mode);
        glGetIntegerv(GL_SHADE_MODEL, &shade);
        glGetFloatv(GL_LINE_WIDTH, &width);
        EXPECT_EQ(mode[0], GL_FILL);
        EXPECT_EQ(mode[1], GL_FILL);
        EXPECT_EQ(shade, GL_SMOOTH);
        EXPECT_EQ(width, 1.0f); // outlines were drawn at width 1
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_FALSE(glIsEnabled(GL_LIGHTING)); // left as it was
    }
}

TEST_F(StripDrawingTest, StripTableIsDrawnFromTheTableItself) {
    auto g = StripTable({{-4, 1}, {-1, 3}, {2, 2}, {5, -1}});
    g->Draw();
    // GetBox made the second edge in the table; nothing went to Vert3D.
    EXPECT_EQ(g->VertTab3D(1, 2).z, 3.0f);
    EXPECT_EQ(g->VertTab3D(1, 2).x, 2.0f);
    EXPECT_FALSE(g->Vert3D.Exists());

    const auto xs = [&] {
        std::vector<double> out;
        for (const Corner& v : Corners(*g)) out.push_back(v.x);
        return out;
    };
    std::vector<double> seen = xs();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(*std::min_element(seen.begin(), seen.end()), -4);
    EXPECT_EQ(*std::max_element(seen.begin(), seen.end()), 5);
    // An edit of the table shows at the next drawing.
    g->VertTab3D(0, 3) = Cls2::Init(7, -1, 0);
    seen = xs();
    EXPECT_EQ(*std::max_element(seen.begin(), seen.end()), 7);

    // A table beyond its 201 points draws nothing, and raises nothing.
    g->StepV = 250;
    EXPECT_TRUE(Polygons(*g).empty());
}

TEST_F(StripDrawingTest, AnimationDrawsEachFrameWithItsOwnBox) {
    FrameCount = 2;
    // y = t x on -2..2, t = 1, 2, 3 in frames 0, 1, 2.
    std::shared_ptr<Cls9> g = Cls9::Init(1, "a", GraphType::Strip25DAnimation, CoordType::PlaneCartesian, "0", "x",
                                         "t*x", 1, 4, 0, 0, -2, 2, FillStyle::TopToBottom, Blue, Red, 0, 1,
                                         Material::Silky, Show::FilledSurface, Smoothness::Faceted);
    g->FunForm = FunForm::Explicit;
    g->Animation = true;
    g->MinT = 1;
    g->MaxT = 3;
    ASSERT_TRUE(g->GetPoints());
    for (std::int32_t frame : {0, 2}) {
        SCOPED_TRACE(frame);
        const double t = 1 + frame;
        const std::vector<Corner> corners = Corners(*g, frame);
        ASSERT_FALSE(corners.empty());
        for (const Corner& v : corners) {
            EXPECT_NEAR(v.y, t * v.x, 2e-3);
            // The gradient spans this frame's heights, -2t..2t.
            EXPECT_NEAR(v.b, (v.y + 2 * t) / (4 * t), 1e-3);
        }
    }
}

} // namespace
