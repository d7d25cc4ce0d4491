// The coordinate systems of space, strip and special-graph documents.
// In space and strip documents the X axis runs along drawing z, Y along
// drawing x and Z along drawing y (up); the panels lie on the box's faces at
// its minimum coordinates. The special frame lies in the plane z = MinY.
#include "core/ColorService.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/RegionalNumbers.h"
#include "render/AxesReach.h"
#include "render/DrawingState.h"
#include "render/GlText.h"
#include "render/ScreenText.h"
#include "scene/Cls11.h"
#include "scene/Cls3.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

// Most intervals one axis is divided into: the tick batch (three axes, both
// ends) stays within MaxLinesPerPass lines.
constexpr std::int64_t MaxIntervals = MaxLinesPerPass / 3 - 1;

// An interval count as drawn: at least 1, at most MaxIntervals.
std::int64_t Intervals(std::int32_t count) { return std::clamp<std::int64_t>(count, 1, MaxIntervals); }

// Tick label of a space or strip axis: one decimal, in the user's regional
// format ("1,250.0", "1.250,0").
std::string TickLabel(double value) { return RegionalFixedText(value, 1); }

constexpr std::int32_t Blue = RGB(0, 0, 255);
constexpr std::int32_t Black = RGB(0, 0, 0);

void Vertex(double x, double y, double z) { glVertex3f(float(x), float(y), float(z)); }

void SetColor(const Cls3::Rgb& c) { glColor3f(c.red, c.green, c.blue); }

// A red cone 0.5 long pointing along the local z axis, at the current matrix.
void Arrowhead() {
    GLUquadric* quadric = gluNewQuadric();
    if (quadric == nullptr) return;
    gluCylinder(quadric, 0.2, 0, 0.5, 16, 16);
    gluDeleteQuadric(quadric);
}

} // namespace

