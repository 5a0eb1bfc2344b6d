// The game's own pictures, sounds, music and manual as the build made them, read through the
// engine's decoders: every file exists, fits the place where it is drawn, keys the right
// colour, and plays for as long as it should.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/common/game_path.h"
#include "engine/common/resources.h"
#include "engine/graphics/image_codec.h"
#include "engine/sound/midi_song.h"
#include "engine/sound/wave_data.h"
#include "platform/headless/headless_backend.h"

namespace {

constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kCyan = 0xFF00FFFF;

class AssetFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        backend.Install();
        const char* dir = std::getenv("VEMU_GAME_DIR");
        backend.services().folders.game = dir ? dir : VEMU_GAME_DIR;
    }

    std::optional<std::vector<std::uint8_t>> Read(const std::string& name) {
        std::vector<std::uint8_t> bytes;
        if (!gamepath::Exists(name) || !gamepath::ReadAll(name, bytes, SIZE_MAX))
            return std::nullopt;
        return bytes;
    }

    // A picture file decoded as the texture loader decodes it, with its key applied.
    std::optional<Image> Picture(const std::string& name, std::uint32_t key) {
        const auto bytes = Read(name);
        if (!bytes) {
            ADD_FAILURE() << name << " is missing (build the vemu_pictures target)";
            return std::nullopt;
        }
        auto image = DecodeImage(*bytes, ExtensionOf(name));
        if (!image) {
            ADD_FAILURE() << name << " cannot be decoded";
            return std::nullopt;
        }
        const ImageSize header = HeaderSize(ExtensionOf(name), *bytes);
        EXPECT_EQ(header, (ImageSize{image->width, image->height}))
            << name << ": the header size differs from the pixels";
        ApplyColorKey(*image, key);
        return image;
    }

    platform::headless::HeadlessBackend backend;
};

bool Transparent(const Image& image, int x, int y) { return (image.At(x, y) >> 24) == 0; }

int TransparentCount(const Image& image) {
    int n = 0;
    for (std::uint32_t p : image.pixels) n += (p >> 24) == 0;
    return n;
}

struct PictureCase {
    const char* name;
    int width, height;  // 0: not fixed by where it is drawn
    bool see_through;   // has parts that show what lies below
};

// Sizes fixed by the places the pictures are drawn at.
const PictureCase kPictures[] = {
    {"dat/bg.bmp", 640, 480, false},
    {"dat/title_image.bmp", 640, 480, false},
    {"dat/bkshop.bmp", 0, 0, false},
    {"dat/frshop.bmp", 0, 0, true},
    {"dat/shop_frame.bmp", 0, 0, true},
    {"dat/vemu.bmp", 0, 0, true},
    {"dat/vemu_e1.bmp", 0, 0, true},
    {"dat/vemu_e2.bmp", 0, 0, true},
    {"dat/vemu_h1.bmp", 0, 0, true},
    {"dat/vemu_h2.bmp", 0, 0, true},
    {"dat/vemu_r1.bmp", 0, 0, true},
    {"dat/vemu_r2.bmp", 0, 0, true},
    {"dat/vemu_b1.bmp", 0, 0, true},
    {"dat/vemu_b2.bmp", 0, 0, true},
    {"dat/vemu_f1.bmp", 0, 0, true},
    {"dat/vemu_f2.bmp", 0, 0, true},
    {"dat/life.bmp", 0, 0, true},
    {"dat/gage.bmp", 0, 0, true},
    {"dat/nameboard.bmp", 0, 0, true},
    {"dat/paper.bmp", 0, 0, true},
    {"dat/ribbon.bmp", 0, 0, true},
    {"dat/sun.bmp", 0, 0, true},
    {"dat/moon.bmp", 0, 0, true},
    {"dat/character_frame.bmp", 0, 0, true},
    {"dat/itemboard.bmp", 256, 36, true},
    {"dat/itemboard_on.bmp", 256, 36, true},
    {"dat/itemboard2.bmp", 128, 36, true},
    {"dat/itemboard2_on.bmp", 128, 36, true},
    {"dat/itemboard3.bmp", 180, 24, true},
    {"dat/itemboard3_on.bmp", 180, 24, true},
    {"dat/curu.bmp", 0, 0, true},
    {"dat/curl.bmp", 0, 0, true},
    {"dat/cursor01.bmp", 0, 0, true},
    {"dat/cursor02.bmp", 0, 0, true},
    {"dat/button_get_on.bmp", 52, 25, true},
    {"dat/button_get_off.bmp", 52, 25, true},
    {"dat/button_name_on.bmp", 52, 25, true},
    {"dat/button_name_off.bmp", 52, 25, true},
    {"dat/button_consume_on.bmp", 52, 25, true},
    {"dat/button_consume_off.bmp", 52, 25, true},
    {"dat/button_kind_on.bmp", 52, 25, true},
    {"dat/button_kind_off.bmp", 52, 25, true},
    {"dat/magic.bmp", 0, 0, true},
};

