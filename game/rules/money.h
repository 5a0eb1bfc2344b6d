// Money: the shared "money" value, its copy in the play state, and the month's books.
#pragma once

#include "engine/data/shared_data.h"
#include "game/rules/play_state.h"

// The architect's price for raising the shop to `level`.
int ShopExpansionCost(int level);
// Adds `amount` to the shared "money" and copies the result into the play state, which it
// returns. Nothing is booked: taxes are paid this way.
int ChangeMoney(PlayState& state, CQZSharedData& values, int amount);
// ChangeMoney, booked as this month's income (a gain) or expenses (a payment).
void AddMoney(PlayState& state, CQZSharedData& values, int amount);
// One frame of the money figure on screen catching up with the money: a tenth of the gap, at
// least 1, never past it.
void EaseShownMoney(PlayState& state);
