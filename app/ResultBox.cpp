#include "app/ResultBox.h"

#include <QPlainTextEdit>
#include <QString>

void ResultBox::SetText(const std::string& text) {
    text_ = text;
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box_->setPlainText(shown);
}
