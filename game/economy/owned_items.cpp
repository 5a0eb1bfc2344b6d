#include "game/economy/owned_items.h"

#include "game/economy/item_table.h"

namespace {

enum class EffectRule { kSetFlag, kRaise, kLower };

struct ItemEffect {
    const char* name;
    EffectRule rule;
    int flag;                  // kSetFlag
    float PlayState::*factor;  // kRaise, kLower
    float value;
};

constexpr ItemEffect kEffects[] = {
    {"レシピ帳", EffectRule::kSetFlag, kOwnedRecipeBook, nullptr, 0.0f},
    {"食材図鑑", EffectRule::kSetFlag, kOwnedFoodBook, nullptr, 0.0f},
    {"ふかふかベッド", EffectRule::kRaise, 0, &PlayState::recovery_factor, 1.2f},
    {"天使のベッド", EffectRule::kRaise, 0, &PlayState::recovery_factor, 1.4f},
    {"アロマボトル", EffectRule::kLower, 0, &PlayState::fatigue_factor, 0.8f},
    {"ヒーリングライト", EffectRule::kLower, 0, &PlayState::fatigue_factor, 0.6f},
    {"テキパキ絨毯", EffectRule::kLower, 0, &PlayState::cooking_time_factor, 0.75f},
    {"韋駄天絨毯", EffectRule::kLower, 0, &PlayState::cooking_time_factor, 0.5f},
    {"招き猫", EffectRule::kRaise, 0, &PlayState::customer_factor, 1.2f},
    {"七福神", EffectRule::kRaise, 0, &PlayState::customer_factor, 1.4f},
};

}  // namespace

void GiveItem(PlayState& state, CItemBag& bag, std::string_view name, int count) {
    std::unique_ptr<CItem> item = CreateItemByName(name);
    if (!item) return;
    ApplyOwnedItemEffect(state, *item);
    // The bag keeps the record unless it already holds one of that name; ours then goes.
    if (bag.AddItem(item.get(), count) == item.get()) item.release();
}

void ApplyOwnedItemEffect(PlayState& state, const CItem& item) {
    const std::string_view name = item.GetName();
    for (const ItemEffect& effect : kEffects) {
        if (name != effect.name) continue;
        switch (effect.rule) {
            case EffectRule::kSetFlag:
                state.owned_item_flags[static_cast<std::size_t>(effect.flag)] = 1;
                break;
            case EffectRule::kRaise:
                if (state.*effect.factor < effect.value) state.*effect.factor = effect.value;
                break;
            case EffectRule::kLower:
                if (state.*effect.factor > effect.value) state.*effect.factor = effect.value;
                break;
        }
        break;
    }
}

void RebuildOwnedItemEffects(PlayState& state, CItemBag& bag) {
    state.owned_item_flags = {};
    state.recovery_factor = state.fatigue_factor = 1.0f;
    state.cooking_time_factor = state.customer_factor = 1.0f;
    for (int i = 0; i < bag.GetSize(); ++i) ApplyOwnedItemEffect(state, *bag.GetItemAt(i));
}

bool RemoveOwnedItem(PlayState& state, CItemBag& bag, CItem& item, int count) {
    if (!bag.RemoveItem(&item, count)) return false;
    RebuildOwnedItemEffects(state, bag);
    return true;
}

void ClearItemBag(PlayState& state, CItemBag& bag) {
    bag.Clear();
    RebuildOwnedItemEffects(state, bag);
}

int OwnedCount(const PlayState& state, CItemBag& bag, const CItem& item) {
    const int index = bag.FindItemIndex(item.GetName());
    int count = index < 0 ? 0 : bag.GetEntryAt(index)->count;
    for (const std::unique_ptr<CItem>& worn : state.equipped)
        if (worn && worn->IsSameName(item)) ++count;
    return count;
}

std::unique_ptr<CItem>* EquipSlot(PlayState& state, int slot) {
    if (slot < 0 || slot >= kEquipSlotCount) return nullptr;
    return &state.equipped[static_cast<std::size_t>(slot)];
}
