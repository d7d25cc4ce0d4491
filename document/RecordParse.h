#pragma once
// The parses of the graph, table and axes records, each reading from the
// token at the read position into the object it is given, with the fields of
// its generation (graph and axes records 0 to 7, table records 3 to 7). They
// throw DocumentFormatError where the record cannot be read.
#include "document/LoadedDocument.h"
#include "document/TokenReader.h"
#include "graph/Cls9.h"
#include "scene/Cls3.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// The fewest tokens of any record a document holds: a table record of
// generation 3 with a grid of one point (13 fields and its 3 coordinates).
// Every token takes at least one byte of the text, itself or the blank after
// it, so a record never takes fewer bytes.
inline constexpr std::size_t MinRecordTokens = 16;
// A document's record count (token 1): a whole number from 0 to as many
// records as the rest of the text can hold at MinRecordTokens bytes each, so a
// count never promises more graphs than the bytes that follow it.
std::int32_t ReadRecordCount(TokenReader& r);
// The GraphType that the record's first token, at the read position, names;
// nothing for a token that names none. The position does not move.
std::optional<std::int32_t> RecordTypeAt(TokenReader& r);

// A graph record into a new graph; the frame count and speed of an animated
// record are returned (clamped), since they are program-wide. Generation 0
// stores the first 21 fields, 1 adds the point and animation fields, 2 the
// contour, vector and colour-map switches; a record of generations 0 to 2
// leaves FunForm 3 and Show2DCurve True.
std::optional<AnimationValues> ReadGraphRecord(TokenReader& r, int generation, Cls9& g);
// A table record (type 4, 5 or 6) into a new graph; a grid side outside
// 0..200 is malformed.
void ReadTableRecord(TokenReader& r, int generation, Cls9& g);
// How Paste read a record: whole; in part (a fault from the Animation field
// on, the graph keeps the fields read before it); or refused (a fault before
// Animation, in a table record, or a list count outside 0..50: nothing is
// added).
enum class PastedRecord { Whole, Partial, Refused };
// A graph record of a clipboard text: the newest layout without generation
// gates, a name by TokenReader::PastedName, any PointSize, PointHollow for any
// non-zero number, an animated record's frame count and speed passed over.
// Read from a reader whose reads past the last token give empty tokens.
PastedRecord ReadPastedGraphRecord(TokenReader& r, Cls9& g);
// A table record of a clipboard text (Whole or Refused); a grid side outside
// 0..200 refuses it.
PastedRecord ReadPastedTableRecord(TokenReader& r, Cls9& g);
// The axes record (generations 1 to 7): Show from its first token ("1" or
// "True"); when shown, the other fields of the generation's layout (39 fields
// in generation 7, 28 in older ones, whose titles are one token taken
// unchanged) are written onto `axes`; every other setting keeps its value.
void ReadAxesRecord(TokenReader& r, int generation, Cls3& axes);
