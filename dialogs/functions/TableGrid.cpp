#include "dialogs/functions/TableGrid.h"

#include "core/Globals.h"
#include "core/NumberText.h"
#include "dialogs/DialogForm.h"
#include "dialogs/FormControls.h"
#include "dialogs/functions/GraphDialogSteps.h"
#include "math/Module1.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStringList>

#include <algorithm>

namespace {

bool IsTab(const QKeyEvent& key) { return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab; }
bool IsEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }
bool IsArrow(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
}
// Whether Shift is the only modifier of a key (Shift+TAB arrives as Backtab).
bool ShiftOnly(const QKeyEvent& key) {
    const Qt::KeyboardModifiers held =
        key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return held == Qt::ShiftModifier || (key.key() == Qt::Key_Backtab && held == Qt::NoModifier);
}
// Whether a key is a chord with Ctrl, Alt or Meta: a shortcut, never a
// character typed over a cell (whatever text the platform gives it).
bool Chord(const QKeyEvent& key) {
    return (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
}
// A key that types nothing by itself but goes with the key after it: a
// modifier, a lock (Caps Lock before an upper-case letter), a switch of the
// keyboard's layout, a compose key or an accent waiting for its letter.
bool TypesNothingAlone(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Mode_switch:
    case Qt::Key_Multi_key:
        return true;
    default:
        return key >= Qt::Key_Dead_Grave && key <= Qt::Key_Dead_Longsolidusoverlay;
    }
}

} // namespace

// ---- the editor ----

TableCellEditor::TableCellEditor(TableGrid* grid) : QLineEdit(grid->viewport()), grid_(grid) {
    setObjectName(QStringLiteral("txtRep"));
    setMaxLength(LongestBoxText);
    setFrame(false);
    hide();
    // The cell follows the typing (and a paste from the editor's menu), so
    // leaving the editor by a click or the OK loses nothing typed.
    connect(this, &QLineEdit::textEdited, this, Guarded([this] { grid_->txtRep_KeyUp(); }));
}

bool TableCellEditor::event(QEvent* event) {
    // TAB is the editor's own key, not a move of the focus.
    if (event->type() == QEvent::KeyPress && IsTab(*static_cast<QKeyEvent*>(event))) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QLineEdit::event(event);
}

void TableCellEditor::keyPressEvent(QKeyEvent* event) {
    // Escape leaves the cell, keeping what was typed, and stays in the
    // dialog: closing it from inside a cell would drop the whole table.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        RunGuarded([this] { grid_->CommitEditor(); });
        event->accept();
        return;
    }
    bool handled = false;
    RunGuarded([&] { handled = grid_->txtRep_KeyDown(*event) || grid_->txtRep_KeyPress(*event); });
    if (handled) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
    // The box ignores such a key, which would then reach the grid and close
    // the editor: Shift+E, Ctrl+V or Caps Lock and E would end up over the cell.
    if (TypesNothingAlone(event->key())) event->accept();
}

void TableCellEditor::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    RunGuarded([this] { grid_->txtRep_KeyUp(); });
}

// ---- the grid ----

TableGrid::TableGrid(QWidget* parent, std::initializer_list<const char*> headers, int widthTwips)
    : QTableWidget(parent) {
    setObjectName(QStringLiteral("fgdGrid"));
    setColumnCount(int(headers.size()) + 1);
    QStringList labels{ToQString("编号")};
    for (const char* header : headers) labels << ToQString(header);
    setHorizontalHeaderLabels(labels);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(TwipsToPixels(285));
    horizontalHeader()->setFixedHeight(TwipsToPixels(500));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    setColumnWidth(0, TwipsToPixels(800));
    for (int c = 1; c < columnCount(); ++c) setColumnWidth(c, TwipsToPixels(1500));
    // Our editor edits the cells; Qt's own never opens, and TAB is ours.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    resize(TwipsToPixels(widthTwips), height());

    txtRep = new TableCellEditor(this);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        // A click elsewhere closes the editor; the numbering is never current.
        txtRep->hide();
        if (row >= 0 && column == 0 && columnCount() > 1) setCurrentCell(row, 1);
    });
}

void TableGrid::Renumber(std::int32_t rows, std::int32_t columns) {
    rows = std::clamp(rows, 0, MaxCount);
    columns = std::clamp(columns, 0, MaxCount);
    const int count = rows * columns;
    const int row = currentRow();
    const int column = currentColumn();
    txtRep->hide();
    setRowCount(count);
    const QColor numberingColor = palette().color(QPalette::Button);
    for (int p = 0; p < count; ++p) {
        QTableWidgetItem* numbering = item(p, 0);
        if (numbering == nullptr) {
            numbering = new QTableWidgetItem;
            numbering->setFlags(Qt::ItemIsEnabled);
            numbering->setBackground(numberingColor);
            setItem(p, 0, numbering);
        }
        numbering->setText(ToQString(LongText(p / columns) + "," + LongText(p % columns)));
    }
    if (count > 0) setCurrentCell(std::clamp(row, 0, count - 1), std::max(column, 1));
}

