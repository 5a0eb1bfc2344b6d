// The recipe book and the combination bonuses read from the two data files. The main game
// component holds one RecipeBook; the catalogue entries the recipes produce live in the global
// food catalogue.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "game/food/food.h"

enum RecipeRequirement : int {
    kRequirementMust = 0,      // 必須: the recipe does not match without it
    kRequirementNeeded = 1,    // 必要: counted as missing when absent
    kRequirementOptional = 2,  // anything else
};

enum RecipeConsumption : int {
    kConsumptionAbsorbed = 0,  // 消: absorbed into the dish
    kConsumptionKept = 1,      // 残: stays a visible part
    kConsumptionNamed = 2,     // anything else: named in the dish name
};

// Naming codes: where a dish's extra ingredients go in its name.
enum RecipeNaming : int {
    kNamingPlain = 0,
    kNamingBefore = 1,      // 前
    kNamingBeforeOf = 2,    // 前（の）
    kNamingBeforeWith = 3,  // 前（入）
    kNamingNoRecipe = 4,    // cooking without a recipe
    kNamingAfter = 5,       // 後
    kNamingAfterSide = 6,   // 後（添）
};

inline constexpr int kMaxRecipeRows = 6;
inline constexpr int kMaxBonusTriples = 6;
// The recipe file's first entries are the plain ingredients.
inline constexpr int kPlainIngredientCount = 78;
// Reference value of a "=" row.
inline constexpr int kReferenceAsIs = -1;

// The foods in the pot, in the order they went in.
using FoodPot = std::vector<std::unique_ptr<Food>>;

struct RecipeIngredient {
    std::string name;     // an entry or a category name
    float amount = 0.0f;  // grams per unit of the dish
    int reference = 0;    // quality percent given to this ingredient, kReferenceAsIs for "="
    int requirement = kRequirementMust;
    int consumption = kConsumptionAbsorbed;
};

struct Recipe {
    std::string name;
    FoodDef* def = nullptr;  // what the recipe makes
    int method_mask = 0;
    int total = 0;  // the recipe's grade: default quality of its rows, priority among matches
    int naming = kNamingPlain;
    std::vector<std::unique_ptr<RecipeIngredient>> rows;
    std::unique_ptr<Food> last_result;  // the last dish cooked by it, null until then

    // How well the pot fits this recipe when cooked by `method` (game/cooking/recipe_match.cpp):
    // -1 when it cannot be made that way, otherwise 512 for each row the pot fills, divided by
    // one more than the 必要 rows left empty, plus 511 when the pot holds the dish itself.
    int Match(int method, const FoodPot& pot) const;
    // The row of exactly that name, or null.
    RecipeIngredient* FindIngredient(std::string_view name) const;
    // The first row naming the entry or one of its categories, or null.
    RecipeIngredient* FindIngredientFor(const FoodDef* def) const;
};

struct BonusTriple {
    std::string ingredient;
    int taste_percent = 0;
    int share_percent = 0;
};

struct ComboBonus {
    std::string prefix;     // put before the dish name
    std::string target;     // "全", or a category or entry the dish must be in
    std::string connector;  // joins the prefix words to the name
    int bonus_percent = 0;
    std::vector<BonusTriple> triples;
};

struct RecipeBook {
    std::vector<std::unique_ptr<Recipe>> recipes;  // file order
    std::vector<std::unique_ptr<ComboBonus>> bonuses;

    void Clear() {
        recipes.clear();
        bonuses.clear();
    }
};
