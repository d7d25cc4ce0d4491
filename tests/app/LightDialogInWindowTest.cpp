// The light dialog over the shown main window: closing it paints the drawing
// area again, as uncovering it does, so the new light shows at once.
#include "app/frmF1.h"
#include "core/Globals.h"
#include "dialogs/DialogForm.h"
#include "dialogs/frmF8.h"
#include "graph/Cls9.h"
#include "platform/GlDrawingArea.h"
#include "scene/Cls10.h"
#include "tests/app/ShownWindowFixture.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <functional>
#include <memory>

namespace {

class LightDialogInWindow : public ShownWindowFixture {
protected:
    void SetUp() override {
        ShownWindowFixture::SetUp();
        SetDialogOwner(&Window());
    }
    void TearDown() override {
        if (frmF8::Loaded()) frmF8::Get().Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetDialogOwner(nullptr);
        ShownWindowFixture::TearDown();
    }
};

TEST_F(LightDialogInWindow, ClosingTheDialogPaintsTheDrawingAreaWithTheNewLight) {
    DocumentKind = 3;
    auto g = Cls9::Init(1, "P", GraphType::Point, CoordType::Cartesian, "x", "y", "z", 1, 1, 0, 0, 0, 0,
                        FillStyle::OneColor, 0, 0, 0, 1, 0, Show::FilledSurface, Smoothness::Smooth);
    g->PointColor = 255;
    g->PointSize = 40;
    g->Vert3D.Create(0, 0);
    g->Vert3D(0, 0) = Cls2::Init(0, 0, 0);
    Add(VisibleScene, g);
    Window().BuildDisplayLists();
    Window().Display(CurrentFrame);

    GlDrawingArea* area = Window().picDraw();
    const std::function<void()> paintFrame = area->onPaint;
    int paints = 0;
    bool litWhilePainting = true;
    area->onPaint = [&] {
        paintFrame();
        ++paints;
        // The light's own switch: the drawing in the list (the axes of a
        // space document) turns GL_LIGHTING on again at its end.
        litWhilePainting = glIsEnabled(GL_LIGHT0) == GL_TRUE;
    };

    for (const char* button : {"Command1", "Command2"}) {
        SCOPED_TRACE(button);
        frmF8& f = frmF8::Get();
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
        QCoreApplication::processEvents();
        paints = 0;
        f.Check1->setChecked(!Light.Enabled);
        QTest::mouseClick(f.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
        ASSERT_FALSE(frmF8::Loaded());
        // OK switched the light off; Cancel keeps it off. Either way the
        // drawing area is painted again with the light as it now is.
        EXPECT_FALSE(Light.Enabled);
        EXPECT_TRUE(QTest::qWaitFor([&] { return paints > 0; }, 3000));
        EXPECT_FALSE(litWhilePainting);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    area->onPaint = paintFrame;
}

} // namespace
