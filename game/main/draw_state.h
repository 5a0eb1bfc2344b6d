// What the play-screen drawing animates on its own: the heroine's blink and the composition
// ticker of the dish panel. Program-wide; a new game does not reset it. The blink draws from a
// generator of its own so that drawing never moves the game's random sequence.
#pragma once

#include "platform/crt_random.h"

class Food;

struct PlayDrawState {
    int blink = -1;  // -1 resting, else the frames of the running blink
    platform::CrtRandom blink_random;
    const Food* ticker_dish = nullptr;
    int ticker_frames = 0;
    int ticker_hidden = 0;
};
