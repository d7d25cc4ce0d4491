#include "platform/GlDrawingArea.h"

#include <QOpenGLContext>

#include <GL/gl.h>

GlDrawingArea::GlDrawingArea(QWidget* parent) : QOpenGLWidget(parent) {}

GlDrawingArea::~GlDrawingArea() {
    if (initialised_) {
        makeCurrent();
        ContextAboutToGo();
        doneCurrent();
    }
}

void GlDrawingArea::initializeGL() {
    // Qt may create the context again (e.g. when the widget is re-parented):
    // the owner rebuilds whatever lived in the old one. Each context is a new
    // object and initializeGL runs once for it, so this connects once.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        makeCurrent();
        ContextAboutToGo();
        doneCurrent();
    });
    initialised_ = true;
    if (onInitialize) onInitialize();
}

void GlDrawingArea::ContextAboutToGo() {
    if (!initialised_) return;
    initialised_ = false;
    if (onContextLost) onContextLost();
}

void GlDrawingArea::resizeGL(int w, int h) {
    if (onResize) onResize(w, h);
}

void GlDrawingArea::paintGL() {
    if (onPaint) {
        onPaint();
        return;
    }
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}
