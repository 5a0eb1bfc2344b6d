// The owned items: the bag's contents in the chosen order, shown with the item panel.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/data/item_bag.h"
#include "engine/framework/devices.h"
#include "engine/framework/game_mediator.h"
#include "game/main/vemu_comp.h"
#include "game/screens/list_input.h"
#include "game/screens/play_lists.h"
#include "game/screens/screen_row.h"

namespace {

enum OwnedOrder : int { kBagOrder = 0, kByName = 1, kByKind = 2 };

bool NameBefore(const CItem& a, const CItem& b) {
    // Byte order, so a half-width name sorts after a full-width one that starts lower.
    return std::strcmp(a.GetName(), b.GetName()) < 0;
}

}  // namespace

int BuildOwnedItemRows(CItemBag& bag, int align_type, std::vector<MenuEntry>& entries) {
    std::vector<int> order;
    for (int i = 0; i < bag.GetSize(); ++i)
        if (bag.GetItemAt(i)) order.push_back(i);
    auto item = [&bag](int i) -> const CItem& { return *bag.GetItemAt(i); };
    if (align_type == kByName)
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return NameBefore(item(a), item(b)); });
    else if (align_type == kByKind)
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return item(a).kind < item(b).kind; });
    entries.clear();
    for (int i : order) {
        const CItemBagEntry& bagged = *bag.GetEntryAt(i);
        MenuEntry entry;
        entry.label = bagged.item->GetName();
        entry.second_text = std::to_string(bagged.count);
        entry.value = i;
        entries.push_back(std::move(entry));
    }
    return static_cast<int>(entries.size());
}

int BuildOwnedItemList(CVemuComp& game, std::vector<MenuEntry>& entries) {
    return BuildOwnedItemRows(GetGameMediator()->items(), game.state().align_type, entries);
}

namespace {

void OwnedItemsScreen(CVemuComp& game) {
    game.stage().RecallListCursor(&game.stage().list_window());
    if (ApplySortIcons(game)) return;
    // The list only shows the items: deciding leaves it as cancelling does.
    if (!ListCancelled(game) && !game.screens().handles().list.IsDone()) return;
    game.stage().list_window().SetTop(0);
    for (CIconEvent& icon : game.stage().icon_buttons()) icon.Stop();
    game.screens().Pop();
}

}  // namespace

extern const ScreenRow kOwnedItemsScreen = {
    .id = kScreenOwnedItems,
    .steps = kShowList | kStartIcons,
    .prompt = "所持品を選んでください",
    .rows = BuildOwnedItemList,
    .update = OwnedItemsScreen,
    .panel = ScreenPanel::kOwnedItem,
};
