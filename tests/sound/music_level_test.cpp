// The level of the mix: the game's own music passes as it is rendered, and a piece from
// elsewhere that is louder is turned down instead of clipped.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/framework/devices.h"
#include "engine/sound/direct_show.h"
#include "engine/sound/fluid_synthesizer.h"
#include "engine/sound/midi_sequencer.h"
#include "engine/sound/peak_limiter.h"
#include "engine/sound/qz_sound.h"
#include "engine/sound/soundfont_bank.h"
#include "engine/sound/synthesizer_factory.h"
#include "platform/files.h"
#include "tests/sound/sound_fixture.h"

namespace sound_test {
namespace {

constexpr int kRate = 48000;

std::vector<float> Sine(double amplitude, double hz, int frames) {
    std::vector<float> stereo(2 * static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i)
        stereo[2 * i] = stereo[2 * i + 1] =
            static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * hz * i / kRate));
    return stereo;
}

std::vector<float> Limited(sound::PeakLimiter& limiter, std::vector<float> stereo) {
    limiter.Process(stereo.data(), static_cast<int>(stereo.size() / 2));
    return stereo;
}

TEST(PeakLimiter, AMixBelowTheCeilingPassesUntouched) {
    sound::PeakLimiter limiter(kRate);
    const std::vector<float> quiet = Sine(0.999, 50, kRate);
    EXPECT_EQ(Limited(limiter, quiet), quiet);
    EXPECT_EQ(limiter.Gain(), 1.0f);
}

TEST(PeakLimiter, ALoudMixIsTurnedDownNotClippedAndComesBackUp) {
    sound::PeakLimiter limiter(kRate);
    // Ten decibels over full scale, bass and treble.
    for (double hz : {40.0, 440.0, 5000.0}) {
        const std::vector<float> loud = Limited(limiter, Sine(3.16, hz, kRate / 2));
        EXPECT_LE(Peak(loud), sound::PeakLimiter::kCeiling) << hz;
        // A sine still, at full scale: a clipped one is near a square, far louder.
        EXPECT_NEAR(Rms({loud.begin() + kRate / 2, loud.end()}), 1 / std::sqrt(2.0), 0.01) << hz;
    }
    // Once the loud part is over, the level comes back within a second and a half.
    Limited(limiter, Sine(0.1, 440, kRate * 3 / 2));
    const std::vector<float> quiet = Sine(0.5, 440, kRate / 10);
    EXPECT_EQ(Limited(limiter, quiet), quiet);
}

TEST(PeakLimiter, OneSpikeDoesNotSilenceWhatFollows) {
    sound::PeakLimiter limiter(kRate);
    std::vector<float> mix = Sine(0.5, 440, kRate / 10);
    mix[100] = INFINITY;
    mix[201] = 4.0f;
    const std::vector<float> out = Limited(limiter, mix);
    EXPECT_LE(std::fabs(out[201]), sound::PeakLimiter::kCeiling);
    // Turned down by the spike, not silenced.
    EXPECT_GT(Peak({out.begin() + 202, out.end()}), 0.1f);
}

class MusicLevelTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (sound::FindSoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
        world.backend.audio.record_midi = false;
    }
    // What the output plays of a piece over `frames` frames.
    std::vector<float> Play(const char* path, int frames) {
        CQZSound piece;
        EXPECT_TRUE(piece.Load(path)) << path;
        piece.Play();
        return world.backend.audio.Pull(frames);
    }
    SoundWorld world;
};

TEST_F(MusicLevelTest, ALoudPieceIsNotClipped) {
    world.Write("midi/loud.mid", LoudSmf());
    const std::vector<float> out = Play("midi\\loud.mid", 2 * kRate);
    // What clipping leaves: samples stuck at full scale.
    EXPECT_EQ(std::count_if(out.begin(), out.end(), [](float s) { return std::fabs(s) >= 1.0f; }),
              0);
    EXPECT_GT(Rms(out), 0.2) << "still loud";
}

TEST_F(MusicLevelTest, TheGamesOwnMusicKeepsItsLevel) {
    // The loudest of the game's pieces, as the output plays it and as its synthesiser alone
    // renders it.
    world.backend.services().folders.game = VEMU_GAME_DIR;
    const char* path = "midi\\cooking_competition.mid";
    const int frames = 10 * kRate;
    const std::vector<float> out = Play(path, frames);

    Bytes bytes;
    ASSERT_TRUE(platform::ReadWholeFile(VEMU_GAME_DIR "/midi/cooking_competition.mid", bytes));
    sound::MidiSong song;
    ASSERT_TRUE(sound::ParseMidiFile(bytes.data(), bytes.size(), song));
    sound::MidiSequencer alone(
        kRate, sound::FluidSynthesizer::Create(kRate, GetDirectShow()->soundfont().Font()));
    alone.SetSong(std::move(song));
    alone.Seek(0);
    std::vector<float> rendered(out.size());
    alone.Render(rendered.data(), frames);

    EXPECT_GT(Rms(out), 0.01);
    EXPECT_NEAR(20 * std::log10(Rms(out) / Rms(rendered)), 0.0, 0.01) << "decibels";
    EXPECT_EQ(Peak(out), Peak(rendered));
}

}  // namespace
}  // namespace sound_test
