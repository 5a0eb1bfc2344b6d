#include "platform/sdl/sdl_menu_bar.h"

#include <algorithm>

namespace platform::sdl {

namespace {

constexpr int kFontHeight = 14;
constexpr int kEntryPadding = 7;
constexpr int kRowHeight = 20;
constexpr int kSeparatorHeight = 8;
constexpr int kPopupPadding = 20;
constexpr std::uint32_t kFace = 0xFFF0F0F0, kText = 0xFF000000, kHotFace = 0xFF3070C0,
                        kHotText = 0xFFFFFFFF, kEdge = 0xFFA0A0A0;

void Fill(std::vector<std::uint32_t>& px, int width, int height, SDL_Rect r, std::uint32_t color) {
    for (int y = std::max(0, r.y); y < std::min(height, r.y + r.h); ++y)
        for (int x = std::max(0, r.x); x < std::min(width, r.x + r.w); ++x)
            px[static_cast<std::size_t>(y) * width + x] = color;
}

std::uint32_t Mix(std::uint32_t over, std::uint32_t under, std::uint32_t a) {
    std::uint32_t out = 0xFF000000u;
    for (int s = 0; s < 24; s += 8) {
        const std::uint32_t o = (over >> s) & 255, u = (under >> s) & 255;
        out |= ((o * a + u * (255 - a) + 127) / 255) << s;
    }
    return out;
}

char32_t Upper(char32_t c) { return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c; }

}  // namespace

std::vector<char32_t> DecodeUtf8(const std::string& s) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        int n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        char32_t cp = n == 1 ? c : c & (0x7F >> n);
        bool ok = true;
        for (int k = 1; k < n; ++k) {
            const unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) ok = false;
            cp = cp << 6 | (d & 0x3F);
        }
        out.push_back(ok ? cp : U'\uFFFD');
        i += ok ? n : 1;
    }
    return out;
}

MenuBar::MenuBar() {
    std::string path = FindGothicFontFile();
    if (path.empty()) path = FindMinchoFontFile();
    face_ = FontFace::Open(path, kFontHeight, false);
}

MenuBar::~MenuBar() {
    if (bar_texture_) SDL_DestroyTexture(bar_texture_);
    if (popup_texture_) SDL_DestroyTexture(popup_texture_);
}

MenuBar::Entry MenuBar::MakeEntry(const MenuItem& item) {
    Entry e;
    e.command = item.command;
    e.separator = item.label.empty() && item.children.empty();
    const std::vector<char32_t> raw = DecodeUtf8(item.label);
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == U'&' && i + 1 < raw.size()) {
            ++i;
            if (raw[i] != U'&' && e.underline < 0) {
                e.underline = static_cast<int>(e.text.size());
                e.accelerator = Upper(raw[i]);
            }
        }
        e.text.push_back(raw[i]);
    }
    for (const MenuItem& child : item.children) e.children.push_back(MakeEntry(child));
    return e;
}

void MenuBar::SetItems(const std::vector<MenuItem>& items) {
    entries_.clear();
    for (const MenuItem& item : items) entries_.push_back(MakeEntry(item));
    open_ = hot_ = highlight_ = -1;
    Layout();
    dirty_ = true;
}

const GlyphBitmap& MenuBar::GlyphOf(char32_t cp) {
    if (auto it = glyphs_.find(cp); it != glyphs_.end()) return it->second;
    GlyphBitmap glyph;
    if (face_) {
        glyph = face_->Render(cp);
    } else {
        glyph.advance =
            cp < 0x80 ? kFontHeight / 2 : kFontHeight;  // no font: boxes hold the places
    }
    return glyphs_.emplace(cp, std::move(glyph)).first->second;
}

int MenuBar::TextWidth(const std::vector<char32_t>& text) {
    int w = 0;
    for (char32_t c : text) w += GlyphOf(c).advance;
    return w;
}

void MenuBar::Layout() {
    int x = 0;
    for (Entry& e : entries_) {
        e.x = x;
        e.width = TextWidth(e.text) + 2 * kEntryPadding;
        x += e.width;
        // Popup rows keep their top and height in x and width.
        int y = 2;
        for (Entry& row : e.children) {
            row.x = y;
            row.width = row.separator ? kSeparatorHeight : kRowHeight;
            y += row.width;
        }
    }
}

SDL_Rect MenuBar::PopupRect() const {
    if (open_ < 0) return {0, 0, 0, 0};
    const Entry& e = entries_[static_cast<std::size_t>(open_)];
    int height = 4;
    for (const Entry& row : e.children) height += row.width;
    int x = e.x;
    if (x + popup_width_ > kWidth) x = kWidth - popup_width_;
    return {std::max(0, x), kBarHeight, popup_width_, height};
}

