#include "dialogs/functions/TableFiles.h"

#include "core/FileDialogService.h"
#include "core/GbkCodec.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "core/ReplacementFile.h"
#include "document/DocumentFile.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace {

const std::string TableFileFilter = "(*.txt)|*.txt";

// Header word, separator between fields, whether the text is framed in quotes.
struct FormatRow {
    TableFormat format;
    const char* header;
    char separator;
    bool quoted;
    std::size_t counts;
    std::size_t columns;
};
constexpr FormatRow Formats[] = {
    {TableFormat::D2, "D2", ' ', false, 1, 2},
    {TableFormat::D25, "D25", ' ', true, 1, 2},
    {TableFormat::D3, "D3", '\t', true, 2, 3},
};

const FormatRow& RowOf(TableFormat format) {
    for (const FormatRow& row : Formats)
        if (row.format == format) return row;
    return Formats[0];
}

// A count token of an import: its whole count, or nothing after the message.
std::optional<std::int32_t> ImportedCount(const std::string& token) {
    const std::optional<std::int32_t> whole = WholeCount(token);
    const bool negative = whole ? *whole < 0 : NumericValue(token) < 0;
    if (negative) {
        MsgBox(ImportedCountWrongMessage, MsgIcon::Exclamation, ErrorTitle);
        return std::nullopt;
    }
    if (!whole || *whole > 201) {
        MsgBox(ImportedCountTooLargeMessage, MsgIcon::Exclamation, ErrorTitle);
        return std::nullopt;
    }
    return whole;
}

} // namespace

std::size_t TableFileCounts(TableFormat format) { return RowOf(format).counts; }
std::size_t TableFileColumns(TableFormat format) { return RowOf(format).columns; }

std::string TableFileText(TableFormat format, const std::vector<std::int32_t>& counts,
                          const std::vector<std::vector<std::string>>& rows) {
    const FormatRow& f = RowOf(format);
    std::string text = f.header;
    for (std::int32_t count : counts) {
        text += f.separator;
        text += LongText(count);
    }
    text += "\r\n";
    for (const std::vector<std::string>& cells : rows) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c > 0) text += f.separator;
            text += cells[c];
        }
        text += "\r\n";
    }
    // The plane text goes out as one printed line, the others as one quoted string.
    return f.quoted ? "\"" + text + "\"\r\n" : text + "\r\n";
}

std::vector<std::string> TableFileTokens(std::string_view text) {
    // The lines joined, a blank after each.
    std::string work;
    work.reserve(text.size() + 1);
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", i);
        const std::size_t stop = end == std::string_view::npos ? text.size() : end;
        work.append(text.substr(i, stop - i));
        work += ' ';
        i = stop;
        if (i < text.size()) i += text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
    }
    std::vector<std::string> tokens;
    std::string token;
    for (char c : work) {
        if (c == ' ' || c == '\t') {
            tokens.push_back(std::move(token));
            token.clear();
        } else {
            token += c;
        }
    }
    tokens.push_back(std::move(token));
    return tokens;
}

bool TableFileHeaderMatches(TableFormat format, std::string_view firstToken) {
    const std::string_view header = RowOf(format).header;
    return firstToken.size() >= header.size() && firstToken.substr(firstToken.size() - header.size()) == header;
}

std::string ImportedTable::Cell(TableFormat format, std::int64_t row, std::int64_t column) const {
    const std::int64_t columns = std::int64_t(TableFileColumns(format));
    const std::int64_t number = std::int64_t(counts.size()) + 1 + (row - 1) * columns + column;
    return number >= 1 && number <= std::int64_t(tokens.size()) ? tokens[std::size_t(number - 1)] : std::string();
}

std::optional<ImportedTable> ReadTableFileText(TableFormat format, std::string_view text) {
    ImportedTable table;
    table.tokens = TableFileTokens(text);
    if (text.empty() || !TableFileHeaderMatches(format, table.tokens.front())) return std::nullopt;
    for (std::size_t k = 0; k < TableFileCounts(format); ++k) {
        const std::size_t number = k + 2;
        const std::optional<std::int32_t> count =
            ImportedCount(number <= table.tokens.size() ? table.tokens[number - 1] : std::string());
        if (!count) return std::nullopt;
        table.counts.push_back(*count);
    }
    return table;
}

void ExportTableFile(TableFormat format, const std::vector<std::int32_t>& counts,
                     const std::vector<std::vector<std::string>>& rows, std::string& fileName) {
    fileName.clear();
    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.title = "导出";
    request.filter = TableFileFilter;
    const std::optional<std::string> path = FileDialogs().ChooseFile(request);
    if (!path || path->empty()) return;
    fileName = *path;
    if (!ReplaceFileContents(*path, Utf8ToGbkLenient(TableFileText(format, counts, rows))))
        MsgBox(DocumentWriteFailedText + *path, MsgIcon::Critical, ErrorTitle);
}

std::optional<ImportedTable> ImportTableFile(TableFormat format, std::string& fileName) {
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.title = "打开";
    request.filter = TableFileFilter;
    request.fileName = fileName;
    const std::optional<std::string> path = FileDialogs().ChooseFile(request);
    if (!path || path->empty()) return std::nullopt;
    fileName = *path;
    QFile file(QString::fromStdString(*path));
    if (!file.open(QIODevice::ReadOnly)) {
        MsgBox(DocumentOpenFailedText + *path, MsgIcon::Critical, ErrorTitle);
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    std::string_view gbk(bytes.constData(), std::size_t(bytes.size()));
    // Editors may put a UTF-8 byte-order mark first; the file is read as if it had none.
    if (gbk.substr(0, 3) == "\xEF\xBB\xBF") gbk.remove_prefix(3);
    return ReadTableFileText(format, GbkToUtf8Lenient(gbk));
}
