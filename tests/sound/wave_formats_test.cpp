// WAVE files as other programs write them: the layouts and encodings the mixer plays, read as
// sox reads them, and the ones it refuses.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <string>

#include "engine/sound/direct_sound.h"
#include "engine/sound/wave_data.h"
#include "engine/sound/wave_samples.h"
#include "platform/files.h"
#include "tests/sound/sound_fixture.h"

namespace sound_test {
namespace {

using testing_support::Utf8;

// The fixtures and sox's own readings of them, made by tests/sound/wav/make_fixtures.sh.
Bytes Fixture(const std::string& name) {
    Bytes bytes;
    const std::string path = std::string(VEMU_TEST_SOURCE_DIR) + "/sound/wav/" + name;
    EXPECT_TRUE(platform::ReadWholeFile(path, bytes)) << path;
    return bytes;
}

std::vector<float> SoxReading(const std::string& name) {
    const Bytes bytes = Fixture(name.substr(0, name.size() - 4) + ".f32");
    std::vector<float> samples(bytes.size() / 4);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 4);
    return samples;
}

struct Playable {
    const char* file;
    std::uint16_t encoding;
    unsigned channels;
    unsigned bits;
    // sox reaches float through its 32-bit integers and rounds those to float its own way:
    // half a float step apart at most.
    double tolerance;
};

const Playable kPlayable[] = {
    {"pcm16_stereo_extensible.wav", sound::kWaveFormatPcm, 2, 16, 0.0},
    {"pcm24_stereo.wav", sound::kWaveFormatPcm, 2, 24, 0.0},
    {"pcm24_stereo_extensible.wav", sound::kWaveFormatPcm, 2, 24, 0.0},
    {"pcm32_mono_extensible.wav", sound::kWaveFormatPcm, 1, 32, 0x1p-25},
    {"float32_stereo.wav", sound::kWaveFormatFloat, 2, 32, 0.0},
    {"float32_stereo_extensible.wav", sound::kWaveFormatFloat, 2, 32, 0.0},
    {"float64_mono.wav", sound::kWaveFormatFloat, 1, 64, 0x1p-25},
};

TEST(WaveFormats, EachLayoutReadsAsSoxReadsIt) {
    for (const Playable& p : kPlayable) {
        const Bytes bytes = Fixture(p.file);
        sound::WaveView view;
        ASSERT_TRUE(sound::ParseWave(bytes.data(), bytes.size(), view)) << p.file;
        EXPECT_EQ(sound::SampleEncoding(view.format), p.encoding) << p.file;
        EXPECT_EQ(view.format.channels, p.channels) << p.file;
        EXPECT_EQ(view.format.bits_per_sample, p.bits) << p.file;
        const std::vector<float> stereo = sound::ConvertToStereo(
            view.format, bytes.data() + view.data_offset, view.data_size, 8000);
        const std::vector<float> sox = SoxReading(p.file);
        ASSERT_EQ(stereo.size(), sox.size() * 2 / p.channels) << p.file;
        // A mono wave plays the same on both sides.
        for (std::size_t i = 0; i < stereo.size(); ++i)
            ASSERT_NEAR(stereo[i], p.channels == 2 ? sox[i] : sox[i / 2], p.tolerance)
                << p.file << " sample " << i;
    }
}

// A plain or extensible "fmt " chunk body.
Bytes Format(unsigned tag, unsigned channels, unsigned bits, unsigned align = 0) {
    Bytes b = FmtBody(tag, channels, 8000, bits);
    if (align) {
        b[12] = static_cast<std::uint8_t>(align);
        b[13] = static_cast<std::uint8_t>(align >> 8);
    }
    return b;
}
Bytes Extensible(unsigned sub_format, unsigned channels, unsigned bits, std::size_t extension = 22,
                 bool standard_guid = true) {
    Bytes b = Format(sound::kWaveFormatExtensible, channels, bits);
    Le16(b, static_cast<unsigned>(extension));
    Le16(b, bits);                       // valid bits
    Le32(b, channels == 1 ? 0x4 : 0x3);  // speaker positions
    Le32(b, sub_format);                 // the GUID's first field
    Append(b, {0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71});
    if (!standard_guid) b.back() ^= 0xFF;
    b.resize(16 + 2 + extension);
    return b;
}

TEST(WaveFormats, WhichFormatChunksPlay) {
    const struct {
        const char* name;
        Bytes format;
        bool plays;
    } cases[] = {
        {"8-bit extensible", Extensible(1, 1, 8), true},
        {"float extensible", Extensible(3, 2, 64), true},
        {"32-bit integer", Format(1, 2, 32), true},
        {"mu-law", Format(7, 1, 8), false},
        {"A-law", Format(6, 1, 8), false},
        {"Microsoft ADPCM", Format(2, 1, 4, 256), false},
        {"IMA ADPCM", Format(0x11, 1, 4, 256), false},
        {"GSM", Format(0x31, 1, 0, 65), false},
        {"mu-law inside extensible", Extensible(7, 1, 8), false},
        {"extensible naming a foreign GUID", Extensible(1, 2, 16, 22, false), false},
        {"extensible without its extension", Extensible(1, 2, 16, 0), false},
        {"extensible with a short extension", Extensible(1, 2, 16, 10), false},
        {"16-bit float", Format(3, 1, 16), false},
        {"12-bit integer", Format(1, 1, 12, 2), false},
        {"24 bits in 32-bit frames", Format(1, 1, 24, 4), false},
        {"three channels", Format(1, 3, 16), false},
        {"extensible with six channels", Extensible(1, 6, 16), false},
    };
    for (const auto& c : cases) {
        const Bytes wave = Riff({Chunk("fmt ", c.format), Chunk("data", Bytes(48, 0x40))});
        sound::WaveView view;
        EXPECT_EQ(sound::ParseWave(wave.data(), wave.size(), view), c.plays) << c.name;
    }
}

Bytes Le64(std::uint64_t v) {
    Bytes b;
    Le32(b, static_cast<std::uint32_t>(v));
    Le32(b, static_cast<std::uint32_t>(v >> 32));
    return b;
}

TEST(WaveFormats, SamplesAtAndPastFullScale) {
    const auto f32 = [](float v) {
        Bytes b;
        Le32(b, std::bit_cast<std::uint32_t>(v));
        return b;
    };
    const auto f64 = [](double v) { return Le64(std::bit_cast<std::uint64_t>(v)); };
    const struct {
        const char* name;
        std::uint16_t tag;
        unsigned bits;
        Bytes sample;
        float value;
    } cases[] = {
        {"24-bit most negative", 1, 24, {0x00, 0x00, 0x80}, -1.0f},
        {"24-bit most positive", 1, 24, {0xFF, 0xFF, 0x7F}, 8388607 / 8388608.0f},
        {"24-bit minus one step", 1, 24, {0xFF, 0xFF, 0xFF}, -1 / 8388608.0f},
        {"32-bit most negative", 1, 32, {0x00, 0x00, 0x00, 0x80}, -1.0f},
        {"32-bit low byte only", 1, 32, {0x80, 0x00, 0x00, 0x00}, 0x1p-24f},
        {"float past full scale", 3, 32, f32(1.5f), 1.0f},
        {"float below full scale", 3, 32, f32(-4.0f), -1.0f},
        {"float infinity", 3, 32, f32(-INFINITY), -1.0f},
        {"float not a number", 3, 32, f32(NAN), 0.0f},
        {"double past full scale", 3, 64, f64(2.0), 1.0f},
        {"double not a number", 3, 64, f64(NAN), 0.0f},
        {"double within", 3, 64, f64(-0.25), -0.25f},
    };
    for (const auto& c : cases) {
        const sound::WaveFormat format{c.tag,
                                       1,
                                       8000,
                                       8000 * c.bits / 8,
                                       static_cast<std::uint16_t>(c.bits / 8),
                                       static_cast<std::uint16_t>(c.bits)};
        EXPECT_EQ(sound::DecodeSample(format, c.sample.data(), 0), c.value) << c.name;
    }
}

class WaveFilesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(world.runtime.sound.Init(nullptr)); }
    SoundWorld world;
};

