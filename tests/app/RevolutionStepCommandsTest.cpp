// Draw > 旋转曲面, 特殊图形 > 阶梯图 / 火柴杆图 and 光照... in the shown main
// window (menu items, Toolbar2's buttons, the drawing area's popup): OK and
// Cancel of each, the new row with its tick and the view rotation, the graph
// on screen, editing through "编辑..."; the light dialog rebuilding nothing.
#include "dialogs/frmF8.h"
#include "dialogs/special/frmF24.h"
#include "dialogs/special/frmF26.h"
#include "scene/Cls10.h"
#include "tests/app/GraphCommandFixture.h"
#include "tests/support/RunFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include <functional>
#include <string>

namespace {

class RevolutionStepCommands : public GraphCommandFixture {
protected:
    void TearDown() override {
        SetResultPane(nullptr);
        GraphCommandFixture::TearDown();
    }
    // Pixels of the view that differ from `before`.
    int ChangedFrom(const QImage& before) {
        const QImage now = W().picDraw()->grabFramebuffer();
        if (now.size() != before.size()) return -1;
        int n = 0;
        for (int y = 0; y < now.height(); ++y)
            for (int x = 0; x < now.width(); ++x)
                if (now.pixel(x, y) != before.pixel(x, y)) ++n;
        return n;
    }
};

TEST_F(RevolutionStepCommands, RevolutionFromTheMenuAndTheButtonThenEdited) {
    Start();
    W().mnuFileNew3D_Click();
    ASSERT_EQ(DocumentKind, 3);
    VisibleScene.RotYaw = 10;
    const QImage empty = W().picDraw()->grabFramebuffer();
    IsEditing = true;
    Run<frmF24>(Menu("mnuDrawRV"), [](frmF24& f) {
        EXPECT_FALSE(IsEditing);
        Type(&f, {{"Text2", "sin(x)"}, {"Text5", "0"}, {"Text6", "2*pi"}});
        Ok(&f);
    });
    EXPECT_FALSE(frmF24::Loaded());
    EXPECT_FALSE(IsEditing);
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    ASSERT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(W().List1->ItemText(0), "旋转曲面  y=sin(x)");
    EXPECT_TRUE(W().List1->Ticked(0));
    ExpectRotation(0, -15, 45);
    EXPECT_EQ(box.Count(), 0u);
    // The surface about X on screen: two lit red lobes of |sin(x)| over 0..2 pi
    // in the middle of the view.
    EXPECT_GT(ChangedFrom(empty), 2000);
    const auto reddish = [](QRgb c) { return qRed(c) > qBlue(c) + 60 && qRed(c) > qGreen(c) + 60; };
    EXPECT_GT(PixelsWhere(reddish), 600);
    W().picDraw()->grabFramebuffer().save(RunFile("vexilon_revolution_command.png"));

    // Cancel from Toolbar2's button 29 adds nothing and turns nothing.
    VisibleScene.RotYaw = 10;
    Run<frmF24>(Button(29), [](frmF24& f) {
        Type(&f, {{"Text2", "x"}, {"Text5", "0"}, {"Text6", "1"}});
        Cancel(&f);
    });
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 1);
    EXPECT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(VisibleScene.RotYaw, 10);
    // OK from the button.
    Run<frmF24>(Button(29), [](frmF24& f) {
        Type(&f, {{"Text2", "x/4"}, {"Text5", "0"}, {"Text6", "1"}});
        f.Option12->setChecked(true);
        Ok(&f);
    });
    ASSERT_EQ(W().List1->ListCount(), 2);
    EXPECT_EQ(W().List1->ItemText(1), "旋转曲面  y=x/4");
    EXPECT_TRUE(W().List1->Ticked(1));
    EXPECT_EQ(DocumentScene.FunSurfs.Item(2)->GraphType, GraphType::RevolutionY);
    ExpectRotation(0, -15, 45);

