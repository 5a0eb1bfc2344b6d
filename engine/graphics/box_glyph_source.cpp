#include <unordered_map>

#include "engine/graphics/glyph_source.h"

namespace {

// Characters that CP932 holds in one byte: ASCII and the half-width katakana.
bool IsSingleByte(char32_t cp) {
    return cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F) || cp == 0xA5 || cp == 0x203E;
}

class BoxFontRenderer : public FontRenderer {
public:
    explicit BoxFontRenderer(int height) : height_(height > 0 ? height : 1) {}

    const Glyph& GetGlyph(char32_t cp) override {
        auto it = cache_.find(cp);
        if (it != cache_.end()) return it->second;
        Glyph g;
        g.advance = IsSingleByte(cp) ? height_ / 2 : height_;
        if (cp > U' ' && cp != 0x7F && cp != 0x3000) {
            g.width = g.advance;
            g.height = height_;
            g.coverage.assign(static_cast<std::size_t>(g.width) * g.height, 255);
        }
        return cache_.emplace(cp, std::move(g)).first->second;
    }
    int CellHeight() const override { return height_; }

private:
    int height_;
    std::unordered_map<char32_t, Glyph> cache_;
};

class BoxGlyphSource : public GlyphSource {
public:
    std::unique_ptr<FontRenderer> CreateRenderer(const FontDescription& d) override {
        return std::make_unique<BoxFontRenderer>(d.height < 0 ? -d.height : d.height);
    }
};

}  // namespace

std::unique_ptr<GlyphSource> MakeBoxGlyphSource() { return std::make_unique<BoxGlyphSource>(); }
