// The coordinate system of plane documents: axes with arrowheads, ticks,
// labels and titles; the primary and secondary grids; the shaded background.
// Everything lies in z = 0, a value v drawn at v / Scale2D.
#include "core/ColorService.h"
#include "core/NumberText.h"
#include "render/AxesReach.h"
#include "render/DrawingState.h"
#include "render/GlText.h"
#include "render/ScreenText.h"
#include "scene/BackStyles.h"
#include "scene/Cls3.h"
#include "scene/Cls8.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

// Ticks or grid lines on one side of an axis whose box bound (moved 0.04
// toward the origin) is `bound`: the whole steps to it, plus one. Huge, or
// not finite when the drawing unit is not usable.
double SideCount(double bound, double step) { return std::floor(std::fabs(bound) / step) + 1; }

// A side count limited to `cap` lines; 0 when it is not a number.
std::int64_t Drawn(double count, std::int64_t cap) {
    if (!(count >= 0)) return 0;
    return count >= double(cap) ? cap : std::int64_t(count);
}

// One line as its own batch; left out when a coordinate is not finite.
void Line(double x1, double y1, double x2, double y2) {
    const float v[4] = {float(x1), float(y1), float(x2), float(y2)};
    for (float c : v)
        if (!std::isfinite(c)) return;
    glBegin(GL_LINES);
    glVertex3f(v[0], v[1], 0);
    glVertex3f(v[2], v[3], 0);
    glEnd();
}

void SetColor(const Cls3::Rgb& c) { glColor3f(c.red, c.green, c.blue); }

// The text with a minus sign before it (built in place: GCC 12 warns falsely
// on joining a literal and a string).
std::string Negative(std::string text) {
    text.insert(text.begin(), '-');
    return text;
}

} // namespace

double PlaneOutermostTick(double bound, double step, bool lower) {
    const double count = SideCount(bound + (lower ? 0.04 : -0.04), step);
    return (lower ? -count : count) * step;
}

