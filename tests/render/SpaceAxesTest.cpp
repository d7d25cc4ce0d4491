// The coordinate systems of space, strip and special-graph documents, caught
// through GL feedback: lines with their depth read back as drawing z, texts
// through test glyph fonts (the view turned so that turned texts read along
// the screen's x).
#include "core/ColorService.h"
#include "core/Globals.h"
#include "render/GlText.h"
#include "scene/Cls3.h"

#include "tests/render/AxesFeedbackFixture.h"
#include "tests/support/GlFeedback.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/ProgramState.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

using Segment = std::array<double, 6>;

// A line as (x1, y1, z1, x2, y2, z2) in drawing coordinates.
Segment Drawing(const FeedbackLine& l) {
    return {l.from.x, l.from.y, DrawingZ(l.from.z), l.to.x, l.to.y, DrawingZ(l.to.z)};
}

std::vector<Segment> Segments(const std::vector<FeedbackLine>& lines) {
    std::vector<Segment> out;
    for (const FeedbackLine& l : lines) out.push_back(Drawing(l));
    return out;
}

void ExpectSegments(const std::vector<Segment>& actual, const std::vector<Segment>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        for (std::size_t c = 0; c < 6; ++c) EXPECT_NEAR(actual[i][c], expected[i][c], 3e-3) << "line " << i << " " << c;
}

using Expected = ExpectedText;

double Width(const std::string& text) { return double(text.size()) / 3.9; }

class SpaceAxesTest : public AxesFeedbackFixture {
protected:
    void SetUp() override {
        AxesFeedbackFixture::SetUp();
        DocumentKind = 3;
        glDisable(GL_LIGHTING);
    }

    // The axes of the box, seen along -z (turn 0), or turned by `angle`
    // degrees about (ax, ay, az) first.
    Feedback Axes(float x0, float x1, float y0, float y1, float z0, float z1, float angle = 0, float ax = 0,
                  float ay = 0, float az = 1) {
        return CaptureFeedback(Side, Range, [&] {
            glRotatef(angle, ax, ay, az);
            axes_.Draw(2, x0, x1, y0, y1, z0, z1);
        });
    }
};

TEST_F(SpaceAxesTest, InitialSpaceAxesOutlineAndHalveTheThreeFacesAtTheMinimum) {
    Feedback f = Axes(-5, 5, -5, 5, -5, 5);
    EXPECT_TRUE(f.polygons.empty()); // no panel is shown

    // Six grid batches of three lines, in the order YZ (Y, Z), XZ (X, Z), XY (X, Y).
    std::vector<Segment> grid;
    for (int i = 0; i <= 2; ++i) grid.push_back({-5.0 + 5 * i, -5, -5, -5.0 + 5 * i, 5, -5});
    for (int i = 0; i <= 2; ++i) grid.push_back({-5, -5.0 + 5 * i, -5, 5, -5.0 + 5 * i, -5});
    for (int i = 0; i <= 2; ++i) grid.push_back({-5, -5, -5.0 + 5 * i, -5, 5, -5.0 + 5 * i});
    for (int i = 0; i <= 2; ++i) grid.push_back({-5, -5.0 + 5 * i, -5, -5, -5.0 + 5 * i, 5});
    for (int i = 0; i <= 2; ++i) grid.push_back({-5, -5, -5.0 + 5 * i, 5, -5, -5.0 + 5 * i});
    for (int i = 0; i <= 2; ++i) grid.push_back({-5.0 + 5 * i, -5, -5, -5.0 + 5 * i, -5, 5});
    ExpectSegments(Segments(f.LinesOf(153, 153, 153)), grid);

    // Three ticks 0.3 long per axis: X along z at x1, Y along x and Z up at z1.
    std::vector<Segment> ticks;
    for (int i = 0; i <= 2; ++i) ticks.push_back({5, -5, -5.0 + 5 * i, 5, -5.3, -5.0 + 5 * i});
    for (int i = 0; i <= 2; ++i) ticks.push_back({-5.0 + 5 * i, -5, 5, -5.0 + 5 * i, -5.3, 5});
    for (int i = 0; i <= 2; ++i) ticks.push_back({-5, -5.0 + 5 * i, 5, -5.3, -5.0 + 5 * i, 5});
    ExpectSegments(Segments(f.LinesOf(0, 0, 0)), ticks);

    // Y labels below the front edge, the Y title under them, the Z labels
    // right-aligned at the left, all blue; the Z title is one letter.
    const std::vector<std::string> labels{"-5.0", "0.0", "5.0"};
    std::vector<Expected> front;
    for (int i = 0; i <= 2; ++i) front.push_back({labels[std::size_t(i)], -6.0 + 5 * i, -6.3, 0});
    front.push_back({"Y", -5 + (10 - Width("Y")) / 2 - 1, -7.3, 1000});
    for (int i = 0; i <= 2; ++i)
        front.push_back({labels[std::size_t(i)], -5 - (Width(labels[std::size_t(i)]) + 0.7), -5.0 + 5 * i, 0});
    const double lastZLabel = -5 - (Width("5.0") + 0.7);
    front.push_back({"Z", lastZLabel - 1, -5 + (10 - Width("Z")) / 2 + Width("Z"), 1000});
    f.texts.resize(std::min(f.texts.size(), front.size()));
    ExpectTexts(f.texts, front);
    for (const FeedbackText& t : f.texts) EXPECT_TRUE(Feedback::HasColour({0, 0, 0, t.r, t.g, t.b, 1}, 0, 0, 255)) << t.text;

    // Seen from the side (the view turned by -90 degrees about y, so drawing
    // z is the screen's -x), the X labels and title read along the X axis.
    f = Axes(-5, 5, -5, 5, -5, 5, -90, 0, 1, 0);
    for (int i = 0; i <= 2; ++i) EXPECT_TRUE(HoldsText(f.texts, {labels[std::size_t(i)], 5.0 - 5 * i, -6.3, 0})) << i;
    EXPECT_TRUE(HoldsText(f.texts, {"X", -(-5 + (10 - Width("X")) / 2 + Width("X") - 0.5), -7.3, 1000}));
}

