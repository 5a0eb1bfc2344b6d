// What every list screen reads from the player besides its list: cancel, single buttons and the
// sort icons.
#include "game/screens/list_input.h"
#include "engine/framework/mouse_event.h"
#include "engine/input/direct_input.h"

#include "game/economy/pantry_list.h"
#include "game/main/vemu_comp.h"

namespace {

constexpr int kRightMouse = 1;
constexpr int kSortOrders = 3;

}  // namespace

bool ButtonPressed(CVemuComp& game, int button) { return game.input().GetCount(button) == 1; }

bool ListCancelled(CVemuComp& game) {
    return ButtonPressed(game, kButtonCancel) || game.mouse().GetButton(kRightMouse) == 1;
}

bool ListDecision(CVemuComp& game, int& value) {
    game.stage().RecallListCursor(&game.stage().list_window());
    if (ListCancelled(game)) {
        game.screens().Pop();
        return false;
    }
    if (!game.screens().handles().list.IsDone() || game.screens().cursor() < 0 ||
        game.screens().cursor() >= game.stage().entry_count() ||
        game.screens().cursor() >= static_cast<int>(game.stage().entries().size()))
        return false;
    value = game.stage().entries()[static_cast<std::size_t>(game.screens().cursor())].value;
    return true;
}

bool ApplySortIcons(CVemuComp& game) {
    int& order = game.state().align_type;
    const int before = order;
    for (int i = 0; i < kSortOrders; ++i)
        if (game.stage().icon_buttons()[static_cast<std::size_t>(i)].IsPressed() && i != order)
            order = i;
    // Button 6 steps through the orders, as clicking the icons in turn does.
    if (ButtonPressed(game, kButton6)) {
        game.stage().sounds().switch_sound.Play(0, 0);
        order = (order + 1) % kSortOrders;
    }
    // A click on the icon already selected changes nothing, but it must not stay latched.
    for (int i = 0; i < kSortOrders; ++i)
        game.stage().icon_buttons()[static_cast<std::size_t>(i)].SetPressed(i == order);
    if (order == before) return false;
    game.screens().Replace(game.screens().id());
    return true;
}

int BuildPantryRows(CVemuComp& game, std::vector<MenuEntry>& entries) {
    BuildPantryList(game.world().kitchen, game.state().align_type, entries);
    return static_cast<int>(entries.size());
}
