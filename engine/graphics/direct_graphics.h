// The graphics device: everything the player sees is drawn here, into a 640 x 480 ARGB
// framebuffer that the platform's window presents.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/graphics/effect.h"

class DTexture;
class DFont;

class CDirectGraphics {
public:
    static constexpr int kScreenWidth = 640;
    static constexpr int kScreenHeight = 480;

    CDirectGraphics();
    virtual ~CDirectGraphics();
    CDirectGraphics(const CDirectGraphics&) = delete;
    CDirectGraphics& operator=(const CDirectGraphics&) = delete;

    bool Init(void* window, bool windowed);
    void Release();
    void Clear();
    void BeginScene();
    void EndScene();
    void Present();
    bool RecoverLostDevice();
    void ToggleFullScreen();
    int IsFullScreen() const { return full_screen_; }
    bool IsInitialized() const { return initialized_; }
    void SetClearColor(std::uint32_t argb) { clear_color_ = argb; }
    void SetClearColorRGB(int r, int g, int b) {
        clear_color_ = 0xFF000000u | (static_cast<std::uint32_t>(r & 255) << 16) |
                       (static_cast<std::uint32_t>(g & 255) << 8) | static_cast<std::uint32_t>(b & 255);
    }

    void DrawTexture(int x, int y, DTexture* texture);
    void DrawEffect(const DEffect* effect, DTexture* texture);
    void DrawText(int x, int y, const char* text, std::uint32_t argb, DFont* font, unsigned format);

    // The picture as it stands (what Present shows).
    const std::uint32_t* Pixels() const { return framebuffer_.data(); }
    std::uint32_t* MutablePixels() { return framebuffer_.data(); }

private:
    std::vector<std::uint32_t> framebuffer_;
    int full_screen_ = 0;
    bool initialized_ = false;
    bool reset_pending_ = false;
    std::uint32_t clear_color_ = 0xFFFFFFFF;
};
