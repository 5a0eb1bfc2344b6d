#include "engine/graphics/font.h"

#include <cstring>

#include "engine/common/sjis.h"
#include "engine/graphics/direct_graphics.h"

FontDescription MakeFontDescription(int height, const char* face, bool bold) {
    FontDescription d;
    d.height = height;
    d.weight = bold ? 700 : 400;
    d.charset = FontDescription::kShiftJisCharset;
    const std::string_view name = face ? face : "";
    // Cut on a character boundary so the field never ends in half a double-byte character.
    const std::size_t n = sjis::CutPosition(name, FontDescription::kFaceSize - 1);
    std::memcpy(d.face, name.data(), n);
    d.face[n] = '\0';
    return d;
}

bool DFont::Create(int height, const char* face, bool bold) {
    CDirectGraphics* graphics = CDirectGraphics::Instance();
    if (!graphics) return false;
    height_ = height;
    return graphics->AddFont(this, MakeFontDescription(height, face, bold));
}
