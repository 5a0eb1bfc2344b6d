#include "game/saves/slot_failure.h"

#include <cstdint>
#include <cstring>
#include <memory>

#include "engine/common/game_path.h"
#include "engine/data/item_bag.h"
#include "engine/data/shared_data.h"
#include "game/data/file_key.h"
#include "game/saves/scd_file.h"
#include "game/saves/slot_seal.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace {

// Reads the file as its part's reader does, into objects of its own.
bool ReadsAsItsKind(int slot, const std::string& file, std::size_t part) {
    switch (part) {
        case 0: {
            ScdContents contents;
            return ReadScd(file.c_str(), contents);
        }
        case 1:
        case 2: {
            CQZSharedData values;
            values.SetFileKey(vemu::kFileKey.data());
            return part == 1 ? values.LoadPlain(file.c_str()) : values.LoadGuarded(file.c_str());
        }
        case 3: {
            CItemBag items;
            items.SetFileKey(vemu::kFileKey.data());
            return items.Load(file.c_str());
        }
        default: {
            SlotSeal seal;
            return ReadSeal(slot, seal) == SealState::kGood;
        }
    }
}

}  // namespace

const char* SlotFailureText(SlotFailure reason) {
    switch (reason) {
        case SlotFailure::kMissing:
            return "missing";
        case SlotFailure::kDamaged:
            return "damaged";
        case SlotFailure::kFromAnotherSave:
            return "from another save";
        case SlotFailure::kTooLarge:
            return "too large";
        case SlotFailure::kNoRoom:
            return "no room on the disk";
        case SlotFailure::kNoPermission:
            return "no permission";
        case SlotFailure::kIoError:
            return "I/O error";
    }
    return "I/O error";
}

SlotFailure FailureOfError(int error, SlotFailure otherwise) {
    switch (error) {
        case 0:
            return otherwise;
        case ENOENT:
            return SlotFailure::kMissing;
        case ENOSPC:
        case EDQUOT:
            return SlotFailure::kNoRoom;
        case EACCES:
        case EPERM:
        case EROFS:
            return SlotFailure::kNoPermission;
        case EFBIG:
            return SlotFailure::kTooLarge;
        case EISDIR:  // not a plain file: nothing a save leaves
        case EINVAL:
            return SlotFailure::kDamaged;
        default:
            return SlotFailure::kIoError;
    }
}

SlotProblem ProblemOfStep(const std::string& file, SlotFailure otherwise) {
    const int error = platform::FirstFileError();
    return {FailureOfError(error, otherwise), file, error};
}

SlotProblem DiagnoseSlotFile(int slot, const std::string& file, std::size_t part) {
    platform::ClearFileError();
    {
        const std::unique_ptr<platform::File> opened =
            gamepath::Open(file, platform::File::Mode::Read);
        if (!opened) return ProblemOfStep(file, SlotFailure::kDamaged);
        // The length word the readers check first: over the kind's limit, the file is refused
        // unread.
        unsigned char word[4] = {};
        if (opened->Read(word, sizeof word) == sizeof word) {
            const std::uint32_t length =
                word[0] | word[1] << 8 | word[2] << 16 | static_cast<std::uint32_t>(word[3]) << 24;
            if (length > PartLengthLimit(part)) return {SlotFailure::kTooLarge, file, 0};
        }
    }
    platform::ClearFileError();
    if (ReadsAsItsKind(slot, file, part)) return {SlotFailure::kFromAnotherSave, file, 0};
    return ProblemOfStep(file, SlotFailure::kDamaged);
}

SlotProblem DiagnoseRefusedSlot(int slot) {
    SlotSeal seal;
    if (ReadSeal(slot, seal) != SealState::kGood)
        return DiagnoseSlotFile(slot, SlotSealName(slot), kSealPart);
    const SlotFiles in_place = SlotFileNames(slot), waiting = SlotTemporaryNames(slot);
    for (std::size_t i = 0; i < seal.size(); ++i) {
        const std::string& file = *in_place.all()[i];
        if (MatchesSeal(file, i, seal[i]) || MatchesSeal(*waiting.all()[i], i, seal[i])) continue;
        return DiagnoseSlotFile(slot, file, i);
    }
    return {SlotFailure::kDamaged, SlotSealName(slot), 0};  // settled since: no longer refused
}

void ReportSlotProblem(bool saving, int slot, const SlotProblem& problem) {
    std::string line = saving ? "cannot save into save slot " : "cannot load save slot ";
    line += std::to_string(slot + 1) + ": " + SlotFailureText(problem.reason);
    if (problem.error != 0) line += std::string(" (") + std::strerror(problem.error) + ")";
    line += ": " + gamepath::Resolve(problem.file);
    platform::Current().debug->Write(line);
}
