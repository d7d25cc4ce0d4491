#include "app/frmF1.h"
#include "core/Globals.h"
#include "graph/SharedBoxes.h"
#include "render/GlText.h"
#include "scene/Cls10.h"
#include "scene/Cls3.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"
#include "scene/Trackball.h"
#include "tests/scene/SceneFixture.h"
#include "tests/support/ProgramState.h"

#include <gtest/gtest.h>

namespace {

using ProgramStateReset = SceneFixture;

// The one reset reaches every layer's program-wide values, whichever layer
// registered them.
TEST_F(ProgramStateReset, PutsEveryLayersValuesBack) {
    ShowMathErrors = true;
    DocumentKind = 3;
    FrameCount = 40;
    FramesPerSecond = 25;
    ViewMaxY = 7;
    PolarImplicitBox() = Cls1{1, 2, 3, 4, 5, 6};
    Light.Enabled = false;
    Light.Position(0) = -5;
    Camera.VolHeight = 3;
    Axes.Show = true;
    Axes.LabelNumX = 7;
    Scale2D = 4;
    Add(VisibleScene, PlaneGraph(1, 0, 1, 0, 1));
    Add(DocumentScene, PlaneGraph(2, 0, 1, 0, 1));
    VisibleScene.RotRoll = 30;
    RotationMode = 2;
    LabelFontBase = 11;
    TitleFontBase = 12;
    CurrentFrame = 5;
    SceneBox.MinX = -8;

    ResetProgramState();

    EXPECT_FALSE(ShowMathErrors);
    EXPECT_EQ(DocumentKind, 0);
    EXPECT_EQ(FrameCount, 10);
    EXPECT_EQ(FramesPerSecond, 10);
    EXPECT_EQ(ViewMaxY, 500.0f);
    const Cls1& box = PolarImplicitBox();
    for (float v : {box.MinX, box.MaxX, box.MinY, box.MaxY, box.MinZ, box.MaxZ}) EXPECT_EQ(v, 0.0f);
    EXPECT_TRUE(Light.Enabled);
    EXPECT_EQ(Light.Position(0), 100.0f);
    EXPECT_EQ(Camera.VolHeight, 40.0f);
    EXPECT_FALSE(Axes.Show);
    EXPECT_EQ(Axes.LabelNumX, 2);
    EXPECT_EQ(Scale2D, 1.0f);
    EXPECT_EQ(VisibleScene.FunSurfs.Count(), 0);
    EXPECT_EQ(DocumentScene.FunSurfs.Count(), 0);
    EXPECT_EQ(VisibleScene.RotRoll, 0.0f);
    EXPECT_EQ(RotationMode, 0);
    EXPECT_EQ(LabelFontBase, 0);
    EXPECT_EQ(TitleFontBase, 0);
    EXPECT_EQ(CurrentFrame, 1);
    EXPECT_EQ(SceneBox.MinX, 0.0f);
}

// The guard resets when it is made and again when it goes.
TEST(ProgramStateGuardTest, ResetsOnEntryAndExit) {
    DocumentKind = 2;
    Light.Enabled = false;
    {
        ProgramStateGuard guard;
        EXPECT_EQ(DocumentKind, 0);
        EXPECT_TRUE(Light.Enabled);
        DocumentKind = 1;
        CurrentFrame = 3;
    }
    EXPECT_EQ(DocumentKind, 0);
    EXPECT_EQ(CurrentFrame, 1);
}

} // namespace
