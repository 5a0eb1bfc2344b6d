// The mediator's frame: event order, retiring, component switches and their fades.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/framework/game_mediator.h"
#include "tests/support/engine_world.h"

namespace {

using testing_support::EngineWorld;

// Every update and draw goes into one shared log, so order across events is visible.
struct Log {
    std::vector<std::string> lines;
};

class ScriptedEvent : public CGameEvent {
public:
    ScriptedEvent(Log& log, std::string name, int priority) : log_(log), name_(std::move(name)) {
        priority_ = priority;
    }
    void Update() override {
        log_.lines.push_back("update " + name_);
        if (on_update) on_update(*this);
    }
    void Draw() override { log_.lines.push_back("draw " + name_); }
    void Begin() override {
        CGameEvent::Begin();
        ++begins;
    }
    using CGameEvent::Finish;
    std::function<void(ScriptedEvent&)> on_update;
    int begins = 0;

private:
    Log& log_;
    std::string name_;
};

class CountedEvent : public ScriptedEvent {
public:
    CountedEvent(Log& log, int& destroyed)
        : ScriptedEvent(log, "counted", 4), destroyed_(destroyed) {}
    ~CountedEvent() override { ++destroyed_; }

private:
    int& destroyed_;
};

class ScriptedComponent : public CQZGameComponent {
public:
    ScriptedComponent(Log& log, const char* name) : log_(log) { SetName(name); }
    void Initialize() override { log_.lines.push_back(std::string("init ") + GetName()); }
    void Finalize() override { log_.lines.push_back(std::string("finalize ") + GetName()); }
    void Update() override {
        ++updates;
        if (on_update) on_update();
    }
    void OnEnter(int argument) override {
        log_.lines.push_back(std::string("enter ") + GetName() + " " + std::to_string(argument));
    }
    void OnLeave() override { log_.lines.push_back(std::string("leave ") + GetName()); }
    void OnReset() override { log_.lines.push_back(std::string("reset ") + GetName()); }
    int updates = 0;
    std::function<void()> on_update;

private:
    Log& log_;
};

class MediatorTest : public ::testing::Test {
protected:
    MediatorTest() : a(log, "AComp"), b(log, "BComp"), c(log, "CComp") {
        mediator().RegisterComponent(&a);
        mediator().RegisterComponent(&b);
        mediator().RegisterComponent(&c);
        mediator().InitializeComponents();
        mediator().ChangeComponent("AComp", 0, 0);
        mediator().SetRenderFlag(true);
        log.lines.clear();
    }
    CQZGameMediator& mediator() { return world.runtime.mediator; }
    std::vector<std::string> Updates() const {
        std::vector<std::string> out;
        for (const auto& line : log.lines)
            if (line.rfind("update ", 0) == 0) out.push_back(line.substr(7));
        return out;
    }

    EngineWorld world;
    Log log;
    ScriptedComponent a, b, c;
};

TEST_F(MediatorTest, EventsUpdateByPriorityThenStartOrder) {
    ScriptedEvent late(log, "p7", 7), first(log, "p4-first", 4), second(log, "p4-second", 4);
    mediator().StartEvent(nullptr, &late);
    mediator().StartEvent(nullptr, &first);
    mediator().StartEvent(nullptr, &second);
    mediator().Run();
    // The mouse cursor (priority 8) is listed too; it logs nothing.
    EXPECT_EQ(Updates(), (std::vector<std::string>{"p4-first", "p4-second", "p7"}));
    EXPECT_EQ(log.lines.back(), "draw p7");
}

TEST_F(MediatorTest, RestartingARunningEventOnlyBeginsItAgain) {
    ScriptedEvent x(log, "x", 4), y(log, "y", 4);
    mediator().StartEvent(nullptr, &x);
    mediator().StartEvent(nullptr, &y);
    WaitHandle handle;
    EXPECT_TRUE(mediator().StartEvent(&handle, &x));
    EXPECT_EQ(x.begins, 2);
    EXPECT_EQ(x.wait_handle(), &handle);
    mediator().Run();
    EXPECT_EQ(Updates(), (std::vector<std::string>{"x", "y"}));
}

TEST_F(MediatorTest, WaitingHandleRefusesAndStartsNothing) {
    ScriptedEvent x(log, "x", 4), y(log, "y", 4);
    WaitHandle handle;
    ASSERT_TRUE(mediator().StartEvent(&handle, &x));
    EXPECT_FALSE(mediator().StartEvent(&handle, &y));
    EXPECT_FALSE(mediator().IsRunning(&y));
    EXPECT_EQ(y.state(), CGameEvent::kIdle);
}

TEST_F(MediatorTest, PausedFinishedEventStaysListedAndDrawnUntilUnpaused) {
    ScriptedEvent x(log, "x", 4);
    WaitHandle handle;
    mediator().StartEvent(&handle, &x);
    x.SetPaused(true);
    x.set_state(CGameEvent::kFinished);
    for (int i = 0; i < 3; ++i) mediator().Run();
    EXPECT_TRUE(mediator().IsRunning(&x));
    EXPECT_TRUE(Updates().empty());
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "draw x"), 3);
    EXPECT_FALSE(handle.IsDone());

    // Started again while still listed in state 2: it must not be inserted a second time.
    x.SetPaused(true);
    mediator().StartEvent(nullptr, &x);
    x.set_state(CGameEvent::kFinished);
    log.lines.clear();
    mediator().Run();
    EXPECT_EQ(Updates(), std::vector<std::string>{"x"});
    EXPECT_FALSE(mediator().IsRunning(&x));
    EXPECT_EQ(mediator().RunningEvents().size(), 1u);  // the mouse cursor
}

