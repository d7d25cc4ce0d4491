#pragma once
// A toolbar of our own: a row (or column) of 16 x 16 picture buttons and
// separator gaps, addressed by one-based index with the separators counted.
// It reports every pointer movement it receives (also over disabled buttons,
// and outside itself while a button is held) and the clicks of enabled
// buttons; each button's tooltip shows while the pointer rests on it. It
// writes no Qt status tips.
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class ToolStrip : public QWidget {
    Q_OBJECT
public:
    ToolStrip(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Appends a push button or a separator; returns its index.
    int AddButton(const QString& key, const QPixmap& picture, const QString& tooltip);
    int AddSeparator(const QString& key);

    int Count() const { return static_cast<int>(buttons_.size()); }
    // Index 1..Count; any other index raises the subscript error.
    bool IsSeparator(int index) const;
    QString Key(int index) const;
    QString ToolTipText(int index) const;
    bool IsButtonEnabled(int index) const;
    void SetButtonEnabled(int index, bool enabled);
    // The button's place within the strip, in pixels.
    QRect ButtonRect(int index) const;

    // Button states (1 left, 2 right, 4 middle) and the position in pixels
    // relative to the strip's top-left corner.
    std::function<void(int buttons, int x, int y)> onMouseMove;
    // An enabled push button was clicked (pressed and released on it).
    std::function<void(int index)> onButtonClick;

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Button {
        QString key;
        QPixmap picture;
        QString tooltip;
        bool separator = false;
        bool enabled = true;
        QRect rect;
    };
    const Button& At(int index) const;
    // The enabled or disabled push button strictly containing `p`, or 0.
    int PushButtonAt(const QPoint& p) const;
    void Place(Button& b);

    Qt::Orientation orientation_;
    std::vector<Button> buttons_;
    int next_;        // where the next button starts along the strip
    int hover_ = 0;   // push button under the pointer
    int pressed_ = 0; // push button pressed with the left button
};
