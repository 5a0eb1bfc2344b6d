#include "engine/graphics/direct_graphics.h"

#include <algorithm>

#include "platform/platform.h"

CDirectGraphics::CDirectGraphics()
    : framebuffer_(static_cast<std::size_t>(kScreenWidth) * kScreenHeight, 0xFF000000u) {}

CDirectGraphics::~CDirectGraphics() = default;

bool CDirectGraphics::Init(void* /*window*/, bool windowed) {
    if (!platform::IsInstalled() || !platform::Current().window) return false;
    full_screen_ = windowed ? 0 : 1;
    initialized_ = true;
    SetClearColorRGB(255, 255, 255);
    return true;
}

void CDirectGraphics::Release() { initialized_ = false; }

void CDirectGraphics::Clear() {
    if (clear_color_ == 0x00FFFFFFu) return;  // "clear the depth buffer only"
    std::fill(framebuffer_.begin(), framebuffer_.end(), clear_color_);
}

void CDirectGraphics::BeginScene() {}
void CDirectGraphics::EndScene() {}

void CDirectGraphics::Present() {
    if (!initialized_) return;
    if (!platform::Current().window->Present(framebuffer_.data(), kScreenWidth, kScreenHeight))
        reset_pending_ = true;
}

bool CDirectGraphics::RecoverLostDevice() {
    if (!reset_pending_) return false;
    ToggleFullScreen();
    reset_pending_ = false;
    return true;
}

void CDirectGraphics::ToggleFullScreen() {
    full_screen_ = full_screen_ ? 0 : 1;
    if (platform::IsInstalled() && platform::Current().window)
        platform::Current().window->SetFullScreen(full_screen_ != 0);
}

void CDirectGraphics::DrawTexture(int, int, DTexture*) {}

void CDirectGraphics::DrawEffect(const DEffect* effect, DTexture* texture) {
    if (!effect || texture) return;
    // An untextured effect: a rectangle of the effect's colour, blended with its alpha.
    const int x0 = std::max(0, static_cast<int>(effect->x));
    const int y0 = std::max(0, static_cast<int>(effect->y));
    const int x1 = std::min(kScreenWidth, effect->x + static_cast<int>(effect->width));
    const int y1 = std::min(kScreenHeight, effect->y + static_cast<int>(effect->height));
    const unsigned a = effect->alpha;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            std::uint32_t& d = framebuffer_[static_cast<std::size_t>(y) * kScreenWidth + x];
            auto mix = [a](unsigned s, unsigned t) { return (s * a + t * (255 - a) + 127) / 255; };
            const unsigned r = mix(effect->red, (d >> 16) & 255);
            const unsigned g = mix(effect->green, (d >> 8) & 255);
            const unsigned b = mix(effect->blue, d & 255);
            d = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
    }
}

void CDirectGraphics::DrawText(int, int, const char*, std::uint32_t, DFont*, unsigned) {}
