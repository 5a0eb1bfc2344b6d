// The shops' goods, the first morning's pantry and kit, and the two recipes the memory dish's
// story waits for. The start-up name check (required_names.h) reads them from here.
#pragma once

#include <initializer_list>

#include "game/rules/play_world.h"

// Goods of the food shops (kGoodsGreengrocer to kGoodsGrocer, what they sell from the start) and
// of the merchant's rarer food lists.
struct FoodGoodsList {
    GoodsList list;
    std::initializer_list<const char*> names;
};
extern const FoodGoodsList kFoodGoodsLists[7];

extern const char* const kStartingFoods[5];
inline constexpr float kStartingAmount = 5.0f;

// The two recipes whose discovery moves the memory dish's story on.
inline constexpr const char* kMemoryFoodFirst = "キャトレモネ";
inline constexpr const char* kMemoryFoodSecond = "メモルボイルド";

// The item shops' and the merchant's item goods, by list (list 10 stays empty).
struct ItemGoodsList {
    GoodsList list;
    std::initializer_list<const char*> names;
};
extern const ItemGoodsList kItemGoodsLists[4];

// What a new game wears (by slot) and owns.
struct WornItem {
    int slot;
    const char* name;
};
extern const WornItem kStartKitWorn[5];
extern const char* const kStartKitOwned[2];

// The world's goods lists filled from the tables above, once the catalogue is loaded; the base
// goods (the four food shops' lists) are marked mastered, so that they are on sale from the start.
void FillFoodGoods(PlayWorld& world);
void FillItemGoods(PlayWorld& world);
