#pragma once
// The OpenGL surface the drawing area asks for: a compatibility-profile
// context (immediate mode, display lists), double-buffered RGBA with 24 colour
// bits and 16 depth bits. Call before the QApplication is created.
class QSurfaceFormat;

QSurfaceFormat DrawingSurfaceFormat();
void InstallDrawingSurfaceFormat();
