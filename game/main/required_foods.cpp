#include "game/main/required_foods.h"

#include <algorithm>

#include "game/food/food_def.h"

const FoodGoodsList kFoodGoodsLists[7] = {
    {1, {"トマト", "タマネギ", "キャベツ", "シイタケ"}},
    {2, {"りんご", "いちご", "レモン"}},
    {3, {"卵", "鶏肉", "豚肉", "牛肉"}},
    {4, {"砂糖", "ミルク", "小麦粉", "米"}},
    {5, {"唐辛子", "にがり", "胡椒", "バジル", "万能酵母", "かんすい"}},
    {6, {"大豆", "中豆", "小豆"}},
    {7, {"楽園りんご", "化け猫の骨", "エメラルドキャベツ", "おおとろ", "メモリーパロット"}},
};

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
