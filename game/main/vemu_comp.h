// The main game component: it holds the play-through (plain state the rules work on), the
// screen stack with its per-frame dispatch, the story, the stage (messages, portraits, choices,
// the number entry, music and media: stage.h) and the drawing of the play screen. Its methods
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
#include "game/clock/clock_world.h"
#include "game/data/recipe_book.h"
#include "game/main/draw_text.h"
#include "game/main/media_tables.h"
#include "game/main/screen_ids.h"
#include "game/main/screen_stack.h"
#include "game/main/stage.h"
#include "game/main/view.h"
#include "game/rules/play_state.h"

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

    // --- rules of play, forwarded to game/rules (rules_bridge.cpp) ---
    void AddSkillExp(int method, float experience);
    double PrepSpeed(int method) const;
    int PrepTime(int method, int work) const;
    void ResetDailyFlags();
    void UpdateMemoryFoodState();
    Food* StoreFood(std::unique_ptr<Food> food, float amount);
    int AddFood(FoodDef* def, float amount);
    float TakeFromPantry(int index, float amount);
    Food* FindPantryFood(std::string_view name) const;
    void ClearPantry();
    Food* AddToSelection(std::unique_ptr<Food> food, float amount);
    void TakeOneFromSelection(int index);
    void DiscardSelection();
    void ApplyFatigue(float load);
    void RecoverStamina(float time);
    void PrepStep(int method, float amount, int unit_weight);
    int ChangeMoney(int amount);
    void AddMoney(int amount);
    int RestaurantRank() const;
    void BuildShopStatusText();
    int GetHonorThreshold() const;
    void ShiftHonor(const Food& dish, int amount);
    MenuDish* PickMenuDish() const;
    bool ServeDish(const MenuDish& dish);
    void UpdateMenuAvailability();
    bool AnyServableDish() const;
    bool IsDishOnMenu(std::string_view name) const;
    Recipe* FindRecipe(std::string_view name) const;
    bool PantryHasFood(const FoodDef* def) const;
    int FindMenuSlotOfDef(const Food& food) const;
    int CountKnownRecipes() const;
    void MarkMenuFoods();

    // --- items and the pantry list, forwarded to game/economy (economy_bridge.cpp) ---
    void GiveItem(std::string_view name, int count);
    bool ApplyOwnedItemEffect(const CItem& item);
    void ClearItemBag();
    int OwnedCount(const CItem& item);
    void AddFamiliarity(const Food& food, int count);
    int IncomeTax() const;
    int AssetTax() const;
    void BuildPantryList(std::vector<MenuEntry>& entries);
    bool AutoPurchase();
    bool DeliverShareGoods();

    // --- cooking and valuation, forwarded to game/cooking (cooking_bridge.cpp) ---
    Recipe* FindBestRecipe(int method, const FoodPot& pot) const;
    std::unique_ptr<Food> ResolveDish(int method, const Recipe* recipe, FoodPot& pot) const;
    // The dish the method makes of the pot; the caller owns it and discards the pot.
    std::unique_ptr<Food> PrepareDish(int method);
    int Tastiness(const Food& food) const;
    int DishValuePercent(const Food& dish) const;
    double DishAppeal(const Food& dish) const;
    int DishScore(const Food& dish) const;
    const char* DishRating(const Food& dish) const;
    static bool Chance(double percent);
    void BuildMethodMenu(std::vector<MenuEntry>& entries);

    // --- the game clock, forwarded to game/clock (clock_bridge.cpp) ---
    void AddMinutes(int minutes);
    void AddHours(int hours);
    void AddDays(int days);
    void RotFoods();

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
    // The story scheduler, once game time has passed since it last ran (clock_bridge.cpp).
    void ScheduleStoryIfTimePassed();
    // A notice over the screen on top, on the message screen: that stops the list below, so the
    // press that reads the notice decides no row, and pops itself once it is read.
    void ShowNotice(const std::string& text);
    // Recipe-count rewards: the level reached, and the invented recipes last counted.
    int reward_num() const { return reward_num_; }
    void set_reward_num(int level) { reward_num_ = level; }
    int known_recipes() const { return known_recipes_; }
    void set_known_recipes(int count) { known_recipes_ = count; }
    void set_choice_result(int result) { stage_.set_choice_result(result); }

    // --- state, read by the screens, the story and the tests ---
    PlayState& state() { return state_; }
    const PlayState& state() const { return state_; }
    Kitchen& kitchen() { return kitchen_; }
    RecipeBook& book() { return book_; }
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
    int start_kit() const { return start_kit_; }
    void set_start_kit(int kit) { start_kit_ = kit; }
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

    // A dish panel reads these; each is owned here, so no panel can read a freed dish.
    std::unique_ptr<Food>& made_dish() { return made_dish_; }
    std::unique_ptr<Food>& contest_dish() { return contest_dish_; }
    std::unique_ptr<MenuDish>& candidate_dish() { return candidate_dish_; }
    int chosen_menu_slot() const { return chosen_menu_slot_; }
    void set_chosen_menu_slot(int slot) { chosen_menu_slot_ = slot; }

    // Contest state: whether a contest runs, its judges, the rival and his score, the votes and
    // the entry fee the hall asks.
    struct Contest {
        std::uint8_t running = 0;
        std::array<int, 3> judges{};
        int rival_score = 0;
        int rival = 0;
        int votes = 0;
        int entry_fee = 0;
    };
    Contest& contest() { return contest_; }

    int shown_cooking_method() const { return shown_cooking_method_; }
    void set_shown_cooking_method(int method) { shown_cooking_method_ = method; }
    int pot_row_under_pointer() const { return pot_row_under_pointer_; }
    void set_pot_row_under_pointer(int row) { pot_row_under_pointer_ = row; }

    // The food goods of the shops (lists 1 to 7) and the item goods (8, 9, 11, 12).
    static constexpr int kGoodsLists = 13;
    std::vector<FoodDef*>& food_goods(int list) { return food_goods_[list]; }
    std::vector<CItem*>& item_goods(int list) { return item_goods_[list]; }
    // The goods list the open shop sells from (an index into the lists above).
    int goods_in_use() const { return goods_in_use_; }
    void set_goods_in_use(int list) { goods_in_use_ = list; }

