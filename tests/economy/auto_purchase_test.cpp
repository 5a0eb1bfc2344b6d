// The morning purchase for the menu's restock counts.
#include <gtest/gtest.h>

#include "game/economy/auto_purchase.h"
#include "tests/economy/economy_fixture.h"

namespace {

class AutoPurchaseTest : public economy_test::EconomyTest {
protected:
    AutoPurchaseTest() {
        SetMoney(10000);
        dish = Entry("スープ", "洋食");
    }
    void SetMoney(int money) {
        values.SetValue("money", money, true);
        state.money = money;
    }
    bool Purchase() { return AutoPurchase(state, kitchen, values); }
    MenuDish* Restocked(FoodDef* def, int restock) {
        MenuDish* dish = OnMenu(def);
        dish->restock = restock;
        return dish;
    }
    FoodDef* OnSale(const char* name, int price) {
        FoodDef* def = Entry(name, "野菜", 10, price);
        def->mastered = 1;
        return def;
    }

    FoodDef* dish = nullptr;
    CQZSharedData values;
};

TEST_F(AutoPurchaseTest, WholeUnitsAreBoughtForWhatTheStockLacks) {
    struct Case {
        float stock, amount;
        int restock;
        float bought;
    } cases[] = {
        {0.0f, 2.005f, 1, 2.0f},                         // 2.005 + 0.99 truncates to 2
        {0.0f, 2.02f, 1, 3.0f},  {0.5f, 1.0f, 2, 2.0f},  // 1.5 short
        {3.0f, 1.0f, 2, 0.0f},                           // the stock covers it
        {2.0f, 1.0f, 2, 0.0f},                           // exactly
        {0.0f, 0.005f, 1, 0.0f},  // too little to buy a unit of: not a free one either
    };
    for (const Case& c : cases) {
        kitchen.pantry().clear();
        kitchen.menu.clear();
        ClearFoodCatalogue();
        SetMoney(10000);
        FoodDef* onion = OnSale("タマネギ", 100);
        FoodDef* soup = Entry("スープ", "洋食");
        if (c.stock > 0.0f) Stock(onion, c.stock);
        Part(Restocked(soup, c.restock)->children, onion, c.amount);

        EXPECT_TRUE(Purchase()) << c.amount;
        EXPECT_FLOAT_EQ(Held("タマネギ"), c.stock + c.bought) << c.amount;
        EXPECT_EQ(state.money, 10000 - static_cast<int>(c.bought) * 100) << c.amount;
    }
}

TEST_F(AutoPurchaseTest, NoRestockCountBuysNothingAndSaysSo) {
    FoodDef* onion = OnSale("タマネギ", 100);
    Part(Restocked(dish, 0)->children, onion, 1.0f);
    EXPECT_FALSE(Purchase());
    EXPECT_TRUE(kitchen.pantry().empty());
    EXPECT_EQ(state.money, 10000);
}

TEST_F(AutoPurchaseTest, WhatCannotBePaidForIsSkippedAndTheRestBought) {
    FoodDef* truffle = OnSale("トリュフ", 6000);
    FoodDef* onion = OnSale("タマネギ", 100);
    MenuDish* soup = Restocked(dish, 2);
    Part(soup->children, truffle, 1.0f);  // 12000: too dear
    Part(soup->children, onion, 1.0f);
    EXPECT_TRUE(Purchase());
    EXPECT_FLOAT_EQ(Held("トリュフ"), 0.0f);
    EXPECT_FLOAT_EQ(Held("タマネギ"), 2.0f);
    EXPECT_EQ(state.money, 9800);
    EXPECT_EQ(state.expenses, 200);
}

TEST_F(AutoPurchaseTest, DishesShareTheStockAndThePantryKeepsIt) {
    FoodDef* onion = OnSale("タマネギ", 100);
    Stock(onion, 3.0f);
    Part(Restocked(dish, 2)->children, onion, 1.0f);
    Part(Restocked(Entry("サラダ", "洋食"), 1)->children, onion, 2.0f);
    EXPECT_TRUE(Purchase());
    // The stock counts once: the second dish buys what the first left short. Purchases and
    // stock are both still in the real pantry.
    EXPECT_FLOAT_EQ(Held("タマネギ"), 4.0f);
    EXPECT_EQ(state.money, 9900);
}

TEST_F(AutoPurchaseTest, APartNotOnSaleIsBoughtForThroughItsOwnParts) {
    FoodDef* onion = OnSale("タマネギ", 100);
    FoodDef* broth = Entry("ブイヨン", "調味料");
    Stock(broth, 2.0f);
    FoodNode* part = Part(Restocked(dish, 3)->children, broth, 2.0f);
    Part(part->children, onion, 0.5f);
    // 6 broth needed, 2 held: the 4 missing are 2 × the broth's parts, one onion.
    EXPECT_TRUE(Purchase());
    EXPECT_FLOAT_EQ(Held("タマネギ"), 1.0f);
    EXPECT_FLOAT_EQ(Held("ブイヨン"), 2.0f);
    EXPECT_EQ(state.money, 9900);
}

TEST_F(AutoPurchaseTest, APartOfNoAmountNeedsNothing) {
    FoodDef* onion = OnSale("タマネギ", 100);
    FoodDef* broth = Entry("ブイヨン", "調味料");
    FoodNode* part = Part(Restocked(dish, 3)->children, broth, 0.0f);
    Part(part->children, onion, 0.5f);
    Part(Restocked(Entry("サラダ", "洋食"), 1)->children, onion, 0.0f);
    EXPECT_TRUE(Purchase());
    EXPECT_TRUE(kitchen.pantry().empty());
    EXPECT_EQ(state.money, 10000);
}

TEST_F(AutoPurchaseTest, BuyingOneNodeSaysWhetherItsNeedIsMet) {
    FoodDef* onion = OnSale("タマネギ", 4000);
    FoodNode node(onion, 1.0f, 10, 100, 0, 1);
    Pantry scratch;
    EXPECT_TRUE(BuyForNode(state, kitchen, scratch, node, 2.0f, values));   // 8000 of 10000
    EXPECT_FALSE(BuyForNode(state, kitchen, scratch, node, 1.0f, values));  // 4000 of 2000
    EXPECT_FLOAT_EQ(Held("タマネギ"), 2.0f);
    scratch.push_back(Food::FromDef(onion));
    EXPECT_TRUE(BuyForNode(state, kitchen, scratch, node, 1.0f, values));  // from the stock
    EXPECT_EQ(state.money, 2000);
}

}  // namespace
