// A plane document in the shown main window: graphs with the background,
// grid and coordinate system compiled into the scene list, read back as
// pixels with grabFramebuffer.
#include "app/frmF1.h"
#include "core/ColorService.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/ResultPane.h"
#include "graph/Cls9.h"
#include "platform/GlDrawingArea.h"
#include "scene/Cls3.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"
#include "tests/app/ShownWindowFixture.h"
#include "tests/scene/SceneFixture.h"
#include "tests/support/RecordingServices.h"
#include "tests/support/RunFolder.h"

#include <QImage>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace {

class PlaneSceneTest : public SceneFixture {
protected:
    void SetUp() override {
        RecordingMessageBox box;
        window_ = std::make_unique<frmF1>();
        window_->resize(800, 800);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return window_->picDraw()->HasContext(); }, 5000));
        ASSERT_EQ(box.Count(), 0u);
        DocumentKind = 1;
        // A new plane document's coordinate system, with both grids.
        Axes.Show = true;
        Axes.BetterFonts = false;
        Axes.ShowprimaryGrid = true;
        Axes.ShowSecondaryGrid = true;
        Axes.PriGridColor = RGB(0, 200, 0);
        Axes.SecGridColor = RGB(190, 235, 190);
    }
    void TearDown() override { window_.reset(); }

    // Compiles the visible scene and reads the shown picture back.
    QImage Build() {
        window_->BuildDisplayLists();
        window_->Display(CurrentFrame);
        return window_->picDraw()->grabFramebuffer();
    }
    // The colour at drawing coordinates (x, y) of the plane z = 0.
    static QRgb At(const QImage& img, double x, double y) {
        const int px = int(std::lround((x / Camera.VolWidth + 0.5) * img.width()));
        const int py = int(std::lround((0.5 - y / Camera.VolHeight) * img.height()));
        return img.pixel(px, py);
    }

    // Whether a pixel within two of the one at (x, y) is like `colour`.
    template <class Like>
    static bool Near(const QImage& img, double x, double y, Like&& like) {
        return NearDrawingPoint(img, x, y, like);
    }
    static bool Near(const QImage& img, double x, double y, QRgb colour) {
        return Near(img, x, y, [&](QRgb c) { return c == colour; });
    }

    // y = f(x) sampled over minX..maxX.
    static std::shared_ptr<Cls9> Function(std::int32_t id, const std::string& f, float minX, float maxX,
                                          std::int32_t segments, std::int32_t colour, std::int32_t width) {
        std::shared_ptr<Cls9> g = Cls9::Init(id, "y=" + f, GraphType::Function2D, CoordType::PlaneCartesian, "0",
                                             "x", f, 1, segments, 0, 0, minX, maxX, FillStyle::OneColor, 0, 0,
                                             colour, width, 1, Show::FilledSurface, Smoothness::Smooth);
        g->FunForm = FunForm::Explicit;
        g->Show2DCurve = true;
        EXPECT_TRUE(g->GetPoints());
        Add(VisibleScene, g);
        return g;
    }

    // Shows the lists as they are (a paint, no rebuild) and reads them back.
    QImage Shown() {
        window_->Display(CurrentFrame);
        return window_->picDraw()->grabFramebuffer();
    }
    // The ink of a picture on white: the sum of every pixel's darkness, 1
    // for black.
    static double Ink(const QImage& img) {
        double ink = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                ink += (765 - qRed(c) - qGreen(c) - qBlue(c)) / 765.0;
            }
        return ink;
    }
    // The largest distance in pixels of a pixel darker than 0.1 from the
    // segment (x1, y1)-(x2, y2) in drawing coordinates of the plane z = 0.
    static double FarthestInk(const QImage& img, double x1, double y1, double x2, double y2) {
        const auto toPixel = [&](double x, double y) {
            return std::pair<double, double>{(x / Camera.VolWidth + 0.5) * img.width(),
                                             (0.5 - y / Camera.VolHeight) * img.height()};
        };
        const auto [ax, ay] = toPixel(x1, y1);
        const auto [bx, by] = toPixel(x2, y2);
        const double dx = bx - ax, dy = by - ay, length2 = dx * dx + dy * dy;
        double farthest = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                if (765 - qRed(c) - qGreen(c) - qBlue(c) < 0.1 * 765) continue;
                const double px = x + 0.5, py = y + 0.5;
                const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / length2, 0.0, 1.0);
                farthest = std::max(farthest, std::hypot(px - ax - t * dx, py - ay - t * dy));
            }
        return farthest;
    }

private:
    std::unique_ptr<frmF1> window_;
};

