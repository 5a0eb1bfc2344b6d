#include <cstring>
#include <unordered_map>

#include "engine/graphics/glyph_source.h"
#include "platform/common/font_face.h"

namespace {

// The face the system's "標準明朝" stands for; every other face is drawn in the Gothic.
constexpr const char kMinchoFace[] = "標準明朝";

class FaceRenderer : public FontRenderer {
public:
    explicit FaceRenderer(std::unique_ptr<platform::FontFace> face) : face_(std::move(face)) {}

    const Glyph& GetGlyph(char32_t cp) override {
        auto it = cache_.find(cp);
        if (it != cache_.end()) return it->second;
        platform::GlyphBitmap bitmap = face_->Render(cp);
        Glyph g;
        g.width = bitmap.width;
        g.height = bitmap.height;
        g.left = bitmap.left;
        g.top = bitmap.top;
        g.advance = bitmap.advance;
        g.coverage = std::move(bitmap.coverage);
        return cache_.emplace(cp, std::move(g)).first->second;
    }
    int CellHeight() const override { return face_->CellHeight(); }

private:
    std::unique_ptr<platform::FontFace> face_;
    std::unordered_map<char32_t, Glyph> cache_;
};

class FreeTypeGlyphSource : public GlyphSource {
public:
    FreeTypeGlyphSource(std::string mincho, std::string gothic)
        : mincho_(std::move(mincho)), gothic_(std::move(gothic)) {}

    std::unique_ptr<FontRenderer> CreateRenderer(const FontDescription& d) override {
        const bool mincho = std::strncmp(d.face, kMinchoFace, sizeof d.face) == 0;
        const std::string& wanted = mincho ? mincho_ : gothic_;
        const std::string& path = wanted.empty() ? (mincho ? gothic_ : mincho_) : wanted;
        const int height = d.height < 0 ? -d.height : d.height;
        auto face = platform::FontFace::Open(path, height, d.weight >= 700);
        if (!face) return nullptr;
        return std::make_unique<FaceRenderer>(std::move(face));
    }

private:
    std::string mincho_, gothic_;
};

}  // namespace

std::unique_ptr<GlyphSource> MakeFreeTypeGlyphSource(const std::string& mincho_path,
                                                     const std::string& gothic_path) {
    const bool mincho = platform::FontFace::Open(mincho_path, 20, false) != nullptr;
    const bool gothic = platform::FontFace::Open(gothic_path, 20, false) != nullptr;
    if (!mincho && !gothic) return nullptr;
    return std::make_unique<FreeTypeGlyphSource>(mincho ? mincho_path : "",
                                                 gothic ? gothic_path : "");
}
