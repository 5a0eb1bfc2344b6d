// Music: the SMF reader, the music contents against the recording stand-in for the
// synthesiser, the registry's pause and resume, and one piece through FluidSynth.
#include <gtest/gtest.h>

#include <memory>

#include "engine/sound/direct_show.h"
#include "engine/sound/midi_song.h"
#include "engine/sound/qz_sound.h"
#include "engine/sound/synthesizer_factory.h"
#include "tests/sound/sound_fixture.h"

namespace sound_test {
namespace {

using testing_support::Utf8;

TEST(MidiReader, TimesFollowTheTempoMap) {
    // Track 0 holds the tempo: 120 bpm for the first quarter, then 60 bpm.
    const Bytes file = Smf(1, 480,
                           {Track({{0, Tempo(500000)}, {480, Tempo(1000000)}}),
                            Track({{0, {0x90, 60, 100}},
                                   {480, {60, 0}},  // running status
                                   {480, {0x80, 60, 0}}})});
    sound::MidiSong song;
    ASSERT_TRUE(sound::ParseMidiFile(file.data(), file.size(), song));
    ASSERT_EQ(song.messages.size(), 3u);
    EXPECT_EQ(song.messages[0].time, 0);
    EXPECT_EQ(song.messages[1].time, kHalfSecond);
    EXPECT_EQ(song.messages[1].bytes, (Bytes{0x90, 60, 0}));
    EXPECT_EQ(song.messages[2].time, kHalfSecond + 2 * kHalfSecond);
    EXPECT_EQ(song.duration, 3 * kHalfSecond);
}

TEST(MidiReader, TimeCodeDivisionAndSystemExclusive) {
    // 25 frames a second, 40 ticks a frame: a millisecond a tick.
    const unsigned division = (static_cast<unsigned>(static_cast<std::uint8_t>(-25)) << 8) | 40;
    const Bytes file =
        Smf(0, division,
            {Track({{0, {0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7}}, {250, {0x90, 64, 90}}})});
    sound::MidiSong song;
    ASSERT_TRUE(sound::ParseMidiFile(file.data(), file.size(), song));
    ASSERT_EQ(song.messages.size(), 2u);
    EXPECT_EQ(song.messages[0].bytes, (Bytes{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}));
    EXPECT_EQ(song.messages[1].time, 2'500'000);
}

TEST(MidiReader, MalformedFilesAreRefused) {
    Bytes cut = OneNoteSmf();
    cut.resize(cut.size() - 3);  // the track claims more than is left
    Bytes bad_header = OneNoteSmf();
    bad_header[9] = 3;  // format 3
    Bytes no_tracks = Smf(0, 480, {});
    const struct {
        const char* name;
        Bytes bytes;
    } cases[] = {
        {"a wave file", ConstantWave(22050, 10, 0)},
        {"cut short", cut},
        {"format 3", bad_header},
        {"no tracks", no_tracks},
        {"running status with nothing before", Smf(0, 480, {Track({{0, {60, 100}}})})},
        {"data byte with the high bit", Smf(0, 480, {Track({{0, {0x90, 0x80, 100}}})})},
        {"five-byte delta",
         [] {
             Bytes t;
             Tag(t, "MTrk");
             Be32(t, 8);
             Append(t, {0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 60, 1});
             return Smf(0, 480, {t});
         }()},
        {"meta longer than its track", Smf(0, 480, {Track({{0, {0xFF, 0x01, 0x7F, 'a'}}}, false)})},
        {"system common message", Smf(0, 480, {Track({{0, {0xF2, 0, 0}}})})},
        {"zero division", Smf(0, 0, {Track({})})},
        {"times beyond any clock",
         // The slowest tempo, one tick a quarter and the longest deltas: more than 2^63 units.
         Smf(0, 1, {Track(std::vector<TrackEvent>(300, {0x0FFFFFFF, Tempo(0xFFFFFF)}))})},
    };
    for (const auto& c : cases) {
        sound::MidiSong song;
        EXPECT_FALSE(sound::ParseMidiFile(c.bytes.data(), c.bytes.size(), song)) << c.name;
    }
}

class MusicTest : public ::testing::Test {
protected:
    void SetUp() override {
        world.Write("midi/one.mid", OneNoteSmf());
        world.Write("dat/one.dat", ConstantWave(22050, 100, 0));
    }
    // One frame: the audio of 20 ms, then the content's own frame update.
    void Frame(CQZSound& s, int frames = 1) {
        for (int i = 0; i < frames; ++i) {
            world.backend.audio.Pull(kFrameSamples);
            s.Update();
        }
    }
    int NoteOns() const {
        int n = 0;
        for (const auto& m : world.backend.audio.midi)
            if (m.bytes.size() == 3 && (m.bytes[0] & 0xF0) == 0x90 && m.bytes[2] != 0) ++n;
        return n;
    }
    SoundWorld world;
};

TEST_F(MusicTest, APiecePlaysOnceAndStopsAtItsEnd) {
    CQZSound s;
    ASSERT_TRUE(s.Load("midi\\one.mid"));
    EXPECT_EQ(s.GetEndPoint(), kHalfSecond);
    EXPECT_EQ(s.GetState(), CQZSound::kStopped);
    s.Play();
    EXPECT_EQ(s.GetState(), CQZSound::kPlaying);
    Frame(s, 24);
    EXPECT_EQ(s.GetState(), CQZSound::kPlaying);
    Frame(s, 2);  // 26 frames of 20 ms are past the half second
    EXPECT_EQ(s.GetState(), CQZSound::kStopped);
    EXPECT_EQ(s.GetPosition(), kHalfSecond);
    EXPECT_EQ(NoteOns(), 1);
    // The note-off came at its own time, to the sample.
    const auto& midi = world.backend.audio.midi;
    auto off =
        std::find_if(midi.begin(), midi.end(), [](const auto& m) { return m.bytes[0] == 0x80; });
    ASSERT_NE(off, midi.end());
    EXPECT_EQ(off->position, kHalfSecond);
    Frame(s, 30);
    EXPECT_EQ(NoteOns(), 1);
}

TEST_F(MusicTest, ALoopedPieceStartsAgainWhenItCompletes) {
    CQZSound s;
    ASSERT_TRUE(s.Load("midi\\one.mid"));
    s.SetLoop(true);
    s.Play();
    Frame(s, 26);
    EXPECT_EQ(s.GetState(), CQZSound::kPlaying);
    EXPECT_LT(s.GetPosition(), kHalfSecond);
    Frame(s, 2);
    EXPECT_EQ(NoteOns(), 2);
}

TEST_F(MusicTest, AnEndPointLoopsOrStopsThePiece) {
    CQZSound looped;
    ASSERT_TRUE(looped.Load("midi\\one.mid"));
    looped.SetLoop(true);
    looped.SetEndPoint(kHalfSecond / 2);
    looped.Play();
    Frame(looped, 40);  // three rounds of a quarter second
    EXPECT_EQ(looped.GetState(), CQZSound::kPlaying);
    EXPECT_GE(NoteOns(), 3);
    EXPECT_LT(looped.GetPosition(), kHalfSecond / 2);
    looped.Stop();

    CQZSound once;
    ASSERT_TRUE(once.Load("midi\\one.mid"));
    once.SetEndPoint(kHalfSecond / 2);
    once.SetEndPoint(kHalfSecond * 10);  // never past the piece's own length
    EXPECT_EQ(once.GetEndPoint(), kHalfSecond);
    once.SetEndPoint(kHalfSecond / 2);
    once.Play();
    Frame(once, 13);
    EXPECT_EQ(once.GetState(), CQZSound::kStopped);
    EXPECT_GE(once.GetPosition(), kHalfSecond / 2);
    EXPECT_LT(once.GetPosition(), kHalfSecond);
}

TEST_F(MusicTest, PausedMusicHoldsItsPlace) {
    CQZSound s;
    ASSERT_TRUE(s.Load("midi\\one.mid"));
    s.Play();
    Frame(s, 5);
    s.Pause();
    const std::int64_t at = s.GetPosition();
    Frame(s, 50);
    EXPECT_EQ(s.GetPosition(), at);
    EXPECT_EQ(s.GetState(), CQZSound::kPaused);
    s.Play();
    Frame(s, 1);
    EXPECT_GT(s.GetPosition(), at);
}

TEST_F(MusicTest, VolumeSpeedAndStartPointAreKeptInRange) {
    CQZSound s;
    s.SetVolume(150);
    EXPECT_EQ(s.GetVolume(), 100.0);
    s.SetVolume(-5);
    EXPECT_EQ(s.GetVolume(), 0.0);
    s.SetSpeed(0);
    EXPECT_EQ(s.GetSpeed(), 0.000001);
    s.SetStartPoint(-10);
    EXPECT_EQ(s.GetStartPoint(), 0);
}

TEST_F(MusicTest, ANewContentStartsAtTheMasterVolume) {
    world.runtime.show.SetVolume(40);
    CQZSound s;
    EXPECT_EQ(s.GetVolume(), 40.0);
    world.runtime.show.SetVolume(70);
    EXPECT_EQ(s.GetVolume(), 70.0);
}

TEST_F(MusicTest, AFileThatIsNotMidiLeavesTheSoundUnloaded) {
    for (const char* path : {"dat\\one.dat", "midi\\absent.mid", ""}) {
        world.backend.debug.lines.clear();
        CQZSound s;
        EXPECT_FALSE(s.Load(path)) << path;
        EXPECT_FALSE(s.IsLoaded());
        ASSERT_EQ(world.backend.debug.lines.size(), 1u);
        EXPECT_EQ(world.backend.debug.lines[0], Utf8(u8"ファイル読み込みに失敗しました\n"));
        s.Play();
        EXPECT_EQ(s.GetState(), CQZSound::kStopped);
    }
    EXPECT_TRUE(world.backend.dialogs.boxes.empty());
}

TEST_F(MusicTest, PauseAllAndResumeAllTouchOnlyWhatWasPlaying) {
    // `just_ended` runs to its end in the audio, but its frame update has not seen it yet.
    CQZSound playing, finished, just_ended;
    ASSERT_TRUE(playing.Load("midi\\one.mid"));
    ASSERT_TRUE(finished.Load("midi\\one.mid"));
    ASSERT_TRUE(just_ended.Load("midi\\one.mid"));
    playing.SetLoop(true);
    playing.Play();
    finished.Play();
    just_ended.Play();
    Frame(finished, 30);
    ASSERT_EQ(finished.GetState(), CQZSound::kStopped);
    ASSERT_EQ(just_ended.GetPosition(), just_ended.GetEndPoint());
    world.runtime.show.PauseAll();
    EXPECT_EQ(playing.GetState(), CQZSound::kPaused);
    world.runtime.show.ResumeAll();
    EXPECT_EQ(playing.GetState(), CQZSound::kPlaying);
    EXPECT_EQ(finished.GetState(), CQZSound::kStopped);
    just_ended.Update();
    EXPECT_EQ(just_ended.GetState(), CQZSound::kStopped);
    EXPECT_EQ(just_ended.GetPosition(), just_ended.GetEndPoint());
}

TEST(MusicLifetime, AContentOutlivingTheRuntimeLetsGoOfItInTime) {
    std::unique_ptr<CQZSound> survivor;
    {
        SoundWorld inner;
        inner.Write("midi/one.mid", OneNoteSmf());
        survivor = std::make_unique<CQZSound>();
        ASSERT_TRUE(survivor->Load("midi\\one.mid"));
        survivor->Play();
        inner.backend.audio.Pull(kFrameSamples);
    }
    survivor->Update();
    survivor.reset();  // must not reach the registry or the mixer that are gone
}

TEST(MusicSynthesis, AOneNotePieceIsHeard) {
    SoundWorld world;
    world.backend.audio.record_midi = false;
    if (sound::FindSoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
    world.Write("midi/one.mid", OneNoteSmf());
    CQZSound s;
    ASSERT_TRUE(s.Load("midi\\one.mid"));
    s.Play();
    float peak = 0.0f;
    for (int i = 0; i < 20; ++i)
        peak = std::max(peak, Peak(world.backend.audio.Pull(kFrameSamples)));
    EXPECT_GT(peak, 0.01f);
    s.SetVolume(0);
    EXPECT_LT(Peak(world.backend.audio.Pull(kFrameSamples)), peak / 100);
}

}  // namespace
}  // namespace sound_test
