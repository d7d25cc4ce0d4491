#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

bool QtShell::Open(const std::string& sFile) {
    const QString path = QString::fromUtf8(sFile.data(), static_cast<qsizetype>(sFile.size()));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
