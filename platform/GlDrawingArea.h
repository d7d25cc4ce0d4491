#pragma once
// The OpenGL drawing area: a QOpenGLWidget whose set-up, resizing and painting
// are handed to the owner through hooks, so the scene code stays outside Qt.
// With no paint hook it clears to white.
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

    // True once a context has been created and initialised.
    bool HasContext() const { return initialised_; }

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;

private:
    void ContextAboutToGo();
    bool initialised_ = false;
};
