#pragma once
// The surface table dialog "三维表数据图形属性": a net of rows × columns space
// points (x, y, z), each count 1..201, typed into the grid or imported from a
// "D3" file (GraphType 6), drawn in a space document as a surface with a
// colour fill, a material, a polygon model and a shading. The point of table
// row i and column j is grid row i × columns + j + 1 and table point (i, j),
// stored in drawing coordinates: x from the Y cell, y from the Z cell, z from
// the X cell. The table is not sampled. Opened by Draw > 表数据图形 > 三维 (new)
// and by the edit command (filled from the selected surface table).
#include "dialogs/functions/NetTableForm.h"

class frmF12 : public NetTableForm<frmF12> {
    Q_OBJECT
public:
    frmF12();
};
