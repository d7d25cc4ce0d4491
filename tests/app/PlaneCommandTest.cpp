// Draw > 二维函数图形 and Animation > 二维动画 in the shown main window: the
// plane function dialog opened by the menu items, typed into and confirmed,
// the graph drawn with its ticked row; the animation command's frame count,
// speed and playback; and an edit of the drawn curve through "编辑...".
#include "dialogs/FormControls.h"
#include "dialogs/frmF19.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/frmF5.h"
#include "platform/CheckListBox.h"
#include "scene/Cls3.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/app/ShownWindowFixture.h"
#include "tests/support/ImageInk.h"
#include "tests/support/RunFolder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

class PlaneCommand : public MainWindowFixture {
protected:
    // Chooses the menu item; `act` runs on the dialog once it is shown.
    void Choose(const char* item, const std::function<void(frmF5&)>& act) {
        QTimer::singleShot(0, [act] { act(frmF5::Get()); });
        W().MenuItem(item)->trigger();
    }
    static void Type(QLineEdit* box, const char* text) {
        box->selectAll();
        QTest::keyClicks(box, QString::fromUtf8(text));
    }
    // Pixels of the drawing area that are clearly blue (the curve's colour,
    // smoothed).
    int BluePixels() {
        return PixelsWhere([](QRgb c) { return qBlue(c) - std::max(qRed(c), qGreen(c)) > 60; });
    }
};

TEST_F(PlaneCommand, DrawCartesianSineGivesATickedRowAndTheCurveOnScreen) {
    Start();
    VisibleScene.RotYaw = 30;
    EXPECT_EQ(BluePixels(), 0);
    Choose("mnuDraw2DCart", [](frmF5& f) {
        EXPECT_EQ(ToStdString(f.windowTitle()), "二维函数图形属性");
        EXPECT_TRUE(f.isVisible());
        EXPECT_FALSE(f.Text3->isVisible());
        Type(f.Text2, "sin(x)");
        Type(f.Text4, "-2*pi");
        Type(f.Text5, "2*pi");
        QTest::mouseClick(f.Command1, Qt::LeftButton);
    });
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_FALSE(frmF5::Loaded());
    ASSERT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(W().List1->ItemText(0), "二维曲线  y=sin(x)");
    EXPECT_TRUE(W().List1->Ticked(0));
    ASSERT_EQ(VisibleScene.FunSurfs.Count(), 1);
    EXPECT_EQ(VisibleScene.RotYaw, 0);
    EXPECT_EQ(DocumentKind, 1);
    QCoreApplication::processEvents();
    const QImage shot = W().picDraw()->grabFramebuffer();
    shot.save(RunFile(QStringLiteral("vexilon_plane_sine.png")));
    EXPECT_GT(BluePixels(), 200);

    // Edited through the list's popup: the same row, a new label and curve.
    W().List1->SetListIndex(0);
    Choose("mnuFunEdit", [](frmF5& f) {
        EXPECT_EQ(f.Text2->text(), "sin(x)");
        EXPECT_EQ(ListIndex(f.Combo3), 0);
        Type(f.Text2, "2*sin(x)");
        QTest::mouseClick(f.Command1, Qt::LeftButton);
    });
    EXPECT_FALSE(IsEditing);
    ASSERT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(W().List1->ItemText(0), "二维曲线  y=2*sin(x)");
    EXPECT_EQ(DocumentScene.FunSurfs.Item(1)->ExpressZ, "2*sin(x)");
    EXPECT_GT(BluePixels(), 200);
}

// Positions typed as expressions into the curvature, tangent and normal
// lists are used as what they show: the circle of curvature of sin at pi/2
// (radius 1, centre (pi/2, 0)) is drawn there, read back from the picture,
// and the result lines name the position.
TEST_F(PlaneCommand, PositionsTypedAsExpressionsAreDrawnWhereTheyShow) {
    Start();
    Choose("mnuDraw2DCart", [](frmF5& f) {
        Type(f.Text2, "sin(x)");
        Type(f.Text4, "-5");
        Type(f.Text5, "5");
        f.Check10->setChecked(true);
        f.Check14->setChecked(true);
        f.Check15->setChecked(true);
        for (auto [input, add] : {std::pair{f.Text12, f.Command3}, std::pair{f.Text15, f.Command6},
                                  std::pair{f.Text16, f.Command11}}) {
            Type(input, "pi/2");
            QTest::mouseClick(add, Qt::LeftButton);
        }
        QTest::mouseClick(f.Command1, Qt::LeftButton);
    });
    EXPECT_EQ(box.Count(), 0u);
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    const Cls9& g = *DocumentScene.FunSurfs.Item(1);
    const float halfPi = float(3.1415926 / 2);
    EXPECT_EQ(g.CurvX(1), halfPi);
    EXPECT_EQ(g.QieX(1), halfPi);
    EXPECT_EQ(g.NmlX(1), halfPi);
    const std::string pane = W().Result->toPlainText().toStdString();
    for (const char* line : {"位置: x=1.570796, y=1", "曲率半径: 1", "切点: x=1.570796, y=1", "法线位置: x=1.570796, y=1"})
        EXPECT_NE(pane.find(line), std::string::npos) << line << "\n" << pane;

    QCoreApplication::processEvents();
    const QImage img = W().picDraw()->grabFramebuffer();
    img.save(RunFile(QStringLiteral("vexilon_curvature_at_half_pi.png")));
    // The circle's green (0, 128, 0), smoothed into the white around it.
    const auto circle = [](QRgb c) { return qGreen(c) - std::max(qRed(c), qBlue(c)) > 30 && qRed(c) == qBlue(c); };
    const double unit = Scale2D;
    // Points of the circle off the X axis (drawn over it) and the curve.
    for (auto [x, y] : {std::pair{double(halfPi), -1.0}, std::pair{halfPi - 0.7071, -0.7071},
                        std::pair{halfPi + 0.7071, -0.7071}, std::pair{halfPi + 0.7071, 0.7071}})
        EXPECT_TRUE(NearDrawingPoint(img, x / unit, y / unit, circle)) << x << ", " << y;
    // Nothing of it far from its circle: the centre and beyond the radius.
    EXPECT_FALSE(NearDrawingPoint(img, halfPi / unit, -0.4 / unit, circle));
    EXPECT_FALSE(NearDrawingPoint(img, (halfPi + 1.5) / unit, 0, circle));
    const QRect drawn = PixelBounds(img, circle);
    ASSERT_FALSE(drawn.isNull());
    EXPECT_NEAR(double(drawn.width()) / img.width() * Camera.VolWidth * unit, 2, 0.1);
}

