#include "platform/sdl/sdl_joystick.h"

namespace platform::sdl {

namespace {
int Scale(Sint16 raw) { return raw * 1000 / 32767 < -1000 ? -1000 : raw * 1000 / 32767; }
}  // namespace

SdlJoystick::~SdlJoystick() { Close(); }

bool SdlJoystick::Open() {
    if (joystick_ && SDL_JoystickGetAttached(joystick_)) return true;
    Close();
    if (!SDL_WasInit(SDL_INIT_JOYSTICK) && SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return false;
    SDL_JoystickUpdate();
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        joystick_ = SDL_JoystickOpen(i);
        if (joystick_) return true;
    }
    return false;
}

void SdlJoystick::Close() {
    if (joystick_) SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
}

bool SdlJoystick::Read(JoystickState& out) {
    if (!Open()) return false;
    SDL_JoystickUpdate();
    out = {};
    const int axes = SDL_JoystickNumAxes(joystick_);
    if (axes > 0) out.x = Scale(SDL_JoystickGetAxis(joystick_, 0));
    if (axes > 1) out.y = Scale(SDL_JoystickGetAxis(joystick_, 1));
    if (axes > 2) out.z = Scale(SDL_JoystickGetAxis(joystick_, 2));
    const int buttons = SDL_JoystickNumButtons(joystick_);
    for (int i = 0; i < 4 && i < buttons; ++i) out.buttons[i] = SDL_JoystickGetButton(joystick_, i) != 0;
    return true;
}

}  // namespace platform::sdl
