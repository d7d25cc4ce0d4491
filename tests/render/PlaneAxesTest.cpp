// The plane coordinate system: axes, ticks, labels and titles, the grids and
// the background, caught through GL feedback (texts as the drawing records
// them) and, for the background's shading, read back as pixels.
#include "core/ColorService.h"
#include "core/Globals.h"
#include "render/GlText.h"
#include "scene/Cls3.h"
#include "scene/Cls8.h"

#include "tests/render/AxesFeedbackFixture.h"
#include "tests/support/GlFeedback.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/ProgramState.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// The lines of a colour as (x1, y1, x2, y2).
std::vector<std::array<double, 4>> Segments(const std::vector<FeedbackLine>& lines) {
    std::vector<std::array<double, 4>> out;
    for (const FeedbackLine& l : lines) out.push_back({l.from.x, l.from.y, l.to.x, l.to.y});
    return out;
}

void ExpectSegments(const std::vector<std::array<double, 4>>& actual, const std::vector<std::array<double, 4>>& expected,
                    double tolerance = 2e-3) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        for (int c = 0; c < 4; ++c) EXPECT_NEAR(actual[i][std::size_t(c)], expected[i][std::size_t(c)], tolerance) << "line " << i;
}

class PlaneAxesTest : public AxesFeedbackFixture {
protected:
    void SetUp() override {
        AxesFeedbackFixture::SetUp();
        DocumentKind = 1;
        Scale2D = 1;
        axes_.BetterFonts = true;
        axes_.ShowSecondaryLabel = false;
        axes_.AxisColor = RGB(200, 0, 0); // black is the ticks' colour
    }

    Feedback Axes(float minX, float maxX, float minY, float maxY, float range = Range) {
        return CaptureFeedback(Side, range, [&] { axes_.Draw(2, minX, maxX, minY, maxY, -1, 1); });
    }
    Feedback Grid(float minX, float maxX, float minY, float maxY, float range = Range) {
        return CaptureFeedback(Side, range, [&] { axes_.Draw2DGrid(minX, maxX, minY, maxY, -1, 1); });
    }
    Feedback Background(float minX, float maxX, float minY, float maxY) {
        return CaptureFeedback(Side, Range, [&] { axes_.DrawBackground(minX, maxX, minY, maxY, -1, 1); });
    }
};

