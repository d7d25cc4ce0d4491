// libFuzzer target: any bytes given to the document reader either read or
// raise DocumentFormatError, never crash, hang or read past the data; and a
// document that reads writes back into a file that reads to the same records.
#include "core/GbkCodec.h"
#include "core/Globals.h"
#include "document/DocumentContainer.h"
#include "document/DocumentFile.h"
#include "document/DocumentReader.h"
#include "scene/Cls8.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

std::string RecordsOf(const LoadedDocument& doc) {
    Cls8 scene;
    for (const DocumentRow& row : doc.Rows) scene.FunSurfs.Add(row.Graph, GraphKey(*row.Graph));
    if (doc.Animation) {
        FrameCount = doc.Animation->FrameCount;
        FramesPerSecond = doc.Animation->FramesPerSecond;
    }
    return ComposeDocumentText(doc.DocumentKind, scene, doc.Axes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Cls3 axes;
    FrameCount = 10;
    FramesPerSecond = 10;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    LoadedDocument doc;
    try {
        doc = ReadDocumentBytes(bytes, axes);
    } catch (const DocumentFormatError&) {
        return 0;
    }
    if (doc.Rows.empty() && doc.Animation) std::abort();
    for (const DocumentRow& row : doc.Rows)
        if (row.Label.empty() || row.Graph == nullptr) std::abort();

    // Written again and framed, the document reads back to the same text.
    const std::string text = RecordsOf(doc);
    try {
        const std::string framed = FrameDocumentText(Utf8ToGbkLenient(text));
        const LoadedDocument again = ReadDocumentBytes(framed, axes);
        if (RecordsOf(again) != text || again.GraphIDCounter != doc.GraphIDCounter) std::abort();
    } catch (const DocumentFormatError&) {
        std::abort();
    }
    return 0;
}
