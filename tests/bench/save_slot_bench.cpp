// Saving and loading a full slot (a large pantry of nested dishes, a full menu, a book of
// several hundred entries with their last dishes, every item in the bag), beside the cost of
// flushing four files of the same sizes to the disk, which is the share of a save no code
// change can remove, and a copy of one full 640 x 480 frame: a fixed amount of work measured in
// the same run, so that the save and load figures can be read as ratios on a busy machine.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/common/game_path.h"
#include "game/data/file_key.h"
#include "game/economy/item_table.h"
#include "game/economy/owned_items.h"
#include "game/food/food_def.h"
#include "game/saves/save_slot.h"
#include "game/saves/slot_files.h"
#include "platform/files.h"
#include "platform/headless/headless_backend.h"

namespace {

struct FullSlot {
    FullSlot() {
        char pattern[] = "/tmp/vemu-bench-XXXXXX";
        folder = mkdtemp(pattern);
        backend.services().folders.data = folder;
        backend.file_faults.syncs_reach_the_disk = true;
        backend.Install();
        for (int i = 0; i < 400; ++i) {
            auto def = std::make_unique<FoodDef>();
            def->name = "食材" + std::to_string(i);
            def->parent = FindFoodCategory("野菜");
            def->known = i % 2;
            def->familiarity = static_cast<float>(i) / 7.0f;
            defs.push_back(AddFoodDef(std::move(def)));
            auto recipe = std::make_unique<Recipe>();
            recipe->name = defs.back()->name;
            recipe->def = defs.back();
            if (i >= 78) recipe->last_result = Dish(i);
            book.recipes.push_back(std::move(recipe));
        }
        for (int i = 0; i < 150; ++i) kitchen.player_pantry.push_back(Dish(i));
        for (int i = 0; i < 10; ++i)
            kitchen.menu.push_back(std::make_unique<MenuDish>(*Dish(i), 1.0f));
        values.SetFileKey(vemu::kFileKey.data());
        items.SetFileKey(vemu::kFileKey.data());
        values.SetValue("money", 1000000, true);
        for (const ItemRow& row : ItemTable()) GiveItem(state, items, row.name, 3);
        state.equipped[kEquipClothing] = CreateItemByName("エプロン");
    }
    ~FullSlot() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        ClearFoodCatalogue();
    }
    // A dish of three ingredients, one of them made of two more.
    std::unique_ptr<Food> Dish(int i) {
        FoodDef* d = defs[static_cast<std::size_t>(i) % defs.size()];
        auto food = Food::FromDef(d);
        auto inner = std::make_unique<FoodNode>(defs[(i + 1) % defs.size()], 0.5f, 3, 90, 4, 0);
        for (int k = 2; k < 4; ++k)
            inner->children.push_back(
                std::make_unique<FoodNode>(defs[(i + k) % defs.size()], 0.25f, 2, 100, 0, 1));
        food->children.push_back(std::move(inner));
        return food;
    }
    SaveGameParts Parts() { return {state, kitchen, book, values, items, reward_num}; }

    platform::headless::HeadlessBackend backend;
    std::string folder;
    std::vector<FoodDef*> defs;
    PlayState state;
    Kitchen kitchen;
    RecipeBook book;
    CQZSharedData values;
    CItemBag items;
    int reward_num = 0;
};

FullSlot& Slot() {
    static FullSlot slot;
    return slot;
}

void BM_SaveGame(benchmark::State& run) {
    SaveGameParts parts = Slot().Parts();
    for (auto _ : run)
        if (!SaveGame(0, parts)) run.SkipWithError("save failed");
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMillisecond);

void BM_LoadGame(benchmark::State& run) {
    SaveGameParts parts = Slot().Parts();
    if (!SaveGame(1, parts)) run.SkipWithError("save failed");
    for (auto _ : run)
        if (!LoadGame(1, parts)) run.SkipWithError("load failed");
}
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMillisecond);

// Four files of the slot's sizes written and flushed: the disk's part of one save.
void BM_FlushFourFiles(benchmark::State& run) {
    SaveGameParts parts = Slot().Parts();
    SaveGame(2, parts);
    const SlotFiles files = SlotFileNames(2);
    std::vector<std::size_t> sizes;
    for (const std::string* name : {&files.scd, &files.ssn, &files.sse, &files.ssi}) {
        std::vector<std::uint8_t> bytes;
        gamepath::ReadAll(*name, bytes, SIZE_MAX);
        sizes.push_back(bytes.size());
    }
    const std::string path = Slot().folder + "/flush.bin";
    std::vector<std::uint8_t> data(*std::max_element(sizes.begin(), sizes.end()), 0x5A);
    for (auto _ : run)
        for (std::size_t size : sizes) {
            auto file = platform::File::Open(path, platform::File::Mode::Write);
            file->Write(data.data(), size);
            file->Flush();
            file->Close();
        }
    run.counters["bytes"] = static_cast<double>(sizes[0] + sizes[1] + sizes[2] + sizes[3]);
}
BENCHMARK(BM_FlushFourFiles)->Unit(benchmark::kMillisecond);

void BM_FullFrameCopy(benchmark::State& run) {
    std::vector<std::uint32_t> source(640 * 480, 0x00FF8040u);
    std::vector<std::uint32_t> target(source.size());
    for (auto _ : run) {
        std::memcpy(target.data(), source.data(), target.size() * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullFrameCopy)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
