// Texture and font tables: loading, sizing from headers, colour keys, resources, failures.
#include <unistd.h>

#include <cstdlib>

#include "engine/common/game_path.h"
#include "engine/common/numbers.h"
#include "engine/common/resources.h"
#include "engine/graphics/font.h"
#include "engine/graphics/image_codec.h"
#include "graphics_fixture.h"

// Failures name the sizes rather than their bytes.
void PrintTo(const ImageSize& size, std::ostream* out) {
    *out << size.width << " x " << size.height;
}

namespace {

const char* Utf8(const char8_t* s) { return reinterpret_cast<const char*>(s); }

Bytes JpegWithFrame(std::uint8_t marker, int width, int height) {
    // SOI, an APP0 stub holding an 0xFF 0xFF pair, then the start of frame.
    Bytes b = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x06, 0xFF, 0xFF, 0x00, 0x00};
    const Bytes frame = {0xFF,
                         marker,
                         0x00,
                         0x11,
                         0x08,
                         static_cast<std::uint8_t>(height >> 8),
                         static_cast<std::uint8_t>(height),
                         static_cast<std::uint8_t>(width >> 8),
                         static_cast<std::uint8_t>(width),
                         0x03};
    b.insert(b.end(), frame.begin(), frame.end());
    return b;
}

// An 8 x 8 grey baseline picture as libjpeg writes it (restart markers, optimised tables).
const Bytes kGrayJpeg = {
    0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01,
    0x00, 0x01, 0x00, 0x00, 0xFF, 0xDB, 0x00, 0x43, 0x00, 0x10, 0x0B, 0x0C, 0x0E, 0x0C, 0x0A, 0x10,
    0x0E, 0x0D, 0x0E, 0x12, 0x11, 0x10, 0x13, 0x18, 0x28, 0x1A, 0x18, 0x16, 0x16, 0x18, 0x31, 0x23,
    0x25, 0x1D, 0x28, 0x3A, 0x33, 0x3D, 0x3C, 0x39, 0x33, 0x38, 0x37, 0x40, 0x48, 0x5C, 0x4E, 0x40,
    0x44, 0x57, 0x45, 0x37, 0x38, 0x50, 0x6D, 0x51, 0x57, 0x5F, 0x62, 0x67, 0x68, 0x67, 0x3E, 0x4D,
    0x71, 0x79, 0x70, 0x64, 0x78, 0x5C, 0x65, 0x67, 0x63, 0xFF, 0xC0, 0x00, 0x0B, 0x08, 0x00, 0x08,
    0x00, 0x08, 0x01, 0x01, 0x11, 0x00, 0xFF, 0xC4, 0x00, 0x14, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0xFF, 0xC4, 0x00, 0x1F,
    0x10, 0x00, 0x02, 0x01, 0x02, 0x07, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x01, 0x02, 0x11, 0x03, 0x04, 0x00, 0x06, 0x13, 0x21, 0x22, 0x51, 0x61, 0xFF, 0xDD, 0x00,
    0x04, 0x00, 0x01, 0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x3F, 0x00, 0x1B, 0x24, 0x4B,
    0x1C, 0xB1, 0x72, 0xEE, 0xAA, 0x4D, 0x5A, 0x7A, 0x2A, 0xA5, 0xA2, 0x4B, 0xF1, 0xDB, 0xB8, 0x04,
    0x98, 0xF3, 0x1F, 0xFF, 0xD9,
};
constexpr std::size_t kGrayJpegFrame = 89;  // its start of frame marker

