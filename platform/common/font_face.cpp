#include "platform/common/font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <fontconfig/fontconfig.h>

#include <algorithm>
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

// A font file that covers Japanese, with its family names.
struct JapaneseFont {
    std::string file;
    std::vector<std::string> families;
};

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

std::vector<JapaneseFont> JapaneseFontsOf(FcConfig* config) {
    std::vector<JapaneseFont> fonts;
    Pattern pattern(FcNameParse(reinterpret_cast<const FcChar8*>(":lang=ja")));
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_FAMILY, nullptr);
    FcFontSet* set = pattern && objects ? FcFontList(config, pattern.get(), objects) : nullptr;
    if (objects) FcObjectSetDestroy(objects);
    if (!set) return fonts;
    for (int i = 0; i < set->nfont; ++i) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) != FcResultMatch) continue;
        JapaneseFont font{reinterpret_cast<const char*>(file), {}};
        FcChar8* family = nullptr;
        for (int n = 0; FcPatternGetString(set->fonts[i], FC_FAMILY, n, &family) == FcResultMatch;
             ++n)
            font.families.emplace_back(reinterpret_cast<const char*>(family));
        fonts.push_back(std::move(font));
    }
    FcFontSetDestroy(set);
    // The same answer on every start, whatever order the font cache lists them in.
    std::sort(fonts.begin(), fonts.end(),
              [](const JapaneseFont& a, const JapaneseFont& b) { return a.file < b.file; });
    return fonts;
}

// The font fontconfig itself picks for a generic family and Japanese text.
std::string MatchGeneric(FcConfig* config, const char* generic) {
    const std::string name = std::string(generic) + ":lang=ja";
    Pattern pattern(FcNameParse(reinterpret_cast<const FcChar8*>(name.c_str())));
    if (!pattern) return {};
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    Pattern match(FcFontMatch(config, pattern.get(), &result));
    FcChar8* file = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) return {};
    return reinterpret_cast<const char*>(file);
}

// The packaged face the game was drawn with when it is there; else the one the desktop uses for
// that kind of face; else any font that covers Japanese.
std::string Choose(FcConfig* config, const std::vector<JapaneseFont>& fonts,
                   std::initializer_list<const char*> packaged, const char* generic) {
    if (fonts.empty()) return {};
    for (const char* wanted : packaged)
        for (const JapaneseFont& font : fonts)
            if (std::find(font.families.begin(), font.families.end(), wanted) !=
                font.families.end())
                return font.file;
    const std::string matched = MatchGeneric(config, generic);
    for (const JapaneseFont& font : fonts)
        if (font.file == matched) return font.file;
    return fonts.front().file;
}

FontFiles FindIn(FcConfig* config) {
    FontFiles files;
    if (!config) return files;
    const std::vector<JapaneseFont> fonts = JapaneseFontsOf(config);
    files.mincho = Choose(config, fonts, {"IPAMincho", "IPAPMincho"}, "serif");
    files.gothic = Choose(config, fonts, {"IPAPGothic", "IPAGothic"}, "sans-serif");
    return files;
}

// The desktop's own fonts, looked up once.
const FontFiles& SystemJapaneseFonts() {
    static const FontFiles files = [] {
        FcConfig* config = FcInitLoadConfigAndFonts();
        FontFiles found = FindIn(config);
        if (config) FcConfigDestroy(config);
        return found;
    }();
    return files;
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

std::string FindMinchoFontFile() { return SystemJapaneseFonts().mincho; }

std::string FindGothicFontFile() { return SystemJapaneseFonts().gothic; }

FontFiles FindJapaneseFonts(const std::string& fontconfig_file) {
    if (fontconfig_file.empty()) return SystemJapaneseFonts();
    FcConfig* config = FcConfigCreate();
    if (!config) return {};
    FontFiles found;
    if (FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(fontconfig_file.c_str()),
                             FcTrue) &&
        FcConfigBuildFonts(config))
        found = FindIn(config);
    FcConfigDestroy(config);
    return found;
}

}  // namespace platform
