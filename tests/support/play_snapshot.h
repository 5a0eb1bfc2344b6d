// Every value of a play-through as text by name, so that two states compare at a glance and a
// difference names the values that differ: the saved and running state, the kitchen, the bag,
// the worn items, the screen stack, the component's own play values, the named values and the
// progress kept in the food catalogue and the recipe book.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

class CVemuComp;

namespace play_test {

using PlaySnapshot = std::map<std::string, std::string>;

PlaySnapshot TakeSnapshot(CVemuComp& game);

// Success when both hold the same values; else the values that differ, by name.
testing::AssertionResult SameSnapshot(const PlaySnapshot& expected, const PlaySnapshot& actual);

}  // namespace play_test
