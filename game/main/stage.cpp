#include "game/main/stage.h"

#include "engine/framework/nvl_component.h"
#include "engine/graphics/direct_graphics.h"

namespace {

constexpr const char* kFontFace = "ＭＳ Ｐゴシック";

// The three sort buttons of the pantry list, in the order of the sort modes.
struct IconButton {
    int x, y;
    int on, off;  // indexes into the button pictures
};
// They stand under the list's last row, clear of its board.
constexpr IconButton kIconButtons[3] = {{150, 322, 0, 1}, {205, 322, 2, 3}, {260, 322, 4, 5}};
constexpr int kIconWidth = 52, kIconHeight = 25;
// The digit (or the OK button) under the quantity entry's cursor, in the red of the boards'
// marks.
constexpr unsigned kEntryCursorColor = 0xFFC8321E;
// The information panel's first text stands 165 pixels down: the quantity entries stay above.
constexpr int kPanelTop = 160;
// The middle of the plate on top of the portrait's frame; the counter's digits stand in the
// middle of its height.
constexpr int kCounterX = play_draw::kFrameX + play_draw::kPlateLeft + play_draw::kPlateWidth / 2;
constexpr int kCounterY = play_draw::kFrameY + play_draw::kPlateTop + 1;

}  // namespace

Stage::Stage(CQZNVLComponent& novel, CDirectGraphics* graphics, CDirectInput* input)
    : novel_(novel), graphics_(graphics), input_(input) {
    yes_no_[0].label = "はい";
    yes_no_[1].label = "いいえ";
}

void Stage::Initialize() {
    for (int i = 0; i < 3; ++i) {
        CIconEvent& icon = icons_[static_cast<std::size_t>(i)];
        const IconButton& button = kIconButtons[i];
        icon.SetRect(button.x, button.y, kIconWidth, kIconHeight);
        icon.SetNormalTexture(&textures_.buttons[static_cast<std::size_t>(button.off)]);
        icon.SetHoverTexture(&textures_.buttons[static_cast<std::size_t>(button.on)]);
        icon.SetPressedTexture(&textures_.buttons[static_cast<std::size_t>(button.on)]);
        icon.SetClickSound(&sounds_.switch_sound);
    }
    novel_.SetMessagePosition(200, 360);
    font16_.Create(16, kFontFace, true);
    font12_.Create(12, kFontFace, true);
    font14_.Create(14, kFontFace, true);
    font18_.Create(18, kFontFace, true);
    novel_.SetDefaultFont(&font16_);
    InitializeWindows();
}

void Stage::InitializeWindows() {
    CSelectEvent& base = novel_.select_window();
    struct Window {
        CSelectEvent* list;
        DTexture* board;
        DTexture* board_on;
        int width;
        bool arrows;
    };
    const Window kWindows[] = {
        {&base, &textures_.item_board, &textures_.item_board_on, 256, false},
        {&list_window_, &textures_.item_board, &textures_.item_board_on, 256, true},
        {&choice_window_, &textures_.item_board2, &textures_.item_board2_on, 128, false},
        // The item shops' goods: on boards like every list, wide enough for their prices.
        {&shop_window_.list(), &textures_.item_board, &textures_.item_board_on, 256, true},
    };
    for (const Window& window : kWindows) {
        CSelectEvent& list = *window.list;
        list.SetTextStyle(kMessageColor, &font16_);
        list.SetSplitFont(&font12_);
        list.SetCursorSound(&sounds_.switch_sound);
        list.SetNormalTexture(window.board);
        list.SetHoverTexture(window.board_on);
        list.SetSize(window.width, 36);
        list.EnableMouse(true);
        if (window.arrows) list.SetPageArrows(&textures_.page_up, &textures_.page_down);
        // Above the list lie the stamina gauge and its icon: the page counter goes on the
        // plate at the top of the portrait's frame instead.
        list.SetCounterPlace(kCounterX, kCounterY, &font12_);
        CSelectEvent::CounterPlate plate;
        plate.texture = &textures_.character_frame;
        plate.x = play_draw::kFrameX + play_draw::kPlateLeft;
        plate.y = play_draw::kFrameY + play_draw::kPlateTop;
        plate.src_x = play_draw::kPlateLeft;
        plate.src_y = play_draw::kPlateTop;
        plate.width = play_draw::kPlateWidth;
        plate.height = play_draw::kPlateHeight;
        list.SetCounterPlate(plate);
    }
    novel_.SetSelectSound(&sounds_.switch_sound);
    shop_window_.SetUnit("クル");
    shop_window_.SetFont(&font16_, kMessageColor);
    // A goods name and its price share the row: in the message font the longest run together.
    shop_window_.list().SetTextStyle(kMessageColor, &font14_);
    shop_window_.SetCursorSound(&sounds_.switch_sound);
    shop_window_.SetArrowTextures(&textures_.page_up, &textures_.page_down);
    number_entry_.cursor_sound = &sounds_.switch_sound;
    number_entry_.EnableMouse(true);
    // The quantity entries stand on a board like the lists', in the message font and colour,
    // above the information panel; the item shops' beside their list, which stays on screen.
    struct Entry {
        CInputNumberEvent* entry;
        int left;
    };
    const Entry kEntries[] = {
        {&number_entry_, 0},
        {&shop_window_.quantity_entry(), CShopEvent::kListX + 256 + 2},
    };
    for (const Entry& e : kEntries) {
        CInputNumberEvent& entry = *e.entry;
        entry.background = &textures_.item_board;
        entry.font = &font16_;
        entry.up_arrow = &textures_.page_up;
        entry.down_arrow = &textures_.page_down;
        entry.cursor_sound = &sounds_.switch_sound;
        entry.text_color = kMessageColor;
        entry.cursor_color = kEntryCursorColor;
        entry.SetArea(e.left, 0, CDirectGraphics::kScreenWidth - 8, kPanelTop);
    }
}

void Stage::Finalize() {
    entries_.clear();
    second_entries_.clear();
    music_event_.Close();
}

void Stage::Reset() {
    window_kind_ = kNoWindow;
    previous_portrait_ = nullptr;
    portrait_fade_ = 0;
    portrait_handle_ = nullptr;
    speaker_ = kRago;
    music_carries_over_ = 0;
}

void Stage::Update() {
    UpdatePortraitFade();
    if (window_kind_ == kChoiceWindow) RecallListCursor(&choice_window_);
}

void Stage::UpdatePortraitFade() {
    if (portrait_fade_ == 0) return;
    if (++portrait_fade_ <= kPortraitFadeFrames) return;
    portrait_fade_ = 0;
    if (portrait_handle_) portrait_handle_->Signal();
}
