// Draw > 三维函数图形 and Animation > 三维动画 in the shown main window: the
// space function dialog opened by the menu items, typed into and confirmed;
// the new graph with its ticked row and the space view; the animation
// settings the animation commands take; a sphere and a helix on screen
// (screenshots saved to the run's folder).
#include "dialogs/FormControls.h"
#include "dialogs/frmF19.h"
#include "dialogs/special/frmF6.h"
#include "platform/CheckListBox.h"
#include "scene/Cls10.h"
#include "scene/Cls3.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/RunFolder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

class SpaceCommand : public MainWindowFixture {
protected:
    // Chooses the menu item; `act` runs once the dialog is shown.
    void Choose(const char* item, const std::function<void(frmF6&)>& act) {
        QTimer::singleShot(0, [act] { act(frmF6::Get()); });
        W().MenuItem(item)->trigger();
    }
    static void Fill(const std::vector<std::pair<QLineEdit*, const char*>>& boxes) {
        for (const auto& [box, text] : boxes) SetText(box, text);
    }
    static void Confirm(frmF6& f) { QTest::mouseClick(f.Command1, Qt::LeftButton); }
    // Pixels of the drawing area that are neither white nor grey (the graph).
    int GraphPixels() {
        const QImage img = W().picDraw()->grabFramebuffer();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                const int spread = std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)});
                if (spread > 60) ++n;
            }
        return n;
    }
};

TEST_F(SpaceCommand, NewSurfaceThroughTheDrawMenu) {
    Start();
    W().mnuFileNew3D_Click();
    VisibleScene.RotYaw = 10;
    DocumentKind = 1; // the dialog's OK makes it a space document
    IsEditing = true;
    Choose("mnuDraw3DCart", [](frmF6& f) {
        EXPECT_FALSE(IsEditing);
        EXPECT_EQ(f.Combo1->currentIndex(), 0);
        EXPECT_EQ(ToStdString(f.Combo2->currentText()), "曲面");
        EXPECT_FALSE(f.AnimationMode());
        Fill({{f.Text2, "x*y"}, {f.Text5, "-1"}, {f.Text6, "1"}, {f.Text7, "20"}, {f.Text8, "-1"},
                 {f.Text9, "1"}, {f.Text10, "20"}});
        Confirm(f);
    });
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_FALSE(frmF6::Loaded());
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    const std::shared_ptr<Cls9> g = DocumentScene.FunSurfs.Item(1);
    EXPECT_EQ(VisibleScene.FunSurfs.Item(1), g);
    EXPECT_EQ(g->GraphType, GraphType::Surface3D);
    EXPECT_EQ(g->ExpressX, "x");
    EXPECT_EQ(g->ExpressY, "y");
    EXPECT_EQ(g->ExpressZ, "x*y");
    EXPECT_EQ(g->Vert3D.Upper(0), 20);
    EXPECT_EQ(g->Vert3D.Upper(1), 20);
    EXPECT_EQ(DocumentKind, 3);
    ASSERT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(W().List1->ItemText(0), "三维曲面  z=x*y");
    EXPECT_TRUE(W().List1->Ticked(0));
    EXPECT_EQ(VisibleScene.RotRoll, 0);
    EXPECT_EQ(VisibleScene.RotPitch, -15);
    EXPECT_EQ(VisibleScene.RotYaw, 45);
    EXPECT_GT(GraphPixels(), 300);

    // A cancelled dialog adds nothing and leaves the view.
    VisibleScene.RotYaw = 10;
    Choose("mnuDraw3DSph", [](frmF6& f) {
        EXPECT_EQ(f.Combo1->currentIndex(), 2);
        QTest::mouseClick(f.Command2, Qt::LeftButton);
    });
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 1);
    EXPECT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(VisibleScene.RotYaw, 10);
}

