// Documents of generations 0, 1 and 2: each hand-written file reads to the
// kind, rotation, rows, IDs, animation values and axes the format gives it,
// or is refused with the format message; reading changes no program state.
#include "core/Globals.h"
#include "document/DocumentFile.h"
#include "tests/document/DocumentFileBytes.h"
#include "tests/document/GraphFields.h"
#include "tests/document/OldDocuments.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Opens the fixture's file over OldFixtureAxes() and checks what it reads to
// (an assertion ends this fixture's checks only).
void ExpectOpensAsFixture(const OldDocumentFixture& c, const QString& path) {
    ASSERT_NO_FATAL_FAILURE(WriteBytes(path, c.bytes));

    RecordingMessageBox messages;
    const auto doc = LoadDocument(path, OldFixtureAxes());
    if (c.damaged) {
        EXPECT_FALSE(doc.has_value());
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, "文件格式不正确。");
        EXPECT_EQ(messages.Last().title, "出错");
        EXPECT_EQ(messages.Last().icon, MsgIcon::Critical);
        return;
    }
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(doc->DocumentKind, c.kind);
    EXPECT_EQ(doc->RotRoll, 0);
    EXPECT_EQ(doc->RotPitch, c.pitch);
    EXPECT_EQ(doc->RotYaw, c.yaw);
    ASSERT_EQ(doc->Rows.size(), c.rows.size());
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
        EXPECT_EQ(doc->Rows[i].Label, c.rows[i].label) << "row " << i;
        ExpectSameRecordFields(*doc->Rows[i].Graph, *c.rows[i].graph);
    }
    EXPECT_EQ(doc->GraphIDCounter, c.idCounter);
    ASSERT_EQ(doc->Animation.has_value(), c.animation.has_value());
    if (c.animation) {
        EXPECT_EQ(doc->Animation->FrameCount, c.animation->FrameCount);
        EXPECT_EQ(doc->Animation->FramesPerSecond, c.animation->FramesPerSecond);
    }
    EXPECT_EQ(doc->FillsAnimationBoxes, c.fillsBoxes);
    ExpectSameAxes(doc->Axes, c.axes);
}

TEST(OldDocuments, TheContainerIsWrittenByHand) {
    EXPECT_EQ(OldFile({"S2", "0"}), std::string("\x08\x00\x04\x00\x53\x32\x20\x30", 8));
}

TEST(OldDocuments, EachFileReadsAsItsFormatSays) {
    ProgramStateGuard state;
    QTemporaryDir dir;
    DocumentKind = 3;
    FrameCount = 30;
    FramesPerSecond = 7;
    for (const OldDocumentFixture& c : OldDocumentFixtures()) {
        SCOPED_TRACE(c.name);
        ExpectOpensAsFixture(c, dir.filePath("old.pgp"));
        EXPECT_EQ(DocumentKind, 3);
        EXPECT_EQ(FrameCount, 30);
        EXPECT_EQ(FramesPerSecond, 7);
    }
}

} // namespace
