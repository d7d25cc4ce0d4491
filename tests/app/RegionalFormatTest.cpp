// The tick labels of space and strip axes in the desktop's number format,
// run under several locales (ctest: test_app_locale_*); nothing else changes
// its numbers with the locale.
#include "app/RegionalFormat.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/RegionalNumbers.h"
#include "render/ScreenText.h"
#include "scene/Cls3.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/ProgramState.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> LabelsOfAxis(int axis) {
    std::vector<std::string> out;
    for (const ScreenText& t : ScreenTextsOf(0))
        if (t.axis == axis && !t.title) out.push_back(t.text);
    return out;
}

TEST(RegionalFormat, SpaceAndStripTickLabelsFollowTheSystemLocale) {
    ProgramStateGuard guard;
    struct Case {
        const char* locale;
        const char* decimal;
        const char* group;
        std::vector<std::string> labels; // of 0 .. 2500 in two steps
    };
    const Case cases[] = {
        {"de_DE", ",", ".", {"0,0", "1.250,0", "2.500,0"}},
        {"C", ".", ",", {"0.0", "1,250.0", "2,500.0"}},
        {"en_US", ".", ",", {"0.0", "1,250.0", "2,500.0"}},
    };
    const std::string name = QLocale::system().name().toStdString();
    const Case* c = nullptr;
    for (const Case& k : cases)
        if (name == k.locale) c = &k;
    if (c == nullptr) GTEST_SKIP() << "no expectation for the locale " << name;

    TakeSystemNumberFormat();
    EXPECT_EQ(CurrentRegionalSeparators().decimal, c->decimal);
    EXPECT_EQ(CurrentRegionalSeparators().group, c->group);

    GlTestContext gl(100);
    ASSERT_TRUE(gl.Ok());
    Cls3 axes;
    axes.Show = true;
    for (std::int32_t kind : {3, 2}) {
        SCOPED_TRACE(kind);
        DocumentKind = kind;
        axes.Draw(2, 0, 2500, 0, 2500, 0, 2500);
        EXPECT_EQ(LabelsOfAxis(2), c->labels); // Y, along drawing x
        EXPECT_EQ(LabelsOfAxis(3), c->labels); // Z, up
        if (kind == 3) {
            EXPECT_EQ(LabelsOfAxis(1), c->labels);
        }
    }
    // The special frame keeps the plain whole numbers; the texts of
    // documents and results keep ".".
    DocumentKind = 7;
    axes.Draw(2, 0, 1, 0, 1, 1249.5f, 1251.5f); // the box's z runs across
    EXPECT_EQ(LabelsOfAxis(1), (std::vector<std::string>{"1250", "1251"}));
    EXPECT_EQ(SingleText(1250.5f), "1250.5");
    EXPECT_EQ(GroupedFixedText(1250, 1), "1,250.0");
}

} // namespace
