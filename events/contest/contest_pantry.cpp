// What the player cooks with and hands in at a contest: the provided ingredients and the score
// of the dish handed in.
#include "events/contest/contest_table.h"
#include "events/story.h"
#include "game/cooking/dish_value.h"
#include "game/food/food_def.h"
#include "game/rules/pantry.h"

void Story::StockContestPantry() {
    ClearPantry(kitchen_);
    for (const char* name : kContestIngredients)
        if (FoodDef* def = FindFoodDef(name)) AddFood(kitchen_, def, kContestIngredientAmount);
}

int Story::ContestDishScore() const {
    if (!contest_dish_) return 0;
    const Food one(*contest_dish_, 1.0f);
    return DishScore(state_, one);
}
