#pragma once
// A program-wide box that the drawing fills and that the bounding box of the
// matching graphs returns, so it holds the extent of the last such drawing.
// It is created with all six values 0 on first use; the drawing writes it
// through the returned reference.
#include "graph/Cls1.h"

// Extent of the last polar implicit or inequality plot drawn.
Cls1& PolarImplicitBox();
