// The ".pgp" association under a temporary XDG_DATA_HOME, checked with the
// desktop's own type detection (gio) on documents in both frames.
#include "core/MessageService.h"
#include "document/DocumentContainer.h"
#include "platform/PgpAssociation.h"
#include "tests/platform/MediaTestSupport.h"
#include "tests/support/RecordingServices.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <iostream>
#include <unistd.h>

namespace {

const QString EntryFile = QStringLiteral("applications/vexilon.desktop");
const QString PackageFile = QStringLiteral("mime/packages/vexilon.xml");
const QString IconFile = QStringLiteral("icons/hicolor/scalable/mimetypes/application-x-vexilon-document.svg");

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct Stamp {
    QByteArray bytes;
    QDateTime modified;
    bool operator==(const Stamp&) const = default;
};
Stamp StampOf(const QString& path) { return {Read(path), QFileInfo(path).fileTime(QFileDevice::FileModificationTime)}; }

QByteArray Bytes(const std::string& s) { return QByteArray(s.data(), qsizetype(s.size())); }

// A document too large for the short frame, framed as the writer frames it.
QByteArray LongFramedDocument() {
    std::string text = "S71 1 ";
    while (text.size() <= MaxShortFramedTextBytes) text += "0.125 ";
    return Bytes(FrameDocumentText(text));
}

class PgpAssociationTest : public ::testing::Test {
protected:
    QTemporaryDir home;
    QString program = QStringLiteral("/opt/Vexilon 1.0/vexilon");

    QString Path(const QString& relative) const { return home.filePath(relative); }
    PgpAssociationPlace Place() const { return {home.path(), program}; }

    // The desktop's tools see our data folder (and no choices of the user's).
    QProcessEnvironment Environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        return env;
    }

    // The content type gio gives a file.
    std::string TypeOf(const QString& file) const {
        const ToolRun r = RunTool(QStringLiteral("gio"), {"info", "-a", "standard::content-type", file}, Environment());
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        const int at = r.out.indexOf("standard::content-type:");
        if (at < 0) return {};
        return r.out.mid(at + 23).split('\n').front().trimmed().toStdString();
    }
};

#define SKIP_WITHOUT_MIME_TOOLS()                                                                          \
    do {                                                                                                   \
        if (!HaveTool("gio") || !HaveTool("update-mime-database"))                                         \
            GTEST_SKIP() << "gio or update-mime-database not installed (tools/setup.sh installs "          \
                            "libglib2.0-bin and shared-mime-info)";                                        \
    } while (false)

TEST_F(PgpAssociationTest, SavedDocumentsAreOursAndPgpFilesStayPgp) {
    SKIP_WITHOUT_MIME_TOOLS();
    // The desktop lists an entry only when its program exists: a stand-in
    // that notes what it was started with.
    QTemporaryDir installed;
    program = installed.filePath(QStringLiteral("Vexilon 1.0/vexilon"));
    Write(program, "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > \"$VX_STARTED\"\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(WritePgpAssociation(Place()), 3);
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("mime/mime.cache"))));

    QTemporaryDir files;
    const QByteArray text = "S71 1 ";
    const QByteArray document = QByteArray("\x08\x00", 2) + char(text.size()) + '\0' + text;
    const QByteArray large = LongFramedDocument();
    ASSERT_TRUE(large.startsWith(QByteArray("\x08\x80", 2)));
    const struct { const char* name; QByteArray bytes; const char* type; } cases[] = {
        {"my graphs.pgp", document, PgpMimeType},
        {"old.pgp", QByteArray("\x08\x00\x0b\x00S31 2 1 2 3", 15), PgpMimeType},
        {"large table.pgp", large, PgpMimeType},
        {"small graphs.pgp", Bytes(FrameDocumentText("S72 1 ")), PgpMimeType},
        {"message.pgp", QByteArray("\x85\x01\x0c\x03\x9a\x41\x7f\x20\x11\x8b\x5e\x01\x07\xff\x53\x00", 16),
         "application/pgp-encrypted"},
        {"armored.pgp", "-----BEGIN PGP MESSAGE-----\n\nhQEMA5pBfyARi14BAf9TAA==\n-----END PGP MESSAGE-----\n",
         "application/pgp-encrypted"},
    };
    for (const auto& c : cases) {
        const QString path = files.filePath(QString::fromLatin1(c.name));
        Write(path, c.bytes);
        EXPECT_EQ(TypeOf(path), c.type) << c.name;
    }

    if (!HaveTool("update-desktop-database")) {
        std::cout << "[   NOTE   ] update-desktop-database not installed: opening a document not checked\n";
        return;
    }
    // Opening a document from the desktop starts this program with its path,
    // blanks and all.
    const QString started = files.filePath(QStringLiteral("started.txt"));
    QProcessEnvironment env = Environment();
    env.insert(QStringLiteral("VX_STARTED"), started);
    const QString doc = files.filePath(QStringLiteral("my graphs.pgp"));
    const ToolRun open = RunTool(QStringLiteral("gio"), {"open", doc}, env);
    EXPECT_EQ(open.exitCode, 0) << open.err.toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Read(started).count('\n') == 2; }, 10000));
    EXPECT_EQ(Read(started), (program + QLatin1Char('\n') + doc + QLatin1Char('\n')).toUtf8());
}

