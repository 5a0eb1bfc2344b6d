#include "engine/graphics/image_bmp_rle.h"

#include <algorithm>

namespace {

// Writes pixels at a moving position in a bottom-up picture. Pixels that fall outside it (a
// run longer than its row, a delta past the right edge) are dropped rather than wrapped, as
// the picture's own rows say where each line starts.
class RleCanvas {
public:
    RleCanvas(Image& image, const std::uint32_t (&palette)[256])
        : image_(image), palette_(palette) {}

    void Put(std::uint8_t index) {
        if (x_ < image_.width && y_ < image_.height)
            image_.At(x_, image_.height - 1 - y_) = palette_[index];
        if (x_ < image_.width) ++x_;
    }
    void EndLine() { x_ = 0, ++y_; }
    void Move(int dx, int dy) {
        x_ = std::min(x_ + dx, image_.width);
        y_ = std::min(y_ + dy, image_.height);
    }
    // Every row has been passed: nothing later can show.
    bool Full() const { return y_ >= image_.height; }

private:
    Image& image_;
    const std::uint32_t (&palette_)[256];
    int x_ = 0, y_ = 0;
};

// The i-th palette index of a run of `byte`s: the byte itself at 8 bits, else its high and low
// nibbles in turn.
std::uint8_t IndexAt(bool four, std::uint8_t byte, int i) {
    return four ? (i & 1 ? byte & 15 : byte >> 4) : byte;
}

}  // namespace

std::optional<Image> DecodeBmpRle(std::span<const std::uint8_t> data, int width, int height,
                                  int bpp, const std::uint32_t (&palette)[256]) {
    // Pixels no code reaches (skipped by an early end of line, a delta or an early end of
    // picture) keep the first palette colour, as when the runs are expanded into a bitmap
    // that starts out zeroed.
    Image image(width, height, palette[0]);
    RleCanvas canvas(image, palette);
    const bool four = bpp == 4;
    std::size_t at = 0;
    while (!canvas.Full()) {
        if (data.size() - at < 2) return std::nullopt;  // ends before its end of picture
        const std::uint8_t count = data[at], value = data[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) canvas.Put(IndexAt(four, value, i));
            continue;
        }
        if (value == 0) {
            canvas.EndLine();
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (data.size() - at < 2) return std::nullopt;
            canvas.Move(data[at], data[at + 1]);
            at += 2;
        } else {
            // Absolute mode: `value` pixels taken as they are, padded to a 16-bit boundary.
            const std::size_t bytes = four ? (value + 1u) / 2 : value;
            if (data.size() - at < bytes) return std::nullopt;
            for (int i = 0; i < value; ++i)
                canvas.Put(IndexAt(four, data[at + (four ? i / 2 : i)], i));
            at += bytes + (bytes & 1);
            at = std::min(at, data.size());
        }
    }
    return image;
}
