// Draw > 常微分方程, 极限, 级数 and 矢量 in the shown main window (menu items
// and Toolbar2's buttons): the dialog typed into and confirmed, the new graph
// with its ticked row and the view rotation, the graph on screen; Cancel
// adding nothing; editing through "编辑..." in place.
#include "core/ColorService.h"
#include "dialogs/special/frmF27.h"
#include "dialogs/special/frmF28.h"
#include "dialogs/special/frmF29.h"
#include "dialogs/special/frmF30.h"
#include "dialogs/special/frmF31.h"
#include "tests/app/GraphCommandFixture.h"
#include "tests/support/RunFolder.h"

#include <string>

namespace {

class SpecialGraphCommands : public GraphCommandFixture {
protected:
    int Pixels(QRgb colour) { return Near(colour); }
};

TEST_F(SpecialGraphCommands, DifferentialEquationFromTheMenuAndTheButtonThenEdited) {
    Start();
    ASSERT_EQ(DocumentKind, 1);
    const int blueBefore = Pixels(qRgb(0, 0, 255));
    VisibleScene.RotPitch = 20;
    const auto family = [](frmF29& f) {
        Type(&f, {{"Text2", "x-y"}, {"Text3", "0"}, {"Text4", "2"}, {"Text6", "-3"}, {"Text7", "3"}});
        Ok(&f);
    };
    Run<frmF29>(Menu("mnuDrawODE"), family);
    EXPECT_FALSE(frmF29::Loaded());
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    ASSERT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(W().List1->ItemText(0), "常微分方程 dy/dx=x-y");
    EXPECT_TRUE(W().List1->Ticked(0));
    ExpectRotation(0, 0, 0);
    EXPECT_EQ(box.Count(), 0u);
    // The eleven blue solution curves on screen.
    EXPECT_GT(Pixels(qRgb(0, 0, 255)), blueBefore + 200);

    // Toolbar2's button 23 runs the same command.
    Run<frmF29>(Button(23), family);
    ASSERT_EQ(W().List1->ListCount(), 2);
    EXPECT_EQ(W().List1->ItemText(1), "常微分方程 dy/dx=x-y");
    EXPECT_TRUE(W().List1->Ticked(1));

    // Cancel adds nothing.
    Run<frmF29>(Menu("mnuDrawODE"), [](frmF29& f) {
        Type(&f, {{"Text2", "x"}});
        Cancel(&f);
    });
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 2);
    EXPECT_EQ(W().List1->ListCount(), 2);

    // An edit rewrites the row with the edit label ...
    const std::shared_ptr<Cls9> g = DocumentScene.FunSurfs.Item(1);
    Run<frmF29>(EditRow(0), [](frmF29& f) {
        EXPECT_EQ(f.Text2->text(), "x-y");
        Ok(&f);
    });
    EXPECT_EQ(W().List1->ItemText(0), "常微分方程  dy/dx=x-y");
    EXPECT_EQ(DocumentScene.FunSurfs.Item(1), g);
    // ... and one with a slope that does not compile keeps graph and row.
    const std::string before = g->Save();
    Run<frmF29>(EditRow(0), [this](frmF29& f) {
        Type(&f, {{"Text2", "x-"}});
        Ok(&f);
        EXPECT_EQ(box.Last().title, "语法错误");
        EXPECT_TRUE(frmF29::Loaded());
        Cancel(&f);
    });
    EXPECT_EQ(g->Save(), before);
    EXPECT_EQ(g->ExpressZ, "x-y");
    EXPECT_EQ(W().List1->ItemText(0), "常微分方程  dy/dx=x-y");
    EXPECT_EQ(W().List1->ListCount(), 2);
}

