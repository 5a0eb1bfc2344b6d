// The names of the 77 ingredients the four food shops deal in, in catalogue order: each shop
// sells a fixed slice of it (the definitions whose mastered flag is set). The recipe file's
// first 77 entries carry exactly these names in this order.
#pragma once

#include <array>
#include <span>

inline constexpr int kIngredientNameCount = 77;

extern const std::array<const char*, kIngredientNameCount> kIngredientNames;

enum class FoodShop : int { kGreengrocer = 0, kFruiterer, kButcher, kGrocer };

struct IngredientSlice {
    int first;
    int count;
};

// 八百屋, 果物屋, 肉屋 and 雑貨屋, in this order.
inline constexpr std::array<IngredientSlice, 4> kShopSlices = {{
    {0, 26},   // ゼルバワラビ .. キャビア
    {26, 8},   // いちご .. 命の実
    {34, 22},  // 卵 .. メモリーパロット
    {56, 21},  // 砂糖 .. 究極の素
}};

std::span<const char* const> ShopIngredientNames(FoodShop shop);
