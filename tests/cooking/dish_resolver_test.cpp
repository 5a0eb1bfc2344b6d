#include <gtest/gtest.h>

#include "game/cooking/dish_resolver.h"
#include "game/cooking/prepare_dish.h"
#include "tests/cooking/cooking_fixture.h"

namespace {

class ResolverTest : public cooking_test::CookingTest {
protected:
    // A dish entry of 100 g a unit, keeping at most 10 days.
    FoodDef* dish = Entry("スープ", "洋食", 0, 300, 100.0f, 10);
};

TEST_F(ResolverTest, AnAsIsRowTakesTheFoodWholeWithItsCostWeightAndDays) {
    FoodDef* stock = Entry("ブイヨン", "液体", 10, 100, 50.0f, 4);
    Recipe& recipe = AddRecipe(dish, kMethodBake);
    AddRow(recipe, "ブイヨン", kRequirementMust, 50.0f, kReferenceAsIs);
    FoodPot pot;
    pot.push_back(Bought(stock, 4.0f));  // 200 g: two portions of the dish
    pot[0]->method_weights = {40, 20, 0, 0, 0};

    auto food = ResolveDish(book, kMethodBake, &recipe, pot);
    ASSERT_TRUE(food);
    EXPECT_EQ(food->name, "スープ");
    EXPECT_EQ(food->def, dish);
    EXPECT_FLOAT_EQ(food->amount, 2.0f);
    EXPECT_EQ(food->cost, 200) << "400 for the pot, per unit of the dish";
    EXPECT_EQ(food->price_percent, 150);
    EXPECT_EQ(food->taste, 20) << "10 × 4 × 100 over 200 g";
    EXPECT_EQ(food->days, 4 + 3);
    EXPECT_EQ(food->method_weights, (std::array<int, 5>{20, 100, 0, 0, 0}))
        << "halved, and the method used marks it fully";
    ASSERT_EQ(food->children.size(), 1u);
    EXPECT_EQ(food->children[0]->def, stock);
    EXPECT_FLOAT_EQ(food->children[0]->amount, 2.0f) << "four units over two of the dish";
    EXPECT_FLOAT_EQ(pot[0]->amount, 4.0f) << "the pot keeps its amounts";
}

TEST_F(ResolverTest, ARowsQualityCoversItsBudgetAndGramsBeyondItArePlain) {
    FoodDef* herb = Entry("ハーブ", "調味料", 10, 10, 40.0f);
    FoodDef* water = Entry("水", "液体", 0, 0, 20.0f);
    Recipe& recipe = AddRecipe(dish, kMethodBoil);
    RecipeIngredient& row = AddRow(recipe, "ハーブ", kRequirementMust, 30.0f, 120);
    AddRow(recipe, "水", kRequirementOptional, 60.0f, 100, kConsumptionKept);
    // 40 + 3 × 20 g: one portion, so the herb is 40 g a portion against a budget of 30 g.
    FoodPot pot = Pot({herb, water});
    pot[1]->amount = 3.0f;
    auto food = ResolveDish(book, kMethodBoil, &recipe, pot);
    ASSERT_TRUE(food);
    EXPECT_EQ(pot[0]->children[0]->quality, 115) << "(10 × 100 + 120 × 30) / 40";
    EXPECT_FLOAT_EQ(row.amount, 30.0f) << "the book's recipe keeps its budget";

    // A second herb finds the budget used up: its grams are all plain.
    pot = Pot({herb, herb, water});
    pot[1]->days = 3;
    food = ResolveDish(book, kMethodBoil, &recipe, pot);
    ASSERT_TRUE(food);
    EXPECT_EQ(pot[0]->children[0]->quality, 115);
    EXPECT_EQ(pot[1]->children[0]->quality, 100);
    // The absorbed herbs make the dish's own part; the kept water stays beside it.
    ASSERT_EQ(food->children.size(), 2u);
    EXPECT_EQ(food->children[0]->def, water);
    const FoodNode& own = *food->children[1];
    EXPECT_EQ(own.def, dish);
    EXPECT_EQ(own.method, kMethodBoil);
    EXPECT_EQ(own.flag, 1);
    ASSERT_EQ(own.children.size(), 2u);
    EXPECT_EQ(own.children[0]->quality, 115);
    EXPECT_EQ(own.children[1]->quality, 100);
}

TEST_F(ResolverTest, ADishCookedFromACookedDishKeepsItsWeightAndItsParts) {
    // Three 100 g cabbages make three units of the soup; two of them, cooked again, make two
    // units of the stew: a cooked dish goes into the next pot as what it weighs.
    FoodDef* cabbage = Entry("キャベツ", "野菜", 10, 50, 100.0f);
    FoodDef* stew = Entry("シチュー", "洋食", 0, 500, 100.0f, 10);
    Recipe& soup = AddRecipe(dish, kMethodBoil);
    AddRow(soup, "野菜", kRequirementMust, 100.0f, 100);
    Recipe& stewed = AddRecipe(stew, kMethodBoil);
    AddRow(stewed, "スープ", kRequirementMust, 100.0f, 100);
    FoodPot pot;
    pot.push_back(Bought(cabbage, 3.0f));
    auto first = ResolveDish(book, kMethodBoil, &soup, pot);
    ASSERT_TRUE(first);
    EXPECT_FLOAT_EQ(first->amount, 3.0f);
    EXPECT_EQ(first->cost, 50);
    ASSERT_EQ(first->children.size(), 1u);
    EXPECT_FLOAT_EQ(first->children[0]->amount, 1.0f) << "one unit of soup in each unit";
    ASSERT_EQ(first->children[0]->children.size(), 1u);
    EXPECT_FLOAT_EQ(first->children[0]->children[0]->amount, 1.0f) << "a cabbage in each";

    FoodPot again;
    again.push_back(std::make_unique<Food>(*first, 2.0f));
    auto second = ResolveDish(book, kMethodBoil, &stewed, again);
    ASSERT_TRUE(second);
    EXPECT_FLOAT_EQ(second->amount, 2.0f);
    EXPECT_EQ(second->cost, first->cost);
    EXPECT_EQ(second->taste, first->taste) << "quality 100 and the same unit weight";
}

TEST_F(ResolverTest, ABonusInTheNeededSharesAddsItsFullPercentAndHalfSharesHalf) {
    // 90 g of stock with taste 100 and 10 g of pepper with taste 100 make a taste mass of
    // 9000 + 1000 over 100 g, so the dish's taste is the bonus multiplier itself.
    FoodDef* stock = Entry("ブイヨン", "液体", 100, 10, 90.0f);
    FoodDef* pepper = Entry("胡椒", "調味料", 100, 10, 10.0f);
    Recipe& recipe = AddRecipe(dish, kMethodBoil);
    AddRow(recipe, "ブイヨン", kRequirementMust, 90.0f);
    ComboBonus& rule = AddBonus("スパイシー", "", "洋食", 130);
    rule.triples.push_back({"胡椒", 100, 10});
    const struct {
        int share;
        int taste;
    } cases[] = {{10, 130}, {20, 115}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "share " << c.share);
        rule.triples[0].share_percent = c.share;
        FoodPot pot = Pot({stock, pepper});
        auto food = ResolveDish(book, kMethodBoil, &recipe, pot);
        ASSERT_TRUE(food);
        EXPECT_EQ(food->taste, c.taste);
        EXPECT_EQ(food->name, "スパイシースープ") << "the rule names the pepper";
    }
    rule.target = "和食";
    FoodPot pot = Pot({stock, pepper});
    auto food = ResolveDish(book, kMethodBoil, &recipe, pot);
    ASSERT_TRUE(food);
    EXPECT_EQ(food->taste, 100);
    EXPECT_EQ(food->name, "胡椒入りスープ");
}