void Cls3::DrawPlaneAxes(float sngMinX, float sngMaxX, float sngMinY, float sngMaxY) const {
    const double scale = Scale2D;
    const double step = PlaneTickStep(Scale2D);
    const double k = step / scale;
    const double sx = ShowPI ? PlanePiStep : step;
    const double kx = ShowPI ? PlanePiStep / scale : k;

    const double negX = SideCount(sngMinX + 0.04, sx);
    const double posX = SideCount(sngMaxX - 0.04, sx);
    const double negY = SideCount(sngMinY + 0.04, step);
    const double posY = SideCount(sngMaxY - 0.04, step);
    // Every drawn tick is labelled; one pass draws at most MaxLinesPerPass ticks.
    const int perInterval = ShowSecondaryLabel ? 5 : 1;
    const std::int64_t cap = MaxLinesPerPass / (4 * perInterval);
    const std::int64_t nNegX = Drawn(negX, cap), nPosX = Drawn(posX, cap);
    const std::int64_t nNegY = Drawn(negY, cap), nPosY = Drawn(posY, cap);

    // Label texts of ticks 1..n of each side.
    const auto number = [&](std::int64_t i) { return DoublePlainText(double(i) * step); };
    const auto piText = [](std::int64_t i) {
        std::string text = i == 1 ? std::string() : LongText(i);
        text += "pi";
        return text;
    };
    std::vector<std::string> negXLabels, posXLabels, negYLabels, posYLabels;
    for (std::int64_t i = 1; i <= nNegX; ++i) negXLabels.push_back(Negative(ShowPI ? piText(i) : number(i)));
    for (std::int64_t i = 1; i <= nPosX; ++i) posXLabels.push_back(ShowPI ? piText(i) : number(i));
    for (std::int64_t i = 1; i <= nNegY; ++i) negYLabels.push_back(Negative(number(i)));
    for (std::int64_t i = 1; i <= nPosY; ++i) posYLabels.push_back(number(i));

    PlanePolygonState();
    glDisable(GL_LIGHTING);

    // Ticks on the positive side of their axis: minor ones 0.3 long inside each
    // interval, the major one 0.5 long at its end.
    PlainLineState();
    glColor3f(0, 0, 0);
    glLineWidth(1);
    glBegin(GL_LINES);
    const auto ticks = [&](double sign, double unit, std::int64_t n, bool onX) {
        const auto tick = [&](double t, double length) {
            if (!std::isfinite(t)) return;
            if (onX) {
                glVertex3d(t, 0, 0);
                glVertex3d(t, length, 0);
            } else {
                glVertex3d(0, t, 0);
                glVertex3d(length, t, 0);
            }
        };
        for (std::int64_t j = 0; j < n; ++j) {
            if (ShowSecondaryLabel)
                for (double f : {0.2, 0.4, 0.6, 0.8}) tick(sign * (double(j) + f) * unit, 0.3);
            tick(sign * double(j + 1) * unit, 0.5);
        }
    };
    ticks(-1, kx, nNegX, true);
    ticks(-1, k, nNegY, false);
    ticks(1, kx, nPosX, true);
    ticks(1, k, nPosY, false);
    glEnd();

    // Axis lines and arrowheads; the arrowheads move across their axis with
    // the line width.
    SetLineWidth(AxisWidth);
    const Rgb axis = SplitColor(AxisColor);
    SetColor(axis);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    const double xa = -negX * sx / scale, xb = posX * sx / scale;
    const double ya = -negY * step / scale, yb = posY * step / scale;
    const double d = (double(AxisWidth) - 1) * 0.01;
    if (std::isfinite(xb)) {
        glBegin(GL_TRIANGLES);
        glVertex3d(xb + PlaneArrowReach, -d, 0);
        glVertex3d(xb + 2, 0.2 - d, 0);
        glVertex3d(xb + 2, -0.2 - d, 0);
        glEnd();
        Line(xb + PlaneArrowReach, -d, xb + 2, 0.2 - d);
    }
    if (std::isfinite(yb)) {
        glBegin(GL_TRIANGLES);
        glVertex3d(-d, yb + PlaneArrowReach, 0);
        glVertex3d(0.2 - d, yb + 2, 0);
        glVertex3d(-0.2 - d, yb + 2, 0);
        glEnd();
        Line(-d, yb + PlaneArrowReach, 0.2 - d, yb + 2);
    }
    PlainLineState();
    Line(xa - PlaneAxisLineReach, 0, xb + PlaneAxisLineReach, 0);
    Line(0, ya - PlaneAxisLineReach, 0, yb + PlaneAxisLineReach);

    // Texts, upright in pixels beside their anchors (render/ScreenText.h):
    // X labels below their ticks, Y labels left of theirs, the origin's "0"
    // below and left of it, each title beside its arrowhead. Smoothed fonts
    // are antialiased.
    const std::int32_t labelColour = RGB(10, 10, 10);
    const auto text = [&](std::int32_t font, const std::string& t, double x, double y, double awayX, double awayY,
                          int axis, std::int32_t colour) {
        if (!std::isfinite(x) || !std::isfinite(y)) return;
        AddScreenText({.text = t, .font = font, .colour = colour, .anchor = {x, y, 0}, .away = {awayX, awayY, 0},
                       .axis = axis, .smooth = BetterFonts});
    };
    const auto xLabels = [&](const std::vector<std::string>& labels, double sign) {
        for (std::size_t i = 0; i < labels.size(); ++i)
            text(LabelFontBase, labels[i], sign * double(i + 1) * kx, 0, 0, -1, 1, labelColour);
    };
    const auto yLabels = [&](const std::vector<std::string>& labels, double sign) {
        for (std::size_t i = 0; i < labels.size(); ++i)
            text(LabelFontBase, labels[i], 0, sign * double(i + 1) * k, -1, 0, 2, labelColour);
    };
    xLabels(negXLabels, -1);
    yLabels(negYLabels, -1);
    xLabels(posXLabels, 1);
    yLabels(posYLabels, 1);
    text(LabelFontBase, "0", 0, 0, -1, -1, 0, labelColour);
    text(TitleFontBase, "X", xb + 2.3, -0.2, 0, -1, 0, RGB(0, 0, 0));
    text(TitleFontBase, "Y", -0.2, yb + 2.3, -1, 0, 0, RGB(0, 0, 0));

    glEnable(GL_LIGHTING);
}

void Cls3::Draw2DGrid(float sngMinX, float sngMaxX, float sngMinY, float sngMaxY, float /*sngMinZ*/,
                      float /*sngMaxZ*/) const {
    glDisable(GL_LIGHTING);
    if (!ShowprimaryGrid && !ShowSecondaryGrid) return;

    const double step = PlaneTickStep(Scale2D);
    const double k = step / double(Scale2D);
    const double nx0 = SideCount(sngMinX + 0.04, step), nx1 = SideCount(sngMaxX - 0.04, step);
    const double ny0 = SideCount(sngMinY + 0.04, step), ny1 = SideCount(sngMaxY - 0.04, step);
    // Every line reaches 2 beyond the outermost ones.
    const double bottom = -ny0 * k - 2, top = ny1 * k + 2;
    const double left = -nx0 * k - 2, right = nx1 * k + 2;

    // Lines at (i - offset) steps on each side, i = 1..n, at most `cap` a side.
    const auto lines = [&](double offset, std::int64_t cap) {
        for (std::int64_t i = 1; i <= Drawn(nx0, cap); ++i) Line(-(double(i) - offset) * k, bottom, -(double(i) - offset) * k, top);
        for (std::int64_t i = 1; i <= Drawn(nx1, cap); ++i) Line((double(i) - offset) * k, bottom, (double(i) - offset) * k, top);
        for (std::int64_t i = 1; i <= Drawn(ny0, cap); ++i) Line(left, -(double(i) - offset) * k, right, -(double(i) - offset) * k);
        for (std::int64_t i = 1; i <= Drawn(ny1, cap); ++i) Line(left, (double(i) - offset) * k, right, (double(i) - offset) * k);
    };

    PlanePolygonState();
    PlainLineState();
    glLineWidth(1);
    if (ShowprimaryGrid) {
        SetColor(SplitColor(PriGridColor));
        lines(0, (MaxLinesPerPass - 2) / 4);
        Line(0, bottom, 0, top);
        Line(left, 0, right, 0);
    }
    if (ShowSecondaryGrid) {
        SetColor(SplitColor(SecGridColor));
        lines(0.5, MaxLinesPerPass / 4);
    }
}

