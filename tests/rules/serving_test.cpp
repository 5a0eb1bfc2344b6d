// Which menu dishes can be served, choosing one, serving it, and the pantry's menu marks.
#include <gtest/gtest.h>

#include "engine/common/system.h"
#include "game/rules/menu_queries.h"
#include "game/rules/serving.h"
#include "tests/rules/rules_fixture.h"

namespace {

class ServingTest : public rules_test::RulesTest {
protected:
    ServingTest() {
        rice = Entry("米", "植物", 10, 50, 150.0f);
        fish = Entry("魚肉", "魚", 10, 200, 100.0f);
        vinegar = Entry("酢", "調味料", 10, 30, 10.0f);
        sushi_rice = Entry("酢飯", "和食", 10, 0, 160.0f);
        sushi = Entry("寿司", "和食", 10, 0, 250.0f);
        miso = Entry("味噌", "調味料", 10, 0, 50.0f);
        soup = Entry("味噌汁", "和食", 10, 0, 200.0f);
        beans = Entry("大豆", "豆", 10, 40, 100.0f);
    }
    // 寿司 (焼く): 魚肉 1.0 and 酢飯 (混ぜる: 米 1.0, 酢 0.5).
    MenuDish* Sushi() {
        MenuDish* dish = OnMenu(sushi, kMethodBake);
        Part(dish->children, fish, 1.0f);
        FoodNode* inner = Part(dish->children, sushi_rice, 1.0f, kMethodMix);
        Part(inner->children, rice, 1.0f);
        Part(inner->children, vinegar, 0.5f);
        return dish;
    }
    // 味噌汁 (煮る) of 味噌 (発酵: 大豆 1.0).
    MenuDish* Soup(int method = kMethodBoil) {
        MenuDish* dish = OnMenu(soup, method);
        FoodNode* paste = Part(dish->children, miso, 1.0f, kMethodFerment);
        Part(paste->children, beans, 1.0f);
        return dish;
    }
    float AmountOf(const FoodDef* def) const {
        float total = 0.0f;
        for (const auto& food : kitchen.pantry()) {
            if (food->def == def) total += food->amount;
        }
        return total;
    }

    FoodDef *rice, *fish, *vinegar, *sushi_rice, *sushi, *miso, *soup, *beans;
};

TEST_F(ServingTest, AvailabilityLooksForEachPartOrWhatItIsMadeOf) {
    MenuDish* dish = Sushi();
    Stock(fish, 0.1f);  // presence is enough, not the amount
    Stock(rice, 3.0f);
    UpdateMenuAvailability(state, kitchen);
    EXPECT_FALSE(dish->servable);  // no 酢
    EXPECT_FALSE(dish->ingredients_available);
    EXPECT_FALSE(AnyServableDish(kitchen));
    Stock(vinegar, 1.0f);
    UpdateMenuAvailability(state, kitchen);
    EXPECT_TRUE(dish->servable);
    EXPECT_TRUE(dish->ingredients_available);
    EXPECT_TRUE(AnyServableDish(kitchen));
    const FoodNode& inner = *dish->children[1];
    EXPECT_TRUE(dish->children[0]->in_pantry);
    EXPECT_FALSE(inner.in_pantry);
    EXPECT_TRUE(inner.children[0]->in_pantry);
    Stock(sushi_rice, 1.0f);                               // now the pantry holds the part itself
    kitchen.pantry().erase(kitchen.pantry().begin() + 1);  // the 米
    UpdateMenuAvailability(state, kitchen);
    EXPECT_TRUE(dish->servable);
    EXPECT_TRUE(inner.in_pantry);
    EXPECT_FALSE(inner.children[0]->in_pantry);  // an earlier mark does not linger
}

TEST_F(ServingTest, FermentingWaitsForItsUnlockUnlessAPortionIsReady) {
    MenuDish* fermented = Soup(kMethodFerment);
    MenuDish* boiled = Soup();
    Stock(beans, 1.0f);
    UpdateMenuAvailability(state, kitchen);
    EXPECT_FALSE(fermented->servable);  // a 発酵 dish
    EXPECT_FALSE(boiled->servable);     // a 発酵 part to be made
    Stock(miso, 1.0f);
    UpdateMenuAvailability(state, kitchen);
    EXPECT_FALSE(fermented->servable);
    EXPECT_TRUE(boiled->servable);  // the 発酵 part is at hand
    kitchen.pantry().pop_back();
    state.ferment_flag = 1;
    UpdateMenuAvailability(state, kitchen);
    EXPECT_TRUE(fermented->servable);
    EXPECT_TRUE(boiled->servable);
    state.ferment_flag = 0;
    StockPortion(*fermented, 1.0f);
    UpdateMenuAvailability(state, kitchen);
    EXPECT_TRUE(fermented->servable);
    EXPECT_FALSE(fermented->ingredients_available);
}

TEST_F(ServingTest, PickMenuDishDrawsAmongTheServableOnes) {
    EXPECT_EQ(PickMenuDish(kitchen), nullptr);  // no menu
    MenuDish* dishes[] = {OnMenu(sushi), OnMenu(soup), OnMenu(miso)};
    for (MenuDish* dish : dishes) dish->servable = 1;
    EXPECT_EQ(PickMenuDish(kitchen), nullptr);  // nothing in the pantry
    Stock(rice, 1.0f);
    // The walk starts at the drawn entry and keeps the last servable one it passes.
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        Srand(seed);
        const std::size_t start = static_cast<unsigned>(Rand()) % 3;
        Srand(seed);
        EXPECT_EQ(PickMenuDish(kitchen), dishes[(start + 2) % 3]) << seed;
    }
    dishes[0]->servable = 0;
    dishes[2]->servable = 0;
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        Srand(seed);
        EXPECT_EQ(PickMenuDish(kitchen), dishes[1]) << seed;
    }
    dishes[1]->servable = 0;
    EXPECT_EQ(PickMenuDish(kitchen), nullptr);
}