TEST_F(AssetFilesTest, PicturesExistWithTheirSizesAndGreenKey) {
    for (const PictureCase& c : kPictures) {
        SCOPED_TRACE(c.name);
        const auto image = Picture(c.name, kGreen);
        if (!image) continue;
        if (c.width) {
            EXPECT_EQ(image->width, c.width) << c.name;
        }
        if (c.height) {
            EXPECT_EQ(image->height, c.height) << c.name;
        }
        if (c.see_through) {
            EXPECT_GT(TransparentCount(*image), 0)
                << c.name << " has no green where it should show through";
        } else {
            EXPECT_EQ(TransparentCount(*image), 0) << c.name << " has green holes";
        }
    }
}

TEST_F(AssetFilesTest, ShopLayersFrameAndHeroineFitTogether) {
    const auto back = Picture("dat/bkshop.bmp", kGreen);
    const auto front = Picture("dat/frshop.bmp", kGreen);
    const auto frame = Picture("dat/shop_frame.bmp", kGreen);
    const auto idle = Picture("dat/vemu.bmp", kGreen);
    ASSERT_TRUE(back && front && frame && idle);
    // the layers overlay each other at (304, 64); the frame sits 10 px outside at (294, 54)
    EXPECT_EQ(front->width, back->width);
    EXPECT_EQ(front->height, back->height);
    EXPECT_EQ(frame->width, back->width + 20);
    EXPECT_EQ(frame->height, back->height + 20);
    EXPECT_TRUE(Transparent(*frame, frame->width / 2, frame->height / 2));
    EXPECT_FALSE(Transparent(*frame, 2, 2));
    // the heroine at (390, 76) stays inside the shop view; her front layer shows her head
    EXPECT_LE(390 + idle->width, 304 + back->width);
    EXPECT_LE(76 + idle->height, 64 + back->height);
    EXPECT_TRUE(Transparent(*front, 390 - 304 + idle->width / 2, 76 - 64 + 20));
    for (const char* name :
         {"dat/vemu_e1.bmp", "dat/vemu_e2.bmp", "dat/vemu_h1.bmp", "dat/vemu_h2.bmp"}) {
        const auto image = Picture(name, kGreen);
        ASSERT_TRUE(image);
        EXPECT_EQ(image->width, idle->width) << name;
        EXPECT_EQ(image->height, idle->height) << name;
    }
    // the stove pictures are drawn 50 px further left and end where the idle picture ends
    for (const char* name : {"dat/vemu_r1.bmp", "dat/vemu_r2.bmp", "dat/vemu_b1.bmp",
                             "dat/vemu_b2.bmp", "dat/vemu_f1.bmp", "dat/vemu_f2.bmp"}) {
        const auto image = Picture(name, kGreen);
        ASSERT_TRUE(image);
        EXPECT_EQ(image->width, idle->width + 50) << name;
        EXPECT_EQ(image->height, idle->height) << name;
    }
}

TEST_F(AssetFilesTest, PanelsFitWhereTheyAreDrawn) {
    const auto paper = Picture("dat/paper.bmp", kGreen);
    const auto ribbon = Picture("dat/ribbon.bmp", kGreen);
    const auto gauge = Picture("dat/gage.bmp", kGreen);
    const auto frame = Picture("dat/character_frame.bmp", kGreen);
    ASSERT_TRUE(paper && ribbon && gauge && frame);
    // the panel text runs over x 310-575, y 165-320 from the paper at (290, 155)
    EXPECT_GE(290 + paper->width, 575);
    EXPECT_GE(155 + paper->height, 320);
    EXPECT_LE(290 + paper->width, 640);
    // the date bar's numbers run from x 300 to 590 at y 18 on the ribbon at (270, 8)
    EXPECT_GE(270 + ribbon->width, 590);
    EXPECT_LE(270 + ribbon->width, 640);
    // the stamina bar at (33, 54), 243 x 8, shows through the gauge frame at (22, 52)
    EXPECT_GE(22 + gauge->width, 33 + 243);
    EXPECT_GE(52 + gauge->height, 54 + 8);
    for (int x : {33, 33 + 121, 33 + 242})
        EXPECT_TRUE(Transparent(*gauge, x - 22, 54 - 52 + 4)) << x;
    // the portrait at (20, 337) shows through the frame at (20, 322), the top of its head too
    EXPECT_TRUE(Transparent(*frame, 60, 337 - 322 + 70));
    EXPECT_TRUE(Transparent(*frame, 60, 337 - 322 + 7));
    EXPECT_LE(322 + frame->height, 480);
}

