// Stand-ins until the save slots join the main game: nothing can be saved yet.
#include "game/main/vemu_comp.h"

bool CVemuComp::SaveGame(int /*slot*/) { return false; }

void CVemuComp::BuildSaveSlotList() {
    ResizeMenuEntries(entries_, 8);
    entry_count_ = 8;
}
