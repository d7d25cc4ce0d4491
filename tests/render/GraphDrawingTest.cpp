// The entry of a graph's drawing and the point kinds, drawn in a real GL
// context into a framebuffer object and read back.
#include "core/Errors.h"
#include "core/Globals.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "render/GraphDrawing.h"
#include "scene/Cls8.h"

#include "tests/render/OrthoViewFixture.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr Colour White{255, 255, 255};
constexpr Colour Red{255, 0, 0};
constexpr Colour Blue{0, 0, 255};

class GraphDrawingTest : public OrthoViewFixture {
protected:
    static std::shared_ptr<Cls9> PointGraph(std::int32_t type, std::int32_t colour) {
        std::shared_ptr<Cls9> g = Cls9::Init(1, "P", type, CoordType::Cartesian, "x", "y", "z", 1, 1, 0, 0, 0,
                                             0, FillStyle::OneColor, 0, 0, 0, 1, 0, Show::FilledSurface,
                                             Smoothness::Smooth);
        g->PointColor = colour;
        g->PointSize = 10; // radius 0.55 units
        g->Animation = type == GraphType::PointAnimation;
        return g;
    }
    static std::shared_ptr<Cls9> Point(float x, float y, float z, std::int32_t colour = 255) {
        auto g = PointGraph(GraphType::Point, colour);
        g->Vert3D.Create(0, 0);
        g->Vert3D(0, 0) = Cls2::Init(x, y, z);
        return g;
    }
    static std::shared_ptr<Cls9> Animated(const std::vector<Cls2>& frames, std::int32_t colour = 255) {
        auto g = PointGraph(GraphType::PointAnimation, colour);
        g->Anim1D.Create(frames.size() - 1);
        for (std::size_t f = 0; f < frames.size(); ++f) g->Anim1D(f) = frames[f];
        return g;
    }
};