TEST_F(AssetFilesTest, CursorsHaveTheirTipAtTheHotSpot) {
    for (const char* name : {"dat/cursor01.bmp", "dat/cursor02.bmp"}) {
        const auto image = Picture(name, kGreen);
        ASSERT_TRUE(image);
        EXPECT_FALSE(Transparent(*image, 6, 21)) << name;
        EXPECT_TRUE(Transparent(*image, 0, 0)) << name;
    }
}

TEST_F(AssetFilesTest, TitlePicturesAndLogoKeys) {
    const auto logo = Picture("dat/title_logo.bmp", kCyan);
    ASSERT_TRUE(logo);
    EXPECT_LE(20 + logo->width, 620);
    EXPECT_GT(TransparentCount(*logo), 0) << "the title logo keys cyan";
    EXPECT_TRUE(Transparent(*logo, 0, 0));
    const auto title = Picture("dat/title_image.bmp", kGreen);
    ASSERT_TRUE(title);
    EXPECT_EQ(TransparentCount(*title), 0);
}

const char* const kPortraits[] = {
    "c_vemu",
    "c_vemu_smile",
    "c_vemu_glad",
    "c_vemu_tear",
    "c_vemu_anger",
    "c_vemu_annoy",
    "c_vemu_amaze",
    "c_zelba",
    "c_zelba_anger",
    "c_rago",
    "c_narf",
    "c_broms",
    "c_broms_smile",
    "c_broms_tear",
    "c_cherry",
    "c_cherry_smile",
    "c_cherry_tear",
    "c_merchant",
    "c_mrs",
    "c_chmn",
    "c_liberty",
    "c_antonio",
    "c_masamune",
    "c_foo",
    "c_fransowa",
    "c_meister",
    "c_paty",
    "c_mtmale",
    "c_mtmale_smile",
    "c_mtmale_anger",
    "c_tasteking",
    "c_tasteking_smile",
    "c_tasteking_glad",
    "c_tasteking_amaze",
    "c_adam",
    "c_king",
    "c_queen",
    "c_cocool",
};

TEST_F(AssetFilesTest, PortraitsShareOneSizeAndDiffer) {
    static_assert(std::size(kPortraits) == 38);
    std::optional<Image> first;
    std::vector<std::vector<std::uint32_t>> seen;
    for (const char* stem : kPortraits) {
        const std::string name = std::string("dat/") + stem + ".bmp";
        SCOPED_TRACE(name);
        const auto image = Picture(name, kGreen);
        if (!image) continue;
        if (!first) first = image;
        // the cross-fade overlays two portraits: they all share one size that fits the frame
        EXPECT_EQ(image->width, first->width);
        EXPECT_EQ(image->height, first->height);
        EXPECT_LE(image->height, 140);
        EXPECT_GE(20 + image->width, 139) << "the name ends at x 139 over the portrait";
        for (const auto& other : seen)
            EXPECT_NE(image->pixels, other) << "two portraits are identical";
        seen.push_back(image->pixels);
    }
}

struct DdsCase {
    int id;
    int width, height;
    int glyph_width;  // 0: any
};

