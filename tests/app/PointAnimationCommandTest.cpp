// Animation > 点动画 in the shown main window: the animation settings the
// command takes (also when the dialog is cancelled), the dialog prepared for
// each document kind, typed into and confirmed, the new row and rotation; a
// point animation played frame by frame, found on the screen by reading the
// picture back; and edits through "编辑..." that give back an equal graph.
#include "core/ColorParts.h"
#include "dialogs/FormControls.h"
#include "dialogs/frmF19.h"
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/frmF17.h"
#include "platform/CheckListBox.h"
#include "scene/Cls10.h"
#include "scene/Cls3.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/app/ShownWindowFixture.h"
#include "tests/document/GraphFields.h"
#include "tests/support/RunFolder.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace {

using NewDocument = void (frmF1::*)();

class PointAnimationCommand : public MainWindowFixture {
protected:
    // Chooses Animation > 点动画; `act` runs on the dialog once it is shown.
    void Choose(const std::function<void(frmF17&)>& act) {
        QTimer::singleShot(0, [act] { act(frmF17::Get()); });
        W().MenuItem("mnuAniPoint")->trigger();
    }
    static void Type(QLineEdit* box, const char* text) {
        box->selectAll();
        QTest::keyClicks(box, QString::fromUtf8(text));
    }
    // Types the expressions (the third only where shown) and the t range.
    static void TypeAll(frmF17& f, const char* x, const char* y, const char* z, const char* t0, const char* t1) {
        Type(f.Text2, x);
        Type(f.Text3, y);
        if (f.Text4->isVisible()) Type(f.Text4, z);
        Type(f.Text5, t0);
        Type(f.Text6, t1);
    }
    static void Ok(frmF17& f) { QTest::mouseClick(f.Command1, Qt::LeftButton); }
    static void Cancel(frmF17& f) { QTest::mouseClick(f.Command2, Qt::LeftButton); }

    RecordingColorPicker colors;
};

TEST_F(PointAnimationCommand, SettingsRowAndRotationInEachDocumentKindOnOkAndCancel) {
    struct Case {
        NewDocument newDocument;
        std::int32_t kind;
        bool ok;
        bool optionsSet; // the options' boxes hold 20 frames at 16 a second
        int coordinates; // entries of the coordinate list
        bool third;      // the Z(t) box shown
        const char *x, *y, *z;
        const char* row;
        float pitch, yaw;
    };
    const Case cases[] = {
        // Never-opened options: 10 frames at 10 a second, 100 ms.
        {&frmF1::mnuFileNew2D_Click, 1, true, false, 2, false, "cos(t)", "sin(t)", "", "点动画   x=cos(t), y=sin(t)",
         0, 0},
        {&frmF1::mnuFileNew2D_Click, 1, false, true, 2, false, "", "", "", nullptr, 0, 0},
        {&frmF1::mnuFileNew25D_Click, 2, true, true, 2, true, "t", "1", "2", "点动画   x=1, y=2", 0, 0},
        {&frmF1::mnuFileNew25D_Click, 2, false, false, 2, true, "", "", "", nullptr, 0, 0},
        {&frmF1::mnuFileNew3D_Click, 3, true, true, 3, true, "t", "1", "2", "点动画   x=t, y=1, z=2", -15, 45},
        {&frmF1::mnuFileNew3D_Click, 3, false, true, 3, true, "", "", "", nullptr, 0, 0},
        // A point of a special document moves in the plane of its frame.
        {&frmF1::mnuFileSpe_Click, 7, true, true, 2, false, "1", "2", "", "点动画   x=1, y=2", 0, 0},
        {&frmF1::mnuFileSpe_Click, 7, false, true, 2, false, "", "", "", nullptr, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + (c.ok ? " OK" : " Cancel"));
        ProgramStateGuard fresh;
        Start();
        (W().*c.newDocument)();
        ASSERT_EQ(DocumentKind, c.kind);
        if (c.optionsSet) frmF19::ShowSettings(20, 16);
        Light.TwoSides(0) = 1;
        Axes.BetterFonts = true;
        VisibleScene.RotRoll = 5;
        VisibleScene.RotPitch = 30;
        VisibleScene.RotYaw = 10;
        W().Timer1->setInterval(7);
        IsEditing = true;
        Choose([&c](frmF17& f) {
            EXPECT_FALSE(IsEditing);
            EXPECT_EQ(f.Combo1->count(), c.coordinates);
            EXPECT_EQ(f.Text4->isVisible(), c.third);
            EXPECT_EQ(f.Frame3->isVisibleTo(f.Frame3->parentWidget()), c.kind == 1);
            EXPECT_EQ(TextOf(f.Text7), c.optionsSet ? "20" : "10");
            if (!c.ok) return Cancel(f);
            TypeAll(f, c.x, c.y, c.z, "0", "1");
            Ok(f);
        });
        EXPECT_EQ(box.Count(), 0u);
        EXPECT_FALSE(frmF17::Loaded());
        EXPECT_FALSE(IsEditing);
        EXPECT_EQ(FrameCount, c.optionsSet ? 20 : 10);
        EXPECT_EQ(FramesPerSecond, c.optionsSet ? 16 : 10);
        EXPECT_EQ(W().Timer1->interval(), c.optionsSet ? 62 : 100);
        EXPECT_FALSE(W().Timer1->isActive());
        EXPECT_EQ(Light.TwoSides(0), 1);
        EXPECT_FALSE(Axes.BetterFonts);
        if (c.ok) {
            ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
            EXPECT_EQ(DocumentScene.FunSurfs.Item(1)->GraphType, GraphType::PointAnimation);
            ASSERT_EQ(W().List1->ListCount(), 1);
            EXPECT_EQ(W().List1->ItemText(0), c.row);
            EXPECT_TRUE(W().List1->Ticked(0));
            EXPECT_EQ(VisibleScene.RotRoll, 0);
            EXPECT_EQ(VisibleScene.RotPitch, c.pitch);
            EXPECT_EQ(VisibleScene.RotYaw, c.yaw);
            EXPECT_TRUE(PlaybackOn());
        } else {
            EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
            EXPECT_EQ(W().List1->ListCount(), 0);
            EXPECT_EQ(VisibleScene.RotPitch, 30);
            EXPECT_EQ(VisibleScene.RotYaw, 10);
            EXPECT_FALSE(PlaybackOn());
        }
        TearDown();
    }
}

