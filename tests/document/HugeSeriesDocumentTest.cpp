// A document holding a series of 10^9 terms per sample: it is read and
// listed, and its sampling is refused at once instead of running for hours.
#include "core/Globals.h"
#include "document/DocumentFile.h"
#include "document/DocumentReader.h"
#include "tests/document/SampleDocuments.h"
#include "tests/support/DialogGraphs.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

TEST(HugeSeriesDocument, IsListedAndItsSamplingRefusedQuickly) {
    ProgramStateGuard state;
    auto series = SeriesGraph("x^n", 0, 1, 1'000'000'000, -1, 1, 300);
    series->ID = 4;
    const std::string text = ComposeDocumentText(1, SceneOf({series}), Cls3{});

    RecordingMessageBox messages;
    const LoadedDocument doc = ReadDocumentText(text, Cls3{});
    ASSERT_EQ(doc.Rows.size(), 1u);
    EXPECT_EQ(doc.Rows[0].Label, "级数 x^n");
    Cls9& read = *doc.Rows[0].Graph;
    EXPECT_EQ(read.SeriesN2, 1'000'000'000);
    EXPECT_EQ(messages.Count(), 0u);

    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(read.GetPoints());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "级数的项数太多。");
    EXPECT_EQ(messages.Last().title, "出错");
    EXPECT_FALSE(read.Vert3D.Exists()); // unsampled
}

} // namespace
