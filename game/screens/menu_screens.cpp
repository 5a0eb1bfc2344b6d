// The menu: offering a freshly cooked dish for it, and the menu screen where the player cooks a
// portion ahead, sets the morning restock, exchanges a place or deletes a dish.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "engine/framework/game_mediator.h"
#include "game/main/game_clock.h"
#include "game/rules/menu_queries.h"
#include "game/rules/pantry.h"
#include "game/rules/serving.h"
#include "game/screens/economy_lists.h"
#include "game/screens/list_input.h"
#include "game/screens/screen_input.h"
#include "game/screens/screen_row.h"

namespace {

using namespace economy_screens;

// The menu screen's action window, beside the message.
constexpr int kActionX = 470, kActionY = 300;
enum MenuAction : int { kActionCook = 0, kActionRestock, kActionExchange, kActionDelete };
const char* const kActionLabels[] = {"料理を作る", "自動仕入れ", "メニュー交換", "削除"};
constexpr int kActionCount = 4;

constexpr int kRestockX = 500, kRestockY = 180, kRestockMax = 999;

bool AnyIngredientNotMastered(const Food& dish) {
    for (const std::unique_ptr<FoodNode>& node : dish.children)
        if (!node->IsMastered()) return true;
    return false;
}

void AfterDishMade(CVemuComp& game) {
    // Without a dish there is nothing to read first.
    if (game.world().made_dish && !game.screens().handles().message.IsDone()) return;
    // The pantry may merge the dish into a food it holds and delete it: nothing keeps it here.
    if (game.world().made_dish)
        StoreFood(game.world().kitchen, std::move(game.world().made_dish), 0.0f);
    UpdateMenuAvailability(game.state(), game.world().kitchen);
    game.screens().Replace(kScreenAfterDishMade);
    if (!game.state().menu_offer_suppressed) game.screens().Push(kScreenAddToMenu);
}

void AddToMenuAnswer(CVemuComp& game) {
    if (!game.screens().handles().list.IsDone()) return;
    if (game.stage().choice_result() == 0 && game.world().candidate_dish) {
        const int same = FindMenuSlotOfDef(game.world().kitchen, *game.world().candidate_dish);
        if (same >= 0) {
            game.world().chosen_menu_slot = same;
            game.screens().Replace(kScreenKeepWhichDish);
            return;
        }
        game.world().kitchen.menu.push_back(std::move(game.world().candidate_dish));
        UpdateMenuAvailability(game.state(), game.world().kitchen);
        if (static_cast<int>(game.world().kitchen.menu.size()) > game.state().menu_max) {
            game.screens().Replace(kScreenMenuFull);
            return;
        }
    } else {
        game.world().candidate_dish.reset();
    }
    game.screens().Pop();
}

// The dish in the place the player picked, or null for an empty place.
MenuDish* PickedDish(CVemuComp& game) {
    const Menu& menu = game.world().kitchen.menu;
    const int slot = game.screens().cursor();
    if (slot < 0 || slot >= static_cast<int>(menu.size())) return nullptr;
    return menu[static_cast<std::size_t>(slot)].get();
}

void Notice(CVemuComp& game, const std::string& text) {
    game.screens().Push(kScreenWaitForMessage);
    game.stage().ShowMessage(&game.screens().handles().message, text.c_str(), true);
}

// One portion ahead, made as serving one makes it from its ingredients, the kitchen working
// through all of it at once; the portion goes into the pantry ready to serve. Without what it
// takes nothing is made and nothing taken.
void CookAhead(CVemuComp& game, const MenuDish& dish) {
    if (!MakePortion(game.state(), game.world().kitchen, dish)) {
        Notice(game, "材料が足りません");
        return;
    }
    game.stage().Sound(kSoundChin).Play(0, 0);
    auto portion = std::make_unique<Food>(dish, 1.0f);
    PassMinutes(game, game.state().cooking_minutes);
    game.state().cooking_minutes = 0;
    StoreFood(game.world().kitchen, std::move(portion), 0.0f);
    UpdateMenuAvailability(game.state(), game.world().kitchen);
    Notice(game, "『" + dish.name + "』を 1 ヶ作りました");
}

void AskRestock(CVemuComp& game, const MenuDish& dish) {
    game.stage().choice_window().Stop();
    CInputNumberEvent& entry = game.stage().number_entry();
    entry.ClearTotal();
    entry.Setup(kRestockX, kRestockY, dish.restock);
    entry.SetRange(kRestockMax, 0);
    entry.Start(&game.screens().handles().restock);
    game.stage().ShowMessage(&game.screens().handles().message,
                             "毎朝いくつ分の材料を仕入れますか？", false);
}

void CloseActions(CVemuComp& game) {
    game.stage().choice_window().Stop();
    game.screens().Replace(kScreenMenu);
}

void RunMenuAction(CVemuComp& game) {
    if (ListCancelled(game)) {
        game.stage().sounds().switch_sound.Play(0, 0);
        CloseActions(game);
        return;
    }
    if (!game.screens().handles().list.IsDone()) return;
    MenuDish* dish = PickedDish(game);
    const int action = game.stage().choice_result();
    if (action == kActionExchange) {
        // An empty place takes the new dish; a dish's place gives it up for the new one.
        game.world().chosen_menu_slot = dish ? game.screens().cursor() : -1;
        game.stage().choice_window().Stop();
        game.screens().Push(kScreenAddDishToMenu);
        return;
    }
    // The other actions need a dish: on an empty place they close the window as cancel does.
    if (!dish) {
        CloseActions(game);
        return;
    }
    switch (action) {
        case kActionCook:
            game.stage().choice_window().Stop();
            CookAhead(game, *dish);
            return;
        case kActionRestock:
            AskRestock(game, *dish);
            return;
        case kActionDelete: {
            game.stage().Sound(kSoundSelectOff).Play(0, 0);
            Menu& menu = game.world().kitchen.menu;
            menu.erase(menu.begin() + game.screens().cursor());
            UpdateMenuAvailability(game.state(), game.world().kitchen);
            CloseActions(game);
            return;
        }
        default:
            CloseActions(game);
            return;
    }
}

void BuildActions(std::vector<MenuEntry>& entries) {
    Stage::ResizeMenuEntries(entries, kActionCount);
    for (int i = 0; i < kActionCount; ++i) {
        entries[static_cast<std::size_t>(i)].label = kActionLabels[i];
        entries[static_cast<std::size_t>(i)].value = i;
    }
}

void MenuScreen(CVemuComp& game) {
    WaitHandle& restock = game.screens().handles().restock;
    if (restock.state == WaitHandle::kWaiting) return;
    if (restock.IsDone()) {
        restock.Reset();
        MenuDish* dish = PickedDish(game);
        if (dish && !game.stage().number_entry().IsCancelled()) {
            dish->restock = game.stage().number_entry().GetValue();
            const char* text = dish->restock == 0 ? "自動仕入れ設定を解除しました"
                               : AnyIngredientNotMastered(*dish)
                                   ? "自動仕入れを設定しましたが\n自動仕入れのできない材料が"
                                     "メニューに含まれています"
                                   : "自動仕入れを設定しました";
            // Read on its own screen: the menu list comes back once it is read.
            game.screens().ShowNotice(text);
            return;
        }
        // The list again as the screen opens it, under its own prompt, not the entry's.
        game.screens().Replace(kScreenMenu);
        return;
    }
    if (game.stage().window_kind() == kChoiceWindow) {
        RunMenuAction(game);
        return;
    }
    game.stage().RecallListCursor(&game.stage().list_window());
    if (ListCancelled(game)) {
        game.screens().Pop();
        return;
    }
    if (!game.screens().handles().list.IsDone()) return;
    game.stage().sounds().switch_sound.Play(0, 0);
    BuildActions(game.stage().second_entries());
    game.stage().set_choice_result(0);
    game.stage().set_window_kind(kChoiceWindow);
    game.stage().choice_window().SetItems(game.stage().second_entries().data(), kActionCount,
                                          game.stage().choice_result_slot(), kActionCount);
    game.stage().choice_window().SetPosition(kActionX, kActionY);
    game.stage().choice_window().Start(&game.screens().handles().list);
    game.screens().OpenPrompt("メニュー設定");
}

// "『name』が" and how much of it: whole units, or 少し below one.
std::string DishMadeNotice(const Food& dish) {
    std::string text = "『" + dish.name + "』が";
    if (dish.amount >= 1.0f) {
        // Printed from the truncated float itself, so an amount beyond int still reads right.
        const double whole =
            std::trunc(std::min<double>(dish.amount, std::numeric_limits<float>::max()));
        char number[48];
        std::snprintf(number, sizeof number, "%.0f", whole);
        text += number;
        text += "ヶ";
    } else {
        text += "少し";
    }
    return text + "できました";
}

bool ShowDishMade(CVemuComp& game) {
    if (const std::unique_ptr<Food>& dish = game.world().made_dish) {
        game.stage().ShowMessage(&game.screens().handles().message, DishMadeNotice(*dish).c_str(),
                                 true);
        game.mediator().StopEventsWaitingOn(&game.screens().handles().list);
        DiscardSelection(game.world().kitchen);
    }
    return false;
}

// An empty menu has nothing to show: the notice instead of the list.
bool PrepareMenu(CVemuComp& game, std::string& /*prompt*/) {
    UpdateMenuAvailability(game.state(), game.world().kitchen);
    if (!game.world().kitchen.menu.empty()) return true;
    game.screens().OpenNotice("メニューがありません");
    return false;
}

}  // namespace

extern const ScreenRow kDishMadeScreen = {
    .id = kScreenDishMade,
    .show = ShowDishMade,
    .update = AfterDishMade,
    .panel = ScreenPanel::kCandidateDish,
};
extern const ScreenRow kAddToMenuScreen = {
    .id = kScreenAddToMenu,
    .steps = kStopListWaiters | kAskYesNo,
    .prompt = "メニューに追加しますか？",
    .update = AddToMenuAnswer,
    .panel = ScreenPanel::kCandidateDish,
};
extern const ScreenRow kMenuScreen = {
    .id = kScreenMenu,
    .steps = kShowList | kHideChoiceCursor,
    .prompt = "メニューを選んでください",
    .rows = BuildMenuRows,
    .prepare = PrepareMenu,
    .update = MenuScreen,
    .panel = ScreenPanel::kMenuDish,
};
