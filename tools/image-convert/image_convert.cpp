// vemu-image-convert: turns an RGBA PNG into one of the picture formats the game loads.
//
//   vemu-image-convert <in.png> <out> bmp|dib|dds [key=RRGGBB]
//
// bmp / dib: 24-bit bottom-up pixels. Pixels whose alpha is below one half become the key
// colour; every other pixel keeps its own colour at full strength (so anti-aliased edges get
// no fringe of the key), and an opaque pixel that happens to equal the key is nudged by one
// step of green so that only the intended pixels turn transparent. Without a key, pixels
// are laid over black. A dib is a bmp without its 14-byte file header.
// dds: uncompressed A8R8G8B8 with straight alpha, top-down.
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Image {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> rgba;  // top-down, 4 bytes per pixel
};

std::optional<Image> ReadPng(const char* path) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path)) {
        std::fprintf(stderr, "%s: %s\n", path, png.message);
        return std::nullopt;
    }
    png.format = PNG_FORMAT_RGBA;
    Image image;
    image.width = png.width;
    image.height = png.height;
    image.rgba.resize(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, image.rgba.data(), 0, nullptr)) {
        std::fprintf(stderr, "%s: %s\n", path, png.message);
        png_image_free(&png);
        return std::nullopt;
    }
    return image;
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::vector<uint8_t> EncodeBitmap(const Image& image, std::optional<uint32_t> key,
                                  bool fileHeader) {
    const uint32_t stride = (image.width * 3 + 3) & ~3u;
    const uint32_t pixelBytes = stride * image.height;
    std::vector<uint8_t> out;
    if (fileHeader) {
        out.push_back('B');
        out.push_back('M');
        Put32(out, 14 + 40 + pixelBytes);
        Put32(out, 0);
        Put32(out, 14 + 40);
    }
    Put32(out, 40);
    Put32(out, image.width);
    Put32(out, image.height);  // positive: bottom-up rows
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    const uint8_t kr = key ? (*key >> 16) & 0xFF : 0, kg = key ? (*key >> 8) & 0xFF : 0,
                  kb = key ? *key & 0xFF : 0;
    for (uint32_t row = image.height; row-- > 0;) {
        const uint8_t* src = &image.rgba[size_t(row) * image.width * 4];
        for (uint32_t x = 0; x < image.width; ++x, src += 4) {
            uint8_t r = src[0], g = src[1], b = src[2];
            const uint8_t a = src[3];
            if (key) {
                if (a < 128) {
                    r = kr, g = kg, b = kb;
                } else if (r == kr && g == kg && b == kb) {
                    g = g > 0 ? g - 1 : 1;
                }
            } else {
                r = uint8_t(r * a / 255), g = uint8_t(g * a / 255), b = uint8_t(b * a / 255);
            }
            out.push_back(b);
            out.push_back(g);
            out.push_back(r);
        }
        for (uint32_t pad = image.width * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

std::vector<uint8_t> EncodeDds(const Image& image) {
    std::vector<uint8_t> out = {'D', 'D', 'S', ' '};
    Put32(out, 124);
    Put32(out, 0x1 | 0x2 | 0x4 | 0x8 | 0x1000);  // caps, height, width, pitch, pixel format
    Put32(out, image.height);
    Put32(out, image.width);
    Put32(out, image.width * 4);
    Put32(out, 0);  // depth
    Put32(out, 0);  // mip levels
    for (int i = 0; i < 11; ++i) Put32(out, 0);
    Put32(out, 32);          // pixel format size
    Put32(out, 0x1 | 0x40);  // alpha pixels, RGB
    Put32(out, 0);           // no FourCC
    Put32(out, 32);
    Put32(out, 0x00FF0000);
    Put32(out, 0x0000FF00);
    Put32(out, 0x000000FF);
    Put32(out, 0xFF000000);
    Put32(out, 0x1000);  // texture
    for (int i = 0; i < 4; ++i) Put32(out, 0);
    for (size_t i = 0; i < image.rgba.size(); i += 4) {
        out.push_back(image.rgba[i + 2]);
        out.push_back(image.rgba[i + 1]);
        out.push_back(image.rgba[i + 0]);
        out.push_back(image.rgba[i + 3]);
    }
    return out;
}

bool WriteAll(const char* path, const std::vector<uint8_t>& bytes) {
    FILE* file = std::fopen(path, "wb");
    if (!file) {
        std::perror(path);
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc > 5) {
        std::fprintf(stderr, "usage: %s <in.png> <out> bmp|dib|dds [key=RRGGBB]\n", argv[0]);
        return 2;
    }
    const std::string format = argv[3];
    std::optional<uint32_t> key;
    if (argc == 5) {
        if (std::strncmp(argv[4], "key=", 4) != 0 || std::strlen(argv[4]) != 10) {
            std::fprintf(stderr, "bad key argument: %s\n", argv[4]);
            return 2;
        }
        key = uint32_t(std::strtoul(argv[4] + 4, nullptr, 16));
    }
    const auto image = ReadPng(argv[1]);
    if (!image) return 1;
    std::vector<uint8_t> bytes;
    if (format == "bmp" || format == "dib") {
        bytes = EncodeBitmap(*image, key, format == "bmp");
    } else if (format == "dds") {
        bytes = EncodeDds(*image);
    } else {
        std::fprintf(stderr, "unknown format: %s\n", format.c_str());
        return 2;
    }
    return WriteAll(argv[2], bytes) ? 0 : 1;
}
