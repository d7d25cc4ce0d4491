#include "app/GlFont.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "platform/GlOutlineFont.h"
#include "render/GlText.h"
#include "render/ScreenText.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/ImageInk.h"
#include "tests/support/RecordingServices.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int Size = 200;

struct Vertex {
    float x, y, z;   // window coordinates and depth
};
using Polygon = std::vector<Vertex>;

// A compatibility context drawing into a 200 x 200 framebuffer with depth,
// with the two fonts the program makes, built once for the whole suite.
class GlTextTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        gl = std::make_unique<GlTestContext>(Size);
        ASSERT_TRUE(gl->Ok());
        RecordingMessageBox box;
        ASSERT_TRUE(CreateGLFont(labelBase, "Arial", -6, 400, false, 0));
        ASSERT_TRUE(CreateGLFont(titleBase, "Arial", -8, 700, false, 0));
        EXPECT_EQ(box.Count(), 0u);
    }
    static void TearDownTestSuite() { gl.reset(); }

    void SetUp() override {
        ASSERT_TRUE(gl->MakeCurrent());
        glClearColor(1, 1, 1, 1);
        glClearDepth(1);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
        glDisable(GL_CULL_FACE);
        glDisable(GL_LIGHTING);
        glColor3f(0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        Ortho(-1, 1, -1, 1);
    }

    static void Ortho(double left, double right, double bottom, double top) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(left, right, bottom, top, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    static QImage Pixels() { return gl->Image().convertToFormat(QImage::Format_RGB32); }
    static bool Dark(const QImage& img, int x, int y) { return qGray(img.pixel(x, y)) < 128; }

    // Bounding box (in image pixels, y down) of every non-white pixel.
    static QRect Inked(const QImage& img) {
        return PixelBounds(img, [](QRgb p) { return p != qRgb(255, 255, 255); });
    }

    static std::array<float, 16> ModelView() {
        std::array<float, 16> m{};
        glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
        return m;
    }

    // The polygons `draw` sends down the pipeline (after culling), read back in feedback mode.
    static std::vector<Polygon> Feedback(const std::function<void()>& draw) {
        std::vector<GLfloat> buf(1 << 20);
        glFeedbackBuffer(GLsizei(buf.size()), GL_3D, buf.data());
        glRenderMode(GL_FEEDBACK);
        draw();
        const GLint n = glRenderMode(GL_RENDER);
        EXPECT_GE(n, 0) << "feedback buffer overflow";
        std::vector<Polygon> polys;
        for (GLint i = 0; i < n;) {
            const auto token = GLint(buf[i++]);
            if (token == GL_POLYGON_TOKEN) {
                const auto count = GLint(buf[i++]);
                Polygon p;
                for (GLint k = 0; k < count; ++k, i += 3) p.push_back({buf[i], buf[i + 1], buf[i + 2]});
                polys.push_back(p);
            } else if (token == GL_POINT_TOKEN || token == GL_BITMAP_TOKEN || token == GL_DRAW_PIXEL_TOKEN ||
                       token == GL_COPY_PIXEL_TOKEN) {
                i += 3;
            } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
                i += 6;
            } else {
                i += 1;   // pass-through
            }
        }
        return polys;
    }

    static double Area(const Polygon& p) {
        double a = 0;
        for (std::size_t i = 0; i < p.size(); ++i) {
            const Vertex& u = p[i];
            const Vertex& v = p[(i + 1) % p.size()];
            a += double(u.x) * v.y - double(v.x) * u.y;
        }
        return a / 2;
    }

    static inline std::unique_ptr<GlTestContext> gl;
    static inline std::int32_t labelBase = 0;
    static inline std::int32_t titleBase = 0;
};

TEST_F(GlTextTest, BothFontsHave128GlyphLists) {
    for (std::int32_t base : {labelBase, titleBase}) {
        ASSERT_NE(base, 0);
        for (int c = 0; c < OutlineFontGlyphCount; ++c) EXPECT_TRUE(glIsList(GLuint(base + c))) << base << " " << c;
    }
    EXPECT_NE(labelBase, titleBase);
    EXPECT_EQ(OutlineFontFamily("Arial"), "Liberation Sans");
    const std::string fallback = OutlineFontFamily("No Such Face");
    EXPECT_TRUE(QFontDatabase::hasFamily(QString::fromStdString(fallback))) << fallback;
}

