// The pantry in use and the pot: storing, merging and taking foods.
#pragma once

#include <memory>
#include <string_view>

#include "game/rules/play_state.h"

// Marks the food's entry known, then merges it into a pantry food of the same kind (by
// `amount`, or by its own amount when `amount` is 0) or appends it (its amount set to `amount`
// unless that is 0). Returns the pantry food that holds it now.
Food* StoreFood(Kitchen& kitchen, std::unique_ptr<Food> food, float amount);
// One bought unit of the entry, stored with `amount`.
Food* AddFood(Kitchen& kitchen, FoodDef* def, float amount);
// Takes `amount` from the food at `index`: what remains in it, or 0 when the food was used up
// (and removed). An index outside the pantry takes nothing and returns 0.
float TakeFromPantry(Kitchen& kitchen, int index, float amount);
Food* FindPantryFood(const Kitchen& kitchen, std::string_view name);
void ClearPantry(Kitchen& kitchen);

// The pot: the same merge as StoreFood, without the known flag.
Food* AddToSelection(Kitchen& kitchen, std::unique_ptr<Food> food, float amount);
// One unit back out of the pot; the row goes when one unit or less was left.
void TakeOneFromSelection(Kitchen& kitchen, int index);
void DiscardSelection(Kitchen& kitchen);
