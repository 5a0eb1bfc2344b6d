// A save slot's load over arbitrary files: the fuzzer's bytes are cut into the four payloads
// (scd, ssn, sse, ssi), each put in a container with the game's key so that the record readers
// behind the digest checks are reached. A refused slot must leave the game as it was; a loaded
// one must save and load again.
//   input: u16 scd length, u16 ssn length, u16 sse length, then the payloads (ssi takes the rest)
#include <algorithm>
#include <cstring>

#include "engine/common/game_path.h"
#include "game/food/food_def.h"
#include "game/saves/save_slot.h"
#include "game/saves/slot_files.h"
#include "platform/platform.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

class QuietDebug : public platform::DebugSink {
public:
    void Write(const std::string&) override {}
};

struct World {
    World() {
        services.debug = &debug;
        services.folders.data = fuzz::Folder();
        services.folders.game = fuzz::Folder();
        platform::Install(&services);
        for (const char* name : {"トマト", "オムレツ"}) {
            auto def = std::make_unique<FoodDef>();
            def->name = name;
            def->parent = FindFoodCategory("野菜");
            FoodDef* added = AddFoodDef(std::move(def));
            auto recipe = std::make_unique<Recipe>();
            recipe->name = name;
            recipe->def = added;
            book.recipes.push_back(std::move(recipe));
        }
    }
    QuietDebug debug;
    platform::Services services;
    RecipeBook book;
};

struct Game {
    Game() {
        values.SetFileKey(fuzz::Key());
        items.SetFileKey(fuzz::Key());
        values.SetValue("money", 77, true);
        values.SetValue("kept", 5, false);
        kitchen.player_pantry.push_back(std::make_unique<Food>());
        state.stamina = 12.5f;
    }
    bool Unchanged() const {
        return values.entries().size() == 2 && values.GetValue("kept", 0) == 5 &&
               values.GetValue("money", 0) == 77 && kitchen.player_pantry.size() == 1 &&
               kitchen.menu.empty() && items.GetSize() == 0 && state.stamina == 12.5f &&
               state.money == 0;
    }
    PlayState state;
    Kitchen kitchen;
    CQZSharedData values;
    CItemBag items;
    int reward_num = 0;
};

std::size_t TakeLength(const std::uint8_t*& data, std::size_t& size) {
    if (size < 2) return 0;
    const std::size_t n = data[0] | static_cast<std::size_t>(data[1]) << 8;
    data += 2;
    size -= 2;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static World world;
    std::size_t lengths[3];
    for (std::size_t& n : lengths) n = TakeLength(data, size);
    const SlotFiles files = SlotFileNames(0);
    const std::string* names[4] = {&files.scd, &files.ssn, &files.sse, &files.ssi};
    for (int i = 0; i < 4; ++i) {
        const std::size_t n = i < 3 ? std::min(lengths[i], size) : size;
        fuzz::WriteContainer(gamepath::Resolve(*names[i]), data, n);
        data += n;
        size -= n;
    }

    Game game;
    SaveGameParts parts{game.state,  game.kitchen, world.book,
                        game.values, game.items,   game.reward_num};
    if (!LoadGame(0, parts)) {
        if (!game.Unchanged()) abort();
        return 0;
    }
    if (!SaveGame(1, parts)) abort();
    Game again;
    SaveGameParts back{again.state,  again.kitchen, world.book,
                       again.values, again.items,   again.reward_num};
    if (!LoadGame(1, back)) abort();
    if (again.kitchen.player_pantry.size() != game.kitchen.player_pantry.size() ||
        again.kitchen.menu.size() != game.kitchen.menu.size() ||
        again.items.GetSize() != game.items.GetSize() || again.state.money != game.state.money)
        abort();
    return 0;
}
