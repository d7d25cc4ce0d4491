#include "scene/Cls4.h"

#include "core/CheckedIndex.h"
#include "core/Globals.h"
#include "scene/Cls8.h"
#include "scene/Trackball.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

Cls4 Camera;

namespace {

// Back to the starting values between tests (see ResetProgramState).
[[maybe_unused]] const bool resetRegistered = AddProgramStateReset([] { Camera = Cls4(); });
float F(double v) { return static_cast<float>(v); }
} // namespace

Cls4::Cls4() { EyePos.z = 1000; }

float& Cls4::VecUp(int intIndex) { return CheckedAt(vecUp_, intIndex); }

void Cls4::GetViewRect(float& Wide, float& Height) const {
    Wide = VolWidth;
    Height = VolHeight;
}

void Cls4::SetViewRect(float /*Wide*/, float Height) {
    VolHeight = Height;
    VolWidth = F(double(Height) * ScreenWidth / ScreenHeight);
}

void Cls4::SetVecup(float DX, float DY, float dz) { vecUp_ = {DX, DY, dz}; }

void Cls4::SetRef(float x, float y, float z) {
    RefPos.x = x;
    RefPos.y = y;
    RefPos.z = z;
}

void Cls4::SetEye(float x, float y, float z) {
    EyePos.x = x;
    EyePos.y = y;
    EyePos.z = z;
}

void Cls4::SetScreen(std::int32_t x, std::int32_t y) {
    glViewport(0, 0, x, y);
    ScreenWidth = F(x);
    ScreenHeight = F(y == 0 ? 1 : y);
}

void Cls4::MoveView(float DX, float DY) {
    Vec4 d{RefPos.x - EyePos.x, RefPos.y - EyePos.y, RefPos.z - EyePos.z, 0};
    VecNormalize(d);
    const Vec4 up{vecUp_[0], vecUp_[1], vecUp_[2], 0};
    Vec4 s{}, u{};
    VecCross(d, up, s);
    VecCross(s, d, u);
    float t[3];
    for (int i = 0; i < 3; ++i) t[i] = F(double(s[i]) * VolWidth * DX + double(u[i]) * VolHeight * DY);
    SetEye(F(double(EyePos.x) - t[0]), F(double(EyePos.y) - t[1]), F(double(EyePos.z) - t[2]));
    SetRef(F(double(RefPos.x) - t[0]), F(double(RefPos.y) - t[1]), F(double(RefPos.z) - t[2]));
}

void Cls4::SetViewType(std::int32_t TypeView) {
    if (TypeView < 1 || TypeView > 10) return;
    const double dx = double(EyePos.x) - RefPos.x, dy = double(EyePos.y) - RefPos.y,
                 dz = double(EyePos.z) - RefPos.z;
    float r = F(std::sqrt(dx * dx + dy * dy + dz * dz));
    if (r == 0) r = 50;
    if (r > 30000) r = 10000;
    // The eye's direction from the reference point for each position.
    static constexpr float Directions[10][3] = {{0, 0, 1},  {0, 0, -1}, {0, 1, 0},  {0, -1, 0}, {1, 0, 0},
                                                {-1, 0, 0}, {-1, 1, -1}, {1, -1, 1}, {1, 1, 1},  {-1, 1, 1}};
    const float* dir = Directions[TypeView - 1];
    // The diagonals are scaled to unit length.
    const double scale = TypeView >= 7 ? double(r) / std::sqrt(3.0) : double(r);
    SetEye(F(RefPos.x + dir[0] * scale), F(RefPos.y + dir[1] * scale), F(RefPos.z + dir[2] * scale));
    if (TypeView == 3 || TypeView == 4)
        SetVecup(0, 0, 1);
    else if (TypeView <= 6)
        SetVecup(0, 1, 0);
    else
        AdjustVecUp();
}

void Cls4::AdjustVecUp() {
    Vec4 d{RefPos.x - EyePos.x, RefPos.y - EyePos.y, RefPos.z - EyePos.z, 0};
    VecNormalize(d);
    const Vec4 y{0, 1, 0, 0};
    Vec4 side{}, up{};
    VecCross(d, y, side);
    VecCross(side, d, up);
    SetVecup(up[0], up[1], up[2]);
}

void Cls4::ZoomAll(float x0, float y0, float z0, float x1, float y1, float z1) {
    const float dx = F(double(x1) - x0), dy = F(double(y1) - y0), dz = F(double(z1) - z0);
    const float m = std::max({dx, dy, dz});
    SetViewRect(m, m);
    const float ox = F(double(EyePos.x) - RefPos.x), oy = F(double(EyePos.y) - RefPos.y),
                oz = F(double(EyePos.z) - RefPos.z);
    SetRef(F((double(x0) + x1) / 2), F((double(y0) + y1) / 2), F((double(z0) + z1) / 2));
    SetEye(F(double(RefPos.x) + ox), F(double(RefPos.y) + oy), F(double(RefPos.z) + oz));
}

void Cls4::Zoom(float scal) {
    if (scal <= 0) return;
    VolWidth = F(double(VolWidth) * scal);
    VolHeight = F(double(VolHeight) * scal);
}

void Cls4::Selection(float /*x*/, float /*y*/) {}

void Cls4::ResetView() {
    const std::int32_t projection = ProjectType;
    const float width = ScreenWidth, height = ScreenHeight;
    *this = Cls4();
    ProjectType = projection;
    ScreenWidth = width;
    ScreenHeight = height;
}

void Cls4::Projection() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glRenderMode(GL_RENDER);
    Volleft = F(-double(VolWidth) / 2);
    VolRight = F(double(VolWidth) / 2);
    VolBottom = F(-double(VolHeight) / 2);
    VolTop = F(double(VolHeight) / 2);
    if (ProjectType == ::ProjectType::Orthographic) {
        glOrtho(Volleft, VolRight, VolBottom, VolTop, VolNear, VolFar);
    } else if (ProjectType == ::ProjectType::Perspective) {
        const Cls1 box = VisibleScene.GetBox(0);
        const float m = std::max({F(double(box.MaxX) - box.MinX), F(double(box.MaxY) - box.MinY),
                                  F(double(box.MaxZ) - box.MinZ)});
        // A scene deeper than the eye distance would put the near plane at or
        // behind the eye, which GL refuses; the near plane stays in front.
        float nearPlane = F(1000 - double(m));
        if (nearPlane <= 0) nearPlane = 0.01f;
        VolNear = nearPlane;
        glFrustum(Volleft, VolRight, VolBottom, VolTop, VolNear, VolFar);
        VolNear = 0.01f;
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(EyePos.x, EyePos.y, EyePos.z, RefPos.x, RefPos.y, RefPos.z, vecUp_[0], vecUp_[1], vecUp_[2]);
}
