// The main game component: it holds the play world (plain data the rules work on), the screen
// stack with its per-frame dispatch, the story, the stage (messages, portraits, choices, the number
// entry, music and media: stage.h) and the view that draws the play screen (view.h). Its methods
// live in the files of their concern in this folder.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/framework/menu_entry.h"
#include "engine/framework/nvl_component.h"
#include "events/runtime/story_event.h"
#include "game/main/draw_text.h"
#include "game/main/media_tables.h"
#include "game/main/screen_ids.h"
#include "game/main/screen_stack.h"
#include "game/main/stage.h"
#include "game/main/view.h"
#include "game/rules/play_world.h"

class CDirectInput;
class CDirectSound;
class CItem;
class CMouseEvent;
class CQZGameMediator;
class Story;
struct SaveGameParts;

class CVemuComp : public CQZNVLComponent {
public:
    static constexpr const char* kName = "VemuComp";
    // The colour of every message, prompt and list text.
    static constexpr unsigned kMessageColor = Stage::kMessageColor;

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

    // --- the screens (game/main/screen_stack.h; each screen's row is in game/screens/) ---
    ScreenStack& screens() { return screens_; }
    int PushScreen(int id, int cursor = -1) { return screens_.Push(id, cursor); }
    int PopScreen() { return screens_.Pop(); }
    int ReplaceScreen(int id) { return screens_.Replace(id); }
    int OpenScreen(int id) { return screens_.Open(id); }
    // The rows in the font given, else in the message font; the row chosen is the cursor.
    void ShowChoiceList(MenuEntry* entries, int count, DFont* font = nullptr) {
        stage_.ShowChoiceList(entries, count, screens_.cursor(), &screens_.handles().list, font);
    }

    // --- the stage: messages, portraits, choices, music and media (game/main/stage.h) ---
    Stage& stage() { return stage_; }
    bool PlayBgm(WaitHandle* handle, int id) { return stage_.PlayBgm(handle, id); }
    DTexture* GetPortrait(int character, int expression) const {
        return stage_.GetPortrait(character, expression);
    }
    DWave& Sound(SoundEffect effect) { return stage_.Sound(effect); }
    bool ShowMessage(WaitHandle* handle, const char* text, bool close_when_done) {
        return stage_.ShowMessage(handle, text, close_when_done);
    }
    void ChangePortrait(WaitHandle* handle, int character, int expression) {
        stage_.ChangePortrait(handle, character, expression);
    }
    bool AskYesNo(WaitHandle* handle) { return stage_.AskYesNo(handle); }
    bool AskChoice2(WaitHandle* handle, const char* first, const char* second) {
        return stage_.AskChoice2(handle, first, second);
    }
    bool AskChoice3(WaitHandle* handle, const char* first, const char* second, const char* third) {
        return stage_.AskChoice3(handle, first, second, third);
    }
    static void ResizeMenuEntries(std::vector<MenuEntry>& entries, int count) {
        Stage::ResizeMenuEntries(entries, count);
    }
    // The dish in the chosen menu slot and the candidate that would replace it.
    void BuildDishChoiceList(std::vector<MenuEntry>& entries);
    int RecallListCursor(CSelectEvent* list) { return stage_.RecallListCursor(list); }
    int DrawNumber(int x, int y, int value) { return stage_.DrawNumber(x, y, value); }

    // --- drawing: the view (view.h) draws the play screen from the component ---
    PlayView& view() { return view_; }
    const PlayView& view() const { return view_; }
    CDirectGraphics& graphics_device() const { return *graphics_; }

    // What the play screens keep from frame to frame.
    PlayScreenState& play_screens() { return screens_.play(); }
    int music_volume() const { return stage_.music_volume(); }
    void set_music_volume(int volume) { stage_.set_music_volume(volume); }
    int effect_volume() const { return stage_.effect_volume(); }
    void set_effect_volume(int volume) { stage_.set_effect_volume(volume); }
    // Virtual button 5 or the right button, pressed in this frame.
    bool ListCancelled() const;
    bool ButtonPressed(int button) const;
    // The engine's devices, for the screens.
    CQZGameMediator& mediator() { return *mediator_; }
    CDirectInput& input() { return *input_; }
    CMouseEvent& mouse() { return *mouse_; }
    CDirectSound& sound_device() { return *sound_; }

    // --- story: the scenes and their runner (events/story.h); the current event runs on the
    // story screen (story.cpp) ---
    Story& story() { return *story_; }
    // Pushes the story screen (or puts it in place of the top one) with a fresh scene of the
    // row; false when the row has no scene yet or the current event waits on a screen it pushed.
    bool StartStoryEvent(StoryEvent row, bool replace = false);
    void RunCurrentEvent();
    // No scene resumes from a step of an earlier play.
    void ResetEventStates();
    bool story_live() const;
    std::optional<StoryEvent> last_story_row() const;
    // The story scheduler, once game time has passed since it last ran.
    void ScheduleStoryIfTimePassed();
    // A notice over the screen on top, on the message screen: that stops the list below, so the
    // press that reads the notice decides no row, and pops itself once it is read.
    void ShowNotice(const std::string& text);
    int reward_num() const { return world_.reward_num; }
    void set_reward_num(int level) { world_.reward_num = level; }
    int known_recipes() const { return world_.known_recipes; }
    void set_known_recipes(int count) { world_.known_recipes = count; }
    void set_choice_result(int result) { stage_.set_choice_result(result); }

