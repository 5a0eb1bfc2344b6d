// Starting, restarting and resetting the story: a start always begins at the first statement,
// a reset destroys every live frame, and a start over an event waiting on its screen is refused.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "tests/event_runtime/fake_story.h"

namespace {

using namespace story_test;

static_assert(!std::is_copy_constructible_v<StoryTask> && !std::is_copy_assignable_v<StoryTask>);
static_assert(std::is_nothrow_move_constructible_v<StoryTask>);

using Log = std::vector<std::string>;

TEST(StoryRunner, ResetInsideASubEventStartsBothAfresh) {
    FakeStory story;
    story.scene = &FakeStory::SubEventLater;
    ASSERT_TRUE(story.runner.Start(kSceneRow));
    story.Frame();
    ASSERT_EQ(story.live_frames, 2);  // the event and the line it waits in

    story.runner.Reset();
    EXPECT_EQ(story.live_frames, 0);
    EXPECT_FALSE(story.runner.live());
    story.Frame();  // nothing left to run
    EXPECT_EQ(story.log, (Log{"0 push 19", "1 show hello"}));

    // A new game: the screens and handles start over, and so does the scene.
    story.screens = {1};
    story.message.Reset();
    story.log.clear();
    ASSERT_TRUE(story.runner.Start(kSceneRow));
    story.Frame();
    story.message.Signal();
    story.Frame();
    EXPECT_EQ(story.log, (Log{"2 push 19", "3 show hello", "4 hello read", "4 after", "4 pop",
                              "4 speaker 3"}));
}

TEST(StoryRunner, ResetFromInsideAPassTakesEffectWhenThePassEnds) {
    FakeStory story;
    story.scene = &FakeStory::ResetFromInside;
    ASSERT_TRUE(story.runner.Start(kSceneRow));
    story.log.clear();
    story.Frame();
    story.Frame();
    EXPECT_EQ(story.log, (Log{"1 before", "1 rest of the pass"}));
    EXPECT_FALSE(story.runner.live());
    EXPECT_EQ(story.screens, (std::vector<int>{1, 19}));  // a reset is no end: nothing pops
}

TEST(StoryRunner, RestartAfterTheEndBeginsAtTheFirstStatement) {
    FakeStory story;
    ASSERT_TRUE(story.runner.Start(kSceneRow));
    story.Frame();
    story.message.Signal();
    story.Frame();
    ASSERT_FALSE(story.runner.live());

    story.log.clear();
    story.message.Reset();
    ASSERT_TRUE(story.runner.Start(kSceneRow));
    story.Frame();
    EXPECT_EQ(story.log, (Log{"2 push 19", "3 show"}));
}

TEST(StoryRunner, ReplaceStartPutsTheStoryScreenInPlaceOfTheTop) {
    FakeStory story;
    story.screens = {1, 2, 23};
    ASSERT_TRUE(story.runner.Start(kSceneRow, true));
    EXPECT_EQ(story.screens, (std::vector<int>{1, 2, 19}));
    story.Frame();
    story.message.Signal();
    story.Frame();
    EXPECT_EQ(story.screens, (std::vector<int>{1, 2}));
}

TEST(StoryRunner, StartWhileParkedOnAPushedScreenIsRefused) {
    FakeStory story;
    story.scene = &FakeStory::Yield;
    ASSERT_TRUE(story.runner.Start(kSceneRow));
    story.Frame();
    ASSERT_EQ(story.screens, (std::vector<int>{1, 19, 9}));

    story.log.clear();
    EXPECT_FALSE(story.runner.Start(kHandedRow));
    EXPECT_EQ(story.runner.last_row(), kHandedRow);
    EXPECT_EQ(story.screens, (std::vector<int>{1, 19, 9}));

    // The waiting event goes on where it stood once its screen is left.
    story.screens.pop_back();
    story.Frame();
    EXPECT_EQ(story.log, (Log{"2 back", "2 pop", "2 speaker 3"}));
}

TEST(StoryRunner, EmptyRowStartsNothingButIsRecorded) {
    FakeStory story;
    EXPECT_FALSE(story.runner.last_row().has_value());
    EXPECT_FALSE(story.runner.Start(kEmptyRow));
    EXPECT_EQ(story.runner.last_row(), kEmptyRow);
    EXPECT_EQ(story.screens, std::vector<int>{1});
    EXPECT_TRUE(story.log.empty());
}

TEST(StoryRunner, HandOverRecordsTheRowItPassesTo) {
    FakeStory story;
    story.scene = &FakeStory::HandOverToNext;
    ASSERT_TRUE(story.runner.Start(kSceneRow));
    story.Frame();
    EXPECT_EQ(story.runner.last_row(), kHandedRow);
}

TEST(StoryEventNames, EveryRowHasItsOwnName) {
    std::set<std::string> names;
    for (std::size_t row = 0; row < kStoryEventCount; ++row) {
        names.insert(StoryEventName(static_cast<StoryEvent>(row)));
    }
    EXPECT_EQ(names.size(), kStoryEventCount);
    EXPECT_EQ(names.count("?"), 0u);
    EXPECT_STREQ(StoryEventName(StoryEvent::kCount), "?");
}

}  // namespace
