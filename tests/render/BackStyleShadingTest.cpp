// The shares of the background styles that the plane axes dialog paints its
// pictures from, against the drawn background itself: every style drawn from
// black to white and read back as pixels over the rectangle.
#include "core/ColorService.h"
#include "core/Globals.h"
#include "scene/BackStyles.h"
#include "scene/Cls3.h"
#include "scene/Cls8.h"

#include "tests/render/AxesFeedbackFixture.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

namespace {

class BackStyleShading : public AxesFeedbackFixture {};

TEST_F(BackStyleShading, DrawnBackgroundHasTheSharesOfEveryStyle) {
    DocumentKind = 1;
    Scale2D = 1;
    axes_.ShowBackground = true;
    axes_.BackColor = RGB(0, 0, 0);
    axes_.BackColor2 = RGB(255, 255, 255);
    // The rectangle of a box from -10 to 10 runs from -15.1 to 15.1.
    const double a = 15.1;
    for (std::int32_t style = 1; style <= BackStyleCount; ++style) {
        SCOPED_TRACE(style);
        axes_.BackStyle = style;
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-Range, Range, -Range, Range, -100, 100);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClearColor(1, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        axes_.DrawBackground(-10, 10, -10, 10, -1, 1);
        const QImage img = Pixels();
        for (double u : {0.05, 0.2, 0.35, 0.5, 0.6, 0.75, 0.95})
            for (double v : {0.05, 0.25, 0.45, 0.5, 0.7, 0.9}) {
                // The pixel whose centre lies nearest (u, v) of the rectangle.
                const int px = int((-a + 2 * a * u + Range) / (2 * Range) * Side);
                const int py = int((Range - (-a + 2 * a * v)) / (2 * Range) * Side);
                const double x = (px + 0.5) / Side * 2 * Range - Range, y = Range - (py + 0.5) / Side * 2 * Range;
                const double share = BackStyleMix(style, (x + a) / (2 * a), (y + a) / (2 * a));
                const QRgb c = img.pixel(px, py);
                EXPECT_NEAR(qRed(c), 255 * share, 4) << u << " " << v;
                EXPECT_EQ(qRed(c), qGreen(c));
                EXPECT_EQ(qRed(c), qBlue(c));
            }
    }
    // Outside 1..19 nothing is shared: the styles stop at 19.
    EXPECT_EQ(BackStyleCorners(0), nullptr);
    EXPECT_EQ(BackStyleCorners(20), nullptr);
    EXPECT_EQ(BackStyleMix(20, 0.3, 0.3), 0);
}

} // namespace
