#pragma once
// The texts of the coordinate systems (tick labels and axis titles), drawn
// upright in window pixels at a fixed size whatever the zoom and the turn of
// the view: readable at every size of the picture, never seen edge-on.
//
// A display list cannot place a text by the pixels it covers, so the axes
// drawing only records its texts, anchored at points of the scene, for the
// list being compiled; the frame draws them after calling that list, laid out
// with the matrices and viewport of that moment: each text beside its anchor
// on the side its direction points to, the texts of an axis seen end-on left
// out, a text that would cover another or leave the drawing area left out or
// moved inside. Plain GL, no Qt: the glyphs come as GlyphAtlas pictures.
#include "core/GlyphAtlas.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct ScreenText {
    std::string text;               // UTF-8; its ASCII characters are drawn
    std::int32_t font = 0;          // the glyph-list base it is set in (LabelFontBase, TitleFontBase)
    std::int32_t colour = 0;        // colour Long
    std::array<double, 3> anchor{}; // drawing coordinates
    std::array<double, 3> away{};   // the text lies from its anchor in this direction (drawing coordinates)
    int axis = 0;                   // 1..3: the texts of one axis, left out together when it is seen end-on
    bool title = false;             // placed beyond the labels of its axis
    bool turned = false;            // turned a quarter clockwise: reads downwards
    bool smooth = true;             // antialiased glyphs, else every pixel fully inked or not
};

// Records the text for the display list being compiled (list 0 when none is).
void AddScreenText(const ScreenText& text);
// Forgets the texts of a list (before it is compiled again).
void ClearScreenTexts(std::uint32_t list);
// The list being compiled, 0 when none is: the texts recorded now go to it.
std::uint32_t ScreenTextList();
const std::vector<ScreenText>& ScreenTextsOf(std::uint32_t list);

// The frame texts are laid out in: the GL matrices and the viewport (window
// pixels, y up).
struct ScreenView {
    std::array<double, 16> modelView{}, projection{};
    std::array<int, 4> viewport{};
};
// The frame GL holds now.
ScreenView CurrentScreenView();

// A text as laid out: its index among the list's texts, its box in window
// pixels (x to the right, y up, the viewport's frame) and its anchor there;
// the box holds the text from its baseline to the top of its capitals and
// digits. A text moved in lies where it does because its own place beside
// its anchor was (partly) outside the drawing area.
struct PlacedText {
    std::size_t index;
    int left, bottom, width, height;
    double anchorX = 0, anchorY = 0;
    bool movedIn = false;
};
// The least room in pixels between a text's box and the edge of the drawing
// area: a text nearer to it is moved in.
inline constexpr int ScreenTextMargin = 2;
// Why a text with glyphs to draw was left out: its axis is seen end-on, its
// anchor lies outside the view, or it would cover a text placed before it.
enum class LeftOutText { EndOn, OutsideView, Covering };
struct ScreenTextLayout {
    std::vector<PlacedText> placed;
    std::vector<std::pair<std::size_t, LeftOutText>> leftOut;
};
// Whether a layout keeps to the drawing area (as drawn) or lays every text
// beside its anchor wherever that is (how far the texts reach, for a fit).
enum class ViewEdges { Keep, Ignore };
ScreenTextLayout LayOutScreenTexts(std::uint32_t list, const ScreenView& view, ViewEdges edges);
// Lays the texts of a list out with the current matrices and viewport.
std::vector<PlacedText> LayOutScreenTexts(std::uint32_t list);
// Draws them as laid out, on top of the picture; GL state is left as it was.
void DrawScreenTexts(std::uint32_t list);
// What the last DrawScreenTexts laid out: the list, the view and the layout.
struct DrawnScreenTexts {
    std::uint32_t list = 0;
    ScreenView view;
    ScreenTextLayout layout;
};
const DrawnScreenTexts& LastDrawnScreenTexts();

// The glyphs of the font whose glyph-list base is `font`: made into GL
// textures of the current context (both pictures must be usable). Returns
// false when GL gives no texture.
bool InstallScreenFont(std::int32_t font, const GlyphAtlas& smooth, const GlyphAtlas& plain);
// Deletes the textures of every font (the context current), or only forgets
// them (the context is gone).
void ReleaseScreenFonts();
void ForgetScreenFonts();
// The metrics of an installed font; nullptr for any other base.
const GlyphAtlas* ScreenFontMetrics(std::int32_t font);
// The width in pixels of a text in an installed font (0 for any other).
int ScreenTextWidth(std::int32_t font, const std::string& text);
