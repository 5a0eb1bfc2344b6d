// The pantry as a choice list, in the order the player chose to sort it.
#pragma once

#include <vector>

#include "engine/framework/menu_entry.h"
#include "game/rules/play_state.h"

// How the pantry list is sorted ("align_type").
enum PantryOrder : int {
    kPantryOrderAsStored = 0,
    kPantryOrderByName = 1,      // byte order of the names
    kPantryOrderByDaysLeft = 2,  // soonest to spoil first
};

// One enabled row per food of the pantry in use, its value the food's index there: the name,
// then "%d ヶ" (whole units) or "少し" (under one unit), and "[M]" for a ready menu portion.
// Rows that sort equal keep their pantry order.
void BuildPantryList(const Kitchen& kitchen, int align_type, std::vector<MenuEntry>& entries);
