#include "tests/playthrough/goals.h"

#include <algorithm>
#include <cmath>

#include "engine/common/sjis.h"
#include "game/food/food_def.h"
#include "game/food/ingredient_names.h"
#include "game/main/vemu_comp.h"

namespace play_test {

std::string Text(const char8_t* text) { return reinterpret_cast<const char*>(text); }

namespace {

// Money the shop keeps back for the contests' fees when it buys for the day.
constexpr int kReserve = 3000;
constexpr float kDayStock = 4.0f;
constexpr int kMaxPotsADay = 3;
constexpr int kProvidedContests = 3;

struct ShopRow {
    FoodShop shop;
    const char8_t* label;
};
constexpr ShopRow kFoodShops[] = {
    {FoodShop::kGrocer, u8"雑貨屋"},
    {FoodShop::kGreengrocer, u8"八百屋"},
    {FoodShop::kFruiterer, u8"果物屋"},
    {FoodShop::kButcher, u8"肉屋"},
};

// The row of the shop that stocks the food today, or null.
const char8_t* ShopSelling(const std::string& food) {
    const std::string name = sjis::FromUtf8(food);
    for (const ShopRow& row : kFoodShops)
        for (const char* good : ShopIngredientNames(row.shop))
            if (name == good) {
                const FoodDef* def = FindFoodDef(good);
                return def && def->mastered ? row.label : nullptr;
            }
    return nullptr;
}

}  // namespace

Pot PotOf(const CookingStep& step) {
    Pot pot;
    for (const PotFood& food : step.pot) pot.emplace_back(Text(food.name), food.units);
    return pot;
}

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
    // A share's delivery stands beside a cooked food of the same name, in a row of its own.
    const std::string wanted = sjis::FromUtf8(name);
    float held = 0.0f;
    for (const auto& food : script_.play().kitchen().pantry())
        if (food->name == wanted) held += food->amount;
    return held;
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
    const CVemuComp& game = script_.play().game();
    if (Held(dish.name) > 0.0f && !game.IsDishOnMenu(sjis::FromUtf8(dish.name)))
        return script_.PutOnMenu(dish.name, 0);
    return testing::AssertionSuccess();
}

testing::AssertionResult Path::CookFromShops(const Pot& pot, const char8_t* method,
                                             const std::string& what) {
    std::vector<std::pair<const char8_t*, Pot>> shopping;
    for (const auto& [name, units] : pot) {
        // A decide puts one unit in the pot, or what is left of a smaller one.
        const int missing = units - static_cast<int>(std::ceil(Held(name)));
        if (missing <= 0) continue;
        const char8_t* shop = ShopSelling(name);
        if (!shop)
            return script_.Fail(what + " needs " + std::to_string(missing) + " more " + name +
                                ", which no shop sells");
        auto at = std::find_if(shopping.begin(), shopping.end(),
                               [&](const auto& trip) { return trip.first == shop; });
        if (at == shopping.end()) at = shopping.insert(shopping.end(), {shop, {}});
        at->second.emplace_back(name, missing);
    }
    for (const auto& [shop, goods] : shopping)
        if (auto r = script_.Buy(shop, goods); !r) return r;
    // None of the path's own dishes goes on the menu by the question after cooking.
    answers_.Set(u8"メニューに追加しますか？", Text(u8"いいえ"));
    testing::AssertionResult cooked = script_.Cook(pot, method);
    answers_.Set(u8"メニューに追加しますか？", MenuAnswer(script_.play()));
    return cooked;
}

testing::AssertionResult Path::CookReferenceDish(int contest, std::string& dish) {
    // An earlier step's dish goes into a later pot by the name the game gave it.
    std::vector<std::pair<std::string, std::string>> renamed;
    for (const CookingStep& step : ReferenceDishFor(contest).steps) {
        Pot pot = PotOf(step);
        for (auto& [name, units] : pot)
            for (const auto& [table_name, made] : renamed)
                if (name == table_name) name = made;
        if (auto r = CookFromShops(pot, step.method_label, "contest " + std::to_string(contest));
            !r)
            return r;
        dish = script_.last_dish();
        if (dish != Text(step.dish)) {
            NoteRenamed(contest, Text(step.dish), dish);
            renamed.emplace_back(Text(step.dish), dish);
        }
    }
    return testing::AssertionSuccess();
}

void Path::NoteRenamed(int contest, const std::string& table_name, const std::string& made) {
    script_.log().Note(script_.play(), "contest " + std::to_string(contest) + ": the table's " +
                                           table_name + " is made as " + made);
    renamed_.push_back("contest " + std::to_string(contest) + ": " + table_name + " -> " + made);
}

testing::AssertionResult Path::PrepareContest(int contest) {
    if (contest <= kProvidedContests) {
        prepared_ = Text(u8"ピリ辛かに玉");
        return testing::AssertionSuccess();
    }
    prepared_ = Text(ReferenceDishFor(contest).steps.back().dish);
    return CookReferenceDish(contest, prepared_);
}

testing::AssertionResult Path::EnterContest(int contest) {
    if (contest > kProvidedContests) return script_.Contest({}, u8"", prepared_);
    // The contest's own kitchen: its crab and egg with chili, baked, beat the first three
    // rivals at skill 1.
    const Pot pot = {{Text(u8"卵"), 1}, {Text(u8"カニ"), 1}, {Text(u8"唐辛子"), 1}};
    return script_.Contest(pot, u8"焼く", prepared_);
}

testing::AssertionResult Path::OrdinaryDay() {
    if (auto r = Stock(kDayStock); !r) return r;
    if (auto r = script_.Sell(); !r) return r;
    return script_.RestToMorning();
}

}  // namespace play_test
