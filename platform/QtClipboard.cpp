#include "platform/QtClipboard.h"

#include "platform/PictureImage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QString>

void QtClipboard::SetText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

std::string QtClipboard::GetText() { return QGuiApplication::clipboard()->text().toStdString(); }

void QtClipboard::SetPicture(const PictureRows& picture) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QImage image = ImageFromPictureRows(picture);
    if (!image.isNull()) clipboard->setImage(image);
}
