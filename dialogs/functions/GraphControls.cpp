#include "dialogs/functions/GraphControls.h"

#include "core/ColorParts.h"
#include "core/ColorService.h"
#include "core/Errors.h"
#include "core/NumberText.h"
#include "dialogs/FormControls.h"
#include "graph/GraphEnums.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>

#include <cmath>
#include <string>

ColorBox::ColorBox(QWidget* parent) : QLabel(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    SetColor(0);
}

void ColorBox::SetColor(std::int32_t color) {
    color_ = color;
    const ColorBytes parts = ColorParts(color);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(parts.red, parts.green, parts.blue));
    setPalette(p);
}

void ColorBox::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

ColorBox* NewColorBox(QWidget* parent, const char* name, std::int32_t color) {
    auto* box = new ColorBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->SetColor(color);
    return box;
}

std::optional<std::int32_t> PickBoxColor(ColorBox* box) {
    const std::optional<std::int32_t> chosen = Colors().PickColor();
    if (chosen) box->SetColor(*chosen);
    return chosen;
}

QComboBox* NewList(QWidget* parent, const char* name, bool editable) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(editable);
    if (editable) {
        list->setInsertPolicy(QComboBox::NoInsert);
        list->lineEdit()->setMaxLength(LongestBoxText);
    }
    return list;
}

void ClearList(QComboBox* list) {
    const QSignalBlocker quiet(list);
    list->clear();
}

void AddListItems(QComboBox* list, std::initializer_list<const char*> items) {
    const QSignalBlocker quiet(list);
    const int selected = list->currentIndex();
    const QString typed = list->currentText();
    for (const char* item : items) list->addItem(ToQString(item));
    // Adding to an empty list selects nothing (Qt would select the first).
    list->setCurrentIndex(selected);
    if (list->isEditable()) list->setEditText(typed);
}

void SelectListIndex(QComboBox* list, int index) {
    if (list->currentIndex() == index) {
        if (list->isEditable() && index >= 0) list->setEditText(list->itemText(index));
        emit list->currentIndexChanged(index);
    } else {
        list->setCurrentIndex(index);
    }
}

int ListIndex(const QComboBox* list) {
    const int index = list->currentIndex();
    if (index < 0) return -1;
    if (list->isEditable() && list->currentText() != list->itemText(index)) return -1;
    return index;
}

namespace {
// Entries "1".."count", entry `selected` chosen, without running a handler.
void FillNumberList(QComboBox* list, int count, int selected) {
    const QSignalBlocker quiet(list);
    for (int i = 1; i <= count; ++i) list->addItem(ToQString(LongText(i)));
    list->setCurrentIndex(selected);
}
} // namespace

void FillSizeList(QComboBox* list) { FillNumberList(list, 9, 1); }
void FillWidthList(QComboBox* list, int largest) { FillNumberList(list, largest, 0); }

void FillWidthListText(QComboBox* list, int largest) {
    FillNumberList(list, largest, -1);
    list->setEditText(QStringLiteral("1"));
}

void FillSymbolList(QComboBox* list) {
    const QSignalBlocker quiet(list);
    for (const char* name : SymbolNames) list->addItem(ToQString(name));
    list->setCurrentIndex(0);
}

float ListNumericValue(const QComboBox* list) { return SingleValue(ToStdString(list->currentText())); }

std::int32_t ListWholeValue(const QComboBox* list) {
    const std::optional<std::int32_t> value = WholeCount(ToStdString(list->currentText()));
    if (!value) RaiseOverflowError();
    return *value;
}

std::int32_t ListPositionValue(const QComboBox* list) { return ListIndex(list) + 1; }

bool SelectListValue(QComboBox* list, double value) {
    if (!(value >= 1 && value <= list->count()) || value != std::floor(value)) return false;
    SelectListIndex(list, static_cast<int>(value) - 1);
    return true;
}

void SelectListValueOrText(QComboBox* list, std::int32_t value) {
    if (SelectListValue(list, value)) return;
    SelectListIndex(list, -1);
    if (list->isEditable()) list->setEditText(ToQString(LongText(value)));
}

void SelectListValueOrNone(QComboBox* list, std::int32_t value) {
    if (!SelectListValue(list, value)) SelectListIndex(list, -1);
}

void FillMaterialList(QListWidget* list, std::int32_t& material) {
    for (const char* name : MaterialNames) list->addItem(ToQString(name));
    std::int32_t* variable = &material;
    QObject::connect(list, &QListWidget::currentRowChanged, list, [variable](int row) {
        if (row >= 0) *variable = row + 1;
    });
    list->setCurrentRow(3);
    material = 4;
}

QRadioButton* NewOption(QWidget* parent, const char* name, const char* caption) {
    auto* option = new QRadioButton(ToQString(caption), parent);
    option->setObjectName(QString::fromLatin1(name));
    return option;
}

std::int32_t OptionValue(std::initializer_list<const QRadioButton*> group) {
    std::int32_t value = 1;
    for (const QRadioButton* option : group) {
        if (option->isChecked()) return value;
        ++value;
    }
    return 0;
}

void SelectOptionValue(std::initializer_list<QRadioButton*> group, std::int32_t value) {
    std::int32_t position = 1;
    for (QRadioButton* option : group) {
        // An exclusive group cannot be emptied by unchecking: switch that off
        // while the group is set.
        const bool exclusive = option->autoExclusive();
        option->setAutoExclusive(false);
        option->setChecked(position == value);
        option->setAutoExclusive(exclusive);
        ++position;
    }
}

FillColors ReadFill(std::int32_t fillStyle, const ColorBox* color1, const ColorBox* color2,
                    const ColorBox* singleColor, std::int32_t windowFirstColor) {
    if (fillStyle == FillStyle::OneColor) return {fillStyle, windowFirstColor, singleColor->Color()};
    return {fillStyle, color1->Color(), color2->Color()};
}
