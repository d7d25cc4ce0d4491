#include "platform/CheckListBox.h"

#include "core/Errors.h"
#include "platform/ShownLine.h"

#include <QFocusEvent>
#include <QMouseEvent>

CheckListBox::CheckListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::PreventContextMenu);
    connect(model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last) { DataChanged(first, last); });
    connect(model(), &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        for (int r = first; r <= last; ++r)
            ticks_.insert(ticks_.begin() + r, item(r)->checkState() == Qt::Checked);
    });
    connect(model(), &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex&, int first, int last) {
        ticks_.erase(ticks_.begin() + first, ticks_.begin() + last + 1);
    });
    connect(model(), &QAbstractItemModel::modelReset, this, [this] { ticks_.clear(); });
}

namespace {

// The role that holds a row's whole text when the row shows it cut.
constexpr int WholeTextRole = Qt::UserRole + 1;

void SetRowText(QListWidgetItem* it, const std::string& text) {
    const QString whole = QString::fromStdString(text);
    const bool cut = whole.size() > MostShownLineCharacters;
    it->setData(WholeTextRole, cut ? QVariant(whole) : QVariant());
    it->setText(cut ? ShownLine(whole) : whole);
}

} // namespace

QListWidgetItem* CheckListBox::Row(int row) const {
    if (row < 0 || row >= count()) RaiseSubscriptError();
    return item(row);
}

void CheckListBox::SetListIndex(int row) {
    if (row < 0) {
        setCurrentRow(-1);
        clearSelection();
        return;
    }
    Row(row);
    setCurrentRow(row);
}

void CheckListBox::AddItem(const std::string& text) {
    auto* it = new QListWidgetItem;
    SetRowText(it, text);
    it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    it->setCheckState(Qt::Unchecked);
    addItem(it);
}

void CheckListBox::RemoveItem(int row) {
    Row(row);
    const bool wasCurrent = row == currentRow();
    delete takeItem(row);
    if (wasCurrent) SetListIndex(-1);
}

void CheckListBox::ClearItems() { clear(); }

std::string CheckListBox::ItemText(int row) const {
    const QVariant whole = Row(row)->data(WholeTextRole);
    return (whole.isValid() ? whole.toString() : Row(row)->text()).toStdString();
}

void CheckListBox::SetItemText(int row, const std::string& text) { SetRowText(Row(row), text); }

bool CheckListBox::Ticked(int row) const {
    if (row < 0 || row >= count()) return false;
    return item(row)->checkState() == Qt::Checked;
}

void CheckListBox::SetTicked(int row, bool ticked) { Row(row)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked); }

void CheckListBox::DataChanged(const QModelIndex& first, const QModelIndex& last) {
    for (int r = first.row(); r <= last.row() && r < count(); ++r) {
        if (r < 0 || r >= static_cast<int>(ticks_.size())) continue;
        const bool now = item(r)->checkState() == Qt::Checked;
        if (now == ticks_[static_cast<std::size_t>(r)]) continue;
        ticks_[static_cast<std::size_t>(r)] = now;
        if (onItemCheck) onItemCheck(r);
    }
}

void CheckListBox::mousePressEvent(QMouseEvent* e) {
    const int button = e->button() == Qt::LeftButton    ? 1
                       : e->button() == Qt::RightButton ? 2
                       : e->button() == Qt::MiddleButton ? 4
                                                         : 0;
    const QPoint pos = e->position().toPoint();
    // The left button selects a row (and ticks it by its box); the right one
    // makes the row under it current, without ticking, so that the menu it
    // opens acts on that row.
    if (button == 1) {
        QListWidget::mousePressEvent(e);
    } else {
        e->accept();
        if (button == 2) {
            const QModelIndex under = indexAt(pos);
            if (under.isValid()) SetListIndex(under.row());
        }
    }
    if (onMouseDown) onMouseDown(button, pos.x(), pos.y());
}

void CheckListBox::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) QListWidget::mouseReleaseEvent(e);
    else e->accept();
}

void CheckListBox::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) QListWidget::mouseDoubleClickEvent(e);
    else mousePressEvent(e);
}

// A row made current is selected alone, whatever the modifiers: Qt would let
// Ctrl unselect it and leave it current but no longer highlighted.
QItemSelectionModel::SelectionFlags CheckListBox::selectionCommand(const QModelIndex& index,
                                                                   const QEvent* event) const {
    if (index.isValid()) return QItemSelectionModel::ClearAndSelect;
    return QListWidget::selectionCommand(index, event);
}

void CheckListBox::focusInEvent(QFocusEvent* e) {
    const bool none = currentRow() < 0;
    QListWidget::focusInEvent(e);
    if (none && currentRow() >= 0) SetListIndex(-1);
}
