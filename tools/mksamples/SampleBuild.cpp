#include "tools/mksamples/SampleBuild.h"

#include "core/GbkCodec.h"
#include "core/Globals.h"
#include "document/DocumentContainer.h"
#include "document/DocumentFile.h"
#include "document/GraphLabels.h"
#include "document/TokenReader.h"
#include "graph/Cls9.h"

#include <variant>

namespace {

// Each dialog: the graph its OK builds, and the document kinds whose command
// set offers it (the kind its OK sets, where it sets one).
struct DialogOk {
    std::int32_t kind;
    FieldDialogValues& kept;

    std::shared_ptr<Cls9> operator()(const PlaneFunctionBoxes& b) const { return Fits(1, BuildGraph(b)); }
    std::shared_ptr<Cls9> operator()(const PointBoxes& b) const {
        return Fits(kind == 7 ? 0 : kind, BuildGraph(b, kind));
    }
    std::shared_ptr<Cls9> operator()(const StripBoxes& b) const { return Fits(2, BuildGraph(b)); }
    std::shared_ptr<Cls9> operator()(const SpaceFunctionBoxes& b) const { return Fits(3, BuildGraph(b)); }
    std::shared_ptr<Cls9> operator()(const FieldBoxes& b) const { return Fits(7, BuildGraph(b, kept)); }
    std::shared_ptr<Cls9> operator()(const StepStemBoxes& b) const { return Fits(1, BuildGraph(b)); }
    std::shared_ptr<Cls9> operator()(const IntersectionBoxes& b) const { return Fits(1, BuildGraph(b)); }
    std::shared_ptr<Cls9> operator()(const OdeBoxes& b) const { return Fits(1, BuildGraph(b)); }
    std::shared_ptr<Cls9> operator()(const LimitBoxes& b) const { return Fits(1, BuildGraph(b)); }
    std::shared_ptr<Cls9> operator()(const SeriesBoxes& b) const { return Fits(1, BuildGraph(b)); }
    std::shared_ptr<Cls9> operator()(const RevolutionBoxes& b) const { return Fits(3, BuildGraph(b)); }
    std::shared_ptr<Cls9> operator()(const VectorBoxes& b) const { return Fits(3, BuildGraph(b)); }
    std::shared_ptr<Cls9> operator()(const VectorOperationBoxes& b) const { return Fits(3, BuildGraph(b)); }
    std::shared_ptr<Cls9> operator()(const PlaneTableBoxes& b) const { return Fits(1, BuildGraph(b)); }
    std::shared_ptr<Cls9> operator()(const StripTableBoxes& b) const { return Fits(2, BuildGraph(b)); }
    std::shared_ptr<Cls9> operator()(const SurfaceTableBoxes& b) const { return Fits(3, BuildGraph(b)); }

    std::shared_ptr<Cls9> Fits(std::int32_t offeredIn, std::shared_ptr<Cls9> graph) const {
        if (offeredIn != kind)
            throw DialogRefusal("its dialog makes graphs of document kind " + std::to_string(offeredIn));
        return graph;
    }
};

bool IsTable(const Cls9& g) {
    return g.GraphType == GraphType::Table2D || g.GraphType == GraphType::Table25D ||
           g.GraphType == GraphType::Table3D;
}

} // namespace

std::vector<std::shared_ptr<Cls9>> BuildSampleGraphs(const SampleFile& file) {
    FieldDialogValues kept;
    std::vector<std::shared_ptr<Cls9>> graphs;
    for (std::size_t k = 0; k < file.graphs.size(); ++k) {
        try {
            graphs.push_back(std::visit(DialogOk{file.kind, kept}, file.graphs[k]));
        } catch (const DialogRefusal& e) {
            throw SampleError(file.path + ", graph " + std::to_string(k + 1) + ": " + e.what());
        }
    }
    return graphs;
}

std::string ComposeSampleText(const SampleFile& file) {
    ResetProgramState();
    // The main window's load step shows the coordinate system.
    Axes.Show = true;
    // The New command of the kind.
    DocumentKind = file.kind;
    Axes.BetterFonts = false;
    if (file.kind == 2 || file.kind == 3) Axes.SetDefault();
    // The animation options and the axes dialog.
    FrameCount = file.frames;
    FramesPerSecond = file.speed;
    Axes.ShowPI = file.showPI;

    Cls8 scene;
    const std::vector<std::shared_ptr<Cls9>> graphs = BuildSampleGraphs(file);
    for (std::size_t k = 0; k < graphs.size(); ++k) {
        Cls9& g = *graphs[k];
        const std::string which = file.path + ", graph " + std::to_string(k + 1);
        if (!GraphListLabel(file.kind, g)) throw SampleError(which + ": no row label in its document kind");
        // The new path: the next ID, then sampling (tables are not sampled).
        GraphIDCounter = GraphIDCounter + 1;
        g.ID = GraphIDCounter;
        scene.FunSurfs.Add(graphs[k], GraphKey(g));
        if (!IsTable(g) && !g.GetPoints()) throw SampleError(which + ": does not sample");
        // The drawing samples a surface of revolution at 41 angles.
        if (g.GraphType == GraphType::RevolutionX || g.GraphType == GraphType::RevolutionY) g.StepU = 40;
    }
    // The drawing measures the scene's box, which makes a strip table's second
    // edge (its row 1), kept by Save.
    scene.GetBox(0);
    return ComposeDocumentText(file.kind, scene, Axes);
}

std::optional<std::string> SampleTextRefusal(const std::string& text) {
    const std::size_t bytes = Utf8ToGbkLenient(text).size();
    if (bytes > MaxShortFramedTextBytes) return std::to_string(bytes) + " bytes";
    const std::size_t tokens = SplitTokens(text).size();
    if (tokens > MaxSampleTokens) return std::to_string(tokens) + " tokens";
    return std::nullopt;
}
