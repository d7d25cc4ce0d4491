// Writing documents: the composed text, the file in place of an old one, the
// container's limit and the failures a user is told of.
#include "tests/support/RecordingServices.h"
#include "document/DocumentContainer.h"
#include "document/DocumentFile.h"
#include "document/DocumentReader.h"
#include "graph/GraphEnums.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::string FileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<none>";
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

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

TEST(SaveDocumentFile, TooLargeIsRefusedAndWritesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("big.pgp");
    Cls8 scene;
    auto t = std::make_shared<Cls9>();
    t->GraphType = GraphType::Table3D;
    t->StepU = t->StepV = 200;
    scene.FunSurfs.Add(t, "0");
    const std::string text = ComposeDocumentText(3, scene, Cls3{});
    EXPECT_FALSE(DocumentFitsContainer(text));
    RecordingMessageBox messages;
    EXPECT_EQ(SaveDocumentFile(path, text), SaveResult::TooLarge);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "文档太大，无法保存。");
    EXPECT_EQ(messages.Last().title, "出错");
    EXPECT_EQ(messages.Last().icon, MsgIcon::Critical);
    EXPECT_FALSE(QFile::exists(path));

    // The largest text that fits is written.
    const std::string fits = "S71 0 0 " + std::string(MaxDocumentTextBytes - 8, 'a');
    EXPECT_TRUE(DocumentFitsContainer(fits));
    EXPECT_EQ(SaveDocumentFile(path, fits), SaveResult::Written);
    EXPECT_EQ(FileBytes(path).size(), 4 + MaxDocumentTextBytes);
    EXPECT_EQ(FileBytes(path).substr(2, 2), "\xFF\xFF");
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

} // namespace
