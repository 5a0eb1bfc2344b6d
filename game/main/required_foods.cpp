#include "game/main/required_foods.h"

#include <algorithm>

#include "events/chains/chain_foods.h"
#include "events/contest/contest_table.h"
#include "events/day/opening_dish.h"
#include "events/month/recipe_rewards.h"
#include "events/visitors/visit_foods.h"
#include "game/clock/spoiling.h"
#include "game/economy/item_table.h"
#include "game/economy/shares.h"
#include "game/food/food_def.h"
#include "game/rules/play_state.h"

const FoodGoodsList kFoodGoodsLists[7] = {
    {1, {"トマト", "タマネギ", "キャベツ", "シイタケ"}},
    {2, {"りんご", "いちご", "レモン"}},
    {3, {"卵", "鶏肉", "豚肉", "牛肉"}},
    {4, {"砂糖", "ミルク", "小麦粉", "米"}},
    {5, {"唐辛子", "にがり", "胡椒", "バジル", "万能酵母", "かんすい"}},
    {6, {"大豆", "中豆", "小豆"}},
    {7, {"楽園りんご", "化け猫の骨", "エメラルドキャベツ", "おおとろ", "メモリーパロット"}},
};

const ItemGoodsList kItemGoodsLists[4] = {
    {8,
     {"客寄せパンダ", "快眠ブレスレット", "オイルポット", "ガッツリング", "魔法の壺", "水晶の窯"}},
    {9, {"鉄のナベ", "銀のナベ", "金のナベ", "ラードポット", "ドリームポット"}},
    {11,
     {"フリスエプロン", "毛皮のコート", "魔法のベスト", "白のエプロン", "鉛の靴", "羽の靴",
      "風の靴", "翼の靴", "銀の髪飾り"}},
    {12,
     {"アクセル", "フレイムカッター", "エクスプロード", "トレーサー", "スリーピング",
      "サンダーレイ"}},
};

const WornItem kStartKitWorn[5] = {
    {kEquipMagic1, "マジックシード"},   {kEquipMagic1 + 1, "キノコの根性"},
    {kEquipClothing, "エプロン"},       {kEquipShoes, "革の靴"},
    {kEquipAccessory1, "赤いスカーフ"},
};
const char* const kStartKitOwned[2] = {"包丁", "フライパン"};

const char* const kStartingFoods[5] = {"ゼルバワラビ", "ゼルゼルダケ", "卵", "ミルク", "小麦粉"};

std::vector<std::string> MissingRequiredFoods() {
    std::vector<std::string> missing;
    auto need = [&missing](const char* name) {
        if (FindFoodDef(name)) return;
        if (std::find(missing.begin(), missing.end(), name) == missing.end())
            missing.emplace_back(name);
    };
    for (const FoodGoodsList& goods : kFoodGoodsLists)
        for (const char* name : goods.names) need(name);
    for (const char* name : kStartingFoods) need(name);
    need(kMemoryFoodFirst);
    need(kMemoryFoodSecond);
    for (const std::string& name : MissingSpoilingEntries()) missing.push_back(name);
    for (const std::string& name : MissingShareProducts())
        if (std::find(missing.begin(), missing.end(), name) == missing.end())
            missing.push_back(name);
    auto need_item = [&missing](const char* name) {
        if (!FindItemRow(name)) missing.emplace_back(name);
    };
    for (const ItemGoodsList& goods : kItemGoodsLists)
        for (const char* name : goods.names) need_item(name);
    for (const WornItem& worn : kStartKitWorn) need_item(worn.name);
    for (const char* name : kStartKitOwned) need_item(name);
    // What the visitors bring and the story of Cherry's illness turns on.
    for (const char* name : kNeighbourVegetables) need(name);
    for (const char* name : kChainFoods) need(name);
    // The contests' provided ingredients and their prizes.
    for (const char* name : kContestIngredients) need(name);
    for (int contest = 0; contest < kContestCount; ++contest) {
        const ContestRow& row = *FindContestRow(contest);
        for (int choice = 0; choice < PrizeCount(row); ++choice) {
            const ContestPrize& prize = ContestPrizeOf(row, choice);
            if (prize.kind == PrizeKind::kFood) need(prize.name);
            if (prize.kind == PrizeKind::kItem) need_item(prize.name);
        }
    }
    // The day's scenes: the opening's dish, and what ゼルバ gives for invented recipes.
    need(kOpeningDish);
    for (const RecipeReward& reward : RecipeRewardTable()) {
        if (reward.kind == kRewardFood)
            need(reward.name);
        else
            need_item(reward.name);
    }
    return missing;
}

std::string MissingNamesMessage(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        if (!text.empty()) text += "、";
        text += name;
    }
    return text + " がありません";
}
