#pragma once
// What the three table dialogs (frmF11 plane, frmF10 strip, frmF12 surface)
// are built from: the page "数据" (name, counts, 重置, 导出..., 导入... and the
// grid) with the count steps of their OK, and the pages "颜色", "材质",
// "外观" of the strip and surface tables with the colours they hold.
#include "dialogs/functions/GraphControls.h"
#include "dialogs/functions/StripLook.h"
#include "dialogs/functions/TableFiles.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

class Cls9;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;
class TableGrid;

// The OK's count refusals (exclamation icon, the application's title).
inline const std::string TablePointCountMessage = "数据个数必须在1到201之间。";
inline const std::string TableNetCountMessage = "行数和列数必须在1到201之间。";
inline const std::string TableRowsMessage = "数据个数与表格行数不一致，请先按“重置”。";

// A table's extent: rows × columns points (plane and strip tables: 1 × n).
struct TableSize {
    std::int32_t rows = 1;
    std::int32_t columns = 0;
    std::int64_t Points() const { return std::int64_t(rows) * columns; }
};

// The window of a table dialog: its caption, the tab control `SSTab1` with
// the pages named, "确定" `Command3` and "取消" `Command4`, sized for a grid
// `gridWidth` twips wide.
struct TableDialogFrame {
    QTabWidget* SSTab1;
    QPushButton* Command3;
    QPushButton* Command4;
    QWidget* Page(int index) const;
};
TableDialogFrame BuildTableDialogFrame(QWidget* form, const char* caption, std::initializer_list<const char*> pages,
                                       int gridWidth);

// The page "数据". D2 and D25: "数据点个数" `Text2`; D3: "行数" `Text2` and
// "列数" `Text3`. Its buttons run their handlers through the guard.
class TableDataPage {
public:
    TableDataPage(QWidget* page, TableFormat format);
    TableDataPage(const TableDataPage&) = delete;
    TableDataPage& operator=(const TableDataPage&) = delete;

    QLabel* Label1;         // "名称"
    QLineEdit* Text1;       // the name, "Untitled"
    QLabel* Label2;         // "数据点个数" / "行数"
    QLineEdit* Text2;       // "5"
    QLabel* Label3 = nullptr;   // "列数" (surface tables)
    QLineEdit* Text3 = nullptr; // "5" (surface tables)
    QPushButton* Command5;  // "重置" ("重  置" in surface tables)
    QPushButton* Command2;  // "导出..."
    QPushButton* Command1;  // "导入..."
    TableGrid* fgdGrid;

    // 重置: the grid renumbered for the counts in the boxes.
    void Command5_Click();
    // 导出...: the counts in the boxes and their data rows to a file; a count
    // asking for more data rows than the grid has is refused as the OK refuses it.
    void Command2_Click();
    // 导入...: a file's counts into the boxes, 重置, its cells into the grid.
    void Command1_Click();

    // The OK's count steps: an empty count box ("请输入所有参数。"), a count
    // outside 1..201, more points than the grid's data rows; each refusal with
    // the exclamation icon and the application's title.
    std::optional<TableSize> CheckCounts();
    // The edit filling: the counts into the boxes, the grid renumbered.
    void FillCounts(std::int64_t rows, std::int64_t columns);

private:
    TableFormat format_;
    // The file dialog's file name, which 导入... offers again.
    std::string fileName_;
};

// The pages "颜色", "材质", "外观" of the strip and surface tables, laid out
// for their narrower window: the controls, held colours and material, edit
// filling (`FillLook`) and reading (`ReadLook`) of the strip dialog's pages.
class TableAppearancePages : public StripLookPages {
public:
    TableAppearancePages(QTabWidget* tabs, const char* materialCaption, const char* smoothnessCaption);
    TableAppearancePages(const TableAppearancePages&) = delete;
    TableAppearancePages& operator=(const TableAppearancePages&) = delete;

    QLabel* Label4; // "颜色1"
    QLabel* Label5; // "颜色2"
    QLabel* Label6; // the material caption

    using StripLookPages::FillLook;
    using StripLookPages::ReadLook;
};

// The OK's cells and points: data rows 1..size.Points() checked in grid order
// (TableGrid::CheckCells), then stored as the table's points: plane and strip
// tables (0, j) = (X, Y, 0); surface tables (i, j) with x = Y, y = Z, z = X.
// False after a refused cell (the table unchanged).
bool StoreTablePoints(TableFormat format, TableGrid& grid, TableSize size, Cls9& graph);
// The edit filling's cells (the grid numbered already): each point's values
// as the shortest text that reads back as the same Single.
void FillTableCells(TableFormat format, const Cls9& table, TableGrid& grid);

// The OK of the strip (D25) and surface (D3) tables, after the counts: the
// fill, colours, material, model and shading; the steps; the cells and
// points; the properties; the new or edit path (not sampled). False when a step refused.
bool CommitNetTable(TableFormat format, const std::shared_ptr<Cls9>& graph, TableDataPage& data,
                    TableAppearancePages& look);
// Their edit filling: name, counts, grid numbered and filled with the
// shortest texts of the table's values, then the appearance pages.
void FillNetTable(TableFormat format, const Cls9& table, TableDataPage& data, TableAppearancePages& look);
