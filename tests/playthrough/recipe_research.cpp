// Inventing recipes on purpose: the cheap foods of the shops, alone or two together, by every
// method the kitchen offers, each pot cooked once when its recipe's dish is still unknown. The
// recipe-count rewards come at night once the count has passed their thresholds.
#include <array>

#include "engine/common/sjis.h"
#include "events/month/recipe_rewards.h"
#include "game/cooking/recipe_match.h"
#include "game/food/food_def.h"
#include "game/food/ingredient_names.h"
#include "game/main/vemu_comp.h"
#include "game/rules/menu_queries.h"
#include "tests/playthrough/goals.h"

namespace play_test {

namespace {

struct MethodRow {
    const char8_t* label;
    int method;
    int foods;  // 1: a single food, 2: two foods
};
constexpr std::array<MethodRow, 5> kMethods = {{
    {u8"加工", kMethodProcess, 1},
    {u8"混ぜる", kMethodMix, 2},
    {u8"焼く", kMethodBake, 2},
    {u8"煮る", kMethodBoil, 2},
    {u8"揚げる", kMethodFry, 2},
}};

// Foods cheap enough to try anything with.
constexpr int kResearchPrice = 400;

std::vector<FoodDef*> CheapFoods() {
    std::vector<FoodDef*> foods;
    for (FoodShop shop :
         {FoodShop::kGreengrocer, FoodShop::kFruiterer, FoodShop::kButcher, FoodShop::kGrocer})
        for (const char* name : ShopIngredientNames(shop))
            if (FoodDef* def = FindFoodDef(name);
                def && def->mastered && def->price <= kResearchPrice)
                foods.push_back(def);
    return foods;
}

bool Offered(const std::vector<std::string>& methods, const char8_t* label) {
    for (const std::string& row : methods)
        if (row == Utf8(label)) return true;
    return false;
}

}  // namespace

int Path::RewardThreshold(int level) const {
    return static_cast<int>(
        RecipeRewardThreshold(script_.play().game().world().book.recipes.size(), level));
}

testing::AssertionResult Path::InventRecipesUntil(int known) {
    CVemuComp& game = script_.play().game();
    const std::vector<FoodDef*> foods = CheapFoods();
    for (std::size_t a = 0; a < foods.size(); ++a)
        for (std::size_t b = a; b < foods.size(); ++b)
            for (const MethodRow& method : kMethods) {
                if (CountKnownRecipes(game.world().book) >= known)
                    return testing::AssertionSuccess();
                const int count = a == b ? 1 : 2;
                // The method window the last cooking showed tells the utensils owned.
                if (method.foods != count || !Offered(script_.last_methods(), method.label))
                    continue;
                FoodPot pot;
                pot.push_back(Food::FromDef(foods[a]));
                if (count == 2) pot.push_back(Food::FromDef(foods[b]));
                const Recipe* recipe = FindBestRecipe(game.world().book, method.method, pot);
                if (!recipe || !recipe->def || recipe->def->known) continue;
                Pot cooked = {{sjis::ToUtf8(foods[a]->name), 1}};
                if (count == 2) cooked.emplace_back(sjis::ToUtf8(foods[b]->name), 1);
                if (auto r = CookFromShops(cooked, method.label, Utf8(u8"a new recipe")); !r)
                    return r;
            }
    if (CountKnownRecipes(game.world().book) >= known) return testing::AssertionSuccess();
    return script_.Fail("only " + std::to_string(CountKnownRecipes(game.world().book)) +
                        " recipes could be invented of " + std::to_string(known));
}

}  // namespace play_test
