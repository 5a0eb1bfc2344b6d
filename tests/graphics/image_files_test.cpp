// Pictures that other programs wrote, decoded to the size and the pixels that those programs
// read back. The files are in images/, made from source.png with the command above each case
// (ImageMagick 6.9's convert, libjpeg-turbo 2.1's cjpeg); the pixels are what
// `convert <file> -depth 8 txt:-` lists, as ARGB words, rows top-down. A TGA's are listed with
// -auto-orient as well: convert keeps a TGA's rows in the order stored and only notes the corner
// they start from. A channel stored in five or in sixteen bits, or decoded from a JPEG, may be
// one off: convert rounds down where a half or more rounds up here.
#include <algorithm>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string_view>

#include <png.h>
#include <zlib.h>

#include "engine/graphics/image_bits.h"
#include "engine/graphics/image_codec.h"
#include "graphics_fixture.h"

namespace {

struct Picture {
    const char* file;
    int width, height;
    std::vector<std::uint32_t> pixels;
    // How far a channel may stray from the reference (lossy formats decode with rounding).
    int tolerance = 0;
};

const Picture kPictures[] = {
    // convert -size 5x3 'xc:#808080' -alpha set -fill '#FF0000' -draw 'color 0,0 point'
    //   -fill '#00FF00' -draw 'color 1,0 point' -fill '#0000FF' -draw 'color 2,0 point'
    //   -fill '#FFFFFF' -draw 'color 3,0 point' -fill '#000000' -draw 'color 4,0 point'
    //   -fill '#FF800080' -draw 'color 0,1 point' -fill '#00000000' -draw 'color 1,1 point'
    //   -fill '#10203040' -draw 'color 2,1 point' -fill '#FFFF00C0' -draw 'color 3,1 point'
    //   -fill '#0A141E' -draw 'color 4,2 point' source.png
    {"source.png",
     5,
     3,
     {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0x80FF8000, 0x00000000,
      0x40102030, 0xC0FFFF00, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080,
      0xFF0A141E}},
    // convert source.png -strip -background white -flatten -threshold 50% -define png:color-type=0
    // -define png:bit-depth=1 png_gray1.png
    {"png_gray1.png",
     5,
     3,
     {0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF,
      0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
      0xFF000000}},
    // convert source.png -strip -background white -flatten -colorspace Gray -evaluate multiply 0.7
    // -define png:color-type=0 -define png:bit-depth=16 png_gray16.png
    {"png_gray16.png",
     5,
     3,
     {0xFF252525, 0xFF7F7F7F, 0xFF0C0C0C, 0xFFB2B2B2, 0xFF000000, 0xFF8C8C8C, 0xFFB2B2B2,
      0xFF8A8A8A, 0xFFA8A8A8, 0xFF595959, 0xFF595959, 0xFF595959, 0xFF595959, 0xFF595959,
      0xFF0D0D0D},
     1},
    // convert source.png -strip -background white -flatten -colorspace Gray -posterize 4 -define
    // png:color-type=0 -define png:bit-depth=2 png_gray2.png
    {"png_gray2.png",
     5,
     3,
     {0xFF555555, 0xFFAAAAAA, 0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFAAAAAA, 0xFFFFFFFF,
      0xFFAAAAAA, 0xFFFFFFFF, 0xFFAAAAAA, 0xFFAAAAAA, 0xFFAAAAAA, 0xFFAAAAAA, 0xFFAAAAAA,
      0xFF000000}},
    // convert source.png -strip -background white -flatten -colorspace Gray -transparent '#808080'
    // -define png:color-type=0 -define png:bit-depth=8 png_gray8_trns.png
    {"png_gray8_trns.png",
     5,
     3,
     {0xFF363636, 0xFFB6B6B6, 0xFF121212, 0xFFFFFFFF, 0xFF000000, 0xFFC8C8C8, 0xFFFFFFFF,
      0xFFC6C6C6, 0xFFF1F1F1, 0x00808080, 0x00808080, 0x00808080, 0x00808080, 0x00808080,
      0xFF121212}},
    // convert source.png -strip -colorspace Gray -evaluate multiply 0.7 -define png:color-type=4
    // -define png:bit-depth=16 png_gray_alpha16.png
    {"png_gray_alpha16.png",
     5,
     3,
     {0xFF252525, 0xFF7F7F7F, 0xFF0C0C0C, 0xFFB2B2B2, 0xFF000000, 0x80666666, 0x00000000,
      0x40141414, 0xC0A5A5A5, 0xFF595959, 0xFF595959, 0xFF595959, 0xFF595959, 0xFF595959,
      0xFF0D0D0D},
     1},
    // convert source.png -strip -colorspace Gray -define png:color-type=4 -define png:bit-depth=8
    // png_gray_alpha8.png
    {"png_gray_alpha8.png",
     5,
     3,
     {0xFF363636, 0xFFB6B6B6, 0xFF121212, 0xFFFFFFFF, 0xFF000000, 0x80919191, 0x00000000,
      0x401D1D1D, 0xC0ECECEC, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080,
      0xFF121212}},
    // convert source.png -strip -background white -flatten -colors 4 -define png:color-type=3
    // -define png:bit-depth=2 png_palette2.png
    {"png_palette2.png",
     5,
     3,
     {0xFF998C59, 0xFF998C59, 0xFF808080, 0xFFEBECED, 0xFF050A0F, 0xFF998C59, 0xFFEBECED,
      0xFFEBECED, 0xFF998C59, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080,
      0xFF050A0F}},
    // convert source.png -strip -background white -flatten -colors 16 -define png:color-type=3
    // -define png:bit-depth=4 png_palette4.png
    {"png_palette4.png",
     5,
     3,
     {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFFFFBF7F, 0xFFFFFFFF,
      0xFFC3C7CB, 0xFFFFFF3F, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080,
      0xFF0A141E}},
    // convert source.png -strip PNG8:png_palette8.png
    {"png_palette8.png",
     5,
     3,
     {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFFFF8000, 0x00FFFFFF,
      0x00FFFFFF, 0xFFFFFF00, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080,
      0xFF0A141E}},
    // convert source.png -strip -background '#336699' -flatten PNG48:png_rgb16.png
    {"png_rgb16.png",
     5,
     3,
     {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFF99734C, 0xFF336699,
      0xFF2A547E, 0xFFCCD925, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080,
      0xFF0A141E},
     1},
    // convert source.png -strip -background '#336699' -flatten PNG24:png_rgb8.png
    {"png_rgb8.png",
     5,
     3,
     {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFF99734C, 0xFF336699,
      0xFF2A547E, 0xFFCCD925, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080,
      0xFF0A141E}},
    // convert source.png -strip -background white -flatten -define png:color-type=2 -define
    // png:bit-depth=8 -transparent '#808080' png_rgb8_trns.png
    {"png_rgb8_trns.png",
     5,
     3,
     {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFFFFBF7F, 0xFFFFFFFF,
      0xFFC3C7CB, 0xFFFFFF3F, 0x00808080, 0x00808080, 0x00808080, 0x00808080, 0x00808080,
      0xFF0A141E}},
    // convert source.png -strip -evaluate multiply 0.7 PNG64:png_rgba16.png
    {"png_rgba16.png",
     5,
     3,
     {0xFFB20000, 0xFF00B200, 0xFF0000B2, 0xFFB2B2B2, 0xFF000000, 0x80B25900, 0x00000000,
      0x400B1621, 0xC0B2B200, 0xFF595959, 0xFF595959, 0xFF595959, 0xFF595959, 0xFF595959,
      0xFF070E15},
     1},
    // convert source.png -strip PNG32:png_rgba8.png
    {"png_rgba8.png",
     5,
     3,
     {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0x80FF8000, 0x00000000,
      0x40102030, 0xC0FFFF00, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080,
      0xFF0A141E}},
    // convert source.png -strip -interlace PNG PNG32:png_rgba8_interlaced.png
    {"png_rgba8_interlaced.png",
     5,
     3,
     {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0x80FF8000, 0x00000000,
      0x40102030, 0xC0FFFF00, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080,
      0xFF0A141E}},
    // convert source.png -background '#336699' -flatten -alpha off -compress None tga_rgb24.tga
    {"tga_rgb24.tga",
     5,
     3,
     {0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF0A141E, 0xFF99734C, 0xFF336699,
      0xFF2A547F, 0xFFCDD926, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF,
      0xFF000000}},
    // convert source.png -compress None tga_rgba32.tga
    {"tga_rgba32.tga",
     5,
     3,
     {0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF0A141E, 0x80FF8000, 0x00000000,
      0x40102030, 0xC0FFFF00, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF,
      0xFF000000}},
    // convert source.png -orient TopLeft -compress RLE tga_rgba32_rle.tga
    {"tga_rgba32_rle.tga",
     5,
     3,
     {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0x80FF8000, 0x00000000,
      0x40102030, 0xC0FFFF00, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080,
      0xFF0A141E}},
    // convert source.png -background '#336699' -flatten -type Palette -compress None tga_mapped.tga
    {"tga_mapped.tga",
     5,
     3,
     {0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF0A141E, 0xFF99734C, 0xFF336699,
      0xFF2A547F, 0xFFCDD926, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF,
      0xFF000000}},
    // convert source.png -background '#336699' -flatten -type Grayscale -compress None
    // tga_gray8.tga
    {"tga_gray8.tga",
     5,
     3,
     {0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080, 0xFF131313, 0xFF787878, 0xFF5F5F5F,
      0xFF4F4F4F, 0xFFCACACA, 0xFF808080, 0xFF363636, 0xFFB6B6B6, 0xFF121212, 0xFFFFFFFF,
      0xFF000000}},
    // convert source.png -alpha off -depth 5 -compress None tga_rgb16.tga
    {"tga_rgb16.tga",
     5,
     3,
     {0xFF737373, 0xFF737373, 0xFF737373, 0xFF737373, 0xFF000810, 0xFFFF7300, 0xFF000000,
      0xFF001020, 0xFFFFFF00, 0xFF737373, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF,
      0xFF000000},
     1},
    // convert source.png -depth 5 -compress None tga_argb16.tga
    {"tga_argb16.tga",
     5,
     3,
     {0xFF737373, 0xFF737373, 0xFF737373, 0xFF737373, 0xFF000810, 0xFFFF7300, 0x00000000,
      0x00001020, 0xFFFFFF00, 0xFF737373, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF,
      0xFF000000},
     1},
    // convert source.png -depth 5 -compress RLE tga_argb16_rle.tga
    {"tga_argb16_rle.tga",
     5,
     3,
     {0xFF737373, 0xFF737373, 0xFF737373, 0xFF737373, 0xFF000810, 0xFFFF7300, 0x00000000,
      0x00001020, 0xFFFFFF00, 0xFF737373, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF,
      0xFF000000},
     1},
    // No program at hand writes grey with alpha, nor reads it (convert and tgatoppm take its
    // sixteen bits for a colour); written by a script, grey 17 i and alpha 255 - 17 i for the
    // i-th pixel, rows top-down, by
    // clang-format off
    // python3 -c "import sys; sys.stdout.buffer.write(bytes([0, 0, 3] + [0] * 9 + [5, 0, 3, 0,
    //   16, 0x28] + [v for i in range(15) for v in (17 * i, 255 - 17 * i)]))" > tga_gray_alpha16.tga
    // clang-format on
    {"tga_gray_alpha16.tga",
     5,
     3,
     {0xFF000000, 0xEE111111, 0xDD222222, 0xCC333333, 0xBB444444, 0xAA555555, 0x99666666,
      0x88777777, 0x77888888, 0x66999999, 0x55AAAAAA, 0x44BBBBBB, 0x33CCCCCC, 0x22DDDDDD,
      0x11EEEEEE}},
    // convert source.png -background '#336699' -flatten ppm:- | cjpeg -quality 1 -optimize >
    // jpeg_extended.jpg
    {"jpeg_extended.jpg",
     5,
     3,
     {0xFFDFDFDF, 0xFFD1D1D1, 0xFFB6B6B6, 0xFF939393, 0xFF6D6D6D, 0xFFDFDFDF, 0xFFD1D1D1,
      0xFFB6B6B6, 0xFF939393, 0xFF6D6D6D, 0xFFDFDFDF, 0xFFD1D1D1, 0xFFB6B6B6, 0xFF939393,
      0xFF6D6D6D},
     1},
    // convert source.png -background '#336699' -flatten ppm:- | cjpeg -arithmetic >
    // jpeg_arithmetic.jpg
    {"jpeg_arithmetic.jpg",
     5,
     3,
     {0xFF484840, 0xFF93948C, 0xFF171813, 0xFFF7FCF6, 0xFF070B0A, 0xFF7B7B73, 0xFF71726C,
      0xFF494B46, 0xFFB8BDB9, 0xFF818584, 0xFF858680, 0xFF7B7C76, 0xFF7F817C, 0xFF787D79,
      0xFF1D2120},
     1},
    // convert source.png -background '#336699' -flatten ppm:- | cjpeg -arithmetic -progressive >
    // jpeg_arithmetic_progressive.jpg
    {"jpeg_arithmetic_progressive.jpg",
     5,
     3,
     {0xFF484840, 0xFF93948C, 0xFF171813, 0xFFF7FCF6, 0xFF070B0A, 0xFF7B7B73, 0xFF71726C,
      0xFF494B46, 0xFFB8BDB9, 0xFF818584, 0xFF858680, 0xFF7B7C76, 0xFF7F817C, 0xFF787D79,
      0xFF1D2120},
     1},
    // convert source.png -background '#336699' -flatten -colorspace CMYK -quality 95 jpeg_ycck.jpg
    // (listed with -colorspace sRGB)
    {"jpeg_ycck.jpg",
     5,
     3,
     {0xFFFC0000, 0xFF05FD00, 0xFF0002FA, 0xFFFEFFFF, 0xFF000000, 0xFF99724E, 0xFF326499,
      0xFF25547C, 0xFFD3D729, 0xFF807E80, 0xFF7F8282, 0xFF7E7B7E, 0xFF797D7C, 0xFF808282,
      0xFF09121B},
     1},
    // cmyk.c, from jpeg_ycck.jpg (listed with -colorspace sRGB)
    {"jpeg_cmyk.jpg",
     5,
     3,
     {0xFFFB0000, 0xFF07FE00, 0xFF0002FB, 0xFFFEFEFF, 0xFF000000, 0xFF98724D, 0xFF326297,
      0xFF25547B, 0xFFD2D82B, 0xFF807E7F, 0xFF818483, 0xFF79767A, 0xFF787C7C, 0xFF828484,
      0xFF091019},
     1},
};

Bytes ReadPicture(const std::string& name) {
    std::ifstream in(std::string(VEMU_TEST_SOURCE_DIR) + "/graphics/images/" + name,
                     std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// The first pixel that strays from the reference by more than the tolerance, or "".
std::string FirstMismatch(const Image& image, const Picture& want) {
    if (image.pixels.size() != want.pixels.size()) return "pixel count";
    for (std::size_t i = 0; i < want.pixels.size(); ++i)
        for (int shift = 0; shift < 32; shift += 8) {
            const int got = (image.pixels[i] >> shift) & 255, ref = (want.pixels[i] >> shift) & 255;
            if (std::abs(got - ref) <= want.tolerance) continue;
            std::ostringstream out;
            out << "pixel " << i % want.width << "," << i / want.width << ": " << std::hex
                << std::uppercase << std::setfill('0') << std::setw(8) << image.pixels[i]
                << " where the reference has " << std::setw(8) << want.pixels[i];
            return out.str();
        }
    return "";
}

}  // namespace

TEST(PicturesFromOtherPrograms, DecodeToTheSizeAndPixelsTheirWriterReadsBack) {
    for (const Picture& want : kPictures) {
        SCOPED_TRACE(want.file);
        const Bytes bytes = ReadPicture(want.file);
        ASSERT_FALSE(bytes.empty());
        const ImageSize header = HeaderSize(ExtensionOf(want.file), bytes);
        EXPECT_EQ(header.width, want.width);
        EXPECT_EQ(header.height, want.height);
        const auto image = DecodeImage(bytes, ExtensionOf(want.file));
        ASSERT_TRUE(image);
        EXPECT_EQ(image->width, want.width);
        EXPECT_EQ(image->height, want.height);
        EXPECT_EQ(FirstMismatch(*image, want), "");
    }
}

namespace {

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = crc >> 1 ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void PutBig32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
}

// The PNG with a new width and height in its image header, whose checksum is made to match.
Bytes ResizedPng(Bytes png, std::uint32_t width, std::uint32_t height) {
    PutBig32(png, 16, width);
    PutBig32(png, 20, height);
    PutBig32(png, 29, Crc32(&png[12], 17));
    return png;
}

// The PNG with a text chunk before its pixels whose length claims `length` bytes, cut short
// after a few of them.
Bytes WithLongTextChunk(const Bytes& png, std::uint32_t length) {
    const auto idat = std::search(png.begin(), png.end(), std::begin("IDAT"), std::end("IDAT") - 1);
    Bytes out(png.begin(), idat - 4);
    out.resize(out.size() + 8);
    PutBig32(out, out.size() - 8, length);
    std::copy_n("tEXt", 4, out.end() - 4);
    for (const char c : std::string_view("Comment\0a few bytes")) out.push_back(c);
    return out;
}

}  // namespace

TEST(PicturesFromOtherPrograms, PngThatCannotHoldItsPicturesIsRefused) {
    const Bytes png = ReadPicture("png_rgba8.png");
    ASSERT_TRUE(DecodePng(ResizedPng(png, 5, 3)));
    Bytes bad_checksum = png;
    bad_checksum[bad_checksum.size() - 20] ^= 1;  // inside the compressed pixels
    const struct {
        const char* name;
        Bytes bytes;
    } cases[] = {
        {"cut inside its pixels", Bytes(png.begin(), png.end() - 24)},
        {"a damaged data chunk", bad_checksum},
        {"more rows than its data holds", ResizedPng(png, 5, 300)},
        {"wider than textures go", ResizedPng(png, imagebits::kMaxSide + 1, 3)},
        {"a huge picture over a few bytes", ResizedPng(png, 16384, 16384)},
        {"only the signature", Bytes(png.begin(), png.begin() + 8)},
        {"a text chunk claiming 1.8 GB", WithLongTextChunk(png, 0x704D6F25)},
    };
    for (const auto& c : cases) EXPECT_FALSE(DecodePng(c.bytes)) << c.name;
#if !defined(__SANITIZE_ADDRESS__)
    // The child has far less address space than the rows the header claims would take.
    EXPECT_EXIT(
        {
            LimitAddressSpace(std::size_t{1} << 30);
            std::_Exit(DecodePng(ResizedPng(png, 16384, 16384)) ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
#endif
}

TEST(PicturesFromOtherPrograms, PngAsTightlyPackedAsDeflateGoesIsRead) {
    // Black grey rows 16384 wide, packed at zlib's best: about 1026 bytes to one, next to
    // deflate's limit of 1032, so a bound on what the data can hold must not refuse them.
    const int width = imagebits::kMaxSide, height = 256;
    const Bytes rows(static_cast<std::size_t>(width + 1) * height, 0);
    uLongf packed_size = compressBound(rows.size());
    Bytes packed(packed_size);
    ASSERT_EQ(compress2(packed.data(), &packed_size, rows.data(), rows.size(), 9), Z_OK);
    packed.resize(packed_size);
    ASSERT_GT(rows.size() / packed.size(), 1000u);
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const auto chunk = [&](const char* name, const Bytes& body) {
        Bytes c(4, 0);
        PutBig32(c, 0, static_cast<std::uint32_t>(body.size()));
        c.insert(c.end(), name, name + 4);
        c.insert(c.end(), body.begin(), body.end());
        c.resize(c.size() + 4);
        PutBig32(c, c.size() - 4, Crc32(&c[4], body.size() + 4));
        png.insert(png.end(), c.begin(), c.end());
    };
    Bytes header(13, 0);
    PutBig32(header, 0, width);
    PutBig32(header, 4, height);
    header[8] = 8;  // eight-bit grey
    chunk("IHDR", header);
    chunk("IDAT", packed);
    chunk("IEND", {});
    const auto decoded = DecodePng(png);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, width);
    EXPECT_EQ(decoded->pixels,
              std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, 0xFF000000u));
}

class PicturesDrawn : public GraphicsWorld {};

TEST_F(PicturesDrawn, TgaAndPngTexturesDrawAtTheirOwnSize) {
    constexpr std::uint32_t kBackground = 0xFF204060;
    for (const char* file : {"tga_rgba32.tga", "tga_argb16.tga", "png_rgba8.png"}) {
        SCOPED_TRACE(file);
        const Picture& want =
            *std::find_if(std::begin(kPictures), std::end(kPictures),
                          [&](const Picture& p) { return p.file == std::string(file); });
        WriteFile(std::string("dat/") + file, ReadPicture(file));
        DTexture texture;
        ASSERT_TRUE(texture.LoadFromFile((std::string("dat\\") + file).c_str(), 0));
        EXPECT_EQ(texture.GetWidth(), 5);
        EXPECT_EQ(texture.GetHeight(), 3);
        Fill(kBackground);
        gfx->DrawTexture(10, 20, &texture);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                const std::uint32_t texel = want.pixels[static_cast<std::size_t>(y) * 5 + x];
                const std::uint32_t alpha = texel >> 24;
                const std::uint32_t drawn = gfx->PixelAt(10 + x, 20 + y);
                if (alpha == 255) {
                    EXPECT_EQ(drawn, texel) << x << "," << y;
                }
                if (alpha == 0) {
                    EXPECT_EQ(drawn, kBackground) << x << "," << y;
                }
            }
        // Nothing past the picture's own five by three pixels.
        EXPECT_EQ(gfx->PixelAt(15, 20), kBackground);
        EXPECT_EQ(gfx->PixelAt(10, 23), kBackground);
        EXPECT_EQ(gfx->PixelAt(639, 479), kBackground);
    }
}

TEST(PicturesFromOtherPrograms, CmykWithoutAdobesMarkerStoresTheInksThemselves) {
    // jpeg_cmyk.jpg without its Adobe segment: the white pixel's stored 255s become full inks.
    Bytes plain = ReadPicture("jpeg_cmyk.jpg");
    const std::uint8_t adobe[] = {0xFF, 0xEE};
    const auto at = std::search(plain.begin(), plain.end(), std::begin(adobe), std::end(adobe));
    ASSERT_NE(at, plain.end());
    const std::size_t length = static_cast<std::size_t>(at[2] << 8 | at[3]);
    plain.erase(at, at + 2 + static_cast<std::ptrdiff_t>(length));
    const auto inverted = DecodeJpeg(ReadPicture("jpeg_cmyk.jpg"));
    const auto image = DecodeJpeg(plain);
    ASSERT_TRUE(inverted && image);
    for (int shift = 0; shift < 24; shift += 8) {
        EXPECT_GE((inverted->At(3, 0) >> shift) & 255, 254u) << shift;
        EXPECT_LE((image->At(3, 0) >> shift) & 255, 1u) << shift;
    }
    EXPECT_EQ(image->At(3, 0) >> 24, 255u);
}
