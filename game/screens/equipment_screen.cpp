// The equipment: first the slot, then what to wear in it from the bag (or nothing).
#include <array>
#include <string>

#include "engine/data/item_bag.h"
#include "engine/framework/devices.h"
#include "engine/framework/game_mediator.h"
#include "game/economy/item_table.h"
#include "game/economy/owned_items.h"
#include "game/main/vemu_comp.h"
#include "game/screens/list_input.h"
#include "game/screens/play_lists.h"
#include "game/screens/screen_row.h"

namespace {

// The screen shows the first four slots; the magic slots stay as they are.
struct SlotRow {
    const char* prefix;
    int kind;
};
constexpr std::array<SlotRow, 4> kSlotRows = {{
    {"防具　", kItemClothing},
    {"靴　　", kItemShoes},
    {"装飾　", kItemAccessory},
    {"装飾　", kItemAccessory},
}};

int KindOfSlot(int slot) {
    return slot >= 0 && slot < static_cast<int>(kSlotRows.size())
               ? kSlotRows[static_cast<std::size_t>(slot)].kind
               : kItemMagic;
}

constexpr int kTakeOff = -1;
enum EquipmentPhase : int { kChooseSlot = 0, kChooseItem = 1 };

}  // namespace

int BuildEquipmentSlotList(CVemuComp& game, std::vector<MenuEntry>& entries) {
    entries.clear();
    for (std::size_t slot = 0; slot < kSlotRows.size(); ++slot) {
        MenuEntry entry;
        entry.label = kSlotRows[slot].prefix;
        if (const auto& worn = game.state().equipped[slot]) entry.label += worn->GetName();
        entry.value = static_cast<int>(slot);
        entries.push_back(std::move(entry));
    }
    return static_cast<int>(entries.size());
}

int BuildEquipmentCandidates(CItemBag& bag, int kind, std::vector<MenuEntry>& entries) {
    entries.clear();
    MenuEntry none;
    none.value = kTakeOff;
    entries.push_back(none);
    for (int i = 0; i < bag.GetSize(); ++i) {
        const CItemBagEntry* bagged = bag.GetEntryAt(i);
        if (!bagged || !bagged->item || bagged->item->kind != kind) continue;
        MenuEntry entry;
        entry.label = bagged->item->GetName();
        entry.second_text = std::to_string(bagged->count);
        entry.value = i;
        entries.push_back(std::move(entry));
    }
    return static_cast<int>(entries.size());
}

namespace {

void EquipmentScreen(CVemuComp& game) {
    PlayScreenState& play = game.screens().play();
    game.stage().RecallListCursor(&game.stage().list_window());
    if (play.equipment_phase == kChooseSlot) {
        if (ListCancelled(game)) {
            game.screens().Pop();
            return;
        }
        if (!game.screens().handles().list.IsDone() || game.screens().cursor() < 0 ||
            game.screens().cursor() >= game.stage().entry_count())
            return;
        play.equipment_slot = game.screens().cursor();
        game.stage().set_entry_count(BuildEquipmentCandidates(
            game.mediator().items(), KindOfSlot(play.equipment_slot), game.stage().entries()));
        game.screens().cursor() = 0;
        game.screens().ShowChoiceList(game.stage().entries().data(), game.stage().entry_count());
        game.stage().ShowMessage(&game.screens().handles().message,
                                 "交換する装備品を選んでください", false);
        play.equipment_phase = kChooseItem;
        return;
    }

    if (ListCancelled(game)) {
        play.equipment_phase = kChooseSlot;
        game.screens().cursor() = play.equipment_slot;
        game.screens().Replace(kScreenEquipment);
        return;
    }
    if (!game.screens().handles().list.IsDone() || game.screens().cursor() < 0 ||
        game.screens().cursor() >= game.stage().entry_count())
        return;
    std::unique_ptr<CItem>* slot = EquipSlot(game.state(), play.equipment_slot);
    const int value =
        game.stage().entries()[static_cast<std::size_t>(game.screens().cursor())].value;
    CItemBag& bag = game.mediator().items();
    if (slot && value == kTakeOff) {
        if (*slot) GiveItem(game.state(), game.mediator().items(), (*slot)->GetName(), 1);
        slot->reset();
    } else if (slot) {
        CItem* bagged = bag.GetItemAt(value);
        std::unique_ptr<CItem> worn = bagged ? CreateItemByName(bagged->GetName()) : nullptr;
        if (worn && RemoveOwnedItem(game.state(), bag, *bagged, 1)) {
            if (*slot) GiveItem(game.state(), game.mediator().items(), (*slot)->GetName(), 1);
            *slot = std::move(worn);
        }
    }
    play.equipment_phase = kChooseSlot;
    game.screens().cursor() = play.equipment_slot;
    game.screens().Replace(kScreenEquipment);
}

}  // namespace

extern const ScreenRow kEquipmentScreen = {
    .id = kScreenEquipment,
    .steps = kShowList,
    .prompt = "装備品を選んでください",
    .rows = BuildEquipmentSlotList,
    .update = EquipmentScreen,
    .panel = ScreenPanel::kEquipment,
};
