#include "game/economy/panel_text.h"

#include "game/main/draw_text.h"

namespace economy_panels {

void PanelText::Line(int x, int y, const char* text, std::uint32_t color) const {
    graphics.DrawText(x, y, text, color, font, play_draw::kLineFormat);
}

void PanelText::Line(int x, int y, const char* text) const {
    Line(x, y, text, play_draw::kMessageColor);
}

void PanelText::Description(const char* text) const {
    play_draw::DrawDescription(graphics, kTitleX, kDescriptionY, text ? text : "",
                               play_draw::kPanelRight, font, small);
}

void PanelText::RightAligned(int x, int y, const char* text) const {
    graphics.DrawText(x, y, text, play_draw::kMessageColor, font, play_draw::kRightFormat);
}

void PanelText::Value(int y, int value, const char* unit) const {
    play_draw::DrawValue(graphics, kValueX, y, value, unit, font);
}

}  // namespace economy_panels
