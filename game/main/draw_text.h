// What the play screen's drawing files share: the two text formats, the colours, the picture
// effect every blended draw starts from, and the name that runs over two lines.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/graphics/direct_graphics.h"

namespace play_draw {

constexpr unsigned kLineFormat = DT_WORDBREAK | DT_EXPANDTABS;  // a line starting at x
constexpr unsigned kRightFormat = DT_RIGHT;                     // a line ending at x
constexpr std::uint32_t kMessageColor = 0xFF523E14;
constexpr std::uint32_t kGreyColor = 0x80808080;

// A picture at its own size, untinted, at that alpha.
DEffect PictureEffect(int x, int y, std::uint8_t alpha);

// A name of up to kNameLineBytes bytes is one line; a longer one is split there, never inside
// a two-byte character, and drawn as two lines.
inline constexpr std::size_t kNameLineBytes = 22;
struct NameLayout {
    int x, y;              // a name on one line
    int first_x, first_y;  // the first part of a split name
    int rest_x, rest_y;    // its remainder
};
void DrawName(CDirectGraphics& graphics, std::string_view name, const NameLayout& layout,
              std::uint32_t color, DFont* font);

// A value right-aligned at x with its unit, if any, starting there.
void DrawValue(CDirectGraphics& graphics, int x, int y, int value, const char* unit, DFont* font);

}  // namespace play_draw
