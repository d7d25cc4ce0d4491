// The main window's result pane: lines a drawing writes are added at the end
// of the box, never by setting the whole text again (a graph with thousands
// of roots would otherwise rewrite the box thousands of times).
#include "app/ResultBox.h"
#include "core/ResultPane.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTextCursor>
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

// A line of more than 4096 characters is shown as its first 4096 and "…" (a
// whole megabyte would take the box minutes to lay out); the pane's text keeps
// it whole, and the lines around it are shown as they are.
TEST(ResultBox, ALongLineIsShownCut) {
    const std::string megabyte = "函数 y=x" + std::string(1000000, 'x');
    const QString shownHead = QString::fromUtf8(megabyte.substr(0, 4096 + 6).c_str()).left(4096) + QChar(0x2026);
    const struct {
        const char* what;
        std::vector<std::string> appends;   // the first one set, the others appended
        QString shown;
    } cases[] = {
        {"a megabyte, then a short line", {megabyte + "\r\n", "    根: x=0\r\n"}, shownHead + "\n    根: x=0\n"},
        {"a short line, then a megabyte", {"    根: x=0\r\n", megabyte + "\r\n"}, "    根: x=0\n" + shownHead + "\n"},
        {"4096 characters", {std::string(4096, 'a') + "\r\n"}, QString(4096, 'a') + "\n"},
        {"4097 characters", {std::string(4097, 'a')}, QString(4096, 'a') + QChar(0x2026)},
        {"a long line over two appends", {"b\r\n" + std::string(3000, 'a'), std::string(3000, 'a') + "\r\nc"},
         "b\n" + QString(4096, 'a') + QChar(0x2026) + "\nc"},
        {"a character of two halves at the cut", {std::string(4095, 'a') + "😀" + std::string(10, 'a')},
         QString(4095, 'a') + QChar(0x2026)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QPlainTextEdit edit;
        ResultBox box(&edit);
        std::string whole;
        for (const std::string& text : c.appends) {
            if (whole.empty())
                box.SetText(text);
            else
                box.AppendText(text);
            whole += text;
        }
        EXPECT_EQ(box.Text(), whole);
        EXPECT_EQ(edit.toPlainText(), c.shown);
    }
}

// A copy of a selection that takes in a cut line's "…" gives the line's whole
// rest; a selection within the shown part of a line, or of short lines, is
// copied as shown.
TEST(ResultBox, ACopyTakesACutLineWhole) {
    const QString longLine = QStringLiteral("函数 y=") + QString(9000, QLatin1Char('x')) + QStringLiteral("+1");
    const std::string text = "a\r\n" + longLine.toStdString() + "\r\nb\r\n";
    const int lineStart = 2;                                  // after "a\n"
    const int ellipsis = lineStart + 4096;                    // where the "…" is shown
    const int nextLine = ellipsis + 2;                        // after "…\n"
    const struct {
        const char* what;
        int from, to;
        QString copied;
    } cases[] = {
        {"everything", 0, nextLine + 2, "a\n" + longLine + "\nb\n"},
        {"the cut line from its middle to the next line", lineStart + 10, nextLine + 1,
         longLine.mid(10) + "\nb"},
        {"only the \"…\"", ellipsis, ellipsis + 1, longLine.mid(4096)},
        {"within the shown part", lineStart + 3, lineStart + 7, longLine.mid(3, 4)},
        {"short lines only", nextLine, nextLine + 2, "b\n"},
        {"a line end before the cut line", 1, lineStart + 2, "\n" + longLine.left(2)},
    };
    ResultEdit edit;
    edit.setReadOnly(true);
    ResultBox box(&edit);
    box.SetText(text);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTextCursor cursor(edit.document());
        cursor.setPosition(c.from);
        cursor.setPosition(c.to, QTextCursor::KeepAnchor);
        edit.setTextCursor(cursor);
        QGuiApplication::clipboard()->clear();
        edit.copy();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), c.copied);
    }
}

} // namespace