TEST_F(PointAnimationCommand, PlaneCircleFromToolbarButtonPlayedThreeFrames) {
    Start();
    ASSERT_EQ(DocumentKind, 1);
    frmF19::ShowSettings(4, 10);
    QTimer::singleShot(0, [this] {
        frmF17& f = frmF17::Get();
        EXPECT_EQ(f.Picture1->Color(), MenuTextColor);
        TypeAll(f, "cos(t)", "sin(t)", "", "0", "6.2832");
        f.SSTab1->setCurrentIndex(1);
        colors.Choose(RGB(255, 0, 0));
        QTest::mouseClick(f.Picture1, Qt::LeftButton);
        f.Combo2->setCurrentIndex(8);
        Ok(f);
    });
    Click(1, 22);

    EXPECT_EQ(box.Count(), 0u);
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
    const std::shared_ptr<Cls9> g = DocumentScene.FunSurfs.Item(1);
    EXPECT_EQ(g->GraphType, GraphType::PointAnimation);
    EXPECT_EQ(g->ExpressX, "0");
    EXPECT_EQ(g->ExpressY, "cos(t)");
    EXPECT_EQ(g->ExpressZ, "sin(t)");
    EXPECT_EQ(g->PointColor, RGB(255, 0, 0));
    ASSERT_EQ(g->Anim1D.Count(), 5);
    EXPECT_EQ(W().List1->ItemText(0), "点动画   x=cos(t), y=sin(t)");
    EXPECT_TRUE(W().List1->Ticked(0));
    EXPECT_TRUE(PlaybackOn());

    // Frames 1, 2, 3: t = 0, pi/2, pi; the point at (1, 0), (0, 1), (-1, 0)
    // and at no other frame's place.
    const auto red = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; };
    const char* steps[] = {"mnuAniFirst", "mnuAniNext", "mnuAniNext"};
    for (int frame = 1; frame <= 3; ++frame) {
        SCOPED_TRACE(frame);
        W().MenuItem(steps[frame - 1])->trigger();
        EXPECT_EQ(CurrentFrame, frame);
        const QImage img = W().picDraw()->grabFramebuffer();
        if (frame == 2) img.save(RunFile("pointanim_frame2.png"));
        for (int k = 0; k < 4; ++k) {
            const double x = g->Anim1D(k).x / Scale2D;
            const double y = g->Anim1D(k).y / Scale2D;
            EXPECT_EQ(NearDrawingPoint(img, x, y, red), k == frame - 1) << "position of frame " << k + 1;
        }
    }
    EXPECT_NEAR(g->Anim1D(1).x, 0, 1e-4);
    EXPECT_NEAR(g->Anim1D(1).y, 1, 1e-4);
}

