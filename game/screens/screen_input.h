// What the shop, selling and menu screens read of the player's input, and the handle the
// buying screens' quantity entry reports on.
#pragma once

#include "game/main/vemu_comp.h"

namespace economy_screens {

// The number entry of the buying screens reports here: waiting while it runs, done once it ended
// and its value is still to be taken.
inline WaitHandle& QuantityHandle(CVemuComp& game) { return game.handles().quantity; }

// The row under the list cursor, or null.
inline const MenuEntry* RowAtCursor(CVemuComp& game) {
    const int cursor = game.screen_cursor();
    if (cursor < 0 || cursor >= game.entry_count() ||
        cursor >= static_cast<int>(game.entries().size()))
        return nullptr;
    return &game.entries()[static_cast<std::size_t>(cursor)];
}

}  // namespace economy_screens
