#pragma once
// The colour map dialog "函数的色谱图" (GraphType 13): the family's page "函数"
// and the page "颜色" with "颜色1" (highest values) and "颜色2" (lowest).
#include "dialogs/special/FieldDialog.h"

class frmF22;
extern template class FieldDialog<frmF22>;

class frmF22 : public FieldDialog<frmF22> {
    Q_OBJECT
public:
    frmF22();
};
