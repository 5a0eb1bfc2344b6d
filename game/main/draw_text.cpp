#include "game/main/draw_text.h"

#include <string>

#include "engine/common/numbers.h"
#include "engine/common/sjis.h"

namespace play_draw {

DEffect PictureEffect(int x, int y, std::uint8_t alpha) {
    DEffect effect;
    effect.x = static_cast<std::int16_t>(x);
    effect.y = static_cast<std::int16_t>(y);
    effect.width = effect.height = DEffect::kImageSize;
    effect.rotation = 0.0f;
    effect.alpha = alpha;
    effect.red = effect.green = effect.blue = 255;
    return effect;
}

void DrawName(CDirectGraphics& graphics, std::string_view name, const NameLayout& layout,
              std::uint32_t color, DFont* font) {
    if (graphics.LineBreakWithin(name, layout.room, font, kNameLineBytes) >= name.size()) {
        graphics.DrawText(layout.x, layout.y, std::string(name).c_str(), color, font, kLineFormat);
        return;
    }
    if (layout.split_font) font = layout.split_font;
    const std::size_t cut = graphics.LineBreakWithin(name, layout.room, font, kNameLineBytes);
    graphics.DrawText(layout.first_x, layout.first_y, std::string(name.substr(0, cut)).c_str(),
                      color, font, kLineFormat);
    graphics.DrawText(layout.rest_x, layout.rest_y, std::string(name.substr(cut)).c_str(), color,
                      font, kLineFormat);
}

std::string FitOnOneLine(CDirectGraphics& graphics, std::string_view text, int room, DFont* font) {
    if (graphics.TextWidth(text, font) <= room) return std::string(text);
    // The mark says that the end is left out.
    const std::string ellipsis = "…";
    const int left = room - graphics.TextWidth(ellipsis, font);
    return std::string(text.substr(0, graphics.LineBreakWithin(text, left, font))) + ellipsis;
}

namespace {
constexpr int kDescriptionLift = 3;
}  // namespace

void DrawDescription(CDirectGraphics& graphics, int x, int y, std::string_view text, int right,
                     DFont* font, DFont* small) {
    const int room = right - x;
    if (graphics.LineBreakWithin(text, room, font) >= text.size()) {
        graphics.DrawText(x, y, std::string(text).c_str(), kMessageColor, font, kLineFormat);
        return;
    }
    const std::size_t cut = graphics.LineBreakWithin(text, room, small);
    const int line = small->GetHeight();
    // Centred on the one line's place, less the air the row below needs.
    const int top = y + (font->GetHeight() - 2 * line) / 2 - kDescriptionLift;
    graphics.DrawText(x, top, std::string(text.substr(0, cut)).c_str(), kMessageColor, small,
                      kLineFormat);
    graphics.DrawText(x, top + line, std::string(text.substr(cut)).c_str(), kMessageColor, small,
                      kLineFormat);
}

void DrawValue(CDirectGraphics& graphics, int x, int y, int value, const char* unit, DFont* font) {
    graphics.DrawText(x, y, IntToString(value).c_str(), kMessageColor, font, kRightFormat);
    if (unit) graphics.DrawText(x, y, unit, kMessageColor, font, kLineFormat);
}

}  // namespace play_draw