    // --- the play world (game/rules/play_world.h), read by the screens, the story and the tests
    PlayWorld& world() { return world_; }
    const PlayWorld& world() const { return world_; }
    PlayState& state() { return world_.state; }
    const PlayState& state() const { return world_.state; }
    Kitchen& kitchen() { return world_.kitchen; }
    RecipeBook& book() { return world_.book; }
    const std::vector<ScreenEntry>& screen_stack() const { return screens_.entries(); }
    int screen_id() const { return screens_.id(); }
    int screen_cursor() const { return screens_.cursor(); }
    void set_screen_cursor(int cursor) { screens_.cursor() = cursor; }
    int frame_counter() const { return view_.frame_counter(); }
    int choice_result() const { return stage_.choice_result(); }
    int* choice_result_slot() { return stage_.choice_result_slot(); }
    int speaker() const { return stage_.speaker(); }
    void set_speaker(int character) { stage_.set_speaker(character); }
    int expression() const { return stage_.expression(); }
    int portrait_fade() const { return stage_.portrait_fade(); }
    DTexture* previous_portrait() const { return stage_.previous_portrait(); }
    WindowKind window_kind() const { return stage_.window_kind(); }
    void set_window_kind(WindowKind kind) { stage_.set_window_kind(kind); }
    int start_kit() const { return world_.start_kit; }
    void set_start_kit(int kit) { world_.start_kit = kit; }
    bool music_carries_over() const { return stage_.music_carries_over(); }
    void set_music_carries_over(bool carries) { stage_.set_music_carries_over(carries); }
    CSelectEvent& list_window() { return stage_.list_window(); }
    CSelectEvent& choice_window() { return stage_.choice_window(); }
    CShopEvent& shop_window() { return stage_.shop_window(); }
    CInputNumberEvent& number_entry() { return stage_.number_entry(); }
    CMusicEvent& music() { return stage_.music(); }
    std::array<CIconEvent, 3>& icon_buttons() { return stage_.icon_buttons(); }
    std::vector<MenuEntry>& entries() { return stage_.entries(); }
    std::vector<MenuEntry>& second_entries() { return stage_.second_entries(); }
    int entry_count() const { return stage_.entry_count(); }
    void set_entry_count(int count) { stage_.set_entry_count(count); }
    SceneTextures& textures() { return stage_.textures(); }
    const SceneTextures& textures() const { return stage_.textures(); }
    PortraitTable& portraits() { return stage_.portraits(); }
    SoundEffects& sounds() { return stage_.sounds(); }
    DFont& message_font() { return stage_.message_font(); }
    DFont& small_font() { return stage_.small_font(); }
    DFont& panel_font() { return stage_.panel_font(); }

    // What the open screen waits on.
    ScreenStack::Handles& handles() { return screens_.handles(); }

    std::unique_ptr<Food>& made_dish() { return world_.made_dish; }
    std::unique_ptr<Food>& contest_dish() { return world_.contest_dish; }
    std::unique_ptr<MenuDish>& candidate_dish() { return world_.candidate_dish; }
    int chosen_menu_slot() const { return world_.chosen_menu_slot; }
    void set_chosen_menu_slot(int slot) { world_.chosen_menu_slot = slot; }
    ContestState& contest() { return world_.contest; }

    int shown_cooking_method() const { return shown_cooking_method_; }
    void set_shown_cooking_method(int method) { shown_cooking_method_ = method; }
    int pot_row_under_pointer() const { return pot_row_under_pointer_; }
    void set_pot_row_under_pointer(int row) { pot_row_under_pointer_ = row; }

    std::vector<FoodDef*>& food_goods(int list) { return world_.food_goods[list]; }
    std::vector<CItem*>& item_goods(int list) { return world_.item_goods[list]; }
    int goods_in_use() const { return world_.goods_in_use; }
    void set_goods_in_use(int list) { world_.goods_in_use = list; }

private:
    // What a save holds, as the slot's writer and reader take it (save_game.cpp).
    SaveGameParts SavedParts();

    PlayWorld world_;

    // Before the stage, so that its windows go before the screens' handles they report to.
    ScreenStack screens_{*this};

    Stage stage_{*this, graphics_, input_};

    int shown_cooking_method_ = 0;
    int pot_row_under_pointer_ = -1;
    PlayView view_{*this};

    bool initialized_ = false;

    // The scenes and their runner. Last, so that live scenes go before the handles they wait on.
    std::unique_ptr<Story> story_;
};
