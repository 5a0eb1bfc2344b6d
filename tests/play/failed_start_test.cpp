// A start without what the game cannot run without: one message that names each missing path on
// disk and says how to make the game folder, instead of one per missing picture, and the program
// ends with a failure status. A data file that is there but damaged keeps its own message.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "game/shell/main_frame.h"
#include "platform/virtual_keys.h"
#include "tests/support/play_harness.h"

namespace {

using namespace play_test;
using testing_support::TempFolder;
using testing_support::Utf8;
namespace fs = std::filesystem;

// A game folder made of links to the build's, without some of the data folder's files and
// with others replaced by bytes that are no such file.
std::string GameFolderWith(const TempFolder& folder, const std::set<std::string>& left_out,
                           const std::set<std::string>& damaged = {}) {
    const fs::path built = VEMU_GAME_DIR;
    const fs::path game = fs::path(folder.path()) / "game";
    fs::create_directories(game / "dat");
    for (const char* sub : {"res", "midi", "manual"})
        fs::create_directory_symlink(built / sub, game / sub);
    for (const auto& entry : fs::directory_iterator(built / "dat")) {
        const std::string name = entry.path().filename().string();
        if (damaged.count(name))
            std::ofstream(game / "dat" / name) << "RIFF, but nothing after it";
        else if (!left_out.count(name))
            fs::create_symlink(entry.path(), game / "dat" / name);
    }
    return game.string();
}

std::string GameFolderWithout(const TempFolder& folder, const std::string& left_out) {
    return GameFolderWith(folder, {left_out});
}

void ExpectOneMessageNaming(const PlayHarness& play, const std::vector<std::string>& missing) {
    ASSERT_EQ(play.MessageBoxes().size(), 1u);
    const std::string& text = play.MessageBoxes()[0].text;
    std::string lines;
    for (const std::string& path : missing) lines += path + Utf8(u8" がありません") + "\n";
    EXPECT_EQ(text.substr(0, lines.size()), lines);
    EXPECT_NE(text.find("./build.sh play"), std::string::npos) << text;
    EXPECT_NE(text.find("cmake --install build"), std::string::npos) << text;
}

TEST(FailedStart, AMissingGameFolderOrDataFileIsOneMessageAndAFailureStatus) {
    TempFolder folder;
    const std::string nowhere = folder.path() + "/nowhere";
    struct Case {
        const char* what;
        std::string game;
        std::vector<std::string> missing;
    };
    const std::string no_recipes = GameFolderWithout(folder, "vemu01.edt");
    TempFolder other;
    const std::string no_bonuses = GameFolderWithout(other, "vemu02.edt");
    const Case cases[] = {
        {"no game folder", nowhere, {nowhere}},
        {"an empty game folder", folder.path(), {folder.path() + "/dat", folder.path() + "/res"}},
        {"no recipe file", no_recipes, {no_recipes + "/dat/vemu01.edt"}},
        {"no bonus file", no_bonuses, {no_bonuses + "/dat/vemu02.edt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlayHarness play(c.game);
        play.Frames(300);
        ExpectOneMessageNaming(play, c.missing);
        EXPECT_TRUE(play.backend.window.QuitPosted());
        EXPECT_EQ(play.app().frame()->exit_code(), CMainFrame::kExitStartFailed);
        EXPECT_STREQ(play.CurrentComponent(), "");
    }
}

// The damaged file's own message keeps its text, and names the file beside it: the same text
// says a save slot cannot be loaded.
TEST(FailedStart, ADamagedDataFileKeepsItsOwnMessageNamesTheFileAndEndsWithAFailureStatus) {
    for (const char* name : {"vemu01.edt", "vemu02.edt"}) {
        SCOPED_TRACE(name);
        TempFolder folder;
        const std::string game = GameFolderWithout(folder, name);
        std::ofstream(game + "/dat/" + name) << "not a recipe file";
        PlayHarness play(game);
        play.Frames(300);
        ASSERT_EQ(play.MessageBoxes().size(), 1u);
        EXPECT_EQ(play.MessageBoxes()[0].text,
                  Utf8(u8"ロードできません: ") + game + "/dat/" + name);
        EXPECT_EQ(play.MessageBoxes()[0].caption, Utf8(u8"ごめんねエラー"));
        EXPECT_TRUE(play.backend.window.QuitPosted());
        EXPECT_EQ(play.app().frame()->exit_code(), CMainFrame::kExitStartFailed);
    }
}

// Thirteen damaged sound effects and a missing background, which two components load, are one
// message that names each file once; the game still starts without them.
TEST(FailedStart, TheFilesOneStartFindsMissingOrDamagedAreOneMessageNamingEach) {
    const char* const sounds[] = {"select_on.wav", "select_off.wav", "switch.wav",    "get.wav",
                                  "chin.wav",      "bell.wav",       "cockzelba.wav", "ahead.wav",
                                  "buy.wav",       "hand.wav",       "roast.wav",     "boil.wav",
                                  "fry.wav"};
    TempFolder folder;
    const std::string game = GameFolderWith(
        folder, {"bg.bmp"}, std::set<std::string>(std::begin(sounds), std::end(sounds)));
    PlayHarness play(game);
    ASSERT_TRUE(play.RunUntilComponent(CTitleComp::kName));
    play.Frames(100);
    ASSERT_EQ(play.MessageBoxes().size(), 1u);
    const std::string& text = play.MessageBoxes()[0].text;
    auto count = [&text](const std::string& line) {
        int n = 0;
        for (std::size_t at = text.find(line); at != std::string::npos;
             at = text.find(line, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count(Utf8(u8"dat\\bg.bmp がありません")), 1) << text;
    for (const char* sound : sounds)
        EXPECT_EQ(count(Utf8(u8"Waveデータの読み込みに失敗: ") + game + "/dat/" + sound), 1)
            << sound << "\n"
            << text;
    EXPECT_EQ(count("\n"), 13) << text;  // fourteen lines
    EXPECT_EQ(play.app().frame()->exit_code(), 0);
}

TEST(FailedStart, AGameThatStartedAndIsQuitEndsWithSuccess) {
    PlayHarness play;
    ASSERT_TRUE(play.RunUntilComponent(CTitleComp::kName));
    play.PressKey(platform::vk::kEscape);
    EXPECT_TRUE(play.backend.window.QuitPosted());
    EXPECT_EQ(play.app().frame()->exit_code(), 0);
    EXPECT_TRUE(play.MessageBoxes().empty());
}

}  // namespace