TEST_F(AssetFilesTest, DdsResourcesAreA8R8G8B8WithAlpha) {
    std::vector<DdsCase> cases = {{840, 640, 160, 0}, {132, 32, 32, 14}, {145, 32, 32, 14},
                                  {146, 32, 32, 14},  {144, 32, 32, 8},  {133, 32, 32, 15}};
    // the digits are drawn on a 10 px advance: each glyph stays within its first 10 columns
    for (int id = 134; id <= 143; ++id) cases.push_back({id, 32, 32, 10});
    for (const DdsCase& c : cases) {
        SCOPED_TRACE(c.id);
        const auto bytes = FindResource(ResourceType::Dds, c.id);
        ASSERT_TRUE(bytes) << ResourcePath(ResourceType::Dds, c.id) << " is missing";
        ASSERT_GE(bytes->size(), 128u);
        const auto word = [&](std::size_t at) {
            return std::uint32_t((*bytes)[at]) | std::uint32_t((*bytes)[at + 1]) << 8 |
                   std::uint32_t((*bytes)[at + 2]) << 16 | std::uint32_t((*bytes)[at + 3]) << 24;
        };
        EXPECT_EQ(word(80) & 0x41u, 0x41u) << "RGB with alpha";
        EXPECT_EQ(word(88), 32u);
        EXPECT_EQ(word(92), 0x00FF0000u);
        EXPECT_EQ(word(104), 0xFF000000u);
        const auto image = DecodeDds(*bytes);
        ASSERT_TRUE(image);
        EXPECT_EQ(image->width, c.width);
        EXPECT_EQ(image->height, c.height);
        const auto faint = std::count_if(image->pixels.begin(), image->pixels.end(),
                                         [](std::uint32_t p) { return (p >> 24) < 32; });
        EXPECT_GT(faint, 0) << "no see-through part";
        int drawn = 0, widest = 0;
        for (int y = 0; y < image->height; ++y)
            for (int x = 0; x < image->width; ++x)
                if (image->At(x, y) >> 24) ++drawn, widest = std::max(widest, x + 1);
        EXPECT_GT(drawn, 0) << "empty picture";
        if (c.glyph_width) {
            EXPECT_LE(widest, c.glyph_width);
        }
    }
}

TEST_F(AssetFilesTest, MessageWindowFitsTheLowerScreen) {
    const auto bytes = Read("dat/MsgWindow.dds");
    ASSERT_TRUE(bytes) << "dat/MsgWindow.dds is missing";
    const auto image = DecodeDds(*bytes);
    ASSERT_TRUE(image);
    EXPECT_LE(image->width, 480);
    EXPECT_LE(image->height, 155);
    EXPECT_GE(160 + image->width, 600) << "the text runs from x 200";
    // see-through paper inside, transparent outside its rounded corners
    EXPECT_EQ(image->At(0, 0) >> 24, 0u);
    const std::uint32_t middle = image->At(image->width / 2, image->height / 2) >> 24;
    EXPECT_GT(middle, 128u);
    EXPECT_LT(middle, 255u);
}

TEST_F(AssetFilesTest, LogoBitmapsAreDibsWithAGreenKey) {
    struct {
        int id, width, height;
    } cases[] = {{526, 232, 0}, {527, 64, 64}, {528, 64, 64}, {529, 64, 64}, {530, 64, 64}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        const auto bytes = FindResource(ResourceType::Bitmap, c.id);
        ASSERT_TRUE(bytes) << ResourcePath(ResourceType::Bitmap, c.id) << " is missing";
        auto image = DecodeDib(*bytes);
        ASSERT_TRUE(image);
        ApplyColorKey(*image, kGreen);
        EXPECT_EQ(image->width, c.width);
        if (c.height) {
            EXPECT_EQ(image->height, c.height);
        }
        EXPECT_GT(TransparentCount(*image), 0);
    }
}

// Any layout the mixer reads fits (a player's replacement may be 24-bit or float); what matters
// is that the effect is short, audible and not clipped.
TEST_F(AssetFilesTest, SoundEffectsArePlayableShortAndUnclipped) {
    for (const char* stem : {"select_on", "select_off", "switch", "get", "chin", "bell",
                             "cockzelba", "ahead", "buy", "hand", "roast", "boil", "fry"}) {
        const std::string name = std::string("dat/") + stem + ".wav";
        SCOPED_TRACE(name);
        const auto bytes = Read(name);
        ASSERT_TRUE(bytes) << name << " is missing (build the vemu_sounds target)";
        sound::WaveView view;
        ASSERT_TRUE(sound::ParseWave(bytes->data(), bytes->size(), view))
            << "not a wave the game plays";
        const double seconds = double(view.data_size) / view.format.bytes_per_second;
        EXPECT_GT(seconds, 0.02);
        EXPECT_LT(seconds, 2.0);
        const std::vector<float> samples =
            sound::ConvertToStereo(view.format, bytes->data() + view.data_offset, view.data_size,
                                   int(view.format.samples_per_second));
        ASSERT_FALSE(samples.empty()) << "its rate is outside what the mixer plays";
        float peak = 0;
        for (float sample : samples) peak = std::max(peak, std::abs(sample));
        EXPECT_GT(peak, 3000.0f / 32768);
        EXPECT_LT(peak, 32767.0f / 32768);
    }
}

