// The desktop backend: an SDL2 window with its own message queue, SDL audio and game
// controllers, threads for the timers, an INI file for the settings.
#pragma once

#include <memory>

#include "platform/platform.h"

namespace platform::sdl {

class SdlBackend {
public:
    SdlBackend();
    ~SdlBackend();
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

    // Opens SDL and the window (hidden until Window::Show). False with a message on stderr when
    // no display can be opened.
    bool Open(int client_width, int client_height);
    void Install();
    Services& services() { return services_; }

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
    Services services_;
    bool installed_ = false;
};

}  // namespace platform::sdl
