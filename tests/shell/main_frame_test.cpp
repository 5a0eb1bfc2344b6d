// The frame window: its clock, keys, window events, settings and shutdown, driven through the
// headless backend's clock and message queue.
#include "game/shell/main_frame.h"

#include <gtest/gtest.h>

#include "engine/framework/game_mediator.h"
#include "engine/sound/direct_show.h"
#include "game/shell/main_menu.h"
#include "tests/support/engine_world.h"

namespace {

using testing_support::EngineWorld;
using testing_support::Utf8;

class CountingComponent : public CQZGameComponent {
public:
    explicit CountingComponent(const char* name) { SetName(name); }
    void Initialize() override { ++initializations; }
    void Finalize() override { ++finalizations; }
    void Update() override {
        ++updates;
        if (request_deferred_start_at == updates) mediator_->RequestDeferredStart();
    }
    void OnReset() override { ++resets; }
    bool OnCommand() override {
        ++commands;
        return true;
    }
    int initializations = 0, finalizations = 0, updates = 0, resets = 0, commands = 0;
    int request_deferred_start_at = -1;
};

class MainFrameTest : public ::testing::Test {
protected:
    CMainFrame& Frame() {
        if (!frame_)
            frame_ = std::make_unique<CMainFrame>(CMainFrame::Components{&logo, {&game, &title}});
        return *frame_;
    }
    bool Start() {
        Frame().PreCreateWindow();
        return Frame().StartGame();
    }
    // Handles every queued message, as the message loop does.
    void Pump() {
        platform::Message message;
        while (world.backend.window.GetMessage(message)) Frame().OnMessage(message);
    }
    // Lets the clock run, handling the messages after every millisecond, like a window that
    // keeps up.
    void RunFor(unsigned ms) {
        for (unsigned i = 0; i < ms; ++i) {
            world.backend.clock.Advance(1);
            Pump();
        }
    }
    int Setting(const char* key) { return world.backend.settings.GetInt("Vemu", key, -12345); }

    EngineWorld world;
    CountingComponent logo{"LogoComp"}, game{"VemuComp"}, title{"TitleComp"};
    std::unique_ptr<CMainFrame> frame_;
};

TEST_F(MainFrameTest, StartsWithTheLogoAndRunsFiftyFramesASecond) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Frame().is_started());
    EXPECT_EQ(logo.initializations, 1);
    EXPECT_EQ(game.initializations, 0);
    EXPECT_EQ(world.runtime.mediator.GetCurrentComponent(), &logo);
    RunFor(1000);
    EXPECT_EQ(logo.updates, 50);
    EXPECT_EQ(world.runtime.mediator.GetFps(), 50);
}

TEST_F(MainFrameTest, FirstRateReadingsAreFifty) {
    ASSERT_TRUE(Start());
    for (int period = 0; period < 3; ++period) {
        RunFor(100);
        EXPECT_EQ(world.runtime.mediator.GetFps(), 50) << "period " << period;
    }
}

// Ticks that pile up while the window thread is busy: only those handled while fewer than 10
// are pending run a frame, and only the first one after the clock moved is drawn.
TEST_F(MainFrameTest, TickPolicy) {
    struct Case {
        int queued_ticks;
        int frames_run;
        int frames_drawn;
    } cases[] = {{1, 1, 1}, {9, 9, 1}, {10, 10, 1}, {12, 10, 1}};
    ASSERT_TRUE(Start());
    for (const Case& c : cases) {
        const int updates = logo.updates;
        const int presents = world.backend.window.PresentCount();
        world.backend.clock.Advance(20 * c.queued_ticks);
        // Drop the rate ticks: they draw nothing.
        Pump();
        EXPECT_EQ(logo.updates - updates, c.frames_run) << c.queued_ticks << " ticks";
        EXPECT_EQ(world.backend.window.PresentCount() - presents, c.frames_drawn) << c.queued_ticks;
        EXPECT_EQ(Frame().pending_ticks(), 0);
    }
}

