// Cooking: the pantry beside the pot, where foods go in and come back out, the method window,
// and the time the kitchen is busy afterwards.
#include <algorithm>
#include <cmath>

#include "engine/framework/mouse_event.h"
#include "engine/input/direct_input.h"
#include "game/food/food_def.h"
#include "game/main/vemu_comp.h"

namespace {

constexpr int kMethodX = 490, kMethodY = 150, kMethodRows = 6;

// The pot pane: two foods a line, and the rectangle around each in which the pointer picks it.
constexpr int kPotLeftX = 285, kPotRightX = 465, kPotTopY = 80, kPotLinePitch = 24;
constexpr int kPotReachLeft = 6, kPotReachRight = 174, kPotReachUp = 6, kPotReachDown = 18;

constexpr int kRightMouse = 1, kLeftMouse = 0;
// Held longer than this, cancel keeps handing foods back, one every fourth frame.
constexpr int kHoldFrames = 25;
bool Repeats(int held) { return held > kHoldFrames && held % 4 == 1; }

constexpr int kCookingMinutesPerFrame = 5;
constexpr int kCookingMinFrames = 100;

struct MethodSound {
    int method;
    SoundEffect sound;
};
constexpr MethodSound kMethodSounds[] = {
    {kMethodMix, kSoundHand},  {kMethodProcess, kSoundHand}, {kMethodBake, kSoundRoast},
    {kMethodBoil, kSoundBoil}, {kMethodFry, kSoundFry},
};

// One unit, or all of it when less is left.
float OneUnit(const Food& food) { return std::min(food.amount, 1.0f); }

int PotRowAt(int count, int x, int y) {
    int found = -1;
    for (int i = 0; i < count; ++i) {
        const int row_x = i % 2 == 0 ? kPotLeftX : kPotRightX;
        const int row_y = kPotTopY + kPotLinePitch * (i / 2);
        if (x >= row_x - kPotReachLeft && x < row_x + kPotReachRight && y >= row_y - kPotReachUp &&
            y < row_y + kPotReachDown)
            found = i;
    }
    return found;
}

}  // namespace

void CVemuComp::OpenMethodWindow(MenuEntry* entries, int count) {
    choice_window_.Stop();
    choice_window_.SetItems(entries, count, &play_screens_.method_cursor, kMethodRows);
    choice_window_.SetPosition(kMethodX, kMethodY);
    choice_window_.Start(&play_screens_.method_handle);
}

void CVemuComp::ReturnPotItem(int index) {
    if (index < 0 || index >= static_cast<int>(kitchen_.selection.size())) return;
    const Food& food = *kitchen_.selection[static_cast<std::size_t>(index)];
    const float amount = OneUnit(food);
    StoreFood(std::make_unique<Food>(food, amount), amount);
    TakeOneFromSelection(index);
    UpdateMenuAvailability();
}

void CVemuComp::CookingScreen() {
    PlayScreenState& play = play_screens_;
    pot_row_under_pointer_ =
        PotRowAt(static_cast<int>(kitchen_.selection.size()), mouse_->x, mouse_->y);

    if (play.cooking_phase == 1) {
        if (ButtonPressed(kButtonCancel) || ButtonPressed(kButtonLeft) ||
            mouse_->GetButton(kRightMouse) == 1) {
            play.cooking_phase = 0;
            list_window_.SetCursorShown(true);
            sounds_.switch_sound.Play(0, 0);
            ReplaceScreen(kScreenCooking);
            return;
        }
        if (!play.method_handle.IsDone()) return;
        const int row = play.method_cursor;
        if (row < 0 || row >= static_cast<int>(second_entries_.size())) return;
        for (CIconEvent& icon : icons_) icon.Stop();
        list_window_.SetCursorShown(true);
        play.cooking_phase = 0;
        const int method = second_entries_[static_cast<std::size_t>(row)].value;
        if (method == kMethodDiscard)
            StartStoryEvent(StoryEvent::kDiscardIngredients);
        else
            StartCooking(method);
        return;
    }

    RecallListCursor(&list_window_);
    if (ApplySortIcons()) return;
    const int cancel_held =
        std::max(input_->GetCount(kButtonCancel), mouse_->GetButton(kRightMouse));
    if (ListCancelled() || Repeats(cancel_held)) {
        if (kitchen_.selection.empty()) {
            list_window_.Stop();
            choice_window_.Stop();
            for (CIconEvent& icon : icons_) icon.Stop();
            PopScreen();
            return;
        }
        sounds_.effects[kSoundSelectOff].Play(0, 0);
        ReturnPotItem(static_cast<int>(kitchen_.selection.size()) - 1);
        ReplaceScreen(kScreenCooking);
        return;
    }
    // Right steps over to the cooking methods beside the list; left or cancel steps back.
    if (ButtonPressed(kButtonRight) && !kitchen_.selection.empty()) {
        sounds_.switch_sound.Play(0, 0);
        list_window_.SetCursorShown(false);
        play.method_cursor = 0;
        // Opened afresh, so a click on it while foods were still being chosen decides nothing.
        OpenMethodWindow(second_entries_.data(), static_cast<int>(second_entries_.size()));
        ShowMessage(&handles_.message, "調理方法を選んでください", true);
        play.cooking_phase = 1;
        return;
    }
    if (handles_.list.IsDone() && screen_cursor_ >= 0 && screen_cursor_ < entry_count_) {
        const int index = entries_[static_cast<std::size_t>(screen_cursor_)].value;
        Pantry& pantry = kitchen_.pantry();
        if (index >= 0 && index < static_cast<int>(pantry.size())) {
            sounds_.effects[kSoundSelectOn].Play(0, 0);
            const Food& food = *pantry[static_cast<std::size_t>(index)];
            const float amount = OneUnit(food);
            AddToSelection(std::make_unique<Food>(food, amount), amount);
            TakeFromPantry(index, amount);
            UpdateMenuAvailability();
        }
        ReplaceScreen(kScreenCooking);
        return;
    }
    if (pot_row_under_pointer_ >= 0 &&
        (ButtonPressed(kButtonDecide) || mouse_->GetButton(kLeftMouse) == 1)) {
        sounds_.effects[kSoundSelectOff].Play(0, 0);
        ReturnPotItem(pot_row_under_pointer_);
        ReplaceScreen(kScreenCooking);
    }
}

void CVemuComp::StartCooking(int method) {
    std::unique_ptr<Food> dish = PrepareDish(method);
    if (!dish) return;
    OfferForMenu(*dish);
    shown_cooking_method_ = method;
    const int unit_weight = dish->def ? static_cast<int>(dish->def->unit_weight) : 0;
    PrepStep(method, dish->amount, unit_weight);
    for (const MethodSound& sound : kMethodSounds)
        if (sound.method == method) sounds_.effects[sound.sound].Play(0, 0);
    made_dish_ = std::move(dish);
    play_screens_.cooking_frames = 0;
    ReplaceScreen(kScreenCookingInProgress);
}

void CVemuComp::CookingInProgressScreen() {
    int& frames = play_screens_.cooking_frames;
    ++frames;
    int& minutes = state_.cooking_minutes;
    if (minutes > 0) {
        AddMinutes(kCookingMinutesPerFrame);
        minutes = std::max(minutes - kCookingMinutesPerFrame, 0);
    }
    if (minutes > 0 || frames <= kCookingMinFrames) return;
    frames = 0;
    shown_cooking_method_ = 0;
    sounds_.effects[kSoundChin].Play(0, 0);
    ReplaceScreen(kScreenDishMade);
}
