// How the restaurant stands: its rank, the words the status panel shows, and the reputation
// threshold the customers judge it by.
#pragma once

#include "game/rules/dish_measure.h"
#include "game/rules/play_state.h"

// Contests won + (the menu's total dish score) / 20 + 1.
int RestaurantRank(const PlayState& state, const Kitchen& kitchen, const DishMeasure& dish_score);
// "【" size word, shop kind "】" from the rank and what the menu mostly is; a menu that leans
// to one kind of dish makes a specialty shop, which earns the specialty bonus.
void BuildShopStatusText(PlayState& state, const Kitchen& kitchen, const DishMeasure& dish_score);
int GetHonorThreshold(const PlayState& state);
