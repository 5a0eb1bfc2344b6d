#include "events/month/recipe_rewards.h"

#include "game/data/recipe_book.h"
#include "game/main/required_names.h"

namespace {

constexpr std::array<RecipeReward, kRecipeRewardCount> kRewards = {{
    {kRewardItem, "レシピ帳", 1,
     "ここに、開発したレシピを記入していくといい\n昔のレシピを店のメニューに加えることもできるぞ\f"
     "今後、過去のレシピは『作戦』から見られるようになるからな"},
    {kRewardItem, "食材図鑑", 1,
     "これがあれば、これまでに入手したことのある食材を『作戦』から確認できるぞ\n"},
    {kRewardFood, "万能酵母", 20, "万能酵母には様々な利用方法があるぞ\n使いこなせるかな"},
    {kRewardFood, "ミント", 20, ""},
    {kRewardFood, "クミン", 20, ""},
    {kRewardFood, "月光もやし", 20, ""},
    {kRewardFood, "黄金小麦粉", 20, ""},
    {kRewardFood, "楽園りんご", 20, ""},
    {kRewardFood, "白銀米", 20, ""},
    {kRewardFood, "エメラルドキャベツ", 20, ""},
    {kRewardItem, "オーブン", 1, ""},
    {kRewardItem, "客寄せパンダ", 1, ""},
    {kRewardItem, "オイルポット", 1, ""},
    {kRewardItem, "招き猫", 1, ""},
    {kRewardItem, "ガッツリング", 1, ""},
    {kRewardItem, "看板娘だすき", 1, ""},
    {kRewardItem, "アロマボトル", 1, ""},
    {kRewardItem, "レンガの窯", 1, ""},
    {kRewardItem, "ふかふかベッド", 1, ""},
    {kRewardItem, "テキパキ絨毯", 1, ""},
    {kRewardItem, "聖なる包丁", 1, ""},
    {kRewardItem, "超ガッツリング", 1, ""},
    {kRewardItem, "七福神", 1, ""},
    {kRewardItem, "ドリームポット", 1, ""},
    {kRewardItem, "ヒーリングライト", 1, ""},
    {kRewardItem, "天使のベッド", 1, ""},
    {kRewardItem, "韋駄天絨毯", 1, ""},
    {kRewardItem, "エクスカリバー", 1, "これは、真の勇者のみが持つことを許される包丁だ"},
}};

}  // namespace

const std::array<RecipeReward, kRecipeRewardCount>& RecipeRewardTable() { return kRewards; }

unsigned RecipeRewardThreshold(std::size_t book_size, int level) {
    // Unsigned 32-bit arithmetic, rounded down, as the thresholds have always been counted.
    const auto inventable =
        static_cast<std::uint32_t>(book_size) - static_cast<std::uint32_t>(kPlainIngredientCount);
    return inventable * static_cast<std::uint32_t>(level + 1) / kRecipeRewardCount;
}

bool RecipeRewardDue(std::size_t book_size, int known, int level) {
    // A book of plain ingredients only would wrap the count of recipes to invent round.
    if (book_size <= static_cast<std::size_t>(kPlainIngredientCount)) return false;
    // With fewer recipes to invent than rewards the last threshold can be reached, but there
    // is no reward past the last row.
    if (level < 0 || level >= kRecipeRewardCount) return false;
    return known >= 0 && static_cast<unsigned>(known) >= RecipeRewardThreshold(book_size, level);
}

void AddMonthNames(RequiredNames& names) {
    for (const RecipeReward& reward : kRewards)
        if (reward.kind == kRewardFood) names.AddFood(reward.name, FoodRole::kIngredient);
    for (const RecipeReward& reward : kRewards)
        if (reward.kind == kRewardItem) names.AddItem(reward.name);
}