TEST_F(PlaneSceneTest, SineWithAxesAndGrid) {
    RecordingResultPane pane;
    auto sine = Function(1, "sin(x)", -6.3f, 6.3f, 200, RGB(0, 0, 255), 2);
    sine->ShowRoot = true;
    sine->RootColor = RGB(255, 0, 0);
    sine->RootSize = 2;
    sine->RootSymbol = Symbol::FilledCircle;
    const QImage img = Build();
    img.save(RunFile("vexilon_plane_sine_scene.png"));

    // The box x -7..7, y -2..2 (snapped to the step 2 of unit 0.634).
    const double unit = Scale2D;
    EXPECT_NEAR(unit, 0.634, 1e-3);
    // The curve where sin is; the grid at whole and half steps; the axes.
    for (double x : {-5.0, -2.0, 1.5, 4.0})
        EXPECT_TRUE(Near(img, x / unit, std::sin(x) / unit, [](QRgb c) { return qBlue(c) > 200 && qRed(c) < 60; }))
            << x;
    EXPECT_TRUE(Near(img, 4 / unit, 1.3 / unit, qRgb(0, 200, 0)));       // x = 4 is a whole step
    EXPECT_TRUE(Near(img, 3 / unit, -1.3 / unit, qRgb(190, 235, 190)));  // x = 3 a half step
    EXPECT_FALSE(Near(img, 3 / unit, -1.3 / unit, qRgb(0, 200, 0)));
    EXPECT_TRUE(Near(img, -3.5 / unit, 0, qRgb(0, 0, 0))); // the X axis, between two ticks
    EXPECT_TRUE(Near(img, 0, 1.3 / unit, qRgb(0, 0, 0)));  // the Y axis
    EXPECT_EQ(At(img, -17, 17), qRgb(255, 255, 255));      // outside everything
    // A root marker at pi, on the axis.
    EXPECT_TRUE(Near(img, 3.1416 / unit, 0, qRgb(255, 0, 0)));
    EXPECT_FALSE(Near(img, 2.5 / unit, 0, qRgb(255, 0, 0)));

    EXPECT_EQ(pane.Text().substr(0, std::string("函数 y=sin(x)\r\n    根: x=-6.28").size()),
              "函数 y=sin(x)\r\n    根: x=-6.28");
}

TEST_F(PlaneSceneTest, PictureDoesNotDependOnWhatWasDrawnBefore) {
    Axes.ShowBackground = true;
    Axes.BackStyle = 2;
    auto sine = Function(1, "sin(x)", -6.3f, 6.3f, 100, RGB(0, 0, 255), 1);
    const QImage first = Build();

    // A scene whose list ends with a line width of 8 (no axes after the graph).
    VisibleScene = Cls8();
    Function(2, "x", -5, 5, 4, RGB(255, 0, 0), 8);
    Axes.Show = false;
    const QImage wide = Build();
    EXPECT_NE(wide, first);

    VisibleScene = Cls8();
    Add(VisibleScene, sine);
    Axes.Show = true;
    EXPECT_EQ(Build(), first);
}

TEST_F(PlaneSceneTest, AnalysesOfAParabola) {
    RecordingResultPane pane;
    auto g = Function(1, "x^2-1", -2, 2, 40, RGB(0, 0, 255), 2);
    g->ShowDev = true;
    g->DevColor = RGB(0, 160, 0);
    g->DevWidth = 2;
    g->ShowMin = true;
    g->MinColor = RGB(255, 0, 0);
    g->MinSize = 3;
    g->MinSymbol = Symbol::FilledCircle;
    g->ShowQie = true;
    g->QieNum = 1;
    g->QieX(1) = 1;
    g->QieColor = RGB(255, 0, 255);
    g->QieWidth = 2;
    g->ShowCurv = true;
    g->CurvNum = 1;
    g->CurvX(1) = 0;
    g->CurvColor = RGB(255, 128, 0);
    g->CurvWidth = 2;
    ASSERT_TRUE(g->GetPoints());
    const QImage img = Build();
    img.save(RunFile("vexilon_plane_analyses.png"));

    const double unit = Scale2D;
    const auto like = [](int r, int gr, int b) {
        return [=](QRgb c) { return std::abs(qRed(c) - r) < 60 && std::abs(qGreen(c) - gr) < 60 && std::abs(qBlue(c) - b) < 60; };
    };
    // The derivative 2x, the minimum marker at (0, -1), the tangent through
    // (1, 0) of slope 2, the circle of radius 0.5 about (0, -0.5).
    EXPECT_TRUE(Near(img, 1.5 / unit, 3 / unit, like(0, 160, 0)));
    EXPECT_TRUE(Near(img, 0, -1 / unit, like(255, 0, 0)));
    EXPECT_TRUE(Near(img, 1.3 / unit, 0.6 / unit, like(255, 0, 255)));
    EXPECT_TRUE(Near(img, 0.5 / unit, -0.5 / unit, like(255, 128, 0)));
    EXPECT_TRUE(Near(img, -0.5 / unit, -0.5 / unit, like(255, 128, 0)));
    EXPECT_EQ(pane.Text(), "函数 y=x^2-1\r\n    极小值点: x=0,y=-1\r\n\r\n    切点: x=1, y=0\r\n      斜率: 2\r\n\r\n"
                           "    曲率圆:\r\n      位置: x=0, y=-1\r\n        曲率: 2\r\n        曲率半径: 0.5\r\n"
                           "        曲率圆的圆心: x=0, y=-0.5\r\n");
}

