// The contour plot, vector field, colour map and intersection commands in the
// shown main window: each dialog opened by its menu item or toolbar button,
// typed into and confirmed, the new graph's ticked row and view rotation, the
// picture (screenshots saved to the run's folder), and an edit through the
// edit command.
#include "dialogs/FormControls.h"
#include "dialogs/special/frmF18.h"
#include "dialogs/special/frmF21.h"
#include "dialogs/special/frmF22.h"
#include "dialogs/special/frmF25.h"
#include "platform/CheckListBox.h"
#include "scene/Cls4.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/RunFolder.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

class FieldAndIntersectionCommands : public MainWindowFixture {
protected:
    // Runs `trigger` (a menu item or a toolbar button); `act` runs on the
    // dialog `Form` once it is shown.
    template <class Form>
    void WithDialog(const std::function<void()>& trigger, const std::function<void(Form&)>& act) {
        bool acted = false;
        QTimer::singleShot(0, [&] {
            acted = true;
            ASSERT_TRUE(Form::Loaded());
            act(Form::Get());
            if (Form::Loaded()) Form::Get().Unload();
        });
        trigger();
        EXPECT_TRUE(acted);
    }
    void Menu(const char* item) {
        ASSERT_TRUE(W().MenuItem(item)->isEnabled()) << item;
        W().MenuItem(item)->trigger();
    }
    // Types the texts and the u, v ranges of a field dialog and confirms it.
    template <class Form>
    static void ConfirmField(Form& f, const char* x, const char* y, const char* z) {
        SetText(f.Text2, x);
        SetText(f.Text3, y);
        SetText(f.Text4, z);
        SetText(f.Text5, "-2");
        SetText(f.Text6, "2");
        SetText(f.Text8, "-2");
        SetText(f.Text9, "2");
        QTest::mouseClick(f.Command1, Qt::LeftButton);
    }
    // Screenshots of a dialog, one per page of its tabs: <stem>_<page>.png in
    // the run's folder.
    static void SavePages(QWidget& dialog, QTabWidget* tabs, const char* stem) {
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            dialog.grab().save(RunFile(QString::fromLatin1(stem) + QLatin1Char('_') + QChar(u'0' + page) +
                                       QStringLiteral(".png")));
        }
        tabs->setCurrentIndex(0);
    }
    // Distinct colours among the drawing area's pixels that are not white.
    std::size_t Colours(const char* screenshot) {
        const QImage img = W().picDraw()->grabFramebuffer();
        img.save(RunFile(QString::fromLatin1(screenshot)));
        std::set<QRgb> colours;
        for (int y = 0; y < img.height(); y += 2)
            for (int x = 0; x < img.width(); x += 2) {
                const QRgb c = img.pixel(x, y);
                if (qRed(c) < 250 || qGreen(c) < 250 || qBlue(c) < 250) colours.insert(c);
            }
        return colours.size();
    }
    RecordingColorPicker colors;
};

