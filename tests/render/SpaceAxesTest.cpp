// The coordinate systems of space, strip and special-graph documents, caught
// through GL feedback: lines with their depth read back as drawing z, texts
// as the drawing records them.
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

    // Texts anchored at the ends of the ticks, in blue: the Y labels and
    // title below the front edge, the Z labels and title (reading downwards)
    // left of the left edge, the X labels and title below the right edge,
    // each pointing away from the box.
    const std::vector<std::string> labels{"-5.0", "0.0", "5.0"};
    std::vector<AnchoredText> texts;
    for (int i = 0; i <= 2; ++i) texts.push_back({labels[std::size_t(i)], -5.0 + 5 * i, -5.3, 5, 0});
    texts.push_back({"Y", 0, -5.3, 5, 1000});
    for (int i = 0; i <= 2; ++i) texts.push_back({labels[std::size_t(i)], -5.3, -5.0 + 5 * i, 5, 0});
    texts.push_back({"Z", -5.3, 0, 5, 1000});
    for (int i = 0; i <= 2; ++i) texts.push_back({labels[std::size_t(i)], 5, -5.3, -5.0 + 5 * i, 0});
    texts.push_back({"X", 5, -5.3, 0, 1000});
    ExpectAnchors(RecordedTexts(), texts);
    using Away = std::array<double, 3>;
    for (std::size_t i = 0; i < RecordedTexts().size(); ++i) {
        const ScreenText& t = RecordedTexts()[i];
        SCOPED_TRACE(t.text + " #" + std::to_string(i));
        const int axis = i < 4 ? 2 : i < 8 ? 3 : 1;
        EXPECT_EQ(t.axis, axis);
        const Away away = axis == 2 ? Away{0, -1, 1} : axis == 3 ? Away{-1, 0, 1} : Away{1, -1, 0};
        EXPECT_EQ(t.away, away);
        EXPECT_EQ(t.title, i % 4 == 3);
        EXPECT_EQ(t.turned, i == 7);
        EXPECT_EQ(t.colour, RGB(0, 0, 255));
        EXPECT_TRUE(t.smooth);
    }
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
    // Y and Z labels and titles only, at the front: 3 + 1 + 3 + 1 texts, no X text.
    EXPECT_EQ(RecordedTexts().size(), 8u);
    for (const ScreenText& t : RecordedTexts()) EXPECT_NE(t.axis, 1) << t.text;
    EXPECT_TRUE(HoldsAnchor(RecordedTexts(), {"-5.0", -5, -2.3, 3, 0}));
    EXPECT_TRUE(HoldsAnchor(RecordedTexts(), {"1.0", -5.3, 1, 3, 0}));
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
    // Labels below and left of their ticks at every whole number; each
    // title at the middle of its edge, beyond the labels.
    std::vector<AnchoredText> texts;
    for (int x = -3; x <= 3; ++x) texts.push_back({std::to_string(x), double(x), -2.3, 0, 0});
    for (int y = -1; y <= 2; ++y) texts.push_back({std::to_string(y), -3.8, double(y), 0, 0});
    texts.push_back({"X", 0, -2.3, 0, 1000});
    texts.push_back({"Y", -3.8, 0, 0, 1000});
    ExpectAnchors(RecordedTexts(), texts);
    for (std::size_t i = 0; i < RecordedTexts().size(); ++i) {
        const ScreenText& t = RecordedTexts()[i];
        SCOPED_TRACE(t.text + " #" + std::to_string(i));
        const bool horizontal = i < 7 || i == 11;
        EXPECT_EQ(t.away, horizontal ? (std::array<double, 3>{0, -1, 0}) : (std::array<double, 3>{-1, 0, 0}));
        EXPECT_EQ(t.axis, horizontal ? 1 : 2);
        EXPECT_EQ(t.title, i >= 11);
        EXPECT_EQ(t.colour, i >= 11 ? RGB(0, 0, 0) : RGB(20, 20, 20));
        EXPECT_TRUE(t.smooth);
    }
    float width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 2);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_POLYGON_SMOOTH));

    // Without smoothed fonts every text is drawn once in plain glyphs.
    axes_.BetterFonts = false;
    Axes(-2, 2, 0, 1, -3.5f, 3.5f);
    ASSERT_EQ(RecordedTexts().size(), texts.size());
    for (const ScreenText& t : RecordedTexts()) EXPECT_FALSE(t.smooth) << t.text;
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
    EXPECT_TRUE(HoldsAnchor(RecordedTexts(), {"11.8", 12 - 0.2, -1.3, 6, 0}));
    EXPECT_TRUE(HoldsAnchor(RecordedTexts(), {"1.0", -0.3, 1, 6, 0}));
}

TEST_F(SpaceAxesTest, ChineseTitleIsATitleOfTheTitleFont) {
    DocumentKind = 2; // no X texts: every label-font text is a tick label
    axes_.TitleY = "时间 (s)";
    axes_.TitleZ = "时间 (s)";
    Axes(-5, 5, -5, 5, 0, 3);
    std::vector<std::string> labelTexts;
    for (const ScreenText& t : RecordedTexts())
        if (FontTag(t) == 0) labelTexts.push_back(t.text);
    EXPECT_EQ(labelTexts, (std::vector<std::string>{"-5.0", "0.0", "5.0", "-5.0", "0.0", "5.0"}));
    // The titles keep their text (only its Latin part has glyphs to draw).
    EXPECT_TRUE(HoldsAnchor(RecordedTexts(), {"时间 (s)", 0, -5.3, 3, 1000}));
    EXPECT_TRUE(HoldsAnchor(RecordedTexts(), {"时间 (s)", -5.3, 0, 3, 1000}));
}

TEST_F(SpaceAxesTest, ThreeLinesStyleWidensTheBoxToTheOrigin) {
    axes_.AxisStyle = static_cast<std::int32_t>(AxisStyle::ThreeLines);
    const Feedback f = Axes(1, 5, 1, 5, 1, 5);
    ExpectSegments(Segments(f.LinesOf(0, 0, 255)),
                   {{0, 0, -2, 0, 0, 7}, {0, -2, 0, 0, 7, 0}, {-2, 0, 0, 7, 0, 0}});
    EXPECT_FALSE(f.polygons.empty()); // the arrowheads
    EXPECT_TRUE(f.texts.empty());
    EXPECT_TRUE(RecordedTexts().empty());
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
}

TEST_F(SpaceAxesTest, OtherDocumentKindsDrawNothing) {
    for (std::int32_t kind : {0, 8, -1}) {
        DocumentKind = kind;
        const Feedback f = Axes(-5, 5, -5, 5, -5, 5);
        EXPECT_TRUE(f.lines.empty() && f.polygons.empty() && f.texts.empty() && RecordedTexts().empty()) << kind;
    }
}

} // namespace