TEST_F(WaveFilesTest, WhatOtherProgramsWritePlays) {
    for (const Playable& p : kPlayable) {
        world.Write("dat/fx.wav", Fixture(p.file));
        DWave wave;
        ASSERT_TRUE(wave.Load("dat\\fx.wav")) << p.file;
        EXPECT_EQ(wave.GetFrequency(), 8000u);
        wave.Play(0, 0);
        EXPECT_GT(Peak(world.backend.audio.Pull(kFrameSamples)), 0.5f) << p.file;
        wave.Release();
    }
    EXPECT_TRUE(world.backend.dialogs.boxes.empty());
}

TEST_F(WaveFilesTest, CompressedWavesAreRefusedWithTheMessage) {
    for (const char* file : {"mulaw.wav", "ima_adpcm.wav", "gsm.wav"}) {
        world.backend.dialogs.boxes.clear();
        world.Write("dat/fx.wav", Fixture(file));
        DWave wave;
        EXPECT_FALSE(wave.Load("dat\\fx.wav")) << file;
        ASSERT_EQ(world.backend.dialogs.boxes.size(), 1u) << file;
        EXPECT_EQ(world.backend.dialogs.boxes[0].text,
                  Utf8(u8"Waveデータの読み込みに失敗: ") + world.folder.path() + "/dat/fx.wav");
        wave.Play(0, 0);
        EXPECT_EQ(Peak(world.backend.audio.Pull(kFrameSamples)), 0.0f) << file;
    }
}

}  // namespace
}  // namespace sound_test
