#pragma once
// For drawing tests: what GL draws, caught in feedback mode (GL_3D_COLOR) and
// mapped back to drawing coordinates of a view that shows -range..range on x
// and y in a square viewport. Texts come out through a glyph font of the
// test's own (TestGlyphFont), whose every glyph passes its character code
// through and marks its place with a point.
#include <GL/gl.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

struct FeedbackVertex {
    float x, y, z;
    float r, g, b, a;
};

struct FeedbackLine {
    FeedbackVertex from, to;
};

// A text drawn with a TestGlyphFont: its characters, the place of its first
// glyph, its colour and the font's tag.
struct FeedbackText {
    std::string text;
    float x, y;
    float r, g, b;
    int font;
};

struct Feedback {
    std::vector<FeedbackVertex> points; // points drawn, glyph marks left out
    std::vector<FeedbackLine> lines;
    std::vector<std::vector<FeedbackVertex>> polygons;
    std::vector<FeedbackText> texts;

    // Primitives whose first vertex has the colour (r, g, b) / 255.
    static bool HasColour(const FeedbackVertex& v, int r, int g, int b) {
        const float t = 0.5f / 255;
        return std::fabs(v.r - r / 255.0f) < t && std::fabs(v.g - g / 255.0f) < t && std::fabs(v.b - b / 255.0f) < t;
    }
    std::vector<FeedbackLine> LinesOf(int r, int g, int b) const {
        std::vector<FeedbackLine> out;
        for (const FeedbackLine& l : lines)
            if (HasColour(l.from, r, g, b)) out.push_back(l);
        return out;
    }
    std::vector<FeedbackVertex> PointsOf(int r, int g, int b) const {
        std::vector<FeedbackVertex> out;
        for (const FeedbackVertex& p : points)
            if (HasColour(p, r, g, b)) out.push_back(p);
        return out;
    }
    std::vector<std::vector<FeedbackVertex>> PolygonsOf(int r, int g, int b) const {
        std::vector<std::vector<FeedbackVertex>> out;
        for (const auto& p : polygons)
            if (!p.empty() && HasColour(p[0], r, g, b)) out.push_back(p);
        return out;
    }
};

// The drawing z of a feedback depth: CaptureFeedback's view spans -100..100.
inline double DrawingZ(float depth) { return 100.0 * (1.0 - 2.0 * double(depth)); }
// A feedback vertex in drawing coordinates (x, y, z).
inline std::array<double, 3> DrawingPoint(const FeedbackVertex& v) { return {v.x, v.y, DrawingZ(v.z)}; }

// 128 glyph lists from `base`: glyph c passes through tag + c, draws a point
// at its origin and advances by one glyph unit.
class TestGlyphFont {
public:
    explicit TestGlyphFont(int tag) : tag_(tag) {
        base_ = glGenLists(128);
        for (int c = 0; c < 128; ++c) {
            glNewList(base_ + GLuint(c), GL_COMPILE);
            glPassThrough(GLfloat(tag + c));
            glBegin(GL_POINTS);
            glVertex3f(0, 0, 0);
            glEnd();
            glTranslatef(1, 0, 0);
            glEndList();
        }
    }
    ~TestGlyphFont() { glDeleteLists(base_, 128); }
    TestGlyphFont(const TestGlyphFont&) = delete;
    TestGlyphFont& operator=(const TestGlyphFont&) = delete;
    std::int32_t Base() const { return std::int32_t(base_); }
    int Tag() const { return tag_; }

private:
    GLuint base_ = 0;
    int tag_;
};

// Runs `draw` in feedback mode with the projection -range..range (x and y)
// and -100..100 (z) on the current viewport of `side` pixels; the glyphs of
// the two test fonts (tags 0 and 1000) become texts. The glyph advance in
// drawing units is `advance` (0.7 for DrawGLText's scale).
template <class Draw>
Feedback CaptureFeedback(int side, float range, Draw&& draw, float advance = 0.7f) {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-range, range, -range, range, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    std::vector<GLfloat> buffer(1 << 20);
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint n = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();

    Feedback out;
    const auto back = [&](float w) { return w / float(side) * 2 * range - range; };
    GLint i = 0;
    const auto vertex = [&] {
        FeedbackVertex v{back(buffer[std::size_t(i)]), back(buffer[std::size_t(i) + 1]), buffer[std::size_t(i) + 2],
                         buffer[std::size_t(i) + 3], buffer[std::size_t(i) + 4], buffer[std::size_t(i) + 5],
                         buffer[std::size_t(i) + 6]};
        i += 7;
        return v;
    };
    int pendingCode = -1;
    float lastX = 0, lastY = 0;
    while (i < n) {
        const GLint token = GLint(buffer[std::size_t(i++)]);
        if (token == GL_PASS_THROUGH_TOKEN) {
            pendingCode = int(buffer[std::size_t(i++)]);
        } else if (token == GL_POINT_TOKEN) {
            const FeedbackVertex v = vertex();
            if (pendingCode < 0) {
                out.points.push_back(v);
                continue;
            }
            const int font = pendingCode >= 1000 ? 1000 : 0;
            const char c = char(pendingCode - font);
            // The next glyph of the same text lies one advance to the right.
            const bool continues = !out.texts.empty() && out.texts.back().font == font &&
                                   std::fabs(v.x - (lastX + advance)) < 1e-3f && std::fabs(v.y - lastY) < 1e-3f;
            if (continues)
                out.texts.back().text += c;
            else
                out.texts.push_back({std::string(1, c), v.x, v.y, v.r, v.g, v.b, font});
            lastX = v.x;
            lastY = v.y;
            pendingCode = -1;
        } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            const FeedbackVertex a = vertex();
            const FeedbackVertex b = vertex();
            out.lines.push_back({a, b});
        } else if (token == GL_POLYGON_TOKEN) {
            const GLint count = GLint(buffer[std::size_t(i++)]);
            std::vector<FeedbackVertex> p;
            for (GLint k = 0; k < count; ++k) p.push_back(vertex());
            out.polygons.push_back(p);
        } else if (token == GL_BITMAP_TOKEN || token == GL_DRAW_PIXEL_TOKEN || token == GL_COPY_PIXEL_TOKEN) {
            vertex();
        } else {
            break; // unknown token: stop reading
        }
    }
    return out;
}
