// The picture decoders over arbitrary bytes: the one a signature chooses (BMP, DDS, JPEG, PNG,
// else TGA), the DIB of bitmap resources, and the header sizing of every extension. A decoded
// picture is never empty, never larger than the decoders allow, and holds exactly its pixels.
#include <cstdlib>

#include "engine/graphics/image_bits.h"
#include "engine/graphics/image_codec.h"

namespace {

void Check(const std::optional<Image>& image) {
    if (!image) return;
    if (image->width <= 0 || image->height <= 0 || image->width > imagebits::kMaxSide ||
        image->height > imagebits::kMaxSide ||
        image->pixels.size() != static_cast<std::size_t>(image->width) * image->height)
        abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    Check(DecodeImage(bytes, "tga"));
    Check(DecodeDib(bytes));
    for (const char* extension : {"jpg", "bmp", "dds", "tga", "png"})
        (void)HeaderSize(extension, bytes);
    return 0;
}
