// The screens the layout checks and the golden pictures look at: one row per screen, each
// with the longest real names it can show. A new screen joins by a row.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/layout/layout_world.h"

namespace layout_test {

// The rows of the other components (the logo, the title, the staff roll) show no screen id.
inline constexpr int kOtherComponent = -1;

struct ScreenRow {
    const char* name;
    // The screen on top when the row is checked.
    int screen;
    // Brings the screen up; `playing` rows start on a game that plays (after the opening, on
    // the main commands), the others on the logo.
    std::function<void(LayoutWorld&)> show;
    bool playing = true;
    int frames = 80;  // frames to let it settle before the frame that is checked
};

const std::vector<ScreenRow>& Screens();
// Starts play when the row plays, brings its screen up and lets it settle.
[[nodiscard]] testing::AssertionResult ShowRow(LayoutWorld& world, const ScreenRow& row);

}  // namespace layout_test
