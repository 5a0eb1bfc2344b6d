// The main game component: it holds the play world (plain data the rules work on), the
// screen stack with its per-frame dispatch, the story event in progress, and the media, message
// helpers and drawing of the play screen. Its methods live in the files of their concern in
// this folder.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/framework/icon_event.h"
#include "engine/framework/input_number_event.h"
#include "engine/framework/menu_entry.h"
#include "engine/framework/music_event.h"
#include "engine/framework/nvl_component.h"
#include "engine/framework/select_event.h"
#include "engine/framework/shop_event.h"
#include "engine/framework/wait_handle.h"
#include "engine/graphics/font.h"
#include "events/runtime/story_event.h"
#include "game/main/draw_state.h"
#include "game/main/draw_text.h"
#include "game/main/media_tables.h"
#include "game/main/screen_ids.h"
#include "game/main/screen_stack.h"
#include "game/rules/play_world.h"

class CDirectInput;
class CDirectSound;
class CItem;
class CMouseEvent;
class CQZGameMediator;
class Story;
struct SaveGameParts;

// The selection window open over the screen: the screen's list, or a yes/no or answer choice.
enum WindowKind : int { kNoWindow = 0, kListWindow = 1, kChoiceWindow = 2 };

class CVemuComp : public CQZNVLComponent {
public:
    static constexpr const char* kName = "VemuComp";
    // The colour of every message, prompt and list text.
    static constexpr unsigned kMessageColor = play_draw::kMessageColor;

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
    // The rows in the font given, else in the message font.
    void ShowChoiceList(MenuEntry* entries, int count, DFont* font = nullptr);

    // --- media (media.cpp) ---
    bool LoadTextures();
    bool LoadSoundEffects();
    bool PlayBgm(WaitHandle* handle, int id);
    DTexture* GetPortrait(int character, int expression);
    DWave& Sound(SoundEffect effect) { return sounds_.effects[effect]; }

    // --- message, portrait and choice helpers (messages.cpp) ---
    bool ShowMessage(WaitHandle* handle, const char* text, bool close_when_done);
    void ChangePortrait(WaitHandle* handle, int character, int expression);
    bool AskYesNo(WaitHandle* handle);
    bool AskChoice2(WaitHandle* handle, const char* first, const char* second);
    bool AskChoice3(WaitHandle* handle, const char* first, const char* second, const char* third);
    static void ResizeMenuEntries(std::vector<MenuEntry>& entries, int count);
    void BuildDishChoiceList(std::vector<MenuEntry>& entries);
    int RecallListCursor(CSelectEvent* list);
    int DrawNumber(int x, int y, int value);

    // --- drawing (draw*.cpp) ---
    void DrawFoodInfo(const Food& food);
    void DrawDishInfo(const Food& food);
    int DrawCompositionLines(int x, int y, int depth, const FoodNode& node, int& hide,
                             bool& all_fit);

    // --- the item and catalogue-entry panels (game/economy/) ---
    void ItemInfoPanel(const CItem& item);
    void DrawEntryInfo(const FoodDef& def);

