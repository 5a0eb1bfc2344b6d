// The first frame of a new game's first day, compared with its golden picture.
#include <gtest/gtest.h>

#include "tests/draw/draw_world.h"
#include "tests/support/golden.h"

namespace draw_test {
namespace {

TEST(GoldenFrameTest, DayOneOnTheMainCommands) {
    DrawWorld world;
    world.game.PrepareNewGame();
    world.game.state().first = 0;  // the opening is over
    world.Frames(64);  // the prompt written out in full, the sky's bob back at its start
    ASSERT_EQ(world.game.screens().id(), kScreenMainCommands);
    EXPECT_TRUE(MatchesGolden("draw/golden/day_one", world.runtime.graphics.Pixels(), 640, 480));
}

}  // namespace
}  // namespace draw_test
