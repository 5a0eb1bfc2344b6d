#include "game/saves/save_slot.h"

#include "engine/common/game_path.h"
#include "game/data/file_key.h"
#include "game/economy/owned_items.h"
#include "game/rules/serving.h"
#include "game/saves/scd_file.h"
#include "game/saves/slot_files.h"
#include "game/saves/state_keys.h"

namespace {

bool WriteTemporaryFiles(const SlotFiles& files, SaveGameParts& game) {
    if (!WriteScd(files.scd.c_str(), game.state, game.kitchen, game.book)) return false;
    WriteStateKeys(game);
    return game.values.SavePlain(files.ssn.c_str()) && game.values.SaveGuarded(files.sse.c_str()) &&
           game.items.Save(files.ssi.c_str());
}

// The scd file goes last: the title dates a slot by it.
bool PutInPlace(const SlotFiles& from, const SlotFiles& to) {
    return gamepath::Rename(from.ssn, to.ssn) && gamepath::Rename(from.sse, to.sse) &&
           gamepath::Rename(from.ssi, to.ssi) && gamepath::Rename(from.scd, to.scd);
}

}  // namespace

bool SaveGame(int slot, SaveGameParts& game) {
    if (slot < 0 || slot >= kSaveSlotCount) return false;
    game.values.SetFileKey(vemu::kFileKey.data());
    game.items.SetFileKey(vemu::kFileKey.data());
    const SlotFiles temporary = SlotTemporaryNames(slot);
    const bool saved =
        WriteTemporaryFiles(temporary, game) && PutInPlace(temporary, SlotFileNames(slot));
    // Whatever was written but not put in place is of no use to anyone.
    for (const std::string* name : {&temporary.scd, &temporary.ssn, &temporary.sse, &temporary.ssi})
        if (gamepath::Exists(*name)) gamepath::Remove(*name);
    return saved;
}

bool LoadGame(int slot, SaveGameParts& game) {
    if (slot < 0 || slot >= kSaveSlotCount) return false;
    const SlotFiles files = SlotFileNames(slot);
    ScdContents scd;
    if (!ReadScd(files.scd.c_str(), scd)) return false;
    CQZSharedData values;
    values.SetFileKey(vemu::kFileKey.data());
    if (!values.LoadBoth(files.ssn.c_str(), files.sse.c_str())) return false;
    CItemBag items;
    items.SetFileKey(vemu::kFileKey.data());
    if (!items.Load(files.ssi.c_str())) return false;

    ApplyScd(scd, game.state, game.kitchen, game.book);
    game.values.Swap(values);
    game.items.Swap(items);
    ReadStateKeys(game);
    UpdateMenuAvailability(game.state, game.kitchen);
    RebuildOwnedItemEffects(game.state, game.items);
    return true;
}
