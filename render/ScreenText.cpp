#include "render/ScreenText.h"

#include "core/ColorParts.h"
#include "core/Globals.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// Pixels between an anchor and its text, and the least room kept between two
// texts (so that two labels never read as one).
constexpr int Gap = 4;
constexpr int Room = 4;
constexpr int Margin = ScreenTextMargin;
// A direction turns a text to one side of its anchor once it leans that way
// by more than this (a sine).
constexpr double Slant = 0.3;
// The side in pixels of the grid cells that find the texts near a new one.
constexpr int Cell = 32;

struct InstalledFont {
    GlyphAtlas smooth, plain; // metrics only: the pictures live in the textures
    GLuint smoothTexture = 0, plainTexture = 0;
};

std::map<std::uint32_t, std::vector<ScreenText>>& Texts() {
    static std::map<std::uint32_t, std::vector<ScreenText>> texts;
    return texts;
}
std::map<std::int32_t, InstalledFont>& Fonts() {
    static std::map<std::int32_t, InstalledFont> fonts;
    return fonts;
}
DrawnScreenTexts& LastDrawn() {
    static DrawnScreenTexts drawn;
    return drawn;
}

// Back to the starting state between tests (the GL objects belong to a
// context that is gone by then).
[[maybe_unused]] const bool resetRegistered = AddProgramStateReset([] {
    Texts().clear();
    Fonts().clear();
    LastDrawn() = DrawnScreenTexts();
});

// The characters drawn: the ASCII bytes of the text (a byte above 127 is part
// of a character the fonts do not hold).
std::string Drawn(const std::string& text) {
    std::string out;
    for (char c : text)
        if (static_cast<unsigned char>(c) < 128) out += c;
    return out;
}

const GlyphAtlas* Metrics(const ScreenText& t) {
    const auto it = Fonts().find(t.font);
    if (it == Fonts().end()) return nullptr;
    return t.smooth ? &it->second.smooth : &it->second.plain;
}

int Width(const GlyphAtlas& a, const std::string& drawn) {
    int w = 0;
    for (char c : drawn) w += a.advance[std::size_t(static_cast<unsigned char>(c))];
    return w;
}

GLuint Upload(const GlyphAtlas& a) {
    GLuint name = 0;
    glGenTextures(1, &name);
    if (name == 0) return 0;
    glPushAttrib(GL_TEXTURE_BIT);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    glBindTexture(GL_TEXTURE_2D, name);
    // Texels are drawn one to one onto pixels: no filtering, no mipmaps.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA8, a.width, a.height, 0, GL_ALPHA, GL_UNSIGNED_BYTE, a.coverage.data());
    glPopClientAttrib();
    glPopAttrib();
    return name;
}

// A text with what its layout needs.
struct Candidate {
    std::size_t index;
    const GlyphAtlas* atlas;
    std::string drawn;
    double x, y;   // the anchor in window pixels
    double dx, dy; // the unit direction of the text from it on the screen
    int width, height;
    bool onScreen;
};

bool Overlap(const PlacedText& a, const PlacedText& b) {
    return a.left < b.left + b.width + Room && b.left < a.left + a.width + Room &&
           a.bottom < b.bottom + b.height + Room && b.bottom < a.bottom + a.height + Room;
}

} // namespace

std::uint32_t ScreenTextList() {
    GLint list = 0;
    glGetIntegerv(GL_LIST_INDEX, &list);
    return std::uint32_t(list);
}

void AddScreenText(const ScreenText& text) { Texts()[ScreenTextList()].push_back(text); }

void ClearScreenTexts(std::uint32_t list) { Texts().erase(list); }

const std::vector<ScreenText>& ScreenTextsOf(std::uint32_t list) {
    static const std::vector<ScreenText> none;
    const auto it = Texts().find(list);
    return it == Texts().end() ? none : it->second;
}

ScreenView CurrentScreenView() {
    ScreenView v;
    GLint vp[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, vp);
    glGetDoublev(GL_MODELVIEW_MATRIX, v.modelView.data());
    glGetDoublev(GL_PROJECTION_MATRIX, v.projection.data());
    v.viewport = {vp[0], vp[1], vp[2], vp[3]};
    return v;
}