void Cls3::DrawSpaceAxes(float sngMinX, float sngMaxX, float sngMinY, float sngMaxY, float sngMinZ,
                         float sngMaxZ) const {
    const bool strip = DocumentKind == 2 || DocumentKind == 5;
    double x0 = sngMinX, x1 = sngMaxX, y0 = sngMinY, y1 = sngMaxY, z0 = sngMinZ, z1 = sngMaxZ;
    PlanePolygonState();

    if (!strip && AxisStyle != static_cast<std::int32_t>(::AxisStyle::Panels)) {
        // Three blue lines through the origin with red arrowheads.
        BeginLineState();
        x0 = std::min(x0, 0.0), y0 = std::min(y0, 0.0), z0 = std::min(z0, 0.0);
        x1 = std::max(x1, 0.0), y1 = std::max(y1, 0.0), z1 = std::max(z1, 0.0);
        glColor3f(0, 0, 1);
        glLineWidth(1);
        glBegin(GL_LINES);
        Vertex(0, 0, z0 - 2), Vertex(0, 0, z1 + 2);
        Vertex(0, y0 - 2, 0), Vertex(0, y1 + 2, 0);
        Vertex(x0 - 2, 0, 0), Vertex(x1 + 2, 0, 0);
        glEnd();
        EndLineState();
        glColor3f(1, 0, 0);
        glPushMatrix();
        glTranslated(0, 0, z1 + 2);
        Arrowhead();
        glPopMatrix();
        glPushMatrix();
        glTranslated(x1 + 2, 0, 0);
        glRotated(90, 0, 1, 0);
        Arrowhead();
        glPopMatrix();
        glPushMatrix();
        glTranslated(0, y1 + 2, 0);
        glRotated(-90, 1, 0, 0);
        Arrowhead();
        glPopMatrix();
        return;
    }

    // A strip's depth is always drawn as 0 to 3.
    if (strip) z0 = 0, z1 = 3;
    const std::int64_t nX = Intervals(LabelNumX), nY = Intervals(LabelNumY), nZ = Intervals(LabelNumZ);
    const double dz = float((z1 - z0) / double(nX));
    const double dx = float((x1 - x0) / double(nY));
    const double dy = float((y1 - y0) / double(nZ));

    // Panels, lit, each with its material (set whether or not it is shown).
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    Cls11 material;
    const auto panel = [&](std::int32_t preset, bool shown, std::int32_t colour, const std::array<float, 3>& normal,
                           const std::array<std::array<double, 3>, 4>& corners) {
        material.SetMaterial(preset);
        if (!shown) return;
        SetColor(SplitColor(colour));
        glBegin(GL_QUADS);
        glNormal3f(normal[0], normal[1], normal[2]);
        for (const auto& c : corners) Vertex(c[0], c[1], c[2]);
        glEnd();
    };
    panel(YZPanelMaterial, ShowYZPanel, YZPanelColor, {0, 0, 1},
          {{{x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0}}});
    panel(XZPanelMaterial, ShowXZPanel, XZPanelColor, {1, 0, 0},
          {{{x0, y0, z0}, {x0, y1, z0}, {x0, y1, z1}, {x0, y0, z1}}});
    panel(XYPanelMaterial, ShowXYPanel, XYPanelColor, {0, 1, 0},
          {{{x0, y0, z0}, {x0, y0, z1}, {x1, y0, z1}, {x1, y0, z0}}});
    glDisable(GL_COLOR_MATERIAL);

    // Panel grids: lines at every tick of an axis, both panel edges included.
    BeginLineState();
    glLineWidth(1);
    const auto grid = [](bool shown, std::int64_t n, auto&& from, auto&& to) {
        if (!shown) return;
        glBegin(GL_LINES);
        for (std::int64_t i = 0; i <= n; ++i) {
            const auto a = from(double(i)), b = to(double(i));
            Vertex(a[0], a[1], a[2]);
            Vertex(b[0], b[1], b[2]);
        }
        glEnd();
    };
    using P = std::array<double, 3>;
    SetColor(SplitColor(YZGridColor));
    grid(ShowYZYGrid, nY, [&](double i) { return P{x0 + i * dx, y0, z0}; }, [&](double i) { return P{x0 + i * dx, y1, z0}; });
    grid(ShowYZZGrid, nZ, [&](double i) { return P{x0, y0 + i * dy, z0}; }, [&](double i) { return P{x1, y0 + i * dy, z0}; });
    SetColor(SplitColor(XZGridColor));
    grid(ShowXZXGrid, nX, [&](double i) { return P{x0, y0, z0 + i * dz}; }, [&](double i) { return P{x0, y1, z0 + i * dz}; });
    grid(ShowXZZGrid, nZ, [&](double i) { return P{x0, y0 + i * dy, z0}; }, [&](double i) { return P{x0, y0 + i * dy, z1}; });
    SetColor(SplitColor(XYGridColor));
    grid(ShowXYXGrid, nX, [&](double i) { return P{x0, y0, z0 + i * dz}; }, [&](double i) { return P{x1, y0, z0 + i * dz}; });
    grid(ShowXYYGrid, nY, [&](double i) { return P{x0 + i * dx, y0, z0}; }, [&](double i) { return P{x0 + i * dx, y0, z1}; });

    // Label tables, one entry per tick.
    std::vector<std::string> xLabels, yLabels, zLabels;
    for (std::int64_t i = 0; i <= nX; ++i) xLabels.push_back(TickLabel(z0 + double(i) * dz));
    for (std::int64_t i = 0; i <= nY; ++i) yLabels.push_back(TickLabel(x0 + double(i) * dx));
    for (std::int64_t i = 0; i <= nZ; ++i) zLabels.push_back(TickLabel(y0 + double(i) * dy));

    // Ticks 0.3 long; a strip has no X ticks.
    PlainLineState();
    glColor3f(0, 0, 0);
    glBegin(GL_LINES);
    if (!strip)
        for (std::int64_t i = 0; i <= nX; ++i) {
            Vertex(x1, y0, z0 + double(i) * dz);
            Vertex(x1, y0 - 0.3, z0 + double(i) * dz);
        }
    for (std::int64_t i = 0; i <= nY; ++i) {
        Vertex(x0 + double(i) * dx, y0, z1);
        Vertex(x0 + double(i) * dx, y0 - 0.3, z1);
    }
    for (std::int64_t i = 0; i <= nZ; ++i) {
        Vertex(x0, y0 + double(i) * dy, z1);
        Vertex(x0 - 0.3, y0 + double(i) * dy, z1);
    }
    glEnd();

    // Labels and titles in blue, upright in pixels (render/ScreenText.h),
    // each beside the end of its tick, away from the box: Y labels below the
    // front edge, Z labels left of the left edge, X labels below the right
    // edge; each title beyond its labels, the Z title reading downwards.
    const auto text = [&](std::int32_t font, const std::string& t, const P& anchor, const P& away, int axis,
                          bool title, bool turned) {
        AddScreenText({.text = t, .font = font, .colour = Blue, .anchor = anchor, .away = away, .axis = axis,
                       .title = title, .turned = turned});
    };
    const P belowFront{0, -1, 1}, leftFront{-1, 0, 1}, belowRight{1, -1, 0};
    for (std::int64_t i = 0; i <= nY; ++i)
        text(LabelFontBase, yLabels[std::size_t(i)], P{x0 + double(i) * dx, y0 - 0.3, z1}, belowFront, 2, false,
             false);
    text(TitleFontBase, TitleY, P{(x0 + x1) / 2, y0 - 0.3, z1}, belowFront, 2, true, false);
    for (std::int64_t i = 0; i <= nZ; ++i)
        text(LabelFontBase, zLabels[std::size_t(i)], P{x0 - 0.3, y0 + double(i) * dy, z1}, leftFront, 3, false,
             false);
    text(TitleFontBase, TitleZ, P{x0 - 0.3, (y0 + y1) / 2, z1}, leftFront, 3, true, true);
    if (!strip) {
        for (std::int64_t i = 0; i <= nX; ++i)
            text(LabelFontBase, xLabels[std::size_t(i)], P{x1, y0 - 0.3, z0 + double(i) * dz}, belowRight, 1, false,
                 false);
        text(TitleFontBase, TitleX, P{x1, y0 - 0.3, (z0 + z1) / 2}, belowRight, 1, true, false);
    }
    glEnable(GL_LIGHTING);
}

