// The records of foods, composition nodes and menu dishes in the game's record files. Entries
// are stored by name and looked up in the catalogue on reading.
//
// Food:     string name, string entry name, u32 amount (float bits), u32 cost, u32 taste,
//           u32 days, u32 price percent, u8 on-menu mark, u32 method code, five u32 method
//           weights, u32 child count, the children.
// FoodNode: string entry name, u32 amount (float bits), u32 taste, u32 quality, u32 method,
//           u8 flag, u32 child count, the children.
// MenuDish: the Food record, u8 servable, u32 restock count.
#pragma once

#include <memory>

#include "game/food/food.h"

class CQZFile;

// How a record read ended.
enum class FoodRecordResult {
    kOk,
    // The record was read to its end, but it names an entry the catalogue does not hold; the
    // caller should drop it (the next record can still be read).
    kUnknownEntry,
    // The file ended or held an impossible count; nothing after this point can be trusted.
    kBroken,
};

bool WriteFoodNodeRecord(CQZFile& file, const FoodNode& node);
bool WriteFoodRecord(CQZFile& file, const Food& food);
bool WriteMenuDishRecord(CQZFile& file, const MenuDish& dish);

// `out` receives the record only when the result is kOk.
FoodRecordResult ReadFoodNodeRecord(CQZFile& file, std::unique_ptr<FoodNode>& out);
FoodRecordResult ReadFoodRecord(CQZFile& file, Food& out);
FoodRecordResult ReadMenuDishRecord(CQZFile& file, MenuDish& out);
