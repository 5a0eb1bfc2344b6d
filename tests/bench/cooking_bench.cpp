// The cost of cooking one full pot against the game's whole recipe book and bonus rules, and of
// one game day of the clock ending in a roll-over that ages a full pantry.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "game/clock/game_calendar.h"
#include "game/clock/spoiling.h"
#include "game/cooking/dish_resolver.h"
#include "game/cooking/recipe_match.h"
#include "game/data/data_files.h"
#include "platform/headless/headless_backend.h"

namespace {

struct GameData {
    GameData() {
        backend.Install();
        const char* dir = std::getenv("VEMU_GAME_DIR");
        backend.services().folders.game = dir ? dir : VEMU_GAME_DIR;
        loaded = LoadDataFiles(book);
    }
    platform::headless::HeadlessBackend backend;
    RecipeBook book;
    bool loaded = false;
};

GameData& Data() {
    static GameData data;
    return data;
}

// The opening's dish with four seasonings: two of them make the 京 bonus.
FoodPot SixIngredientPot() {
    FoodPot pot;
    for (const char* name : {"ゼルバワラビ", "ゼルゼルダケ", "昆布", "酒", "唐辛子", "胡椒"})
        if (FoodDef* def = FindFoodDef(name)) pot.push_back(Food::FromDef(def));
    return pot;
}

void BM_ResolvePot(benchmark::State& state) {
    GameData& data = Data();
    if (!data.loaded) {
        state.SkipWithError("dat/vemu01.edt and dat/vemu02.edt are not built");
        return;
    }
    FoodPot pot = SixIngredientPot();
    const Recipe* check = FindBestRecipe(data.book, kMethodBake, pot);
    auto dish = check ? ResolveDish(data.book, kMethodBake, check, pot) : nullptr;
    if (pot.size() != 6 || !dish || dish->name.find("京") == std::string::npos) {
        state.SkipWithError("the pot no longer makes a dish with a bonus");
        return;
    }
    for (auto _ : state) {
        const Recipe* recipe = FindBestRecipe(data.book, kMethodBake, pot);
        auto food = ResolveDish(data.book, kMethodBake, recipe, pot);
        benchmark::DoNotOptimize(food);
    }
}
BENCHMARK(BM_ResolvePot);

void FillPantry(Kitchen& kitchen) {
    kitchen.pantry().clear();
    int i = 0;
    for (const auto& def : GlobalFoodCatalogue()) {
        auto food = Food::FromDef(def.get());
        if (i++ % 4 == 0) food->days = 0;  // spoils at the coming roll-over
        kitchen.pantry().push_back(std::move(food));
    }
}

void BM_ClockDay(benchmark::State& state) {
    GameData& data = Data();
    if (!data.loaded) {
        state.SkipWithError("dat/vemu01.edt and dat/vemu02.edt are not built");
        return;
    }
    PlayState play;
    Kitchen kitchen;
    ClockWorld world{play, kitchen, data.book, FindFoodDef(kRotEntryName), false};
    std::size_t rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        FillPantry(kitchen);
        play.clock.hour = 0;
        play.clock.minute = 0;
        state.ResumeTiming();
        for (int step = 0; step < 24 * 60 / 5; ++step) AddMinutes(world, 5);
        rows = kitchen.pantry().size();
    }
    state.counters["pantry_rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ClockDay);

}  // namespace

BENCHMARK_MAIN();
