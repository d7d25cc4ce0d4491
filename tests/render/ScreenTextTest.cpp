// The axes' texts upright in pixels: where each one is laid out beside its
// anchor, which are left out, and what is drawn, read back as pixels from a
// 200 x 200 view of -10..10 (10 pixels a unit) with two fonts made by the
// platform's rasterizer.
#include "core/ColorService.h"
#include "platform/GlOutlineFont.h"
#include "render/ScreenText.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/ProgramState.h"

#include <QImage>
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int Side = 200;
constexpr std::int32_t Label = 7001, Title = 7002;

class ScreenTextTest : public ProgramStateTest {
protected:
    void SetUp() override {
        gl_ = std::make_unique<GlTestContext>(Side);
        ASSERT_TRUE(gl_->Ok());
        for (const auto& [font, pixels, weight] : {std::array{Label, 12, 400}, std::array{Title, 16, 700}}) {
            const auto smooth = BuildGlyphAtlas("Arial", pixels, weight, false, true);
            const auto plain = BuildGlyphAtlas("Arial", pixels, weight, false, false);
            ASSERT_TRUE(smooth && plain);
            ASSERT_TRUE(InstallScreenFont(font, *smooth, *plain));
        }
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        View(10);
    }
    void TearDown() override {
        ReleaseScreenFonts();
        gl_.reset();
    }

    // Shows -range..range on x and y.
    static void View(double range) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-range, range, -range, range, -10, 10);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    static ScreenText Text(const std::string& text, std::array<double, 3> anchor, std::array<double, 3> away,
                           int axis = 0, std::int32_t font = Label) {
        ScreenText t;
        t.text = text;
        t.font = font;
        t.colour = RGB(0, 0, 255);
        t.anchor = anchor;
        t.away = away;
        t.axis = axis;
        return t;
    }

    // The box of the text with this index, if it was laid out.
    static std::optional<PlacedText> Box(const std::vector<PlacedText>& placed, std::size_t index) {
        for (const PlacedText& p : placed)
            if (p.index == index) return p;
        return std::nullopt;
    }

    QImage Pixels() { return gl_->Image().convertToFormat(QImage::Format_RGB32); }

    std::unique_ptr<GlTestContext> gl_;
};

