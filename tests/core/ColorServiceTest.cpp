#include "core/ColorService.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

TEST(ColorService, DialogKeepsLastConfirmedColour) {
    EXPECT_EQ(RGB(0, 0, 255), 16711680);
    EXPECT_EQ(RGB(255, 0, 0), 255);

    RecordingColorPicker picker;
    CommonColorDialog dlg;
    EXPECT_EQ(dlg.Color, 0);
    dlg.ShowColor(); // cancelled in a fresh dialog: black stays
    EXPECT_EQ(dlg.Color, 0);
    picker.Choose(RGB(1, 2, 3));
    dlg.ShowColor();
    EXPECT_EQ(dlg.Color, RGB(1, 2, 3));
    picker.Cancel();
    dlg.ShowColor();
    EXPECT_EQ(dlg.Color, RGB(1, 2, 3));
    EXPECT_EQ(picker.requests, 3);
    {
        RecordingColorPicker inner;
        EXPECT_EQ(&Colors(), &inner);
    }
    EXPECT_EQ(&Colors(), &picker);
}

TEST(ColorService, DefaultServiceCancels) {
    CommonColorDialog dlg;
    dlg.Color = 77;
    dlg.ShowColor();
    EXPECT_EQ(dlg.Color, 77);
}
