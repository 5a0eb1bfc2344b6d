// The stage: what the screens and the scenes ask of the visual-novel layer. It owns the fonts,
// the list, choice and shop windows, the number entry, the music, the icon buttons, the entry
// arrays, the pictures and sounds, and the speaker's portrait with its cross-fade; the message
// window and the base choice list are the component's own (CQZNVLComponent), which the stage
// reaches through the reference it holds.
#pragma once

#include <array>
#include <vector>

#include "engine/framework/icon_event.h"
#include "engine/framework/input_number_event.h"
#include "engine/framework/menu_entry.h"
#include "engine/framework/music_event.h"
#include "engine/framework/select_event.h"
#include "engine/framework/shop_event.h"
#include "engine/framework/wait_handle.h"
#include "engine/graphics/font.h"
#include "game/main/draw_text.h"
#include "game/main/media_tables.h"

class CDirectGraphics;
class CDirectInput;
class CQZNVLComponent;
class MenuDish;

// The selection window open over the screen: the screen's list, or a yes/no or answer choice.
enum WindowKind : int { kNoWindow = 0, kListWindow = 1, kChoiceWindow = 2 };

class Stage {
public:
    // The colour of every message, prompt and list text.
    static constexpr unsigned kMessageColor = play_draw::kMessageColor;

    // What the scenes wait on that answers nothing: one scene runs at a time. A scene's lines,
    // rows and questions report to handles of its own (SceneHandle, Question), the screens'
    // to the screen stack's.
    struct Handles {
        WaitHandle music;  // music, fades and timed waits
        WaitHandle portrait;
    };

    Stage(CQZNVLComponent& novel, CDirectGraphics* graphics, CDirectInput* input);
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

    // --- set-up and resets (stage.cpp) ---
    // The fonts, the icon buttons and the windows, once the pictures and sounds are loaded.
    void Initialize();
    void Finalize();
    // A new game: no window open, ラゴ speaking with no fade, the music stopped at a switch.
    void Reset();
    // Once a frame: the portrait's cross-fade, and the answer window's hidden cursor.
    void Update();

    // --- media (media.cpp) ---
    bool LoadTextures();
    void LoadSoundEffects();
    bool PlayBgm(WaitHandle* handle, int id);
    DTexture* GetPortrait(int character, int expression) const;
    DWave& Sound(SoundEffect effect) { return sounds_.effects[effect]; }

    // --- messages, portraits and choices (messages.cpp) ---
    bool ShowMessage(WaitHandle* handle, const char* text, bool close_when_done);
    void ChangePortrait(WaitHandle* handle, int character, int expression);
    bool AskYesNo(WaitHandle* handle);
    bool AskChoice2(WaitHandle* handle, const char* first, const char* second);
    bool AskChoice3(WaitHandle* handle, const char* first, const char* second, const char* third);
    // The rows in the font given, else in the message font; the row chosen goes to `cursor`.
    void ShowChoiceList(MenuEntry* entries, int count, int& cursor, WaitHandle* handle,
                        DFont* font = nullptr);
    static void ResizeMenuEntries(std::vector<MenuEntry>& entries, int count);
    // The menu dish being replaced and the dish that would replace it, either perhaps missing.
    void BuildDishChoiceList(std::vector<MenuEntry>& entries, const MenuDish* old_dish,
                             const MenuDish* new_dish);
    int RecallListCursor(CSelectEvent* list);
    int DrawNumber(int x, int y, int value);

    Handles& handles() { return handles_; }
    int choice_result() const { return choice_result_; }
    void set_choice_result(int result) { choice_result_ = result; }
    // Where the screens' own choice windows leave the row chosen.
    int* choice_result_slot() { return &choice_result_; }
    int speaker() const { return speaker_; }
    void set_speaker(int character) { speaker_ = character; }
    int expression() const { return expression_; }
    // How long a new expression takes to cross-fade in.
    static constexpr int kPortraitFadeFrames = 25;
    // Frames into the portrait cross-fade, 0 while none runs, and the picture fading out.
    int portrait_fade() const { return portrait_fade_; }
    DTexture* previous_portrait() const { return previous_portrait_; }
    WindowKind window_kind() const { return window_kind_; }
    void set_window_kind(WindowKind kind) { window_kind_ = kind; }
    bool music_carries_over() const { return music_carries_over_ != 0; }
    void set_music_carries_over(bool carries) { music_carries_over_ = carries ? 1 : 0; }
    int music_volume() const { return music_volume_; }
    void set_music_volume(int volume) { music_volume_ = volume; }
    int effect_volume() const { return effect_volume_; }
    void set_effect_volume(int volume) { effect_volume_ = volume; }

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
    const SceneTextures& textures() const { return textures_; }
    PortraitTable& portraits() { return portraits_; }
    SoundEffects& sounds() { return sounds_; }
    DFont& message_font() { return font16_; }
    DFont& small_font() { return font12_; }
    DFont& panel_font() { return font14_; }
    DFont& large_font() { return font18_; }

private:
    void InitializeWindows();
    void UpdatePortraitFade();

    CQZNVLComponent& novel_;
    CDirectGraphics* graphics_;
    CDirectInput* input_;

    // Before the windows, so that the windows go before the handles they report to.
    Handles handles_;
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
    std::uint8_t music_carries_over_ = 0;
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
};

// The speaker name of a character id; empty for an id without one.
const char* CharacterName(int id);
