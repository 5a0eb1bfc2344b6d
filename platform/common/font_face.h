// A scalable font file rasterised through FreeType: coverage bitmaps of single code points at
// a given cell height (ascender to descender, like a positive Windows font height).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace platform {

struct GlyphBitmap {
    int width = 0, height = 0;  // of the coverage bitmap
    int left = 0, top = 0;      // offset from the pen position at the top of the cell
    int advance = 0;
    std::vector<std::uint8_t> coverage;  // width * height, 0..255
};

class FontFace {
public:
    virtual ~FontFace() = default;
    // Null when the file cannot be opened as a font. Bold is synthesised by emboldening.
    static std::unique_ptr<FontFace> Open(const std::string& path_utf8, int cell_height, bool bold);

    virtual GlyphBitmap Render(char32_t code_point) = 0;
    virtual int CellHeight() const = 0;
    virtual int Ascent() const = 0;
};

// The font files that draw Japanese, found through fontconfig as the desktop finds its fonts:
// the packaged IPA Mincho and proportional Gothic when installed, else the faces fontconfig
// picks for serif and sans-serif Japanese text, else any font that covers Japanese. Empty when
// no installed font covers Japanese. An empty setup file means the desktop's own setup.
FontFiles FindJapaneseFonts(const std::string& fontconfig_file = {});
// The desktop's, looked up once per process.
std::string FindMinchoFontFile();
std::string FindGothicFontFile();

}  // namespace platform
