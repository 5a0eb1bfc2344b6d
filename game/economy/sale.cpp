#include "game/economy/sale.h"

#include "game/economy/familiarity.h"
#include "game/rules/honour.h"
#include "game/rules/money.h"
#include "game/rules/serving.h"

bool ServeToCustomer(PlayState& state, Kitchen& kitchen, const MenuDish& dish) {
    const bool served = ServeDish(state, kitchen, dish);
    UpdateMenuAvailability(state, kitchen);
    return served;
}

std::string BookSale(PlayState& state, CQZSharedData& values, MenuDish& dish, int served,
                     const DishMeasure& value_percent, bool counted) {
    if (served <= 0) return "";
    AddMoney(state, values, dish.Price() * served);
    if (counted) {
        AddFamiliarity(state, dish, served);
        ShiftHonor(state, dish, served, value_percent);
        dish.sale_highlight = 1;
    }
    if (served == 1) return "『" + dish.name + "』が売れました\n";
    return "『" + dish.name + "』が " + std::to_string(served) + "ヶ 売れました\n";
}
