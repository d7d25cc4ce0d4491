// The animation player and its options in the shown main window: a moving
// point sampled for every frame, the playback buttons of Toolbar1 clicked,
// the timer's ticks delivered one by one, and the frame on the screen found
// by reading the picture back.
#include "app/frmF1.h"
#include "core/Globals.h"
#include "dialogs/DialogForm.h"
#include "dialogs/frmF19.h"
#include "graph/Cls9.h"
#include "platform/CheckListBox.h"
#include "platform/GlDrawingArea.h"
#include "platform/ToolStrip.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"
#include "tests/app/ShownWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

class AnimationPlayer : public ShownWindowFixture {
protected:
    void SetUp() override {
        ShownWindowFixture::SetUp();
        SetDialogOwner(&Window());
        Window().resize(600, 450);
        QCoreApplication::processEvents();
        Window().mnuFileNew2D_Click();
        Window().EnablePlayback();
        // Ticks come only from the test: the timer starts and stops as the
        // player says, but its own timeouts are not delivered. An interval
        // cannot keep them out, since the options' OK sets a short one while
        // a play goes on.
        Window().Timer1->blockSignals(true);
        paint_ = Area()->onPaint;
        Area()->onPaint = [this] {
            paint_();
            ++paints;
        };
    }
    void TearDown() override {
        Area()->onPaint = paint_;
        FormBase::UnloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetDialogOwner(nullptr);
        ShownWindowFixture::TearDown();
    }

    // A red point moving along y = 1 from x = -N to N: frame f shows it at
    // x = 2 (f - 1) - N. In both scenes with its list row, ticked.
    std::shared_ptr<Cls9> MovingPoint(std::int32_t id, bool ticked = true) {
        auto g = MovingPointGraph(id);
        Add(DocumentScene, g);
        Window().AddTickedRow("点动画   x=t, y=1");
        if (!ticked) Window().List1->SetTicked(Window().List1->ListCount() - 1, false);
        return g;
    }
    // Sampled and compiled for N frames, resting on frame 1 in mode 1.
    void Restart(const std::shared_ptr<Cls9>& g, std::int32_t N) {
        FrameCount = N;
        g->MinT = float(-N);
        g->MaxT = float(N);
        ASSERT_TRUE(g->GetPoints());
        Window().BuildDisplayLists();
        Window().Timer1->stop();
        Window().PlayMode = PlayMode::Normal;
        Window().PlayBackwards = false;
        CurrentFrame = 1;
        Window().Display(1);
    }

    // The frame whose point is on the screen (1..FrameCount + 1); 0 for none,
    // -1 for more than one.
    int ShownFrame(const Cls9& g) {
        const QImage img = Area()->grabFramebuffer();
        const float unit = Scale2D;
        int shown = 0;
        for (std::int64_t k = 0; k < g.Anim1D.Count(); ++k) {
            const float x = g.Anim1D(k).x / unit, y = g.Anim1D(k).y / unit;
            if (std::abs(x) >= Camera.VolWidth / 2 || std::abs(y) >= Camera.VolHeight / 2) continue;
            const QRgb c = At(img, x, y);
            if (qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80) shown = shown == 0 ? int(k) + 1 : -1;
        }
        return shown;
    }

    // Clicks a button of Toolbar1 as the mouse does.
    void ClickButton(int index) {
        ToolStrip* strip = Window().Toolbar1;
        const QPoint c = strip->ButtonRect(index).center();
        for (auto [type, held] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                  std::pair{QEvent::MouseButtonRelease, Qt::NoButton}}) {
            QMouseEvent e(type, QPointF(c), strip->mapToGlobal(QPointF(c)), Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(strip, &e);
        }
    }

