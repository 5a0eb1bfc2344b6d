// The play harness itself: its clock, its input, its set-up helpers, and what a helper that
// gives up reports.
#include "tests/support/play_harness.h"

#include <gtest/gtest-spi.h>

#include "engine/framework/devices.h"
#include "engine/framework/game_mediator.h"
#include "engine/framework/mouse_event.h"
#include "engine/graphics/direct_graphics.h"
#include "game/economy/item_table.h"

namespace {

using namespace play_test;
using testing_support::Utf8;

TEST(PlayHarness, AFrameIsTwentyMillisecondsOfTheManualClockAndIsDrawn) {
    PlayHarness play;
    const std::uint32_t start = play.backend.clock.Milliseconds();
    const int presents = play.backend.window.PresentCount();
    play.Frames(50);
    EXPECT_EQ(play.backend.clock.Milliseconds() - start, 1000u);
    EXPECT_EQ(play.backend.window.PresentCount() - presents, 50);
    EXPECT_FALSE(play.draws().ops.empty());
    EXPECT_EQ(play.frames_run(), 50);
}

TEST(PlayHarness, WithoutPixelsEveryFrameIsStillDrawnAndSwitchesFinishOnTime) {
    int frames = 0, presents = 0;
    {
        PlayHarness with;
        ASSERT_TRUE(with.NewGame());
        frames = with.frames_run();
        presents = with.backend.window.PresentCount();
    }
    PlayHarness without;
    without.SetPixels(false);
    const std::uint32_t* pixels = without.app().runtime().graphics.Pixels();
    const std::vector<std::uint32_t> before(pixels, pixels + 640 * 480);
    ASSERT_TRUE(without.NewGame());
    EXPECT_EQ(without.frames_run(), frames);
    EXPECT_EQ(without.backend.window.PresentCount(), presents);
    EXPECT_FALSE(without.draws().ops.empty());
    EXPECT_TRUE(std::equal(before.begin(), before.end(), pixels));
}

TEST(PlayHarness, PointerClickAndWheelReachTheGame) {
    PlayHarness play;
    ASSERT_TRUE(play.RunUntilComponent(CTitleComp::kName));
    play.Press(kDecide);
    play.Frame();
    ASSERT_TRUE(play.mediator().IsRunning(&play.title().select_window()));
    // The menu's second row, つづきから, lies 32 pixels below the first at (240, 220).
    // The list reads the pointer as the mouse event saw it in the frame before.
    play.MovePointer(260, 220 + 32 + 10);
    play.Frames(2);
    EXPECT_EQ(play.title().cursor(), 1);
    play.Click();
    EXPECT_EQ(play.title().state(), CTitleComp::kSlotList);

    play.Wheel(1);
    EXPECT_EQ(GetMouseEvent()->GetWheel(), 3);
    play.Wheel(-2);
    EXPECT_EQ(GetMouseEvent()->GetWheel(), -6);
}

TEST(PlayHarness, SetUpHelpersWorkOnTheGamesOwnState) {
    PlayHarness play;
    ASSERT_TRUE(play.NewGame());
    play.SetMoney(4321);
    EXPECT_EQ(play.state().shown_money, 4321);
    EXPECT_EQ(play.mediator().GetValue("money", 0), 4321);

    // A food already in the pantry takes the new units in its row.
    const std::size_t rows = play.kitchen().pantry().size();
    Food* egg = play.AddToPantry(u8"卵", 3.0f);
    ASSERT_NE(egg, nullptr);
    EXPECT_FLOAT_EQ(egg->amount, 8.0f);
    EXPECT_EQ(play.kitchen().pantry().size(), rows);

    // The new game's knife is in the bag: two more join it. A lasting item has its effect.
    CItem* knife = play.AddToBag(u8"包丁", 2);
    ASSERT_NE(knife, nullptr);
    EXPECT_EQ(play.mediator().items().GetItemCount(knife), 3);
    ASSERT_NE(play.AddToBag(u8"招き猫"), nullptr);
    EXPECT_FLOAT_EQ(play.state().customer_factor, 1.2f);
    CItem* shoes = play.Wear(kEquipShoes, u8"羽の靴");
    ASSERT_NE(shoes, nullptr);
    EXPECT_EQ(shoes->kind, kItemShoes);

    // The stack of a game not yet on its first screen gets the main commands below.
    play.game().NewGameReset();
    play.ShowScreen(kScreenDestinations);
    ASSERT_EQ(play.game().screens().entries().size(), 2u);
    EXPECT_EQ(play.game().screens().entries()[0].id, kScreenMainCommands);
    EXPECT_EQ(play.game().screens().id(), kScreenDestinations);
    EXPECT_TRUE(play.RunUntilScreen(kScreenDestinations, 0));
}

// A helper that gives up says where the game stands: the screen, the stack, the message and
// the rows of the list, all in UTF-8. The spi macros take no locals, hence the static.
class PlayHarnessReport : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        play_ = new PlayHarness;
        ASSERT_TRUE(play_->NewGame());
        play_->SkipOpening();
        ASSERT_TRUE(play_->RunUntilScreen(kScreenMainCommands));
        CVemuComp& game = play_->game();
        game.CQZNVLComponent::ShowMessage(&message_, Sjis(u8"今日もがんばろう").c_str(), 0xFF000000,
                                          nullptr);
        rows_[0].label = Sjis(u8"仕込み");
        rows_[1].label = Sjis(u8"休む");
        rows_[1].enabled = 0;
        game.stage().list_window().SetItems(rows_, 2, &cursor_, 8);
        game.stage().list_window().Start(&list_);
        play_->Frame();
    }
    static void TearDownTestSuite() {
        delete play_;
        play_ = nullptr;
    }

    static PlayHarness* play_;
    static WaitHandle message_, list_;
    static MenuEntry rows_[2];
    static int cursor_;
};

