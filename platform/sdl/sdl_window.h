// The game window on SDL2: translates SDL's events into the frame's messages, presents the
// 640 x 480 picture through one streaming texture at a fixed logical size (so full screen
// letterboxes and scales), draws the menu bar above the picture in windowed mode, and answers
// the GetAsyncKeyState-style questions about keys, buttons and the pointer.
#pragma once

#include <SDL.h>

#include <array>
#include <deque>
#include <mutex>
#include <optional>

#include "platform/platform.h"
#include "platform/sdl/sdl_menu_bar.h"

namespace platform::sdl {

class SdlWindow : public Window {
public:
    SdlWindow() = default;
    ~SdlWindow() override;

    bool Create(int client_width, int client_height);

    bool GetMessage(Message& out) override;
    void PostMessage(const Message& message) override;
    void PostQuit(int exit_code) override;
    void SetTitle(const std::string& utf8) override;
    void SetMenu(const std::vector<MenuItem>& menu) override;
    void Show() override;
    Rect GetWindowRect() const override;
    // The picture's area: the window without its menu bar.
    Rect GetClientRect() const override;
    void MoveWindow(const Rect& outer) override;
    bool SetFullScreen(bool full_screen) override;
    bool IsFullScreen() const override { return full_screen_; }
    bool Present(const std::uint32_t* argb, int width, int height) override;
    void BeginInputPoll() override;
    bool IsKeyDown(int virtual_key) const override;
    bool IsMouseButtonDown(int which) const override;
    Point GetCursorPos() const override;
    void SetCursorPos(Point client) override;
    void SetSystemCursorHidden(bool hidden) override;
    bool HasDisplay() const override { return has_display_; }

    SDL_Window* handle() const { return window_; }
    SDL_Renderer* renderer() const { return renderer_; }

private:
    // Translates one SDL event; returns a message when the frame should see one.
    std::optional<Message> Translate(const SDL_Event& event);
    // The bar's height in logical pixels: 0 in full screen or without a menu.
    int BarHeight() const;
    void ApplyLogicalSize();
    // Shows the last picture with the bar and an open popup on top.
    void Render();
    // Re-shows the picture when the menu's look changed.
    void RenderIfMenuChanged(bool changed);
    // The pointer in logical pixels of the whole window (bar included).
    void PointerInLogical(float& x, float& y) const;

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    int texture_width_ = 0, texture_height_ = 0;
    int client_width_ = 640, client_height_ = 480;
    bool full_screen_ = false;
    bool has_display_ = true;
    bool device_lost_ = false;
    bool quit_ = false;
    Uint32 wake_event_ = 0;
    std::mutex mutex_;
    std::deque<Message> posted_;
    MenuBar menu_bar_;
    // The game's presses since the current poll began (those the menu bar took are not the
    // game's), and those before it, which this poll reads as down.
    std::array<bool, SDL_NUM_SCANCODES> keys_pressed_{}, keys_polled_{};
    std::array<bool, 2> mouse_pressed_{}, mouse_polled_{};
};

}  // namespace platform::sdl