void Cls3::DrawBackground(float sngMinX, float sngMaxX, float sngMinY, float sngMaxY, float /*sngMinZ*/,
                          float /*sngMaxZ*/) const {
    if (!ShowBackground) return;
    const double scale = Scale2D;
    const double xa = sngMinX / scale - 5.1, xb = sngMaxX / scale + 5.1;
    const double ya = sngMinY / scale - 5.1, yb = sngMaxY / scale + 5.1;
    const double cx = (xa + xb) / 2, cy = (ya + yb) / 2;

    glDisable(GL_LIGHTING);
    PlanePolygonState();
    PlainLineState();
    glShadeModel(GL_SMOOTH);

    if (ShowShadow) {
        glColor3f(0.4f, 0.4f, 0.4f);
        glBegin(GL_QUADS);
        glVertex3d(xa + 0.8, ya + 0.8, 0);
        glVertex3d(xb + 0.8, ya + 0.8, 0);
        glVertex3d(xb + 0.8, yb + 0.8, 0);
        glVertex3d(xa + 0.8, yb + 0.8, 0);
        glEnd();
    }

    const Rgb p = SplitColor(BackColor);
    const Rgb q = SplitColor(BackColor2);
    const Rgb m{(p.red + q.red) / 2, (p.green + q.green) / 2, (p.blue + q.blue) / 2};
    const auto vertex = [](const Rgb& c, double x, double y) {
        SetColor(c);
        glVertex3d(x, y, 0);
    };
    // A style outside 1..19 (only from a document) is drawn as the solid one.
    const std::int32_t style = BackStyle >= 1 && BackStyle <= 19 ? BackStyle : 1;
    if (BackStyleBands(style)) {
        // Two quads meeting at the horizontal (4, 5) or vertical (8, 9) middle
        // line, the first colour along that line (4, 8) or along the two outer
        // edges (5, 9).
        const bool horizontal = style == 4 || style == 5;
        const Rgb& edge = style == 4 || style == 8 ? q : p;
        const Rgb& middle = style == 4 || style == 8 ? p : q;
        const double from = horizontal ? xa : ya, to = horizontal ? xb : yb;
        const double lo = horizontal ? ya : xa, hi = horizontal ? yb : xb, mid = (lo + hi) / 2;
        const auto corner = [&](const Rgb& c, double along, double across) {
            if (horizontal)
                vertex(c, along, across);
            else
                vertex(c, across, along);
        };
        for (double outer : {lo, hi}) {
            glBegin(GL_QUADS);
            corner(edge, from, outer);
            corner(edge, to, outer);
            corner(middle, to, mid);
            corner(middle, from, mid);
            glEnd();
        }
    } else {
        // The colours of the bottom-left, bottom-right, top-left and top-right
        // corners and of the centre, by style.
        const char* c = BackStyleCorners(style);
        const auto colour = [&](char which) -> const Rgb& { return which == 'P' ? p : which == 'Q' ? q : m; };
        const Rgb &bl = colour(c[0]), &br = colour(c[1]), &tl = colour(c[2]), &tr = colour(c[3]), &mid = colour(c[4]);
        const auto triangle = [&](const Rgb& c1, double x1, double y1, const Rgb& c2, double x2, double y2) {
            glBegin(GL_TRIANGLES);
            vertex(c1, x1, y1);
            vertex(c2, x2, y2);
            vertex(mid, cx, cy);
            glEnd();
        };
        triangle(bl, xa, ya, br, xb, ya); // bottom
        triangle(bl, xa, ya, tl, xa, yb); // left
        triangle(tl, xa, yb, tr, xb, yb); // top
        triangle(br, xb, ya, tr, xb, yb); // right
    }

    // A black frame along the edges.
    glColor3f(0, 0, 0);
    glLineWidth(1);
    Line(xa, ya, xb, ya);
    Line(xa, ya, xa, yb);
    Line(xa, yb, xb, yb);
    Line(xb, ya, xb, yb);
    glEnable(GL_LIGHTING);
}
