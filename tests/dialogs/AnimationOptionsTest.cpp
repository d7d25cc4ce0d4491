// The animation options dialog driven as a user drives it: texts typed into
// its two boxes, OK and Cancel clicked; messages and the main window scripted.
#include "core/Globals.h"
#include "core/MessageService.h"
#include "dialogs/frmF19.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingMainWindow.h"
#include "tests/support/RecordingServices.h"
#include "tests/support/RunFolder.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <string>

namespace {

class AnimationOptions : public ProgramStateTest {
protected:
    void TearDown() override {
        if (frmF19::Loaded()) frmF19::Get().Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static frmF19& Open() {
        frmF19& f = frmF19::Get();
        f.show();
        return f;
    }
    // The control of this name; a missing one fails the test and gives a
    // hidden stand-in, so the checks that follow fail instead of crashing.
    template <class Control>
    static Control* Find(const char* name) {
        frmF19& f = frmF19::Get();
        Control* c = f.findChild<Control*>(QString::fromLatin1(name));
        if (c) return c;
        ADD_FAILURE() << "no control " << name;
        c = new Control(&f);
        c->hide();
        return c;
    }
    // Replaces a box's text as typed keys.
    static void Type(const char* box, const std::string& text) {
        QLineEdit* b = Find<QLineEdit>(box);
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Delete);
        QTest::keyClicks(b, QString::fromUtf8(text.c_str()));
    }
    static void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }

    RecordingMessageBox box;
    RecordingMainWindow window;
};

TEST_F(AnimationOptions, LoadShowsTheSettings) {
    FrameCount = 7;
    FramesPerSecond = 3;
    frmF19& f = Open();
    f.grab().save(RunFile("vexilon_frmF19.png"));
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("动画选项"));
    EXPECT_EQ(Find<QLabel>("Label1")->text(), QString::fromUtf8("帧数"));
    EXPECT_EQ(Find<QLabel>("Label2")->text(), QString::fromUtf8("速度(帧/秒)"));
    EXPECT_EQ(Find<QPushButton>("Command1")->text(), QString::fromUtf8("确定"));
    EXPECT_EQ(Find<QPushButton>("Command2")->text(), QString::fromUtf8("取消"));
    EXPECT_EQ(Find<QLineEdit>("text1")->text(), "7");
    EXPECT_EQ(Find<QLineEdit>("Text2")->text(), "3");
    EXPECT_EQ(frmF19::FrameCountInBox(), 7);
    EXPECT_EQ(frmF19::SpeedInBox(), 3);
}

TEST_F(AnimationOptions, OkStoresTheFrameCountAndSpeedAndSetsTheTimer) {
    struct Case {
        const char* frames;
        const char* speed;
        std::int32_t frameCount, framesPerSecond, interval;
    };
    const Case cases[] = {
        {"12abc", "10", 12, 10, 100}, {"1.5", "7", 2, 7, 143},   {"2.5", "30", 2, 30, 33},
        {"1000", "2000", 1000, 2000, 1}, {"1", "1", 1, 1, 1000}, {" 2 0 ", "3", 20, 3, 333},
        {"4", "16", 4, 16, 62},          {"&H1F", "1D2", 31, 100, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.frames) + " / " + c.speed);
        FrameCount = 10;
        FramesPerSecond = 10;
        window.playInterval = -1;
        Open();
        Type("text1", c.frames);
        Type("Text2", c.speed);
        Click("Command1");
        EXPECT_EQ(box.Count(), 0u);
        EXPECT_FALSE(frmF19::Loaded());
        EXPECT_EQ(FrameCount, c.frameCount);
        EXPECT_EQ(FramesPerSecond, c.framesPerSecond);
        EXPECT_EQ(window.playInterval, c.interval);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The next opening shows what was stored.
        EXPECT_EQ(frmF19::FrameCountInBox(), c.frameCount);
        EXPECT_EQ(frmF19::SpeedInBox(), c.framesPerSecond);
        frmF19::Get().Unload();
    }
}

