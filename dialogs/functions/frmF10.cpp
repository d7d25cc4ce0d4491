#include "dialogs/functions/frmF10.h"

frmF10::frmF10()
    : NetTableForm<frmF10>({TableFormat::D25, "二维半表数据图形属性", 4165, "选择一种材质", "平滑程度"}) {
    setObjectName(QStringLiteral("frmF10"));
}
