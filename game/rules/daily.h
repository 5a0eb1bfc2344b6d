// The small story and day rules every part of the day touches.
#pragma once

#include "game/rules/play_state.h"

// A new day: the once-a-day visit guards open again.
void ResetDailyFlags(PlayState& state);
// Advances "state_memory_food" once the memory dish's two steps are known: 1 → 2 with the first
// recipe, 4 → 5 with the second. The entries are looked up once at start-up.
void UpdateMemoryFoodState(PlayState& state, const FoodDef* first_step, const FoodDef* second_step);
