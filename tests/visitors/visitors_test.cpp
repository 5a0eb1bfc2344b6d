// マウントメイル, ラゴ, the merchant, the odd customer and the neighbour.
#include <gtest/gtest.h>

#include <set>

#include "engine/common/system.h"
#include "game/main/vemu_comp.h"
#include "game/rules/pantry.h"
#include "tests/visitors/visit_play.h"

namespace {

using visit_test::Line;
using visit_test::VisitTest;

TEST_F(VisitTest, MountMailDoublesOrHalvesTheReputationByTheDishHeIsServed) {
    struct Case {
        float reputation;
        int taste;  // 0 gives no value for money
        float expected;
        const char8_t* verdict;
    };
    const Case cases[] = {
        {60.0f, 1000000, 100.0f, u8"ぜるば堂の評判が上がりました"},
        {30.0f, 1000000, 60.0f, u8"ぜるば堂の評判が上がりました"},
        {10.0f, 0, 5.0f, u8"ぜるば堂の評判が下がりました"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reputation);
        ClearPantry(game().world().kitchen);
        play.kitchen().menu.clear();
        MenuDish* dish = play.AddToMenu(u8"トマト", 1.0f);
        dish->taste = c.taste;
        play.AddToPantry(u8"トマト", 1.0f);
        state().reputation = c.reputation;
        const int money = state().money;
        ASSERT_TRUE(Play(StoryEvent::kMountMailVisit));
        EXPECT_FLOAT_EQ(state().reputation, c.expected);
        EXPECT_EQ(state().money, money + dish->Price());
        EXPECT_TRUE(SaidInOrder(u8"店主、『トマト』をいただこうか", u8"かしこまりました",
                                u8"『トマト』が売れました\n", u8"ほう、これか", c.verdict));
        EXPECT_EQ(InPantry(u8"トマト"), nullptr) << "the dish was served";
    }
}

TEST_F(VisitTest, MountMailFindingNothingToEatLeavesMoneyAndReputation) {
    // The menu's dish is marked servable, but the night took its ingredient: the fresh check
    // before his order finds nothing.
    MenuDish* dish = play.AddToMenu(u8"トマト", 1.0f);
    dish->servable = 1;
    play.AddToPantry(u8"卵", 1.0f);
    state().reputation = 40.0f;
    const int money = state().money;
    ASSERT_TRUE(Play(StoryEvent::kMountMailVisit));
    EXPECT_EQ(Texts().size(), 4u);
    EXPECT_TRUE(SaidInOrder(u8"この店で、一番うまいものを出してもらおう",
                            u8"すみません～\nちょうど今品切れで、お出しできるものがないんです",
                            u8"ふん、とんだ無駄足だったな\n失礼する"));
    EXPECT_EQ(state().money, money);
    EXPECT_EQ(play.mediator().GetValue("money", 0), money);
    EXPECT_FLOAT_EQ(state().reputation, 40.0f);
}

TEST_F(VisitTest, RagosAdvertisingPaysOffByHisRoll) {
    struct Case {
        const char8_t* gift;
        int range;
        int roll;
        float reputation;
        float expected;
        int paid;
    };
    const Case cases[] = {
        {u8"1000 クル", 30, 19, 50.0f, 50.0f, 1000},
        {u8"1000 クル", 30, 20, 50.0f, 65.0f, 1000},
        {u8"1000 クル", 30, 29, 50.0f, 65.0f, 1000},
        {u8"10000 クル", 60, 19, 50.0f, 50.0f, 10000},
        {u8"10000 クル", 60, 20, 50.0f, 65.0f, 10000},
        {u8"10000 クル", 60, 39, 50.0f, 65.0f, 10000},
        {u8"10000 クル", 60, 40, 50.0f, 80.0f, 10000},
        {u8"10000 クル", 60, 59, 50.0f, 80.0f, 10000},
        {u8"10000 クル", 60, 59, 90.0f, 100.0f, 10000},
        {u8"あげない", 1, 0, 50.0f, 50.0f, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing_support::Utf8(c.gift) + " " + std::to_string(c.roll));
        state().reputation = c.reputation;
        const int money = state().money;
        ASSERT_TRUE(PlaySeeded(StoryEvent::kRagoAdvertising,
                               [&] { return Rand() % c.range == c.roll; }, {c.gift}));
        EXPECT_FLOAT_EQ(state().reputation, c.expected);
        EXPECT_EQ(state().money, money - c.paid);
    }
    // He takes the money even when there is none.
    play.SetMoney(500);
    ASSERT_TRUE(Play(StoryEvent::kRagoAdvertising, {u8"10000 クル"}));
    EXPECT_EQ(state().money, -9500);
    EXPECT_TRUE(Said(u8"わーい、ありがとう"));
}

TEST_F(VisitTest, TheMerchantSellsOnHisShopScreenUntilThePlayerHasEnough) {
    std::vector<int> goods;
    on_shop_screen = [&](int) { goods.push_back(game().world().goods_in_use); };
    ASSERT_TRUE(Play(StoryEvent::kMerchantRareGoods, {u8"はい", u8"はい", u8"いいえ"}));
    EXPECT_EQ(shop_screens, (std::vector<int>{kScreenFoodShop, kScreenFoodShop}));
    EXPECT_EQ(goods, (std::vector<int>{5, 5}));
    EXPECT_TRUE(SaidInOrder(u8"珍しいものも色々あるヨ", u8"まだ買うカ？", u8"まだ買うカ？",
                            u8"まいどありネ"));
    EXPECT_EQ(lines.front().speaker, 7);
    EXPECT_EQ(game().screens().id(), kScreenMainCommands);

    goods.clear();
    ASSERT_TRUE(Play(StoryEvent::kMerchantPans, {u8"はい", u8"いいえ"}));
    EXPECT_EQ(shop_screens, (std::vector<int>{kScreenToolShop}));
    EXPECT_EQ(goods, (std::vector<int>{9}));
    EXPECT_TRUE(SaidInOrder(u8"珍しいナベがあるヨ", u8"まだ買うアルカ？", u8"まいどありアルヨ"));

    ASSERT_TRUE(Play(StoryEvent::kMerchantBeans, {u8"いいえ"}));
    EXPECT_TRUE(shop_screens.empty());
    EXPECT_EQ(Texts().back(), testing_support::Utf8(u8"それは残念ネ"));
    ASSERT_TRUE(Play(StoryEvent::kMerchantLuckyGoods, {u8"はい", u8"いいえ"}));
    EXPECT_EQ(goods.back(), 7);
}

TEST_F(VisitTest, TheOddCustomersFortyOrdersAreAllDifferent) {
    std::set<std::string> orders;
    for (int noun = 0; noun < 10; ++noun) {
        for (int ending = 0; ending < 4; ++ending) {
            ASSERT_TRUE(PlaySeeded(StoryEvent::kOddOrderCustomer,
                                   [&] { return Rand() % 10 == noun && Rand() % 4 == ending; }));
            ASSERT_EQ(lines.size(), 2u);
            EXPECT_EQ(lines.front().speaker, 19);
            EXPECT_EQ(lines.back(), Line(u8"ありません！", 1, 4));
            orders.insert(lines.front().text);
        }
    }
    EXPECT_EQ(orders.size(), 40u);
    EXPECT_TRUE(orders.count(testing_support::Utf8(u8"『高枝切りバサミ』持って来い")));
    EXPECT_TRUE(orders.count(testing_support::Utf8(u8"『トリカブト』いっちょー")));
}

TEST_F(VisitTest, TheNeighboursVegetableJoinsThePantryFoodOfItsKind) {
    const char8_t* vegetables[] = {u8"ニンジン", u8"レンコン", u8"キャベツ", u8"ピーマン",
                                   u8"ナス",     u8"ダイコン", u8"もやし",   u8"白菜",
                                   u8"ミント",   u8"ネギ"};
    play.AddToPantry(u8"キャベツ", 2.0f);
    const std::size_t rows = play.kitchen().pantry().size();
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(PlaySeeded(StoryEvent::kNeighbourGift, [&] { return Rand() % 10 == i; }));
        EXPECT_EQ(lines.front().speaker, 8);
        EXPECT_EQ(Texts().back(), testing_support::Utf8(vegetables[i]) +
                                      testing_support::Utf8(u8"を 5ヶ もらいました"));
        ASSERT_NE(InPantry(vegetables[i]), nullptr);
        EXPECT_FLOAT_EQ(InPantry(vegetables[i])->amount, i == 2 ? 7.0f : 5.0f);
    }
    EXPECT_EQ(play.kitchen().pantry().size(), rows + 9) << "キャベツ kept its one row";
}

}  // namespace
