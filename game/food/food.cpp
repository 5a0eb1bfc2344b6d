#include "game/food/food.h"

#include <algorithm>

FoodNodeList CopyFoodNodes(const FoodNodeList& nodes) {
    FoodNodeList copy;
    copy.reserve(nodes.size());
    for (const auto& node : nodes) copy.push_back(std::make_unique<FoodNode>(*node));
    return copy;
}

// ---- FoodNode ----

FoodNode::FoodNode(const FoodNode& other)
    : def(other.def),
      amount(other.amount),
      taste(other.taste),
      quality(other.quality),
      method(other.method),
      children(CopyFoodNodes(other.children)),
      flag(other.flag),
      in_pantry(other.in_pantry) {}

void FoodNode::Scale(float factor) {
    amount *= factor;
    for (auto& child : children) child->Scale(factor);
}

void FoodNode::Divide(float divisor) {
    if (divisor == 0.0f) return;
    amount /= divisor;
    for (auto& child : children) child->Divide(divisor);
}

bool FoodNode::IsMastered() const {
    if (children.empty()) return def != nullptr && def->mastered != 0;
    return std::all_of(children.begin(), children.end(),
                       [](const auto& child) { return child->IsMastered(); });
}

FoodNode* FoodNode::FindChild(std::string_view def_name) const {
    for (const auto& child : children) {
        if (child->def != nullptr && child->def->name == def_name) return child.get();
    }
    return nullptr;
}

void FoodNode::MergeFrom(const FoodNode& other, float factor) {
    const float added = factor * other.amount;
    const float total = added + amount;
    // Nothing on either side leaves nothing to weigh: keep this node's values.
    if (total != 0.0f) {
        quality = static_cast<int>((other.quality * added + quality * amount) / total);
        taste = static_cast<int>((other.taste * added + taste * amount) / total);
    }
    amount = total;
    for (const auto& other_child : other.children) {
        FoodNode* mine = other_child->def ? FindChild(other_child->def->name) : nullptr;
        if (mine != nullptr) {
            mine->MergeFrom(*other_child, factor);
        } else {
            auto copy = std::make_unique<FoodNode>(*other_child);
            copy->Scale(factor);
            children.push_back(std::move(copy));
        }
    }
}

// ---- Food ----

Food::Food(const Food& other, float amount_)
    : name(other.name),
      def(other.def),
      amount(amount_),
      taste(other.taste),
      cost(other.cost),
      price_percent(other.price_percent),
      days(other.days),
      method_weights(other.method_weights),
      on_menu(0),
      children(CopyFoodNodes(other.children)),
      method_code(other.method_code) {}

std::unique_ptr<Food> Food::FromDef(FoodDef* def) {
    auto food = std::make_unique<Food>();
    if (def == nullptr) return food;
    food->name = def->name;
    food->def = def;
    food->amount = 1.0f;
    food->taste = def->base_taste * def->taste_percent / 100;
    food->cost = def->price;
    food->price_percent = 100;
    food->days = def->days_limit;
    food->children.push_back(std::make_unique<FoodNode>(def, 1.0f, def->base_taste, 100, 0, 1));
    return food;
}

int Food::Price() const { return cost * price_percent / 100; }

bool Food::SameKind(const Food& other) const {
    return name == other.name && taste == other.taste && cost == other.cost && days == other.days;
}

void Food::Normalize(float unit_weight) {
    // A weightless entry has no units to count in; the Food stays in grams.
    if (unit_weight == 0.0f) return;
    amount = amount / unit_weight;
    if (amount == 0.0f) return;
    cost = static_cast<int>(cost / amount);
    // The parts came in as the whole pot's units of their entries; like a bought Food's and a
    // copy's, they are kept per unit of this Food, which is what serving, familiarity and a
    // later pot that uses this Food read them as.
    for (auto& child : children) child->Divide(amount);
}

bool Food::AddNode(std::unique_ptr<FoodNode> node) {
    if (!node) return false;
    for (auto& child : children) {
        if (child->def != nullptr && node->def != nullptr && child->def->name == node->def->name) {
            child->MergeFrom(*node, 1.0f);
            return false;
        }
    }
    children.push_back(std::move(node));
    return true;
}

bool Food::IsMastered() const {
    return std::all_of(children.begin(), children.end(),
                       [](const auto& child) { return child->IsMastered(); });
}

FoodDef* Food::FindDef(std::string_view category, const std::set<const FoodDef*>* used) const {
    auto fits = [&](FoodDef* candidate) {
        return candidate != nullptr && IsInCategory(candidate, category) &&
               (used == nullptr || used->count(candidate) == 0);
    };
    if (fits(def)) return def;
    for (const auto& child : children) {
        if (fits(child->def)) return child->def;
    }
    return nullptr;
}

void Food::PruneTraceNodes() {
    std::erase_if(children, [](const auto& child) {
        return child->def != nullptr && child->def->price != 0 &&
               child->amount * static_cast<float>(child->def->price) < 1.0f;
    });
}

// ---- MenuDish ----

MenuDish::MenuDish(const MenuDish& other, float amount_)
    : Food(other, amount_),
      restock(other.restock),
      servable(other.servable),
      ingredients_available(other.ingredients_available),
      sale_highlight(other.sale_highlight) {}
