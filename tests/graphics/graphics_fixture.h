// A headless world with a started graphics device and a scratch game folder, plus builders of
// small image files.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/framework/engine_runtime.h"
#include "engine/graphics/direct_graphics.h"
#include "engine/graphics/texture.h"
#include "platform/headless/headless_backend.h"

using Bytes = std::vector<std::uint8_t>;

#if !defined(__SANITIZE_ADDRESS__)
// Lets the process map only `extra` bytes more than it has mapped now. (AddressSanitizer maps
// its shadow memory up front, so the limit cannot be used under it.)
inline void LimitAddressSpace(std::size_t extra) {
    std::size_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t limit = static_cast<rlim_t>(pages * ::sysconf(_SC_PAGESIZE) + extra);
    const rlimit value{limit, limit};
    ::setrlimit(RLIMIT_AS, &value);
}
#endif

inline void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = v & 255;
    b[at + 1] = (v >> 8) & 255;
}
inline void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 255;
}

// A 24-bit BMP of the given ARGB pixels (alpha ignored), rows top-down in `pixels`.
inline Bytes MakeBmp24(int width, int height, const std::vector<std::uint32_t>& pixels,
                       bool top_down = false) {
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    Bytes b(54 + stride * height, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, 54);
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(top_down ? -height : height));
    Put16(b, 26, 1);
    Put16(b, 28, 24);
    for (int y = 0; y < height; ++y) {
        const int row = top_down ? y : height - 1 - y;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
            std::uint8_t* d =
                &b[54 + static_cast<std::size_t>(row) * stride + static_cast<std::size_t>(x) * 3];
            d[0] = p & 255;
            d[1] = (p >> 8) & 255;
            d[2] = (p >> 16) & 255;
        }
    }
    return b;
}

// An uncompressed 32-bit DDS (A8R8G8B8) of the given pixels.
inline Bytes MakeDds32(int width, int height, const std::vector<std::uint32_t>& pixels) {
    Bytes b(128 + pixels.size() * 4, 0);
    b[0] = 'D', b[1] = 'D', b[2] = 'S', b[3] = ' ';
    Put32(b, 4, 124);
    Put32(b, 8, 0x100F);
    Put32(b, 12, static_cast<std::uint32_t>(height));
    Put32(b, 16, static_cast<std::uint32_t>(width));
    Put32(b, 76, 32);
    Put32(b, 80, 0x41);
    Put32(b, 88, 32);
    Put32(b, 92, 0x00FF0000);
    Put32(b, 96, 0x0000FF00);
    Put32(b, 100, 0x000000FF);
    Put32(b, 104, 0xFF000000);
    for (std::size_t i = 0; i < pixels.size(); ++i) Put32(b, 128 + i * 4, pixels[i]);
    return b;
}

class GraphicsWorld : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("vemu-gfx-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "dat");
        backend.services().folders.game = dir_.string();
        backend.services().folders.data = dir_.string();
        backend.Install();
        runtime = std::make_unique<EngineRuntime>();
        gfx = &runtime->graphics;
        ASSERT_TRUE(gfx->Init(nullptr, true));
    }
    void TearDown() override {
        runtime.reset();
        std::filesystem::remove_all(dir_);
    }
    void WriteFile(const std::string& relative, const Bytes& bytes) {
        const std::filesystem::path path = dir_ / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    void Fill(std::uint32_t argb) {
        gfx->SetClearColor(argb);
        gfx->Clear();
    }

    platform::headless::HeadlessBackend backend;
    std::unique_ptr<EngineRuntime> runtime;
    CDirectGraphics* gfx = nullptr;
    std::filesystem::path dir_;
};
