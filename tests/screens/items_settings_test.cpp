// Owned items, equipment, the pawn shop and the settings.
#include <memory>
#include <string>
#include <vector>

#include "engine/framework/devices.h"
#include "engine/sound/direct_show.h"
#include "engine/sound/direct_sound.h"
#include "game/economy/item_table.h"
#include "game/economy/owned_items.h"
#include "game/screens/play_lists.h"
#include "tests/screens/screens_fixture.h"

namespace {

using namespace screens_test;

void AddItem(CItemBag& bag, const char* name, int kind, int price, int count) {
    auto* item = new CItem;
    item->SetName(name);
    item->kind = kind;
    item->price = price;
    bag.AddItem(item, count);
}

std::vector<std::string> RowLabels(const std::vector<MenuEntry>& entries) {
    std::vector<std::string> labels;
    for (const MenuEntry& entry : entries) labels.push_back(entry.label);
    return labels;
}

TEST_F(PlayScreenTest, OwnedItemsSortByBagNameBytesOrKind) {
    CItemBag& bag = Bag();
    bag.Clear();
    // A half-width name, ASCII, and two full-width names of different lead bytes.
    AddItem(bag, "包丁", kItemUtensil, 500, 1);
    AddItem(bag, "ｶﾞｰﾄﾞ", kItemAccessory, 1, 2);
    AddItem(bag, "Zero", kItemProperty, 1, 3);
    AddItem(bag, "エプロン", kItemClothing, 1, 4);
    struct Case {
        int order;
        std::vector<std::string> labels;
    };
    const Case kCases[] = {
        {0, {"包丁", "ｶﾞｰﾄﾞ", "Zero", "エプロン"}},
        {1, {"Zero", "エプロン", "包丁", "ｶﾞｰﾄﾞ"}},
        {2, {"Zero", "エプロン", "ｶﾞｰﾄﾞ", "包丁"}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.order);
        std::vector<MenuEntry> entries;
        ASSERT_EQ(BuildOwnedItemRows(bag, c.order, entries), 4);
        EXPECT_EQ(RowLabels(entries), c.labels);
        // Each row still names its bag position and count.
        for (const MenuEntry& entry : entries)
            EXPECT_EQ(entry.second_text, std::to_string(bag.GetEntryAt(entry.value)->count));
    }

    // Virtual button 6 steps the order on the screen and the list follows.
    game.screens().Push(kScreenOwnedItems);
    EXPECT_EQ(Labels(), kCases[0].labels);
    PressKey(platform::vk::kNumpad3);
    EXPECT_EQ(game.state().align_type, 1);
    EXPECT_EQ(Labels(), kCases[1].labels);
    EXPECT_TRUE(game.stage().icon_buttons()[1].IsPressed());
    EXPECT_FALSE(game.stage().icon_buttons()[0].IsPressed());
    world.Tap(main_test::kCancel);
    EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands}));
}

TEST_F(PlayScreenTest, EquipmentIsWornSwappedAndTakenOff) {
    GiveItem(game.state(), game.mediator().items(), "デニムエプロン", 1);
    game.screens().Push(kScreenEquipment);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"防具　エプロン", "靴　　革の靴",
                                                  "装飾　赤いスカーフ", "装飾　"}));
    // Swap: the new apron leaves the bag, the old one goes back into it.
    Choose(0);
    EXPECT_EQ(Message(), "交換する装備品を選んでください");
    EXPECT_EQ(Labels(), (std::vector<std::string>{"", "デニムエプロン"}));
    Choose(1);
    EXPECT_EQ(Labels()[0], "防具　デニムエプロン");
    EXPECT_EQ(Bag().FindItemIndex("デニムエプロン"), -1);
    EXPECT_NE(Bag().FindItemIndex("エプロン"), -1);
    EXPECT_EQ(game.screens().cursor(), 0);

    // Take off: the empty row.
    Choose(0);
    Choose(0);
    EXPECT_EQ(Labels()[0], "防具　");
    EXPECT_FALSE(game.state().equipped[kEquipClothing]);
    EXPECT_NE(Bag().FindItemIndex("デニムエプロン"), -1);

    // Wear into the empty accessory slot; cancelling the candidates keeps the slot's row.
    GiveItem(game.state(), game.mediator().items(), "銀の髪飾り", 1);
    Choose(3);
    world.Tap(main_test::kCancel);
    EXPECT_EQ(game.screens().cursor(), 3);
    EXPECT_EQ(Labels()[3], "装飾　");
    Choose(3);
    // The worn scarf is not in the bag; only the hair clip is offered.
    ASSERT_EQ(Labels(), (std::vector<std::string>{"", "銀の髪飾り"}));
    Choose(1);
    EXPECT_EQ(Labels()[3], "装飾　銀の髪飾り");
    EXPECT_EQ(Bag().FindItemIndex("銀の髪飾り"), -1);
}

TEST_F(PlayScreenTest, EachSettingGivesItsValueAndReturnsToTheSettings) {
    struct Case {
        int setting;
        int row;
        int value;
    };
    const Case kCases[] = {
        {0, 0, 4},   {0, 1, 2},  {0, 2, 1},              // text speed
        {1, 0, 100}, {1, 1, 75}, {1, 2, 60}, {1, 3, 0},  // music
        {2, 0, 100}, {2, 1, 75}, {2, 2, 60}, {2, 3, 0},  // effects
    };
    game.screens().Push(kScreenSettings);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"文字表示速度", "音楽の音量", "効果音の音量"}));
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::to_string(c.setting) + "/" + std::to_string(c.row));
        Choose(c.setting);
        EXPECT_EQ(Labels().size(), c.setting == 0 ? 3u : 4u);
        Choose(c.row);
        EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands, kScreenSettings}));
        EXPECT_EQ(game.screens().cursor(), c.setting);
        if (c.setting == 0) {
            EXPECT_EQ(game.state().text_speed, c.value);
        }
        if (c.setting == 1) {
            EXPECT_EQ(game.stage().music_volume(), c.value);
            EXPECT_EQ(GetDirectShow()->GetVolume(), c.value);
        }
        if (c.setting == 2) {
            EXPECT_EQ(game.stage().effect_volume(), c.value);
            EXPECT_EQ(GetDirectSound()->GetVolume(), c.value);
        }
    }
    world.Tap(main_test::kCancel);
    EXPECT_EQ(StackIds(), (std::vector<int>{kScreenMainCommands}));
}

}  // namespace
