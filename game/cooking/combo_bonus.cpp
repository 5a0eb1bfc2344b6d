#include "game/cooking/combo_bonus.h"

#include <algorithm>

#include "game/cooking/cooking_math.h"

namespace {

using cooking::AddTrunc;

bool Targets(const ComboBonus& rule, const FoodDef* dish) {
    return rule.target == "全" || IsInCategory(dish, rule.target);
}

const FoodNode* FindByName(const std::vector<const FoodNode*>& nodes, const std::string& name) {
    for (const FoodNode* node : nodes)
        if (node->def != nullptr && node->def->name == name) return node;
    return nullptr;
}

// The mixed-in node of each of the rule's ingredients, or an empty list when one is absent.
std::vector<const FoodNode*> RuleNodes(const ComboBonus& rule,
                                       const std::vector<const FoodNode*>& mixed_in) {
    std::vector<const FoodNode*> nodes;
    for (const BonusTriple& triple : rule.triples) {
        const FoodNode* node = FindByName(mixed_in, triple.ingredient);
        if (node == nullptr) return {};
        nodes.push_back(node);
    }
    return nodes;
}

std::string JoinPrefixes(const std::vector<const ComboBonus*>& applied) {
    // Rules with the same connector read word, word, ..., connector.
    std::string prefix;
    std::string connector;
    for (const ComboBonus* rule : applied) {
        if (!connector.empty() && connector != rule->connector) prefix += connector;
        connector = rule->connector;
        prefix += rule->prefix;
    }
    return prefix + connector;
}

}  // namespace

BonusOutcome ApplyComboBonuses(const std::vector<std::unique_ptr<ComboBonus>>& rules,
                               const FoodDef* dish, float portions,
                               std::vector<const FoodNode*>& mixed_in, int& taste_mass) {
    BonusOutcome outcome;
    std::vector<const ComboBonus*> applied;
    for (const auto& rule : rules) {
        if (rule->triples.empty() || !Targets(*rule, dish)) continue;
        const std::vector<const FoodNode*> nodes = RuleNodes(*rule, mixed_in);
        if (nodes.empty()) continue;
        applied.push_back(rule.get());
        float have_sum = 0.0f;
        float need_sum = 0.0f;
        for (std::size_t k = 0; k < nodes.size(); ++k) {
            const FoodNode& node = *nodes[k];
            const BonusTriple& triple = rule->triples[k];
            const float have = node.amount * node.def->unit_weight;
            const float need =
                static_cast<float>(triple.share_percent * portions * dish->unit_weight * 0.01);
            have_sum += have;
            need_sum += need;
            taste_mass = AddTrunc(taste_mass, (triple.taste_percent - 100) * node.taste *
                                                  std::min(have, need) * 0.01);
            std::erase(mixed_in, nodes[k]);
        }
        outcome.multiplier += static_cast<float>(
            (rule->bonus_percent - 100) *
            cooking::DivideOrZero(std::min(have_sum, need_sum), std::max(have_sum, need_sum)));
    }
    outcome.prefix = JoinPrefixes(applied);
    return outcome;
}
