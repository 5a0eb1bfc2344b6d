#include "game/title/title_component.h"

#include "engine/common/system.h"
#include "engine/framework/game_mediator.h"
#include "engine/framework/mouse_event.h"
#include "engine/graphics/direct_graphics.h"
#include "engine/input/direct_input.h"
#include "game/main/vemu_comp.h"
#include "game/saves/slot_files.h"

namespace {

constexpr const char* kFontFace = "ＭＳ Ｐゴシック";
constexpr int kFontHeight = 16;
// A slot row holds a date and, apart from it, a time: in the menu's size they run together.
constexpr int kSlotFontHeight = 14;
constexpr const char* kMusic = "midi\\lets_cooking.mid";
constexpr std::uint32_t kGreenKey = 0xFF00FF00;
constexpr std::uint32_t kCyanKey = 0xFF00FFFF;
constexpr int kLogoX = 20;

constexpr int kLeftButton = 0;
constexpr int kRightButton = 1;

struct Board {
    const char* normal;
    const char* highlighted;
    int width, height;
};
constexpr Board kMenuBoard = {"dat\\itemboard2.bmp", "dat\\itemboard2_on.bmp", 128, 36};
constexpr Board kSlotBoard = {"dat\\itemboard.bmp", "dat\\itemboard_on.bmp", 256, 36};
constexpr int kMenuX = 240, kMenuY = 220;
constexpr int kSlotX = 176, kSlotY = 176;

enum MenuRow { kNewGame = 0, kContinue = 1 };
const char* const kMenuLabels[] = {"はじめから", "つづきから", nullptr};

}  // namespace

CTitleComp::CTitleComp() { SetName(kName); }

void CTitleComp::Initialize() {
    font_.Create(kFontHeight, kFontFace, true);
    slot_font_.Create(kSlotFontHeight, kFontFace, true);
    menu_board_.LoadFromFile(kMenuBoard.normal, kGreenKey);
    menu_board_on_.LoadFromFile(kMenuBoard.highlighted, kGreenKey);
    slot_board_.LoadFromFile(kSlotBoard.normal, kGreenKey);
    slot_board_on_.LoadFromFile(kSlotBoard.highlighted, kGreenKey);
    CSelectEvent& list = select_window();
    list.SetNormalTexture(&menu_board_);
    list.SetHoverTexture(&menu_board_on_);
    list.SetSize(kMenuBoard.width, kMenuBoard.height);
    list.EnableMouse(true);
    list.SetTextStyle(Stage::kMessageColor, &font_);
    OnReset();
    logo_.LoadFromFile("dat\\title_logo.bmp", kCyanKey);
    state_ = kMainMenu;
}

void CTitleComp::OnEnter(int /*argument*/) {
    music_.Close();
    // The title always plays its own piece, whatever music the game was set to.
    music_.Open(kMusic);
    // Like every background piece it goes round again for as long as the title stays.
    music_.SetLoop(true);
    image_.LoadFromFile("dat/title_image.bmp", kGreenKey);
    music_.Start(nullptr);
    handed_over_ = false;
    OnReset();
}

void CTitleComp::OnReset() {
    counter_ = kEnterCounter;
    choice_.Reset();
}

void CTitleComp::OnLeave() {
    mediator_->StopSceneEvents();
    image_.Release();
}

void CTitleComp::Finalize() { music_.Close(); }

void CTitleComp::Update() {
    // While the switch to the main game fades, a choice made just before the demo's count ran
    // out must not be overtaken by the demo.
    if (handed_over_) return;
    ++counter_;
    if (state_ == kSlotList)
        UpdateSlotList();
    else
        UpdateMainMenu();
    // Nobody has touched anything for long enough: show what the game looks like.
    if (counter_ == kDemoCounter && !StartTitleDemo()) CancelToMainMenu();
}

void CTitleComp::UpdateSlotList() {
    if (!choice_.IsDone()) {
        if (input_->GetCount(kButtonCancel) == 1 || mouse_->GetButton(kRightButton) == 1)
            CancelToMainMenu();
        return;
    }
    choice_.Reset();
    state_ = kMainMenu;
    if (!ContinueGame(cursor_)) CancelToMainMenu();
}

