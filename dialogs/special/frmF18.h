#pragma once
// The contour plot dialog "函数的等值线" (GraphType 14): the family's page
// "函数" and the page "等值线" with the level count "阶数", the line width
// "线宽" and the colours: one colour ("单色", FillStyle 4) or a gradient from
// "颜色2" at the lowest to "颜色1" at the highest value ("渐变色", FillStyle 3).
#include "dialogs/special/FieldDialog.h"

class frmF18;
extern template class FieldDialog<frmF18>;

class frmF18 : public FieldDialog<frmF18> {
    Q_OBJECT
public:
    frmF18();
};
