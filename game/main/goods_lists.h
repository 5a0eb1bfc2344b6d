// The shops' goods, the first morning's pantry and kit, and the two recipes the memory dish's
// story waits for. The start-up name check (required_names.h) reads them from here.
#pragma once

#include <initializer_list>

struct PlayWorld;

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

// The item shops' goods, by list (8, 9, 11 and 12; list 10 stays empty).
struct ItemGoodsList {
    int list;
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
// goods (lists 1 to 4) are marked mastered, so that they are on sale from the start.
void FillFoodGoods(PlayWorld& world);
void FillItemGoods(PlayWorld& world);
