#include "SceneFixture.h"
#include "core/Errors.h"
#include "scene/Cls4.h"
#include "tests/support/GlTestContext.h"

#include <GL/gl.h>

#include <array>

namespace {

using CameraTest = SceneFixture;

std::array<float, 16> Matrix(GLenum which) {
    std::array<float, 16> m{};
    glGetFloatv(which, m.data());
    return m;
}

void ExpectPoint(const Cls2& p, float x, float y, float z) {
    EXPECT_FLOAT_EQ(p.x, x);
    EXPECT_FLOAT_EQ(p.y, y);
    EXPECT_FLOAT_EQ(p.z, z);
}

} // namespace

TEST_F(CameraTest, ZoomFitAndScreen) {
    GlTestContext gl;
    ASSERT_TRUE(gl.Ok());
    Cls4 cam;
    ExpectPoint(cam.EyePos, 0, 0, 1000);
    ExpectPoint(cam.RefPos, 0, 0, 0);
    EXPECT_EQ(cam.VecUp(1), 1);

    struct ZoomCase {
        float factor, width, height;
    };
    for (const ZoomCase& c : {ZoomCase{0, 40, 40}, ZoomCase{-1, 40, 40}, ZoomCase{0.5f, 20, 20}, ZoomCase{3, 120, 120}}) {
        Cls4 z;
        z.Zoom(c.factor);
        EXPECT_EQ(z.VolWidth, c.width) << c.factor;
        EXPECT_EQ(z.VolHeight, c.height) << c.factor;
    }

    cam.SetScreen(400, 200);
    GLint vp[4] = {};
    glGetIntegerv(GL_VIEWPORT, vp);
    EXPECT_EQ(vp[2], 400);
    EXPECT_EQ(vp[3], 200);
    cam.ZoomAll(-4, -2, -0.04f, 4, 2, 0.04f);
    EXPECT_EQ(cam.VolHeight, 8);
    EXPECT_EQ(cam.VolWidth, 16);
    ExpectPoint(cam.RefPos, 0, 0, 0);
    ExpectPoint(cam.EyePos, 0, 0, 1000);
    float w = 0, h = 0;
    cam.GetViewRect(w, h);
    EXPECT_EQ(w, 16);
    EXPECT_EQ(h, 8);

    // A box off the origin: the eye keeps its offset from the new centre.
    cam.SetEye(1, 2, 1003);
    cam.SetRef(1, 2, 3);
    cam.ZoomAll(10, 0, 0, 20, 30, 4);
    ExpectPoint(cam.RefPos, 15, 15, 2);
    ExpectPoint(cam.EyePos, 15, 15, 1002);
    EXPECT_EQ(cam.VolHeight, 30);
    EXPECT_EQ(cam.VolWidth, 60);

    cam.SetScreen(300, 0);
    glGetIntegerv(GL_VIEWPORT, vp);
    EXPECT_EQ(vp[2], 300);
    EXPECT_EQ(vp[3], 0);
    EXPECT_EQ(cam.ScreenWidth, 300);
    EXPECT_EQ(cam.ScreenHeight, 1);

    EXPECT_THROW(cam.VecUp(3), RaisedError);
    EXPECT_THROW(cam.VecUp(-1), RaisedError);
}

TEST_F(CameraTest, PanFollowsTheMouse) {
    Cls4 cam;
    cam.VolWidth = 16;
    cam.VolHeight = 8;
    // A drag right by the whole width moves eye and target one width left.
    cam.MoveView(1, 0);
    ExpectPoint(cam.EyePos, -16, 0, 1000);
    ExpectPoint(cam.RefPos, -16, 0, 0);
    cam.MoveView(0, 0.5f);
    ExpectPoint(cam.EyePos, -16, -4, 1000);
    ExpectPoint(cam.RefPos, -16, -4, 0);

    cam.SetEye(1, 1, 1);
    cam.SetRef(1, 1, 1);
    EXPECT_THROW(cam.MoveView(0.1f, 0), MathFault);
}

TEST_F(CameraTest, ProjectionOrthographicAndPerspective) {
    GlTestContext gl;
    ASSERT_TRUE(gl.Ok());
    DocumentKind = 3;
    Cls4& cam = Camera;
    cam.VolWidth = 16;
    cam.VolHeight = 8;

    cam.Projection();
    auto p = Matrix(GL_PROJECTION_MATRIX);
    const float far = 2000;
    float nearPlane = 0.001f;
    EXPECT_FLOAT_EQ(p[0], 2.0f / 16);
    EXPECT_FLOAT_EQ(p[5], 2.0f / 8);
    EXPECT_FLOAT_EQ(p[10], -2 / (far - nearPlane));
    EXPECT_FLOAT_EQ(p[14], -(far + nearPlane) / (far - nearPlane));
    EXPECT_EQ(cam.Volleft, -8);
    EXPECT_EQ(cam.VolTop, 4);
    auto mv = Matrix(GL_MODELVIEW_MATRIX);
    EXPECT_FLOAT_EQ(mv[0], 1);
    EXPECT_FLOAT_EQ(mv[5], 1);
    EXPECT_FLOAT_EQ(mv[14], -1000);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);

    // Perspective: the near plane lies in front of the scene's box (extent 8 + 0.08).
    Add(VisibleScene, PlaneGraph(1, -4, 4, -1, 1));
    cam.ProjectType = ProjectType::Perspective;
    cam.Projection();
    p = Matrix(GL_PROJECTION_MATRIX);
    nearPlane = float(1000 - double(8.08f));
    EXPECT_NEAR(p[0], 2 * nearPlane / 16, 1e-4);
    EXPECT_NEAR(p[5], 2 * nearPlane / 8, 1e-4);
    EXPECT_NEAR(p[14], -2 * far * nearPlane / (far - nearPlane), 1e-2);
    EXPECT_FLOAT_EQ(p[11], -1);
    EXPECT_FLOAT_EQ(cam.VolNear, 0.01f);

    // A scene deeper than the eye distance: the near plane is raised to 0.01
    // instead of leaving the identity.
    VisibleScene.FunSurfs.Clear();
    Add(VisibleScene, PlaneGraph(2, -1000, 1000, -1, 1));
    cam.Projection();
    p = Matrix(GL_PROJECTION_MATRIX);
    nearPlane = 0.01f;
    EXPECT_FLOAT_EQ(p[0], 2 * nearPlane / 16);
    EXPECT_FLOAT_EQ(p[10], -(far + nearPlane) / (far - nearPlane));
    EXPECT_FLOAT_EQ(p[11], -1);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

    // Back to orthographic: the near plane is now 0.01.
    cam.ProjectType = ProjectType::Orthographic;
    cam.Projection();
    p = Matrix(GL_PROJECTION_MATRIX);
    EXPECT_FLOAT_EQ(p[14], -(far + 0.01f) / (far - 0.01f));
    EXPECT_FLOAT_EQ(p[15], 1);
}
