// Owning items: their lasting effects, taking them back, the owned count and the slots.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/economy/item_table.h"
#include "game/economy/owned_items.h"
#include "tests/economy/economy_fixture.h"

namespace {

using economy_test::EconomyTest;

struct Effects {
    float recovery = 1.0f, fatigue = 1.0f, cooking_time = 1.0f, customers = 1.0f;
    std::uint8_t recipe_book = 0, food_book = 0;
};

Effects EffectsOf(const PlayState& state) {
    return {state.recovery_factor,
            state.fatigue_factor,
            state.cooking_time_factor,
            state.customer_factor,
            state.owned_item_flags[kOwnedRecipeBook],
            state.owned_item_flags[kOwnedFoodBook]};
}

void ExpectEffects(const PlayState& state, const Effects& want, const std::string& label) {
    const Effects got = EffectsOf(state);
    EXPECT_FLOAT_EQ(got.recovery, want.recovery) << label;
    EXPECT_FLOAT_EQ(got.fatigue, want.fatigue) << label;
    EXPECT_FLOAT_EQ(got.cooking_time, want.cooking_time) << label;
    EXPECT_FLOAT_EQ(got.customers, want.customers) << label;
    EXPECT_EQ(got.recipe_book, want.recipe_book) << label;
    EXPECT_EQ(got.food_book, want.food_book) << label;
}

TEST(OwnedItems, EachEffectMovesOnlyOneWayWhateverTheOrder) {
    struct Case {
        std::vector<const char*> given;
        Effects want;
    } cases[] = {
        {{"テキパキ絨毯", "韋駄天絨毯"}, {.cooking_time = 0.5f}},
        {{"韋駄天絨毯", "テキパキ絨毯"}, {.cooking_time = 0.5f}},
        {{"テキパキ絨毯"}, {.cooking_time = 0.75f}},
        {{"天使のベッド", "ふかふかベッド"}, {.recovery = 1.4f}},
        {{"ふかふかベッド"}, {.recovery = 1.2f}},
        {{"ヒーリングライト", "アロマボトル"}, {.fatigue = 0.6f}},
        {{"アロマボトル"}, {.fatigue = 0.8f}},
        {{"七福神", "招き猫"}, {.customers = 1.4f}},
        {{"招き猫"}, {.customers = 1.2f}},
        {{"レシピ帳", "食材図鑑"}, {.recipe_book = 1, .food_book = 1}},
        {{"包丁", "看板娘だすき", "魔女の冷蔵庫", "ない品物"}, {}},
    };
    for (const Case& c : cases) {
        PlayState state;
        CItemBag bag;
        std::string label;
        for (const char* name : c.given) {
            GiveItem(state, bag, name, 1);
            label += std::string(name) + " ";
        }
        ExpectEffects(state, c.want, label);
    }
}

TEST_F(EconomyTest, GivingAHeldItemAddsToItsCountAndAnUnknownOneGivesNothing) {
    GiveItem(state, bag, "包丁", 1);
    GiveItem(state, bag, "包丁", 2);
    GiveItem(state, bag, "包丁もどき", 1);
    ASSERT_EQ(bag.GetSize(), 1);
    EXPECT_EQ(BagCount("包丁"), 3);
    EXPECT_EQ(bag.GetItemAt(0)->id, 0);
    EXPECT_EQ(bag.GetItemAt(0)->kind, kItemUtensil);
}

TEST_F(EconomyTest, AnEffectLastsOnlyWhileItsItemIsOwned) {
    GiveItem(state, bag, "テキパキ絨毯", 1);
    GiveItem(state, bag, "韋駄天絨毯", 2);
    GiveItem(state, bag, "レシピ帳", 1);
    std::unique_ptr<CItem> fast = CreateItemByName("韋駄天絨毯");

    EXPECT_FALSE(RemoveOwnedItem(state, bag, *fast, 3));  // more than held: nothing changes
    EXPECT_FLOAT_EQ(state.cooking_time_factor, 0.5f);
    EXPECT_TRUE(RemoveOwnedItem(state, bag, *fast, 1));  // one still owned
    EXPECT_FLOAT_EQ(state.cooking_time_factor, 0.5f);
    EXPECT_TRUE(RemoveOwnedItem(state, bag, *fast, 1));
    EXPECT_FLOAT_EQ(state.cooking_time_factor, 0.75f);
    EXPECT_EQ(state.owned_item_flags[kOwnedRecipeBook], 1);

    // The bag's own record may be the one handed back.
    EXPECT_TRUE(RemoveOwnedItem(state, bag, *bag.GetItemAt(0), 1));
    EXPECT_FLOAT_EQ(state.cooking_time_factor, 1.0f);

    ClearItemBag(state, bag);
    EXPECT_EQ(bag.GetSize(), 0);
    ExpectEffects(state, {}, "cleared");
}

TEST_F(EconomyTest, SellingTheFastCarpetAloneGoesBackToFullTime) {
    GiveItem(state, bag, "韋駄天絨毯", 1);
    std::unique_ptr<CItem> fast = CreateItemByName("韋駄天絨毯");
    ASSERT_TRUE(RemoveOwnedItem(state, bag, *fast, 1));
    EXPECT_FLOAT_EQ(state.cooking_time_factor, 1.0f);
}

TEST_F(EconomyTest, RebuildingAfterLoadingAppliesEveryBagItemAgain) {
    GiveItem(state, bag, "天使のベッド", 1);
    GiveItem(state, bag, "招き猫", 1);
    state.recovery_factor = 3.0f;  // left over from another play-through
    state.fatigue_factor = 0.1f;
    RebuildOwnedItemEffects(state, bag);
    ExpectEffects(state, {.recovery = 1.4f, .customers = 1.2f}, "rebuilt");
}

TEST_F(EconomyTest, TheOwnedCountAddsWornItemsToTheBag) {
    std::unique_ptr<CItem> apron = CreateItemByName("エプロン");
    EXPECT_EQ(OwnedCount(state, bag, *apron), 0);
    Wear(kEquipClothing, "エプロン");
    EXPECT_EQ(OwnedCount(state, bag, *apron), 1);  // worn, absent from the bag

    std::unique_ptr<CItem> scarf = CreateItemByName("赤いスカーフ");
    GiveItem(state, bag, "赤いスカーフ", 2);
    Wear(kEquipAccessory1, "赤いスカーフ");
    Wear(kEquipAccessory2, "赤いスカーフ");
    EXPECT_EQ(OwnedCount(state, bag, *scarf), 4);
    EXPECT_EQ(OwnedCount(state, bag, *apron), 1);
}

TEST_F(EconomyTest, OnlyTheEightSlotsCanBeReached) {
    for (int slot = 0; slot < kEquipSlotCount; ++slot)
        EXPECT_EQ(EquipSlot(state, slot), &state.equipped[static_cast<std::size_t>(slot)]);
    EXPECT_EQ(EquipSlot(state, -1), nullptr);
    EXPECT_EQ(EquipSlot(state, kEquipSlotCount), nullptr);
}

}  // namespace
