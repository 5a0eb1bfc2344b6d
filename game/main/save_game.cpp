#include "game/main/vemu_comp.h"

// Save slots are still to come: nothing can be loaded yet.
bool CVemuComp::LoadGame(int /*slot*/) { return false; }
