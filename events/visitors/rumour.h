// A rumour of a dish or ingredient the player has not met yet, as the Taste King and Narf tell
// it: the same search of the recipe book in the words of each.
#pragma once

#include <string>

#include "game/data/recipe_book.h"

struct RumourWords {
    const char* opening;      // up to the name
    const char* dish_ending;  // after the name of a cooked dish
    const char* food_ending;  // after the name of a plain ingredient
};

// The name everyone has heard of once the book holds nothing new.
inline constexpr const char* kRumourOfLastResort = "セイントマッシュ";

// Looks through the book from a random entry on, wrapping round, for the first recipe whose
// dish the player does not know, marks that dish as rumoured and names it. With nothing left
// to tell (every dish known, or an empty book) it names the last resort as an ingredient and
// marks nothing.
std::string SpreadRumour(RecipeBook& book, const RumourWords& words);
