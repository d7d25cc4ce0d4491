#include "SceneFixture.h"
#include "core/Errors.h"
#include "scene/Cls4.h"
#include "tests/support/CameraState.h"
#include "tests/support/GlTestContext.h"

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <string>

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

TEST_F(CameraTest, ViewTypesPlaceTheEyeAtItsDistanceAndSetTheUpVector) {
    const float third = 1.0f / 3, twoThirds = 2.0f / 3;
    struct Position {
        std::int32_t type;
        std::array<float, 3> direction; // of the eye from the reference point, before scaling to r
        std::array<float, 3> up;
    };
    const Position positions[] = {
        {1, {0, 0, 1}, {0, 1, 0}},   {2, {0, 0, -1}, {0, 1, 0}},  {3, {0, 1, 0}, {0, 0, 1}},
        {4, {0, -1, 0}, {0, 0, 1}},  {5, {1, 0, 0}, {0, 1, 0}},   {6, {-1, 0, 0}, {0, 1, 0}},
        // The diagonals, with the up vector y less its part along the line of
        // sight: (d x Y) x d for d the unit vector from the eye to the reference.
        {7, {-1, 1, -1}, {third, twoThirds, third}},   {8, {1, -1, 1}, {third, twoThirds, third}},
        {9, {1, 1, 1}, {-third, twoThirds, -third}},   {10, {-1, 1, 1}, {third, twoThirds, -third}},
    };
    struct Start {
        const char* what;
        std::array<float, 3> ref, eye;
        float r; // the distance the eye is put at
    };
    const Start starts[] = {
        {"a fresh camera", {0, 0, 0}, {0, 0, 1000}, 1000},
        {"an eye off the axes", {1, 2, 3}, {4, 6, 3}, 5},
        {"the eye on the reference point", {1, 2, 3}, {1, 2, 3}, 50},
        {"an eye 30000 away keeps it", {0, 0, 0}, {0, 30000, 0}, 30000},
        {"an eye beyond 30000", {0, 0, 0}, {0, 0, 40000}, 10000},
        {"an eye far along a diagonal", {10, 0, 0}, {30010, 30000, 0}, 10000},
    };
    for (const Start& s : starts) {
        for (const Position& p : positions) {
            SCOPED_TRACE(std::string(s.what) + ", view type " + std::to_string(p.type));
            Cls4 cam;
            cam.SetRef(s.ref[0], s.ref[1], s.ref[2]);
            cam.SetEye(s.eye[0], s.eye[1], s.eye[2]);
            cam.SetVecup(5, 5, 5);
            cam.SetViewType(p.type);
            const bool diagonal = p.type >= 7;
            const double length = diagonal ? std::sqrt(3.0) : 1;
            for (int i = 0; i < 3; ++i) {
                const double expected = s.ref[i] + s.r * p.direction[i] / length;
                EXPECT_NEAR((&cam.EyePos.x)[i], expected, 1e-6 * std::fabs(expected) + 1e-6) << "eye " << i;
                EXPECT_NEAR(cam.VecUp(i), p.up[i], 1e-6) << "up " << i;
                EXPECT_EQ((&cam.RefPos.x)[i], s.ref[i]) << "reference " << i;
            }
            EXPECT_EQ(cam.VolWidth, 40);
            EXPECT_EQ(cam.VolHeight, 40);
        }
    }

    // Any other view type, and Selection, change nothing.
    for (std::int32_t type : {0, -1, 11, 100}) {
        Cls4 cam;
        cam.SetRef(1, 2, 3);
        cam.SetEye(4, 5, 6);
        cam.SetVecup(0.5f, 0.25f, 2);
        const CameraState before = CameraState::Of(cam);
        cam.SetViewType(type);
        cam.Selection(10, 20);
        EXPECT_EQ(CameraState::Of(cam), before) << type;
        EXPECT_EQ(cam.VecUp(0), 0.5f) << type;
        EXPECT_EQ(cam.VecUp(1), 0.25f) << type;
        EXPECT_EQ(cam.VecUp(2), 2.0f) << type;
    }
}
