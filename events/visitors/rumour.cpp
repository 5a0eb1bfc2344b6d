#include "events/visitors/rumour.h"

#include "engine/common/system.h"

namespace {

// A recipe without an entry has no dish to tell of.
bool IsUnknownDish(const Recipe& recipe) { return recipe.def && !recipe.def->known; }

const Recipe* FindUnknownDish(const RecipeBook& book) {
    const std::size_t count = book.recipes.size();
    if (count == 0) return nullptr;
    const std::size_t start = static_cast<unsigned>(Rand()) % count;
    for (std::size_t i = 0; i < count; ++i) {
        const Recipe& recipe = *book.recipes[(start + i) % count];
        if (IsUnknownDish(recipe)) return &recipe;
    }
    return nullptr;
}

}  // namespace

std::string SpreadRumour(RecipeBook& book, const RumourWords& words) {
    const Recipe* recipe = FindUnknownDish(book);
    if (!recipe) return std::string(words.opening) + kRumourOfLastResort + words.food_ending;
    recipe->def->rumoured = 1;
    return std::string(words.opening) + recipe->name +
           (recipe->method_mask != 0 ? words.dish_ending : words.food_ending);
}