    // Runs the modal options dialog through its menu item: types the two
    // texts (nullptr: left as loaded) and clicks the button.
    void Options(const char* frames, const char* speed, const char* button) {
        QTimer::singleShot(0, [=] {
            frmF19& f = frmF19::Get();
            if (frames) f.text1->setText(QString::fromUtf8(frames));
            if (speed) f.Text2->setText(QString::fromUtf8(speed));
            QTest::mouseClick(f.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
        });
        Window().MenuItem("mnuAniOpt")->trigger();
        EXPECT_FALSE(frmF19::Get().isVisible());
    }

    bool IsList(GLuint list) {
        return WithContext([&] { return glIsList(list) == GL_TRUE; });
    }

    int paints = 0;

private:
    std::function<void()> paint_;
};

// One step of a play: a command of Toolbar1 by its caption, or a tick of the
// timer; then the frame on the screen, CurrentFrame, whether the timer runs
// and whether the step asked for a repaint.
struct Step {
    const char* command;
    int shown;
    std::int32_t current;
    bool running;
    bool redraw;
};
struct Play {
    const char* what;
    std::int32_t N;
    std::vector<Step> steps;
};

const std::map<std::string, int> Buttons = {
    {"开始", 33},     {"暂停", 34},     {"停止", 35},         {"第一帧", 36},
    {"前一帧", 37},   {"后一帧", 38},   {"最后一帧", 39},     {"正常模式", 40},
    {"反向模式", 41}, {"正向循环模式", 42}, {"反向循环模式", 43},
};

constexpr bool T = true;
constexpr bool F = false;

const std::vector<Play>& Plays() {
    static const std::vector<Play> plays = {
        {"normal from any frame, then start resting on frame 1", 3,
         // Frame 0, before the first tick, shows step 0 when it is painted.
         {{"后一帧", 2, 2, F, T}, {"后一帧", 3, 3, F, T},
          {"正常模式", 1, 0, T, F}, {"tick", 1, 1, T, T}, {"tick", 2, 2, T, T}, {"tick", 3, 3, T, T},
          {"tick", 4, 4, T, T}, {"tick", 1, 1, F, T},
          {"开始", 1, 1, T, F}, {"tick", 2, 2, T, T}, {"tick", 3, 3, T, T}, {"tick", 4, 4, T, T},
          {"tick", 1, 1, F, T}}},
        {"start right after start-up", 1,
         {{"开始", 1, 1, T, F}, {"tick", 2, 2, T, T}, {"tick", 1, 1, F, T}}},
        {"normal", 1, {{"正常模式", 1, 0, T, F}, {"tick", 1, 1, T, T}, {"tick", 2, 2, T, T}, {"tick", 1, 1, F, T}}},
        {"reverse, pause, stop", 3,
         {{"反向模式", 1, 5, T, F}, {"tick", 4, 4, T, T}, {"tick", 3, 3, T, T}, {"tick", 2, 2, T, T},
          {"tick", 1, 1, F, T},
          // Start on frame 1 in mode 2 starts over at the last frame.
          {"开始", 1, 5, T, F}, {"tick", 4, 4, T, T}, {"暂停", 4, 4, F, F}, {"开始", 4, 4, T, F},
          {"tick", 3, 3, T, T}, {"停止", 1, 1, F, T}, {"开始", 1, 5, T, F}, {"tick", 4, 4, T, T}}},
        {"reverse", 1, {{"反向模式", 1, 3, T, F}, {"tick", 2, 2, T, T}, {"tick", 1, 1, F, T}}},
        {"repeat", 3,
         {{"正向循环模式", 1, 1, T, F}, {"tick", 1, 2, T, T}, {"tick", 2, 3, T, T}, {"tick", 3, 4, T, T},
          {"tick", 4, 5, T, T}, {"tick", 2, 3, T, T}, {"tick", 3, 4, T, T}, {"tick", 4, 5, T, T},
          {"tick", 2, 3, T, T}}},
        {"repeat", 1,
         {{"正向循环模式", 1, 1, T, F}, {"tick", 1, 2, T, T}, {"tick", 2, 3, T, T}, {"tick", 2, 3, T, T},
          {"tick", 2, 3, T, T}}},
        {"back and forth", 3,
         {{"反向循环模式", 1, 1, T, F}, {"tick", 1, 2, T, T}, {"tick", 2, 3, T, T}, {"tick", 3, 4, T, T},
          {"tick", 4, 3, T, T}, {"tick", 3, 2, T, T}, {"tick", 2, 1, T, T}, {"tick", 1, 2, T, T},
          {"tick", 2, 3, T, T}, {"tick", 3, 4, T, T}, {"tick", 4, 3, T, T}, {"tick", 3, 2, T, T}}},
        {"back and forth", 1,
         {{"反向循环模式", 1, 1, T, F}, {"tick", 1, 2, T, T}, {"tick", 2, 1, T, T}, {"tick", 1, 2, T, T},
          {"tick", 2, 1, T, T}}},
        {"stepping", 3,
         {{"后一帧", 2, 2, F, T}, {"后一帧", 3, 3, F, T}, {"后一帧", 3, 3, F, F}, {"最后一帧", 4, 4, F, T},
          {"后一帧", 4, 4, F, F}, {"前一帧", 3, 3, F, T}, {"前一帧", 2, 2, F, T}, {"前一帧", 1, 1, F, T},
          {"前一帧", 1, 1, F, F}, {"第一帧", 1, 1, F, T}}},
        {"stepping", 1,
         {{"后一帧", 1, 1, F, F}, {"最后一帧", 2, 2, F, T}, {"后一帧", 2, 2, F, F}, {"前一帧", 1, 1, F, T}}},
        {"stepping keeps the timer running in mode 0", 3,
         {{"正向循环模式", 1, 1, T, F}, {"tick", 1, 2, T, T}, {"tick", 2, 3, T, T}, {"第一帧", 1, 1, T, T},
          {"tick", 1, 1, T, F}, {"开始", 1, 1, T, F}, {"tick", 1, 1, T, F},
          // A play resumes through a mode command.
          {"正向循环模式", 1, 1, T, F}, {"tick", 1, 2, T, T}}},
        {"paused in mode 3: next skips a picture", 3,
         {{"正向循环模式", 1, 1, T, F}, {"tick", 1, 2, T, T}, {"暂停", 1, 2, F, F}, {"后一帧", 3, 3, F, T}}},
        {"paused in mode 3: previous shows the paused picture again", 3,
         {{"正向循环模式", 1, 1, T, F}, {"tick", 1, 2, T, T}, {"tick", 2, 3, T, T}, {"暂停", 2, 3, F, F},
          {"前一帧", 2, 2, F, T}}},
        {"paused in mode 4 going back: next shows the paused picture again", 3,
         {{"反向循环模式", 1, 1, T, F}, {"tick", 1, 2, T, T}, {"tick", 2, 3, T, T}, {"tick", 3, 4, T, T},
          {"tick", 4, 3, T, T}, {"tick", 3, 2, T, T}, {"暂停", 3, 2, F, F}, {"后一帧", 3, 3, F, T}}},
        {"paused in mode 4 going back: previous skips a picture", 3,
         {{"反向循环模式", 1, 1, T, F}, {"tick", 1, 2, T, T}, {"tick", 2, 3, T, T}, {"tick", 3, 4, T, T},
          {"tick", 4, 3, T, T}, {"tick", 3, 2, T, T}, {"暂停", 3, 2, F, F}, {"前一帧", 1, 1, F, T}}},
        // A normal play paused before its first tick rests on frame 0; the
        // loops then show step 0 first.
        {"loop from frame 0", 3,
         {{"正常模式", 1, 0, T, F}, {"暂停", 1, 0, F, F}, {"正向循环模式", 1, 0, T, F}, {"tick", 1, 1, T, T},
          {"tick", 1, 2, T, T}, {"tick", 2, 3, T, T}}},
    };
    return plays;
}

TEST_F(AnimationPlayer, TicksAndCommandsShowThePlaysFrames) {
    auto g = MovingPoint(1);
    for (const Play& play : Plays()) {
        Restart(g, play.N);
        ASSERT_EQ(ShownFrame(*g), 1) << play.what;
        // The repaint Restart asked for is done before the first step.
        QCoreApplication::processEvents();
        for (std::size_t i = 0; i < play.steps.size(); ++i) {
            const Step& s = play.steps[i];
            SCOPED_TRACE(std::string(play.what) + ", N = " + std::to_string(play.N) + ", step " +
                         std::to_string(i + 1) + ": " + s.command);
            paints = 0;
            if (std::string(s.command) == "tick")
                Window().Timer1_Timer();
            else
                ClickButton(Buttons.at(s.command));
            QCoreApplication::processEvents();
            EXPECT_EQ(paints > 0, s.redraw);
            EXPECT_EQ(CurrentFrame, s.current);
            EXPECT_EQ(Window().Timer1->isActive(), s.running);
            EXPECT_EQ(ShownFrame(*g), s.shown);
        }
    }
}

TEST_F(AnimationPlayer, TheTimerPlaysANormalPlayToItsEnd) {
    auto g = MovingPoint(1);
    Restart(g, 3);
    // The menu items run the same commands as the buttons.
    Window().MenuItem("mnuAniLast")->trigger();
    EXPECT_EQ(CurrentFrame, 4);
    EXPECT_EQ(Window().PlayMode, PlayMode::Manual);
    Window().SetPlayInterval(5);
    Window().Timer1->blockSignals(false);
    Window().MenuItem("mnuAniNormal")->trigger();
    EXPECT_EQ(Window().PlayMode, PlayMode::Normal);
    ASSERT_TRUE(Window().Timer1->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Window().Timer1->isActive(); }, 5000));
    EXPECT_EQ(CurrentFrame, 1);
    EXPECT_EQ(ShownFrame(*g), 1);
    EXPECT_GE(paints, 5);
}

