#include "game/rules/honour.h"

#include "engine/common/system.h"
#include "game/rules/shop_rank.h"

void ShiftHonor(PlayState& state, const Food& dish, int amount, const DishMeasure& value_percent) {
    const int percent = value_percent(dish);
    const int threshold = GetHonorThreshold(state);
    // Drawn whatever the dish is worth, so the game's sequence of draws stays the same.
    const int r = Rand();
    const double step = amount * 0.1;
    if (percent <= 0 || r % percent <= threshold) {
        state.reputation = static_cast<float>(state.reputation - step);
        if (state.reputation < 0.0f) state.reputation = 0.0f;
    } else {
        state.reputation = static_cast<float>(state.reputation + step);
        if (state.reputation > 100.0f) state.reputation = 100.0f;
    }
}