TEST_F(SpecialGraphCommands, LimitAndSeriesFromTheirMenusAndButtons) {
    Start();
    const auto limit = [](frmF30& f) {
        Type(&f, {{"Text1", "sin(x)/x"}, {"Text2", "0"}});
        Ok(&f);
    };
    const auto series = [](frmF31& f) {
        Type(&f, {{"Text1", "1"}, {"Text2", "10"}, {"Text3", "x^n"}, {"Text6", "-1"}, {"Text7", "1"}});
        Ok(&f);
    };
    Run<frmF30>(Menu("mnuDrawLimit"), limit);
    Run<frmF30>(Button(22), limit);
    Run<frmF31>(Menu("mnuDrawSeries"), series);
    Run<frmF31>(Button(24), series);
    ASSERT_EQ(W().List1->ListCount(), 4);
    EXPECT_EQ(W().List1->ItemText(0), "极限 sin(x)/x");
    EXPECT_EQ(W().List1->ItemText(1), "极限 sin(x)/x");
    EXPECT_EQ(W().List1->ItemText(2), "级数 x^n");
    EXPECT_EQ(W().List1->ItemText(3), "级数 x^n");
    for (int row = 0; row < 4; ++row) EXPECT_TRUE(W().List1->Ticked(row)) << row;
    ExpectRotation(0, 0, 0);
    EXPECT_EQ(box.Count(), 0u);
    // The series curve in magenta.
    EXPECT_GT(Pixels(qRgb(255, 0, 255)), 50);

    Run<frmF31>(EditRow(3), [](frmF31& f) { Ok(&f); });
    EXPECT_EQ(W().List1->ItemText(3), "级数 x^n");
    Run<frmF30>(EditRow(0), [](frmF30& f) { Ok(&f); });
    EXPECT_EQ(W().List1->ItemText(0), "极限  y=sin(x)/x");
}

TEST_F(SpecialGraphCommands, VectorFromTheMenuAndTheButtonThenEditedInPlace) {
    Start();
    W().mnuFileNew3D_Click();
    ASSERT_EQ(DocumentKind, 3);
    VisibleScene.RotYaw = 10;
    const int redBefore = Pixels(qRgb(255, 0, 0));
    Run<frmF27>(Menu("mnuDrawVecGraph"), [](frmF27& f) {
        Type(&f, {{"Text4", "3"}, {"Text5", "-4"}, {"Text6", "4"}});
        Ok(&f);
    });
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    ASSERT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(W().List1->ItemText(0), "矢量 ");
    EXPECT_TRUE(W().List1->Ticked(0));
    ExpectRotation(0, -15, 45);
    EXPECT_EQ(box.Count(), 0u);
    // The red arrow on screen.
    const int redArrow = Pixels(qRgb(255, 0, 0));
    EXPECT_GT(redArrow, redBefore + 30);
    W().picDraw()->grabFramebuffer().save(RunFile("vexilon_vector_command.png"));

    // Cancel adds nothing.
    Run<frmF27>(Button(30), [](frmF27& f) { Cancel(&f); });
    EXPECT_EQ(W().List1->ListCount(), 1);

    // Editing changes the vector in place: one row, the arrow moved.
    const std::shared_ptr<Cls9> g = DocumentScene.FunSurfs.Item(1);
    Run<frmF27>(EditRow(0), [](frmF27& f) {
        EXPECT_EQ(f.Text4->text(), "3");
        Type(&f, {{"Text4", "-3"}, {"Text5", "-4"}});
        Ok(&f);
    });
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 1);
    EXPECT_EQ(DocumentScene.FunSurfs.Item(1), g);
    EXPECT_EQ(g->VecEndZ, -3);
    EXPECT_EQ(g->VecEndX, -4);
    EXPECT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(W().List1->ItemText(0), "矢量 ");
    EXPECT_TRUE(W().List1->Ticked(0));

    // Toolbar2's buttons 30 and 31.
    Run<frmF27>(Button(30), [](frmF27& f) {
        Type(&f, {{"Text4", "1"}});
        Ok(&f);
    });
    Run<frmF28>(Button(31), [](frmF28& f) {
        Type(&f, {{"Text2", "1"}, {"Text6", "1"}});
        Ok(&f);
    });
    ASSERT_EQ(W().List1->ListCount(), 3);
    EXPECT_EQ(W().List1->ItemText(1), "矢量 ");
    EXPECT_EQ(W().List1->ItemText(2), "矢量运算 ");
    EXPECT_TRUE(W().List1->Ticked(2));
    Run<frmF28>(EditRow(2), [](frmF28& f) { Ok(&f); });
    EXPECT_EQ(W().List1->ItemText(2), "矢量运算 ");
    EXPECT_EQ(W().List1->ListCount(), 3);
}

} // namespace
