#include "platform/GlDrawingArea.h"

#include <QMouseEvent>
#include <QOpenGLContext>

#include <GL/gl.h>

namespace {

int ButtonCode(Qt::MouseButtons b) {
    const Qt::MouseButtons known = Qt::LeftButton | Qt::RightButton | Qt::MiddleButton;
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0) |
           (b & ~known ? 8 : 0);
}

int ShiftCode(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

} // namespace

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

void GlDrawingArea::mousePressEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    if (onMouseDown) onMouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()), p.x(), p.y());
}

void GlDrawingArea::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    if (onMouseMove) onMouseMove(ButtonCode(event->buttons()), ShiftCode(event->modifiers()), p.x(), p.y());
}
