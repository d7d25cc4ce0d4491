// Every sample document, driven by mksamples' own table: opened through its
// 演示 command in a fresh window it shows no message, becomes a document of
// its kind with its graphs, types and rows, every graph sampled; it draws
// something (its render differs from the same view without the graphs, and
// an animation's middle frame from its first); Save As writes its bytes
// again. The renders are kept in "sample-renders" in the run's folder.
#include "document/GraphLabels.h"
#include "graph/Cls9.h"
#include "graph/SamplingContext.h"
#include "scene/Cls8.h"
#include "tests/samples/SampleWindow.h"
#include "tools/mksamples/SampleBuild.h"

#include <QTemporaryDir>

#include <string>
#include <vector>

namespace {

// The defined points of a sample array.
template <class Array>
std::int64_t DefinedPoints(const Array& array) {
    const SamplePoint* p = array.Data();
    if (p == nullptr) return 0;
    std::int64_t n = 0;
    for (std::int64_t k = 0; k < array.Count(); ++k)
        if (!IsUndefined(p[k].x) && !IsUndefined(p[k].y) && !IsUndefined(p[k].z)) ++n;
    return n;
}
// The defined samples a graph's drawing reads, by its kind.
std::int64_t DrawnSamples(const Cls9& g) {
    switch (g.GraphType) {
    case GraphType::Function2DAnimation: return DefinedPoints(g.Anim2D);
    case GraphType::Surface3DAnimation: return DefinedPoints(g.Anim3D);
    case GraphType::Curve3DAnimation: return DefinedPoints(g.AnimCurve3D);
    case GraphType::Strip25DAnimation: return DefinedPoints(g.Anim25D);
    case GraphType::RevolutionX:
    case GraphType::RevolutionY: return DefinedPoints(g.VertRev);
    case GraphType::ODE: return DefinedPoints(g.VertODE);
    case GraphType::Table2D:
    case GraphType::Table25D:
    case GraphType::Table3D: {
        std::int64_t n = 0;
        for (std::int64_t u = 0; u <= g.StepU; ++u)
            for (std::int64_t v = 0; v <= g.StepV; ++v) n += g.VertTab3D.Find(u, v) != nullptr;
        return n;
    }
    default: return DefinedPoints(g.Vert3D);
    }
}
bool IsTable(const Cls9& g) {
    return g.GraphType == GraphType::Table2D || g.GraphType == GraphType::Table25D ||
           g.GraphType == GraphType::Table3D;
}

class SampleDocument : public SampleWindowTest, public ::testing::WithParamInterface<SampleFile> {};

TEST_P(SampleDocument, OpensDrawsAndSavesAgain) {
    const SampleFile& file = GetParam();
    // What the table says the document holds, built as mksamples builds it.
    const std::vector<std::shared_ptr<Cls9>> expected = BuildSampleGraphs(file);

    OpenSample(file.path);
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    EXPECT_EQ(DocumentKind, file.kind);
    ASSERT_EQ(DocumentScene.FunSurfs.Count(), std::int32_t(expected.size()));
    ASSERT_EQ(VisibleScene.FunSurfs.Count(), std::int32_t(expected.size()));
    std::vector<std::string> rows, expectedRows;
    std::size_t k = 0;
    for (const auto& entry : VisibleScene.FunSurfs) {
        const Cls9& g = *entry.graph;
        const Cls9& want = *expected[k];
        SCOPED_TRACE("graph " + std::to_string(k + 1));
        EXPECT_EQ(g.ID, std::int32_t(k + 1));
        EXPECT_EQ(g.GraphType, want.GraphType);
        if (!IsTable(want)) { // table records keep neither
            EXPECT_EQ(g.CoordType, want.CoordType);
            EXPECT_EQ(g.FunForm, want.FunForm);
        }
        const std::optional<std::string> label = GraphListLabel(file.kind, want);
        EXPECT_TRUE(label.has_value());
        expectedRows.push_back(label.value_or("") + " [x]");
        if (!IsVector(g)) {
            EXPECT_GT(DrawnSamples(g), 0);
        }
        if (!IsTable(g)) {
            Cls9 again;
            again.EqualTo(g);
            EXPECT_TRUE(again.GetPoints());
        }
        ++k;
    }
    EXPECT_EQ(Rows(), expectedRows);

    // Something drawn: the render differs from the view without the graphs.
    const std::int32_t first = IsAnimated(file) ? 1 : 0;
    if (IsAnimated(file)) {
        EXPECT_TRUE(PlaybackOn());
        EXPECT_EQ(CurrentFrame, 1);
        EXPECT_EQ(FrameCount, file.frames);
        EXPECT_EQ(FramesPerSecond, file.speed);
    }
    const QImage shown = Render(first);
    ASSERT_EQ(shown.size(), QSize(640, 480));
    const QImage bare = RenderWithoutGraphs(first);
    EXPECT_NE(shown, bare) << "the graphs draw nothing";
    shown.save(SampleRenderPath(file.path, ""));
    if (IsAnimated(file)) {
        const QImage middle = Render(file.frames / 2 + 1);
        EXPECT_NE(shown, middle) << "frames 1 and " << file.frames / 2 + 1 << " are the same";
        middle.save(SampleRenderPath(file.path, "-middle"));
    }

    // Save As a document writes the sample's own bytes.
    QTemporaryDir dir;
    const std::string saved = dir.filePath("again.pgp").toStdString();
    fileDialog.Choose(saved, 1);
    Run("mnuFileSaveAs");
    EXPECT_EQ(Messages(), std::vector<std::string>{});
    const std::string original = ReadFile(SamplesFolder() + "/" + file.path);
    ASSERT_FALSE(original.empty());
    EXPECT_TRUE(ReadFile(saved) == original) << "Save As changed " << file.path;
}

INSTANTIATE_TEST_SUITE_P(Every, SampleDocument, ::testing::ValuesIn(SampleFiles()), SampleTestName);

} // namespace
