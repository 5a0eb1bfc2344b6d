// Each statement form of a story event against the frame of each of its effects: what runs in
// the same pass, what costs a frame, and where the event ends, pops and gives the portrait back.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/event_runtime/fake_story.h"

namespace {

using namespace story_test;

// Something the world does after a frame; after frame 0 is before the first pass.
struct Cue {
    enum What { kSignal, kBusy, kLeaveScreen, kRaiseFlag, kRaiseCancel };
    int after_frame;
    What what;
};

struct FormCase {
    const char* name;
    FakeStory::Scene scene;
    int turns;
    std::vector<Cue> cues;
    std::vector<std::string> want;
};
void PrintTo(const FormCase& c, std::ostream* os) { *os << c.name; }

constexpr int kFrames = 6;

void Apply(FakeStory& story, const std::vector<Cue>& cues, int frame) {
    for (const Cue& cue : cues) {
        if (cue.after_frame != frame) continue;
        switch (cue.what) {
            case Cue::kSignal:
                story.message.Signal();
                break;
            case Cue::kBusy:
                story.message.Begin();
                break;
            case Cue::kLeaveScreen:
                story.screens.pop_back();
                story.Note("leave");
                break;
            case Cue::kRaiseFlag:
                story.flag = true;
                break;
            case Cue::kRaiseCancel:
                story.cancel = true;
                break;
        }
    }
}

class StatementForm : public ::testing::TestWithParam<FormCase> {};

TEST_P(StatementForm, EffectsLandInTheirFrames) {
    const FormCase& c = GetParam();
    FakeStory story;
    story.scene = c.scene;
    story.turns = c.turns;
    ASSERT_TRUE(story.runner.Start(kSceneRow));
    EXPECT_EQ(story.screens, (std::vector<int>{1, 19}));
    story.log.clear();
    Apply(story, c.cues, 0);
    for (int frame = 1; frame <= kFrames; ++frame) {
        story.Frame();
        Apply(story, c.cues, frame);
    }
    EXPECT_EQ(story.log, c.want);
    // Every form ends within the frames, with exactly the story screen popped.
    EXPECT_FALSE(story.runner.live());
    EXPECT_EQ(story.screens, std::vector<int>{1});
    EXPECT_EQ(story.live_frames, 0);
}

using S = FakeStory;
const FormCase kCases[] = {
    {"FirstWaitShowsInTheFirstFrameAndGoesOnWhenRead",
     &S::FirstWait,
     0,
     {{3, Cue::kSignal}},
     {"1 show", "4 read", "4 pop", "4 speaker 3"}},
    {"ActionAndNextRequestShareAPass",
     &S::ActionThenRequest,
     0,
     {{1, Cue::kSignal}},
     {"1 money", "1 show", "2 read", "2 pop", "2 speaker 3"}},
    {"HandleAlreadyDoneCostsNoFrame",
     &S::AwaitOnly,
     0,
     {{0, Cue::kSignal}},
     {"1 on", "1 pop", "1 speaker 3"}},
    {"RefusedRequestGoesOnAtTheHoldersSignal",
     &S::FirstWait,
     0,
     {{0, Cue::kBusy}, {2, Cue::kSignal}},
     {"1 refused show", "3 read", "3 pop", "3 speaker 3"}},
    {"FalseBranchSkipsItsBody", &S::Branch, 0, {}, {"1 after", "1 pop", "1 speaker 3"}},
    {"TrueBranchRunsItsBody",
     &S::Branch,
     0,
     {{0, Cue::kRaiseFlag}},
     {"1 then", "2 after", "2 pop", "2 speaker 3"}},
    {"LoopOfZeroTurns", &S::Loop, 0, {}, {"1 after", "1 pop", "1 speaker 3"}},
    {"LoopOfTwoTurnsTestsAgainEachFrame",
     &S::Loop,
     2,
     {},
     {"1 turn", "2 turn", "3 after", "3 pop", "3 speaker 3"}},
    {"SubEventEndingAtOnce",
     &S::SubEventAtOnce,
     0,
     {},
     {"1 quick", "1 after", "1 pop", "1 speaker 3"}},
    {"SubEventEndingLaterKeepsItsArgument",
     &S::SubEventLater,
     0,
     {{2, Cue::kSignal}},
     {"1 show hello", "3 hello read", "3 after", "3 pop", "3 speaker 3"}},
    {"YieldWaitsUnderAnotherScreen",
     &S::Yield,
     0,
     {{3, Cue::kLeaveScreen}},
     {"1 cook", "1 push 9", "3 leave", "4 back", "4 pop", "4 speaker 3"}},
    {"HandOverStartsTheNextEventNextFrame",
     &S::HandOverToNext,
     0,
     {},
     {"1 hall", "2 contest", "2 pop", "2 speaker 3"}},
    // Nothing would run the story screen any more: the story ends instead.
    {"HandOverToAnEmptyRowEnds", &S::HandOverToEmpty, 0, {}, {"1 hall", "1 pop", "1 speaker 3"}},
    {"CancelAtOnce", &S::Cancellable, 0, {{0, Cue::kRaiseCancel}}, {"1 pop"}},
    {"CancelLaterDropsTheEventBeforeItsPass",
     &S::Cancellable,
     0,
     {{2, Cue::kRaiseCancel}, {2, Cue::kSignal}},
     {"1 guarded", "1 show", "3 pop"}},
    // A start from inside a pass would destroy the running frame.
    {"StartFromInsideAPassIsRefused",
     &S::StartFromInside,
     0,
     {},
     {"1 start refused", "2 on", "2 pop", "2 speaker 3"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, StatementForm, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
