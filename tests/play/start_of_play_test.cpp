// The whole game from its start: logo, title, はじめから and the first day; F2 back to the
// title and a second new game; a continue from a broken slot.
#include <gtest/gtest.h>

#include "engine/framework/game_mediator.h"
#include "engine/sound/qz_sound.h"
#include "platform/files.h"
#include "platform/virtual_keys.h"
#include "tests/support/play_harness.h"
#include "tests/support/play_snapshot.h"

namespace {

using namespace play_test;
using testing_support::Utf8;

class StartOfPlay : public ::testing::Test {
protected:
    PlayHarness play;
};

TEST_F(StartOfPlay, ANewGameOpensDayOneOnTheMainCommands) {
    play.Seed(1);
    ASSERT_TRUE(play.NewGame());
    play.SkipOpening();
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
    const PlayState& s = play.state();
    EXPECT_EQ(s.clock.year, 2006);
    EXPECT_EQ(s.clock.month, 1);
    EXPECT_EQ(s.clock.day, 1);
    EXPECT_EQ(s.clock.hour, 7);
    EXPECT_EQ(s.clock.minute, 0);
    EXPECT_EQ(s.money, 10000);
    EXPECT_EQ(play.mediator().GetValue("money", 0), 10000);
    EXPECT_EQ(play.game().screens().entries().size(), 1u);
    EXPECT_TRUE(play.MessageBoxes().empty());
    // The main commands show the shop's status and ask what to do.
    EXPECT_EQ(s.status_text, Sjis(u8"【小さな食堂】"));
    EXPECT_TRUE(play.RunUntilMessage(u8"何をしますか？", 10));
}

TEST_F(StartOfPlay, F2AndANewGameGiveTheSameFreshStateAsTheFirst) {
    ASSERT_TRUE(play.NewGame());
    const PlaySnapshot fresh = TakeSnapshot(play.game());

    // A day's worth of changes made straight on the state, as later screens would make them.
    play.SkipOpening();
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
    play.SetMoney(123);
    play.SetDate(2006, 3, 14, 21, 30);
    play.AddToPantry(u8"トマト", 3.0f);
    play.AddToMenu(u8"卵", 2.0f);
    play.AddToBag(u8"包丁", 2);
    play.AddToBag(u8"七福神");
    play.Wear(kEquipShoes, u8"羽の靴");
    play.OpenPlace(kPlaceForest);
    play.SetShare(0);
    play.SetStoryStage(4);
    play.SetContestsWon(2);
    play.state().skill_level[kSlotFry] = 7;
    play.state().reputation = 55.0f;
    // Values that only the cooking screens set: a new game inherits none of them either.
    play.state().utensil_max = 4;
    play.state().last_levelup_method = kMethodFry;
    play.state().cooking_minutes = 30;
    play.game().world().contest.running = 1;
    // And what the contests, the dish panels and the recipe rewards keep beside the state.
    play.game().world().contest = ContestState{1, {4, 5, 6}, 321, 7, 2, 500};
    play.game().world().made_dish = Food::FromDef(FindFoodDef(Sjis(u8"卵")));
    play.game().world().contest_dish = Food::FromDef(FindFoodDef(Sjis(u8"トマト")));
    play.game().world().candidate_dish =
        std::make_unique<MenuDish>(*Food::FromDef(FindFoodDef(Sjis(u8"米"))), 1.0f);
    play.game().world().chosen_menu_slot = 2;
    play.game().world().known_recipes = 9;
    play.game().world().reward_num = 3;
    play.game().stage().set_music_carries_over(true);
    play.ShowScreen(kScreenDestinations);
    ASSERT_NE(TakeSnapshot(play.game()), fresh);

    play.PressKey(platform::vk::kF2);
    ASSERT_TRUE(play.RunUntilComponent(CTitleComp::kName));
    play.Seed(1);
    ASSERT_TRUE(play.NewGame());
    EXPECT_TRUE(SameSnapshot(fresh, TakeSnapshot(play.game())));
}

TEST_F(StartOfPlay, ABrokenSaveSlotCannotBeLoadedAndTheTitleStays) {
    // The slot's first file is there (so the slot can be chosen) but holds nothing readable.
    ASSERT_TRUE(platform::MakeDirectories(play.data_folder() + "/dat"));
    const std::string junk = "not a save game";
    ASSERT_TRUE(
        platform::WriteWholeFile(play.data_folder() + "/dat/scd00.sav", junk.data(), junk.size()));
    ASSERT_TRUE(play.RunUntilComponent(CTitleComp::kName));
    play.Press(kDecide);
    ASSERT_TRUE(play.Choose(u8"つづきから"));
    ASSERT_EQ(play.title().state(), CTitleComp::kSlotList);
    play.Press(kDecide);

    ASSERT_EQ(play.MessageBoxes().size(), 1u);
    EXPECT_EQ(play.MessageBoxes()[0].text, Utf8(u8"ロードできません"));
    EXPECT_EQ(play.MessageBoxes()[0].caption, Utf8(u8"ごめんねエラー"));
    play.Frames(100);
    EXPECT_STREQ(play.CurrentComponent(), CTitleComp::kName);
    EXPECT_FALSE(play.Switching());
    EXPECT_EQ(play.title().state(), CTitleComp::kMainMenu);
    ASSERT_NE(play.title().music().sound(), nullptr);
    EXPECT_EQ(play.title().music().sound()->GetState(), CQZSound::kPlaying);
}

// Two saves, and one file of the second put into the first slot: the slot is listed as a saved
// one but refused as the broken one above is, never played as parts of two games.
TEST_F(StartOfPlay, ASlotHoldingAFileOfAnotherSlotIsRefusedAsABrokenOneIs) {
    ASSERT_TRUE(play.NewGame());
    play.SkipOpening();
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
    play.SetMoney(1111);
    ASSERT_TRUE(play.game().SaveGame(0));
    play.SetMoney(2222);
    play.SetDate(2006, 7, 8);
    ASSERT_TRUE(play.game().SaveGame(1));
    const std::string folder = play.data_folder() + "/dat/";
    std::vector<std::uint8_t> other;
    ASSERT_TRUE(platform::ReadWholeFile(folder + "sse01.sav", other));  // the money
    ASSERT_TRUE(platform::WriteWholeFile(folder + "sse00.sav", other.data(), other.size()));

    play.PressKey(platform::vk::kF2);
    ASSERT_TRUE(play.RunUntilComponent(CTitleComp::kName));
    play.Press(kDecide);
    ASSERT_TRUE(play.Choose(u8"つづきから"));
    ASSERT_EQ(play.title().state(), CTitleComp::kSlotList);
    EXPECT_NE(play.title().slots()[0].enabled, 0);
    EXPECT_NE(play.title().slots()[0].second_text, Sjis(u8"---"));
    play.Press(kDecide);

    ASSERT_EQ(play.MessageBoxes().size(), 1u);
    EXPECT_EQ(play.MessageBoxes()[0].text, Utf8(u8"ロードできません"));
    play.Frames(100);
    EXPECT_STREQ(play.CurrentComponent(), CTitleComp::kName);
    EXPECT_EQ(play.title().state(), CTitleComp::kMainMenu);
}

// The main game's music goes on into the ending when the story asks for it, and stops when the
// player goes back to the title.
TEST_F(StartOfPlay, MusicCarriesOverToTheEndingOnlyWhenAskedTo) {
    ASSERT_TRUE(play.NewGame());
    CVemuComp& game = play.game();
    ASSERT_TRUE(game.stage().PlayBgm(nullptr, 1));
    play.Frames(5);
    ASSERT_NE(game.stage().music().sound(), nullptr);

    game.stage().set_music_carries_over(true);
    play.mediator().ChangeComponent(CEndingComp::kName, 2, 0);
    ASSERT_TRUE(play.RunUntilComponent(CEndingComp::kName));
    ASSERT_NE(game.stage().music().sound(), nullptr);
    EXPECT_EQ(game.stage().music().sound()->GetState(), CQZSound::kPlaying);
    EXPECT_TRUE(play.mediator().IsRunning(&game.stage().music()));

    play.mediator().ChangeComponent(CVemuComp::kName, 2, 0);
    ASSERT_TRUE(play.RunUntilComponent(CVemuComp::kName));
    game.stage().set_music_carries_over(false);
    play.PressKey(platform::vk::kF2);
    ASSERT_TRUE(play.RunUntilComponent(CTitleComp::kName));
    EXPECT_EQ(game.stage().music().sound(), nullptr);
    EXPECT_FALSE(play.mediator().IsRunning(&game.stage().music()));
}

}  // namespace
