// A save-game world: the headless backend with an empty data folder for the slots, a small
// catalogue and recipe book, and the plain parts of a game (play state, kitchen, store, bag).
// A rich game fills every part; Describe writes a game's saved contents out as text, so two
// games compare as strings and a difference shows where it is.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/data/item_bag.h"
#include "engine/data/shared_data.h"
#include "game/data/recipe_book.h"
#include "game/rules/play_state.h"
#include "game/saves/save_parts.h"
#include "game/saves/slot_files.h"
#include "tests/food/food_fixture.h"

namespace saves_test {

// One game's saved parts.
struct Game {
    Game();
    PlayState state;
    Kitchen kitchen;
    CQZSharedData values;
    CItemBag items;
    int reward_num = 0;
};

class SavesTest : public food_test::CatalogueTest {
protected:
    SavesTest();

    SaveGameParts Parts(Game& game) {
        return {game.state, game.kitchen, book, game.values, game.items, game.reward_num};
    }
    bool Save(int slot, Game& game);
    bool Load(int slot, Game& game);

    // Every part off its default: nested pantry foods, menu dishes with restock counts, known
    // recipes with last results (the two variants of one name with their own), all eight worn
    // items, a bag of every item, fractional floats. `seed` makes two rich games differ.
    void FillRichGame(Game& game, int seed = 0);
    // The game's saved contents, book and catalogue flags included.
    std::string Describe(Game& game);

    // The bytes of one of a slot's files, by game name; empty when missing.
    std::vector<std::uint8_t> Bytes(const std::string& name);
    void WriteBytes(const std::string& name, const std::vector<std::uint8_t>& bytes);
    // The four files of a slot, by game name.
    std::map<std::string, std::vector<std::uint8_t>> SlotBytes(int slot);
    // The names of the files in the save folder.
    std::vector<std::string> SaveFolderFiles();
    int DebugLinesWith(const std::string& utf8_part);

    testing_support::HeadlessBackendInstalled world;
    testing_support::TempFolder data;
    RecipeBook book;
    FoodDef* tomato = nullptr;
    FoodDef* egg = nullptr;
    FoodDef* omelette = nullptr;
    FoodDef* salad = nullptr;
};

}  // namespace saves_test