TEST_F(PlaneSceneTest, ARefusedDerivativeIsReportedOncePerBuild) {
    auto g = Function(1, "abs(x)", -2, 2, 40, RGB(0, 0, 255), 2);
    g->ShowDev = g->ShowMax = g->ShowGuai = true;
    RecordingMessageBox box;
    ASSERT_TRUE(g->GetPoints()); // the sampling's own message
    box.Clear();
    const QImage img = Build();
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "不能计算ABS的导数。");
    // The curve is drawn.
    EXPECT_TRUE(Near(img, 1 / Scale2D, 1 / Scale2D, [](QRgb c) { return qBlue(c) > 200 && qRed(c) < 60; }));
}

// A line looks the same whatever its segment count: y = x + 3 over -10..10,
// alone and black, has within 10 % the ink it has in 300 segments (about a
// pixel each) in the same view, and every dark pixel lies on it. The lists
// are compiled in a new document's view; a zoom in or out only shows them
// again, and then shows what lists built in its view show.
TEST_F(PlaneSceneTest, ALineHasTheSameInkWhateverItsSegmentCount) {
    Axes.Show = Axes.ShowprimaryGrid = Axes.ShowSecondaryGrid = false;
    std::map<std::int32_t, std::shared_ptr<Cls9>> lines;
    for (std::int32_t segments : {30, 300, 10'000, 100'000, 1'000'000})
        lines[segments] = Function(std::int32_t(lines.size()) + 1, "x+3", -10, 10, segments, RGB(0, 0, 0), 1);
    struct Row {
        std::int32_t segments;
        std::int32_t width;
        float zoom; // the view volume's factor after the lists are built
    };
    const Row rows[] = {{30, 1, 1},        {10'000, 1, 1},       {100'000, 1, 1},  {1'000'000, 1, 1},
                        {1'000'000, 2, 1}, {1'000'000, 1, 0.25f}, {1'000'000, 1, 4}};
    const auto picture = [&](std::int32_t segments, const Row& row) {
        VisibleScene = Cls8();
        std::shared_ptr<Cls9> g = lines[segments];
        g->LineWidth = row.width;
        Add(VisibleScene, g);
        Camera.ResetView();
        Build();
        Camera.Zoom(row.zoom);
        return Shown();
    };
    for (const Row& row : rows) {
        const QImage reference = picture(300, row);
        const QImage img = picture(row.segments, row);
        if (row.segments == 1'000'000 && row.width == 1 && row.zoom == 1)
            img.save(RunFile("vexilon_line_million_segments.png"));
        const double ink = Ink(img), expected = Ink(reference);
        ASSERT_GT(expected, 0) << row.segments;
        EXPECT_NEAR(ink / expected, 1, 0.1) << row.segments << " segments, width " << row.width << ", zoom "
                                            << row.zoom << ": ink " << ink << " against " << expected;
        EXPECT_LE(FarthestInk(img, -10 / Scale2D, -7 / Scale2D, 10 / Scale2D, 13 / Scale2D), row.width + 1.5)
            << row.segments << " segments, zoom " << row.zoom;
        if (row.zoom != 1) {
            EXPECT_EQ(img, Build()) << row.segments << " segments, zoom " << row.zoom;
        }
    }
}

// Lists whose curves were drawn for another view are compiled again when
// they are shown (here after a zoom into abs(x) in 100,000 segments): the
// same picture as lists built in the view, with neither the build's message
// (its derivative is refused) nor its result lines again.
TEST_F(PlaneSceneTest, ListsDrawnAgainForTheViewSayAndWriteNothing) {
    RecordingResultPane pane;
    auto g = Function(1, "abs(x)", -2, 2, 100'000, RGB(0, 0, 255), 2);
    g->ShowDev = true;
    RecordingMessageBox box;
    Build();
    ASSERT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "不能计算ABS的导数。");
    pane.SetText("kept");
    Camera.Zoom(0.25f);
    const QImage zoomed = Shown();
    EXPECT_EQ(box.Count(), 1u);
    EXPECT_EQ(pane.Text(), "kept");
    EXPECT_EQ(Build(), zoomed);
    EXPECT_EQ(box.Count(), 2u);
    EXPECT_EQ(pane.Text(), "函数 y=abs(x)\r\n");
}

} // namespace