std::string TableGrid::CellText(std::int32_t row, std::int32_t column) const {
    const QTableWidgetItem* cell = item(row - 1, column);
    return cell != nullptr ? ToStdString(cell->text()) : std::string();
}

void TableGrid::SetCellText(std::int32_t row, std::int32_t column, const std::string& text) {
    QTableWidgetItem* cell = item(row - 1, column);
    if (cell == nullptr) {
        cell = new QTableWidgetItem;
        setItem(row - 1, column, cell);
    }
    cell->setText(ToQString(text));
}

std::string TableGrid::NumberingText(std::int32_t row) const { return CellText(row, 0); }

void TableGrid::SetCurrentCell(std::int32_t row, std::int32_t column) { setCurrentCell(row - 1, column); }

bool TableGrid::CheckCells(std::int32_t rows) {
    for (std::int32_t r = 1; r <= rows; ++r) {
        for (std::int32_t c = 1; c <= DataColumns(); ++c) {
            std::string cleaned;
            if (!CheckNumber(CellText(r, c), cleaned)) {
                RefuseOk(IllegalDataMessage, ErrorTitle);
                return false;
            }
            SetCellText(r, c, cleaned);
        }
    }
    return true;
}

float TableGrid::CellValue(std::int32_t row, std::int32_t column) const { return SingleValue(CellText(row, column)); }

// ---- keys ----

bool TableGrid::event(QEvent* event) {
    // TAB moves between the cells of the row, never the focus out of the grid.
    if (event->type() == QEvent::KeyPress && IsTab(*static_cast<QKeyEvent*>(event))) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QTableWidget::event(event);
}

void TableGrid::keyPressEvent(QKeyEvent* event) {
    bool handled = false;
    RunGuarded([&] {
        fgdGrid_KeyDown(*event);
        handled = fgdGrid_KeyPress(*event);
    });
    if (handled || IsTab(*event)) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

QModelIndex TableGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    const QModelIndex next = QTableWidget::moveCursor(cursorAction, modifiers);
    // Moves stop at the first data column (no wrap into the numbering).
    if (next.isValid() && next.column() == 0 && columnCount() > 1) return model()->index(next.row(), 1);
    return next;
}

void TableGrid::fgdGrid_KeyDown(const QKeyEvent& key) {
    if (!txtRep->isHidden()) {
        txtRep->hide();
        setFocus();
    }
    shiftOnly_ = ShiftOnly(key);
}

bool TableGrid::fgdGrid_KeyPress(const QKeyEvent& key) {
    if (IsTab(key)) {
        MoveColumn(shiftOnly_);
        return true;
    }
    const bool onCell = currentRow() >= 0 && currentColumn() >= 1;
    if (IsEnter(key)) {
        if (onCell) {
            txtRep->setText(ToQString(CellText(Row(), Col())));
            txtRep->end(false);
            BoxShow();
        }
        return true;
    }
    const QString typed = key.text();
    if (typed.isEmpty() || !typed.front().isPrint() || Chord(key)) return false;
    if (onCell) {
        txtRep->setText(typed);
        txtRep->end(false);
        // The cell takes the character at once, as the key's release in the
        // editor would.
        SetCellText(Row(), Col(), ToStdString(typed));
        BoxShow();
    }
    return true;
}

void TableGrid::BoxShow() {
    txtRep->hide();
    const QModelIndex index = currentIndex();
    if (!index.isValid() || index.column() < 1) return;
    scrollTo(index);
    txtRep->setGeometry(visualRect(index));
    txtRep->show();
    txtRep->raise();
    txtRep->setFocus();
}

bool TableGrid::txtRep_KeyDown(const QKeyEvent& key) {
    if (!IsArrow(key.key())) return false;
    CommitEditor();
    // The same arrow, sent on to the grid, moves its current cell.
    QKeyEvent press(QEvent::KeyPress, key.key(), Qt::NoModifier);
    QCoreApplication::sendEvent(this, &press);
    QKeyEvent release(QEvent::KeyRelease, key.key(), Qt::NoModifier);
    QCoreApplication::sendEvent(this, &release);
    return true;
}

bool TableGrid::txtRep_KeyPress(const QKeyEvent& key) {
    if (IsEnter(key)) {
        CommitEditor();
        return true;
    }
    if (IsTab(key)) {
        CommitEditor();
        MoveColumn(ShiftOnly(key));
        return true;
    }
    return false;
}

void TableGrid::txtRep_KeyUp() {
    // Only while open: the release of the key that closed the editor belongs
    // to no cell.
    if (txtRep->isHidden() || currentRow() < 0 || currentColumn() < 1) return;
    SetCellText(Row(), Col(), ToStdString(txtRep->text()));
}

void TableGrid::MoveColumn(bool leftward) {
    const int row = currentRow();
    const int column = currentColumn();
    if (row < 0) return;
    if (leftward && column > 1) setCurrentCell(row, column - 1);
    if (!leftward && column < columnCount() - 1) setCurrentCell(row, column + 1);
}

void TableGrid::CommitEditor() {
    if (currentRow() >= 0 && currentColumn() >= 1) SetCellText(Row(), Col(), ToStdString(txtRep->text()));
    txtRep->hide();
    setFocus();
}
