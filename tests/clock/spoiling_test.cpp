#include <gtest/gtest.h>

#include "game/clock/spoiling.h"
#include "game/cooking/dish_resolver.h"
#include "tests/clock/clock_fixture.h"

namespace {

using clock_test::ClockTest;

class SpoilingTest : public ClockTest {
protected:
    FoodDef* cabbage = Entry("キャベツ", "野菜", 10, 100, 100.0f, 7);
    FoodDef* milk = Entry("ミルク", "液体", 10, 100, 100.0f, 3);
    // Milk left alone ferments into yoghurt, which keeps 3 days.
    FoodDef* yoghurt = Entry("ヨーグルト", "デザート", 20, 150, 100.0f, 3);

    Recipe& Yoghurt() {
        Recipe& recipe = AddRecipe(yoghurt, kMethodFerment);
        AddRow(recipe, "ミルク", kRequirementMust, 100.0f);
        return recipe;
    }
    using Rows = std::vector<std::string>;
    // The pantry as name:days rows.
    Rows Shelf() const {
        Rows rows;
        for (const auto& food : kitchen.pantry())
            rows.push_back(food->name + ":" + std::to_string(food->days));
        return rows;
    }
};

TEST_F(SpoilingTest, AFoodWithNoDaysLeftRotsAtTheNextDay) {
    Store(cabbage, 0, 2.5f).cost = 77;
    Store(milk, 2);
    RotFoods(world);
    EXPECT_EQ(Shelf(), (Rows{"ミルク:1", "腐ったキャベツ:999"}));
    const Food& rotten = *kitchen.pantry()[1];
    EXPECT_FLOAT_EQ(rotten.amount, 2.5f);
    EXPECT_EQ(rotten.cost, 77);
    EXPECT_EQ(rotten.taste, 0);
    EXPECT_EQ(rotten.def, cabbage);
    ASSERT_EQ(rotten.children.size(), 2u);
    const FoodNode& rot_node = *rotten.children[1];
    EXPECT_EQ(rot_node.def, rot);
    EXPECT_FLOAT_EQ(rot_node.amount, 1.0f);
    EXPECT_EQ(rot_node.taste, 3);
    EXPECT_EQ(rot_node.quality, 100);
    EXPECT_EQ(rot_node.flag, 1);
}

TEST_F(SpoilingTest, FoodsThatNeverSpoilAndTheWitchsFridgeKeepEveryDay) {
    Store(cabbage, 999);
    Store(milk, -1);
    RotFoods(world);
    EXPECT_EQ(Shelf(), (Rows{"キャベツ:999", "ミルク:-1"}));

    kitchen.pantry().clear();
    Store(cabbage, 0);
    Store(milk, 3);
    world.witch_fridge = true;
    for (int i = 0; i < 5; ++i) RotFoods(world);
    EXPECT_EQ(Shelf(), (Rows{"キャベツ:0", "ミルク:3"}));
}

TEST_F(SpoilingTest, AFoodThatFermentsBecomesAKnownDishThatAgesTheSamePass) {
    Recipe& recipe = Yoghurt();
    Store(milk, 0);
    Store(cabbage, 5);
    RotFoods(world);
    EXPECT_EQ(Shelf(), (Rows{"キャベツ:4", "ヨーグルト:2"}));
    EXPECT_EQ(yoghurt->known, 1);
    EXPECT_EQ(recipe.method_mask, kMethodFerment);
    EXPECT_EQ(recipe.last_result, nullptr);
}

TEST_F(SpoilingTest, ADishMadeThisPassWaitsForTheNextDayToSpoil) {
    // Yoghurt that no longer keeps, and a recipe that makes yoghurt of yoghurt: each new batch
    // would spoil at once and ferment again.
    Recipe& recipe = Yoghurt();
    yoghurt->days_limit = 0;
    recipe.rows[0]->requirement = kRequirementNeeded;
    Store(milk, 0);
    RotFoods(world);
    EXPECT_EQ(Shelf(), (Rows{"ヨーグルト:0"}));
    RotFoods(world);
    EXPECT_EQ(Shelf(), (Rows{"ヨーグルト:0"})) << "spoiled and fermented again, once";
}

TEST_F(SpoilingTest, WhatASpoiledFoodBecomesCanJoinAFoodStillToBeAged) {
    Recipe& recipe = Yoghurt();
    // The same batch the spoiling milk will make, already in the pantry behind it.
    FoodPot pot;
    pot.push_back(Bought(milk));
    std::unique_ptr<Food> batch = ResolveDish(book, kMethodFerment, &recipe, pot);
    ASSERT_TRUE(batch);
    Store(milk, 0);
    kitchen.pantry().push_back(std::move(batch));
    RotFoods(world);
    ASSERT_EQ(Shelf(), (Rows{"ヨーグルト:2"}));
    EXPECT_FLOAT_EQ(kitchen.pantry()[0]->amount, 2.0f);
}

TEST_F(SpoilingTest, TheWitchFridgeIsFoundInTheBagByName) {
    CItemBag bag;
    EXPECT_FALSE(HoldsWitchFridge(bag));
    auto* fridge = new CItem;
    fridge->SetName("魔女の冷蔵庫");
    bag.AddItem(fridge, 1);
    EXPECT_TRUE(HoldsWitchFridge(bag));
}

}  // namespace