void MenuBar::Open(int index, int highlight) {
    open_ = index;
    hot_ = index;
    highlight_ = highlight;
    popup_width_ = 0;
    if (index >= 0) {
        int widest = 0;
        for (const Entry& row : entries_[static_cast<std::size_t>(index)].children)
            widest = std::max(widest, TextWidth(row.text));
        popup_width_ = widest + 2 * kPopupPadding;
    }
    dirty_ = true;
}

void MenuBar::Close() {
    if (open_ < 0 && hot_ < 0) return;
    open_ = hot_ = highlight_ = -1;
    dirty_ = true;
}

int MenuBar::EntryAt(int x, int y) const {
    if (y < 0 || y >= kBarHeight) return -1;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (x >= entries_[i].x && x < entries_[i].x + entries_[i].width) return static_cast<int>(i);
    return -1;
}

int MenuBar::RowAt(int x, int y) const {
    if (open_ < 0) return -1;
    const SDL_Rect r = PopupRect();
    if (x < r.x || x >= r.x + r.w || y < r.y || y >= r.y + r.h) return -1;
    const auto& rows = entries_[static_cast<std::size_t>(open_)].children;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (y - r.y >= rows[i].x && y - r.y < rows[i].x + rows[i].width) return static_cast<int>(i);
    return -1;
}

bool MenuBar::Contains(int x, int y) const {
    if (y >= 0 && y < kBarHeight && x >= 0 && x < kWidth) return true;
    if (open_ < 0) return false;
    const SDL_Rect r = PopupRect();
    return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
}

std::optional<int> MenuBar::Choose(const Entry& entry) {
    if (entry.separator) return std::nullopt;
    Close();
    return entry.command;
}

bool MenuBar::MouseDown(int x, int y, std::optional<int>& command) {
    const int entry = EntryAt(x, y);
    if (entry >= 0) {
        const Entry& e = entries_[static_cast<std::size_t>(entry)];
        if (!e.children.empty()) {
            if (open_ == entry)
                Close();
            else
                Open(entry, -1);
        } else {
            command = Choose(e);
        }
        return true;
    }
    const int row = RowAt(x, y);
    if (row >= 0) {
        command = Choose(
            entries_[static_cast<std::size_t>(open_)].children[static_cast<std::size_t>(row)]);
        return true;
    }
    if (open_ >= 0) {
        // A click outside an open popup only closes it.
        Close();
        return true;
    }
    return false;
}

bool MenuBar::MouseMove(int x, int y) {
    const int entry = EntryAt(x, y);
    if (open_ >= 0) {
        if (entry >= 0 && entry != open_ &&
            !entries_[static_cast<std::size_t>(entry)].children.empty())
            Open(entry, -1);
        const int row = RowAt(x, y);
        if (row != highlight_) {
            highlight_ = row;
            dirty_ = true;
        }
        return true;
    }
    if (entry != hot_) {
        hot_ = entry;
        dirty_ = true;
    }
    return entry >= 0;
}

bool MenuBar::KeyDown(const SDL_Keysym& key, std::optional<int>& command) {
    const bool alt = (key.mod & KMOD_ALT) != 0;
    const char32_t letter =
        key.sym >= SDLK_a && key.sym <= SDLK_z   ? static_cast<char32_t>(U'A' + (key.sym - SDLK_a))
        : key.sym >= SDLK_0 && key.sym <= SDLK_9 ? static_cast<char32_t>(U'0' + (key.sym - SDLK_0))
                                                 : 0;
    if (open_ >= 0) {
        auto& rows = entries_[static_cast<std::size_t>(open_)].children;
        const int n = static_cast<int>(rows.size());
        auto step = [&](int dir) {
            for (int k = 0, i = highlight_; k < n; ++k) {
                i = ((i < 0 && dir < 0 ? 0 : i) + dir + n) % n;
                if (!rows[static_cast<std::size_t>(i)].separator) {
                    highlight_ = i;
                    break;
                }
            }
            dirty_ = true;
        };
        switch (key.sym) {
            case SDLK_ESCAPE:
                Close();
                return true;
            case SDLK_UP:
                step(-1);
                return true;
            case SDLK_DOWN:
                step(1);
                return true;
            case SDLK_RETURN:
            case SDLK_KP_ENTER:
                if (highlight_ >= 0) command = Choose(rows[static_cast<std::size_t>(highlight_)]);
                return true;
            default:
                break;
        }
        if (letter) {
            for (const Entry& row : rows)
                if (row.accelerator == letter) {
                    command = Choose(row);
                    return true;
                }
        }
        // While a popup is open every key is the menu's.
        return true;
    }
    if (!alt || !letter) return false;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        if (e.accelerator != letter) continue;
        if (e.children.empty()) {
            command = Choose(e);
        } else {
            Open(static_cast<int>(i), -1);
            for (std::size_t r = 0; r < e.children.size(); ++r)
                if (!e.children[r].separator) {
                    highlight_ = static_cast<int>(r);
                    break;
                }
        }
        return true;
    }
    return false;
}

