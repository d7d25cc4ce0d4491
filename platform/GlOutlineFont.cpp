#include "platform/GlOutlineFont.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QOpenGLContext>
#include <QPainterPath>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <vector>

namespace {

// The glyphs are laid out at this pixel size, the em of the common TrueType
// fonts: their outlines then come in whole font units, unhinted, and Qt's
// curve flattening (half a pixel) is fine enough to look smooth at any size.
constexpr double EmPixels = 2048.0;

struct Point {
    double x, y;
};
using Contour = std::vector<Point>;

// Runs the GLU tessellator over a glyph's contours. In triangle mode the
// result is a list of triangles, counter-clockwise seen from +z; in boundary
// mode it is the outline of the filled region as closed loops, each with the
// filled side on its left.
class Tessellation {
public:
    Tessellation() : tess_(gluNewTess()) {}
    ~Tessellation() {
        if (tess_) gluDeleteTess(tess_);
    }
    Tessellation(const Tessellation&) = delete;
    Tessellation& operator=(const Tessellation&) = delete;

    bool Valid() const { return tess_ != nullptr; }

    // False when the tessellator reported an error.
    bool Run(const std::vector<Contour>& contours, GLenum windingRule, bool boundaryOnly) {
        triangles.clear();
        loops.clear();
        current_.clear();
        failed_ = false;
        // GLU keeps pointers to the coordinates until the polygon ends: they
        // (and the vertices made where edges cross) live in stable storage.
        std::deque<std::array<GLdouble, 3>> input;
        combined_.clear();
        for (const Contour& c : contours)
            for (const Point& p : c) input.push_back({p.x, p.y, 0.0});

        gluTessProperty(tess_, GLU_TESS_WINDING_RULE, windingRule);
        gluTessProperty(tess_, GLU_TESS_BOUNDARY_ONLY, boundaryOnly ? GL_TRUE : GL_FALSE);
        gluTessNormal(tess_, 0.0, 0.0, 1.0);
        gluTessCallback(tess_, GLU_TESS_BEGIN_DATA, reinterpret_cast<_GLUfuncptr>(&Begin));
        gluTessCallback(tess_, GLU_TESS_VERTEX_DATA, reinterpret_cast<_GLUfuncptr>(&Vertex));
        gluTessCallback(tess_, GLU_TESS_END_DATA, reinterpret_cast<_GLUfuncptr>(&End));
        gluTessCallback(tess_, GLU_TESS_COMBINE_DATA, reinterpret_cast<_GLUfuncptr>(&Combine));
        gluTessCallback(tess_, GLU_TESS_ERROR_DATA, reinterpret_cast<_GLUfuncptr>(&Error));
        // With an edge-flag callback the tessellator emits plain triangles only.
        gluTessCallback(tess_, GLU_TESS_EDGE_FLAG_DATA,
                        boundaryOnly ? nullptr : reinterpret_cast<_GLUfuncptr>(&EdgeFlag));

        gluTessBeginPolygon(tess_, this);
        std::size_t k = 0;
        for (const Contour& c : contours) {
            gluTessBeginContour(tess_);
            for (std::size_t i = 0; i < c.size(); ++i, ++k)
                gluTessVertex(tess_, input[k].data(), input[k].data());
            gluTessEndContour(tess_);
        }
        gluTessEndPolygon(tess_);
        combined_.clear();
        return !failed_;
    }

    std::vector<Point> triangles;      // three points per triangle
    std::vector<Contour> loops;        // boundary mode

private:
    static void Begin(GLenum type, void* self) {
        auto* t = static_cast<Tessellation*>(self);
        t->mode_ = type;
        t->current_.clear();
    }
    static void Vertex(void* vertex, void* self) {
        auto* t = static_cast<Tessellation*>(self);
        const auto* v = static_cast<const GLdouble*>(vertex);
        if (t->mode_ == GL_TRIANGLES)
            t->triangles.push_back({v[0], v[1]});
        else
            t->current_.push_back({v[0], v[1]});
    }
    static void End(void* self) {
        auto* t = static_cast<Tessellation*>(self);
        if (t->mode_ == GL_LINE_LOOP && t->current_.size() >= 3) t->loops.push_back(t->current_);
        else if (t->mode_ != GL_TRIANGLES && t->mode_ != GL_LINE_LOOP) t->failed_ = true;
        t->current_.clear();
    }
    static void Combine(GLdouble coords[3], void* /*neighbours*/[4], GLfloat /*weights*/[4], void** out,
                        void* self) {
        auto* t = static_cast<Tessellation*>(self);
        t->combined_.push_back({coords[0], coords[1], coords[2]});
        *out = t->combined_.back().data();
    }
    static void EdgeFlag(GLboolean /*flag*/, void* /*self*/) {}
    static void Error(GLenum /*code*/, void* self) { static_cast<Tessellation*>(self)->failed_ = true; }

