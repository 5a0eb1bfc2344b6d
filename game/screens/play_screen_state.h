// What the play screens keep from frame to frame.
#pragma once

#include "engine/framework/wait_handle.h"

struct PlayScreenState {
    int cooking_phase = 0;   // 0 choosing foods, 1 choosing the method
    int cooking_frames = 0;  // frames on the cooking-in-progress screen
    int method_cursor = 0;
    WaitHandle method_handle;
    int equipment_phase = 0;  // 0 choosing the slot, 1 choosing what to wear there
    int equipment_slot = 0;
    int contest_phase = 0;           // 0 choosing, 1 asking, 2 waiting for the answer
    int contest_food = -1;           // the pantry row offered for the contest
    int shown_cooking_method = 0;    // the method whose dishes the view marks
    int pot_row_under_pointer = -1;  // the pot's row the pointer is over, -1 for none
};
