#pragma once
// A splitter bar of our own: a borderless strip with a resize pointer that
// reports presses, moves (while a button is held) and releases, in pixels
// relative to itself. It moves nothing by itself: its owner places it and the
// controls beside it. Its background is the button face, or the button shadow
// while its owner marks it as dragged.
#include <QWidget>

#include <functional>

class SplitterBar : public QWidget {
    Q_OBJECT
public:
    // Horizontal: a bar dragged up and down; vertical: dragged left and right.
    SplitterBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Button (1 left, 2 right, 4 middle) and position in pixels.
    std::function<void(int button, int x, int y)> onMouseDown;
    std::function<void(int buttons, int x, int y)> onMouseMove;
    std::function<void(int button, int x, int y)> onMouseUp;

    void SetShadowed(bool shadowed);
    bool IsShadowed() const { return shadowed_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool shadowed_ = false;
};
