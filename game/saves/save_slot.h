// Saving the game into one of the eight slots and loading it back.
#pragma once

#include "game/saves/save_parts.h"
#include "game/saves/slot_failure.h"

// True only when the new game is what the slot loads, on the disk itself; false only when the
// previous game still is. The four files are written under temporary names and flushed, then
// the slot's seal names them (slot_seal.h), then they are renamed into place with the scd file
// last. Interrupted anywhere, killed or by an I/O error, the slot loads as the one game or the
// other, never a mix of the two. A failure is written to the debug output with its reason and
// the file's path, and given in `problem` when asked for.
bool SaveGame(int slot, SaveGameParts& game, SlotProblem* problem = nullptr);
// Reads all four files into objects of its own first; only when every one is good does it
// put them in the game's place, then read the state keys, work out which menu dishes can be
// served and rebuild the effects of the owned items. False, with the game unchanged, for a
// slot with a missing, cut or damaged file, or with files that its seal does not name; the
// reason is reported as a save's is.
bool LoadGame(int slot, SaveGameParts& game, SlotProblem* problem = nullptr);
