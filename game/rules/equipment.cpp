#include "game/rules/equipment.h"

bool IsAccessoryEquipped(const PlayState& state, std::string_view name) {
    for (int slot : {kEquipAccessory1, kEquipAccessory2}) {
        const std::unique_ptr<CItem>& item = state.equipped[static_cast<std::size_t>(slot)];
        if (item && name == item->GetName()) return true;
    }
    return false;
}
