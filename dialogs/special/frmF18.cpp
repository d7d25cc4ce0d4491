#include "dialogs/special/frmF18.h"

#include "graph/GraphEnums.h"

namespace {
const FieldKind Kind{GraphType::Contour, "函数的等值线", "等值线", "变量取值", "40", LabelSource::frmF18};
} // namespace

frmF18::frmF18() : FieldDialog(Kind) { setObjectName(QStringLiteral("frmF18")); }