TEST_F(MainFrameTest, NoFrameWhileSuspendedInactiveOrAfterQuit) {
    ASSERT_TRUE(Start());
    world.runtime.mediator.SetSuspended(true);
    RunFor(100);
    EXPECT_EQ(logo.updates, 0);
    world.runtime.mediator.SetSuspended(false);

    Frame().OnMessage(platform::Message::MakeActivate(false));
    RunFor(100);
    EXPECT_EQ(logo.updates, 0);
    EXPECT_FALSE(Frame().is_active());
    Frame().OnMessage(platform::Message::MakeActivate(true));
    RunFor(100);
    EXPECT_EQ(logo.updates, 5);

    // Ticks queued before the quit find the counter at 1000 and run nothing.
    world.backend.clock.Advance(60);
    Frame().OnMessage(platform::Message::MakeKey(platform::vk::kEscape));
    EXPECT_TRUE(world.backend.window.QuitPosted());
    Pump();
    EXPECT_EQ(logo.updates, 5);
    EXPECT_EQ(world.backend.timers.Count(), 0u);
}

TEST_F(MainFrameTest, DeferredStartInitialisesTheOtherComponentsOnce) {
    logo.request_deferred_start_at = 3;
    ASSERT_TRUE(Start());
    RunFor(200);
    EXPECT_EQ(game.initializations, 1);
    EXPECT_EQ(title.initializations, 1);
    EXPECT_EQ(logo.initializations, 1);
    EXPECT_FALSE(world.runtime.mediator.IsSuspended());
    EXPECT_FALSE(world.runtime.input.IsLocked());
}

TEST_F(MainFrameTest, FreshSettingsGiveA640By480ClientArea) {
    // Decorations other than the ones the default size was made for: the window is corrected.
    world.backend.window.SetNonClientSize(10, 60);
    ASSERT_TRUE(Start());
    EXPECT_EQ(world.backend.window.GetClientRect(), (platform::Rect{0, 0, 640, 480}));
    EXPECT_EQ(Frame().window_rect(), (platform::Rect{0, 0, 650, 540}));
    EXPECT_EQ(Frame().button_key(0), 'Z');
    EXPECT_EQ(Frame().button_key(3), 'V');

    Frame().Quit();
    EXPECT_EQ(Setting("x"), 0);
    EXPECT_EQ(Setting("y"), 0);
    EXPECT_EQ(Setting("cx"), 650);
    EXPECT_EQ(Setting("cy"), 540);
    EXPECT_EQ(Setting("Window"), 1);
    EXPECT_EQ(Setting("Wave"), 1);
    EXPECT_EQ(Setting("Midi"), 1);
    EXPECT_EQ(Setting("bgm_vol"), 100);
    EXPECT_EQ(Setting("sound_vol"), 100);
    // Read but never written.
    EXPECT_EQ(Setting("button1"), -12345);
}

TEST_F(MainFrameTest, StoredSettingsAreUsed) {
    world.backend.settings.WriteInt("Vemu", "x", 30);
    world.backend.settings.WriteInt("Vemu", "y", 40);
    world.backend.settings.WriteInt("Vemu", "button1", 'A');
    world.backend.settings.WriteInt("Vemu", "bgm_vol", 55);
    ASSERT_TRUE(Start());
    EXPECT_EQ(Frame().window_rect().left, 30);
    EXPECT_EQ(Frame().button_key(0), 'A');
    EXPECT_EQ(world.runtime.show.GetVolume(), 55.0);
}

TEST_F(MainFrameTest, KeysActOnceAndRepeatsAreIgnored) {
    ASSERT_TRUE(Start());
    using platform::Message;
    Frame().OnMessage(Message::MakeKey(platform::vk::kF2));
    Frame().OnMessage(Message::MakeKey(platform::vk::kF2, true));
    Frame().OnMessage(Message::MakeKey(platform::vk::kF4));
    Frame().OnMessage(Message::MakeKey(platform::vk::kF3, true));
    Frame().OnMessage(Message::MakeKey(platform::vk::kEscape, true));
    Frame().OnMessage(Message::MakeKey(platform::vk::kF1, true));
    EXPECT_EQ(logo.resets, 1);
    EXPECT_EQ(logo.commands, 1);
    EXPECT_FALSE(world.backend.window.IsFullScreen());
    EXPECT_FALSE(world.backend.window.QuitPosted());
    Frame().OnMessage(Message::MakeKey(platform::vk::kF3));
    EXPECT_TRUE(world.backend.window.IsFullScreen());
    Frame().OnMessage(Message::MakeKey(platform::vk::kF1));
    EXPECT_TRUE(world.backend.window.QuitPosted());
}

