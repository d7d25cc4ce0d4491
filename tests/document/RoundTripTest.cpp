// Documents written by the writer and read back by the reader: every field of
// every record kind comes back, and the records have the format's token counts.
#include "core/Globals.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"
#include "document/DocumentFile.h"
#include "document/DocumentReader.h"
#include "document/TokenReader.h"
#include "graph/GraphEnums.h"
#include "tests/document/GraphFields.h"
#include "tests/document/SampleDocuments.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// What a free text reads back as: the "@" before a blank was written "＠".
std::string ReadBackText(std::string text) {
    for (std::size_t at = text.find("@ "); at != std::string::npos; at = text.find("@ ", at))
        text.replace(at, 1, "＠");
    return text;
}

TEST(DocumentRoundTrip, EveryFieldOfEveryKindComesBack) {
    ProgramStateGuard state;
    QTemporaryDir dir;
    RecordingMessageBox messages;
    for (const SampleDocument& sample : RoundTripDocuments()) {
        SCOPED_TRACE(sample.name);
        const Cls8 scene = SceneOf(sample.graphs);
        FrameCount = SampleFrameCount;
        FramesPerSecond = SampleFramesPerSecond;
        const QString path = dir.filePath(QString::fromStdString(sample.name + ".pgp"));
        ASSERT_EQ(SaveDocumentFile(path, ComposeDocumentText(sample.documentKind, scene, SampleAxes())),
                  SaveResult::Written);
        FrameCount = 10;
        FramesPerSecond = 10;

        const auto doc = LoadDocument(path, Cls3{});
        ASSERT_TRUE(doc.has_value());
        EXPECT_EQ(messages.Count(), 0u);
        EXPECT_EQ(doc->DocumentKind, sample.documentKind);
        ASSERT_EQ(doc->Rows.size(), sample.graphs.size());
        for (std::size_t i = 0; i < sample.graphs.size(); ++i) {
            Cls9& written = *sample.graphs[i];
            Cls9& read = *doc->Rows[i].Graph;
            written.NameS = ReadBackText(written.NameS);
            ExpectSameGraphFields(written, read);
        }
        Cls3 axes = SampleAxes();
        axes.TitleX = ReadBackText(axes.TitleX);
        ExpectSameAxes(doc->Axes, axes);
        EXPECT_EQ(doc->Axes.TitleX, "a＠ b");
        EXPECT_EQ(doc->Axes.TitleY, "@");
        EXPECT_EQ(doc->Axes.TitleZ, "时间 (s)");
        const bool animated = sample.documentKind == 1;
        ASSERT_EQ(doc->Animation.has_value(), animated);
        if (animated) {
            EXPECT_EQ(doc->Animation->FrameCount, SampleFrameCount);
            EXPECT_EQ(doc->Animation->FramesPerSecond, SampleFramesPerSecond);
        }
        EXPECT_TRUE(doc->FillsAnimationBoxes);
    }
}

TEST(DocumentRoundTrip, NamesBoundsAndTextureReadBackExactly) {
    const auto docs = RoundTripDocuments();
    Cls8 scene;
    for (const auto& g : docs[0].graphs) scene.FunSurfs.Add(g, GraphKey(*g));
    for (const auto& g : docs[1].graphs) scene.FunSurfs.Add(g, GraphKey(*g));
    const std::string text = ComposeDocumentText(1, scene, Cls3{});
    const LoadedDocument doc = ReadDocumentText(text, Cls3{});
    const auto& rows = doc.Rows;
    ASSERT_EQ(rows.size(), docs[0].graphs.size() + docs[1].graphs.size());
    EXPECT_EQ(rows[0].Graph->NameS, "y = x^2 的图形");
    EXPECT_EQ(rows[0].Graph->MinU, 0.1f);
    EXPECT_EQ(rows[0].Graph->MaxU, 3.14159265f);
    EXPECT_NE(text.find(" 0.1 3.1415927 "), std::string::npos);
    EXPECT_EQ(rows[1].Graph->NameS, "a＠ b");
    EXPECT_EQ(rows[2].Graph->NameS, " lead");
    EXPECT_EQ(rows[3].Graph->NameS, "");
    EXPECT_EQ(rows[4].Graph->NameS, "two  blanks ");
    EXPECT_EQ(rows[5].Graph->NameS, "数据 表");
    EXPECT_EQ(rows[6].Graph->NameS, "@");
    EXPECT_EQ(rows[7].Graph->TexName, "textures/大理石 1.bmp");
    EXPECT_EQ(rows[7].Graph->TransAlpha, 0.35f);
    EXPECT_NE(text.find(" 1 2 1 0.35 @textures/大理石 1.bmp@ "), std::string::npos);
    EXPECT_EQ(rows[6].Graph->VertTab3D(0, 200).x, 17.0f);
}

std::size_t TokenCount(const std::string& record) { return SplitTokens(record).size(); }

TEST(RecordTokens, GraphAndTableRecordsHaveTheFormatsCounts) {
    Cls9 g;
    g.NameS = "Untitled";
    const std::string record = g.Save();
    EXPECT_EQ(TokenCount(record), 139u);
    EXPECT_EQ(record.substr(0, 14), "0 0 @Untitled@");
    EXPECT_NE(record.back(), ' ');
    g.Animation = true;
    EXPECT_EQ(TokenCount(g.Save()), 143u);
    // One more token per blank of a name, one per list value, two per pair.
    auto filled = FilledGraph(1, GraphType::Function2D, 1, 2);
    filled->NameS = "a b  c";
    EXPECT_EQ(TokenCount(filled->Save()), 139u + 3 + (3 + 2 + 1) + 2 * (2 + 1));

    Cls9 table;
    table.GraphType = GraphType::Table2D;
    table.NameS = "t";
    table.StepU = 1;
    table.StepV = 2;
    table.VertTab3D(0, 0).x = 1.5f;
    table.VertTab3D(0, 2).z = -2;
    const std::string t = table.SaveTable();
    EXPECT_EQ(TokenCount(t), 39u);
    EXPECT_EQ(t, "4 0 @t@ 0 0 0 0 0 0 3 3 1 2 1.5 0 0 0 0 0 0 0 -2 0 0 0 0 0 0 0 0 0 1 1 1 2 0 65280 1 1");
    // Writing created every point of the grid.
    EXPECT_NE(table.VertTab3D.Find(1, 2), nullptr);
}

TEST(RecordTokens, SceneWritesEachRecordWithABlankAndSkipsUnknownKinds) {
    Cls8 scene;
    auto a = std::make_shared<Cls9>();
    a->ID = 1;
    auto odd = std::make_shared<Cls9>();
    odd->ID = 2;
    odd->GraphType = 16;
    auto t = std::make_shared<Cls9>();
    t->ID = 3;
    t->GraphType = GraphType::Table3D;
    t->StepU = t->StepV = 0;
    scene.FunSurfs.Add(a, "1");
    scene.FunSurfs.Add(odd, "2");
    scene.FunSurfs.Add(t, "3");
    EXPECT_EQ(scene.Save(), a->Save() + " " + t->SaveTable() + " ");
    EXPECT_EQ(Cls8{}.Save(), "");
}

} // namespace
