// Reputation: each sale moves it a little, up or down, by chance.
#pragma once

#include "game/rules/dish_measure.h"
#include "game/rules/play_state.h"

// Moves reputation by amount × 0.1 within 0..100. A dish of good value for money and a
// specialty shop make a rise likelier; a high reputation makes it harder. A dish that gives no
// value for money (a value percent of 0 or less) always lowers it.
void ShiftHonor(PlayState& state, const Food& dish, int amount, const DishMeasure& value_percent);