TEST(HeaderSizing, Table) {
    Bytes dds(128, 0);
    Put32(dds, 12, 64);
    Put32(dds, 16, 128);
    Bytes other(20, 0);
    Put32(other, 12, 33);
    Put32(other, 16, 44);
    // A TGA's sizes are 16-bit at 12 and 14: 131 x 67 here, with a pixel depth of 24 and a
    // descriptor byte after them that a 32-bit read would take into the height.
    Bytes tga(18, 0);
    tga[2] = 2;
    Put16(tga, 12, 131);
    Put16(tga, 14, 67);
    tga[16] = 24, tga[17] = 0x20;
    // An OS/2 bitmap: a 12-byte header with 16-bit width, height, planes and depth.
    Bytes os2 = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0, 12, 0, 0, 0};
    os2.resize(26, 0);
    Put16(os2, 18, 131);
    Put16(os2, 20, 67);
    Put16(os2, 22, 1);
    Put16(os2, 24, 24);
    // A PNG's image header: 300 x 70 big-endian.
    const Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0,  0, 0, 13, 'I', 'H', 'D',
                       'R',  0,   0,   1,   0x2C, 0,    0,    0,    70, 8, 6, 0,  0,   0};
    // An Exif block holding a 160 x 120 thumbnail before the picture's own frame.
    Bytes exif = {0xFF, 0xD8, 0xFF, 0xE1, 0x00, 0x14, 'E', 'x', 'i', 'f', 0, 0, 0xFF, 0xD8};
    const Bytes thumbnail = JpegWithFrame(0xC0, 160, 120);
    exif.insert(exif.end(), thumbnail.begin() + 10, thumbnail.end());
    const Bytes own = JpegWithFrame(0xC0, 640, 480);
    exif.insert(exif.end(), own.begin() + 10, own.end());
    // Fill bytes before a marker, and stray bytes between segments, as decoders accept them.
    Bytes padded = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x02, 0x12, 0x34, 0xFF, 0xFF};
    const Bytes frame = JpegWithFrame(0xC1, 33, 21);
    padded.insert(padded.end(), frame.begin() + 11, frame.end());
    const Bytes bmp = MakeBmp24(100, 60, std::vector<std::uint32_t>(6000, 0));
    const Bytes top_down = MakeBmp24(100, 60, std::vector<std::uint32_t>(6000, 0), true);
    Bytes lowest = bmp;
    Put32(lowest, 22, 0x80000000u);  // a negated height with no positive counterpart
    struct Case {
        const char* name;
        std::string extension;
        Bytes bytes;
        ImageSize size;
    } cases[] = {
        {"bmp", "bmp", bmp, {100, 60}},
        {"top-down bmp", "bmp", top_down, {100, 60}},
        {"bmp of the lowest height", "bmp", lowest, {100, 0}},
        {"dds swaps", "dds", dds, {128, 64}},
        {"baseline jpeg", "jpg", JpegWithFrame(0xC0, 320, 200), {320, 200}},
        {"progressive jpeg", "jpg", JpegWithFrame(0xC2, 17, 9), {17, 9}},
        {"jpeg without a frame", "jpg", {0xFF, 0xD8, 0xFF, 0xC4, 0x00, 0x02, 0xFF, 0xD9}, {0, 0}},
        {"jpeg cut inside its frame",
         "jpg",
         Bytes{0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x11, 0x08, 0x01},
         {0, 0}},
        {"extended sequential jpeg", "jpg", JpegWithFrame(0xC1, 131, 67), {131, 67}},
        {"lossless jpeg", "jpg", JpegWithFrame(0xC3, 5, 3), {5, 3}},
        {"arithmetic jpeg", "jpg", JpegWithFrame(0xC9, 64, 48), {64, 48}},
        {"progressive arithmetic jpeg", "jpg", JpegWithFrame(0xCA, 7, 9), {7, 9}},
        {"jpeg frame after an Exif thumbnail", "jpg", exif, {640, 480}},
        {"jpeg with fill and stray bytes", "jpg", padded, {33, 21}},
        {"jpeg whose scan comes before any frame",
         "jpg",
         {0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x02, 0xFF, 0xC0, 0x00, 0x11, 0x08, 0, 9, 0, 9},
         {0, 0}},
        {"truncated bmp", "bmp", Bytes(bmp.begin(), bmp.begin() + 20), {0, 0}},
        {"truncated dds", "dds", Bytes(dds.begin(), dds.begin() + 14), {0, 0}},
        {"tga", "tga", tga, {131, 67}},
        {"os/2 bmp", "bmp", os2, {131, 67}},
        {"png", "png", png, {300, 70}},
        {"png named bmp", "bmp", png, {300, 70}},
        {"bmp named tga", "tga", bmp, {100, 60}},
        {"jpeg named dds", "dds", JpegWithFrame(0xC0, 320, 200), {320, 200}},
        {"png without its image header", "png", Bytes(png.begin(), png.begin() + 16), {0, 0}},
        {"any other extension", "xyz", other, {33, 44}},
        {"unsigned jpg by its name: the first baseline frame in the bytes",
         "jpg",
         Bytes(exif.begin() + 2, exif.end()),
         {160, 120}},
    };
    for (const Case& c : cases) EXPECT_EQ(HeaderSize(c.extension, c.bytes), c.size) << c.name;

    Bytes core_dib(os2.begin() + 14, os2.end());
    Put16(core_dib, 6, static_cast<std::uint16_t>(-67));  // top-down
    EXPECT_EQ(DibHeaderSize(core_dib), (ImageSize{131, 67}));
    const Bytes dib(bmp.begin() + 14, bmp.end());
    EXPECT_EQ(DibHeaderSize(dib), (ImageSize{100, 60}));
    EXPECT_EQ(ExtensionOf("dat\\Photo.JPEG"), "jpg");
    EXPECT_EQ(ExtensionOf("dat\\bg.BMP"), "bmp");
}

