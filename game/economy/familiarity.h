// How well the customers know an ingredient: every sale of a dish adds to the familiarity of
// what it is made of, and an ingredient they know well enough goes on sale in the shops.
#pragma once

#include "game/rules/play_state.h"

inline constexpr float kMasteredFamiliarity = 100.0f;

// Each leaf of the food's composition gains count × its amount; parts made of other parts gain
// nothing themselves. An entry that reaches 100 is mastered, and listed once in
// `PlayState::mastered` for the notice that it is now on sale.
void AddFamiliarity(PlayState& state, const Food& food, int count);
