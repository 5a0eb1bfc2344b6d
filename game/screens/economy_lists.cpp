#include "game/screens/economy_lists.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "game/economy/item_table.h"
#include "game/economy/shares.h"
#include "game/main/vemu_comp.h"

namespace {

std::string PriceText(int price) {
    char text[32];
    std::snprintf(text, sizeof text, "%d クル", price);
    return text;
}

void SetGoodsRow(MenuEntry& entry, const char* name, int price, int money, int value) {
    entry.label = name;
    entry.second_text = PriceText(price);
    entry.value = value;
    entry.enabled = price <= money ? 1 : 0;
}

}  // namespace

int BuildFoodShopGoods(CVemuComp& game, std::vector<MenuEntry>& entries) {
    const std::vector<FoodDef*>& goods = game.world().food_goods[game.world().goods_in_use];
    Stage::ResizeMenuEntries(entries, static_cast<int>(goods.size()));
    for (std::size_t i = 0; i < goods.size(); ++i)
        SetGoodsRow(entries[i], goods[i]->name.c_str(), goods[i]->price, game.state().money,
                    static_cast<int>(i));
    return static_cast<int>(entries.size());
}

int BuildShareGoods(CVemuComp& game, std::vector<MenuEntry>& entries) {
    entries.clear();
    const auto& shares = ShareTable();
    for (std::size_t i = 0; i < shares.size(); ++i) {
        if (!IsShareAvailable(game.state(), shares[i])) continue;
        const ItemRow* row = FindItemRow(shares[i].company);
        if (!row) continue;
        SetGoodsRow(entries.emplace_back(), row->name, row->price, game.state().money,
                    static_cast<int>(i));
    }
    return static_cast<int>(entries.size());
}

int BuildMenuRows(CVemuComp& game, std::vector<MenuEntry>& entries) {
    const Menu& menu = game.world().kitchen.menu;
    const int rows = std::max(static_cast<int>(menu.size()), game.state().menu_max);
    Stage::ResizeMenuEntries(entries, rows);
    for (int i = 0; i < rows; ++i) {
        MenuEntry& entry = entries[static_cast<std::size_t>(i)];
        entry.value = i;
        if (i < static_cast<int>(menu.size())) {
            const MenuDish& dish = *menu[static_cast<std::size_t>(i)];
            entry.label = dish.name;
            entry.color = dish.servable ? MenuEntry::kListColor : MenuEntry::kDisabledColor;
        } else {
            entry.label = kEmptyMenuRow;
            entry.color = MenuEntry::kDisabledColor;
        }
    }
    return rows;
}
