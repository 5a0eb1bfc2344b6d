// A touch ends the demo: the left or right mouse button or the decide button held, in the demo's
// first frame (of a first and of a second demo in one run) or in the middle of a sketch; and a
// demo over a game left by F2 leaves that game as it was, however it ends.
#include <gtest/gtest.h>

#include "events/story.h"
#include "platform/virtual_keys.h"
#include "tests/demo/demo_fixture.h"
#include "tests/support/play_snapshot.h"

namespace {

using namespace demo_test;

enum class Touch { kLeftButton, kRightButton, kDecide };
enum class When { kFirstFrame, kMidSketch, kFirstFrameOfASecondDemo };

struct TouchCase {
    const char* name;
    Touch touch;
    When when;
};

class Interrupt : public DemoTest, public ::testing::WithParamInterface<TouchCase> {
protected:
    void Hold(Touch touch, bool held) {
        if (touch == Touch::kDecide)
            play.Hold(kDecide, held);
        else
            play.backend.window.HoldMouseButton(touch == Touch::kLeftButton ? 0 : 1, held);
    }
    // The touch held for one frame, then let go.
    void TouchOnce(Touch touch) {
        Hold(touch, true);
        play.Frame();
        Hold(touch, false);
    }
};

// The contest sketch's second line is up from frame 276 to 526.
constexpr int kMidSketch = 300;

TEST_P(Interrupt, EndsTheDemoAtOnceWithNoFurtherLineAndTheTitleComesBack) {
    const TouchCase& c = GetParam();
    ASSERT_TRUE(UntilDemo());
    play.Seed(SeedFor(3));
    std::size_t demo_stack = play.game().screens().entries().size();
    if (c.when == When::kFirstFrameOfASecondDemo) {
        Watch(kMidSketch);
        TouchOnce(c.touch);
        ASSERT_TRUE(UntilDemo());
        // A demo left resting on the story screen gives its place to the next one.
        EXPECT_EQ(play.game().screens().entries().size(), demo_stack);
        Forget();
    }
    if (c.when == When::kMidSketch) {
        Watch(kMidSketch);
        ASSERT_EQ(shown.size(), 2u);
    }
    const bool first_frame = c.when != When::kMidSketch;
    const std::string text = play.game().message_output().GetText();

    TouchOnce(c.touch);
    EXPECT_TRUE(Story::title_demo_ended());
    EXPECT_TRUE(FadingOut());
    if (first_frame) {
        // Not a step of the sketch ran: no line.
        EXPECT_FALSE(play.mediator().IsRunning(&play.game().message_output()));
    }
    // One switch back: a second one would start the fade again and keep the title away.
    for (int i = 0; i < kFadeFrames; ++i) {
        EXPECT_EQ(play.game().message_output().GetText(), text) << "frame " << i;
        ASSERT_EQ(std::string(play.CurrentComponent()), CVemuComp::kName) << "frame " << i;
        play.Frame();
    }
    EXPECT_EQ(std::string(play.CurrentComponent()), CTitleComp::kName);
    ASSERT_TRUE(UntilTitleMenu());

    // The next game starts with nothing of the demo left running.
    ASSERT_TRUE(play.Choose(u8"はじめから"));
    ASSERT_TRUE(play.RunUntilComponent(CVemuComp::kName));
    EXPECT_FALSE(play.game().story().live());
    // What runs then is the new game's own opening, over its main commands.
    ASSERT_TRUE(play.RunUntilScreen(kScreenStory));
    EXPECT_EQ(play.game().story().last_row(), StoryEvent::kMorning);
    EXPECT_EQ(play.game().screens().entries().size(), 2u);
    EXPECT_TRUE(play.MessageBoxes().empty());
}

const TouchCase kTouches[] = {
    {"LeftButtonInTheFirstFrame", Touch::kLeftButton, When::kFirstFrame},
    {"RightButtonInTheFirstFrame", Touch::kRightButton, When::kFirstFrame},
    {"DecideInTheFirstFrame", Touch::kDecide, When::kFirstFrame},
    {"LeftButtonMidSketch", Touch::kLeftButton, When::kMidSketch},
    {"RightButtonMidSketch", Touch::kRightButton, When::kMidSketch},
    {"DecideMidSketch", Touch::kDecide, When::kMidSketch},
    {"LeftButtonInASecondDemosFirstFrame", Touch::kLeftButton, When::kFirstFrameOfASecondDemo},
    {"RightButtonInASecondDemosFirstFrame", Touch::kRightButton, When::kFirstFrameOfASecondDemo},
    {"DecideInASecondDemosFirstFrame", Touch::kDecide, When::kFirstFrameOfASecondDemo},
};
INSTANTIATE_TEST_SUITE_P(Touches, Interrupt, ::testing::ValuesIn(kTouches),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DemoTest, ADemoOverAGameLeftByF2OnAnOutingLeavesThatGameAsItWas) {
    ASSERT_TRUE(play.NewGame());
    play.SkipOpening();
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
    play.ShowScreen(kScreenOuting);
    const GameClock start = play.state().clock;
    play.Frames(5);
    // The outing runs while its screen is on top: its clock moves.
    ASSERT_NE(play.state().clock.minute, start.minute);
    play.PressKey(platform::vk::kF2);
    ASSERT_TRUE(play.RunUntilComponent(CTitleComp::kName));

    const std::vector<ScreenEntry> stack = play.game().screens().entries();
    ASSERT_EQ(stack.back().id, kScreenOuting);
    PlaySnapshot before = TakeSnapshot(play.game());
    ASSERT_TRUE(UntilDemo());
    play.Seed(SeedFor(3));
    Forget();
    WatchToTheEnd();
    ASSERT_EQ(std::string(play.CurrentComponent()), CTitleComp::kName);
    ASSERT_EQ(shown.size(), 5u);

    // The story screen stays over the outing through the fade: the outing never ran again.
    const std::vector<ScreenEntry>& after = play.game().screens().entries();
    ASSERT_EQ(after.size(), stack.size() + 1);
    EXPECT_EQ(after.back().id, kScreenStory);
    for (std::size_t i = 0; i < stack.size(); ++i) EXPECT_EQ(after[i].id, stack[i].id);
    PlaySnapshot now = TakeSnapshot(play.game());
    // What the demo itself shows: its screen and its speakers.
    for (const char* shown_by_the_demo : {"screen stack", "screen id", "screen cursor",
                                          "frame counter", "speaker", "expression", "story live"}) {
        before.erase(shown_by_the_demo);
        now.erase(shown_by_the_demo);
    }
    EXPECT_TRUE(SameSnapshot(before, now));
    ASSERT_TRUE(UntilTitleMenu());
}

}  // namespace