TEST_F(FieldAndIntersectionCommands, ContourPlotFromTheMenuThenEdited) {
    Start();
    W().mnuFileSpe_Click();
    ASSERT_EQ(DocumentKind, 7);
    Camera.SetViewRect(6, 6); // the picture fills the view
    VisibleScene.RotPitch = 20;
    const std::size_t empty = Colours("vexilon_field_empty.png");
    WithDialog<frmF18>([&] { Menu("mnuDrawCon"); },
                       [](frmF18& f) {
                           EXPECT_EQ(ToStdString(f.windowTitle()), "函数的等值线");
                           SavePages(f, f.SSTab1, "vexilon_frmF18");
                           ConfirmField(f, "u", "v", "u*v");
                       });
    EXPECT_EQ(box.Count(), 0u);
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    EXPECT_EQ(DocumentScene.FunSurfs.Item(1)->GraphType, GraphType::Contour);
    ASSERT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(W().List1->ItemText(0), "等值线图 Plot  x=u, y=v, z=u*v");
    EXPECT_TRUE(W().List1->Ticked(0));
    EXPECT_EQ(VisibleScene.RotRoll, 0);
    EXPECT_EQ(VisibleScene.RotPitch, 0);
    EXPECT_EQ(VisibleScene.RotYaw, 0);
    // Ten levels in colours from blue to red.
    EXPECT_GT(Colours("vexilon_contour_dialog.png"), empty + 5);

    // Edited through the list's "编辑...": the dialog filled, the row relabelled.
    W().List1->SetListIndex(0);
    WithDialog<frmF18>([&] { W().MenuItem("mnuFunEdit")->trigger(); },
                       [](frmF18& f) {
                           EXPECT_EQ(TextOf(f.Text4), "u*v");
                           EXPECT_EQ(TextOf(f.Text5), "-2");
                           SetText(f.Text4, "u*u-v*v");
                           QTest::mouseClick(f.Command1, Qt::LeftButton);
                       });
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_FALSE(IsEditing);
    EXPECT_EQ(W().List1->ItemText(0), "等值线图: x=u,y=v,z=u*u-v*v");
    EXPECT_EQ(DocumentScene.FunSurfs.Item(1)->ExpressZ, "u*u-v*v");
}

TEST_F(FieldAndIntersectionCommands, SpecialDocumentOffersNoCreationCommandOfAnotherKind) {
    // A contour plot on screen: no command that makes a graph of a plane,
    // strip or space document can be reached, so none can turn the document
    // into one that no longer draws the plot.
    Start();
    W().mnuFileSpe_Click();
    WithDialog<frmF18>([&] { Menu("mnuDrawCon"); }, [](frmF18& f) { ConfirmField(f, "u", "v", "u*v"); });
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    for (const char* item : {"mnuDrawFun2D", "mnuDraw25d", "mnuDrawFun3D", "mnuDrawTab2D", "mnuDrawTab25D",
                             "mnuDrawTab3D", "mnuDrawSpe", "mnuDrawIP", "mnuDrawRV", "mnuDrawVec", "mnuDrawLimit",
                             "mnuDrawSeries", "mnuDrawODE", "mnuAni2DCur", "mnuAniCur25D", "mnuAniSur"})
        EXPECT_FALSE(W().MenuItem(item)->isEnabled()) << item;
    struct Buttons {
        int toolbar;
        std::vector<int> indexes;
    };
    for (const Buttons& b : {Buttons{1, {23, 24, 26, 27, 29, 30, 31}},
                             Buttons{2, {3, 4, 6, 7, 9, 10, 11, 17, 18, 19, 21, 22, 23, 24, 26, 27, 29, 30, 31}}})
        for (int i : b.indexes) EXPECT_FALSE(Strip(b.toolbar)->IsButtonEnabled(i)) << b.toolbar << " " << i;
    // The plane animation's buttons do nothing.
    Click(1, 23);
    Click(1, 24);
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_EQ(DocumentKind, 7);
    ASSERT_EQ(W().List1->ListCount(), 1);
    EXPECT_TRUE(W().List1->Ticked(0));
    // Its own commands stay.
    EXPECT_TRUE(W().MenuItem("mnuDrawAdv")->isEnabled());
    for (int i : {13, 14, 15}) EXPECT_TRUE(Strip(2)->IsButtonEnabled(i)) << i;
}

