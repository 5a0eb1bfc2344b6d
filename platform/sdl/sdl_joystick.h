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
    bool Attached() const;
    // A controller SDL knows the layout of is read through the game-controller API (left stick,
    // face buttons A, B, X, Y); any other device as a plain joystick (axes 0-2, buttons 0-3).
    SDL_GameController* controller_ = nullptr;
    SDL_Joystick* joystick_ = nullptr;
};

// An SDL axis (-32768 .. 32767) on the -1000 .. 1000 scale.
int ScaleAxis(Sint16 raw);

}  // namespace platform::sdl
