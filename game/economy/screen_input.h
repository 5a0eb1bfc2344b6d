// What the shop, selling and menu screens read of the player's input, and the handle their
// quantity entry reports on.
#pragma once

#include "engine/framework/devices.h"
#include "engine/framework/mouse_event.h"
#include "engine/input/direct_input.h"
#include "game/main/vemu_comp.h"

namespace economy_screens {

// Virtual buttons.
inline constexpr int kDecideButton = 4;
inline constexpr int kCancelButton = 5;

inline bool FreshPress(int button) { return GetDirectInput()->GetCount(button) == 1; }
inline bool FreshRightClick() { return GetMouseEvent()->GetButton(1) == 1; }
inline bool CancelPressed() { return FreshPress(kCancelButton) || FreshRightClick(); }

// The number entry of these screens reports here: waiting while it runs, done once it ended and
// its value is still to be taken.
inline WaitHandle& QuantityHandle(CVemuComp& game) { return game.handles().spare1; }

// The row under the list cursor, or null.
inline const MenuEntry* RowAtCursor(CVemuComp& game) {
    const int cursor = game.screen_cursor();
    if (cursor < 0 || cursor >= game.entry_count() ||
        cursor >= static_cast<int>(game.entries().size()))
        return nullptr;
    return &game.entries()[static_cast<std::size_t>(cursor)];
}

}  // namespace economy_screens
