// What the player buys, stores, cooks and serves: a Food is a quantity of one catalogue entry
// with the composition tree (FoodNode) of what it was made of; a MenuDish is a Food on the
// restaurant's menu with its serving state.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "game/food/food_def.h"

// Cooking-method bits; a recipe's method mask is an OR of them.
enum FoodMethod : int {
    kMethodMix = 1,       // 混ぜる
    kMethodProcess = 2,   // 加工
    kMethodBake = 4,      // 焼く
    kMethodBoil = 8,      // 煮る
    kMethodFry = 32,      // 揚げる
    kMethodFerment = 64,  // 発酵
    kMethodDiscard = 128  // 捨てる: only a choice of the method menu
};

// A Food's five method weights, in this order.
inline constexpr int kMethodWeightCount = 5;
inline constexpr std::array<int, kMethodWeightCount> kWeightedMethods = {
    kMethodProcess, kMethodBake, kMethodBoil, kMethodFry, kMethodFerment};

struct FoodNode;
using FoodNodeList = std::vector<std::unique_ptr<FoodNode>>;

struct FoodNode {
    FoodNode() = default;
    FoodNode(FoodDef* def_, float amount_, int taste_, int quality_, int method_,
             std::uint8_t flag_)
        : def(def_),
          amount(amount_),
          taste(taste_),
          quality(quality_),
          method(method_),
          flag(flag_) {}
    // A deep copy: every field and the whole subtree.
    FoodNode(const FoodNode& other);
    FoodNode& operator=(const FoodNode&) = delete;

    void Scale(float factor);  // amount × factor, through the subtree
    void Divide(
        float divisor);  // amount / divisor, through the subtree (a zero divisor is ignored)
    // A leaf is mastered with its entry; an inner node when all its children are.
    bool IsMastered() const;
    // Merges other, scaled by factor, into this node of the same entry: quality and taste become
    // the amount-weighted means, the amounts add up, and the children merge by entry name.
    void MergeFrom(const FoodNode& other, float factor);
    // The child of that entry name, or null.
    FoodNode* FindChild(std::string_view def_name) const;

    FoodDef* def = nullptr;
    float amount = 0.0f;  // units of def
    int taste = 0;
    int quality = 100;  // percent
    int method = 0;     // the method bit that made this node, 0 for raw
    FoodNodeList children;
    // 1 for the node made from a catalogue entry and for a dish's own node: the dish panel lists
    // such a node as one line and the others greyed, followed by their children.
    std::uint8_t flag = 0;
    // Set by the menu check when the pantry in use holds this node's ingredient: serving then
    // takes it from there instead of preparing it from its children. Not saved.
    std::uint8_t in_pantry = 0;
};

class Food {
public:
    Food() = default;
    // A copy holding `amount` units (the given value, not a product); the on-menu mark is
    // cleared and the composition copied node by node.
    Food(const Food& other, float amount);
    Food(const Food&) = delete;
    Food& operator=(const Food&) = delete;
    Food(Food&&) = default;
    Food& operator=(Food&&) = default;
    virtual ~Food() = default;

    // One unit of a catalogue entry, as bought: its own taste, price and keeping time, with one
    // node of the entry.
    static std::unique_ptr<Food> FromDef(FoodDef* def);

    // Money per unit at the price percent (cost 99 at 150 % is 148).
    int Price() const;
    // The pantry keeps such Foods in one row.
    bool SameKind(const Food& other) const;
    // Turns a Food measured in grams, whose parts hold the whole pot's units, into units of
    // `unit_weight` grams with a per-unit cost and its parts per unit.
    void Normalize(float unit_weight);
    // Merges the node into the child of the same entry name (false, the node is consumed) or
    // appends it (true).
    bool AddNode(std::unique_ptr<FoodNode> node);
    bool IsMastered() const;
    // The Food's own entry, then the entries of its direct children, in order: the first that is
    // in `name` (entry or category) and not yet in `used` (any, without a set).
    FoodDef* FindDef(std::string_view name, const std::set<const FoodDef*>* used = nullptr) const;
    // Drops children whose entry has a price and of which there is less than one money's worth.
    void PruneTraceNodes();

    std::string name;  // a cooked dish's composed name
    FoodDef* def = nullptr;
    float amount = 1.0f;      // units of def
    int taste = 0;            // per unit
    int cost = 0;             // money per unit
    int price_percent = 100;  // 100 for bought goods, 150 for cooked dishes
    int days = kNeverSpoils;  // days left before spoiling
    std::array<int, kMethodWeightCount> method_weights{};  // percent, in kWeightedMethods order
    std::uint8_t on_menu = 0;  // a ready portion of a menu dish ("[M]" in the pantry)
    FoodNodeList children;
    int method_code = 0;  // the method a menu dish is cooked with
};

class MenuDish : public Food {
public:
    MenuDish() = default;
    // A dish for the menu made from a Food, holding `amount` units.
    MenuDish(const Food& food, float amount) : Food(food, amount) {}
    MenuDish(const MenuDish& other, float amount);

    int restock = 0;  // portions bought each morning, 0 = off
    std::uint8_t servable = 0;
    std::uint8_t ingredients_available = 0;
    int sale_highlight = 0;  // 1 when the dish sells, counted up to 25 by the selling screen
};

// A deep copy of a node list.
FoodNodeList CopyFoodNodes(const FoodNodeList& nodes);