// Each list ends by moving the model-view matrix on by the glyph's advance, in
// units of the em: the metrics of the face the program asks for (design units / 2048).
TEST_F(GlTextTest, GlyphListsAdvanceByTheGlyphWidthInEm) {
    struct Case {
        std::int32_t* base;
        char code;
        double units;
    };
    const Case cases[] = {
        {&labelBase, 'W', 1933}, {&labelBase, 'i', 455}, {&labelBase, ' ', 569}, {&labelBase, '1', 1139},
        {&labelBase, 'm', 1706}, {&titleBase, 'W', 1933}, {&titleBase, '2', 1139},
    };
    for (const Case& c : cases) {
        glLoadIdentity();
        glCallList(GLuint(*c.base + c.code));
        const auto m = ModelView();
        EXPECT_NEAR(m[12], c.units / 2048, 1e-4) << c.code;
        EXPECT_EQ(m[13], 0.0f);
        EXPECT_EQ(m[14], 0.0f);
        EXPECT_EQ(m[0], 1.0f);
    }
    auto advance = [](std::int32_t base, char code) {
        glLoadIdentity();
        glCallList(GLuint(base + code));
        return ModelView()[12];
    };
    EXPECT_GT(advance(labelBase, 'W'), advance(labelBase, 'i'));
    // Bold is wider where the face says so.
    EXPECT_GT(advance(titleBase, 'i'), advance(labelBase, 'i'));
}

TEST_F(GlTextTest, GlyphIsExtrudedBetweenZeroAndMinusOneTenth) {
    // glOrtho(-1, 1, ...) with near -1, far 1: window depth = (1 - z) / 2.
    const std::vector<Polygon> polys = Feedback([] { glCallList(GLuint(labelBase + 'l')); });
    ASSERT_FALSE(polys.empty());
    bool front = false, back = false;
    for (const Polygon& p : polys)
        for (const Vertex& v : p) {
            const double z = 1 - 2.0 * v.z;
            const double x = v.x / (Size / 2.0) - 1, y = v.y / (Size / 2.0) - 1;
            front |= std::abs(z) < 1e-4;
            back |= std::abs(z + 0.1) < 1e-4;
            EXPECT_TRUE(std::abs(z) < 1e-4 || std::abs(z + 0.1) < 1e-4) << z;
            EXPECT_GE(x, 0.0);
            EXPECT_LE(x, 455.0 / 2048);
            EXPECT_GE(y, -1e-4);
            EXPECT_LE(y, 0.75);
        }
    EXPECT_TRUE(front);
    EXPECT_TRUE(back);

    // Space and control codes draw nothing.
    for (char code : {' ', '\t', '\0', char(127)})
        EXPECT_TRUE(Feedback([code] { glCallList(GLuint(labelBase + code)); }).empty()) << int(code);
}

// With back faces culled, exactly the faces of the box-shaped "l" that face
// the viewer remain: every surviving face lies in the nearest plane.
TEST_F(GlTextTest, FacesAndWallsAreWoundOutwards) {
    struct View {
        const char* name;
        float angle, ax, ay;
    };
    const View views[] = {
        {"front", 0, 0, 1}, {"back", 180, 0, 1}, {"right", -90, 0, 1}, {"left", 90, 0, 1}, {"top", 90, 1, 0},
        {"bottom", -90, 1, 0},
    };
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    for (const View& v : views) {
        auto draw = [&] {
            glLoadIdentity();
            glRotatef(v.angle, v.ax, v.ay, 0);
            glCallList(GLuint(labelBase + 'l'));
        };
        glDisable(GL_CULL_FACE);
        float nearest = 1;
        for (const Polygon& p : Feedback(draw))
            for (const Vertex& q : p) nearest = std::min(nearest, q.z);
        glEnable(GL_CULL_FACE);
        int seen = 0;
        for (const Polygon& p : Feedback(draw)) {
            if (std::abs(Area(p)) < 1e-3) continue;   // edge-on
            ++seen;
            for (const Vertex& q : p) EXPECT_NEAR(q.z, nearest, 1e-5) << v.name;
        }
        EXPECT_GT(seen, 0) << v.name;
    }
    glDisable(GL_CULL_FACE);
}