TEST_F(PlaneCommand, PolarCommandOpensThePolarForms) {
    Start();
    Choose("mnuDraw2DPolar", [](frmF5& f) {
        EXPECT_EQ(ToStdString(f.Combo3->currentText()), "r=f(a)");
        EXPECT_EQ(ToStdString(f.Label3->text()), "r(a)");
        Type(f.Text2, "1");
        Type(f.Text4, "0");
        Type(f.Text5, "2*pi");
        QTest::mouseClick(f.Command1, Qt::LeftButton);
    });
    ASSERT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(W().List1->ItemText(0), "二维曲线  r=1");
    EXPECT_EQ(DocumentScene.FunSurfs.Item(1)->CoordType, CoordType::Polar);
    EXPECT_GT(BluePixels(), 100);
}

TEST_F(PlaneCommand, AnimationCommandTakesTheOptionsAndEnablesPlayback) {
    Start();
    W().Timer1->setInterval(7);
    Axes.BetterFonts = true;
    frmF19::ShowSettings(20, 25);
    EXPECT_FALSE(W().MenuItem("mnuAniStartb")->isEnabled());
    Choose("mnuAniCur2DCart", [](frmF5& f) {
        EXPECT_EQ(ToStdString(f.windowTitle()), "二维函数图形动画属性");
        EXPECT_EQ(f.Text9->text(), "20");
        EXPECT_FALSE(f.Text9->isEnabled());
        EXPECT_FALSE(f.Check1->isEnabled());
        EXPECT_TRUE(f.Check3->isEnabled());
        EXPECT_TRUE(f.Text7->isVisible());
        Type(f.Text2, "sin(x+t)");
        Type(f.Text4, "-3");
        Type(f.Text5, "3");
        Type(f.Text7, "0");
        Type(f.Text8, "2*pi");
        QTest::mouseClick(f.Command1, Qt::LeftButton);
    });
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_EQ(FrameCount, 20);
    EXPECT_EQ(FramesPerSecond, 25);
    EXPECT_EQ(W().Timer1->interval(), 40);
    EXPECT_FALSE(W().Timer1->isActive());
    EXPECT_FALSE(Axes.BetterFonts);
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    const auto g = DocumentScene.FunSurfs.Item(1);
    EXPECT_EQ(g->GraphType, GraphType::Function2DAnimation);
    EXPECT_TRUE(g->Animation);
    EXPECT_EQ(g->Anim2D.Upper(1), 20); // frames 0..20
    ASSERT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(W().List1->ItemText(0), "二维曲线动画  y=sin(x+t)");
    EXPECT_TRUE(W().List1->Ticked(0));
    EXPECT_TRUE(W().MenuItem("mnuAniStartb")->isEnabled());
    EXPECT_TRUE(W().Toolbar1->IsButtonEnabled(33));
    EXPECT_GT(BluePixels(), 50);

    // A cancelled animation dialog still takes the options; the polar
    // command's forms carry t.
    frmF19::ShowSettings(7, 16);
    Choose("mnuAniCur2DPol", [](frmF5& f) {
        EXPECT_EQ(ToStdString(f.Combo3->currentText()), "r=f(a,t)");
        EXPECT_EQ(ToStdString(f.Label3->text()), "r(a,t)");
        QTest::mouseClick(f.Command2, Qt::LeftButton);
    });
    EXPECT_EQ(FrameCount, 7);
    EXPECT_EQ(W().Timer1->interval(), 62);
    EXPECT_EQ(W().List1->ListCount(), 1);
}

} // namespace
