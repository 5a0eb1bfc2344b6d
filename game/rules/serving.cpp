#include "game/rules/serving.h"

#include <algorithm>

#include "engine/common/system.h"
#include "game/rules/menu_queries.h"
#include "game/rules/pantry.h"
#include "game/rules/stamina.h"

namespace {

bool IsPantryFoodOf(const Food& food, const FoodNode& node) {
    return node.def && food.name == node.def->name;
}

// A pantry food that a node of the dish being made (when one is given) may use: never a ready
// portion of that dish, or making it would only put back what it took.
bool Usable(const Food& food, const FoodNode& node, const Food* made) {
    return IsPantryFoodOf(food, node) && !(made && SameDish(food, *made));
}

// The usable pantry food of the node's ingredient that spoils first (the first of equals), or -1.
int FreshestNeed(const Kitchen& kitchen, const FoodNode& node, const Food* made = nullptr) {
    const Pantry& pantry = kitchen.pantry();
    int best = -1;
    int best_days = 9999999;
    for (std::size_t i = 0; i < pantry.size(); ++i) {
        if (Usable(*pantry[i], node, made) && pantry[i]->days < best_days) {
            best = static_cast<int>(i);
            best_days = pantry[i]->days;
        }
    }
    return best;
}

bool PantryHolds(const Kitchen& kitchen, const FoodNode& node, const Food* made) {
    const Pantry& pantry = kitchen.pantry();
    return std::any_of(pantry.begin(), pantry.end(),
                       [&](const std::unique_ptr<Food>& f) { return Usable(*f, node, made); });
}

// The choice PrepareNode makes, without taking anything.
bool CanPrepare(const Kitchen& kitchen, const FoodNode& node) {
    if (node.in_pantry) return FreshestNeed(kitchen, node) >= 0;
    if (node.children.empty()) return false;
    return std::all_of(node.children.begin(), node.children.end(),
                       [&](const std::unique_ptr<FoodNode>& c) { return CanPrepare(kitchen, *c); });
}

// Takes or makes a node that CanPrepare or a fresh mark passed. Two parts of one dish may share
// an ingredient that the first uses up; the second then takes nothing, as only presence was
// checked.
void TakeOrMake(PlayState& state, Kitchen& kitchen, const FoodNode& node,
                const Food* made = nullptr) {
    if (node.in_pantry) {
        const int index = FreshestNeed(kitchen, node, made);
        if (index >= 0) TakeFromPantry(kitchen, index, node.amount);
        return;
    }
    for (const std::unique_ptr<FoodNode>& child : node.children)
        TakeOrMake(state, kitchen, *child, made);
    PrepStep(state, node.method, node.amount,
             static_cast<int>(node.def ? node.def->unit_weight : 0));
}

bool FermentBlocked(const PlayState& state, int method) {
    return (method & kMethodFerment) != 0 && !state.ferment_flag;
}

// Available when the pantry holds the node's ingredient, else when all its children are (a
// 発酵 node only once fermenting is unlocked). Every node of the tree gets its mark.
bool MarkAvailable(const PlayState& state, const Kitchen& kitchen, FoodNode& node,
                   const Food* made = nullptr) {
    node.in_pantry = PantryHolds(kitchen, node, made) ? 1 : 0;
    bool children_available = !node.children.empty();
    for (const std::unique_ptr<FoodNode>& child : node.children)
        children_available = MarkAvailable(state, kitchen, *child, made) && children_available;
    if (node.in_pantry) return true;
    return children_available && !FermentBlocked(state, node.method);
}

}  // namespace

MenuDish* PickMenuDish(const Kitchen& kitchen) {
    const Menu& menu = kitchen.menu;
    if (menu.empty() || kitchen.pantry().empty()) return nullptr;
    const std::size_t size = menu.size();
    const std::size_t start = static_cast<unsigned>(Rand()) % size;
    MenuDish* picked = nullptr;
    for (std::size_t i = 0; i < size; ++i) {
        MenuDish& dish = *menu[(start + i) % size];
        if (dish.servable) picked = &dish;
    }
    return picked;
}

bool ServeDish(PlayState& state, Kitchen& kitchen, const MenuDish& dish) {
    const int ready = FindReadyPortion(kitchen, dish);
    if (ready >= 0) {
        TakeFromPantry(kitchen, ready, 1.0f);
        return true;
    }
    return MakePortion(state, kitchen, dish);
}

bool MakePortion(PlayState& state, Kitchen& kitchen, const MenuDish& dish) {
    // The marks are made afresh, so what is taken below is what was found here.
    bool makeable = !FermentBlocked(state, dish.method_code);
    for (const std::unique_ptr<FoodNode>& node : dish.children)
        makeable = MarkAvailable(state, kitchen, *node, &dish) && makeable;
    if (!makeable) return false;
    for (const std::unique_ptr<FoodNode>& node : dish.children)
        TakeOrMake(state, kitchen, *node, &dish);
    PrepStep(state, dish.method_code, 1.0f, static_cast<int>(dish.def ? dish.def->unit_weight : 0));
    return true;
}

bool PrepareNode(PlayState& state, Kitchen& kitchen, const FoodNode& node) {
    if (!CanPrepare(kitchen, node)) return false;
    TakeOrMake(state, kitchen, node);
    return true;
}

void UpdateMenuAvailability(const PlayState& state, Kitchen& kitchen) {
    for (const std::unique_ptr<MenuDish>& dish : kitchen.menu) {
        bool servable = true;
        for (const std::unique_ptr<FoodNode>& node : dish->children)
            servable = MarkAvailable(state, kitchen, *node) && servable;
        if (FermentBlocked(state, dish->method_code)) servable = false;
        dish->ingredients_available = servable ? 1 : 0;
        if (!servable && FindReadyPortion(kitchen, *dish) >= 0) servable = true;
        dish->servable = servable ? 1 : 0;
    }
    MarkMenuFoods(kitchen);
}

bool AnyServableDish(const Kitchen& kitchen) {
    return std::any_of(kitchen.menu.begin(), kitchen.menu.end(),
                       [](const std::unique_ptr<MenuDish>& d) { return d->servable != 0; });
}
