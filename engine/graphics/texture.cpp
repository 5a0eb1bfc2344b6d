#include "engine/graphics/texture.h"

#include "engine/graphics/direct_graphics.h"

bool DTexture::LoadFromFile(const char* file_name, std::uint32_t color_key) {
    CDirectGraphics* graphics = CDirectGraphics::Instance();
    if (!graphics) return false;
    Release();
    return graphics->CreateTextureFromFile(this, file_name, color_key);
}

bool DTexture::LoadFromResource(int resource_id, std::uint32_t color_key) {
    CDirectGraphics* graphics = CDirectGraphics::Instance();
    if (!graphics) return false;
    Release();
    return graphics->CreateTextureFromResource(this, resource_id, color_key);
}

void DTexture::Release() {
    CDirectGraphics* graphics = CDirectGraphics::Instance();
    if (index_ == 0 || !graphics) return;
    graphics->ReleaseTexture(index_);
    index_ = 0;
}

bool DTexture::UpdateFromRGB(const std::uint8_t* pixels, int width, int height) {
    CDirectGraphics* graphics = CDirectGraphics::Instance();
    if (!graphics) return false;
    return graphics->UpdateTexture(this, pixels, width, height);
}

void DTexture::Changed() {
    SetChanged();
    Notify(0);
}
