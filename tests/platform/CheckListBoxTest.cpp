// The graph list's rows: a row longer than anyone reads is shown cut, so the
// list does not lay out a megabyte each time it measures its rows; the row's
// text stays whole.
#include "platform/CheckListBox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CheckListBox, ALongRowIsShownCutAndKeptWhole) {
    const std::string megabyte = "二维曲线  y=x" + std::string(1000000, 'x');
    const struct {
        std::string text;
        QString shown;
    } cases[] = {
        {"二维曲线  y=x^2", QStringLiteral("二维曲线  y=x^2")},
        {std::string(4096, 'a'), QString(4096, 'a')},
        {std::string(4097, 'a'), QString(4096, 'a') + QChar(0x2026)},
        {megabyte, QString::fromStdString(megabyte).left(4096) + QChar(0x2026)},
    };
    CheckListBox list;
    int reports = 0;
    list.onItemCheck = [&](int) { ++reports; };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        list.AddItem(c.text);
        const int row = list.ListCount() - 1;
        EXPECT_EQ(list.ItemText(row), c.text);
        EXPECT_EQ(list.item(row)->text(), c.shown);
        // A new text for the row replaces both.
        list.SetItemText(row, "short");
        EXPECT_EQ(list.ItemText(row), "short");
        EXPECT_EQ(list.item(row)->text(), QStringLiteral("short"));
        list.SetItemText(row, c.text);
        EXPECT_EQ(list.ItemText(row), c.text);
        EXPECT_EQ(list.item(row)->text(), c.shown);
    }
    EXPECT_EQ(reports, 0);
}

} // namespace