TEST_F(SpaceAxesTest, StripXGridLiesAtDepthsZeroToThreeWithoutXTicksOrLabels) {
    DocumentKind = 2;
    axes_.TitleY = "Y";
    const Feedback f = Axes(-5, 5, -2, 4, -20, 40);
    // X grid lines of the XZ and XY panels at z = 0, 1.5 and 3, whatever the box's depth.
    std::vector<Segment> xGrid;
    for (double z : {0.0, 1.5, 3.0}) xGrid.push_back({-5, -2, z, -5, 4, z});
    for (double z : {0.0, 1.5, 3.0}) xGrid.push_back({-5, -2, z, 5, -2, z});
    std::vector<Segment> all = Segments(f.LinesOf(153, 153, 153));
    ASSERT_EQ(all.size(), 18u);
    std::vector<Segment> drawn(all.begin() + 6, all.begin() + 9);
    drawn.insert(drawn.end(), all.begin() + 12, all.begin() + 15);
    ExpectSegments(drawn, xGrid);
    // Ticks of Y and Z only, at the front (z = 3).
    const auto ticks = Segments(f.LinesOf(0, 0, 0));
    ASSERT_EQ(ticks.size(), 6u);
    for (const Segment& s : ticks) EXPECT_NEAR(s[2], 3, 3e-3);
    // Y and Z labels and titles only: 3 + 1 + 3 + 1 texts, no turned X label.
    EXPECT_EQ(f.texts.size(), 8u);
    EXPECT_TRUE(HoldsText(f.texts, {"-5.0", -6, -3.3, 0}));
    EXPECT_TRUE(HoldsText(f.texts, {"1.0", -5 - (Width("1.0") + 0.7), 1, 0}));
}

