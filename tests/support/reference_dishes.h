// The dish the path through the game submits at each of the twelve contests, and what the path
// has by then. The balance test scores these dishes on the built data; the play-through buys
// their foods, cooks their steps on the real screens and submits the last step's dish.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "game/rules/play_state.h"

namespace play_test {

// Where the path gets a raw food.
enum class FoodSource : int {
    kBaseShop,       // the goods the four food shops sell from a new game on
    kMastered,       // a food shop's good once the food has sold 100 units
    kContestPantry,  // the pantry contests 1 to 3 provide (28 foods, 5.0 units each)
    kOuting,         // found on an outing (マナの森)
    kNeighbour,      // the neighbour's gift of vegetables
    kRareMerchant,   // merchant list 5
    kBeanMerchant,   // merchant list 6
    kLuckyMerchant,  // merchant list 7, who comes only after eight wins
    kPrize,          // an earlier contest's prize
    kReward,         // a recipe-count reward
    kShare,          // a share's morning delivery
    kStory,          // given by a story event (Narf's バーメメント)
    kCooked,         // an earlier step's dish
};

// One food put into the pot: `units` decides on its pantry row, one unit each.
struct PotFood {
    const char8_t* name;  // UTF-8: a catalogue entry, or an earlier step's dish as it is named
    int units;
    FoodSource source;
};

// The method of a step that cooks nothing: its one food, an earlier step's dish, is kept in the
// pantry until its days run out, and spoiling ferments it into the step's dish.
inline constexpr int kLeftToSpoil = 0;

// One cooking action: the pot, the method chosen in the method window, and the dish it makes.
struct CookingStep {
    std::vector<PotFood> pot;
    const char8_t* method_label;  // as the method window shows it (u8"焼く"); u8"" when none
    int method;                   // its bit (kMethodBake ...)
    const char8_t* dish;          // the dish's name as the pantry lists it (UTF-8)
};

// Per method slot, in the order of PlayState's arrays: 加工, 混ぜる, 焼く, 煮る, 揚げる, 発酵.
using MethodLevels = std::array<int, kMethodSlotCount>;

struct ReferenceDish {
    int contest;                     // 1 to 12
    std::vector<CookingStep> steps;  // in order; the last step's dish is submitted
    // The utensil tier of each method the path owns by then (0: none), from the items below.
    MethodLevels utensils;
    // The skill levels the path has reached by then at the latest. A level is won by cooking:
    // each portion cooked by a method (at the cooking screen or served from its ingredients)
    // is one point, and level L goes to L + 1 at 10 L² + 10 points, so from a new game's
    // level 1 a method reaches level 2 after 20 portions, 3 after 70, 4 after 170, 5 after 340.
    MethodLevels skills;
    std::vector<const char8_t*> utensil_items;  // the utensils owned by then (UTF-8)
    const char8_t* prize;                       // the prize label the path takes on winning
};

// A dish the story waits for, as the path makes it, with the utensils it takes.
struct StoryDish {
    const char8_t* name;  // UTF-8
    std::vector<CookingStep> steps;
    std::vector<const char8_t*> utensil_items;
};

// Contests 1 to 12, in order.
std::span<const ReferenceDish> ReferenceDishes();
// The row of contest 1 to 12.
const ReferenceDish& ReferenceDishFor(int contest);
// ラザニア for Narf (its チーズ fermented from ミルク), マインドミント of one ココロの実, and
// メモリアル of Narf's single バーメメント, in the order the story asks for them.
std::span<const StoryDish> StoryDishes();

}  // namespace play_test
