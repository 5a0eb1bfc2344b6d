// The real main game component on its first screen (the main commands), with helpers that set
// up menu dishes, money, the clock and worn items for the shop, selling and menu screens.
#pragma once

#include <memory>
#include <string>

#include "engine/common/system.h"
#include "engine/framework/game_mediator.h"
#include "game/economy/item_table.h"
#include "game/food/food_def.h"
#include "game/rules/pantry.h"
#include "tests/main/main_fixture.h"

namespace shops_test {

using main_test::kCancel;
using main_test::kDecide;
using main_test::kDown;
using main_test::kUp;

class ShopsTest : public main_test::MainGameTest {
protected:
    void SetUp() override {
        MainGameTest::SetUp();
        Srand(7);
    }

    // A menu dish of one catalogue entry, tasty enough that a customer who comes in buys it.
    MenuDish& AddMenuDish(const char* entry) {
        auto food = Food::FromDef(FindFoodDef(entry));
        food->taste = 100000;
        auto dish = std::make_unique<MenuDish>(*food, 1.0f);
        dish->method_code = kMethodBake;
        game.world().kitchen.menu.push_back(std::move(dish));
        return *game.world().kitchen.menu.back();
    }
    void SetMoney(int money) {
        world.mediator().values().SetValue("money", money, true);
        game.state().money = game.state().shown_money = money;
    }
    void Wear(int slot, const char* name) { game.state().equipped[slot] = CreateItemByName(name); }
    // Customers crowd in: the best reputation and a high rank.
    void Crowd() {
        game.state().reputation = 100.0f;
        game.state().contests_won = 100;
    }
    float Held(const char* name) {
        const Food* food = FindPantryFood(game.world().kitchen, name);
        return food ? food->amount : 0.0f;
    }
    int BagCount(const char* name) {
        CItemBag& bag = world.mediator().items();
        const int index = bag.FindItemIndex(name);
        return index < 0 ? 0 : bag.GetEntryAt(index)->count;
    }
    // Moves the list cursor onto a row and decides it.
    void DecideRow(int row) {
        for (int i = 0; i < row; ++i) world.Tap(kDown);
        world.Tap(kDecide);
    }
};

}  // namespace shops_test
