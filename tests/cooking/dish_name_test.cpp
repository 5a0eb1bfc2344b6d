#include <gtest/gtest.h>

#include "game/cooking/dish_name.h"
#include "tests/cooking/cooking_fixture.h"

namespace {

// A name of `bytes` CP932 bytes: full-width letters, or half-width ones.
std::string NameOfBytes(std::size_t bytes, bool half_width) {
    std::string name;
    if (half_width) {
        for (std::size_t i = 0; i < bytes; ++i) name += "ｱ";
        return name;
    }
    for (std::size_t i = 0; i < bytes / 2; ++i) name += "ア";
    if (bytes % 2 != 0) name += "ｲ";
    return name;
}

class DishNameTest : public cooking_test::CookingTest {
protected:
    const FoodNode* NodeOf(FoodDef* def) {
        nodes.push_back(std::make_unique<FoodNode>(def, 1.0f, 10, 100, 0, 1));
        return nodes.back().get();
    }
    Recipe& RecipeNamed(const std::string& name, int naming = kNamingPlain) {
        return AddRecipe(Entry(name, "洋食"), kMethodBake, 100, naming);
    }

    FoodDef* shiitake = Entry("シイタケ", "キノコ");
    FoodDef* maitake = Entry("マイタケ", "キノコ");
    FoodDef* enoki = Entry("エノキ", "キノコ");
    FoodDef* tomato = Entry("トマト", "夏野菜");
    FoodDef* salt = Entry("塩", "調味料");
    std::vector<std::unique_ptr<FoodNode>> nodes;
};

TEST_F(DishNameTest, TheNamingCodePlacesTheExtras) {
    const struct {
        int naming;
        const char* name;
    } cases[] = {
        {0, "グラタン"},
        {1, "シイタケとトマトグラタン"},
        {2, "シイタケとトマトのグラタン"},
        {3, "シイタケとトマト入りグラタン"},
        {4, "シイタケとトマトグラタン"},
        {5, "グラタンシイタケとトマト"},
        {6, "グラタンシイタケとトマト添え"},
    };
    const DishNodeList extra = {NodeOf(shiitake), NodeOf(tomato)};
    Recipe& recipe = RecipeNamed("グラタン");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.naming);
        recipe.naming = c.naming;
        EXPECT_EQ(ComposeDishName(recipe, extra, {}, {}), c.name);
        EXPECT_EQ(ComposeDishName(recipe, {}, {}, {}), "グラタン") << "no extras";
    }
}

TEST_F(DishNameTest, MixedInAndMissingComeBeforeTheRecipePart) {
    Recipe& recipe = RecipeNamed("スープ", kNamingBeforeOf);
    RecipeIngredient egg;
    egg.name = "卵";
    RecipeIngredient leek;
    leek.name = "ネギ";
    EXPECT_EQ(ComposeDishName(recipe, {NodeOf(tomato)}, {NodeOf(salt)}, {&egg}),
              "塩入り卵なしトマトのスープ");
    EXPECT_EQ(ComposeDishName(recipe, {}, {NodeOf(salt), NodeOf(shiitake)}, {&egg, &leek}),
              "塩とシイタケ入り卵とネギなしスープ");

    Recipe none;  // cooking without a recipe
    none.naming = kNamingNoRecipe;
    EXPECT_EQ(ComposeDishName(none, {}, {NodeOf(shiitake), NodeOf(tomato), NodeOf(salt)}, {}),
              "シイタケとトマトと塩");
}

TEST_F(DishNameTest, TheShortFormNamesEntriesOfOneParentByTheParent) {
    FoodDef* cabbage = Entry("キャベツ", "野菜");
    FoodDef* emerald = Entry("エメラルドキャベツ", cabbage);
    FoodDef* silver = Entry("シルバーキャベツ", cabbage);
    const struct {
        const char* what;
        std::vector<FoodDef*> defs;
        std::vector<std::string> names;
    } cases[] = {
        {"three mushrooms", {shiitake, tomato, maitake, enoki}, {"キノコ", "トマト"}},
        {"different parents", {shiitake, tomato, salt}, {"シイタケ", "トマト", "塩"}},
        {"alone", {shiitake}, {"シイタケ"}},
        {"under an entry", {emerald, silver, cabbage}, {"キャベツ", "キャベツ"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DishNodeList list;
        for (FoodDef* def : c.defs) list.push_back(NodeOf(def));
        EXPECT_EQ(GroupByCategory(list), c.names);
    }
    Recipe& recipe = RecipeNamed("パスタ", kNamingAfterSide);
    EXPECT_EQ(ComposeDishNameShort(recipe, {NodeOf(shiitake), NodeOf(enoki)},
                                   {NodeOf(shiitake), NodeOf(maitake), NodeOf(salt)}, {}),
              "キノコと塩入りパスタキノコ添え");
}

TEST_F(DishNameTest, LongNamesFallBackAtFortyFourBytes) {
    // Two mushrooms of 8 bytes each: the full form spends 28 bytes of prefix and mix-ins, the
    // short form 16; a missing row of 20 bytes keeps the short form long.
    FoodDef* a = Entry(NameOfBytes(8, false), "キノコ");
    FoodDef* b = Entry(NameOfBytes(8, true), "キノコ");
    RecipeIngredient gone;
    gone.name = NameOfBytes(20, false);
    const std::string prefix = "ピリ辛";
    const struct {
        const char* what;
        std::size_t recipe_bytes;
        bool half_width;
        bool with_mix_ins;
        bool with_missing;
        int level;  // 1 full, 2 short, 3 ごちゃまぜ, 4 シェフの気まぐれ
    } cases[] = {
        {"full at 44", 38, false, false, false, 1},
        {"full at 45, short 33", 17, true, true, false, 2},
        {"short at 44", 28, false, true, false, 2},
        {"short at 45", 29, true, true, false, 4},
        {"ごちゃまぜ at 44", 28, true, true, true, 3},
        {"ごちゃまぜ at 45", 29, false, true, true, 4},
        {"nothing fits", 45, false, false, false, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string name = NameOfBytes(c.recipe_bytes, c.half_width);
        Recipe& recipe = RecipeNamed(name);
        const DishNodeList mixed =
            c.with_mix_ins ? DishNodeList{NodeOf(a), NodeOf(b)} : DishNodeList{};
        const MissingRowList missing = c.with_missing ? MissingRowList{&gone} : MissingRowList{};
        const std::string expected[] = {
            prefix + ComposeDishName(recipe, {}, mixed, missing),
            prefix + ComposeDishNameShort(recipe, {}, mixed, missing),
            prefix + "ごちゃまぜ" + name,
            "シェフの気まぐれごちゃまぜ" + name,
        };
        const std::string got = NameDish(prefix, recipe, {}, mixed, missing);
        EXPECT_EQ(got, expected[c.level - 1]);
        if (c.level < 4) {
            EXPECT_LE(got.size(), kDishNameLimit);
        }
    }
    EXPECT_EQ(NameDish(prefix, RecipeNamed("スープ"), {}, {NodeOf(a), NodeOf(b)}, {}),
              prefix + a->name + "と" + b->name + "入りスープ");
}

}  // namespace
