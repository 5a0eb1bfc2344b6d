#include "game/saves/save_slot.h"

#include <vector>

#include "engine/common/game_path.h"
#include "game/data/file_key.h"
#include "game/economy/owned_items.h"
#include "game/rules/serving.h"
#include "game/saves/scd_file.h"
#include "game/saves/slot_files.h"
#include "game/saves/slot_seal.h"
#include "game/saves/state_keys.h"

namespace {

bool WriteWaitingFiles(const SlotFiles& files, SaveGameParts& game) {
    if (!WriteScd(files.scd.c_str(), game.state, game.kitchen, game.book)) return false;
    WriteStateKeys(game);
    return game.values.SavePlain(files.ssn.c_str()) && game.values.SaveGuarded(files.sse.c_str()) &&
           game.items.Save(files.ssi.c_str());
}

// Read back from the disk rather than taken from the writers: the seal vouches for what a
// load will find.
bool Fingerprint(const SlotFiles& files, SlotSeal& seal) {
    for (std::size_t i = 0; i < seal.size(); ++i) {
        const std::optional<FileFingerprint> print = FingerprintOf(*files.all()[i]);
        if (!print) return false;
        seal[i] = *print;
    }
    return true;
}

void RemoveWaitingFiles(const SlotFiles& files) {
    for (const std::string* name : files.all())
        if (gamepath::Exists(*name)) gamepath::Remove(*name);
}

// The point of no return: true once the new seal is in place and on the disk. When it is in
// place but the folder cannot be synced, the previous seal (or none) is put back, since the
// player is about to be told the save failed and the previous game must be what loads.
bool Commit(int slot, const SlotSeal& seal) {
    const std::string name = SlotSealName(slot);
    std::vector<std::uint8_t> previous;
    const bool had_seal = gamepath::Exists(name) && gamepath::ReadAll(name, previous);
    if (!WriteSeal(slot, seal)) return false;
    if (gamepath::SyncFolderOf(name)) return true;
    const bool restored = had_seal ? platform::WriteWholeFile(gamepath::Resolve(name),
                                                              previous.data(), previous.size())
                                   : gamepath::Remove(name);
    if (!restored) return true;  // the new seal stands: the new game is what loads
    gamepath::SyncFolderOf(name);
    return false;
}

// The scd file goes last: the title dates a slot by it.
void PutInPlace(const SlotFiles& from, const SlotFiles& to) {
    for (std::size_t i : {1, 2, 3, 0}) gamepath::Rename(*from.all()[i], *to.all()[i]);
    gamepath::SyncFolderOf(to.scd);
}

}  // namespace

bool SaveGame(int slot, SaveGameParts& game) {
    if (slot < 0 || slot >= kSaveSlotCount) return false;
    game.values.SetFileKey(vemu::kFileKey.data());
    game.items.SetFileKey(vemu::kFileKey.data());
    // A save cut short before must be finished first: its waiting files may be what the slot's
    // seal names, and this save is about to write over their names.
    if (!SettleSlot(slot)) return false;
    const SlotFiles waiting = SlotTemporaryNames(slot);
    SlotSeal seal;
    if (!WriteWaitingFiles(waiting, game) || !Fingerprint(waiting, seal) ||
        !gamepath::SyncFolderOf(waiting.scd) || !Commit(slot, seal)) {
        RemoveWaitingFiles(waiting);
        return false;
    }
    // From here on the new game is what loads: a rename that fails now leaves its file waiting
    // where the seal finds it, and the next load or save puts it in place.
    PutInPlace(waiting, SlotFileNames(slot));
    return true;
}

bool LoadGame(int slot, SaveGameParts& game) {
    if (slot < 0 || slot >= kSaveSlotCount) return false;
    SettleSlot(slot);
    const std::optional<SlotFiles> files = ResolveSlot(slot);
    if (!files) return false;
    ScdContents scd;
    if (!ReadScd(files->scd.c_str(), scd)) return false;
    CQZSharedData values;
    values.SetFileKey(vemu::kFileKey.data());
    if (!values.LoadBoth(files->ssn.c_str(), files->sse.c_str())) return false;
    CItemBag items;
    items.SetFileKey(vemu::kFileKey.data());
    if (!items.Load(files->ssi.c_str())) return false;

    ApplyScd(scd, game.state, game.kitchen, game.book);
    game.values.Swap(values);
    game.items.Swap(items);
    ReadStateKeys(game);
    UpdateMenuAvailability(game.state, game.kitchen);
    RebuildOwnedItemEffects(game.state, game.items);
    return true;
}
