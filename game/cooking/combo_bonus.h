// Combination bonuses: seasonings and extras mixed into a dish in the right shares make it
// tastier and put a word before its name.
#pragma once

#include <string>
#include <vector>

#include "game/data/recipe_book.h"

struct BonusOutcome {
    float multiplier = 100.0f;  // percent applied to the dish's taste mass
    std::string prefix;         // the applied rules' words with their connectors
};

// Applies, in file order, every rule whose target the dish is in and whose ingredients are all
// among the mixed-in nodes (by exact entry name). An applied rule's nodes leave `mixed_in` (the
// bonus word names them instead) and adjust `taste_mass` by their taste percent. The rule's
// shares are percent of the weight of `portions` units of the dish. A rule without ingredients
// is never applied.
BonusOutcome ApplyComboBonuses(const std::vector<std::unique_ptr<ComboBonus>>& rules,
                               const FoodDef* dish, float portions,
                               std::vector<const FoodNode*>& mixed_in, int& taste_mass);
