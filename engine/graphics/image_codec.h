// The image formats the game's textures come in: BMP (also a DIB without its file header),
// DDS, JPEG, PNG and TGA, decoded into ARGB pixels; and the header sizing rules by which texture
// coordinates are computed.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/graphics/image.h"

struct ImageSize {
    int width = 0, height = 0;
    bool operator==(const ImageSize&) const = default;
};

// The extension as the loader sees it: the last three characters in lower case, "jpeg" -> "jpg".
std::string ExtensionOf(std::string_view file_name);
// The size the header claims. A file with a signature is read by its format: BMP (16-bit
// sizes in an OS/2 header, 32-bit in the others; |height| for top-down pictures), DDS (height
// then width at offset 12), JPEG (its start of frame, of any kind; 0 x 0 without one), PNG (its
// image header). Without one, by extension: "tga" two 16-bit numbers at offset 12, "jpg" the
// first baseline or progressive start of frame in the bytes, "bmp" at offset 18, "dds" at
// offset 12 height then width, anything else two words at offset 12. Missing bytes read as 0.
ImageSize HeaderSize(std::string_view extension, std::span<const std::uint8_t> bytes);
// The size of a DIB as bitmap resources hold it (no file header).
ImageSize DibHeaderSize(std::span<const std::uint8_t> bytes);

// Decoders; each returns nothing for data it cannot read.
std::optional<Image> DecodeBmp(std::span<const std::uint8_t> bytes);
// A DIB as bitmap resources hold it: BITMAPINFOHEADER first, no file header.
std::optional<Image> DecodeDib(std::span<const std::uint8_t> bytes);
std::optional<Image> DecodeDds(std::span<const std::uint8_t> bytes);
std::optional<Image> DecodeJpeg(std::span<const std::uint8_t> bytes);
// Every colour type and bit depth, interlaced or not; gamma and colour profiles are not applied.
std::optional<Image> DecodePng(std::span<const std::uint8_t> bytes);
std::optional<Image> DecodeTga(std::span<const std::uint8_t> bytes);
// Chooses by signature, then by extension (TGA has no signature).
std::optional<Image> DecodeImage(std::span<const std::uint8_t> bytes, std::string_view extension);

// Pixels equal to the key become transparent black; a key of 0 keys nothing.
void ApplyColorKey(Image& image, std::uint32_t color_key);
