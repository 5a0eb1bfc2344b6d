// The economy works on a plain play state, kitchen and item bag; the catalogue fixture gives
// the entries.
#pragma once

#include <memory>

#include "engine/data/item_bag.h"
#include "game/economy/item_table.h"
#include "game/rules/play_state.h"
#include "tests/food/food_fixture.h"

namespace economy_test {

class EconomyTest : public food_test::CatalogueTest {
protected:
    // A pantry food of the entry, as bought.
    Food* Stock(FoodDef* def, float amount, int days = 5) {
        auto food = Food::FromDef(def);
        food->amount = amount;
        food->days = days;
        kitchen.pantry().push_back(std::move(food));
        return kitchen.pantry().back().get();
    }
    // A menu dish of the entry with no parts yet; Part() adds them.
    MenuDish* OnMenu(FoodDef* def, int restock = 0) {
        auto dish = std::make_unique<MenuDish>();
        dish->name = def->name;
        dish->def = def;
        dish->restock = restock;
        kitchen.menu.push_back(std::move(dish));
        return kitchen.menu.back().get();
    }
    static FoodNode* Part(FoodNodeList& parts, FoodDef* def, float amount) {
        parts.push_back(std::make_unique<FoodNode>(def, amount, 10, 100, 0, 1));
        return parts.back().get();
    }
    void Wear(int slot, const char* name) {
        state.equipped[static_cast<std::size_t>(slot)] = CreateItemByName(name);
    }
    int BagCount(const char* name) {
        const int index = bag.FindItemIndex(name);
        return index < 0 ? 0 : bag.GetEntryAt(index)->count;
    }

    PlayState state;
    Kitchen kitchen;
    CItemBag bag;
};

}  // namespace economy_test
