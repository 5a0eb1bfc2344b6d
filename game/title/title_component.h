// The title screen: the picture with its opening logo, the menu of new game and continue, the
// list of the eight save slots, and the title demo when nobody touches anything.
#pragma once

#include <array>

#include "engine/framework/menu_entry.h"
#include "engine/framework/music_event.h"
#include "engine/framework/nvl_component.h"
#include "engine/framework/wait_handle.h"
#include "engine/graphics/font.h"
#include "engine/graphics/texture.h"
#include "game/saves/slot_files.h"

class CVemuComp;

class CTitleComp : public CQZNVLComponent {
public:
    static constexpr const char* kName = "TitleComp";
    static constexpr int kSlots = kSaveSlotCount;
    // The counter starts here on entering, so the logo starts to open 70 frames later.
    static constexpr int kEnterCounter = -70;
    // The logo is fully open and the menu appears.
    static constexpr int kMenuCounter = 255;
    static constexpr int kDemoCounter = 1000;
    enum State { kMainMenu = 0, kSlotList = 1 };

    CTitleComp();
    void OnLeave() override;
    void OnEnter(int argument) override;
    void Initialize() override;
    void Finalize() override;
    void Update() override;
    void Draw() override;
    void OnReset() override;

    int counter() const { return counter_; }
    int state() const { return state_; }
    int cursor() const { return cursor_; }
    const std::array<MenuEntry, kSlots>& slots() const { return slots_; }
    CMusicEvent& music() { return music_; }

private:
    void UpdateSlotList();
    void UpdateMainMenu();
    void ShowMainMenu();
    void ShowSlotList();
    void BuildSlotList();
    // Back to the main menu, which is built again on the next frame.
    void CancelToMainMenu();

    // Hand-overs to the main game; each returns false (and the title stays) without it.
    bool StartNewGame();
    bool ContinueGame(int slot);
    bool StartTitleDemo();
    CVemuComp* FindMainGame(const char* what);
    void HandOver();
    void StopMusic();

    WaitHandle choice_;
    int cursor_ = 0;
    DTexture image_;
    DTexture logo_;
    DTexture menu_board_;
    DTexture menu_board_on_;
    DTexture slot_board_;
    DTexture slot_board_on_;
    DFont font_;
    DFont slot_font_;
    CMusicEvent music_;
    int counter_ = kEnterCounter;
    int state_ = kMainMenu;
    // Set once the main game has been asked to take over, until the title is entered again.
    bool handed_over_ = false;
    std::array<MenuEntry, kSlots> slots_;
};
