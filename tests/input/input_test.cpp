// The eight virtual buttons from scripted keys and a scripted joystick, and the keys and mouse
// buttons as the frame polls them.
#include <gtest/gtest.h>

#include <functional>

#include "engine/framework/engine_runtime.h"
#include "platform/headless/headless_backend.h"

namespace {

namespace vk = platform::vk;

class Input : public ::testing::Test {
protected:
    Input() { backend.Install(); }
    // Polls n frames and returns the counts of one button after each.
    std::vector<int> Poll(int button, int n) {
        std::vector<int> counts;
        for (int i = 0; i < n; ++i) {
            input.Update();
            counts.push_back(input.GetCount(button));
        }
        return counts;
    }
    platform::headless::HeadlessBackend backend;
    EngineRuntime runtime;
    CDirectInput& input = runtime.input;
};

TEST_F(Input, NothingIsReadBeforeInit) {
    backend.window.HoldKey(vk::kReturn, true);
    EXPECT_FALSE(input.Update());
    EXPECT_EQ(input.GetCount(4), 0);
}

TEST_F(Input, EnterHeldThreeFramesCountsOneTwoThreeThenZero) {
    EXPECT_FALSE(input.Init(nullptr));  // no joystick; the keyboard still works
    backend.window.HoldKey(vk::kReturn, true);
    EXPECT_EQ(Poll(4, 3), (std::vector<int>{1, 2, 3}));
    backend.window.HoldKey(vk::kReturn, false);
    EXPECT_EQ(Poll(4, 1), (std::vector<int>{0}));
}

TEST_F(Input, FixedAndConfiguredKeysDriveTheirButtons) {
    input.Init(nullptr);
    input.SetKey(5, 'X');
    const struct {
        int key, button;
    } cases[] = {{vk::kUp, 0},      {vk::kDown, 1},    {vk::kLeft, 2},
                 {vk::kRight, 3},   {vk::kNumpad1, 4}, {vk::kNumpad2, 5},
                 {vk::kNumpad3, 6}, {vk::kNumpad4, 7}, {'X', 5}};
    for (const auto& c : cases) {
        backend.window.ReleaseAllKeys();
        input.ClearAll();
        backend.window.HoldKey(c.key, true);
        input.Update();
        for (int b = 0; b < CDirectInput::kButtons; ++b)
            EXPECT_EQ(input.GetCount(b), b == c.button ? 1 : 0)
                << "key " << c.key << " button " << b;
    }
    backend.window.ReleaseAllKeys();
    backend.window.HoldKey(vk::kUp, true);
    backend.window.HoldKey(vk::kDown, true);
    input.Update();
    EXPECT_EQ(input.GetCount(0), 1);
    EXPECT_EQ(input.GetCount(1), 1);
}

TEST_F(Input, LockHidesTheCountsAndUnlockRestoresThem) {
    input.Init(nullptr);
    backend.window.HoldKey(vk::kReturn, true);
    Poll(4, 2);
    input.Lock();
    EXPECT_EQ(input.GetCount(4), 0);
    EXPECT_EQ(Poll(4, 5), (std::vector<int>{0, 0, 0, 0, 0}));
    // A second lock (and a late device start) keep the first saved counts and the lock.
    input.Lock();
    EXPECT_FALSE(input.Init(nullptr));
    EXPECT_FALSE(input.Update());
    input.Unlock();
    EXPECT_EQ(input.GetCount(4), 2);
    EXPECT_EQ(Poll(4, 1), (std::vector<int>{3}));
    // An unlock without a lock changes nothing.
    input.Unlock();
    EXPECT_EQ(input.GetCount(4), 3);
}

TEST_F(Input, JoystickThresholdsAndButtons) {
    backend.joystick.attached = true;
    EXPECT_TRUE(input.Init(nullptr));
    const struct {
        int x, y;
        bool up, down, left, right;
    } cases[] = {{0, -501, true, false, false, false}, {0, -500, false, false, false, false},
                 {0, 500, false, false, false, false}, {0, 501, false, true, false, false},
                 {-501, 0, false, false, true, false}, {-500, 0, false, false, false, false},
                 {500, 0, false, false, false, false}, {501, 0, false, false, false, true}};
    for (const auto& c : cases) {
        input.ClearAll();
        backend.joystick.state = {};
        backend.joystick.state.x = c.x;
        backend.joystick.state.y = c.y;
        input.Update();
        EXPECT_EQ(input.GetCount(0), c.up ? 1 : 0) << c.x << "," << c.y;
        EXPECT_EQ(input.GetCount(1), c.down ? 1 : 0) << c.x << "," << c.y;
        EXPECT_EQ(input.GetCount(2), c.left ? 1 : 0) << c.x << "," << c.y;
        EXPECT_EQ(input.GetCount(3), c.right ? 1 : 0) << c.x << "," << c.y;
    }
    backend.joystick.state = {};
    for (int i = 0; i < 4; ++i) backend.joystick.state.buttons[i] = true;
    input.Update();
    for (int b = 4; b < 8; ++b) EXPECT_EQ(input.GetCount(b), 1);
    // Pulled out: the buttons read as released, and plugged in again they count anew.
    backend.joystick.attached = false;
    input.Update();
    EXPECT_EQ(input.GetCount(4), 0);
    EXPECT_FALSE(input.HasJoystick());
    backend.joystick.attached = true;
    input.Update();
    EXPECT_EQ(input.GetCount(4), 1);
}

// The frame polls every 20 ms; a key or mouse button pressed and let go in between (a quick
// tap, a touchpad's tap-to-click) is one fresh press in the next frame, and nothing after.
class FramePoll : public Input {
protected:
    FramePoll() {
        input.Init(nullptr);
        runtime.mediator.InitializeComponents();
    }
    struct Control {
        const char* name;
        std::function<void(platform::headless::HeadlessWindow&, bool)> hold;
        std::function<int(EngineRuntime&)> count;
    };
    static std::vector<Control> Controls() {
        return {
            {"Enter", [](auto& window, bool held) { window.HoldKey(vk::kReturn, held); },
             [](EngineRuntime& r) { return r.input.GetCount(4); }},
            {"left button", [](auto& window, bool held) { window.HoldMouseButton(0, held); },
             [](EngineRuntime& r) { return r.mouse.GetButton(0); }},
            {"right button", [](auto& window, bool held) { window.HoldMouseButton(1, held); },
             [](EngineRuntime& r) { return r.mouse.GetButton(1); }},
        };
    }
    // Runs n frames and returns the control's count after each.
    std::vector<int> Frames(const Control& control, int n) {
        std::vector<int> counts;
        for (int i = 0; i < n; ++i) {
            runtime.mediator.Run();
            counts.push_back(control.count(runtime));
        }
        return counts;
    }
};

TEST_F(FramePoll, ATapBetweenTwoFramesIsOneFreshPress) {
    for (const Control& control : Controls()) {
        SCOPED_TRACE(control.name);
        Frames(control, 1);
        control.hold(backend.window, true);
        control.hold(backend.window, false);
        EXPECT_EQ(Frames(control, 3), (std::vector<int>{1, 0, 0}));
        // Two taps in one frame are still one press.
        control.hold(backend.window, true);
        control.hold(backend.window, false);
        control.hold(backend.window, true);
        control.hold(backend.window, false);
        EXPECT_EQ(Frames(control, 2), (std::vector<int>{1, 0}));
    }
}

TEST_F(FramePoll, HoldingCountsFrameByFrameAsBefore) {
    for (const Control& control : Controls()) {
        SCOPED_TRACE(control.name);
        Frames(control, 1);
        control.hold(backend.window, true);
        EXPECT_EQ(Frames(control, 3), (std::vector<int>{1, 2, 3}));
        control.hold(backend.window, false);
        EXPECT_EQ(Frames(control, 2), (std::vector<int>{0, 0}));
        // Let go and pressed again between two frames: still held, never a second fresh press.
        control.hold(backend.window, true);
        Frames(control, 1);
        control.hold(backend.window, false);
        control.hold(backend.window, true);
        EXPECT_EQ(Frames(control, 2), (std::vector<int>{2, 3}));
        control.hold(backend.window, false);
        EXPECT_EQ(Frames(control, 1), (std::vector<int>{0}));
    }
}

TEST_F(FramePoll, ATapWhileTheButtonsAreLockedIsNotKeptForLater) {
    const Control enter = Controls()[0];
    Frames(enter, 1);
    input.Lock();
    enter.hold(backend.window, true);
    enter.hold(backend.window, false);
    EXPECT_EQ(Frames(enter, 2), (std::vector<int>{0, 0}));
    input.Unlock();
    EXPECT_EQ(Frames(enter, 1), (std::vector<int>{0}));
}

}  // namespace
