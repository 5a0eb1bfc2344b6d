#include <gtest/gtest.h>

#include <set>

#include "engine/data/qz_file.h"
#include "game/data/file_key.h"
#include "game/food/food.h"
#include "game/food/food_category.h"
#include "game/food/food_records.h"
#include "game/food/ingredient_names.h"
#include "tests/food/food_fixture.h"

namespace {

using food_test::CatalogueTest;

std::unique_ptr<FoodNode> Node(FoodDef* def, float amount, int taste, int quality = 100) {
    return std::make_unique<FoodNode>(def, amount, taste, quality, 0, 1);
}

TEST(FoodCategoryTest, TreeHasTheTwentyTwoNodesUnderTheRoot) {
    const FoodCategoryTable& table = FoodCategories();
    EXPECT_EQ(table[kCategoryAll]->name, "全");
    EXPECT_EQ(table[kCategoryAll]->parent, nullptr);
    EXPECT_EQ(table[kCategoryOther]->name, "その他");
    EXPECT_EQ(table[kCategoryFish]->parent, table[kCategoryMeat]);
    EXPECT_EQ(table[kCategoryJapanese]->parent, table[kCategoryMainDish]);
    for (const FoodCategory* node : table) EXPECT_TRUE(IsInCategory(node, "全")) << node->name;
    EXPECT_EQ(FindFoodCategory("冬野菜"), table[kCategoryWinterVegetable]);
    EXPECT_EQ(FindFoodCategory("トマト"), nullptr);
}

TEST_F(CatalogueTest, AnEntryIsInItsOwnNameItsParentEntriesAndEveryCategoryAbove) {
    FoodDef* tomato = Entry("トマト", "夏野菜");
    FoodDef* cabbage = Entry("キャベツ", "野菜");
    FoodDef* emerald = Entry("エメラルドキャベツ", cabbage);
    EXPECT_TRUE(IsInCategory(tomato, "野菜"));
    EXPECT_TRUE(IsInCategory(tomato, "植物"));
    EXPECT_TRUE(IsInCategory(emerald, "野菜"));
    EXPECT_TRUE(IsInCategory(emerald, "キャベツ"));
    EXPECT_TRUE(IsInCategory(emerald, "エメラルドキャベツ"));
    EXPECT_FALSE(IsInCategory(cabbage, "エメラルドキャベツ"));
    EXPECT_FALSE(IsInCategory(tomato, "冬野菜"));
    EXPECT_FALSE(IsInCategory(nullptr, "全"));
    EXPECT_EQ(FindFoodDef("キャベツ"), cabbage);
    EXPECT_EQ(FindFoodDef("レタス"), nullptr);
}

TEST_F(CatalogueTest, FromDefMakesOneBoughtUnitWithOneNodeOfTheEntry) {
    FoodDef* def = Entry("レモン", "果物", 7, 80, 100.0f, 14);
    def->taste_percent = 150;
    auto food = Food::FromDef(def);
    EXPECT_EQ(food->name, "レモン");
    EXPECT_EQ(food->taste, 10);  // 7 × 150 / 100
    EXPECT_EQ(food->cost, 80);
    EXPECT_EQ(food->days, 14);
    EXPECT_FLOAT_EQ(food->amount, 1.0f);
    EXPECT_EQ(food->price_percent, 100);
    ASSERT_EQ(food->children.size(), 1u);
    const FoodNode& node = *food->children[0];
    EXPECT_EQ(node.def, def);
    EXPECT_EQ(node.taste, 7);
    EXPECT_EQ(node.quality, 100);
    EXPECT_EQ(node.flag, 1);
}

TEST(FoodTest, PriceAndSameKind) {
    Food food;
    food.cost = 99;
    food.price_percent = 150;
    EXPECT_EQ(food.Price(), 148);
    food.cost = -99;
    EXPECT_EQ(food.Price(), -148);  // signed division truncates toward zero

    Food a, b;
    a.name = b.name = "カレー";
    EXPECT_TRUE(a.SameKind(b));
    b.amount = 7.0f;  // amounts do not matter
    EXPECT_TRUE(a.SameKind(b));
    struct Change {
        const char* what;
        void (*apply)(Food&);
    };
    const Change changes[] = {
        {"name", [](Food& f) { f.name = "シチュー"; }},
        {"taste", [](Food& f) { f.taste = 1; }},
        {"cost", [](Food& f) { f.cost = 1; }},
        {"days", [](Food& f) { f.days = 3; }},
    };
    for (const Change& change : changes) {
        Food c;
        c.name = "カレー";
        change.apply(c);
        EXPECT_FALSE(a.SameKind(c)) << change.what;
    }
}

TEST_F(CatalogueTest, CopyWithAFactorTakesTheAmountAndDeepCopiesTheComposition) {
    FoodDef* def = Entry("卵", "卵");
    auto original = Food::FromDef(def);
    original->amount = 4.0f;
    original->on_menu = 1;
    original->children[0]->children.push_back(Node(def, 2.0f, 5));
    Food copy(*original, 0.5f);
    EXPECT_FLOAT_EQ(copy.amount, 0.5f);
    EXPECT_EQ(copy.on_menu, 0);
    ASSERT_EQ(copy.children.size(), 1u);
    copy.children[0]->children[0]->amount = 9.0f;
    EXPECT_FLOAT_EQ(original->children[0]->children[0]->amount, 2.0f);
}

TEST_F(CatalogueTest, NormalizeTurnsGramsIntoUnitsWithAPerUnitCostAndParts) {
    FoodDef* def = Entry("ごはん", "和食");
    FoodDef* rice = Entry("米", "植物");
    Food dish;
    dish.def = def;
    dish.amount = 300.0f;  // grams
    dish.cost = 600;       // the whole pot
    // The parts hold the whole pot: two units of the dish's own node made of three of rice.
    auto node = Node(def, 2.0f, 20);
    node->children.push_back(Node(rice, 3.0f, 20));
    dish.children.push_back(std::move(node));
    dish.Normalize(150.0f);
    EXPECT_FLOAT_EQ(dish.amount, 2.0f);
    EXPECT_EQ(dish.cost, 300);
    // Per unit of the dish, as a bought food's node is: a copy of one unit then weighs what
    // one unit of the dish weighs.
    EXPECT_FLOAT_EQ(dish.children[0]->amount, 1.0f);
    EXPECT_FLOAT_EQ(dish.children[0]->children[0]->amount, 1.5f);

    // Nothing to divide by leaves the values as they are.
    Food weightless;
    weightless.amount = 3.0f;
    weightless.cost = 90;
    weightless.Normalize(0.0f);
    EXPECT_FLOAT_EQ(weightless.amount, 3.0f);
    EXPECT_EQ(weightless.cost, 90);
    Food empty;
    empty.amount = 0.0f;
    empty.cost = 90;
    empty.Normalize(100.0f);
    EXPECT_FLOAT_EQ(empty.amount, 0.0f);
    EXPECT_EQ(empty.cost, 90);
}

TEST_F(CatalogueTest, AddNodeMergesASameNamedNodeByWeightedMeans) {
    FoodDef* meat = Entry("牛肉", "肉");
    FoodDef* salt = Entry("塩", "調味料");
    FoodDef* pepper = Entry("胡椒", "調味料");
    Food food;
    auto a = Node(meat, 1.0f, 10, 100);
    a->children.push_back(Node(salt, 1.0f, 2, 100));
    EXPECT_TRUE(food.AddNode(std::move(a)));

    auto b = Node(meat, 3.0f, 30, 60);
    b->children.push_back(Node(salt, 1.0f, 4, 50));
    b->children.push_back(Node(pepper, 2.0f, 8));
    EXPECT_FALSE(food.AddNode(std::move(b)));

    ASSERT_EQ(food.children.size(), 1u);
    const FoodNode& merged = *food.children[0];
    EXPECT_FLOAT_EQ(merged.amount, 4.0f);
    EXPECT_EQ(merged.quality, 70);  // (60 × 3 + 100 × 1) / 4
    EXPECT_EQ(merged.taste, 25);    // (30 × 3 + 10 × 1) / 4
    ASSERT_EQ(merged.children.size(), 2u);
    EXPECT_FLOAT_EQ(merged.children[0]->amount, 2.0f);
    EXPECT_EQ(merged.children[0]->quality, 75);
    EXPECT_EQ(merged.children[0]->taste, 3);
    EXPECT_EQ(merged.children[1]->def, pepper);

    // A scaled merge scales the incoming side, appended children included.
    FoodNode target(meat, 1.0f, 10, 100, 0, 1);
    FoodNode source(meat, 1.0f, 40, 100, 0, 1);
    source.children.push_back(Node(pepper, 1.0f, 8));
    target.MergeFrom(source, 2.0f);
    EXPECT_FLOAT_EQ(target.amount, 3.0f);
    EXPECT_EQ(target.taste, 30);  // (40 × 2 + 10) / 3
    EXPECT_FLOAT_EQ(target.children[0]->amount, 2.0f);

    // Two empty nodes have nothing to weigh: the values stay, nothing divides by zero.
    FoodNode zero(meat, 0.0f, 10, 90, 0, 1);
    zero.MergeFrom(FoodNode(meat, 0.0f, 50, 10, 0, 1), 1.0f);
    EXPECT_EQ(zero.taste, 10);
    EXPECT_EQ(zero.quality, 90);
    EXPECT_FLOAT_EQ(zero.amount, 0.0f);
}

TEST_F(CatalogueTest, FindDefTestsTheOwnEntryThenTheChildrenSkippingUsedOnes) {
    FoodDef* dish = Entry("親子丼", "和食");
    FoodDef* chicken = Entry("鶏肉", "肉");
    FoodDef* beef = Entry("牛肉", "肉");
    Food food;
    food.def = dish;
    food.children.push_back(Node(chicken, 1.0f, 1));
    food.children.push_back(Node(beef, 1.0f, 1));
    EXPECT_EQ(food.FindDef("和食"), dish);
    EXPECT_EQ(food.FindDef("肉"), chicken);
    std::set<const FoodDef*> used = {chicken};
    EXPECT_EQ(food.FindDef("肉", &used), beef);
    used.insert(beef);
    EXPECT_EQ(food.FindDef("肉", &used), nullptr);
    EXPECT_EQ(food.FindDef("魚"), nullptr);
}

TEST_F(CatalogueTest, PruneDropsTracesWorthLessThanOneAndMasteryNeedsEveryLeaf) {
    FoodDef* salt = Entry("塩", "調味料", 2, 5);
    FoodDef* free_water = Entry("水", "液体", 0, 0);
    FoodDef* rice = Entry("米", "植物", 16, 40);
    Food food;
    food.children.push_back(Node(salt, 0.1f, 2));         // 0.5 money: a trace
    food.children.push_back(Node(salt, 0.2f, 2));         // 1.0 money: kept
    food.children.push_back(Node(free_water, 0.01f, 0));  // no price: kept
    food.children.push_back(Node(rice, 1.0f, 16));
    food.PruneTraceNodes();
    ASSERT_EQ(food.children.size(), 3u);
    EXPECT_FLOAT_EQ(food.children[0]->amount, 0.2f);

    salt->mastered = free_water->mastered = 1;
    EXPECT_FALSE(food.IsMastered());
    rice->mastered = 1;
    EXPECT_TRUE(food.IsMastered());
    auto inner = Node(rice, 1.0f, 16);
    inner->children.push_back(Node(Entry("酢", "調味料"), 1.0f, 1));
    food.children.push_back(std::move(inner));
    EXPECT_FALSE(food.IsMastered());  // an inner node is only as mastered as its leaves
}

TEST(IngredientNamesTest, ShopSlicesCoverTheTableInOrder) {
    int next = 0;
    for (const IngredientSlice& slice : kShopSlices) {
        EXPECT_EQ(slice.first, next);
        next += slice.count;
    }
    EXPECT_EQ(next, kIngredientNameCount);
    const struct {
        FoodShop shop;
        const char* first;
        const char* last;
    } ends[] = {
        {FoodShop::kGreengrocer, "ゼルバワラビ", "キャビア"},
        {FoodShop::kFruiterer, "いちご", "命の実"},
        {FoodShop::kButcher, "卵", "メモリーパロット"},
        {FoodShop::kGrocer, "砂糖", "究極の素"},
    };
    for (const auto& end : ends) {
        auto names = ShopIngredientNames(end.shop);
        EXPECT_STREQ(names.front(), end.first);
        EXPECT_STREQ(names.back(), end.last);
    }
}

// ---- records ----

class FoodRecordTest : public CatalogueTest {
protected:
    FoodRecordTest() {
        world.backend.services().folders.game = folder.path();
        world.backend.services().folders.data = folder.path();
        curry = Entry("カレー", "洋食", 90, 300, 300.0f, 2);
        meat = Entry("牛肉", "肉", 160, 400, 200.0f, 3);
        cumin = Entry("クミン", "調味料", 16, 40, 5.0f, 999);
    }

