// Shares: the morning's deliveries and which company can be founded next.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/economy/owned_items.h"
#include "game/economy/shares.h"
#include "game/rules/pantry.h"
#include "tests/economy/economy_fixture.h"

namespace {

class SharesTest : public economy_test::EconomyTest {
protected:
    SharesTest() {
        for (const ShareRecord& share : ShareTable()) Entry(share.product, "調味料");
    }
    // A recipe of the book whose dish is an entry under `parent`.
    Recipe* Known(const char* name, const FoodCategory* parent, bool known = true) {
        auto recipe = std::make_unique<Recipe>();
        recipe->name = name;
        recipe->def = Entry(name, parent);
        recipe->def->known = known;
        book.recipes.push_back(std::move(recipe));
        return book.recipes.back().get();
    }

    RecipeBook book;
};

TEST_F(SharesTest, EachAvailableShareDeliversOneUnitPerShareHeld) {
    EXPECT_FALSE(DeliverShareGoods(state, kitchen, bag));  // none owned
    EXPECT_TRUE(kitchen.pantry().empty());

    GiveItem(state, bag, "甘粉商事株", 3);
    GiveItem(state, bag, "黒樽醤油株", 2);  // not founded yet
    EXPECT_TRUE(DeliverShareGoods(state, kitchen, bag));
    EXPECT_FLOAT_EQ(Held("砂糖"), 3.0f);
    EXPECT_FLOAT_EQ(Held("醤油"), 0.0f);

    state.share_flags[kShareSoySauce] = 1;
    kitchen.UseContestPantry();  // into the pantry in use
    EXPECT_TRUE(DeliverShareGoods(state, kitchen, bag));
    EXPECT_FLOAT_EQ(Held("砂糖"), 3.0f);
    EXPECT_FLOAT_EQ(Held("醤油"), 2.0f);
    EXPECT_EQ(BagCount("甘粉商事株"), 3);  // shares are not used up
}

TEST_F(SharesTest, OnlyTheStockExchangeFlagDoesNotMakeAShareAvailable) {
    GiveItem(state, bag, "黒樽醤油株", 1);
    state.share_flags[kShareExchange] = 1;
    EXPECT_FALSE(DeliverShareGoods(state, kitchen, bag));
    EXPECT_TRUE(IsShareAvailable(state, ShareTable()[0]));
    for (int i = 1; i < kShareCount; ++i)
        EXPECT_FALSE(IsShareAvailable(state, ShareTable()[static_cast<std::size_t>(i)])) << i;
}

TEST_F(SharesTest, ACompanyCanBeFoundedForAKnownKindOfItsProduct) {
    Known("トマト", FindFoodCategory("野菜"));
    Known("味噌汁", FindFoodDef("味噌"), false);  // not known yet
    EXPECT_EQ(FindFoundableShare(state, book), nullptr);

    Known("照り焼きのたれ", FindFoodDef("醤油"));
    const ShareRecord* share = FindFoundableShare(state, book);
    ASSERT_NE(share, nullptr);
    EXPECT_STREQ(share->company, "黒樽醤油株");

    state.share_flags[kShareSoySauce] = 1;  // founded
    EXPECT_EQ(FindFoundableShare(state, book), nullptr);
    book.recipes[1]->def->known = 1;
    share = FindFoundableShare(state, book);
    ASSERT_NE(share, nullptr);
    EXPECT_STREQ(share->company, "米丸味噌株");

    state.share_flags.fill(1);
    Known("酢", FindFoodCategory("調味料"));
    EXPECT_EQ(FindFoundableShare(state, book), nullptr);
}

}  // namespace
