// The play state's values in the named-value store of a save slot. Whole numbers and flags go
// in one plain key each; a fraction goes truncated in its key and exactly, as its float bits,
// in a second key of the same name with "_bits" after it, which a load prefers. "money" lives
// in the store already (a guarded value) and is only read back.
#pragma once

#include "game/saves/save_parts.h"

// Copies the values into plain store entries, in the order the slot keeps them.
void WriteStateKeys(SaveGameParts& game);
// After them, what the game was due to tell at its next story check (the month's report, the
// notices of newly buyable ingredients and of a method's new level); a slot without those keys
// owes nothing.
// Reads every value back, each with its default when the store lacks its key; money and the
// shown money both come from "money".
void ReadStateKeys(SaveGameParts& game);
