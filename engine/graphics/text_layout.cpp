#include "engine/graphics/text_layout.h"

#include <unordered_map>

#include "engine/common/sjis.h"
#include "engine/graphics/glyph_source.h"
#include "engine/graphics/text_format.h"

namespace {

struct Char {
    char32_t code_point;
    bool double_byte;
    int advance;
};

struct Line {
    std::vector<Char> chars;
    int width = 0;  // without trailing spaces
};

constexpr bool IsTrailByte(unsigned char c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

bool IsSpace(const Char& c) { return c.code_point == U' ' || c.code_point == U'\t'; }

int LineWidth(const std::vector<Char>& chars) {
    std::size_t end = chars.size();
    while (end > 0 && IsSpace(chars[end - 1])) --end;
    int w = 0;
    for (std::size_t i = 0; i < end; ++i) w += chars[i].advance;
    return w;
}

// Greedy filling: a character that would overrun the width breaks at the last opportunity
// before it (after a space, or between two double-byte characters); a single word wider than
// the line stays whole and is clipped.
void WrapParagraph(const std::vector<Char>& para, int max_width, bool wrap,
                   std::vector<Line>& out) {
    if (!wrap) {
        out.push_back({para, LineWidth(para)});
        return;
    }
    std::size_t start = 0;
    while (true) {
        int width = 0;
        std::size_t i = start, last_break = start;  // break before index last_break
        bool have_break = false;
        for (; i < para.size(); ++i) {
            const Char& c = para[i];
            if (i > start && IsSpace(para[i - 1]) && !IsSpace(c)) {
                last_break = i;
                have_break = true;
            }
            if (i > start && para[i - 1].double_byte && c.double_byte) {
                last_break = i;
                have_break = true;
            }
            if (!IsSpace(c) && width + c.advance > max_width && have_break) break;
            width += c.advance;
        }
        if (i >= para.size()) {
            std::vector<Char> rest(para.begin() + static_cast<long>(start), para.end());
            out.push_back({rest, LineWidth(rest)});
            return;
        }
        std::vector<Char> line(para.begin() + static_cast<long>(start),
                               para.begin() + static_cast<long>(last_break));
        out.push_back({line, LineWidth(line)});
        start = last_break;
    }
}

}  // namespace

char32_t DecodeCp932Char(std::string_view character) {
    if (character.empty()) return 0;
    const unsigned char first = static_cast<unsigned char>(character[0]);
    if (character.size() == 1 && first < 0x80) return first;
    // Double-byte and half-width characters go through the converter once each.
    static std::unordered_map<unsigned, char32_t> cache;
    const unsigned key = character.size() == 2
                             ? (first << 8 | static_cast<unsigned char>(character[1])) + 0x10000
                             : first;
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    const std::u32string cps = sjis::ToCodePoints(character);
    const char32_t cp = cps.size() == 1 ? cps[0] : U'\uFFFD';
    cache.emplace(key, cp);
    return cp;
}

std::vector<PlacedGlyph> LayoutText(std::string_view text, const TextRect& rect, unsigned format,
                                    FontRenderer& font) {
    const bool single_line = (format & DT_SINGLELINE) != 0;
    const bool wrap = (format & DT_WORDBREAK) && !single_line;
    const int tab_stop = 8 * std::max(1, font.GetGlyph(U' ').advance);

    std::vector<Line> lines;
    std::vector<Char> para;
    int pen = 0;  // for tab stops within the paragraph
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t n = sjis::CharLength(text, pos);
        // A lead byte without a trail byte after it stands alone, so that a line feed after a
        // stray lead byte still breaks the line.
        if (n == 2 && !IsTrailByte(static_cast<unsigned char>(text[pos + 1]))) n = 1;
        const std::string_view ch = text.substr(pos, n);
        pos += n;
        if (n == 1 && ch[0] == '\r') continue;
        if (n == 1 && ch[0] == '\n') {
            if (single_line) continue;
            WrapParagraph(para, rect.right - rect.left, wrap, lines);
            para.clear();
            pen = 0;
            continue;
        }
        Char c{DecodeCp932Char(ch), n == 2, 0};
        if (c.code_point == U'\t') {
            c.advance =
                (format & DT_EXPANDTABS) ? tab_stop - pen % tab_stop : font.GetGlyph(U' ').advance;
        } else {
            c.advance = font.GetGlyph(c.code_point).advance;
        }
        pen += c.advance;
        para.push_back(c);
    }
    WrapParagraph(para, rect.right - rect.left, wrap, lines);

    const int line_height = font.CellHeight();
    const int block = static_cast<int>(lines.size()) * line_height;
    int y = rect.top;
    if (format & DT_BOTTOM)
        y = rect.bottom - block;
    else if (format & DT_VCENTER)
        y = rect.top + (rect.bottom - rect.top - block) / 2;

    std::vector<PlacedGlyph> out;
    for (const Line& line : lines) {
        int x = rect.left;
        if (format & DT_RIGHT)
            x = rect.right - line.width;
        else if (format & DT_CENTER)
            x = rect.left + (rect.right - rect.left - line.width) / 2;
        for (const Char& c : line.chars) {
            if (c.code_point != U'\t' && c.code_point != U' ') out.push_back({c.code_point, x, y});
            x += c.advance;
        }
        y += line_height;
    }
    return out;
}
