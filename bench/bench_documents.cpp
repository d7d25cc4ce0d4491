// Writing and reading the largest table a document holds: 201 by 201 points,
// every value distinct (some 1.3 MB of text in the long frame). Composing the
// text, the whole save to a file, reading the bytes back into graphs and the
// whole open of the file.
#include "core/GbkCodec.h"
#include "document/DocumentContainer.h"
#include "document/DocumentFile.h"
#include "document/DocumentReader.h"
#include "scene/Cls8.h"
#include "tests/document/LargeDocuments.h"
#include "tests/document/SampleDocuments.h"

#include <benchmark/benchmark.h>

#include <QtCore/QTemporaryDir>

namespace {

Cls8 LargestTableScene() { return SceneOf({LargestDistinctTable(1)}); }

void ComposeLargestTable(benchmark::State& state) {
    const Cls8 scene = LargestTableScene();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = ComposeDocumentText(3, scene, Cls3{});
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["text_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(ComposeLargestTable)->Unit(benchmark::kMillisecond);

void SaveLargestTable(benchmark::State& state) {
    const Cls8 scene = LargestTableScene();
    QTemporaryDir dir;
    const QString path = dir.filePath("table.pgp");
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveDocumentFile(path, ComposeDocumentText(3, scene, Cls3{})));
}
BENCHMARK(SaveLargestTable)->Unit(benchmark::kMillisecond);

void ReadLargestTable(benchmark::State& state) {
    const std::string file = FrameDocumentText(Utf8ToGbkLenient(ComposeDocumentText(3, LargestTableScene(), Cls3{})));
    for (auto _ : state) {
        const LoadedDocument doc = ReadDocumentBytes(file, Cls3{});
        benchmark::DoNotOptimize(doc.Rows.data());
    }
}
BENCHMARK(ReadLargestTable)->Unit(benchmark::kMillisecond);

void OpenLargestTable(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("table.pgp");
    SaveDocumentFile(path, ComposeDocumentText(3, LargestTableScene(), Cls3{}));
    for (auto _ : state) benchmark::DoNotOptimize(LoadDocument(path, Cls3{}));
}
BENCHMARK(OpenLargestTable)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
