// Documents beyond 65,535 bytes and 5000 tokens: the largest table, a
// document of 60 graphs and one of 10,001 save and reopen with every value,
// and such a document cut short or damaged is refused whole.
#include "core/Globals.h"
#include "document/DocumentContainer.h"
#include "document/DocumentFile.h"
#include "document/DocumentReader.h"
#include "document/TokenReader.h"
#include "tests/document/DocumentFileBytes.h"
#include "tests/document/GraphFields.h"
#include "tests/document/LargeDocuments.h"
#include "tests/document/SampleDocuments.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <iterator>

namespace {

// The least text and tokens of each of LargeDocuments(), in its order, then
// of ManyGraphsDocument().
struct LeastSize {
    const char* name;
    std::size_t bytes;
    std::size_t tokens;
};
constexpr LeastSize LeastSizes[] = {
    {"table of 201 by 201", 1'000'000, 120'000},
    {"60 graphs", 0, 8000},
    {"10,001 points", 0, 10001 * 100},
};

std::string TextOf(const LargeDocument& d) {
    return ComposeDocumentText(d.kind, SceneOf(d.graphs), Cls3{});
}

TEST(LargeDocument, SavesAndReopensWithEveryValue) {
    ProgramStateGuard state;
    QTemporaryDir dir;
    RecordingMessageBox messages;
    std::vector<LargeDocument> docs = LargeDocuments();
    docs.push_back(ManyGraphsDocument());
    ASSERT_EQ(docs.size(), std::size(LeastSizes));
    for (std::size_t n = 0; n < docs.size(); ++n) {
        const LargeDocument& d = docs[n];
        const LeastSize& least = LeastSizes[n];
        SCOPED_TRACE(d.name);
        ASSERT_EQ(d.name, least.name);
        FrameCount = 21;
        FramesPerSecond = 7;
        const std::string text = TextOf(d);
        EXPECT_GE(text.size(), least.bytes);
        EXPECT_GE(SplitTokens(text).size(), least.tokens);
        const QString path = dir.filePath("large.pgp");
        WriteBytes(path, std::string(100, 'o'));
        ASSERT_EQ(SaveDocumentFile(path, text), SaveResult::Written);
        const std::string bytes = FileBytes(path);
        EXPECT_EQ(bytes.substr(0, 2), text.size() > 65535 ? "\x08\x80" : std::string("\x08\x00", 2));
        FrameCount = 10;
        FramesPerSecond = 10;

        const auto doc = LoadDocument(path, Cls3{});
        ASSERT_TRUE(doc.has_value());
        EXPECT_EQ(messages.Count(), 0u);
        EXPECT_EQ(doc->DocumentKind, d.kind);
        ASSERT_EQ(doc->Rows.size(), d.graphs.size());
        for (std::size_t i = 0; i < d.graphs.size(); ++i) {
            ExpectSameGraphFields(*d.graphs[i], *doc->Rows[i].Graph);
        }
    }
}

// Every cut of a large document's file, and damage in its middle, is refused
// with "文件格式不正确。" and gives nothing.
TEST(LargeDocument, CutShortOrDamagedIsRefusedWhole) {
    ProgramStateGuard state;
    QTemporaryDir dir;
    const std::string text = TextOf(LargeDocuments()[0]);
    const std::string file = FrameDocumentText(text);
    std::vector<std::string> tokens = SplitTokens(text);
    const auto joined = [](const std::vector<std::string>& t) {
        std::string r;
        for (const std::string& token : t) r += token + " ";
        return r;
    };
    const std::size_t middle = tokens.size() / 2;
    std::vector<std::string> missing = tokens;
    missing.erase(missing.begin() + std::ptrdiff_t(middle));
    std::vector<std::string> beyond = tokens;
    beyond[middle] = "1E39";
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"in the head", file.substr(0, 5)},
        {"after the head", file.substr(0, 6)},
        {"in the middle", file.substr(0, file.size() / 2)},
        {"the last byte", file.substr(0, file.size() - 1)},
        {"at 65,539 bytes", file.substr(0, 65539)},
        {"a length of 4 GB in 13 bytes", std::string("\x08\x80\xFF\xFF\xFF\xFFS71 0 0", 13)},
        {"a token missing in the middle", FrameDocumentText(joined(missing))},
        {"a value beyond a float in the middle", FrameDocumentText(joined(beyond))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = dir.filePath("cut.pgp");
        WriteBytes(path, c.bytes);
        RecordingMessageBox messages;
        EXPECT_FALSE(LoadDocument(path, Cls3{}).has_value());
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, "文件格式不正确。");
    }
}

} // namespace
