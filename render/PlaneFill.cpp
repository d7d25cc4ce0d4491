#include "render/PlaneFill.h"

#include "scene/Cls8.h"

#include <GL/gl.h>

#include <cmath>

void DrawPlanePolygon(const double (*vertices)[3], int count) {
    if (count != 3 && count != 4) return;
    const double s = Scale2D;
    float v[4][3];
    for (int k = 0; k < count; ++k)
        for (int c = 0; c < 3; ++c) {
            v[k][c] = float(vertices[k][c] / s);
            if (!std::isfinite(v[k][c])) return;
        }
    glBegin(count == 4 ? GL_QUADS : GL_TRIANGLES);
    for (int k = 0; k < count; ++k) glVertex3f(v[k][0], v[k][1], v[k][2]);
    glEnd();
}

void DrawStripQuad(const FillColumn& left, const FillColumn& right) {
    const double quad[4][3] = {{left.x, left.top, left.z},
                               {right.x, right.top, right.z},
                               {right.x, right.bottom, right.z},
                               {left.x, left.bottom, left.z}};
    DrawPlanePolygon(quad, 4);
}
