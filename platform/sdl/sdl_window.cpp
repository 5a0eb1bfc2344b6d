#include "platform/sdl/sdl_window.h"

#include <algorithm>
#include <cstdio>

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
    window_ = SDL_CreateWindow("vemu", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, client_width,
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
    wake_event_ = SDL_RegisterEvents(1);
    return true;
}

bool SdlWindow::GetMessage(Message& out) {
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (!posted_.empty()) {
                out = posted_.front();
                posted_.pop_front();
                return true;
            }
            if (quit_) return false;
        }
        SDL_Event event;
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
            const int vk = VirtualKeyFromScancode(event.key.keysym.scancode);
            if (vk == 0) return std::nullopt;
            return Message::MakeKey(vk, event.key.repeat != 0);
        }
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
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            device_lost_ = true;
            return Message::Make(MessageKind::Paint);
        default:
            return std::nullopt;
    }
}

void SdlWindow::SetTitle(const std::string& utf8) { SDL_SetWindowTitle(window_, utf8.c_str()); }

void SdlWindow::SetMenu(const std::vector<MenuItem>& menu) { menu_ = menu; }

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
    return {0, 0, w, h};
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
    if (!full_screen) SDL_SetWindowSize(window_, client_width_, client_height_);
    return true;
}

SDL_Rect SdlWindow::PictureRect() const {
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer_, &w, &h);
    const int pw = texture_width_ > 0 ? texture_width_ : client_width_;
    const int ph = texture_height_ > 0 ? texture_height_ : client_height_;
    // The largest picture of the right aspect that fits, centred.
    int dw = w, dh = w * ph / pw;
    if (dh > h) {
        dh = h;
        dw = h * pw / ph;
    }
    return {(w - dw) / 2, (h - dh) / 2, dw, dh};
}

bool SdlWindow::Present(const std::uint32_t* argb, int width, int height) {
    if (!texture_ || texture_width_ != width || texture_height_ != height) {
        if (texture_) SDL_DestroyTexture(texture_);
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                     width, height);
        texture_width_ = width;
        texture_height_ = height;
        if (!texture_) return false;
    }
    SDL_UpdateTexture(texture_, nullptr, argb, width * 4);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    const SDL_Rect target = PictureRect();
    SDL_RenderCopy(renderer_, texture_, nullptr, &target);
    SDL_RenderPresent(renderer_);
    if (device_lost_) {
        device_lost_ = false;
        SDL_DestroyTexture(texture_);
        texture_ = nullptr;
        return false;
    }
    return true;
}

bool SdlWindow::IsKeyDown(int virtual_key) const {
    if (!(SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS)) return false;
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    for (SDL_Scancode code : ScancodesForVirtualKey(virtual_key))
        if (code < count && state[code]) return true;
    return false;
}

bool SdlWindow::IsMouseButtonDown(int which) const {
    const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    return which == 0 ? (buttons & SDL_BUTTON_LMASK) != 0 : which == 1 ? (buttons & SDL_BUTTON_RMASK) != 0 : false;
}

Point SdlWindow::GetCursorPos() const {
    int gx = 0, gy = 0, wx = 0, wy = 0;
    SDL_GetGlobalMouseState(&gx, &gy);
    SDL_GetWindowPosition(window_, &wx, &wy);
    // Window points to renderer pixels (high-density displays), then into the picture.
    int ww = 1, wh = 1, ow = 1, oh = 1;
    SDL_GetWindowSize(window_, &ww, &wh);
    SDL_GetRendererOutputSize(renderer_, &ow, &oh);
    const double px = (gx - wx) * static_cast<double>(ow) / ww;
    const double py = (gy - wy) * static_cast<double>(oh) / wh;
    const SDL_Rect picture = PictureRect();
    const int pw = texture_width_ > 0 ? texture_width_ : client_width_;
    const int ph = texture_height_ > 0 ? texture_height_ : client_height_;
    if (picture.w <= 0 || picture.h <= 0) return {};
    return {static_cast<int>((px - picture.x) * pw / picture.w),
            static_cast<int>((py - picture.y) * ph / picture.h)};
}

void SdlWindow::SetCursorPos(Point client) {
    const SDL_Rect picture = PictureRect();
    const int pw = texture_width_ > 0 ? texture_width_ : client_width_;
    const int ph = texture_height_ > 0 ? texture_height_ : client_height_;
    int ww = 1, wh = 1, ow = 1, oh = 1;
    SDL_GetWindowSize(window_, &ww, &wh);
    SDL_GetRendererOutputSize(renderer_, &ow, &oh);
    const double px = picture.x + client.x * static_cast<double>(picture.w) / pw;
    const double py = picture.y + client.y * static_cast<double>(picture.h) / ph;
    SDL_WarpMouseInWindow(window_, static_cast<int>(px * ww / ow), static_cast<int>(py * wh / oh));
}

void SdlWindow::SetSystemCursorHidden(bool hidden) { SDL_ShowCursor(hidden ? SDL_DISABLE : SDL_ENABLE); }

}  // namespace platform::sdl