TEST(Decoders, BmpDepthsAndDdsFormatsGiveTheSamePixels) {
    const std::vector<std::uint32_t> px = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                                           0xFFFFFFFF, 0xFF000000, 0xFF808080};
    auto bottom_up = DecodeBmp(MakeBmp24(3, 2, px));
    auto top_down = DecodeBmp(MakeBmp24(3, 2, px, true));
    ASSERT_TRUE(bottom_up && top_down);
    EXPECT_EQ(bottom_up->pixels, px);
    EXPECT_EQ(top_down->pixels, px);
    auto dds = DecodeDds(MakeDds32(3, 2, px));
    ASSERT_TRUE(dds);
    EXPECT_EQ(dds->pixels, px);

    // An 8-bit palette picture and a 4-bit one (rows padded to four bytes).
    for (int bpp : {8, 4, 1}) {
        const int colors = 1 << bpp;
        Bytes b(54 + colors * 4 + 4 * 2, 0);
        b[0] = 'B', b[1] = 'M';
        Put32(b, 10, 54 + colors * 4);
        Put32(b, 14, 40);
        Put32(b, 18, 2);
        Put32(b, 22, 2);
        Put16(b, 26, 1);
        Put16(b, 28, static_cast<std::uint32_t>(bpp));
        Put32(b, 54 + 4, 0x0000FF00);  // palette 1: green
        const std::size_t bits = 54 + colors * 4;
        // Bottom row first: index 1 then 0; top row: 0 then 1.
        const std::uint8_t rows[2] = {static_cast<std::uint8_t>(bpp == 8   ? 1
                                                                : bpp == 4 ? 0x10
                                                                           : 0x80),
                                      static_cast<std::uint8_t>(bpp == 8   ? 0
                                                                : bpp == 4 ? 0x01
                                                                           : 0x40)};
        b[bits] = rows[0];
        if (bpp == 8)
            b[bits + 1] = 0, b[bits + 4] = 0, b[bits + 5] = 1;
        else
            b[bits + 4] = rows[1];
        auto image = DecodeBmp(b);
        ASSERT_TRUE(image) << bpp;
        EXPECT_EQ(image->At(0, 1), 0xFF00FF00u) << bpp;
        EXPECT_EQ(image->At(1, 1), 0xFF000000u) << bpp;
        EXPECT_EQ(image->At(1, 0), 0xFF00FF00u) << bpp;
    }

    // DXT1: one block, colour 0 red, colour 1 blue, all indices 1 (blue).
    Bytes dxt(128 + 8, 0);
    dxt[0] = 'D', dxt[1] = 'D', dxt[2] = 'S', dxt[3] = ' ';
    Put32(dxt, 12, 4);
    Put32(dxt, 16, 4);
    Put32(dxt, 80, 0x4);
    dxt[84] = 'D', dxt[85] = 'X', dxt[86] = 'T', dxt[87] = '1';
    Put16(dxt, 128, 0xF800);
    Put16(dxt, 130, 0x001F);
    Put32(dxt, 132, 0x55555555);
    auto block = DecodeDds(dxt);
    ASSERT_TRUE(block);
    EXPECT_EQ(block->At(3, 3), 0xFF0000FFu);

    const Bytes whole = MakeBmp24(3, 2, px);
    EXPECT_FALSE(DecodeBmp(Bytes(whole.begin(), whole.begin() + 60)));
    EXPECT_FALSE(DecodeDds(Bytes(130, 0)));
    EXPECT_FALSE(DecodeJpeg(JpegWithFrame(0xC0, 4, 4)));
}

