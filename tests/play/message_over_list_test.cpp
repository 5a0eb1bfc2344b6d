// A message that ends a step of play over a screen with a list (the hour that ends a rest, the
// closing of the shop, the return from an outing, the restock that was set): the press that
// reads it belongs to the message alone. It neither decides a row of the list under it nor moves
// that list's cursor.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/play_harness.h"
#include "tests/support/story_transcript.h"

namespace {

using namespace play_test;
using testing_support::Utf8;

testing::AssertionResult Rest(PlayHarness& play, int hour) {
    play.SetDate(2006, 1, 5, hour, 55);
    return play.Choose(u8"休む");
}
testing::AssertionResult RestToLunch(PlayHarness& play) { return Rest(play, 11); }
testing::AssertionResult RestToDinner(PlayHarness& play) { return Rest(play, 17); }

testing::AssertionResult SellToClosing(PlayHarness& play) {
    play.SetDate(2006, 1, 5, 21, 55);
    play.AddToMenu(u8"卵", 1.0f);
    play.AddToPantry(u8"卵", 3.0f);
    // The kitchen is busy: no customer comes in the last step.
    play.state().cooking_minutes = 100;
    return play.Choose(u8"販売する");
}

testing::AssertionResult GoOutToTheNight(PlayHarness& play) {
    play.SetDate(2006, 1, 5, 21, 55);
    play.OpenPlace(kPlaceForest);
    if (auto r = play.Choose(u8"外出する"); !r) return r;
    // Nothing is found in the last step, so nothing waits to be read before she comes home.
    play.Seed(SeedFor({{50, 10}}));
    return play.Choose(u8"マナの森");
}

testing::AssertionResult SetARestock(PlayHarness& play) {
    play.SetDate(2006, 1, 5, 10, 0);
    play.AddToMenu(u8"卵", 1.0f);
    if (auto r = play.Choose(u8"メニューを見る"); !r) return r;
    if (auto r = play.Choose(u8"卵"); !r) return r;
    if (auto r = play.Choose(u8"自動仕入れ"); !r) return r;
    play.Press(kUp);
    play.Press(kDecide);
    return testing::AssertionSuccess();
}

TEST(MessageOverAList, ThePressThatReadsItDecidesNoRowUnderIt) {
    struct Case {
        const char* what;
        testing::AssertionResult (*reach)(PlayHarness& play);
        const char8_t* text;
        int screen;  // the screen with the list, under the message
        int row;     // its row, as the player left it
    };
    const Case cases[] = {
        {"resting to lunch", RestToLunch, u8"ランチタイムです", kScreenMainCommands, 3},
        {"resting to dinner", RestToDinner, u8"ディナータイムです", kScreenMainCommands, 3},
        {"selling to closing", SellToClosing, u8"閉店時間になりました", kScreenMainCommands, 1},
        {"out to the night", GoOutToTheNight, u8"いま戻りました", kScreenMainCommands, 4},
        {"setting a restock", SetARestock, u8"自動仕入れを設定しました", kScreenMenu, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlayHarness play;
        play.Seed(1);
        ASSERT_TRUE(play.NewGame());
        play.SkipOpening();
        ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands)) << play.Report();
        // The fade into the game holds the buttons back until it is over.
        for (int i = 0; i < kFrameLimit && play.Switching(); ++i) play.Frame();
        ASSERT_TRUE(c.reach(play)) << play.Report();
        ASSERT_TRUE(play.RunUntilMessage(c.text)) << play.Report();
        // The whole text is out and waits for the press.
        for (int i = 0; i < kFrameLimit && !play.game().message_output().IsWaiting(); ++i)
            play.Frame();
        const int minute = play.state().clock.hour * 60 + play.state().clock.minute;

        // The player reads it; a stray press of a direction first moves nothing under it.
        play.Press(kDown);
        play.Press(kDecide);
        EXPECT_EQ(play.Message().find(Utf8(c.text)), std::string::npos) << play.Report();
        EXPECT_EQ(play.game().screens().id(), c.screen) << play.Report();
        EXPECT_EQ(play.state().clock.hour * 60 + play.state().clock.minute, minute);
        EXPECT_EQ(play.game().stage().window_kind(), 1) << play.Report();
        EXPECT_TRUE(play.mediator().IsRunning(&play.game().stage().list_window())) << play.Report();
        EXPECT_EQ(play.game().screens().cursor(), c.row) << play.Report();
    }
}

}  // namespace
