#include "dialogs/functions/frmF12.h"

frmF12::frmF12() : NetTableForm<frmF12>({TableFormat::D3, "三维表数据图形属性", 5665, "选择一种材质类型", "Smooth"}) {
    setObjectName(QStringLiteral("frmF12"));
}
