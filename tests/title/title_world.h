// A headless engine with the game folder of the build tree, an empty data folder for the save
// slots, a started graphics device with a draw recorder, input and the mouse event running, and
// optionally the real main game component, which also counts its entries.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/framework/game_mediator.h"
#include "engine/graphics/draw_recorder.h"
#include "engine/input/direct_input.h"
#include "game/main/vemu_comp.h"
#include "platform/virtual_keys.h"
#include "tests/support/engine_world.h"

namespace title_test {

// The virtual buttons the title and the main game's tests press, under short names.
inline constexpr VirtualButton kUp = kButtonUp, kDown = kButtonDown, kDecide = kButtonDecide,
                               kCancel = kButtonCancel;
inline int KeyOf(int button) {
    switch (button) {
        case kUp:
            return platform::vk::kUp;
        case kDown:
            return platform::vk::kDown;
        case kDecide:
            return platform::vk::kReturn;
        default:
            return platform::vk::kNumpad2;
    }
}

using testing_support::Sjis;

class CountingMainGame : public CVemuComp {
public:
    void OnEnter(int argument) override {
        ++entered;
        CVemuComp::OnEnter(argument);
    }
    int entered = 0;
};

class GameWorld : public testing_support::EngineWorld {
public:
    GameWorld() {
        backend.services().folders.game = VEMU_GAME_DIR;
        backend.services().folders.data = data.path();
        runtime.graphics.Init(nullptr, true);
        runtime.input.Init(nullptr);
        runtime.mediator.InitializeComponents();
        runtime.graphics.SetDrawRecorder(&recorder);
    }
    ~GameWorld() {
        if (main_game.initialized()) main_game.Finalize();
        runtime.graphics.SetDrawRecorder(nullptr);
    }

    CQZGameMediator& mediator() { return runtime.mediator; }

    // Registers, initialises (as the deferred start does) and enters a component at once.
    void Enter(CQZGameComponent& component) {
        if (!mediator().FindComponent(component.GetName()))
            mediator().RegisterComponent(&component);
        component.Initialize();
        mediator().ChangeComponent(component.GetName(), 0, 0);
    }
    // Registers and initialises the main game, as the deferred start does.
    void AddMainGame() {
        mediator().RegisterComponent(&main_game);
        main_game.Initialize();
    }

    // Runs frames; the recorder keeps only the draws of the last one.
    void Frames(int n) {
        for (int i = 0; i < n; ++i) {
            recorder.Clear();
            mediator().Run();
        }
    }
    void Hold(int button, bool held) { backend.window.HoldKey(KeyOf(button), held); }
    // A fresh press for one frame, then released.
    void Press(int button) {
        Hold(button, true);
        Frames(1);
        Hold(button, false);
    }
    // A press, then a frame with the button up, so the next press is fresh again.
    void Tap(int button) {
        Press(button);
        Frames(1);
    }
    void ClickRight() {
        backend.window.HoldMouseButton(1, true);
        Frames(1);
        backend.window.HoldMouseButton(1, false);
    }
    bool Switching() { return mediator().GetTransitionMode() != 0; }

    std::vector<std::string> DebugLines() const { return backend.debug.lines; }
    // The texts drawn in the last frame, as CP932.
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const DrawOp& op : recorder.OfKind(DrawOp::Kind::Text)) out.push_back(op.text);
        return out;
    }

    testing_support::TempFolder data;
    DrawRecorder recorder;
    CountingMainGame main_game;
};

}  // namespace title_test
