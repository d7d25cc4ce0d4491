#pragma once
// Table text files "(*.txt)", GBK on disk like documents, one format per
// table dialog:
//
//   D2  (plane tables)    D2 n            then "X Y" per data row, then an empty line
//   D25 (strip tables)    "D25 n          then "X Y" per data row, then a line "
//   D3  (surface tables)  "D3<TAB>r<TAB>c then "X<TAB>Y<TAB>Z" per data row, then a line "
//
// Lines end in CR LF; cell texts are written as they stand. Reading skips a
// UTF-8 byte-order mark at the start of a file, takes CR LF, a lone CR or a
// lone LF as a line end (files written on Linux import),
// joins the lines with a blank after each and splits the result at every
// blank and TAB, an empty token between two separators in a row; token 1 must
// end in the format's header word, tokens 2 (and 3) are the counts, the cells
// follow in grid order (a token past the last reads as an empty cell). A file
// of another format is ignored without a message.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class TableFormat { D2, D25, D3 };

// The refusals of an import (title "出错").
inline const std::string ImportedCountTooLargeMessage = "导入的数据个数不能超过201。";
inline const std::string ImportedCountWrongMessage = "导入文件中的数据个数不正确。";

// The counts of a format's header: n (D2, D25), or rows and columns (D3).
std::size_t TableFileCounts(TableFormat format);
// The cells of each data row: 2 (D2, D25) or 3 (D3).
std::size_t TableFileColumns(TableFormat format);

// The text of a table file: the header with `counts`, the data rows (each
// holding TableFileColumns cells) and the format's ending, in UTF-8.
std::string TableFileText(TableFormat format, const std::vector<std::int32_t>& counts,
                          const std::vector<std::vector<std::string>>& rows);

// The tokens of a file's text, in order.
std::vector<std::string> TableFileTokens(std::string_view text);
// Whether a first token names the format ("D2" ends neither "D25" nor "D3").
bool TableFileHeaderMatches(TableFormat format, std::string_view firstToken);

// A file read in: its counts and tokens.
struct ImportedTable {
    std::vector<std::int32_t> counts;
    std::vector<std::string> tokens;
    // The text of data row `row` (1..), cell `column` (1..): token
    // counts + 1 + (row - 1) × columns + column, empty past the last token.
    std::string Cell(TableFormat format, std::int64_t row, std::int64_t column) const;
};

// A table read from a file's text: nothing when the header does not match;
// a count above 201 or below 0 refuses with its message ("出错").
std::optional<ImportedTable> ReadTableFileText(TableFormat format, std::string_view text);

// 导出...: the save dialog ("导出", "(*.txt)|*.txt", no name offered); the
// chosen file is written (replaced), GBK. `fileName` is the dialog's file
// name, the chosen path afterwards. A file that cannot be written (wholly,
// flushed and given its name) says so and keeps the old file of that name.
void ExportTableFile(TableFormat format, const std::vector<std::int32_t>& counts,
                     const std::vector<std::vector<std::string>>& rows, std::string& fileName);
// 导入...: the open dialog ("打开", "(*.txt)|*.txt", offering `fileName`), the
// chosen file read as ReadTableFileText reads it; nothing when cancelled,
// unreadable (said), of another format or refused.
std::optional<ImportedTable> ImportTableFile(TableFormat format, std::string& fileName);