PlayHarness* PlayHarnessReport::play_ = nullptr;
WaitHandle PlayHarnessReport::message_, PlayHarnessReport::list_;
MenuEntry PlayHarnessReport::rows_[2];
int PlayHarnessReport::cursor_ = 0;

TEST_F(PlayHarnessReport, AScreenThatNeverComesIsReportedWithWhereTheGameStands) {
    const std::string where = "component VemuComp (switching), screen 1, stack [1/0]";
    EXPECT_NONFATAL_FAILURE(EXPECT_TRUE(play_->RunUntilScreen(kScreenPawnShop, 3)),
                            "no screen 7 on top within 3 frames");
    EXPECT_NONFATAL_FAILURE(EXPECT_TRUE(play_->RunUntilScreen(kScreenPawnShop, 3)), where);
    EXPECT_FATAL_FAILURE(ASSERT_TRUE(play_->RunUntilScreen(kScreenPawnShop, 3)), where);
}

TEST_F(PlayHarnessReport, TheReportHoldsTheMessageAndTheRowsInUtf8) {
    EXPECT_NONFATAL_FAILURE(EXPECT_TRUE(play_->RunUntilMessage(u8"おやすみ", 2)),
                            Utf8(u8"no message with \"おやすみ\" within 2 frames"));
    EXPECT_NONFATAL_FAILURE(EXPECT_TRUE(play_->RunUntilMessage(u8"おやすみ", 2)),
                            Utf8(u8"message: \"今日もがんばろう\""));
    EXPECT_FATAL_FAILURE(ASSERT_TRUE(play_->RunUntilComponent(CEndingComp::kName, 2)),
                         Utf8(u8"rows:\n    仕込み\n    休む (disabled)"));
}

TEST_F(PlayHarnessReport, ADisabledRowCannotBeChosen) {
    EXPECT_FATAL_FAILURE(ASSERT_TRUE(play_->Choose(u8"休む", 2)),
                         Utf8(u8"no row \"休む\" in a running list within 2 frames"));
    // The enabled row is there: choosing it ends the list.
    EXPECT_TRUE(play_->Choose(u8"仕込み", 2));
    EXPECT_TRUE(list_.IsDone());
    EXPECT_EQ(cursor_, 0);
}

}  // namespace
