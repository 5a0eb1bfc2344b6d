#include "tests/support/golden.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

std::string GoldenPath(const std::string& name) {
    return std::string(VEMU_TEST_SOURCE_DIR) + "/" + name + ".png";
}

bool ReadPng(const std::string& path, std::vector<std::uint8_t>& rgb, int& width, int& height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    rgb.resize(PNG_IMAGE_SIZE(image));
    return png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) != 0;
}

}  // namespace

bool WritePng(const std::string& path, const std::uint32_t* argb, int width, int height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height; ++i) {
        rgb[i * 3] = (argb[i] >> 16) & 255;
        rgb[i * 3 + 1] = (argb[i] >> 8) & 255;
        rgb[i * 3 + 2] = argb[i] & 255;
    }
    return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

::testing::AssertionResult MatchesGolden(const std::string& name, const std::uint32_t* argb,
                                         int width, int height) {
    const std::string path = GoldenPath(name);
    const char* update = std::getenv("VEMU_UPDATE_GOLDEN");
    if (update && *update == '1') {
        if (!WritePng(path, argb, width, height))
            return ::testing::AssertionFailure() << "cannot write " << path;
        return ::testing::AssertionSuccess() << "rewrote " << path;
    }
    std::vector<std::uint8_t> rgb;
    int gw = 0, gh = 0;
    if (!ReadPng(path, rgb, gw, gh))
        return ::testing::AssertionFailure()
               << "no golden " << path << " (run with VEMU_UPDATE_GOLDEN=1)";
    if (gw != width || gh != height)
        return ::testing::AssertionFailure()
               << "golden is " << gw << "x" << gh << ", picture " << width << "x" << height;
    int bad = 0;
    std::string first;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = argb[static_cast<std::size_t>(y) * width + x];
            const std::uint8_t* g = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            const int channels[3] = {static_cast<int>((p >> 16) & 255),
                                     static_cast<int>((p >> 8) & 255), static_cast<int>(p & 255)};
            for (int c = 0; c < 3; ++c) {
                if (std::abs(channels[c] - g[c]) > 1) {
                    if (bad++ == 0) {
                        char buf[128];
                        std::snprintf(buf, sizeof buf,
                                      "first at (%d, %d): %06X vs golden %02X%02X%02X", x, y,
                                      p & 0xFFFFFF, g[0], g[1], g[2]);
                        first = buf;
                    }
                    break;
                }
            }
        }
    }
    if (bad)
        return ::testing::AssertionFailure() << name << ": " << bad << " pixels differ; " << first;
    return ::testing::AssertionSuccess();
}
