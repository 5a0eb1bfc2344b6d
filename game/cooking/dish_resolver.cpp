#include "game/cooking/dish_resolver.h"

#include <algorithm>
#include <array>

#include "game/cooking/combo_bonus.h"
#include "game/cooking/cooking_math.h"
#include "game/cooking/dish_name.h"
#include "game/cooking/recipe_match.h"

namespace {

using cooking::AddTrunc;
using cooking::DivideOrZero;
using cooking::TruncToInt;

constexpr int kDishPricePercent = 150;
// Heat makes a dish keep a little longer than its freshest ingredient.
constexpr int kCookedExtraDays = 3;

float UnitWeight(const FoodDef* def) { return def != nullptr ? def->unit_weight : 0.0f; }

// The rows are budgets the cooking uses up, so it works on its own copy of the recipe.
Recipe WorkingCopy(const Recipe* recipe, const FoodPot& pot) {
    Recipe copy;
    if (recipe == nullptr) {
        copy.def = pot.front()->def;
        copy.method_mask = kMethodMix;
        copy.naming = kNamingNoRecipe;
        return copy;
    }
    copy.name = recipe->name;
    copy.def = recipe->def;
    copy.method_mask = recipe->method_mask;
    copy.total = recipe->total;
    copy.naming = recipe->naming;
    for (const auto& row : recipe->rows)
        copy.rows.push_back(std::make_unique<RecipeIngredient>(*row));
    return copy;
}

// The running values of one cooking.
class Resolver {
public:
    Resolver(const RecipeBook& book, int method, Recipe recipe, FoodPot& pot)
        : book_(book), method_(method), r_(std::move(recipe)), pot_(pot) {}

    std::unique_ptr<Food> Run();

private:
    void CollectMissing();
    void TakeFood(Food& food);
    void TakeAsIs(const Food& food);
    void TakeNode(FoodNode& node, const Food& food);
    void TakeNodeByRow(FoodNode& node, float a, RecipeIngredient& row);
    void TakeUnlistedNode(const FoodNode& node, float a);
    // A copy of the node, scaled, into the dish: the copy when it became a new part, null when
    // it merged into a part the dish already had.
    const FoodNode* AddToDish(const FoodNode& node, float factor);
    void AddOwnNode();
    int DaysOf() const;
    void FinishMethodWeights();

    const RecipeBook& book_;
    const int method_;
    Recipe r_;
    FoodPot& pot_;
    std::unique_ptr<Food> dish_ = std::make_unique<Food>();

