// Cooking tests build a small catalogue and recipe book by hand, so every number the resolver
// gives can be worked out on paper.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include "game/data/recipe_book.h"
#include "tests/food/food_fixture.h"

namespace cooking_test {

class CookingTest : public food_test::CatalogueTest {
protected:
    Recipe& AddRecipe(FoodDef* def, int mask, int total = 100, int naming = kNamingPlain) {
        auto recipe = std::make_unique<Recipe>();
        recipe->name = def->name;
        recipe->def = def;
        recipe->method_mask = mask;
        recipe->total = total;
        recipe->naming = naming;
        book.recipes.push_back(std::move(recipe));
        return *book.recipes.back();
    }
    static RecipeIngredient& AddRow(Recipe& recipe, const std::string& name, int requirement,
                                    float amount = 10.0f, int reference = 100,
                                    int consumption = kConsumptionAbsorbed) {
        auto row = std::make_unique<RecipeIngredient>();
        row->name = name;
        row->requirement = requirement;
        row->amount = amount;
        row->reference = reference;
        row->consumption = consumption;
        recipe.rows.push_back(std::move(row));
        return *recipe.rows.back();
    }
    ComboBonus& AddBonus(const std::string& prefix, const std::string& connector,
                         const std::string& target, int bonus_percent) {
        auto bonus = std::make_unique<ComboBonus>();
        bonus->prefix = prefix;
        bonus->connector = connector;
        bonus->target = target;
        bonus->bonus_percent = bonus_percent;
        book.bonuses.push_back(std::move(bonus));
        return *book.bonuses.back();
    }
    static std::unique_ptr<Food> Bought(FoodDef* def, float amount = 1.0f) {
        auto food = Food::FromDef(def);
        food->amount = amount;
        return food;
    }
    static FoodPot Pot(std::initializer_list<FoodDef*> defs) {
        FoodPot pot;
        for (FoodDef* def : defs) pot.push_back(Bought(def));
        return pot;
    }

    RecipeBook book;
};

}  // namespace cooking_test
