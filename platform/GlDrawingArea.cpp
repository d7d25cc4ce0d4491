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
    // The base class deletes the context after this: its end must not reach
    // this part of the object any more.
    if (QOpenGLContext* c = context()) disconnect(c, nullptr, this, nullptr);
}

void GlDrawingArea::initializeGL() {
    // Qt may create the context again (e.g. when the widget is re-parented):
    // the owner rebuilds whatever lived in the old one. Each context reaches
    // here once, so a plain connection is enough (a unique one is refused for
    // a lambda).
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
