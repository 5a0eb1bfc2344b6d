// Money and the month's books, the restaurant's rank and status text, and reputation.
#include <gtest/gtest.h>

#include <vector>

#include "engine/common/system.h"
#include "game/rules/honour.h"
#include "game/rules/money.h"
#include "game/rules/shop_rank.h"
#include "tests/rules/rules_fixture.h"

namespace {

using rules_test::RulesTest;

TEST(Money, ExpansionPricesByLevel) {
    const std::pair<int, int> cases[] = {{1, 5000},  {2, 2000},  {3, 4000},  {4, 8000},
                                         {5, 15000}, {6, 30000}, {7, 50000}, {8, 100000},
                                         {9, 5000},  {-1, 5000}};
    for (const auto& [level, price] : cases) EXPECT_EQ(ShopExpansionCost(level), price) << level;
}

TEST(Money, AddMoneyBooksIncomeAndExpensesChangeMoneyBooksNothing) {
    CQZSharedData values;
    values.SetValue("money", 1000, true);
    PlayState state;
    EXPECT_EQ(ChangeMoney(state, values, -1000), 0);  // a tax
    EXPECT_EQ(state.money, 0);
    AddMoney(state, values, 300);
    AddMoney(state, values, -120);
    AddMoney(state, values, 0);
    EXPECT_EQ(values.GetValue("money", -1), 180);
    EXPECT_EQ(state.money, 180);
    EXPECT_EQ(state.income, 300);
    EXPECT_EQ(state.expenses, 120);
    EXPECT_TRUE(values.FindEntry("money")->guarded);
}

TEST(Money, ShownMoneyEasesByATenthOfTheGapAndArrivesOnTheEightyFirstFrame) {
    PlayState state;
    state.shown_money = 0;
    state.money = 10000;
    std::vector<int> shown;
    for (int frame = 1; frame <= 81; ++frame) {
        EaseShownMoney(state);
        shown.push_back(state.shown_money);
    }
    EXPECT_EQ((std::vector<int>{shown.begin(), shown.begin() + 5}),
              (std::vector<int>{1000, 1900, 2710, 3439, 4095}));
    EXPECT_EQ(shown[61], 9981);  // from here on it moves by 1
    EXPECT_EQ(shown[79], 9999);
    EXPECT_EQ(shown[80], 10000);

    // Down as well, and never past the money.
    state.money = 9995;
    EaseShownMoney(state);
    EXPECT_EQ(state.shown_money, 9999);
    for (int i = 0; i < 10; ++i) EaseShownMoney(state);
    EXPECT_EQ(state.shown_money, 9995);
}

class ShopRankTest : public RulesTest {
protected:
    // Every dish scores the same.
    void ScoreEach(int score) {
        dish_score = [score](const Food&) { return score; };
    }
    void Build() { BuildShopStatusText(state, kitchen, dish_score); }

