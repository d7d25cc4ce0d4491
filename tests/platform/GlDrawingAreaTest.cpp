#include "platform/GlDrawingArea.h"

#include <QOpenGLContext>
#include <QWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

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
