// Plays a visit or a story scene on the whole headless game, as the player would: every line
// is read once it has typed out, each question gets the next of the answers the test gives,
// each shop screen the scene opens is left at once, and the staff roll is watched to its end.
// What the scene said is kept line by line with its speaker.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "events/runtime/story_event.h"
#include "tests/support/play_harness.h"
#include "tests/support/story_transcript.h"

namespace visit_test {

using play_test::Sjis;

struct Spoken {
    std::string text;  // UTF-8
    int speaker = 0;
    int expression = 0;
    bool operator==(const Spoken&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Spoken& line);
inline Spoken Line(const char8_t* text, int speaker, int expression) {
    return {testing_support::Utf8(text), speaker, expression};
}

using play_test::SeedWhere;

class VisitTest : public ::testing::Test {
protected:
    // A new game, on the main commands, with the fastest text.
    void SetUp() override;

    // Starts the row as the scheduler does and plays it to its end, then runs one frame more
    // so that the screen below is current again.
    testing::AssertionResult Play(StoryEvent row, std::vector<const char8_t*> answers = {},
                                  int limit = 30000);
    // Play in two steps, for a test that acts in the middle of the scene.
    testing::AssertionResult Start(StoryEvent row);
    testing::AssertionResult Finish(std::vector<const char8_t*> answers = {}, int limit = 30000);
    // The same, with the game's draws seeded to satisfy `wanted` just before the start.
    testing::AssertionResult PlaySeeded(StoryEvent row, const std::function<bool()>& wanted,
                                        std::vector<const char8_t*> answers = {});

    CVemuComp& game() const { return play.game(); }
    PlayState& state() const { return play.state(); }
    // The texts of the lines, in order.
    std::vector<std::string> Texts() const;
    // Whether a line of exactly this text was said.
    bool Said(const char8_t* text) const;
    // Whether these texts came in this order, others between them allowed.
    template <typename... Texts>
    bool SaidInOrder(Texts... texts) const {
        return SaidInOrderOf({texts...});
    }
    bool SaidInOrderOf(const std::vector<const char8_t*>& texts) const;
    // A food of the catalogue in the pantry in use, or null.
    Food* InPantry(const char8_t* name) const;

    play_test::PlayHarness play;
    std::vector<Spoken> lines;
    std::vector<int> shop_screens;  // the screens the scene yielded to, in order
    bool staff_roll_shown = false;
    // Called on each shop screen before it is left; the default only leaves it.
    std::function<void(int screen)> on_shop_screen;
};

}  // namespace visit_test
