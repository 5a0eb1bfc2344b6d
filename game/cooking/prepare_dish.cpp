#include "game/cooking/prepare_dish.h"

#include "game/cooking/dish_resolver.h"
#include "game/cooking/recipe_match.h"
#include "game/rules/daily.h"

std::unique_ptr<Food> PrepareDish(const RecipeBook& book, PlayState& state,
                                  const MemoryDishSteps& memory, int method, FoodPot& pot) {
    if (pot.empty()) return nullptr;
    Recipe* recipe = FindBestRecipe(book, method, pot);
    std::unique_ptr<Food> dish = ResolveDish(book, method, recipe, pot);
    // The pot is discarded after cooking, so what comes back must not be one of its foods.
    if (!dish) return std::make_unique<Food>(*pot.front(), pot.front()->amount);
    if (recipe != nullptr) {
        if (recipe->def != nullptr) recipe->def->known = 1;
        recipe->last_result = std::make_unique<Food>(*dish, 1.0f);
        UpdateMemoryFoodState(state, memory.first, memory.second);
    }
    dish->PruneTraceNodes();
    return dish;
}
