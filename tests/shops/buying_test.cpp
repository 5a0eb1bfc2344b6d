// Buying by quantity in a food shop and at the stock exchange: deciding a row, entering how
// many, paying, and the ways out.
#include <algorithm>

#include "game/economy/shares.h"
#include "tests/shops/shops_fixture.h"

namespace {

using namespace shops_test;

constexpr int kGeneralStore = 4;  // 砂糖, ミルク, 小麦粉, 米

class BuyingTest : public ShopsTest {
protected:
    void OpenFoodShop() {
        game.world().goods_in_use = kGeneralStore;
        game.screens().Push(kScreenFoodShop);
    }
    bool EntryRuns() { return world.mediator().IsRunning(&game.stage().number_entry()); }
    // Where the number entry stands: its OK button is drawn 60 pixels right of it.
    std::pair<int, int> EntryPlace() {
        for (const DrawOp& op : world.recorder.OfKind(DrawOp::Kind::Text))
            if (op.text == title_test::Sjis(u8"決定")) return {op.x - 60, op.y};
        return {-1, -1};
    }
    void EnterQuantity(int quantity) {
        for (int i = 0; i < quantity; ++i) world.Tap(kUp);
        world.Tap(kDecide);
    }
};

TEST_F(BuyingTest, TheFoodShopSellsTheEnteredQuantityIntoThePantry) {
    SetMoney(10000);
    const int price = FindFoodDef("砂糖")->price;
    const float held = Held("砂糖");
    OpenFoodShop();
    EXPECT_EQ(Message(), "何を買いますか？");
    ASSERT_EQ(game.stage().entry_count(), 4);
    EXPECT_EQ(game.stage().entries()[0].label, "砂糖");
    EXPECT_EQ(game.stage().entries()[0].second_text, std::to_string(price) + " クル");

    world.Tap(kDecide);
    ASSERT_TRUE(EntryRuns());
    EXPECT_EQ(Message(), "いくつ買いますか？");
    EXPECT_EQ(game.stage().number_entry().GetMaximum(), 10000 / price);
    EnterQuantity(3);

    EXPECT_EQ(game.screens().id(), kScreenWaitForMessage);
    EXPECT_EQ(Message(), "『砂糖』を 3 ヶ買いました");
    EXPECT_EQ(game.state().money, 10000 - 3 * price);
    EXPECT_EQ(game.state().expenses, 3 * price);
    EXPECT_FLOAT_EQ(Held("砂糖"), held + 3.0f);
    // Once read, the goods are listed again.
    ASSERT_TRUE(DecideUntilScreen(kScreenFoodShop));
    EXPECT_TRUE(world.mediator().IsRunning(&game.stage().list_window()));
}

TEST_F(BuyingTest, NoQuantityOrACancelledEntryListsTheGoodsAgain) {
    SetMoney(10000);
    OpenFoodShop();
    for (int button : {kDecide, kCancel}) {
        SCOPED_TRACE(button);
        world.Tap(kDecide);
        ASSERT_TRUE(EntryRuns());
        world.Tap(button);
        EXPECT_FALSE(EntryRuns());
        EXPECT_EQ(game.screens().id(), kScreenFoodShop);
        EXPECT_TRUE(world.mediator().IsRunning(&game.stage().list_window()));
        EXPECT_EQ(game.state().money, 10000);
    }
}

TEST_F(BuyingTest, TooLittleMoneySaysSoAndOpensNoEntry) {
    const int price = FindFoodDef("砂糖")->price;
    SetMoney(10000);
    OpenFoodShop();
    // The money runs short while the list is open.
    SetMoney(price - 1);
    world.Tap(kDecide);
    EXPECT_FALSE(EntryRuns());
    EXPECT_EQ(Message(), "お金が足りません");
    EXPECT_EQ(game.screens().id(), kScreenFoodShop);
    // The list was rebuilt: the row is grey now.
    EXPECT_FALSE(game.stage().entries()[0].enabled);
}

TEST_F(BuyingTest, TheMostThatCanBeBoughtIsTheMoneyOverThePrice) {
    struct Case {
        int price, money, most;
    };
    const Case kCases[] = {
        {30, 100, 3},
        {100, 100, 1},
        // Goods given away: one for each piece of money, not a division by zero.
        {0, 250, 250},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.price);
        FindFoodDef("砂糖")->price = c.price;
        SetMoney(c.money);
        OpenFoodShop();
        world.Tap(kDecide);
        ASSERT_TRUE(EntryRuns());
        EXPECT_EQ(game.stage().number_entry().GetMaximum(), c.most);
        world.Tap(kCancel);
        game.screens().Pop();
    }
}

