#include "document/DocumentReader.h"

#include "core/GbkCodec.h"
#include "document/DocumentContainer.h"
#include "document/OldDocumentReaders.h"
#include "document/RecordParse.h"

void ReadGenerations3To7(TokenReader& r, const DocumentHeader& header, LoadedDocument& doc) {
    SetHeaderMode(doc, header.Mode);
    const std::int32_t count = r.Long();
    if (count < 0) r.Fail("negative record count");
    for (std::int32_t i = 1; i <= count; ++i) {
        const auto type = RecordTypeOfToken(r.Peek());
        if (!type) r.Fail("the record's first token names no graph type");
        auto graph = std::make_shared<Cls9>();
        if (RecordKindOf(*type) == RecordKind::Table) {
            ReadTableRecord(r, header.Generation, *graph);
        } else {
            if (auto animation = ReadGraphRecord(r, header.Generation, *graph)) doc.Animation = animation;
            doc.FillsAnimationBoxes = true;
        }
        AppendGraph(doc, std::move(graph));
    }
    ReadAxesRecord(r, header.Generation, doc.Axes);
}

LoadedDocument ReadDocumentText(std::string_view text, const Cls3& currentAxes) {
    TokenReader r(SplitTokens(text));
    const auto header = ParseDocumentHeader(r.Next());
    if (!header) r.Fail("unknown document header");
    LoadedDocument doc;
    doc.Axes = currentAxes;
    switch (header->Generation) {
    case 0: ReadGeneration0(r, *header, doc); break;
    case 1:
    case 2: ReadGenerations1And2(r, *header, doc); break;
    case 3:
    case 4:
    case 5:
    case 6:
    case 7: ReadGenerations3To7(r, *header, doc); break;
    }
    return doc;
}

LoadedDocument ReadDocumentBytes(std::string_view fileBytes, const Cls3& currentAxes) {
    return ReadDocumentText(GbkToUtf8Lenient(UnframeDocumentText(fileBytes)), currentAxes);
}
