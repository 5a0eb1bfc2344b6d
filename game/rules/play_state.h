// What a play-through is: the values a save game keeps and the running values the rules of
// play work on. Plain data, so the rules and their tests need no engine; the play world
// (play_world.h) holds one of each.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/data/item.h"
#include "game/food/food.h"

// Per-method arrays (utensil tier, skill level, skill experience) are kept in the order of
// their save keys: hand, mix, roast, boil, fry, ferment.
enum MethodSlot : int {
    kSlotProcess = 0,  // 加工
    kSlotMix = 1,      // 混ぜる
    kSlotBake = 2,     // 焼く
    kSlotBoil = 3,     // 煮る
    kSlotFry = 4,      // 揚げる
    kSlotFerment = 5,  // 発酵
};
inline constexpr int kMethodSlotCount = 6;

// The slot of a method bit, or -1 for a code that has none (捨てる, 0, combinations).
int MethodSlotOf(int method);

// The once-a-day guards, cleared by every new day.
enum VisitFlag : int {
    kVisitMerchant = 0,
    kVisitMrs = 1,
    kVisitTasteKing = 2,
    kVisitBromsLily = 3,
    kVisitNarf = 4,
    kVisitMysteryBag = 5,
};
inline constexpr int kVisitFlagCount = 6;

// The places of the destination list; which are open.
enum PlaceFlag : int {
    kPlaceShop = 0,         // go_shop
    kPlaceCompetition = 1,  // go_competition
    kPlaceArchitect = 2,    // go_architect
    kPlaceForest = 3,       // go_forest
    kPlaceNarf = 4,         // go_narf
    kPlaceCave = 5,         // go_cave
    kPlaceIce = 6,          // go_ice
};
inline constexpr int kPlaceFlagCount = 7;
inline constexpr int kShareFlagCount = 6;

struct GameClock {
    int year = 2006;
    int month = 1;
    int day = 1;
    int hour = 7;
    int minute = 0;
};

// The eight equipment slots hold worn items outside the bag.
enum EquipSlotIndex : int {
    kEquipClothing = 0,
    kEquipShoes = 1,
    kEquipAccessory1 = 2,
    kEquipAccessory2 = 3,
    kEquipMagic1 = 4,  // 4 to 7
};
inline constexpr int kEquipSlotCount = 8;
using Equipment = std::array<std::unique_ptr<CItem>, kEquipSlotCount>;

struct PlayState {
    // --- kept by a save game: the worn items in the slot's file of items, the rest as the named
    // values of game/saves/state_keys.cpp, in that file's order. Of these, shown_money is not
    // saved (a load sets it to money), nor are new_day and the mystery bag's visit flag, which a
    // load leaves as they were ---
    int money = 0;
    int shown_money = 0;  // the figure drawn; eases toward money
    int utensil_max = 0;
    int menu_max = 1;
    GameClock clock;
    float stamina = 100.0f;
    int max_stamina = 100;
    int income = 0;    // this month's
    int expenses = 0;  // this month's
    int contests_won = 0;
    int liberty_boxes = 5;
    std::array<int, kMethodSlotCount> utensil_level{};
    std::array<int, kMethodSlotCount> skill_level{};
    std::array<float, kMethodSlotCount> skill_exp{};
    float reputation = 10.0f;  // 0..100
    int align_type = 0;        // sort mode of the pantry list
    int story_stage = 0;
    std::uint8_t first = 1;  // the opening has not run yet
    std::uint8_t chain_resolved = 0;
    std::array<std::uint8_t, kVisitFlagCount> visit_flags{};
    std::uint8_t new_day = 1;
    std::uint8_t ferment_flag = 0;
    std::array<std::uint8_t, kPlaceFlagCount> place_flags{};
    std::array<std::uint8_t, kShareFlagCount> share_flags{};
    int state_dream = 0;
    int state_memory_food = 0;
    int state_king_event = 0;
    int state_day_cnt = 0;
    int text_speed = 4;
    Equipment equipped;

    // --- running values, not saved ---
    int last_levelup_method = 0;  // announced at the next story check; a save keeps it
    int cooking_minutes = 0;      // game minutes the kitchen is still busy
    float recovery_factor = 1.0f;
    float fatigue_factor = 1.0f;
    float cooking_time_factor = 1.0f;
    float customer_factor = 1.0f;
    std::array<std::uint8_t, 2> owned_item_flags{};
    int specialty_bonus = 0;  // 20 while the shop is a specialty shop
    std::string status_text;  // "【" size word, shop kind "】"
    int minutes_since_story_check = 0;
    std::uint8_t month_ended = 0;  // the report is due at the next story check; a save keeps it
    std::uint8_t menu_offer_suppressed = 0;  // set by scripted cooking in the story
    std::vector<std::string> mastered;  // familiarity reached 100, not yet told; a save keeps it
};

// The kitchen: two pantries (the player's, and the contest's while a contest runs), the pot
// and the menu. Every pantry operation works on the pantry in use.
using Pantry = std::vector<std::unique_ptr<Food>>;
using Menu = std::vector<std::unique_ptr<MenuDish>>;

struct Kitchen {
    Kitchen() = default;
    Kitchen(const Kitchen&) = delete;
    Kitchen& operator=(const Kitchen&) = delete;

    Pantry& pantry() { return *in_use; }
    const Pantry& pantry() const { return *in_use; }
    void UsePlayerPantry() { in_use = &player_pantry; }
    void UseContestPantry() { in_use = &contest_pantry; }

    Pantry player_pantry;
    Pantry contest_pantry;
    Pantry* in_use = &player_pantry;
    Pantry selection;  // the pot
    Menu menu;
};