TEST(Decoders, TgaPlainAndRunLengthAndHeadersThatClaimTooMuch) {
    // 2 x 2, 24-bit, bottom-up: the first stored row is the picture's last.
    Bytes plain(18 + 12, 0);
    plain[2] = 2;
    Put16(plain, 12, 2);
    Put16(plain, 14, 2);
    plain[16] = 24;
    const std::uint32_t stored[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    for (int i = 0; i < 4; ++i)
        for (int c = 0; c < 3; ++c) plain[18 + i * 3 + c] = (stored[i] >> (8 * c)) & 255;
    auto image = DecodeTga(plain);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels,
              (std::vector<std::uint32_t>{0xFF0000FF, 0xFFFFFFFF, 0xFFFF0000, 0xFF00FF00}));

    // One run of four red pixels.
    Bytes rle(18 + 4, 0);
    rle[2] = 10;
    Put16(rle, 12, 2);
    Put16(rle, 14, 2);
    rle[16] = 24;
    rle[18] = 0x83, rle[21] = 0xFF;
    image = DecodeImage(rle, "tga");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels, std::vector<std::uint32_t>(4, 0xFFFF0000u));

    // A header that claims 65535 x 65535 over a few bytes is refused without reserving room
    // for the pixels it claims: the child has far less address space than they would take.
    for (int type : {2, 10}) {
        Bytes huge = type == 2 ? plain : rle;
        Put16(huge, 12, 0xFFFF);
        Put16(huge, 14, 0xFFFF);
#if !defined(__SANITIZE_ADDRESS__)
        EXPECT_EXIT(
            {
                LimitAddressSpace(std::size_t{1} << 30);
                std::_Exit(DecodeTga(huge) ? 1 : 0);
            },
            ::testing::ExitedWithCode(0), "")
            << type;
#endif
        EXPECT_FALSE(DecodeTga(huge)) << type;
    }
}

TEST(Decoders, JpegDataThatEndsBeforeThePictureIsRefused) {
    auto whole = DecodeJpeg(kGrayJpeg);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->width, 8);
    EXPECT_EQ(whole->height, 8);
    EXPECT_EQ(whole->pixels.size(), 64u);
    EXPECT_EQ(whole->pixels[0] >> 24, 255u);

    // The same 197 bytes claiming 16384 x 16384: libjpeg would grey-fill a gigabyte of rows.
    Bytes huge = kGrayJpeg;
    for (std::size_t at : {kGrayJpegFrame + 5, kGrayJpegFrame + 7})
        huge[at] = 0x40, huge[at + 1] = 0;
    ASSERT_EQ(HeaderSize("jpg", huge), (ImageSize{16384, 16384}));
    const Bytes cut(kGrayJpeg.begin(), kGrayJpeg.end() - 12);
    Bytes cut_then_end = cut;
    cut_then_end.insert(cut_then_end.end(), {0xFF, 0xD9});
    const struct {
        const char* name;
        const Bytes& bytes;
    } cases[] = {{"claims more", huge}, {"file cut", cut}, {"scan cut", cut_then_end}};
    for (const auto& c : cases) EXPECT_FALSE(DecodeJpeg(c.bytes)) << c.name;
}

