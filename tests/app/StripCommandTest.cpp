// Draw > 二维半函数图形 and Animation > 二维半动画 in the shown main window: the
// strip dialog opened by the four menu items, typed into and confirmed or
// cancelled; the settings each command takes, the view rotation, the ticked
// row; a strip on screen (screenshot saved to the run's folder); an edit of a
// strip and of a strip animation through "编辑...".
#include "dialogs/FormControls.h"
#include "dialogs/frmF19.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/frmF4.h"
#include "platform/CheckListBox.h"
#include "scene/Cls10.h"
#include "scene/Cls3.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/RunFolder.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

class StripCommand : public MainWindowFixture {
protected:
    // Chooses the menu item; `act` runs on the dialog once it is shown.
    void Choose(const char* item, const std::function<void(frmF4&)>& act) {
        QTimer::singleShot(0, [act] {
            ASSERT_TRUE(frmF4::Loaded());
            act(frmF4::Get());
        });
        W().MenuItem(item)->trigger();
    }
    static void Type(QLineEdit* box, const char* text) {
        box->selectAll();
        QTest::keyClicks(box, QString::fromUtf8(text));
    }
    static void Type(const std::vector<std::pair<QLineEdit*, const char*>>& boxes) {
        for (const auto& [b, text] : boxes) Type(b, text);
    }
    static void Confirm(frmF4& f) { QTest::mouseClick(f.Command1, Qt::LeftButton); }
    static void Cancel(frmF4& f) { QTest::mouseClick(f.Command2, Qt::LeftButton); }
    // A new strip document whose view and settings show what a command changes.
    void NewStripDocument() {
        W().mnuFileNew25D_Click();
        VisibleScene.RotRoll = 5;
        VisibleScene.RotPitch = 6;
        VisibleScene.RotYaw = 7;
        Light.TwoSides(0) = 1;
        Axes.BetterFonts = true;
        W().Timer1->setInterval(7);
        FrameCount = 3;
        FramesPerSecond = 5;
    }
};

