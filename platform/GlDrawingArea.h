#pragma once
// The OpenGL drawing area: a QOpenGLWidget whose set-up, resizing, painting
// and mouse presses and moves are handed to the owner through hooks, so the
// scene code stays outside Qt. With no paint hook it clears to white.
#include <QOpenGLWidget>

#include <functional>

class GlDrawingArea : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit GlDrawingArea(QWidget* parent = nullptr);
    ~GlDrawingArea() override;

    std::function<void()> onInitialize;         // context (re)created and current
    std::function<void(int, int)> onResize;     // new size in pixels, context current
    std::function<void()> onPaint;              // context current; Qt swaps afterwards
    std::function<void()> onContextLost;        // context about to go, still current
    // A press: the button pressed; a move: the buttons held. 1 left, 2 right,
    // 4 middle, 8 any other; shift: 1 Shift, 2 Ctrl, 4 Alt. Positions are
    // logical pixels relative to the area (outside it while a button is held).
    std::function<void(int button, int shift, double x, double y)> onMouseDown;
    std::function<void(int buttons, int shift, double x, double y)> onMouseMove;

    // True once a context has been created and initialised.
    bool HasContext() const { return initialised_; }

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void ContextAboutToGo();
    bool initialised_ = false;
};
