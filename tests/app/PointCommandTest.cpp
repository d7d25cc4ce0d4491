// Draw > 点 in the shown main window: the point dialog opened by the menu
// item, typed into and confirmed, the new graph in both scenes with its
// ticked row, the view rotation of the document kind, and the point drawn;
// an edit through the same dialog drawn at once.
#include "core/ColorParts.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/frmF16.h"
#include "platform/CheckListBox.h"
#include "tests/app/MainWindowFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

class PointCommand : public MainWindowFixture {
protected:
    // Chooses Draw > 点; `act` runs once the dialog is shown.
    void DrawPoint(const std::function<void(frmF16&)>& act) {
        QTimer::singleShot(0, [act] { act(frmF16::Get()); });
        W().MenuItem("mnuDrawPoint")->trigger();
    }
    static void Confirm(frmF16& f, const char* a, const char* b, const char* c = "") {
        f.Text2->setText(QString::fromUtf8(a));
        f.Text3->setText(QString::fromUtf8(b));
        f.Text4->setText(QString::fromUtf8(c));
        QTest::mouseClick(f.Command1, Qt::LeftButton);
    }
    // Pixels that are (nearly) `colour` in `a` and (nearly) `other` in `b`.
    static int Changed(const QImage& a, const QImage& b, QRgb colour, QRgb other) {
        const auto near = [](QRgb p, QRgb q) {
            return std::abs(qRed(p) - qRed(q)) < 40 && std::abs(qGreen(p) - qGreen(q)) < 40 &&
                   std::abs(qBlue(p) - qBlue(q)) < 40;
        };
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (near(a.pixel(x, y), colour) && near(b.pixel(x, y), other)) ++n;
        return n;
    }
    QImage Frame() { return W().picDraw()->grabFramebuffer(); }
    RecordingColorPicker colors;
};

TEST_F(PointCommand, PlaneDocumentPointWithTheWindowFrameColourDrawnBlack) {
    Start();
    ASSERT_EQ(DocumentKind, 1);
    VisibleScene.RotPitch = 20;
    DrawPoint([](frmF16& f) { Confirm(f, "3", "4"); });

    EXPECT_FALSE(frmF16::Loaded());
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    ASSERT_EQ(VisibleScene.FunSurfs.Count(), 1);
    const std::shared_ptr<Cls9> p = DocumentScene.FunSurfs.Item(1);
    EXPECT_EQ(VisibleScene.FunSurfs.Item(1), p);
    EXPECT_EQ(p->GraphType, GraphType::Point);
    EXPECT_EQ(p->PointColor, static_cast<std::int32_t>(0x80000006u));
    ASSERT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(W().List1->ItemText(0), "点  x=3, y=4");
    EXPECT_TRUE(W().List1->Ticked(0));
    EXPECT_EQ(VisibleScene.RotRoll, 0);
    EXPECT_EQ(VisibleScene.RotPitch, 0);
    EXPECT_EQ(VisibleScene.RotYaw, 0);
    EXPECT_EQ(box.Count(), 0u);

    // The marker is black: the same picture with a green marker differs
    // exactly where the black one was.
    const QImage black = Frame();
    p->PointColor = RGB(0, 255, 0);
    W().Rebuild();
    const QImage green = Frame();
    EXPECT_GT(Changed(black, green, qRgb(0, 0, 0), qRgb(0, 255, 0)), 10);
    EXPECT_EQ(Changed(black, green, qRgb(255, 255, 255), qRgb(0, 255, 0)), 0);
}

TEST_F(PointCommand, SpaceDocumentPointIsRedWithThreeCoordinatesAndTurnsTheView) {
    Start();
    W().mnuFileNew3D_Click();
    ASSERT_EQ(DocumentKind, 3);
    VisibleScene.RotYaw = 10;
    DrawPoint([](frmF16& f) {
        EXPECT_TRUE(f.Text4->isVisible());
        Confirm(f, "1", "2", "3");
    });
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    const std::shared_ptr<Cls9> p = DocumentScene.FunSurfs.Item(1);
    EXPECT_EQ(p->PointColor, 255);
    EXPECT_EQ(p->ExpressX, "1");
    EXPECT_EQ(W().List1->ItemText(0), "点  x=1, y=2, z=3");
    EXPECT_TRUE(W().List1->Ticked(0));
    EXPECT_EQ(VisibleScene.RotRoll, 0);
    EXPECT_EQ(VisibleScene.RotPitch, -15);
    EXPECT_EQ(VisibleScene.RotYaw, 45);
}

