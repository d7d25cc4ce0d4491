// The special graphs (contour plot, vector field, colour map) and a surface
// with every view beneath it, in the shown main window, lit: rendered and
// read back (screenshots saved to the run's folder).
#include "app/frmF1.h"
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "scene/Cls10.h"
#include "scene/Cls3.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"
#include "tests/app/ShownWindowFixture.h"
#include "tests/support/ImageInk.h"
#include "tests/support/RunFolder.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>

namespace {

constexpr std::int32_t Red = 255;
constexpr std::int32_t Blue = 16711680;

class SpecialSceneTest : public ShownWindowFixture {
protected:
    // A graph of the field dialogs over u, v in -8..8, sampled and shown.
    std::shared_ptr<Cls9> AddField(std::int32_t type, const std::string& z, std::int32_t steps,
                                   std::int32_t levels, std::int32_t width) {
        DocumentKind = 7;
        std::shared_ptr<Cls9> g = Cls9::Init(1, "F", type, CoordType::Cartesian, "u", "v", z, steps, steps, -8, 8,
                                             -8, 8, FillStyle::TopToBottom, Red, Blue, 0, width, 0,
                                             Show::FilledSurface, Smoothness::Smooth, false, false, false, levels);
        g->FunForm = FunForm::Parametric;
        EXPECT_TRUE(g->GetPoints());
        Add(VisibleScene, g);
        // The picture fills the view.
        Camera.SetViewRect(18, 18);
        return g;
    }

