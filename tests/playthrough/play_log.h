// What the play-through saw, for the message of a failure: each new message, each question with
// the answer given, each change of screen or component and each flag the story switched, every
// line dated by the game's clock, in UTF-8. Only the latest lines are kept.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>

#include "game/rules/play_state.h"

namespace play_test {

class PlayHarness;

class PlayLog {
public:
    // Looks at the game once; called after every frame.
    void Sample(const PlayHarness& play);
    void Note(const PlayHarness& play, const std::string& line);
    // The kept lines, oldest first, one a line.
    std::string Tail() const;

private:
    void Add(const PlayHarness& play, const std::string& line);

    std::deque<std::string> lines_;
    std::string last_message_;
    std::string last_component_;
    int last_screen_ = -1;
    std::array<std::uint8_t, kPlaceFlagCount> places_{};
    int stage_ = 0;
    int first_ = -1;
    int contests_ = 0;
};

// "2006/1/2 7:00", the game's date.
std::string DateOf(const GameClock& clock);

}  // namespace play_test