private:
    // What a save holds, as the slot's writer and reader take it (save_game.cpp).
    SaveGameParts SavedParts();
    // What the clock rules move: the play state, the pantry in use and the book's fermentation.
    ClockWorld MakeClockWorld();
    bool FillFoodGoods();
    void FillItemGoods();

    // The play-through.
    PlayState state_;
    Kitchen kitchen_;
    RecipeBook book_;
    const FoodDef* memory_food_first_ = nullptr;   // キャトレモネ
    const FoodDef* memory_food_second_ = nullptr;  // メモルボイルド
    FoodDef* rot_entry_ = nullptr;                 // what spoiled food becomes

    // Before the stage, so that its windows go before the screens' handles they report to.
    ScreenStack screens_{*this};

    Stage stage_{*this, graphics_, input_};

    std::unique_ptr<Food> made_dish_;
    std::unique_ptr<Food> contest_dish_;
    std::unique_ptr<MenuDish> candidate_dish_;
    int chosen_menu_slot_ = -1;
    Contest contest_;
    int known_recipes_ = 0;
    int reward_num_ = 0;
    int start_kit_ = 1;

    int shown_cooking_method_ = 0;
    int pot_row_under_pointer_ = -1;
    PlayView view_{*this};

    std::array<std::vector<FoodDef*>, kGoodsLists> food_goods_;
    std::array<std::vector<CItem*>, kGoodsLists> item_goods_;
    int goods_in_use_ = 1;
    std::vector<std::unique_ptr<CItem>> owned_goods_items_;

    bool initialized_ = false;

    // The scenes and their runner. Last, so that live scenes go before the handles they wait on.
    std::unique_ptr<Story> story_;
};
