#pragma once
// For GL tests: a compatibility-profile context (the default surface format
// the test main sets) made current on an offscreen surface; given a side, it
// also draws into a square framebuffer object with a depth buffer, with the
// viewport on the whole of it. Used for reading state, pixels and feedback.
#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <memory>

class GlTestContext {
public:
    explicit GlTestContext(int side = 0);
    ~GlTestContext();
    GlTestContext(const GlTestContext&) = delete;
    GlTestContext& operator=(const GlTestContext&) = delete;

    // Whether the context is current (and the framebuffer bound, if any).
    bool Ok() const { return ok_; }
    // Makes the context current again and binds the framebuffer (for a
    // context shared by a whole suite); returns Ok().
    bool MakeCurrent();
    // The picture drawn into the framebuffer so far, top row first.
    QImage Image();

private:
    QOffscreenSurface surface_;
    QOpenGLContext context_;
    std::unique_ptr<QOpenGLFramebufferObject> fbo_;
    int side_;
    bool ok_ = false;
};
