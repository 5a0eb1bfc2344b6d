// The game names its files the Windows way ("dat\\bg.bmp", "dat/scd00.sav"), relative to the
// game folder. This resolver turns such a name into a real path: backslashes become slashes
// (never inside a double-byte character, whose second byte may be 0x5C), the CP932 name
// becomes UTF-8, and the result lies in the game folder, except save files (*.sav), which live
// in the player's data folder because an installed game folder is read-only.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace gamepath {

// The most a file of each kind that the player can replace in the game folder may hold: many
// times the game's own largest (a 640 x 480 picture, a few seconds of sound, a piece of music).
// A larger file is not one of the game's, and is refused unread.
inline constexpr std::size_t kMaxPictureFileBytes = 64u << 20;
inline constexpr std::size_t kMaxSoundFileBytes = 64u << 20;
inline constexpr std::size_t kMaxMusicFileBytes = 8u << 20;

// "dat\\bg.bmp" -> "dat/bg.bmp", still CP932.
std::string Normalize(std::string_view cp932_name);
bool IsSaveFile(std::string_view normalized);
// The UTF-8 native path of a game name. Absolute names are kept as they are.
std::string Resolve(std::string_view cp932_name);
// The same path in CP932, to name the file in a message to the player.
std::string ResolveForMessage(std::string_view cp932_name);

std::unique_ptr<platform::File> Open(std::string_view cp932_name, platform::File::Mode mode);
// A writer that replaces the file only when it is committed (see platform::AtomicFile); creates
// the folder when it is missing.
std::unique_ptr<platform::AtomicFile> CreateAtomic(std::string_view cp932_name);
// False for a file larger than max_bytes, which is not read: every file the player can replace
// is read with the most its kind can hold.
bool ReadAll(std::string_view cp932_name, std::vector<std::uint8_t>& out, std::size_t max_bytes);
bool Exists(std::string_view cp932_name);
// Puts one game file in another's place; both names must resolve into the same folder.
bool Rename(std::string_view cp932_from, std::string_view cp932_to);
bool Remove(std::string_view cp932_name);
// The folder a game file resolves into: its list of names synced to the disk (see
// platform::SyncFolder), the names in it, and the removal of one of them (by its name in the
// folder, which need not be a game file's).
bool SyncFolderOf(std::string_view cp932_name);
std::vector<std::string> NamesBeside(std::string_view cp932_name);
bool RemoveBeside(std::string_view cp932_name, const std::string& entry);
std::optional<std::int64_t> ModificationTime(std::string_view cp932_name);

}  // namespace gamepath
