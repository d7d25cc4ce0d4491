#pragma once
// The clipboard's graph text: one graph record (a table record for tables)
// after the kind of the document it was copied from, "1 7 3 @P@ ...". Copy
// writes it; Paste reads it with rules of its own (RecordParse.h), into a
// document whose kind takes the source kind.
#include "document/LoadedDocument.h"
#include "graph/Cls9.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The text Copy puts on the clipboard: the decimal DocumentKind, one blank,
// the graph's record; for a GraphType no record holds, the kind and the blank
// alone. No blank at the end.
std::string ClipboardGraphText(std::int32_t documentKind, Cls9& graph);

// Whether a document of kind `documentKind` takes a text whose first token is
// `sourceToken` (its numeric value): kind 1 takes 1 and 4, 2 takes 2 and 5, 3
// takes 3 and 6, 7 takes 7; any other kind takes every text.
bool ClipboardAccepts(std::int32_t documentKind, std::string_view sourceToken);

// The graphs of a clipboard text for a document of kind `documentKind`, each
// with the row label the document reader would give it: `recordCount` records
// read one after the other from token 1 on. A text the document does not
// take gives none; a record whose first token names no graph type, and a
// record Paste refuses, add none. The graphs keep the IDs of the text: the
// caller gives them new ones.
std::vector<DocumentRow> ReadClipboardGraphText(std::string_view text, std::int32_t documentKind,
                                                std::int32_t recordCount);
