// The coordinate-system dialog of strip, space and special documents, driven
// as a user drives it: what it shows at load, what OK stores by style, show
// box and document kind, the interval counts as typed, the colour pictures
// written at once and kept by Cancel, materials it cannot show.
#include "core/ColorService.h"
#include "core/Globals.h"
#include "dialogs/frmF3.h"
#include "dialogs/functions/GraphControls.h"
#include "scene/Cls3.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class AxesDialog3D : public ProgramStateTest {
protected:
    void SetUp() override {
        DocumentKind = 3;
        Axes.SetDefault();
    }
    void TearDown() override {
        if (frmF3::Loaded()) frmF3::Get().Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Loads the dialog and shows it as the axes command does, without blocking.
    frmF3& Open() {
        frmF3& f = frmF3::Get();
        f.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&f));
        return f;
    }
    // A click on a box or option where its indicator is, on its own tab.
    static void Tick(frmF3& f, QAbstractButton* b, int tab) {
        f.SSTab1->setCurrentIndex(tab);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    static void Type(frmF3& f, QLineEdit* box, const char* text) {
        f.SSTab1->setCurrentIndex(3);
        box->clear();
        QTest::keyClicks(box, QString::fromUtf8(text));
    }
    static void ClickPicture(frmF3& f, ColorBox* picture, int tab) {
        f.SSTab1->setCurrentIndex(tab);
        QTest::mouseClick(picture, Qt::LeftButton);
    }
    // Every setting the dialog edits, for comparing whole states.
    struct Settings {
        bool show, xy, xz, yz, xyx, xyy, xzx, xzz, yzy, yzz;
        std::int32_t style, xyColour, xzColour, yzColour, xyGrid, xzGrid, yzGrid, xyMat, xzMat, yzMat, nx, ny, nz;
        bool operator==(const Settings&) const = default;
    };
    static Settings Now() {
        const Cls3& a = Axes;
        return {a.Show, a.ShowXYPanel, a.ShowXZPanel, a.ShowYZPanel, a.ShowXYXGrid, a.ShowXYYGrid, a.ShowXZXGrid,
                a.ShowXZZGrid, a.ShowYZYGrid, a.ShowYZZGrid, a.AxisStyle, a.XYPanelColor, a.XZPanelColor,
                a.YZPanelColor, a.XYGridColor, a.XZGridColor, a.YZGridColor, a.XYPanelMaterial,
                a.XZPanelMaterial, a.YZPanelMaterial, a.LabelNumX, a.LabelNumY, a.LabelNumZ};
    }
    // Changes on every tab: a panel ticked with a material, grids unticked,
    // intervals typed.
    static void EditEverything(frmF3& f) {
        Tick(f, f.Check2, 1);
        f.Combo1->setCurrentIndex(9); // "Spring"
        Tick(f, f.Check5, 2);
        Tick(f, f.Check10, 2);
        Type(f, f.Text1, "5");
        Type(f, f.Text3, "7");
    }

    RecordingMessageBox box;
    RecordingColorPicker colors;
};

