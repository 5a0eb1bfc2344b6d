#include "engine/graphics/image_codec.h"

#include <cctype>
#include <limits>

namespace {

std::uint32_t Read32(std::span<const std::uint8_t> b, std::size_t at) {
    if (b.size() < at + 4) return 0;
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

int ReadBigEndian16(std::span<const std::uint8_t> b, std::size_t at) {
    if (b.size() < at + 2) return 0;
    return b[at] << 8 | b[at + 1];
}

ImageSize JpegSize(std::span<const std::uint8_t> b) {
    // The first baseline (0xC0) or progressive (0xC2) start of frame; a 0xFF followed by any
    // other byte goes on scanning from that byte.
    for (std::size_t i = 0; i + 1 < b.size(); ++i) {
        if (b[i] != 0xFF || (b[i + 1] != 0xC0 && b[i + 1] != 0xC2)) continue;
        const std::size_t at = i + 2 + 3;  // segment length and sample precision
        if (at + 4 > b.size()) return {};
        return {ReadBigEndian16(b, at + 2), ReadBigEndian16(b, at)};
    }
    return {};
}

bool StartsWith(std::span<const std::uint8_t> b, std::string_view magic) {
    if (b.size() < magic.size()) return false;
    for (std::size_t i = 0; i < magic.size(); ++i)
        if (b[i] != static_cast<std::uint8_t>(magic[i])) return false;
    return true;
}

}  // namespace

std::string ExtensionOf(std::string_view file_name) {
    std::string lower;
    for (char c : file_name)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.size() >= 4 && lower.compare(lower.size() - 4, 4, "jpeg") == 0) return "jpg";
    return lower.size() >= 3 ? lower.substr(lower.size() - 3) : lower;
}

ImageSize HeaderSize(std::string_view extension, std::span<const std::uint8_t> bytes) {
    if (extension == "jpg") return JpegSize(bytes);
    const auto as_int = [](std::uint32_t v) { return static_cast<int>(v); };
    if (extension == "bmp") {
        const int height = as_int(Read32(bytes, 22));
        // A top-down picture stores its height negated; the one height that has no positive
        // counterpart is no size at all.
        return {as_int(Read32(bytes, 18)), height == std::numeric_limits<int>::min() ? 0
                                           : height < 0                              ? -height
                                                                                     : height};
    }
    const int first = as_int(Read32(bytes, 12)), second = as_int(Read32(bytes, 16));
    if (extension == "dds") return {second, first};
    return {first, second};
}

std::optional<Image> DecodeImage(std::span<const std::uint8_t> bytes, std::string_view extension) {
    if (StartsWith(bytes, "BM")) return DecodeBmp(bytes);
    if (StartsWith(bytes, "DDS ")) return DecodeDds(bytes);
    if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF)
        return DecodeJpeg(bytes);
    if (extension == "tga") return DecodeTga(bytes);
    return std::nullopt;
}

void ApplyColorKey(Image& image, std::uint32_t color_key) {
    if (color_key == 0) return;
    for (std::uint32_t& p : image.pixels)
        if (p == color_key) p = 0;
}
