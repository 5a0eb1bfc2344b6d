// ゼルバ's rewards for the recipes the heroine invents: one each time the count of invented
// recipes reaches the next of 28 thresholds spread over the book, the last when every recipe
// is known.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

enum RewardKind : std::uint8_t { kRewardItem = 0, kRewardFood = 1 };

struct RecipeReward {
    RewardKind kind;
    const char* name;
    int count;
    const char* note;  // ゼルバ's word on it; empty for most
};

inline constexpr int kRecipeRewardCount = 28;
const std::array<RecipeReward, kRecipeRewardCount>& RecipeRewardTable();

struct RequiredNames;
// The foods and items the rewards give.
void AddMonthNames(RequiredNames& names);

// The invented recipes the reward of `level` waits for, in a book of `book_size` entries (the
// first ones are plain ingredients, not recipes to invent).
unsigned RecipeRewardThreshold(std::size_t book_size, int level);
// Whether tonight brings the reward of `level`, with `known` recipes invented. Never past the
// last reward, and never from a book that holds no recipe to invent.
bool RecipeRewardDue(std::size_t book_size, int known, int level);