void MenuBar::DrawText(std::vector<std::uint32_t>& px, int width, int height, int x, int y,
                       const Entry& entry, std::uint32_t color) {
    const int baseline_top = y;
    for (std::size_t i = 0; i < entry.text.size(); ++i) {
        const GlyphBitmap& g = GlyphOf(entry.text[i]);
        if (!face_ && entry.text[i] > U' ') {
            Fill(px, width, height, {x + 1, baseline_top + 2, g.advance - 2, kFontHeight - 4},
                 color);
        }
        for (int gy = 0; gy < g.height; ++gy) {
            for (int gx = 0; gx < g.width; ++gx) {
                const int tx = x + g.left + gx, ty = baseline_top + g.top + gy;
                if (tx < 0 || ty < 0 || tx >= width || ty >= height) continue;
                const std::uint32_t a = g.coverage[static_cast<std::size_t>(gy) * g.width + gx];
                std::uint32_t& d = px[static_cast<std::size_t>(ty) * width + tx];
                d = Mix(color, d, a);
            }
        }
        if (static_cast<int>(i) == entry.underline)
            Fill(px, width, height, {x, baseline_top + kFontHeight, g.advance, 1}, color);
        x += g.advance;
    }
}

void MenuBar::Render(std::vector<std::uint32_t>& px, int width, int height, bool popup) {
    px.assign(static_cast<std::size_t>(width) * height, kFace);
    const int text_top = (kRowHeight - kFontHeight) / 2 - 1;
    if (!popup) {
        Fill(px, width, height, {0, height - 1, width, 1}, kEdge);
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            const Entry& e = entries_[i];
            const bool hot = static_cast<int>(i) == hot_ || static_cast<int>(i) == open_;
            if (hot) Fill(px, width, height, {e.x, 0, e.width, height - 1}, kHotFace);
            DrawText(px, width, height, e.x + kEntryPadding, text_top, e, hot ? kHotText : kText);
        }
        return;
    }
    Fill(px, width, height, {0, 0, width, 1}, kEdge);
    Fill(px, width, height, {0, height - 1, width, 1}, kEdge);
    Fill(px, width, height, {0, 0, 1, height}, kEdge);
    Fill(px, width, height, {width - 1, 0, 1, height}, kEdge);
    const auto& rows = entries_[static_cast<std::size_t>(open_)].children;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Entry& row = rows[i];
        if (row.separator) {
            Fill(px, width, height, {4, row.x + kSeparatorHeight / 2, width - 8, 1}, kEdge);
            continue;
        }
        const bool hot = static_cast<int>(i) == highlight_;
        if (hot) Fill(px, width, height, {2, row.x, width - 4, row.width}, kHotFace);
        DrawText(px, width, height, kPopupPadding, row.x + text_top, row, hot ? kHotText : kText);
    }
}

void MenuBar::DropTextures() {
    if (bar_texture_) SDL_DestroyTexture(bar_texture_);
    if (popup_texture_) SDL_DestroyTexture(popup_texture_);
    bar_texture_ = popup_texture_ = nullptr;
    texture_owner_ = nullptr;
    dirty_ = true;
}

void MenuBar::Draw(SDL_Renderer* renderer) {
    if (entries_.empty()) return;
    if (texture_owner_ != renderer) {
        if (bar_texture_) SDL_DestroyTexture(bar_texture_);
        if (popup_texture_) SDL_DestroyTexture(popup_texture_);
        bar_texture_ = popup_texture_ = nullptr;
        texture_owner_ = renderer;
        dirty_ = true;
    }
    const SDL_Rect popup = PopupRect();
    if (dirty_ || !bar_texture_) {
        std::vector<std::uint32_t> px;
        if (!bar_texture_)
            bar_texture_ = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                             SDL_TEXTUREACCESS_STREAMING, kWidth, kBarHeight);
        Render(px, kWidth, kBarHeight, false);
        if (bar_texture_) SDL_UpdateTexture(bar_texture_, nullptr, px.data(), kWidth * 4);
        if (open_ >= 0 && popup.w > 0 && popup.h > 0) {
            int tw = 0, th = 0;
            if (popup_texture_) SDL_QueryTexture(popup_texture_, nullptr, nullptr, &tw, &th);
            if (!popup_texture_ || tw != popup.w || th != popup.h) {
                if (popup_texture_) SDL_DestroyTexture(popup_texture_);
                popup_texture_ = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                                   SDL_TEXTUREACCESS_STREAMING, popup.w, popup.h);
            }
            Render(px, popup.w, popup.h, true);
            if (popup_texture_) SDL_UpdateTexture(popup_texture_, nullptr, px.data(), popup.w * 4);
        }
        dirty_ = false;
    }
    const SDL_Rect bar{0, 0, kWidth, kBarHeight};
    if (bar_texture_) SDL_RenderCopy(renderer, bar_texture_, nullptr, &bar);
    if (open_ >= 0 && popup_texture_) SDL_RenderCopy(renderer, popup_texture_, nullptr, &popup);
}

}  // namespace platform::sdl