// An install made by a build whose magic knew only the short frame: the next
// start replaces the package alone and rebuilds the type cache, so large
// documents are ours from then on.
TEST_F(PgpAssociationTest, AnOlderPackageIsReplacedAndTheTypesRebuilt) {
    SKIP_WITHOUT_MIME_TOOLS();
    EXPECT_EQ(WritePgpAssociation(Place()), 3);
    const QByteArray current = Read(Path(PackageFile));
    QByteArray older = current;
    const QByteArray longRule = "      <match type=\"little16\" value=\"0x8008\" offset=\"0\">\n"
                                "        <match type=\"string\" value=\"S\" offset=\"6\"/>\n"
                                "      </match>\n";
    ASSERT_NE(older.indexOf(longRule), -1);
    older.replace(longRule, "");
    Write(Path(PackageFile), older);
    ASSERT_EQ(RunTool(QStringLiteral("update-mime-database"), {Path(QStringLiteral("mime"))}).exitCode, 0);

    QTemporaryDir files;
    const QString large = files.filePath(QStringLiteral("large table.pgp"));
    Write(large, LongFramedDocument());
    EXPECT_NE(TypeOf(large), PgpMimeType);

    const Stamp entry = StampOf(Path(EntryFile));
    const Stamp icon = StampOf(Path(IconFile));
    usleep(20000); // so that a rewrite would show in the times
    EXPECT_EQ(WritePgpAssociation(Place()), 1);
    EXPECT_EQ(Read(Path(PackageFile)), current);
    EXPECT_TRUE(StampOf(Path(EntryFile)) == entry);
    EXPECT_TRUE(StampOf(Path(IconFile)) == icon);
    EXPECT_EQ(TypeOf(large), PgpMimeType);
}

TEST_F(PgpAssociationTest, TheEntryOpensADocumentWithThisProgram) {
    EXPECT_EQ(WritePgpAssociation(Place()), 3);
    const QByteArray entry = Read(Path(EntryFile));
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    for (const char* line : {"Type=Application\n", "Exec=\"/opt/Vexilon 1.0/vexilon\" %f\n", "NoDisplay=true\n",
                             "MimeType=application/x-vexilon-document;\n",
                             "Icon=application-x-vexilon-document\n"})
        EXPECT_NE(entry.indexOf(line), -1) << line;
    const QByteArray package = Read(Path(PackageFile));
    EXPECT_NE(package.indexOf("<glob pattern=\"*.pgp\" weight=\"10\"/>"), -1);
    EXPECT_NE(package.indexOf("<magic priority=\"20\">"), -1);
    EXPECT_TRUE(Read(Path(IconFile)).startsWith("<svg"));
}

// Exec quotes the program and escapes what the quoting and the entry's string
// values reserve.
TEST_F(PgpAssociationTest, ExecEscapesThePath) {
    const struct { const char* program; const char* exec; } cases[] = {
        {"/usr/bin/vexilon", "Exec=\"/usr/bin/vexilon\" %f\n"},
        {"/a \"b\"/$HOME/x`y`", "Exec=\"/a \\\\\"b\\\\\"/\\\\$HOME/x\\\\`y\\\\`\" %f\n"},
        {"/back\\slash/100%/v", "Exec=\"/back\\\\\\\\slash/100%%/v\" %f\n"},
    };
    for (const auto& c : cases) {
        program = QString::fromUtf8(c.program);
        WritePgpAssociation(Place());
        EXPECT_NE(Read(Path(EntryFile)).indexOf(c.exec), -1) << Read(Path(EntryFile)).toStdString();
        if (HaveTool("desktop-file-validate")) {
            const ToolRun check = RunTool(QStringLiteral("desktop-file-validate"), {Path(EntryFile)});
            EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
            EXPECT_TRUE(check.out.isEmpty()) << check.out.toStdString();
        }
    }
}

// A second start writes nothing and runs no cache tool; a moved program
// rewrites only the entry.
TEST_F(PgpAssociationTest, OnlyWhatDiffersIsWritten) {
    EXPECT_EQ(WritePgpAssociation(Place()), 3);
    const QStringList watched = {EntryFile, PackageFile, IconFile, QStringLiteral("mime/mime.cache")};
    std::vector<Stamp> before;
    for (const QString& f : watched) before.push_back(StampOf(Path(f)));
    usleep(20000); // so that a rewrite would show in the times
    EXPECT_EQ(WritePgpAssociation(Place()), 0);
    for (int i = 0; i < watched.size(); ++i) EXPECT_TRUE(StampOf(Path(watched[i])) == before[i]) << watched[i].toStdString();

    program = QStringLiteral("/usr/local/bin/vexilon");
    EXPECT_EQ(WritePgpAssociation(Place()), 1);
    EXPECT_NE(Read(Path(EntryFile)).indexOf("Exec=\"/usr/local/bin/vexilon\" %f"), -1);
    EXPECT_TRUE(StampOf(Path(PackageFile)) == before[1]);
}

