#include "engine/graphics/image_codec.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "engine/graphics/image_bits.h"

using imagebits::U16;
using imagebits::U32;

namespace {

int ReadBigEndian16(std::span<const std::uint8_t> b, std::size_t at) {
    if (b.size() < at + 2) return 0;
    return b[at] << 8 | b[at + 1];
}

int AsInt(std::uint32_t v) { return static_cast<int>(v); }

// A top-down picture stores its height negated; the one height that has no positive
// counterpart is no size at all.
int Magnitude(int height) {
    return height == std::numeric_limits<int>::min() ? 0 : height < 0 ? -height : height;
}

bool StartsWith(std::span<const std::uint8_t> b, std::string_view magic) {
    if (b.size() < magic.size()) return false;
    for (std::size_t i = 0; i < magic.size(); ++i)
        if (b[i] != static_cast<std::uint8_t>(magic[i])) return false;
    return true;
}

bool IsJpeg(std::span<const std::uint8_t> b) {
    return b.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF;
}

bool IsPng(std::span<const std::uint8_t> b) { return StartsWith(b, "\x89PNG\r\n\x1A\n"); }

// Every start of frame: baseline, extended, progressive and lossless, Huffman or arithmetic
// coded. 0xC4, 0xC8 and 0xCC share the range but are tables and a reserved marker.
bool IsStartOfFrame(std::uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// The frame's height and width start three bytes after the marker (segment length and sample
// precision); a frame cut short gives no size.
ImageSize FrameSize(std::span<const std::uint8_t> b, std::size_t marker) {
    const std::size_t at = marker + 1 + 3;
    if (at + 4 > b.size()) return {};
    return {ReadBigEndian16(b, at + 2), ReadBigEndian16(b, at)};
}

// A file without the JPEG signature but named like one: the first baseline (0xC0) or
// progressive (0xC2) start of frame anywhere in the bytes; a 0xFF followed by any other byte
// goes on scanning from that byte.
ImageSize ScannedJpegSize(std::span<const std::uint8_t> b) {
    for (std::size_t i = 0; i + 1 < b.size(); ++i)
        if (b[i] == 0xFF && (b[i + 1] == 0xC0 || b[i + 1] == 0xC2)) return FrameSize(b, i + 1);
    return {};
}

// A JPEG is walked segment by segment, so a start of frame inside another segment (the
// thumbnail an Exif block holds) is not taken for the picture's own.
ImageSize JpegSize(std::span<const std::uint8_t> b) {
    std::size_t i = 2;
    while (i < b.size()) {
        // Bytes between segments are skipped to the next marker, as decoders do.
        while (i < b.size() && b[i] != 0xFF) ++i;
        while (i < b.size() && b[i] == 0xFF) ++i;  // fill bytes
        if (i >= b.size()) break;
        const std::uint8_t marker = b[i];
        if (IsStartOfFrame(marker)) return FrameSize(b, i);
        // The scan or the end before any frame: the picture has no size.
        if (marker == 0xDA || marker == 0xD9) break;
        if (marker == 0x01 || marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7)) {
            ++i;  // markers without a segment
            continue;
        }
        const int length = ReadBigEndian16(b, i + 1);
        if (length < 2) break;
        i += 1 + static_cast<std::size_t>(length);
    }
    return {};
}

// After the file header: the OS/2 header of 12 bytes holds 16-bit sizes, every later one
// 32-bit sizes.
ImageSize DibSizeAt(std::span<const std::uint8_t> b, std::size_t header) {
    if (U32(b, header) == 12)
        return {static_cast<std::int16_t>(U16(b, header + 4)),
                Magnitude(static_cast<std::int16_t>(U16(b, header + 6)))};
    return {AsInt(U32(b, header + 4)), Magnitude(AsInt(U32(b, header + 8)))};
}

ImageSize PngSize(std::span<const std::uint8_t> b) {
    // The image header is the first chunk: its length, its name, then width and height.
    if (b.size() < 24 || !std::equal(b.begin() + 12, b.begin() + 16, "IHDR")) return {};
    const auto big32 = [&](std::size_t at) {
        return AsInt(static_cast<std::uint32_t>(ReadBigEndian16(b, at)) << 16 |
                     static_cast<std::uint32_t>(ReadBigEndian16(b, at + 2)));
    };
    return {big32(16), big32(20)};
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
    // The content decides before the name: a picture saved under another format's extension
    // is still decoded by its signature, and must be sized the same way.
    if (StartsWith(bytes, "BM")) return DibSizeAt(bytes, 14);
    if (StartsWith(bytes, "DDS ")) return {AsInt(U32(bytes, 16)), AsInt(U32(bytes, 12))};
    if (IsJpeg(bytes)) return JpegSize(bytes);
    if (IsPng(bytes)) return PngSize(bytes);
    // A TGA has no signature; its sizes are 16-bit.
    if (extension == "tga") return {AsInt(U16(bytes, 12)), AsInt(U16(bytes, 14))};
    if (extension == "jpg") return ScannedJpegSize(bytes);
    if (extension == "bmp") return {AsInt(U32(bytes, 18)), Magnitude(AsInt(U32(bytes, 22)))};
    const int first = AsInt(U32(bytes, 12)), second = AsInt(U32(bytes, 16));
    if (extension == "dds") return {second, first};
    return {first, second};
}

ImageSize DibHeaderSize(std::span<const std::uint8_t> bytes) { return DibSizeAt(bytes, 0); }

std::optional<Image> DecodeImage(std::span<const std::uint8_t> bytes, std::string_view extension) {
    if (StartsWith(bytes, "BM")) return DecodeBmp(bytes);
    if (StartsWith(bytes, "DDS ")) return DecodeDds(bytes);
    if (IsJpeg(bytes)) return DecodeJpeg(bytes);
    if (IsPng(bytes)) return DecodePng(bytes);
    if (extension == "tga") return DecodeTga(bytes);
    return std::nullopt;
}

void ApplyColorKey(Image& image, std::uint32_t color_key) {
    if (color_key == 0) return;
    for (std::uint32_t& p : image.pixels)
        if (p == color_key) p = 0;
}
