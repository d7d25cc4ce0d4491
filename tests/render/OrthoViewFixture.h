#pragma once
// For drawing tests of graph kinds: a 200 x 200 framebuffer showing -10..10 on
// x and y (10 pixels a unit, depth -100..100), depth test on, lighting off,
// cleared to white; the program-wide state reset before and after.
#include "core/Globals.h"
#include "scene/Cls8.h"

#include "tests/support/GlTestContext.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>
#include <ostream>

struct Colour {
    int r, g, b;
    bool operator==(const Colour&) const = default;
};
inline std::ostream& operator<<(std::ostream& os, const Colour& c) {
    return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

class OrthoViewFixture : public ProgramStateTest {
protected:
    static constexpr int Side = 200;

    void SetUp() override {
        gl_ = std::make_unique<GlTestContext>(Side);
        ASSERT_TRUE(gl_->Ok());
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-10, 10, -10, 10, -100, 100);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
        glDisable(GL_LIGHTING);
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    void TearDown() override {
        gl_.reset();
    }

    // The colour at drawing coordinates (x, y).
    Colour At(float x, float y) {
        const QImage img = gl_->Image();
        const QRgb p = img.pixel(int((x + 10) * Side / 20), int((10 - y) * Side / 20));
        return {qRed(p), qGreen(p), qBlue(p)};
    }

private:
    std::unique_ptr<GlTestContext> gl_;
};
