#include <gtest/gtest.h>

#include "game/cooking/recipe_match.h"
#include "tests/cooking/cooking_fixture.h"

namespace {

class RecipeMatchTest : public cooking_test::CookingTest {
protected:
    FoodDef* cabbage = Entry("キャベツ", "野菜");
    FoodDef* tomato = Entry("トマト", "夏野菜");
    FoodDef* egg = Entry("卵", "卵");
    FoodDef* salt = Entry("塩", "調味料");
    FoodDef* soup = Entry("スープ", "洋食");
};

TEST_F(RecipeMatchTest, ScoresRowsFilledMissingAndTheDishItself) {
    Recipe& recipe = AddRecipe(soup, kMethodBoil);
    AddRow(recipe, "キャベツ", kRequirementMust);
    AddRow(recipe, "卵", kRequirementNeeded);
    AddRow(recipe, "塩", kRequirementNeeded);
    AddRow(recipe, "夏野菜", kRequirementOptional);

    Recipe& loose = AddRecipe(soup, kMethodBoil);
    AddRow(loose, "卵", kRequirementNeeded);

    struct Case {
        const char* what;
        const Recipe* recipe;
        int method;
        std::initializer_list<FoodDef*> pot;
        int score;
    } cases[] = {
        {"every row", &recipe, kMethodBoil, {cabbage, egg, salt, tomato}, 4 * 512},
        {"another method", &recipe, kMethodBake, {cabbage, egg, salt, tomato}, -1},
        {"no 必須 row", &recipe, kMethodBoil, {egg, salt, tomato}, -1},
        {"two 必要 missing divide by 3", &recipe, kMethodBoil, {cabbage, tomato}, 2 * 512 / 3},
        {"one 必要 missing halves", &recipe, kMethodBoil, {cabbage, egg}, 2 * 512 / 2},
        {"the dish alone", &loose, kMethodBoil, {soup}, 511},
        {"the dish and a row", &loose, kMethodBoil, {soup, egg}, 512 + 511},
        {"nothing at all", &loose, kMethodBoil, {cabbage}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.recipe->Match(c.method, Pot(c.pot)), c.score);
    }
}

TEST_F(RecipeMatchTest, OneFoodFillsOneRowOfItsEntry) {
    Recipe& recipe = AddRecipe(soup, kMethodBoil);
    AddRow(recipe, "キャベツ", kRequirementMust);
    AddRow(recipe, "野菜", kRequirementMust);
    EXPECT_EQ(recipe.Match(kMethodBoil, Pot({cabbage})), -1);
    EXPECT_EQ(recipe.Match(kMethodBoil, Pot({cabbage, cabbage})), -1) << "the same entry twice";
    EXPECT_EQ(recipe.Match(kMethodBoil, Pot({cabbage, tomato})), 1024);
}

TEST_F(RecipeMatchTest, TheFirstOfTheGreatestTotalsWins) {
    FoodDef* salad = Entry("サラダ", "洋食");
    FoodDef* omelette = Entry("オムレツ", "洋食");
    Recipe& first = AddRecipe(soup, kMethodBoil, 100);
    AddRow(first, "野菜", kRequirementMust);
    Recipe& same_total = AddRecipe(salad, kMethodBoil, 100);
    AddRow(same_total, "キャベツ", kRequirementMust);
    Recipe& other_method = AddRecipe(omelette, kMethodBake, 500);
    AddRow(other_method, "キャベツ", kRequirementMust);

    FoodPot pot = Pot({cabbage});
    EXPECT_EQ(FindBestRecipe(book, kMethodBoil, pot), &first);

    Recipe& greater = AddRecipe(omelette, kMethodBoil | kMethodBake, 150);
    AddRow(greater, "キャベツ", kRequirementMust);
    EXPECT_EQ(FindBestRecipe(book, kMethodBoil, pot), &greater);
    EXPECT_EQ(FindBestRecipe(book, kMethodFry, pot), nullptr);
    EXPECT_EQ(FindBestRecipe(book, kMethodBoil, Pot({egg})), nullptr);
}

TEST_F(RecipeMatchTest, RowsAreFoundByExactNameOrByCategory) {
    Recipe& recipe = AddRecipe(soup, kMethodBoil);
    RecipeIngredient& vegetables = AddRow(recipe, "野菜", kRequirementMust);
    RecipeIngredient& exact = AddRow(recipe, "トマト", kRequirementMust);
    EXPECT_EQ(recipe.FindIngredient("トマト"), &exact);
    EXPECT_EQ(recipe.FindIngredient("夏野菜"), nullptr);
    EXPECT_EQ(recipe.FindIngredientFor(tomato), &vegetables) << "the first row it is in";
    EXPECT_EQ(recipe.FindIngredientFor(egg), nullptr);
}

}  // namespace
