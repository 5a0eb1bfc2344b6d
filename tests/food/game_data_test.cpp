// The game's own data files, as the build made them, read through the real loader: every rule
// the reader, the cooking and the story rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/common/game_path.h"
#include "engine/common/sjis.h"
#include "engine/data/cipher_stream.h"
#include "engine/graphics/direct_graphics.h"
#include "engine/graphics/glyph_source.h"
#include "engine/graphics/text_layout.h"
#include "game/cooking/dish_name.h"
#include "game/cooking/dish_resolver.h"
#include "game/cooking/recipe_match.h"
#include "game/data/data_files.h"
#include "game/data/file_key.h"
#include "game/economy/shares.h"
#include "game/food/ingredient_names.h"
#include "game/main/draw_text.h"
#include "game/main/goods_lists.h"
#include "game/main/required_names.h"
#include "game/panels/panel_text.h"
#include "platform/common/font_face.h"
#include "tests/food/food_fixture.h"

namespace {

std::string U(const std::string& cp932) { return sjis::ToUtf8(cp932); }

class GameDataTest : public food_test::CatalogueTest {
protected:
    void SetUp() override {
        const char* dir = std::getenv("VEMU_GAME_DIR");
        world.backend.services().folders.game = dir ? dir : VEMU_GAME_DIR;
        if (!gamepath::Exists(kRecipeFileName) || !gamepath::Exists(kBonusFileName)) {
            GTEST_SKIP() << "dat/vemu01.edt and dat/vemu02.edt are not built in "
                         << world.backend.services().folders.game
                         << " (build the vemu_recipe_data target)";
        }
        ASSERT_TRUE(LoadDataFiles(book));
        ASSERT_TRUE(world.backend.dialogs.boxes.empty());
        for (std::size_t i = 0; i < GlobalFoodCatalogue().size(); ++i)
            index[GlobalFoodCatalogue()[i].get()] = static_cast<int>(i);
    }

    FoodDef* Def(const char* name) {
        FoodDef* def = FindFoodDef(name);
        EXPECT_NE(def, nullptr) << U(name) << " is missing from the catalogue";
        return def;
    }
    std::vector<const Recipe*> RecipesOf(const FoodDef* def) const {
        std::vector<const Recipe*> out;
        for (const auto& recipe : book.recipes)
            if (recipe->def == def) out.push_back(recipe.get());
        return out;
    }
    bool IsIngredient(const FoodDef* def) const {
        auto it = index.find(def);
        return it != index.end() && it->second < kPlainIngredientCount;
    }

    const Recipe* Best(int method, std::vector<const char*> names) {
        FoodPot pot;
        for (const char* name : names) {
            FoodDef* def = Def(name);
            if (def == nullptr) return nullptr;
            pot.push_back(Food::FromDef(def));
        }
        return FindBestRecipe(book, method, pot);
    }
    // One bought unit for each row up to a requirement, each of another entry: the row's own
    // entry, or the first plain ingredient in its category.
    FoodPot RowPot(const Recipe& recipe, int up_to) const {
        FoodPot pot;
        std::set<const FoodDef*> used;
        for (const auto& row : recipe.rows) {
            if (row->requirement > up_to) continue;
            FoodDef* pick = FindFoodDef(row->name);
            if (pick == nullptr || used.count(pick) != 0) {
                pick = nullptr;
                for (const auto& def : GlobalFoodCatalogue())
                    if (IsIngredient(def.get()) && used.count(def.get()) == 0 &&
                        IsInCategory(def.get(), row->name)) {
                        pick = def.get();
                        break;
                    }
            }
            if (pick == nullptr) break;
            used.insert(pick);
            pot.push_back(Food::FromDef(pick));
        }
        return pot;
    }
    static int FirstMethod(const Recipe& recipe) {
        for (int method : {1, 2, 4, 8, 32, 64})
            if (recipe.method_mask & method) return method;
        return 0;
    }
    void ExpectCooks(int method, std::vector<const char*> pot, const char* dish) {
        const Recipe* best = Best(method, pot);
        ASSERT_NE(best, nullptr) << U(dish) << ": no recipe matches its ingredients";
        EXPECT_EQ(U(best->name), U(dish));
    }

