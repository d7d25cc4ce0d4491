#pragma once
// The strip table dialog "二维半表数据图形属性": a table of 1..201 points (x, y)
// typed into the grid or imported from a "D25" file (GraphType 5), drawn in a
// strip document as a strip with a colour fill, a material, a polygon model
// and a shading. The table is not sampled. Opened by Draw > 表数据图形 > 二维半
// (new) and by the edit command (filled from the selected strip table).
#include "dialogs/functions/NetTableForm.h"

class frmF10 : public NetTableForm<frmF10> {
    Q_OBJECT
public:
    frmF10();
};
