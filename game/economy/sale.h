// A sale to a customer, the same for the selling screen and every visitor: only the portions
// that were served are paid, told and counted.
#pragma once

#include <string>

#include "engine/data/shared_data.h"
#include "game/rules/dish_measure.h"
#include "game/rules/play_state.h"

// Serves one portion of the menu dish, then runs the menu check. False when it could not be
// served; the customer then gets nothing and pays nothing.
bool ServeToCustomer(PlayState& state, Kitchen& kitchen, const MenuDish& dish);

// Books `served` portions that were served (0 books nothing and returns ""): the price of each
// as this month's income; when the sale counts, the familiarity of what the dish is made of,
// the shop's reputation and the dish's light on the menu. Returns the line that tells the
// player: "『name』が売れました\n", or with the count when more than one was served.
std::string BookSale(PlayState& state, CQZSharedData& values, MenuDish& dish, int served,
                     const DishMeasure& value_percent, bool counted = true);
