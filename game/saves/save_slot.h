// Saving the game into one of the eight slots and loading it back.
#pragma once

#include "game/saves/save_parts.h"

// True only when all four files were written and are in place. The files are written under
// temporary names and flushed to the disk first, then put in place with the scd file last, so
// a save that fails before that leaves the slot's previous files as they were and no
// temporary file behind.
bool SaveGame(int slot, SaveGameParts& game);
// Reads all four files into objects of its own first; only when every one is good does it
// put them in the game's place, then read the state keys, work out which menu dishes can be
// served and rebuild the effects of the owned items. False, with the game unchanged, for a
// slot with a missing, cut or damaged file.
bool LoadGame(int slot, SaveGameParts& game);
