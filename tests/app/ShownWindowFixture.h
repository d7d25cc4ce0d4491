#pragma once
// For tests in the shown main window: a 1000 x 700 frmF1, shown, with its GL
// context made and no message raised on the way; the light, the frame rate
// and the current frame restored afterwards.
#include "app/frmF1.h"
#include "core/Globals.h"
#include "tests/support/RecordingServices.h"
#include "platform/GlDrawingArea.h"
#include "scene/Cls10.h"
#include "scene/Cls4.h"
#include "tests/scene/SceneFixture.h"

#include <QImage>
#include <QtTest/QTest>

#include <GL/gl.h>

#include <cmath>
#include <memory>
#include <vector>

// Whether a pixel within two of the one at drawing (x, y) of the plane z = 0,
// unrotated, is accepted by `like`.
template <class Like>
bool NearDrawingPoint(const QImage& img, double x, double y, Like&& like) {
    const int px = int(std::lround((x / Camera.VolWidth + 0.5) * img.width()));
    const int py = int(std::lround((0.5 - y / Camera.VolHeight) * img.height()));
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            if (like(img.pixel(px + dx, py + dy))) return true;
    return false;
}

class ShownWindowFixture : public SceneFixture {
protected:
    void SetUp() override {
        SceneFixture::SetUp();
        RecordingMessageBox box;
        window_ = std::make_unique<frmF1>();
        window_->resize(1000, 700);
        window_->show(); // the load step checks the context
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return Area()->HasContext(); }, 5000));
        ASSERT_EQ(box.Count(), 0u);
    }
    void TearDown() override {
        window_.reset();
        SceneFixture::TearDown();
    }

    frmF1& Window() { return *window_; }
    GlDrawingArea* Area() { return window_->picDraw(); }

    // Shows frame `frame` and reads the picture back.
    QImage Show(std::int32_t frame) {
        Window().Display(frame);
        return Area()->grabFramebuffer();
    }
    // The colour at drawing coordinates (x, y) of the plane z = 0, unrotated.
    static QRgb At(const QImage& img, float x, float y) {
        const int px = int(std::lround((x / Camera.VolWidth + 0.5) * img.width()));
        const int py = int(std::lround((0.5 - y / Camera.VolHeight) * img.height()));
        return img.pixel(px, py);
    }
    static bool IsWhite(QRgb c) { return qRed(c) == 255 && qGreen(c) == 255 && qBlue(c) == 255; }

    // Runs `query` with the window's context current.
    template <class F>
    auto WithContext(F&& query) {
        Area()->makeCurrent();
        auto result = query();
        Area()->doneCurrent();
        return result;
    }
    // The pixels that calling `list` alone (in a view of -20..20 on every
    // axis, over white) leaves not white: 0 for a list that draws nothing.
    int DrawnPixels(GLuint list) {
        return WithContext([&] {
            const int w = int(Area()->width() * Area()->devicePixelRatioF());
            const int h = int(Area()->height() * Area()->devicePixelRatioF());
            glViewport(0, 0, w, h);
            glClearColor(1, 1, 1, 1);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glMatrixMode(GL_PROJECTION);
            glPushMatrix();
            glLoadIdentity();
            glOrtho(-20, 20, -20, 20, -20, 20);
            glMatrixMode(GL_MODELVIEW);
            glPushMatrix();
            glLoadIdentity();
            glCallList(list);
            glPopMatrix();
            glMatrixMode(GL_PROJECTION);
            glPopMatrix();
            glMatrixMode(GL_MODELVIEW);
            std::vector<GLubyte> rgba(std::size_t(w) * std::size_t(h) * 4);
            glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
            int drawn = 0;
            for (std::size_t i = 0; i < rgba.size(); i += 4)
                drawn += rgba[i] != 255 || rgba[i + 1] != 255 || rgba[i + 2] != 255;
            return drawn;
        });
    }

private:
    std::unique_ptr<frmF1> window_;
};
