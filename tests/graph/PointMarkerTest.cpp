// Point markers drawn in a real GL context: pixels read back from a
// framebuffer object, geometry through GL feedback.
#include "core/Globals.h"
#include "graph/Cls2.h"
#include "graph/GraphEnums.h"

#include "tests/support/GlTestContext.h"
#include "tests/support/ProgramState.h"

#include <QImage>
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr int Side = 200;

class MarkerGl : public ProgramStateTest {
protected:
    void SetUp() override {
        gl_ = std::make_unique<GlTestContext>(Side);
        ASSERT_TRUE(gl_->Ok());
        glDisable(GL_LIGHTING);
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    void TearDown() override { gl_.reset(); }

    // Shows the square cx-h..cx+h by cy-h..cy+h over the whole framebuffer.
    static void View(double cx, double cy, double h) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(cx - h, cx + h, cy - h, cy + h, -10, 10);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    struct Rgb {
        int r, g, b;
    };
    static Rgb Pixel(int px, int py) {
        unsigned char c[4] = {0, 0, 0, 0};
        glReadPixels(px, py, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, c);
        return {c[0], c[1], c[2]};
    }

    // Vertices of the primitives drawn by `draw`, in window coordinates, one
    // vector per primitive, with the view -1..1 on both axes.
    struct Primitive {
        GLfloat token;
        std::vector<std::array<float, 3>> vertices;
    };
    static std::vector<Primitive> Feedback(const Cls2& p) {
        View(0, 0, 1);
        std::vector<GLfloat> buffer(20000);
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
        glRenderMode(GL_FEEDBACK);
        p.Draw();
        const GLint n = glRenderMode(GL_RENDER);
        std::vector<Primitive> result;
        for (GLint i = 0; i < n;) {
            const GLfloat token = buffer[i++];
            int count = 0;
            if (token == GL_POLYGON_TOKEN) count = static_cast<int>(buffer[i++]);
            else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) count = 2;
            else if (token == GL_POINT_TOKEN) count = 1;
            else if (token == GL_PASS_THROUGH_TOKEN) { ++i; continue; }
            Primitive prim{token, {}};
            for (int k = 0; k < count; ++k, i += 3) prim.vertices.push_back({buffer[i], buffer[i + 1], buffer[i + 2]});
            result.push_back(prim);
        }
        return result;
    }
    // Window coordinate of the drawing coordinate c under the -1..1 view.
    static float Win(double c) { return static_cast<float>((c + 1) * Side / 2); }

    std::unique_ptr<GlTestContext> gl_;
};

} // namespace

TEST_F(MarkerGl, FilledCircleInAPlaneDocumentColoursItsDisc) {
    DocumentKind = 1;
    View(2, 3, 0.2); // 500 pixels per unit: radius 0.1 is 50 pixels
    Cls2 p = Cls2::Init(2, 3, 0);
    p.Size = 1;
    p.Symbol = Symbol::FilledCircle;
    p.Color = 255;
    p.Draw();
    for (const auto& [dx, dy] : {std::pair{0, 0}, {30, 0}, {-30, 0}, {0, 40}, {20, -30}}) {
        const Rgb c = Pixel(Side / 2 + dx, Side / 2 + dy);
        EXPECT_EQ(c.r, 255) << dx << "," << dy;
        EXPECT_EQ(c.g, 0) << dx << "," << dy;
        EXPECT_EQ(c.b, 0) << dx << "," << dy;
    }
    for (const auto& [dx, dy] : {std::pair{56, 0}, {0, -56}, {45, 45}}) {
        const Rgb c = Pixel(Side / 2 + dx, Side / 2 + dy);
        EXPECT_EQ(c.g, 255) << "outside the rim " << dx << "," << dy;
    }
}

TEST_F(MarkerGl, HollowCircleIsAWhiteDiscWithAnOutline) {
    DocumentKind = 1;
    View(0, 0, 0.2);
    Cls2 p;
    p.Size = 1; // radius 0.09: 45 pixels
    p.Symbol = Symbol::HollowCircle;
    p.Color = 65536 * 255;
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    p.Draw();
    const Rgb centre = Pixel(Side / 2, Side / 2);
    EXPECT_EQ(centre.r, 255);
    EXPECT_EQ(centre.g, 255);
    EXPECT_EQ(centre.b, 255);
    bool outline = false;
    for (int dx = 40; dx <= 50; ++dx) {
        const Rgb c = Pixel(Side / 2 + dx, Side / 2);
        outline = outline || (c.r == 0 && c.g == 0 && c.b == 255);
    }
    EXPECT_TRUE(outline);
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 1.0f);
}

TEST_F(MarkerGl, SphereInASpaceDocument) {
    for (std::int32_t kind : {0, 2, 3, 7}) {
        DocumentKind = kind;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        View(2, 3, 0.2);
        Cls2 p = Cls2::Init(2, 3, 0.5f);
        p.Size = 1; // radius 0.1: 50 pixels
        p.Color = 256 * 128;
        p.Symbol = 0; // ignored outside plane documents
        p.Draw();
        const Rgb c = Pixel(Side / 2, Side / 2);
        EXPECT_EQ(c.r, 0) << kind;
        EXPECT_EQ(c.g, 128) << kind;
        EXPECT_EQ(c.b, 0) << kind;
        EXPECT_EQ(Pixel(Side / 2 + 45, Side / 2).g, 128) << kind;
        EXPECT_EQ(Pixel(Side / 2 + 56, Side / 2).r, 255) << kind;
    }
}

