// What a save slot is saved from and loaded into: the parts of the main game component that a
// save keeps, as plain objects so that saving and loading need no engine devices.
#pragma once

#include "engine/data/item_bag.h"
#include "engine/data/shared_data.h"
#include "game/data/recipe_book.h"
#include "game/rules/play_state.h"

struct SaveGameParts {
    PlayState& state;
    Kitchen& kitchen;
    RecipeBook& book;
    CQZSharedData& values;
    CItemBag& items;
    int& reward_num;  // the recipe-count reward level
};
