#include "game/economy/shares.h"

#include "game/food/food_def.h"
#include "game/rules/menu_queries.h"
#include "game/rules/pantry.h"

namespace {

constexpr std::array<ShareRecord, kShareCount> kShares = {{
    {"甘粉商事株", kShareAlwaysAvailable, "砂糖"},
    {"黒樽醤油株", kShareSoySauce, "醤油"},
    {"米丸味噌株", kShareMiso, "味噌"},
    {"呑塀酒造株", kShareSake, "酒"},
    {"佐井讃酢株", kShareVinegar, "酢"},
    {"牧場チーズ株", kShareCheese, "チーズ"},
}};

bool KnownRecipeIsA(const RecipeBook& book, const char* product) {
    for (const std::unique_ptr<Recipe>& recipe : book.recipes)
        if (recipe->def && recipe->def->known && FoodDefIsA(recipe->def, product)) return true;
    return false;
}

}  // namespace

const std::array<ShareRecord, kShareCount>& ShareTable() { return kShares; }

bool IsShareAvailable(const PlayState& state, const ShareRecord& share) {
    if (share.flag == kShareAlwaysAvailable) return true;
    return state.share_flags[static_cast<std::size_t>(share.flag)] != 0;
}

bool DeliverShareGoods(const PlayState& state, Kitchen& kitchen, CItemBag& bag) {
    bool delivered = false;
    for (const ShareRecord& share : kShares) {
        if (!IsShareAvailable(state, share)) continue;
        const int index = bag.FindItemIndex(share.company);
        if (index < 0) continue;
        const int held = bag.GetEntryAt(index)->count;
        FoodDef* product = FindFoodDef(share.product);
        // A count of 0 would store one unit of its own.
        if (held <= 0 || !product) continue;
        AddFood(kitchen, product, static_cast<float>(held));
        delivered = true;
    }
    return delivered;
}

const ShareRecord* FindFoundableShare(const PlayState& state, const RecipeBook& book) {
    for (const ShareRecord& share : kShares)
        if (!IsShareAvailable(state, share) && KnownRecipeIsA(book, share.product)) return &share;
    return nullptr;
}
