// One cooking action on the pot: the best recipe for the method, the dish it makes, and what
// the recipe book learns from it.
#pragma once

#include <memory>

#include "game/data/recipe_book.h"
#include "game/rules/play_state.h"

// The two steps of the memory dish the story waits for, looked up once at start-up.
struct MemoryDishSteps {
    const FoodDef* first = nullptr;
    const FoodDef* second = nullptr;
};

// The dish `method` makes of the pot, owned by the caller, who then discards the pot. With a
// recipe, its entry becomes known and the dish (one unit of it) its last result, and the memory
// dish's story moves on. A pot that makes no dish (it weighs nothing) gives a copy of its first
// food and teaches the book nothing; an empty pot gives null.
std::unique_ptr<Food> PrepareDish(const RecipeBook& book, PlayState& state,
                                  const MemoryDishSteps& memory, int method, FoodPot& pot);