void CTitleComp::UpdateMainMenu() {
    if (counter_ < kMenuCounter &&
        (input_->GetCount(kButtonDecide) == 1 || mouse_->GetButton(kLeftButton) == 1))
        counter_ = kMenuCounter;
    if (counter_ == kMenuCounter) ShowMainMenu();
    if (!choice_.IsDone()) return;
    choice_.Reset();
    if (cursor_ == kNewGame) {
        if (!StartNewGame()) CancelToMainMenu();
    } else if (cursor_ == kContinue) {
        ShowSlotList();
    }
}

void CTitleComp::ShowMainMenu() {
    cursor_ = 0;
    CSelectEvent& list = select_window();
    list.SetNormalTexture(&menu_board_);
    list.SetHoverTexture(&menu_board_on_);
    list.SetSize(kMenuBoard.width, kMenuBoard.height);
    list.SetTextStyle(Stage::kMessageColor, &font_);
    StartSelect(&choice_, kMenuX, kMenuY, &cursor_, const_cast<const char**>(kMenuLabels), 0);
}

void CTitleComp::ShowSlotList() {
    BuildSlotList();
    cursor_ = 0;
    state_ = kSlotList;
    CSelectEvent& list = select_window();
    list.SetPosition(kSlotX, kSlotY);
    list.SetItems(slots_.data(), kSlots, &cursor_, kSlots);
    list.SetNormalTexture(&slot_board_);
    list.SetHoverTexture(&slot_board_on_);
    list.SetSize(kSlotBoard.width, kSlotBoard.height);
    list.SetTextStyle(Stage::kMessageColor, &slot_font_);
    list.Start(&choice_);
}

void CTitleComp::BuildSlotList() {
    // Without a save there is nothing to continue.
    for (int i = 0; i < kSlots; ++i) {
        MenuEntry& entry = slots_[static_cast<std::size_t>(i)];
        entry.enabled = FormatSlotEntry(i, entry) ? 1 : 0;
    }
}

void CTitleComp::CancelToMainMenu() {
    state_ = kMainMenu;
    StopSelect();
    counter_ = kMenuCounter - 1;
}

CVemuComp* CTitleComp::FindMainGame(const char* what) {
    auto* game = dynamic_cast<CVemuComp*>(mediator_->FindComponent(CVemuComp::kName));
    if (!game) DebugOutput(std::string("TitleComp: no VemuComp for ") + what + "\n");
    return game;
}

void CTitleComp::HandOver() {
    handed_over_ = true;
    mediator_->ChangeComponent(CVemuComp::kName, 2, 0);
}

void CTitleComp::StopMusic() {
    music_.Stop();
    music_.Close();
}

bool CTitleComp::StartNewGame() {
    CVemuComp* game = FindMainGame("a new game");
    if (!game) return false;
    StopMusic();
    game->world().start_kit = 1;
    game->PrepareNewGame();
    HandOver();
    return true;
}

bool CTitleComp::ContinueGame(int slot) {
    CVemuComp* game = FindMainGame("continuing");
    if (!game) return false;
    game->world().start_kit = 1;
    game->PrepareNewGame();
    if (!game->LoadGame(slot)) {
        // Nothing half-loaded may be played: the title stays, with its music.
        ShowMessageBox("ロードできません", "ごめんねエラー");
        return false;
    }
    StopMusic();
    HandOver();
    return true;
}

bool CTitleComp::StartTitleDemo() {
    CVemuComp* game = FindMainGame("the title demo");
    if (!game) return false;
    // Back from the demo the title opens on its menu, whichever list was up.
    state_ = kMainMenu;
    // The demo is a show of the game: the title's music plays on under it.
    game->StartTitleDemo();
    HandOver();
    return true;
}

void CTitleComp::Draw() {
    graphics_->DrawTexture(0, 0, &image_);
    if (counter_ < 1) return;
    DEffect effect;
    effect.x = kLogoX;
    effect.y = 0;
    effect.width = DEffect::kImageSize;
    effect.red = effect.green = effect.blue = 255;
    if (counter_ < kMenuCounter) {
        // The logo opens from its middle line as it fades in.
        effect.alpha = static_cast<std::uint8_t>(counter_);
        effect.height = static_cast<std::uint16_t>(logo_.GetHeight() * counter_ / kMenuCounter);
    } else {
        effect.alpha = 255;
        effect.height = DEffect::kImageSize;
    }
    graphics_->DrawEffect(&effect, &logo_);
}
