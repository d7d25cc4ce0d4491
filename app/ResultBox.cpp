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

void ResultBox::SetText(const std::string& text) {
    text_ = text;
    box_->setPlainText(Shown(text));
    // The box's own cursor stays at the start while lines are added after it,
    // as it does when the whole text is set.
    QTextCursor start = box_->textCursor();
    start.setKeepPositionOnInsert(true);
    box_->setTextCursor(start);
}

void ResultBox::AppendText(const std::string& text) {
    // A CrLf split between two appends stays whole in the box.
    const bool joinsCrLf = !text_.empty() && text_.back() == '\r' && !text.empty() && text.front() == '\n';
    if (joinsCrLf) {
        SetText(text_ + text);
        return;
    }
    text_ += text;
    QTextCursor end(box_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(Shown(text));
}
