#include "app/ResultBox.h"

#include <QPlainTextEdit>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The text as the box shows it: CrLf as a line break.
QString Shown(const std::string& text) {
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
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
    const bool joinsCrLf = !text_.empty() && text_.back() == '\r' && !text.empty() && text.front() == '\n';
    if (joinsCrLf || text_.empty()) {
        SetText(text_ + text);
        return;
    }
    text_ += text;
    QTextCursor end(box_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(Shown(text));
}
