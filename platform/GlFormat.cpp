#include "platform/GlFormat.h"

#include <QSurfaceFormat>

QSurfaceFormat DrawingSurfaceFormat() {
    QSurfaceFormat f;
    f.setRenderableType(QSurfaceFormat::OpenGL);
    f.setProfile(QSurfaceFormat::CompatibilityProfile);
    f.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    f.setRedBufferSize(8);
    f.setGreenBufferSize(8);
    f.setBlueBufferSize(8);
    f.setAlphaBufferSize(8);
    f.setDepthBufferSize(16);
    return f;
}

void InstallDrawingSurfaceFormat() { QSurfaceFormat::setDefaultFormat(DrawingSurfaceFormat()); }
