// Files that are no readable document: each shows its message, gives nothing
// to apply and changes no program state.
#include "core/Globals.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"
#include "document/DocumentContainer.h"
#include "document/DocumentFile.h"
#include "document/DocumentReader.h"
#include "scene/Cls8.h"
#include "tests/document/DocumentFileBytes.h"
#include "tests/document/LargeDocuments.h"
#include "tests/document/SampleDocuments.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>

namespace {

std::string Zeros(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "0 ";
    return s;
}

// A generation-3 point record (30 tokens) with the given ID.
std::string PointRecord(const std::string& id) {
    return "7 " + id + " n 1 x y z 5 6 1 2 3 4 " + Zeros(9) + "3 0 0 2 1 0 0 7 ";
}

// A generation-7 plane record with every list empty but the one whose count is given.
std::string CurvRecord(const std::string& count) {
    Cls9 g;
    std::string r = g.Save();
    // Field 64, CurvNum, is token 60 of a record that is not animated.
    auto tokens = SplitTokens(r);
    if (tokens.size() < 60) {
        ADD_FAILURE() << "a plane record of " << tokens.size() << " tokens";
        return r;
    }
    tokens[59] = count;
    std::string out;
    for (const auto& t : tokens) out += t + " ";
    return out;
}

std::string TableRecord(const std::string& lineColor, const std::string& stepU, const std::string& stepV) {
    return "4 1 @t@ " + lineColor + " 2 0 0 0 1 3 3 " + stepU + " " + stepV + " " + Zeros(12) + Zeros(8);
}

struct HostileCase {
    const char* name;
    std::string bytes;
    const char* reason; // part of the reader's own account of the fault
};

std::vector<HostileCase> HostileFiles() {
    const std::string good = "S31 1 " + PointRecord("1") + "0";
    const char* ends = "ends before";
    const char* header = "unknown document header";
    return {
        {"empty file", "", "shorter than a container"},
        {"shorter than the container", std::string("\x08\x00\x05", 3), "shorter than a container"},
        {"not a framed text", std::string("\x09\x00\x05\x00S71 0", 9) + " 0", "not a framed text"},
        {"text cut short", FramedFile(good).substr(0, 30), "cut short"},
        {"empty text", FramedFile(""), ends},
        {"unknown header", FramedFile("S17 0 0"), header},
        {"header of another generation", FramedFile("S81 0 0"), header},
        {"lower-case header", FramedFile("s71 0 0"), header},
        {"a blank before the header", FramedFile(" S71 0 0"), header},
        {"type naming no graph", FramedFile("S31 2 " + PointRecord("1") + "16 " + PointRecord("2") + "0"),
         "names no graph type"},
        {"type with a leading zero", FramedFile("S31 1 07" + PointRecord("1").substr(1) + "0"), "names no graph type"},
        {"record cut short", FramedFile("S71 1 0 1 @a@ 1 x+x+x+x+x+x"), ends},
        {"count beyond the records", FramedFile("S31 2 " + PointRecord("1") + "0"), ends},
        {"no axes record", FramedFile("S31 1 " + PointRecord("1")), ends},
        {"negative count", FramedFile("S71 -1 0"), "negative record count"},
        {"list count 51", FramedFile("S71 1 " + CurvRecord("51") + "0"), "list count"},
        {"negative list count", FramedFile("S71 1 " + CurvRecord("-1") + "0"), "list count"},
        {"grid side 201", FramedFile("S31 1 " + TableRecord("1", "1", "201") + "0"), "grid side"},
        {"negative grid side", FramedFile("S31 1 " + TableRecord("1", "-1", "0") + "0"), "grid side"},
        {"grid longer than the text", FramedFile("S31 1 " + TableRecord("1", "200", "200") + "0"), "inside the table grid"},
        {"strict field with letters", FramedFile("S31 1 " + TableRecord("12a", "1", "1") + "0"), "not wholly"},
        {"empty strict field", FramedFile("S31 1 " + TableRecord("", "1", "1") + "0"), "not wholly"},
        {"whole number beyond 32 bits", FramedFile("S31 1 " + PointRecord("99999999999") + "0"), "beyond 32 bits"},
        {"real number beyond single", FramedFile("S31 1 " + PointRecord("1").replace(18, 1, "1E39") + "0"),
         "beyond the single"},
        {"an ID leaving the counter no room", FramedFile("S31 1 " + PointRecord("2147483647") + "0"), "no room"},
        {"repeated ID", FramedFile("S31 2 " + PointRecord("3") + PointRecord("3") + "0"), "repeated"},
        {"unterminated name", FramedFile("S71 1 0 1 @a b c d e f g"), "closing mark"},
        {"unterminated axis title", FramedFile("S71 0 1 " + Zeros(24) + "@x"), "closing mark"},
        // A record takes at least 16 bytes: a count is judged against the
        // bytes after it, whatever the count.
        {"a count the rest of the text cannot hold", FramedFile("S71 10001 0"), "more graphs"},
        {"two records in 31 bytes", FramedFile("S71 2 " + std::string(31, 'x')), "more graphs"},
        {"two records in 32 bytes", FramedFile("S71 2 " + std::string(32, 'x')), "names no graph type"},
        {"the largest count", FramedFile("S71 2147483647 " + Zeros(64)), "more graphs"},
        {"a long frame declaring 1 GiB in 4 KB",
         std::string("\x08\x80\x00\x00\x00\x40S71 0 0 ", 14) + std::string(4096 - 14, '0'), "cut short"},
    };
}

TEST(HostileFiles, EachShowsTheFormatMessageAndChangesNothing) {
    ProgramStateGuard state;
    QTemporaryDir dir;
    DocumentKind = 3;
    FrameCount = 30;
    FramesPerSecond = 7;
    Cls3 axes = SampleAxes();
    const std::string axesBefore = axes.Save();
    for (const HostileCase& c : HostileFiles()) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath("hostile.pgp");
        ASSERT_NO_FATAL_FAILURE(WriteBytes(path, c.bytes));

        try {
            ReadDocumentBytes(c.bytes, axes);
            ADD_FAILURE() << "read";
        } catch (const DocumentFormatError& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
        }
        RecordingMessageBox messages;
        EXPECT_FALSE(LoadDocument(path, axes).has_value());
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, "文件格式不正确。");
        EXPECT_EQ(messages.Last().title, "出错");
        EXPECT_EQ(messages.Last().icon, MsgIcon::Critical);
        EXPECT_EQ(DocumentKind, 3);
        EXPECT_EQ(FrameCount, 30);
        EXPECT_EQ(FramesPerSecond, 7);
        EXPECT_EQ(axes.Save(), axesBefore);
    }
}

