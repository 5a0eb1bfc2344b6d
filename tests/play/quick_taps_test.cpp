// Taps shorter than a frame: a key or mouse button pressed and let go between two frames still
// moves the cursor and decides.
#include <gtest/gtest.h>

#include "engine/framework/game_mediator.h"
#include "tests/support/play_harness.h"

namespace {

using namespace play_test;

TEST(QuickTaps, KeyTapsMoveTheCursorAndDecideARow) {
    PlayHarness play;
    ASSERT_TRUE(play.NewGame());
    play.SkipOpening();
    ASSERT_NE(play.AddToMenu(u8"ゼルバ炒め", 1.0f), nullptr);
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
    CSelectEvent& list = play.game().stage().list_window();
    for (int frame = 0; frame < kFrameLimit && !play.mediator().IsRunning(&list); ++frame)
        play.Frame();
    ASSERT_TRUE(play.mediator().IsRunning(&list)) << play.Report();
    // A hidden cursor comes back on the first direction tap; メニューを見る is the third row.
    for (int step = 0; step < 10 && (!list.IsCursorShown() || list.GetIndex() != 2); ++step)
        play.Tap(list.IsCursorShown() && list.GetIndex() > 2 ? kUp : kDown);
    ASSERT_TRUE(list.IsCursorShown()) << play.Report();
    ASSERT_EQ(list.GetIndex(), 2) << play.Report();
    play.Tap(kDecide);
    EXPECT_TRUE(play.RunUntilScreen(kScreenMenu, 5));
}

TEST(QuickTaps, ATapToClickDecidesTheRowUnderThePointer) {
    PlayHarness play;
    ASSERT_TRUE(play.RunUntilComponent(CTitleComp::kName));
    play.Tap(kDecide);
    play.Frame();
    ASSERT_TRUE(play.mediator().IsRunning(&play.title().select_window())) << play.Report();
    // つづきから, the second row, 32 pixels below the first at (240, 220).
    play.MovePointer(260, 220 + 32 + 10);
    play.Frames(2);
    ASSERT_EQ(play.title().cursor(), 1);
    play.TapClick();
    EXPECT_EQ(play.title().state(), CTitleComp::kSlotList);
}

}  // namespace