    std::string Path() const { return folder.path() + "/records.sav"; }

    // A dish with a two-level composition and every field away from its default.
    void FillDish(Food& dish) {
        dish.name = "牛肉カレー";
        dish.def = curry;
        dish.amount = 2.5f;
        dish.taste = 123;
        dish.cost = 456;
        dish.price_percent = 150;
        dish.days = 4;
        dish.method_weights = {1, 2, 100, 4, 5};
        dish.on_menu = 1;
        dish.method_code = 8;
        auto own = std::make_unique<FoodNode>(curry, 1.5f, 77, 130, 8, 1);
        own->children.push_back(std::make_unique<FoodNode>(cumin, 0.25f, 16, 120, 0, 1));
        dish.children.push_back(std::move(own));
        dish.children.push_back(std::make_unique<FoodNode>(meat, 0.75f, 160, 100, 0, 0));
    }

    static void ExpectSameNodes(const FoodNodeList& a, const FoodNodeList& b) {
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_EQ(a[i]->def, b[i]->def);
            EXPECT_FLOAT_EQ(a[i]->amount, b[i]->amount);
            EXPECT_EQ(a[i]->taste, b[i]->taste);
            EXPECT_EQ(a[i]->quality, b[i]->quality);
            EXPECT_EQ(a[i]->method, b[i]->method);
            EXPECT_EQ(a[i]->flag, b[i]->flag);
            ExpectSameNodes(a[i]->children, b[i]->children);
        }
    }
    static void ExpectSameFood(const Food& a, const Food& b) {
        EXPECT_EQ(a.name, b.name);
        EXPECT_EQ(a.def, b.def);
        EXPECT_FLOAT_EQ(a.amount, b.amount);
        EXPECT_EQ(a.taste, b.taste);
        EXPECT_EQ(a.cost, b.cost);
        EXPECT_EQ(a.price_percent, b.price_percent);
        EXPECT_EQ(a.days, b.days);
        EXPECT_EQ(a.method_weights, b.method_weights);
        EXPECT_EQ(a.on_menu, b.on_menu);
        EXPECT_EQ(a.method_code, b.method_code);
        ExpectSameNodes(a.children, b.children);
    }

