#include "game/saves/slot_files.h"

#include <cstdio>
#include <optional>

#include "engine/common/game_path.h"
#include "game/saves/slot_seal.h"
#include "platform/platform.h"

namespace {

// The slot's four files, each "dat/<kind><slot><ending>".
SlotFiles SlotNames(int slot, const char* ending) {
    const auto name = [&](const char* kind) {
        char text[64];
        std::snprintf(text, sizeof text, "dat/%s%02d%s", kind, slot, ending);
        return std::string(text);
    };
    return {name("scd"), name("ssn"), name("sse"), name("ssi")};
}

}  // namespace

SlotFiles SlotFileNames(int slot) { return SlotNames(slot, ".sav"); }

// Still "*.sav", so they resolve into the same folder as the files they replace.
SlotFiles SlotTemporaryNames(int slot) { return SlotNames(slot, ".new.sav"); }

std::string SlotSealName(int slot) {
    char text[64];
    std::snprintf(text, sizeof text, "dat/seal%02d.sav", slot);
    return text;
}

bool FormatSlotEntry(int slot, MenuEntry& entry) {
    char label[128];
    char time[32];
    // A slot is dated by its first file, which a save puts in place last; a save cut short after
    // its seal is finished first, so that the row dates the game that loads.
    SettleSlot(slot);
    const std::optional<std::int64_t> modified =
        gamepath::ModificationTime(SlotFileNames(slot).scd);
    const std::optional<platform::LocalTime> local =
        modified ? platform::Current().clock->ToLocalTime(*modified) : std::nullopt;
    const bool saved = local.has_value();
    if (saved) {
        std::snprintf(label, sizeof label, "記録 %d： %d/%d/%d", slot + 1, local->year,
                      local->month, local->day);
        std::snprintf(time, sizeof time, "%d:%02d", local->hour, local->minute);
    } else {
        std::snprintf(label, sizeof label, "記録 %d： --------", slot + 1);
        std::snprintf(time, sizeof time, "---");
    }
    entry.label = label;
    entry.second_text = time;
    return saved;
}

void BuildSaveSlotList(std::vector<MenuEntry>& entries) {
    entries.assign(kSaveSlotCount, MenuEntry{});
    for (int i = 0; i < kSaveSlotCount; ++i) {
        FormatSlotEntry(i, entries[static_cast<std::size_t>(i)]);
        entries[static_cast<std::size_t>(i)].enabled = 1;
    }
}
