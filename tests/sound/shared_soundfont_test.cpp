// The General MIDI soundfont is read once per run and shared by every piece's synthesiser:
// pieces keep their own volume, a piece that goes leaves the font to the others, and the font
// outlives every piece, even one that outlives the runtime.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "engine/framework/devices.h"
#include "engine/sound/direct_show.h"
#include "engine/sound/qz_sound.h"
#include "engine/sound/soundfont_bank.h"
#include "engine/sound/synthesizer_factory.h"
#include "tests/sound/sound_fixture.h"

namespace sound_test {
namespace {

using testing_support::Utf8;

// Middle C held for two seconds.
Bytes LongNoteSmf() {
    return Smf(0, 480, {Track({{0, {0xC0, 0x00}}, {0, {0x90, 60, 100}}, {1920, {0x80, 60, 0}}})});
}

// A world that synthesises its music instead of recording the messages.
class SynthesisedWorld : public SoundWorld {
public:
    SynthesisedWorld() {
        backend.audio.record_midi = false;
        Write("midi/long.mid", LongNoteSmf());
    }
    float PeakOver(int frames) {
        float peak = 0.0f;
        for (int i = 0; i < frames; ++i)
            peak = std::max(peak, Peak(backend.audio.Pull(kFrameSamples)));
        return peak;
    }
    int Loads() { return GetDirectShow()->soundfont().LoadCount(); }
};

TEST(SharedSoundFont, PiecesShareOneReadingOfTheFont) {
    if (sound::FindSoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
    SynthesisedWorld world;
    EXPECT_EQ(world.Loads(), 0) << "nothing is read before a piece needs it";

    auto first = std::make_unique<CQZSound>();
    CQZSound second;
    ASSERT_TRUE(first->Load("midi\\long.mid"));
    ASSERT_TRUE(second.Load("midi\\long.mid"));
    EXPECT_EQ(world.Loads(), 1);

    // Both sound at once, each at its own volume.
    first->Play();
    second.Play();
    first->SetVolume(0);
    const float second_alone = world.PeakOver(10);
    EXPECT_GT(second_alone, 0.01f);
    second.SetVolume(0);
    EXPECT_LT(world.PeakOver(2), second_alone / 100);
    first->SetVolume(100);
    EXPECT_GT(world.PeakOver(5), 0.01f);

    // The piece that goes takes nothing from the one still playing.
    first->SetVolume(0);
    second.SetVolume(100);
    first.reset();
    EXPECT_GT(world.PeakOver(10), 0.01f);

    // Later pieces and reloads read nothing again.
    CQZSound third;
    ASSERT_TRUE(third.Load("midi\\long.mid"));
    ASSERT_TRUE(second.Load("midi\\long.mid"));
    third.Play();
    EXPECT_GT(world.PeakOver(10), 0.01f);
    EXPECT_EQ(world.Loads(), 1);
}

TEST(SharedSoundFont, APieceOutlivingTheRuntimeLetsGoOfTheFontFirst) {
    if (sound::FindSoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
    std::unique_ptr<CQZSound> survivor;
    {
        SynthesisedWorld world;
        survivor = std::make_unique<CQZSound>();
        ASSERT_TRUE(survivor->Load("midi\\long.mid"));
        survivor->Play();
        EXPECT_GT(world.PeakOver(5), 0.01f);
    }
    EXPECT_FALSE(survivor->IsLoaded());
    survivor->Update();
    survivor.reset();
}

TEST(SharedSoundFont, AFontThatCannotBeReadIsTriedOnceAndReportedOnce) {
    SynthesisedWorld world;
    world.Write("broken.sf2", Bytes(64, 0x5A));
    world.backend.settings.Parse("[Vemu]\nsoundfont=" + world.folder.path() + "/broken.sf2\n");

    CQZSound first, second;
    ASSERT_TRUE(first.Load("midi\\long.mid"));
    ASSERT_TRUE(second.Load("midi\\long.mid"));
    first.Play();
    second.Play();
    EXPECT_EQ(world.PeakOver(5), 0.0f);
    EXPECT_EQ(world.Loads(), 1);
    const std::string silent = Utf8(u8"GMサウンドフォントが見つからないため、音楽は鳴りません\n");
    EXPECT_EQ(
        std::count(world.backend.debug.lines.begin(), world.backend.debug.lines.end(), silent), 1);
}

}  // namespace
}  // namespace sound_test
