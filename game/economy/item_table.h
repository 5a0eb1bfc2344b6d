// The fixed table of every item the player can own: utensils, shares, books, furniture, magic,
// clothing, shoes and accessories. An item's id is its row; the item bag tells items apart by
// name, so a record is made from the row of its name.
#pragma once

#include <array>
#include <memory>
#include <string_view>

#include "engine/data/item.h"

enum ItemKind : int {
    kItemProperty = 0,  // shares, books, furniture and other lasting items
    kItemMagic = 1,
    kItemClothing = 2,
    kItemShoes = 3,
    kItemAccessory = 4,
    kItemUtensil = 5,
};

struct ItemRow {
    const char* name;
    int price;
    const char* description;
    int kind;
    int value;  // the tier of a utensil, the defence of clothing, the movement of shoes; else 0
};

inline constexpr int kItemCount = 71;

const std::array<ItemRow, kItemCount>& ItemTable();
// The first row of exactly that name, or null.
const ItemRow* FindItemRow(std::string_view name);
// A new record of the first row of exactly that name (id = row, with its kind, price and name),
// or null for a name the table lacks.
std::unique_ptr<CItem> CreateItemByName(std::string_view name);
