#include <gtest/gtest.h>

#include "game/cooking/method_menu.h"
#include "tests/cooking/cooking_fixture.h"

namespace {

class MethodMenuTest : public cooking_test::CookingTest {
protected:
    MethodMenuTest() { state.first = 0; }
    void Own(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            auto* item = new CItem;
            item->SetName(name);
            bag.AddItem(item, 1);
        }
    }
    // The entries as label=value, after building the menu for a pot of `foods` foods.
    std::vector<std::string> Build(int foods = 1) {
        pot.clear();
        for (int i = 0; i < foods; ++i) pot.push_back(Bought(vegetable));
        BuildMethodMenu(state, bag, pot, entries);
        std::vector<std::string> out;
        for (const MenuEntry& entry : entries) {
            out.push_back(entry.label + "=" + std::to_string(entry.value));
            EXPECT_EQ(entry.enabled, foods > 0 ? 1 : 0) << entry.label;
        }
        EXPECT_EQ(state.utensil_max, static_cast<int>(entries.size()));
        return out;
    }
    using Labels = std::vector<std::string>;

    FoodDef* vegetable = Entry("キャベツ", "野菜");
    PlayState state;
    CItemBag bag;
    FoodPot pot;
    std::vector<MenuEntry> entries;
};

TEST_F(MethodMenuTest, TheBestKnifeGivesOneEntryThatMixesSeveralFoods) {
    Own({"包丁", "聖なる包丁", "回復薬"});
    EXPECT_EQ(Build(1), (Labels{"加工=2", "捨てる=128"}));
    EXPECT_EQ(state.utensil_level[kSlotProcess], 3);
    EXPECT_EQ(Build(2), (Labels{"混ぜる=1", "捨てる=128"}));
    EXPECT_EQ(state.utensil_level[kSlotMix], 0);
    EXPECT_EQ(state.ferment_flag, 0);
}

TEST_F(MethodMenuTest, TheMagicJarAloneFermentsAndTheFlagStays) {
    Own({"魔法の壺"});
    EXPECT_EQ(Build(), (Labels{"発酵=64", "捨てる=128"}));
    EXPECT_EQ(state.utensil_level[kSlotFerment], 1);
    EXPECT_EQ(state.ferment_flag, 1);
    bag.Clear();
    EXPECT_EQ(Build(), (Labels{"捨てる=128"}));
    EXPECT_EQ(state.ferment_flag, 1);
}

TEST_F(MethodMenuTest, TheFirstDayAndScriptedCookingOfferNoDiscard) {
    Own({"包丁", "フライパン"});
    state.first = 1;
    EXPECT_EQ(Build(1), (Labels{"加工=2", "焼く=4"}));
    EXPECT_EQ(Build(2), (Labels{"混ぜる=1", "焼く=4"}));
    EXPECT_EQ(state.utensil_max, 2);
    state.first = 0;
    state.menu_offer_suppressed = 1;
    EXPECT_EQ(Build(1), (Labels{"加工=2", "焼く=4"}));
}

TEST_F(MethodMenuTest, EveryTierOwnedGivesEveryMethodAtItsTopTier) {
    Own({"水晶の窯", "包丁", "匠の包丁", "聖なる包丁", "エクスカリバー", "フライパン", "オーブン",
         "レンガの窯", "鉄のナベ", "銀のナベ", "金のナベ", "伝説のナベ", "オイルポット",
         "ラードポット", "ドリームポット", "神秘のポット", "魔法の壺"});
    EXPECT_EQ(Build(3),
              (Labels{"混ぜる=1", "焼く=4", "煮る=8", "揚げる=32", "発酵=64", "捨てる=128"}));
    EXPECT_EQ(state.utensil_level, (std::array<int, kMethodSlotCount>{4, 0, 4, 4, 4, 1}));
}

TEST_F(MethodMenuTest, AnEmptyPotShowsEveryEntryDisabled) {
    Own({"鉄のナベ"});
    EXPECT_EQ(Build(0), (Labels{"煮る=8", "捨てる=128"}));
    Own({"包丁"});
    EXPECT_EQ(Build(0), (Labels{"加工=2", "煮る=8", "捨てる=128"}));
}

}  // namespace
