#pragma once
// The readers of the oldest documents: generation 0 (headers "S1".."S6") and
// generations 1 and 2 ("S11".."S16", "S21".."S27"), on the token frame and
// the record parses the newer generations use. Like them they build a
// LoadedDocument and change nothing else; a record type the generation does
// not know, like any other fault, is DocumentFormatError.
#include "document/LoadedDocument.h"
#include "document/RecordFormat.h"
#include "document/TokenReader.h"

#include <cstdint>

// Whether a record of this older generation (0, 1 or 2) may name the graph
// type: curves, strips, surfaces and points, still or animated (0 to 3, 7 to
// 12); generation 2 also colour maps, contour plots and vector fields (13 to
// 15). None of them has table records.
bool OldGenerationReadsType(int generation, std::int32_t graphType);

// Generation 0, from the record count (token 1): records of 21 fields, no
// axes record (the axes stay as they were), the animation boxes not written.
void ReadGeneration0(TokenReader& r, const DocumentHeader& header, LoadedDocument& doc);
// Generations 1 and 2, from the record count (token 1) to the 28-token axes
// record; every graph record writes the animation boxes.
void ReadGenerations1And2(TokenReader& r, const DocumentHeader& header, LoadedDocument& doc);