TEST_F(PointAnimationCommand, EditRoundTripsGiveEqualGraphsAndTheCurrentFrameCount) {
    struct Case {
        NewDocument newDocument;
        int coordinate; // the coordinate entry chosen
        const char *x, *y, *z;
        bool hollow;
        const char* row; // the edited row
    };
    const Case cases[] = {
        {&frmF1::mnuFileNew2D_Click, 1, "t", "1+t", "", true, "点动画  a=t, r=1+t"},
        {&frmF1::mnuFileNew25D_Click, 0, "t", "1", "2*t", false, "点动画  x=1, y=2*t"},
        {&frmF1::mnuFileNew3D_Click, 2, "1", "t", "2", false, "点动画  a=1, b=t, r=2"},
        {&frmF1::mnuFileSpe_Click, 1, "t", "1", "", false, "点动画  a=t, r=1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        ProgramStateGuard fresh;
        Start();
        (W().*c.newDocument)();
        frmF19::ShowSettings(5, 10);
        Choose([&c](frmF17& f) {
            SelectListIndex(f.Combo1, c.coordinate);
            TypeAll(f, c.x, c.y, c.z, "0.1", "pi");
            if (c.hollow) f.Option2->setChecked(true);
            f.Combo2->setCurrentIndex(4);
            Ok(f);
        });
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
        const std::shared_ptr<Cls9> g = DocumentScene.FunSurfs.Item(1);
        EXPECT_EQ(g->PointHollow, c.hollow);
        EXPECT_EQ(g->MaxT, 3.1415926f);

        // Seven frames in the options since: the graph is sampled again.
        QTimer::singleShot(0, [] {
            frmF19& o = frmF19::Get();
            o.text1->setText("7");
            QTest::mouseClick(o.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        });
        W().MenuItem("mnuAniOpt")->trigger();
        ASSERT_EQ(FrameCount, 7);
        Cls9 before;
        before.EqualTo(*g);
        before.ID = g->ID; // EqualTo copies the settings only
        std::vector<SamplePoint> positions;
        for (std::int64_t k = 0; k < g->Anim1D.Count(); ++k) positions.push_back(g->Anim1D(k));
        ASSERT_EQ(positions.size(), 8u);

        W().List1->SetListIndex(0);
        QTimer::singleShot(0, [&c] {
            frmF17& f = frmF17::Get();
            EXPECT_TRUE(IsEditing);
            EXPECT_EQ(f.Combo1->currentIndex(), c.coordinate);
            EXPECT_EQ(TextOf(f.Text5), "0.1");
            EXPECT_EQ(TextOf(f.Text6), "3.1415925");
            EXPECT_EQ(TextOf(f.Text7), "7");
            EXPECT_FALSE(f.Text7->isEnabled());
            EXPECT_EQ(f.Option2->isChecked(), c.hollow);
            EXPECT_EQ(f.Text4->isVisible(), DocumentKind != 1 && DocumentKind != 7);
            EXPECT_EQ(f.Frame3->isVisibleTo(f.Frame3->parentWidget()), DocumentKind == 1);
            EXPECT_EQ(ToStdString(f.Combo2->currentText()), "5");
            Ok(f);
        });
        W().MenuItem("mnuFunEdit")->trigger();

        EXPECT_EQ(box.Count(), 0u);
        EXPECT_FALSE(frmF17::Loaded());
        EXPECT_FALSE(IsEditing);
        ASSERT_EQ(DocumentScene.FunSurfs.Count(), 1);
        EXPECT_EQ(DocumentScene.FunSurfs.Item(1), g);
        ExpectSameRecordFields(before, *g);
        ASSERT_EQ(g->Anim1D.Count(), 8);
        for (std::size_t k = 0; k < positions.size(); ++k) {
            EXPECT_EQ(g->Anim1D(std::int64_t(k)).x, positions[k].x) << k;
            EXPECT_EQ(g->Anim1D(std::int64_t(k)).y, positions[k].y) << k;
            EXPECT_EQ(g->Anim1D(std::int64_t(k)).z, positions[k].z) << k;
        }
        EXPECT_EQ(W().List1->ItemText(0), c.row);
        EXPECT_TRUE(W().List1->Ticked(0));
        TearDown();
    }
}

} // namespace
