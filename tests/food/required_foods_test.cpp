// The names the game itself looks up in the catalogue are checked before play can need them.
#include "game/main/required_foods.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "engine/common/sjis.h"
#include "game/data/data_files.h"
#include "tests/food/food_fixture.h"

namespace {

using food_test::CatalogueTest;
using testing_support::Utf8;

std::string Sjis(const char8_t* text) { return sjis::FromUtf8(Utf8(text)); }

TEST_F(CatalogueTest, AnEmptyCatalogueLacksEveryRequiredNameOnce) {
    const std::vector<std::string> missing = MissingRequiredFoods();
    // Many names are asked for twice (卵 is both goods and a starting food, 砂糖 also a share's
    // product, キャベツ also a neighbour's gift): each is named once. The items are the game's
    // own, so none of them is missing.
    EXPECT_EQ(std::set<std::string>(missing.begin(), missing.end()).size(), missing.size());
    EXPECT_EQ(missing.front(), Sjis(u8"トマト"));
    EXPECT_EQ(missing[32], Sjis(u8"メモルボイルド"));
    EXPECT_EQ(missing[33], Sjis(u8"腐敗物"));
    EXPECT_EQ(missing[38], Sjis(u8"チーズ"));
    EXPECT_EQ(missing[39], Sjis(u8"ニンジン"));
    for (const char8_t* story : {u8"メモリアル", u8"カニ", u8"ゼルバ炒め", u8"白銀米"})
        EXPECT_NE(std::find(missing.begin(), missing.end(), Sjis(story)), missing.end());
    EXPECT_EQ(MissingNamesMessage({Sjis(u8"卵"), Sjis(u8"米")}), Sjis(u8"卵、米 がありません"));
}

TEST_F(CatalogueTest, TheBuiltDataHoldsEveryRequiredName) {
    testing_support::EngineWorld world;
    world.backend.services().folders.game = VEMU_GAME_DIR;
    RecipeBook book;
    ASSERT_TRUE(LoadDataFiles(book));
    EXPECT_TRUE(MissingRequiredFoods().empty());
}

TEST_F(CatalogueTest, OnlyTheLackingNamesAreReported) {
    const std::size_t all = MissingRequiredFoods().size();
    Entry(Sjis(u8"トマト"), Sjis(u8"夏野菜").c_str());
    const std::vector<std::string> missing = MissingRequiredFoods();
    EXPECT_EQ(missing.size(), all - 1);
    EXPECT_EQ(missing.front(), Sjis(u8"タマネギ"));
}

}  // namespace