    // Editing through the row: the dialog filled, the graph changed in place.
    const std::shared_ptr<Cls9> g = DocumentScene.FunSurfs.Item(1);
    Run<frmF24>(EditRow(0), [](frmF24& f) {
        EXPECT_TRUE(IsEditing);
        EXPECT_EQ(f.Text2->text(), "sin(x)");
        EXPECT_TRUE(f.Option11->isChecked());
        Type(&f, {{"Text2", "cos(x)"}});
        Ok(&f);
    });
    EXPECT_FALSE(IsEditing);
    EXPECT_EQ(DocumentScene.FunSurfs.Item(1), g);
    EXPECT_EQ(g->ExpressZ, "cos(x)");
    EXPECT_EQ(W().List1->ItemText(0), "旋转曲面  y=cos(x)");
    EXPECT_EQ(W().List1->ListCount(), 2);
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(RevolutionStepCommands, StepAndStemFromTheMenuAndTheButtonsThenEdited) {
    Start();
    ASSERT_EQ(DocumentKind, 1);
    VisibleScene.RotPitch = 20;
    const int blueBefore = Near(qRgb(0, 0, 192), 40);
    const int redBefore = Near(qRgb(192, 0, 0), 40);
    // 火柴杆图: the stem plot ticked.
    Run<frmF26>(Menu("mnuDrawHcg"), [](frmF26& f) {
        EXPECT_TRUE(f.Check1->isChecked());
        EXPECT_FALSE(f.Check2->isChecked());
        Type(&f, {{"Text2", "2*sin(x)"}, {"Text4", "-3"}, {"Text5", "3"}, {"Text6", "12"}});
        f.Combo1->setEditText("6");
        f.Combo4->setEditText("3");
        Ok(&f);
    });
    EXPECT_FALSE(frmF26::Loaded());
    ASSERT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(W().List1->ItemText(0), "火柴杆图  y=2*sin(x)");
    EXPECT_TRUE(W().List1->Ticked(0));
    ExpectRotation(0, 0, 0);
    EXPECT_FALSE(IsEditing);
    EXPECT_EQ(box.Count(), 0u);
    // Thirteen dark blue stems with dark red heads on screen.
    EXPECT_GT(Near(qRgb(0, 0, 192), 40), blueBefore + 150);
    EXPECT_GT(Near(qRgb(192, 0, 0), 40), redBefore + 13 * 10);
    W().picDraw()->grabFramebuffer().save(RunFile("vexilon_stem_command.png"));

    // 阶梯图 from Toolbar2's button 26, the stem plot ticked as well.
    Run<frmF26>(Button(26), [](frmF26& f) {
        EXPECT_TRUE(f.Check2->isChecked());
        EXPECT_FALSE(f.Check1->isChecked());
        Type(&f, {{"Text2", "x"}, {"Text4", "0"}, {"Text5", "2"}});
        f.Check1->setChecked(true);
        Ok(&f);
    });
    ASSERT_EQ(W().List1->ListCount(), 2);
    EXPECT_EQ(W().List1->ItemText(1), "Step & Stem  y=x");
    EXPECT_TRUE(W().List1->Ticked(1));
    // Cancel from button 27 adds nothing.
    Run<frmF26>(Button(27), [](frmF26& f) {
        EXPECT_TRUE(f.Check1->isChecked());
        Cancel(&f);
    });
    EXPECT_EQ(W().List1->ListCount(), 2);
    // Neither plot: the row its document would give it.
    Run<frmF26>(Menu("mnuDrawStep"), [](frmF26& f) {
        Type(&f, {{"Text2", "x^2"}, {"Text4", "0"}, {"Text5", "1"}});
        f.Check2->setChecked(false);
        Ok(&f);
    });
    ASSERT_EQ(W().List1->ListCount(), 3);
    EXPECT_EQ(W().List1->ItemText(2), "Step & Stem  0, x, x^2");
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 3);

