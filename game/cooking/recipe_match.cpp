#include "game/cooking/recipe_match.h"

#include <set>

namespace {

// A recipe whose dish is already in the pot is almost certainly what the cook is after.
constexpr int kOwnDishScore = 511;
constexpr int kScorePerRow = 512;

}  // namespace

bool PotHolds(const FoodPot& pot, std::string_view name) {
    for (const auto& food : pot)
        if (food->FindDef(name) != nullptr) return true;
    return false;
}

int Recipe::Match(int method, const FoodPot& pot) const {
    if ((method & method_mask) == 0) return -1;
    const int own = PotHolds(pot, name) ? kOwnDishScore : 0;
    int matched = 0;
    int missing = 0;
    // One food's entry fills one row only: a second row of the same entry needs another food.
    std::set<const FoodDef*> used;
    for (const auto& row : rows) {
        const FoodDef* found = nullptr;
        for (const auto& food : pot)
            if ((found = food->FindDef(row->name, &used)) != nullptr) break;
        if (found != nullptr) {
            ++matched;
            used.insert(found);
        } else if (row->requirement == kRequirementMust) {
            return -1;
        } else if (row->requirement == kRequirementNeeded) {
            ++missing;
        }
    }
    return matched * kScorePerRow / (missing + 1) + own;
}

RecipeIngredient* Recipe::FindIngredient(std::string_view wanted) const {
    for (const auto& row : rows)
        if (row->name == wanted) return row.get();
    return nullptr;
}

RecipeIngredient* Recipe::FindIngredientFor(const FoodDef* def) const {
    for (const auto& row : rows)
        if (IsInCategory(def, row->name)) return row.get();
    return nullptr;
}

Recipe* FindBestRecipe(const RecipeBook& book, int method, const FoodPot& pot) {
    Recipe* best = nullptr;
    for (const auto& recipe : book.recipes) {
        if (best != nullptr && recipe->total <= best->total) continue;
        if (recipe->Match(method, pot) > 0) best = recipe.get();
    }
    return best;
}
