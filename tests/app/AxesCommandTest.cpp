// The axes command in the shown main window: the dialog of the document kind
// from the menu, the toolbar and the drawing area's popup; the view rebuilt
// once after OK and not after Cancel; what the dialogs change drawn at once
// (the plane box snapped to multiples of pi, a red XY panel).
#include "core/ColorService.h"
#include "core/ResultPane.h"
#include "dialogs/frmF20.h"
#include "dialogs/frmF3.h"
#include "dialogs/functions/GraphControls.h"
#include "scene/Cls3.h"
#include "tests/app/GraphCommandFixture.h"
#include "tests/support/RunFolder.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <cmath>
#include <functional>

namespace {

class AxesCommand : public MainWindowFixture {
protected:
    void TearDown() override {
        SetResultPane(nullptr);
        MainWindowFixture::TearDown();
    }

    // Starts the command with `open`; once a dialog is shown, `act` runs on
    // it when it is `Form`, else every dialog is closed (the check fails).
    template <class Form>
    bool Through(const std::function<void()>& open, const std::function<void(Form&)>& act) {
        bool reached = false;
        QTimer::singleShot(0, [&] {
            if (Form::Loaded() && Form::Get().isVisible()) {
                reached = true;
                act(Form::Get());
            }
            for (FormBase* f : FormBase::LoadedForms()) f->Unload();
        });
        open();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return reached;
    }
    void FromMenu() { W().MenuItem("mnuDrawAxis")->trigger(); }

    static void Tick(QTabWidget* tabs, int tab, QAbstractButton* b) {
        tabs->setCurrentIndex(tab);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }

    // A point graph at (v, v, v) with its ticked row.
    void SpacePoint(std::int32_t id, float v) {
        const std::string t = std::to_string(v);
        auto g = Cls9::Init(id, "P", GraphType::Point, CoordType::Cartesian, t, t, t, 1, 1, 0, 0, 0, 0,
                            FillStyle::OneColor, 0, 0, 0, 1, 0, Show::FilledSurface, Smoothness::Smooth);
        g->PointColor = RGB(0, 0, 255);
        g->PointSize = 3;
        g->Vert3D.Create(0, 0);
        g->Vert3D(0, 0) = Cls2::Init(v, v, v);
        Add(DocumentScene, g);
        Add(VisibleScene, g);
        W().AddTickedRow("P");
    }

    // Pixels of the drawing area whose red stands well above green and blue.
    int ReddishPixels() {
        const QImage img = W().picDraw()->grabFramebuffer();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                if (qRed(c) > qGreen(c) + 60 && qRed(c) > qBlue(c) + 60) ++n;
            }
        return n;
    }

    RecordingColorPicker colors;
    DrawingCounter pane;
};

