// Start-up of the whole game on the headless backend, on the build's game folder: from building
// the application to its first drawn frame (the logo's), the deferred start that loads the main
// game, the title and the ending (frame 128), and everything from construction to the first
// frame after it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "engine/framework/game_mediator.h"
#include "game/shell/vemu_app.h"
#include "platform/headless/headless_backend.h"

namespace {

class Game {
public:
    Game() {
        data_ =
            std::filesystem::temp_directory_path() / ("vemu-startup-" + std::to_string(::getpid()));
        std::filesystem::create_directories(data_);
        backend_.services().folders.game = VEMU_GAME_DIR;
        backend_.services().folders.data = data_.string();
        backend_.Install();
    }
    ~Game() {
        app_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(data_, ignored);
    }

    // Builds the application and starts it, as main does.
    void Start() {
        app_ = std::make_unique<CVemuApp>();
        app_->InitInstance();
        app_->Run();
    }
    // One 20 ms tick with its messages handled.
    void Frame() {
        backend_.clock.Advance(20);
        platform::Message message;
        while (backend_.window.GetMessage(message)) app_->frame()->OnMessage(message);
    }
    bool MainGameReady() {
        auto* game =
            dynamic_cast<CVemuComp*>(app_->runtime().mediator.FindComponent(CVemuComp::kName));
        return game && game->initialized();
    }

private:
    platform::headless::HeadlessBackend backend_;
    std::filesystem::path data_;
    std::unique_ptr<CVemuApp> app_;
};

void BM_StartToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        auto game = std::make_unique<Game>();
        game->Start();
        game->Frame();
        // Tearing the game down is not part of starting it.
        state.PauseTiming();
        game.reset();
        state.ResumeTiming();
    }
}

void BM_DeferredStart(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto game = std::make_unique<Game>();
        game->Start();
        for (int frame = 1; frame < CLogoComp::kTitleFrame; ++frame) game->Frame();
        if (game->MainGameReady()) state.SkipWithError("the main game started early");
        state.ResumeTiming();
        game->Frame();
        state.PauseTiming();
        if (!game->MainGameReady()) state.SkipWithError("no deferred start at frame 128");
        game.reset();
        state.ResumeTiming();
    }
}

void BM_StartThroughDeferredStart(benchmark::State& state) {
    for (auto _ : state) {
        auto game = std::make_unique<Game>();
        game->Start();
        for (int frame = 1; frame <= CLogoComp::kTitleFrame + 1; ++frame) game->Frame();
        state.PauseTiming();
        if (!game->MainGameReady()) state.SkipWithError("the main game did not start");
        game.reset();
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(BM_StartToFirstFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeferredStart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartThroughDeferredStart)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