TEST_F(MarkerGl, PreparedSphereListDrawsTheSamePixelsAsTheSphereBuiltEachTime) {
    DocumentKind = 3;
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_DEPTH_TEST);
    const auto draw = [] {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        View(0, 0, 0.5);
        for (int k = 0; k < 9; ++k) {
            Cls2 p = Cls2::Init(-0.3f + 0.3f * static_cast<float>(k % 3), -0.3f + 0.3f * static_cast<float>(k / 3), 0);
            p.Size = k == 4 ? 2.0f : 0.5f;
            p.Color = 255 + 256 * 40 * k;
            p.Draw();
        }
        glFinish();
    };
    draw();
    const QImage built = gl_->Image();
    Cls2::PrepareSphere(0.5f);
    Cls2::PrepareSphere(0.5f);
    Cls2::PrepareSphere(2.0f);
    EXPECT_EQ(Cls2::SphereListCount(), 2u);
    draw();
    const QImage listed = gl_->Image();
    EXPECT_TRUE(built == listed);
    EXPECT_NE(built.pixel(Side / 2, Side / 2), qRgb(255, 255, 255));
    Cls2::ReleaseSpheres();
    EXPECT_EQ(Cls2::SphereListCount(), 0u);
    glDisable(GL_LIGHTING);
}

TEST_F(MarkerGl, MarkerGeometryThroughFeedback) {
    DocumentKind = 1;
    {
        // A new point has no marker shape: nothing is drawn.
        EXPECT_TRUE(Feedback(Cls2{}).empty());
    }
    {
        Cls2 p;
        p.Size = 2;
        p.Symbol = Symbol::FilledTriangle; // half size 0.15
        const auto prims = Feedback(p);
        ASSERT_EQ(prims.size(), 1u);
        ASSERT_EQ(prims[0].vertices.size(), 3u);
        const float expected[3][2] = {{0, 0.15f}, {-0.15f, -0.15f}, {0.15f, -0.15f}};
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(prims[0].vertices[k][0], Win(expected[k][0]), 1e-3);
            EXPECT_NEAR(prims[0].vertices[k][1], Win(expected[k][1]), 1e-3);
        }
    }
    {
        Cls2 p = Cls2::Init(0.5f, 0.25f, 0);
        p.Size = 1;
        p.Symbol = Symbol::FilledCircle; // radius 0.1
        const auto prims = Feedback(p);
        ASSERT_EQ(prims.size(), 20u);
        EXPECT_NEAR(prims[0].vertices[0][0], Win(0.6), 1e-3);
        EXPECT_NEAR(prims[0].vertices[0][1], Win(0.25), 1e-3);
        for (const auto& prim : prims) {
            ASSERT_EQ(prim.vertices.size(), 3u);
            EXPECT_NEAR(prim.vertices[2][0], Win(0.5), 1e-3);
            EXPECT_NEAR(prim.vertices[2][1], Win(0.25), 1e-3);
        }
    }
    {
        // Quads may come back split into triangles: compare their extents.
        const auto extent = [](const std::vector<Primitive>& prims) {
            std::array<float, 4> e{1e9f, -1e9f, 1e9f, -1e9f}; // min x, max x, min y, max y
            for (const auto& prim : prims)
                for (const auto& v : prim.vertices) {
                    e[0] = std::min(e[0], v[0]);
                    e[1] = std::max(e[1], v[0]);
                    e[2] = std::min(e[2], v[1]);
                    e[3] = std::max(e[3], v[1]);
                }
            return e;
        };
        Cls2 p = Cls2::Init(0.5f, 0, 0);
        p.Size = 2;
        p.Symbol = Symbol::FilledDiamond; // reach 0.15
        const auto diamond = extent(Feedback(p));
        EXPECT_NEAR(diamond[0], Win(0.35), 1e-3);
        EXPECT_NEAR(diamond[1], Win(0.65), 1e-3);
        EXPECT_NEAR(diamond[2], Win(-0.15), 1e-3);
        EXPECT_NEAR(diamond[3], Win(0.15), 1e-3);
        Cls2 q;
        q.Size = 2;
        q.Symbol = Symbol::FilledSquare; // half side 0.1
        const auto square = extent(Feedback(q));
        EXPECT_NEAR(square[0], Win(-0.1), 1e-3);
        EXPECT_NEAR(square[1], Win(0.1), 1e-3);
        EXPECT_NEAR(square[2], Win(-0.1), 1e-3);
        EXPECT_NEAR(square[3], Win(0.1), 1e-3);
    }
    {
        Cls2 p;
        p.Size = 3;
        p.Symbol = Symbol::Crosshair;
        const auto prims = Feedback(p);
        EXPECT_EQ(prims.size(), 2u);
        GLfloat width = 0;
        glGetFloatv(GL_LINE_WIDTH, &width);
        EXPECT_EQ(width, 3.0f);
    }
}
