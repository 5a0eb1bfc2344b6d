// What the player reads on the play screens, played with the buttons: the texts each screen
// draws, and that nothing left over from the screen before stays on it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/framework/game_mediator.h"
#include "tests/support/play_harness.h"

namespace {

using namespace play_test;

class ScreenTexts : public ::testing::Test {
protected:
    void SetUp() override {
        play.Seed(5);
        // Off every list, so the buttons alone steer the cursors.
        play.MovePointer(-100, -100);
        ASSERT_TRUE(play.NewGame());
        play.SkipOpening();
        ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
    }
    // Whether a text containing `part` (UTF-8) was drawn in the last frame.
    bool Drawn(const char8_t* part) const {
        const std::string wanted = testing_support::Utf8(part);
        const std::vector<std::string> texts = play.Texts();
        return std::any_of(texts.begin(), texts.end(), [&](const std::string& text) {
            return text.find(wanted) != std::string::npos;
        });
    }
    PlayHarness play;
};

TEST_F(ScreenTexts, RestingLeavesNoQuestionOfTheMainCommandsInTheWindow) {
    ASSERT_TRUE(play.RunUntilMessage(u8"何をしますか？"));
    ASSERT_TRUE(play.Choose(u8"休む"));
    ASSERT_TRUE(play.RunUntilScreen(kScreenResting));
    // Some steps of rest, the clock running.
    play.Frames(6);
    ASSERT_EQ(play.game().screen_id(), kScreenResting);
    EXPECT_FALSE(Drawn(u8"何を")) << play.Report();
    EXPECT_FALSE(play.mediator().IsRunning(&play.game().message_output()));
    // Back on the main commands the question is asked again.
    play.Press(kCancel);
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
    EXPECT_TRUE(play.RunUntilMessage(u8"何をしますか？", 10));
}

}  // namespace
