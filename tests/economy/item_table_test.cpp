// The item table: the names the game asks for by name, the records it makes, and the rows other
// tables lean on.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "game/economy/item_table.h"
#include "game/economy/shares.h"

namespace {

TEST(ItemTable, NamesAreUniqueAndFitAnItemRecord) {
    std::set<std::string> names;
    for (const ItemRow& row : ItemTable()) {
        EXPECT_LT(std::strlen(row.name), static_cast<std::size_t>(CItem::kNameBytes)) << row.name;
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        EXPECT_GE(row.kind, kItemProperty);
        EXPECT_LE(row.kind, kItemUtensil);
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(kItemCount));
}

TEST(ItemTable, ARecordCarriesItsRowKindPriceAndName) {
    for (int id = 0; id < kItemCount; ++id) {
        const ItemRow& row = ItemTable()[static_cast<std::size_t>(id)];
        std::unique_ptr<CItem> item = CreateItemByName(row.name);
        ASSERT_TRUE(item) << row.name;
        EXPECT_EQ(item->id, id);
        EXPECT_EQ(item->kind, row.kind);
        EXPECT_EQ(item->price, row.price);
        EXPECT_STREQ(item->GetName(), row.name);
        EXPECT_EQ(item->reserved, 0);
    }
    EXPECT_EQ(CreateItemByName("包丁 "), nullptr);
    EXPECT_EQ(CreateItemByName(""), nullptr);
    EXPECT_EQ(CreateItemByName("存在しない品"), nullptr);
}

TEST(ItemTable, TextsAreKeptToTheByte) {
    struct Case {
        int id;
        const char* name;
        int price, kind, value;
        const char* description;
    } cases[] = {
        {0, "包丁", 500, 5, 1, "料理人の証　加工に利用する"},
        {16, "エクスカリバー", 10000000, 5, 4, "真の勇者のみが持つことを許される包丁"},
        {34, "アクセル", 10000, 1, 0, "ＭＰを消費して２倍の早さで動けます"},
        {40, "キノコの根性", 1000, 1, 0, "キノコが……"},
        {52, "輝きのローブ", 20000000, 2, 42, "美しい光を放っている"},
        {53, "鉛の靴", 10000, 3, -5, "重くて移動速度が遅くなる靴"},
        {65, "マジックリング", 300000, 4, 0, "ＭＰの回復量が増加する指輪"},
        {70, "光のペンタグラム", 0, 0, 0, "黒魔法を浄化し消滅させる紋章"},
    };
    for (const Case& c : cases) {
        const ItemRow& row = ItemTable()[static_cast<std::size_t>(c.id)];
        EXPECT_STREQ(row.name, c.name) << c.id;
        EXPECT_EQ(row.price, c.price) << c.id;
        EXPECT_EQ(row.kind, c.kind) << c.id;
        EXPECT_EQ(row.value, c.value) << c.id;
        EXPECT_STREQ(row.description, c.description) << c.id;
    }
}

TEST(ItemTable, UtensilValuesAreTheirMethodTiers) {
    const char* const tiers[][4] = {
        {"包丁", "匠の包丁", "聖なる包丁", "エクスカリバー"},
        {"フライパン", "オーブン", "レンガの窯", "水晶の窯"},
        {"鉄のナベ", "銀のナベ", "金のナベ", "伝説のナベ"},
        {"オイルポット", "ラードポット", "ドリームポット", "神秘のポット"},
        {"魔法の壺", nullptr, nullptr, nullptr},
    };
    int utensils = 0;
    for (const auto& method : tiers) {
        for (int tier = 0; tier < 4 && method[tier]; ++tier) {
            const ItemRow* row = FindItemRow(method[tier]);
            ASSERT_NE(row, nullptr) << method[tier];
            EXPECT_EQ(row->kind, kItemUtensil) << method[tier];
            EXPECT_EQ(row->value, tier + 1) << method[tier];
            ++utensils;
        }
    }
    int kind5 = 0;
    for (const ItemRow& row : ItemTable()) kind5 += row.kind == kItemUtensil;
    EXPECT_EQ(kind5, utensils);
}

TEST(ItemTable, EachShareIsAPropertyThatNamesItsProduct) {
    for (const ShareRecord& share : ShareTable()) {
        const ItemRow* row = FindItemRow(share.company);
        ASSERT_NE(row, nullptr) << share.company;
        EXPECT_EQ(row->kind, kItemProperty);
        EXPECT_EQ(std::string(row->description),
                  std::string("持っていると毎朝『") + share.product + "』が届きます");
    }
}

TEST(ItemTable, EveryNameTheGameAsksForIsThere) {
    const char* const names[] = {
        // the new game's worn kit and its utensils
        "マジックシード",
        "キノコの根性",
        "エプロン",
        "革の靴",
        "赤いスカーフ",
        "包丁",
        "フライパン",
        // the shops' item goods
        "客寄せパンダ",
        "快眠ブレスレット",
        "オイルポット",
        "ガッツリング",
        "魔法の壺",
        "水晶の窯",
        "鉄のナベ",
        "銀のナベ",
        "金のナベ",
        "ラードポット",
        "ドリームポット",
        "フリスエプロン",
        "毛皮のコート",
        "魔法のベスト",
        "白のエプロン",
        "鉛の靴",
        "羽の靴",
        "風の靴",
        "翼の靴",
        "銀の髪飾り",
        "アクセル",
        "フレイムカッター",
        "エクスプロード",
        "トレーサー",
        "スリーピング",
        "サンダーレイ",
        // lasting effects, worn accessories the rules ask about, and the cold store
        "レシピ帳",
        "食材図鑑",
        "ふかふかベッド",
        "天使のベッド",
        "アロマボトル",
        "ヒーリングライト",
        "テキパキ絨毯",
        "韋駄天絨毯",
        "招き猫",
        "七福神",
        "看板娘だすき",
        "超ガッツリング",
        "魔女の冷蔵庫",
    };
    for (const char* name : names) EXPECT_NE(FindItemRow(name), nullptr) << name;
}

}  // namespace
