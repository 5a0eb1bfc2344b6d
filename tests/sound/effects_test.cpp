// Sound effects: the volume law, the WAVE reader, loading messages and the mixer's levels.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/sound/direct_sound.h"
#include "engine/sound/volume_law.h"
#include "engine/sound/wave_data.h"
#include "tests/sound/sound_fixture.h"

namespace sound_test {
namespace {

using testing_support::Utf8;

TEST(VolumeLaw, AttenuationOfEachVolume) {
    const struct {
        double volume;
        int attenuation;
    } cases[] = {{100, 0}, {50, -2500},   {30, -4900}, {0, -10000},
                 {150, 0}, {-50, -10000}, {99.5, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(sound::VolumeToAttenuation(c.volume), c.attenuation) << c.volume;
    EXPECT_FLOAT_EQ(sound::AttenuationToGain(0), 1.0f);
    EXPECT_NEAR(sound::AttenuationToGain(-2000), 0.1f, 1e-6);
}

Bytes Prefix(Bytes b, std::size_t n) {
    b.resize(n);
    return b;
}

struct WaveCase {
    const char* name;
    Bytes bytes;
    bool ok;
    std::size_t data_size;
};

TEST(WaveReader, ChunkLayouts) {
    const Bytes four = Samples16({1, 2, 3, 4});
    const Bytes fmt = Chunk("fmt ", FmtBody(1, 1, 22050, 16));
    Bytes short_data = Chunk("data", four, 1000);  // claims far more than follows
    Bytes partial_frame = Chunk("data", Samples16({1, 2, 3}), 6);
    partial_frame.pop_back();  // a half sample at the end of the file
    const std::vector<WaveCase> cases = {
        {"minimal PCM", Riff({fmt, Chunk("data", four)}), true, 8},
        {"LIST before fmt", Riff({Chunk("LIST", Bytes(10, 'x')), fmt, Chunk("data", four)}), true, 8},
        {"odd chunk and its pad byte", Riff({Chunk("junk", Bytes(3, 0xEE)), fmt, Chunk("data", four)}), true, 8},
        {"data before fmt", Riff({Chunk("data", four), fmt}), true, 8},
        {"8-bit stereo", Riff({Chunk("fmt ", FmtBody(1, 2, 8000, 8)), Chunk("data", Bytes{1, 2, 3, 4, 5, 6})}), true, 6},
        {"12-byte fmt", Riff({Chunk("fmt ", Prefix(FmtBody(1, 1, 22050, 16), 12)), Chunk("data", four)}), false, 0},
        {"14-byte fmt", Riff({Chunk("fmt ", Prefix(FmtBody(1, 1, 22050, 16), 14)), Chunk("data", four)}), false, 0},
        {"float samples", Riff({Chunk("fmt ", FmtBody(3, 1, 22050, 32)), Chunk("data", four)}), true, 8},
        {"24-bit samples", Riff({Chunk("fmt ", FmtBody(1, 1, 22050, 24)), Chunk("data", Bytes(6, 0))}), true, 6},
        {"six channels", Riff({Chunk("fmt ", FmtBody(1, 6, 22050, 16)), Chunk("data", Bytes(12, 0))}), false, 0},
        {"no data", Riff({fmt}), false, 0},
        {"empty data", Riff({fmt, Chunk("data", {})}), false, 0},
        {"data size beyond the file", Riff({fmt, short_data}), true, 8},
        {"a partial last frame", Riff({fmt, partial_frame}), true, 4},
        {"RIFF size beyond the file", Riff({fmt, Chunk("data", four)}, 100000), true, 8},
        {"RIFF size cutting off data", Riff({fmt, Chunk("data", four)}, 4 + 24), false, 0},
        {"not RIFF", Bytes{'R', 'I', 'F', 'X', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}, false, 0},
        {"header only", Bytes{'R', 'I', 'F', 'F'}, false, 0},
        {"chunk header cut off", [&] { Bytes b = Riff({fmt}); Append(b, {'d', 'a', 't'}); return b; }(), false, 0},
    };
    for (const WaveCase& c : cases) {
        sound::WaveView view;
        EXPECT_EQ(sound::ParseWave(c.bytes.data(), c.bytes.size(), view), c.ok) << c.name;
        if (c.ok && view.data_size == c.data_size) {
            // The samples lie inside the bytes given.
            EXPECT_LE(view.data_offset + view.data_size, c.bytes.size()) << c.name;
        } else if (c.ok) {
            ADD_FAILURE() << c.name << ": data size " << view.data_size;
        }
    }
}

TEST(WaveReader, SamplesBecomeStereoFloatAtTheOutputRate) {
    sound::WaveFormat mono16{1, 1, 24000, 48000, 2, 16};
    const Bytes samples = Samples16({16384, -16384});
    const std::vector<float> same =
        sound::ConvertToStereo(mono16, samples.data(), samples.size(), 24000);
    EXPECT_EQ(same, (std::vector<float>{0.5f, 0.5f, -0.5f, -0.5f}));
    const std::vector<float> doubled =
        sound::ConvertToStereo(mono16, samples.data(), samples.size(), 48000);
    ASSERT_EQ(doubled.size(), 8u);      // twice the frames, each a pair
    EXPECT_FLOAT_EQ(doubled[2], 0.0f);  // half way between the two samples
    sound::WaveFormat stereo8{1, 2, 8000, 16000, 2, 8};
    const Bytes bytes8 = {255, 0};
    const std::vector<float> s8 = sound::ConvertToStereo(stereo8, bytes8.data(), 2, 8000);
    EXPECT_NEAR(s8[0], 127 / 128.0f, 1e-6);
    EXPECT_FLOAT_EQ(s8[1], -1.0f);
}

class EffectsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sound().Init(nullptr)); }
    CDirectSound& sound() { return world.runtime.sound; }
    std::vector<float> Pull(int frames) { return world.backend.audio.Pull(frames); }
    SoundWorld world;
};

TEST_F(EffectsTest, HalfVolumeIsTwentyFiveHundredthsOfABelDown) {
    world.Write("dat/square.wav", SquareWave(22050, 22050, 50));
    DWave wave;
    ASSERT_TRUE(wave.Load("dat\\square.wav"));
    EXPECT_EQ(wave.GetFrequency(), 22050u);
    wave.Play(0, 0);
    const double full = Rms(Pull(kFrameSamples));
    sound().SetVolume(50);
    wave.Play(0, 0);
    const double half = Rms(Pull(kFrameSamples));
    EXPECT_GT(full, 0.9);
    EXPECT_NEAR(half / full, std::pow(10.0, -25.0 / 20.0), 0.01 * std::pow(10.0, -25.0 / 20.0));
}

TEST_F(EffectsTest, AWaveLoadedAfterAVolumeChangePlaysAtThatVolume) {
    sound().SetVolume(30);
    world.Write("dat/level.wav", ConstantWave(48000, 4800, 16384));
    DWave wave;
    ASSERT_TRUE(wave.Load("dat\\level.wav"));
    wave.Play(0, 0);
    EXPECT_NEAR(Peak(Pull(kFrameSamples)), 0.5 * std::pow(10.0, -4900 / 2000.0), 1e-5);
}

TEST_F(EffectsTest, VolumeIsClampedToTheRange) {
    sound().SetVolume(150);
    EXPECT_EQ(sound().GetVolume(), 100);
    sound().SetVolume(-20);
    EXPECT_EQ(sound().GetVolume(), 0);
}

TEST_F(EffectsTest, PlayingAgainRestartsTheOneVoice) {
    world.Write("dat/step.wav", ConstantWave(48000, 1000, 8192));
    DWave wave;
    ASSERT_TRUE(wave.Load("dat\\step.wav"));
    wave.Play(0, 0);
    Pull(800);
    wave.Play(0, 0);
    EXPECT_EQ(sound().mixer().PlayingVoiceCount(), 1u);
    const std::vector<float> again = Pull(1000);
    // One voice from its beginning: the level of one voice for the whole wave.
    for (float s : again) ASSERT_FLOAT_EQ(s, 0.25f);
    // Played once: silence after its end.
    EXPECT_EQ(Peak(Pull(200)), 0.0f);
    EXPECT_FALSE(wave.IsPlaying());
}

TEST_F(EffectsTest, LoopingWaveWrapsAndStops) {
    world.Write("dat/loop.wav", ConstantWave(48000, 100, 8192));
    DWave wave;
    ASSERT_TRUE(wave.Load("dat\\loop.wav"));
    wave.SetLoop(true);
    wave.Play(0, 0);
    for (float s : Pull(1000)) ASSERT_FLOAT_EQ(s, 0.25f);
    wave.Stop();
    EXPECT_EQ(Peak(Pull(100)), 0.0f);
}

TEST_F(EffectsTest, AResourceComesBeforeTheFile) {
    world.Write("dat/fx.wav", ConstantWave(48000, 100, 8192));
    world.Write("res/wave/dat_fx.wav", ConstantWave(48000, 100, 16384));
    DWave wave;
    ASSERT_TRUE(wave.Load("dat\\fx.wav"));
    wave.Play(0, 0);
    EXPECT_FLOAT_EQ(Peak(Pull(10)), 0.5f);
}

TEST_F(EffectsTest, AMissingFileIsNamedThenTheLoadFails) {
    DWave wave;
    EXPECT_FALSE(wave.Load("dat\\missing.wav"));
    EXPECT_FALSE(wave.IsLoaded());
    ASSERT_EQ(world.backend.dialogs.boxes.size(), 2u);
    EXPECT_EQ(world.backend.dialogs.boxes[0].text, Utf8(u8"dat\\missing.wav がありません"));
    EXPECT_EQ(world.backend.dialogs.boxes[1].text,
              Utf8(u8"Waveデータの読み込みに失敗: ") + world.folder.path() + "/dat/missing.wav");
    EXPECT_EQ(world.backend.dialogs.boxes[1].caption, "Error");
    EXPECT_EQ(wave.Play(0, 0), 0);
}

TEST_F(EffectsTest, AWaveThatCannotBeReadSaysSoOnce) {
    world.Write("dat/short.wav", Riff({Chunk("fmt ", Bytes(12, 0)), Chunk("data", Bytes(4, 0))}));
    DWave wave;
    EXPECT_FALSE(wave.Load("dat\\short.wav"));
    ASSERT_EQ(world.backend.dialogs.boxes.size(), 1u);
    EXPECT_EQ(world.backend.dialogs.boxes[0].text,
              Utf8(u8"Waveデータの読み込みに失敗: ") + world.folder.path() + "/dat/short.wav");
}

TEST_F(EffectsTest, ARateNoSoundBufferPlaysIsRefusedQuietly) {
    // At 1 Hz even a small file would become hours of output samples.
    const struct {
        std::uint32_t rate;
        bool loads;
    } cases[] = {{1, false}, {99, false}, {100, true}, {200000, true}, {200001, false}};
    for (const auto& c : cases) {
        world.Write("dat/rate.wav", ConstantWave(c.rate, 64, 8192));
        DWave wave;
        EXPECT_EQ(wave.Load("dat\\rate.wav"), c.loads) << c.rate;
    }
    EXPECT_TRUE(world.backend.dialogs.boxes.empty());
}

TEST_F(EffectsTest, ReleaseEndsEveryEffect) {
    world.Write("dat/fx.wav", ConstantWave(48000, 4800, 8192));
    DWave wave;
    ASSERT_TRUE(wave.Load("dat\\fx.wav"));
    wave.Play(0, 0);
    sound().Release();
    EXPECT_EQ(Peak(Pull(100)), 0.0f);
    wave.Play(0, 0);  // its voice is gone with the sound object: nothing happens
    EXPECT_EQ(Peak(Pull(100)), 0.0f);
    EXPECT_FALSE(wave.Load("dat\\fx.wav"));  // no output to load into
}

TEST(EffectsWithoutOutput, AnOutputThatCannotOpenIsReported) {
    SoundWorld world;
    world.backend.audio.FailNextOpen();
    EXPECT_FALSE(world.runtime.sound.Init(nullptr));
    ASSERT_EQ(world.backend.dialogs.boxes.size(), 1u);
    EXPECT_EQ(world.backend.dialogs.boxes[0].text, Utf8(u8"DirectSoundオブジェクトの作成に失敗"));
    EXPECT_EQ(world.backend.dialogs.boxes[0].caption, "Error");
    world.Write("dat/fx.wav", ConstantWave(48000, 10, 1));
    DWave wave;
    EXPECT_FALSE(wave.Load("dat\\fx.wav"));
    EXPECT_EQ(world.backend.dialogs.boxes.size(), 1u);  // quietly: the game runs without effects
}

}  // namespace
}  // namespace sound_test