    // Distinct colours among the picture's non-white pixels, and how many
    // pixels are not white.
    static std::pair<std::size_t, int> Coverage(const QImage& img) {
        std::set<QRgb> colours;
        int covered = 0;
        for (int y = 0; y < img.height(); y += 2)
            for (int x = 0; x < img.width(); x += 2) {
                const QRgb c = img.pixel(x, y);
                if (IsWhite(c)) continue;
                ++covered;
                colours.insert(c);
            }
        return {colours.size(), covered};
    }
};

TEST_F(SpecialSceneTest, ContourPlotVectorFieldAndColourMapShow) {
    Light.Enabled = true;
    struct Case {
        std::int32_t type;
        const char* z;
        std::int32_t steps, levels, width;
        const char* file;
        int minCovered; // pixels (every fourth) not white
    };
    const Case cases[] = {
        {GraphType::Contour, "3*sin(u/2)*cos(v/2)", 60, 12, 2, "vexilon_contour_plot.png", 300},
        {GraphType::VectorField, "3*sin(u/3)*cos(v/3)", 20, 0, 0, "vexilon_vector_field.png", 200},
        {GraphType::ColorMap, "3*sin(u/2)*cos(v/2)", 40, 0, 0, "vexilon_colour_map.png", 5000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        VisibleScene = Cls8();
        AddField(c.type, c.z, c.steps, c.levels, c.width);
        Window().BuildDisplayLists();
        const QImage img = Show(CurrentFrame);
        img.save(RunFile(c.file));
        const auto [colours, covered] = Coverage(img);
        EXPECT_GT(covered, c.minCovered);
        // Graded colours (contours, map) or one colour with smoothed edges.
        EXPECT_GT(colours, 5u);
        // Unlit: the gradient's ends (the field's one colour) show as they are.
        int red = 0, blue = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb p = img.pixel(x, y);
                if (qGreen(p) > 120) continue;
                red += qRed(p) > qBlue(p) + 150;
                blue += qBlue(p) > qRed(p) + 150;
            }
        EXPECT_GT(blue, 50);
        if (c.type == GraphType::VectorField)
            EXPECT_EQ(red, 0);
        else
            EXPECT_GT(red, 50);
    }
}

TEST_F(SpecialSceneTest, XTextRunsAcrossAndYTextUpInThePictureItsFrameAndTheFit) {
    // X = u over 0..6, Y = v over -2..2, Z = u: fitted, each picture spans 6
    // across and 4 up inside its frame, its value rising to the right.
    struct Case {
        std::int32_t type;
        const char* file;
    };
    const Case cases[] = {
        {GraphType::ColorMap, "vexilon_special_colour_map_across.png"},
        {GraphType::Contour, "vexilon_special_contour_across.png"},
        {GraphType::VectorField, "vexilon_special_field_across.png"},
    };
    Axes.AxisColor = RGB(0, 160, 0);
    Axes.AxisWidth = 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        VisibleScene = Cls8();
        DocumentKind = 7;
        std::shared_ptr<Cls9> g = Cls9::Init(1, "F", c.type, CoordType::Cartesian, "u", "v", "u", 12, 8, 0, 6, -2, 2,
                                             FillStyle::TopToBottom, Red, Blue, 0, 2, 0, Show::FilledSurface,
                                             Smoothness::Smooth, false, false, false, 6);
        g->FunForm = FunForm::Parametric;
        ASSERT_TRUE(g->GetPoints());
        Add(VisibleScene, g);
        Window().BuildDisplayLists();
        Window().mnuViewFit_Click();
        const QImage img = Show(CurrentFrame);
        img.save(RunFile(c.file));

        // The frame's pixels, and those of the graph (red to blue, or the
        // field's blue).
        const auto frame = [](QRgb p) { return qGreen(p) > 100 && qRed(p) < 90 && qBlue(p) < 90; };
        const auto graph = [](QRgb p) { return qGreen(p) < 90 && (qRed(p) > 150 || qBlue(p) > 150); };
        const QRect inked = PixelBounds(img, graph), framed = PixelBounds(img, frame);
        const int left = inked.left(), right = inked.right(), top = inked.top(), bottom = inked.bottom();
        const int fLeft = framed.left(), fRight = framed.right(), fTop = framed.top(), fBottom = framed.bottom();
        ASSERT_LT(left, right);
        ASSERT_LT(fLeft, fRight);
        // The frame spans the box: the picture across (6) and up (4); the
        // fit centres it with its ticks, 0.3 long below and left of it.
        const double across = fRight - fLeft, up = fBottom - fTop, perUnit = across / 6;
        EXPECT_NEAR(across / up, 6.0 / 4.0, 0.1);
        EXPECT_NEAR((fLeft + fRight) / 2.0 - 0.15 * perUnit, img.width() / 2.0, 4);
        EXPECT_NEAR((fTop + fBottom) / 2.0 + 0.15 * perUnit, img.height() / 2.0, 4);
        EXPECT_GE(left, fLeft);
        EXPECT_LE(right, fRight);
        EXPECT_GE(top, fTop);
        EXPECT_LE(bottom, fBottom);
        if (c.type == GraphType::VectorField) {
            // The arrows point across, to the right (the value rises along
            // X): 7 rows of short lines, in few pixel rows and many columns.
            std::set<int> rows, columns;
            for (int y = fTop + 3; y <= fBottom - 3; ++y)
                for (int x = fLeft + 3; x <= fRight - 3; ++x) {
                    const QRgb p = img.pixel(x, y);
                    if (qBlue(p) > qRed(p) + 60 && qBlue(p) > qGreen(p) + 60) rows.insert(y), columns.insert(x);
                }
            EXPECT_LT(rows.size() * 4, columns.size());
            continue;
        }
        // The value changes across and stays up the picture: bluish on the
        // left, reddish on the right, in every row that shows the graph.
        const int y0 = (fTop + fBottom) / 2;
        for (int y : {fTop + (y0 - fTop) / 2, y0, y0 + (fBottom - y0) / 2}) {
            int blueLeft = 0, redRight = 0, other = 0;
            for (int x = fLeft; x <= fRight; ++x) {
                const QRgb p = img.pixel(x, y);
                if (!graph(p)) continue;
                const bool leftHalf = x < (fLeft + fRight) / 2;
                if (leftHalf && qBlue(p) > qRed(p)) ++blueLeft;
                else if (!leftHalf && qRed(p) > qBlue(p)) ++redRight;
                else ++other;
            }
            EXPECT_GT(blueLeft, 0) << y;
            EXPECT_GT(redRight, 0) << y;
            EXPECT_LT(other, (blueLeft + redRight) / 4 + 2) << y;
        }
    }
}

