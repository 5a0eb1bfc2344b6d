// The window's menu bar, drawn by the SDL backend above the 640 x 480 picture in windowed mode:
// top-level entries and one level of popups, opened with the mouse or with Alt and the
// entry's accelerator letter (the character after '&'). Choosing an entry yields its command.
#pragma once

#include <SDL.h>

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/common/font_face.h"
#include "platform/platform.h"

namespace platform::sdl {

class MenuBar {
public:
    static constexpr int kBarHeight = 20;
    static constexpr int kWidth = 640;

    MenuBar();
    ~MenuBar();
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    void SetItems(const std::vector<MenuItem>& items);
    bool HasItems() const { return !entries_.empty(); }
    bool IsOpen() const { return open_ >= 0; }

    // In the bar's own coordinates (logical pixels, the bar's top left at 0, 0). Each returns
    // whether the event was the menu's, and sets `command` when an entry was chosen.
    bool MouseDown(int x, int y, std::optional<int>& command);
    bool MouseMove(int x, int y);
    bool KeyDown(const SDL_Keysym& key, std::optional<int>& command);
    // Forgets the textures (the render device was reset); Draw makes them again.
    void DropTextures();
    // Closes an open popup (the window lost the focus, or went full screen).
    void Close();
    // Whether the point lies on the bar or on the open popup.
    bool Contains(int x, int y) const;

    // Draws the bar at (0, 0) and the open popup below it; the renderer's logical size must
    // give the bar its kWidth x kBarHeight pixels.
    void Draw(SDL_Renderer* renderer);

private:
    struct Entry {
        std::vector<char32_t> text;  // without the '&'
        int underline = -1;          // index of the accelerator character in text, or -1
        char32_t accelerator = 0;    // upper case
        int command = 0;
        bool separator = false;
        int x = 0, width = 0;  // top level: place in the bar; popup rows: y and height
        std::vector<Entry> children;
    };
    static Entry MakeEntry(const MenuItem& item);
    int TextWidth(const std::vector<char32_t>& text);
    void Layout();
    void Open(int index, int highlight);
    int EntryAt(int x, int y) const;
    int RowAt(int x, int y) const;
    SDL_Rect PopupRect() const;
    void Render(std::vector<std::uint32_t>& pixels, int width, int height, bool popup);
    void DrawText(std::vector<std::uint32_t>& pixels, int width, int height, int x, int y,
                  const Entry& entry, std::uint32_t color);
    std::optional<int> Choose(const Entry& entry);

    std::vector<Entry> entries_;
    std::unique_ptr<FontFace> face_;
    std::map<char32_t, GlyphBitmap> glyphs_;
    const GlyphBitmap& GlyphOf(char32_t cp);
    int open_ = -1;       // the entry whose popup is open
    int hot_ = -1;        // the entry under the pointer or chosen by keys
    int highlight_ = -1;  // the popup row under the pointer or chosen by keys
    bool dirty_ = true;
    SDL_Texture* bar_texture_ = nullptr;
    SDL_Texture* popup_texture_ = nullptr;
    SDL_Renderer* texture_owner_ = nullptr;
    int popup_width_ = 0, popup_height_ = 0;
};

// UTF-8 to code points; malformed bytes become U+FFFD.
std::vector<char32_t> DecodeUtf8(const std::string& text);

}  // namespace platform::sdl
