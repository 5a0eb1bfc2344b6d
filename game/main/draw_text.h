// What the play screen's drawing files share: the two text formats, the colours, the picture
// effect every blended draw starts from, and the name that runs over two lines.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/graphics/direct_graphics.h"

namespace play_draw {

constexpr unsigned kLineFormat = DT_WORDBREAK | DT_EXPANDTABS;  // a line starting at x
constexpr unsigned kRightFormat = DT_RIGHT;                     // a line ending at x
constexpr std::uint32_t kMessageColor = 0xFF523E14;
constexpr std::uint32_t kGreyColor = 0x80808080;

// A picture at its own size, untinted, at that alpha.
DEffect PictureEffect(int x, int y, std::uint8_t alpha);

// A name of up to kNameLineBytes bytes that fits its room is one line; a longer or wider one
// is split into two lines, at most kNameLineBytes bytes and the room's width on the first,
// never inside a two-byte character nor where a Japanese line may not break.
inline constexpr std::size_t kNameLineBytes = 22;
struct NameLayout {
    int x, y;              // a name on one line
    int first_x, first_y;  // the first part of a split name
    int rest_x, rest_y;    // its remainder
    int room;              // the width the first line may take
    DFont* split_font;     // the font of a split name's two lines (null: the name's font)
};
void DrawName(CDirectGraphics& graphics, std::string_view name, const NameLayout& layout,
              std::uint32_t color, DFont* font);

// The text when it fits `room`, else as much of it as fits with "…" after it.
std::string FitOnOneLine(CDirectGraphics& graphics, std::string_view text, int room, DFont* font);

// The portrait's frame, and the plate on its top edge that carries a list's page counter: the
// frame is drawn with wood in the plate's place, the list draws the plate with its counter.
// The frame stands right under the list's last row, so that its band above the portrait holds
// the plate with wood all round and still leaves the portrait's top to show.
inline constexpr int kFrameX = 20, kFrameY = 322;
// In the picture: the plate stands inside the band above the portrait, clear of its edges.
inline constexpr int kPlateLeft = 61, kPlateTop = 3, kPlateWidth = 56, kPlateHeight = 15;
inline constexpr int kPlainWoodLeft = 4;  // where the band above the portrait is plain wood

// The info panel's text keeps left of this x; on the cooking screen, left of the method menu.
inline constexpr int kPanelRight = 622, kPanelRightBesideMethods = 486;

// A panel's description at (x, y), left of `right`: one line in `font` when it fits, else in
// `small` over two lines, centred on the one line's place so that the rows below stay clear.
void DrawDescription(CDirectGraphics& graphics, int x, int y, std::string_view text, int right,
                     DFont* font, DFont* small);

// A value right-aligned at x with its unit, if any, starting there.
void DrawValue(CDirectGraphics& graphics, int x, int y, int value, const char* unit, DFont* font);

}  // namespace play_draw
