// The surface kinds drawn in a real GL context: vertex colours, texture
// coordinates and the grid drawn read back through GL feedback mode; the
// texture, the transparency and the state left behind checked by pixels and
// GL state.
#include "core/Globals.h"
#include "core/MessageService.h"
#include "graph/Cls9.h"
#include "scene/TextureCache.h"

#include "tests/render/OrthoViewFixture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <vector>

namespace {

constexpr std::int32_t Red = 255;
constexpr std::int32_t Blue = 16711680;

// A vertex of the feedback: drawing x and y, window depth, colour and
// texture coordinates.
struct FbVertex {
    float x, y, depth, r, g, b, a, s, t;
};
struct FbPrimitive {
    GLenum token; // GL_POLYGON_TOKEN, GL_LINE_TOKEN or GL_POINT_TOKEN
    std::vector<FbVertex> vertices;
};

class SurfaceDrawingTest : public OrthoViewFixture {
protected:
    void SetUp() override {
        OrthoViewFixture::SetUp();
        DocumentKind = 3;
    }
    void TearDown() override {
        ReleaseTextures();
        OrthoViewFixture::TearDown();
    }

    // What `draw` emits, through feedback mode.
    static std::vector<FbPrimitive> Feedback(const std::function<void()>& draw) {
        std::vector<GLfloat> buf(1 << 21);
        glFeedbackBuffer(GLsizei(buf.size()), GL_3D_COLOR_TEXTURE, buf.data());
        glRenderMode(GL_FEEDBACK);
        draw();
        const GLint n = glRenderMode(GL_RENDER);
        EXPECT_GE(n, 0) << "feedback buffer too small";
        std::vector<FbPrimitive> out;
        const auto vertexAt = [&](GLint k) {
            return FbVertex{buf[k] / 10 - 10, buf[k + 1] / 10 - 10, buf[k + 2], buf[k + 3], buf[k + 4],
                            buf[k + 5],       buf[k + 6],          buf[k + 7], buf[k + 8]};
        };
        constexpr GLint V = 11; // 3 coordinates, 4 colour, 4 texture values
        for (GLint k = 0; k < n;) {
            const GLenum token = GLenum(buf[k++]);
            FbPrimitive p{token, {}};
            GLint count = 0;
            if (token == GL_POLYGON_TOKEN) {
                count = GLint(buf[k++]);
            } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
                p.token = GL_LINE_TOKEN;
                count = 2;
            } else if (token == GL_POINT_TOKEN) {
                count = 1;
            } else if (token == GL_PASS_THROUGH_TOKEN) {
                ++k;
                continue;
            } else {
                ADD_FAILURE() << "unexpected feedback token " << token;
                break;
            }
            for (GLint v = 0; v < count; ++v, k += V) p.vertices.push_back(vertexAt(k));
            out.push_back(p);
        }
        return out;
    }
    static std::vector<FbVertex> Vertices(const std::vector<FbPrimitive>& prims) {
        std::vector<FbVertex> all;
        for (const FbPrimitive& p : prims) all.insert(all.end(), p.vertices.begin(), p.vertices.end());
        return all;
    }

    // A surface of kind `type` whose grid point (i, j) is at(i, j), drawn
    // filled, smooth, in the second colour red (the first colour blue).
    static std::shared_ptr<Cls9> Surface(int su, int sv, const std::function<Cls2(int, int)>& at,
                                         std::int32_t type = GraphType::Surface3D) {
        auto g = std::make_shared<Cls9>();
        g->GraphType = type;
        g->CoordType = CoordType::Cartesian;
        g->FunForm = FunForm::Explicit;
        g->ExpressZ = "x*y";
        g->StepU = su;
        g->StepV = sv;
        g->FillStyle = FillStyle::OneColor;
        g->SecondColor = Red;
        g->FirstColor = Blue;
        g->Show = Show::FilledSurface;
        g->Smoothness = Smoothness::Smooth;
        g->Vert3D.Create(su, sv);
        for (int i = 0; i <= su; ++i)
            for (int j = 0; j <= sv; ++j) g->Vert3D(i, j) = at(i, j);
        return g;
    }
    // A square from (-8, -8) to (8, 8) in the plane z = 0, u along x.
    static std::shared_ptr<Cls9> Square(int su, int sv) {
        return Surface(su, sv, [=](int i, int j) {
            return Cls2::Init(-8 + 16.0f * float(i) / float(su), -8 + 16.0f * float(j) / float(sv), 0);
        });
    }

