// Space graphs with their axes in the shown main window, from the default
// space view (screenshots saved to the run's folder): a sphere in spherical
// coordinates, a helix and an explicit spherical curve with a tangent line and
// a normal plane, and cylindrical and spherical surfaces with tangent planes
// and normal lines.
#include "app/frmF1.h"
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "scene/Cls3.h"
#include "scene/Cls8.h"
#include "tests/app/ShownWindowFixture.h"
#include "tests/support/RunFolder.h"

#include <QImage>
#include <gtest/gtest.h>

#include <set>

namespace {

class SpaceSceneTest : public ShownWindowFixture {
protected:
    void SetUp() override {
        ShownWindowFixture::SetUp();
        DocumentKind = 3;
        VisibleScene.RotPitch = -15;
        VisibleScene.RotYaw = 45;
        Camera.Zoom(0.5f); // a closer look than the starting volume of 40 units
    }

    struct Census {
        int blue = 0;   // axis labels and titles
        int grey = 0;   // panel grids
        int other = 0;  // neither white, blue nor grey: the graph
        std::set<QRgb> shades;
    };
    static Census Count(const QImage& img) {
        Census c;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb p = img.pixel(x, y);
                if (IsWhite(p)) continue;
                if (qBlue(p) > 150 && qRed(p) < 100 && qGreen(p) < 100)
                    ++c.blue;
                else if (qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && qRed(p) > 120)
                    ++c.grey;
                else {
                    ++c.other;
                    c.shades.insert(p);
                }
            }
        return c;
    }
    // Pixels mostly green (tangent lines, normal lines) and mostly blue
    // (normal and tangent planes, axis labels and titles), lit or not.
    static std::pair<int, int> GreenAndBlue(const QImage& img) {
        int green = 0, blue = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb p = img.pixel(x, y);
                if (qGreen(p) > qRed(p) + 10 && qGreen(p) > qBlue(p) + 10) ++green;
                if (qBlue(p) > qRed(p) + 10 && qBlue(p) > qGreen(p) + 10) ++blue;
            }
        return {green, blue};
    }
    // The graph alone in the visible scene, shown and read back.
    QImage ShowAlone(const std::shared_ptr<Cls9>& g) {
        while (VisibleScene.FunSurfs.Count() > 0) VisibleScene.FunSurfs.Remove(1);
        Add(VisibleScene, g);
        Window().BuildDisplayLists();
        return Show(CurrentFrame);
    }
};

TEST_F(SpaceSceneTest, SphereInSphericalCoordinatesWithItsAxes) {
    // r = 4 over a = 0..2pi, b = 0..pi.
    auto g = Cls9::Init(1, "S", GraphType::Surface3D, CoordType::Spherical, "a", "b", "4", 30, 30, 0, 6.2832f, 0,
                        3.1416f, FillStyle::TopToBottom, 255, 16711680, 0, 1, Material::Silky, Show::FilledSurface,
                        Smoothness::Smooth);
    g->FunForm = FunForm::Explicit;
    ASSERT_TRUE(g->GetPoints());
    const Cls1 box = g->GetBox(0);
    EXPECT_NEAR(box.MinY, -4, 1e-3);
    EXPECT_NEAR(box.MaxY, 4, 1e-3);
    Add(VisibleScene, g);
    Window().BuildDisplayLists();
    const QImage img = Show(CurrentFrame);
    img.save(RunFile("space_sphere.png"));
    const Census c = Count(img);
    EXPECT_GT(c.other, 8000);         // the shaded ball
    EXPECT_GT(c.shades.size(), 100u);
    EXPECT_GT(c.blue, 100);           // labels and titles
    EXPECT_GT(c.grey, 300);           // the grids behind
}

TEST_F(SpaceSceneTest, HelixWithTangentNormalPlaneAndAxes) {
    auto g = Cls9::Init(1, "H", GraphType::Curve3D, CoordType::Cartesian, "4*cos(u)", "4*sin(u)", "u/2", 200, 1, 0,
                        12.5664f, 0, 0, FillStyle::OneColor, 0, 255, 0, 1, Material::Metal, Show::FilledSurface,
                        Smoothness::Smooth);
    g->FunForm = FunForm::Parametric;
    g->ShowTangent = true;
    g->TangentNum = 1;
    g->TangentX(1) = 3.1416f;
    g->ShowNormal = true;
    g->NormalNum = 1;
    g->NormalX(1) = 9.4248f;
    ASSERT_TRUE(g->GetPoints());
    Add(VisibleScene, g);
    Window().BuildDisplayLists();
    const QImage img = Show(CurrentFrame);
    img.save(RunFile("space_helix.png"));
    int red = 0, green = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (qRed(p) > 150 && qGreen(p) < 100 && qBlue(p) < 100) ++red;
            if (qGreen(p) > 150 && qRed(p) < 100 && qBlue(p) < 100) ++green;
        }
    EXPECT_GT(red, 300);  // the curve
    EXPECT_GT(green, 20); // the tangent
    const Census c = Count(img);
    EXPECT_GT(c.blue, 300); // labels, titles and the normal plane
    EXPECT_GT(c.grey, 300);
}