    testing_support::HeadlessBackendInstalled world;
    testing_support::TempFolder folder;
    FoodDef* curry = nullptr;
    FoodDef* meat = nullptr;
    FoodDef* cumin = nullptr;
};

TEST_F(FoodRecordTest, FoodNodeAndMenuDishRecordsReadBackField_for_field) {
    Food dish;
    FillDish(dish);
    MenuDish menu_dish(dish, 1.0f);
    menu_dish.servable = 1;
    menu_dish.restock = 3;
    {
        CQZFile file;
        ASSERT_TRUE(file.Open(Path().c_str(), CQZFile::kWrite, vemu::kFileKey.data()));
        EXPECT_TRUE(WriteFoodRecord(file, dish));
        EXPECT_TRUE(WriteFoodNodeRecord(file, *dish.children[0]));
        EXPECT_TRUE(WriteMenuDishRecord(file, menu_dish));
        EXPECT_TRUE(file.Close());
    }
    CQZFile file;
    ASSERT_TRUE(file.Open(Path().c_str(), CQZFile::kRead, vemu::kFileKey.data()));
    Food food;
    ASSERT_EQ(ReadFoodRecord(file, food), FoodRecordResult::kOk);
    ExpectSameFood(food, dish);
    std::unique_ptr<FoodNode> node;
    ASSERT_EQ(ReadFoodNodeRecord(file, node), FoodRecordResult::kOk);
    FoodNodeList one;
    one.push_back(std::move(node));
    FoodNodeList expected;
    expected.push_back(std::make_unique<FoodNode>(*dish.children[0]));
    ExpectSameNodes(one, expected);
    MenuDish read_dish;
    ASSERT_EQ(ReadMenuDishRecord(file, read_dish), FoodRecordResult::kOk);
    ExpectSameFood(read_dish, menu_dish);
    EXPECT_EQ(read_dish.servable, 1);
    EXPECT_EQ(read_dish.restock, 3);
    EXPECT_EQ(file.Remaining(), 0);
}

