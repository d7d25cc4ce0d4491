// How much of the drawing area each sample fills once opened: the graphs'
// ink (what a render with the graphs has that the same view without them has
// not) spans at least half of the area's shorter side, and no frame puts ink
// on the area's outermost pixels, where a picture cut off by the edge would
// leave it. An animation is measured over all its frames, since its view is
// the one of the whole animation (a curve being traced starts short). A
// plane picture stays inside whole, its axes with their arrowheads and
// titles too.
// Vectors keep the box of their kind, symmetric about the origin and 3
// beyond them on every axis: there the picture is that box with the axes
// drawn on it.
#include "graph/Cls9.h"
#include "scene/Cls8.h"
#include "tests/samples/SampleWindow.h"

#include <QRect>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

// The pixels where two renders of one view differ by more than a blended
// edge does.
QRect DifferenceBounds(const QImage& first, const QImage& second) {
    const QImage a = first.convertToFormat(QImage::Format_RGB32), b = second.convertToFormat(QImage::Format_RGB32);
    int left = a.width(), top = a.height(), right = -1, bottom = -1;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int d = std::max({std::abs(qRed(p[x]) - qRed(q[x])), std::abs(qGreen(p[x]) - qGreen(q[x])),
                                    std::abs(qBlue(p[x]) - qBlue(q[x]))});
            if (d < 24) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

bool OnlyVectors() {
    for (const auto& e : VisibleScene.FunSurfs)
        if (!IsVector(*e.graph)) return false;
    return true;
}

class SampleView : public SampleWindowTest, public ::testing::WithParamInterface<SampleFile> {};

// At the tests' area and at the area of the window at its designed size.
TEST_P(SampleView, GraphsFillTheAreaAndStayInside) {
    const SampleFile& file = GetParam();
    for (const QSize area : {QSize(640, 480), QSize(470, 498)}) {
        SCOPED_TRACE(std::to_string(area.width()) + " x " + std::to_string(area.height()));
        ResizeArea(area);
        ASSERT_EQ(AreaSize(), area);
        OpenAnotherSample(file.path);
        ASSERT_EQ(VisibleScene.FunSurfs.Count(), std::int32_t(file.graphs.size()));
        const std::int32_t first = IsAnimated(file) ? 1 : 0;
        const std::int32_t last = IsAnimated(file) ? file.frames + 1 : 0;
        const QImage bare = RenderWithoutGraphs(first);
        const QRect inside(1, 1, area.width() - 2, area.height() - 2);
        QImage white(bare.size(), bare.format());
        white.fill(Qt::white);
        QRect inkOfAllFrames;
        for (std::int32_t frame = first; frame <= last; ++frame) {
            SCOPED_TRACE("frame " + std::to_string(frame));
            const QImage shown = Render(frame);
            const QRect ink = DifferenceBounds(shown, bare);
            ASSERT_FALSE(ink.isNull()) << "nothing drawn";
            EXPECT_TRUE(inside.contains(ink)) << "ink from (" << ink.left() << ", " << ink.top() << ") to ("
                                              << ink.right() << ", " << ink.bottom() << ")";
            inkOfAllFrames |= ink;
            if (file.kind == 1) {
                const QRect whole = DifferenceBounds(shown, white);
                EXPECT_TRUE(inside.contains(whole)) << "picture from (" << whole.left() << ", " << whole.top()
                                                    << ") to (" << whole.right() << ", " << whole.bottom() << ")";
            }
        }
        const QRect picture = OnlyVectors() ? DifferenceBounds(Render(first), white) : inkOfAllFrames;
        EXPECT_GE(std::max(picture.width(), picture.height()), std::min(area.width(), area.height()) / 2)
            << picture.width() << " x " << picture.height();
    }
}

INSTANTIATE_TEST_SUITE_P(Every, SampleView, ::testing::ValuesIn(SampleFiles()), SampleTestName);

} // namespace