// With no folder given, $XDG_DATA_HOME when it is an absolute path, else
// ~/.local/share: an unset, empty or relative one is ignored, as the
// base-directory rules say.
TEST_F(PgpAssociationTest, TheDataFolderIsXdgDataHomeOnlyWhenAbsolute) {
    // The process's HOME, XDG_DATA_HOME and folder, given back at the end.
    struct Restore {
        bool hadXdg = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        QByteArray xdg = qgetenv("XDG_DATA_HOME"), userHome = qgetenv("HOME");
        QString folder = QDir::currentPath();
        ~Restore() {
            qputenv("HOME", userHome);
            if (hadXdg)
                qputenv("XDG_DATA_HOME", xdg);
            else
                qunsetenv("XDG_DATA_HOME");
            QDir::setCurrent(folder);
        }
    } restore;
    QTemporaryDir user, work;
    qputenv("HOME", user.path().toUtf8());
    // Where a relative folder would be taken from.
    ASSERT_TRUE(QDir::setCurrent(work.path()));
    const QString fallback = user.filePath(QStringLiteral(".local/share"));
    const QByteArray absolute = home.path().toUtf8();
    const struct { const char* xdg; QString folder; } cases[] = {
        {nullptr, fallback},
        {"", fallback},
        {"data/share", fallback},
        {"./share", fallback},
        {absolute.constData(), home.path()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xdg ? c.xdg : "unset");
        if (c.xdg)
            qputenv("XDG_DATA_HOME", c.xdg);
        else
            qunsetenv("XDG_DATA_HOME");
        EXPECT_EQ(WritePgpAssociation({QString(), program}), 3);
        EXPECT_TRUE(QFileInfo::exists(c.folder + QLatin1Char('/') + EntryFile));
        EXPECT_TRUE(QDir(work.path()).isEmpty());
        QDir(fallback).removeRecursively();
    }
}

TEST_F(PgpAssociationTest, TheUsersChoicesAreNeverWritten) {
    const QString choices = Path(QStringLiteral("applications/mimeapps.list"));
    const QByteArray mine = "[Default Applications]\napplication/x-vexilon-document=other.desktop;\n";
    Write(choices, mine);
    const Stamp before = StampOf(choices);
    EXPECT_EQ(WritePgpAssociation(Place()), 3);
    EXPECT_TRUE(StampOf(choices) == before);

    // Nor made where there were none.
    QTemporaryDir other;
    WritePgpAssociation({other.path(), program});
    EXPECT_FALSE(QFileInfo::exists(other.filePath(QStringLiteral("applications/mimeapps.list"))));
}

// A folder that cannot be written: nothing written, nothing said, no Qt
// warning, start-up goes on.
TEST_F(PgpAssociationTest, AFolderThatCannotBeWrittenStaysSilent) {
    RecordingMessageBox messages;
    static int warnings = 0;
    warnings = 0;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) { ++warnings; });

    const QString readOnly = Path(QStringLiteral("read-only"));
    ASSERT_TRUE(QDir().mkpath(readOnly));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
    QString blocked = readOnly;
    if (QFileInfo(readOnly).isWritable()) {
        // Running with the right to write anywhere: a folder below a plain file
        // cannot be made by anyone.
        Write(Path(QStringLiteral("plain-file")), "x");
        blocked = Path(QStringLiteral("plain-file/share"));
    }
    EXPECT_EQ(WritePgpAssociation({blocked, program}), 0);
    qInstallMessageHandler(previous);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(warnings, 0);
    EXPECT_TRUE(QDir(readOnly).isEmpty());
}

// A rewrite whose flush fails (a full disk) keeps the file it would replace,
// says nothing and counts nothing as written.
TEST_F(PgpAssociationTest, AFailedRewriteKeepsTheOldFile) {
    EXPECT_EQ(WritePgpAssociation(Place()), 3);
    const QByteArray entry = Read(Path(EntryFile));
    const QDir applications(Path(QStringLiteral("applications")));
    const QStringList files = applications.entryList(QDir::Files | QDir::Hidden);
    program = QStringLiteral("/usr/local/bin/vexilon");
    RecordingMessageBox messages;
    {
        FailingFileSystem disk(FailingFileSystem::Step::Flush);
        EXPECT_EQ(WritePgpAssociation(Place()), 0);
        EXPECT_EQ(disk.failures, 1);
    }
    EXPECT_EQ(Read(Path(EntryFile)), entry);
    EXPECT_EQ(applications.entryList(QDir::Files | QDir::Hidden), files);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(WritePgpAssociation(Place()), 1);
}

} // namespace