TEST_F(MediatorTest, FinishedEventIsRetiredInItsPassAndSignalled) {
    ScriptedEvent x(log, "x", 4);
    x.on_update = [](ScriptedEvent& e) { e.Finish(); };
    WaitHandle handle;
    x.Start(&handle);
    mediator().Run();
    EXPECT_TRUE(handle.IsDone());
    EXPECT_FALSE(mediator().IsRunning(&x));
    EXPECT_TRUE(x.IsFinished());
    EXPECT_FALSE(x.IsActive());
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "draw x"), 0);
}

TEST_F(MediatorTest, AnUpdateMayStopItselfAndOthersWithoutBreakingThePass) {
    int destroyed = 0;
    auto* doomed = new CountedEvent(log, destroyed);
    doomed->set_self_delete(true);
    ScriptedEvent stopper(log, "stopper", 4), after(log, "after", 5);
    CountedEvent* raw = doomed;
    // The doomed event stops itself (against the convention), the stopper then stops it again.
    doomed->on_update = [this](ScriptedEvent& e) { mediator().StopEvent(&e); };
    stopper.on_update = [this, raw](ScriptedEvent&) { mediator().StopEvent(raw); };
    mediator().StartEvent(nullptr, doomed);
    mediator().StartEvent(nullptr, &stopper);
    mediator().StartEvent(nullptr, &after);
    mediator().Run();
    EXPECT_EQ(Updates(), (std::vector<std::string>{"counted", "stopper", "after"}));
    EXPECT_EQ(destroyed, 1);
    mediator().Run();
    EXPECT_EQ(destroyed, 1);
}

TEST_F(MediatorTest, StartWithASecondHandleResetsTheFirst) {
    ScriptedEvent x(log, "x", 4);
    WaitHandle first, second;
    x.Start(&first);
    EXPECT_EQ(first.state, WaitHandle::kWaiting);
    x.Start(&second);
    EXPECT_EQ(first.state, WaitHandle::kIdle);
    EXPECT_EQ(x.wait_handle(), &second);
}

TEST_F(MediatorTest, StopOperationsSignalAndRetire) {
    ScriptedEvent scene(log, "scene", 4), music(log, "music", 4), mine(log, "mine", 4);
    music.set_stop_at_switch(false);
    WaitHandle handle;
    mediator().StartEvent(nullptr, &scene);
    mediator().StartEvent(nullptr, &music);
    mediator().StartEvent(&handle, &mine);
    mine.set_stop_at_switch(false);
    mediator().StopEventsWaitingOn(&handle);
    EXPECT_TRUE(handle.IsDone());
    EXPECT_FALSE(mediator().IsRunning(&mine));
    mediator().StopSceneEvents();
    EXPECT_FALSE(mediator().IsRunning(&scene));
    EXPECT_TRUE(mediator().IsRunning(&music));
    EXPECT_TRUE(mediator().IsRunning(GetMouseEvent()));
}

TEST_F(MediatorTest, UnknownNameChangesNothing) {
    world.runtime.input.Init(nullptr);
    EXPECT_EQ(mediator().ChangeComponent("NoComp", 2, 0), 0);
    EXPECT_EQ(mediator().GetTransitionMode(), 0);
    EXPECT_FALSE(world.runtime.input.IsLocked());
    EXPECT_EQ(mediator().GetCurrentComponent(), &a);
    EXPECT_EQ(mediator().FindComponent("BComp"), &b);
    EXPECT_EQ(mediator().FindComponent("bcomp"), nullptr);
}