    GLUtesselator* tess_;
    GLenum mode_ = GL_TRIANGLES;
    Contour current_;
    std::deque<std::array<GLdouble, 3>> combined_;
    bool failed_ = false;
};

// The glyph's closed contours in em units, y up, without repeated points.
std::vector<Contour> GlyphContours(const QPainterPath& path) {
    std::vector<Contour> contours;
    for (const QPolygonF& poly : path.toSubpathPolygons()) {
        Contour c;
        c.reserve(static_cast<std::size_t>(poly.size()));
        for (const QPointF& q : poly) {
            const Point p{q.x() / EmPixels, -q.y() / EmPixels};
            if (!c.empty() && c.back().x == p.x && c.back().y == p.y) continue;
            c.push_back(p);
        }
        while (c.size() > 1 && c.front().x == c.back().x && c.front().y == c.back().y) c.pop_back();
        if (c.size() >= 3) contours.push_back(std::move(c));
    }
    return contours;
}

void EmitGlyph(const std::vector<Point>& triangles, const std::vector<Contour>& loops, float depth) {
    const float back = -depth;
    glBegin(GL_TRIANGLES);
    glNormal3f(0.0f, 0.0f, 1.0f);
    for (const Point& p : triangles) glVertex3f(float(p.x), float(p.y), 0.0f);
    // The back face is seen from -z: its triangles run the other way round.
    glNormal3f(0.0f, 0.0f, -1.0f);
    for (std::size_t i = 0; i + 2 < triangles.size(); i += 3)
        for (std::size_t j : {i, i + 2, i + 1})
            glVertex3f(float(triangles[j].x), float(triangles[j].y), back);

    // Side walls: the filled region is left of each loop edge, so the outward
    // normal points to its right. Each wall is two triangles, counter-clockwise
    // seen from outside (triangles rather than quads, which some drivers drop
    // from display lists in feedback mode).
    for (const Contour& loop : loops) {
        for (std::size_t i = 0; i < loop.size(); ++i) {
            const Point& a = loop[i];
            const Point& b = loop[(i + 1) % loop.size()];
            const double dx = b.x - a.x, dy = b.y - a.y;
            const double len = std::sqrt(dx * dx + dy * dy);
            if (len == 0.0) continue;
            const float ax = float(a.x), ay = float(a.y), bx = float(b.x), by = float(b.y);
            glNormal3f(float(dy / len), float(-dx / len), 0.0f);
            glVertex3f(ax, ay, 0.0f);
            glVertex3f(ax, ay, back);
            glVertex3f(bx, by, back);
            glVertex3f(ax, ay, 0.0f);
            glVertex3f(bx, by, back);
            glVertex3f(bx, by, 0.0f);
        }
    }
    glEnd();
}

} // namespace

std::string OutlineFontFamily(const std::string& faceName) {
    const QString face = QString::fromStdString(faceName);
    const QString twin = QStringLiteral("Liberation Sans");
    if (face.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) == 0 && QFontDatabase::hasFamily(twin))
        return twin.toStdString();
    if (QFontDatabase::hasFamily(face)) return face.toStdString();
    QFont probe(face);
    probe.setStyleHint(QFont::SansSerif);
    return QFontInfo(probe).family().toStdString();
}

