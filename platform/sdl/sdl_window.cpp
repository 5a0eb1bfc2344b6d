#include "platform/sdl/sdl_window.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/sdl/sdl_keys.h"

namespace platform::sdl {

SdlWindow::~SdlWindow() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
}

bool SdlWindow::Create(int client_width, int client_height) {
    client_width_ = client_width;
    client_height_ = client_height;
    window_ =
        SDL_CreateWindow("vemu", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, client_width,
                         client_height, SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window_) {
        std::fprintf(stderr, "vemu: cannot open a window: %s\n", SDL_GetError());
        return false;
    }
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) {
        std::fprintf(stderr, "vemu: cannot create a renderer: %s\n", SDL_GetError());
        return false;
    }
    // Without a display SDL falls back to a driver that draws into memory; a game on it would
    // run unseen until killed. A driver the player asked for by name is the player's choice.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    const bool shows_nothing =
        driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
    has_display_ = !shows_nothing || (asked && *asked);
    wake_event_ = SDL_RegisterEvents(1);
    ApplyLogicalSize();
    return true;
}

int SdlWindow::BarHeight() const {
    return full_screen_ || !menu_bar_.HasItems() ? 0 : MenuBar::kBarHeight;
}

void SdlWindow::ApplyLogicalSize() {
    SDL_RenderSetLogicalSize(renderer_, client_width_, client_height_ + BarHeight());
}

void SdlWindow::Render() {
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    const int bar = BarHeight();
    if (texture_) {
        const SDL_Rect target{0, bar, client_width_, client_height_};
        SDL_RenderCopy(renderer_, texture_, nullptr, &target);
    }
    if (bar > 0) menu_bar_.Draw(renderer_);
    SDL_RenderPresent(renderer_);
}

void SdlWindow::RenderIfMenuChanged(bool changed) {
    if (changed && BarHeight() > 0) Render();
}

void SdlWindow::PointerInLogical(float& x, float& y) const {
    int gx = 0, gy = 0, wx = 0, wy = 0;
    SDL_GetGlobalMouseState(&gx, &gy);
    SDL_GetWindowPosition(window_, &wx, &wy);
    SDL_RenderWindowToLogical(renderer_, gx - wx, gy - wy, &x, &y);
}

bool SdlWindow::GetMessage(Message& out) {
    for (;;) {
        bool quitting = false;
        {
            std::lock_guard lock(mutex_);
            quitting = quit_;
        }
        // The window's own events come before the timer's posts: a window thread that falls
        // behind the ticks would otherwise never see a key, a close request or a fresh
        // keyboard state again, since SDL reads them only while its events are taken.
        SDL_Event event;
        if (!quitting) {
            while (SDL_PollEvent(&event)) {
                if (auto message = Translate(event)) {
                    out = *message;
                    return true;
                }
            }
        }
        {
            std::lock_guard lock(mutex_);
            if (!posted_.empty()) {
                out = posted_.front();
                posted_.pop_front();
                return true;
            }
            if (quit_) return false;
        }
        if (!SDL_WaitEvent(&event)) continue;
        if (auto message = Translate(event)) {
            out = *message;
            return true;
        }
    }
}

void SdlWindow::PostMessage(const Message& message) {
    {
        std::lock_guard lock(mutex_);
        posted_.push_back(message);
    }
    SDL_Event wake{};
    wake.type = wake_event_;
    SDL_PushEvent(&wake);
}

void SdlWindow::PostQuit(int) {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    SDL_Event wake{};
    wake.type = wake_event_;
    SDL_PushEvent(&wake);
}

std::optional<Message> SdlWindow::Translate(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            return Message::Make(MessageKind::Close);
        case SDL_KEYDOWN: {
            if (BarHeight() > 0) {
                std::optional<int> command;
                const bool was_open = menu_bar_.IsOpen();
                if (menu_bar_.KeyDown(event.key.keysym, command)) {
                    RenderIfMenuChanged(true);
                    if (command) return Message::MakeCommand(*command);
                    return std::nullopt;
                }
                if (was_open) return std::nullopt;
            }
            const SDL_Scancode code = event.key.keysym.scancode;
            if (!event.key.repeat && code >= 0 && code < SDL_NUM_SCANCODES)
                keys_pressed_[static_cast<std::size_t>(code)] = true;
            const int vk = VirtualKeyFromScancode(code);
            if (vk == 0) return std::nullopt;
            return Message::MakeKey(vk, event.key.repeat != 0);
        }
        case SDL_MOUSEBUTTONDOWN: {
            const int which = event.button.button == SDL_BUTTON_LEFT    ? 0
                              : event.button.button == SDL_BUTTON_RIGHT ? 1
                                                                        : -1;
            if (which < 0) return std::nullopt;
            // With a logical size set, SDL reports the pointer in logical pixels.
            if (BarHeight() > 0 && which == 0) {
                std::optional<int> command;
                if (menu_bar_.MouseDown(event.button.x, event.button.y, command)) {
                    RenderIfMenuChanged(true);
                    if (command) return Message::MakeCommand(*command);
                    return std::nullopt;
                }
            }
            // A press on the bar or while a popup is open is the menu's, as when held.
            if (BarHeight() == 0 ||
                (!menu_bar_.IsOpen() && !menu_bar_.Contains(event.button.x, event.button.y)))
                mouse_pressed_[static_cast<std::size_t>(which)] = true;
            return std::nullopt;
        }
        case SDL_MOUSEMOTION:
            if (BarHeight() > 0) {
                const bool was_open = menu_bar_.IsOpen();
                RenderIfMenuChanged(menu_bar_.MouseMove(event.motion.x, event.motion.y) ||
                                    was_open);
            }
            return std::nullopt;
        case SDL_MOUSEWHEEL: {
            int notches = event.wheel.y;
            if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
            if (notches == 0) return std::nullopt;
            return Message::MakeWheel(notches * 120);
        }
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    return Message::MakeActivate(true);
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    menu_bar_.Close();
                    // No frame runs until the focus is back; a tap from before is stale then.
                    keys_pressed_.fill(false);
                    mouse_pressed_.fill(false);
                    return Message::MakeActivate(false);
                case SDL_WINDOWEVENT_MOVED:
                    return Message::Make(MessageKind::Move);
                case SDL_WINDOWEVENT_MAXIMIZED:
                    // Maximising means full screen; the window itself stays as it was.
                    SDL_RestoreWindow(window_);
                    return Message::Make(MessageKind::Maximize);
                case SDL_WINDOWEVENT_EXPOSED:
                    return Message::Make(MessageKind::Paint);
                case SDL_WINDOWEVENT_CLOSE:
                    return Message::Make(MessageKind::Close);
                default:
                    return std::nullopt;
            }
        case SDL_RENDER_DEVICE_RESET:
            // Every texture of the renderer lost its contents: free them (SDL keeps the objects
            // until destroyed) and let the game bring the device back.
            device_lost_ = true;
            if (texture_) SDL_DestroyTexture(texture_);
            texture_ = nullptr;
            menu_bar_.DropTextures();
            return Message::Make(MessageKind::Paint);
        default:
            return std::nullopt;
    }
}

