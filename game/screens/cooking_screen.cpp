// Cooking: the pantry beside the pot, where foods go in and come back out, the method window,
// and the time the kitchen is busy afterwards.
#include <algorithm>
#include <cmath>

#include "engine/framework/game_mediator.h"
#include "engine/framework/mouse_event.h"
#include "engine/input/direct_input.h"
#include "game/cooking/method_menu.h"
#include "game/cooking/prepare_dish.h"
#include "game/food/food_def.h"
#include "game/main/game_clock.h"
#include "game/main/vemu_comp.h"
#include "game/rules/pantry.h"
#include "game/rules/serving.h"
#include "game/rules/stamina.h"
#include "game/screens/list_input.h"
#include "game/screens/screen_row.h"

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

void OpenMethodWindow(CVemuComp& game, MenuEntry* entries, int count) {
    game.stage().choice_window().Stop();
    game.stage().choice_window().SetItems(entries, count, &game.screens().play().method_cursor,
                                          kMethodRows);
    game.stage().choice_window().SetPosition(kMethodX, kMethodY);
    game.stage().choice_window().Start(&game.screens().play().method_handle);
}

namespace {

void ReturnPotItem(CVemuComp& game, int index) {
    if (index < 0 || index >= static_cast<int>(game.world().kitchen.selection.size())) return;
    const Food& food = *game.world().kitchen.selection[static_cast<std::size_t>(index)];
    const float amount = OneUnit(food);
    StoreFood(game.world().kitchen, std::make_unique<Food>(food, amount), amount);
    TakeOneFromSelection(game.world().kitchen, index);
    UpdateMenuAvailability(game.state(), game.world().kitchen);
}

void StartCooking(CVemuComp& game, int method);

void CookingScreen(CVemuComp& game) {
    PlayScreenState& play = game.screens().play();
    game.screens().play().pot_row_under_pointer = PotRowAt(
        static_cast<int>(game.world().kitchen.selection.size()), game.mouse().x, game.mouse().y);

    if (play.cooking_phase == 1) {
        if (ButtonPressed(game, kButtonCancel) || ButtonPressed(game, kButtonLeft) ||
            game.mouse().GetButton(kRightMouse) == 1) {
            play.cooking_phase = 0;
            game.stage().list_window().SetCursorShown(true);
            game.stage().sounds().switch_sound.Play(0, 0);
            game.screens().Replace(kScreenCooking);
            return;
        }
        if (!play.method_handle.IsDone()) return;
        const int row = play.method_cursor;
        if (row < 0 || row >= static_cast<int>(game.stage().second_entries().size())) return;
        for (CIconEvent& icon : game.stage().icon_buttons()) icon.Stop();
        game.stage().list_window().SetCursorShown(true);
        play.cooking_phase = 0;
        const int method = game.stage().second_entries()[static_cast<std::size_t>(row)].value;
        if (method == kMethodDiscard)
            game.StartStoryEvent(StoryEvent::kDiscardIngredients);
        else
            StartCooking(game, method);
        return;
    }

    game.stage().RecallListCursor(&game.stage().list_window());
    if (ApplySortIcons(game)) return;
    const int cancel_held =
        std::max(game.input().GetCount(kButtonCancel), game.mouse().GetButton(kRightMouse));
    if (ListCancelled(game) || Repeats(cancel_held)) {
        if (game.world().kitchen.selection.empty()) {
            game.stage().list_window().Stop();
            game.stage().choice_window().Stop();
            for (CIconEvent& icon : game.stage().icon_buttons()) icon.Stop();
            game.screens().Pop();
            return;
        }
        game.stage().sounds().effects[kSoundSelectOff].Play(0, 0);
        ReturnPotItem(game, static_cast<int>(game.world().kitchen.selection.size()) - 1);
        game.screens().Replace(kScreenCooking);
        return;
    }
    // Right steps over to the cooking methods beside the list; left or cancel steps back.
    if (ButtonPressed(game, kButtonRight) && !game.world().kitchen.selection.empty()) {
        game.stage().sounds().switch_sound.Play(0, 0);
        game.stage().list_window().SetCursorShown(false);
        play.method_cursor = 0;
        // Opened afresh, so a click on it while foods were still being chosen decides nothing.
        OpenMethodWindow(game, game.stage().second_entries().data(),
                         static_cast<int>(game.stage().second_entries().size()));
        game.stage().ShowMessage(&game.screens().handles().message, "調理方法を選んでください",
                                 true);
        play.cooking_phase = 1;
        return;
    }
    if (game.screens().handles().list.IsDone() && game.screens().cursor() >= 0 &&
        game.screens().cursor() < game.stage().entry_count()) {
        const int index =
            game.stage().entries()[static_cast<std::size_t>(game.screens().cursor())].value;
        Pantry& pantry = game.world().kitchen.pantry();
        if (index >= 0 && index < static_cast<int>(pantry.size())) {
            game.stage().sounds().effects[kSoundSelectOn].Play(0, 0);
            const Food& food = *pantry[static_cast<std::size_t>(index)];
            const float amount = OneUnit(food);
            AddToSelection(game.world().kitchen, std::make_unique<Food>(food, amount), amount);
            TakeFromPantry(game.world().kitchen, index, amount);
            UpdateMenuAvailability(game.state(), game.world().kitchen);
        }
        game.screens().Replace(kScreenCooking);
        return;
    }
    if (game.screens().play().pot_row_under_pointer >= 0 &&
        (ButtonPressed(game, kButtonDecide) || game.mouse().GetButton(kLeftMouse) == 1)) {
        game.stage().sounds().effects[kSoundSelectOff].Play(0, 0);
        ReturnPotItem(game, game.screens().play().pot_row_under_pointer);
        game.screens().Replace(kScreenCooking);
    }
}

void StartCooking(CVemuComp& game, int method) {
    PlayWorld& world = game.world();
    std::unique_ptr<Food> dish =
        PrepareDish(world.book, world.state, {world.memory_food_first, world.memory_food_second},
                    method, world.kitchen.selection);
    if (!dish) return;
    OfferForMenu(game, *dish);
    game.screens().play().shown_cooking_method = method;
    const int unit_weight = dish->def ? static_cast<int>(dish->def->unit_weight) : 0;
    PrepStep(game.state(), method, dish->amount, unit_weight);
    for (const MethodSound& sound : kMethodSounds)
        if (sound.method == method) game.stage().sounds().effects[sound.sound].Play(0, 0);
    game.world().made_dish = std::move(dish);
    game.screens().play().cooking_frames = 0;
    game.screens().Replace(kScreenCookingInProgress);
}

void CookingInProgressScreen(CVemuComp& game) {
    int& frames = game.screens().play().cooking_frames;
    ++frames;
    int& minutes = game.state().cooking_minutes;
    if (minutes > 0) {
        PassMinutes(game, kCookingMinutesPerFrame);
        minutes = std::max(minutes - kCookingMinutesPerFrame, 0);
    }
    if (minutes > 0 || frames <= kCookingMinFrames) return;
    frames = 0;
    game.screens().play().shown_cooking_method = 0;
    game.stage().sounds().effects[kSoundChin].Play(0, 0);
    game.screens().Replace(kScreenDishMade);
}

// Nothing to cook with: the notice instead of the list.
bool PrepareCooking(CVemuComp& game, std::string& /*prompt*/) {
    if (game.world().kitchen.selection.empty() && game.world().kitchen.pantry().empty()) {
        game.screens().OpenNotice("食材がありません");
        return false;
    }
    return true;
}

// The pantry's rows, and the methods the utensils offer for the pot in the method window beside
// them.
int BuildCookingRows(CVemuComp& game, std::vector<MenuEntry>& entries) {
    const int rows = BuildPantryRows(game, entries);
    std::vector<MenuEntry>& methods = game.stage().second_entries();
    BuildMethodMenu(game.state(), game.mediator().items(), game.world().kitchen.selection, methods);
    OpenMethodWindow(game, methods.data(), static_cast<int>(methods.size()));
    return rows;
}

bool ShowCookingInProgress(CVemuComp& game) {
    game.stage().list_window().Stop();
    game.stage().choice_window().Stop();
    return true;
}

}  // namespace

extern const ScreenRow kCookingScreen = {
    .id = kScreenCooking,
    .steps = kShowList | kHideChoiceCursor | kStartIcons,
    .prompt = "食材を選んでください",
    .rows = BuildCookingRows,
    .prepare = PrepareCooking,
    .update = CookingScreen,
    .panel = ScreenPanel::kPantryFood,
};
extern const ScreenRow kCookingInProgressScreen = {
    .id = kScreenCookingInProgress,
    .steps = kStopMessageWaiters,
    .show = ShowCookingInProgress,
    .update = CookingInProgressScreen,
};