TEST_F(AnimationOptions, RefusedTextsKeepTheDialogOpenAndChangeNothing) {
    struct Case {
        const char* frames;
        const char* speed;
        const char* message;
    };
    const Case cases[] = {
        {"0.7", "10", "帧数必须大于1。"},
        {"abc", "10", "帧数必须大于1。"},
        {"", "10", "帧数必须大于1。"},
        {"-5", "10", "帧数必须大于1。"},
        {"1001", "10", "帧数不能大于1000。"},
        {"1000.4", "10", "帧数不能大于1000。"},
        {"1E10", "10", "帧数不能大于1000。"},
        {"5", "0.5", "速度必须大于1帧/秒。"},
        {"5", "abc", "速度必须大于1帧/秒。"},
        {"5", "1E10", "速度太大。"},
        {"5", "2147483648", "速度太大。"},
        // The frame count is judged first; the speed only when it passed.
        {"0", "0", "帧数必须大于1。"},
    };
    FrameCount = 6;
    FramesPerSecond = 9;
    frmF19& f = Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.frames) + " / " + c.speed);
        box.Clear();
        Type("text1", c.frames);
        Type("Text2", c.speed);
        Click("Command1");
        ASSERT_EQ(box.Count(), 1u);
        EXPECT_EQ(box.Last().text, c.message);
        EXPECT_EQ(box.Last().title, "注意");
        EXPECT_EQ(box.Last().icon, MsgIcon::Exclamation);
        EXPECT_EQ(box.Last().buttons, MsgButtons::OK);
        ASSERT_TRUE(frmF19::Loaded());
        EXPECT_EQ(&frmF19::Get(), &f);
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(FrameCount, 6);
        EXPECT_EQ(FramesPerSecond, 9);
        EXPECT_EQ(window.playInterval, -1);
        // What was typed stays for the next try.
        EXPECT_EQ(Find<QLineEdit>("text1")->text(), QString::fromUtf8(c.frames));
    }
    // The largest speed a 32-bit number holds is taken.
    box.Clear();
    Type("text1", "5");
    Type("Text2", "2147483647");
    Click("Command1");
    EXPECT_EQ(box.Count(), 0u);
    EXPECT_EQ(FramesPerSecond, 2147483647);
    EXPECT_EQ(window.playInterval, 1);
}

TEST_F(AnimationOptions, CancelCloseBoxAndEscapeChangeNothing) {
    for (int how = 0; how < 3; ++how) {
        SCOPED_TRACE(how);
        FrameCount = 4;
        FramesPerSecond = 5;
        frmF19& f = Open();
        Type("text1", "20");
        Type("Text2", "25");
        if (how == 0) Click("Command2");
        if (how == 1) f.close();
        if (how == 2) QTest::keyClick(&f, Qt::Key_Escape);
        EXPECT_FALSE(frmF19::Loaded());
        EXPECT_EQ(FrameCount, 4);
        EXPECT_EQ(FramesPerSecond, 5);
        EXPECT_EQ(window.playInterval, -1);
        EXPECT_EQ(box.Count(), 0u);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The next opening shows the old values.
        EXPECT_EQ(Find<QLineEdit>("text1")->text(), "4");
        EXPECT_EQ(Find<QLineEdit>("Text2")->text(), "5");
        frmF19::Get().Unload();
    }
}

TEST_F(AnimationOptions, OtherCommandsReachTheBoxesAndTheIntervalRule) {
    // Touching a box loads the dialog with the settings; written settings are
    // read back from the boxes.
    FrameCount = 25;
    EXPECT_FALSE(frmF19::Loaded());
    EXPECT_EQ(frmF19::FrameCountInBox(), 25);
    EXPECT_TRUE(frmF19::Loaded());
    EXPECT_FALSE(frmF19::Get().isVisible());
    frmF19::ShowSettings(40, 12);
    EXPECT_EQ(frmF19::FrameCountInBox(), 40);
    EXPECT_EQ(frmF19::SpeedInBox(), 12);
    EXPECT_EQ(FrameCount, 25);
    // A box without a number, or beyond 32 bits, reads as 0.
    frmF19::Get().text1->setText("x");
    frmF19::Get().Text2->setText("9E12");
    EXPECT_EQ(frmF19::FrameCountInBox(), 0);
    EXPECT_EQ(frmF19::SpeedInBox(), 0);

    struct Case {
        std::int32_t speed, interval;
    };
    for (const Case c : {Case{10, 100}, Case{7, 143}, Case{30, 33}, Case{16, 62}, Case{3, 333},
                         Case{1, 1000}, Case{1999, 1}, Case{2000, 1}, Case{2147483647, 1}}) {
        EXPECT_EQ(PlayInterval(c.speed), c.interval) << c.speed;
        ApplyPlaySpeed(c.speed);
        EXPECT_EQ(window.playInterval, c.interval) << c.speed;
    }
    // A speed below 1 has no interval: the timer keeps its own.
    for (std::int32_t speed : {0, -4}) {
        EXPECT_EQ(PlayInterval(speed), std::nullopt) << speed;
        ApplyPlaySpeed(speed);
        EXPECT_EQ(window.playInterval, 1) << speed;
    }
}

TEST_F(AnimationOptions, ModalShowReturnsWhenOkUnloads) {
    frmF19& f = frmF19::Get();
    QTimer::singleShot(0, [] {
        Type("text1", "3");
        Click("Command1");
    });
    f.ShowModal();
    EXPECT_FALSE(frmF19::Loaded());
    EXPECT_EQ(FrameCount, 3);
    EXPECT_EQ(window.playInterval, 100);
}

} // namespace
