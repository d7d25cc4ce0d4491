// The coordinate-system dialog of plane documents, driven as a user drives
// it: an untouched OK stores back what was loaded (also values the dialog
// cannot show), the style pictures and their frame, colours kept from Axes
// until OK, greyed boxes, and the pictures painted from the styles' colours.
#include "core/ColorService.h"
#include "core/Globals.h"
#include "dialogs/frmF20.h"
#include "dialogs/functions/GraphControls.h"
#include "scene/BackStyles.h"
#include "scene/Cls3.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"
#include "tests/support/RunFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

class AxesDialog2D : public ProgramStateTest {
protected:
    void SetUp() override {
        DocumentKind = 1;
        Axes.Show = true;
    }
    void TearDown() override {
        if (frmF20::Loaded()) frmF20::Get().Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    frmF20& Open() {
        frmF20& f = frmF20::Get();
        f.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&f));
        return f;
    }
    static void Tick(frmF20& f, QCheckBox* b, int tab) {
        f.SSTab1->setCurrentIndex(tab);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    static void ClickStyle(frmF20& f, int k) {
        f.SSTab1->setCurrentIndex(2);
        QTest::mouseClick(f.findChild<BackStylePicture*>(QStringLiteral("Image1(%1)").arg(k)), Qt::LeftButton);
    }
    void Ok(frmF20& f) {
        QTest::mouseClick(f.Command1, Qt::LeftButton);
        EXPECT_FALSE(frmF20::Loaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Whether Shape1 frames picture k with a margin of one pixel.
    static bool Frames(frmF20& f, int k) {
        return !f.Shape1->isHidden() &&
               f.Shape1->geometry() == f.Image1[std::size_t(k)]->geometry().adjusted(-1, -1, 1, 1);
    }

    RecordingMessageBox box;
    RecordingColorPicker colors;
};

// Every value of Axes the dialog edits, as a record's text (compares all).
std::string Edited() {
    const Cls3& a = Axes;
    std::string s;
    for (bool b : {a.Show, a.ShowprimaryGrid, a.ShowSecondaryGrid, a.ShowBackground, a.ShowSecondaryLabel,
                   a.ShowPI, a.ShowShadow, a.BetterFonts})
        s += b ? '1' : '0';
    for (std::int32_t v : {a.AxisColor, a.AxisWidth, a.PriGridColor, a.SecGridColor, a.BackColor, a.BackColor2,
                           a.BackStyle})
        s.append(1, ' ').append(std::to_string(v));
    return s;
}

TEST_F(AxesDialog2D, LoadShowsTheAxesAndTheWidthList) {
    Axes.AxisWidth = 3;
    Axes.AxisColor = RGB(1, 2, 3);
    Axes.BackColor2 = RGB(4, 5, 6);
    Axes.ShowPI = true;
    Axes.ShowSecondaryLabel = false;
    Axes.BackStyle = 7;
    frmF20& f = Open();
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("坐标系属性"));
    EXPECT_EQ(f.SSTab1->count(), 3);
    EXPECT_TRUE(f.Check1->isChecked());
    EXPECT_FALSE(f.Combo1->isEditable());
    ASSERT_EQ(f.Combo1->count(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(f.Combo1->itemText(i), QString::number(i + 1));
    EXPECT_EQ(f.Combo1->currentIndex(), 2);
    EXPECT_EQ(f.Picture1->Color(), RGB(1, 2, 3));
    EXPECT_EQ(f.Picture5->Color(), RGB(4, 5, 6));
    EXPECT_EQ(f.Picture4->Color(), RGB(0, 255, 0));
    EXPECT_TRUE(f.Check6->isChecked());
    EXPECT_EQ(f.Check6->text(), QString::fromUtf8("横坐标以π为间隔进行标记"));
    EXPECT_FALSE(f.Check5->isChecked());
    EXPECT_EQ(f.Frame1->title(), QString::fromUtf8("选择一种填充类型"));
    EXPECT_EQ(f.findChildren<BackStylePicture*>().size(), 19);
    EXPECT_TRUE(Frames(f, 6));
    EXPECT_EQ(f.SelectedStyle(), 7);
    f.SSTab1->setCurrentIndex(2);
    QCoreApplication::processEvents();
    f.grab().save(RunFile("axes_dialog_2d.png"));
}

TEST_F(AxesDialog2D, UntouchedOkStoresBackWhatWasLoaded) {
    const struct {
        std::int32_t width, style;
        bool framed;
    } cases[] = {{1, 1, true}, {2, 5, true}, {3, 12, true}, {4, 18, true}, {5, 19, true}, {7, 25, false},
                 {0, 20, false}, {-1, 2, true}};
    for (std::int32_t style = 1; style <= 19; ++style) {
        SCOPED_TRACE(style);
        Axes.BackStyle = style;
        Axes.AxisWidth = (style - 1) % 5 + 1;
        Axes.ShowPI = style % 2 == 0;
        Axes.ShowShadow = style % 3 == 0;
        Axes.BackColor = RGB(style, 0, 0);
        const std::string before = Edited();
        frmF20& f = Open();
        EXPECT_TRUE(Frames(f, style - 1));
        EXPECT_EQ(f.Combo1->currentIndex(), Axes.AxisWidth - 1);
        Ok(f);
        EXPECT_EQ(Edited(), before);
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width * 100 + c.style);
        Axes.AxisWidth = c.width;
        Axes.BackStyle = c.style;
        const std::string before = Edited();
        frmF20& f = Open();
        EXPECT_EQ(ListIndex(f.Combo1), c.width >= 1 && c.width <= 5 ? c.width - 1 : -1);
        EXPECT_EQ(!f.Shape1->isHidden(), c.framed);
        Ok(f);
        EXPECT_EQ(Edited(), before);
    }
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(AxesDialog2D, StyleBelowOneFramesTheSecondPictureAndOkStoresTwo) {
    for (std::int32_t stored : {0, -5, std::numeric_limits<std::int32_t>::min()}) {
        Axes.BackStyle = stored;
        frmF20& f = Open();
        EXPECT_TRUE(Frames(f, 1));
        EXPECT_EQ(f.SelectedStyle(), stored);
        Ok(f);
        EXPECT_EQ(Axes.BackStyle, 2);
    }
}

TEST_F(AxesDialog2D, ClickedPictureIsFramedAndItsStyleStored) {
    frmF20& f = Open();
    EXPECT_TRUE(Frames(f, 1)); // the initial style 2
    ClickStyle(f, 12);
    EXPECT_TRUE(Frames(f, 12));
    EXPECT_EQ(f.SelectedStyle(), 13);
    ClickStyle(f, 18);
    EXPECT_TRUE(Frames(f, 18));
    EXPECT_EQ(Axes.BackStyle, 2); // nothing before OK
    f.Combo1->setCurrentIndex(4);
    Ok(f);
    EXPECT_EQ(Axes.BackStyle, 19);
    EXPECT_EQ(Axes.AxisWidth, 5);
    EXPECT_TRUE(AxesChanged);
}

TEST_F(AxesDialog2D, ColoursAndBoxesReachAxesOnlyOnOk) {
    const std::string before = Edited();
    frmF20& f = Open();
    colors.Choose(RGB(255, 0, 0));
    f.SSTab1->setCurrentIndex(0);
    QTest::mouseClick(f.Picture1, Qt::LeftButton);
    EXPECT_EQ(f.Picture1->Color(), RGB(255, 0, 0));
    colors.Cancel();
    f.SSTab1->setCurrentIndex(2);
    QTest::mouseClick(f.Picture4, Qt::LeftButton);
    EXPECT_EQ(f.Picture4->Color(), RGB(0, 255, 0));
    Tick(f, f.Check2, 1);
    Tick(f, f.Check1, 0);
    ClickStyle(f, 3);
    EXPECT_EQ(Edited(), before);
    AxesChanged = true;
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    EXPECT_FALSE(frmF20::Loaded());
    EXPECT_FALSE(AxesChanged);
    EXPECT_EQ(Edited(), before);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    frmF20& g = Open();
    colors.Choose(RGB(0, 0, 255));
    g.SSTab1->setCurrentIndex(1);
    QTest::mouseClick(g.Picture3, Qt::LeftButton);
    Tick(g, g.Check2, 1);
    Tick(g, g.Check6, 0);
    Tick(g, g.Check7, 2);
    Ok(g);
    EXPECT_EQ(Axes.SecGridColor, RGB(0, 0, 255));
    EXPECT_TRUE(Axes.ShowprimaryGrid);
    EXPECT_TRUE(Axes.ShowPI);
    EXPECT_TRUE(Axes.ShowShadow);
    EXPECT_TRUE(AxesChanged);
}

TEST_F(AxesDialog2D, GreyedBoxStoresFalse) {
    Axes.ShowPI = true;
    Axes.ShowBackground = true;
    frmF20& f = Open();
    f.Check6->setCheckState(Qt::PartiallyChecked);
    f.Check4->setCheckState(Qt::PartiallyChecked);
    f.Check2->setCheckState(Qt::PartiallyChecked);
    EXPECT_TRUE(f.Check6->isChecked()); // Qt's own flag says ticked
    Ok(f);
    EXPECT_FALSE(Axes.ShowPI);
    EXPECT_FALSE(Axes.ShowBackground);
    EXPECT_FALSE(Axes.ShowprimaryGrid);
}

// The pictures show each style as the background drawing shades it, in green
// (the first colour) and white (the second).
TEST_F(AxesDialog2D, PicturesArePaintedFromTheStylesColours) {
    frmF20& f = Open();
    f.SSTab1->setCurrentIndex(2);
    QCoreApplication::processEvents();
    for (int k = 0; k < 19; ++k) {
        SCOPED_TRACE(k + 1);
        BackStylePicture* p = f.Image1[std::size_t(k)];
        EXPECT_EQ(p->Style(), k + 1);
        const QImage img = p->grab().toImage();
        const int w = img.width(), h = img.height();
        for (double u : {0.1, 0.3, 0.5, 0.8, 0.9})
            for (double v : {0.15, 0.4, 0.6, 0.9}) {
                const QRgb c = img.pixel(int(u * w), int((1 - v) * h));
                const double share = BackStyleMix(k + 1, (int(u * w) + 0.5) / w, 1 - (int((1 - v) * h) + 0.5) / h);
                EXPECT_NEAR(qRed(c), 255 * share, 1.5) << u << " " << v;
                EXPECT_EQ(qGreen(c), 255);
                EXPECT_NEAR(qBlue(c), 255 * share, 1.5);
            }
    }
    // Style 2: green along the bottom, white along the top.
    const QImage two = f.Image1[1]->grab().toImage();
    EXPECT_LT(qRed(two.pixel(two.width() / 2, two.height() - 2)), 30);
    EXPECT_GT(qRed(two.pixel(two.width() / 2, 1)), 225);
}

} // namespace