TEST_F(PlaneAxesTest, TenUnitBoxHasTicksLabelsArrowsAndTitlesWhereTheyBelong) {
    axes_.AxisWidth = 3; // arrowheads 0.02 below / left of their axis
    glDisable(GL_LIGHTING);
    const Feedback f = Axes(-10, 10, -10, 10);

    // Step 3: ticks at 3, 6, 9, 12 on each side, on the positive side of their axis.
    std::vector<std::array<double, 4>> ticks;
    for (double sign : {-1.0, 1.0}) {
        for (int i = 1; i <= 4; ++i) ticks.push_back({sign * 3 * i, 0, sign * 3 * i, 0.5});
        for (int i = 1; i <= 4; ++i) ticks.push_back({0, sign * 3 * i, 0.5, sign * 3 * i});
    }
    ExpectSegments(Segments(f.LinesOf(0, 0, 0)), ticks);

    // Arrow lines, then the axes themselves, in the axis colour.
    const double d = 0.02;
    ExpectSegments(Segments(f.LinesOf(200, 0, 0)), {{14.6, -d, 14, 0.2 - d},
                                                    {-d, 14.6, 0.2 - d, 14},
                                                    {-14.1, 0, 14.1, 0},
                                                    {0, -14.1, 0, 14.1}});
    const auto arrows = f.PolygonsOf(200, 0, 0);
    ASSERT_EQ(arrows.size(), 2u);
    EXPECT_NEAR(arrows[0][0].x, 14.6, 2e-3); // the X arrow's tip
    EXPECT_NEAR(arrows[0][0].y, -d, 2e-3);
    EXPECT_NEAR(arrows[1][0].x, -d, 2e-3); // the Y arrow's tip
    EXPECT_NEAR(arrows[1][0].y, 14.6, 2e-3);

    // Texts anchored at their ticks: X labels below, Y labels left of the
    // axis, the origin's "0" below and left, each title beside its arrowhead.
    std::vector<AnchoredText> texts;
    for (int i = 1; i <= 4; ++i) texts.push_back({std::to_string(-3 * i), -3.0 * i, 0, 0, 0});
    for (int i = 1; i <= 4; ++i) texts.push_back({std::to_string(-3 * i), 0, -3.0 * i, 0, 0});
    for (int i = 1; i <= 4; ++i) texts.push_back({std::to_string(3 * i), 3.0 * i, 0, 0, 0});
    for (int i = 1; i <= 4; ++i) texts.push_back({std::to_string(3 * i), 0, 3.0 * i, 0, 0});
    texts.push_back({"0", 0, 0, 0, 0});
    texts.push_back({"X", 14.3, -0.2, 0, 1000});
    texts.push_back({"Y", -0.2, 14.3, 0, 1000});
    ExpectAnchors(RecordedTexts(), texts);
    using Away = std::array<double, 3>;
    for (std::size_t i = 0; i < RecordedTexts().size(); ++i) {
        const ScreenText& t = RecordedTexts()[i];
        SCOPED_TRACE(t.text);
        const bool onX = (i / 4) % 2 == 0;
        const Away away = i == 16 ? Away{-1, -1, 0} : i == 17 ? Away{0, -1, 0} : i == 18 ? Away{-1, 0, 0}
                          : onX ? Away{0, -1, 0} : Away{-1, 0, 0};
        EXPECT_EQ(t.away, away);
        EXPECT_EQ(t.axis, i < 16 ? (onX ? 1 : 2) : 0);
        EXPECT_EQ(t.colour, FontTag(t) == 0 ? RGB(10, 10, 10) : RGB(0, 0, 0));
        EXPECT_FALSE(t.title || t.turned);
        EXPECT_TRUE(t.smooth);
    }

    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
    EXPECT_FALSE(glIsEnabled(GL_POLYGON_SMOOTH));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 3.0f);
}

TEST_F(PlaneAxesTest, MinorTicksRoughFontsAndOtherDrawingUnits) {
    // Four 0.3-long minor ticks before each 0.5-long major one.
    axes_.ShowSecondaryLabel = true;
    Feedback f = Axes(-10, 10, -10, 10);
    const auto ticks = Segments(f.LinesOf(0, 0, 0));
    ASSERT_EQ(ticks.size(), 80u);
    const std::vector<std::array<double, 4>> firstInterval{
        {-0.6, 0, -0.6, 0.3}, {-1.2, 0, -1.2, 0.3}, {-1.8, 0, -1.8, 0.3}, {-2.4, 0, -2.4, 0.3}, {-3, 0, -3, 0.5}};
    ExpectSegments({ticks.begin(), ticks.begin() + 5}, firstInterval);

    // Without smoothed fonts every text is drawn once in plain glyphs.
    axes_.BetterFonts = false;
    f = Axes(-10, 10, -10, 10);
    ASSERT_EQ(RecordedTexts().size(), 19u);
    EXPECT_EQ(RecordedTexts()[0].text, "-3");
    for (const ScreenText& t : RecordedTexts()) EXPECT_FALSE(t.smooth) << t.text;

    // Drawing unit 0.3: step 1, a tick every 1 / 0.3; unit 3: step 10.
    struct Case {
        float scale, bound;
        double step;
        int ticks;
    };
    axes_.BetterFonts = true;
    axes_.ShowSecondaryLabel = false;
    for (const Case c : {Case{0.3f, 3, 1, 3}, Case{3, 30, 10, 3}}) {
        SCOPED_TRACE(c.scale);
        Scale2D = c.scale;
        f = Axes(-c.bound, c.bound, -c.bound, c.bound);
        const auto all = Segments(f.LinesOf(0, 0, 0));
        ASSERT_EQ(all.size(), std::size_t(4 * c.ticks));
        // Positive X side: the third quarter of the ticks.
        for (int i = 1; i <= c.ticks; ++i)
            EXPECT_NEAR(all[std::size_t(2 * c.ticks + i - 1)][0], i * c.step / c.scale, 1e-3);
        std::vector<std::string> positiveX;
        for (const ScreenText& t : RecordedTexts())
            if (t.axis == 1 && t.anchor[0] > 0) {
                positiveX.push_back(t.text);
                EXPECT_NEAR(t.anchor[0], double(positiveX.size()) * c.step / c.scale, 1e-3);
            }
        ASSERT_EQ(positiveX.size(), std::size_t(c.ticks));
        EXPECT_EQ(positiveX.back(), std::to_string(int(c.ticks * c.step)));
    }
}

