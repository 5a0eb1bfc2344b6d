#include "game/rules/menu_queries.h"

#include <algorithm>

namespace {

template <typename List, typename Test>
int IndexOf(const List& list, Test test) {
    const auto it = std::find_if(list.begin(), list.end(), [&](const auto& p) { return test(*p); });
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

}  // namespace

bool IsDishOnMenu(const Kitchen& kitchen, std::string_view name) {
    return IndexOf(kitchen.menu, [&](const MenuDish& d) { return d.def && d.def->name == name; }) >=
           0;
}

Recipe* FindRecipe(const RecipeBook& book, std::string_view name) {
    const int i = IndexOf(book.recipes, [&](const Recipe& r) { return r.name == name; });
    return i < 0 ? nullptr : book.recipes[static_cast<std::size_t>(i)].get();
}

bool PantryHasFood(const Kitchen& kitchen, const FoodDef* def) {
    return IndexOf(kitchen.pantry(), [&](const Food& f) { return f.def == def; }) >= 0;
}

int FindMenuSlotOfDef(const Kitchen& kitchen, const Food& food) {
    return IndexOf(kitchen.menu, [&](const MenuDish& d) { return d.def == food.def; });
}

FoodDef* FindFoodDefByName(std::string_view name) { return FindFoodDef(name); }

bool FoodDefIsA(const FoodCategory* def, std::string_view name) { return IsInCategory(def, name); }

bool SameDish(const Food& a, const Food& b) {
    return a.name == b.name && a.cost == b.cost && a.price_percent == b.price_percent;
}

int CountKnownRecipes(const RecipeBook& book) {
    const auto& recipes = book.recipes;
    if (recipes.size() <= static_cast<std::size_t>(kPlainIngredientCount)) return 0;
    return static_cast<int>(
        std::count_if(recipes.begin() + kPlainIngredientCount, recipes.end(),
                      [](const std::unique_ptr<Recipe>& r) { return r->def && r->def->known; }));
}

int FindReadyPortion(const Kitchen& kitchen, const Food& dish) {
    return IndexOf(kitchen.pantry(), [&](const Food& f) { return SameDish(f, dish); });
}

void MarkMenuFoods(Kitchen& kitchen) {
    for (const std::unique_ptr<Food>& food : kitchen.pantry()) {
        food->on_menu = 0;
        for (const std::unique_ptr<MenuDish>& dish : kitchen.menu) {
            if (SameDish(*food, *dish)) food->on_menu = 1;
        }
    }
}
