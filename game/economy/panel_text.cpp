#include "game/economy/panel_text.h"

#include <cstdio>

#include "engine/graphics/direct_graphics.h"
#include "engine/graphics/text_format.h"
#include "game/main/vemu_comp.h"

namespace economy_panels {

namespace {

constexpr unsigned kLineFormat = DT_WORDBREAK | DT_EXPANDTABS;

}  // namespace

void PanelText::Line(int x, int y, const char* text, std::uint32_t color) const {
    graphics.DrawText(x, y, text, color, font, kLineFormat);
}

void PanelText::Line(int x, int y, const char* text) const {
    Line(x, y, text, CVemuComp::kMessageColor);
}

void PanelText::RightAligned(int x, int y, const char* text) const {
    graphics.DrawText(x, y, text, CVemuComp::kMessageColor, font, DT_RIGHT);
}

void PanelText::Value(int y, int value, const char* unit) const {
    char number[16];
    std::snprintf(number, sizeof number, "%d", value);
    RightAligned(kValueX, y, number);
    if (unit) Line(kValueX, y, unit);
}

}  // namespace economy_panels
