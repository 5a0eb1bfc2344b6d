#include "platform/common/font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <sys/stat.h>
#include <cstring>
#include <mutex>

namespace platform {

namespace {

// One FreeType library for the process; faces are opened and closed under its lock.
struct Library {
    FT_Library handle = nullptr;
    std::mutex mutex;
    Library() {
        if (FT_Init_FreeType(&handle) != 0) handle = nullptr;
    }
    ~Library() {
        if (handle) FT_Done_FreeType(handle);
    }
};

Library& SharedLibrary() {
    static Library library;
    return library;
}

class FreeTypeFace : public FontFace {
public:
    FreeTypeFace(FT_Face face, int cell_height, bool bold)
        : face_(face), height_(cell_height), bold_(bold) {
        FT_Size_RequestRec request{};
        request.type = FT_SIZE_REQUEST_TYPE_CELL;
        request.height = static_cast<FT_Long>(height_) << 6;
        FT_Request_Size(face_, &request);
        ascent_ = static_cast<int>((face_->size->metrics.ascender + 32) >> 6);
    }
    ~FreeTypeFace() override {
        std::lock_guard lock(SharedLibrary().mutex);
        FT_Done_Face(face_);
    }

    GlyphBitmap Render(char32_t cp) override {
        GlyphBitmap g;
        if (FT_Load_Char(face_, cp, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) return g;
        FT_GlyphSlot slot = face_->glyph;
        if (bold_ && slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_GlyphSlot_Embolden(slot);
        g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return g;
        const FT_Bitmap& bm = slot->bitmap;
        g.width = static_cast<int>(bm.width);
        g.height = static_cast<int>(bm.rows);
        g.left = slot->bitmap_left;
        g.top = ascent_ - slot->bitmap_top;
        g.coverage.resize(static_cast<std::size_t>(g.width) * g.height);
        for (int row = 0; row < g.height; ++row)
            std::memcpy(&g.coverage[static_cast<std::size_t>(row) * g.width],
                        bm.buffer + static_cast<std::ptrdiff_t>(row) * bm.pitch,
                        static_cast<std::size_t>(g.width));
        return g;
    }
    int CellHeight() const override { return height_; }
    int Ascent() const override { return ascent_; }

private:
    FT_Face face_;
    int height_;
    bool bold_;
    int ascent_ = 0;
};

std::string FirstExisting(std::initializer_list<const char*> paths) {
    struct stat info {};
    for (const char* path : paths)
        if (::stat(path, &info) == 0 && S_ISREG(info.st_mode)) return path;
    return {};
}

}  // namespace

std::unique_ptr<FontFace> FontFace::Open(const std::string& path, int cell_height, bool bold) {
    Library& library = SharedLibrary();
    if (!library.handle || path.empty()) return nullptr;
    FT_Face face = nullptr;
    {
        std::lock_guard lock(library.mutex);
        if (FT_New_Face(library.handle, path.c_str(), 0, &face) != 0) return nullptr;
    }
    return std::make_unique<FreeTypeFace>(face, cell_height > 0 ? cell_height : 1, bold);
}

std::string FindMinchoFontFile() {
    return FirstExisting({"/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf",
                          "/usr/share/fonts/truetype/fonts-japanese-mincho.ttf",
                          "/usr/share/fonts/ipa-mincho/ipam.ttf"});
}

std::string FindGothicFontFile() {
    return FirstExisting({"/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf",
                          "/usr/share/fonts/ipa-pgothic/ipagp.ttf",
                          "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf",
                          "/usr/share/fonts/truetype/fonts-japanese-gothic.ttf"});
}

FontFiles FindJapaneseFonts(const std::string&) { return {FindMinchoFontFile(), FindGothicFontFile()}; }

}  // namespace platform
