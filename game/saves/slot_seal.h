// What ties a slot's four files to one save. The four files keep the layouts every earlier save
// has, so the tie is a fifth file, the seal: it names each of the four by its size and digest.
// A save writes its four files under temporary names first, then the seal, whose rename is the
// moment the save takes effect, and only then renames the four into place. Whatever cuts a save
// short, the seal names one whole save: the files in place, or those still waiting under their
// temporary names, and a file that matches neither (from another slot, from another save) makes
// the slot refused instead of loaded in part.
//
// A slot without a seal is one from before seals; it loads as its four files are.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "game/saves/slot_files.h"

struct FileFingerprint {
    std::int64_t size = -1;
    std::array<unsigned char, 24> digest{};  // Tiger, of the whole file
    bool operator==(const FileFingerprint&) const = default;
};

// The four files' fingerprints in the order of SlotFiles::all().
using SlotSeal = std::array<FileFingerprint, 4>;

// A seal holds a few hundred bytes; the limit on its length word.
inline constexpr std::uint32_t kSealMaxLength = 1024;
// The most a slot's file may hold, by its place in SlotFiles::all() (4: the seal): the limit its
// reader sets on its length word, and the 8 bytes before it. A larger file is not one a save
// wrote, and none of them is read whole.
std::uint32_t PartLengthLimit(std::size_t part);
std::int64_t PartMaxFileBytes(std::size_t part);
inline constexpr std::size_t kSealPart = 4;

// The fingerprint of a game file; none when it cannot be read or holds more than max_bytes.
std::optional<FileFingerprint> FingerprintOf(const std::string& name, std::int64_t max_bytes);

enum class SealState { kAbsent, kGood, kDamaged };
SealState ReadSeal(int slot, SlotSeal& out);
// Writes the seal under a temporary name and renames it into place, flushed first: true only
// when the new seal is in place. The folder is not synced here.
bool WriteSeal(int slot, const SlotSeal& seal);

// Which file holds each of the slot's four parts: the slot's own names for a slot without a
// seal, else for each part the file in place or the one waiting under its temporary name,
// whichever the seal names. None when the seal cannot be read or a part matches neither.
std::optional<SlotFiles> ResolveSlot(int slot);
// Whether the file holds what the seal names for its part.
bool MatchesSeal(const std::string& name, std::size_t part, const FileFingerprint& sealed);

// Finishes what a save cut short: puts in place every waiting file the seal names, and removes
// every other file a save of this slot leaves behind (waiting files the seal does not name,
// temporary files of the file layer); the folder is synced when anything changed. False only
// when a file the seal names is still waiting or not yet in place on the disk itself, so that
// its temporary name must not be reused; `stuck`, when given, then names that file.
bool SettleSlot(int slot, std::string* stuck = nullptr);
