// Tests of the food model and the data files share the global catalogue: each test starts and
// ends with it empty, and builds its entries through these helpers.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game/food/food.h"
#include "game/food/food_def.h"
#include "tests/support/engine_world.h"

namespace food_test {

class CatalogueTest : public ::testing::Test {
protected:
    CatalogueTest() { ClearFoodCatalogue(); }
    ~CatalogueTest() override { ClearFoodCatalogue(); }

    // A catalogue entry under a category (by name) or under another entry.
    static FoodDef* Entry(const std::string& name, const FoodCategory* parent, int taste = 10,
                          int price = 100, float unit_weight = 100.0f, int days = 5) {
        auto def = std::make_unique<FoodDef>();
        def->name = name;
        def->parent = parent;
        def->base_taste = taste;
        def->price = price;
        def->unit_weight = unit_weight;
        def->days_limit = days;
        return AddFoodDef(std::move(def));
    }
    static FoodDef* Entry(const std::string& name, const char* category, int taste = 10,
                          int price = 100, float unit_weight = 100.0f, int days = 5) {
        return Entry(name, FindFoodCategory(category), taste, price, unit_weight, days);
    }
};

}  // namespace food_test
