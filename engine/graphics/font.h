// A font handle: an index into the graphics device's font table and the cell height in pixels.
#pragma once

#include <cstdint>

// The description a font is made from (the fields of a Win32 LOGFONT the system fills).
struct FontDescription {
    static constexpr int kFaceSize = 32;
    static constexpr std::uint8_t kShiftJisCharset = 128;

    int height = 0;  // cell height in pixels
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 400;  // 700 = bold
    bool italic = false, underline = false, strike_out = false;
    std::uint8_t charset = kShiftJisCharset;
    std::uint8_t out_precision = 0, clip_precision = 0, quality = 0, pitch_and_family = 0;
    char face[kFaceSize] = {};  // CP932, always terminated (longer names are cut)
};

class DFont {
public:
    DFont() = default;
    virtual ~DFont() = default;

    // Makes a font-table entry of this height, face (CP932) and weight; false (and the index
    // unchanged) when no renderer can be made or there is no graphics device.
    bool Create(int height, const char* face, bool bold);

    int GetIndex() const { return index_; }
    int GetHeight() const { return height_; }

private:
    friend class CDirectGraphics;
    int index_ = 0;    // 0 = the default font
    int height_ = 20;  // the default font's height
};

// Fills a description the way DFont::Create does.
FontDescription MakeFontDescription(int height, const char* face, bool bold);
