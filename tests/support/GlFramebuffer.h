#pragma once
// For drawing tests: a compatibility-profile GL context made current on an
// offscreen surface, drawing into a square framebuffer object with a depth
// buffer, with the viewport on the whole of it.
#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>

#include <GL/gl.h>

#include <memory>

class GlFramebuffer {
public:
    explicit GlFramebuffer(int side) {
        surface_.setFormat(QSurfaceFormat::defaultFormat());
        surface_.create();
        context_.setFormat(QSurfaceFormat::defaultFormat());
        if (!context_.create() || !context_.makeCurrent(&surface_)) return;
        fbo_ = std::make_unique<QOpenGLFramebufferObject>(side, side, QOpenGLFramebufferObject::Depth);
        ok_ = fbo_->bind();
        glViewport(0, 0, side, side);
    }
    ~GlFramebuffer() {
        if (fbo_) fbo_->release();
        fbo_.reset();
        context_.doneCurrent();
    }
    GlFramebuffer(const GlFramebuffer&) = delete;
    GlFramebuffer& operator=(const GlFramebuffer&) = delete;

    // Whether the context is current and the framebuffer bound.
    bool Ok() const { return ok_; }
    // The picture drawn so far, top row first.
    QImage Image() {
        glFinish();
        return fbo_->toImage();
    }

private:
    QOffscreenSurface surface_;
    QOpenGLContext context_;
    std::unique_ptr<QOpenGLFramebufferObject> fbo_;
    bool ok_ = false;
};