TEST_F(FoodRecordTest, ARecordNamingAnUnknownEntryIsRefusedAndTheNextOneStillReads) {
    FoodDef* gone = Entry("幻の料理", "その他");
    Food unknown_dish;
    unknown_dish.name = "幻の料理";
    unknown_dish.def = gone;
    Food unknown_part;
    FillDish(unknown_part);
    unknown_part.children[0]->children.push_back(
        std::make_unique<FoodNode>(gone, 1.0f, 1, 100, 0, 1));
    Food good;
    FillDish(good);
    {
        CQZFile file;
        ASSERT_TRUE(file.Open(Path().c_str(), CQZFile::kWrite, vemu::kFileKey.data()));
        EXPECT_TRUE(WriteFoodRecord(file, unknown_dish));
        EXPECT_TRUE(WriteFoodRecord(file, unknown_part));
        EXPECT_TRUE(WriteFoodRecord(file, good));
        EXPECT_TRUE(file.Close());
    }
    // The entry is gone by the time the file is read (another version of the data files).
    auto& catalogue = GlobalFoodCatalogue();
    std::erase_if(catalogue, [&](const auto& def) { return def.get() == gone; });

    CQZFile file;
    ASSERT_TRUE(file.Open(Path().c_str(), CQZFile::kRead, vemu::kFileKey.data()));
    Food food;
    EXPECT_EQ(ReadFoodRecord(file, food), FoodRecordResult::kUnknownEntry);
    EXPECT_EQ(ReadFoodRecord(file, food), FoodRecordResult::kUnknownEntry);
    EXPECT_EQ(food.def, nullptr);  // nothing of the refused records was kept
    ASSERT_EQ(ReadFoodRecord(file, food), FoodRecordResult::kOk);
    ExpectSameFood(food, good);
    EXPECT_EQ(ReadFoodRecord(file, food), FoodRecordResult::kBroken);  // the end of the file
}

TEST_F(FoodRecordTest, AnImpossibleChildCountIsABrokenRecord) {
    {
        CQZFile file;
        ASSERT_TRUE(file.Open(Path().c_str(), CQZFile::kWrite, vemu::kFileKey.data()));
        file.WriteString("牛肉");
        file.WriteInt(0);
        file.WriteInt(1);
        file.WriteInt(100);
        file.WriteInt(0);
        file.WriteByte(1);
        file.WriteInt(0x7FFFFFFF);  // children
        EXPECT_TRUE(file.Close());
    }
    CQZFile file;
    ASSERT_TRUE(file.Open(Path().c_str(), CQZFile::kRead, vemu::kFileKey.data()));
    std::unique_ptr<FoodNode> node;
    EXPECT_EQ(ReadFoodNodeRecord(file, node), FoodRecordResult::kBroken);
    EXPECT_EQ(node, nullptr);
}

}  // namespace
