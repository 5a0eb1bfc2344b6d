// The new day's flags, the memory dish's story steps, and storing and taking pantry foods.
#include <gtest/gtest.h>

#include "game/rules/daily.h"
#include "game/rules/pantry.h"
#include "tests/rules/rules_fixture.h"

namespace {

using rules_test::RulesTest;

TEST(Daily, ANewDayOpensEveryVisitGuard) {
    PlayState state;
    state.new_day = 0;
    state.visit_flags.fill(1);
    ResetDailyFlags(state);
    EXPECT_EQ(state.new_day, 1);
    EXPECT_EQ(state.visit_flags, (std::array<std::uint8_t, kVisitFlagCount>{}));
}

TEST_F(RulesTest, TheMemoryDishAdvancesOnlyFromItsWaitingSteps) {
    FoodDef* first = Entry("キャトレモネ", "その他");
    FoodDef* second = Entry("メモルボイルド", "その他");
    struct Case {
        int from;
        bool first_known, second_known;
        int to;
    } cases[] = {
        {1, false, true, 1}, {1, true, false, 2}, {4, true, false, 4},
        {4, false, true, 5}, {2, true, true, 2},  {0, true, true, 0},
    };
    for (const Case& c : cases) {
        first->known = c.first_known;
        second->known = c.second_known;
        state.state_memory_food = c.from;
        UpdateMemoryFoodState(state, first, second);
        EXPECT_EQ(state.state_memory_food, c.to) << c.from << c.first_known << c.second_known;
    }
    state.state_memory_food = 1;
    UpdateMemoryFoodState(state, nullptr, nullptr);  // entries the data lacks
    EXPECT_EQ(state.state_memory_food, 1);
}

TEST_F(RulesTest, StoringMergesTheSameKindAndTakingRemovesWhatIsUsedUp) {
    FoodDef* egg = Entry("卵", "卵", 10, 20);
    Food* held = AddFood(kitchen, egg, 3.0f);
    EXPECT_TRUE(egg->known);
    EXPECT_EQ(AddFood(kitchen, egg, 2.0f), held);
    EXPECT_EQ(StoreFood(kitchen, Food::FromDef(egg), 0.0f), held);  // its own amount, 1
    EXPECT_FLOAT_EQ(held->amount, 6.0f);
    auto older = Food::FromDef(egg);
    older->days = 1;
    EXPECT_NE(StoreFood(kitchen, std::move(older), 0.0f), held);
    ASSERT_EQ(kitchen.pantry().size(), 2u);
    EXPECT_FLOAT_EQ(TakeFromPantry(kitchen, 0, 2.5f), 3.5f);
    EXPECT_FLOAT_EQ(TakeFromPantry(kitchen, 1, 1.0f), 0.0f);  // exactly all of it
    EXPECT_EQ(kitchen.pantry().size(), 1u);
    EXPECT_FLOAT_EQ(TakeFromPantry(kitchen, 5, 1.0f), 0.0f);
    EXPECT_EQ(kitchen.pantry().size(), 1u);
}

}  // namespace
