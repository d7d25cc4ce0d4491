#pragma once
// Documents far beyond 65,535 bytes and 5000 tokens, as users make them: the
// largest table the table dialogs accept and a document of many graphs.
#include "graph/Cls9.h"

#include <memory>
#include <string>
#include <vector>

// A surface table of 201 by 201 points (the most the dialog takes), every
// coordinate of every point a value of its own; ID `id`.
std::shared_ptr<Cls9> LargestDistinctTable(std::int32_t id, std::int32_t rows = 201, std::int32_t columns = 201);
// `count` graphs of a plane document, IDs 1 to count, taking turns among the
// plane kinds: explicit and animated parametric curves, differential
// equations, limits, series and small tables, every field of each a value of
// its own.
std::vector<std::shared_ptr<Cls9>> MixedPlaneGraphs(int count);
// `count` points of a plane document, IDs 1 to count, on a grid of 200
// columns (x from -10 to 9.9, y upwards from -5), their places written as
// expressions.
std::vector<std::shared_ptr<Cls9>> ManyPoints(int count);
// The two large documents of the save and open tests, named for a trace:
// the largest table (LargestDistinctTable(1)) in a surface document (kind 3)
// and MixedPlaneGraphs(60) in a plane document (kind 1).
struct LargeDocument {
    std::string name;
    std::int32_t kind;
    std::vector<std::shared_ptr<Cls9>> graphs;
};
std::vector<LargeDocument> LargeDocuments();
// ManyPoints(10001) in a plane document: more graphs than readers before took.
LargeDocument ManyGraphsDocument();

// Large files that are no document (each some 4 MB framed in the long frame),
// named for a trace: blanks after "S71 1", a few million one-character tokens
// (letters where a record's type stands; zeros under a count of 9000, whose
// second record repeats the first one's ID; zeros under a count of two
// million, more records than 4 MB can hold), bytes of a fixed pseudo-random sequence, and NUL bytes
// without a blank. Each fails within its first few tokens.
struct HostileDocument {
    std::string name;
    std::string bytes;
};
std::vector<HostileDocument> LargeHostileDocuments();
