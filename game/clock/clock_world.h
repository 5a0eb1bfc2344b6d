// What the game clock moves when it runs: the calendar and its counters in the play state, and
// at each new day the pantry in use, which ages, and the menu.
#pragma once

#include "engine/data/item_bag.h"
#include "game/data/recipe_book.h"
#include "game/rules/play_state.h"
#include "game/rules/play_world.h"

// The catalogue entry spoiled food turns into; the game cannot start without it.
inline constexpr const char* kRotEntryName = "腐敗物";
// The item that keeps every stored food fresh.
inline constexpr const char* kWitchFridgeName = "魔女の冷蔵庫";

struct ClockWorld {
    PlayState& state;
    Kitchen& kitchen;
    const RecipeBook& book;  // its fermentation recipes turn spoiling food into dishes
    FoodDef* rot_entry = nullptr;
    bool witch_fridge = false;  // the bag holds kWitchFridgeName
};

// What the clock moves of the play world; the witch's fridge is looked for in the bag given.
ClockWorld ClockOf(PlayWorld& world, const CItemBag& bag);

// What happened while the clock ran, for the caller to show.
struct ClockEvents {
    bool rooster = false;  // the hour passed 5 o'clock: the caller plays the rooster
    int new_days = 0;      // days begun

    ClockEvents& operator+=(const ClockEvents& other) {
        rooster = rooster || other.rooster;
        new_days += other.new_days;
        return *this;
    }
};