ScreenTextLayout LayOutScreenTexts(std::uint32_t list, const ScreenView& view, ViewEdges edges) {
    ScreenTextLayout layout;
    std::vector<PlacedText>& placed = layout.placed;
    const std::vector<ScreenText>& texts = ScreenTextsOf(list);
    const bool keep = edges == ViewEdges::Keep;
    const std::array<int, 4>& vp = view.viewport;
    const double* mv = view.modelView.data();
    const double* pr = view.projection.data();
    if (texts.empty() || vp[2] <= 0 || vp[3] <= 0) return layout;

    std::vector<Candidate> candidates;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const ScreenText& t = texts[i];
        const GlyphAtlas* atlas = Metrics(t);
        std::string drawn = Drawn(t.text);
        if (atlas == nullptr || drawn.empty()) continue;
        GLdouble wx = 0, wy = 0, wz = 0;
        const GLint viewport[4] = {vp[0], vp[1], vp[2], vp[3]};
        if (gluProject(t.anchor[0], t.anchor[1], t.anchor[2], mv, pr, viewport, &wx, &wy, &wz) != GL_TRUE ||
            !std::isfinite(wx) || !std::isfinite(wy) || !std::isfinite(wz)) {
            layout.leftOut.emplace_back(i, LeftOutText::OutsideView);
            continue;
        }
        const bool onScreen = wz >= 0 && wz <= 1 && wx >= vp[0] && wx <= vp[0] + vp[2] && wy >= vp[1] &&
                              wy <= vp[1] + vp[3];
        // The direction as the eye sees it; one that points (nearly) at the
        // eye puts the text below its anchor.
        const auto& a = t.away;
        const double ex = mv[0] * a[0] + mv[4] * a[1] + mv[8] * a[2];
        const double ey = mv[1] * a[0] + mv[5] * a[1] + mv[9] * a[2];
        const double length = std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
        const double seen = std::hypot(ex, ey);
        double dx = 0, dy = -1;
        if (length > 0 && seen > 0.2 * length) dx = ex / seen, dy = ey / seen;
        int w = Width(*atlas, drawn), h = atlas->capHeight;
        if (t.turned) std::swap(w, h);
        candidates.push_back({i, atlas, std::move(drawn), wx, wy, dx, dy, w, h, onScreen});
    }

    // An axis whose labels all fall within a text's height of each other is
    // seen end-on (or is too short to label): its texts are left out.
    std::map<int, bool> endOn;
    {
        std::map<int, std::vector<const Candidate*>> byAxis;
        for (const Candidate& c : candidates)
            if (texts[c.index].axis != 0 && !texts[c.index].title) byAxis[texts[c.index].axis].push_back(&c);
        for (const auto& [axis, labels] : byAxis) {
            if (labels.size() < 2) continue;
            double left = labels[0]->x, right = left, bottom = labels[0]->y, top = bottom;
            int tallest = 0;
            for (const Candidate* p : labels) {
                tallest = std::max(tallest, p->atlas->capHeight);
                left = std::min(left, p->x), right = std::max(right, p->x);
                bottom = std::min(bottom, p->y), top = std::max(top, p->y);
            }
            endOn[axis] = std::hypot(right - left, top - bottom) < tallest;
        }
    }

    // Labels first, in their order; then each title beyond its axis's labels.
    // A text lies wholly on the side of its anchor that its direction points
    // to (both sides for a slanting direction), else centred on the anchor.
    std::map<int, std::pair<int, int>> extent; // widest and tallest label of each axis
    std::map<std::pair<int, int>, std::vector<std::size_t>> cells;
    const auto place = [&](const Candidate& c, int gapX, int gapY) -> bool {
        if (keep && (!c.onScreen || c.width + 2 * Margin > vp[2] || c.height + 2 * Margin > vp[3])) {
            layout.leftOut.emplace_back(c.index, LeftOutText::OutsideView);
            return false;
        }
        const auto start = [](double at, double d, int size, int gap) {
            if (d < -Slant) return int(std::lround(at)) - gap - size;
            if (d > Slant) return int(std::lround(at)) + gap;
            return int(std::lround(at - size / 2.0));
        };
        PlacedText p{c.index, start(c.x, c.dx, c.width, gapX), start(c.y, c.dy, c.height, gapY), c.width, c.height,
                     c.x, c.y};
        // Inside the drawing area, moved in where it would stick out (with
        // room for ink beyond the box: round glyphs overshoot a little).
        if (keep) {
            const int left = std::clamp(p.left, vp[0] + Margin, vp[0] + vp[2] - Margin - c.width);
            const int bottom = std::clamp(p.bottom, vp[1] + Margin, vp[1] + vp[3] - Margin - c.height);
            p.movedIn = left != p.left || bottom != p.bottom;
            p.left = left, p.bottom = bottom;
        }
        // Placed texts are found through the cells of a coarse grid they touch.
        const auto cell = [](int v) { return v >= 0 ? v / Cell : -((Cell - 1 - v) / Cell); };
        const int x0 = cell(p.left - Room), x1 = cell(p.left + p.width + Room);
        const int y0 = cell(p.bottom - Room), y1 = cell(p.bottom + p.height + Room);
        for (int cx = x0; cx <= x1; ++cx)
            for (int cy = y0; cy <= y1; ++cy)
                if (const auto it = cells.find({cx, cy}); it != cells.end())
                    for (std::size_t k : it->second)
                        if (Overlap(p, placed[k])) {
                            layout.leftOut.emplace_back(c.index, LeftOutText::Covering);
                            return false;
                        }
        for (int cx = x0; cx <= x1; ++cx)
            for (int cy = y0; cy <= y1; ++cy) cells[{cx, cy}].push_back(placed.size());
        placed.push_back(p);
        return true;
    };
    for (const Candidate& c : candidates) {
        const ScreenText& t = texts[c.index];
        if (t.title) continue;
        if (endOn[t.axis]) {
            layout.leftOut.emplace_back(c.index, LeftOutText::EndOn);
            continue;
        }
        if (place(c, Gap, Gap) && t.axis != 0) {
            auto& e = extent[t.axis];
            e = {std::max(e.first, c.width), std::max(e.second, c.height)};
        }
    }
    for (const Candidate& c : candidates) {
        const ScreenText& t = texts[c.index];
        if (!t.title) continue;
        if (endOn[t.axis]) {
            layout.leftOut.emplace_back(c.index, LeftOutText::EndOn);
            continue;
        }
        const auto e = extent.find(t.axis);
        if (t.axis == 0 || e == extent.end())
            place(c, Gap, Gap);
        else
            place(c, std::fabs(c.dx) > Slant ? 2 * Gap + e->second.first : Gap,
                  std::fabs(c.dy) > Slant ? 2 * Gap + e->second.second : Gap);
    }
    return layout;
}

