#include "platform/PgpAssociation.h"

#include "core/Globals.h"
#include "core/ReplacementFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

const QString IconName = QString::fromLatin1(PgpMimeType).replace(QLatin1Char('/'), QLatin1Char('-'));

// Exec's argument: quoted, with the characters that quoting reserves escaped,
// then the escapes of every desktop-entry string value.
QString ExecValue(const QString& program) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    QString value;
    for (const QChar c : quoted) {
        if (c == QLatin1Char('\\')) value += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n')) value += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r')) value += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t')) value += QStringLiteral("\\t");
        else if (c == QLatin1Char('%')) value += QStringLiteral("%%");
        else value += c;
    }
    return value + QStringLiteral(" %f");
}

QByteArray DesktopEntry(const QString& program) {
    const QString app = QString::fromStdString(AppTitle);
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Exec=%2\n"
                          "Icon=%3\n"
                          "Terminal=false\n"
                          "NoDisplay=true\n"
                          "MimeType=%4;\n")
        .arg(app, ExecValue(program), IconName, QString::fromLatin1(PgpMimeType))
        .toUtf8();
}

// The magic knows both frames of a document (document/DocumentContainer.h):
// the short one, tag 8 and a 16-bit length before the text, and the long one
// of a text over 65,535 bytes, tag 0x8008 and a 32-bit length; every document
// text begins with "S".
QByteArray MimePackage() {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>%2</comment>\n"
                          "    <icon name=\"%3\"/>\n"
                          "    <glob pattern=\"*.pgp\" weight=\"10\"/>\n"
                          "    <magic priority=\"20\">\n"
                          "      <match type=\"little16\" value=\"8\" offset=\"0\">\n"
                          "        <match type=\"string\" value=\"S\" offset=\"4\"/>\n"
                          "      </match>\n"
                          "      <match type=\"little16\" value=\"0x8008\" offset=\"0\">\n"
                          "        <match type=\"string\" value=\"S\" offset=\"6\"/>\n"
                          "      </match>\n"
                          "    </magic>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(QString::fromLatin1(PgpMimeType), QString::fromStdString(AppTitle).toHtmlEscaped(), IconName)
        .toUtf8();
}

// A page with a turned corner and a curve over two axes.
QByteArray DocumentIcon() {
    return QByteArrayLiteral(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\" viewBox=\"0 0 48 48\">\n"
        "  <path d=\"M9 3.5h21l10 10v31H9z\" fill=\"#ffffff\" stroke=\"#56606b\" stroke-width=\"1.5\" "
        "stroke-linejoin=\"round\"/>\n"
        "  <path d=\"M30 3.5v10h10\" fill=\"#dde3ea\" stroke=\"#56606b\" stroke-width=\"1.5\" "
        "stroke-linejoin=\"round\"/>\n"
        "  <path d=\"M13 38h23M15 40V19\" fill=\"none\" stroke=\"#8c96a0\" stroke-width=\"1.2\"/>\n"
        "  <path d=\"M15 35c4-13 7-15 10-7s6 6 10-11\" fill=\"none\" stroke=\"#2f6fd0\" stroke-width=\"2.2\" "
        "stroke-linecap=\"round\"/>\n"
        "</svg>\n");
}

// Writes `bytes` unless the file already holds exactly them.
bool WriteIfDifferent(const QString& path, const QByteArray& bytes) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.size() == bytes.size() && existing.readAll() == bytes)
        return false;
    existing.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    return ReplaceFileContents(path.toStdString(), std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

// Runs an installed tool on `folder`, quietly, waiting a few seconds at most.
void RunTool(const QString& name, const QStringList& options, const QString& folder) {
    const QString exe = QStandardPaths::findExecutable(name);
    if (exe.isEmpty() || !QFileInfo(folder).isDir()) return;
    QProcess tool;
    tool.setStandardOutputFile(QProcess::nullDevice());
    tool.setStandardErrorFile(QProcess::nullDevice());
    tool.start(exe, QStringList(options) << folder);
    if (!tool.waitForStarted(5000)) return;
    if (!tool.waitForFinished(10000)) {
        tool.kill();
        tool.waitForFinished(1000);
    }
}

QString DataHome() {
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return xdg;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

} // namespace

int WritePgpAssociation(const PgpAssociationPlace& place) {
    try {
        const QString home = place.dataHome.isEmpty() ? DataHome() : place.dataHome;
        const QString program =
            place.program.isEmpty() ? QCoreApplication::applicationFilePath() : place.program;
        if (home.isEmpty() || program.isEmpty()) return 0;

        const QString applications = home + QStringLiteral("/applications");
        const QString mime = home + QStringLiteral("/mime");
        const QString hicolor = home + QStringLiteral("/icons/hicolor");
        const bool entry = WriteIfDifferent(applications + QStringLiteral("/vexilon.desktop"), DesktopEntry(program));
        const bool package = WriteIfDifferent(mime + QStringLiteral("/packages/vexilon.xml"), MimePackage());
        const bool icon = WriteIfDifferent(
            hicolor + QStringLiteral("/scalable/mimetypes/") + IconName + QStringLiteral(".svg"), DocumentIcon());

        // A cache that is missing (a tool installed since) is made too.
        if (package || !QFileInfo::exists(mime + QStringLiteral("/mime.cache")))
            RunTool(QStringLiteral("update-mime-database"), {}, mime);
        if (entry || !QFileInfo::exists(applications + QStringLiteral("/mimeinfo.cache")))
            RunTool(QStringLiteral("update-desktop-database"), {QStringLiteral("-q")}, applications);
        if (icon && QFileInfo::exists(hicolor + QStringLiteral("/icon-theme.cache")))
            RunTool(QStringLiteral("gtk-update-icon-cache"), {QStringLiteral("-q"), QStringLiteral("-t"),
                                                              QStringLiteral("-f")},
                    hicolor);
        return int(entry) + int(package) + int(icon);
    } catch (...) {
        return 0;
    }
}
