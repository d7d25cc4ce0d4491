#include "document/OldDocumentReaders.h"

#include "document/RecordParse.h"

#include <memory>

namespace {

// One graph record at the read position, appended as the next row.
void ReadOldGraph(TokenReader& r, int generation, LoadedDocument& doc) {
    const auto type = RecordTypeAt(r);
    if (!type || !OldGenerationReadsType(generation, *type))
        r.Fail("the record's first token names no graph type of its generation");
    auto graph = std::make_shared<Cls9>();
    if (auto animation = ReadGraphRecord(r, generation, *graph)) doc.Animation = animation;
    AppendGraph(doc, std::move(graph));
}

} // namespace

bool OldGenerationReadsType(int generation, std::int32_t t) {
    if ((t >= 0 && t <= 3) || (t >= 7 && t <= 12)) return true;
    return generation == 2 && t >= 13 && t <= 15;
}

void ReadGeneration0(TokenReader& r, const DocumentHeader& header, LoadedDocument& doc) {
    SetHeaderMode(doc, header.Mode);
    const std::int32_t count = ReadRecordCount(r);
    for (std::int32_t i = 1; i <= count; ++i) ReadOldGraph(r, 0, doc);
    // Tokens after the last record are never looked at.
}

void ReadGenerations1And2(TokenReader& r, const DocumentHeader& header, LoadedDocument& doc) {
    SetHeaderMode(doc, header.Mode);
    const std::int32_t count = ReadRecordCount(r);
    for (std::int32_t i = 1; i <= count; ++i) {
        ReadOldGraph(r, header.Generation, doc);
        doc.FillsAnimationBoxes = true;
    }
    ReadAxesRecord(r, header.Generation, doc.Axes);
}