    // Editing the graph with both plots: the edit label names the step plot.
    const std::shared_ptr<Cls9> g = DocumentScene.FunSurfs.Item(2);
    const std::string before = g->Save();
    Run<frmF26>(EditRow(1), [](frmF26& f) {
        EXPECT_TRUE(f.Check1->isChecked());
        EXPECT_TRUE(f.Check2->isChecked());
        EXPECT_EQ(f.Text2->text(), "x");
        Ok(&f);
    });
    EXPECT_EQ(g->Save(), before);
    EXPECT_EQ(W().List1->ItemText(1), "阶梯图  y=x");
    EXPECT_EQ(W().List1->ListCount(), 3);
    EXPECT_FALSE(IsEditing);
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(RevolutionStepCommands, EachCommandFromTheMenuAndTheToolbarWithOkAndCancel) {
    struct Case {
        const char* command;
        int button;
        bool space;         // run in a space document, else in a plane one
        bool ok;
        const char* label = "";      // the new row after OK
        float pitch = 0, yaw = 0;    // the rotation after OK
    };
    const Case cases[] = {
        {"mnuDrawRV", 29, true, true, "旋转曲面  y=x+1", -15, 45},
        {"mnuDrawRV", 29, true, false},
        {"mnuDrawStep", 26, false, true, "阶梯图  y=x+1", 0, 0},
        {"mnuDrawStep", 26, false, false},
        {"mnuDrawHcg", 27, false, true, "火柴杆图  y=x+1", 0, 0},
        {"mnuDrawHcg", 27, false, false},
    };
    Start();
    for (const Case& c : cases) {
        for (const bool fromMenu : {true, false}) {
            SCOPED_TRACE(std::string(c.command) + (fromMenu ? " menu" : " button") + (c.ok ? " OK" : " Cancel"));
            if (c.space) W().mnuFileNew3D_Click();
            else W().mnuFileNew2D_Click();
            VisibleScene.RotPitch = 7;
            VisibleScene.RotYaw = 8;
            IsEditing = true;
            const auto act = [&c](FormBase& f) {
                EXPECT_FALSE(IsEditing);
                if (c.space) Type(&f, {{"Text2", "x+1"}, {"Text5", "0"}, {"Text6", "1"}});
                else Type(&f, {{"Text2", "x+1"}, {"Text4", "0"}, {"Text5", "1"}});
                if (c.ok) Ok(&f);
                else Cancel(&f);
            };
            const std::function<void()> command = fromMenu ? Menu(c.command) : Button(c.button);
            if (c.space) Run<frmF24>(command, [&](frmF24& f) { act(f); });
            else Run<frmF26>(command, [&](frmF26& f) { act(f); });
            EXPECT_FALSE(IsEditing);
            EXPECT_EQ(box.Count(), 0u);
            if (c.ok) {
                ASSERT_EQ(W().List1->ListCount(), 1);
                EXPECT_EQ(W().List1->ItemText(0), c.label);
                EXPECT_TRUE(W().List1->Ticked(0));
                ExpectRotation(0, c.pitch, c.yaw);
            } else {
                EXPECT_EQ(W().List1->ListCount(), 0);
                EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
                ExpectRotation(0, 7, 8);
            }
            W().DeleteAllGraphs();
        }
    }
}

TEST_F(RevolutionStepCommands, TheLightDialogFromTheMenuTheButtonAndThePopupRebuildsNothing) {
    Start();
    W().mnuFileNew3D_Click();
    Run<frmF24>(Menu("mnuDrawRV"), [](frmF24& f) {
        Type(&f, {{"Text2", "1"}, {"Text5", "0"}, {"Text6", "1"}});
        Ok(&f);
    });
    ASSERT_EQ(W().List1->ListCount(), 1);
    DrawingCounter pane;
    SetResultPane(&pane);
    const bool lit = Light.Enabled;
    const std::function<void()> openers[] = {Menu("mnuDrawLight"), Button(34), Menu("mnuGraphLight")};
    for (const auto& open : openers) {
        for (const char* button : {"Command1", "Command2"}) {
            Run<frmF8>(open, [button](frmF8& f) {
                f.Check1->setChecked(!f.Check1->isChecked());
                QTest::mouseClick(f.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
            });
        }
    }
    // Three OKs switched the light, three Cancels kept it; nothing was rebuilt.
    EXPECT_EQ(Light.Enabled, !lit);
    EXPECT_EQ(pane.drawings, 0);
    EXPECT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 1);
    EXPECT_EQ(box.Count(), 0u);
}

} // namespace