// Large files that are no document: the format message, and the reading stops
// at the first fault, long before the end of the text.
TEST(HostileFiles, LargeOnesAreRefusedAtTheirFirstFault) {
    ProgramStateGuard state;
    QTemporaryDir dir;
    const QString path = dir.filePath("large.pgp");
    for (const HostileDocument& c : LargeHostileDocuments()) {
        SCOPED_TRACE(c.name);
        const FrameHead frame = ReadFrameHead(c.bytes);
        const std::string_view text = std::string_view(c.bytes).substr(frame.HeadBytes);
        ASSERT_EQ(text.size(), frame.TextBytes);
        std::size_t given = 0;
        const auto source = [&](char* into, std::size_t most) {
            const std::size_t n = std::min(most, text.size() - given);
            std::memcpy(into, text.data() + given, n);
            given += n;
            return n;
        };
        EXPECT_THROW(ReadDocumentFrom(frame.TextBytes, source, Cls3{}), DocumentFormatError);
        EXPECT_LT(given, text.size() / 16);
        EXPECT_THROW(ReadDocumentBytes(c.bytes, Cls3{}), DocumentFormatError);

        ASSERT_NO_FATAL_FAILURE(WriteBytes(path, c.bytes));
        RecordingMessageBox messages;
        EXPECT_FALSE(LoadDocument(path, Cls3{}).has_value());
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, "文件格式不正确。");
    }
}