TEST_F(MediatorTest, CutSwitchLeavesAndEntersAtOnce) {
    EXPECT_EQ(mediator().ChangeComponent("BComp", 0, 7), 1);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"leave AComp", "enter BComp 7"}));
    EXPECT_EQ(mediator().GetCurrentComponent(), &b);
    log.lines.clear();
    mediator().ChangeComponent(nullptr, 0, 1);  // the current one leaves and enters again
    EXPECT_EQ(log.lines, (std::vector<std::string>{"leave BComp", "enter BComp 1"}));
}

TEST_F(MediatorTest, ASecondFadingSwitchRetargetsTheFirst) {
    CDirectInput& input = world.runtime.input;
    input.Init(nullptr);
    ASSERT_EQ(mediator().ChangeComponent("BComp", 2, 0), 1);
    EXPECT_TRUE(input.IsLocked());
    for (int i = 0; i < 10; ++i) mediator().Run();
    ASSERT_EQ(mediator().ChangeComponent("CComp", 2, 5), 1);
    int frames = 0;
    while (mediator().GetCurrentComponent() == &a && frames < 100) {
        mediator().Run();
        ++frames;
        EXPECT_NE(mediator().GetCurrentComponent(), &b);
    }
    EXPECT_EQ(frames, 32);
    EXPECT_EQ(mediator().GetCurrentComponent(), &c);
    EXPECT_FALSE(input.IsLocked());
    EXPECT_EQ(mediator().GetTransitionPhase(), 1);
    frames = 0;
    while (mediator().GetTransitionMode() != 0 && frames < 100) {
        mediator().Run();
        ++frames;
    }
    EXPECT_EQ(frames, 32);
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "enter CComp 5"), 1);
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "enter BComp 0"), 0);
}

TEST_F(MediatorTest, DeferredStartCodeOnlyInTheRequestingFrame) {
    bool ask = true;
    a.on_update = [&] {
        if (ask) mediator().RequestDeferredStart();
        ask = false;
    };
    EXPECT_EQ(mediator().Run(), 1);
    EXPECT_EQ(mediator().Run(), 0);
}

TEST_F(MediatorTest, RenderFlagClearUpdatesButDrawsAndPresentsNothing) {
    world.runtime.graphics.Init(nullptr, true);
    ScriptedEvent x(log, "x", 4);
    mediator().StartEvent(nullptr, &x);
    const int presented = world.backend.window.PresentCount();
    mediator().SetRenderFlag(false);
    mediator().Run();
    EXPECT_EQ(a.updates, 1);
    EXPECT_EQ(Updates(), std::vector<std::string>{"x"});
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "draw x"), 0);
    EXPECT_EQ(world.backend.window.PresentCount(), presented);
    mediator().SetRenderFlag(true);
    mediator().Run();
    EXPECT_EQ(world.backend.window.PresentCount(), presented + 1);
}

TEST_F(MediatorTest, FinalizeLeavesTheCurrentAndFinalizesAll) {
    mediator().FinalizeComponents();
    EXPECT_EQ(log.lines, (std::vector<std::string>{"leave AComp", "finalize AComp",
                                                   "finalize BComp", "finalize CComp"}));
    EXPECT_EQ(mediator().GetCurrentComponent(), nullptr);
    // With no current component, a frame and the keys do nothing.
    mediator().Run();
    mediator().OnReset();
    EXPECT_FALSE(mediator().OnCommand());
}

TEST(MediatorWithoutComponents, InitializesAndRunsEmpty) {
    EngineWorld world;
    CQZGameMediator& mediator = world.runtime.mediator;
    EXPECT_TRUE(mediator.IsSuspended());
    EXPECT_EQ(mediator.InitializeComponents(), 1);
    EXPECT_FALSE(mediator.IsSuspended());
    EXPECT_TRUE(mediator.IsRunning(GetMouseEvent()));
    EXPECT_EQ(mediator.Run(), 0);
}

TEST(WaitHandleTest, States) {
    WaitHandle handle, chained;
    EXPECT_TRUE(handle.Begin());
    EXPECT_FALSE(handle.Begin());
    handle.chained = &chained;
    handle.Signal();
    EXPECT_TRUE(handle.IsDone());
    EXPECT_TRUE(chained.IsDone());
    EXPECT_EQ(handle.chained, nullptr);
    EXPECT_TRUE(handle.Begin());  // a done handle may wait again
    WaitHandle lone;
    lone.Signal();
    EXPECT_TRUE(lone.IsDone());
}

TEST(ComponentTest, UnnamedComponentHasAnEmptyName) {
    EngineWorld world;
    Log log;
    ScriptedComponent unnamed(log, nullptr);
    EXPECT_STREQ(unnamed.GetName(), "");
}

}  // namespace
