// What the play-screen drawing animates on its own: the heroine's blink and the composition
// ticker of the dish panel. Program-wide; a new game does not reset it. The blink draws from a
// generator of its own so that drawing never moves the game's random sequence.
//
// Each frame's step (PlayView::Animate) settles what the frame shows and readies the next, as
// the drawing of a frame did once; Draw reads only what the step settled.
#pragma once

#include "platform/crt_random.h"

class Food;

struct PlayDrawState {
    int blink = -1;  // -1 resting, else the frames of the running blink
    platform::CrtRandom blink_random;
    int blink_shown = 0;  // the frame of the blink this frame shows; 0: her resting picture
    const Food* ticker_dish = nullptr;
    int ticker_frames = 0;
    int ticker_hidden = 0;
    // Where the ticker of ticker_dish stands in the frame shown, before its step moved it on.
    int ticker_shown_frames = 0;
    int ticker_shown_hidden = 0;
};
