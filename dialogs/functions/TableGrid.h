#pragma once
// The grid of the table dialogs (plane, strip and surface tables): a header
// row "编号", "X", "Y" (, "Z"), a numbering column and one column per
// coordinate, edited through the in-place editor `txtRep` laid over the
// current cell.
//
// Rows and columns are counted as the dialogs count them: data rows 1..N
// (the header row is 0), data columns 1..; column 0 holds the numbering
// "i,j" and is never current. Cells hold their texts as typed or imported;
// nothing is filtered while editing (the dialogs' OK does that).
//
// Keys in the grid: every key hides the editor and notes whether Shift alone
// is held; TAB moves one data column right (Shift: left) without leaving the
// row or wrapping; Enter opens the editor on the cell's text; any other
// printable character opens it on that character (typing over a cell
// replaces its text), but not a chord with Ctrl, Alt or Meta (a shortcut);
// arrows and paging move the current cell among the data cells. Keys in the editor: the cell follows every edit; Enter, TAB and the
// arrows commit it, hide the editor and give the grid the focus; TAB then
// moves as in the grid and an arrow is sent on to the grid, which moves its
// current cell (Left and Right never move the caret). A click on another
// cell closes the editor (its text is already in the cell).
#include <QLineEdit>
#include <QTableWidget>

#include <cstdint>
#include <initializer_list>
#include <string>

class TableGrid;

// The in-place editor `txtRep`.
class TableCellEditor : public QLineEdit {
public:
    explicit TableCellEditor(TableGrid* grid);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    TableGrid* grid_;
};

class TableGrid : public QTableWidget {
public:
    // Most points (plane and strip tables) and most rows and columns (surface
    // tables) a table holds: the table points' indexes run 0..200.
    static constexpr std::int32_t MaxCount = 201;

    // A grid `widthTwips` wide with the data columns `headers` after "编号".
    TableGrid(QWidget* parent, std::initializer_list<const char*> headers, int widthTwips);

    TableCellEditor* txtRep;

    // 重置: `rows` × `columns` data rows (each count taken as 0..MaxCount),
    // numbered "i,j" with i the table row and j the table column (plane and
    // strip tables: one row of `columns` = n points, numbered 0,0 .. 0,n-1).
    // The cells of the rows that remain keep their texts, new rows are
    // empty, rows beyond the new count go with their texts.
    void Renumber(std::int32_t rows, std::int32_t columns);

    std::int32_t DataRows() const { return rowCount(); }
    std::int32_t DataColumns() const { return columnCount() - 1; }
    // The text of data row `row` (1..), data column `column` (1..) and setting it.
    std::string CellText(std::int32_t row, std::int32_t column) const;
    void SetCellText(std::int32_t row, std::int32_t column, const std::string& text);
    std::string NumberingText(std::int32_t row) const;
    // The current cell (data row 1.., data column 1..; 0 with none).
    std::int32_t Row() const { return currentRow() + 1; }
    std::int32_t Col() const { return currentColumn(); }
    void SetCurrentCell(std::int32_t row, std::int32_t column);

    // The OK's validation of data rows 1..rows, in each row the data columns
    // in order: each cell through CheckNumber, its cleaned text written back
    // at once; the first bad cell refuses with "存在非法数据。" titled "出错".
    bool CheckCells(std::int32_t rows);
    // The number in a (validated) cell as a Single; beyond the Single range
    // raises the overflow error.
    float CellValue(std::int32_t row, std::int32_t column) const;

    // ---- key handlers ----
    // Every key-down in the grid: hides the editor, notes the Shift flag.
    void fgdGrid_KeyDown(const QKeyEvent& key);
    // A character key in the grid (TAB, Enter, a printable character): true
    // when it was one of these.
    bool fgdGrid_KeyPress(const QKeyEvent& key);
    // Places the editor over the current cell, shows it and gives it the focus.
    void BoxShow();
    // Keys of the editor: an arrow, Enter or TAB commits and moves (true when
    // the key was one of these); every release copies the text into the cell.
    bool txtRep_KeyDown(const QKeyEvent& key);
    // The editor's text into the current cell, the editor hidden, the focus
    // on the grid.
    void CommitEditor();
    bool txtRep_KeyPress(const QKeyEvent& key);
    void txtRep_KeyUp();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    // TAB: one data column left (leftward) or right, within the row.
    void MoveColumn(bool leftward);
    bool shiftOnly_ = false;
};
