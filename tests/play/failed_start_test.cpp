// A start without what the game cannot run without: one message that names each missing path on
// disk and says how to make the game folder, instead of one per missing picture, and the program
// ends with a failure status. A data file that is there but damaged keeps its own message.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

// A game folder made of links to the build's, without one of the data folder's files.
std::string GameFolderWithout(const TempFolder& folder, const std::string& left_out) {
    const fs::path built = VEMU_GAME_DIR;
    const fs::path game = fs::path(folder.path()) / "game";
    fs::create_directories(game / "dat");
    for (const char* sub : {"res", "midi", "manual"})
        fs::create_directory_symlink(built / sub, game / sub);
    for (const auto& entry : fs::directory_iterator(built / "dat"))
        if (entry.path().filename() != left_out)
            fs::create_symlink(entry.path(), game / "dat" / entry.path().filename());
    return game.string();
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

TEST(FailedStart, ADamagedRecipeFileKeepsItsOwnMessageAndEndsWithAFailureStatus) {
    TempFolder folder;
    const std::string game = GameFolderWithout(folder, "vemu01.edt");
    std::ofstream(game + "/dat/vemu01.edt") << "not a recipe file";
    PlayHarness play(game);
    play.Frames(300);
    ASSERT_EQ(play.MessageBoxes().size(), 1u);
    EXPECT_EQ(play.MessageBoxes()[0].text, Utf8(u8"ロードできません"));
    EXPECT_TRUE(play.backend.window.QuitPosted());
    EXPECT_EQ(play.app().frame()->exit_code(), CMainFrame::kExitStartFailed);
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
