// The menu: offering a freshly cooked dish for it, and the menu screen where the player cooks a
// portion ahead, sets the morning restock, exchanges a place or deletes a dish.
#include <string>

#include "game/rules/serving.h"
#include "game/screens/economy_lists.h"
#include "game/screens/screen_input.h"

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

}  // namespace

void CVemuComp::AfterDishMade() {
    // Without a dish there is nothing to read first.
    if (made_dish_ && !handles_.message.IsDone()) return;
    // The pantry may merge the dish into a food it holds and delete it: nothing keeps it here.
    if (made_dish_) StoreFood(std::move(made_dish_), 0.0f);
    UpdateMenuAvailability();
    ReplaceScreen(kScreenAfterDishMade);
    if (!state_.menu_offer_suppressed) PushScreen(kScreenAddToMenu);
}

void CVemuComp::AddToMenuAnswer() {
    if (!handles_.list.IsDone()) return;
    if (choice_result_ == 0 && candidate_dish_) {
        const int same = FindMenuSlotOfDef(*candidate_dish_);
        if (same >= 0) {
            chosen_menu_slot_ = same;
            ReplaceScreen(kScreenKeepWhichDish);
            return;
        }
        kitchen_.menu.push_back(std::move(candidate_dish_));
        UpdateMenuAvailability();
        if (static_cast<int>(kitchen_.menu.size()) > state_.menu_max) {
            ReplaceScreen(kScreenMenuFull);
            return;
        }
    } else {
        candidate_dish_.reset();
    }
    PopScreen();
}

namespace {

// The dish in the place the player picked, or null for an empty place.
MenuDish* PickedDish(CVemuComp& game) {
    const Menu& menu = game.kitchen().menu;
    const int slot = game.screen_cursor();
    if (slot < 0 || slot >= static_cast<int>(menu.size())) return nullptr;
    return menu[static_cast<std::size_t>(slot)].get();
}

void Notice(CVemuComp& game, const std::string& text) {
    game.PushScreen(kScreenWaitForMessage);
    game.ShowMessage(&game.handles().message, text.c_str(), true);
}

// One portion ahead, made as serving one makes it from its ingredients, the kitchen working
// through all of it at once; the portion goes into the pantry ready to serve. Without what it
// takes nothing is made and nothing taken.
void CookAhead(CVemuComp& game, const MenuDish& dish) {
    if (!MakePortion(game.state(), game.kitchen(), dish)) {
        Notice(game, "材料が足りません");
        return;
    }
    game.Sound(kSoundChin).Play(0, 0);
    auto portion = std::make_unique<Food>(dish, 1.0f);
    game.AddMinutes(game.state().cooking_minutes);
    game.state().cooking_minutes = 0;
    game.StoreFood(std::move(portion), 0.0f);
    game.UpdateMenuAvailability();
    Notice(game, "『" + dish.name + "』を 1 ヶ作りました");
}

void AskRestock(CVemuComp& game, const MenuDish& dish) {
    game.choice_window().Stop();
    CInputNumberEvent& entry = game.number_entry();
    entry.ClearTotal();
    entry.Setup(kRestockX, kRestockY, dish.restock);
    entry.SetRange(kRestockMax, 0);
    entry.Start(&game.handles().restock);
    game.ShowMessage(&game.handles().message, "毎朝いくつ分の材料を仕入れますか？", false);
}

void CloseActions(CVemuComp& game) {
    game.choice_window().Stop();
    game.ReplaceScreen(kScreenMenu);
}

void RunMenuAction(CVemuComp& game) {
    if (game.ListCancelled()) {
        game.sounds().switch_sound.Play(0, 0);
        CloseActions(game);
        return;
    }
    if (!game.handles().list.IsDone()) return;
    MenuDish* dish = PickedDish(game);
    const int action = game.choice_result();
    if (action == kActionExchange) {
        // An empty place takes the new dish; a dish's place gives it up for the new one.
        game.set_chosen_menu_slot(dish ? game.screen_cursor() : -1);
        game.choice_window().Stop();
        game.PushScreen(kScreenAddDishToMenu);
        return;
    }
    // The other actions need a dish: on an empty place they close the window as cancel does.
    if (!dish) {
        CloseActions(game);
        return;
    }
    switch (action) {
        case kActionCook:
            game.choice_window().Stop();
            CookAhead(game, *dish);
            return;
        case kActionRestock:
            AskRestock(game, *dish);
            return;
        case kActionDelete: {
            game.Sound(kSoundSelectOff).Play(0, 0);
            Menu& menu = game.kitchen().menu;
            menu.erase(menu.begin() + game.screen_cursor());
            game.UpdateMenuAvailability();
            CloseActions(game);
            return;
        }
        default:
            CloseActions(game);
            return;
    }
}

void BuildActions(std::vector<MenuEntry>& entries) {
    CVemuComp::ResizeMenuEntries(entries, kActionCount);
    for (int i = 0; i < kActionCount; ++i) {
        entries[static_cast<std::size_t>(i)].label = kActionLabels[i];
        entries[static_cast<std::size_t>(i)].value = i;
    }
}

}  // namespace

void CVemuComp::MenuScreen() {
    WaitHandle& restock = handles_.restock;
    if (restock.state == WaitHandle::kWaiting) return;
    if (restock.IsDone()) {
        restock.Reset();
        MenuDish* dish = PickedDish(*this);
        if (dish && !number_entry_.IsCancelled()) {
            dish->restock = number_entry_.GetValue();
            const char* text = dish->restock == 0 ? "自動仕入れ設定を解除しました"
                               : AnyIngredientNotMastered(*dish)
                                   ? "自動仕入れを設定しましたが\n自動仕入れのできない材料が"
                                     "メニューに含まれています"
                                   : "自動仕入れを設定しました";
            // Read on its own screen: the menu list comes back once it is read.
            ShowNotice(text);
            return;
        }
        // The list again as the screen opens it, under its own prompt, not the entry's.
        ReplaceScreen(kScreenMenu);
        return;
    }
    if (window_kind_ == kChoiceWindow) {
        RunMenuAction(*this);
        return;
    }
    RecallListCursor(&list_window_);
    if (ListCancelled()) {
        PopScreen();
        return;
    }
    if (!handles_.list.IsDone()) return;
    sounds_.switch_sound.Play(0, 0);
    BuildActions(second_entries_);
    choice_result_ = 0;
    window_kind_ = kChoiceWindow;
    choice_window_.SetItems(second_entries_.data(), kActionCount, &choice_result_, kActionCount);
    choice_window_.SetPosition(kActionX, kActionY);
    choice_window_.Start(&handles_.list);
    OpenPrompt("メニュー設定");
}