// A row of pixels across a large glyph crosses the expected number of strokes:
// counters stay open and strokes are filled.
TEST_F(GlTextTest, GlyphsAreFilledWithTheirCountersOpen) {
    struct Case {
        char code;
        double y;   // em
        int strokes;
    };
    const Case cases[] = {{'o', 0.26, 2}, {'0', 0.35, 2}, {'B', 0.2, 2}, {'l', 0.3, 1}, {'H', 0.2, 2}, {'H', 0.35, 1},
                          {'8', 0.5, 2}};
    for (const Case& c : cases) {
        Ortho(-0.05, 0.95, -0.25, 0.75);   // 200 pixels per em
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glCallList(GLuint(labelBase + c.code));
        const QImage img = Pixels();
        const int row = Size - 1 - int((c.y + 0.25) * Size);
        int strokes = 0;
        bool inside = false;
        for (int x = 0; x < Size; ++x) {
            const bool dark = Dark(img, x, row);
            if (dark && !inside) ++strokes;
            inside = dark;
        }
        EXPECT_EQ(strokes, c.strokes) << c.code << " at " << c.y;
    }
}

TEST_F(GlTextTest, DrawGLTextDrawsAtItsAnchorAndKeepsTheMatrix) {
    struct Case {
        std::array<float, 4> rotation;
        bool wide;   // "12" runs along x; turned 90 degrees about z it runs up
    };
    for (const Case& c : {Case{{0, 0, 0, 1}, true}, Case{{90, 0, 0, 1}, false}}) {
        Ortho(0, 4, -1, 3);   // 50 pixels per unit; the anchor (1, 1) is pixel (50, 99) from the top
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glTranslatef(0.5f, 0.5f, 0);   // the caller's frame
        const auto before = ModelView();
        DrawGLText(labelBase, "12", 0.5f, 0.5f, 0, c.rotation, 0);
        EXPECT_EQ(ModelView(), before);
        const QRect ink = Inked(Pixels());
        ASSERT_FALSE(ink.isEmpty());
        // "12" is 2 * 1139 / 2048 em wide, about 0.72 em tall, scaled by 0.7: 39 x 25 pixels.
        if (c.wide) {
            EXPECT_NEAR(ink.left(), 50, 6);
            EXPECT_NEAR(ink.bottom(), 99, 3);
            EXPECT_NEAR(ink.width(), 37, 5);
            EXPECT_NEAR(ink.height(), 25, 4);
        } else {
            EXPECT_NEAR(ink.right(), 50, 3);
            EXPECT_NEAR(ink.bottom(), 99, 6);
            EXPECT_NEAR(ink.width(), 25, 4);
            EXPECT_NEAR(ink.height(), 37, 5);
        }
    }
}

TEST_F(GlTextTest, DrawGLTextColourAndEmptyText) {
    Ortho(0, 4, -1, 3);
    glColor3f(0, 0, 1);
    DrawGLText(titleBase, "12", 1, 1, 0, {0, 0, 0, 1}, 255);
    QImage img = Pixels();
    const QRect ink = Inked(img);
    ASSERT_FALSE(ink.isEmpty());
    int red = 0;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            if (img.pixel(x, y) == qRgb(255, 0, 0)) ++red;
    EXPECT_GT(red, 50);

    // Without a colour the current one is used.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3f(0, 0, 1);
    DrawGLText(titleBase, "1", 1, 1, 0, {0, 0, 0, 1});
    img = Pixels();
    EXPECT_EQ(img.pixel(Inked(img).center()), qRgb(0, 0, 255));

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glTranslatef(0.25f, 0, 0);
    const auto before = ModelView();
    DrawGLText(labelBase, "", 1, 1, 0, {30, 0, 0, 1}, 0);
    EXPECT_EQ(ModelView(), before);
    EXPECT_TRUE(Inked(Pixels()).isEmpty());
}

