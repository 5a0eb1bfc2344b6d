// The first game controller or joystick through SDL2, picked up whenever one is plugged in.
#pragma once

#include <SDL.h>

#include "platform/joystick.h"

namespace platform::sdl {

class SdlJoystick : public Joystick {
public:
    ~SdlJoystick() override;
    bool Open() override;
    void Close() override;
    bool Read(JoystickState& out) override;

private:
    SDL_Joystick* joystick_ = nullptr;
};

}  // namespace platform::sdl
