// The twelve contests of the contest hall, in the order they are offered: what each costs, what
// the player cooks with, the rule the dish must keep, who judges, whom the player faces and what
// a win brings. The contest script reads the row of the contest it runs.
#pragma once

#include <array>

#include "game/main/media_tables.h"

struct RequiredNames;

inline constexpr int kContestCount = 12;
inline constexpr int kJudgeCount = 3;

// How the announcer brings in the three judges: each with a line of his own, the first alone
// and then the other two together, or all three together.
enum class JudgeIntroduction { kEach, kFirstThenPair, kAllThree };

// What one answer of the prize choice gives.
enum class PrizeKind {
    kMoney,  // the row's money prize
    kItem,   // one of the item of that name, into the bag
    kFood,   // a year's worth of the food of that name, into the pantry in use
};

struct ContestPrize {
    const char* label;  // the answer of the choice, and what the win message names
    PrizeKind kind;
    const char* name;  // the item or food; null for money
};

// A year's worth of a food, as a prize.
inline constexpr float kYearOfFood = 365.0f;

struct ContestRow {
    int entry_fee;
    bool provided;         // the hall stocks the contest pantry and the player cooks there
    const char* category;  // the dish must be of it; null for any dish
    std::array<int, kJudgeCount> judges;
    int rival;
    int rival_score;
    int money_prize;
    // Three answers; the last contest offers two, and its third is null.
    std::array<ContestPrize, 3> prizes;
    const char* lead;  // the offer's opening, up to the fee
    // The rules the announcer gives before the cooking; the second is null when one line does.
    std::array<const char*, 2> rules;
    JudgeIntroduction introduction;
    // The last contests name the heroine herself where the others name her shop.
    bool names_heroine;
};

// The row of contest `index` (contests won when it starts), or null outside the twelve.
const ContestRow* FindContestRow(int index);
int PrizeCount(const ContestRow& row);
// The prize of one answer; an answer outside the choice is read as the nearest one.
const ContestPrize& ContestPrizeOf(const ContestRow& row, int choice);

// The 28 ingredients of a provided contest, five units of each.
inline constexpr int kContestIngredientCount = 28;
extern const char* const kContestIngredients[kContestIngredientCount];
inline constexpr float kContestIngredientAmount = 5.0f;

// The hall's ingredients, the prizes and the categories the rules and the judges' tastes name.
void AddContestNames(RequiredNames& names);
