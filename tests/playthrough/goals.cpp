#include "tests/playthrough/goals.h"

#include "engine/common/sjis.h"
#include "game/food/food_def.h"
#include "game/main/vemu_comp.h"

namespace play_test {

namespace {

std::string Text(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// Money the shop keeps back for the contests' fees when it buys for the day.
constexpr int kReserve = 3000;
constexpr float kDayStock = 4.0f;
constexpr int kMaxPotsADay = 3;

}  // namespace

const SaleDish& ShopDish() {
    static const SaleDish dish = {
        Text(u8"ふわとろステーキトマト添え"),
        u8"焼く",
        {{u8"八百屋", {{Text(u8"トマト"), 2}}},
         {u8"肉屋", {{Text(u8"卵"), 2}, {Text(u8"牛肉"), 2}}}},
        {{Text(u8"トマト"), 2}, {Text(u8"卵"), 2}, {Text(u8"牛肉"), 2}},
    };
    return dish;
}

float Path::Held(const std::string& name) const {
    const Food* food = script_.play().game().FindPantryFood(sjis::FromUtf8(name));
    return food ? food->amount : 0.0f;
}

testing::AssertionResult Path::Stock(float portions) {
    const SaleDish& dish = ShopDish();
    int cost = 0;
    for (const auto& [shop, goods] : dish.shopping)
        for (const auto& [food, count] : goods)
            cost += FindFoodDef(sjis::FromUtf8(food))->price * count;
    for (int pot = 0; pot < kMaxPotsADay && Held(dish.name) < portions; ++pot) {
        if (script_.play().state().money < cost + kReserve) break;
        for (const auto& [shop, goods] : dish.shopping)
            if (auto r = script_.Buy(shop, goods); !r) return r;
        if (auto r = script_.Cook(dish.pot, dish.method); !r) return r;
    }
    if (Held(dish.name) > 0.0f && !script_.play().game().IsDishOnMenu(sjis::FromUtf8(dish.name)))
        return script_.PutOnMenu(dish.name, 0);
    return testing::AssertionSuccess();
}

testing::AssertionResult Path::OrdinaryDay() {
    if (auto r = Stock(kDayStock); !r) return r;
    if (auto r = script_.Sell(); !r) return r;
    return script_.RestToMorning();
}

}  // namespace play_test
