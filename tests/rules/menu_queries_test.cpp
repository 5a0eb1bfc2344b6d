// Look-ups over the menu, the pantry in use, the recipe book and the catalogue.
#include <gtest/gtest.h>

#include "game/rules/menu_queries.h"
#include "tests/rules/rules_fixture.h"

namespace {

using rules_test::RulesTest;

TEST_F(RulesTest, MenuAndPantryLookUpsGoByEntry) {
    FoodDef* tomato = Entry("トマト", "夏野菜");
    FoodDef* salad = Entry("サラダ", "洋食");
    FoodDef* soup = Entry("スープ", "洋食");
    OnMenu(soup);
    MenuDish* dish = OnMenu(salad);
    dish->name = "トマトサラダ";  // a composed name: the entry decides
    Stock(tomato, 1.0f);
    EXPECT_TRUE(IsDishOnMenu(kitchen, "サラダ"));
    EXPECT_FALSE(IsDishOnMenu(kitchen, "トマトサラダ"));
    EXPECT_TRUE(PantryHasFood(kitchen, tomato));
    EXPECT_FALSE(PantryHasFood(kitchen, salad));
    kitchen.UseContestPantry();
    EXPECT_FALSE(PantryHasFood(kitchen, tomato));
    Food other;
    other.def = salad;
    EXPECT_EQ(FindMenuSlotOfDef(kitchen, other), 1);
    other.def = tomato;
    EXPECT_EQ(FindMenuSlotOfDef(kitchen, other), -1);
}

TEST_F(RulesTest, CatalogueLookUpsMatchWholeNamesAndAncestors) {
    FoodDef* cabbage = Entry("キャベツ", "冬野菜");
    FoodDef* emerald = Entry("エメラルドキャベツ", cabbage);
    EXPECT_EQ(FindFoodDefByName("キャベツ"), cabbage);
    EXPECT_EQ(FindFoodDefByName("キャベ"), nullptr);
    EXPECT_EQ(FindFoodDefByName(std::string_view("キャベツX", 8)), cabbage);  // the length counts
    EXPECT_TRUE(FoodDefIsA(emerald, "キャベツ"));
    EXPECT_TRUE(FoodDefIsA(emerald, "植物"));
    EXPECT_FALSE(FoodDefIsA(cabbage, "エメラルドキャベツ"));
}

TEST(MenuQueries, SameDishIsTheNameCostAndPricePercent) {
    Food a;
    a.name = "寿司";
    a.cost = 120;
    a.price_percent = 150;
    a.taste = 5;
    Food b(a, 3.0f);
    b.taste = 9;  // taste, days and amount do not count
    b.days = 1;
    EXPECT_TRUE(SameDish(a, b));
    b.cost = 121;
    EXPECT_FALSE(SameDish(a, b));
    b.cost = 120;
    b.price_percent = 100;
    EXPECT_FALSE(SameDish(a, b));
}

TEST_F(RulesTest, RecipeLookUpsAndTheCountPastThePlainIngredients) {
    RecipeBook book;
    EXPECT_EQ(CountKnownRecipes(book), 0);
    for (int i = 0; i < kPlainIngredientCount + 3; ++i) {
        auto recipe = std::make_unique<Recipe>();
        recipe->name = "R" + std::to_string(i);
        recipe->def = Entry(recipe->name, "全");
        recipe->def->known = 1;
        book.recipes.push_back(std::move(recipe));
    }
    book.recipes[kPlainIngredientCount + 1]->def->known = 0;
    book.recipes[kPlainIngredientCount + 2]->def = nullptr;
    EXPECT_EQ(CountKnownRecipes(book), 1);
    EXPECT_EQ(FindRecipe(book, "R5"), book.recipes[5].get());
    EXPECT_EQ(FindRecipe(book, "R"), nullptr);
}

}  // namespace
