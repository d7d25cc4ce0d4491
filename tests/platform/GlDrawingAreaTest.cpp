#include "platform/GlDrawingArea.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <vector>

// Moved into another window, the area gets a new context: the owner hears of
// the old one's end (while it is still current, to release what lived in it)
// and then sets up the new one.
TEST(GlDrawingArea, ContextMadeAgainIsReportedLostThenSetUp) {
    int setUps = 0, losses = 0;
    bool currentWhenLost = false;
    QWidget first, second;
    auto* area = new GlDrawingArea(&first);
    area->onInitialize = [&] { ++setUps; };
    area->onContextLost = [&] {
        ++losses;
        currentWhenLost = QOpenGLContext::currentContext() != nullptr;
    };
    area->resize(100, 100);
    first.resize(100, 100);
    first.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
    ASSERT_TRUE(QTest::qWaitFor([&] { return area->HasContext(); }, 5000));
    EXPECT_EQ(setUps, 1);
    EXPECT_EQ(losses, 0);

    second.resize(100, 100);
    second.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
    area->setParent(&second);
    area->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return setUps == 2; }, 5000));
    EXPECT_EQ(losses, 1);
    EXPECT_TRUE(currentWhenLost);
    EXPECT_TRUE(area->HasContext());
}

// Presses report the button pressed, moves the buttons held (a button other
// than the three adds 8) and the Shift, Ctrl and Alt keys, at the pointer's
// place relative to the area.
TEST(GlDrawingArea, MousePressesAndMovesReachTheHooks) {
    struct Report {
        char what;
        int button, shift;
        double x, y;
    };
    std::vector<Report> reports;
    GlDrawingArea area;
    area.onMouseDown = [&](int b, int s, double x, double y) { reports.push_back({'d', b, s, x, y}); };
    area.onMouseMove = [&](int b, int s, double x, double y) { reports.push_back({'m', b, s, x, y}); };
    const auto send = [&](QEvent::Type type, QPointF p, Qt::MouseButton b, Qt::MouseButtons held,
                          Qt::KeyboardModifiers keys) {
        QMouseEvent e(type, p, area.mapToGlobal(p), b, held, keys);
        QCoreApplication::sendEvent(&area, &e);
    };
    send(QEvent::MouseButtonPress, {3, 4}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    send(QEvent::MouseButtonPress, {5, 6}, Qt::RightButton, Qt::LeftButton | Qt::RightButton, Qt::ControlModifier);
    send(QEvent::MouseButtonPress, {7, 8}, Qt::MiddleButton, Qt::MiddleButton, Qt::AltModifier);
    send(QEvent::MouseMove, {-2.5, 250}, Qt::NoButton, Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
    send(QEvent::MouseMove, {1, 1}, Qt::NoButton, Qt::LeftButton | Qt::BackButton,
         Qt::ShiftModifier | Qt::AltModifier);
    send(QEvent::MouseButtonRelease, {1, 1}, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    const std::vector<Report> expected{{'d', 1, 1, 3, 4},     {'d', 2, 2, 5, 6}, {'d', 4, 4, 7, 8},
                                       {'m', 3, 0, -2.5, 250}, {'m', 9, 5, 1, 1}};
    ASSERT_EQ(reports.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(reports[i].what, expected[i].what) << i;
        EXPECT_EQ(reports[i].button, expected[i].button) << i;
        EXPECT_EQ(reports[i].shift, expected[i].shift) << i;
        EXPECT_EQ(reports[i].x, expected[i].x) << i;
        EXPECT_EQ(reports[i].y, expected[i].y) << i;
    }
}