// In each document kind the new-point dialog shows the boxes of the point's
// coordinates: three in space documents, two in the others, where the row
// label and the stored point have two.
TEST_F(PointCommand, TheNewPointDialogAsksForTheCoordinatesTheDocumentsPointsHave) {
    struct Case {
        void (frmF1::*newDocument)();
        std::int32_t kind;
        bool third;
        const char* label;
        const char *x, *y, *z;
    };
    const Case cases[] = {
        {&frmF1::mnuFileNew2D_Click, 1, false, "点  x=5, y=6", "0", "5", "6"},
        {&frmF1::mnuFileNew25D_Click, 2, false, "点  x=5, y=6", "0", "5", "6"},
        {&frmF1::mnuFileNew3D_Click, 3, true, "点  x=5, y=6, z=7", "5", "6", "7"},
        {&frmF1::mnuFileSpe_Click, 7, false, "点  x=5, y=6", "0", "5", "6"},
    };
    Start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        // Not saving the point of the case before.
        if (DocumentScene.FunSurfs.Count() > 0) box.Answer(MsgAnswer::No);
        (W().*c.newDocument)();
        box.Clear();
        ASSERT_EQ(DocumentKind, c.kind);
        bool thirdShown = !c.third;
        bool labelShown = !c.third;
        // The toolbar's "添加点" (the menu item is off in special documents).
        QTimer::singleShot(0, [&] {
            frmF16& f = frmF16::Get();
            thirdShown = f.Text4->isVisible();
            labelShown = f.Label5->isVisible();
            QTest::keyClicks(f.Text2, QStringLiteral("5"));
            QTest::keyClicks(f.Text3, QStringLiteral("6"));
            if (thirdShown) QTest::keyClicks(f.Text4, QStringLiteral("7"));
            QTest::mouseClick(f.Command1, Qt::LeftButton);
        });
        Click(2, 2);
        EXPECT_EQ(thirdShown, c.third);
        EXPECT_EQ(labelShown, c.third);
        EXPECT_FALSE(frmF16::Loaded());
        EXPECT_EQ(box.Count(), 0u);
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
        const std::shared_ptr<Cls9> p = DocumentScene.FunSurfs.Item(1);
        EXPECT_EQ(p->ExpressX, c.x);
        EXPECT_EQ(p->ExpressY, c.y);
        EXPECT_EQ(p->ExpressZ, c.z);
        ASSERT_EQ(W().List1->ListCount(), 1);
        EXPECT_EQ(W().List1->ItemText(0), c.label);
    }
}

TEST_F(PointCommand, CancelledOrFailedDialogAddsNothing) {
    Start();
    DrawPoint([](frmF16& f) {
        Confirm(f, "1+", "4");
        QTest::mouseClick(f.Command2, Qt::LeftButton);
    });
    EXPECT_EQ(box.Count(), 1u);
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
    EXPECT_EQ(W().List1->ListCount(), 0);
    DrawPoint([](frmF16& f) { Confirm(f, "1", "2"); });
    EXPECT_EQ(DocumentScene.FunSurfs.Item(1)->ID, 2);
    EXPECT_EQ(W().List1->ListCount(), 1);
}

TEST_F(PointCommand, SuccessfulEditIsDrawnAtOnce) {
    Start();
    DrawPoint([](frmF16& f) { Confirm(f, "3", "4"); });
    ASSERT_EQ(W().List1->ListCount(), 1);
    EXPECT_EQ(RedPixels(), 0);

    // The edit command (with the plane function dialog) sets these.
    W().List1->SetListIndex(0);
    IsEditing = true;
    frmF16& f = frmF16::Get();
    f.FillForEdit(*DocumentScene.FunSurfs.Item(1));
    f.show();
    EXPECT_EQ(f.Text2->text(), "3");
    colors.Choose(RGB(255, 0, 0));
    QTest::mouseClick(f.Picture1, Qt::LeftButton);
    f.Text2->setText("-3");
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    EXPECT_FALSE(frmF16::Loaded());
    EXPECT_EQ(W().List1->ItemText(0), "点  x=-3, y=4");
    EXPECT_TRUE(W().List1->Ticked(0));
    EXPECT_GT(RedPixels(), 10);
}

} // namespace