TEST_F(GraphDrawingTest, PointsAndAnimationFramesAppearAtTheirPlaces) {
    const std::vector<Cls2> frames{Cls2::Init(-3, -3, 0), Cls2::Init(1, 2.5f, 0), Cls2::Init(3, -1, 0)};
    struct Case {
        const char* name;
        std::int32_t kind;
        std::shared_ptr<Cls9> graph;
        std::int32_t frame;
        float x, y;                 // where the marker must be
        std::vector<float> emptyAt; // places (x, y pairs) that stay white
    };
    const Case cases[] = {
        // Plane documents divide by the drawing unit.
        {"plane point", 1, Point(2, 4, 0), 0, 4, 8, {2, 4}},
        {"plane animation frame 1", 1, Animated(frames), 1, 2, 5, {-6, -6, 6, -2, 1, 2.5f}},
        // Space and special-graph documents draw the point where it is.
        {"space point", 3, Point(2, 4, -1), 0, 2, 4, {4, 8}},
        {"space animation frame 2", 3, Animated(frames), 2, 3, -1, {-3, -3, 1, 2.5f}},
        {"special point", 7, Point(-5, 1, 0), 0, -5, 1, {-10 + 0.2f, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glDisable(GL_LIGHTING); // a plane point turns it on when it ends
        DocumentKind = c.kind;
        Scale2D = 0.5f;
        c.graph->Draw(c.frame);
        EXPECT_EQ(At(c.x, c.y), Red);
        for (std::size_t i = 0; i + 1 < c.emptyAt.size(); i += 2) EXPECT_EQ(At(c.emptyAt[i], c.emptyAt[i + 1]), White);
    }
}

TEST_F(GraphDrawingTest, MarkerShapeLightingAndStateByDocumentKind) {
    // Hollow in a plane document: a white disc with a red rim.
    DocumentKind = 1;
    Scale2D = 1;
    auto hollow = Point(0, 0, 0);
    hollow->PointSize = 40; // rim radius 1.65 units
    hollow->PointHollow = true;
    hollow->Draw();
    EXPECT_EQ(At(0, 0), White);
    bool rim = false;
    for (float x = 1.4f; x < 1.9f; x += 0.05f) rim = rim || At(x, 0).r > At(x, 0).b + 100;
    EXPECT_TRUE(rim);
    // The same point is a filled sphere elsewhere.
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    glDisable(GL_LIGHTING);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DocumentKind = 3;
    hollow->Draw();
    EXPECT_EQ(At(0, 0), Red);

    // Lighting on with no light: a space document keeps it (a dark sphere), a
    // special-graph document draws unlit and leaves lighting on afterwards.
    glEnable(GL_LIGHTING);
    for (std::int32_t kind : {3, 7}) {
        SCOPED_TRACE(kind);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        DocumentKind = kind;
        Point(0, 0, 0)->Draw();
        const Colour c = At(0, 0);
        if (kind == 3) {
            EXPECT_NE(c, White);
            EXPECT_LT(c.r, 200);
        } else {
            EXPECT_EQ(c, Red);
        }
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    }

    // A plane document turns lighting back on and smoothing and blending off,
    // also when the point is undefined and nothing is drawn.
    for (float undefinedX : {0.0f, UndefinedValue}) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glDisable(GL_LIGHTING);
        glEnable(GL_BLEND);
        DocumentKind = 1;
        Point(undefinedX, 1, 0)->Draw();
        EXPECT_EQ(At(undefinedX, 1), undefinedX == 0 ? Red : White);
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
    }
    // A frame whose point is undefined shows nothing; the others still show theirs.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    auto anim = Animated({Cls2::Init(2, 2, UndefinedValue), Cls2::Init(-2, -2, 0)});
    anim->Draw(0);
    EXPECT_EQ(At(2, 2), White);
    anim->Draw(1);
    EXPECT_EQ(At(-2, -2), Red);
}

TEST_F(GraphDrawingTest, CommonSetUpRunsForEveryKind) {
    RecordingResultPane pane;
    DocumentKind = 3;
    // A kind without a branch: pane emptied, colour material and material set, nothing drawn.
    for (std::int32_t material : {5, 0, 4}) {
        SCOPED_TRACE(material);
        pane.SetText("old line\r\n");
        glDisable(GL_COLOR_MATERIAL);
        auto g = Point(0, 0, 0);
        g->GraphType = 17;
        g->Material = material;
        g->Draw();
        EXPECT_EQ(pane.Text(), "");
        EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
        GLint mode = 0;
        glGetIntegerv(GL_COLOR_MATERIAL_PARAMETER, &mode);
        EXPECT_EQ(mode, material == 5 ? GL_EMISSION : GL_DIFFUSE);
        GLint face = 0;
        glGetIntegerv(GL_COLOR_MATERIAL_FACE, &face);
        EXPECT_EQ(face, GL_FRONT_AND_BACK);
        if (material == 5) {
            GLfloat shininess[2] = {0, 0};
            glGetMaterialfv(GL_BACK, GL_SHININESS, shininess);
            EXPECT_FLOAT_EQ(shininess[0], 6.5306112f); // the Neon preset
        }
        EXPECT_EQ(At(0, 0), White);
    }

    // Surfaces of revolution are drawn with 40 angle steps.
    auto rev = Point(0, 0, 0);
    rev->GraphType = GraphType::RevolutionY;
    rev->StepU = 7;
    rev->Draw();
    EXPECT_EQ(rev->StepU, 40);

    // A surface with a view: its box reaches 3 below it; the drawing restores the minimum.
    auto surface = Point(0, 0, 0);
    surface->GraphType = GraphType::Surface3D;
    surface->ShowContour = true;
    surface->Vert3D.Create(1, 1);
    for (int i = 0; i <= 1; ++i)
        for (int j = 0; j <= 1; ++j) surface->Vert3D(i, j) = Cls2::Init(float(i), 1.0f + float(j), float(j));
    EXPECT_FLOAT_EQ(surface->GetBox().MinY, -2.0f);
    surface->Draw();
    EXPECT_FLOAT_EQ(surface->BoxFields().MinY, 1.0f);

    // The box of an animated graph is the box of the frame drawn.
    auto anim = Animated({Cls2::Init(1, 1, 1), Cls2::Init(-4, 5, 6)});
    anim->Draw(1);
    const Cls1 b = anim->BoxFields();
    EXPECT_FLOAT_EQ(b.MinX, -4);
    EXPECT_FLOAT_EQ(b.MaxY, 5);
    EXPECT_FLOAT_EQ(b.MaxZ, 6);

    // A point graph that was never sampled is left out like an undefined one
    // after the set-up; nothing is raised.
    pane.SetText("old line\r\n");
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DocumentKind = 1;
    auto unsampled = PointGraph(GraphType::Point, 255);
    EXPECT_NO_THROW(unsampled->Draw());
    EXPECT_EQ(pane.Text(), "");
    EXPECT_EQ(At(0, 0), White);
    EXPECT_NO_THROW(PointGraph(GraphType::PointAnimation, 255)->Draw(3));
}

TEST_F(GraphDrawingTest, SceneDrawsAnimatedGraphsAtTheFrameAndTheOthersAsTheyAre) {
    DocumentKind = 3;
    const std::vector<Cls2> frames{Cls2::Init(-5, -5, 0), Cls2::Init(5, 5, 0), Cls2::Init(5, -5, 0)};
    Cls8 scene;
    auto stillAnim = Animated(frames, 16711680); // blue, not animated: always frame 0
    stillAnim->ID = 2;
    stillAnim->Animation = false;
    auto anim = Animated(frames);                 // red
    anim->ID = 3;
    auto point = Point(0, 0, 0);
    point->ID = 4;
    scene.FunSurfs.Add(stillAnim, GraphKey(*stillAnim));
    scene.FunSurfs.Add(anim, GraphKey(*anim));
    scene.FunSurfs.Add(point, GraphKey(*point));
    scene.Draw(2);
    EXPECT_EQ(At(-5, -5), Blue);
    EXPECT_EQ(At(5, -5), Red);
    EXPECT_EQ(At(5, 5), White);
    EXPECT_EQ(At(0, 0), Red);
}

TEST(ColorToRGB, SplitsTheColourLong) {
    const ColorTriple t = ColorToRGB(64 + 256 * 128 + 65536 * 255);
    EXPECT_DOUBLE_EQ(t.red, 64 / 255.0);
    EXPECT_DOUBLE_EQ(t.green, 128 / 255.0);
    EXPECT_DOUBLE_EQ(t.blue, 1.0);
    double r = 1, g = 1, b = 1;
    ColorToRGB(0, r, g, b);
    EXPECT_EQ(r + g + b, 0.0);
    ColorToRGB(16777215, r, g, b);
    EXPECT_EQ(r + g + b, 3.0);
    // A system-colour code: its system colour, never negative parts.
    const ColorTriple title = ColorToRGB(static_cast<std::int32_t>(0x80000002u));
    EXPECT_EQ(title.red + title.green, 0.0);
    EXPECT_DOUBLE_EQ(title.blue, 128 / 255.0);
    ColorToRGB(static_cast<std::int32_t>(0x80000006u), r, g, b);
    EXPECT_EQ(r + g + b, 0.0);
}

} // namespace
