// What the shop, selling and menu screens read of the player's input, and the handle the
// buying screens' quantity entry reports on.
#pragma once

#include "game/main/vemu_comp.h"

namespace economy_screens {

// The number entry of the buying screens reports here: waiting while it runs, done once it ended
// and its value is still to be taken.
inline WaitHandle& QuantityHandle(CVemuComp& game) { return game.screens().handles().quantity; }

// The row under the list cursor, or null.
inline const MenuEntry* RowAtCursor(CVemuComp& game) {
    const int cursor = game.screens().cursor();
    if (cursor < 0 || cursor >= game.stage().entry_count() ||
        cursor >= static_cast<int>(game.stage().entries().size()))
        return nullptr;
    return &game.stage().entries()[static_cast<std::size_t>(cursor)];
}

}  // namespace economy_screens
