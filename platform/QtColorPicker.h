#pragma once
// The colour service shown as a real modal QColorDialog.
#include "core/ColorService.h"

class QWidget;

class QtColorPicker : public ColorService {
public:
    explicit QtColorPicker(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    std::optional<std::int32_t> PickColor() override;

private:
    QWidget* parent_;
};
