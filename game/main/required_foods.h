// The catalogue entries the game names in its own code: the shops' goods, the first morning's
// pantry and the dishes the story waits for. They are checked once, when the main game starts,
// so that data without one of them is refused there instead of failing in the middle of play.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

// Goods of the food shops (lists 1 to 4) and of the rarer food lists (5 to 7).
struct FoodGoodsList {
    int list;
    std::initializer_list<const char*> names;
};
extern const FoodGoodsList kFoodGoodsLists[7];
// Lists 1 to 4 are what the four food shops sell from the start.
inline constexpr int kBaseGoodsLists = 4;

extern const char* const kStartingFoods[5];
inline constexpr float kStartingAmount = 5.0f;

// The two recipes whose discovery moves the memory dish's story on.
inline constexpr const char* kMemoryFoodFirst = "キャトレモネ";
inline constexpr const char* kMemoryFoodSecond = "メモルボイルド";

// Every required name the catalogue lacks, in the order above, each once.
std::vector<std::string> MissingRequiredFoods();
// "A、B がありません" for the message box.
std::string MissingNamesMessage(const std::vector<std::string>& names);
