#include "platform/QtPictureReader.h"

#include "platform/PictureImage.h"

#include <QImage>
#include <QString>

std::optional<PictureRows> QtPictureReader::ReadPicture(const std::string& fileName) {
    // Qt refuses pictures above its allocation limit (256 MB), so a huge
    // picture is "too large to convert" rather than a failed allocation here.
    return PictureRowsFromImage(QImage(QString::fromStdString(fileName)));
}
