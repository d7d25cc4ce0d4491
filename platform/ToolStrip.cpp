#include "platform/ToolStrip.h"

#include "core/Errors.h"

#include <QHelpEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {
// Button and separator sizes along the strip, and the gap before the first.
constexpr int ButtonLength = 23;
constexpr int ButtonBreadth = 22;
constexpr int SeparatorLength = 8;
constexpr int Margin = 2;

int MouseButtons(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}
} // namespace

ToolStrip::ToolStrip(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), orientation_(orientation), next_(Margin) {
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover, false);
}

void ToolStrip::Place(Button& b) {
    const int length = b.separator ? SeparatorLength : ButtonLength;
    if (orientation_ == Qt::Horizontal)
        b.rect = QRect(next_, 1, length, ButtonBreadth);
    else
        b.rect = QRect(1, next_, ButtonBreadth, length);
    next_ += length;
}

int ToolStrip::AddButton(const QString& key, const QPixmap& picture, const QString& tooltip) {
    Button b;
    b.key = key;
    b.picture = picture;
    b.tooltip = tooltip;
    Place(b);
    buttons_.push_back(b);
    update();
    return Count();
}

int ToolStrip::AddSeparator(const QString& key) {
    Button b;
    b.key = key;
    b.separator = true;
    Place(b);
    buttons_.push_back(b);
    update();
    return Count();
}

const ToolStrip::Button& ToolStrip::At(int index) const {
    if (index < 1 || index > Count()) RaiseSubscriptError();
    return buttons_[static_cast<std::size_t>(index - 1)];
}

bool ToolStrip::IsSeparator(int index) const { return At(index).separator; }
QString ToolStrip::Key(int index) const { return At(index).key; }
QString ToolStrip::ToolTipText(int index) const { return At(index).tooltip; }
bool ToolStrip::IsButtonEnabled(int index) const { return At(index).enabled; }
QRect ToolStrip::ButtonRect(int index) const { return At(index).rect; }

void ToolStrip::SetButtonEnabled(int index, bool enabled) {
    At(index);
    Button& b = buttons_[static_cast<std::size_t>(index - 1)];
    if (b.enabled == enabled) return;
    b.enabled = enabled;
    if (!enabled && pressed_ == index) pressed_ = 0;
    update(b.rect);
}

int ToolStrip::PushButtonAt(const QPoint& p) const {
    for (int i = 1; i <= Count(); ++i) {
        const QRect& r = buttons_[static_cast<std::size_t>(i - 1)].rect;
        if (buttons_[static_cast<std::size_t>(i - 1)].separator) continue;
        // Strictly inside: a point on the edge between two buttons is on neither.
        if (p.x() > r.left() && p.x() < r.left() + r.width() && p.y() > r.top() && p.y() < r.top() + r.height())
            return i;
    }
    return 0;
}

QSize ToolStrip::sizeHint() const {
    return orientation_ == Qt::Horizontal ? QSize(next_ + Margin, ButtonBreadth + 2)
                                          : QSize(ButtonBreadth + 2, next_ + Margin);
}

bool ToolStrip::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const int i = PushButtonAt(help->pos());
        if (i == 0) {
            QToolTip::hideText();
            e->ignore();
        } else {
            QToolTip::showText(help->globalPos(), At(i).tooltip, this, At(i).rect);
        }
        return true;
    }
    return QWidget::event(e);
}

void ToolStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Button));
    for (int i = 1; i <= Count(); ++i) {
        const Button& b = buttons_[static_cast<std::size_t>(i - 1)];
        if (b.separator) {
            // An etched line across the middle of the gap.
            p.setPen(pal.color(QPalette::Mid));
            if (orientation_ == Qt::Horizontal) {
                const int x = b.rect.center().x();
                p.drawLine(x, b.rect.top() + 2, x, b.rect.bottom() - 2);
                p.setPen(pal.color(QPalette::Light));
                p.drawLine(x + 1, b.rect.top() + 2, x + 1, b.rect.bottom() - 2);
            } else {
                const int y = b.rect.center().y();
                p.drawLine(b.rect.left() + 2, y, b.rect.right() - 2, y);
                p.setPen(pal.color(QPalette::Light));
                p.drawLine(b.rect.left() + 2, y + 1, b.rect.right() - 2, y + 1);
            }
            continue;
        }
        const bool down = b.enabled && pressed_ == i && hover_ == i;
        if (b.enabled && (hover_ == i || pressed_ == i)) {
            // Raised while the pointer is on it, sunken while it is held.
            const QRect r = b.rect.adjusted(0, 0, -1, -1);
            p.setPen(pal.color(down ? QPalette::Mid : QPalette::Light));
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(pal.color(down ? QPalette::Light : QPalette::Mid));
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
        }
        const QIcon icon(b.picture);
        const QPixmap pm = icon.pixmap(QSize(16, 16), b.enabled ? QIcon::Normal : QIcon::Disabled);
        const QPoint at = b.rect.topLeft() + QPoint((b.rect.width() - 16) / 2, (b.rect.height() - 16) / 2) +
                          (down ? QPoint(1, 1) : QPoint(0, 0));
        p.drawPixmap(at, pm);
    }
}

void ToolStrip::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        const int i = PushButtonAt(e->position().toPoint());
        pressed_ = i != 0 && At(i).enabled ? i : 0;
        update();
    }
    e->accept();
}

void ToolStrip::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    const int i = rect().contains(pos) ? PushButtonAt(pos) : 0;
    if (i != hover_) {
        hover_ = i;
        update();
    }
    if (onMouseMove) onMouseMove(MouseButtons(e->buttons()), pos.x(), pos.y());
    e->accept();
}

void ToolStrip::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const int i = PushButtonAt(e->position().toPoint());
    const int pressed = pressed_;
    pressed_ = 0;
    update();
    if (pressed != 0 && i == pressed && At(i).enabled && onButtonClick) onButtonClick(i);
    e->accept();
}

void ToolStrip::leaveEvent(QEvent* e) {
    hover_ = 0;
    update();
    QWidget::leaveEvent(e);
}
