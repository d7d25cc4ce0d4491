#include "scene/Cls3.h"

#include <gtest/gtest.h>

#include <string>

TEST(AxesRecord, NewObjectSavesZeroAndDefaultsSaveFullRecord) {
    Cls3 axes;
    EXPECT_EQ(axes.Save(), "0");

    axes.SetDefault();
    EXPECT_EQ(axes.Save(),
              "1 0 0 0 1 1 1 1 1 1 1 2 2 2 13421772 13421772 13421772 10066329 10066329 10066329 4 4 4 0 1 "
              "@X@ @Y@ @Z@ 0 0 0 2 65280 16777215 65280 65280 1 0 0 ");
}

TEST(AxesRecord, FieldsInRecordOrderWithTitlesBetweenMarks) {
    Cls3 axes;
    axes.Show = true;
    axes.ShowXZPanel = true;
    axes.ShowYZZGrid = false;
    axes.BetterFonts = true;
    axes.LabelNumZ = 5;
    axes.XYPanelColor = -1;
    axes.YZPanelMaterial = 13;
    axes.AxisColor = RGB(255, 0, 0);
    axes.AxisWidth = 3;
    axes.TitleX = "时间 (s)";
    axes.TitleY = "";
    axes.TitleZ = "a  b";
    axes.ShowSecondaryGrid = true;
    axes.BackStyle = 19;
    axes.ShowSecondaryLabel = false;
    axes.ShowPI = true;
    axes.ShowShadow = true;
    axes.AxisStyle = 2; // not part of the record
    EXPECT_EQ(axes.Save(),
              "1 0 1 0 1 1 1 1 1 0 1 2 2 5 -1 13421772 13421772 10066329 10066329 10066329 4 4 13 255 3 "
              "@时间 (s)@ @@ @a  b@ 0 1 0 19 65280 16777215 65280 65280 0 1 1 ");
}

TEST(AxesRecord, SetDefaultKeepsPlaneSettingsAndStyle) {
    Cls3 axes;
    axes.AxisStyle = 2;
    axes.BackStyle = 7;
    axes.ShowprimaryGrid = true;
    axes.ShowBackground = true;
    axes.BackColor = 1;
    axes.PriGridColor = 2;
    axes.ShowPI = true;
    axes.ShowSecondaryLabel = false;
    axes.ShowShadow = true;
    axes.ShowXYPanel = true;
    axes.TitleX = "u";
    axes.LabelNumY = 9;
    axes.XYPanelMaterial = 1;
    axes.AxisWidth = 4;

    axes.SetDefault();
    EXPECT_TRUE(axes.Show);
    EXPECT_TRUE(axes.BetterFonts);
    EXPECT_FALSE(axes.ShowXYPanel);
    EXPECT_EQ(axes.TitleX, "X");
    EXPECT_EQ(axes.LabelNumY, 2);
    EXPECT_EQ(axes.XYPanelMaterial, 4);
    EXPECT_EQ(axes.AxisWidth, 1);
    // Kept:
    EXPECT_EQ(axes.AxisStyle, 2);
    EXPECT_EQ(axes.BackStyle, 7);
    EXPECT_TRUE(axes.ShowprimaryGrid);
    EXPECT_TRUE(axes.ShowBackground);
    EXPECT_EQ(axes.BackColor, 1);
    EXPECT_EQ(axes.PriGridColor, 2);
    EXPECT_TRUE(axes.ShowPI);
    EXPECT_FALSE(axes.ShowSecondaryLabel);
    EXPECT_TRUE(axes.ShowShadow);
}

TEST(AxesRecord, SplitColor) {
    struct Case {
        std::int32_t colour;
        float r, g, b;
    };
    const Case cases[] = {
        {RGB(0, 255, 0), 0, 1, 0},
        {0, 0, 0, 0},
        {RGB(255, 255, 255), 1, 1, 1},
        {RGB(51, 102, 204), 0.2f, 0.4f, 0.8f},
        // System-colour codes through the table of system colours.
        {static_cast<std::int32_t>(0x80000006u), 0, 0, 0},
        {static_cast<std::int32_t>(0x80000002u), 0, 0, 128 / 255.0f},
    };
    for (const Case& c : cases) {
        const Cls3::Rgb rgb = Cls3::SplitColor(c.colour);
        EXPECT_FLOAT_EQ(rgb.red, c.r) << c.colour;
        EXPECT_FLOAT_EQ(rgb.green, c.g) << c.colour;
        EXPECT_FLOAT_EQ(rgb.blue, c.b) << c.colour;
    }
}

TEST(AxesRecord, AnAtBeforeABlankInATitleIsWrittenFullWidth) {
    Cls3 axes;
    axes.Show = true;
    axes.TitleX = std::string("a@ b");
    axes.TitleY = std::string(1, '@'); // (a literal trips a false -Wrestrict warning of GCC 12)
    EXPECT_NE(axes.Save().find(" @a＠ b@ @@@ @Z@ "), std::string::npos) << axes.Save();
}
