// Places Shift-JIS text in a rectangle by the DT_ flags: line feeds break lines (unless
// DT_SINGLELINE), DT_WORDBREAK breaks at spaces and between two double-byte characters,
// DT_EXPANDTABS expands tabs to stops of eight spaces, lines align left, centred or right, and
// the block aligns top, centred (DT_VCENTER) or at the bottom (DT_BOTTOM).
#pragma once

#include <string_view>
#include <vector>

#include "engine/graphics/draw_recorder.h"

class FontRenderer;

struct PlacedGlyph {
    char32_t code_point = 0;
    int x = 0, y = 0;  // pen position at the top of the cell
};

std::vector<PlacedGlyph> LayoutText(std::string_view cp932, const TextRect& rect, unsigned format,
                                    FontRenderer& font);

// The code point of one CP932 character (one or two bytes); U+FFFD when undecodable.
char32_t DecodeCp932Char(std::string_view character);