TEST_F(FieldAndIntersectionCommands, VectorFieldAndColourMapFromTheToolbar) {
    Start();
    W().mnuFileSpe_Click();
    Camera.SetViewRect(6, 6);
    WithDialog<frmF21>([&] { Click(2, 15); },
                       [&](frmF21& f) {
                           EXPECT_EQ(ToStdString(f.windowTitle()), "函数的矢量图");
                           SavePages(f, f.SSTab1, "vexilon_frmF21");
                           colors.Choose(RGB(200, 0, 0));
                           QTest::mouseClick(f.Picture1, Qt::LeftButton);
                           ConfirmField(f, "u", "v", "sin(u)*cos(v)");
                       });
    ASSERT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(W().List1->ItemText(0), "矢量图  x=u, y=v, z=sin(u)*cos(v)");
    EXPECT_TRUE(W().List1->Ticked(0));
    EXPECT_GT(RedPixels(), 20);
    Colours("vexilon_vector_dialog.png");

    W().List1->SetTicked(0, false);
    WithDialog<frmF22>([&] { Click(2, 13); },
                       [](frmF22& f) {
                           EXPECT_EQ(ToStdString(f.windowTitle()), "函数的色谱图");
                           SavePages(f, f.SSTab1, "vexilon_frmF22");
                           ConfirmField(f, "u", "v", "u*u+v*v");
                       });
    EXPECT_EQ(box.Count(), 0u);
    ASSERT_EQ(W().List1->ListCount(), 2);
    EXPECT_EQ(W().List1->ItemText(1), "色谱图  x=u, y=v, z=u*u+v*v");
    EXPECT_TRUE(W().List1->Ticked(1));
    EXPECT_EQ(VisibleScene.FunSurfs.Count(), 1);
    // A colour ramp from blue to red.
    EXPECT_GT(Colours("vexilon_colormap_dialog.png"), 20u);
}

TEST_F(FieldAndIntersectionCommands, IntersectionFromTheToolbarThenEdited) {
    Start();
    ASSERT_EQ(DocumentKind, 1);
    Camera.SetViewRect(6, 6);
    VisibleScene.RotYaw = 30;
    WithDialog<frmF25>([&] { Click(2, 21); },
                       [](frmF25& f) {
                           EXPECT_EQ(ToStdString(f.windowTitle()), "二维曲线相交");
                           SavePages(f, f.SSTab1, "vexilon_frmF25");
                           SetText(f.Text2, "x^2");
                           SetText(f.Text3, "x");
                           SetText(f.Text4, "-1");
                           SetText(f.Text5, "2");
                           QTest::mouseClick(f.Command1, Qt::LeftButton);
                       });
    EXPECT_EQ(box.Count(), 0u);
    ASSERT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(W().List1->ItemText(0), "二维曲线相交  y=x^2, y=x");
    EXPECT_TRUE(W().List1->Ticked(0));
    EXPECT_EQ(VisibleScene.RotRoll, 0);
    EXPECT_EQ(VisibleScene.RotPitch, 0);
    EXPECT_EQ(VisibleScene.RotYaw, 0);
    EXPECT_GT(RedPixels(), 20); // the first curve
    Colours("vexilon_intersection_dialog.png");
    // Both crossings (x = 1 lies on a sample) and the area between them.
    const std::string pane = W().Result->toPlainText().toStdString();
    EXPECT_NE(pane.find("    交点: x=1,y=1"), std::string::npos) << pane;
    EXPECT_NE(pane.find("    相交区域的面积 "), std::string::npos) << pane;

    // The same command from the menu; cancelled, it adds nothing.
    WithDialog<frmF25>([&] { Menu("mnuDrawIP"); },
                       [](frmF25& f) { QTest::mouseClick(f.Command2, Qt::LeftButton); });
    EXPECT_EQ(W().List1->ListCount(), 1);

    W().List1->SetListIndex(0);
    WithDialog<frmF25>([&] { W().MenuItem("mnuFunEdit")->trigger(); },
                       [](frmF25& f) {
                           EXPECT_EQ(ToStdString(f.windowTitle()), "相交");
                           EXPECT_EQ(TextOf(f.Text2), "x^2");
                           SetText(f.Text3, "1-x");
                           QTest::mouseClick(f.Command1, Qt::LeftButton);
                       });
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_EQ(W().List1->ItemText(0), "二维曲线相交  y=x^2, y=1-x");
}

} // namespace