TEST_F(AnimationPlayer, AFewerFramesOptionResamplesAndBringsTheFrameBack) {
    FrameCount = 10;
    auto shown = MovingPoint(1);
    auto hidden = MovingPoint(2, false);
    Restart(shown, 10);
    ASSERT_TRUE(hidden->GetPoints());
    ClickButton(39);
    ASSERT_EQ(CurrentFrame, 11);
    ASSERT_EQ(ShownFrame(*shown), 11);
    ClickButton(42); // playing goes on through the options
    ASSERT_TRUE(Window().Timer1->isActive());

    Options("3", nullptr, "Command1");
    EXPECT_EQ(FrameCount, 3);
    // The shown graph is sampled for the new count, the unticked one is not.
    EXPECT_EQ(shown->Anim1D.Count(), 4);
    EXPECT_EQ(hidden->Anim1D.Count(), 11);
    EXPECT_EQ(CurrentFrame, 4);
    EXPECT_GT(DrawnPixels(1004), 0);
    EXPECT_EQ(DrawnPixels(1005), 0); // emptied
    EXPECT_EQ(ShownFrame(*shown), 4);
    EXPECT_TRUE(Window().Timer1->isActive());
    EXPECT_EQ(Window().Timer1->interval(), 100);
    // The dialog stays loaded and hidden with the new settings.
    ASSERT_TRUE(frmF19::Loaded());
    EXPECT_EQ(frmF19::Get().text1->text(), "3");
}