TEST(Decoders, ColorKeyMatchesOnlyTheExactColourAndZeroKeysNothing) {
    Image image(3, 1);
    image.pixels = {0xFF00FF00, 0xFF00FE00, 0x00000000};
    Image unkeyed = image;
    ApplyColorKey(image, 0xFF00FF00);
    EXPECT_EQ(image.pixels, (std::vector<std::uint32_t>{0, 0xFF00FE00, 0}));
    ApplyColorKey(unkeyed, 0);
    EXPECT_EQ(unkeyed.pixels[0], 0xFF00FF00u);
}

class Textures : public GraphicsWorld {};

TEST_F(Textures, EveryLoadAppendsAnEntryAndReleaseIsOnce) {
    WriteFile("dat/a.bmp", MakeBmp24(100, 60, std::vector<std::uint32_t>(6000, 0xFF123456)));
    DTexture first, second;
    ASSERT_TRUE(first.LoadFromFile("dat\\a.bmp", 0));
    ASSERT_TRUE(second.LoadFromFile("dat\\a.bmp", 0));
    EXPECT_NE(first.GetIndex(), second.GetIndex());
    EXPECT_GT(first.GetIndex(), 0);
    EXPECT_EQ(first.GetWidth(), 100);
    EXPECT_EQ(first.GetHeight(), 60);
    const std::size_t entries = gfx->TextureCount();
    first.Release();
    EXPECT_EQ(first.GetIndex(), 0);
    first.Release();
    EXPECT_EQ(gfx->TextureCount(), entries);
    EXPECT_EQ(gfx->GetTextureData(2)->texture != nullptr, true);
}

TEST_F(Textures, MissingFilesAndResourcesAreReportedAndAppendNothing) {
    DTexture texture;
    const std::size_t entries = gfx->TextureCount();
    EXPECT_FALSE(texture.LoadFromFile("dat\\none.bmp", 0));
    EXPECT_FALSE(texture.LoadFromResource(999, 0));
    EXPECT_EQ(texture.GetIndex(), 0);
    EXPECT_EQ(gfx->TextureCount(), entries);
    ASSERT_EQ(backend.dialogs.boxes.size(), 2u);
    EXPECT_EQ(backend.dialogs.boxes[0].text, Utf8(u8"dat\\none.bmp がありません"));
    EXPECT_EQ(backend.dialogs.boxes[1].text, Utf8(u8"ID 999 がありません"));
}

TEST_F(Textures, ResourcesComeFromTheResourcesFolder) {
    // A bitmap resource is the DIB without its 14-byte file header.
    const Bytes bmp = MakeBmp24(5, 3, std::vector<std::uint32_t>(15, 0xFFFF00FF));
    WriteFile("res/bitmap/526.dib", Bytes(bmp.begin() + 14, bmp.end()));
    WriteFile("res/dds/132.dds", MakeDds32(32, 16, std::vector<std::uint32_t>(512, 0xFF00FF00)));
    DTexture logo, icon;
    ASSERT_TRUE(logo.LoadFromResource(526, 0xFFFF00FF));
    ASSERT_TRUE(icon.LoadFromResource(132, 0));
    EXPECT_EQ(logo.GetWidth(), 5);
    EXPECT_EQ(logo.GetHeight(), 3);
    EXPECT_EQ(icon.GetWidth(), 32);
    EXPECT_EQ(icon.GetHeight(), 16);
    EXPECT_EQ(gfx->GetTextureData(logo.GetIndex())->texture->At(0, 0), 0u);  // keyed out
    Bytes lowest(bmp.begin() + 14, bmp.end());
    Put32(lowest, 8, 0x80000000u);
    WriteFile("res/bitmap/527.dib", lowest);
    DTexture odd;
    ASSERT_TRUE(odd.LoadFromResource(527, 0));
    EXPECT_EQ(odd.GetHeight(), 0);
    EXPECT_TRUE(FindResource(ResourceType::Dds, 132).has_value());
    EXPECT_FALSE(FindResource(ResourceType::Dds, 133).has_value());
    EXPECT_EQ(ResourcePath(ResourceType::Wave, "dat\\Select_On.wav"), "res/wave/dat_select_on.wav");
}