    testing_support::HeadlessBackendInstalled world;
    RecipeBook book;
    std::map<const FoodDef*, int> index;
};

// The payload as plain bytes, to check the line rules the reader does not report.
std::string Payload(const char* name) {
    CQZCipherReader reader(name, vemu::kFileKey.data(), kDigestTiger);
    std::string out;
    if (reader.Open() != kCipherOk) return out;
    out.resize(static_cast<std::size_t>(reader.PayloadRemaining()));
    int count = static_cast<int>(out.size());
    reader.Read(reinterpret_cast<unsigned char*>(out.data()), &count);
    reader.Close();
    out.resize(static_cast<std::size_t>(count));
    return out;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

// The info panel's board: its frame starts one pixel past this.
constexpr int kBoardRight = 585;

// Where the text ends, laid out as the info panel draws its description line; -1 when it
// takes a second line, which would run into the price row.
int DescriptionLineEnd(FontRenderer& font, const std::string& text) {
    using namespace economy_panels;
    const TextRect rect{kTitleX, kDescriptionY, CDirectGraphics::kScreenWidth,
                        CDirectGraphics::kScreenHeight};
    int end = kTitleX;
    for (const PlacedGlyph& glyph : LayoutText(text, rect, play_draw::kLineFormat, font)) {
        if (glyph.y != kDescriptionY) return -1;
        end = std::max(end, glyph.x + font.GetGlyph(glyph.code_point).advance);
    }
    return end;
}

TEST_F(GameDataTest, EveryDescriptionFitsOnThePanelsLine) {
    // Measured in the Gothic the game draws with, at the panel font's size and weight.
    const std::string gothic = platform::FindGothicFontFile();
    if (gothic.empty()) GTEST_SKIP() << "fonts-ipafont-gothic is not installed";
    auto glyphs = MakeFreeTypeGlyphSource(platform::FindMinchoFontFile(), gothic);
    ASSERT_NE(glyphs, nullptr);
    const std::unique_ptr<FontRenderer> font =
        glyphs->CreateRenderer(MakeFontDescription(14, "ＭＳ Ｐゴシック", true));
    ASSERT_NE(font, nullptr);
    std::string too_long;
    for (const auto& def : GlobalFoodCatalogue()) {
        const int end = DescriptionLineEnd(*font, def->description);
        if (end < 0 || end > kBoardRight)
            too_long += "\n  " + U(def->name) + " (" +
                        (end < 0 ? std::string("two lines") : "ends at " + std::to_string(end)) +
                        "): " + U(def->description);
    }
    EXPECT_TRUE(too_long.empty()) << "past the board's edge at " << kBoardRight << ":" << too_long;
}

TEST_F(GameDataTest, FilesAreCp932LinesWithCrLfAndShortFields) {
    for (const char* name : {kRecipeFileName, kBonusFileName}) {
        SCOPED_TRACE(name);
        const std::string payload = Payload(name);
        ASSERT_FALSE(payload.empty());
        ASSERT_EQ(payload.substr(payload.size() - 2), "\r\n");
        std::vector<std::string> lines = Split(payload, '\n');
        lines.pop_back();  // after the last line feed
        std::vector<std::string> previous;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            ASSERT_FALSE(line.empty()) << "line " << i + 1 << " has a line feed without CR";
            ASSERT_EQ(line.back(), '\r') << "line " << i + 1;
            const std::string text = line.substr(0, line.size() - 1);
            EXPECT_FALSE(text.empty()) << "line " << i + 1 << " is blank";
            EXPECT_EQ(text.find('\r'), std::string::npos) << "line " << i + 1;
            EXPECT_LT(line.size() + 1, 1024u) << "line " << i + 1;
            EXPECT_EQ(U(text).find("\xEF\xBF\xBD"), std::string::npos)
                << "line " << i + 1 << " is not CP932";
            const std::vector<std::string> fields = Split(text, ',');
            for (const std::string& field : fields)
                if (!field.empty() && field.find_first_not_of("-0123456789") == std::string::npos) {
                    EXPECT_LE(field.size(), 9u) << "line " << i + 1 << ": " << field;
                }
            // A variant's rows are measured in its own line's unit weight.
            if (std::string(name) == kRecipeFileName && fields.size() > 7 && previous.size() > 7 &&
                fields[0] == previous[0]) {
                EXPECT_EQ(fields[7], previous[7]) << "line " << i + 1 << ": the variant "
                                                  << U(fields[0]) << " repeats another unit weight";
                // The reader keeps the first row's description only: another would never show.
                EXPECT_EQ(U(fields[1]), U(previous[1]))
                    << "line " << i + 1 << ": the variant " << U(fields[0])
                    << " has another description";
            }
            previous = fields;
        }
    }
}

TEST_F(GameDataTest, CatalogueStartsWithTheIngredientTableAndTheRot) {
    const FoodCatalogue& catalogue = GlobalFoodCatalogue();
    ASSERT_GT(book.recipes.size(), static_cast<std::size_t>(kPlainIngredientCount));
    for (int i = 0; i < kIngredientNameCount; ++i)
        EXPECT_EQ(U(catalogue[i]->name), U(kIngredientNames[i])) << "entry " << i;
    EXPECT_EQ(U(catalogue[77]->name), U("腐敗物"));
    for (int i = 0; i < kPlainIngredientCount; ++i) {
        const Recipe& recipe = *book.recipes[i];
        const FoodDef& def = *recipe.def;
        SCOPED_TRACE(U(def.name));
        EXPECT_EQ(recipe.method_mask, 0);
        EXPECT_TRUE(recipe.rows.empty());
        EXPECT_FALSE(def.description.empty());
        EXPECT_GE(def.price, 1);
        EXPECT_GT(def.unit_weight, 0.0f);
        EXPECT_GE(def.base_taste, 0);
        EXPECT_GE(def.days_limit, 1);
        EXPECT_NE(def.parent, FoodCategoryAt(kCategoryAll)) << "needs a category below 全";
    }
}

TEST_F(GameDataTest, DishesAreManyAndSpreadOverCategoriesMethodsAndCodes) {
    const int dishes = static_cast<int>(book.recipes.size()) - kPlainIngredientCount;
    EXPECT_GE(dishes, 220);
    EXPECT_GE(book.bonuses.size(), 40u);

    std::map<std::string, int> per_category;
    int methods = 0;
    std::set<int> namings, requirements, consumptions;
    bool variant = false, dish_in_dish = false;
    for (std::size_t i = kPlainIngredientCount; i < book.recipes.size(); ++i) {
        const Recipe& recipe = *book.recipes[i];
        SCOPED_TRACE(U(recipe.name));
        EXPECT_NE(recipe.method_mask, 0);
        EXPECT_FALSE(recipe.rows.empty());
        EXPECT_LE(recipe.rows.size(), 6u);
        EXPECT_FALSE(recipe.def->description.empty());
        EXPECT_GE(recipe.def->price, 1);
        EXPECT_FALSE(IsIngredient(recipe.def)) << "a dish line made an ingredient";
        methods |= recipe.method_mask;
        namings.insert(recipe.naming);
        if (book.recipes[i - 1]->def == recipe.def) variant = true;
        for (const char* category :
             {"和食", "洋食", "中華", "韓食", "デザート", "ドリンク", "その他"})
            if (IsInCategory(recipe.def, category)) ++per_category[category];
        for (const auto& row : recipe.rows) {
            requirements.insert(row->requirement);
            consumptions.insert(row->consumption);
            FoodDef* def = FindFoodDef(row->name);
            EXPECT_TRUE(def != nullptr || FindFoodCategory(row->name) != nullptr)
                << U(row->name) << " is neither an entry nor a category";
            if (def != nullptr && !IsIngredient(def)) dish_in_dish = true;
        }
        if (recipe.method_mask & kMethodFerment) {
            EXPECT_GE(recipe.def->days_limit, 1) << "a fermentation product must keep";
        }
    }
    for (const char* category : {"和食", "洋食", "中華", "韓食", "デザート", "ドリンク", "その他"})
        EXPECT_GE(per_category[category], 8) << U(category);
    EXPECT_EQ(methods & 0x6F, 0x6F) << "every method is used";
    EXPECT_EQ(namings, (std::set<int>{0, 1, 2, 3, 5, 6}));
    EXPECT_EQ(requirements, (std::set<int>{0, 1, 2}));
    EXPECT_EQ(consumptions, (std::set<int>{0, 1, 2}));
    EXPECT_TRUE(variant);
    EXPECT_TRUE(dish_in_dish);
}

TEST_F(GameDataTest, NamesAreUniqueAndParentsComeFirst) {
    const FoodCatalogue& catalogue = GlobalFoodCatalogue();
    std::set<std::string> names;
    for (const auto& def : catalogue) {
        EXPECT_TRUE(names.insert(def->name).second) << U(def->name) << " is named twice";
        ASSERT_NE(def->parent, nullptr) << U(def->name);
        auto parent = index.find(static_cast<const FoodDef*>(def->parent));
        if (FindFoodCategory(def->parent->name) != def->parent) {
            ASSERT_NE(parent, index.end());
            EXPECT_LT(parent->second, index[def.get()]) << U(def->name);
        }
    }
}

TEST_F(GameDataTest, BonusRulesNameRealEntriesAndTargets) {
    std::set<std::string> connectors;
    for (const auto& bonus : book.bonuses) {
        SCOPED_TRACE(U(bonus->prefix));
        EXPECT_FALSE(bonus->prefix.empty());
        EXPECT_TRUE(FindFoodCategory(bonus->target) || FindFoodDef(bonus->target))
            << U(bonus->target);
        EXPECT_GT(bonus->bonus_percent, 100);
        ASSERT_GE(bonus->triples.size(), 1u);
        EXPECT_LE(bonus->triples.size(), 6u);
        for (const BonusTriple& triple : bonus->triples) {
            EXPECT_NE(FindFoodDef(triple.ingredient), nullptr) << U(triple.ingredient);
            EXPECT_GT(triple.share_percent, 0);
        }
        connectors.insert(bonus->connector);
    }
    EXPECT_GE(connectors.size(), 3u);
}

TEST_F(GameDataTest, EveryNameTheGameAndTheStoryUseExists) {
    // The base goods are on sale from the start, each in its own shop's part of the table.
    const FoodShop base_shops[kGoodsGrocer] = {FoodShop::kGreengrocer, FoodShop::kFruiterer,
                                               FoodShop::kButcher, FoodShop::kGrocer};
    for (int list = 0; list < kGoodsGrocer; ++list) {
        auto slice = ShopIngredientNames(base_shops[list]);
        for (const char* name : kFoodGoodsLists[list].names) {
            bool found = false;
            for (const char* in_slice : slice) found = found || std::string(in_slice) == name;
            EXPECT_TRUE(found) << U(name) << " is not in its shop's part of the table";
        }
    }
    const RequiredNames& names = RequiredNameTable();
    for (const RequiredFood& food : names.foods) {
        FoodDef* def = Def(food.name);
        if (!def) continue;
        if (food.role == FoodRole::kIngredient) {
            EXPECT_TRUE(IsIngredient(def)) << U(food.name) << " should be a plain ingredient";
        }
        if (food.role == FoodRole::kDish) {
            EXPECT_FALSE(RecipesOf(def).empty()) << U(food.name) << " should be a dish";
        }
    }
    for (const ShareRecord& share : ShareTable()) {
        FoodDef* def = Def(share.product);
        if (!def || IsIngredient(def)) continue;
        bool ferments = false;
        for (const Recipe* recipe : RecipesOf(def))
            ferments |= (recipe->method_mask & kMethodFerment) != 0;
        EXPECT_TRUE(ferments) << U(share.product) << " is a share product and should ferment";
    }
    // The contests' rules and the judges' tastes each need a dish that its own rows cook.
    for (const char* category : names.categories) {
        bool cooks = false;
        for (std::size_t i = kPlainIngredientCount; i < book.recipes.size() && !cooks; ++i) {
            const Recipe& recipe = *book.recipes[i];
            if (!IsInCategory(recipe.def, category)) continue;
            const Recipe* best =
                FindBestRecipe(book, FirstMethod(recipe), RowPot(recipe, kRequirementOptional));
            cooks = best != nullptr && best->def == recipe.def;
        }
        EXPECT_TRUE(cooks) << "no dish of " << U(category) << " can be cooked";
    }
    if (FoodDef* lasagne = Def("ラザニア")) {
        EXPECT_TRUE(IsInCategory(lasagne, "洋食"));
    }
}

TEST_F(GameDataTest, EveryRecipeComesOutOfAPotOfItsOwnRows) {
    // A recipe that a greater total always outbids can never be invented, and the last
    // recipe-count reward needs every one of them.
    for (std::size_t i = kPlainIngredientCount; i < book.recipes.size(); ++i) {
        const Recipe& recipe = *book.recipes[i];
        std::string outcome;
        bool cooks = false;
        // The rows it cannot do without, then the 必要 ones too, then all of them.
        for (int up_to : {kRequirementMust, kRequirementNeeded, kRequirementOptional}) {
            FoodPot pot = RowPot(recipe, up_to);
            for (int method : {1, 2, 4, 8, 32, 64}) {
                if ((recipe.method_mask & method) == 0) continue;
                const Recipe* best = FindBestRecipe(book, method, pot);
                if (best != nullptr && best->def == recipe.def) cooks = true;
                outcome += " " + (best ? U(best->name) : std::string("nothing"));
            }
        }
        EXPECT_TRUE(cooks) << U(recipe.name) << " #" << i << ": its own rows cook" << outcome;
    }
}

TEST_F(GameDataTest, EveryRecipeResolvesFromItsOwnRows) {
    for (std::size_t i = kPlainIngredientCount; i < book.recipes.size(); ++i) {
        const Recipe& recipe = *book.recipes[i];
        SCOPED_TRACE(U(recipe.name));
        FoodPot pot = RowPot(recipe, kRequirementOptional);
        ASSERT_FALSE(pot.empty());
        auto dish = ResolveDish(book, FirstMethod(recipe), &recipe, pot);
        ASSERT_TRUE(dish);
        EXPECT_EQ(dish->def, recipe.def);
        EXPECT_GT(dish->amount, 0.0f);
        EXPECT_GE(dish->taste, 0);
        EXPECT_GE(dish->cost, 0);
        EXPECT_FALSE(dish->name.empty());
        EXPECT_LE(dish->name.size(), kDishNameLimit);
    }
}

TEST_F(GameDataTest, TheOpeningsDishIsNamedPlainly) {
    FoodPot pot;
    pot.push_back(Food::FromDef(Def("ゼルバワラビ")));
    pot.push_back(Food::FromDef(Def("ゼルゼルダケ")));
    const Recipe* recipe = FindBestRecipe(book, kMethodBake, pot);
    ASSERT_NE(recipe, nullptr);
    auto dish = ResolveDish(book, kMethodBake, recipe, pot);
    ASSERT_TRUE(dish);
    EXPECT_EQ(U(dish->name), U("ゼルバ炒め"));
}

TEST_F(GameDataTest, EveryBonusRuleAppliesToSomeDishOfItsTarget) {
    for (const auto& rule : book.bonuses) {
        SCOPED_TRACE(U(rule->prefix) + " for " + U(rule->target));
        bool applied = false;
        for (std::size_t i = kPlainIngredientCount; i < book.recipes.size() && !applied; ++i) {
            const Recipe& recipe = *book.recipes[i];
            if (rule->target != "全" && !IsInCategory(recipe.def, rule->target)) continue;
            FoodPot pot = RowPot(recipe, kRequirementOptional);
            for (const BonusTriple& triple : rule->triples)
                pot.push_back(Food::FromDef(Def(triple.ingredient.c_str())));
            auto dish = ResolveDish(book, FirstMethod(recipe), &recipe, pot);
            applied = dish && dish->name.find(rule->prefix) != std::string::npos;
        }
        EXPECT_TRUE(applied) << "no dish of its target takes it";
    }
}

TEST_F(GameDataTest, TheHintedDishesComeOutOfTheirPots) {
    // The opening: the new game's pantry and the frying pan.
    ExpectCooks(kMethodBake, {"ゼルバワラビ", "ゼルゼルダケ"}, "ゼルバ炒め");
    // The memory dishes.
    ExpectCooks(kMethodBoil, {"レモン", "化け猫の骨"}, "キャトレモネ");
    ExpectCooks(kMethodBoil, {"キャトレモネ", "メモリーパロット"}, "メモルボイルド");
    ExpectCooks(kMethodFerment, {"ミント", "ココロの実"}, "マインドミント");
    if (FoodDef* memorial = Def("メモリアル")) {
        for (const Recipe* recipe : RecipesOf(memorial))
            for (int method : {1, 2, 4, 8, 32, 64})
                if (recipe->method_mask & method) {
                    ExpectCooks(method, {"メモリーパロット", "マインドミント", "バーメメント"},
                                "メモリアル");
                }
    }
    // The Taste King's hints.
    ExpectCooks(kMethodProcess, {"大豆"}, "豆乳");
    ExpectCooks(kMethodMix, {"豆乳", "にがり"}, "豆腐");
    ExpectCooks(kMethodFry, {"エビ", "卵", "パン"}, "フライ");
    ExpectCooks(kMethodMix, {"ごはん", "玉子焼き", "ハンバーグ"}, "ロコモコ");
    ExpectCooks(kMethodBake, {"牛肉", "パン", "タマネギ"}, "ハンバーグ");
    ExpectCooks(kMethodBoil, {"焼き豚", "醤油"}, "チャーシュー");
    const Recipe* pickle = Best(kMethodFerment, {"白菜", "唐辛子"});
    ASSERT_NE(pickle, nullptr) << "白菜 and 唐辛子 should ferment into a pickle";
    // And the bases of many other dishes.
    ExpectCooks(kMethodBoil, {"米"}, "ごはん");
    ExpectCooks(kMethodBake, {"卵", "砂糖"}, "玉子焼き");
    ExpectCooks(kMethodBake, {"小麦粉", "万能酵母"}, "パン");
    ExpectCooks(kMethodProcess, {"ミルク"}, "生クリーム");
    ExpectCooks(kMethodFerment, {"大豆", "塩", "万能酵母"}, "味噌");
    ExpectCooks(kMethodFerment, {"大豆", "小麦粉", "塩", "万能酵母"}, "醤油");
    ExpectCooks(kMethodFerment, {"米", "万能酵母", "水"}, "酒");
    ExpectCooks(kMethodFerment, {"酒", "万能酵母"}, "酢");
    ExpectCooks(kMethodFerment, {"ミルク", "レモン", "万能酵母"}, "チーズ");
    // A lone spoiling vegetable rots instead of fermenting.
    EXPECT_EQ(Best(kMethodFerment, {"白菜"}), nullptr);
}

}  // namespace
