// The tool shop and the pawn shop: once the shop window has ended, what was bought or sold is
// settled and reported.
#include <climits>
#include <cmath>
#include <cstdio>

#include "engine/framework/game_mediator.h"
#include "game/economy/owned_items.h"
#include "game/main/vemu_comp.h"

namespace {

// The pawn shop pays half the price.
constexpr double kSellFactor = 0.5;

int ClampToInt(double value) {
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

// The goods and the quantity of a deal once the shop window has ended; null while it runs, and
// after a deal of nothing (the screen is popped then).
CItem* FinishedDeal(CVemuComp& game, int& quantity) {
    if (!game.handles().list.IsDone()) return nullptr;
    CItem* item = game.shop_window().GetSelectedItem();
    quantity = game.shop_window().GetResultQuantity();
    if (quantity > 0 && item) return item;
    game.PopScreen();
    return nullptr;
}

}  // namespace

void CVemuComp::ToolShopScreen() {
    // A grey row is one beyond the money: the player who decides it is told so.
    if (shop_window_.list().DecideRefused())
        ShowMessage(&handles_.message, "お金が足りません", false);
    int quantity = 0;
    CItem* item = FinishedDeal(*this, quantity);
    if (!item) return;
    sounds_.effects[kSoundBuy].Play(0, 0);
    AddMoney(ClampToInt(-static_cast<double>(item->price) * quantity));
    // The name first: giving the item may make the shop's record the bag's.
    char text[160];
    std::snprintf(text, sizeof text, "『%s』を %d ヶ買いました", item->GetName(), quantity);
    GiveItem(item->GetName(), quantity);
    PushScreen(kScreenWaitForMessage);
    ShowMessage(&handles_.message, text, true);
}

void CVemuComp::PawnShopScreen() {
    int quantity = 0;
    CItem* item = FinishedDeal(*this, quantity);
    if (!item) return;
    char text[160];
    std::snprintf(text, sizeof text, "『%s』を %d ヶ売りました", item->GetName(), quantity);
    const double proceeds = std::trunc(static_cast<double>(item->price) * quantity * kSellFactor);
    // Only what actually leaves the bag is paid for.
    if (!RemoveOwnedItem(state_, mediator_->items(), *item, quantity)) {
        PopScreen();
        return;
    }
    sounds_.effects[kSoundBuy].Play(0, 0);
    AddMoney(ClampToInt(proceeds));
    PushScreen(kScreenWaitForMessage);
    ShowMessage(&handles_.message, text, true);
}
