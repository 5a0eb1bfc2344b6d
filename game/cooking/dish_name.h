// A cooked dish's name: what went into it that the recipe did not ask for, what it lacked, and
// the recipe's extra ingredients before or after the recipe's name by its naming code.
#pragma once

#include <string>
#include <vector>

#include "game/data/recipe_book.h"

// The longest name, in CP932 bytes, the dish panels and the save game's lists are laid out for.
inline constexpr std::size_t kDishNameLimit = 44;

using DishNodeList = std::vector<const FoodNode*>;
using MissingRowList = std::vector<const RecipeIngredient*>;

// Mixed-in names joined with "と" and "入り" (not without a recipe), missing rows' names and
// "なし", then the recipe part by the naming code.
std::string ComposeDishName(const Recipe& recipe, const DishNodeList& extra,
                            const DishNodeList& mixed_in, const MissingRowList& missing);
// The same, with the mixed-in and extra lists grouped by category first.
std::string ComposeDishNameShort(const Recipe& recipe, const DishNodeList& extra,
                                 const DishNodeList& mixed_in, const MissingRowList& missing);
// Entries that share a parent (the same node) give the parent's name once, at the first of
// them; an entry alone under its parent keeps its own name.
std::vector<std::string> GroupByCategory(const DishNodeList& nodes);

// The name a dish gets after `prefix`, the bonus words: the full form, else the short form,
// else "ごちゃまぜ" and the recipe's name, whichever first fits the limit; a name that fits none
// is "シェフの気まぐれごちゃまぜ" and the recipe's name, however long that is.
std::string NameDish(const std::string& prefix, const Recipe& recipe, const DishNodeList& extra,
                     const DishNodeList& mixed_in, const MissingRowList& missing);
