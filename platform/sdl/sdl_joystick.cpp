#include "platform/sdl/sdl_joystick.h"

namespace platform::sdl {

int ScaleAxis(Sint16 raw) {
    const int scaled = raw * 1000 / 32767;
    return scaled < -1000 ? -1000 : scaled;
}

SdlJoystick::~SdlJoystick() { Close(); }

bool SdlJoystick::Attached() const {
    if (controller_) return SDL_GameControllerGetAttached(controller_) == SDL_TRUE;
    if (joystick_) return SDL_JoystickGetAttached(joystick_) == SDL_TRUE;
    return false;
}

bool SdlJoystick::Open() {
    if (Attached()) return true;
    Close();
    if (!SDL_WasInit(SDL_INIT_GAMECONTROLLER) && SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        return false;
    SDL_JoystickUpdate();
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_IsGameController(i)) {
            controller_ = SDL_GameControllerOpen(i);
            if (controller_) return true;
        }
        joystick_ = SDL_JoystickOpen(i);
        if (joystick_) return true;
    }
    return false;
}

void SdlJoystick::Close() {
    if (controller_) SDL_GameControllerClose(controller_);
    if (joystick_) SDL_JoystickClose(joystick_);
    controller_ = nullptr;
    joystick_ = nullptr;
}

bool SdlJoystick::Read(JoystickState& out) {
    out = {};
    if (!Open()) return false;
    SDL_GameControllerUpdate();
    if (controller_) {
        out.x = ScaleAxis(SDL_GameControllerGetAxis(controller_, SDL_CONTROLLER_AXIS_LEFTX));
        out.y = ScaleAxis(SDL_GameControllerGetAxis(controller_, SDL_CONTROLLER_AXIS_LEFTY));
        out.z = ScaleAxis(SDL_GameControllerGetAxis(controller_, SDL_CONTROLLER_AXIS_RIGHTX));
        // The directional pad steers like the stick.
        if (SDL_GameControllerGetButton(controller_, SDL_CONTROLLER_BUTTON_DPAD_LEFT))
            out.x = -1000;
        if (SDL_GameControllerGetButton(controller_, SDL_CONTROLLER_BUTTON_DPAD_RIGHT))
            out.x = 1000;
        if (SDL_GameControllerGetButton(controller_, SDL_CONTROLLER_BUTTON_DPAD_UP)) out.y = -1000;
        if (SDL_GameControllerGetButton(controller_, SDL_CONTROLLER_BUTTON_DPAD_DOWN)) out.y = 1000;
        constexpr SDL_GameControllerButton kButtons[4] = {
            SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_X,
            SDL_CONTROLLER_BUTTON_Y};
        for (int i = 0; i < 4; ++i)
            out.buttons[i] = SDL_GameControllerGetButton(controller_, kButtons[i]) != 0;
        return true;
    }
    const int axes = SDL_JoystickNumAxes(joystick_);
    if (axes > 0) out.x = ScaleAxis(SDL_JoystickGetAxis(joystick_, 0));
    if (axes > 1) out.y = ScaleAxis(SDL_JoystickGetAxis(joystick_, 1));
    if (axes > 2) out.z = ScaleAxis(SDL_JoystickGetAxis(joystick_, 2));
    const int buttons = SDL_JoystickNumButtons(joystick_);
    for (int i = 0; i < 4 && i < buttons; ++i)
        out.buttons[i] = SDL_JoystickGetButton(joystick_, i) != 0;
    return true;
}

}  // namespace platform::sdl
