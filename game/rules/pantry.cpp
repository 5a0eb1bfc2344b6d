#include "game/rules/pantry.h"

#include <algorithm>

#include "game/rules/menu_queries.h"

namespace {

Food* Merge(Pantry& pantry, std::unique_ptr<Food> food, float amount) {
    if (!food) return nullptr;
    for (const std::unique_ptr<Food>& held : pantry) {
        if (held->SameKind(*food)) {
            held->amount += amount != 0.0f ? amount : food->amount;
            return held.get();
        }
    }
    if (amount != 0.0f) food->amount = amount;
    pantry.push_back(std::move(food));
    return pantry.back().get();
}

bool InRange(const Pantry& pantry, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < pantry.size();
}

}  // namespace

Food* StoreFood(Kitchen& kitchen, std::unique_ptr<Food> food, float amount) {
    if (!food) return nullptr;
    if (food->def) food->def->known = 1;
    Food* held = Merge(kitchen.pantry(), std::move(food), amount);
    // A copy comes without its [M]: a portion of a menu dish shows it wherever it comes from.
    held->on_menu = 0;
    for (const std::unique_ptr<MenuDish>& dish : kitchen.menu)
        if (SameDish(*held, *dish)) held->on_menu = 1;
    return held;
}

Food* AddFood(Kitchen& kitchen, FoodDef* def, float amount) {
    if (!def) return nullptr;
    return StoreFood(kitchen, Food::FromDef(def), amount);
}

float TakeFromPantry(Kitchen& kitchen, int index, float amount) {
    Pantry& pantry = kitchen.pantry();
    if (!InRange(pantry, index)) return 0.0f;
    Food& food = *pantry[static_cast<std::size_t>(index)];
    if (food.amount > amount) {
        food.amount -= amount;
        return food.amount;
    }
    pantry.erase(pantry.begin() + index);
    return 0.0f;
}

Food* FindPantryFood(const Kitchen& kitchen, std::string_view name) {
    const Pantry& pantry = kitchen.pantry();
    const auto it = std::find_if(pantry.begin(), pantry.end(),
                                 [&](const std::unique_ptr<Food>& f) { return f->name == name; });
    return it == pantry.end() ? nullptr : it->get();
}

void ClearPantry(Kitchen& kitchen) { kitchen.pantry().clear(); }

Food* AddToSelection(Kitchen& kitchen, std::unique_ptr<Food> food, float amount) {
    return Merge(kitchen.selection, std::move(food), amount);
}

void TakeOneFromSelection(Kitchen& kitchen, int index) {
    Pantry& pot = kitchen.selection;
    if (!InRange(pot, index)) return;
    Food& food = *pot[static_cast<std::size_t>(index)];
    if (food.amount > 1.0f)
        food.amount -= 1.0f;
    else
        pot.erase(pot.begin() + index);
}

void DiscardSelection(Kitchen& kitchen) { kitchen.selection.clear(); }
