#include <gtest/gtest.h>

#include "engine/common/system.h"
#include "game/cooking/dish_value.h"
#include "tests/food/food_fixture.h"

namespace {

Food Priced(int price, int taste) {
    Food food;
    food.cost = price;
    food.taste = taste;
    return food;
}

TEST(DishValueTest, RatingBandsRunFromOutOfTheQuestionToFiveStars) {
    const struct {
        int score;
        const char* text;
    } cases[] = {
        {-3, "問題外"}, {0, "問題外"}, {1, "D"},      {2, "D"},       {3, "D+"},
        {5, "D+"},      {6, "C"},      {9, "C"},      {10, "C+"},     {16, "B"},
        {26, "B+"},     {42, "A"},     {68, "A+"},    {110, "★"},     {178, "★★"},
        {288, "★★★"},   {420, "★★★★"}, {599, "★★★★"}, {600, "★★★★★"}, {100000, "★★★★★"},
    };
    for (const auto& c : cases) EXPECT_STREQ(DishRatingOfScore(c.score), c.text) << c.score;
}

TEST(DishValueTest, AppealHalvesFromAPriceOf5000) {
    PlayState state;
    // Taste one more than the price gives a value of exactly 100 %.
    const struct {
        int price;
        double appeal;
        int score;
    } cases[] = {
        {4999, 30.0, 149},
        {5000, 15.0, 75},
        {10000, 15.0, 150},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.price);
        const Food food = Priced(c.price, c.price + 1);
        EXPECT_EQ(DishValuePercent(state, food), 100);
        EXPECT_DOUBLE_EQ(DishAppeal(state, food), c.appeal);
        EXPECT_EQ(DishScore(state, food), c.score);
    }
    EXPECT_STREQ(DishRating(state, Priced(4999, 5000)), "★");
}

TEST(DishValueTest, TastinessWeighsEachMethodAtTheKitchensSpeed) {
    PlayState state;
    state.utensil_level[kSlotProcess] = 2;  // 1.3
    state.utensil_level[kSlotBake] = 1;
    state.skill_level[kSlotBake] = 10;  // 1.3
    // 煮る without a pot: 0.7.
    const struct {
        std::array<int, kMethodWeightCount> weights;
        int taste;
        int tastiness;
    } cases[] = {
        {{0, 0, 0, 0, 0}, 10, 10},   {{50, 100, 0, 0, 0}, 10, 14},  // 1.45 × 10
        {{0, 0, 100, 0, 0}, 15, 10},                                // 0.7 × 15
        {{100, 0, 0, 0, 0}, 0, 0},   {{100, 0, 0, 0, 0}, -5, 0},
    };
    for (const auto& c : cases) {
        Food food = Priced(100, c.taste);
        food.method_weights = c.weights;
        EXPECT_EQ(Tastiness(state, food), c.tastiness) << c.taste;
    }
}

TEST(DishValueTest, APriceOfMinusOneIsWorthNothingRatherThanADivisionByZero) {
    PlayState state;
    EXPECT_EQ(DishValuePercent(state, Priced(-1, 50)), 0);
    EXPECT_EQ(DishScore(state, Priced(-1, 50)), 0);
}

TEST(DishValueTest, ChanceDrawsTheRemainderOfTheFifteenBitGenerator) {
    // The generator's first draws from seed 1 are 41, 18467 and 6334.
    Srand(1);
    EXPECT_TRUE(Chance(0.42));    // 41 < 42
    EXPECT_TRUE(Chance(84.68));   // 8467 < 8468
    EXPECT_FALSE(Chance(63.34));  // 6334 is not below 6334
    for (int i = 0; i < 100; ++i) {
        EXPECT_FALSE(Chance(0.0));
        EXPECT_TRUE(Chance(100.0));
    }
}

}  // namespace
