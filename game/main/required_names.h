// Every name the game's code and its story look up, by kind: catalogue entries, items, dish
// categories, portraits, music pieces and sound effects. What the recipe data must provide (the
// entries, and a dish in each category) is checked once, when the main game starts, so that data
// without one of them is refused there instead of failing in the middle of play. The items,
// pictures, music and sounds are the build's own; its tests resolve every one of them.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "game/main/media_tables.h"

struct RecipeBook;

// What the game expects a catalogue entry to be.
enum class FoodRole {
    kIngredient,  // a plain entry: bought, found, given or delivered as it is
    kDish,        // an entry a recipe cooks
    kEither,      // a share's product, which may be either
};

struct RequiredFood {
    const char* name;
    FoodRole role;
};

struct RequiredPortrait {
    int character;
    std::initializer_list<int> expressions;  // every one the scenes show
};

struct RequiredNames {
    std::vector<RequiredFood> foods;  // each name once, in the order of its first need
    std::vector<const char*> items;
    // Each must hold a dish that a recipe cooks: the contests' rules and the judges' tastes.
    std::vector<const char*> categories;
    std::vector<RequiredPortrait> portraits;
    std::vector<int> music;  // music ids
    std::vector<SoundEffect> effects;
};

const RequiredNames& RequiredNameTable();

// Every entry, item and category of the table that the loaded data lacks, in the table's order.
std::vector<std::string> MissingRequiredNames(const RecipeBook& book);
// "A、B がありません" for the message box.
std::string MissingNamesMessage(const std::vector<std::string>& names);
