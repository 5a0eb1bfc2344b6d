// The component's rules of play: each forwards to the rule of the same name on the plain state.
#include "game/main/vemu_comp.h"
#include "game/rules/daily.h"
#include "game/rules/pantry.h"
#include "game/rules/skills.h"

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

void CVemuComp::StartFrameCounter(int index, DTexture* picture) {
    CutIn& cut_in = cut_ins_[index != 0 ? 1 : 0];
    cut_in.counter = 1;
    cut_in.picture = picture;
}

void CVemuComp::MarkMenuFoods() {}
