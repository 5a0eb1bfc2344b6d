// The quantity prompts of the shops, the stock exchange and restocking: each digit the player
// moves or steps is heard, as a list's cursor is.
#include <gtest/gtest.h>

#include <functional>

#include "engine/framework/game_mediator.h"
#include "game/main/vemu_comp.h"
#include "tests/support/play_harness.h"

namespace {

using namespace play_test;

constexpr int kGeneralStore = 4;  // 砂糖, ミルク, 小麦粉, 米

TEST(QuantityEntry, EveryStepAndCursorMoveOfTheEntryPlaysTheSwitchSound) {
    struct Prompt {
        const char* name;
        std::function<testing::AssertionResult(PlayHarness&)> open;
    };
    const Prompt kPrompts[] = {
        {"general store",
         [](PlayHarness& play) {
             play.game().world().goods_in_use = kGeneralStore;
             play.ShowScreen(kScreenFoodShop);
             return play.Choose(u8"砂糖");
         }},
        {"stock exchange",
         [](PlayHarness& play) {
             play.ShowScreen(kScreenStockExchange);
             return play.Choose(u8"甘粉商事株");
         }},
        {"restocking",
         [](PlayHarness& play) {
             play.ShowScreen(kScreenMenu);
             testing::AssertionResult dish = play.Choose(u8"ゼルバ炒め");
             return dish ? play.Choose(u8"自動仕入れ") : dish;
         }},
    };
    // From 0 on the units: up to 1, left to the tens (11), down to 1 with the cursor back on the
    // units, right to the OK button; each is a move the player should hear.
    const Button kSteps[] = {kUp, kLeft, kDown, kRight};
    for (const Prompt& prompt : kPrompts) {
        SCOPED_TRACE(prompt.name);
        PlayHarness play;
        ASSERT_TRUE(play.NewGame());
        play.SkipOpening();
        play.SetMoney(100000);
        ASSERT_NE(play.AddToMenu(u8"ゼルバ炒め", 1.0f), nullptr);
        ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
        ASSERT_TRUE(prompt.open(play)) << play.Report();
        CVemuComp& game = play.game();
        CInputNumberEvent& entry = game.stage().number_entry();
        ASSERT_TRUE(play.mediator().IsRunning(&entry)) << play.Report();
        for (Button step : kSteps) {
            SCOPED_TRACE(step);
            game.stage().sounds().switch_sound.Stop();
            const int value = entry.GetValue(), digit = entry.GetDigit();
            play.Press(step);
            ASSERT_TRUE(value != entry.GetValue() || digit != entry.GetDigit())
                << "the entry did not take the press";
            EXPECT_TRUE(game.stage().sounds().switch_sound.IsPlaying());
        }
        EXPECT_EQ(entry.GetDigit(), CInputNumberEvent::kOkDigit);
        EXPECT_EQ(entry.GetValue(), 1);
    }
}

}  // namespace
