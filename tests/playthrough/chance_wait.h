// Waiting for chance: a step that needs a visit or a find plays ordinary days until it comes,
// within a budget of game days; past the budget the run fails with the date and the play log.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/playthrough/play_script.h"

namespace play_test {

// The game's day count since the new game's first morning (day 1), months being 31 days.
int GameDay(const GameClock& clock);

// An ordinary day from the morning's commands to the next morning's.
using DayPlan = std::function<testing::AssertionResult()>;

// Plays `day` until `came` holds (looked at after every day), at most `budget` days.
testing::AssertionResult WaitForChance(PlayScript& script, const DayPlan& day,
                                       const std::function<bool()>& came, int budget,
                                       const std::string& what);

}  // namespace play_test
