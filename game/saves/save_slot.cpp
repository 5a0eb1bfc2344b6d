#include "game/saves/save_slot.h"

#include <optional>
#include <vector>

#include "engine/common/game_path.h"
#include "game/data/file_key.h"
#include "game/economy/owned_items.h"
#include "game/rules/serving.h"
#include "game/saves/scd_file.h"
#include "game/saves/slot_files.h"
#include "game/saves/slot_seal.h"
#include "game/saves/state_keys.h"
#include "platform/files.h"

namespace {

using Outcome = std::optional<SlotProblem>;  // none: the step succeeded

// A writer that fails without a file call failing has refused its contents: more than its
// file may hold.
Outcome WriteWaitingFiles(const SlotFiles& files, SaveGameParts& game) {
    const auto step = [](bool written, const std::string& file) -> Outcome {
        if (written) return std::nullopt;
        return ProblemOfStep(file, SlotFailure::kTooLarge);
    };
    platform::ClearFileError();
    if (!WriteScd(files.scd.c_str(), game.state, game.kitchen, game.book))
        return step(false, files.scd);
    WriteStateKeys(game);
    if (!game.values.SavePlain(files.ssn.c_str())) return step(false, files.ssn);
    if (!game.values.SaveGuarded(files.sse.c_str())) return step(false, files.sse);
    return step(game.items.Save(files.ssi.c_str()), files.ssi);
}

// Read back from the disk rather than taken from the writers: the seal vouches for what a
// load will find. A file larger than its reader takes would make the slot refused at its next
// load, so the save fails instead.
Outcome Fingerprint(const SlotFiles& files, SlotSeal& seal) {
    for (std::size_t i = 0; i < seal.size(); ++i) {
        platform::ClearFileError();
        const std::optional<FileFingerprint> print =
            FingerprintOf(*files.all()[i], PartMaxFileBytes(i));
        if (!print) return ProblemOfStep(*files.all()[i], SlotFailure::kIoError);
        seal[i] = *print;
    }
    return std::nullopt;
}

void RemoveWaitingFiles(const SlotFiles& files) {
    for (const std::string* name : files.all())
        if (gamepath::Exists(*name)) gamepath::Remove(*name);
}

// The previous seal, to be put back: none when the slot had no seal. A seal larger than a seal
// can be is a damaged one, and is not read.
enum class PreviousSeal { kNone, kRead, kDamaged };
PreviousSeal ReadPreviousSeal(const std::string& name, std::vector<std::uint8_t>& bytes) {
    if (!gamepath::Exists(name)) return PreviousSeal::kNone;
    return gamepath::ReadAll(name, bytes, static_cast<std::size_t>(PartMaxFileBytes(kSealPart)))
               ? PreviousSeal::kRead
               : PreviousSeal::kDamaged;
}

// The point of no return: none once the new seal is in place and on the disk. When it is in
// place but the folder cannot be synced, the previous seal (or none) is put back, since the
// player is about to be told the save failed and the previous game must be what loads. A
// previous seal that cannot be read is not put back: the new seal stands, and the new game is
// what loads.
Outcome Commit(int slot, const SlotSeal& seal) {
    const std::string name = SlotSealName(slot);
    std::vector<std::uint8_t> previous;
    const PreviousSeal had = ReadPreviousSeal(name, previous);
    platform::ClearFileError();
    if (!WriteSeal(slot, seal)) return ProblemOfStep(name, SlotFailure::kIoError);
    if (gamepath::SyncFolderOf(name)) return std::nullopt;
    const SlotProblem unsynced = ProblemOfStep(name, SlotFailure::kIoError);
    if (had == PreviousSeal::kDamaged) return std::nullopt;
    const bool restored =
        had == PreviousSeal::kRead
            ? platform::WriteWholeFile(gamepath::Resolve(name), previous.data(), previous.size())
            : gamepath::Remove(name);
    if (!restored) return std::nullopt;  // the new seal stands: the new game is what loads
    gamepath::SyncFolderOf(name);
    return unsynced;
}

// The scd file goes last: the title dates a slot by it.
void PutInPlace(const SlotFiles& from, const SlotFiles& to) {
    for (std::size_t i : {1, 2, 3, 0}) gamepath::Rename(*from.all()[i], *to.all()[i]);
    gamepath::SyncFolderOf(to.scd);
}

Outcome Save(int slot, SaveGameParts& game) {
    game.values.SetFileKey(vemu::kFileKey.data());
    game.items.SetFileKey(vemu::kFileKey.data());
    // A save cut short before must be finished first: its waiting files may be what the slot's
    // seal names, and this save is about to write over their names.
    platform::ClearFileError();
    std::string stuck = SlotSealName(slot);
    if (!SettleSlot(slot, &stuck)) return ProblemOfStep(stuck, SlotFailure::kIoError);
    const SlotFiles waiting = SlotTemporaryNames(slot);
    SlotSeal seal;
    Outcome failed = WriteWaitingFiles(waiting, game);
    if (!failed) failed = Fingerprint(waiting, seal);
    if (!failed) {
        platform::ClearFileError();
        if (!gamepath::SyncFolderOf(waiting.scd))
            failed = ProblemOfStep(waiting.scd, SlotFailure::kIoError);
    }
    if (!failed) failed = Commit(slot, seal);
    if (failed) {
        RemoveWaitingFiles(waiting);
        return failed;
    }
    // From here on the new game is what loads: a rename that fails now leaves its file waiting
    // where the seal finds it, and the next load or save puts it in place.
    PutInPlace(waiting, SlotFileNames(slot));
    return std::nullopt;
}

Outcome Load(int slot, SaveGameParts& game) {
    SettleSlot(slot);
    const std::optional<SlotFiles> files = ResolveSlot(slot);
    if (!files) return DiagnoseRefusedSlot(slot);
    ScdContents scd;
    if (!ReadScd(files->scd.c_str(), scd)) return DiagnoseSlotFile(slot, files->scd, 0);
    CQZSharedData values;
    values.SetFileKey(vemu::kFileKey.data());
    if (!values.LoadBoth(files->ssn.c_str(), files->sse.c_str())) {
        const SlotProblem plain = DiagnoseSlotFile(slot, files->ssn, 1);
        return plain.reason != SlotFailure::kFromAnotherSave
                   ? plain
                   : DiagnoseSlotFile(slot, files->sse, 2);
    }
    CItemBag items;
    items.SetFileKey(vemu::kFileKey.data());
    if (!items.Load(files->ssi.c_str())) return DiagnoseSlotFile(slot, files->ssi, 3);

    ApplyScd(scd, game.state, game.kitchen, game.book);
    game.values.Swap(values);
    game.items.Swap(items);
    ReadStateKeys(game);
    UpdateMenuAvailability(game.state, game.kitchen);
    RebuildOwnedItemEffects(game.state, game.items);
    return std::nullopt;
}

bool Finish(bool saving, int slot, const Outcome& outcome, SlotProblem* problem) {
    if (!outcome) return true;
    ReportSlotProblem(saving, slot, *outcome);
    if (problem) *problem = *outcome;
    return false;
}

}  // namespace

bool SaveGame(int slot, SaveGameParts& game, SlotProblem* problem) {
    if (slot < 0 || slot >= kSaveSlotCount) return false;
    return Finish(true, slot, Save(slot, game), problem);
}

bool LoadGame(int slot, SaveGameParts& game, SlotProblem* problem) {
    if (slot < 0 || slot >= kSaveSlotCount) return false;
    return Finish(false, slot, Load(slot, game), problem);
}