TEST_F(SpaceAxesTest, SpecialFrameIsTickedAndLabelledAtEveryWholeNumber) {
    DocumentKind = 7;
    axes_.AxisColor = RGB(200, 0, 0);
    axes_.AxisWidth = 2;
    axes_.BetterFonts = true;
    // The box's z range (the X text) runs across, its x range (the Y text)
    // up: a frame from -3.5 to 3.5 across and -2 to 2 up.
    const Feedback f = Axes(-2, 2, 0, 1, -3.5f, 3.5f);

    std::vector<Segment> ticks;
    for (int x = -3; x <= 3; ++x) ticks.push_back({double(x), -2, 0, double(x), -2.3, 0});
    for (int y = -1; y <= 2; ++y) ticks.push_back({-3.5, double(y), 0, -3.8, double(y), 0});
    ExpectSegments(Segments(f.LinesOf(0, 0, 0)), ticks);
    ExpectSegments(Segments(f.LinesOf(200, 0, 0)), {{-3.5, -2, 0, 3.5, -2, 0},
                                                    {-3.5, -2, 0, -3.5, 2, 0},
                                                    {3.5, 2, 0, 3.5, -2, 0},
                                                    {3.5, 2, 0, -3.5, 2, 0}});
    std::vector<Expected> texts;
    for (int x = -3; x <= 3; ++x) {
        const std::string t = std::to_string(x);
        texts.push_back({t, x - (t.size() > 2 ? 0.45 : t.size() == 2 ? 0.3 : 0.15), -2.8, 0});
    }
    for (int y = -1; y <= 2; ++y) {
        const std::string t = std::to_string(y);
        texts.push_back({t, -3.5 - (Width(t) + 0.35), y - 0.2, 0});
    }
    texts.push_back({"X", 0, -3.7, 1000});
    texts.push_back({"Y", -5, 0, 1000});
    ExpectTexts(f.texts, texts);
    EXPECT_TRUE(Feedback::HasColour({0, 0, 0, f.texts[0].r, f.texts[0].g, f.texts[0].b, 1}, 20, 20, 20));
    float width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 2);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_POLYGON_SMOOTH));

    // Without smoothed fonts every text is drawn five times.
    axes_.BetterFonts = false;
    EXPECT_EQ(Axes(-2, 2, 0, 1, -3.5f, 3.5f).texts.size(), 5 * texts.size());
}

TEST_F(SpaceAxesTest, IntervalCountsBelowOneCountAsOneAndLabelTablesGrow) {
    axes_.LabelNumX = 0;
    axes_.LabelNumY = 60; // beyond the 51 entries a fixed table would hold
    axes_.LabelNumZ = -4;
    axes_.ShowXZZGrid = axes_.ShowYZZGrid = axes_.ShowXYYGrid = false;
    axes_.ShowXZXGrid = axes_.ShowXYXGrid = false;
    const Feedback f = Axes(0, 12, -1, 1, 0, 6);
    // YZ panel Y grid: 61 lines, 0.2 apart.
    const auto grid = Segments(f.LinesOf(153, 153, 153));
    ASSERT_EQ(grid.size(), 61u);
    EXPECT_NEAR(grid[60][0], 12, 3e-3);
    // Ticks: 2 on X, 61 on Y, 2 on Z.
    EXPECT_EQ(f.LinesOf(0, 0, 0).size(), 65u);
    EXPECT_TRUE(HoldsText(f.texts, {"11.8", 12 - 0.2 - 1, -2.3, 0}));
    EXPECT_TRUE(HoldsText(f.texts, {"1.0", -(Width("1.0") + 0.7), 1, 0}));
}

TEST_F(SpaceAxesTest, ChineseTitleDrawsNoGlyphOfTheLabelFont) {
    DocumentKind = 2; // no turned X labels: every label-font text is a tick label
    axes_.TitleY = "时间 (s)";
    axes_.TitleZ = "时间 (s)";
    const Feedback f = Axes(-5, 5, -5, 5, 0, 3);
    std::vector<std::string> labelTexts;
    for (const FeedbackText& t : f.texts)
        if (t.font == 0) labelTexts.push_back(t.text);
    EXPECT_EQ(labelTexts, (std::vector<std::string>{"-5.0", "0.0", "5.0", "-5.0", "0.0", "5.0"}));
    // The title keeps its Latin part at the title's place (width of 6 characters).
    EXPECT_TRUE(HoldsText(f.texts, {" (s)", -5 + (10 - 6 / 3.9) / 2 - 1, -7.3, 1000}));
}

TEST_F(SpaceAxesTest, ThreeLinesStyleWidensTheBoxToTheOrigin) {
    axes_.AxisStyle = static_cast<std::int32_t>(AxisStyle::ThreeLines);
    const Feedback f = Axes(1, 5, 1, 5, 1, 5);
    ExpectSegments(Segments(f.LinesOf(0, 0, 255)),
                   {{0, 0, -2, 0, 0, 7}, {0, -2, 0, 0, 7, 0}, {-2, 0, 0, 7, 0, 0}});
    EXPECT_FALSE(f.polygons.empty()); // the arrowheads
    EXPECT_TRUE(f.texts.empty());
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
}

TEST_F(SpaceAxesTest, OtherDocumentKindsDrawNothing) {
    for (std::int32_t kind : {0, 8, -1}) {
        DocumentKind = kind;
        const Feedback f = Axes(-5, 5, -5, 5, -5, 5);
        EXPECT_TRUE(f.lines.empty() && f.polygons.empty() && f.texts.empty()) << kind;
    }
}

} // namespace
