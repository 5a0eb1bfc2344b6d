// Small look-ups over the menu, the pantry in use, the recipe book and the catalogue.
#pragma once

#include <string_view>

#include "game/data/recipe_book.h"
#include "game/rules/play_state.h"

// A menu dish's entry has that name.
bool IsDishOnMenu(const Kitchen& kitchen, std::string_view name);
Recipe* FindRecipe(const RecipeBook& book, std::string_view name);
// The pantry in use holds a food of that entry.
bool PantryHasFood(const Kitchen& kitchen, const FoodDef* def);
// The menu position of the dish of the food's entry, or -1.
int FindMenuSlotOfDef(const Kitchen& kitchen, const Food& food);
FoodDef* FindFoodDefByName(std::string_view name);
// The entry or one of its ancestors has that name.
bool FoodDefIsA(const FoodCategory* def, std::string_view name);
// The same dish: the same name at the same cost and price percent. A pantry food that is the
// same dish as a menu dish is a ready portion of it.
bool SameDish(const Food& a, const Food& b);
// Recipes past the plain ingredients whose dish the player knows.
int CountKnownRecipes(const RecipeBook& book);
// The position in the pantry in use of the first ready portion of the dish, or -1.
int FindReadyPortion(const Kitchen& kitchen, const Food& dish);
// Marks the pantry foods that are ready portions of a menu dish ("[M]" in the pantry list).
void MarkMenuFoods(Kitchen& kitchen);
