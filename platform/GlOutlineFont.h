#pragma once
// Outline fonts as OpenGL display lists: one list per character code 0..127,
// each drawing its glyph as filled polygons in units of the font's em (the
// baseline at y = 0, up is +y), with a front face at z = 0, a back face at
// z = -extrusion and the side walls between them, and ending with a
// translation of the model-view matrix by the glyph's advance. Control codes
// and glyphs without an outline (the space) only advance.
#include "core/GlyphAtlas.h"

#include <optional>
#include <string>

inline constexpr int OutlineFontGlyphCount = 128;

// The installed family drawn for a face name: "Arial" is drawn with its metric
// twin Liberation Sans; any other name goes through the font matcher, which
// falls back to the closest sans-serif family.
std::string OutlineFontFamily(const std::string& faceName);

// Compiles lists firstList .. firstList + 127 from the face with the given
// weight (100..900, 0 = normal) and italic flag. Needs a current GL context
// and no list being compiled. Returns false when the lists could not be made
// (some of them may then hold partial glyphs: the caller deletes them).
bool BuildOutlineFontLists(unsigned firstList, const std::string& faceName, int weight, bool italic,
                           float extrusion);

// The glyphs of codes 32..126 of the same face drawn upright at `pixelSize`
// pixels to the em, hinted as the desktop draws its text, antialiased when
// `smooth` (else each pixel fully inked or not), with their metrics. Needs a
// running QGuiApplication; nothing when the face gives no glyphs.
std::optional<GlyphAtlas> BuildGlyphAtlas(const std::string& faceName, int pixelSize, int weight, bool italic,
                                          bool smooth);