TEST_F(MainFrameTest, MaximisingSwitchesToFullScreen) {
    ASSERT_TRUE(Start());
    Frame().OnMessage(platform::Message::Make(platform::MessageKind::Maximize));
    EXPECT_TRUE(world.backend.window.IsFullScreen());
    Frame().OnMessage(platform::Message::Make(platform::MessageKind::Maximize));
    EXPECT_FALSE(world.backend.window.IsFullScreen());
    EXPECT_EQ(world.backend.window.GetClientRect(), (platform::Rect{0, 0, 640, 480}));
}

TEST_F(MainFrameTest, MovesPartlyOffTheTopOrLeftAreNotStored) {
    ASSERT_TRUE(Start());
    struct Case {
        platform::Rect moved_to;
        bool stored;
    } cases[] = {
        {{100, 50, 746, 574}, true}, {{-5, 50, 641, 574}, false}, {{100, -1, 746, 523}, false}};
    for (const Case& c : cases) {
        const platform::Rect before = Frame().window_rect();
        world.backend.window.MoveWindow(c.moved_to);
        Frame().OnMessage(platform::Message::Make(platform::MessageKind::Move));
        EXPECT_EQ(Frame().window_rect(), c.stored ? c.moved_to : before);
    }
}

TEST_F(MainFrameTest, WheelNotchesBecomeThreeStepsEach) {
    ASSERT_TRUE(Start());
    Frame().OnMessage(platform::Message::MakeWheel(-120));
    EXPECT_EQ(world.runtime.mouse.GetWheel(), -3);
    Frame().OnMessage(platform::Message::MakeWheel(100));
    EXPECT_EQ(world.runtime.mouse.GetWheel(), 2);
}

TEST_F(MainFrameTest, MenuCommandsOpenTheManualAndPages) {
    world.backend.services().folders.game = "/games/vemu";
    ASSERT_TRUE(Start());
    Frame().OnMessage(platform::Message::MakeCommand(main_menu::kManual));
    ASSERT_EQ(world.backend.shell.opened.size(), 1u);
    EXPECT_EQ(world.backend.shell.opened[0], "/games/vemu/manual/index.html");
    world.backend.shell.succeed = false;
    Frame().OnMessage(platform::Message::MakeCommand(main_menu::kProductPage));
    ASSERT_EQ(world.backend.dialogs.boxes.size(), 1u);
    EXPECT_EQ(world.backend.dialogs.boxes[0].text, Utf8(u8"ウェブ起動できません"));
    Frame().OnMessage(platform::Message::MakeCommand(main_menu::kManual));
    EXPECT_EQ(world.backend.dialogs.boxes.back().text, Utf8(u8"ファイルが開けません"));
}

TEST_F(MainFrameTest, AFrameTimerThatCannotBeMadeFailsTheStart) {
    world.backend.timers.FailNextSetEvent(1);  // the rate timer works, the frame timer fails
    EXPECT_FALSE(Start());
    ASSERT_EQ(world.backend.dialogs.boxes.size(), 1u);
    EXPECT_EQ(world.backend.dialogs.boxes[0].text, Utf8(u8"タイマ異常"));
}

TEST_F(MainFrameTest, ARateTimerThatCannotBeMadeIsOnlyReported) {
    world.backend.timers.FailNextSetEvent();
    EXPECT_TRUE(Start());
    EXPECT_EQ(world.backend.dialogs.boxes.size(), 1u);
    RunFor(100);
    EXPECT_EQ(logo.updates, 5);
}

TEST_F(MainFrameTest, ShutdownTwiceFinalisesOnce) {
    ASSERT_TRUE(Start());
    Frame().Quit();
    EXPECT_EQ(logo.finalizations, 1);
    frame_.reset();  // the destructor shuts down again
    EXPECT_EQ(logo.finalizations, 1);
    EXPECT_EQ(game.finalizations, 1);
}

TEST_F(MainFrameTest, ALostDeviceSwitchesTheScreenModeAtTheEndOfThatFrame) {
    ASSERT_TRUE(Start());
    world.backend.window.LoseDeviceOnNextPresent();
    RunFor(20);
    EXPECT_TRUE(world.backend.window.IsFullScreen());
}

}  // namespace
