#include "platform/QtColorPicker.h"

#include <QColorDialog>

std::optional<std::int32_t> QtColorPicker::PickColor() {
    // No colour is preselected: the dialog opens on black.
    const QColor c = QColorDialog::getColor(Qt::black, parent_);
    if (!c.isValid()) return std::nullopt;
    return RGB(c.red(), c.green(), c.blue());
}
