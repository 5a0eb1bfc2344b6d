// Which recipe a pot makes.
#pragma once

#include "game/data/recipe_book.h"

// True when a pot food's entry, or the entry of one of its parts, is in `name`.
bool PotHolds(const FoodPot& pot, std::string_view name);

// The first recipe with the greatest total among those the pot matches (a score above 0) for
// `method`, or null. Matching reads the method masks the recipe file gave.
Recipe* FindBestRecipe(const RecipeBook& book, int method, const FoodPot& pot);
