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
    // Each list holds a name once, in the order of its first need; a later need of a name that
    // is held already adds nothing.
    void AddFood(const char* name, FoodRole role);
    void AddItem(const char* name);
    void AddCategory(const char* name);
    template <typename Names>
    void AddFoods(const Names& names, FoodRole role) {
        for (const char* name : names) AddFood(name, role);
    }

    std::vector<RequiredFood> foods;
    std::vector<const char*> items;
    // Each must hold a dish that a recipe cooks: the contests' rules and the judges' tastes.
    std::vector<const char*> categories;
    std::vector<RequiredPortrait> portraits;
    std::vector<int> music;  // music ids
    std::vector<SoundEffect> effects;
};

// What the story's scenes look up by name. Each group of scenes adds what its own tables hold,
// beside them; events/story_names.cpp gathers the groups, as events/story_table.cpp gathers
// their scenes, so the main game names no scene's file.
void AddStoryNames(RequiredNames& names);

// The main game's own names, then the story's.
const RequiredNames& RequiredNameTable();

// Every entry, item and category of the table that the loaded data lacks, in the table's order.
std::vector<std::string> MissingRequiredNames(const RecipeBook& book);
// "A、B がありません" for the message box.
std::string MissingNamesMessage(const std::vector<std::string>& names);
