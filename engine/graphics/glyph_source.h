// Where the text renderer gets its glyphs: a font renderer per font-table entry, made by a glyph
// source from the entry's description. Glyphs are placed relative to the top left of the cell.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/font.h"

struct Glyph {
    int width = 0, height = 0;           // of the coverage bitmap
    int left = 0, top = 0;               // bitmap offset from the pen position at the cell's top
    int advance = 0;                     // pen movement in pixels
    std::vector<std::uint8_t> coverage;  // width * height, 0..255
};

class FontRenderer {
public:
    virtual ~FontRenderer() = default;
    // The glyph of a code point; the reference stays valid for the renderer's life.
    virtual const Glyph& GetGlyph(char32_t code_point) = 0;
    // Cell height: the distance between two lines.
    virtual int CellHeight() const = 0;
};

class GlyphSource {
public:
    virtual ~GlyphSource() = default;
    // Null when no renderer can be made for the description.
    virtual std::unique_ptr<FontRenderer> CreateRenderer(const FontDescription& description) = 0;
};

// A deterministic font without font files: a single-byte character is a filled box half the
// height wide, a double-byte one a filled box the height wide; spaces and controls are blank.
std::unique_ptr<GlyphSource> MakeBoxGlyphSource();
// FreeType with the given font files (UTF-8 paths): "標準明朝" takes the Mincho file, every
// other face the Gothic one. Null when neither file can be opened.
std::unique_ptr<GlyphSource> MakeFreeTypeGlyphSource(const std::string& mincho_path,
                                                     const std::string& gothic_path);
