#include "dialogs/DialogForm.h"
#include "dialogs/FormControls.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A minimal dialog of the common pattern: a box, an OK that refuses an empty
// box, and a Cancel.
class frmTest : public DialogForm<frmTest> {
public:
    frmTest() {
        Text1 = NewText(this, "Text1", "default");
        Command1 = NewButton(this, "Command1", "确定");
        Command2 = NewButton(this, "Command2", "取消");
        PlaceTwips(Text1, 120, 120, 1215, 285);
        PlaceTwips(Command1, 120, 600, 1200, 375);
        PlaceTwips(Command2, 1440, 600, 1200, 375);
        SizeTwips(this, 2760, 1140);
        connect(Command1, &QPushButton::clicked, this, &frmTest::Command1_Click);
        connect(Command2, &QPushButton::clicked, this, [this] { Unload(); });
        ++loads;
    }
    void Command1_Click() {
        if (TextOf(Text1).empty()) return; // refused: stays open
        accepted = TextOf(Text1);
        Unload();
    }
    QLineEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;
    static inline int loads = 0;
    static inline std::string accepted;
};

void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

} // namespace

TEST(DialogHelpers, TwipsBecomePixels) {
    struct Case {
        int twips, pixels;
    };
    for (const Case& c : {Case{0, 0}, Case{7, 0}, Case{8, 1}, Case{15, 1}, Case{1215, 81}, Case{-8, -1}, Case{-7, 0}})
        EXPECT_EQ(TwipsToPixels(c.twips), c.pixels) << c.twips;

    frmTest& f = frmTest::Get();
    EXPECT_EQ(f.Text1->geometry(), QRect(8, 8, 81, 19));
    EXPECT_EQ(f.Command2->geometry(), QRect(96, 40, 80, 25));
    EXPECT_EQ(f.size(), QSize(184, 76));
    EXPECT_EQ(f.findChild<QLineEdit*>("Text1"), f.Text1);
    f.Unload();
    FlushDeletes();
}

TEST(DialogHelpers, OneInstanceUntilUnloaded) {
    frmTest::loads = 0;
    frmTest::accepted.clear();
    EXPECT_FALSE(frmTest::Loaded());
    frmTest& f = frmTest::Get();
    EXPECT_EQ(&frmTest::Get(), &f);
    EXPECT_EQ(frmTest::loads, 1);
    QPointer<frmTest> first(&f);

    // A caller sets a control before showing; a refused OK keeps the dialog.
    f.Text1->setText("");
    f.show();
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    EXPECT_TRUE(frmTest::Loaded());
    EXPECT_TRUE(f.isVisible());

    f.Text1->setText("x");
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    EXPECT_EQ(frmTest::accepted, "x");
    EXPECT_FALSE(frmTest::Loaded());
    EXPECT_FALSE(first.isNull()); // deleted once back in the event loop
    FlushDeletes();
    EXPECT_TRUE(first.isNull());

    // Cancel, the close box and Escape unload too; each next use starts afresh.
    for (int how = 0; how < 3; ++how) {
        frmTest& g = frmTest::Get();
        EXPECT_EQ(g.Text1->text(), "default");
        g.Text1->setText("changed");
        g.show();
        if (how == 0) QTest::mouseClick(g.Command2, Qt::LeftButton);
        if (how == 1) g.close();
        if (how == 2) QTest::keyClick(&g, Qt::Key_Escape);
        EXPECT_FALSE(frmTest::Loaded()) << how;
        EXPECT_FALSE(g.isVisible()) << how;
        FlushDeletes();
    }
    EXPECT_EQ(frmTest::loads, 4);
    EXPECT_EQ(frmTest::accepted, "x");
}

TEST(DialogHelpers, ModalRunEndsWithUnloadAndOwnerTakesDialogsAlong) {
    frmTest& f = frmTest::Get();
    QTimer::singleShot(0, &f, [&f] {
        f.Text1->setText("modal");
        f.Command1_Click();
    });
    f.ShowModal();
    EXPECT_EQ(frmTest::accepted, "modal");
    EXPECT_FALSE(frmTest::Loaded());
    FlushDeletes();

    auto owner = std::make_unique<QWidget>();
    SetDialogOwner(owner.get());
    frmTest& g = frmTest::Get();
    EXPECT_EQ(g.parentWidget(), owner.get());
    owner.reset(); // the owner's end deletes the dialog, which is then forgotten
    EXPECT_FALSE(frmTest::Loaded());
    EXPECT_EQ(DialogOwner(), nullptr);
    frmTest::Get().Unload();
    FlushDeletes();
}

TEST(DialogHelpers, AModelessDialogLeavesTheOwnerUsable) {
    auto owner = std::make_unique<QWidget>();
    owner->show();
    SetDialogOwner(owner.get());
    frmTest& f = frmTest::Get();
    f.ShowModeless(); // returns at once
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(f.isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    f.ShowModeless(); // shown again: still the one instance
    EXPECT_EQ(&frmTest::Get(), &f);
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_FALSE(frmTest::Loaded());
    FlushDeletes();
    SetDialogOwner(nullptr);
}
