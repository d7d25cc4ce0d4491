#include "core/ColorParts.h"
#include "core/ColorService.h"

#include <gtest/gtest.h>

TEST(ColorParts, OrdinaryColoursSplitAndSystemCodesAreLookedUp) {
    struct Case {
        std::int32_t colour;
        std::int32_t red, green, blue;
    };
    const Case cases[] = {
        {RGB(64, 128, 255), 64, 128, 255},
        {0, 0, 0, 0},
        {0xFFFFFF, 255, 255, 255},
        {255, 255, 0, 0},
        // The high byte of an ordinary colour plays no part.
        {0x01102030, 0x30, 0x20, 0x10},
        // System colours: never split into negative parts.
        {SystemColorCode(2), 0, 0, 128},  // active title bar
        {SystemColorCode(6), 0, 0, 0},    // window frame
        {SystemColorCode(7), 0, 0, 0},    // menu text
        {SystemColorCode(5), 0, 0, 0},    // any other code: black
        {SystemColorCode(0x102), 0, 0, 128},
        {static_cast<std::int32_t>(0x80000000u), 0, 0, 0},
        {-1, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const ColorBytes parts = ColorParts(c.colour);
        EXPECT_EQ(parts.red, c.red) << c.colour;
        EXPECT_EQ(parts.green, c.green) << c.colour;
        EXPECT_EQ(parts.blue, c.blue) << c.colour;
    }
    EXPECT_EQ(WindowFrameColor, static_cast<std::int32_t>(0x80000006u));
    EXPECT_TRUE(IsSystemColor(WindowFrameColor));
    EXPECT_EQ(MenuTextColor, static_cast<std::int32_t>(0x80000007u));
    EXPECT_FALSE(IsSystemColor(0xFFFFFF));
}
