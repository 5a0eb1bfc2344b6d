// The component's cooking and dish valuation: each forwards to the rule of the same name.
#include "engine/framework/game_mediator.h"
#include "game/cooking/dish_resolver.h"
#include "game/cooking/dish_value.h"
#include "game/cooking/method_menu.h"
#include "game/cooking/prepare_dish.h"
#include "game/cooking/recipe_match.h"
#include "game/main/vemu_comp.h"

Recipe* CVemuComp::FindBestRecipe(int method, const FoodPot& pot) const {
    return ::FindBestRecipe(book_, method, pot);
}
std::unique_ptr<Food> CVemuComp::ResolveDish(int method, const Recipe* recipe, FoodPot& pot) const {
    return ::ResolveDish(book_, method, recipe, pot);
}
std::unique_ptr<Food> CVemuComp::PrepareDish(int method) {
    return ::PrepareDish(book_, state_, {memory_food_first_, memory_food_second_}, method,
                         kitchen_.selection);
}
int CVemuComp::Tastiness(const Food& food) const { return ::Tastiness(state_, food); }
int CVemuComp::DishValuePercent(const Food& dish) const { return ::DishValuePercent(state_, dish); }
double CVemuComp::DishAppeal(const Food& dish) const { return ::DishAppeal(state_, dish); }
int CVemuComp::DishScore(const Food& dish) const { return ::DishScore(state_, dish); }
const char* CVemuComp::DishRating(const Food& dish) const { return ::DishRating(state_, dish); }
bool CVemuComp::Chance(double percent) { return ::Chance(percent); }
void CVemuComp::BuildMethodMenu(std::vector<MenuEntry>& entries) {
    ::BuildMethodMenu(state_, mediator_->items(), kitchen_.selection, entries);
}
