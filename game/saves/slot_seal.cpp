#include "game/saves/slot_seal.h"

#include <array>
#include <memory>
#include <vector>

#include "engine/common/game_path.h"
#include "engine/data/item_bag.h"
#include "engine/data/qz_file.h"
#include "engine/data/shared_data.h"
#include "engine/data/tiger.h"
#include "game/data/file_key.h"
#include "game/saves/scd_file.h"

namespace {

constexpr int kSealVersion = 1;

// The name inside its folder ("dat/scd00.sav" -> "scd00.sav").
std::string EntryOf(const std::string& name) { return name.substr(name.rfind('/') + 1); }

// The names a save of the slot may leave behind: the four waiting files, and the file layer's
// temporary files, by their names in the folder ("scd00.new.sav.tmp1a2b3c4d", "seal00.sav.tmp...",
// and "scd00.sav.tmp..." from versions of the game that wrote the slot's files in place).
struct Leftovers {
    std::array<bool, 4> waiting{};
    std::vector<std::string> temporary;  // names in the folder
    bool any() const { return !temporary.empty() || waiting != std::array<bool, 4>{}; }
};

Leftovers FindLeftovers(int slot) {
    const SlotFiles final_names = SlotFileNames(slot), waiting = SlotTemporaryNames(slot);
    std::vector<std::string> stems;  // "scd00.sav", "scd00.new.sav", ...
    for (const std::string* name : final_names.all()) stems.push_back(EntryOf(*name));
    for (const std::string* name : waiting.all()) stems.push_back(EntryOf(*name));
    stems.push_back(EntryOf(SlotSealName(slot)));

    Leftovers found;
    for (const std::string& entry : gamepath::NamesBeside(final_names.scd)) {
        for (std::size_t i = 0; i < 4; ++i)
            if (entry == EntryOf(*waiting.all()[i])) found.waiting[i] = true;
        for (const std::string& stem : stems)
            if (entry.size() > stem.size() + 4 && entry.compare(0, stem.size(), stem) == 0 &&
                entry.compare(stem.size(), 4, ".tmp") == 0)
                found.temporary.push_back(entry);
    }
    return found;
}

FileFingerprint FingerprintOfBytes(const std::vector<std::uint8_t>& bytes) {
    FileFingerprint print;
    print.size = static_cast<std::int64_t>(bytes.size());
    CQZDG_TIGER tiger;
    tiger.Hash(bytes.data(), static_cast<unsigned>(bytes.size()), print.digest.data());
    return print;
}

}  // namespace

std::uint32_t PartLengthLimit(std::size_t part) {
    constexpr std::array<std::uint32_t, 5> kLimits = {
        kScdMaxFileBytes, CQZSharedData::kMaxFileBytes, CQZSharedData::kMaxFileBytes,
        CItemBag::kMaxFileBytes, kSealMaxLength};
    return kLimits.at(part);
}

std::int64_t PartMaxFileBytes(std::size_t part) {
    return 8 + static_cast<std::int64_t>(PartLengthLimit(part));
}

// The size is compared first, so that a file of another size is never read: however large it
// is, it is not the one sealed. Nor is a size no save of the part could write, whatever the seal
// says.
bool MatchesSeal(const std::string& name, std::size_t part, const FileFingerprint& sealed) {
    if (sealed.size < 0 || sealed.size > PartMaxFileBytes(part)) return false;
    const std::unique_ptr<platform::File> file = gamepath::Open(name, platform::File::Mode::Read);
    if (!file || file->Size() != sealed.size) return false;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(sealed.size));
    return file->Read(bytes.data(), bytes.size()) == bytes.size() &&
           FingerprintOfBytes(bytes) == sealed;
}

std::optional<FileFingerprint> FingerprintOf(const std::string& name, std::int64_t max_bytes) {
    std::vector<std::uint8_t> bytes;
    if (!gamepath::ReadAll(name, bytes, static_cast<std::size_t>(max_bytes))) return std::nullopt;
    return FingerprintOfBytes(bytes);
}

SealState ReadSeal(int slot, SlotSeal& out) {
    const std::string name = SlotSealName(slot);
    if (!gamepath::Exists(name)) return SealState::kAbsent;
    CQZFile file;
    file.SetLengthLimit(kSealMaxLength);
    if (!file.Open(name.c_str(), CQZFile::kRead, vemu::kFileKey.data())) return SealState::kDamaged;
    int version = 0;
    bool read = file.ReadInt(&version) && version == kSealVersion;
    for (FileFingerprint& print : out) {
        int size = -1;
        int delivered = 0;
        read = read && file.ReadInt(&size) && size >= 0 &&
               file.Read(print.digest.data(), static_cast<int>(print.digest.size()), &delivered) &&
               delivered == static_cast<int>(print.digest.size());
        print.size = size;
    }
    read = read && file.Remaining() == 0;
    file.Close();
    return read && file.Result() == kCipherOk ? SealState::kGood : SealState::kDamaged;
}

bool WriteSeal(int slot, const SlotSeal& seal) {
    CQZFile file;
    file.Open(SlotSealName(slot).c_str(), CQZFile::kWrite, vemu::kFileKey.data());
    bool written = file.WriteInt(kSealVersion);
    for (const FileFingerprint& print : seal)
        written = written && file.WriteInt(static_cast<int>(print.size)) &&
                  file.Write(print.digest.data(), static_cast<unsigned>(print.digest.size()));
    file.Close();
    return written && file.Result() == kCipherOk;
}

std::optional<SlotFiles> ResolveSlot(int slot) {
    SlotFiles files = SlotFileNames(slot);
    SlotSeal seal;
    const SealState state = ReadSeal(slot, seal);
    if (state == SealState::kAbsent) return files;
    if (state == SealState::kDamaged) return std::nullopt;
    const SlotFiles waiting = SlotTemporaryNames(slot);
    std::array<std::string*, 4> chosen = {&files.scd, &files.ssn, &files.sse, &files.ssi};
    for (std::size_t i = 0; i < 4; ++i) {
        if (MatchesSeal(*chosen[i], i, seal[i])) continue;
        if (!MatchesSeal(*waiting.all()[i], i, seal[i])) return std::nullopt;
        *chosen[i] = *waiting.all()[i];
    }
    return files;
}

bool SettleSlot(int slot, std::string* stuck) {
    const Leftovers leftovers = FindLeftovers(slot);
    if (!leftovers.any()) return true;
    const SlotFiles final_names = SlotFileNames(slot), waiting = SlotTemporaryNames(slot);
    SlotSeal seal;
    const bool sealed = ReadSeal(slot, seal) == SealState::kGood;
    bool settled = true;
    bool moved = false;
    for (std::size_t i = 0; i < 4; ++i) {
        if (!leftovers.waiting[i]) continue;
        const std::string& from = *waiting.all()[i];
        const std::string& to = *final_names.all()[i];
        const bool needed = sealed && !MatchesSeal(to, i, seal[i]) && MatchesSeal(from, i, seal[i]);
        if (!needed) {
            gamepath::Remove(from);
        } else if (gamepath::Rename(from, to)) {
            moved = true;
        } else {
            settled = false;
            if (stuck) *stuck = from;
        }
    }
    for (const std::string& entry : leftovers.temporary)
        gamepath::RemoveBeside(final_names.scd, entry);
    // A file put in place must be there on the disk before a save writes a new one under the
    // name it waited under.
    if (!gamepath::SyncFolderOf(final_names.scd) && moved) {
        settled = false;
        if (stuck) *stuck = final_names.scd;
    }
    return settled;
}
