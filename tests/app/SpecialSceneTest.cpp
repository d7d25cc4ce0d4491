// The special graphs (contour plot, vector field, colour map) and a surface
// with every view beneath it, in the shown main window, lit: rendered and
// read back (screenshots saved to /tmp).
#include "app/frmF1.h"
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "scene/Cls10.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"
#include "tests/app/ShownWindowFixture.h"

#include <QImage>
#include <gtest/gtest.h>

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
        {GraphType::Contour, "3*sin(u/2)*cos(v/2)", 60, 12, 2, "/tmp/vexilon_contour_plot.png", 300},
        {GraphType::VectorField, "3*sin(u/3)*cos(v/3)", 20, 0, 0, "/tmp/vexilon_vector_field.png", 200},
        {GraphType::ColorMap, "3*sin(u/2)*cos(v/2)", 40, 0, 0, "/tmp/vexilon_colour_map.png", 5000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        VisibleScene = Cls8();
        AddField(c.type, c.z, c.steps, c.levels, c.width);
        Window().BuildDisplayLists();
        const QImage img = Show(CurrentFrame);
        img.save(c.file);
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
    img.save("/tmp/vexilon_surface_views.png");
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
