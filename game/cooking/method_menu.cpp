#include "game/cooking/method_menu.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

struct Utensil {
    const char* name;
    MethodSlot slot;
    int tier;
};

constexpr std::array<Utensil, 17> kUtensils = {{
    {"包丁", kSlotProcess, 1},
    {"匠の包丁", kSlotProcess, 2},
    {"聖なる包丁", kSlotProcess, 3},
    {"エクスカリバー", kSlotProcess, 4},
    {"フライパン", kSlotBake, 1},
    {"オーブン", kSlotBake, 2},
    {"レンガの窯", kSlotBake, 3},
    {"水晶の窯", kSlotBake, 4},
    {"鉄のナベ", kSlotBoil, 1},
    {"銀のナベ", kSlotBoil, 2},
    {"金のナベ", kSlotBoil, 3},
    {"伝説のナベ", kSlotBoil, 4},
    {"オイルポット", kSlotFry, 1},
    {"ラードポット", kSlotFry, 2},
    {"ドリームポット", kSlotFry, 3},
    {"神秘のポット", kSlotFry, 4},
    {"魔法の壺", kSlotFerment, 1},
}};

struct MethodChoice {
    MethodSlot slot;
    const char* label;
    int method;
};

// After the knife's entry, in menu order.
constexpr std::array<MethodChoice, 4> kHeatChoices = {{
    {kSlotBake, "焼く", kMethodBake},
    {kSlotBoil, "煮る", kMethodBoil},
    {kSlotFry, "揚げる", kMethodFry},
    {kSlotFerment, "発酵", kMethodFerment},
}};

const Utensil* FindUtensil(const char* name) {
    for (const Utensil& utensil : kUtensils)
        if (std::strcmp(utensil.name, name) == 0) return &utensil;
    return nullptr;
}

}  // namespace

void BuildMethodMenu(PlayState& state, CItemBag& bag, const FoodPot& pot,
                     std::vector<MenuEntry>& entries) {
    const bool offers_discard = !state.first && !state.menu_offer_suppressed;
    int count = offers_discard ? 1 : 0;
    state.utensil_level.fill(0);
    for (int i = 0; i < bag.GetSize(); ++i) {
        const CItem* item = bag.GetItemAt(i);
        const Utensil* utensil = item ? FindUtensil(item->GetName()) : nullptr;
        if (utensil == nullptr) continue;
        int& level = state.utensil_level[static_cast<std::size_t>(utensil->slot)];
        if (level == 0) ++count;
        level = std::max(level, utensil->tier);
        if (utensil->slot == kSlotFerment) state.ferment_flag = 1;
    }
    state.utensil_max = count;

    auto level_of = [&](MethodSlot slot) {
        return state.utensil_level[static_cast<std::size_t>(slot)];
    };
    auto add = [&](const char* label, int value) {
        MenuEntry entry;
        entry.label = label;
        entry.value = value;
        entries.push_back(entry);
    };
    entries.clear();
    entries.reserve(static_cast<std::size_t>(count));
    if (level_of(kSlotProcess) > 0) {
        if (pot.size() > 1)
            add("混ぜる", kMethodMix);
        else
            add("加工", kMethodProcess);
    }
    for (const MethodChoice& choice : kHeatChoices)
        if (level_of(choice.slot) > 0) add(choice.label, choice.method);
    if (offers_discard) add("捨てる", kDiscardChoice);
    for (MenuEntry& entry : entries) entry.enabled = pot.empty() ? 0 : 1;
}