TEST_F(SpaceCommand, AnimationCommandTakesTheOptionsAndOpensTheAnimationMode) {
    Start();
    W().mnuFileNew3D_Click();
    Axes.BetterFonts = true;
    ASSERT_EQ(Light.TwoSides(0), 1);
    // The options' boxes hold 20 frames and 25 frames a second.
    frmF19::ShowSettings(20, 25);
    Choose("mnuAniSurCart", [](frmF6& f) {
        EXPECT_EQ(ToStdString(f.windowTitle()), "三维函数图形动画属性");
        EXPECT_TRUE(f.AnimationMode());
        EXPECT_EQ(ToStdString(f.Combo2->currentText()), "曲面动画");
        EXPECT_EQ(TextOf(f.Text13), "20");
        EXPECT_FALSE(f.Text13->isEnabled());
        Fill({{f.Text2, "x*y*t"}, {f.Text5, "-1"}, {f.Text6, "1"}, {f.Text7, "8"}, {f.Text8, "-1"},
                 {f.Text9, "1"}, {f.Text10, "8"}, {f.Text11, "0"}, {f.Text12, "1"}});
        Confirm(f);
    });
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_EQ(FrameCount, 20);
    EXPECT_EQ(FramesPerSecond, 25);
    EXPECT_EQ(W().Timer1->interval(), 40);
    EXPECT_FALSE(W().Timer1->isActive());
    EXPECT_EQ(Light.TwoSides(0), 0);
    EXPECT_FALSE(Axes.BetterFonts);
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    const std::shared_ptr<Cls9> g = DocumentScene.FunSurfs.Item(1);
    EXPECT_EQ(g->GraphType, GraphType::Surface3DAnimation);
    EXPECT_TRUE(g->Animation);
    EXPECT_EQ(g->MinT, 0);
    EXPECT_EQ(g->MaxT, 1);
    EXPECT_EQ(g->Anim3D.Upper(2), 20); // frames 0..20
    EXPECT_EQ(W().List1->ItemText(0), "三维曲面动画  z=x*y*t");
    EXPECT_TRUE(W().List1->Ticked(0));
    EXPECT_EQ(VisibleScene.RotPitch, -15);
    EXPECT_EQ(VisibleScene.RotYaw, 45);
    for (const char* item : {"mnuAniStartb", "mnuAniPause", "mnuAniStop", "mnuAniFirst", "mnuAniPre", "mnuAniNext",
                             "mnuAniLast", "mnuAniNormal", "mnuAniRev", "mnuAniRepeat", "mnuAniRevRepeat"})
        EXPECT_TRUE(W().MenuItem(item)->isEnabled()) << item;
    for (int i = 33; i <= 43; ++i)
        if (!W().Toolbar1->IsSeparator(i)) {
            EXPECT_TRUE(W().Toolbar1->IsButtonEnabled(i)) << i;
        }

    // A cancelled dialog keeps the settings the command took.
    Light.TwoSides(0) = 1;
    frmF19::ShowSettings(16, 16);
    Choose("mnuAniSurSph", [](frmF6& f) {
        EXPECT_EQ(f.Combo1->currentIndex(), 2);
        EXPECT_EQ(TextOf(f.Text13), "16");
        QTest::mouseClick(f.Command2, Qt::LeftButton);
    });
    EXPECT_EQ(FrameCount, 16);
    EXPECT_EQ(W().Timer1->interval(), 62);
    EXPECT_EQ(Light.TwoSides(0), 0);
    EXPECT_EQ(W().List1->ListCount(), 1);
}

