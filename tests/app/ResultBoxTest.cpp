// The main window's result pane: lines a drawing writes are added at the end
// of the box, never by setting the whole text again (a graph with thousands
// of roots would otherwise rewrite the box thousands of times).
#include "app/ResultBox.h"
#include "core/ResultPane.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct Change {
    int position, removed, added;
};

TEST(ResultBox, LinesAreAddedAtTheEndOfTheBoxAndItsCursorStaysAtTheStart) {
    QPlainTextEdit edit;
    edit.setReadOnly(true);
    ResultBox box(&edit);
    ResultPane* before = &Result();
    SetResultPane(&box);

    box.SetText("函数 y=0\r\n");
    std::vector<Change> changes;
    QObject::connect(edit.document(), &QTextDocument::contentsChange,
                     [&](int position, int removed, int added) { changes.push_back({position, removed, added}); });
    const int headLength = int(edit.toPlainText().size());
    AppendResultLine("    根: x=0,y=0");
    AppendResultLine("");
    SetResultPane(before);

    EXPECT_EQ(box.Text(), "函数 y=0\r\n    根: x=0,y=0\r\n\r\n");
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("函数 y=0\n    根: x=0,y=0\n\n"));
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].position, headLength);
    EXPECT_EQ(changes[0].removed, 0);
    EXPECT_EQ(changes[1].removed, 0);
    EXPECT_EQ(edit.textCursor().position(), 0);
    EXPECT_FALSE(edit.document()->isUndoAvailable());

    // Setting the text still replaces it; a CrLf split across two appends is one line end.
    box.SetText("x\r");
    box.AppendText("\ny\r\n");
    EXPECT_EQ(box.Text(), "x\r\ny\r\n");
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("x\ny\n"));
}

} // namespace