TEST_F(SpaceSceneTest, SurfaceWithTangentPlaneNormalAndTheThreeViewsBeneath) {
    const auto surface = [] {
        auto g = Cls9::Init(1, "S", GraphType::Surface3D, CoordType::Cartesian, "x", "y",
                            "2*exp(-(x^2+y^2)/4)*cos(x)", 30, 30, -3, 3, -3, 3, FillStyle::TopToBottom, 255,
                            16711680, 0, 1, Material::Silky, Show::FilledSurface, Smoothness::Smooth);
        g->FunForm = FunForm::Explicit;
        return g;
    };
    auto plain = surface();
    ASSERT_TRUE(plain->GetPoints());
    Add(VisibleScene, plain);
    Window().BuildDisplayLists();
    const Census without = Count(Show(CurrentFrame));

    VisibleScene.FunSurfs.Remove(GraphKey(plain->ID));
    auto g = surface();
    g->ShowColormap = g->ShowContour = g->ShowVector = true;
    g->ContourLevel = 8;
    g->ShowTangent = true;
    g->TangentNum = 1;
    g->TangentX(1) = 1;
    g->TangentY(1) = 1;
    g->ShowNormal = true;
    g->NormalNum = 1;
    g->NormalX(1) = -1;
    g->NormalY(1) = -1;
    ASSERT_TRUE(g->GetPoints());
    Add(VisibleScene, g);
    Window().BuildDisplayLists();
    const QImage img = Show(CurrentFrame);
    img.save(RunFile("space_surface_all_views.png"));
    // The views beneath (a coloured map with black contours and arrows) and
    // the plane and line add many pixels to the picture of the bare surface.
    EXPECT_GT(Count(img).other, without.other + 3000);
}

TEST_F(SpaceSceneTest, ExplicitSphericalCurveWithTangentAndNormalPlane) {
    // r = 2 + b/2 over b = 0..2pi: a spiral in the upright plane of x and z.
    const auto curve = [](bool overlays) {
        auto g = Cls9::Init(1, "C", GraphType::Curve3D, CoordType::Spherical, "a", "b", "2+b/2", 200, 1, 0,
                            6.2832f, 0, 0, FillStyle::OneColor, 0, 255, 0, 1, Material::Metal,
                            Show::FilledSurface, Smoothness::Smooth);
        g->FunForm = FunForm::Explicit;
        g->ShowTangent = g->ShowNormal = overlays;
        g->TangentNum = g->NormalNum = 1;
        g->TangentX(1) = 2;
        g->NormalX(1) = 3.5f;
        EXPECT_TRUE(g->GetPoints());
        return g;
    };
    const auto [green0, blue0] = GreenAndBlue(ShowAlone(curve(false)));
    const QImage img = ShowAlone(curve(true));
    img.save(RunFile("space_explicit_curve_tangent.png"));
    const auto [green, blue] = GreenAndBlue(img);
    EXPECT_EQ(green0, 0);
    EXPECT_GT(green, 40);         // the tangent line
    EXPECT_GT(blue, blue0 + 400) << blue - blue0; // the normal plane
}

TEST_F(SpaceSceneTest, CylindricalAndSphericalSurfacesWithTangentPlaneAndNormalLine) {
    struct Case {
        const char* name;
        std::int32_t coordType;
        const char* z;
        float max1, max2;
        float tangent[2], normal[2];
    };
    const Case cases[] = {
        // A cap z = 4 - r^2/4 over a = 0..2pi, r = 0..4.
        {"cylindrical", CoordType::Cylindrical, "4-r^2/4", 6.2832f, 4, {0.2f, 2.5f}, {2.36f, 3.5f}},
        // A ball r = 3 over a = 0..2pi, b = 0..pi.
        {"spherical", CoordType::Spherical, "3", 6.2832f, 3.1416f, {0.2f, 1}, {2.36f, 1.3f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto surface = [&](bool overlays) {
            auto g = Cls9::Init(1, "S", GraphType::Surface3D, c.coordType, "a", c.coordType == CoordType::Spherical ? "b" : "r",
                                c.z, 30, 30, 0, c.max1, 0, c.max2, FillStyle::OneColor, 0, 255, 0, 1,
                                Material::Silky, Show::FilledSurface, Smoothness::Smooth);
            g->FunForm = FunForm::Explicit;
            g->ShowTangent = g->ShowNormal = overlays;
            g->TangentNum = g->NormalNum = 1;
            g->TangentX(1) = c.tangent[0];
            g->TangentY(1) = c.tangent[1];
            g->NormalX(1) = c.normal[0];
            g->NormalY(1) = c.normal[1];
            EXPECT_TRUE(g->GetPoints());
            return g;
        };
        const auto [green0, blue0] = GreenAndBlue(ShowAlone(surface(false)));
        const QImage img = ShowAlone(surface(true));
        img.save(RunFile(QString("space_%1_surface_tangent.png").arg(c.name)));
        const auto [green, blue] = GreenAndBlue(img);
        EXPECT_EQ(green0, 0);
        EXPECT_GT(green, 40) << green;               // the normal line
        EXPECT_GT(blue, blue0 + 400) << blue - blue0; // the tangent plane
    }
}

} // namespace
