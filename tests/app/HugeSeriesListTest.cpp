// A document whose series would sum 10^9 terms at every sample, put into the
// window as opening a document does (each read row appended and ticked): the
// window lists it, shows the refusal once and goes on drawing the others.
#include "core/Globals.h"
#include "document/DocumentFile.h"
#include "document/DocumentReader.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DialogGraphs.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using HugeSeriesList = MainWindowFixture;

TEST_F(HugeSeriesList, IsListedUnsampledWithItsMessage) {
    Start();
    auto series = SeriesGraph("x^n", 0, 1, 1'000'000'000, -1, 1, 300);
    series->ID = 1;
    auto quick = SeriesGraph("x^n", 1, 1, 10, -1, 1, 300);
    quick->ID = 2;
    Cls8 scene;
    Add(scene, series);
    Add(scene, quick);
    const LoadedDocument doc = ReadDocumentText(ComposeDocumentText(1, scene, Cls3{}), Cls3{});
    ASSERT_EQ(doc.Rows.size(), 2u);

    RecordingMessageBox messages;
    const auto start = std::chrono::steady_clock::now();
    for (const DocumentRow& row : doc.Rows) {
        Add(DocumentScene, row.Graph);
        W().AddTickedRow(row.Label);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(W().RowText(0), "级数 x^n");
    EXPECT_EQ(VisibleScene.FunSurfs.Count(), 2);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "级数的项数太多。");
    EXPECT_FALSE(doc.Rows[0].Graph->Vert3D.Exists());
    EXPECT_TRUE(doc.Rows[1].Graph->Vert3D.Exists());
    // The last graph drawn wrote its header line.
    EXPECT_EQ(Result().Text(), "函数 y=x^n\r\n");
}

} // namespace