// A picture the player replaced with something far larger than any of the game's is refused
// unread, as a file and as a resource: a good picture at its start changes nothing.
TEST_F(Textures, AFileLargerThanAnyPictureIsRefusedUnread) {
    const Bytes bmp = MakeBmp24(5, 3, std::vector<std::uint32_t>(15, 0xFFFF00FF));
    WriteFile("dat/huge.bmp", bmp);
    WriteFile("res/dds/134.dds", MakeDds32(32, 16, std::vector<std::uint32_t>(512, 0xFF00FF00)));
    for (const char* name : {"dat/huge.bmp", "res/dds/134.dds"})
        ASSERT_EQ(::truncate(gamepath::Resolve(name).c_str(),
                             static_cast<off_t>(gamepath::kMaxPictureFileBytes) + 1),
                  0);
    const std::size_t entries = gfx->TextureCount();
    DTexture file, resource;
    EXPECT_FALSE(file.LoadFromFile("dat\\huge.bmp", 0));
    EXPECT_FALSE(resource.LoadFromResource(134, 0));
    EXPECT_EQ(gfx->TextureCount(), entries);
    EXPECT_FALSE(FindResource(ResourceType::Dds, 134).has_value());
}

TEST_F(Textures, AnUndecodableImageLoadsAndDrawsItsRectangleInTheDrawColour) {
    Bytes junk(40, 0x11);
    Put32(junk, 18, 4);
    Put32(junk, 22, 2);
    WriteFile("dat/junk.bmp", junk);
    DTexture texture;
    ASSERT_TRUE(texture.LoadFromFile("dat\\junk.bmp", 0));
    EXPECT_EQ(gfx->GetTextureData(texture.GetIndex())->texture, nullptr);
    Fill(0xFF000000);
    gfx->DrawTexture(1, 1, &texture);
    EXPECT_EQ(gfx->PixelAt(1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(gfx->PixelAt(4, 2), 0xFFFFFFFFu);
    EXPECT_EQ(gfx->PixelAt(5, 2), 0xFF000000u);
}

TEST_F(Textures, FontsHaveTheirWeightCharsetAndRangeCheckedIndex) {
    const FontDescription bold = MakeFontDescription(24, "標準明朝", true);
    const FontDescription plain = MakeFontDescription(24, "標準明朝", false);
    EXPECT_EQ(bold.weight, 700);
    EXPECT_EQ(plain.weight, 400);
    EXPECT_EQ(bold.charset, 128);
    EXPECT_EQ(MakeFontDescription(10, "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲ", false).face[30],
              '\0');
    DFont fresh;
    EXPECT_EQ(fresh.GetIndex(), 0);
    EXPECT_EQ(fresh.GetHeight(), 20);
    DFont font;
    ASSERT_TRUE(font.Create(24, "標準明朝", true));
    EXPECT_EQ(font.GetIndex(), 1);
    EXPECT_EQ(gfx->GetFontData(0)->description.height, 20);
    EXPECT_EQ(gfx->GetFontData(7), nullptr);
}

TEST(SmallHelpers, TriangleWaveAndIntToString) {
    struct {
        int t, a, b, step, want;
    } cases[] = {{0, 0, 10, 2, 10},  {20, 0, 10, 2, 0}, {39, 0, 10, 2, 9},
                 {40, 0, 10, 2, 10}, {5, 3, 3, 2, 3},   {7, 0, 10, 0, 10}};
    for (const auto& c : cases)
        EXPECT_EQ(TriangleWave(c.t, c.a, c.b, c.step), c.want) << c.t << " " << c.step;
    EXPECT_EQ(IntToString(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(IntToString(42) + IntToString(-7), "42-7");
}

TEST(SmallHelpers, AccessorsReturnTheSameObjectsBeforeTheDevicesStart) {
    platform::headless::HeadlessBackend backend;
    backend.Install();
    EngineRuntime runtime;
    EXPECT_EQ(GetDirectGraphics(), &runtime.graphics);
    EXPECT_EQ(GetDirectGraphics(), GetDirectGraphics());
    EXPECT_EQ(GetDirectInput(), &runtime.input);
    EXPECT_EQ(CDirectGraphics::Instance(), &runtime.graphics);
}

}  // namespace