TEST_F(AxesDialog3D, LoadShowsTheAxesWithPanelControlsEnabledByTheirBoxes) {
    Axes.ShowXZPanel = true;
    Axes.ShowYZYGrid = false;
    Axes.XZPanelColor = RGB(10, 20, 30);
    Axes.YZGridColor = RGB(1, 2, 3);
    Axes.XZPanelMaterial = 13;
    Axes.YZPanelMaterial = 14; // no entry for it
    Axes.LabelNumY = 12;
    Axes.AxisStyle = 2;
    frmF3& f = Open();

    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("坐标系属性"));
    ASSERT_EQ(f.SSTab1->count(), 4);
    EXPECT_TRUE(!f.Frame1->isHidden());
    EXPECT_EQ(f.Frame1->title(), QString::fromUtf8("风格"));
    EXPECT_TRUE(f.Check1->isChecked());
    EXPECT_FALSE(f.Option1->isChecked());
    EXPECT_TRUE(f.Option2->isChecked());
    EXPECT_EQ(f.Option2->text(), QString::fromUtf8("三线"));
    EXPECT_EQ(f.findChild<QGroupBox*>("Frame4")->title(), QString::fromUtf8("YZ面板"));

    // Unticked panels keep their colour and material controls disabled; the
    // ticked one enabled them as a click would.
    EXPECT_FALSE(f.Check2->isChecked());
    for (QWidget* w : std::vector<QWidget*>{f.Label[1], f.Picture1, f.Label[2], f.Combo1, f.Picture3, f.Combo3})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(f.Check3->isChecked());
    for (QWidget* w : std::vector<QWidget*>{f.Label[3], f.Picture2, f.Label[4], f.Combo2})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(f.Label[3]->text(), QString::fromUtf8("颜色"));
    EXPECT_EQ(f.Label[4]->text(), QString::fromUtf8("材质"));

    EXPECT_EQ(f.Picture1->Color(), RGB(204, 204, 204));
    EXPECT_EQ(f.Picture2->Color(), RGB(10, 20, 30));
    EXPECT_EQ(f.Picture5->Color(), RGB(153, 153, 153));
    EXPECT_EQ(f.Picture9->Color(), RGB(1, 2, 3));
    EXPECT_TRUE(f.Check5->isChecked());
    EXPECT_FALSE(f.Check9->isChecked());
    EXPECT_EQ(f.Check8->text(), QString::fromUtf8("Z 方向"));

    ASSERT_EQ(f.Combo1->count(), 13);
    for (int i = 0; i < 13; ++i) EXPECT_EQ(f.Combo1->itemText(i).toStdString(), MaterialNames[std::size_t(i)]);
    EXPECT_EQ(f.Combo1->currentText(), "Metal");
    EXPECT_EQ(f.Combo2->currentText(), "Winter");
    EXPECT_EQ(f.Combo3->currentIndex(), -1);

    EXPECT_EQ(f.Text1->text(), "2");
    EXPECT_EQ(f.Text2->text(), "12");
    EXPECT_EQ(f.findChild<QLabel*>("Label12")->text(), QString::fromUtf8("Z 坐标轴上的间隔数"));

    // A click on a panel's box enables and disables its controls.
    Tick(f, f.Check2, 1);
    EXPECT_TRUE(f.Picture1->isEnabled());
    EXPECT_TRUE(f.Combo1->isEnabled());
    Tick(f, f.Check3, 1);
    EXPECT_FALSE(f.Picture2->isEnabled());
    EXPECT_FALSE(f.Label[4]->isEnabled());
}

