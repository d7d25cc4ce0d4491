// The axes' numbers as a user reads them in the window: sample documents
// opened, their graphs left out of the picture, and the ink of the labels
// taken apart into glyphs and words read back from the drawing area.
#include "core/Globals.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"
#include "tests/samples/SampleWindow.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using Ink = std::function<bool(QRgb)>;

bool Dark(QRgb c) { return qGray(c) < 110; }
// The space axes' blue, also where it is blended into white.
bool Blue(QRgb c) { return qBlue(c) > 200 && qRed(c) < 170 && qBlue(c) - std::max(qRed(c), qGreen(c)) > 60; }

// The 8-connected pieces of ink of a picture.
struct Blob {
    QRect box;
    int area = 0;
};
std::vector<Blob> Blobs(const QImage& img, const Ink& ink, const QRect& within) {
    std::vector<int> seen(std::size_t(img.width() * img.height()), 0);
    std::vector<Blob> blobs;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x) {
            if (seen[std::size_t(y * img.width() + x)] || !ink(img.pixel(x, y))) continue;
            Blob b;
            std::vector<QPoint> stack{{x, y}};
            seen[std::size_t(y * img.width() + x)] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                b.box |= QRect(p, QSize(1, 1));
                ++b.area;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint q(p.x() + dx, p.y() + dy);
                        if (!within.contains(q)) continue;
                        int& s = seen[std::size_t(q.y() * img.width() + q.x())];
                        if (s || !ink(img.pixel(q))) continue;
                        s = 1;
                        stack.push_back(q);
                    }
            }
            blobs.push_back(b);
        }
    return blobs;
}

// Regions free of ink that the ink of `box` closes in (the counters of 0, 4,
// 6, 8, 9), 4-connected.
int Holes(const QImage& img, const Ink& ink, const QRect& box) {
    const QRect area = box.adjusted(-1, -1, 1, 1);
    std::vector<int> seen(std::size_t(area.width() * area.height()), 0);
    const auto at = [&](QPoint p) -> int& {
        return seen[std::size_t((p.y() - area.top()) * area.width() + (p.x() - area.left()))];
    };
    const auto free = [&](QPoint p) {
        return !box.contains(p) || !img.rect().contains(p) || !ink(img.pixel(p));
    };
    int holes = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPoint start(x, y);
            if (at(start) || !free(start)) continue;
            bool open = false;
            std::vector<QPoint> stack{start};
            at(start) = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                if (!box.contains(p)) open = true;
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (!area.contains(q) || at(q) || !free(q)) continue;
                    at(q) = 1;
                    stack.push_back(q);
                }
            }
            holes += open ? 0 : 1;
        }
    return holes;
}

// Glyphs that stand side by side with at most `gap` blank columns between
// them and share rows make a word; its glyphs from left to right.
struct Word {
    QRect box;
    std::vector<Blob> glyphs;
};
std::vector<Word> Words(std::vector<Blob> blobs, int gap = 2) {
    std::sort(blobs.begin(), blobs.end(), [](const Blob& a, const Blob& b) { return a.box.left() < b.box.left(); });
    std::vector<Word> words;
    for (const Blob& b : blobs) {
        Word* into = nullptr;
        for (Word& w : words) {
            const bool beside = b.box.left() - w.box.right() - 1 <= gap && b.box.right() >= w.box.left() - gap - 1;
            const bool sameRows = b.box.top() <= w.box.bottom() + 1 && b.box.bottom() >= w.box.top() - 1;
            if (beside && sameRows) into = &w;
        }
        if (into == nullptr) {
            words.push_back({b.box, {b}});
        } else {
            into->box |= b.box;
            into->glyphs.push_back(b);
        }
    }
    std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) { return a.box.top() < b.box.top(); });
    return words;
}

// How a number's glyphs look: their count and the counters they close.
struct Signature {
    int glyphs, holes;
    bool operator==(const Signature&) const = default;
};
void PrintTo(const Signature& s, std::ostream* os) { *os << "(" << s.glyphs << " glyphs, " << s.holes << " holes)"; }
Signature SignatureOf(const QImage& img, const Ink& ink, const Word& w) {
    int holes = 0;
    for (const Blob& g : w.glyphs) holes += Holes(img, ink, g.box);
    return {int(w.glyphs.size()), holes};
}

// The row and the column that hold the most ink: the plane axes.
std::pair<int, int> AxisRowAndColumn(const QImage& img) {
    int row = 0, column = 0, best = -1;
    for (int y = 0; y < img.height(); ++y) {
        int n = 0;
        for (int x = 0; x < img.width(); ++x) n += Dark(img.pixel(x, y)) ? 1 : 0;
        if (n > best) best = n, row = y;
    }
    best = -1;
    for (int x = 0; x < img.width(); ++x) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y) n += Dark(img.pixel(x, y)) ? 1 : 0;
        if (n > best) best = n, column = x;
    }
    return {row, column};
}

class AxisLabelsTest : public SampleWindowTest {
protected:
    // The drawing area without the graphs: axes, ticks and texts.
    QImage Axes() { return RenderWithoutGraphs(CurrentFrame); }
};

