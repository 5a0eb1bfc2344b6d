#include "game/cooking/dish_name.h"

#include <array>

namespace {

using Names = std::vector<std::string>;

// Where the extras go beside the recipe's name, by naming code.
struct NamingForm {
    bool names_extras;
    bool extras_first;
    const char* between;  // between the extras and the recipe's name (extras first)
    const char* after;    // after the whole recipe part
};

constexpr std::array<NamingForm, 7> kNamingForms = {{
    {false, false, "", ""},     // 0: the recipe's name alone
    {true, true, "", ""},       // 1 前
    {true, true, "の", ""},     // 2 前（の）
    {true, true, "入り", ""},   // 3 前（入）
    {true, true, "", ""},       // 4: no recipe
    {true, false, "", ""},      // 5 後
    {true, false, "", "添え"},  // 6 後（添）
}};

const NamingForm& FormOf(int naming) {
    if (naming < 0 || naming >= static_cast<int>(kNamingForms.size())) return kNamingForms[0];
    return kNamingForms[static_cast<std::size_t>(naming)];
}

std::string JoinWithTo(const Names& names) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) out += "と";
        out += names[i];
    }
    return out;
}

const std::string& NameOf(const FoodDef* def) {
    static const std::string kNone;
    return def != nullptr ? def->name : kNone;
}

Names NodeNames(const DishNodeList& nodes) {
    Names names;
    names.reserve(nodes.size());
    for (const FoodNode* node : nodes) names.push_back(NameOf(node->def));
    return names;
}

std::string Compose(const Recipe& recipe, const Names& extra, const Names& mixed_in,
                    const MissingRowList& missing) {
    std::string out;
    if (!mixed_in.empty()) {
        out += JoinWithTo(mixed_in);
        if (recipe.naming != kNamingNoRecipe) out += "入り";
    }
    if (!missing.empty()) {
        Names missing_names;
        for (const RecipeIngredient* row : missing) missing_names.push_back(row->name);
        out += JoinWithTo(missing_names) + "なし";
    }
    const NamingForm& form = FormOf(recipe.naming);
    if (extra.empty() || !form.names_extras) return out + recipe.name;
    if (form.extras_first) return out + JoinWithTo(extra) + form.between + recipe.name;
    return out + recipe.name + JoinWithTo(extra) + form.after;
}

}  // namespace

std::string ComposeDishName(const Recipe& recipe, const DishNodeList& extra,
                            const DishNodeList& mixed_in, const MissingRowList& missing) {
    return Compose(recipe, NodeNames(extra), NodeNames(mixed_in), missing);
}

std::string ComposeDishNameShort(const Recipe& recipe, const DishNodeList& extra,
                                 const DishNodeList& mixed_in, const MissingRowList& missing) {
    return Compose(recipe, GroupByCategory(extra), GroupByCategory(mixed_in), missing);
}

std::vector<std::string> GroupByCategory(const DishNodeList& nodes) {
    Names names;
    std::vector<bool> used(nodes.size(), false);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (used[i]) continue;
        const FoodCategory* parent = nodes[i]->def ? nodes[i]->def->parent : nullptr;
        bool grouped = false;
        for (std::size_t j = i + 1; j < nodes.size() && parent != nullptr; ++j) {
            if (!used[j] && nodes[j]->def != nullptr && nodes[j]->def->parent == parent) {
                used[j] = true;
                grouped = true;
            }
        }
        names.push_back(grouped ? parent->name : NameOf(nodes[i]->def));
    }
    return names;
}

std::string NameDish(const std::string& prefix, const Recipe& recipe, const DishNodeList& extra,
                     const DishNodeList& mixed_in, const MissingRowList& missing) {
    std::string name = prefix + ComposeDishName(recipe, extra, mixed_in, missing);
    if (name.size() <= kDishNameLimit) return name;
    name = prefix + ComposeDishNameShort(recipe, extra, mixed_in, missing);
    if (name.size() <= kDishNameLimit) return name;
    name = prefix + "ごちゃまぜ" + recipe.name;
    if (name.size() <= kDishNameLimit) return name;
    return "シェフの気まぐれごちゃまぜ" + recipe.name;
}
