#pragma once
// Reading a document: the container's bytes to a LoadedDocument, nothing
// applied. Token 0 chooses the reader of its generation; generations 3 to 7
// are read here, 0 to 2 by the readers of document/OldDocumentReaders.h.
#include "document/LoadedDocument.h"
#include "document/RecordFormat.h"
#include "document/TokenReader.h"
#include "scene/Cls3.h"

#include <cstddef>
#include <string_view>

// The document text (UTF-8), read over a copy of `currentAxes`. Throws
// DocumentFormatError for a text that is not a document the program reads.
LoadedDocument ReadDocumentText(std::string_view text, const Cls3& currentAxes);
// A ".pgp" file's bytes: the framed GBK text, read as ReadDocumentText reads
// its UTF-8 form.
LoadedDocument ReadDocumentBytes(std::string_view fileBytes, const Cls3& currentAxes);
// A framed text of `textBytes` GBK bytes that `source` gives as the reading
// reaches them: the reading stops at the first fault, and bytes after the
// axes record are never read.
LoadedDocument ReadDocumentFrom(std::size_t textBytes, TextBytesSource source, const Cls3& currentAxes);

// The reader of generations 3 to 7, from the record count (token 1) to the
// axes record.
void ReadGenerations3To7(TokenReader& r, const DocumentHeader& header, LoadedDocument& doc);
