// The component's item, pantry-list and money rules: each forwards to the rule of the same name
// on the plain state, the mediator's item bag and its named values.
#include "engine/framework/game_mediator.h"
#include "game/economy/auto_purchase.h"
#include "game/economy/familiarity.h"
#include "game/economy/owned_items.h"
#include "game/economy/pantry_list.h"
#include "game/economy/shares.h"
#include "game/economy/taxes.h"
#include "game/main/vemu_comp.h"

void CVemuComp::GiveItem(std::string_view name, int count) {
    ::GiveItem(state_, mediator_->items(), name, count);
}
bool CVemuComp::ApplyOwnedItemEffect(const CItem& item) {
    return ::ApplyOwnedItemEffect(state_, item);
}
void CVemuComp::ClearItemBag() { ::ClearItemBag(state_, mediator_->items()); }
int CVemuComp::OwnedCount(const CItem& item) {
    return ::OwnedCount(state_, mediator_->items(), item);
}
void CVemuComp::AddFamiliarity(const Food& food, int count) {
    ::AddFamiliarity(state_, food, count);
}
int CVemuComp::IncomeTax() const { return ::IncomeTax(state_); }
int CVemuComp::AssetTax() const { return ::AssetTax(); }
void CVemuComp::BuildPantryList(std::vector<MenuEntry>& entries) {
    ::BuildPantryList(kitchen_, state_.align_type, entries);
    set_entry_count(static_cast<int>(entries.size()));
}
bool CVemuComp::AutoPurchase() { return ::AutoPurchase(state_, kitchen_, mediator_->values()); }
bool CVemuComp::DeliverShareGoods() {
    return ::DeliverShareGoods(state_, kitchen_, mediator_->items());
}
