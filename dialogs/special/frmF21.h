#pragma once
// The vector field dialog "函数的矢量图" (GraphType 15): the family's page
// "函数" and the page "矢量" with the arrows' colour (both colours of the graph).
#include "dialogs/special/FieldDialog.h"

class frmF21;
extern template class FieldDialog<frmF21>;

class frmF21 : public FieldDialog<frmF21> {
    Q_OBJECT
public:
    frmF21();
};
