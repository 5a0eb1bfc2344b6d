// Rules of play run on a plain play state and kitchen; the catalogue fixture gives the entries.
#pragma once

#include <memory>

#include "game/rules/play_state.h"
#include "tests/food/food_fixture.h"

namespace rules_test {

class RulesTest : public food_test::CatalogueTest {
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
    MenuDish* OnMenu(FoodDef* def, int method = kMethodBake, int cost = 200) {
        auto dish = std::make_unique<MenuDish>();
        dish->name = def->name;
        dish->def = def;
        dish->cost = cost;
        dish->price_percent = 150;
        dish->method_code = method;
        kitchen.menu.push_back(std::move(dish));
        return kitchen.menu.back().get();
    }
    static FoodNode* Part(FoodNodeList& parts, FoodDef* def, float amount, int method = 0) {
        parts.push_back(std::make_unique<FoodNode>(def, amount, 10, 100, method, 1));
        return parts.back().get();
    }
    // A ready portion of a menu dish in the pantry.
    Food* StockPortion(const MenuDish& dish, float amount) {
        kitchen.pantry().push_back(std::make_unique<Food>(dish, amount));
        return kitchen.pantry().back().get();
    }
    void Wear(int slot, const char* name) {
        auto item = std::make_unique<CItem>();
        item->SetName(name);
        state.equipped[static_cast<std::size_t>(slot)] = std::move(item);
    }

    PlayState state;
    Kitchen kitchen;
};

}  // namespace rules_test