TEST_F(SpaceCommand, EditedThroughTheGraphList) {
    Start();
    W().mnuFileNew3D_Click();
    Choose("mnuDraw3DCyl", [](frmF6& f) {
        Fill({{f.Text2, "r*r"}, {f.Text6, "2*pi"}, {f.Text7, "12"}, {f.Text9, "1"}, {f.Text10, "6"}});
        Confirm(f);
    });
    frmF19::ShowSettings(4, 10);
    Choose("mnuAniSurSph", [](frmF6& f) {
        f.Combo2->setCurrentIndex(0);
        Fill({{f.Text2, "1+t"}, {f.Text6, "pi"}, {f.Text7, "9"}, {f.Text12, "1/3"}});
        Confirm(f);
    });
    ASSERT_EQ(W().List1->ListCount(), 2);
    EXPECT_EQ(W().List1->ItemText(0), "三维曲面  z=r*r");
    EXPECT_EQ(W().List1->ItemText(1), "三维曲线动画  r=1+t");
    const std::shared_ptr<Cls9> surface = DocumentScene.FunSurfs.Item(1);
    const std::shared_ptr<Cls9> curve = DocumentScene.FunSurfs.Item(2);
    const std::string surfaceRecord = surface->Save();
    const std::string curveRecord = curve->Save();

    // The edit command fills the dialog in the graph's mode; OK unchanged
    // gives the same graphs and labels.
    const auto edit = [&](int row, const std::function<void(frmF6&)>& act) {
        W().List1->SetListIndex(row);
        QTimer::singleShot(0, [act] {
            ASSERT_TRUE(frmF6::Loaded());
            act(frmF6::Get());
        });
        W().MenuItem("mnuFunEdit")->trigger();
    };
    edit(0, [](frmF6& f) {
        EXPECT_TRUE(IsEditing);
        EXPECT_EQ(ToStdString(f.windowTitle()), "三维函数图形属性");
        EXPECT_EQ(f.Combo1->currentIndex(), 1);
        EXPECT_EQ(TextOf(f.Text2), "r*r");
        EXPECT_EQ(TextOf(f.Text6), "6.283185"); // 2 times pi as 3.1415926
        Confirm(f);
    });
    edit(1, [](frmF6& f) {
        EXPECT_EQ(ToStdString(f.windowTitle()), "三维函数图形动画属性");
        EXPECT_EQ(ToStdString(f.Combo2->currentText()), "曲线动画");
        EXPECT_EQ(TextOf(f.Text13), "4");
        EXPECT_EQ(TextOf(f.Text12), "0.33333334");
        Confirm(f);
    });
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_FALSE(IsEditing);
    EXPECT_EQ(surface->Save(), surfaceRecord);
    EXPECT_EQ(curve->Save(), curveRecord);
    EXPECT_EQ(W().List1->ItemText(0), "三维曲面  z=r*r");
    EXPECT_EQ(W().List1->ItemText(1), "三维曲线动画  r=1+t");

    // A change reaches the graph, its row and the drawing.
    edit(0, [](frmF6& f) {
        SetText(f.Text2, "2");
        Confirm(f);
    });
    EXPECT_EQ(surface->ExpressZ, "2");
    EXPECT_EQ(W().List1->ItemText(0), "三维曲面  z=2");
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 2);
}

TEST_F(SpaceCommand, SphereAndHelixCreatedThroughTheDialog) {
    Start();
    W().mnuFileNew3D_Click();
    // r = 4 over a = 0..2pi, b = 0..pi.
    Choose("mnuDraw3DSph", [](frmF6& f) {
        Fill({{f.Text2, "4"}, {f.Text5, "0"}, {f.Text6, "2*pi"}, {f.Text7, "30"}, {f.Text8, "0"},
                 {f.Text9, "pi"}, {f.Text10, "30"}});
        Confirm(f);
    });
    ASSERT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(W().List1->ItemText(0), "三维曲面  r=4");
    const int sphere = GraphPixels();
    W().picDraw()->grabFramebuffer().save(RunFile("spacedlg_sphere.png"));
    EXPECT_GT(sphere, 5000);

    // The helix in a document of its own, with the tangent line and the
    // normal plane at u = 0.
    W().DeleteAllGraphs();
    Choose("mnuDraw3DCart", [](frmF6& f) {
        f.Combo2->setCurrentIndex(0);
        f.Combo3->setCurrentIndex(1);
        f.Check4->setChecked(true);
        f.Check5->setChecked(true);
        Fill({{f.Text2, "4*cos(u)"}, {f.Text3, "4*sin(u)"}, {f.Text4, "u/2"}, {f.Text5, "0"},
                 {f.Text6, "4*pi"}, {f.Text7, "200"}, {f.Text14, "0"}, {f.Text15, "0"}});
        Confirm(f);
    });
    ASSERT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(W().List1->ItemText(0), "三维曲线  x=4*cos(u), y=4*sin(u), z=u/2");
    const std::shared_ptr<Cls9> helix = DocumentScene.FunSurfs.Item(1);
    EXPECT_TRUE(helix->ShowTangent);
    EXPECT_TRUE(helix->ShowNormal);
    EXPECT_EQ(helix->StepV, 1);
    W().picDraw()->grabFramebuffer().save(RunFile("spacedlg_helix.png"));
    EXPECT_GT(GraphPixels(), 500);
    EXPECT_LT(GraphPixels(), sphere);
}

} // namespace
