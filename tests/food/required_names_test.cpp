// Every name the game and its story look up resolves in the built game folder, and data without
// one of them is refused when the main game starts.
#include "game/main/required_names.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "engine/common/game_path.h"
#include "engine/common/sjis.h"
#include "game/data/data_files.h"
#include "game/economy/item_table.h"
#include "game/food/food_category.h"
#include "tests/food/food_fixture.h"
#include "tests/support/play_harness.h"

namespace {

using food_test::CatalogueTest;
using testing_support::Sjis;
using testing_support::Utf8;

std::string U(const std::string& cp932) { return sjis::ToUtf8(cp932); }

bool Holds(const std::vector<std::string>& names, const char8_t* name) {
    return std::find(names.begin(), names.end(), Sjis(name)) != names.end();
}

TEST_F(CatalogueTest, AnEmptyCatalogueLacksEveryEntryAndCategoryOnce) {
    const RecipeBook book;
    const std::vector<std::string> missing = MissingRequiredNames(book);
    // Many names are needed twice (卵 is both goods and a starting food, 砂糖 also a share's
    // product, キャベツ also a neighbour's gift): each is named once. The items are the game's
    // own, so none of them is missing.
    EXPECT_EQ(std::set<std::string>(missing.begin(), missing.end()).size(), missing.size());
    EXPECT_EQ(missing.size(),
              RequiredNameTable().foods.size() + RequiredNameTable().categories.size());
    EXPECT_EQ(missing.front(), Sjis(u8"トマト"));
    for (const char8_t* name : {u8"メモリアル", u8"カニ", u8"ゼルバ炒め", u8"白銀米", u8"腐敗物",
                                u8"チーズ", u8"ココロの実", u8"和食", u8"デザート"})
        EXPECT_TRUE(Holds(missing, name)) << U(Sjis(name));
    // A year of a food is a prize's label, not a name anything looks up.
    EXPECT_FALSE(Holds(missing, u8"小麦粉１年分"));
    EXPECT_EQ(MissingNamesMessage({Sjis(u8"卵"), Sjis(u8"米")}), Sjis(u8"卵、米 がありません"));
}

TEST_F(CatalogueTest, OnlyTheLackingNamesAreReported) {
    RecipeBook book;
    const std::size_t all = MissingRequiredNames(book).size();
    Entry(Sjis(u8"トマト"), Sjis(u8"夏野菜").c_str());
    // A plain entry in a category does not fill it: only a dish that a recipe cooks does.
    auto plain = std::make_unique<Recipe>();
    plain->def = Entry(Sjis(u8"和菓子"), Sjis(u8"和食").c_str());
    book.recipes.push_back(std::move(plain));
    std::vector<std::string> missing = MissingRequiredNames(book);
    EXPECT_EQ(missing.size(), all - 1);
    EXPECT_EQ(missing.front(), Sjis(u8"タマネギ"));
    EXPECT_TRUE(Holds(missing, u8"和食"));

    auto cooked = std::make_unique<Recipe>();
    cooked->def = Entry(Sjis(u8"肉じゃが"), Sjis(u8"和食").c_str());
    cooked->method_mask = 8;
    book.recipes.push_back(std::move(cooked));
    missing = MissingRequiredNames(book);
    EXPECT_EQ(missing.size(), all - 2);
    EXPECT_FALSE(Holds(missing, u8"和食"));
    EXPECT_TRUE(Holds(missing, u8"中華"));
}

TEST_F(CatalogueTest, EveryNameResolvesThroughItsOwnLookupInTheBuiltGameFolder) {
    testing_support::EngineWorld world;
    world.backend.services().folders.game = VEMU_GAME_DIR;
    RecipeBook book;
    ASSERT_TRUE(LoadDataFiles(book));
    const RequiredNames& names = RequiredNameTable();

    struct Lookup {
        const char* kind;
        std::string name;  // CP932
        bool found;
    };
    std::vector<Lookup> lookups;
    auto file = [](const char* kind, const std::string& path) {
        return Lookup{kind, path, !path.empty() && gamepath::Exists(path.c_str())};
    };
    for (const RequiredFood& food : names.foods)
        lookups.push_back({"food", food.name, FindFoodDef(food.name) != nullptr});
    for (const char* item : names.items)
        lookups.push_back({"item", item, FindItemRow(item) != nullptr});
    for (const char* category : names.categories)
        lookups.push_back({"category", category, FindFoodCategory(category) != nullptr});
    for (const RequiredPortrait& portrait : names.portraits)
        for (int expression : portrait.expressions)
            lookups.push_back(file("portrait", PortraitFileOf(portrait.character, expression)));
    for (int id : names.music) {
        const char* piece = MusicFileOf(id);
        lookups.push_back(file("music", piece ? piece : ""));
    }
    for (SoundEffect effect : names.effects) {
        const char* sound = SoundFileOf(effect);
        lookups.push_back(file("effect", sound ? sound : ""));
    }
    for (const Lookup& lookup : lookups)
        EXPECT_TRUE(lookup.found) << lookup.kind << " " << U(lookup.name);

    // Characters 1 to 19, the fourteen pieces with a file, the six effects of the scenes.
    ASSERT_EQ(names.portraits.size(), 19u);
    for (std::size_t i = 0; i < names.portraits.size(); ++i)
        EXPECT_EQ(names.portraits[i].character, static_cast<int>(i) + 1);
    EXPECT_EQ(names.music.size(), 14u);
    EXPECT_EQ(names.effects.size(), 6u);
    // And the start-up check agrees: every category holds a dish.
    EXPECT_TRUE(MissingRequiredNames(book).empty());
}

// The readable recipe source without the rows of one dish, built into a copy of the game folder
// with the build's own tools, as the data folder's build does.
class GameFolderWithout {
public:
    explicit GameFolderWithout(const char8_t* dish) {
        namespace fs = std::filesystem;
        const fs::path game = VEMU_GAME_DIR;
        const fs::path copy = folder_.path();
        for (const char* part : {"dat", "midi", "manual", "res"})
            fs::copy(game / part, copy / part, fs::copy_options::recursive);

        std::ifstream source(std::string(VEMU_RECIPE_SOURCES) + "/vemu01.txt");
        std::ofstream trimmed(copy / "vemu01.txt");
        const std::string row_start = Utf8(dish) + ",";
        for (std::string line; std::getline(source, line);)
            if (line.rfind(row_start, 0) != 0) trimmed << line << '\n';
        trimmed.close();

        const std::string plain = (copy / "vemu01.sjis").string();
        const std::string bonuses = (copy / "vemu02.sjis").string();
        ok_ = Run(std::string(VEMU_RECIPE_BUILD) + " " + (copy / "vemu01.txt").string() + " " +
                  plain + " " + VEMU_RECIPE_SOURCES + "/vemu02.txt " + bonuses) &&
              Run(std::string(VEMU_PACK) + " pack " + plain + " " +
                  (copy / "dat" / "vemu01.edt").string());
    }
    bool ok() const { return ok_; }
    const std::string& path() const { return folder_.path(); }

private:
    static bool Run(const std::string& command) {
        const int status = std::system(command.c_str());
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    testing_support::TempFolder folder_;
    bool ok_ = false;
};

TEST(RequiredNamesStartUpTest, AGameFolderWithoutTheCureStopsStartUpNamingIt) {
    const GameFolderWithout folder(u8"メモリアル");
    ASSERT_TRUE(folder.ok()) << "could not rebuild the recipe data in " << folder.path();
    play_test::PlayHarness game(folder.path());
    // The main game starts with the title, once the logo has asked for the remaining devices.
    for (int frame = 0; frame < 400 && !game.backend.window.QuitPosted(); ++frame) game.Frame();
    EXPECT_TRUE(game.backend.window.QuitPosted()) << game.Report();
    ASSERT_EQ(game.MessageBoxes().size(), 1u);
    EXPECT_EQ(game.MessageBoxes()[0].text, Utf8(u8"メモリアル がありません"));
    EXPECT_EQ(game.MessageBoxes()[0].caption, "Error");
}

}  // namespace
