#include "tests/playthrough/goals.h"

#include <algorithm>
#include <cmath>

#include "engine/common/sjis.h"
#include "events/contest/contest_table.h"
#include "game/food/food_def.h"
#include "game/food/ingredient_names.h"
#include "game/main/vemu_comp.h"
#include "game/rules/menu_queries.h"

namespace play_test {

namespace {

// Money the shop keeps back for the contests' fees when it buys for the day.
constexpr int kReserve = 3000;
constexpr float kDayStock = 4.0f;
constexpr int kMaxPotsADay = 3;
constexpr int kProvidedContests = 3;
// Days of selling the path waits for a contest's fee and foods.
constexpr int kSavingDays = 150;
// A food left to spoil ferments once its days run out: a week at most.
constexpr int kSpoilDays = 10;
// Days the path waits for a food that no shop sells.
constexpr int kFindDays = 60;

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

// The steps in the order the path takes them: a food left to spoil waits for days, in which the
// dishes of the other steps would spoil too, so it and the steps that feed it come first.
std::vector<const CookingStep*> SpoilingFirst(const std::vector<CookingStep>& steps) {
    std::vector<bool> first(steps.size(), false);
    for (std::size_t i = steps.size(); i-- > 0;) {
        if (steps[i].method == kLeftToSpoil) first[i] = true;
        if (!first[i]) continue;
        for (const PotFood& food : steps[i].pot)
            for (std::size_t j = 0; j < i; ++j)
                if (Utf8(steps[j].dish) == Utf8(food.name)) first[j] = true;
    }
    std::vector<const CookingStep*> order;
    for (bool spoiling : {true, false})
        for (std::size_t i = 0; i < steps.size(); ++i)
            if (first[i] == spoiling) order.push_back(&steps[i]);
    return order;
}

}  // namespace

Pot PotOf(const CookingStep& step) {
    Pot pot;
    for (const PotFood& food : step.pot) pot.emplace_back(Utf8(food.name), food.units);
    return pot;
}

const SaleDish& ShopDish() {
    static const SaleDish dish = {
        Utf8(u8"ふわとろステーキトマト添え"),
        u8"焼く",
        {{u8"八百屋", {{Utf8(u8"トマト"), 2}}},
         {u8"肉屋", {{Utf8(u8"卵"), 2}, {Utf8(u8"牛肉"), 2}}}},
        {{Utf8(u8"トマト"), 2}, {Utf8(u8"卵"), 2}, {Utf8(u8"牛肉"), 2}},
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
    if (Held(dish.name) > 0.0f && !IsDishOnMenu(game.world().kitchen, sjis::FromUtf8(dish.name)))
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
        if (!shop) {
            // What no shop sells comes with the days: a reward at night, a visitor's gift.
            auto enough = [&, name = name, units = units] {
                return static_cast<int>(std::ceil(Held(name))) >= units;
            };
            if (auto r = WaitForChance(script_, Days(), enough, kFindDays,
                                       what + " needs " + name + ", which no shop sells");
                !r)
                return r;
            continue;
        }
        auto at = std::find_if(shopping.begin(), shopping.end(),
                               [&](const auto& trip) { return trip.first == shop; });
        if (at == shopping.end()) at = shopping.insert(shopping.end(), {shop, {}});
        at->second.emplace_back(name, missing);
    }
    for (const auto& [shop, goods] : shopping)
        if (auto r = script_.Buy(shop, goods); !r) return r;
    // None of the path's own dishes goes on the menu by the question after cooking.
    answers_.Set(u8"メニューに追加しますか？", Utf8(u8"いいえ"));
    testing::AssertionResult cooked = script_.Cook(pot, method);
    answers_.Set(u8"メニューに追加しますか？", MenuAnswer(script_.play()));
    return cooked;
}

testing::AssertionResult Path::CookSteps(const std::vector<CookingStep>& steps,
                                         const std::string& what, bool in_contest_kitchen,
                                         std::string& dish) {
    // An earlier step's dish goes into a later pot by the name the game gave it.
    std::vector<std::pair<std::string, std::string>> renamed;
    for (const CookingStep* at : SpoilingFirst(steps)) {
        const CookingStep& step = *at;
        Pot pot = PotOf(step);
        for (auto& [name, units] : pot)
            for (const auto& [table_name, made] : renamed)
                if (name == table_name) name = made;
        if (step.method == kLeftToSpoil) {
            // Kept until its days run out, the food ferments into the step's dish.
            const std::string product = Utf8(step.dish);
            if (auto r = WaitForChance(
                    script_, Days(), [&] { return Held(product) > 0.0f; }, kSpoilDays,
                    what + ": " + product + " of " + pot.front().first + " spoiling");
                !r)
                return r;
            dish = product;
            continue;
        }
        testing::AssertionResult cooked = in_contest_kitchen
                                              ? script_.CookHere(pot, step.method_label)
                                              : CookFromShops(pot, step.method_label, what);
        if (!cooked) return cooked;
        dish = script_.last_dish();
        if (dish != Utf8(step.dish)) {
            NoteRenamed(what, Utf8(step.dish), dish);
            renamed.emplace_back(Utf8(step.dish), dish);
        }
    }
    return testing::AssertionSuccess();
}

void Path::NoteRenamed(const std::string& what, const std::string& table_name,
                       const std::string& made) {
    script_.log().Note(script_.play(),
                       what + ": the table's " + table_name + " is made as " + made);
    renamed_.push_back(what + ": " + table_name + " -> " + made);
}

bool Path::CanAfford(int contest) const {
    int cost = FindContestRow(contest - 1)->entry_fee + kReserve;
    if (contest > kProvidedContests)
        for (const CookingStep& step : ReferenceDishFor(contest).steps)
            for (const PotFood& food : step.pot)
                if (food.source == FoodSource::kBaseShop || food.source == FoodSource::kMastered)
                    if (const FoodDef* def = FindFoodDef(sjis::FromUtf8(Utf8(food.name))))
                        cost += def->price * food.units;
    // The hall takes the fee only from more money than it.
    return script_.play().state().money > cost;
}

testing::AssertionResult Path::PrepareContest(int contest) {
    if (auto r = WaitForChance(
            script_, Days(), [&] { return CanAfford(contest); }, kSavingDays,
            "the money for contest " + std::to_string(contest));
        !r)
        return r;
    const ReferenceDish& reference = ReferenceDishFor(contest);
    prepared_ = Utf8(reference.steps.back().dish);
    if (contest <= kProvidedContests) return testing::AssertionSuccess();
    return CookSteps(reference.steps, "contest " + std::to_string(contest), false, prepared_);
}

testing::AssertionResult Path::EnterContest(int contest) {
    if (contest > kProvidedContests) return script_.Contest(nullptr, prepared_);
    // The contest's own kitchen cooks the steps once the contest has begun.
    return script_.Contest(
        [this, contest] {
            return CookSteps(ReferenceDishFor(contest).steps, "contest " + std::to_string(contest),
                             true, prepared_);
        },
        prepared_);
}

testing::AssertionResult Path::CookStoryDish(const std::string& name) {
    for (const StoryDish& dish : StoryDishes())
        if (Utf8(dish.name) == name) {
            std::string made;
            if (auto r = CookSteps(dish.steps, name, false, made); !r) return r;
            return testing::AssertionSuccess();
        }
    return script_.Fail("no story dish " + name + " in the table");
}

testing::AssertionResult Path::OrdinaryDay() {
    if (auto r = Stock(kDayStock); !r) return r;
    if (auto r = script_.Sell(); !r) return r;
    return script_.RestToMorning();
}

}  // namespace play_test
