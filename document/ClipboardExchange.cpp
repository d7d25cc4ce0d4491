#include "document/ClipboardExchange.h"

#include "core/NumberText.h"
#include "document/GraphLabels.h"
#include "document/RecordFormat.h"
#include "document/RecordParse.h"
#include "document/TokenReader.h"

#include <memory>

std::string ClipboardGraphText(std::int32_t documentKind, Cls9& graph) {
    std::string text = LongText(documentKind) + ' ';
    switch (RecordKindOf(graph.GraphType)) {
    case RecordKind::Graph: text += graph.Save(); break;
    case RecordKind::Table: text += graph.SaveTable(); break;
    case RecordKind::None: break;
    }
    return text;
}

bool ClipboardAccepts(std::int32_t documentKind, std::string_view sourceToken) {
    const double source = ParseNumericPrefix(sourceToken);
    switch (documentKind) {
    case 1: return source == 1 || source == 4;
    case 2: return source == 2 || source == 5;
    case 3: return source == 3 || source == 6;
    case 7: return source == 7;
    default: return true;
    }
}

std::vector<DocumentRow> ReadClipboardGraphText(std::string_view text, std::int32_t documentKind,
                                                std::int32_t recordCount) {
    std::vector<DocumentRow> rows;
    TokenReader r(text, PastEnd::ReadsEmpty);
    if (!ClipboardAccepts(documentKind, r.Next())) return rows;
    for (std::int32_t k = 0; k < recordCount; ++k) {
        const auto type = RecordTypeAt(r);
        if (!type) continue;
        auto graph = std::make_shared<Cls9>();
        const PastedRecord read = RecordKindOf(*type) == RecordKind::Table ? ReadPastedTableRecord(r, *graph)
                                                                          : ReadPastedGraphRecord(r, *graph);
        if (read == PastedRecord::Refused) continue;
        std::string label = DocumentRowLabel(documentKind, *graph);
        rows.push_back(DocumentRow{std::move(graph), std::move(label)});
    }
    return rows;
}
