// The whole game left alone on its title until the demo plays, with a record of every line the
// demo shows: the frame it appears on (0 = the demo's first frame), its speaker and face.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/framework/game_mediator.h"
#include "tests/support/play_harness.h"
#include "tests/support/story_transcript.h"

namespace demo_test {

using namespace play_test;

// Title frames from its entry to the demo's start: the count runs from −70 to 1000.
inline constexpr int kIdleFrames = CTitleComp::kDemoCounter - CTitleComp::kEnterCounter;
// A component switch fades out over this many frames before the next component takes over.
inline constexpr int kFadeFrames = 32;

struct Shown {
    int frame;
    int speaker;
    int expression;
    std::string text;  // CP932
};

// A seed whose first draw picks sketch draw r of four.
inline unsigned SeedFor(int r) { return play_test::SeedFor({{4, r}}); }

class DemoTest : public ::testing::Test {
protected:
    DemoTest() { play.SetPixels(false); }

    // From the title (entered or about to be), untouched until the main game has taken the
    // demo on; the next frame is the demo's first.
    [[nodiscard]] testing::AssertionResult UntilDemo() {
        testing::AssertionResult title = play.RunUntilComponent(CTitleComp::kName);
        if (!title) return title;
        return play.RunUntilComponent(CVemuComp::kName, kIdleFrames + 2 * kFadeFrames);
    }

    // A switch away from the main game has begun (the fade-in that brought it does not count).
    bool FadingOut() const { return play.Switching() && play.mediator().GetTransitionPhase() == 0; }

    // Back on the title, until its menu is open again (it opens 325 frames after the entry).
    [[nodiscard]] testing::AssertionResult UntilTitleMenu() {
        for (int i = 0; i <= kIdleFrames; ++i) {
            if (std::string(play.CurrentComponent()) == CTitleComp::kName &&
                play.mediator().IsRunning(&play.title().select_window()))
                return testing::AssertionSuccess();
            play.Frame();
        }
        return testing::AssertionFailure() << "no title menu; " << play.Report();
    }

    // Runs `frames` frames of the demo (or until the title is back), noting each line as it
    // appears and the frame in which the switch back to the title began.
    void Watch(int frames) {
        for (int i = 0; i < frames && std::string(play.CurrentComponent()) == CVemuComp::kName;
             ++i) {
            play.Frame();
            if (switch_frame < 0 && FadingOut()) switch_frame = frame;
            const std::string& text = play.game().message_output().GetText();
            if (play.mediator().IsRunning(&play.game().message_output()) && text != last_text) {
                shown.push_back(
                    {frame, play.game().stage().speaker(), play.game().stage().expression(), text});
                last_text = text;
            }
            ++frame;
        }
    }

    // The demo from its first frame to the title's return.
    void WatchToTheEnd() { Watch(3000); }

    // Starts a fresh record for the next demo.
    void Forget() {
        shown.clear();
        last_text.clear();
        frame = 0;
        switch_frame = -1;
    }

    PlayHarness play;
    std::vector<Shown> shown;
    std::string last_text;
    int frame = 0;  // frames of the demo watched so far
    int switch_frame = -1;
};

}  // namespace demo_test
