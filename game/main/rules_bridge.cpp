// The component's rules of play: each forwards to the rule of the same name on the plain state.
#include "engine/framework/game_mediator.h"
#include "game/main/vemu_comp.h"
#include "game/rules/daily.h"
#include "game/rules/honour.h"
#include "game/rules/menu_queries.h"
#include "game/rules/money.h"
#include "game/rules/pantry.h"
#include "game/rules/serving.h"
#include "game/rules/shop_rank.h"
#include "game/rules/skills.h"
#include "game/rules/stamina.h"

void CVemuComp::AddSkillExp(int method, float experience) {
    ::AddSkillExp(state_, method, experience);
}
double CVemuComp::PrepSpeed(int method) const { return ::PrepSpeed(state_, method); }
int CVemuComp::PrepTime(int method, int work) const { return ::PrepTime(state_, method, work); }
void CVemuComp::ResetDailyFlags() { ::ResetDailyFlags(state_); }
void CVemuComp::UpdateMemoryFoodState() {
    ::UpdateMemoryFoodState(state_, memory_food_first_, memory_food_second_);
}

Food* CVemuComp::StoreFood(std::unique_ptr<Food> food, float amount) {
    return ::StoreFood(kitchen_, std::move(food), amount);
}
int CVemuComp::AddFood(FoodDef* def, float amount) {
    ::AddFood(kitchen_, def, amount);
    return 1;
}
float CVemuComp::TakeFromPantry(int index, float amount) {
    return ::TakeFromPantry(kitchen_, index, amount);
}
Food* CVemuComp::FindPantryFood(std::string_view name) const {
    return ::FindPantryFood(kitchen_, name);
}
void CVemuComp::ClearPantry() { ::ClearPantry(kitchen_); }
Food* CVemuComp::AddToSelection(std::unique_ptr<Food> food, float amount) {
    return ::AddToSelection(kitchen_, std::move(food), amount);
}
void CVemuComp::TakeOneFromSelection(int index) { ::TakeOneFromSelection(kitchen_, index); }
void CVemuComp::DiscardSelection() { ::DiscardSelection(kitchen_); }

void CVemuComp::MarkMenuFoods() { ::MarkMenuFoods(kitchen_); }

void CVemuComp::ApplyFatigue(float load) { ::ApplyFatigue(state_, load); }
void CVemuComp::RecoverStamina(float time) { ::RecoverStamina(state_, time); }
void CVemuComp::PrepStep(int method, float amount, int unit_weight) {
    ::PrepStep(state_, method, amount, unit_weight);
}
int CVemuComp::ChangeMoney(int amount) {
    return ::ChangeMoney(state_, mediator_->values(), amount);
}
void CVemuComp::AddMoney(int amount) { ::AddMoney(state_, mediator_->values(), amount); }

int CVemuComp::RestaurantRank() const {
    return ::RestaurantRank(state_, kitchen_, [this](const Food& f) { return DishScore(f); });
}
void CVemuComp::BuildShopStatusText() {
    ::BuildShopStatusText(state_, kitchen_, [this](const Food& f) { return DishScore(f); });
}
int CVemuComp::GetHonorThreshold() const { return ::GetHonorThreshold(state_); }
void CVemuComp::ShiftHonor(const Food& dish, int amount) {
    ::ShiftHonor(state_, dish, amount, [this](const Food& f) { return DishValuePercent(f); });
}

MenuDish* CVemuComp::PickMenuDish() const { return ::PickMenuDish(kitchen_); }
bool CVemuComp::ServeDish(const MenuDish& dish) { return ::ServeDish(state_, kitchen_, dish); }
void CVemuComp::UpdateMenuAvailability() { ::UpdateMenuAvailability(state_, kitchen_); }
bool CVemuComp::AnyServableDish() const { return ::AnyServableDish(kitchen_); }

bool CVemuComp::IsDishOnMenu(std::string_view name) const { return ::IsDishOnMenu(kitchen_, name); }
Recipe* CVemuComp::FindRecipe(std::string_view name) const { return ::FindRecipe(book_, name); }
bool CVemuComp::PantryHasFood(const FoodDef* def) const { return ::PantryHasFood(kitchen_, def); }
int CVemuComp::FindMenuSlotOfDef(const Food& food) const {
    return ::FindMenuSlotOfDef(kitchen_, food);
}
int CVemuComp::CountKnownRecipes() const { return ::CountKnownRecipes(book_); }