    // What the play screens keep from frame to frame.
    PlayScreenState& play_screens() { return screens_.play(); }
    int music_volume() const { return music_volume_; }
    void set_music_volume(int volume) { music_volume_ = volume; }
    int effect_volume() const { return effect_volume_; }
    void set_effect_volume(int volume) { effect_volume_ = volume; }
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
    void set_choice_result(int result) { choice_result_ = result; }

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
    int frame_counter() const { return frame_counter_; }
    int choice_result() const { return choice_result_; }
    // Where the screens' own choice windows leave the row chosen.
    int* choice_result_slot() { return &choice_result_; }
    int speaker() const { return speaker_; }
    void set_speaker(int character) { speaker_ = character; }
    int expression() const { return expression_; }
    // Frames into the portrait cross-fade, 0 while none runs.
    int portrait_fade() const { return portrait_fade_; }
    WindowKind window_kind() const { return window_kind_; }
    void set_window_kind(WindowKind kind) { window_kind_ = kind; }
    int start_kit() const { return world_.start_kit; }
    void set_start_kit(int kit) { world_.start_kit = kit; }
    bool music_carries_over() const { return music_carries_over_ != 0; }
    void set_music_carries_over(bool carries) { music_carries_over_ = carries ? 1 : 0; }
    CSelectEvent& list_window() { return list_window_; }
    CSelectEvent& choice_window() { return choice_window_; }
    CShopEvent& shop_window() { return shop_window_; }
    CInputNumberEvent& number_entry() { return number_entry_; }
    CMusicEvent& music() { return music_event_; }
    std::array<CIconEvent, 3>& icon_buttons() { return icons_; }
    std::vector<MenuEntry>& entries() { return entries_; }
    std::vector<MenuEntry>& second_entries() { return second_entries_; }
    int entry_count() const { return entry_count_; }
    void set_entry_count(int count) { entry_count_ = count; }
    SceneTextures& textures() { return textures_; }
    PortraitTable& portraits() { return portraits_; }
    SoundEffects& sounds() { return sounds_; }
    DFont& message_font() { return font16_; }
    DFont& small_font() { return font12_; }
    DFont& panel_font() { return font14_; }
    DFont& large_font() { return font18_; }

    // The wait handles by role. A scene's questions report to a handle of their own (Question);
    // the number entry reports to the handle of the screen that opened it.
    struct Handles {
        WaitHandle music;  // music, fades and timed waits
        WaitHandle message;
        WaitHandle list;  // the list window and the yes/no and choice windows of the screens
        WaitHandle portrait;
        WaitHandle quantity;  // the quantity entry of the food shop and the stock exchange
        WaitHandle restock;   // the menu screen's restock entry
    };
    Handles& handles() { return handles_; }

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
    void InitializeWindows();
    void ResetPortraitState();
    void UpdatePortraitFade();
    // The steps of Draw (draw*.cpp).
    void DrawShopView();
    void DrawHeroine();
    void DrawPot();
    void DrawStaminaGauge();
    void DrawSunAndMoon();
    void DrawDateBar();
    void DrawInfoPanel();
    void DrawStatusPanel();
    void DrawSellingView();
    void DrawPortrait();

    PlayWorld world_;

    // Before the windows, so that they go before the handles they report to.
    ScreenStack screens_{*this};
    int frame_counter_ = 0;

    DFont font16_, font12_, font14_, font18_;
    CSelectEvent list_window_;
    CSelectEvent choice_window_;
    WindowKind window_kind_ = kNoWindow;
    CShopEvent shop_window_;
    CInputNumberEvent number_entry_;
    CMusicEvent music_event_;
    std::array<CIconEvent, 3> icons_;
    std::vector<MenuEntry> entries_;
    std::vector<MenuEntry> second_entries_;
    int entry_count_ = 0;
    int choice_result_ = 0;
    // The rows of the yes/no window and of the two- and three-answer questions.
    std::array<MenuEntry, 2> yes_no_;
    std::array<MenuEntry, 3> answers_{};
    Handles handles_;

    std::uint8_t music_carries_over_ = 0;
    int music_mode_ = 1;
    int music_volume_ = 100;
    int effect_volume_ = 100;

    SceneTextures textures_;
    PortraitTable portraits_;
    SoundEffects sounds_;

    // The speaking character's portrait and its cross-fade to a new expression.
    int speaker_ = kRago;
    int expression_ = kNormal;
    DTexture* previous_portrait_ = nullptr;
    int portrait_fade_ = 0;
    WaitHandle* portrait_handle_ = nullptr;

    int shown_cooking_method_ = 0;
    int pot_row_under_pointer_ = -1;
    PlayDrawState draw_state_;

    bool initialized_ = false;

    // The scenes and their runner. Last, so that live scenes go before the handles they wait on.
    std::unique_ptr<Story> story_;
};

// The speaker name of a character id; empty for an id without one.
const char* CharacterName(int id);
