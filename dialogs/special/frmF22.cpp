#include "dialogs/special/frmF22.h"

#include "graph/GraphEnums.h"

namespace {
const FieldKind Kind{GraphType::ColorMap, "函数的色谱图", "颜色", "变量取值", "40", LabelSource::frmF22};
} // namespace

frmF22::frmF22() : FieldDialog(Kind) { setObjectName(QStringLiteral("frmF22")); }
