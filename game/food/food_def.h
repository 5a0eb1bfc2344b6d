// Catalogue entries: every ingredient and dish of the game, read once from the recipe file and
// kept in one global catalogue in file order (ingredients first) for the whole program.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "game/food/food_category.h"

// Days before spoiling that mean a food never spoils; the recipe file's larger values read as it.
inline constexpr int kNeverSpoils = 999;

struct FoodDef : FoodCategory {
    FoodDef() : FoodCategory(std::string(), nullptr) {}

    std::string description;  // shown in the food information panel
    int base_taste = 0;
    int taste_percent = 100;
    int days_limit = 0;         // days to spoil (kNeverSpoils: never); 0 puts no cap on dishes
    float unit_weight = 0.0f;   // grams of one unit
    int price = 0;              // money per unit
    float familiarity = 0.0f;   // grows as dishes containing it are served
    std::uint8_t mastered = 0;  // set once familiarity reaches 100: the shops stock it
    std::uint8_t known = 0;     // the player has owned or cooked it
    std::uint8_t rumoured = 0;  // a visitor has spoken of it
};

using FoodCatalogue = std::vector<std::unique_ptr<FoodDef>>;

FoodCatalogue& GlobalFoodCatalogue();
// Appends an entry and returns it (the catalogue owns it).
FoodDef* AddFoodDef(std::unique_ptr<FoodDef> def);
// The first entry of exactly that name, or null.
FoodDef* FindFoodDef(std::string_view name);
// Deletes every entry (at shutdown, and before the data files are read again).
void ClearFoodCatalogue();
// A new game: familiarity, known and the rumour flag of every entry go back to 0; the mastered
// flag stays, so the base goods remain on sale.
void ResetFoodCatalogueProgress();
