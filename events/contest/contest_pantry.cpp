// What the player cooks with and hands in at a contest: the provided ingredients and the score
// of the dish handed in.
#include "events/contest/contest_table.h"
#include "game/food/food_def.h"
#include "game/main/vemu_comp.h"

void CVemuComp::StockContestPantry() {
    ClearPantry();
    for (const char* name : kContestIngredients)
        if (FoodDef* def = FindFoodDef(name)) AddFood(def, kContestIngredientAmount);
}

int CVemuComp::ContestDishScore() const {
    if (!contest_dish_) return 0;
    const Food one(*contest_dish_, 1.0f);
    return DishScore(one);
}
