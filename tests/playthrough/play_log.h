// What the play-through saw, for the message of a failure: each new message, each question with
// the answer given, each change of screen or component and each flag the story switched, every
// line dated by the game's clock, in UTF-8. Only the latest lines are kept.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

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
    // Whether a message with this text (UTF-8) has been shown since the mark (0: since the log
    // began); a mark is the count of messages shown so far.
    bool Saw(const std::string& text, std::size_t since = 0) const;
    std::size_t Mark() const { return messages_.size(); }
    // Every story stage the game has stood at, in order, each change once.
    const std::vector<int>& stages() const { return stages_; }

private:
    std::deque<std::string> lines_;
    std::string last_message_;
    std::string last_component_;
    int last_screen_ = -1;
    std::array<std::uint8_t, kPlaceFlagCount> places_{};
    int stage_ = 0;
    std::vector<int> stages_{0};
    std::vector<std::string> messages_;
    int first_ = -1;
    int contests_ = 0;
};

// "2006/1/2 7:00", the game's date.
std::string DateOf(const GameClock& clock);

}  // namespace play_test
