// The food tree: 22 fixed category nodes under "全", with the catalogue entries (FoodDef) hanging
// below them. An entry is itself a node, so a parent chain can run through entries and
// categories alike, and recipe rows and bonus targets may name either.
#pragma once

#include <array>
#include <string>
#include <string_view>

struct FoodCategory {
    FoodCategory(std::string name_, const FoodCategory* parent_)
        : name(std::move(name_)), parent(parent_) {}

    std::string name;
    const FoodCategory* parent = nullptr;  // null for the root
};

// Positions in the category table; the recipe reader resolves parent names through it.
enum FoodCategoryIndex : int {
    kCategoryAll = 0,
    kCategoryPlant,
    kCategoryAnimal,
    kCategorySeasoning,
    kCategoryLiquid,
    kCategoryFruit,
    kCategoryVegetable,
    kCategorySummerVegetable,
    kCategoryWinterVegetable,
    kCategoryMushroom,
    kCategoryBean,
    kCategoryEgg,
    kCategoryMeat,
    kCategoryFish,
    kCategoryMainDish,
    kCategoryJapanese,
    kCategoryWestern,
    kCategoryChinese,
    kCategoryKorean,
    kCategoryDessert,
    kCategoryDrink,
    kCategoryOther,  // the fallback parent
    kFoodCategoryCount
};

using FoodCategoryTable = std::array<const FoodCategory*, kFoodCategoryCount>;

// The 22 nodes, built on first use and alive for the whole program.
const FoodCategoryTable& FoodCategories();
const FoodCategory* FoodCategoryAt(FoodCategoryIndex index);
// The category node of exactly that name, or null.
const FoodCategory* FindFoodCategory(std::string_view name);

// True when the node or one of its parents (entries or categories) has exactly that name.
bool IsInCategory(const FoodCategory* node, std::string_view name);