std::vector<PlacedText> LayOutScreenTexts(std::uint32_t list) {
    return LayOutScreenTexts(list, CurrentScreenView(), ViewEdges::Keep).placed;
}

const DrawnScreenTexts& LastDrawnScreenTexts() { return LastDrawn(); }

void DrawScreenTexts(std::uint32_t list) {
    DrawnScreenTexts& drawn = LastDrawn();
    drawn.list = list;
    drawn.view = CurrentScreenView();
    drawn.layout = LayOutScreenTexts(list, drawn.view, ViewEdges::Keep);
    const std::vector<PlacedText>& placed = drawn.layout.placed;
    if (placed.empty()) return;
    const std::vector<ScreenText>& texts = ScreenTextsOf(list);
    const std::array<int, 4>& vp = drawn.view.viewport;

    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_TEXTURE);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(vp[0], vp[0] + vp[2], vp[1], vp[1] + vp[3], -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    for (GLenum cap : {GL_LIGHTING, GL_DEPTH_TEST, GL_CULL_FACE, GL_FOG, GL_COLOR_MATERIAL, GL_ALPHA_TEST,
                       GL_STENCIL_TEST, GL_SCISSOR_TEST, GL_POLYGON_SMOOTH, GL_POLYGON_STIPPLE, GL_TEXTURE_GEN_S,
                       GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R, GL_TEXTURE_GEN_Q, GL_COLOR_LOGIC_OP, GL_TEXTURE_1D})
        glDisable(cap);
    GLint planes = 6;
    glGetIntegerv(GL_MAX_CLIP_PLANES, &planes);
    for (GLint i = 0; i < planes; ++i) glDisable(GLenum(GL_CLIP_PLANE0 + i));
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    // The picture stays opaque: blending changes the colours only.
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    for (const PlacedText& p : placed) {
        const ScreenText& t = texts[p.index];
        const InstalledFont& font = Fonts().at(t.font);
        const GlyphAtlas& a = t.smooth ? font.smooth : font.plain;
        glBindTexture(GL_TEXTURE_2D, t.smooth ? font.smoothTexture : font.plainTexture);
        const ColorBytes rgb = ColorParts(t.colour);
        glColor4f(float(rgb.red / 255.0), float(rgb.green / 255.0), float(rgb.blue / 255.0), 1.0f);
        // The pen runs along the baseline: rightwards, or downwards (glyph tops
        // to the right) for a turned text.
        int penX = p.left, penY = p.bottom;
        int ux = 1, uy = 0, vx = 0, vy = 1;
        if (t.turned) penY = p.bottom + p.height, ux = 0, uy = -1, vx = 1, vy = 0;
        const double sw = 1.0 / a.width, th = 1.0 / a.height;
        const int gx0 = -a.originX, gx1 = a.cellWidth - a.originX;
        const int gy0 = -(a.cellHeight - a.baselineY), gy1 = a.baselineY;
        glBegin(GL_QUADS);
        for (char ch : Drawn(t.text)) {
            const int code = static_cast<unsigned char>(ch);
            const int cellLeft = (code % GlyphAtlas::Columns) * a.cellWidth;
            const int cellTop = (code / GlyphAtlas::Columns) * a.cellHeight;
            const auto corner = [&](int gx, int gy) {
                glTexCoord2d((cellLeft + a.originX + gx) * sw, (cellTop + a.baselineY - gy) * th);
                glVertex2i(penX + ux * gx + vx * gy, penY + uy * gx + vy * gy);
            };
            corner(gx0, gy0);
            corner(gx1, gy0);
            corner(gx1, gy1);
            corner(gx0, gy1);
            penX += ux * a.advance[std::size_t(code)];
            penY += uy * a.advance[std::size_t(code)];
        }
        glEnd();
    }

    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_TEXTURE);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}

