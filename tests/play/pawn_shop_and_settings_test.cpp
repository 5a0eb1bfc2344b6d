// The pawn shop's window and the settings screens played with the buttons: selling through the
// list and the quantity entry pays half the price, and a volume chosen in play is what the
// settings hold after the player quits.
#include <gtest/gtest.h>

#include <map>

#include "engine/data/item.h"
#include "engine/framework/game_mediator.h"
#include "engine/framework/shop_event.h"
#include "game/shell/frame_settings.h"
#include "platform/virtual_keys.h"
#include "tests/support/play_harness.h"

namespace {

using namespace play_test;

class PlayedScreens : public ::testing::Test {
protected:
    void SetUp() override {
        play.Seed(5);
        ASSERT_TRUE(play.NewGame());
        play.SkipOpening();
        ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
    }
    PlayHarness play;
};

TEST_F(PlayedScreens, SellingThreeOfAnItemPaysHalfItsPriceTruncated) {
    CItem* item = play.AddToBag(u8"包丁", 5);
    ASSERT_NE(item, nullptr);
    // An odd price, so that the half of three of them has a fraction to drop.
    item->price = 1001;
    play.SetMoney(2000);
    const int owned = play.mediator().items().GetItemCount(item);

    ASSERT_TRUE(play.Choose(u8"外出する"));
    ASSERT_TRUE(play.Choose(u8"商店街"));
    ASSERT_TRUE(play.Choose(u8"質屋"));
    ASSERT_TRUE(play.RunUntilScreen(kScreenPawnShop));
    // The shop's list runs inside the shop window, so it is steered with the buttons.
    CShopEvent& shop = play.game().stage().shop_window();
    int row = -1;
    for (int i = 0; i < static_cast<int>(shop.entries().size()); ++i)
        if (shop.entries()[i].label == Sjis(u8"包丁")) row = i;
    ASSERT_GE(row, 0) << play.Report();
    for (int step = 0; step < 20 && shop.list().GetIndex() != row; ++step) play.Press(kDown);
    ASSERT_EQ(shop.list().GetIndex(), row);
    play.Press(kDecide);
    // The quantity entry opens on 0 with its cursor on the ones.
    for (int i = 0; i < 3; ++i) play.Press(kUp);
    ASSERT_EQ(play.game().stage().shop_window().quantity_entry().GetValue(), 3) << play.Report();
    play.Press(kDecide);

    ASSERT_TRUE(play.RunUntilMessage(u8"『包丁』を 3 ヶ売りました"));
    EXPECT_EQ(play.state().money, 2000 + 1501);
    EXPECT_EQ(play.mediator().GetValue("money", 0), 2000 + 1501);
    EXPECT_EQ(play.mediator().items().GetItemCount(item), owned - 3);
}

TEST_F(PlayedScreens, AQuietMusicVolumeIsInTheSettingsAfterQuitting) {
    ASSERT_TRUE(play.Choose(u8"作戦"));
    ASSERT_TRUE(play.Choose(u8"設定"));
    ASSERT_TRUE(play.Choose(u8"音楽の音量"));
    ASSERT_TRUE(play.Choose(u8"静か"));
    ASSERT_TRUE(play.RunUntilScreen(kScreenSettings));

    play.PressKey(platform::vk::kEscape);
    EXPECT_EQ(play.backend.settings.GetInt(frame_settings::kSection,
                                           frame_settings::kMusicVolume.name, -1),
              60);
}

// Each settings list opens with its cursor on what is set now, whichever list was open before.
TEST_F(PlayedScreens, SettingsListsOpenOnTheCurrentChoice) {
    struct Step {
        const char8_t* setting;
        int screen;
        const char8_t* choice;
        int row;  // the choice's row
    };
    const Step steps[] = {
        {u8"文字表示速度", kScreenTextSpeed, u8"速い", 2},
        {u8"音楽の音量", kScreenMusicVolume, u8"なし", 3},
        {u8"効果音の音量", kScreenEffectVolume, u8"静か", 2},
        {u8"文字表示速度", kScreenTextSpeed, u8"普通", 1},
        {u8"音楽の音量", kScreenMusicVolume, u8"普通", 1},
        {u8"効果音の音量", kScreenEffectVolume, u8"最大", 0},
    };
    // A new game has the slowest text and both volumes full: the first rows.
    std::map<int, int> current = {
        {kScreenTextSpeed, 0}, {kScreenMusicVolume, 0}, {kScreenEffectVolume, 0}};
    ASSERT_TRUE(play.Choose(u8"作戦"));
    ASSERT_TRUE(play.Choose(u8"設定"));
    for (const Step& step : steps) {
        SCOPED_TRACE(testing_support::Utf8(step.setting));
        ASSERT_TRUE(play.Choose(step.setting));
        ASSERT_TRUE(play.RunUntilScreen(step.screen));
        play.Frame();
        EXPECT_EQ(play.game().stage().list_window().GetIndex(), current[step.screen])
            << play.Report();
        ASSERT_TRUE(play.Choose(step.choice));
        ASSERT_TRUE(play.RunUntilScreen(kScreenSettings));
        current[step.screen] = step.row;
    }
}

}  // namespace