    int weight_ = 0;         // grams in the pot
    float portions_ = 0.0f;  // units of the dish's entry
    float unit_ = 0.0f;      // the dish entry's unit weight
    int cost_ = 0;
    std::array<int, kMethodWeightCount> method_sums_{};
    int taste_mass_ = 0;      // the dish's
    int absorbed_taste_ = 0;  // of what the dish absorbed
    float node_weight_ = 0.0f;
    float absorbed_weight_ = 0.0f;
    bool absorbed_ = false;
    int least_days_ = kNeverSpoils;
    FoodNodeList absorbed_nodes_;
    DishNodeList mixed_in_;  // named "…入り"
    DishNodeList extra_;     // named by the naming code
    MissingRowList missing_;
};

std::unique_ptr<Food> Resolver::Run() {
    if (r_.def == nullptr) return nullptr;
    unit_ = r_.def->unit_weight;
    for (const auto& food : pot_) weight_ = AddTrunc(weight_, UnitWeight(food->def) * food->amount);
    // Nothing to cook: the caller keeps what it had.
    if (weight_ == 0) return nullptr;
    portions_ = static_cast<float>(DivideOrZero(weight_, unit_));

    CollectMissing();
    for (const auto& food : pot_) TakeFood(*food);
    if (absorbed_) AddOwnNode();

    const BonusOutcome bonus =
        ApplyComboBonuses(book_.bonuses, r_.def, portions_, mixed_in_, taste_mass_);
    const int taste_numerator = TruncToInt(bonus.multiplier * taste_mass_ * 0.01);

    Food& dish = *dish_;
    dish.name = NameDish(bonus.prefix, r_, extra_, mixed_in_, missing_);
    dish.def = r_.def;
    dish.cost = cost_;
    dish.price_percent = kDishPricePercent;
    dish.taste = TruncToInt(DivideOrZero(taste_numerator, node_weight_));
    dish.amount = node_weight_;
    dish.days = DaysOf();
    dish.Normalize(unit_);
    FinishMethodWeights();
    dish.on_menu = 0;
    dish.method_code = 0;
    return std::move(dish_);
}

void Resolver::CollectMissing() {
    if (PotHolds(pot_, r_.name)) return;
    for (const auto& row : r_.rows) {
        if (row->requirement == kRequirementNeeded && !PotHolds(pot_, row->name))
            missing_.push_back(row.get());
    }
}

void Resolver::TakeFood(Food& food) {
    const float a = food.amount;
    cost_ = AddTrunc(cost_, food.cost * a);
    for (int m = 0; m < kMethodWeightCount; ++m) {
        const auto i = static_cast<std::size_t>(m);
        method_sums_[i] =
            AddTrunc(method_sums_[i],
                     DivideOrZero(food.method_weights[i] * a * UnitWeight(food.def), weight_));
    }
    const RecipeIngredient* row = food.def ? r_.FindIngredient(food.def->name) : nullptr;
    if (row != nullptr && row->reference == kReferenceAsIs) {
        TakeAsIs(food);
        return;
    }
    for (const auto& node : food.children) TakeNode(*node, food);
}

// A "=" row: the food goes in whole, at its own taste and quality.
void Resolver::TakeAsIs(const Food& food) {
    const float a = food.amount;
    taste_mass_ = AddTrunc(taste_mass_, food.taste * a * unit_);
    for (const auto& node : food.children) {
        node_weight_ += a * UnitWeight(node->def) * node->amount;
        least_days_ = std::min(least_days_, food.days);
        AddToDish(*node, a);
    }
}

void Resolver::TakeNode(FoodNode& node, const Food& food) {
    const float a = food.amount;
    node_weight_ += a * node.amount * UnitWeight(node.def);
    least_days_ = std::min(least_days_, food.days);
    RecipeIngredient* row = node.def ? r_.FindIngredientFor(node.def) : nullptr;
    if (row != nullptr)
        TakeNodeByRow(node, a, *row);
    else
        TakeUnlistedNode(node, a);
}

void Resolver::TakeNodeByRow(FoodNode& node, float a, RecipeIngredient& row) {
    const int q = row.reference;
    if (q != 0) {
        // The row's grams are a budget: grams within it take the row's quality, grams beyond it
        // count as plain (100).
        const float per_portion =
            static_cast<float>(DivideOrZero(a * node.amount * node.def->unit_weight, portions_));
        if (q > 100 && per_portion > row.amount) {
            node.quality = TruncToInt(
                DivideOrZero((per_portion - row.amount) * 100 + q * row.amount, per_portion));
            row.amount = 0.0f;
        } else {
            node.quality = q;
            row.amount -= per_portion;
        }
    }
    const int taste = TruncToInt(node.quality * a * node.taste * unit_ * node.amount *
                                 node.def->unit_weight * 0.0001);
    taste_mass_ = AddTrunc(taste_mass_, taste);
    if (row.consumption == kConsumptionAbsorbed) {
        absorbed_taste_ = AddTrunc(absorbed_taste_, taste);
        absorbed_weight_ += a * node.def->unit_weight * node.amount;
        absorbed_ = true;
        auto copy = std::make_unique<FoodNode>(node);
        copy->Scale(a);
        absorbed_nodes_.push_back(std::move(copy));
        return;
    }
    const FoodNode* added = AddToDish(node, a);
    if (added == nullptr || row.consumption != kConsumptionNamed) return;
    if (IsInCategory(node.def, "調味料"))
        mixed_in_.push_back(added);
    else
        extra_.push_back(added);
}

// A part no row asks for: the dish itself is absorbed again, anything else is mixed in.
void Resolver::TakeUnlistedNode(const FoodNode& node, float a) {
    const float unit = UnitWeight(node.def);
    taste_mass_ = AddTrunc(taste_mass_, a * unit_ * node.taste * node.amount * unit * 0.01);
    if (node.def != nullptr && node.def->name == r_.name) {
        absorbed_ = true;
        absorbed_weight_ += a * unit * node.amount;
        absorbed_taste_ = AddTrunc(absorbed_taste_, node.taste * a * unit * node.amount);
        return;
    }
    if (const FoodNode* added = AddToDish(node, a)) mixed_in_.push_back(added);
}

const FoodNode* Resolver::AddToDish(const FoodNode& node, float factor) {
    auto copy = std::make_unique<FoodNode>(node);
    copy->Scale(factor);
    const FoodNode* raw = copy.get();
    return dish_->AddNode(std::move(copy)) ? raw : nullptr;
}

// What the dish absorbed becomes one part of the dish's own entry.
void Resolver::AddOwnNode() {
    auto own = std::make_unique<FoodNode>(
        r_.def, static_cast<float>(DivideOrZero(absorbed_weight_, unit_)),
        TruncToInt(DivideOrZero(absorbed_taste_, absorbed_weight_)), 100, method_, 1);
    own->children = std::move(absorbed_nodes_);
    dish_->AddNode(std::move(own));
}

int Resolver::DaysOf() const {
    int days;
    if (method_ == kMethodMix || method_ == kMethodProcess)
        days = least_days_;
    else if (method_ == kMethodFerment)
        days = r_.def->days_limit;
    else
        days = least_days_ + kCookedExtraDays;
    if (r_.def->days_limit != 0) days = std::min(days, r_.def->days_limit);
    return days;
}

void Resolver::FinishMethodWeights() {
    for (int m = 0; m < kMethodWeightCount; ++m) {
        const auto i = static_cast<std::size_t>(m);
        dish_->method_weights[i] = method_sums_[i] / 2;
        // The method used marks the dish fully; mixing leaves no mark.
        if (kWeightedMethods[i] == method_) dish_->method_weights[i] = 100;
    }
}

}  // namespace

std::unique_ptr<Food> ResolveDish(const RecipeBook& book, int method, const Recipe* recipe,
                                  FoodPot& pot) {
    if (pot.empty()) return nullptr;
    return Resolver(book, method, WorkingCopy(recipe, pot), pot).Run();
}