TEST_F(AssetFilesTest, MusicIsGeneralMidiOf40To90Seconds) {
    for (const char* stem :
         {"quiet_shop", "cooking_competition", "wiggle_gustation", "natch_natch", "lets_cooking",
          "theme_of_vemu", "zelba_blues", "dreamin_mush", "theme_of_narf", "zingiber_mioga",
          "merriment_town", "delicious_yyoo", "umaizo2", "held_memories"}) {
        const std::string name = std::string("midi/") + stem + ".mid";
        SCOPED_TRACE(name);
        const auto bytes = Read(name);
        ASSERT_TRUE(bytes) << name << " is missing (build the vemu_music target)";
        sound::MidiSong song;
        ASSERT_TRUE(sound::ParseMidiFile(bytes->data(), bytes->size(), song));
        const double seconds = song.duration / 1e7;
        EXPECT_GE(seconds, 40.0);
        EXPECT_LE(seconds, 90.0);
        // melody, harmony and bass on their own channels, each with an instrument; every note
        // that starts also stops, so the loop starts from silence
        int programs = 0, open = 0;
        std::vector<int> channels;
        for (const auto& m : song.messages) {
            if (m.bytes.empty()) continue;
            const int kind = m.bytes[0] & 0xF0, channel = m.bytes[0] & 0x0F;
            if (kind == 0xC0) ++programs;
            if (kind == 0x90 && m.bytes.size() > 2 && m.bytes[2] > 0) {
                ++open;
                if (std::find(channels.begin(), channels.end(), channel) == channels.end())
                    channels.push_back(channel);
            }
            if (kind == 0x80 || (kind == 0x90 && m.bytes.size() > 2 && m.bytes[2] == 0)) --open;
        }
        EXPECT_GE(programs, 3);
        EXPECT_GE(channels.size(), 3u);
        EXPECT_EQ(open, 0);
    }
}

TEST_F(AssetFilesTest, ManualIsThere) {
    const auto page = Read("manual/index.html");
    ASSERT_TRUE(page) << "manual/index.html is missing (build the vemu_manual target)";
    const std::string text(page->begin(), page->end());
    EXPECT_NE(text.find("lang=\"ja\""), std::string::npos);
    EXPECT_NE(text.find("style.css"), std::string::npos);
    EXPECT_TRUE(Read("manual/style.css"));
}

// The page's pictures are the screens the build rendered: each one it shows is a 640 x 480 PNG,
// and each rendered one is shown, so the page and the rendering cannot drift apart unnoticed.
TEST_F(AssetFilesTest, ManualShowsEveryRenderedScreenAndOnlyThose) {
    const auto page = Read("manual/index.html");
    ASSERT_TRUE(page);
    const std::string text(page->begin(), page->end());
    std::set<std::string> shown;
    for (std::size_t at = text.find("src=\""); at != std::string::npos;
         at = text.find("src=\"", at + 1)) {
        const std::size_t start = at + 5, end = text.find('"', start);
        shown.insert(text.substr(start, end - start));
    }
    EXPECT_GE(shown.size(), 10u);
    for (const std::string& src : shown) {
        SCOPED_TRACE(src);
        const auto png = Read("manual/" + src);
        ASSERT_TRUE(png) << "not rendered (build the vemu_manual target)";
        ASSERT_GE(png->size(), 24u);
        constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        EXPECT_TRUE(std::equal(std::begin(kSignature), std::end(kSignature), png->begin()));
        auto be32 = [&](std::size_t i) {
            return (*png)[i] << 24 | (*png)[i + 1] << 16 | (*png)[i + 2] << 8 | (*png)[i + 3];
        };
        EXPECT_EQ(be32(16), 640);
        EXPECT_EQ(be32(20), 480);
    }
    const std::filesystem::path shots =
        std::filesystem::path(backend.services().folders.game) / "manual" / "shots";
    ASSERT_TRUE(std::filesystem::is_directory(shots));
    for (const auto& file : std::filesystem::directory_iterator(shots))
        EXPECT_TRUE(shown.count("shots/" + file.path().filename().string()))
            << file.path() << " is rendered but not shown";
}

}  // namespace
