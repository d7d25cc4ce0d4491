#include "app/ResultBox.h"

#include "platform/ShownLine.h"

#include <QMimeData>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <QTextBlock>
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

QMimeData* ResultEdit::createMimeDataFromSelection() const {
    const QTextCursor cursor = textCursor();
    if (!wholeSelection || !cursor.hasSelection()) return QPlainTextEdit::createMimeDataFromSelection();
    auto* data = new QMimeData;
    data->setText(wholeSelection(cursor.selectionStart(), cursor.selectionEnd()));
    return data;
}

ResultBox::ResultBox(QPlainTextEdit* box) : box_(box) {
    box_->setUndoRedoEnabled(false);
    edit_ = dynamic_cast<ResultEdit*>(box_);
    if (edit_) edit_->wholeSelection = [this](int from, int to) { return WholeSelection(from, to); };
}

ResultBox::~ResultBox() {
    if (edit_) edit_->wholeSelection = nullptr;
}

QString ResultBox::WholeSelection(int from, int to) const {
    const QTextDocument* document = box_->document();
    QString whole = QString::fromUtf8(text_.data(), static_cast<qsizetype>(text_.size()));
    whole.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lines = whole.split(QLatin1Char('\n'));
    QString copied;
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        const QString shown = block.text();
        const int start = std::max(from - block.position(), 0);
        const int end = std::min(to - block.position(), int(shown.size()));
        if (block.position() > from) copied += QLatin1Char('\n');
        const int n = block.blockNumber();
        // A line shown as it stands, or a box whose lines are not the pane's
        // (nothing else writes into it; checked all the same): as shown.
        const bool cut = n < lines.size() && shown != lines[n] && ShownLine(lines[n]) == shown;
        if (!cut)
            copied += shown.mid(start, end - start);
        else if (end >= shown.size())   // the stretch takes in the "…"
            copied += lines[n].mid(start);
        else
            copied += lines[n].mid(start, end - start);
    }
    return copied;
}

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
