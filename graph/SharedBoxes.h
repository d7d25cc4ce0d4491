#pragma once
// Program-wide boxes that the drawing fills and that the bounding box of the
// matching graphs returns, so they hold the extent of the last such drawing.
// Each is created with all six values 0 on first use; the drawing writes it
// through the returned reference.
#include "graph/Cls1.h"

// Extent of the last polar implicit or inequality plot drawn.
Cls1& PolarImplicitBox();
// Box of the vectors of the last vector-operation drawing that set it.
Cls1& VectorOpBox();
