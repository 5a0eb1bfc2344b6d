// Run-length encoded BMP pixels (8 and 4 bits a pixel), which the BMP decoder hands over once
// it has read the headers and the palette.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "engine/graphics/image.h"

// Decodes `data` (the pixel bytes to the end of the file) as bottom-up RLE8 (`bpp` 8) or RLE4
// (`bpp` 4) into a `width` x `height` picture of `palette` colours.
std::optional<Image> DecodeBmpRle(std::span<const std::uint8_t> data, int width, int height,
                                  int bpp, const std::uint32_t (&palette)[256]);
