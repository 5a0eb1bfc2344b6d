// The text rows of the item and catalogue-entry panels: a title line, a description line, and
// rows of label, right-aligned value and unit, in the panel font and the message colour.
#pragma once

#include <cstdint>
#include <string_view>

class CDirectGraphics;
class DFont;

namespace economy_panels {

inline constexpr int kTitleX = 310, kTitleY = 165, kDescriptionY = 190;
// The labels line up with the food panels', clear of a wide value.
inline constexpr int kLabelX = 316, kValueX = 438;
inline constexpr int kFirstRowY = 210, kRowPitch = 20;

struct PanelText {
    CDirectGraphics& graphics;
    DFont* font;
    DFont* small;  // a description too long for one line goes over two in this font

    // The description under the title, kept inside the panel.
    void Description(const char* text) const;

    // A line starting at x, wrapped at the screen's edge.
    void Line(int x, int y, const char* text, std::uint32_t color) const;
    void Line(int x, int y, const char* text) const;
    // A line ending at x.
    void RightAligned(int x, int y, const char* text) const;
    // A number ending at the value column, and its unit (if any) from there on.
    void Value(int y, int value, const char* unit) const;
};

}  // namespace economy_panels
