// A game saved to a slot, left with F2 and continued from the title: the slot's row is dated by
// its file and the continued game is the saved one, whatever was changed after the save.
#include <gtest/gtest.h>

#include <ctime>
#include <optional>

#include "engine/common/game_path.h"
#include "engine/framework/game_mediator.h"
#include "platform/virtual_keys.h"
#include "tests/support/play_harness.h"
#include "tests/support/play_snapshot.h"

namespace {

using namespace play_test;

// The title's row of a slot whose scd file was last written at `seconds`, in UTF-8.
std::u8string SlotLabel(int slot, std::int64_t seconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    const std::string date = std::to_string(local.tm_year + 1900) + "/" +
                             std::to_string(local.tm_mon + 1) + "/" + std::to_string(local.tm_mday);
    return u8"記録 " + std::u8string(1, static_cast<char8_t>('0' + slot + 1)) + u8"： " +
           std::u8string(date.begin(), date.end());
}

TEST(SaveAndContinue, TheTitleListsTheSavedSlotAndContinuingRestoresThatGame) {
    PlayHarness play;
    play.Seed(3);
    ASSERT_TRUE(play.NewGame());
    play.SkipOpening();
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
    play.SetMoney(4321);
    play.SetDate(2006, 2, 17, 15, 35);
    play.AddToPantry(u8"トマト", 2.5f);
    play.state().reputation = 12.75f;
    play.Frames(5);
    ASSERT_TRUE(play.game().SaveGame(3));
    // The frames spent on the current screen are not part of a game.
    PlaySnapshot saved = TakeSnapshot(play.game());
    saved.erase("frame counter");

    // Changed after the save: none of it may come back.
    play.SetMoney(99);
    play.AddToPantry(u8"卵", 4.0f);
    play.SetDate(2006, 5, 1, 20, 0);
    ASSERT_NE(TakeSnapshot(play.game()), saved);

    play.PressKey(platform::vk::kF2);
    ASSERT_TRUE(play.RunUntilComponent(CTitleComp::kName));
    play.Press(kDecide);
    ASSERT_TRUE(play.Choose(u8"つづきから"));
    ASSERT_EQ(play.title().state(), CTitleComp::kSlotList);

    const std::optional<std::int64_t> written = gamepath::ModificationTime("dat/scd03.sav");
    ASSERT_TRUE(written.has_value());
    const std::u8string label = SlotLabel(3, *written);
    const auto& slots = play.title().slots();
    for (int i = 0; i < CTitleComp::kSlots; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(slots[i].enabled != 0, i == 3);
    }
    EXPECT_EQ(slots[3].label, Sjis(label.c_str()));

    ASSERT_TRUE(play.Choose(label.c_str()));
    ASSERT_TRUE(play.RunUntilComponent(CVemuComp::kName));
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
    EXPECT_TRUE(play.MessageBoxes().empty());
    PlaySnapshot loaded = TakeSnapshot(play.game());
    loaded.erase("frame counter");
    EXPECT_TRUE(SameSnapshot(saved, loaded));
    EXPECT_EQ(play.state().money, 4321);
    EXPECT_EQ(play.mediator().GetValue("money", 0), 4321);
    EXPECT_EQ(play.state().clock.month, 2);
    EXPECT_EQ(play.state().clock.day, 17);
}

}  // namespace
