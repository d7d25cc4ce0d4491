// Surfaces in the shown main window: a lit, a textured and a transparent
// surface rendered and read back (screenshots saved to the run's folder); the
// texture of a surface uploaded once for many rebuilds and again for a new
// context.
#include "app/frmF1.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "graph/Cls9.h"
#include "platform/GlDrawingArea.h"
#include "scene/Cls10.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"
#include "scene/TextureCache.h"
#include "tests/app/ShownWindowFixture.h"
#include "tests/support/RunFolder.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <set>

namespace {

constexpr std::int32_t Red = 255;
constexpr std::int32_t Blue = 16711680;

class SurfaceSceneTest : public ShownWindowFixture {
protected:
    void SetUp() override {
        ShownWindowFixture::SetUp();
        DocumentKind = 3;
    }

    // A rectangle x0..x1 by y0..y1 in the plane z, facing the eye, as a
    // surface graph of 4 x 4 quads.
    static std::shared_ptr<Cls9> Panel(std::int32_t id, float x0, float x1, float y0, float y1, float z,
                                       std::int32_t colour) {
        auto g = std::make_shared<Cls9>();
        g->ID = id;
        g->GraphType = GraphType::Surface3D;
        g->StepU = g->StepV = 4;
        g->FillStyle = FillStyle::OneColor;
        g->SecondColor = colour;
        g->Show = Show::FilledSurface;
        g->Smoothness = Smoothness::Smooth;
        g->Vert3D.Create(4, 4);
        for (int i = 0; i <= 4; ++i)
            for (int j = 0; j <= 4; ++j)
                g->Vert3D(i, j) = Cls2::Init(x0 + (x1 - x0) * float(i) / 4, y0 + (y1 - y0) * float(j) / 4, z);
        Add(VisibleScene, g);
        return g;
    }

