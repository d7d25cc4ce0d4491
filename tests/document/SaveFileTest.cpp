// Writing documents: the composed text, the file in place of an old one, the
// container's two frames and the failures a user is told of.
#include "tests/support/RecordingServices.h"
#include "document/DocumentContainer.h"
#include "document/DocumentFile.h"
#include "document/DocumentReader.h"
#include "graph/GraphEnums.h"
#include "tests/document/DocumentFileBytes.h"
#include "tests/document/LargeDocuments.h"
#include "tests/document/SampleDocuments.h"
#include "tests/support/SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ComposeDocument, HeaderCountRecordsAndAxes) {
    Cls8 scene;
    EXPECT_EQ(ComposeDocumentText(1, scene, Cls3{}), "S71 0 0");
    struct Case { int kind; const char* header; };
    for (const Case c : {Case{2, "S73"}, Case{3, "S72"}, Case{7, "S77"}, Case{4, "S74"}, Case{0, "S71"}})
        EXPECT_EQ(ComposeDocumentText(c.kind, scene, Cls3{}).substr(0, 4), std::string(c.header) + " ");
    auto g = std::make_shared<Cls9>();
    g->ID = 4;
    scene.FunSurfs.Add(g, "4");
    Cls3 axes;
    axes.SetDefault();
    const std::string text = ComposeDocumentText(3, scene, axes);
    EXPECT_EQ(text, "S72 1 " + g->Save() + " " + axes.Save());
    EXPECT_EQ(text.back(), ' ');
}

TEST(SaveDocumentFile, ReplacesALongerFileWholly) {
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.pgp");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x'));
    old.close();

    Cls8 scene;
    auto g = std::make_shared<Cls9>();
    g->NameS = "抛物线 😀";
    scene.FunSurfs.Add(g, "0");
    RecordingMessageBox messages;
    ASSERT_EQ(SaveDocumentFile(path, ComposeDocumentText(1, scene, Cls3{})), SaveResult::Written);
    EXPECT_EQ(messages.Count(), 0u);
    const std::string bytes = FileBytes(path);
    const std::string_view text = UnframeDocumentText(bytes);
    EXPECT_EQ(bytes.size(), 4 + text.size());
    EXPECT_EQ(bytes.substr(0, 2), std::string("\x08\x00", 2));
    // GBK on disk; a character GBK cannot hold is written "?".
    EXPECT_NE(text.find("@\xC5\xD7\xCE\xEF\xCF\xDF ?@"), std::string::npos);
    EXPECT_EQ(ReadDocumentBytes(bytes, Cls3{}).Rows[0].Graph->NameS, "抛物线 ?");
}

// Up to 65,535 bytes a text has the short frame it always had; a longer one
// the long frame: tag 0x8008 and a 32-bit length.
TEST(DocumentContainer, ShortFrameUpTo65535BytesAndTheLongFrameBeyond) {
    struct Case {
        std::size_t size;
        std::string head;
    };
    const Case cases[] = {
        {1, std::string("\x08\x00\x01\x00", 4)},
        {300, std::string("\x08\x00\x2C\x01", 4)},
        {65535, std::string("\x08\x00\xFF\xFF", 4)},
        {65536, std::string("\x08\x80\x00\x00\x01\x00", 6)},
        {1234567, std::string("\x08\x80\x87\xD6\x12\x00", 6)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        std::string text(c.size, 'a');
        text.back() = 'z';
        const std::string framed = FrameDocumentText(text);
        EXPECT_EQ(framed.substr(0, c.head.size()), c.head);
        EXPECT_EQ(framed.size(), c.head.size() + c.size);
        EXPECT_EQ(FramedTextBytes(framed.substr(0, LongFrameHeadBytes)), framed.size());
        EXPECT_EQ(UnframeDocumentText(framed + "old tail"), text);
    }
}

TEST(DocumentContainer, BytesThatBeginNoWholeFramedTextAreRefused) {
    const std::string longFrame = FrameDocumentText(std::string(70000, 'x'));
    const std::string refused[] = {
        "",
        std::string("\x08", 1),
        std::string("\x08\x00\x05", 3),
        std::string("\x08\x00\x05\x00S71", 7),                  // cut short
        std::string("\x09\x00\x05\x00S71 0", 9),                // another tag
        std::string("\x08\x81\x05\x00\x00\x00S71 0", 11),     // another tag
        std::string("\x08\x80\x05\x00\x00", 5),                // the long head cut
        longFrame.substr(0, longFrame.size() - 1),               // the long text cut
        longFrame.substr(0, 65539),
        std::string("\x08\x80\xFF\xFF\xFF\xFFS71 0 0", 13),    // a length past the bytes
    };
    for (const std::string& bytes : refused)
        EXPECT_THROW(UnframeDocumentText(bytes), DocumentFormatError) << bytes.size() << " bytes";
}

TEST(SaveDocumentFile, AFolderThatDoesNotExistIsReported) {
    QTemporaryDir dir;
    const QString path = dir.filePath("no/such/folder/doc.pgp");
    RecordingMessageBox messages;
    EXPECT_EQ(SaveDocumentFile(path, "S71 0 0"), SaveResult::WriteFailed);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "无法保存文件：" + path.toStdString());
    EXPECT_EQ(messages.Last().title, "出错");
}

// A save that fails at any step, here on a file-system double, says so and
// leaves the old document byte for byte.
TEST(SaveDocumentFile, AFailedStepKeepsTheOldDocumentAndSaysSo) {
    using Step = FailingFileSystem::Step;
    QTemporaryDir dir;
    const QString path = dir.filePath("old.pgp");
    const std::string old = FramedFile("S71 0 0") + "old tail";
    const std::string text = ComposeDocumentText(3, SceneOf({LargestDistinctTable(1, 20, 20)}), Cls3{});
    for (const Step step : {Step::Create, Step::Write, Step::Flush, Step::Close, Step::Rename}) {
        SCOPED_TRACE(static_cast<int>(step));
        WriteBytes(path, old);
        FailingFileSystem files(step, 4096);
        RecordingMessageBox messages;
        EXPECT_EQ(SaveDocumentFile(path, text), SaveResult::WriteFailed);
        EXPECT_EQ(files.failures, 1);
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, "无法保存文件：" + path.toStdString());
        EXPECT_EQ(messages.Last().title, "出错");
        EXPECT_EQ(messages.Last().icon, MsgIcon::Critical);
        EXPECT_EQ(FileBytes(path), old);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

// The same on a real disk that fills up: 8 KB of tmpfs holding an old
// document, saved over with a document of some 13 KB.
TEST(SaveDocumentFile, AFullDiskKeepsTheOldDocumentAndSaysSo) {
    SmallDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
    const QString path = QString::fromStdString(disk.File("old.pgp"));
    const std::string old = FramedFile("S71 0 0");
    WriteBytes(path, old);
    const std::string text = ComposeDocumentText(3, SceneOf({LargestDistinctTable(1, 20, 20)}), Cls3{});
    ASSERT_GT(text.size(), 12000u);
    RecordingMessageBox messages;
    EXPECT_EQ(SaveDocumentFile(path, text), SaveResult::WriteFailed);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "无法保存文件：" + path.toStdString());
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(QDir(QString::fromStdString(disk.Folder())).entryList(QDir::Files | QDir::Hidden).size(), 1);
    // What fits is still written.
    EXPECT_EQ(SaveDocumentFile(path, "S71 0 0 "), SaveResult::Written);
}

} // namespace
