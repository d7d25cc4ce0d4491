#pragma once
// What the document format knows of graph types and headers, shared by the
// writers and the readers.
#include <cstdint>
#include <optional>
#include <string_view>

enum class RecordKind { None, Graph, Table };

// The record a graph of this GraphType is written as: a table record for the
// tables (4, 5, 6), a graph record for every other kind the program draws,
// nothing for any other value.
RecordKind RecordKindOf(std::int32_t graphType);

// The GraphType a record's first token names (its exact decimal text, "07"
// names none), or nothing.
std::optional<std::int32_t> RecordTypeOfToken(std::string_view token);

// Token 0 of a document: the format generation 0..7 and the mode digit.
struct DocumentHeader {
    int Generation = 0;
    int Mode = 0;
};
// "S1".."S6" (generation 0), "S11".."S16", "S21".."S27", "S31".."S77";
// nothing for any other token ("S17", "S30", "s71", "").
std::optional<DocumentHeader> ParseDocumentHeader(std::string_view token);
// The header token the writer puts before a document of this DocumentKind
// (generation 7; the mode digits of kinds 2 and 3 are swapped).
std::string_view DocumentHeaderFor(std::int32_t documentKind);
