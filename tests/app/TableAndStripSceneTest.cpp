// A plane table and a strip in the shown main window (screenshots saved to
// the run's folder): the table's polyline, fitted curve and markers over the
// plane axes; a wireframe, faceted strip followed by the panels of its axes.
#include "app/frmF1.h"
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "scene/Cls3.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"
#include "tests/app/ShownWindowFixture.h"
#include "tests/render/TableGraph.h"
#include "tests/support/RunFolder.h"

#include <QImage>
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>

namespace {

class TableAndStripSceneTest : public ShownWindowFixture {
protected:
    // Pixels of the picture that `like` accepts.
    template <class Like>
    static int Count(const QImage& img, Like&& like) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) n += like(img.pixel(x, y)) ? 1 : 0;
        return n;
    }
    static bool Reddish(QRgb p) { return qRed(p) > 150 && qGreen(p) < 110 && qBlue(p) < 110; }
    static bool Greenish(QRgb p) { return qGreen(p) > 150 && qRed(p) < 110 && qBlue(p) < 110; }
    static bool Bluish(QRgb p) { return qBlue(p) > 150 && qRed(p) < 110 && qGreen(p) < 110; }
};

TEST_F(TableAndStripSceneTest, TwentyPointTableDrawsItsPolylineFittedCurveAndMarkers) {
    DocumentKind = 1;
    Axes.Show = true;
    Camera.Zoom(0.5f);
    // 20 points as the table dialog stores them, x = -9.5..9.5.
    TablePoints points;
    for (int j = 0; j < 20; ++j) {
        const float x = -9.5f + float(j);
        points.emplace_back(x, float(3 * std::sin(x / 2) + x / 3));
    }
    auto g = TableGraph(GraphType::Table2D, points);
    g->ID = 1;
    g->LineColor = RGB(255, 0, 0);
    g->LineWidth = 2;
    g->Show2DLine = g->Show2DScatter = g->ShowSmoothCurve = true;
    g->SmoothCurveColor = RGB(0, 200, 0);
    g->SmoothCurveWidth = 2;
    g->ScatterColor = RGB(0, 0, 255);
    g->ScatterSize = 3;
    g->Symbol = Symbol::FilledCircle;
    Add(VisibleScene, g);
    Window().BuildDisplayLists();
    const QImage img = Show(CurrentFrame);
    img.save(RunFile("plane_table.png"));

    // The polyline shows where the fitted curve leaves its chords.
    EXPECT_GT(Count(img, Reddish), 30);
    EXPECT_GT(Count(img, Greenish), 500);
    EXPECT_GT(Count(img, Bluish), 20 * 20); // 20 markers
    // A marker at every point, over both lines.
    for (int j = 0; j < 20; ++j) {
        const Cls2& p = g->VertTab3D(0, j);
        EXPECT_TRUE(NearDrawingPoint(img, p.x / Scale2D, p.y / Scale2D, Bluish)) << j;
    }
}

TEST_F(TableAndStripSceneTest, PanelsAfterAWireframeFacetedStripAreFilled) {
    DocumentKind = 2;
    VisibleScene.RotPitch = -15;
    VisibleScene.RotYaw = 45;
    Camera.Zoom(0.5f);
    Axes.SetDefault();
    Axes.ShowXYPanel = Axes.ShowXZPanel = Axes.ShowYZPanel = true;
    Axes.XYPanelColor = Axes.XZPanelColor = Axes.YZPanelColor = RGB(255, 220, 0);
    auto g = Cls9::Init(1, "y=sin(x)", GraphType::Strip25D, CoordType::PlaneCartesian, "0", "x", "sin(x)", 1, 60, 0,
                        0, -6, 6, FillStyle::LeftToRight, RGB(0, 0, 255), RGB(255, 0, 0), 0, 1, Material::Silky,
                        Show::Wireframe, Smoothness::Faceted);
    g->FunForm = FunForm::Explicit;
    ASSERT_TRUE(g->GetPoints());
    Add(VisibleScene, g);
    Window().BuildDisplayLists();
    const QImage img = Show(CurrentFrame);
    img.save(RunFile("strip_wireframe_panels.png"));

    // The panels, lit yellow, cover much of the picture; the strip's outlines
    // are few pixels of its gradient.
    const auto yellowish = [](QRgb p) { return qRed(p) > 90 && qGreen(p) > 80 && qBlue(p) < 60; };
    EXPECT_GT(Count(img, yellowish), 5000);
    const auto stripShade = [](QRgb p) { return qGreen(p) < 60 && (qRed(p) > 80 || qBlue(p) > 80); };
    EXPECT_GT(Count(img, stripShade), 200);
    // What the frame leaves for the next list: smooth shading, filled polygons.
    const auto state = WithContext([] {
        GLint mode[2] = {0, 0}, shade = 0;
        glGetIntegerv(GL_POLYGON_MODE, mode);
        glGetIntegerv(GL_SHADE_MODEL, &shade);
        return std::array<GLint, 3>{mode[0], mode[1], shade};
    });
    EXPECT_EQ(state[0], GL_FILL);
    EXPECT_EQ(state[1], GL_FILL);
    EXPECT_EQ(state[2], GL_SMOOTH);
}

} // namespace
