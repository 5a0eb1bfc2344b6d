// Does nothing for a number of milliseconds, counted in frames of the clock (50 per second).
#pragma once

#include "engine/framework/game_event.h"

class CWaitEvent : public CGameEvent {
public:
    CWaitEvent() = default;
    // Written by the owner before the start.
    void SetMilliseconds(int milliseconds) { milliseconds_ = milliseconds; }
    int GetMilliseconds() const { return milliseconds_; }
    // The frames the wait lasts: milliseconds x 50 / 1000.
    int Frames() const;

    void Update() override;

private:
    int milliseconds_ = 0;
};