// A long frame declaring 1 GiB in a sparse file of that size: only the text
// the reading reaches is read. NUL bytes are refused at their first token; a
// document followed by them opens.
TEST(HostileFiles, ASparseFileDeclaringAGibibyte) {
    QTemporaryDir dir;
    const QString path = dir.filePath("sparse.pgp");
    constexpr qint64 kDeclared = qint64{1} << 30;
    const std::string head("\x08\x80\x00\x00\x00\x40", 6);
    for (const std::string& start : {std::string(), std::string("S71 0 0 ")}) {
        SCOPED_TRACE(start);
        ASSERT_NO_FATAL_FAILURE(WriteBytes(path, head + start));
        QFile file(path);
        ASSERT_TRUE(file.resize(LongFrameHeadBytes + kDeclared));
        RecordingMessageBox messages;
        const auto doc = LoadDocument(path, Cls3{});
        EXPECT_EQ(doc.has_value(), !start.empty());
        if (doc) {
            EXPECT_TRUE(doc->Rows.empty());
            EXPECT_EQ(messages.Count(), 0u);
        } else {
            ASSERT_EQ(messages.Count(), 1u);
            EXPECT_EQ(messages.Last().text, "文件格式不正确。");
        }
    }
}

TEST(HostileFiles, TheGoodFilesBesideThemOpen) {
    const std::string good = "S31 1 " + PointRecord("1") + "0";
    RecordingMessageBox messages;
    EXPECT_EQ(ReadDocumentBytes(FramedFile(good) + "tail", Cls3{}).Rows.size(), 1u);
    // More than 10,000 graphs, in the shortest records of the oldest generation.
    std::string many = "S1 10001 ";
    for (int id = 1; id <= 10001; ++id) many += "0 " + std::to_string(id) + " n 1 x y z 1 1 0 1 0 1 0 0 0 0 0 0 3 3 ";
    EXPECT_EQ(ReadDocumentBytes(FrameDocumentText(many), Cls3{}).Rows.size(), 10001u);
    // The shortest records a document can hold: table records of generation
    // 3 with a grid of one point, every field that may be empty empty (16
    // tokens in 20 bytes).
    std::string tight = "S31 9 ";
    for (int id = 1; id <= 9; ++id) tight += "4 " + std::to_string(id) + "  0 0 " + std::string(11, ' ');
    tight += "0";
    EXPECT_EQ(ReadDocumentBytes(FrameDocumentText(tight), Cls3{}).Rows.size(), 9u);
    // The oldest generations read too.
    for (const char* old : {"S11 0 0", "S1 0", "S21 0 0"})
        EXPECT_TRUE(ReadDocumentBytes(FramedFile(old), Cls3{}).Rows.empty()) << old;
    EXPECT_EQ(messages.Count(), 0u);
}

// The resident memory of this process, in bytes.
std::int64_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::int64_t pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// A table holds memory for the rows of points it has, not for the whole grid
// of 201 by 201: 2000 of the shortest tables (40 KB of text) take a few
// megabytes once read, where 2000 whole grids would take 1.3 GB (and a few
// megabytes of text all the memory there is).
TEST(HostileFiles, ShortTablesTakeLittleMemory) {
    std::string text = "S31 2000 ";
    for (int id = 1; id <= 2000; ++id) text += "4 " + std::to_string(id) + "  0 0 " + std::string(11, ' ');
    text += "0";
    const std::string file = FrameDocumentText(text);
    const std::int64_t before = ResidentBytes();
    const LoadedDocument doc = ReadDocumentBytes(file, Cls3{});
    const std::int64_t grown = ResidentBytes() - before;
    ASSERT_EQ(doc.Rows.size(), 2000u);
    EXPECT_LT(grown, 100 << 20) << grown;
}

TEST(OpeningFiles, MissingFileAndEmptyPath) {
    QTemporaryDir dir;
    RecordingMessageBox messages;
    EXPECT_FALSE(LoadDocument(QString(), Cls3{}).has_value());
    EXPECT_EQ(messages.Count(), 0u);

    const QString missing = dir.filePath("无此文件.pgp");
    EXPECT_FALSE(LoadDocument(missing, Cls3{}).has_value());
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "无法打开文件：" + missing.toStdString());
    EXPECT_EQ(messages.Last().title, "出错");

    messages.Clear();
    EXPECT_FALSE(LoadDocument(dir.path(), Cls3{}).has_value());
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().title, "出错");
}

} // namespace