// The four commands × OK and Cancel: what each takes before the dialog, what
// an OK adds (rotation, row, tick) and what a Cancel keeps.
TEST_F(StripCommand, TheFourCommandsWithOkAndCancel) {
    struct Case {
        const char* item;
        bool polar;
        bool animated;
        int form;
        const char* combo2;  // the form the dialog opens on
        const char* label2;
        const char* row;     // the parametric strip's row
    };
    const Case cases[] = {
        {"mnuDraw25DCart", false, false, 1, "y=f(x)", "y(x)", "二维半条带  x=cos(u),y=u"},
        {"mnuDraw25DPolar", true, false, 1, "r=f(a)", "r(a)", "二维半条带  a=cos(u), r=u"},
        {"mnuAni25DCurCart", false, true, 1, "y=f(x,t)", "y(x,t)", "二维半动画  x=cos(u), y=u"},
        {"mnuAni25DCurPol", true, true, 1, "r=f(a,t)", "r(a,t)", "二维半动画  a=cos(u), r=u"},
    };
    Start();
    for (const Case& c : cases) {
        for (bool ok : {true, false}) {
            SCOPED_TRACE(std::string(c.item) + (ok ? " OK" : " Cancel"));
            W().DeleteAllGraphs();
            NewStripDocument();
            frmF19::ShowSettings(12, 20); // the options' boxes
            IsEditing = true;
            Choose(c.item, [&](frmF4& f) {
                EXPECT_FALSE(IsEditing);
                EXPECT_EQ(ToStdString(f.windowTitle()), c.animated ? "二维半函数图形动画属性" : "二维半函数图形属性");
                EXPECT_EQ(ListIndex(f.Combo1), c.polar ? 1 : 0);
                EXPECT_EQ(ToStdString(f.Combo2->currentText()), c.combo2);
                EXPECT_EQ(ToStdString(f.Label2->text()), c.label2);
                EXPECT_EQ(f.AnimationMode(), c.animated);
                if (c.animated) {
                    EXPECT_EQ(TextOf(f.Text9), "12");
                    EXPECT_FALSE(f.Text9->isEnabled());
                }
                // Settings are taken before the dialog shows.
                EXPECT_EQ(Light.TwoSides(0), c.animated ? 0 : 1);
                SelectListIndex(f.Combo2, c.form);
                Type({{f.Text2, "cos(u)"}, {f.Text3, "u"}, {f.Text5, "0"}, {f.Text6, "pi"}, {f.Text7, "30"}});
                if (c.animated) Type({{f.Text4, "0"}, {f.Text8, "1"}});
                ok ? Confirm(f) : Cancel(f);
            });
            EXPECT_EQ(box.Count(), 0u) << (box.Count() ? box.Last().text : "");
            EXPECT_FALSE(frmF4::Loaded());
            EXPECT_FALSE(ok && IsEditing);
            // The animation commands turn two-sided light off, take the
            // options' frame count and speed and plain axis texts, also when
            // cancelled; the plain commands leave all of these.
            EXPECT_EQ(Light.TwoSides(0), c.animated ? 0 : 1);
            EXPECT_EQ(FrameCount, c.animated ? 12 : 3);
            EXPECT_EQ(FramesPerSecond, c.animated ? 20 : 5);
            EXPECT_EQ(W().Timer1->interval(), c.animated ? 50 : 7);
            EXPECT_EQ(Axes.BetterFonts, !c.animated);
            EXPECT_EQ(DocumentKind, 2);
            if (!ok) {
                EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
                EXPECT_EQ(W().List1->ListCount(), 0);
                EXPECT_EQ(VisibleScene.RotPitch, 6);
                EXPECT_EQ(VisibleScene.RotYaw, 7);
                EXPECT_FALSE(PlaybackOn());
                continue;
            }
            ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
            const auto g = DocumentScene.FunSurfs.Item(1);
            EXPECT_EQ(VisibleScene.FunSurfs.Item(1), g);
            EXPECT_EQ(g->GraphType, c.animated ? GraphType::Strip25DAnimation : GraphType::Strip25D);
            EXPECT_EQ(g->FunForm, FunForm::Parametric);
            EXPECT_EQ(g->CoordType, c.polar ? CoordType::Polar : CoordType::PlaneCartesian);
            if (c.animated) {
                EXPECT_EQ(g->Anim25D.Upper(2), 12); // frames 0..12
            }
            ASSERT_EQ(W().List1->ListCount(), 1);
            EXPECT_EQ(W().List1->ItemText(0), c.row);
            EXPECT_TRUE(W().List1->Ticked(0));
            EXPECT_EQ(VisibleScene.RotRoll, 0);
            EXPECT_EQ(VisibleScene.RotPitch, -15);
            EXPECT_EQ(VisibleScene.RotYaw, 45);
            EXPECT_EQ(PlaybackOn(), c.animated);
            EXPECT_FALSE(W().Timer1->isActive());
        }
    }
}

// y = sin(x) over −3..3 filled left to right (blue at x = −3, red at x = 3):
// the strip is on screen in both colours, over the strip axes.
TEST_F(StripCommand, AStripTypedIntoTheDialogIsDrawn) {
    Start();
    W().mnuFileNew25D_Click();
    const auto reddish = [](QRgb c) { return qRed(c) > 90 && qRed(c) - std::max(qGreen(c), qBlue(c)) > 50; };
    const auto bluish = [](QRgb c) { return qBlue(c) > 90 && qBlue(c) - std::max(qRed(c), qGreen(c)) > 50; };
    const int redBefore = PixelsWhere(reddish);
    const int blueBefore = PixelsWhere(bluish);
    Choose("mnuDraw25DCart", [](frmF4& f) {
        Type({{f.Text2, "sin(x)"}, {f.Text5, "-3"}, {f.Text6, "3"}, {f.Text7, "60"}});
        f.Option1->click(); // left to right
        Confirm(f);
    });
    EXPECT_EQ(box.Count(), 0u) << (box.Count() ? box.Last().text : "");
    ASSERT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(W().List1->ItemText(0), "二维半条带  y=sin(x)");
    QCoreApplication::processEvents();
    W().picDraw()->grabFramebuffer().save(RunFile(QStringLiteral("stripdlg_sine_strip.png")));
    EXPECT_GT(PixelsWhere(reddish) - redBefore, 400);
    EXPECT_GT(PixelsWhere(bluish) - blueBefore, 400);

    // Untick: the strip's colours leave the picture.
    W().List1->SetTicked(0, false);
    QCoreApplication::processEvents();
    EXPECT_LT(PixelsWhere(reddish), redBefore + 100);
    EXPECT_LT(PixelsWhere(bluish), blueBefore + 100);
}

