// The four files of a save slot and how a slot is shown in a list: the game's records ("scd"),
// the store's plain and guarded values ("ssn", "sse") and the item bag ("ssi").
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/framework/menu_entry.h"

inline constexpr int kSaveSlotCount = 8;

struct SlotFiles {
    std::string scd, ssn, sse, ssi;
    // The four in the order above, which is also their order in the slot's seal.
    std::array<const std::string*, 4> all() const& { return {&scd, &ssn, &sse, &ssi}; }
    std::array<const std::string*, 4> all() const&& = delete;  // would point into a temporary
};

// The game names of slot 0 to 7 ("dat/scd00.sav" ...).
SlotFiles SlotFileNames(int slot);
// Where a save writes the slot's files before any of them takes its place ("dat/scd00.new.sav").
SlotFiles SlotTemporaryNames(int slot);
// The slot's seal ("dat/seal00.sav"), which ties its four files to one save (slot_seal.h).
std::string SlotSealName(int slot);

// Labels a slot's row from the modification time of its scd file: "記録 N： y/m/d" and "h:mm",
// or "記録 N： --------" and "---" while the slot holds no save. True when the slot has a save.
// A save of the slot that was cut short is settled first (SettleSlot).
bool FormatSlotEntry(int slot, MenuEntry& entry);
// The save dialogue's list: all eight slots, every row enabled (an empty slot can be saved into).
void BuildSaveSlotList(std::vector<MenuEntry>& entries);
