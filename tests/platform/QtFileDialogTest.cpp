// The filter text of the file-dialog service as Qt's name filters.
#include "platform/QtFileDialog.h"

#include <gtest/gtest.h>

TEST(QtFileDialog, FilterTextBecomesNameFilters) {
    struct Case {
        const char* filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"(*.pgp)|*.pgp", {QStringLiteral("(*.pgp)")}},
        {"AVI Files|*.avi", {QStringLiteral("AVI Files (*.avi)")}},
        {"AVI Files:*.avi:", {QStringLiteral("AVI Files (*.avi)")}},
        {"*.pgp|*.pgp|*.bmp|*.bmp", {QStringLiteral("*.pgp (*.pgp)"), QStringLiteral("*.bmp (*.bmp)")}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(QtFileDialog::NameFilters(c.filter), c.expected) << c.filter;
}
