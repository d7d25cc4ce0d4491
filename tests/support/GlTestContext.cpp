#include "tests/support/GlTestContext.h"

#include <QSurfaceFormat>

#include <GL/gl.h>

GlTestContext::GlTestContext(int side) : side_(side) {
    surface_.setFormat(QSurfaceFormat::defaultFormat());
    surface_.create();
    context_.setFormat(QSurfaceFormat::defaultFormat());
    if (!context_.create() || !context_.makeCurrent(&surface_)) return;
    if (side_ > 0) fbo_ = std::make_unique<QOpenGLFramebufferObject>(side_, side_, QOpenGLFramebufferObject::Depth);
    MakeCurrent();
}

GlTestContext::~GlTestContext() {
    if (fbo_) {
        context_.makeCurrent(&surface_);
        fbo_->release();
        fbo_.reset();
    }
    context_.doneCurrent();
}

bool GlTestContext::MakeCurrent() {
    ok_ = context_.makeCurrent(&surface_);
    if (ok_ && fbo_) {
        ok_ = fbo_->isValid() && fbo_->bind();
        glViewport(0, 0, side_, side_);
    }
    return ok_;
}

QImage GlTestContext::Image() {
    glFinish();
    return fbo_ ? fbo_->toImage() : QImage();
}
