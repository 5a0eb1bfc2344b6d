#include "game/rules/daily.h"

void ResetDailyFlags(PlayState& state) {
    state.new_day = 1;
    state.visit_flags.fill(0);
}

void UpdateMemoryFoodState(PlayState& state, const FoodDef* first_step,
                           const FoodDef* second_step) {
    if (state.state_memory_food == 1 && first_step && first_step->known)
        state.state_memory_food = 2;
    else if (state.state_memory_food == 4 && second_step && second_step->known)
        state.state_memory_food = 5;
}