void SdlWindow::SetTitle(const std::string& utf8) { SDL_SetWindowTitle(window_, utf8.c_str()); }

void SdlWindow::SetMenu(const std::vector<MenuItem>& menu) {
    menu_bar_.SetItems(menu);
    ApplyLogicalSize();
    if (!full_screen_) SDL_SetWindowSize(window_, client_width_, client_height_ + BarHeight());
}

void SdlWindow::Show() {
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
}

Rect SdlWindow::GetWindowRect() const {
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(window_, &x, &y);
    SDL_GetWindowSize(window_, &w, &h);
    int top = 0, left = 0, bottom = 0, right = 0;
    if (!full_screen_) SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right);
    return {x - left, y - top, x + w + right, y + h + bottom};
}

Rect SdlWindow::GetClientRect() const {
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    return {0, 0, w, std::max(0, h - BarHeight())};
}

void SdlWindow::MoveWindow(const Rect& outer) {
    if (full_screen_) return;
    int top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right);
    SDL_SetWindowPosition(window_, outer.left + left, outer.top + top);
    const int w = std::max(1, outer.Width() - left - right);
    const int h = std::max(1, outer.Height() - top - bottom);
    SDL_SetWindowSize(window_, w, h);
}

bool SdlWindow::SetFullScreen(bool full_screen) {
    if (SDL_SetWindowFullscreen(window_, full_screen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0)
        return false;
    full_screen_ = full_screen;
    menu_bar_.Close();
    ApplyLogicalSize();
    if (!full_screen) SDL_SetWindowSize(window_, client_width_, client_height_ + BarHeight());
    return true;
}

bool SdlWindow::Present(const std::uint32_t* argb, int width, int height) {
    if (!texture_ || texture_width_ != width || texture_height_ != height) {
        if (texture_) SDL_DestroyTexture(texture_);
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                     SDL_TEXTUREACCESS_STREAMING, width, height);
        texture_width_ = width;
        texture_height_ = height;
        if (!texture_) return false;
    }
    SDL_UpdateTexture(texture_, nullptr, argb, width * 4);
    Render();
    if (device_lost_) {
        device_lost_ = false;
        if (texture_) SDL_DestroyTexture(texture_);
        texture_ = nullptr;
        return false;
    }
    return true;
}

void SdlWindow::BeginInputPoll() {
    keys_polled_ = keys_pressed_;
    keys_pressed_.fill(false);
    mouse_polled_ = mouse_pressed_;
    mouse_pressed_.fill(false);
}

bool SdlWindow::IsKeyDown(int virtual_key) const {
    if (!(SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS)) return false;
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    for (SDL_Scancode code : ScancodesForVirtualKey(virtual_key)) {
        if (code < count && state[code]) return true;
        if (code >= 0 && code < SDL_NUM_SCANCODES && keys_polled_[static_cast<std::size_t>(code)])
            return true;
    }
    return false;
}

bool SdlWindow::IsMouseButtonDown(int which) const {
    // A press that belongs to the menu bar is not the game's.
    if (menu_bar_.IsOpen() || which < 0 || which > 1) return false;
    const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    const bool down = mouse_polled_[static_cast<std::size_t>(which)] ||
                      (buttons & (which == 0 ? SDL_BUTTON_LMASK : SDL_BUTTON_RMASK)) != 0;
    if (!down || BarHeight() == 0) return down;
    float x = 0, y = 0;
    PointerInLogical(x, y);
    return !menu_bar_.Contains(static_cast<int>(x), static_cast<int>(y));
}

Point SdlWindow::GetCursorPos() const {
    float x = 0, y = 0;
    PointerInLogical(x, y);
    return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)) - BarHeight()};
}

void SdlWindow::SetCursorPos(Point client) {
    int wx = 0, wy = 0;
    SDL_RenderLogicalToWindow(renderer_, static_cast<float>(client.x) + 0.5f,
                              static_cast<float>(client.y + BarHeight()) + 0.5f, &wx, &wy);
    SDL_WarpMouseInWindow(window_, wx, wy);
}

void SdlWindow::SetSystemCursorHidden(bool hidden) {
    SDL_ShowCursor(hidden ? SDL_DISABLE : SDL_ENABLE);
}

}  // namespace platform::sdl
