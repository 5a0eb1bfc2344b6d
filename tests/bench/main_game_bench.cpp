// One whole frame of the real main game on the build's game folder, on a busy selling screen:
// the heroine frying, the gauge, the setting sun with the moon, the date and a nine-digit
// amount, eight places with a fading highlight and the busy sign, and a message with a portrait
// changing its expression. Compare it with BM_FullFrameCopy.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/framework/engine_runtime.h"
#include "engine/framework/game_mediator.h"
#include "game/food/food_def.h"
#include "game/main/vemu_comp.h"
#include "platform/headless/headless_backend.h"

namespace {

struct MainGameWorld {
    platform::headless::HeadlessBackend backend;
    std::unique_ptr<EngineRuntime> runtime;
    CVemuComp game;
    WaitHandle message, portrait;

    MainGameWorld() : runtime(MakeRuntime(backend)) {
        runtime->graphics.Init(nullptr, true);
        runtime->input.Init(nullptr);
        runtime->mediator.InitializeComponents();
        runtime->mediator.RegisterComponent(&game);
        game.Initialize();
        runtime->mediator.ChangeComponent(CVemuComp::kName, 0, 0);
        runtime->mediator.Run();
        MakeItBusy();
    }
    ~MainGameWorld() { game.Finalize(); }

    static std::unique_ptr<EngineRuntime> MakeRuntime(
        platform::headless::HeadlessBackend& backend) {
        backend.services().folders.game = VEMU_GAME_DIR;
        backend.services().folders.data = std::filesystem::temp_directory_path().string();
        backend.Install();
        return std::make_unique<EngineRuntime>();
    }

    void MakeItBusy() {
        game.screens().Push(kScreenSelling);
        game.screens().play().shown_cooking_method = kMethodFry;
        PlayState& s = game.state();
        s.stamina = 70.0f;
        s.clock.hour = 18;
        s.clock.minute = 20;
        s.money = s.shown_money = 123456789;
        s.menu_max = 8;
        s.cooking_minutes = 30;
        Menu& menu = game.world().kitchen.menu;
        for (int i = 0; i < 8; ++i) {
            auto dish = std::make_unique<MenuDish>(*Food::FromDef(FindFoodDef("トマト")), 1.0f);
            dish->name = i % 2 ? "トマトとタマネギとキャベツの煮込み" : "焼きトマト";
            dish->servable = i != 5;
            menu.push_back(std::move(dish));
        }
        game.CQZNVLComponent::ShowMessage(&message,
                                          "いらっしゃいませ！\n本日のおすすめは焼きトマトです。",
                                          0xFF523E14, &game.stage().message_font());
        game.stage().ChangePortrait(nullptr, 1, kNormal);
        Rearm();
    }
    // What fades away is started again now and then, so every frame has it.
    void Rearm() {
        game.world().kitchen.menu[2]->sale_highlight = 8;
        game.stage().ChangePortrait(nullptr, 1, kNormal);
        portrait = WaitHandle{};
        game.stage().ChangePortrait(&portrait, 1, kSmile);
    }
    void Frame(int n) {
        if (n % 16 == 0) Rearm();
        runtime->mediator.Run();
    }
};

MainGameWorld& TheMainGame() {
    static MainGameWorld* world = new MainGameWorld();  // lives for the run
    return *world;
}

void BM_MainGameFrame(benchmark::State& state) {
    MainGameWorld* world = &TheMainGame();
    int n = 0;
    for (auto _ : state) {
        world->Frame(++n);
        benchmark::DoNotOptimize(world->runtime->graphics.Pixels());
    }
}
BENCHMARK(BM_MainGameFrame)->Unit(benchmark::kMicrosecond);

// The component's own drawing, without the events over it and the presentation.
void BM_MainGameDrawOnly(benchmark::State& state) {
    MainGameWorld& world = TheMainGame();
    for (auto _ : state) {
        world.game.Draw();
        benchmark::DoNotOptimize(world.runtime->graphics.Pixels());
    }
}
BENCHMARK(BM_MainGameDrawOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
