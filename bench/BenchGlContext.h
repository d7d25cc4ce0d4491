#pragma once
// The main of the benchmarks that draw: a current GL context of the drawing
// area's format on an offscreen surface, then the benchmarks.
#include "platform/GlFormat.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <benchmark/benchmark.h>

#include <cstdio>

inline int RunBenchmarksWithGlContext(int argc, char** argv) {
    InstallDrawingSurfaceFormat();
    QGuiApplication app(argc, argv);
    QOffscreenSurface surface;
    surface.setFormat(QSurfaceFormat::defaultFormat());
    surface.create();
    QOpenGLContext context;
    context.setFormat(QSurfaceFormat::defaultFormat());
    if (!context.create() || !context.makeCurrent(&surface)) {
        std::fprintf(stderr, "no GL context\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
