#include "app/frmF1.h"
#include "platform/GlDrawingArea.h"

#include <QImage>
#include <QOpenGLContext>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>

TEST(MainWindow, DrawingAreaIsAWhiteCompatibilityContext) {
    frmF1 w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Vexilon"));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    GlDrawingArea* area = w.picDraw();
    ASSERT_NE(area, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return area->HasContext(); }, 5000));

    const QImage img = area->grabFramebuffer();
    ASSERT_FALSE(img.isNull());
    const QRgb centre = img.pixel(img.width() / 2, img.height() / 2);
    EXPECT_EQ(qRed(centre), 255);
    EXPECT_EQ(qGreen(centre), 255);
    EXPECT_EQ(qBlue(centre), 255);

    area->makeCurrent();
    const std::string version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    GLint depthBits = 0, redBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    glGetIntegerv(GL_RED_BITS, &redBits);
    // Reading back with glReadPixels from the widget's framebuffer.
    unsigned char px[4] = {0, 0, 0, 0};
    glReadPixels(area->width() / 2, area->height() / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, px);
    area->doneCurrent();
    EXPECT_NE(version.find("Compatibility"), std::string::npos) << version;
    EXPECT_GE(depthBits, 16);
    EXPECT_EQ(redBits, 8);
    EXPECT_EQ(px[0], 255);
    EXPECT_EQ(px[1], 255);
    EXPECT_EQ(px[2], 255);
    EXPECT_EQ(area->format().profile(), QSurfaceFormat::CompatibilityProfile);
}