TEST_F(AxesDialog3D, OkStoresWhatTheStyleShowBoxAndDocumentKindAllow) {
    struct Case {
        const char* what;
        std::int32_t kind;
        std::int32_t style;
        bool untickShow;
        bool chooseThreeLines;
        bool applied;
    };
    const Case cases[] = {
        {"panels in a space document", 3, 1, false, false, true},
        {"three lines chosen: only the style changes", 3, 1, false, true, false},
        {"three lines kept", 3, 2, false, false, false},
        {"show unticked", 3, 1, true, false, false},
        {"special document", 7, 1, false, false, true},
        // A strip document draws panels whatever the style holds.
        {"strip document with style 2", 2, 2, false, false, true},
        {"strip document, show unticked", 2, 1, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DocumentKind = c.kind;
        Axes.SetDefault();
        Axes.AxisStyle = c.style;
        const Settings before = Now();
        AxesChanged = false;
        frmF3& f = Open();
        EXPECT_EQ(!f.Frame1->isHidden(), c.kind != 2);
        EditEverything(f);
        if (c.untickShow) Tick(f, f.Check1, 0);
        if (c.chooseThreeLines) Tick(f, f.Option2, 0);
        QTest::mouseClick(f.Command1, Qt::LeftButton);
        EXPECT_FALSE(frmF3::Loaded());
        EXPECT_TRUE(AxesChanged);

        Settings expected = before;
        expected.show = !c.untickShow;
        if (c.chooseThreeLines) expected.style = 2;
        if (c.applied) {
            expected.xy = true;
            expected.xyMat = 10;
            expected.xyx = false;
            expected.yzz = false;
            expected.nx = 5;
            expected.nz = 7;
        }
        EXPECT_TRUE(Now() == expected);
        EXPECT_EQ(Axes.AxisStyle, expected.style);
        EXPECT_EQ(Axes.ShowXYPanel, expected.xy);
        EXPECT_EQ(Axes.LabelNumX, expected.nx);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(AxesDialog3D, IntervalCountsAreTheWholeNumbersTyped) {
    const struct {
        const char* typed;
        std::int32_t stored;
    } cases[] = {{"2.5", 2}, {"3.5", 4}, {" 1 2 ", 12}, {"abc", 0}, {"80", 80}, {"1E+10", 0},
                 {"-3", -3}, {"&H10", 16}, {"4x", 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        frmF3& f = Open();
        Type(f, f.Text1, c.typed);
        Type(f, f.Text2, c.typed);
        Type(f, f.Text3, c.typed);
        QTest::mouseClick(f.Command1, Qt::LeftButton);
        EXPECT_EQ(Axes.LabelNumX, c.stored);
        EXPECT_EQ(Axes.LabelNumY, c.stored);
        EXPECT_EQ(Axes.LabelNumZ, c.stored);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(AxesDialog3D, ShowBoxAndColourPicturesWriteAtOnceAndCancelKeepsThem) {
    // The edge case of the show box: Show is False at once, Cancel clears
    // AxesChanged and keeps it.
    AxesChanged = true;
    frmF3& f = Open();
    Tick(f, f.Check1, 0);
    EXPECT_FALSE(Axes.Show);
    Tick(f, f.Check1, 0);
    EXPECT_TRUE(Axes.Show);
    Tick(f, f.Check1, 0);

    // A picked colour is stored at once; a cancelled pick leaves the panel's
    // colour (and writes that same colour back).
    Tick(f, f.Check2, 1);
    colors.Choose(RGB(255, 0, 0));
    ClickPicture(f, f.Picture1, 1);
    EXPECT_EQ(Axes.XYPanelColor, RGB(255, 0, 0));
    EXPECT_EQ(f.Picture1->Color(), RGB(255, 0, 0));
    colors.Cancel();
    ClickPicture(f, f.Picture1, 1);
    EXPECT_EQ(Axes.XYPanelColor, RGB(255, 0, 0));
    EXPECT_EQ(f.Picture1->Color(), RGB(255, 0, 0));
    colors.Choose(RGB(0, 0, 9));
    ClickPicture(f, f.Picture9, 2);
    EXPECT_EQ(Axes.YZGridColor, RGB(0, 0, 9));
    colors.Cancel();
    ClickPicture(f, f.Picture7, 2);
    EXPECT_EQ(Axes.XZGridColor, RGB(153, 153, 153));
    EXPECT_EQ(colors.requests, 4);

    Type(f, f.Text1, "9");
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    EXPECT_FALSE(frmF3::Loaded());
    EXPECT_FALSE(AxesChanged);
    EXPECT_FALSE(Axes.Show);
    EXPECT_EQ(Axes.XYPanelColor, RGB(255, 0, 0));
    EXPECT_EQ(Axes.YZGridColor, RGB(0, 0, 9));
    EXPECT_FALSE(Axes.ShowXYPanel);
    EXPECT_EQ(Axes.LabelNumX, 2);
}

TEST_F(AxesDialog3D, MaterialsTheListCannotShowAreStoredBack) {
    const struct {
        std::int32_t stored;
        int chosen; // list position chosen, -1 untouched
        std::int32_t expected;
    } cases[] = {{4, -1, 4}, {13, -1, 13}, {0, -1, 0}, {14, -1, 14}, {-2, -1, -2}, {14, 0, 1}, {0, 12, 13}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        Axes.XZPanelMaterial = c.stored;
        frmF3& f = Open();
        EXPECT_EQ(ListIndex(f.Combo2), c.stored >= 1 && c.stored <= 13 ? c.stored - 1 : -1);
        if (c.chosen >= 0) {
            Tick(f, f.Check3, 1);
            f.Combo2->setCurrentIndex(c.chosen);
        }
        QTest::mouseClick(f.Command1, Qt::LeftButton);
        EXPECT_EQ(Axes.XZPanelMaterial, c.expected);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(AxesDialog3D, GreyedBoxesCountAsUnticked) {
    frmF3& f = Open();
    f.Check5->setCheckState(Qt::PartiallyChecked);
    f.Check2->setCheckState(Qt::PartiallyChecked);
    EXPECT_FALSE(f.Picture1->isEnabled());
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    EXPECT_FALSE(Axes.ShowXYXGrid);
    EXPECT_FALSE(Axes.ShowXYPanel);
}

} // namespace
