// リバティー's bag of one random ingredient: which entries it may hold and what it costs.
#pragma once

#include "game/data/recipe_book.h"
#include "game/food/food_def.h"

// The bag draws from the start of the catalogue: at least this many entries, at most the plain
// ingredients.
inline constexpr int kBagFewest = 5;
inline constexpr int kBagMost = kPlainIngredientCount;

// How many entries the bag may hold now, never past the end of the catalogue.
int BagRange(int counter, const FoodCatalogue& catalogue);
// Five times the average price of the first `range` entries, in whole money; 0 for none.
int BagPrice(int range, const FoodCatalogue& catalogue);
