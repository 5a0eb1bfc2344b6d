// The cooking methods the kitchen's utensils allow, offered when the pot is ready.
#pragma once

#include <vector>

#include "engine/data/item_bag.h"
#include "engine/framework/menu_entry.h"
#include "game/data/recipe_book.h"
#include "game/rules/play_state.h"

// The menu value of the choice that empties the pot instead of cooking it.
inline constexpr int kDiscardChoice = kMethodDiscard;

// Recomputes the utensil levels (the best tier owned per method; 混ぜる needs none and stays 0),
// the entry count and the fermentation flag from the bag, and rebuilds `entries`: "混ぜる" for a
// pot of several foods or "加工" for one (both need a knife), "焼く", "煮る", "揚げる", "発酵"
// for the methods with a utensil, and "捨てる" except on the first day and in scripted cooking.
// Each entry's value is its method bit; the entries can be chosen only when the pot holds food.
void BuildMethodMenu(PlayState& state, CItemBag& bag, const FoodPot& pot,
                     std::vector<MenuEntry>& entries);
