// The fade's cover, frame by frame, under the mediator, and the timed wait.
#include <gtest/gtest.h>

#include <vector>

#include "engine/framework/fade_event.h"
#include "engine/framework/wait_event.h"
#include "tests/support/engine_world.h"

namespace {

class TimingTest : public ::testing::Test {
protected:
    TimingTest() {
        world.runtime.graphics.Init(nullptr, true);
        mediator().SetRenderFlag(true);
    }
    CQZGameMediator& mediator() { return world.runtime.mediator; }
    bool Running(const CGameEvent& e) { return mediator().IsRunning(&e); }
    testing_support::EngineWorld world;
};

TEST_F(TimingTest, AFadeOutBuildsUpAndIsRetiredInItsLastFrame) {
    CFadeEvent fade;
    WaitHandle handle;
    fade.Setup(CFadeEvent::kOut, 50, 0, 0, 0);
    EXPECT_EQ(fade.effect().alpha, 0);
    EXPECT_EQ(fade.effect().width, 640);
    EXPECT_EQ(fade.effect().height, 480);
    ASSERT_TRUE(fade.Start(&handle));
    std::vector<int> alphas;
    for (int frame = 1; frame <= 49; ++frame) {
        mediator().Run();
        alphas.push_back(fade.effect().alpha);
        ASSERT_FALSE(handle.IsDone()) << frame;
    }
    EXPECT_EQ(alphas[0], 5);
    EXPECT_EQ(alphas[24], 127);
    EXPECT_EQ(alphas.back(), 249);  // the last cover drawn
    mediator().Run();
    EXPECT_TRUE(handle.IsDone());
    EXPECT_FALSE(Running(fade));
    EXPECT_EQ(fade.effect().alpha, 255);
    EXPECT_EQ(fade.frame_count(), 0);
}

TEST_F(TimingTest, AFadeInClearsTheCover) {
    CFadeEvent fade;
    WaitHandle handle;
    fade.Setup(CFadeEvent::kIn, 4, 255, 255, 255);
    EXPECT_EQ(fade.effect().alpha, 255);
    ASSERT_TRUE(fade.Start(&handle));
    std::vector<int> alphas;
    for (int i = 0; i < 4; ++i) {
        mediator().Run();
        alphas.push_back(fade.effect().alpha);
    }
    EXPECT_EQ(alphas, (std::vector<int>{192, 128, 64, 0}));
    EXPECT_TRUE(handle.IsDone());
}

TEST_F(TimingTest, UndrawnFramesCountButOnlyDrawnFramesMoveTheCover) {
    CFadeEvent fade;
    WaitHandle handle;
    fade.Setup(CFadeEvent::kOut, 10, 0, 0, 0);
    ASSERT_TRUE(fade.Start(&handle));
    std::vector<int> alphas;
    int frame = 0;
    while (!handle.IsDone() && frame < 30) {
        ++frame;
        mediator().SetRenderFlag(frame % 2 == 1);  // drawn, skipped, drawn, ...
        mediator().Run();
        alphas.push_back(fade.effect().alpha);
    }
    // Frame 10 is not drawn, so the fade ends at frame 11, the first drawn one after its length.
    EXPECT_EQ(frame, 11);
    EXPECT_EQ(alphas, (std::vector<int>{25, 25, 76, 76, 127, 127, 178, 178, 229, 229, 255}));
}

TEST_F(TimingTest, AFadeOfNoFramesEndsAtOnce) {
    CFadeEvent fade;
    WaitHandle handle;
    fade.Setup(CFadeEvent::kOut, 0, 0, 0, 0);
    ASSERT_TRUE(fade.Start(&handle));
    mediator().Run();
    EXPECT_TRUE(handle.IsDone());
    EXPECT_EQ(fade.effect().alpha, 255);
}

TEST_F(TimingTest, WaitsLastMillisecondsTimesFiftyOverAThousandFrames) {
    const struct {
        int milliseconds;
        int frames_to_finish;
    } cases[] = {{0, 1}, {19, 1}, {20, 2}, {1000, 51}};
    for (const auto& c : cases) {
        CWaitEvent wait;
        WaitHandle handle;
        wait.SetMilliseconds(c.milliseconds);
        ASSERT_TRUE(wait.Start(&handle));
        int frames = 0;
        while (!handle.IsDone() && frames < 100) {
            mediator().Run();
            ++frames;
        }
        EXPECT_EQ(frames, c.frames_to_finish) << c.milliseconds << " ms";
        EXPECT_FALSE(Running(wait));
    }
}

}  // namespace
