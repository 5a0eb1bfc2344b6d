// How the game talks to the player: message lines, the speaker's portrait, yes/no and two- or
// three-way questions, the rows of the dish choice, the speakers' names and the digit row.
#include <algorithm>

#include "engine/framework/mouse_event.h"
#include "engine/graphics/direct_graphics.h"
#include "engine/input/direct_input.h"
#include "game/main/vemu_comp.h"

namespace {

// The yes/no and answer windows, beside the message.
constexpr int kChoiceX = 470, kChoiceY = 380;

// By character id; the same ids select the portraits.
const char* const kCharacterNames[kCharacterCount] = {
    "",           "ヴェム",     "ゼルバ",         "ラゴ",           "ナルフ",
    "ブロムス",   "チェリー",   "モンガ",         "クレア",         "司会者",
    "リバティー", "アントニオ", "マサムネ",       "フー",           "フランソワーズ",
    "マイスター", "パティー",   "マウントメイル", "テイストキング", "アダムスキー",
    "バルトン",   "カイエ",     "ククール",
};

// The digit row: each digit 10 pixels left of the one after it.
constexpr int kDigitAdvance = 10;
// No digit picture has a minus: a short bar in the digits' ink at their middle height.
constexpr int kMinusLeft = 2, kMinusTop = 8, kMinusWidth = 6, kMinusHeight = 2;
constexpr std::uint32_t kDigitInk = 0xFF4A2F1D;

// The question windows show every answer on one page; the chosen row goes to `result`.
bool OpenChoice(CSelectEvent& window, MenuEntry* answers, int count, int* result,
                WaitHandle* handle) {
    window.SetItems(answers, count, result, count);
    window.SetPosition(kChoiceX, kChoiceY);
    return window.Start(handle);
}

}  // namespace

const char* CharacterName(int id) {
    return id >= 0 && id < kCharacterCount ? kCharacterNames[id] : "";
}

bool CVemuComp::ShowMessage(WaitHandle* handle, const char* text, bool close_when_done) {
    SetCloseWhenDone(close_when_done);
    return CQZNVLComponent::ShowMessage(handle, text, kMessageColor, &font16_);
}

void CVemuComp::ChangePortrait(WaitHandle* handle, int character, int expression) {
    if (character == speaker_ && expression != expression_) {
        if (handle) handle->Begin();
        // A fade cut short by this one still lets its own waiter go on.
        if (portrait_fade_ != 0 && portrait_handle_ && portrait_handle_ != handle)
            portrait_handle_->Signal();
        previous_portrait_ = GetPortrait(speaker_, expression_);
        portrait_handle_ = handle;
        expression_ = expression;
        portrait_fade_ = 1;
        return;
    }
    if (handle) handle->Signal();
    speaker_ = character;
    expression_ = expression;
}

bool CVemuComp::AskYesNo(WaitHandle* handle) {
    // The result member still holds the last answer, so the window opens on it.
    window_kind_ = kChoiceWindow;
    return OpenChoice(choice_window_, yes_no_.data(), 2, &choice_result_, handle);
}

namespace {

void SetAnswers(std::array<MenuEntry, 3>& answers, std::initializer_list<const char*> labels,
                unsigned color) {
    std::size_t i = 0;
    for (const char* label : labels) {
        answers[i].label = label ? label : "";
        answers[i].color = color;
        ++i;
    }
}

}  // namespace

bool CVemuComp::AskChoice2(WaitHandle* handle, const char* first, const char* second) {
    SetAnswers(answers_, {first, second}, kMessageColor);
    window_kind_ = kChoiceWindow;
    return OpenChoice(choice_window_, answers_.data(), 2, &choice_result_, handle);
}

bool CVemuComp::AskChoice3(WaitHandle* handle, const char* first, const char* second,
                           const char* third) {
    SetAnswers(answers_, {first, second, third}, kMessageColor);
    window_kind_ = kChoiceWindow;
    return OpenChoice(choice_window_, answers_.data(), 3, &choice_result_, handle);
}

void CVemuComp::ResizeMenuEntries(std::vector<MenuEntry>& entries, int count) {
    entries.clear();
    entries.resize(static_cast<std::size_t>(std::max(count, 0)));
}

void CVemuComp::BuildDishChoiceList(std::vector<MenuEntry>& entries) {
    ResizeMenuEntries(entries, 2);
    const bool slot_held = world_.chosen_menu_slot >= 0 &&
                           world_.chosen_menu_slot < static_cast<int>(world_.kitchen.menu.size()) &&
                           world_.kitchen.menu[static_cast<std::size_t>(world_.chosen_menu_slot)];
    const MenuDish* dishes[2] = {
        slot_held ? world_.kitchen.menu[static_cast<std::size_t>(world_.chosen_menu_slot)].get()
                  : nullptr,
        world_.candidate_dish.get()};
    for (std::size_t i = 0; i < 2; ++i) {
        MenuEntry& entry = entries[i];
        // A dish that is not there reads as an empty row that cannot be served.
        entry.label = dishes[i] ? dishes[i]->name : "";
        entry.color =
            dishes[i] && dishes[i]->servable ? MenuEntry::kListColor : MenuEntry::kDisabledColor;
    }
    entry_count_ = 2;
}

int CVemuComp::RecallListCursor(CSelectEvent* list) {
    if (!list || list->IsCursorShown()) return 0;
    if (input_->GetCount(kButtonUp) != 1 && input_->GetCount(kButtonDown) == 0) return 0;
    list->SetCursorShown(true);
    return 1;
}

int CVemuComp::DrawNumber(int x, int y, int value) {
    // The magnitude in unsigned arithmetic, so the most negative int has one too.
    unsigned magnitude =
        value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    int count = 0;
    do {
        ++count;
        graphics_->DrawTexture(x - kDigitAdvance * count, y,
                               &textures_.digits[static_cast<std::size_t>(magnitude % 10)]);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) {
        ++count;
        DEffect bar;
        bar.x = static_cast<std::int16_t>(x - kDigitAdvance * count + kMinusLeft);
        bar.y = static_cast<std::int16_t>(y + kMinusTop);
        bar.width = kMinusWidth;
        bar.height = kMinusHeight;
        bar.alpha = kDigitInk >> 24;
        bar.red = (kDigitInk >> 16) & 0xFF;
        bar.green = (kDigitInk >> 8) & 0xFF;
        bar.blue = kDigitInk & 0xFF;
        graphics_->DrawEffect(&bar, nullptr);
    }
    return count;
}
