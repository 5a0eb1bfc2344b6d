// The mouse event: position, held counts, double clicks and the cursor sprite.
#include <gtest/gtest.h>

#include "engine/framework/mouse_event.h"
#include "tests/support/engine_world.h"

namespace {

class MouseTest : public ::testing::Test {
protected:
    CMouseEvent& mouse() { return world.runtime.mouse; }
    platform::headless::HeadlessWindow& window() { return world.backend.window; }
    // A press of one frame, then `gap - 1` frames up (at least one).
    bool PressAndWait(int gap) {
        window().HoldMouseButton(0, true);
        mouse().Update();
        const bool double_click = mouse().IsDoubleClick();
        window().HoldMouseButton(0, false);
        for (int i = 1; i < gap; ++i) mouse().Update();
        return double_click;
    }
    testing_support::EngineWorld world;
};

TEST_F(MouseTest, PressesLessThanTwentyFramesApartAreDoubleClicks) {
    EXPECT_FALSE(PressAndWait(19));  // the first press of a session never is
    EXPECT_TRUE(PressAndWait(20));   // 19 frames after the first
    EXPECT_FALSE(PressAndWait(2));   // 20 frames after the second
    EXPECT_TRUE(PressAndWait(2));    // 2 frames after the third
    EXPECT_TRUE(PressAndWait(2));    // and a quick further press counts again
}

TEST_F(MouseTest, HeldButtonsCountFramesAndReportMovement) {
    window().SetCursorPos({100, 200});
    mouse().Update();
    EXPECT_TRUE(mouse().IsMoved());
    EXPECT_EQ(mouse().x, 100);
    EXPECT_EQ(mouse().y, 200);
    mouse().Update();
    EXPECT_FALSE(mouse().IsMoved());
    window().HoldMouseButton(0, true);
    window().HoldMouseButton(1, true);
    for (int frame = 1; frame <= 3; ++frame) {
        mouse().Update();
        EXPECT_EQ(mouse().GetButton(0), frame);
        EXPECT_EQ(mouse().GetButton(1), frame);
        EXPECT_TRUE(mouse().IsMoved());  // a held button counts as movement
    }
    window().HoldMouseButton(0, false);
    window().HoldMouseButton(1, false);
    mouse().Update();
    EXPECT_EQ(mouse().GetButton(0), 0);
    EXPECT_EQ(mouse().GetButton(1), 0);
    EXPECT_FALSE(mouse().IsMoved());
}

TEST_F(MouseTest, SetCursorPosMovesThePointer) {
    mouse().SetCursorPos(320, 240);
    EXPECT_EQ(window().GetCursorPos(), (platform::Point{320, 240}));
    EXPECT_EQ(mouse().x, 320);
    EXPECT_EQ(mouse().y, 240);
}

TEST_F(MouseTest, NothingIsDrawnWithoutACursorTexture) {
    world.runtime.graphics.Init(nullptr, true);
    world.runtime.graphics.Clear();
    const std::vector<std::uint32_t> before(world.runtime.graphics.Pixels(),
                                            world.runtime.graphics.Pixels() + 640 * 480);
    window().SetCursorPos({10, 10});
    mouse().Update();
    mouse().Draw();
    EXPECT_TRUE(std::equal(before.begin(), before.end(), world.runtime.graphics.Pixels()));
}

}  // namespace
