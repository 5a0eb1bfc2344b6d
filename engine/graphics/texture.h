// A texture handle: an index into the graphics device's texture table plus the image size read
// from the file's header (texture coordinates are computed against that size).
#pragma once

#include <cstdint>

#include "engine/graphics/observable.h"

class DTexture : public Observable {
public:
    DTexture() = default;
    // Leaves the table entry alone: entries live until the device is released.
    ~DTexture() override = default;

    // False without a graphics device; otherwise releases the current texture and loads. The
    // colour key (ARGB, 0 = none) makes matching pixels fully transparent.
    bool LoadFromFile(const char* file_name, std::uint32_t color_key);
    bool LoadFromResource(int resource_id, std::uint32_t color_key);
    void Release();
    // Rewrites the pixels from a bottom-up 24-bit BGR picture (rows padded to 4 bytes).
    virtual bool UpdateFromRGB(const std::uint8_t* pixels, int width, int height);
    // Sets the changed flag and notifies with argument 0.
    virtual void Changed();

    int GetIndex() const { return index_; }
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }

private:
    friend class CDirectGraphics;
    int index_ = 0;  // 0 = no texture
    int width_ = 0;
    int height_ = 0;
};
