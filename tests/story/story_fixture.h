// A new game on the headless harness, past its opening, with a transcript of what the story
// shows and helpers that read the story's messages and answer its questions.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "events/story.h"
#include "game/main/vemu_comp.h"
#include "tests/support/play_harness.h"
#include "tests/support/story_transcript.h"

namespace story_test {

using namespace play_test;
using testing_support::Utf8;

class StoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(play.NewGame());
        play.SkipOpening();
        Run(2);
    }

    CVemuComp& game() { return play.game(); }
    PlayState& state() { return play.state(); }

    // One frame, looked at by the transcript.
    void Step() {
        play.Frame();
        transcript.Sample(game());
    }
    void Run(int frames) {
        for (int i = 0; i < frames; ++i) Step();
    }
    // One frame, reading a message that waits (a press and a release).
    void ReadStep() {
        const bool read = play.MessageWaiting();
        if (read) play.Hold(kDecide, true);
        Step();
        if (read) {
            play.Hold(kDecide, false);
            Step();
        }
    }
    // Reads every message until the story screen has gone; false when it is still there.
    bool FinishScene(int limit = 4000) {
        for (int frame = 0; frame < limit; ++frame) {
            if (game().screens().id() != kScreenStory && !game().story().live()) return true;
            ReadStep();
        }
        ADD_FAILURE() << "the scene did not end; " << play.Report();
        return false;
    }
    // Reads messages until a question offers the answer (UTF-8), then gives it.
    testing::AssertionResult Answer(const char8_t* label, int limit = 2000) {
        const std::string wanted = Utf8(label);
        for (int frame = 0; frame < limit; ++frame) {
            for (const std::string& row : play.ChoiceRows())
                if (row == wanted) return play.Choose(label);
            ReadStep();
        }
        return testing::AssertionFailure() << "no question offered it; " << play.Report();
    }
    // Reads a notice until its message screen has gone.
    bool FinishNotice(int limit = 2000) {
        for (int frame = 0; frame < limit; ++frame) {
            if (game().screens().id() != kScreenWaitForMessage) return true;
            ReadStep();
        }
        ADD_FAILURE() << "the notice stayed; " << play.Report();
        return false;
    }
    // Reads whatever the story or a notice shows until `done` holds; on the main commands it
    // rests (休む), and on the resting screen it waits for the clock.
    template <typename Done>
    testing::AssertionResult PlayUntil(Done done, int limit = 20000) {
        for (int frame = 0; frame < limit; ++frame) {
            if (done()) return testing::AssertionSuccess();
            if (game().screens().id() == kScreenMainCommands && !game().story().live() &&
                play.mediator().IsRunning(&game().stage().list_window())) {
                if (!play.Choose(u8"休む")) return testing::AssertionFailure() << play.Report();
                continue;
            }
            ReadStep();
        }
        return testing::AssertionFailure() << "gave up; " << play.Report();
    }
    // Starts a scene from the main commands, as its screen would.
    void Start(StoryEvent row) {
        transcript.Clear();
        ASSERT_TRUE(game().StartStoryEvent(row)) << StoryEventName(row);
    }
    std::string Lines() const {
        std::string all;
        for (const TranscriptEntry& entry : transcript.lines()) all += Describe(entry) + "\n";
        return all;
    }

    PlayHarness play;
    StoryTranscript transcript;
};

}  // namespace story_test