TEST_F(ServingTest, AReadyPortionIsServedFirstWithoutCooking) {
    MenuDish* dish = Sushi();
    Stock(fish, 2.0f);
    Food* portion = StockPortion(*dish, 3.0f);
    Food* later = StockPortion(*dish, 1.0f);
    UpdateMenuAvailability(state, kitchen);
    EXPECT_TRUE(ServeDish(state, kitchen, *dish));
    EXPECT_FLOAT_EQ(portion->amount, 2.0f);
    EXPECT_FLOAT_EQ(later->amount, 1.0f);
    EXPECT_FLOAT_EQ(AmountOf(fish), 2.0f);
    EXPECT_EQ(state.cooking_minutes, 0);
}

TEST_F(ServingTest, ADishIsMadeFromTheFreshestIngredientsAndCooked) {
    MenuDish* dish = Sushi();
    state.utensil_level.fill(1);
    Food* old_fish = Stock(fish, 3.0f, 7);
    Food* fresh_fish = Stock(fish, 0.5f, 2);  // spoils first: used first, and used up
    Stock(rice, 2.0f);
    Stock(vinegar, 1.0f);
    UpdateMenuAvailability(state, kitchen);
    ASSERT_TRUE(ServeDish(state, kitchen, *dish));
    EXPECT_FLOAT_EQ(old_fish->amount, 3.0f);
    EXPECT_EQ(std::count_if(kitchen.pantry().begin(), kitchen.pantry().end(),
                            [&](const auto& f) { return f.get() == fresh_fish; }),
              0);
    EXPECT_FLOAT_EQ(AmountOf(rice), 1.0f);
    EXPECT_FLOAT_EQ(AmountOf(vinegar), 0.5f);
    // 酢飯 mixed (160 g: 8 minutes) and 寿司 baked (250 g: 12 minutes).
    EXPECT_EQ(state.cooking_minutes, 20);
    EXPECT_FLOAT_EQ(state.skill_exp[kSlotBake], 1.0f);
}

TEST_F(ServingTest, ADishThatCannotBeMadeTakesNothing) {
    MenuDish* dish = Sushi();
    Stock(fish, 2.0f);
    Stock(rice, 2.0f);
    Stock(vinegar, 1.0f);
    UpdateMenuAvailability(state, kitchen);
    kitchen.pantry().pop_back();  // the 酢 goes after the check
    EXPECT_FALSE(ServeDish(state, kitchen, *dish));
    EXPECT_FLOAT_EQ(AmountOf(fish), 2.0f);
    EXPECT_FLOAT_EQ(AmountOf(rice), 2.0f);
    EXPECT_EQ(state.cooking_minutes, 0);
    EXPECT_FLOAT_EQ(state.stamina, 100.0f);
    // The same holds for a part on its own.
    EXPECT_FALSE(PrepareNode(state, kitchen, *dish->children[1]));
    EXPECT_FLOAT_EQ(AmountOf(rice), 2.0f);
    EXPECT_TRUE(PrepareNode(state, kitchen, *dish->children[0]));
    EXPECT_FLOAT_EQ(AmountOf(fish), 1.0f);
}

TEST_F(ServingTest, MenuMarksFallOnReadyPortionsOfAnyMenuDish) {
    MenuDish* first = Sushi();
    MenuDish* second = Soup();
    Food* sushi_portion = StockPortion(*first, 1.0f);
    Food* soup_portion = StockPortion(*second, 1.0f);
    Food* dearer = StockPortion(*first, 1.0f);
    dearer->cost += 1;  // another batch: not the menu's dish
    Food* raw = Stock(rice, 1.0f);
    raw->on_menu = 1;  // left from an earlier menu
    MarkMenuFoods(kitchen);
    EXPECT_TRUE(sushi_portion->on_menu);
    EXPECT_TRUE(soup_portion->on_menu);
    EXPECT_FALSE(dearer->on_menu);
    EXPECT_FALSE(raw->on_menu);
    EXPECT_FALSE(first->on_menu);
}

}  // namespace
