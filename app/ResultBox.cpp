#include "app/ResultBox.h"

#include "platform/ShownLine.h"

#include <QPlainTextEdit>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

// The text as the box shows it: CrLf as a line break, each line as ShownLine
// shows it.
QString Shown(const std::string& text) {
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (shown.size() <= MostShownLineCharacters) return shown;
    QString cut;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = shown.indexOf(QLatin1Char('\n'), start);
        cut += ShownLine(QStringView(shown).mid(start, (end < 0 ? shown.size() : end) - start));
        if (end < 0) return cut;
        cut += QLatin1Char('\n');
        start = end + 1;
    }
}

// The characters of the last line of `text` (at least: counted in bytes).
std::size_t LastLineBytes(const std::string& text) {
    const std::size_t lineEnd = text.rfind('\n');
    return lineEnd == std::string::npos ? text.size() : text.size() - lineEnd - 1;
}

} // namespace

ResultBox::ResultBox(QPlainTextEdit* box) : box_(box) { box_->setUndoRedoEnabled(false); }

// Setting the text puts the box's own cursor at the start, with nothing
// selected; lines added later go after it and leave it there.
void ResultBox::SetText(const std::string& text) {
    text_ = text;
    box_->setPlainText(Shown(text));
}

void ResultBox::AppendText(const std::string& text) {
    // A CrLf split between two appends stays whole in the box. Text added to
    // an empty box would be added at its cursor, which would move the cursor
    // (or, kept in place, select the text): it is set instead.
    // A line that goes on from the box's last line into a long one is cut
    // where the whole text is shown again.
    const bool joinsCrLf = !text_.empty() && text_.back() == '\r' && !text.empty() && text.front() == '\n';
    const bool joinsLong = LastLineBytes(text_) > 0 &&
                           LastLineBytes(text_) + std::min(text.find('\n'), text.size()) >
                               static_cast<std::size_t>(MostShownLineCharacters);
    if (joinsCrLf || joinsLong || text_.empty()) {
        SetText(text_ + text);
        return;
    }
    text_ += text;
    QTextCursor end(box_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(Shown(text));
}
