// What a cooking method makes of the pot: the dish's name, composition, weight, taste, cost,
// keeping time and method weights.
#pragma once

#include <memory>

#include "game/data/recipe_book.h"

// The dish `method` makes of the pot by `recipe`, or without one (null): then it is named after
// what went in and counts as the first food's entry. Null when the pot is empty or weighs
// nothing. The recipe is not changed; the pot's foods keep their amounts, but their parts take
// the quality the recipe's rows gave them.
std::unique_ptr<Food> ResolveDish(const RecipeBook& book, int method, const Recipe* recipe,
                                  FoodPot& pot);