    // A raw texture file of side x side texels, coloured by quadrant (red at
    // the image's bottom left, green bottom right, blue top left, yellow top right).
    std::string QuadrantTexture(int side = 8) {
        const std::string name = dir_.filePath("quadrants.mot").toStdString();
        std::ofstream out(name, std::ios::binary);
        const std::int32_t sides[2] = {side, side};
        out.write(reinterpret_cast<const char*>(sides), sizeof sides);
        for (int row = 0; row < side; ++row)
            for (int col = 0; col < side; ++col) {
                const bool right = col >= side / 2, top = row >= side / 2;
                const unsigned char rgb[3] = {
                    static_cast<unsigned char>(!top || right ? 255 : 0),
                    static_cast<unsigned char>(right ? 255 : 0),
                    static_cast<unsigned char>(top && !right ? 255 : 0)};
                out.write(reinterpret_cast<const char*>(rgb), 3);
            }
        return name;
    }

private:
    QTemporaryDir dir_;
};

TEST_F(SurfaceDrawingTest, FillStylesRunFromTheSecondColourToTheFirstAcrossTheBox) {
    // x from -8 to 8, y from -5 to 5, z from -3 to 3 rising with x.
    auto g = Surface(4, 4, [](int i, int j) { return Cls2::Init(-8 + 4.0f * i, -5 + 2.5f * j, -3 + 1.5f * i); });
    struct Case {
        std::int32_t style;
        std::function<double(const FbVertex&)> fraction; // 0 at the second colour, 1 at the first
    };
    const Case cases[] = {
        {FillStyle::LeftToRight, [](const FbVertex& v) { return (v.x + 8) / 16; }},
        {FillStyle::FrontToBack, [](const FbVertex& v) { return (v.x + 8) / 16; }}, // z rises with x
        {FillStyle::TopToBottom, [](const FbVertex& v) { return (v.y + 5) / 10; }},
        {FillStyle::OneColor, [](const FbVertex&) { return 0.0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        g->FillStyle = c.style;
        const std::vector<FbVertex> vs = Vertices(Feedback([&] { g->Draw(); }));
        ASSERT_EQ(vs.size() % 3, 0u);
        ASSERT_GE(vs.size(), 16u * 3);
        bool low = false, high = false;
        for (const FbVertex& v : vs) {
            const double f = c.fraction(v);
            EXPECT_NEAR(v.r, 1 - f, 1e-4) << v.x << " " << v.y;
            EXPECT_NEAR(v.g, 0, 1e-6);
            EXPECT_NEAR(v.b, f, 1e-4) << v.x << " " << v.y;
            EXPECT_EQ(v.a, 1.0f);
            // At the box's ends exactly the two colours.
            if (f < 1e-6) low = low || (v.r == 1.0f && v.b == 0.0f);
            if (f > 1 - 1e-6) high = high || (v.r == 0.0f && v.b == 1.0f);
        }
        EXPECT_TRUE(low);
        EXPECT_EQ(high, c.style != FillStyle::OneColor);
    }

    // All heights equal: the zero extent counts as 0.000001 and every vertex
    // has the second colour.
    auto level = Square(2, 2);
    for (int i = 0; i <= 2; ++i)
        for (int j = 0; j <= 2; ++j) level->Vert3D(i, j).y = 4;
    level->FillStyle = FillStyle::TopToBottom;
    for (const FbVertex& v : Vertices(Feedback([&] { level->Draw(); }))) {
        EXPECT_EQ(v.r, 1.0f);
        EXPECT_EQ(v.b, 0.0f);
    }
}

TEST_F(SurfaceDrawingTest, TextureCoordinatesRunFromOneAtTheFirstPointToZeroAtTheLast) {
    auto g = Square(2, 2);
    const std::vector<FbVertex> vs = Vertices(Feedback([&] { g->Draw(); }));
    ASSERT_FALSE(vs.empty());
    std::set<float> s, t;
    for (const FbVertex& v : vs) {
        // Grid point (i, j) at x = -8 + 8i, y = -8 + 8j has (1 - i/2, 1 - j/2).
        EXPECT_FLOAT_EQ(v.s, 1 - (v.x + 8) / 16) << v.x;
        EXPECT_FLOAT_EQ(v.t, 1 - (v.y + 8) / 16) << v.y;
        s.insert(v.s);
        t.insert(v.t);
    }
    EXPECT_EQ(s, (std::set<float>{0, 0.5f, 1}));
    EXPECT_EQ(t, (std::set<float>{0, 0.5f, 1}));
}

TEST_F(SurfaceDrawingTest, GridDrawnForEachKindAndOptionLeavesTheSamplesAndBoxAlone) {
    // The function in x -9..-5, its df/dx in -3..1, its df/dy in 3..7.
    const auto column = [](float left) {
        return [=](int i, int j) { return Cls2::Init(left + 2.0f * i, -4 + 4.0f * j, 0); };
    };
    auto g = Surface(2, 2, column(-9));
    g->VertPX.Create(2, 2);
    g->VertPY.Create(2, 2);
    for (int i = 0; i <= 2; ++i)
        for (int j = 0; j <= 2; ++j) {
            g->VertPX(i, j) = column(-3)(i, j);
            g->VertPY(i, j) = column(3)(i, j);
        }
    const Cls1 box = g->GetBox();
    struct Case {
        bool px, py;
        float left;
    };
    for (const Case c : {Case{false, false, -9}, Case{true, false, -3}, Case{false, true, 3}, Case{true, true, 3}}) {
        SCOPED_TRACE(std::to_string(c.px) + std::to_string(c.py));
        g->ShowSurPX = c.px;
        g->ShowSurPY = c.py;
        for (int drawing = 0; drawing < 2; ++drawing) {
            const std::vector<FbVertex> vs = Vertices(Feedback([&] { g->Draw(); }));
            ASSERT_FALSE(vs.empty());
            for (const FbVertex& v : vs) {
                EXPECT_GE(v.x, c.left - 1e-3f);
                EXPECT_LE(v.x, c.left + 4 + 1e-3f);
            }
            // The box is the function's at every drawing; its samples are untouched.
            const Cls1 after = g->BoxFields();
            EXPECT_EQ(after.MinX, box.MinX);
            EXPECT_EQ(after.MaxX, box.MaxX);
            EXPECT_EQ(after.MaxY, box.MaxY);
            EXPECT_EQ(g->Vert3D(2, 2).x, -5);
            EXPECT_EQ(g->VertPX(0, 0).x, -3);
        }
    }

    // A graph never sampled (here without its df/dx samples) draws nothing.
    auto unsampled = Surface(2, 2, column(-9));
    unsampled->ShowSurPX = true;
    EXPECT_TRUE(Feedback([&] { unsampled->Draw(); }).empty());
    unsampled->Vert3D.Clear();
    unsampled->ShowSurPX = false;
    EXPECT_TRUE(Feedback([&] { unsampled->Draw(); }).empty());

    // A surface of revolution stored with StepU 1 draws its 41 angles: 40
    // quads around, so 41 texture coordinates s.
    for (std::int32_t kind : {GraphType::RevolutionX, GraphType::RevolutionY}) {
        auto rev = Surface(1, 2, column(-9), kind);
        rev->VertRev.Create(40, 2);
        for (int i = 0; i <= 40; ++i)
            for (int j = 0; j <= 2; ++j) {
                const double a = 2 * M_PI * i / 40;
                rev->VertRev(i, j) = Cls2::Init(float(5 * std::cos(a)), -4 + 4.0f * j, float(5 * std::sin(a)));
            }
        std::set<float> s;
        for (const FbVertex& v : Vertices(Feedback([&] { rev->Draw(); }))) s.insert(v.s);
        EXPECT_EQ(s.size(), 41u);
        EXPECT_EQ(rev->StepU, 40);
    }

    // A table: an entry never filled is drawn as the origin and stays in the table.
    auto table = Surface(1, 1, column(-9), GraphType::Table3D);
    table->VertTab3D(0, 0) = Cls2::Init(-6, -6, 0);
    table->VertTab3D(1, 0) = Cls2::Init(6, -6, 0);
    table->VertTab3D(0, 1) = Cls2::Init(-6, 6, 0);
    ASSERT_EQ(table->VertTab3D.Find(1, 1), nullptr);
    bool origin = false;
    for (const FbVertex& v : Vertices(Feedback([&] { table->Draw(); })))
        origin = origin || (std::fabs(v.x) < 1e-3f && std::fabs(v.y) < 1e-3f);
    EXPECT_TRUE(origin);
    EXPECT_NE(table->VertTab3D.Find(1, 1), nullptr);
    // A table side above 200 draws nothing.
    table->StepU = 201;
    EXPECT_TRUE(Feedback([&] { table->Draw(); }).empty());

    // A surface animation draws the frame asked for.
    FrameCount = 2;
    auto anim = Surface(1, 1, column(-9), GraphType::Surface3DAnimation);
    anim->Animation = true;
    anim->Anim3D.Create(1, 1, 2);
    for (int f = 0; f <= 2; ++f)
        for (int i = 0; i <= 1; ++i)
            for (int j = 0; j <= 1; ++j) anim->Anim3D(i, j, f) = column(-9 + 5.0f * f)(i, j);
    for (const FbVertex& v : Vertices(Feedback([&] { anim->Draw(2); }))) {
        EXPECT_GE(v.x, 1 - 1e-3f);
        EXPECT_LE(v.x, 3 + 1e-3f);
    }
}

TEST_F(SurfaceDrawingTest, QuadWithAnUndefinedCornerIsLeftOut) {
    auto g = Square(2, 1);
    g->Vert3D(2, 1).z = UndefinedValue;
    const std::vector<FbVertex> vs = Vertices(Feedback([&] { g->Draw(); }));
    ASSERT_FALSE(vs.empty());
    for (const FbVertex& v : vs) EXPECT_LE(v.x, 1e-3f); // only the left quad

    // Smoothness outside 1..3 draws no quads.
    g->Smoothness = 0;
    EXPECT_TRUE(Feedback([&] { g->Draw(); }).empty());
}

TEST_F(SurfaceDrawingTest, DerivativeSurfacesOnlyForExplicitCartesianSurfaces) {
    // The df/dx and df/dy surfaces are sampled for explicit Cartesian surfaces
    // only. A cylindrical or parametric surface with the option left on (its
    // samples of df/dx all at the origin) is drawn as itself, not as a point.
    RecordingMessageBox box; // sampling a parametric text's df/dx refuses it
    struct Case {
        std::int32_t coordType, funForm;
        const char *x, *y, *z;
    };
    const Case cases[] = {
        {CoordType::Cylindrical, FunForm::Explicit, "a", "r", "r"},
        {CoordType::Cartesian, FunForm::Parametric, "u", "v", "u+v"},
    };
    for (const Case& c : cases) {
        for (const bool py : {false, true}) {
            SCOPED_TRACE(std::string(c.z) + (py ? " df/dy" : " df/dx"));
            auto g = Cls9::Init(1, "", GraphType::Surface3D, c.coordType, c.x, c.y, c.z, 4, 4, 1, 3, 1, 3,
                                FillStyle::OneColor, Blue, Red, 0, 1, 0, Show::FilledSurface, Smoothness::Smooth);
            g->FunForm = c.funForm;
            g->ShowSurPX = !py;
            g->ShowSurPY = py;
            ASSERT_TRUE(g->GetPoints());
            const std::vector<FbVertex> vs = Vertices(Feedback([&] { g->Draw(); }));
            ASSERT_FALSE(vs.empty());
            float lo = 1e9f, hi = -1e9f;
            for (const FbVertex& v : vs) lo = std::min(lo, v.x), hi = std::max(hi, v.x);
            EXPECT_GT(hi - lo, 1.0f); // the surface's own extent
        }
    }
}

TEST_F(SurfaceDrawingTest, GraphNeverSampledWithHugeStepsDrawsNothingAtOnce) {
    // Steps the sampling cap refused (a document's or a dialog's count): the
    // graph holds no samples, and its drawing must not make a grid of
    // 2e9 x 2e9 points before it finds that out.
    for (const std::int32_t type : {GraphType::Surface3D, GraphType::Surface3DAnimation}) {
        SCOPED_TRACE(type);
        auto g = std::make_shared<Cls9>();
        g->GraphType = type;
        g->CoordType = CoordType::Cartesian;
        g->FunForm = FunForm::Explicit;
        g->ExpressZ = "x*y";
        g->StepU = g->StepV = 2'000'000'000;
        g->Show = Show::FilledSurface;
        g->Smoothness = Smoothness::Smooth;
        std::vector<FbPrimitive> drawn;
        EXPECT_NO_THROW(drawn = Feedback([&] { g->Draw(); }));
        EXPECT_TRUE(drawn.empty());
    }
}

TEST_F(SurfaceDrawingTest, TangentTextsThatCannotBeMadeEndTheSurfaceBeforeAnythingIsDrawn) {
    struct Case {
        const char* expression;
        bool tangent, normal;
        bool drawn;
    };
    const Case cases[] = {
        {"abs(x)*y", true, false, false},
        {"abs(x)*y", false, true, false},
        {"abs(x)*y", false, false, true}, // no overlay: the same text draws
        {"x*y+sin(x)", true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.expression) + (c.tangent ? " tangent" : "") + (c.normal ? " normal" : ""));
        RecordingMessageBox box;
        auto g = Square(2, 2);
        g->ExpressZ = c.expression;
        g->ShowTangent = c.tangent;
        g->ShowNormal = c.normal;
        EXPECT_EQ(Feedback([&] { g->Draw(); }).empty(), !c.drawn);
        if (c.drawn) {
            EXPECT_EQ(box.Count(), 0u);
        } else {
            ASSERT_EQ(box.Count(), 1u);
            EXPECT_EQ(box.Last().text, "不能计算ABS的导数。");
            EXPECT_EQ(box.Last().title, ErrorTitle);
        }
    }
}

TEST_F(SurfaceDrawingTest, PolygonModesAndTheStateLeftForTheNextGraph) {
    auto g = Square(2, 2);
    g->ShowTrans = true;
    g->TransAlpha = 0.5f;
    g->ShowTex = true;
    g->TexName = QuadrantTexture();
    g->TexMode = TexMode::Blend;
    struct Case {
        std::int32_t show, smoothness;
        GLenum token;
    };
    for (const Case c : {Case{Show::Vertices, Smoothness::Faceted, GL_POINT_TOKEN},
                         Case{Show::Wireframe, Smoothness::Smoother, GL_LINE_TOKEN},
                         Case{Show::FilledSurface, Smoothness::Faceted, GL_POLYGON_TOKEN}}) {
        SCOPED_TRACE(c.show);
        g->Show = c.show;
        g->Smoothness = c.smoothness;
        glLineWidth(5);
        glShadeModel(GL_SMOOTH);
        const std::vector<FbPrimitive> prims = Feedback([&] { g->Draw(); });
        ASSERT_FALSE(prims.empty());
        for (const FbPrimitive& p : prims) {
            EXPECT_EQ(p.token, c.token);
            // Texture on: the vertices carry TransAlpha even in blend mode.
            for (const FbVertex& v : p.vertices) EXPECT_FLOAT_EQ(v.a, 0.5f);
        }
        GLfloat width = 0;
        glGetFloatv(GL_LINE_WIDTH, &width);
        EXPECT_EQ(width, 1.0f);
        GLint mode[2] = {0, 0};
        glGetIntegerv(GL_POLYGON_MODE, mode);
        EXPECT_EQ(mode[0], GL_FILL);
        EXPECT_EQ(mode[1], GL_FILL);
        GLint shade = 0;
        glGetIntegerv(GL_SHADE_MODEL, &shade);
        EXPECT_EQ(shade, GL_SMOOTH);
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
    }
    // Faceted quads are flat shaded: a gradient quad shows one colour.
    g->ShowTex = false;
    g->ShowTrans = false;
    g->FillStyle = FillStyle::LeftToRight;
    auto one = Square(1, 1);
    one->FillStyle = FillStyle::LeftToRight;
    for (std::int32_t smoothness : {Smoothness::Faceted, Smoothness::Smooth}) {
        SCOPED_TRACE(smoothness);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        one->Smoothness = smoothness;
        one->Draw();
        const Colour left = At(-7, 0), right = At(7, 0);
        if (smoothness == Smoothness::Faceted) {
            EXPECT_EQ(left.r, right.r);
            EXPECT_EQ(left.b, right.b);
        } else {
            EXPECT_GT(left.r, 200);
            EXPECT_GT(right.b, 200);
        }
    }
}

TEST_F(SurfaceDrawingTest, TexturedAndTransparentSurfacesShowInPixels) {
    const std::string texture = QuadrantTexture();
    auto g = Square(1, 1);
    g->ShowTex = true;
    g->TexName = texture;
    g->TexMode = TexMode::Replace;
    g->Draw();
    // P(0, 0), at the bottom left, carries the image's top right corner.
    const Colour bottomLeft = At(-6, -6), bottomRight = At(6, -6), topLeft = At(-6, 6), topRight = At(6, 6);
    EXPECT_EQ(bottomLeft.r, 255);
    EXPECT_EQ(bottomLeft.g, 255);
    EXPECT_EQ(bottomLeft.b, 0); // yellow
    EXPECT_EQ(bottomRight.b, 255);
    EXPECT_EQ(bottomRight.r, 0); // blue
    EXPECT_EQ(topLeft.g, 255);
    EXPECT_EQ(topLeft.b, 0); // green
    EXPECT_EQ(topRight.r, 255);
    EXPECT_EQ(topRight.g, 0); // red
    EXPECT_NE(CachedTextureName(texture), 0u);

    // Blend mode tints the picture with the surface colour (red here).
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    g->TexMode = TexMode::Blend;
    g->Draw();
    EXPECT_EQ(At(-6, -6).r, 255);
    EXPECT_EQ(At(-6, -6).g, 0);
    EXPECT_EQ(At(6, -6).r + At(6, -6).g + At(6, -6).b, 0);

    // A picture that does not load: the surface is drawn untextured, white
    // in replace mode, with no message.
    RecordingMessageBox box;
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    g->TexName = texture + ".missing.bmp";
    g->TexMode = TexMode::Replace;
    g->Draw();
    EXPECT_EQ(At(-6, 6).r + At(-6, 6).g + At(-6, 6).b, 3 * 255);
    EXPECT_EQ(box.Count(), 0u);
    glClearColor(1, 1, 1, 1);

    // Transparency: a red surface at alpha 0.5 over a blue one.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    auto back = Square(1, 1);
    back->SecondColor = Blue;
    for (int i = 0; i <= 1; ++i)
        for (int j = 0; j <= 1; ++j) back->Vert3D(i, j).z = -1;
    back->Draw();
    auto front = Square(1, 1);
    front->ShowTrans = true;
    front->TransAlpha = 0.5f;
    front->Draw();
    const Colour mixed = At(0, 0);
    EXPECT_NEAR(mixed.r, 128, 2);
    EXPECT_EQ(mixed.g, 0);
    EXPECT_NEAR(mixed.b, 128, 2);
}

} // namespace
