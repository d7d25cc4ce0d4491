#pragma once
// A current compatibility-profile GL context on an offscreen surface, for
// reading GL state back in tests.
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <memory>

class GlTestContext {
public:
    GlTestContext() {
        surface_.setFormat(QSurfaceFormat::defaultFormat());
        surface_.create();
        context_.setFormat(QSurfaceFormat::defaultFormat());
        ok_ = context_.create() && context_.makeCurrent(&surface_);
    }
    ~GlTestContext() { context_.doneCurrent(); }
    bool Ok() const { return ok_; }

private:
    QOffscreenSurface surface_;
    QOpenGLContext context_;
    bool ok_ = false;
};
