// Run-length encoded BMPs: each code of RLE8 and RLE4, and damaged runs clipped or refused.
#include <string>

#include "engine/graphics/image_codec.h"
#include "graphics_fixture.h"

namespace {

constexpr std::uint32_t kRle8 = 1, kRle4 = 2;

// Palette entry i is opaque colour i, so a picture reads back as its indices.
Bytes MakeRleBmp(int width, int height, int bpp, std::uint32_t compression, const Bytes& codes) {
    const std::size_t bits = 54 + 16 * 4;
    Bytes b(bits, 0);
    b[0] = 'B', b[1] = 'M';
    Put32(b, 10, static_cast<std::uint32_t>(bits));
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<std::uint32_t>(bpp));
    Put32(b, 30, compression);
    Put32(b, 34, static_cast<std::uint32_t>(codes.size()));
    Put32(b, 46, 16);
    for (std::uint32_t i = 0; i < 16; ++i) Put32(b, 54 + i * 4, i);
    b.insert(b.end(), codes.begin(), codes.end());
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    return b;
}

// The picture's rows top-down, one hex digit a pixel.
std::string Rows(const Image& image) {
    std::string s;
    for (int y = 0; y < image.height; ++y) {
        if (y) s += '/';
        for (int x = 0; x < image.width; ++x) s += "0123456789ABCDEF"[image.At(x, y) & 15];
    }
    return s;
}

struct RleCase {
    const char* name;
    int width, height, bpp;
    Bytes codes;
    const char* rows;  // top row first
};

TEST(BmpRle, EachCodeDrawsWhereAnImageViewerDrawsIt) {
    const RleCase cases[] = {
        {"rle8 encoded runs, bottom row first",
         4,
         3,
         8,
         {3, 1, 1, 2, 0, 0, 4, 3, 0, 0, 2, 5, 0, 1},
         "5500/3333/1112"},
        {"rle8 absolute run of odd length is padded",
         4,
         1,
         8,
         {0, 3, 1, 2, 3, 0, 1, 4, 0, 1},
         "1234"},
        {"rle8 absolute run of even length", 4, 1, 8, {0, 4, 4, 3, 2, 1, 0, 1}, "4321"},
        {"early end of line and of picture leave colour 0",
         4,
         3,
         8,
         {1, 7, 0, 0, 0, 1},
         "0000/0000/7000"},
        {"delta moves right and up", 4, 2, 8, {1, 1, 0, 2, 2, 1, 1, 9, 0, 1}, "0009/1000"},
        {"rle4 encoded run alternates the nibbles", 5, 1, 4, {5, 0x12, 0, 1}, "12121"},
        {"rle4 absolute run of odd bytes is padded",
         6,
         1,
         4,
         {0, 5, 0x12, 0x34, 0x50, 0, 1, 0x70, 0, 1},
         "123457"},
        {"rle4 absolute run of even bytes", 4, 1, 4, {0, 3, 0xAB, 0xC0, 1, 0xD0, 0, 1}, "ABCD"},
        {"the last row's end of line ends the picture", 2, 1, 8, {2, 6, 0, 0}, "66"},
        {"a run past its row is clipped, not wrapped",
         4,
         2,
         8,
         {6, 1, 0, 0, 1, 2, 0, 1},
         "2000/1111"},
        {"an absolute run past its row is clipped",
         4,
         1,
         8,
         {0, 6, 1, 2, 3, 4, 5, 6, 0, 1},
         "1234"},
        {"pixels after a delta past the right edge are dropped",
         4,
         2,
         8,
         {0, 2, 200, 0, 1, 5, 0, 0, 1, 6, 0, 1},
         "6000/0000"},
        {"a delta past the top ends the picture", 2, 2, 8, {1, 3, 0, 2, 0, 200}, "00/30"},
        {"codes past the top row are ignored", 4, 1, 8, {1, 1, 0, 0, 1, 2, 0, 1}, "1000"},
    };
    for (const RleCase& c : cases) {
        const auto image = DecodeImage(
            MakeRleBmp(c.width, c.height, c.bpp, c.bpp == 8 ? kRle8 : kRle4, c.codes), "bmp");
        ASSERT_TRUE(image) << c.name;
        EXPECT_EQ(Rows(*image), c.rows) << c.name;
        EXPECT_EQ(image->At(0, 0) >> 24, 255u) << c.name;
    }
}

TEST(BmpRle, TruncatedOrMismatchedPicturesAreRefused) {
    struct Refused {
        const char* name;
        Bytes file;
    };
    Bytes top_down = MakeRleBmp(2, 1, 8, kRle8, {2, 1, 0, 1});
    Put32(top_down, 22, static_cast<std::uint32_t>(-1));
    Bytes past_end = MakeRleBmp(2, 1, 8, kRle8, {});
    Put32(past_end, 10, static_cast<std::uint32_t>(past_end.size() + 1));
    const Refused cases[] = {
        {"no codes", MakeRleBmp(2, 1, 8, kRle8, {})},
        {"a run cut in half", MakeRleBmp(2, 1, 8, kRle8, {2})},
        {"an absolute run missing pixels", MakeRleBmp(4, 1, 8, kRle8, {0, 4, 1, 2})},
        {"an rle4 absolute run missing pixels", MakeRleBmp(6, 1, 4, kRle4, {0, 5, 0x12, 0x34})},
        {"a delta missing its offsets", MakeRleBmp(4, 2, 8, kRle8, {0, 2, 1})},
        {"rows left without an end of picture", MakeRleBmp(2, 2, 8, kRle8, {2, 1, 0, 0, 1, 1})},
        {"top-down", top_down},
        {"rle8 at 4 bits", MakeRleBmp(2, 1, 4, kRle8, {2, 1, 0, 1})},
        {"rle4 at 8 bits", MakeRleBmp(2, 1, 8, kRle4, {2, 1, 0, 1})},
        {"pixels past the end of the file", past_end},
    };
    for (const Refused& c : cases) EXPECT_FALSE(DecodeBmp(c.file)) << c.name;
}

}  // namespace
