// A player's own sound effects and music in the game folder, in place of the game's, as other
// programs write them: an effect exported as 32-bit float plays where the game's played, and a
// piece far louder than the game's own plays without clipping.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "engine/sound/synthesizer_factory.h"
#include "platform/files.h"
#include "tests/sound/sound_fixture.h"
#include "tests/support/play_harness.h"

namespace {

using namespace play_test;
namespace fs = std::filesystem;

// A copy of the build's game folder, for a test to put its own files into.
class OwnGameFolder {
public:
    OwnGameFolder() {
        for (const char* part : {"dat", "midi", "manual", "res"})
            fs::copy(fs::path(VEMU_GAME_DIR) / part, fs::path(folder_.path()) / part,
                     fs::copy_options::recursive);
    }
    void Replace(const std::string& relative, const sound_test::Bytes& bytes) {
        const std::string path = folder_.path() + "/" + relative;
        ASSERT_TRUE(fs::exists(path)) << relative << " is not one of the game's files";
        ASSERT_TRUE(platform::WriteWholeFile(path, bytes.data(), bytes.size()));
    }
    const std::string& path() const { return folder_.path(); }

private:
    testing_support::TempFolder folder_;
};

// Plays into the main commands, whose list plays the cursor's sound.
void StartPlaying(PlayHarness& play) {
    play.Seed(5);
    ASSERT_TRUE(play.NewGame());
    play.SkipOpening();
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
}

TEST(PlayersOwnSounds, AFloatEffectFromAnAudioEditorPlaysInTheGame) {
    OwnGameFolder folder;
    sound_test::Bytes effect;
    ASSERT_TRUE(platform::ReadWholeFile(
        std::string(VEMU_TEST_SOURCE_DIR) + "/sound/wav/float32_stereo.wav", effect));
    folder.Replace("dat/switch.wav", effect);
    PlayHarness play(folder.path());
    StartPlaying(play);
    EXPECT_TRUE(play.MessageBoxes().empty()) << play.MessageBoxes()[0].text;
    play.backend.audio.Pull(sound_test::kFrameSamples * 50);  // what was playing
    play.Press(kDown);
    EXPECT_GT(sound_test::Peak(play.backend.audio.Pull(sound_test::kFrameSamples)), 0.5f)
        << "the cursor's sound";
}

TEST(PlayersOwnSounds, AFarLouderPieceDoesNotClip) {
    if (sound::FindSoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
    OwnGameFolder folder;
    for (const auto& piece : fs::directory_iterator(fs::path(folder.path()) / "midi"))
        folder.Replace("midi/" + piece.path().filename().string(), sound_test::LoudSmf());
    PlayHarness play(folder.path());
    play.backend.audio.record_midi = false;
    StartPlaying(play);
    // The shop's music, as the end of the opening starts it, faded in.
    play.game().stage().PlayBgm(nullptr, 1);
    play.Frames(100);
    const std::vector<float> out = play.backend.audio.Pull(sound_test::kFrameSamples * 100);
    EXPECT_GT(sound_test::Rms(out), 0.2) << "the piece plays, loud";
    EXPECT_EQ(std::count_if(out.begin(), out.end(), [](float s) { return std::fabs(s) >= 1.0f; }),
              0);
}

}  // namespace
