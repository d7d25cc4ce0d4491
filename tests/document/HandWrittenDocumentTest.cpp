// A generation-7 document written by hand from the format (GBK, Chinese in a
// name, old bytes after the framed text) opens with the right kind, rows,
// IDs, animation values and axes.
#include "tests/support/RecordingServices.h"
#include "document/DocumentFile.h"
#include "tests/document/DocumentFileBytes.h"
#include "tests/document/SampleDocuments.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(HandWrittenDocument, OpensWithEveryValueTheFormatGives) {
    QTemporaryDir dir;
    const QString path = dir.filePath("parabola.pgp");
    ASSERT_NO_FATAL_FAILURE(WriteBytes(path, HandWrittenDocument()));

    RecordingMessageBox messages;
    Cls3 before;
    before.ShowShadow = true; // the record's last field says 0
    before.AxisStyle = 2;     // not in the record: kept
    const auto doc = LoadDocument(path, before);
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(messages.Count(), 0u);

    EXPECT_EQ(doc->DocumentKind, 1);
    EXPECT_EQ(doc->RotRoll, 0);
    EXPECT_EQ(doc->RotPitch, 0);
    EXPECT_EQ(doc->RotYaw, 0);
    ASSERT_EQ(doc->Rows.size(), 3u);
    EXPECT_EQ(doc->Rows[0].Label, "二维曲线  y=x^2");
    EXPECT_EQ(doc->Rows[1].Label, "二维表数据图形: data table");
    EXPECT_EQ(doc->Rows[2].Label, "二维曲线动画  x=cos(u+t),y=sin(u)");
    EXPECT_EQ(doc->GraphIDCounter, 8); // IDs 3, 7, 5
    ASSERT_TRUE(doc->Animation.has_value());
    EXPECT_EQ(doc->Animation->FrameCount, 20);
    EXPECT_EQ(doc->Animation->FramesPerSecond, 8);
    EXPECT_TRUE(doc->FillsAnimationBoxes);

    const Cls9& curve = *doc->Rows[0].Graph;
    EXPECT_EQ(curve.GraphType, 0);
    EXPECT_EQ(curve.ID, 3);
    EXPECT_EQ(curve.NameS, "抛物线");
    EXPECT_EQ(curve.CoordType, 1);
    EXPECT_EQ(curve.ExpressX, "");
    EXPECT_EQ(curve.ExpressY, "");
    EXPECT_EQ(curve.ExpressZ, "x^2");
    EXPECT_EQ(curve.StepU, 200);
    EXPECT_EQ(curve.MinU, -5);
    EXPECT_EQ(curve.MaxU, 5);
    EXPECT_EQ(curve.LineColor, 16711680);
    EXPECT_EQ(curve.LineWidth, 2);
    EXPECT_EQ(curve.Material, 4);
    EXPECT_EQ(curve.PointSize, 1.0f);
    EXPECT_FALSE(curve.Animation);
    EXPECT_EQ(curve.FunForm, 2);
    EXPECT_TRUE(curve.Show2DCurve);
    EXPECT_TRUE(curve.ShowDev);
    EXPECT_EQ(curve.DevColor, 255);
    EXPECT_EQ(curve.IntFrom, -1);
    EXPECT_TRUE(curve.ShowMin);
    EXPECT_EQ(curve.MinColor, 16711680);
    EXPECT_EQ(curve.MinSymbol, 2);
    EXPECT_TRUE(curve.ShowRoot);
    EXPECT_EQ(curve.RootSymbol, 6);
    EXPECT_EQ(curve.CurvNum, 2);
    EXPECT_EQ(curve.CurvX(1), 0.5f);
    EXPECT_EQ(curve.CurvX(2), 1.5f);
    EXPECT_EQ(curve.LenTo, 2);
    EXPECT_TRUE(curve.ShowQie);
    EXPECT_EQ(curve.QieNum, 1);
    EXPECT_EQ(curve.QieX(1), 1);
    EXPECT_EQ(curve.NmlNum, 0);
    EXPECT_EQ(curve.Exp2, "");
    EXPECT_EQ(curve.Width2, 1);
    EXPECT_EQ(curve.InterSymbol, 1);
    EXPECT_EQ(curve.VecWidth, 1);
    EXPECT_EQ(curve.ODEWidth, 1);
    EXPECT_EQ(curve.SeriesN1, 1);
    EXPECT_EQ(curve.SeriesN2, 10);
    EXPECT_EQ(curve.TexMode, 1);
    EXPECT_EQ(curve.TransAlpha, 1);
    EXPECT_EQ(curve.TexName, "");
    EXPECT_EQ(curve.ContourLevel, 0);

    Cls9& table = *doc->Rows[1].Graph;
    EXPECT_EQ(table.GraphType, 4);
    EXPECT_EQ(table.ID, 7);
    EXPECT_EQ(table.NameS, "data table");
    EXPECT_EQ(table.LineColor, 255);
    EXPECT_EQ(table.LineWidth, 2);
    EXPECT_EQ(table.StepU, 1);
    EXPECT_EQ(table.StepV, 2);
    EXPECT_EQ(table.VertTab3D(0, 2).x, 3);
    EXPECT_EQ(table.VertTab3D(0, 2).y, 8);
    EXPECT_EQ(table.VertTab3D(1, 1).y, 0);
    EXPECT_TRUE(table.Show2DLine);
    EXPECT_FALSE(table.Show2DScatter);
    EXPECT_EQ(table.ScatterSize, 3);
    EXPECT_EQ(table.SmoothCurveWidth, 2);
    EXPECT_EQ(table.Symbol, 4);
    EXPECT_EQ(table.CoordType, 0); // not in a table record

    const Cls9& wave = *doc->Rows[2].Graph;
    EXPECT_EQ(wave.GraphType, 9);
    EXPECT_TRUE(wave.Animation);
    EXPECT_EQ(wave.MaxU, 6.2831855f);
    EXPECT_EQ(wave.MaxT, 6.28f);
    EXPECT_EQ(wave.FunForm, 3);
    EXPECT_EQ(wave.Exp2, "0");

    const Cls3& a = doc->Axes;
    EXPECT_TRUE(a.Show);
    EXPECT_TRUE(a.ShowXYPanel);
    EXPECT_FALSE(a.ShowXYYGrid);
    EXPECT_TRUE(a.BetterFonts);
    EXPECT_EQ(a.LabelNumX, 5);
    EXPECT_EQ(a.LabelNumZ, 3);
    EXPECT_EQ(a.YZPanelMaterial, 6);
    EXPECT_EQ(a.AxisColor, 255);
    EXPECT_EQ(a.AxisWidth, 2);
    EXPECT_EQ(a.TitleX, "t (s)");
    EXPECT_EQ(a.TitleY, "Y");
    EXPECT_TRUE(a.ShowprimaryGrid);
    EXPECT_TRUE(a.ShowBackground);
    EXPECT_EQ(a.BackColor2, 16777215);
    EXPECT_TRUE(a.ShowPI);
    EXPECT_FALSE(a.ShowShadow);
    EXPECT_EQ(a.AxisStyle, 2);
}

} // namespace
