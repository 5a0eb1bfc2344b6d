#include "game/economy/auto_purchase.h"

#include <cstdint>

#include "game/rules/money.h"
#include "game/rules/pantry.h"

namespace {

// Units just short of a whole one still buy it: 2.005 buys 2, 2.02 buys 3.
constexpr float kRoundUp = 0.99f;

// Takes from the scratch stock of that name; returns what is still needed.
float TakeFromStock(Pantry& scratch, const std::string& name, float need) {
    for (const std::unique_ptr<Food>& food : scratch) {
        if (food->name != name) continue;
        if (food->amount > need) {
            food->amount -= need;
            return 0.0f;
        }
        need -= food->amount;
        food->amount = 0.0f;
    }
    return need;
}

}  // namespace

bool BuyForNode(PlayState& state, Kitchen& kitchen, Pantry& scratch, const FoodNode& node,
                float factor, CQZSharedData& values) {
    FoodDef* def = node.def;
    if (!def || node.amount <= 0.0f) return true;
    float need = TakeFromStock(scratch, def->name, factor * node.amount);
    if (need == 0.0f) return true;

    if (def->mastered) {
        const int units = static_cast<int>(need + kRoundUp);
        // Storing 0 units would keep the bought unit whole: a free unit.
        if (units <= 0) return true;
        const std::int64_t cost = static_cast<std::int64_t>(def->price) * units;
        if (state.money < cost) return false;
        AddMoney(state, values, static_cast<int>(-cost));
        AddFood(kitchen, def, static_cast<float>(units));
        return true;
    }
    for (const std::unique_ptr<FoodNode>& child : node.children)
        BuyForNode(state, kitchen, scratch, *child, need / node.amount, values);
    return false;
}

bool AutoPurchase(PlayState& state, Kitchen& kitchen, CQZSharedData& values) {
    Pantry scratch;
    for (const std::unique_ptr<Food>& food : kitchen.pantry())
        scratch.push_back(std::make_unique<Food>(*food, food->amount));

    bool restocking = false;
    for (const std::unique_ptr<MenuDish>& dish : kitchen.menu) {
        if (dish->restock <= 0) continue;
        restocking = true;
        for (const std::unique_ptr<FoodNode>& node : dish->children)
            BuyForNode(state, kitchen, scratch, *node, static_cast<float>(dish->restock), values);
    }
    return restocking;
}