TEST_F(AxesCommand, EachDocumentKindOpensItsDialogFromMenuToolbarAndPopup) {
    Start();
    ASSERT_EQ(DocumentKind, 1);
    const auto cancel20 = [](frmF20& f) { QTest::mouseClick(f.Command2, Qt::LeftButton); };
    const auto cancel3 = [](frmF3& f) { QTest::mouseClick(f.Command2, Qt::LeftButton); };
    EXPECT_TRUE(Through<frmF20>([&] { FromMenu(); }, cancel20));
    EXPECT_TRUE(Through<frmF20>([&] { Click(2, 33); }, cancel20));
    EXPECT_FALSE(W().MenuItem("mnuGraphAxis")->isEnabled());

    W().mnuFileNew3D_Click();
    ASSERT_EQ(DocumentKind, 3);
    EXPECT_TRUE(Through<frmF3>([&] { FromMenu(); }, cancel3));
    EXPECT_TRUE(Through<frmF3>([&] { Click(2, 33); }, cancel3));
    ASSERT_TRUE(W().MenuItem("mnuGraphAxis")->isEnabled());
    EXPECT_TRUE(Through<frmF3>([&] { W().MenuItem("mnuGraphAxis")->trigger(); }, cancel3));

    W().mnuFileNew25D_Click();
    ASSERT_EQ(DocumentKind, 2);
    EXPECT_TRUE(Through<frmF3>([&] { FromMenu(); }, [](frmF3& f) {
        EXPECT_TRUE(f.Frame1->isHidden());
        QTest::mouseClick(f.Command2, Qt::LeftButton);
    }));
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(AxesCommand, OkRebuildsOnceAndCancelNothing) {
    Start();
    W().mnuFileNew3D_Click();
    SpacePoint(1, -4);
    SpacePoint(2, 4);
    SetResultPane(&pane);
    W().BuildDisplayLists();
    const int perBuild = pane.drawings;
    ASSERT_GT(perBuild, 0);

    // Cancel, after the show box has already been unticked: nothing rebuilt.
    pane.drawings = 0;
    EXPECT_TRUE(Through<frmF3>([&] { FromMenu(); }, [](frmF3& f) {
        Tick(f.SSTab1, 0, f.Check1);
        QTest::mouseClick(f.Command2, Qt::LeftButton);
    }));
    EXPECT_FALSE(Axes.Show);
    EXPECT_FALSE(AxesChanged);
    EXPECT_EQ(pane.drawings, 0);

    // OK: one rebuild, the flag cleared.
    EXPECT_TRUE(Through<frmF3>([&] { FromMenu(); }, [](frmF3& f) {
        Tick(f.SSTab1, 0, f.Check1);
        QTest::mouseClick(f.Command1, Qt::LeftButton);
    }));
    EXPECT_TRUE(Axes.Show);
    EXPECT_FALSE(AxesChanged);
    EXPECT_EQ(pane.drawings, perBuild);

    // The same in a plane document.
    W().DeleteAllGraphs();
    W().mnuFileNew2D_Click();
    SpacePoint(3, 2);
    pane.drawings = 0;
    EXPECT_TRUE(Through<frmF20>([&] { FromMenu(); }, [](frmF20& f) { QTest::mouseClick(f.Command2, Qt::LeftButton); }));
    EXPECT_EQ(pane.drawings, 0);
    EXPECT_TRUE(Through<frmF20>([&] { FromMenu(); }, [](frmF20& f) { QTest::mouseClick(f.Command1, Qt::LeftButton); }));
    EXPECT_FALSE(AxesChanged);
    EXPECT_EQ(pane.drawings, 2); // the point, drawn again on top
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(AxesCommand, PiTicksSnapTheRebuiltPlaneBox) {
    Start();
    Point(1, 5, 3);
    EXPECT_FLOAT_EQ(SceneBox.MaxX, 6);
    EXPECT_TRUE(Through<frmF20>([&] { FromMenu(); }, [](frmF20& f) {
        Tick(f.SSTab1, 0, f.Check6);
        QTest::mouseClick(f.Command1, Qt::LeftButton);
    }));
    EXPECT_TRUE(Axes.ShowPI);
    EXPECT_NEAR(SceneBox.MaxX, 2 * 3.1416, 1e-4);
    EXPECT_NEAR(SceneBox.MinX, -3.1416, 1e-4);
    EXPECT_FLOAT_EQ(SceneBox.MaxY, 4);
}

TEST_F(AxesCommand, RedXYPanelIsDrawnAfterOk) {
    Start();
    W().mnuFileNew3D_Click();
    SpacePoint(1, -4);
    SpacePoint(2, 4);
    EXPECT_EQ(ReddishPixels(), 0);
    colors.Choose(RGB(255, 0, 0));
    EXPECT_TRUE(Through<frmF3>([&] { FromMenu(); }, [](frmF3& f) {
        Tick(f.SSTab1, 1, f.Check2);
        f.SSTab1->setCurrentIndex(1);
        QTest::mouseClick(f.Picture1, Qt::LeftButton);
        QTest::mouseClick(f.Command1, Qt::LeftButton);
    }));
    EXPECT_TRUE(Axes.ShowXYPanel);
    EXPECT_EQ(Axes.XYPanelColor, RGB(255, 0, 0));
    QCoreApplication::processEvents();
    const QImage img = W().picDraw()->grabFramebuffer();
    img.save(RunFile("axes_red_xy_panel.png"));
    EXPECT_GT(ReddishPixels(), 2000);
}

} // namespace