// "编辑..." on a strip and on a strip animation: the filled dialog, OK
// unchanged gives the same graphs with the edit labels, a change reaches the
// graph and its row.
TEST_F(StripCommand, EditedThroughTheGraphList) {
    Start();
    W().mnuFileNew25D_Click();
    Choose("mnuDraw25DPolar", [](frmF4& f) {
        Type({{f.Text2, "1+cos(x)"}, {f.Text5, "0"}, {f.Text6, "2*pi"}, {f.Text7, "45"}});
        f.Option4->click();
        Confirm(f);
    });
    frmF19::ShowSettings(6, 10);
    Choose("mnuAni25DCurCart", [](frmF4& f) {
        SelectListIndex(f.Combo2, 1);
        Type({{f.Text2, "u"}, {f.Text3, "t*u"}, {f.Text5, "-1"}, {f.Text6, "1"}, {f.Text4, "0"}, {f.Text8, "1/3"}});
        Confirm(f);
    });
    ASSERT_EQ(W().List1->ListCount(), 2);
    EXPECT_EQ(W().List1->ItemText(0), "二维半条带  r=1+cos(x)");
    EXPECT_EQ(W().List1->ItemText(1), "二维半动画  x=u, y=t*u");
    const auto strip = DocumentScene.FunSurfs.Item(1);
    const auto animated = DocumentScene.FunSurfs.Item(2);
    EXPECT_EQ(strip->FillStyle, FillStyle::OneColor);
    const std::string stripRecord = strip->Save();
    const std::string animatedRecord = animated->Save();

    const auto edit = [&](int row, const std::function<void(frmF4&)>& act) {
        W().List1->SetListIndex(row);
        Choose("mnuFunEdit", act);
    };
    edit(0, [](frmF4& f) {
        EXPECT_TRUE(IsEditing);
        EXPECT_EQ(ToStdString(f.windowTitle()), "二维半函数图形属性");
        EXPECT_EQ(ListIndex(f.Combo1), 1);
        EXPECT_EQ(TextOf(f.Text2), "1+cos(x)");
        EXPECT_EQ(TextOf(f.Text6), "6.283185");
        EXPECT_TRUE(f.Option4->isChecked());
        Confirm(f);
    });
    edit(1, [](frmF4& f) {
        EXPECT_EQ(ToStdString(f.windowTitle()), "二维半函数图形属性");
        EXPECT_TRUE(f.AnimationMode());
        EXPECT_EQ(ToStdString(f.Combo2->currentText()), "x=f1(u,t),y=f2(u,t)");
        EXPECT_EQ(ToStdString(f.Label2->text()), "x(u)"); // the still captions
        EXPECT_EQ(TextOf(f.Text9), "6");
        EXPECT_EQ(TextOf(f.Text8), "0.33333334");
        Confirm(f);
    });
    EXPECT_EQ(box.Count(), 0u) << (box.Count() ? box.Last().text : "");
    EXPECT_FALSE(IsEditing);
    EXPECT_EQ(strip->Save(), stripRecord);
    EXPECT_EQ(animated->Save(), animatedRecord);
    EXPECT_EQ(W().List1->ItemText(0), "二维半条带  r=1+cos(x)");
    EXPECT_EQ(W().List1->ItemText(1), "二维半条带  x=u, y=t*u"); // the edit label, also animated

    edit(0, [](frmF4& f) {
        Type(f.Text2, "2");
        Confirm(f);
    });
    EXPECT_EQ(strip->ExpressZ, "2");
    EXPECT_EQ(W().List1->ItemText(0), "二维半条带  r=2");
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 2);
}

} // namespace
