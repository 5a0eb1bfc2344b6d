// The cost of one representative main-screen frame on the software renderer, beside the cost
// of one plain copy of a full frame (the bound no frame can beat).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "engine/framework/engine_runtime.h"
#include "engine/graphics/direct_graphics.h"
#include "engine/graphics/texture.h"
#include "platform/headless/headless_backend.h"

namespace {

using Pixel = std::uint32_t (*)(int, int);

void WriteBmp(const std::filesystem::path& path, int w, int h, Pixel pixel) {
    const std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) & ~std::size_t{3};
    std::vector<std::uint8_t> b(54 + stride * h, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 255;
    };
    b[0] = 'B', b[1] = 'M';
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(w));
    put32(22, static_cast<std::uint32_t>(h));
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = pixel(x, y);
            std::uint8_t* d = &b[54 + static_cast<std::size_t>(h - 1 - y) * stride +
                                 static_cast<std::size_t>(x) * 3];
            d[0] = p & 255, d[1] = (p >> 8) & 255, d[2] = (p >> 16) & 255;
        }
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

struct World {
    platform::headless::HeadlessBackend backend;
    std::unique_ptr<EngineRuntime> runtime;
    CDirectGraphics* gfx = nullptr;
    DTexture background, sprite;
    std::filesystem::path dir;

    World() {
        dir = std::filesystem::temp_directory_path() / ("vemu-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir / "dat");
        WriteBmp(dir / "dat/bg.bmp", 640, 480,
                 [](int x, int y) { return (x * 255 / 640) << 16 | (y * 255 / 480) << 8 | 0x40u; });
        // Keyed magenta corners, as the game's sprites have.
        WriteBmp(dir / "dat/sprite.bmp", 64, 64, [](int x, int y) {
            return (x < 12 && y < 12)
                       ? 0xFF00FFu
                       : static_cast<std::uint32_t>(x * 4) << 16 | (y * 4) << 8 | 0xC0u;
        });
        backend.services().folders.game = dir.string();
        backend.Install();
        runtime = std::make_unique<EngineRuntime>();
        gfx = &runtime->graphics;
        gfx->Init(nullptr, true);
        background.LoadFromFile("dat\\bg.bmp", 0);
        sprite.LoadFromFile("dat\\sprite.bmp", 0xFFFF00FF);
    }
    ~World() {
        runtime.reset();
        std::filesystem::remove_all(dir);
    }

    void DrawBackground() { gfx->DrawTexture(0, 0, &background); }
    void DrawSprites() {
        for (int i = 0; i < 40; ++i)
            gfx->DrawTexture(16 + (i % 8) * 76, 20 + (i / 8) * 80, &sprite);
    }
    void DrawEffects() {
        DEffect pulse;
        pulse.x = 100, pulse.y = 300, pulse.width = 96, pulse.height = 96, pulse.rotation = 0;
        pulse.alpha = 255, pulse.red = 255, pulse.green = 200, pulse.blue = 200;
        gfx->DrawEffect(&pulse, &sprite);
        pulse.x = 400, pulse.rotation = 30, pulse.alpha = 180;
        gfx->DrawEffect(&pulse, &sprite);
    }
    void DrawPanel() {
        DEffect panel;
        panel.x = 320, panel.y = 290, panel.width = 300, panel.height = 170;
        panel.alpha = 196, panel.red = 20, panel.green = 20, panel.blue = 60;
        gfx->DrawEffect(&panel, nullptr);
    }
    void DrawLines() {
        for (int line = 0; line < 12; ++line)
            gfx->DrawText(330, 295 + line * 14, "ぜるば堂の本日の売上は一万二千円です", 0xFFFFFFFF,
                          nullptr, 0x50);
    }

    void DrawMainScreen() {
        gfx->BeginScene();
        DrawBackground();
        DrawSprites();
        DrawEffects();
        DrawPanel();
        DrawLines();
        gfx->EndScene();
    }
};

World& TheWorld() {
    static World* world = new World();  // lives for the run; the process ends right after
    return *world;
}

void BM_MainScreenFrame(benchmark::State& state) {
    World& world = TheWorld();
    for (auto _ : state) {
        world.DrawMainScreen();
        benchmark::DoNotOptimize(world.gfx->Pixels());
    }
}
BENCHMARK(BM_MainScreenFrame)->Unit(benchmark::kMicrosecond);

// The parts of the frame on their own, to see where its time goes.
template <void (World::*kPart)()>
void BM_FramePart(benchmark::State& state) {
    World& world = TheWorld();
    for (auto _ : state) {
        (world.*kPart)();
        benchmark::DoNotOptimize(world.gfx->Pixels());
    }
}
BENCHMARK_TEMPLATE(BM_FramePart, &World::DrawBackground)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_FramePart, &World::DrawSprites)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_FramePart, &World::DrawEffects)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_FramePart, &World::DrawPanel)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_FramePart, &World::DrawLines)->Unit(benchmark::kMicrosecond);

void BM_FullFrameCopy(benchmark::State& state) {
    World& world = TheWorld();
    std::vector<std::uint32_t> target(640 * 480);
    for (auto _ : state) {
        std::memcpy(target.data(), world.gfx->Pixels(), target.size() * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullFrameCopy)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