TEST_F(ResolverTest, DaysFollowTheMethodAndTheEntrysLimit) {
    FoodDef* quick = Entry("もやし", "野菜", 10, 10, 50.0f, 2);
    FoodDef* slow = Entry("ニンジン", "野菜", 10, 10, 50.0f, 5);
    Recipe& recipe = AddRecipe(dish, 0x7F);
    AddRow(recipe, "野菜", kRequirementMust);
    const struct {
        int method;
        int limit;
        int days;
    } cases[] = {
        {kMethodBake, 10, 5},   {kMethodBoil, 4, 4},     {kMethodFry, 0, 5},
        {kMethodMix, 10, 2},    {kMethodProcess, 10, 2}, {kMethodFerment, 30, 30},
        {kMethodFerment, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "method " << c.method << ", limit " << c.limit);
        dish->days_limit = c.limit;
        FoodPot pot = Pot({quick, slow});
        auto food = ResolveDish(book, c.method, &recipe, pot);
        ASSERT_TRUE(food);
        EXPECT_EQ(food->days, c.days);
    }
}

TEST_F(ResolverTest, WithoutARecipeTheDishIsTheFirstFoodsEntryNamedByWhatWentIn) {
    FoodDef* a = Entry("トマト", "夏野菜", 10, 10, 50.0f);
    FoodDef* b = Entry("卵", "卵", 10, 10, 50.0f);
    FoodDef* c = Entry("りんご", "果物", 10, 10, 50.0f);
    FoodPot pot = Pot({a, b, c});
    auto food = ResolveDish(book, kMethodMix, nullptr, pot);
    ASSERT_TRUE(food);
    EXPECT_EQ(food->name, "トマトと卵とりんご");
    EXPECT_EQ(food->def, a);
    EXPECT_EQ(food->method_weights, (std::array<int, 5>{})) << "mixing marks no method";
    EXPECT_EQ(food->children.size(), 3u);
}