TEST_F(SpecialSceneTest, APointSitsAtItsXAndYInTheFrameAndTheFitTakesItIn) {
    // A contour plot of X = u over 0..6, Y = v over -2..2, and a point typed
    // as x = 9, y = -4 (stored as the point dialog stores it there): the
    // frame grows to 0..9 across and -4..2 up, and the point sits in its
    // lower right corner.
    DocumentKind = 7;
    VisibleScene = Cls8();
    Axes.AxisColor = RGB(0, 160, 0);
    Axes.AxisWidth = 2;
    std::shared_ptr<Cls9> plot = Cls9::Init(1, "F", GraphType::Contour, CoordType::Cartesian, "u", "v", "u", 12, 8,
                                            0, 6, -2, 2, FillStyle::OneColor, Blue, Blue, 0, 1, 0,
                                            Show::FilledSurface, Smoothness::Smooth, false, false, false, 6);
    plot->FunForm = FunForm::Parametric;
    ASSERT_TRUE(plot->GetPoints());
    Add(VisibleScene, plot);
    std::shared_ptr<Cls9> point = Cls9::Init(2, "P", GraphType::Point, CoordType::Cartesian, "0", "9", "-4", 1, 1,
                                             0, 0, 0, 0, FillStyle::OneColor, 0, 0, 0, 1, 0, Show::FilledSurface,
                                             Smoothness::Smooth);
    point->PointColor = Red;
    point->PointSize = 4;
    ASSERT_TRUE(point->GetPoints());
    Add(VisibleScene, point);
    Window().BuildDisplayLists();
    Window().mnuViewFit_Click();
    const QImage img = Show(CurrentFrame);
    img.save(RunFile("vexilon_special_point.png"));

    const auto frame = [](QRgb p) { return qGreen(p) > 100 && qRed(p) < 90 && qBlue(p) < 90; };
    const auto red = [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80; };
    const QRect framed = PixelBounds(img, frame);
    const int fLeft = framed.left(), fRight = framed.right(), fTop = framed.top(), fBottom = framed.bottom();
    double sumX = 0, sumY = 0;
    int reds = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (red(img.pixel(x, y))) sumX += x, sumY += y, ++reds;
    ASSERT_LT(fLeft, fRight);
    ASSERT_GT(reds, 10);
    EXPECT_NEAR(double(fRight - fLeft) / (fBottom - fTop), 9.0 / 6.0, 0.1);
    EXPECT_NEAR(sumX / reds, fRight, 4);
    EXPECT_NEAR(sumY / reds, fBottom, 4);
}

TEST_F(SpecialSceneTest, SurfaceWithTangentPlanesNormalsAndEveryViewShows) {
    DocumentKind = 3;
    Light.Enabled = true;
    std::shared_ptr<Cls9> g = Cls9::Init(1, "S", GraphType::Surface3D, CoordType::Cartesian, "x", "y",
                                         "4*cos(x/2)*cos(y/2)", 30, 30, -6, 6, -6, 6, FillStyle::TopToBottom, Red,
                                         Blue, 0, 1, Material::Silky, Show::FilledSurface, Smoothness::Smooth,
                                         true, true, true, 10);
    g->FunForm = FunForm::Explicit;
    g->ShowTangent = g->ShowNormal = true;
    g->TangentNum = g->NormalNum = 2;
    // The top and a point on the slope: unit squares tangent where the
    // surface curves away enough to show them over the depth buffer's steps.
    g->TangentX(1) = g->NormalX(1) = 0;
    g->TangentY(1) = g->NormalY(1) = 0;
    g->TangentX(2) = g->NormalX(2) = 2;
    g->TangentY(2) = g->NormalY(2) = 1;
    ASSERT_TRUE(g->GetPoints());
    Add(VisibleScene, g);
    VisibleScene.RotPitch = -25;
    VisibleScene.RotYaw = 35;
    Camera.SetViewRect(22, 22);
    Window().BuildDisplayLists();
    const QImage img = Show(CurrentFrame);
    img.save(RunFile("vexilon_surface_views.png"));
    const auto [colours, covered] = Coverage(img);
    EXPECT_GT(covered, 5000);
    EXPECT_GT(colours, 100u);
    // The black lines and arrows of the views, the blue planes and green normals.
    int black = 0, green = 0, blue = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (qRed(p) < 30 && qGreen(p) < 30 && qBlue(p) < 30) ++black;
            if (qGreen(p) > qRed(p) + 60 && qGreen(p) > qBlue(p) + 60) ++green;
            if (qBlue(p) > qRed(p) + 100 && qBlue(p) > qGreen(p) + 100) ++blue;
        }
    EXPECT_GT(black, 200);
    EXPECT_GT(green, 5);
    EXPECT_GT(blue, 20);
}

} // namespace
