#include "document/DocumentReader.h"

#include "document/DocumentContainer.h"
#include "document/OldDocumentReaders.h"
#include "document/RecordParse.h"

void ReadGenerations3To7(TokenReader& r, const DocumentHeader& header, LoadedDocument& doc) {
    SetHeaderMode(doc, header.Mode);
    const std::int32_t count = ReadRecordCount(r);
    for (std::int32_t i = 1; i <= count; ++i) {
        const auto type = RecordTypeAt(r);
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

namespace {

LoadedDocument ReadDocument(TokenReader& r, const Cls3& currentAxes) {
    // No header has more than three characters: a longer first token is not
    // read to its end.
    const auto token = r.PeekShort(3);
    const auto header = token ? ParseDocumentHeader(*token) : std::nullopt;
    if (!header) r.Fail("unknown document header");
    r.Next();
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

} // namespace

LoadedDocument ReadDocumentText(std::string_view text, const Cls3& currentAxes) {
    TokenReader r(text);
    return ReadDocument(r, currentAxes);
}

LoadedDocument ReadDocumentBytes(std::string_view fileBytes, const Cls3& currentAxes) {
    TokenReader r(UnframeDocumentText(fileBytes), PastEnd::Fails, TextEncoding::Gbk);
    return ReadDocument(r, currentAxes);
}

LoadedDocument ReadDocumentFrom(std::size_t textBytes, TextBytesSource source, const Cls3& currentAxes) {
    TokenReader r(textBytes, std::move(source), PastEnd::Fails, TextEncoding::Gbk);
    return ReadDocument(r, currentAxes);
}