// The axes' labels are drawn from the label font's pixel glyphs exactly as
// the desktop's rasterizer draws each of their characters at the same size,
// one after the other at whole pixels: every glyph with its ink, the minus
// sign's included, plain (each pixel inked or not) and smoothed.
TEST_F(GlTextTest, AxisLabelsHaveTheInkOfTheDesktopsGlyphs) {
    const int pixels = ScreenFontPixels(-6);
    EXPECT_EQ(pixels, 12);
    ASSERT_NE(ScreenFontMetrics(labelBase), nullptr);
    EXPECT_GE(ScreenFontMetrics(labelBase)->capHeight, 8);
    // The ink of a picture, bounded, as 0..255 coverage of white by black.
    const auto ink = [](const QImage& img) {
        const QRect box = PixelBounds(img, [](QRgb p) { return qGray(p) < 255; });
        std::vector<std::vector<int>> rows;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            rows.emplace_back();
            for (int x = box.left(); x <= box.right(); ++x) rows.back().push_back(255 - qGray(img.pixel(x, y)));
        }
        return rows;
    };
    for (const bool smooth : {false, true})
        for (const char* text : {"-6", "-10", "0.5", "4", "-8", "-2pi"}) {
            SCOPED_TRACE(std::string(text) + (smooth ? " smooth" : " plain"));
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            ClearScreenTexts(0);
            ScreenText t;
            t.text = text;
            t.font = labelBase;
            t.colour = 0;
            t.away = {0, -1, 0};
            t.smooth = smooth;
            AddScreenText(t);
            DrawScreenTexts(0);
            const auto drawn = ink(Pixels());

            QImage reference(Size, Size, QImage::Format_RGB32);
            reference.fill(Qt::white);
            {
                QFont font(QString::fromStdString(OutlineFontFamily("Arial")));
                font.setPixelSize(pixels);
                font.setKerning(false);
                font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::NoSubpixelAntialias |
                                                           (smooth ? QFont::PreferAntialias : QFont::NoAntialias)));
                QPainter p(&reference);
                p.setFont(font);
                p.setPen(Qt::black);
                int pen = 50;
                for (const char* c = text; *c != 0; ++c) {
                    p.drawText(QPoint(pen, 100), QString(QLatin1Char(*c)));
                    pen += QFontMetrics(font).horizontalAdvance(QLatin1Char(*c));
                }
            }
            const auto expected = ink(reference);
            ASSERT_EQ(drawn.size(), expected.size());
            ASSERT_EQ(drawn[0].size(), expected[0].size());
            for (std::size_t y = 0; y < drawn.size(); ++y)
                for (std::size_t x = 0; x < drawn[y].size(); ++x)
                    EXPECT_NEAR(drawn[y][x], expected[y][x], smooth ? 2 : 0) << "row " << y << " column " << x;
            // Every glyph of the text stands apart: columns of ink between blank ones.
            int runs = 0;
            bool inside = false;
            for (std::size_t x = 0; x < drawn[0].size(); ++x) {
                bool any = false;
                for (const auto& row : drawn) any |= row[x] >= 128;
                if (any && !inside) ++runs;
                inside = any;
            }
            EXPECT_EQ(runs, int(std::string(text).size()));
        }
}

TEST_F(GlTextTest, ColourHelpers) {
    struct Case {
        std::int32_t colour;
        std::int32_t r, g, b;
    };
    const Case cases[] = {{64 + 256 * 128 + 65536 * 255, 64, 128, 255}, {255, 255, 0, 0}, {0, 0, 0, 0},
                          {0xFFFFFF, 255, 255, 255}, {256 * 7, 0, 7, 0},
                          // System-colour codes through the table of system colours.
                          {static_cast<std::int32_t>(0x80000002u), 0, 0, 128},
                          {static_cast<std::int32_t>(0x80000006u), 0, 0, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(GetRed(c.colour), c.r);
        EXPECT_EQ(GetGreen(c.colour), c.g);
        EXPECT_EQ(GetBlue(c.colour), c.b);
        SetGLColor(c.colour);
        std::array<float, 4> current{};
        glGetFloatv(GL_CURRENT_COLOR, current.data());
        EXPECT_FLOAT_EQ(current[0], float(c.r / 255.0));
        EXPECT_FLOAT_EQ(current[1], float(c.g / 255.0));
        EXPECT_FLOAT_EQ(current[2], float(c.b / 255.0));
    }
}

// When GL gives no lists the base becomes 0; when the glyphs cannot be
// compiled (here: another list is being compiled) the 128 lists are deleted
// and the base keeps its number. Both say so with the error icon.
TEST_F(GlTextTest, FontFailuresAreReported) {
    RecordingMessageBox box;
    std::int32_t base = -1;
    glBegin(GL_TRIANGLES);   // glGenLists answers 0 here
    EXPECT_FALSE(CreateGLFont(base, "Arial", -6, 400, false, 0));
    glEnd();
    EXPECT_EQ(base, 0);

    const GLuint outer = glGenLists(1);
    glNewList(outer, GL_COMPILE);
    EXPECT_FALSE(CreateGLFont(base, "Arial", -6, 400, false, 0));
    glEndList();
    glDeleteLists(outer, 1);
    EXPECT_GT(base, 0);
    for (int c = 0; c < OutlineFontGlyphCount; ++c) EXPECT_FALSE(glIsList(GLuint(base + c)));

    ASSERT_EQ(box.Count(), 2u);
    for (const MessageRequest& r : box.requests) {
        EXPECT_EQ(r.text, "无法创建字体。");
        EXPECT_EQ(r.title, AppTitle);
        EXPECT_EQ(r.icon, MsgIcon::Critical);
    }
    while (glGetError() != GL_NO_ERROR) {}
}

} // namespace