TEST_F(BuyingTest, TheFoodShopsEntryStandsBesideTheRowAsShownTheExchangesAsListed) {
    SetMoney(1000000);
    game.state().share_flags[kShareSoySauce] = 1;
    struct Case {
        int screen;
        int x, y;
    };
    // The second row, with the list scrolled by one row.
    const Case kCases[] = {
        {kScreenFoodShop, 260, 85},
        {kScreenStockExchange, 280, 85 + 32},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.screen);
        game.world().goods_in_use = kGeneralStore;
        game.screens().Push(c.screen);
        game.stage().list_window().SetTop(1);
        world.Tap(kDown);
        world.Tap(kDecide);
        ASSERT_TRUE(EntryRuns());
        EXPECT_EQ(EntryPlace(), std::make_pair(c.x, c.y));
        world.Tap(kCancel);
        game.screens().Pop();
    }
}

TEST_F(BuyingTest, CancelLeavesTheShopTheFoodShopFromItsFirstRow) {
    struct Case {
        int screen;
        int top_after;
    };
    const Case kCases[] = {{kScreenFoodShop, 0}, {kScreenStockExchange, 1}};
    game.state().share_flags[kShareSake] = 1;
    game.screens().Push(kScreenShopList);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.screen);
        game.world().goods_in_use = kGeneralStore;
        game.screens().Push(c.screen);
        world.Tap(kDown);
        game.stage().list_window().SetTop(1);
        world.Tap(kCancel);
        EXPECT_EQ(game.screens().id(), kScreenShopList);
        EXPECT_EQ(game.stage().list_window().GetTop(), c.top_after);
    }
}

TEST_F(BuyingTest, TheExchangeListsTheSharesOnSaleAndPutsBoughtOnesInTheBag) {
    SetMoney(100000);
    game.state().share_flags[kShareMiso] = 1;
    game.screens().Push(kScreenStockExchange);
    EXPECT_EQ(Message(), "どの銘柄を買いますか？");
    ASSERT_EQ(game.stage().entry_count(), 2);
    EXPECT_EQ(game.stage().entries()[0].label, "甘粉商事株");
    EXPECT_EQ(game.stage().entries()[0].second_text, "4000 クル");
    EXPECT_EQ(game.stage().entries()[1].label, "米丸味噌株");

    world.Tap(kDown);
    world.Tap(kDecide);
    ASSERT_TRUE(EntryRuns());
    EXPECT_EQ(game.stage().number_entry().GetMaximum(), 100000 / 15000);
    EnterQuantity(2);
    EXPECT_EQ(Message(), "『米丸味噌株』を 2 ヶ買いました");
    EXPECT_EQ(BagCount("米丸味噌株"), 2);
    EXPECT_EQ(game.state().money, 100000 - 30000);
}

TEST_F(BuyingTest, GoodsBeyondTheMoneyAreGrey) {
    SetMoney(FindFoodDef("ミルク")->price);
    OpenFoodShop();
    for (const MenuEntry& entry : game.stage().entries())
        EXPECT_EQ(entry.enabled != 0, FindFoodDef(entry.label)->price <= game.state().money)
            << entry.label;
}

}  // namespace
