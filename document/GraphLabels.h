#pragma once
// The texts of the graph list's rows, built from a graph's kind, coordinate
// system, form and expressions, never stored. Three sets, one table: the
// document labels (the reader and Paste), the creation labels (the main
// window's creation commands) and the edit labels (a dialog's OK in edit mode).
#include "graph/Cls9.h"

#include <cstdint>
#include <optional>
#include <string>

// Who makes a label: the document reader, a creation command, or the dialog
// whose OK edited the graph.
enum class LabelSource {
    Document,
    mnuDraw2DCart, mnuDraw2DPolar, mnuAniCur2DCart, mnuAniCur2DPol,
    mnuDraw25DCart, mnuDraw25DPolar, mnuAni25DCurCart, mnuAni25DCurPol,
    mnuDrawIP, mnuDrawPoint, mnuAniPoint,
    frmF5, frmF4, frmF16, frmF17, frmF11, frmF10, frmF12, frmF25, frmF26, frmF24,
    frmF27, frmF28, frmF29, frmF30, frmF31, frmF6, frmF18, frmF21, frmF22,
};

// The document label of a graph in a document of kind `documentKind`, tables
// (types 4, 5, 6) included; nothing for a combination the labels do not list.
std::optional<std::string> GraphListLabel(std::int32_t documentKind, const Cls9& graph);

// The row text the reader and Paste give a graph: its document label; where
// its document kind has none, for a point of a special-graph document its
// two coordinates as in a plane document, else the plane (CoordType 1, 2) or
// space (3, 4, 5) document label; else the word of its kind and its
// expressions. Never empty, so every graph gets its row.
std::string DocumentRowLabel(std::int32_t documentKind, const Cls9& graph);

// The row text of a graph a creation command added: the command's label for
// the graph's form, or DocumentRowLabel where the command has none.
std::string CreationLabel(LabelSource command, std::int32_t documentKind, const Cls9& graph);

// The row text an edit dialog's OK writes: its label, or the empty text where
// none of its rows applies.
std::string EditLabel(LabelSource dialog, std::int32_t documentKind, const Cls9& graph);