TEST_F(ResolverTest, EmptyAndWeightlessPotsMakeNoDish) {
    FoodPot empty;
    EXPECT_EQ(ResolveDish(book, kMethodBake, nullptr, empty), nullptr);
    FoodDef* air = Entry("空気", "その他", 10, 10, 0.0f);
    FoodPot weightless = Pot({air});
    EXPECT_EQ(ResolveDish(book, kMethodBake, nullptr, weightless), nullptr);
}

class PrepareDishTest : public ResolverTest {
protected:
    PrepareDishTest() {
        Recipe& soup = AddRecipe(dish, kMethodBoil | kMethodBake);
        AddRow(soup, "野菜", kRequirementMust, 90.0f);
        recipe = &soup;
        memory.first = dish;
        state.state_memory_food = 1;
    }

    FoodDef* cabbage = Entry("キャベツ", "野菜", 10, 50, 90.0f);
    // Priced but a trace: one unit worth 1, spread over more than one unit of the dish.
    FoodDef* pepper = Entry("胡椒", "調味料", 10, 1, 1.0f);
    Recipe* recipe = nullptr;
    PlayState state;
    MemoryDishSteps memory;
};

TEST_F(PrepareDishTest, ARecipeLearnsTheDishAndTheStoryMovesOn) {
    FoodPot pot = Pot({cabbage, pepper});
    pot[0]->amount = 2.0f;  // 181 g: 1.81 units of the dish
    auto food = PrepareDish(book, state, memory, kMethodBoil, pot);
    ASSERT_TRUE(food);
    EXPECT_EQ(food->name, "胡椒入りスープ");
    EXPECT_EQ(dish->known, 1);
    EXPECT_EQ(state.state_memory_food, 2);
    EXPECT_EQ(recipe->method_mask, kMethodBoil | kMethodBake) << "still matches by baking";
    ASSERT_TRUE(recipe->last_result);
    EXPECT_FLOAT_EQ(recipe->last_result->amount, 1.0f);
    EXPECT_EQ(recipe->last_result->children.size(), 2u) << "taken before the trace goes";
    EXPECT_EQ(food->children.size(), 1u) << "the pepper is a trace";
    FoodPot again = Pot({cabbage});
    EXPECT_TRUE(PrepareDish(book, state, memory, kMethodBake, again));
}

TEST_F(PrepareDishTest, APotThatMakesNothingGivesACopyOfItsFirstFood) {
    FoodPot empty;
    EXPECT_EQ(PrepareDish(book, state, memory, kMethodBoil, empty), nullptr);

    FoodDef* air = Entry("空気の野菜", "野菜", 10, 10, 0.0f);
    FoodPot pot = Pot({air, air});
    pot[0]->amount = 3.0f;
    auto food = PrepareDish(book, state, memory, kMethodBoil, pot);
    ASSERT_TRUE(food);
    EXPECT_NE(food.get(), pot[0].get());
    EXPECT_EQ(food->name, "空気の野菜");
    EXPECT_FLOAT_EQ(food->amount, 3.0f);
    pot.clear();  // the caller discards the pot; the copy stays whole
    EXPECT_EQ(food->children.size(), 1u);
    EXPECT_EQ(dish->known, 0);
    EXPECT_EQ(recipe->last_result, nullptr);
    EXPECT_EQ(state.state_memory_food, 1);
}

}  // namespace
