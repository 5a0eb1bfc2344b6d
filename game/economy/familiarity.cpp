#include "game/economy/familiarity.h"

namespace {

void AddToLeaves(PlayState& state, const FoodNodeList& nodes, int count) {
    for (const std::unique_ptr<FoodNode>& node : nodes) {
        if (!node->children.empty()) {
            AddToLeaves(state, node->children, count);
            continue;
        }
        FoodDef* def = node->def;
        if (!def) continue;
        def->familiarity += static_cast<float>(count) * node->amount;
        if (!def->mastered && def->familiarity >= kMasteredFamiliarity) {
            def->mastered = 1;
            state.mastered.push_back(def->name);
        }
    }
}

}  // namespace

void AddFamiliarity(PlayState& state, const Food& food, int count) {
    AddToLeaves(state, food.children, count);
}
