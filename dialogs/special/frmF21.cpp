#include "dialogs/special/frmF21.h"

#include "graph/GraphEnums.h"

namespace {
const FieldKind Kind{GraphType::VectorField, "函数的矢量图", "矢量", "变量取值范围", "20", LabelSource::frmF21};
} // namespace

frmF21::frmF21() : FieldDialog(Kind) { setObjectName(QStringLiteral("frmF21")); }
