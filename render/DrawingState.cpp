#include "render/DrawingState.h"

#include <GL/gl.h>

#include <cmath>

void BeginLineState() {
    glDisable(GL_LIGHTING);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
}

void EndLineState() {
    glEnable(GL_LIGHTING);
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_BLEND);
}

void BeginPointState() {
    glDisable(GL_LIGHTING);
    glEnable(GL_POINT_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
}

void EndPointState() {
    glEnable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_POINT_SMOOTH);
}

void PlainLineState() {
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_BLEND);
}

void PlanePolygonState() {
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDisable(GL_TEXTURE_2D);
}

void SetLineWidth(double width) { glLineWidth(width > 0 && std::isfinite(width) ? GLfloat(width) : 1.0f); }

void SetColor(const ColorTriple& rgb) { glColor3d(rgb.red, rgb.green, rgb.blue); }

void SetColor(std::int32_t lngColor) { SetColor(ColorToRGB(lngColor)); }
