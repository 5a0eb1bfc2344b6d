#include "tests/playthrough/play_log.h"

#include <cstdio>

#include "tests/support/play_harness.h"

namespace play_test {

namespace {

// Enough for the days that lead up to a stalled step.
constexpr std::size_t kKeptLines = 600;

const char* const kPlaceKeys[kPlaceFlagCount] = {
    "go_shop", "go_competition", "go_architect", "go_forest", "go_narf", "go_cave", "go_ice"};

}  // namespace

std::string DateOf(const GameClock& clock) {
    char text[48];
    std::snprintf(text, sizeof text, "%d/%d/%d %d:%02d", clock.year, clock.month, clock.day,
                  clock.hour, clock.minute);
    return text;
}

void PlayLog::Note(const PlayHarness& play, const std::string& line) {
    lines_.push_back(DateOf(play.state().clock) + "  " + line);
    if (lines_.size() > kKeptLines) lines_.pop_front();
}

void PlayLog::Sample(const PlayHarness& play) {
    const std::string component = play.CurrentComponent();
    if (component != last_component_) {
        Note(play, "component " + component);
        last_component_ = component;
    }
    if (component != CVemuComp::kName) return;
    const PlayState& state = play.state();
    const int screen = play.game().screens().id();
    if (screen != last_screen_) {
        Note(play, "screen " + std::to_string(screen));
        last_screen_ = screen;
    }
    const std::string message = play.Message();
    if (message != last_message_ && !message.empty()) {
        Note(play, "message \"" + message + "\"");
        messages_.push_back(message);
    }
    last_message_ = message;
    for (int place = 0; place < kPlaceFlagCount; ++place) {
        const auto at = static_cast<std::size_t>(place);
        if (state.place_flags[at] != places_[at])
            Note(play,
                 std::string(kPlaceKeys[place]) + " " + std::to_string(state.place_flags[at]));
        places_[at] = state.place_flags[at];
    }
    if (state.story_stage != stage_) {
        Note(play, "state_amnesia " + std::to_string(state.story_stage));
        stages_.push_back(state.story_stage);
    }
    stage_ = state.story_stage;
    if (state.first != first_) Note(play, "first " + std::to_string(state.first));
    first_ = state.first;
    if (state.contests_won != contests_)
        Note(play, "won_competition " + std::to_string(state.contests_won));
    contests_ = state.contests_won;
}

bool PlayLog::Saw(const std::string& text, std::size_t since) const {
    for (std::size_t at = since; at < messages_.size(); ++at)
        if (messages_[at].find(text) != std::string::npos) return true;
    return false;
}

std::string PlayLog::Tail() const {
    std::string all;
    for (const std::string& line : lines_) all += line + "\n";
    return all;
}

}  // namespace play_test
