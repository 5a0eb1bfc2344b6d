#include "game/food/food_category.h"

#include <vector>

namespace {

struct CategoryRow {
    const char* name;
    int parent;  // index in this table, -1 for the root
};

constexpr CategoryRow kCategoryRows[kFoodCategoryCount] = {
    {"全", -1},   {"植物", 0},     {"動物", 0},     {"調味料", 0}, {"液体", 0},  {"果物", 1},
    {"野菜", 1},  {"夏野菜", 6},   {"冬野菜", 6},   {"キノコ", 6}, {"豆", 6},    {"卵", 2},
    {"肉", 2},    {"魚", 12},      {"主菜", 0},     {"和食", 14},  {"洋食", 14}, {"中華", 14},
    {"韓食", 14}, {"デザート", 0}, {"ドリンク", 0}, {"その他", 0},
};

struct CategoryTree {
    CategoryTree() {
        // Reserved up front: the nodes point at each other, so the storage must never move.
        nodes.reserve(kFoodCategoryCount);
        for (int i = 0; i < kFoodCategoryCount; ++i) {
            const CategoryRow& row = kCategoryRows[i];
            nodes.emplace_back(row.name, row.parent < 0 ? nullptr : &nodes[row.parent]);
            table[i] = &nodes.back();
        }
    }
    std::vector<FoodCategory> nodes;
    FoodCategoryTable table{};
};

const CategoryTree& Tree() {
    static const CategoryTree tree;
    return tree;
}

}  // namespace

const FoodCategoryTable& FoodCategories() { return Tree().table; }

const FoodCategory* FoodCategoryAt(FoodCategoryIndex index) {
    if (index < 0 || index >= kFoodCategoryCount) return nullptr;
    return Tree().table[index];
}

const FoodCategory* FindFoodCategory(std::string_view name) {
    for (const FoodCategory* node : Tree().table) {
        if (node->name == name) return node;
    }
    return nullptr;
}

bool IsInCategory(const FoodCategory* node, std::string_view name) {
    for (; node != nullptr; node = node->parent) {
        if (node->name == name) return true;
    }
    return false;
}
