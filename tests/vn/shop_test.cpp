// The shop dialogue: buy and sell lists, the quantity entry on the chosen row, cancelling.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/data/item.h"
#include "engine/framework/shop_event.h"
#include "tests/vn/vn_world.h"

namespace {

using namespace vn_test;

class Shop : public ::testing::Test {
protected:
    CItem* Make(const char* name, int price) {
        items.push_back(std::make_unique<CItem>());
        items.back()->SetName(name);
        items.back()->price = price;
        goods.push_back(items.back().get());
        return items.back().get();
    }
    void OpenBuy(int money) {
        shop.SetUnit("クル");
        shop.list().SetSize(256, 36);
        shop.BuildBuyList(false, 1.0f, &goods, &index, 8, money);
        ASSERT_TRUE(shop.Start(&handle));
        world.Frames(1);
    }
    CInputNumberEvent& entry() { return shop.quantity_entry(); }
    bool Running(CGameEvent& event) { return world.mediator().IsRunning(&event); }

    VnWorld world;
    std::vector<std::unique_ptr<CItem>> items;
    std::vector<CItem*> goods;
    CShopEvent shop;
    int index = 0;
    WaitHandle handle;
};

TEST_F(Shop, MoneyBelowEveryPriceGreysEveryRowAndCancelEndsWithZero) {
    Make("pan", 10);
    Make("pot", 20);
    OpenBuy(5);
    for (const MenuEntry& entry : shop.entries()) EXPECT_FALSE(entry.enabled);
    world.Tap(kDecide);
    EXPECT_FALSE(Running(entry()));
    EXPECT_FALSE(handle.IsDone());
    world.Tap(kCancel);
    EXPECT_TRUE(handle.IsDone());
    EXPECT_EQ(shop.GetResultQuantity(), 0);
    EXPECT_FALSE(Running(shop.list()));
}

TEST_F(Shop, DecideThreeDecideBuysThreeOfTheRow) {
    Make("pan", 10);
    CItem* pot = Make("pot", 20);
    OpenBuy(100);
    EXPECT_EQ(testing_support::Utf8(u8"20 クル"), Utf8Of(shop.entries()[1].second_text));
    world.Tap(kDown);
    world.Tap(kDecide);
    ASSERT_TRUE(Running(entry()));
    EXPECT_EQ(entry().GetMaximum(), 5);  // 100 / 20
    EXPECT_FALSE(shop.list().IsCursorShown());
    EXPECT_TRUE(Running(shop.list()));  // frozen under the entry
    world.Frames(1);
    // The entry stands on the chosen row.
    const DrawOp* zero = world.FindText(u8"0");
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->x, 260 + 40);
    EXPECT_EQ(zero->y, 85 + 32);
    for (int i = 0; i < 3; ++i) world.Tap(kUp);
    EXPECT_EQ(index, 1);  // the frozen list ignores the keys
    world.Tap(kDecide);
    EXPECT_TRUE(handle.IsDone());
    EXPECT_EQ(shop.GetResultQuantity(), 3);
    EXPECT_EQ(shop.GetSelectedItem(), pot);
}

TEST_F(Shop, QuantityStopsAtWhatTheMoneyBuys) {
    Make("pot", 20);
    OpenBuy(100);
    world.Tap(kDecide);
    for (int i = 0; i < 7; ++i) world.Tap(kUp);
    EXPECT_EQ(entry().GetValue(), 5);
}

TEST_F(Shop, CancelInsideTheEntryGoesBackToTheList) {
    Make("pan", 10);
    Make("pot", 20);
    OpenBuy(100);
    world.Tap(kDecide);
    ASSERT_TRUE(Running(entry()));
    world.Tap(kCancel);
    EXPECT_FALSE(Running(entry()));
    EXPECT_FALSE(handle.IsDone());
    EXPECT_TRUE(Running(shop));
    EXPECT_TRUE(shop.list().IsCursorShown());
    // Its mouse is back: the pointer picks a row again.
    world.Point(22 + 5, 62 + 32 + 5);
    world.Frames(2);
    EXPECT_EQ(index, 1);
    // Entering 0 also goes back.
    world.Tap(kDecide);
    ASSERT_TRUE(Running(entry()));
    world.Tap(kDecide);
    EXPECT_FALSE(handle.IsDone());
    EXPECT_TRUE(Running(shop.list()));
    world.Tap(kCancel);
    EXPECT_TRUE(handle.IsDone());
    EXPECT_EQ(shop.GetResultQuantity(), 0);
}

TEST_F(Shop, FreeGoodsAreLimitedByTheEntryOnly) {
    Make("leaf", 0);
    OpenBuy(0);
    EXPECT_TRUE(shop.entries()[0].enabled);
    world.Tap(kDecide);
    ASSERT_TRUE(Running(entry()));
    EXPECT_EQ(entry().GetMaximum(), 0x0FFFFFFF);
    world.Tap(kUp);
    world.Tap(kDecide);
    EXPECT_EQ(shop.GetResultQuantity(), 1);
}

// The buy list enables by the money even when the caller names sell mode.
TEST_F(Shop, BuyListEnablesRowsByTheMoneyInEitherMode) {
    Make("leaf", 0);
    Make("pan", 10);
    Make("pot", 20);
    for (bool sell_mode : {false, true}) {
        shop.BuildBuyList(sell_mode, 0.5f, &goods, &index, 8, 15);
        ASSERT_EQ(shop.entries().size(), 3u);
        EXPECT_TRUE(shop.entries()[0].enabled) << sell_mode;
        EXPECT_TRUE(shop.entries()[1].enabled) << sell_mode;
        EXPECT_FALSE(shop.entries()[2].enabled) << sell_mode;
    }
}

class SellShop : public Shop {
protected:
    void Hold(const char* name, int price, int count) {
        auto item = std::make_unique<CItem>();
        item->SetName(name);
        item->price = price;
        world.mediator().items().AddItem(item.release(), count);
    }
    void OpenSell() {
        shop.SetUnit("クル");
        shop.BuildSellList(0.5f, &index, 8);
        ASSERT_TRUE(shop.Start(&handle));
        world.Frames(1);
    }
};

TEST_F(SellShop, PricesAtHalfAndFreeItemsGrey) {
    Hold("herb", 25, 4);
    Hold("stone", 0, 1);
    OpenSell();
    ASSERT_EQ(shop.entries().size(), 2u);
    EXPECT_EQ(Utf8Of(shop.entries()[0].second_text), testing_support::Utf8(u8"12 クル"));
    EXPECT_TRUE(shop.entries()[0].enabled);
    EXPECT_FALSE(shop.entries()[1].enabled);
    EXPECT_NE(world.FindText(u8"12 クル"), nullptr);
    world.Tap(kDecide);
    EXPECT_EQ(entry().GetMaximum(), 4);  // the bag's count
}

TEST_F(SellShop, RowsOutliveTheBagsItems) {
    Hold("herb", 25, 1);
    OpenSell();
    CItem* listed = shop.GetSelectedItem();
    ASSERT_NE(listed, nullptr);
    ASSERT_TRUE(world.mediator().items().RemoveItem(listed, 1));
    EXPECT_EQ(world.mediator().items().GetSize(), 0);
    world.Frames(2);
    EXPECT_STREQ(shop.GetSelectedItem()->GetName(), "herb");
    EXPECT_EQ(shop.GetSelectedItem()->price, 25);
    world.Tap(kDecide);
    EXPECT_EQ(entry().GetMaximum(), 0);
}

}  // namespace