// The centre of the view, (0, 0), is window pixel (100, 100).
TEST_F(ScreenTextTest, EachTextLiesBesideItsAnchorOnTheSideItsDirectionPoints) {
    struct Case {
        const char* name;
        std::array<double, 3> away;
        float turn; // the view turned about z first, degrees
        // Expected box edges relative to the anchor (window pixels, y up);
        // 'c' for centred on that axis.
        char horizontal, vertical;
    };
    const Case cases[] = {
        {"below", {0, -1, 0}, 0, 'c', 'b'},       {"left", {-1, 0, 0}, 0, 'l', 'c'},
        {"right", {1, 0, 0}, 0, 'r', 'c'},        {"above", {0, 1, 0}, 0, 'c', 'a'},
        {"below left", {-1, -1, 0}, 0, 'l', 'b'}, {"below right", {1, -2, 0}, 0, 'r', 'b'},
        // Directions are seen as the view shows them.
        {"turned view", {0, -1, 0}, 90, 'r', 'c'},
        // One pointing at the eye puts the text below its anchor.
        {"at the eye", {0, 0, 1}, 0, 'c', 'b'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearScreenTexts(0);
        View(10);
        glRotatef(c.turn, 0, 0, 1);
        AddScreenText(Text("-10", {0, 0, 0}, c.away));
        const std::vector<PlacedText> placed = LayOutScreenTexts(0);
        ASSERT_EQ(placed.size(), 1u);
        const PlacedText& p = placed[0];
        EXPECT_EQ(p.width, ScreenTextWidth(Label, "-10"));
        EXPECT_EQ(p.height, ScreenFontMetrics(Label)->capHeight);
        const int right = p.left + p.width, top = p.bottom + p.height;
        switch (c.horizontal) {
        case 'l': EXPECT_EQ(right, 100 - 4); break;
        case 'r': EXPECT_EQ(p.left, 100 + 4); break;
        default: EXPECT_NEAR(p.left + p.width / 2.0, 100, 1);
        }
        switch (c.vertical) {
        case 'b': EXPECT_EQ(top, 100 - 4); break;
        case 'a': EXPECT_EQ(p.bottom, 100 + 4); break;
        default: EXPECT_NEAR(p.bottom + p.height / 2.0, 100, 1);
        }
    }
}

// Whatever the zoom, a text keeps its size in pixels; its ink is its colour
// and lies in its box.
TEST_F(ScreenTextTest, TextsKeepTheirPixelSizeAtEveryZoomAndInkOnlyTheirBoxes) {
    for (double range : {10.0, 2.5, 40.0}) {
        SCOPED_TRACE(range);
        ClearScreenTexts(0);
        glClear(GL_COLOR_BUFFER_BIT);
        View(range);
        AddScreenText(Text("-6.5", {0, 0, 0}, {0, -1, 0}));
        const std::vector<PlacedText> placed = LayOutScreenTexts(0);
        DrawScreenTexts(0);
        ASSERT_EQ(placed.size(), 1u);
        const PlacedText& p = placed[0];
        EXPECT_EQ(p.width, ScreenTextWidth(Label, "-6.5"));
        const QImage img = Pixels();
        QRect ink;
        for (int y = 0; y < Side; ++y)
            for (int x = 0; x < Side; ++x)
                if (img.pixel(x, y) != qRgb(255, 255, 255)) {
                    ink |= QRect(x, y, 1, 1);
                    // Blue over white: red and green fall together, blue stays.
                    const QRgb c = img.pixel(x, y);
                    EXPECT_EQ(qBlue(c), 255);
                    EXPECT_EQ(qRed(c), qGreen(c));
                }
        ASSERT_FALSE(ink.isEmpty());
        // The box in image rows (top first): the ink of digits and point fills
        // it, the minus sign included, within a pixel of overhang.
        const QRect box(p.left, Side - (p.bottom + p.height), p.width, p.height);
        EXPECT_LE(std::abs(ink.left() - box.left()), 1);
        EXPECT_LE(std::abs(ink.right() - box.right()), 1);
        EXPECT_LE(std::abs(ink.top() - box.top()), 1);
        EXPECT_LE(std::abs(ink.bottom() - box.bottom()), 1);
    }
}

// Texts that would cover a text already placed are left out, as are texts
// anchored outside the view; one sticking out of the view is moved in; the
// labels of an axis seen end-on are left out with its title.
TEST_F(ScreenTextTest, TextsNeverCoverEachOtherAndStayInsideTheView) {
    AddScreenText(Text("1.0", {0, 0, 0}, {0, -1, 0}));
    AddScreenText(Text("2.0", {0.2, 0, 0}, {0, -1, 0}));   // 2 pixels on: covers the first
    AddScreenText(Text("3.0", {3, 0, 0}, {0, -1, 0}));     // 30 pixels on: room enough
    AddScreenText(Text("4.0", {10.5, 0, 0}, {0, -1, 0}));  // anchored outside the view
    AddScreenText(Text("5.0", {9.9, 5, 0}, {1, 0, 0}));    // would stick out on the right
    std::vector<PlacedText> placed = LayOutScreenTexts(0);
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(placed[0].index, 0u);
    EXPECT_EQ(placed[1].index, 2u);
    EXPECT_EQ(placed[2].index, 4u);
    EXPECT_EQ(placed[2].left + placed[2].width, Side - 2); // two pixels from the edge
    for (std::size_t i = 0; i < placed.size(); ++i)
        for (std::size_t j = i + 1; j < placed.size(); ++j) {
            const QRect a(placed[i].left, placed[i].bottom, placed[i].width, placed[i].height);
            const QRect b(placed[j].left, placed[j].bottom, placed[j].width, placed[j].height);
            EXPECT_FALSE(a.adjusted(-2, -2, 2, 2).intersects(b));
        }

    // Axis 1 runs along z, axis 2 along x: seen along z, axis 1 is end-on.
    ClearScreenTexts(0);
    for (int i = 0; i < 3; ++i) AddScreenText(Text(std::to_string(i), {5, -5, -5.0 + 5 * i}, {1, 0, 0}, 1));
    ScreenText title = Text("X", {5, -5, 0}, {1, 0, 0}, 1, Title);
    title.title = true;
    AddScreenText(title);
    for (int i = 0; i < 3; ++i) AddScreenText(Text(std::to_string(i), {-5.0 + 5 * i, -5, 5}, {0, -1, 0}, 2));
    placed = LayOutScreenTexts(0);
    ASSERT_EQ(placed.size(), 3u);
    for (const PlacedText& p : placed) EXPECT_GE(p.index, 4u);
    // Turned a quarter about y, axis 2 is end-on instead.
    glRotatef(90, 0, 1, 0);
    placed = LayOutScreenTexts(0);
    ASSERT_EQ(placed.size(), 4u);
    for (const PlacedText& p : placed) EXPECT_LT(p.index, 4u);
}

// Texts closer than the least room (4 pixels) would read as one ("1.0" and
// "2.0" as "1.02.0"): a later text whose box would lie 1, 2 or 3 pixels beyond
// an earlier one, on any side, is left out; at the least room it is placed.
TEST_F(ScreenTextTest, ATextCloserThanTheLeastRoomToAnEarlierOneIsLeftOut) {
    constexpr int LeastRoom = 4;
    const int first = ScreenTextWidth(Label, "1.0"), second = ScreenTextWidth(Label, "2.0");
    const int height = ScreenFontMetrics(Label)->capHeight;
    // "1.0" lies from its anchor at the centre in the direction `away`; the
    // anchor of "2.0" (same direction) is moved by whole pixels so that its box
    // lies `gap` pixels beyond that of "1.0" on the side.
    enum Side { Right, Left, Above, Below };
    const struct {
        const char* what;
        Side side;
        std::array<double, 3> away;
    } sides[] = {
        {"right", Right, {1, 0, 0}},
        {"left", Left, {1, 0, 0}},
        {"above", Above, {0, 1, 0}},
        {"below", Below, {0, 1, 0}},
    };
    for (const auto& s : sides) {
        for (int gap = 1; gap <= LeastRoom; ++gap) {
            SCOPED_TRACE(testing::Message() << s.what << ", " << gap << " px");
            ClearScreenTexts(0);
            const int dx = s.side == Right ? first + gap : s.side == Left ? -(second + gap) : 0;
            const int dy = s.side == Above ? height + gap : s.side == Below ? -(height + gap) : 0;
            AddScreenText(Text("1.0", {0, 0, 0}, s.away));
            AddScreenText(Text("2.0", {dx / 10.0, dy / 10.0, 0}, s.away));
            const std::vector<PlacedText> placed = LayOutScreenTexts(0);
            const std::optional<PlacedText> a = Box(placed, 0), b = Box(placed, 1);
            ASSERT_TRUE(a.has_value());
            EXPECT_EQ(b.has_value(), gap >= LeastRoom);
            if (!b) continue;
            // The room between the boxes is the gap meant, and they face each other across it.
            const int between = s.side == Right  ? b->left - (a->left + a->width)
                                : s.side == Left ? a->left - (b->left + b->width)
                                : s.side == Above ? b->bottom - (a->bottom + a->height)
                                                  : a->bottom - (b->bottom + b->height);
            EXPECT_EQ(between, gap);
            if (s.side == Right || s.side == Left)
                EXPECT_EQ(b->bottom, a->bottom);
            else
                EXPECT_EQ(b->left, a->left);
        }
    }
}

// An axis is left out as seen end-on only when its labels lie within a
// text's height of each other: one with a single label (a special frame's
// side from 0.5 to 1.5 has one, at 1) keeps it and its title.
TEST_F(ScreenTextTest, AnAxisWithOneLabelKeepsItAndItsTitle) {
    const struct {
        const char* what;
        std::vector<double> labels; // the heights of the labels, left of the axis
        bool shown;
    } cases[] = {
        {"one label", {1}, true},
        {"two labels half a pixel apart", {1, 1.05}, false},
        {"two labels a pixel short of a text's height apart", {1, 1 + (ScreenFontMetrics(Label)->capHeight - 1) / 10.0},
         false},
        {"two labels two units apart", {-1, 1}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ClearScreenTexts(0);
        for (std::size_t i = 0; i < c.labels.size(); ++i)
            AddScreenText(Text(std::to_string(i + 1), {-3.8, c.labels[i], 0}, {-1, 0, 0}, 2));
        ScreenText title = Text("Y", {-3.8, 0, 0}, {-1, 0, 0}, 2, Title);
        title.title = true;
        AddScreenText(title);
        const std::vector<PlacedText> placed = LayOutScreenTexts(0);
        EXPECT_EQ(placed.size(), c.shown ? c.labels.size() + 1 : 0u);
        if (c.shown) {
            EXPECT_TRUE(Box(placed, c.labels.size()).has_value()) << "the title";
        }
    }
}

// The layout tells what it did with every text: drawn where it lies beside
// its anchor, moved in from beyond an edge, or left out and why. Laid out
// without the view's edges (how far the texts reach, for a fit), nothing is
// moved in and a text anchored outside the view lies beside its anchor there.
TEST_F(ScreenTextTest, TheLayoutTellsWhatItDidWithEveryText) {
    AddScreenText(Text("1.0", {0, 0, 0}, {0, -1, 0}));    // drawn below its anchor
    AddScreenText(Text("2.0", {0.2, 0, 0}, {0, -1, 0}));  // covers the first
    AddScreenText(Text("4.0", {10.5, 0, 0}, {0, -1, 0})); // anchored outside the view
    AddScreenText(Text("5.0", {9.9, 5, 0}, {1, 0, 0}));   // would stick out on the right
    for (int i = 0; i < 2; ++i) AddScreenText(Text(std::to_string(i), {5, -5, -5.0 + 5 * i}, {1, 0, 0}, 1));
    const int fiveWide = ScreenTextWidth(Label, "5.0"), height = ScreenFontMetrics(Label)->capHeight;
    struct Expected {
        std::size_t index;
        bool placed, movedIn;
        LeftOutText why;
        int left, bottom; // where placed
    };
    struct Case {
        const char* name;
        ViewEdges edges;
        std::vector<Expected> texts;
    };
    const int below = 100 - 4 - height;
    const Case cases[] = {
        {"within the view",
         ViewEdges::Keep,
         {{0, true, false, {}, 100 - ScreenTextWidth(Label, "1.0") / 2, below},
          {1, false, false, LeftOutText::Covering, 0, 0},
          {2, false, false, LeftOutText::OutsideView, 0, 0},
          {3, true, true, {}, Side - 2 - fiveWide, 150 - height / 2},
          {4, false, false, LeftOutText::EndOn, 0, 0},
          {5, false, false, LeftOutText::EndOn, 0, 0}}},
        {"wherever the anchors are",
         ViewEdges::Ignore,
         {{0, true, false, {}, 100 - ScreenTextWidth(Label, "1.0") / 2, below},
          {1, false, false, LeftOutText::Covering, 0, 0},
          {2, true, false, {}, 205 - ScreenTextWidth(Label, "4.0") / 2, below},
          {3, true, false, {}, 199 + 4, 150 - height / 2},
          {4, false, false, LeftOutText::EndOn, 0, 0},
          {5, false, false, LeftOutText::EndOn, 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ScreenTextLayout layout = LayOutScreenTexts(0, CurrentScreenView(), c.edges);
        EXPECT_EQ(layout.placed.size() + layout.leftOut.size(), ScreenTextsOf(0).size());
        for (const Expected& e : c.texts) {
            SCOPED_TRACE(e.index);
            const auto placed = Box(layout.placed, e.index);
            ASSERT_EQ(placed.has_value(), e.placed);
            ASSERT_LT(std::size_t(e.index), ScreenTextsOf(0).size());
            if (placed) {
                EXPECT_EQ(placed->movedIn, e.movedIn);
                EXPECT_NEAR(placed->left, e.left, 1);
                EXPECT_NEAR(placed->bottom, e.bottom, 1);
                EXPECT_NEAR(placed->anchorX, 100 + 10 * ScreenTextsOf(0)[e.index].anchor[0], 1e-4);
                EXPECT_NEAR(placed->anchorY, 100 + 10 * ScreenTextsOf(0)[e.index].anchor[1], 1e-4);
            } else {
                const auto it = std::find_if(layout.leftOut.begin(), layout.leftOut.end(),
                                             [&](const auto& l) { return l.first == e.index; });
                ASSERT_NE(it, layout.leftOut.end());
                EXPECT_EQ(it->second, e.why);
            }
        }
    }
    // A frame's layout is kept: what it drew, where and in which view.
    DrawScreenTexts(0);
    const DrawnScreenTexts& drawn = LastDrawnScreenTexts();
    EXPECT_EQ(drawn.list, 0u);
    EXPECT_EQ(drawn.view.viewport, (std::array<int, 4>{0, 0, Side, Side}));
    ASSERT_EQ(drawn.layout.placed.size(), 2u);
    EXPECT_EQ(drawn.layout.placed[1].index, 3u);
    EXPECT_TRUE(drawn.layout.placed[1].movedIn);
}

// A title lies beyond the labels of its axis; a turned one reads downwards
// (its box is as wide as a capital is tall).
TEST_F(ScreenTextTest, TitlesLieBeyondTheirLabels) {
    for (int i = 0; i < 3; ++i) AddScreenText(Text(std::to_string(-100 * i), {0, -5.0 + 5 * i, 0}, {-1, 0, 0}, 3));
    ScreenText title = Text("Height", {0, 0, 0}, {-1, 0, 0}, 3, Title);
    title.title = true;
    title.turned = true;
    AddScreenText(title);
    const std::vector<PlacedText> placed = LayOutScreenTexts(0);
    ASSERT_EQ(placed.size(), 4u);
    const PlacedText& t = placed[3];
    ASSERT_EQ(t.index, 3u);
    EXPECT_EQ(t.width, ScreenFontMetrics(Title)->capHeight);
    EXPECT_EQ(t.height, ScreenTextWidth(Title, "Height"));
    EXPECT_NEAR(t.bottom + t.height / 2.0, 100, 1);
    const int widest = ScreenTextWidth(Label, "-200");
    EXPECT_EQ(t.left + t.width, 100 - 4 - widest - 4);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(placed[std::size_t(i)].left + placed[std::size_t(i)].width, 96);

    // Drawn, the title's ink is a column left of the labels, taller than wide.
    DrawScreenTexts(0);
    const QImage img = Pixels();
    QRect ink;
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < t.left + t.width + 1; ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255)) ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.height(), 2 * ink.width());
}

// Only the ASCII characters of a text have glyphs; a font that is not
// installed lays nothing out; texts go to the list being compiled.
TEST_F(ScreenTextTest, CharactersFontsAndLists) {
    EXPECT_EQ(ScreenTextWidth(Title, "时间 (s)"), ScreenTextWidth(Title, " (s)"));
    EXPECT_GT(ScreenTextWidth(Title, " (s)"), 0);
    EXPECT_EQ(ScreenTextWidth(Label + 100, "1"), 0);
    EXPECT_EQ(ScreenFontMetrics(Label + 100), nullptr);

    AddScreenText(Text("1", {0, 0, 0}, {0, -1, 0}, 0, Label + 100));
    AddScreenText(Text("时间", {0, 0, 0}, {0, -1, 0}));
    EXPECT_EQ(ScreenTextsOf(0).size(), 2u);
    EXPECT_TRUE(LayOutScreenTexts(0).empty());

    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    EXPECT_EQ(ScreenTextList(), list);
    AddScreenText(Text("7", {0, 0, 0}, {0, -1, 0}));
    glEndList();
    ASSERT_EQ(ScreenTextsOf(list).size(), 1u);
    EXPECT_EQ(ScreenTextsOf(list)[0].text, "7");
    EXPECT_EQ(ScreenTextsOf(0).size(), 2u);
    ClearScreenTexts(list);
    EXPECT_TRUE(ScreenTextsOf(list).empty());
    glDeleteLists(list, 1);
}

// Drawing leaves the matrices and the state it found.
TEST_F(ScreenTextTest, DrawingKeepsTheGlState) {
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glRotatef(30, 0, 0, 1);
    std::array<GLdouble, 16> modelView{}, projection{}, after{};
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView.data());
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
    glColor3f(0.25f, 0.5f, 0.75f);
    AddScreenText(Text("12", {0, 0, 0}, {0, -1, 0}));
    DrawScreenTexts(0);
    glGetDoublev(GL_MODELVIEW_MATRIX, after.data());
    EXPECT_EQ(after, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, after.data());
    EXPECT_EQ(after, projection);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    std::array<GLfloat, 4> colour{};
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    EXPECT_EQ(colour, (std::array<GLfloat, 4>{0.25f, 0.5f, 0.75f, 1}));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    // The picture stays opaque where the text's edges are blended in.
    std::vector<GLubyte> rgba(std::size_t(Side) * Side * 4);
    glReadPixels(0, 0, Side, Side, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    int inked = 0;
    for (std::size_t i = 0; i < rgba.size(); i += 4) {
        inked += rgba[i] < 255 ? 1 : 0;
        ASSERT_EQ(rgba[i + 3], 255) << i / 4;
    }
    EXPECT_GT(inked, 20);
}

} // namespace