TEST_F(AnimationPlayer, TheSameFrameCountSamplesNothingAgain) {
    auto g = MovingPoint(1);
    Restart(g, 10);
    Window().mnuAniNext_Click();
    // A mark in the samples: a new sampling would overwrite it.
    g->Anim1D(5).x = 77;

    // Only the speed changes: the timer's interval, whether it runs or not.
    for (auto [speed, interval] : {std::pair{"7", 143}, std::pair{"30", 33}, std::pair{"2000", 1}}) {
        Options(nullptr, speed, "Command1");
        EXPECT_EQ(FramesPerSecond, std::stoi(speed));
        EXPECT_EQ(Window().Timer1->interval(), interval);
        EXPECT_FALSE(Window().Timer1->isActive());
    }
    // The same count typed again.
    Options("10.2", nullptr, "Command1");
    // Cancel after editing both boxes.
    Window().SetPlayInterval(555);
    Options("4", "4", "Command2");
    EXPECT_EQ(FrameCount, 10);
    EXPECT_EQ(FramesPerSecond, 2000);
    EXPECT_EQ(Window().Timer1->interval(), 555);

    EXPECT_EQ(g->Anim1D(5).x, 77);
    EXPECT_EQ(g->Anim1D.Count(), 11);
    EXPECT_EQ(CurrentFrame, 2);
    EXPECT_EQ(ShownFrame(*g), 2);
}

} // namespace

namespace {

// Between ticks of a repeating play CurrentFrame is one frame ahead: after
// the last frame it is N + 2, and a reverse play starts from N + 2. A resize
// then redraws CurrentFrame, for which no list exists: the view shows the
// last frame instead of nothing.
TEST_F(AnimationPlayer, AResizeBeyondTheLastFrameShowsTheLastFrame) {
    auto g = MovingPoint(1);
    Restart(g, 3);
    ClickButton(42);
    for (int t = 0; t < 4; ++t) Window().Timer1_Timer();
    ClickButton(34);
    ASSERT_EQ(CurrentFrame, 5);
    QCoreApplication::processEvents();
    ASSERT_EQ(ShownFrame(*g), 4);
    Window().resize(620, 460);
    QCoreApplication::processEvents();
    EXPECT_EQ(ShownFrame(*g), 4);

    Restart(g, 3);
    ClickButton(41);
    ClickButton(34);
    ASSERT_EQ(CurrentFrame, 5);
    Window().resize(600, 450);
    QCoreApplication::processEvents();
    EXPECT_EQ(ShownFrame(*g), 4);
    // The play goes on from there as before.
    Window().Timer1_Timer();
    QCoreApplication::processEvents();
    EXPECT_EQ(ShownFrame(*g), 4);
    EXPECT_EQ(CurrentFrame, 4);
}

} // namespace