// The Y labels of the cubic sample, left of the Y axis: every minus sign,
// stroke and counter is there. Each label's number follows from its place:
// the labels stand a step of 2 apart. Labels next to the X axis (2, -2) are
// not read, the X axis's labels being beside them.
TEST_F(AxisLabelsTest, PlaneTickLabelsReadAsTheirNumbers) {
    OpenSample("2D/cubic parabola.pgp");
    const std::map<int, Signature> expected{{10, {2, 1}}, {8, {1, 2}},   {6, {1, 1}},   {4, {1, 1}},
                                            {2, {1, 0}},  {-2, {2, 0}},  {-4, {2, 1}},  {-6, {2, 1}},
                                            {-8, {2, 2}}, {-10, {3, 1}}};
    for (const float zoom : {1.0f, 0.6f}) {
        SCOPED_TRACE(zoom);
        Camera.Zoom(zoom);
        const QImage img = Axes();
        const auto [row, column] = AxisRowAndColumn(img);
        const QRect left(std::max(0, column - 45), 0, std::min(column - 2, 43), img.height());
        // Words of a label's size (the title "Y" is taller) away from the X axis.
        std::vector<Word> labels;
        for (const Word& w : Words(Blobs(img, Dark, left)))
            if (w.box.width() <= 30 && w.box.height() >= 5 && w.box.height() <= 10 &&
                std::abs(w.box.center().y() - row) >= 14)
                labels.push_back(w);
        ASSERT_GE(labels.size(), 6u);
        std::vector<int> gaps;
        for (std::size_t i = 1; i < labels.size(); ++i) {
            const int gap = labels[i].box.center().y() - labels[i - 1].box.center().y();
            if (labels[i - 1].box.center().y() > row || labels[i].box.center().y() < row) gaps.push_back(gap);
        }
        std::sort(gaps.begin(), gaps.end());
        const double spacing = gaps[gaps.size() / 2];
        ASSERT_GT(spacing, 5);
        for (const Word& w : labels) {
            const int value = 2 * int(std::lround((row - w.box.center().y()) / spacing));
            ASSERT_TRUE(expected.count(value)) << value;
            EXPECT_EQ(SignatureOf(img, Dark, w), expected.at(value)) << "the label of " << value;
        }
    }
}

// Zoomed in, the labels keep their height in pixels.
TEST_F(AxisLabelsTest, PlaneLabelsKeepTheirSizeWhenZoomedIn) {
    OpenSample("2D/cubic parabola.pgp");
    // The height most glyphs left of the Y axis have: that of the digits.
    const auto digitHeight = [&] {
        const QImage img = Axes();
        const auto [row, column] = AxisRowAndColumn(img);
        std::vector<int> count(64, 0);
        for (const Blob& b : Blobs(img, Dark, QRect(0, 0, column - 2, img.height())))
            if (b.area >= 8 && b.box.width() < 30 && b.box.height() < 64 && std::abs(b.box.center().y() - row) > 3)
                ++count[std::size_t(b.box.height())];
        return int(std::max_element(count.begin(), count.end()) - count.begin());
    };
    const int before = digitHeight();
    EXPECT_GE(before, 8);
    Camera.Zoom(0.4f);
    EXPECT_EQ(digitHeight(), before);
}

// The blue texts of space and strip axes in the views a user picks: glyphs
// of a readable height, words no longer than a label (no two labels run
// together), some labels on show, and none cut by the drawing area's edge.
TEST_F(AxisLabelsTest, SpaceAndStripLabelsStayApartAndReadableInEveryView) {
    struct View {
        const char* menu; // nullptr: the view the document opens in
        float zoom;
        std::size_t words; // at least: labels and titles on show (zoomed in, some ticks leave the view)
    };
    struct Case {
        const char* sample;
        std::int32_t kind;
        std::vector<View> views;
    };
    const Case cases[] = {
        {"3D/saddle-backed.pgp", 3,
         {{nullptr, 1, 10}, {nullptr, 0.7f, 3}, {nullptr, 0.4f, 1}, {"mnuViewFront", 1, 6},
          {"mnuViewRight", 1, 6}, {"mnuViewTop", 1, 6}, {"mnuViewTop", 0.7f, 6}, {"mnuViewISO", 1, 10}}},
        {"25D/sin.pgp", 2, {{nullptr, 1, 6}, {nullptr, 0.7f, 3}, {nullptr, 0.4f, 1}, {"mnuViewISO", 1, 6}}},
    };
    for (const Case& c : cases) {
        OpenAnotherSample(c.sample);
        ASSERT_EQ(DocumentKind, c.kind) << c.sample;
        for (const View& v : c.views) {
            SCOPED_TRACE(testing::Message() << c.sample << ' ' << (v.menu ? v.menu : "opened") << " zoom " << v.zoom);
            if (v.menu) Run(v.menu);
            Camera.Zoom(v.zoom);
            const QImage img = Axes();
            Camera.Zoom(1 / v.zoom);
            const std::vector<Blob> glyphs = Blobs(img, Blue, img.rect());
            int tall = 0;
            for (const Blob& g : glyphs) {
                if (g.box.height() < 4 && g.box.width() <= 8) continue; // a minus sign or a point
                ++tall;
                EXPECT_GE(g.box.height(), 6) << g.box.x() << "," << g.box.y();
                EXPECT_LE(g.box.height(), 20) << g.box.x() << "," << g.box.y();
                EXPECT_LE(g.box.width(), 20) << g.box.x() << "," << g.box.y();
            }
            EXPECT_GT(tall, 0);
            const std::vector<Word> words = Words(glyphs);
            EXPECT_GE(words.size(), v.words);
            for (const Word& w : words) {
                EXPECT_LE(w.glyphs.size(), 4u) << "word at " << w.box.x() << "," << w.box.y();
                EXPECT_TRUE(img.rect().adjusted(1, 1, -1, -1).contains(w.box)) << w.box.x() << "," << w.box.y();
            }
        }
    }
}

} // namespace
