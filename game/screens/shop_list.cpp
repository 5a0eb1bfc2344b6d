// The shopping street: which shop the player walks into, and what the four food shops have on
// their shelves.
#include <array>

#include "game/food/food_def.h"
#include "game/food/ingredient_names.h"
#include "game/main/vemu_comp.h"

namespace {

struct FoodShopRow {
    FoodShop shop;
    int goods_list;
};
// The first four rows of the shop list, in its order: 雑貨屋, 八百屋, 果物屋, 肉屋.
constexpr std::array<FoodShopRow, 4> kFoodShops = {{
    {FoodShop::kGrocer, 4},
    {FoodShop::kGreengrocer, 1},
    {FoodShop::kFruiterer, 2},
    {FoodShop::kButcher, 3},
}};
enum ShopRow : int { kToolShopRow = 4, kPawnShopRow = 5, kStockExchangeRow = 6 };

// The tool shop sells these item lists, one after the other.
constexpr int kToolShopLists[] = {8, 11};
// The goods array's first list has no shop of its own: it holds the tool shop's goods while it
// is open.
constexpr int kToolShopInUse = 0;

}  // namespace

void CVemuComp::ShopListScreen() {
    RecallListCursor(&select_window());
    if (ListCancelled()) {
        PopScreen();
        return;
    }
    if (!handles_.list.IsDone()) return;
    const int row = screen_cursor_;
    if (row >= 0 && row < static_cast<int>(kFoodShops.size())) {
        const FoodShopRow& shop = kFoodShops[static_cast<std::size_t>(row)];
        // What the shop stocks grows with what the player has mastered of its part of the
        // ingredient table.
        std::vector<FoodDef*>& goods = food_goods(shop.goods_list);
        goods.clear();
        for (const char* name : ShopIngredientNames(shop.shop))
            if (FoodDef* def = FindFoodDef(name); def && def->mastered) goods.push_back(def);
        set_goods_in_use(shop.goods_list);
        PushScreen(kScreenFoodShop);
    } else if (row == kToolShopRow) {
        std::vector<CItem*>& goods = item_goods(kToolShopInUse);
        goods.clear();
        for (int list : kToolShopLists)
            goods.insert(goods.end(), item_goods(list).begin(), item_goods(list).end());
        set_goods_in_use(kToolShopInUse);
        PushScreen(kScreenToolShop);
    } else if (row == kPawnShopRow) {
        PushScreen(kScreenPawnShop);
    } else if (row == kStockExchangeRow) {
        PushScreen(kScreenStockExchange);
    }
}
