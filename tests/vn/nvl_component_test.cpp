// The visual-novel component's one-call operations and the handles they signal.
#include <gtest/gtest.h>

#include "engine/framework/nvl_component.h"
#include "tests/vn/vn_world.h"

namespace {

using namespace vn_test;

class Novel : public CQZNVLComponent {
public:
    void Initialize() override {}
    void Finalize() override {}
    void Update() override {}
};

class NvlComponent : public ::testing::Test {
protected:
    NvlComponent() { novel.SetTextSpeed(1); }
    CMessageOutEvent& out() { return novel.message_output(); }

    VnWorld world;
    Novel novel;
    WaitHandle handle;
};

TEST_F(NvlComponent, IsNamedAndPlacesTheMessageWindow) {
    EXPECT_STREQ(novel.GetName(), "NVLComp");
    novel.ShowMessage(&handle, "hi", 0xFF523E14, nullptr);
    world.Frames(3);
    ASSERT_NE(world.FindText(u8"hi"), nullptr);
    EXPECT_EQ(world.FindText(u8"hi")->x, 60);
    EXPECT_EQ(world.FindText(u8"hi")->y, 355);
    novel.SetMessagePosition(200, 360);
    novel.ShowMessage(nullptr, "ho", 0xFF523E14, nullptr);
    world.Frames(3);
    EXPECT_EQ(world.FindText(u8"ho")->x, 200);
}

TEST_F(NvlComponent, ShowMessageWhileTypingRestartsWithTheNewText) {
    ASSERT_TRUE(novel.ShowMessage(&handle, "first words", 0xFF523E14, nullptr));
    world.Frames(3);
    EXPECT_EQ(out().VisibleLine(0), "fir");
    WaitHandle second;
    EXPECT_TRUE(novel.ShowMessage(&second, "next", 0xFF523E14, nullptr));
    EXPECT_EQ(out().VisibleLine(0), "");
    EXPECT_TRUE(world.mediator().IsRunning(&out()));
    world.Frames(10);
    EXPECT_EQ(out().VisibleLine(0), "next");
    world.Tap(kDecide);
    EXPECT_TRUE(second.IsDone());
    EXPECT_EQ(handle.state, WaitHandle::kWaiting);  // replaced, never signalled
}

TEST_F(NvlComponent, ShowOrAppendGrowsTheRunningText) {
    novel.ShowOrAppendMessage(&handle, "AB", 0xFF523E14, nullptr);
    world.Frames(1);
    novel.ShowOrAppendMessage(&handle, "CD", 0xFF523E14, nullptr);
    world.Frames(10);
    EXPECT_EQ(out().VisibleLine(0), "ABCD");
    EXPECT_EQ(novel.GetMessageText(), "ABCD");
    // Waiting at the end: the next line starts on a cleared window without a press.
    novel.ShowOrAppendMessage(&handle, "EF", 0xFF523E14, nullptr);
    world.Frames(10);
    EXPECT_EQ(out().VisibleLine(0), "EF");
    EXPECT_EQ(handle.state, WaitHandle::kWaiting);
}

// A handle left waiting by a replaced message must not append to a window that has closed.
TEST_F(NvlComponent, ShowOrAppendWithAStaleHandleShowsTheText) {
    novel.ShowMessage(&handle, "old", 0xFF523E14, nullptr);
    WaitHandle other;
    novel.ShowMessage(&other, "new", 0xFF523E14, nullptr);
    world.Frames(10);
    world.Tap(kDecide);
    world.Frames(1);
    ASSERT_FALSE(world.mediator().IsRunning(&out()));
    ASSERT_EQ(handle.state, WaitHandle::kWaiting);
    // Not appended to the closed window: shown, which a still-waiting handle refuses.
    EXPECT_FALSE(novel.ShowOrAppendMessage(&handle, "shown", 0xFF523E14, nullptr));
    EXPECT_FALSE(world.mediator().IsRunning(&out()));
    handle.Reset();
    novel.ShowOrAppendMessage(&handle, "shown", 0xFF523E14, nullptr);
    world.Frames(10);
    EXPECT_EQ(out().VisibleLine(0), "shown");
}

TEST_F(NvlComponent, StartSelectOffersTheLabelsAndLeavesTheChoice) {
    const char* labels[] = {"yes", "no", "maybe", nullptr};
    int index = 0;
    EXPECT_TRUE(novel.StartSelect(&handle, 300, 200, &index, labels, 0));
    world.Frames(1);
    EXPECT_EQ(novel.select_window().GetCount(), 3);
    EXPECT_EQ(novel.select_window().GetRows(), 3);
    world.Tap(kDown);
    world.Tap(kDecide);
    EXPECT_TRUE(handle.IsDone());
    EXPECT_EQ(index, 1);
}

TEST_F(NvlComponent, EmptyLabelListNeverFinishes) {
    const char* labels[] = {nullptr};
    int index = 5;
    novel.StartSelect(&handle, 300, 200, &index, labels, 4);
    world.Tap(kDecide);
    world.Frames(5);
    EXPECT_TRUE(world.mediator().IsRunning(&novel.select_window()));
    EXPECT_FALSE(handle.IsDone());
    novel.StopSelect();
    EXPECT_TRUE(handle.IsDone());
}

TEST_F(NvlComponent, FreedEntriesAreNoLongerDrawn) {
    const char* labels[] = {"yes", "no", nullptr};
    int index = 0;
    novel.StartSelect(&handle, 300, 200, &index, labels, 0);
    world.Frames(1);
    ASSERT_NE(world.FindText(u8"yes"), nullptr);
    novel.FreeSelectItems();
    world.Frames(1);
    EXPECT_EQ(world.FindText(u8"yes"), nullptr);
    EXPECT_EQ(index, 0);
}

TEST_F(NvlComponent, WaitsCountFramesOfMilliseconds) {
    struct Row {
        int milliseconds, updates;
    };
    for (const Row row : {Row{0, 1}, Row{1000, 51}, Row{100, 6}}) {
        WaitHandle wait;
        novel.Wait(&wait, row.milliseconds);
        world.Frames(row.updates - 1);
        EXPECT_FALSE(wait.IsDone()) << row.milliseconds;
        world.Frames(1);
        EXPECT_TRUE(wait.IsDone()) << row.milliseconds;
    }
}

TEST_F(NvlComponent, FadesCoverTheScreen) {
    EXPECT_TRUE(novel.FadeOut(&handle, 10, 0, 0, 0));
    EXPECT_EQ(novel.screen_fade().priority(), 7);
    world.Frames(9);
    EXPECT_FALSE(handle.IsDone());
    world.Frames(1);
    EXPECT_TRUE(handle.IsDone());
    EXPECT_TRUE(novel.FadeIn(&handle, 10, 255, 255, 255));
    EXPECT_EQ(novel.screen_fade().kind(), CFadeEvent::kIn);
}

TEST_F(NvlComponent, TextSpeedFlagsAndCatchUp) {
    EXPECT_FALSE(novel.SetTextSpeed(0));
    EXPECT_EQ(out().GetSpeed(), 1);
    EXPECT_TRUE(novel.SetTextSpeed(30));
    novel.ShowMessage(&handle, std::string(70, 'x').c_str(), 0xFF523E14, nullptr);
    novel.CatchUpText();  // 70 unshown: four steps
    EXPECT_EQ(out().GetPosition(), 4);
    novel.CatchUpText();  // 66
    EXPECT_EQ(out().GetPosition(), 8);
    novel.CatchUpText();  // 62: not worth it
    EXPECT_EQ(out().GetPosition(), 8);
}

}  // namespace