bool BuildOutlineFontLists(unsigned firstList, const std::string& faceName, int weight, bool italic,
                           float extrusion) {
    if (firstList == 0 || !QOpenGLContext::currentContext()) return false;
    GLint compiling = 0;
    glGetIntegerv(GL_LIST_INDEX, &compiling);
    if (compiling != 0) return false;

    QFont font(QString::fromStdString(OutlineFontFamily(faceName)));
    font.setPixelSize(int(EmPixels));
    font.setWeight(QFont::Weight(weight <= 0 ? 400 : std::clamp(weight, 100, 900)));
    font.setItalic(italic);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferOutline));
    const QFontMetricsF metrics(font);

    Tessellation tess;
    if (!tess.Valid()) return false;

    // Errors left by earlier calls are not ours to report.
    for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {}

    for (int code = 0; code < OutlineFontGlyphCount; ++code) {
        const bool control = code < 32 || code == 127;
        const QChar ch(static_cast<char16_t>(code));
        const double advance = control ? 0.0 : metrics.horizontalAdvance(ch) / EmPixels;

        std::vector<Point> triangles;
        std::vector<Contour> loops;
        if (!control) {
            QPainterPath path;
            path.addText(0.0, 0.0, font, QString(ch));
            const std::vector<Contour> contours = GlyphContours(path);
            if (!contours.empty()) {
                const GLenum rule = path.fillRule() == Qt::OddEvenFill ? GLU_TESS_WINDING_ODD
                                                                       : GLU_TESS_WINDING_NONZERO;
                if (!tess.Run(contours, rule, false)) return false;
                triangles = std::move(tess.triangles);
                if (!tess.Run(contours, rule, true)) return false;
                loops = std::move(tess.loops);
            }
        }

        glNewList(firstList + unsigned(code), GL_COMPILE);
        if (!triangles.empty()) EmitGlyph(triangles, loops, extrusion);
        glTranslatef(float(advance), 0.0f, 0.0f);
        glEndList();
    }
    return glGetError() == GL_NO_ERROR;
}

namespace {

int PowerOfTwoAtLeast(int n) {
    int p = 1;
    while (p < n) p *= 2;
    return p;
}

} // namespace

std::optional<GlyphAtlas> BuildGlyphAtlas(const std::string& faceName, int pixelSize, int weight, bool italic,
                                          bool smooth) {
    if (pixelSize < 4 || pixelSize > 200) return std::nullopt;
    QFont font(QString::fromStdString(OutlineFontFamily(faceName)));
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(weight <= 0 ? 400 : std::clamp(weight, 100, 900)));
    font.setItalic(italic);
    font.setKerning(false);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::NoSubpixelAntialias |
                                               (smooth ? QFont::PreferAntialias : QFont::NoAntialias)));
    const QFontMetrics metrics(font);

    GlyphAtlas atlas;
    atlas.ascent = metrics.ascent();
    atlas.descent = metrics.descent();
    atlas.capHeight = metrics.capHeight() > 0 ? int(std::lround(metrics.capHeight())) : metrics.ascent();
    int widest = 0;
    for (int code = 32; code < 127; ++code) {
        atlas.advance[std::size_t(code)] = metrics.horizontalAdvance(QChar(char16_t(code)));
        widest = std::max(widest, atlas.advance[std::size_t(code)]);
    }
    if (widest <= 0 || atlas.ascent <= 0) return std::nullopt;

    // Room around the pen for ink beyond the advance (italics, overhangs).
    const int pad = 2 + pixelSize / 4;
    atlas.cellWidth = widest + 2 * pad;
    atlas.cellHeight = atlas.ascent + atlas.descent + 2 * pad;
    atlas.originX = pad;
    atlas.baselineY = pad + atlas.ascent;
    atlas.width = PowerOfTwoAtLeast(GlyphAtlas::Columns * atlas.cellWidth);
    atlas.height = PowerOfTwoAtLeast((GlyphAtlas::Codes / GlyphAtlas::Columns) * atlas.cellHeight);

    // Black on white, as the desktop draws text on a window: the coverage
    // then has the desktop's weight (its smoothing blends with a gamma).
    QImage picture(atlas.width, atlas.height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.setRenderHint(QPainter::TextAntialiasing, smooth);
        for (int code = 33; code < 127; ++code) {
            const int left = (code % GlyphAtlas::Columns) * atlas.cellWidth;
            const int top = (code / GlyphAtlas::Columns) * atlas.cellHeight;
            painter.drawText(QPoint(left + atlas.originX, top + atlas.baselineY), QString(QChar(char16_t(code))));
        }
    }
    atlas.coverage.resize(std::size_t(atlas.width) * std::size_t(atlas.height));
    for (int y = 0; y < atlas.height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < atlas.width; ++x)
            atlas.coverage[std::size_t(y) * std::size_t(atlas.width) + std::size_t(x)] =
                std::uint8_t(255 - qGray(row[x]));
    }
    return atlas;
}