    // A raw 8 x 8 texture: its left half `left`, its right half `right` (RGB).
    std::string Texture(std::uint32_t left, std::uint32_t right) {
        const std::string name = dir_.filePath("halves.mot").toStdString();
        std::ofstream out(name, std::ios::binary | std::ios::trunc);
        const std::int32_t sides[2] = {8, 8};
        out.write(reinterpret_cast<const char*>(sides), sizeof sides);
        for (int row = 0; row < 8; ++row)
            for (int col = 0; col < 8; ++col) {
                const std::uint32_t c = col < 4 ? left : right;
                const char rgb[3] = {char(c >> 16), char((c >> 8) & 0xff), char(c & 0xff)};
                out.write(rgb, 3);
            }
        return name;
    }

private:
    QTemporaryDir dir_;
};

TEST_F(SurfaceSceneTest, LitSurfaceIsShadedByItsNormals) {
    // A sampled wave seen from the space document's default view, lit.
    std::shared_ptr<Cls9> g = Cls9::Init(1, "S", GraphType::Surface3D, CoordType::Cartesian, "x", "y",
                                         "3*sin(x/2)*cos(y/2)", 30, 30, -7, 7, -7, 7, FillStyle::TopToBottom, Red,
                                         Blue, 0, 1, Material::Silky, Show::FilledSurface, Smoothness::Smooth);
    g->FunForm = FunForm::Explicit;
    ASSERT_TRUE(g->GetPoints());
    Add(VisibleScene, g);
    VisibleScene.RotPitch = -15;
    VisibleScene.RotYaw = 45;
    Window().BuildDisplayLists();
    const QImage img = Show(CurrentFrame);
    img.save(RunFile("surface_lit.png"));
    // Many shades: the light falls differently on every part.
    std::set<QRgb> shades;
    int covered = 0;
    for (int y = 0; y < img.height(); y += 4)
        for (int x = 0; x < img.width(); x += 4) {
            const QRgb c = img.pixel(x, y);
            if (IsWhite(c)) continue;
            ++covered;
            shades.insert(c);
        }
    EXPECT_GT(covered, 1000 / 16);
    EXPECT_GT(shades.size(), 50u);
    // The crests are red (first colour), the troughs blue (second colour).
    int reddish = 0, bluish = 0;
    for (int y = 0; y < img.height(); y += 4)
        for (int x = 0; x < img.width(); x += 4) {
            const QRgb c = img.pixel(x, y);
            if (qRed(c) > qBlue(c) + 40) ++reddish;
            if (qBlue(c) > qRed(c) + 40) ++bluish;
        }
    EXPECT_GT(reddish, 20);
    EXPECT_GT(bluish, 20);
}

TEST_F(SurfaceSceneTest, TexturedSurfaceUploadsItsPictureOnceAndAgainForANewContext) {
    Light.Enabled = false;
    auto g = Panel(1, -8, 8, -8, 8, 0, Red);
    g->ShowTex = true;
    g->TexMode = TexMode::Replace;
    g->TexName = Texture(0xff0000, 0x00ff00); // red | green
    Window().BuildDisplayLists();
    QImage img = Show(CurrentFrame);
    img.save(RunFile("surface_textured.png"));
    // P(0, 0) at the bottom left carries the image's right side.
    EXPECT_EQ(At(img, -5, 0), qRgb(0, 255, 0));
    EXPECT_EQ(At(img, 5, 0), qRgb(255, 0, 0));
    const std::uint32_t name = CachedTextureName(g->TexName);
    EXPECT_NE(name, 0u);

    // The file changes on disk: 100 rebuilds (a trackball drag) bind the
    // texture uploaded first and read nothing.
    Texture(0x0000ff, 0x0000ff);
    for (int k = 0; k < 100; ++k) Window().BuildDisplayLists(true);
    EXPECT_EQ(CachedTextureName(g->TexName), name);
    img = Show(CurrentFrame);
    EXPECT_EQ(At(img, -5, 0), qRgb(0, 255, 0));
    EXPECT_EQ(At(img, 5, 0), qRgb(255, 0, 0));

    // A new context (the drawing area moved to another window) uploads the
    // picture again: it shows what the file now holds.
    QWidget other;
    other.resize(400, 400);
    GlDrawingArea* area = Area();
    area->setParent(&other);
    area->resize(400, 400);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    ASSERT_TRUE(QTest::qWaitFor([&] { return area->HasContext(); }, 5000));
    Window().Display(CurrentFrame);
    img = area->grabFramebuffer();
    EXPECT_EQ(At(img, -5, 0), qRgb(0, 0, 255));
    EXPECT_EQ(At(img, 5, 0), qRgb(0, 0, 255));
    // Back into the main window before either goes.
    Window().setCentralWidget(area);
    ASSERT_TRUE(QTest::qWaitFor([&] { return area->HasContext(); }, 5000));
}

TEST_F(SurfaceSceneTest, TransparentSurfaceLetsTheOneBehindShowThrough) {
    // A blue panel behind, a red one at alpha 0.5 in front overlapping its right part.
    Panel(1, -8, 4, -6, 6, -2, Blue);
    auto front = Panel(2, -2, 8, -4, 4, 2, Red);
    front->ShowTrans = true;
    front->TransAlpha = 0.5f;
    front->Material = Material::Glass;
    Window().BuildDisplayLists();
    const QImage img = Show(CurrentFrame);
    img.save(RunFile("surface_transparent.png"));
    const QRgb both = At(img, 1, 0), redOnly = At(img, 6, 0), blueOnly = At(img, -6, 0);
    EXPECT_GT(qBlue(blueOnly), 100);
    EXPECT_LT(qRed(blueOnly), 30);
    // Alone over the white background the red panel is pale (white shows through).
    EXPECT_GT(qRed(redOnly), 200);
    EXPECT_GT(qGreen(redOnly), 80);
    // Over the blue panel: red and blue mixed, no white.
    EXPECT_GT(qRed(both), 60);
    EXPECT_GT(qBlue(both), 40);
    EXPECT_LT(qGreen(both), 40);
}

} // namespace
