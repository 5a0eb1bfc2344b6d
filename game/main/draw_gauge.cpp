// The stamina gauge: a pulsing bar that runs from blue when full through cyan and yellow to red.
#include <algorithm>
#include <cmath>

#include "game/main/draw_text.h"
#include "game/main/vemu_comp.h"

namespace {

constexpr int kBarX = 33, kBarY = 54, kBarWidth = 243, kBarHeight = 8;

std::uint8_t Channel(float value) {
    return static_cast<std::uint8_t>(std::clamp(static_cast<int>(value), 0, 255));
}

// The bar's colour at the share r of the maximum, one ramp per third.
void SetRampColor(DEffect& bar, float r) {
    if (r > 2.0f / 3.0f) {
        bar.red = 0;
        bar.green = Channel((3.0f - 3.0f * r) * 255.0f);
        bar.blue = 255;
    } else if (r > 1.0f / 3.0f) {
        bar.red = Channel((2.0f - 3.0f * r) * 255.0f);
        bar.green = 255;
        bar.blue = Channel((3.0f * r - 1.0f) * 255.0f);
    } else {
        bar.red = 255;
        bar.green = Channel(3.0f * r * 255.0f);
        bar.blue = 0;
    }
}

}  // namespace

void CVemuComp::DrawStaminaGauge() {
    const int maximum = world_.state.max_stamina;
    // Update cuts the stamina to the maximum; the bar never runs past the frame even before it
    // has.
    const float stamina = std::min(world_.state.stamina, static_cast<float>(maximum));
    if (stamina > 0.0f && maximum > 0) {
        DEffect bar = play_draw::PictureEffect(kBarX, kBarY, 0);
        bar.width = static_cast<std::uint16_t>(stamina * kBarWidth / static_cast<float>(maximum));
        bar.height = kBarHeight;
        bar.alpha =
            static_cast<std::uint8_t>((std::sin(frame_counter_ * 0.1) + 1.0) * 24.0 + 164.0);
        SetRampColor(bar, stamina / static_cast<float>(maximum));
        graphics_->DrawEffect(&bar, nullptr);
    }
    graphics_->DrawTexture(22, 52, &textures_.gauge);
    graphics_->DrawTexture(10, 44, &textures_.life);
}
