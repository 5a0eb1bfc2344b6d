// The main game component: the mediator's "VemuComp". It owns its parts and does what is the
// component's own: its lifecycle, a new game, saving and loading, and starting the story. The
// parts: the play world (plain data the rules work on, game/rules/play_world.h), the screen stack
// with each screen's row (screen_stack.h, game/screens/), the stage (messages, portraits,
// choices, windows, music and media: stage.h), the view that draws the play screen (view.h) and
// the story, whose member coroutines are the scenes (events/story.h).
#pragma once

#include <memory>

#include "engine/framework/nvl_component.h"
#include "events/runtime/story_event.h"
#include "game/main/screen_stack.h"
#include "game/main/stage.h"
#include "game/main/view.h"
#include "game/rules/play_world.h"

class CDirectInput;
class CDirectSound;
class CMouseEvent;
class CQZGameMediator;
class Story;
struct SaveGameParts;

class CVemuComp : public CQZNVLComponent {
public:
    static constexpr const char* kName = "VemuComp";

    CVemuComp();
    ~CVemuComp() override;

    // --- lifecycle (vemu_comp.cpp, new_game.cpp) ---
    void Initialize() override;
    void Finalize() override;
    void OnLeave() override;
    void OnReset() override;
    void Update() override;
    void Draw() override;
    // False (with a message naming what is missing) when the data lacks a name the game needs.
    bool initialized() const { return initialized_; }
    void NewGameReset();
    void ClearGameState();
    void PrepareNewGame();
    void StartTitleDemo();
    // Loading a save slot; false when the slot cannot be read.
    bool LoadGame(int slot);
    // Save slots (save_game.cpp, over game/saves): saving is true only when all four files
    // are in place; the slot list fills the first entry array with the eight slots.
    bool SaveGame(int slot);
    void BuildSaveSlotList();

    // --- the story (story.cpp): what the screens start and run without the story's header ---
    // Pushes the story screen (or puts it in place of the top one) with a fresh scene of the
    // row; false when the row has no scene yet or the current event waits on a screen it pushed.
    bool StartStoryEvent(StoryEvent row, bool replace = false);
    // The story screen's update: one pass of the current event.
    void RunCurrentEvent();
    // The story scheduler, once game time has passed since it last ran.
    void ScheduleStoryIfTimePassed();

    // --- the parts ---
    PlayWorld& world() { return world_; }
    const PlayWorld& world() const { return world_; }
    ScreenStack& screens() { return screens_; }
    const ScreenStack& screens() const { return screens_; }
    Stage& stage() { return stage_; }
    const Stage& stage() const { return stage_; }
    PlayView& view() { return view_; }
    const PlayView& view() const { return view_; }
    Story& story() { return *story_; }
    const Story& story() const { return *story_; }
    // The play state, which the screens and the tests read everywhere.
    PlayState& state() { return world_.state; }
    const PlayState& state() const { return world_.state; }

    // --- the engine's devices, for the screens and the view ---
    CQZGameMediator& mediator() { return *mediator_; }
    CDirectInput& input() { return *input_; }
    CMouseEvent& mouse() { return *mouse_; }
    CDirectSound& sound_device() { return *sound_; }
    CDirectGraphics& graphics_device() const { return *graphics_; }

private:
    // What a save holds, as the slot's writer and reader take it (save_game.cpp).
    SaveGameParts SavedParts();

    PlayWorld world_;
    // Before the stage, so that its windows go before the screens' handles they report to.
    ScreenStack screens_{*this};
    Stage stage_{*this, graphics_, input_};
    PlayView view_{*this};
    bool initialized_ = false;
    // The scenes and their runner. Last, so that live scenes go before the handles they wait on.
    std::unique_ptr<Story> story_;
};
