// How many customers the restaurant draws while it sells: the opening hours, what the heroine
// wears and owns, the reputation and the busy hours.
#pragma once

#include "game/rules/play_state.h"

// The shop serves from 7:00 until 22:00.
bool IsShopOpen(const GameClock& clock);
// Lunch (12 and 13 o'clock) and dinner (18 to 20 o'clock) bring three times the customers.
bool IsBusyHour(const GameClock& clock);
// The worn sash or panda, the owned lucky charm and the reputation (0..100, so 10 is even).
float CustomerDrawFactor(const PlayState& state);
// The percent chance that a customer comes in this frame, for the restaurant's rank.
int CustomerChance(const PlayState& state, int restaurant_rank);
