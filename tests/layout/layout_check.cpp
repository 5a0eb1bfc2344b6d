#include "tests/layout/layout_check.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <sstream>

#include "engine/common/sjis.h"
#include "engine/graphics/direct_graphics.h"
#include "engine/graphics/glyph_source.h"
#include "engine/graphics/text_format.h"
#include "engine/graphics/text_layout.h"

namespace layout_test {

namespace {

// A pixel counts as ink from this coverage on (anti-aliased fringes do not).
constexpr int kInkCoverage = 96;
// A picture hides what is under it from this alpha on; fainter ones are glows and shades.
constexpr int kCoveringAlpha = 64;

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
    bool Empty() const { return left >= right || top >= bottom; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool Contains(const Box& b) const {
        return b.left >= left && b.right <= right && b.top >= top && b.bottom <= bottom;
    }
    Box Intersect(const Box& b) const {
        return {std::max(left, b.left), std::max(top, b.top), std::min(right, b.right),
                std::min(bottom, b.bottom)};
    }
    void Add(const Box& b) {
        if (b.Empty()) return;
        if (Empty()) {
            *this = b;
            return;
        }
        left = std::min(left, b.left);
        top = std::min(top, b.top);
        right = std::max(right, b.right);
        bottom = std::max(bottom, b.bottom);
    }
};

// A picture as drawn: where, and how opaque each of its screen pixels is.
struct Picture {
    std::size_t op = 0;
    int texture = 0;
    Box area;                      // the drawn rectangle
    Box whole;                     // the bounding box of its visible pixels
    Box visible;                   // and of those on the screen
    Box room;                      // of the whole board, when this is one piece of it
    Box body;                      // its rows and columns at least half visible: its outline
                                   // without what stands off it (a tab, a rounded corner)
    const Image* image = nullptr;  // null: a filled rectangle
    Box source;                    // the part of the image stretched over `area`
    int alpha = 255;
    int AlphaAt(int x, int y) const {
        if (!area.Contains(x, y)) return 0;
        if (!image) return alpha;
        const int w = area.right - area.left, h = area.bottom - area.top;
        const int ix = source.left + (x - area.left) * (source.right - source.left) / w;
        const int iy = source.top + (y - area.top) * (source.bottom - source.top) / h;
        if (ix < 0 || iy < 0 || ix >= image->width || iy >= image->height) return 0;
        return static_cast<int>(image->At(ix, iy) >> 24) * alpha / 255;
    }
};

// A text (or a label sprite): its ink, glyph by glyph.
struct Ink {
    std::size_t op = 0;
    std::string name;        // what a fault line calls it
    std::vector<Box> cells;  // one inked box per glyph (per sprite)
    std::vector<std::pair<int, int>> pixels;
    Box bounds;
    Box clip{0, 0, CDirectGraphics::kScreenWidth, CDirectGraphics::kScreenHeight};
    bool label = false;
    bool digit = false;  // a label that is one digit of a number
};

std::optional<Picture> PictureOf(CDirectGraphics& graphics, const DrawOp& op, std::size_t index) {
    Picture p;
    p.op = index;
    p.texture = op.texture;
    const CDirectGraphics::CTextureData* data =
        op.texture ? graphics.GetTextureData(op.texture) : nullptr;
    const Image* image =
        data && data->texture && !data->texture->Empty() ? data->texture.get() : nullptr;
    p.alpha = static_cast<int>(op.color >> 24);
    switch (op.kind) {
        case DrawOp::Kind::Texture:
            if (!image) return std::nullopt;
            p.image = image;
            p.area = {op.x, op.y, op.x + image->width, op.y + image->height};
            p.source = {0, 0, image->width, image->height};
            break;
        case DrawOp::Kind::TextureRect:
            // A board stretched to its text is drawn in pieces, each a part of the picture.
            if (!image) return std::nullopt;
            p.image = image;
            p.area = {op.x, op.y, op.x + op.src_width, op.y + op.src_height};
            // The part is given in the picture's stated size, which a scaled image may not share.
            if (data->width <= 0 || data->height <= 0) return std::nullopt;
            p.source = {op.src_x * image->width / data->width,
                        op.src_y * image->height / data->height,
                        (op.src_x + op.src_width) * image->width / data->width,
                        (op.src_y + op.src_height) * image->height / data->height};
            break;
        case DrawOp::Kind::Effect: {
            const DEffect& e = op.effect;
            if (op.texture && !image) return std::nullopt;
            const int w = e.width == DEffect::kImageSize ? (image ? image->width : 0) : e.width;
            const int h = e.height == DEffect::kImageSize ? (image ? image->height : 0) : e.height;
            p.image = image;
            p.area = {e.x, e.y, e.x + w, e.y + h};
            if (image) p.source = {0, 0, image->width, image->height};
            p.alpha = e.alpha;
            break;
        }
        case DrawOp::Kind::Text:
            return std::nullopt;
    }
    if (p.area.Empty() || p.alpha == 0) return std::nullopt;
    const Box screen{0, 0, CDirectGraphics::kScreenWidth, CDirectGraphics::kScreenHeight};
    if (!p.image) {
        p.whole = p.area;
    } else {
        for (int y = p.area.top; y < p.area.bottom; ++y)
            for (int x = p.area.left; x < p.area.right; ++x)
                if (p.AlphaAt(x, y) > 0) p.whole.Add({x, y, x + 1, y + 1});
    }
    p.visible = p.whole.Intersect(screen);
    if (p.visible.Empty()) return std::nullopt;
    p.room = p.visible;
    p.body = p.visible;
    if (p.image) {
        const Box& v = p.visible;
        auto row_seen = [&](int y) {
            int seen = 0;
            for (int x = v.left; x < v.right; ++x) seen += p.AlphaAt(x, y) > 0;
            return 2 * seen >= v.right - v.left;
        };
        auto column_seen = [&](int x) {
            int seen = 0;
            for (int y = v.top; y < v.bottom; ++y) seen += p.AlphaAt(x, y) > 0;
            return 2 * seen >= v.bottom - v.top;
        };
        while (p.body.top < p.body.bottom - 1 && !row_seen(p.body.top)) ++p.body.top;
        while (p.body.bottom - 1 > p.body.top && !row_seen(p.body.bottom - 1)) --p.body.bottom;
        while (p.body.left < p.body.right - 1 && !column_seen(p.body.left)) ++p.body.left;
        while (p.body.right - 1 > p.body.left && !column_seen(p.body.right - 1)) --p.body.right;
    }
    return p;
}

std::optional<Ink> InkOfText(CDirectGraphics& graphics, const DrawOp& op, std::size_t index) {
    const CDirectGraphics::CFontData* font = graphics.GetFontData(op.font);
    if (!font || !font->renderer || op.text.empty() || (op.color >> 24) == 0) return std::nullopt;
    Ink ink;
    ink.op = index;
    std::ostringstream name;
    name << '"' << sjis::ToUtf8(op.text) << "\" (" << font->description.height << " px at " << op.x
         << "," << op.y << ")";
    ink.name = name.str();
    if (!(op.format & DT_NOCLIP))
        ink.clip = {op.rect.left, op.rect.top, op.rect.right, op.rect.bottom};
    FontRenderer& renderer = *font->renderer;
    for (const PlacedGlyph& placed : LayoutText(op.text, op.rect, op.format, renderer)) {
        const Glyph& g = renderer.GetGlyph(placed.code_point);
        Box cell;
        for (int gy = 0; gy < g.height; ++gy)
            for (int gx = 0; gx < g.width; ++gx) {
                if (g.coverage[static_cast<std::size_t>(gy) * g.width + gx] < kInkCoverage)
                    continue;
                const int x = placed.x + g.left + gx, y = placed.y + g.top + gy;
                ink.pixels.emplace_back(x, y);
                cell.Add({x, y, x + 1, y + 1});
            }
        if (!cell.Empty()) ink.cells.push_back(cell);
        ink.bounds.Add(cell);
    }
    if (ink.pixels.empty()) return std::nullopt;
    return ink;
}

Ink InkOfLabel(const Picture& picture, const std::string& name) {
    Ink ink;
    ink.op = picture.op;
    ink.label = true;
    ink.digit = name.rfind("digit", 0) == 0 || name.find("colon") != std::string::npos;
    std::ostringstream text;
    text << name << " at " << picture.area.left << "," << picture.area.top;
    ink.name = text.str();
    for (int y = picture.visible.top; y < picture.visible.bottom; ++y)
        for (int x = picture.visible.left; x < picture.visible.right; ++x)
            if (picture.AlphaAt(x, y) >= 128) ink.pixels.emplace_back(x, y);
    ink.cells.push_back(picture.visible);
    ink.bounds = picture.visible;
    return ink;
}

std::string Describe(const Box& b) {
    std::ostringstream s;
    s << "(" << b.left << "," << b.top << ")-(" << b.right << "," << b.bottom << ")";
    return s.str();
}

std::string NameOf(const LayoutNames& names, int texture) {
    const auto it = names.find(texture);
    if (it != names.end()) return it->second;
    return "picture #" + std::to_string(texture);
}

// A sign and a number beside it on one line need air between them, or "4日18:00" reads as one
// run; the digits of one number, and the colon of a time, stand close on purpose. Two texts
// on one line need the same air.
constexpr int kLabelGap = 3;
bool RunTogether(const Ink& a, const Ink& b) {
    if (a.label != b.label) return false;
    if (a.label) {
        if (a.digit && b.digit) return false;
        if (a.bounds.bottom <= b.bounds.top || b.bounds.bottom <= a.bounds.top) return false;
        const int gap = std::max(a.bounds.left - b.bounds.right, b.bounds.left - a.bounds.right);
        return gap < kLabelGap;
    }
    // Two texts side by side on one line ("記録 1: 2026/12/30" and "23:59"), or a line of a
    // two-line name beside the count that stands between its lines.
    for (const Box& ca : a.cells)
        for (const Box& cb : b.cells) {
            const int shared = std::min(ca.bottom, cb.bottom) - std::max(ca.top, cb.top);
            if (shared <= 0) continue;
            const int gap = std::max(ca.left - cb.right, cb.left - ca.right);
            if (gap >= 0 && gap < kLabelGap) return true;
        }
    return false;
}

// Lines of one text share their font; a text under a text of another font is another row,
// and needs air above it, or the description's last line reads as part of the row under it.
constexpr int kRowGap = 3;
bool SitsOn(const DrawOp& a, const Ink& ia, const DrawOp& b, const Ink& ib) {
    if (ia.label || ib.label || a.font == b.font) return false;
    if (ia.bounds.right <= ib.bounds.left || ib.bounds.right <= ia.bounds.left) return false;
    const int gap = std::max(ia.bounds.top - ib.bounds.bottom, ib.bounds.top - ia.bounds.bottom);
    return gap >= 0 && gap < kRowGap;
}

// A time stands a digit's width clear of the date before it: "1日 22:00", never "1日22:00".
constexpr int kFieldGap = 10;
void CheckTimesStandApart(const std::vector<std::optional<Ink>>& inks, std::size_t first,
                          std::vector<std::string>& faults) {
    auto same_line = [](const Ink& a, const Ink& b) {
        return a.bounds.top < b.bounds.bottom && b.bounds.top < a.bounds.bottom;
    };
    for (std::size_t c = first; c < inks.size(); ++c) {
        if (!inks[c] || inks[c]->name.find("colon") == std::string::npos) continue;
        // The hour: the digits that run leftwards from the colon.
        Box hour = inks[c]->bounds;
        for (bool grew = true; grew;) {
            grew = false;
            for (std::size_t d = first; d < inks.size(); ++d) {
                const auto& ink = inks[d];
                if (!ink || !ink->digit || ink->bounds.left >= hour.left ||
                    !same_line(*ink, *inks[c]))
                    continue;
                if (hour.left - ink->bounds.right < kLabelGap) {
                    hour.left = ink->bounds.left;
                    grew = true;
                }
            }
        }
        for (std::size_t s = first; s < inks.size(); ++s) {
            const auto& sign = inks[s];
            if (!sign || !sign->label || sign->digit || !same_line(*sign, *inks[c])) continue;
            const int gap = hour.left - sign->bounds.right;
            if (gap >= 0 && gap < kFieldGap)
                faults.push_back(sign->name + " runs into the time after it (" +
                                 std::to_string(gap) + " px)");
        }
    }
}

// A list's row shows its board whole: a picture drawn over the board later (a sort icon, a page
// arrow) cuts into the row's edge, though no text of the row is hit.
void CheckBoardsUncovered(const std::vector<std::optional<Picture>>& pictures,
                          const std::vector<std::optional<Ink>>& inks, std::size_t first,
                          const BoardPictures& boards, const LayoutNames& names,
                          std::vector<std::string>& faults) {
    for (std::size_t i = first; i < pictures.size(); ++i) {
        if (!pictures[i] || inks[i] || !boards.boards.count(pictures[i]->texture)) continue;
        const Picture& board = *pictures[i];
        for (std::size_t j = i + 1; j < pictures.size(); ++j) {
            if (!pictures[j] || inks[j]) continue;
            const Picture& over = *pictures[j];
            // The rows of one list overlap on purpose; the cursor and a glow lie on their row.
            if (boards.boards.count(over.texture) || boards.highlights.count(over.texture))
                continue;
            const Box shared = board.visible.Intersect(over.visible);
            if (shared.Empty()) continue;
            int hidden = 0;
            for (int y = shared.top; y < shared.bottom; ++y)
                for (int x = shared.left; x < shared.right; ++x)
                    if (board.AlphaAt(x, y) >= kCoveringAlpha &&
                        over.AlphaAt(x, y) >= kCoveringAlpha)
                        ++hidden;
            if (hidden > 0)
                faults.push_back(NameOf(names, board.texture) + " " + Describe(board.visible) +
                                 " is covered (" + std::to_string(hidden) + " pixels) by " +
                                 NameOf(names, over.texture) + " at " + Describe(over.area));
        }
    }
}

// A text's board (a plate, a panel) lies on the picture under it, or inside it with air: a plate
// whose side runs along that picture's edge reads as that edge, and its text as lying on it,
// like a counter on a plate that is the top edge of the portrait's frame.
constexpr int kEdgeAir = 3;
void CheckBoardClearOfEdges(const std::vector<std::optional<Picture>>& pictures,
                            const std::vector<std::optional<Ink>>& inks, const Ink& ink,
                            std::size_t first, std::size_t board, const BoardPictures& boards,
                            const LayoutNames& names, std::vector<std::string>& faults) {
    const Box screen{0, 0, CDirectGraphics::kScreenWidth, CDirectGraphics::kScreenHeight};
    if (board >= pictures.size() || pictures[board]->room.Contains(screen)) return;
    const Box& plate = pictures[board]->room;
    for (std::size_t j = first; j < board; ++j) {
        if (!pictures[j] || inks[j]) continue;
        const Picture& under = *pictures[j];
        if (boards.boards.count(under.texture) || boards.highlights.count(under.texture)) continue;
        // Only a picture the board is laid on: one it lies across is another rule's matter.
        const Box& edge = under.visible;
        if (edge.Contains(screen) || !edge.Contains(plate) || plate.Contains(edge)) continue;
        const bool on_edge = plate.left - edge.left < kEdgeAir || plate.top - edge.top < kEdgeAir ||
                             edge.right - plate.right < kEdgeAir ||
                             edge.bottom - plate.bottom < kEdgeAir;
        if (on_edge)
            faults.push_back(ink.name + " stands on " + NameOf(names, pictures[board]->texture) +
                             " " + Describe(plate) + ", which lies on the edge of " +
                             NameOf(names, under.texture) + " " + Describe(edge));
    }
}

// Ink keeps this far inside the outline of the picture it lies on: a paper's or a board's edge
// is drawn as a line, and a text on that line reads as cut by it, or as running off the board.
constexpr int kInkMargin = 2;
Box Inset(const Box& b, int by) { return {b.left + by, b.top + by, b.right - by, b.bottom - by}; }

bool IsShadowOf(const DrawOp& a, const DrawOp& b) {
    return a.kind == DrawOp::Kind::Text && b.kind == DrawOp::Kind::Text && a.text == b.text &&
           std::abs(a.x - b.x) <= 2 && std::abs(a.y - b.y) <= 2;
}

}  // namespace

LayoutReport CheckLayout(CDirectGraphics& graphics, const std::vector<DrawOp>& ops,
                         const LayoutNames& labels, const std::set<int>& ignored,
                         const std::set<int>& whole, const LayoutNames& names,
                         const BoardPictures& boards) {
    LayoutReport report;
    std::vector<std::optional<Picture>> pictures(ops.size());
    std::vector<std::optional<Ink>> inks(ops.size());
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (ignored.count(ops[i].texture) && ops[i].kind != DrawOp::Kind::Text) continue;
        if (ops[i].kind == DrawOp::Kind::Text) {
            inks[i] = InkOfText(graphics, ops[i], i);
            continue;
        }
        pictures[i] = PictureOf(graphics, ops[i], i);
        const auto label = labels.find(ops[i].texture);
        if (pictures[i] && label != labels.end()) inks[i] = InkOfLabel(*pictures[i], label->second);
    }
    // The pieces of one stretched board, drawn one after another on one line, make one room.
    for (std::size_t i = 0; i < ops.size();) {
        std::size_t end = i + 1;
        if (pictures[i] && ops[i].kind == DrawOp::Kind::TextureRect) {
            Box room = pictures[i]->visible;
            while (end < ops.size() && pictures[end] &&
                   ops[end].kind == DrawOp::Kind::TextureRect &&
                   ops[end].texture == ops[i].texture && ops[end].y == ops[i].y &&
                   pictures[end]->area.left == pictures[end - 1]->area.right) {
                room.Add(pictures[end]->visible);
                ++end;
            }
            Box body = pictures[i]->body;
            for (std::size_t k = i; k < end; ++k) body.Add(pictures[k]->body);
            for (std::size_t k = i; k < end; ++k) {
                pictures[k]->room = room;
                pictures[k]->body = body;
            }
        }
        i = end;
    }
    const Box screen{0, 0, CDirectGraphics::kScreenWidth, CDirectGraphics::kScreenHeight};
    // A tick may draw more than one frame: only the last one stays on the screen, from its
    // last full-screen background on.
    std::size_t first = 0;
    for (std::size_t i = 0; i < ops.size(); ++i)
        if (pictures[i] && pictures[i]->area.Contains(screen) && pictures[i]->alpha == 255 &&
            (!pictures[i]->image || pictures[i]->image->opaque))
            first = i;
    for (std::size_t i = first; i < ops.size(); ++i)
        if (pictures[i] && whole.count(pictures[i]->texture) &&
            !screen.Contains(pictures[i]->whole))
            report.faults.push_back(NameOf(names, pictures[i]->texture) + " " +
                                    Describe(pictures[i]->whole) + " is cut by the screen's edge");
    for (std::size_t i = first; i < ops.size(); ++i) {
        if (!inks[i]) continue;
        const Ink& ink = *inks[i];
        // Scrolled wholly off the screen: not seen, so not laid out.
        if (ink.bounds.Intersect(screen).Empty()) continue;
        ++report.texts;
        // What it is drawn on: the last picture under the middle of its ink.
        const int cx = (ink.bounds.left + ink.bounds.right) / 2;
        const int cy = (ink.bounds.top + ink.bounds.bottom) / 2;
        const Picture* board = nullptr;
        std::size_t board_op = ops.size();
        for (std::size_t j = i; j-- > first;) {
            if (!pictures[j] || inks[j]) continue;
            if (pictures[j]->visible.Contains(cx, cy) && pictures[j]->AlphaAt(cx, cy) > 0) {
                board = &*pictures[j];
                board_op = j;
                break;
            }
        }
        CheckBoardClearOfEdges(pictures, inks, ink, first, board_op, boards, names, report.faults);
        const Box room = board ? board->room : screen;
        if (!room.Contains(ink.bounds)) {
            report.faults.push_back(ink.name + ": ink " + Describe(ink.bounds) + " leaves " +
                                    (board ? NameOf(names, board->texture) : "the screen") + " " +
                                    Describe(room));
        } else if (!ink.clip.Contains(ink.bounds)) {
            report.faults.push_back(ink.name + ": ink " + Describe(ink.bounds) +
                                    " is clipped by its box " + Describe(ink.clip));
        } else if (board && !room.Contains(screen)) {
            // A shadow lies its offset further out than its text, and is read with it.
            int shadow_offset = 0;
            for (std::size_t j = i + 1; j < ops.size(); ++j)
                if (IsShadowOf(ops[i], ops[j]))
                    shadow_offset =
                        std::max(std::abs(ops[i].x - ops[j].x), std::abs(ops[i].y - ops[j].y));
            const Box& edge = board->body;
            if (!Inset(edge, kInkMargin - shadow_offset).Contains(ink.bounds))
                report.faults.push_back(ink.name + ": ink " + Describe(ink.bounds) +
                                        " touches the edge of " + NameOf(names, board->texture) +
                                        " " + Describe(edge));
        }
        // A sign cut by the screen's edge reads as a different sign.
        if (ink.label && !screen.Contains(pictures[i]->whole))
            report.faults.push_back(ink.name + ": " + Describe(pictures[i]->whole) +
                                    " is cut by the screen's edge");
        // What is drawn over it.
        for (std::size_t j = i + 1; j < ops.size(); ++j) {
            if (inks[j]) {
                if (IsShadowOf(ops[i], ops[j])) continue;
                bool overlaps = false;
                for (const Box& a : ink.cells)
                    for (const Box& b : inks[j]->cells)
                        if (!a.Intersect(b).Empty()) overlaps = true;
                if (overlaps)
                    report.faults.push_back(ink.name + " is overlapped by " + inks[j]->name);
                else if (RunTogether(ink, *inks[j]))
                    report.faults.push_back(ink.name + " runs into " + inks[j]->name);
                else if (SitsOn(ops[i], ink, ops[j], *inks[j]))
                    report.faults.push_back(ink.name + " sits on " + inks[j]->name);
                continue;
            }
            if (!pictures[j] || pictures[j]->area.Intersect(ink.bounds).Empty()) continue;
            int hidden = 0;
            for (const auto& [x, y] : ink.pixels)
                if (pictures[j]->AlphaAt(x, y) >= kCoveringAlpha) ++hidden;
            if (hidden > 0) {
                report.faults.push_back(ink.name + " is covered (" + std::to_string(hidden) +
                                        " ink pixels) by " + NameOf(names, pictures[j]->texture) +
                                        " at " + Describe(pictures[j]->area));
            }
        }
    }
    CheckTimesStandApart(inks, first, report.faults);
    CheckBoardsUncovered(pictures, inks, first, boards, names, report.faults);
    return report;
}

}  // namespace layout_test
