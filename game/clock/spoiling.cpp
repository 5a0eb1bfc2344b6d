#include "game/clock/spoiling.h"

#include <algorithm>
#include <vector>

#include "game/cooking/dish_resolver.h"
#include "game/cooking/recipe_match.h"
#include "game/rules/pantry.h"

namespace {

// What a spoiled food turns into: a dish when a fermentation recipe takes it alone, else rot.
std::unique_ptr<Food> Spoil(ClockWorld& world, std::unique_ptr<Food> food) {
    FoodPot pot;
    pot.push_back(std::move(food));
    if (Recipe* recipe = FindBestRecipe(world.book, kMethodFerment, pot)) {
        if (auto dish = ResolveDish(world.book, kMethodFerment, recipe, pot)) {
            if (recipe->def != nullptr) recipe->def->known = 1;
            return dish;
        }
    }
    const Food& spoiled = *pot.front();
    auto rotten = std::make_unique<Food>(spoiled, spoiled.amount);
    if (FoodDef* rot = world.rot_entry)
        rotten->children.push_back(
            std::make_unique<FoodNode>(rot, 1.0f, rot->base_taste, 100, 0, 1));
    rotten->name = "腐った" + spoiled.name;
    rotten->taste = 0;
    rotten->days = kNeverSpoils;
    return rotten;
}

}  // namespace

void RotFoods(ClockWorld& world) {
    if (world.witch_fridge) return;
    Pantry& pantry = world.kitchen.pantry();
    // What this pass made: it ages like the rest but waits for the next day to spoil, so a
    // product that would spoil at once cannot keep the pass going.
    std::vector<const Food*> made;
    std::size_t i = 0;
    while (i < pantry.size()) {
        Food& food = *pantry[i];
        if (food.days < 0 || food.days >= kNeverSpoils) {
            ++i;
            continue;
        }
        const bool fresh = std::find(made.begin(), made.end(), &food) != made.end();
        if (fresh && food.days == 0) {
            ++i;
            continue;
        }
        if (--food.days >= 0) {
            ++i;
            continue;
        }
        // Out of the pantry first, so storing what it became cannot merge into it.
        std::unique_ptr<Food> spoiled = std::move(pantry[i]);
        pantry.erase(pantry.begin() + static_cast<std::ptrdiff_t>(i));
        const std::size_t rows = pantry.size();
        Food* stored = StoreFood(world.kitchen, Spoil(world, std::move(spoiled)), 0.0f);
        if (pantry.size() > rows) made.push_back(stored);
    }
}

bool HoldsWitchFridge(const CItemBag& bag) { return bag.FindItemIndex(kWitchFridgeName) >= 0; }

ClockWorld ClockOf(PlayWorld& world, const CItemBag& bag) {
    return {world.state, world.kitchen, world.book, world.rot_entry, HoldsWitchFridge(bag)};
}