    DishMeasure dish_score = [](const Food&) { return 0; };
};

TEST_F(ShopRankTest, RankCountsContestsAndTheMenusScore) {
    EXPECT_EQ(RestaurantRank(state, kitchen, dish_score), 1);
    OnMenu(Entry("カレー", "洋食"));
    OnMenu(Entry("ラーメン", "中華"));
    state.contests_won = 2;
    ScoreEach(29);  // 58 / 20
    EXPECT_EQ(RestaurantRank(state, kitchen, dish_score), 5);
}

TEST_F(ShopRankTest, SizeWordsByRank) {
    OnMenu(Entry("カレー", "洋食"));
    const std::pair<int, const char*> cases[] = {
        {4, "【小さな食堂】"},  {5, "【ささやかな食堂】"}, {9, "【ささやかな食堂】"},
        {10, "【普通の食堂】"}, {20, "【賑やかな食堂】"},  {30, "【大きな食堂】"},
        {49, "【人気の食堂】"}, {50, "【有名な食堂】"},
    };
    for (const auto& [rank, text] : cases) {
        ScoreEach((rank - 1) * 20);
        Build();
        EXPECT_EQ(state.status_text, text) << rank;
    }
}

TEST_F(ShopRankTest, ShopKindFollowsTheMenusStrongestCategory) {
    struct Case {
        const char* label;
        std::vector<std::pair<const char*, const char*>> dishes;  // entry, category
        const char* text;
        int bonus;
    } cases[] = {
        {"one dish", {{"寿司", "和食"}}, "【小さな食堂】", 0},
        {"two 和食", {{"寿司", "和食"}, {"天ぷら", "和食"}}, "【小さな和食屋】", 20},
        {"drinks", {{"紅茶", "ドリンク"}, {"珈琲", "ドリンク"}}, "【小さな喫茶店】", 20},
        {"desserts", {{"プリン", "デザート"}, {"団子", "デザート"}}, "【小さな甘味処】", 20},
        {"mixed main dishes", {{"寿司", "和食"}, {"カレー", "洋食"}}, "【小さな食堂】", 0},
        {"under 全", {{"弁当", "全"}, {"定食", "全"}}, "【小さな食堂】", 0},
        {"others", {{"謎A", "その他"}, {"謎B", "その他"}}, "【小さな食堂】", 0},
        {"same dish twice", {{"寿司", "和食"}, {"寿司", "和食"}}, "【小さな寿司屋】", 20},
    };
    for (const Case& c : cases) {
        ClearFoodCatalogue();
        kitchen.menu.clear();
        state.specialty_bonus = 99;
        for (const auto& [name, category] : c.dishes) {
            FoodDef* def = FindFoodDef(name);
            OnMenu(def ? def : Entry(name, category));
        }
        Build();
        EXPECT_EQ(state.status_text, c.text) << c.label;
        EXPECT_EQ(state.specialty_bonus, c.bonus) << c.label;
    }
}

TEST_F(ShopRankTest, AnEntryUnderAnEntryVotesForBoth) {
    FoodDef* curry = Entry("カレー", "洋食");
    OnMenu(Entry("カツカレー", curry));
    OnMenu(Entry("エビカレー", curry));
    Build();
    EXPECT_EQ(state.status_text, "【小さなカレー屋】");  // カレー 8, 洋食 6
}

TEST(Honour, ThresholdIsFiveTimesReputationLessTheSpecialtyBonus) {
    PlayState state;
    state.reputation = 10.5f;
    EXPECT_EQ(GetHonorThreshold(state), 52);
    state.specialty_bonus = 20;
    EXPECT_EQ(GetHonorThreshold(state), 32);
    state.reputation = 1.0f;
    EXPECT_EQ(GetHonorThreshold(state), -15);
}

class HonourTest : public RulesTest {
protected:
    void Shift(int percent, int amount) {
        ShiftHonor(state, *dish, amount, [percent](const Food&) { return percent; });
    }
    std::unique_ptr<Food> dish = std::make_unique<Food>();
};

TEST_F(HonourTest, FollowsTheDrawAgainstTheThreshold) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        Srand(seed);
        const int r = Rand();
        state.reputation = 50.0f;  // threshold 250
        Srand(seed);
        Shift(400, 3);
        const float want = r % 400 <= 250 ? 49.7f : 50.3f;
        EXPECT_FLOAT_EQ(state.reputation, want) << "seed " << seed << " draw " << r;
    }
}

TEST_F(HonourTest, StaysWithinZeroAndOneHundred) {
    state.reputation = 99.95f;
    state.specialty_bonus = 1000;  // the threshold is below every remainder: always a rise
    Shift(100, 5);
    EXPECT_FLOAT_EQ(state.reputation, 100.0f);
    state.reputation = 0.05f;
    state.specialty_bonus = 0;
    Shift(1, 5);  // every remainder is 0, at most the threshold: always a fall
    EXPECT_FLOAT_EQ(state.reputation, 0.0f);
    Srand(3);
    for (int i = 0; i < 500; ++i) {
        Shift(Rand() % 300, Rand() % 40);
        ASSERT_GE(state.reputation, 0.0f);
        ASSERT_LE(state.reputation, 100.0f);
    }
}

TEST_F(HonourTest, ADishOfNoValueLowersReputationWithoutDividing) {
    state.specialty_bonus = 1000;  // would rise with any positive percent
    for (int percent : {0, -7}) {
        state.reputation = 40.0f;
        Srand(11);
        Shift(percent, 2);
        EXPECT_FLOAT_EQ(state.reputation, 39.8f) << percent;
    }
    // The draw is taken all the same, so the game's sequence does not shift.
    Srand(11);
    Rand();
    const int next = Rand();
    Srand(11);
    Shift(0, 1);
    EXPECT_EQ(Rand(), next);
}

}  // namespace
