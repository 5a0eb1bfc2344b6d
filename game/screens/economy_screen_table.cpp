#include "game/main/screen_dispatch.h"

ScreenHandlerRows EconomyScreenHandlers() {
    static const CVemuComp::ScreenHandlerRow kRows[] = {
        {kScreenFoodShop, &CVemuComp::FoodShopScreen},
        {kScreenStockExchange, &CVemuComp::StockExchangeScreen},
        {kScreenSelling, &CVemuComp::SellingScreen},
        {kScreenDishMade, &CVemuComp::AfterDishMade},
        {kScreenAddToMenu, &CVemuComp::AddToMenuAnswer},
        {kScreenMenu, &CVemuComp::MenuScreen},
    };
    return kRows;
}
