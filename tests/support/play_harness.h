// The whole game on the headless backend, played by a test: the real application object with
// the build's game folder, a fresh data folder for the save slots and the manual clock. A frame
// moves the clock 20 ms on and handles the messages that it posts, so nothing ever waits in
// real time. Input goes in as held keys, key messages and pointer moves; the run-until helpers
// give up after a number of frames with a report of where the game stands.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/graphics/draw_recorder.h"
#include "engine/input/direct_input.h"
#include "game/shell/vemu_app.h"
#include "tests/support/engine_world.h"

namespace play_test {

// The virtual buttons under the short names the tests press them by.
using Button = VirtualButton;
inline constexpr Button kUp = kButtonUp, kDown = kButtonDown, kLeft = kButtonLeft,
                        kRight = kButtonRight, kDecide = kButtonDecide, kCancel = kButtonCancel;

// Long enough for any single step of play (a component switch takes 64 frames).
inline constexpr int kFrameLimit = 2000;

using testing_support::Sjis;

// A pantry's rows as (CP932 name, amount), in order, to compare it with what it held before.
using PantryRows = std::vector<std::pair<std::string, float>>;
PantryRows PantryRowsOf(const Pantry& pantry);

class PlayHarness : public testing_support::HeadlessBackendInstalled {
public:
    // Builds and starts the game: after the constructor the logo is current. The game folder
    // is the build's unless a test made one of its own.
    PlayHarness();
    explicit PlayHarness(const std::string& game_folder);
    // With the backend set up by `prepare` before the game starts (a machine without a display
    // or without fonts).
    PlayHarness(const std::string& game_folder,
                const std::function<void(platform::headless::HeadlessBackend&)>& prepare);
    ~PlayHarness();
    PlayHarness(const PlayHarness&) = delete;
    PlayHarness& operator=(const PlayHarness&) = delete;

    // --- the clock ---
    // One 20 ms tick, with every message it posts handled; the recorder keeps this frame's
    // draws only.
    void Frame();
    void Frames(int n);
    // Without pixels every frame is still drawn (fades finish only in drawn frames), into a
    // null target: for long runs that look at the draws or the state only.
    void SetPixels(bool pixels);
    // Seeds the game's random sequence (the start-up seeds it from the wall clock).
    void Seed(unsigned seed);

    // --- input ---
    void Hold(Button button, bool held);
    // Holds the button for `frames` frames, then lets go and runs one frame more, so that the
    // next press is a fresh one.
    void Press(Button button, int frames = 1);
    // Pressed and let go between two frames, as a quick tap is; then the frame that sees it
    // and one more, so that the next press is a fresh one.
    void Tap(Button button);
    // The same for a mouse button (0 left, 1 right): a touchpad's tap-to-click.
    void TapClick(int which = 0);
    // A key message, as the window sends it (F1 to F4, Esc), handled at once.
    void PressKey(int virtual_key);
    void MovePointer(int x, int y);
    // Holds a mouse button (0 left, 1 right) for `frames` frames, then one frame released.
    void Click(int which = 0, int frames = 1);
    // Wheel notches: positive away from the player.
    void Wheel(int notches);

    // --- running until something happens; each gives up after `limit` frames ---
    // Logo and title, then はじめから: stops on the main game's first frame.
    [[nodiscard]] testing::AssertionResult NewGame();
    // For tests of what comes after the opening: drops the opening scene that a new game
    // starts and leaves the main commands on top, with the lesson over.
    void SkipOpening();
    // NewGame and SkipOpening, then on until the main commands are on top and the fade into the
    // game, which holds the buttons back, is over: where most tests of the day's play begin.
    [[nodiscard]] testing::AssertionResult StartOnMainCommands();
    // The message window's text contains `text` (UTF-8).
    [[nodiscard]] testing::AssertionResult RunUntilMessage(const char8_t* text,
                                                           int limit = kFrameLimit);
    // The main game is current with `screen` on top of its stack.
    [[nodiscard]] testing::AssertionResult RunUntilScreen(int screen, int limit = kFrameLimit);
    // Waits for a running list with an enabled row of that label (UTF-8), moves its cursor
    // there and decides.
    [[nodiscard]] testing::AssertionResult Choose(const char8_t* label, int limit = kFrameLimit);
    // Reads every message that waits (a decide each) until a running list offers the row (UTF-8).
    [[nodiscard]] testing::AssertionResult ReadUntilRow(const char8_t* row,
                                                        int limit = kFrameLimit);
    // The component of that name is current (the switch to it has happened).
    [[nodiscard]] testing::AssertionResult RunUntilComponent(const char* name,
                                                             int limit = kFrameLimit);
    // Where the game stands: component, screen, stack, message and the rows of the running
    // lists, in UTF-8.
    std::string Report() const;

    // --- reading the game ---
    // The harness is a handle on the game: reading through a const one still reaches it.
    CVemuApp& app() const { return *app_; }
    CVemuComp& game() const;
    CTitleComp& title() const;
    PlayState& state() const { return game().state(); }
    Kitchen& kitchen() const { return game().world().kitchen; }
    CQZGameMediator& mediator() const { return app_->runtime().mediator; }
    const char* CurrentComponent() const;
    bool Switching() const;
    int frames_run() const { return frames_run_; }
    // The last frame's draws, and its texts in UTF-8.
    const DrawRecorder& draws() const { return recorder_; }
    std::vector<std::string> Texts() const;
    // The message window's whole text, in UTF-8 ("" when none was shown).
    std::string Message() const;
    // A message is on screen and waits to be read (or for its next page).
    bool MessageWaiting() const;
    // The labels of the rows of every running list, in UTF-8.
    std::vector<std::string> ChoiceRows() const;
    const std::vector<platform::MessageBoxRecord>& MessageBoxes() const {
        return backend.dialogs.boxes;
    }
    const std::vector<std::string>& DebugLines() const { return backend.debug.lines; }
    const std::string& data_folder() const { return data_.path(); }

    // --- building a play state directly (names in UTF-8) ---
    void SetMoney(int money);
    void SetDate(int year, int month, int day, int hour = 7, int minute = 0);
    // Adds `amount` units of a catalogue entry to the pantry in use.
    Food* AddToPantry(const char8_t* name, float amount);
    MenuDish* AddToMenu(const char8_t* name, float amount);
    // Items come from the item table by name; the bag's item takes the effects of owning it.
    CItem* AddToBag(const char8_t* name, int count = 1);
    CItem* Wear(int slot, const char8_t* name);
    void OpenPlace(int place, bool open = true);
    void SetShare(int share, bool owned = true);
    void SetStoryStage(int stage);
    void SetContestsWon(int contests);
    // Puts the screen on top of the stack as the game opens it; an empty stack gets the main
    // commands below it.
    void ShowScreen(int screen);

private:
    void Pump();
    template <typename Done>
    testing::AssertionResult RunUntil(Done done, int limit, const std::string& what);

    testing_support::TempFolder data_;
    std::unique_ptr<CVemuApp> app_;
    DrawRecorder recorder_;
    int frames_run_ = 0;
};

}  // namespace play_test
