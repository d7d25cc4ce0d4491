#include "platform/SplitterBar.h"

#include <QMouseEvent>
#include <QPalette>

namespace {
int ButtonCode(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}
} // namespace

SplitterBar::SplitterBar(Qt::Orientation orientation, QWidget* parent) : QWidget(parent) {
    setCursor(orientation == Qt::Horizontal ? Qt::SizeVerCursor : Qt::SizeHorCursor);
    setAutoFillBackground(true);
    SetShadowed(false);
}

void SplitterBar::SetShadowed(bool shadowed) {
    shadowed_ = shadowed;
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(shadowed ? QPalette::Dark : QPalette::Button));
    setPalette(p);
}

void SplitterBar::mousePressEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (onMouseDown) onMouseDown(ButtonCode(e->button()), pos.x(), pos.y());
    e->accept();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (onMouseMove) onMouseMove(ButtonCode(e->buttons()), pos.x(), pos.y());
    e->accept();
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (onMouseUp) onMouseUp(ButtonCode(e->button()), pos.x(), pos.y());
    e->accept();
}
