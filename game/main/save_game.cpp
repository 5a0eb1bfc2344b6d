#include "engine/framework/game_mediator.h"
#include "game/main/vemu_comp.h"
#include "game/rules/menu_queries.h"
#include "game/saves/save_slot.h"
#include "game/saves/slot_files.h"

SaveGameParts CVemuComp::SavedParts() {
    return {world_.state,        world_.kitchen,     world_.book,
            mediator_->values(), mediator_->items(), world_.reward_num};
}

bool CVemuComp::SaveGame(int slot) {
    SaveGameParts parts = SavedParts();
    return ::SaveGame(slot, parts);
}

bool CVemuComp::LoadGame(int slot) {
    SaveGameParts parts = SavedParts();
    // A refused slot changes nothing, not even the music.
    if (!::LoadGame(slot, parts)) return false;
    stage_.PlayBgm(nullptr, kMusicQuietShop);
    world_.known_recipes = CountKnownRecipes(world_.book);
    std::array<CIconEvent, 3>& icons = stage_.icon_buttons();
    for (std::size_t i = 0; i < icons.size(); ++i)
        icons[i].SetPressed(static_cast<int>(i) == world_.state.align_type);
    SetTextSpeed(world_.state.text_speed);
    return true;
}

void CVemuComp::BuildSaveSlotList() {
    std::vector<MenuEntry>& entries = stage_.entries();
    ::BuildSaveSlotList(entries);
    stage_.set_entry_count(static_cast<int>(entries.size()));
}
