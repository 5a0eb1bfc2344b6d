#include "game/main/goods_lists.h"

#include "game/economy/item_table.h"
#include "game/food/food_def.h"
#include "game/rules/play_world.h"

const FoodGoodsList kFoodGoodsLists[7] = {
    {kGoodsGreengrocer, {"トマト", "タマネギ", "キャベツ", "シイタケ"}},
    {kGoodsFruiterer, {"りんご", "いちご", "レモン"}},
    {kGoodsButcher, {"卵", "鶏肉", "豚肉", "牛肉"}},
    {kGoodsGrocer, {"砂糖", "ミルク", "小麦粉", "米"}},
    {kGoodsRareFoods, {"唐辛子", "にがり", "胡椒", "バジル", "万能酵母", "かんすい"}},
    {kGoodsBeans, {"大豆", "中豆", "小豆"}},
    {kGoodsLuckyFoods,
     {"楽園りんご", "化け猫の骨", "エメラルドキャベツ", "おおとろ", "メモリーパロット"}},
};

const ItemGoodsList kItemGoodsLists[4] = {
    {kGoodsToolShopItems,
     {"客寄せパンダ", "快眠ブレスレット", "オイルポット", "ガッツリング", "魔法の壺", "水晶の窯"}},
    {kGoodsPans, {"鉄のナベ", "銀のナベ", "金のナベ", "ラードポット", "ドリームポット"}},
    {kGoodsWear,
     {"フリスエプロン", "毛皮のコート", "魔法のベスト", "白のエプロン", "鉛の靴", "羽の靴",
      "風の靴", "翼の靴", "銀の髪飾り"}},
    {kGoodsMagic,
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

void FillFoodGoods(PlayWorld& world) {
    for (auto& goods : world.food_goods) goods.clear();
    for (const FoodGoodsList& goods : kFoodGoodsLists) {
        std::vector<FoodDef*>& list = world.food_goods[static_cast<std::size_t>(goods.list)];
        for (const char* name : goods.names) list.push_back(FindFoodDef(name));
        if (goods.list <= kGoodsGrocer)
            for (FoodDef* def : list) def->mastered = 1;
    }
}

void FillItemGoods(PlayWorld& world) {
    for (auto& goods : world.item_goods) goods.clear();
    world.owned_goods_items.clear();
    for (const ItemGoodsList& goods : kItemGoodsLists) {
        for (const char* name : goods.names) {
            world.owned_goods_items.push_back(CreateItemByName(name));
            world.item_goods[static_cast<std::size_t>(goods.list)].push_back(
                world.owned_goods_items.back().get());
        }
    }
}
