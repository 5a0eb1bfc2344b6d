// The lists of the shops and the menu: what each row says and whether it can be chosen. Each
// fills the entry array and returns its length, as the screen builder's rows do.
#pragma once

#include <vector>

#include "engine/framework/menu_entry.h"

class CVemuComp;

// The rows past the dishes on the menu lists: a place for one more dish.
inline constexpr const char* kEmptyMenuRow = "                 -";

// The food shop's goods in use: name and price; what the money does not reach is grey.
int BuildFoodShopGoods(CVemuComp& game, std::vector<MenuEntry>& entries);
// One row per share on sale, its value the share's row in the share table.
int BuildShareGoods(CVemuComp& game, std::vector<MenuEntry>& entries);
// The menu's dishes (grey when they cannot be served now), then empty places up to its
// capacity; every row can be chosen, so an empty place can take a dish.
int BuildMenuRows(CVemuComp& game, std::vector<MenuEntry>& entries);
