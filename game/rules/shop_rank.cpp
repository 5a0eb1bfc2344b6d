#include "game/rules/shop_rank.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr int kSpecialtyBonus = 20;

struct Vote {
    std::string_view name;
    int score = 0;
};

// A dish votes for its own entry (5), its parent (4), then 3, 2 and 1 for every further
// ancestor; votes add up by name in order of first appearance.
void CastVotes(const FoodDef& dish, std::vector<Vote>& votes) {
    int weight = 5;
    for (const FoodCategory* node = &dish; node; node = node->parent) {
        auto it = votes.begin();
        while (it != votes.end() && it->name != node->name) ++it;
        if (it == votes.end()) it = votes.insert(it, Vote{node->name, 0});
        it->score += weight;
        if (weight > 1) --weight;
    }
}

// The strongest vote above a single dish's own 5; on a tie the earlier one.
const Vote* Winner(const std::vector<Vote>& votes) {
    const Vote* best = nullptr;
    for (const Vote& vote : votes) {
        if (vote.score > 5 && (!best || vote.score > best->score)) best = &vote;
    }
    return best;
}

std::string_view SizeWord(int rank) {
    static constexpr std::array<std::pair<int, std::string_view>, 6> kBelow = {{
        {5, "小さな"},
        {10, "ささやかな"},
        {20, "普通の"},
        {30, "賑やかな"},
        {40, "大きな"},
        {50, "人気の"},
    }};
    for (const auto& [limit, word] : kBelow) {
        if (rank < limit) return word;
    }
    return "有名な";
}

// The shop kind for the winning name and whether it is a specialty shop.
std::pair<std::string, bool> ShopKind(const Vote* best) {
    static constexpr std::array<std::string_view, 3> kGeneral = {"全", "主菜", "その他"};
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kNamed = {{
        {"ドリンク", "喫茶店"},
        {"デザート", "甘味処"},
    }};
    if (!best) return {"食堂", false};
    for (std::string_view general : kGeneral) {
        if (best->name == general) return {"食堂", false};
    }
    for (const auto& [name, kind] : kNamed) {
        if (best->name == name) return {std::string(kind), true};
    }
    return {std::string(best->name) + "屋", true};
}

}  // namespace

int RestaurantRank(const PlayState& state, const Kitchen& kitchen, const DishMeasure& dish_score) {
    int total = 0;
    for (const std::unique_ptr<MenuDish>& dish : kitchen.menu) total += dish_score(*dish);
    return state.contests_won + total / 20 + 1;
}

void BuildShopStatusText(PlayState& state, const Kitchen& kitchen, const DishMeasure& dish_score) {
    std::vector<Vote> votes;
    for (const std::unique_ptr<MenuDish>& dish : kitchen.menu) {
        if (dish->def) CastVotes(*dish->def, votes);
    }
    const auto [kind, specialty] = ShopKind(Winner(votes));
    state.specialty_bonus = specialty ? kSpecialtyBonus : 0;
    state.status_text = "【";
    state.status_text += SizeWord(RestaurantRank(state, kitchen, dish_score));
    state.status_text += kind;
    state.status_text += "】";
}

int GetHonorThreshold(const PlayState& state) {
    return static_cast<int>(state.reputation * 5.0 - state.specialty_bonus);
}