TEST_F(PlaneAxesTest, PiLabelsOnXAndEveryTickLabelledOnAWideBox) {
    axes_.ShowPI = true;
    // The box's x already snapped to 4 pi; y to the step 3.
    Feedback f = Axes(-12.5664f, 12.5664f, -12, 12);
    std::vector<AnchoredText> xTexts;
    const std::vector<std::string> neg{"-pi", "-2pi", "-3pi", "-4pi"}, pos{"pi", "2pi", "3pi", "4pi"};
    for (int i = 0; i < 4; ++i) xTexts.push_back({neg[std::size_t(i)], -(i + 1) * 3.1416, 0, 0, 0});
    for (int i = 0; i < 4; ++i) xTexts.push_back({pos[std::size_t(i)], (i + 1) * 3.1416, 0, 0, 0});
    std::vector<ScreenText> actualX;
    for (const ScreenText& t : RecordedTexts())
        if (t.axis == 1) actualX.push_back(t);
    ExpectAnchors(actualX, xTexts);
    // The Y axis keeps the ordinary step.
    const auto ticks = Segments(f.LinesOf(0, 0, 0));
    ASSERT_EQ(ticks.size(), 16u);
    EXPECT_NEAR(ticks[0][0], -3.1416, 1e-3);
    EXPECT_NEAR(ticks[4][1], -3, 1e-3);

    // A box of +-200: 64 ticks a side on X, more than a fixed table of 51
    // labels would hold; every one is labelled.
    Scale2D = 20;
    f = Axes(-201.0624f, 201.0624f, -225, 225);
    std::vector<std::string> negative, positive;
    for (const ScreenText& t : RecordedTexts()) {
        if (t.axis != 1) continue;
        (t.text[0] == '-' ? negative : positive).push_back(t.text);
    }
    ASSERT_EQ(negative.size(), 64u);
    ASSERT_EQ(positive.size(), 64u);
    EXPECT_EQ(negative[0], "-pi");
    EXPECT_EQ(negative[50], "-51pi");
    EXPECT_EQ(negative[63], "-64pi");
    EXPECT_EQ(positive[63], "64pi");
    EXPECT_NEAR(RecordedTexts()[63].anchor[0], -64 * 3.1416 / 20, 1e-3);
}

TEST_F(PlaneAxesTest, GridLinesAtWholeAndHalfSteps) {
    axes_.ShowprimaryGrid = true;
    axes_.ShowSecondaryGrid = true;
    axes_.PriGridColor = RGB(0, 200, 0);
    axes_.SecGridColor = RGB(0, 0, 200);
    glLineWidth(8); // left by earlier drawing: the grid draws at width 1 all the same
    glEnable(GL_LINE_SMOOTH);
    const Feedback f = Grid(-10, 10, -10, 10);

    std::vector<std::array<double, 4>> primary, secondary;
    for (double offset : {0.0, 0.5}) {
        auto& lines = offset == 0 ? primary : secondary;
        for (double sign : {-1.0, 1.0})
            for (int i = 1; i <= 4; ++i) lines.push_back({sign * (i - offset) * 3, -14, sign * (i - offset) * 3, 14});
        for (double sign : {-1.0, 1.0})
            for (int i = 1; i <= 4; ++i) lines.push_back({-14, sign * (i - offset) * 3, 14, sign * (i - offset) * 3});
    }
    primary.push_back({0, -14, 0, 14});
    primary.push_back({-14, 0, 14, 0});
    ExpectSegments(Segments(f.LinesOf(0, 200, 0)), primary);
    ExpectSegments(Segments(f.LinesOf(0, 0, 200)), secondary);
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 1.0f);
    EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));

    // The grid keeps the ordinary step on x with pi ticks.
    axes_.ShowPI = true;
    EXPECT_EQ(Grid(-10, 10, -10, 10).LinesOf(0, 200, 0).size(), 18u);

    // No grid switched on: nothing drawn, lighting still turned off.
    axes_.ShowprimaryGrid = axes_.ShowSecondaryGrid = false;
    glEnable(GL_LIGHTING);
    EXPECT_TRUE(Grid(-10, 10, -10, 10).lines.empty());
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
}