void Cls3::DrawSpecialFrame(float sngMinX, float sngMaxX, float sngMinY, float sngMinZ, float sngMaxZ) const {
    const double x0 = sngMinX, x1 = sngMaxX, z0 = sngMinZ, z1 = sngMaxZ, plane = sngMinY;
    glDisable(GL_LIGHTING);
    PlanePolygonState();

    // Ticks and labels at every whole number inside the frame but its
    // bottom-left corner; one pass draws at most MaxLinesPerPass ticks.
    const double firstX = std::floor(x0), firstZ = std::floor(z0);
    const auto count = [](double n) -> std::int64_t {
        if (!(n >= 0)) return 0;
        return n >= double(MaxLinesPerPass / 2) ? MaxLinesPerPass / 2 : std::int64_t(n);
    };
    const std::int64_t nx = count(std::floor(x1) - firstX), nz = count(std::floor(z1) - firstZ);
    std::vector<std::string> xLabels, zLabels;
    for (std::int64_t i = 1; i <= nx; ++i) xLabels.push_back(DoublePlainText(firstX + double(i)));
    for (std::int64_t i = 1; i <= nz; ++i) zLabels.push_back(DoublePlainText(firstZ + double(i)));

    PlainLineState();
    glColor3f(0, 0, 0);
    glLineWidth(1);
    glBegin(GL_LINES);
    for (std::int64_t i = 1; i <= nx; ++i) {
        Vertex(firstX + double(i), z0, plane);
        Vertex(firstX + double(i), z0 - SpecialTickLength, plane);
    }
    for (std::int64_t i = 1; i <= nz; ++i) {
        Vertex(x0, firstZ + double(i), plane);
        Vertex(x0 - SpecialTickLength, firstZ + double(i), plane);
    }
    glEnd();

    SetLineWidth(AxisWidth);
    SetColor(SplitColor(AxisColor));
    glBegin(GL_LINES);
    Vertex(x0, z0, plane), Vertex(x1, z0, plane);
    Vertex(x0, z0, plane), Vertex(x0, z1, plane);
    Vertex(x1, z1, plane), Vertex(x1, z0, plane);
    Vertex(x1, z1, plane), Vertex(x0, z1, plane);
    glEnd();

    // Texts upright in pixels (render/ScreenText.h): the horizontal labels
    // below their ticks, the vertical ones left of theirs, each title beyond
    // its labels; smoothed fonts are antialiased.
    const auto text = [&](std::int32_t font, const std::string& t, double x, double y, double awayX, double awayY,
                          int axis, bool title, std::int32_t colour) {
        AddScreenText({.text = t, .font = font, .colour = colour, .anchor = {x, y, plane}, .away = {awayX, awayY, 0},
                       .axis = axis, .title = title, .smooth = BetterFonts});
    };
    const std::int32_t labelColour = RGB(20, 20, 20);
    for (std::int64_t i = 1; i <= nx; ++i)
        text(LabelFontBase, xLabels[std::size_t(i - 1)], firstX + double(i), z0 - SpecialTickLength, 0, -1, 1, false, labelColour);
    for (std::int64_t i = 1; i <= nz; ++i)
        text(LabelFontBase, zLabels[std::size_t(i - 1)], x0 - SpecialTickLength, firstZ + double(i), -1, 0, 2, false, labelColour);
    text(TitleFontBase, "X", (x1 - x0) / 2 + x0, z0 - SpecialTickLength, 0, -1, 1, true, Black);
    text(TitleFontBase, "Y", x0 - SpecialTickLength, (z1 - z0) / 2 + z0, -1, 0, 2, true, Black);
    glEnable(GL_LIGHTING);
}