bool InstallScreenFont(std::int32_t font, const GlyphAtlas& smooth, const GlyphAtlas& plain) {
    if (!smooth.Usable() || !plain.Usable()) return false;
    InstalledFont installed;
    installed.smoothTexture = Upload(smooth);
    installed.plainTexture = Upload(plain);
    if (installed.smoothTexture == 0 || installed.plainTexture == 0) {
        for (GLuint t : {installed.smoothTexture, installed.plainTexture})
            if (t != 0) glDeleteTextures(1, &t);
        return false;
    }
    installed.smooth = smooth;
    installed.plain = plain;
    installed.smooth.coverage.clear();
    installed.plain.coverage.clear();
    Fonts()[font] = std::move(installed);
    return true;
}

void ReleaseScreenFonts() {
    for (auto& [base, font] : Fonts())
        for (GLuint t : {font.smoothTexture, font.plainTexture})
            if (t != 0) glDeleteTextures(1, &t);
    Fonts().clear();
}

void ForgetScreenFonts() { Fonts().clear(); }

const GlyphAtlas* ScreenFontMetrics(std::int32_t font) {
    const auto it = Fonts().find(font);
    return it == Fonts().end() ? nullptr : &it->second.smooth;
}

int ScreenTextWidth(std::int32_t font, const std::string& text) {
    const GlyphAtlas* a = ScreenFontMetrics(font);
    return a == nullptr ? 0 : Width(*a, Drawn(text));
}