TEST_F(PlaneAxesTest, HugeCountsDrawAtMostTenThousandLinesAPass) {
    // A box whose far side lies a billion steps out (a union of animation
    // frames of very different sizes can do that).
    axes_.ShowprimaryGrid = true;
    axes_.PriGridColor = RGB(0, 200, 0);
    const Feedback grid = Grid(-3e9f, 10, -10, 10, 1e5f);
    EXPECT_EQ(grid.LinesOf(0, 200, 0).size(), 2499u + 4 + 4 + 4 + 2);

    axes_.ShowPI = true;
    const Feedback ticks = Axes(-1e9f, 10, -10, 10, 1e5f);
    EXPECT_EQ(ticks.LinesOf(0, 0, 0).size(), 2500u + 4 + 4 + 4);
    std::size_t labels = 0;
    for (const ScreenText& t : RecordedTexts()) labels += t.text.back() == 'i' ? 1 : 0;
    EXPECT_EQ(labels, 2500u + 4);
}

// Colour names of the background table: P first colour, Q second, M their mean.
TEST_F(PlaneAxesTest, EveryBackgroundStyleGivesItsCornersAndCentreTheirColours) {
    axes_.ShowBackground = true;
    axes_.BackColor = RGB(0, 255, 0);
    axes_.BackColor2 = RGB(255, 255, 255);
    const std::map<char, std::array<float, 3>> colours{
        {'P', {0, 1, 0}}, {'Q', {1, 1, 1}}, {'M', {0.5f, 1, 0.5f}}};
    // Rectangle -15.1..15.1 for a +-10 box at unit 1; corners bottom-left,
    // bottom-right, top-left, top-right and the centre, then the middles of
    // the four edges (the quad styles meet there).
    struct Case {
        std::int32_t style;
        const char* corners; // BL BR TL TR C, '-' where the style has no vertex
        const char* middles; // bottom, left, top, right edge middles, '-' where none
    };
    const Case cases[] = {
        {1, "PPPPP", "----"},  {2, "PPQQM", "----"},  {3, "QQPPM", "----"},  {4, "QQQQ-", "-P-P"},
        {5, "PPPP-", "-Q-Q"},  {6, "QPQPM", "----"},  {7, "PQPQM", "----"},  {8, "QQQQ-", "P-P-"},
        {9, "PPPP-", "Q-Q-"},  {10, "MPQMM", "----"}, {11, "MQPMM", "----"}, {12, "PQQPP", "----"},
        {13, "QPPQQ", "----"}, {14, "PMMQM", "----"}, {15, "QMMPM", "----"}, {16, "QPPQP", "----"},
        {17, "PQQPQ", "----"}, {18, "PPPPQ", "----"}, {19, "QQQQP", "----"},
        // Outside 1..19 (only from a document): the solid style, never the colour left before.
        {0, "PPPPP", "----"},  {20, "PPPPP", "----"}, {-3, "PPPPP", "----"},
    };
    const double a = 15.1;
    const std::array<std::array<double, 2>, 9> places{{{-a, -a}, {a, -a}, {-a, a}, {a, a}, {0, 0},
                                                        {0, -a}, {-a, 0}, {0, a}, {a, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        axes_.BackStyle = c.style;
        glColor3f(0, 0, 1);
        const Feedback f = Background(-10, 10, -10, 10);
        // Every vertex at a place has the same colour.
        std::map<int, std::array<float, 3>> seen;
        for (const auto& polygon : f.polygons) {
            for (const FeedbackVertex& v : polygon) {
                int place = -1;
                for (std::size_t k = 0; k < places.size(); ++k)
                    if (std::fabs(v.x - places[k][0]) < 1e-3 && std::fabs(v.y - places[k][1]) < 1e-3) place = int(k);
                ASSERT_GE(place, 0) << "a vertex at " << v.x << ", " << v.y;
                const std::array<float, 3> rgb{v.r, v.g, v.b};
                const auto [it, added] = seen.emplace(place, rgb);
                for (int ch = 0; ch < 3; ++ch) EXPECT_NEAR(it->second[std::size_t(ch)], rgb[std::size_t(ch)], 1e-3);
            }
        }
        const std::string expected = std::string(c.corners) + c.middles;
        for (std::size_t k = 0; k < places.size(); ++k) {
            if (expected[k] == '-') {
                EXPECT_EQ(seen.count(int(k)), 0u) << k;
                continue;
            }
            ASSERT_EQ(seen.count(int(k)), 1u) << k;
            for (int ch = 0; ch < 3; ++ch)
                EXPECT_NEAR(seen[int(k)][std::size_t(ch)], colours.at(expected[k])[std::size_t(ch)], 1e-3) << k;
        }
        // The black frame along the edges.
        std::vector<std::array<double, 4>> frame{{-a, -a, a, -a}, {-a, -a, -a, a}, {-a, a, a, a}, {a, -a, a, a}};
        ExpectSegments(Segments(f.LinesOf(0, 0, 0)), frame);
    }
}

TEST_F(PlaneAxesTest, BackgroundShadowSwitchAndPixels) {
    axes_.ShowBackground = true;
    axes_.ShowShadow = true;
    Feedback f = Background(-10, 10, -10, 10);
    const auto grey = f.PolygonsOf(102, 102, 102);
    ASSERT_FALSE(grey.empty());
    float minX = 99, maxX = -99;
    for (const auto& p : grey)
        for (const FeedbackVertex& v : p) {
            minX = std::min(minX, v.x);
            maxX = std::max(maxX, v.x);
        }
    EXPECT_NEAR(minX, -14.3, 1e-3);
    EXPECT_NEAR(maxX, 15.9, 1e-3);

    // Switched off: nothing at all, lighting left as it was.
    axes_.ShowBackground = false;
    glEnable(GL_LIGHTING);
    f = Background(-10, 10, -10, 10);
    EXPECT_TRUE(f.lines.empty() && f.polygons.empty());
    glDisable(GL_LIGHTING);
    f = Background(-10, 10, -10, 10);
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));

    // Style 2 with the first colours: green along the bottom, white along the
    // top, pale green in the middle.
    axes_.ShowBackground = true;
    axes_.ShowShadow = false;
    axes_.BackStyle = 2;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-Range, Range, -Range, Range, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glShadeModel(GL_FLAT); // left by earlier drawing: the background shades all the same
    axes_.DrawBackground(-10, 10, -10, 10, -1, 1);
    const QImage img = Pixels();
    const auto at = [&](double x, double y) {
        return img.pixel(int((x + Range) / (2 * Range) * Side), int((Range - y) / (2 * Range) * Side));
    };
    const QRgb bottom = at(0, -14.6), middle = at(0, 0), top = at(0, 14.6);
    EXPECT_LT(qRed(bottom), 20);
    EXPECT_GT(qGreen(bottom), 240);
    EXPECT_LT(qBlue(bottom), 20);
    EXPECT_NEAR(qRed(middle), 128, 3);
    EXPECT_GT(qGreen(middle), 250);
    EXPECT_NEAR(qBlue(middle), 128, 3);
    EXPECT_GT(qRed(top), 235);
    EXPECT_GT(qGreen(top), 250);
    EXPECT_GT(qBlue(top), 235);
    EXPECT_EQ(at(0, -18), qRgb(0, 0, 0)); // outside the rectangle
}

} // namespace
